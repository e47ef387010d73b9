#include "texts/FieldRows.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace hexlume {
namespace {

using testing::BitmapFields;
using testing::BuildBitmap;
using testing::CountingBytes;

struct Rows {
    explicit Rows(std::vector<std::uint8_t> fileBytes)
        : bytes(std::move(fileBytes)), layout(format::ReadLayout(bytes)), findings(format::CheckBitmap(layout, bytes)),
          groups(BuildFieldRows(layout, findings, bytes))
    {
    }
    const FieldGroup& Group(std::string_view name) const
    {
        const auto group = std::find_if(groups.begin(), groups.end(),
                                        [&](const FieldGroup& each) { return each.part.name == name; });
        if (group == groups.end())
            throw std::runtime_error("no part named " + std::string(name));
        return *group;
    }
    const FieldRow& Row(std::string_view name) const
    {
        for (const FieldGroup& group : groups)
            for (const FieldRow& row : group.rows)
                if (row.name == name)
                    return row;
        throw std::runtime_error("no row named " + std::string(name));
    }
    std::vector<std::uint8_t> bytes;
    format::Layout layout;
    std::vector<format::Finding> findings;
    std::vector<FieldGroup> groups;
};

// A top-down 8-bit V5 bitmap with four colours, sRGB, for pictures.
std::vector<std::uint8_t> Pal8V5()
{
    std::vector<std::uint8_t> after40(84, 0);
    after40[16] = 0x42, after40[17] = 0x47, after40[18] = 0x52, after40[19] = 0x73;  // bV5CSType: LCS_sRGB
    after40[68] = 4;                                                                 // bV5Intent: LCS_GM_IMAGES
    const std::vector<std::uint8_t> table = CountingBytes(16, 0x10);
    after40.insert(after40.end(), table.begin(), table.end());
    return BuildBitmap({.infoSize = 124, .width = 4, .height = -2, .bitCount = 8, .clrUsed = 4, .palette = after40,
                        .pixels = std::vector<std::uint8_t>(8, 1)});
}

TEST(FieldRows, AV5FileHasEveryFieldInFileOrderInTheTooltipsWords)
{
    const Rows v5(Pal8V5());
    // The parts tile the file in order; each header's fields tile the header.
    std::uint64_t next = 0;
    for (const FieldGroup& group : v5.groups) {
        EXPECT_EQ(group.part.offset, next) << group.part.name;
        next = group.part.offset + group.part.size;
        if (group.rows.empty())
            continue;
        std::uint64_t field = group.part.offset;
        for (const FieldRow& row : group.rows) {
            EXPECT_EQ(row.offset, field) << row.name;
            field = row.offset + row.size;
        }
        EXPECT_EQ(field, next) << group.part.name;
    }
    EXPECT_EQ(next, v5.bytes.size());
    const FieldGroup& header = v5.Group("BITMAPV5HEADER");
    ASSERT_EQ(header.rows.size(), 24u);
    EXPECT_EQ(header.rows.front().name, "bV5Size");
    EXPECT_EQ(header.rows.back().name, "bV5Reserved");

    const FieldRow& height = v5.Row("bV5Height");
    EXPECT_EQ(height.offsetText, "0x16");
    EXPECT_EQ(height.type, "LONG");
    EXPECT_EQ(height.hex, "FFFFFFFE");
    EXPECT_EQ(height.decimal, "-2");
    EXPECT_EQ(height.meaning, "top-down, 2 rows");
    EXPECT_EQ(v5.Row("bV5CSType").meaning, "LCS_sRGB");
    EXPECT_EQ(v5.Row("bV5Intent").meaning, "LCS_GM_IMAGES");
    const FieldRow& endpoints = v5.Row("bV5Endpoints");
    EXPECT_EQ(endpoints.size, 36u);
    EXPECT_EQ(endpoints.hex.size(), 36u * 3 - 1) << "its 36 bytes, one value can't say them";

    // Every field says what the dump's tooltip on its first byte says of it.
    for (const FieldGroup& group : {v5.Group("BITMAPFILEHEADER"), header}) {
        for (const FieldRow& row : group.rows) {
            const std::string tip = ByteText(v5.layout, v5.findings, v5.bytes, row.offset);
            EXPECT_NE(tip.find(", " + row.name.English() + " (" + row.type + ", bytes "), std::string::npos) << tip;
            if (!row.decimal.empty()) {
                EXPECT_NE(tip.find(" = " + row.decimal + " (0x" + row.hex + ")"), std::string::npos) << tip;
            }
            if (!row.meaning.Empty()) {
                EXPECT_NE(tip.find("): " + row.meaning.English()), std::string::npos) << tip;
            }
            // The row's own tip is the tooltip's line without the byte's place in the field.
            std::string line = tip.substr(tip.find('\n') + 1);
            line = line.substr(0, line.find('\n'));
            const std::string place = "; byte 1 of " + std::to_string(row.size);
            ASSERT_NE(line.find(place), std::string::npos) << line;
            EXPECT_EQ(row.tip.English().substr(0, row.tip.English().find('\n')), line.erase(line.find(place), place.size()));
        }
    }
}

TEST(FieldRows, AColourTableIsAnEntryARowAndFindingsLandOnTheirRows)
{
    BitmapFields fields{.width = 4, .height = 4, .bitCount = 8, .clrUsed = 16, .palette = CountingBytes(64),
                        .pixels = CountingBytes(16)};
    fields.planes = 2;  // an error on biPlanes
    const Rows pal8(BuildBitmap(fields));
    const FieldGroup& table = pal8.Group("colour table");
    ASSERT_EQ(table.rows.size(), 16u);
    const FieldRow& entry = table.rows[3];
    EXPECT_EQ(entry.name, "entry 3");
    EXPECT_EQ(entry.offset, 54u + 12);
    EXPECT_EQ(entry.type, "RGBQUAD");
    EXPECT_EQ(entry.hex, "0C 0D 0E 0F");  // blue, green, red, reserved as stored
    EXPECT_EQ(entry.decimal, "12 13 14 15");
    EXPECT_EQ(entry.meaning, "#0E0D0C");
    EXPECT_NE(entry.tip.English().find("entry 3 (blue 0x0C, green 0x0D, red 0x0E, reserved 0x0F)"), std::string::npos)
        << entry.tip;

    // The pixel data is one row that shows how it starts.
    const FieldGroup& pixels = pal8.Group("pixel data");
    EXPECT_TRUE(pixels.rows.empty());
    EXPECT_EQ(pixels.part.hex, "00 01 02 03 04 05 06 07 …");

    const FieldRow& planes = pal8.Row("biPlanes");
    EXPECT_EQ(planes.mark, Mark::Error);
    EXPECT_NE(planes.tip.English().find("\nerror: biPlanes is 2"), std::string::npos) << planes.tip;
    EXPECT_EQ(pal8.Group("BITMAPINFOHEADER").part.mark, Mark::Error) << "a group shows its worst row";
    EXPECT_EQ(pal8.Row("biWidth").mark, Mark::None);
    // 16 of the 256 entries 8 bits can index: a note on the whole table, not on its first entry.
    EXPECT_NE(table.part.tip.English().find("\nnote: The colour table has 16 of the 256"), std::string::npos) << table.part.tip;
    EXPECT_EQ(table.rows[0].mark, Mark::None);
}

}  // namespace
}  // namespace hexlume
