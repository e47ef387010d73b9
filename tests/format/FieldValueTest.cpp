#include "format/FieldValue.h"

#include <gtest/gtest.h>

namespace hexlume::format {
namespace {

TEST(FieldValueTest, ParsesWhatEachTypeHolds)
{
    using enum FieldType;
    using enum ValueNotation;
    const struct {
        std::string_view text;
        FieldType type;
        ValueNotation notation;
        std::optional<std::uint64_t> stored;
    } table[] = {
        {"65535", Word, Typed, 0xFFFF},          {"65536", Word, Typed, std::nullopt},
        {"0x10000", Word, Typed, std::nullopt},  {"-1", Word, Typed, std::nullopt},
        {"4294967295", Dword, Typed, 0xFFFFFFFF}, {"0xF800", Dword, Typed, 0xF800},
        {"-64", Long, Typed, 0xFFFFFFC0},        {"-2147483648", Long, Typed, 0x80000000},
        {"-2147483649", Long, Typed, std::nullopt}, {"2147483648", Long, Typed, std::nullopt},
        {"0xFFFFFFC0", Long, Typed, 0xFFFFFFC0},  {"-32768", Short, Typed, 0x8000},
        {"40", Ushort, Typed, 40},               {" 12 ", Ulong, Typed, 12},
        {"F800", Dword, Typed, std::nullopt},    {"", Word, Typed, std::nullopt},
        {"1 000", Dword, Typed, std::nullopt},   {"99999999999999999999", Dword, Typed, std::nullopt},
        // A cell: bare digits are hex as it shows them; a sign or a trailing dot makes decimal.
        {"FFFFFFC0", Long, Cell, 0xFFFFFFC0},    {"40", Word, Cell, 0x40},
        {"0x40", Word, Cell, 0x40},              {"64.", Word, Cell, 64},
        {"+64", Word, Cell, 64},                 {"-64", Long, Cell, 0xFFFFFFC0},
        {"-64", Word, Cell, std::nullopt},       {"10000", Word, Cell, std::nullopt},
        {"G1", Word, Cell, std::nullopt},        {".", Word, Cell, std::nullopt},
    };
    for (const auto& row : table) {
        const ParsedFieldValue parsed = ParseFieldValue(row.text, "f", row.type, row.notation);
        EXPECT_EQ(parsed.stored, row.stored) << row.text << " as " << TypeName(row.type);
        EXPECT_EQ(parsed.error.Empty(), row.stored.has_value()) << row.text;
    }
}

TEST(FieldValueTest, SaysWhyAndWritesLittleEndian)
{
    EXPECT_EQ(ParseFieldValue("70000", "biPlanes", FieldType::Word).error, "biPlanes is a WORD: 0 to 65 535");
    EXPECT_EQ(ParseFieldValue("-1", "bV5Height", FieldType::Long).error, "");
    EXPECT_EQ(FieldRangeText("biHeight", FieldType::Long), "biHeight is a LONG: -2 147 483 648 to 2 147 483 647");
    EXPECT_EQ(FieldRangeText("yHotspot", FieldType::Short), "yHotspot is a SHORT: -32 768 to 32 767");
    EXPECT_EQ(ParseFieldValue("1", "bV5Endpoints", FieldType::CieXyzTriple).error,
              "bV5Endpoints is a CIEXYZTRIPLE of 36 bytes, not one number: set its bytes");
    EXPECT_EQ(ParseFieldValue("x", "biPlanes", FieldType::Word).error,
              "biPlanes takes a number: decimal, or hex after 0x");

    EXPECT_EQ(FieldValueBytes(0xFFFFFFC0, FieldType::Long), (std::vector<std::uint8_t>{0xC0, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(FieldValueBytes(0x4D42, FieldType::Word), (std::vector<std::uint8_t>{0x42, 0x4D}));
    EXPECT_EQ(FieldValueText(0xFFFFFFC0, FieldType::Long), "-64");
    EXPECT_EQ(FieldValueText(0x8000, FieldType::Short), "-32768");
    EXPECT_EQ(FieldValueText(0xFFFFFFC0, FieldType::Dword), "4294967232");
}

TEST(FieldValueTest, AColourEntryTakesRrggbbAndStoresBlueGreenRed)
{
    using Bgr = std::array<std::uint8_t, 3>;
    EXPECT_EQ(ParseEntryColor("#FF8000", "entry 3").bytes, (Bgr{0x00, 0x80, 0xFF}));
    EXPECT_EQ(ParseEntryColor(" 0a0b0c ", "entry 3").bytes, (Bgr{0x0C, 0x0B, 0x0A}));
    for (const std::string_view wrong : {"#FF80", "#FF80000", "#GG8000", "", "#+F8000"})
        EXPECT_EQ(ParseEntryColor(wrong, "entry 3").error,
                  "entry 3 takes a colour as #RRGGBB: six hex digits, red, green, blue")
            << wrong;
}

}  // namespace
}  // namespace hexlume::format
