#include "ProfileBuilder.h"

#include "BmpBuilder.h"

namespace hexlume::testing {

namespace {

void PutBe32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

void AppendBe32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    bytes.resize(bytes.size() + 4);
    PutBe32(bytes, bytes.size() - 4, value);
}

void AppendBe16(std::vector<std::uint8_t>& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    bytes.push_back(static_cast<std::uint8_t>(value));
}

constexpr std::uint32_t Sig(const char (&text)[5])
{
    return std::uint32_t{static_cast<std::uint8_t>(text[0])} << 24 | std::uint32_t{static_cast<std::uint8_t>(text[1])} << 16 |
           std::uint32_t{static_cast<std::uint8_t>(text[2])} << 8 | static_cast<std::uint8_t>(text[3]);
}

// s15Fixed16Number of a value given in 1/10 000.
std::uint32_t Fixed(std::int64_t tenThousandths)
{
    return static_cast<std::uint32_t>(tenThousandths * 65536 / 10000);
}

// multiLocalizedUnicodeType with one record, en-US.
std::vector<std::uint8_t> Mluc(std::u16string_view text)
{
    std::vector<std::uint8_t> tag;
    AppendBe32(tag, Sig("mluc"));
    AppendBe32(tag, 0);
    AppendBe32(tag, 1);   // records
    AppendBe32(tag, 12);  // record size
    AppendBe16(tag, 0x656E);  // "en"
    AppendBe16(tag, 0x5553);  // "US"
    AppendBe32(tag, static_cast<std::uint32_t>(2 * text.size()));
    AppendBe32(tag, 28);  // from the tag's start
    for (const char16_t c : text)
        AppendBe16(tag, static_cast<std::uint16_t>(c));
    return tag;
}

// D50 as the ICC stores it, to the last bit.
constexpr std::uint32_t kD50[] = {0xF6D6, 0x10000, 0xD32D};

std::vector<std::uint8_t> XyzOf(std::uint32_t x, std::uint32_t y, std::uint32_t z)
{
    std::vector<std::uint8_t> tag;
    AppendBe32(tag, Sig("XYZ "));
    AppendBe32(tag, 0);
    for (const std::uint32_t value : {x, y, z})
        AppendBe32(tag, value);
    return tag;
}

std::vector<std::uint8_t> Xyz(std::int64_t x, std::int64_t y, std::int64_t z)
{
    return XyzOf(Fixed(x), Fixed(y), Fixed(z));
}

// curveType of one gamma, u8Fixed8Number.
std::vector<std::uint8_t> Gamma(std::uint16_t gamma)
{
    std::vector<std::uint8_t> tag;
    AppendBe32(tag, Sig("curv"));
    AppendBe32(tag, 0);
    AppendBe32(tag, 1);
    AppendBe16(tag, gamma);
    return tag;
}

}  // namespace

std::vector<std::uint8_t> BuildDisplayProfile(std::u16string_view description)
{
    struct Tag {
        std::uint32_t signature;
        std::vector<std::uint8_t> data;
        bool sharesPrevious = false;
    };
    // Colorants: sRGB's primaries adapted to D50.
    const std::vector<Tag> tags = {
        {Sig("desc"), Mluc(description)},
        {Sig("cprt"), Mluc(u"No copyright, use freely")},
        {Sig("wtpt"), XyzOf(kD50[0], kD50[1], kD50[2])},
        {Sig("rXYZ"), Xyz(4361, 2225, 139)},
        {Sig("gXYZ"), Xyz(3851, 7169, 971)},
        {Sig("bXYZ"), Xyz(1431, 606, 7139)},
        {Sig("rTRC"), Gamma(0x0233)},
        {Sig("gTRC"), {}, true},
        {Sig("bTRC"), {}, true},
    };
    std::vector<std::uint8_t> profile(128);
    AppendBe32(profile, static_cast<std::uint32_t>(tags.size()));
    profile.resize(profile.size() + 12 * tags.size());
    std::uint32_t previous = 0;
    std::uint32_t previousSize = 0;
    for (std::size_t i = 0; i < tags.size(); ++i) {
        const std::size_t entry = 132 + 12 * i;
        PutBe32(profile, entry, tags[i].signature);
        if (!tags[i].sharesPrevious) {
            previous = static_cast<std::uint32_t>(profile.size());
            previousSize = static_cast<std::uint32_t>(tags[i].data.size());
            profile.insert(profile.end(), tags[i].data.begin(), tags[i].data.end());
            profile.resize((profile.size() + 3) / 4 * 4);  // each tag starts on a 4-byte boundary
        }
        PutBe32(profile, entry + 4, previous);
        PutBe32(profile, entry + 8, previousSize);
    }
    PutBe32(profile, 0, static_cast<std::uint32_t>(profile.size()));
    PutBe32(profile, 8, 0x04300000);
    PutBe32(profile, 12, Sig("mntr"));
    PutBe32(profile, 16, Sig("RGB "));
    PutBe32(profile, 20, Sig("XYZ "));
    const std::uint16_t date[] = {2026, 12, 9, 19, 45, 0};
    for (std::size_t i = 0; i < 6; ++i) {
        profile[24 + 2 * i] = static_cast<std::uint8_t>(date[i] >> 8);
        profile[25 + 2 * i] = static_cast<std::uint8_t>(date[i]);
    }
    PutBe32(profile, 36, Sig("acsp"));
    PutBe32(profile, 64, 0);  // perceptual
    for (std::size_t i = 0; i < 3; ++i)
        PutBe32(profile, 68 + 4 * i, kD50[i]);
    return profile;
}

std::vector<std::uint8_t> BuildV5WithProfile(std::uint32_t csType, const std::vector<std::uint8_t>& profile)
{
    // The V5 header's last 84 bytes: masks 0, then bV5CSType at 56, the intent, data and size.
    std::vector<std::uint8_t> tail(84);
    const auto put = [&tail](std::size_t headerOffset, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            tail[headerOffset - 40 + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    put(56, csType);
    put(108, 4);  // LCS_GM_IMAGES
    put(112, kV5ProfileAt - 14);
    put(116, static_cast<std::uint32_t>(profile.size()));
    std::vector<std::uint8_t> after(16);
    after.insert(after.end(), profile.begin(), profile.end());
    return BuildBitmap({.offBits = kV5PixelsAt, .infoSize = 124, .width = 2, .height = 2, .sizeImage = 16,
                        .palette = tail, .pixels = after});
}

}  // namespace hexlume::testing
