#include "CheckContext.h"

#include "NumberText.h"

#include <algorithm>
#include <array>

namespace hexlume::format::check {

namespace {

// Densities past this (25 400 dpi) no device has; further apart than this factor no pixel is.
constexpr std::int64_t kAbsurdDensity = 1'000'000;
constexpr std::int64_t kDensityRatioLimit = 100;

struct ColourCheck : Part {
    using Part::Part;

    void CheckColorTable()
    {
        const std::uint16_t bits = m_format.bitCount;
        const bool indexed = IsIndexed(bits);
        const std::uint64_t full = FullTableEntries(bits);
        const FileRange& table = m_format.colorTable;
        // Readers index the first 2^bits entries; the rest only matter when they are not there.
        const bool tableHeldApart = table.Complete() && table.End() <= m_format.offBits;
        if (indexed && m_format.clrUsed > full)
            m_list.AddOnField(tableHeldApart ? Severity::Warning : Severity::Error, FindingCode::ColourTableTooLarge,
                              FieldId::ColorsUsed,
                              m_list.NameOf(FieldId::ColorsUsed) + " is " + GroupedNumber(m_format.clrUsed) + "; " +
                                  std::to_string(bits) + "-bit pixels can use only " + GroupedNumber(full) +
                                  (tableHeldApart ? ", and readers take the first " + GroupedNumber(full) + "."
                                                  : "."));
        else if (indexed && m_format.colorCount < full && m_format.colorCount != 0)
            m_list.Add(Severity::Note, FindingCode::ShortColourTable, table.offset, table.claimed,
                       "The colour table has " + GroupedNumber(m_format.colorCount) + " of the " +
                           GroupedNumber(full) + " entries " + std::to_string(bits) + "-bit pixels can index.");
        if (!indexed && table.claimed != 0)
            m_list.Add(Severity::Note, FindingCode::ColourTableInTrueColour, table.offset, table.claimed,
                       "A " + std::to_string(bits) + "-bit bitmap needs no colour table; this one has " +
                           Counted(m_format.colorCount, "entry", "entries") + ", a hint for displays with fewer colours.");
        if (table.claimed != 0 && !table.Complete())
            m_list.Add(Severity::Error, FindingCode::ColourTableTruncated, table.offset, table.present,
                       "The colour table takes " + ByteCount(table.claimed) + " from offset " +
                           GroupedNumber(table.offset) + "; the file holds " + GroupedNumber(table.present) +
                           " of them.");
        if (m_format.clrImportant > std::max<std::uint64_t>(m_format.colorCount, full))
            m_list.AddOnField(Severity::Note, FindingCode::ImportantColoursExceedTable, FieldId::ColorsImportant,
                              m_list.NameOf(FieldId::ColorsImportant) + " is " + GroupedNumber(m_format.clrImportant) +
                                  ", more than the " + Counted(m_format.colorCount, "colour there is", "colours there are") + ".");
    }

    void CheckMasks()
    {
        if (m_format.encoding != PixelEncoding::BitFields)
            return;
        const FileRange& after = m_format.maskBytes;
        if (after.claimed != 0 && !after.Complete()) {
            m_list.Add(Severity::Error, FindingCode::MasksTruncated, after.offset, after.present,
                       "The bit-field masks take " + ByteCount(after.claimed) + " after the header; the file holds " +
                           GroupedNumber(after.present) + " of them.");
            return;
        }
        const ChannelMasks& masks = m_format.masks;
        const std::array<std::uint32_t, 4> values{masks.red, masks.green, masks.blue, masks.alpha};
        const std::array<FieldId, 4> fields{FieldId::RedMask, FieldId::GreenMask, FieldId::BlueMask,
                                            FieldId::AlphaMask};
        const std::array<std::string_view, 4> channels{"red", "green", "blue", "alpha"};
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (m_list.FieldFor(fields[i]) == nullptr)
                break;  // no alpha mask: a 40-byte header with BI_BITFIELDS, or a V2 header
            CheckMask(values[i], channels[i], fields[i], i < 3);
            for (std::size_t j = 0; j < i; ++j)
                if ((values[i] & values[j]) != 0)
                    m_list.AddOnField(Severity::Error, FindingCode::MasksOverlap, fields[i],
                                      "The " + std::string(channels[i]) + " mask " + HexNumber(values[i], 8) +
                                          " shares bits with the " + std::string(channels[j]) + " mask " +
                                          HexNumber(values[j], 8) + ".");
        }
    }

    void CheckMask(std::uint32_t mask, std::string_view channel, FieldId id, bool colour)
    {
        const std::string name = m_list.NameOf(id);
        if (mask == 0) {
            if (colour)
                m_list.AddOnField(Severity::Warning, FindingCode::MaskEmpty, id,
                                  name + " is 0: the picture has no " + std::string(channel) + ".");
            return;
        }
        const std::uint32_t shifted = mask >> __builtin_ctz(mask);
        if ((shifted & (shifted + 1)) != 0)
            m_list.AddOnField(Severity::Error, FindingCode::MaskNotContiguous, id,
                              name + " is " + HexNumber(mask, 8) + ", whose bits are not contiguous.");
        if (m_format.bitCount < 32 && (mask >> m_format.bitCount) != 0)
            m_list.AddOnField(Severity::Error, FindingCode::MaskExceedsBitCount, id,
                              name + " is " + HexNumber(mask, 8) + ", with bits above the " +
                                  std::to_string(m_format.bitCount) + " of a pixel.");
    }

    void CheckDensities()
    {
        if (m_list.FieldFor(FieldId::YDensity) == nullptr)
            return;
        const std::int64_t x = m_format.xPelsPerMeter;
        const std::int64_t y = m_format.yPelsPerMeter;
        for (const auto& [id, value] : {std::pair{FieldId::XDensity, x}, std::pair{FieldId::YDensity, y}})
            if (value < 0 || value > kAbsurdDensity)
                m_list.AddOnField(Severity::Warning, FindingCode::AbsurdDensity, id,
                                  m_list.NameOf(id) + " is " + (value < 0 ? "-" : "") +
                                      GroupedNumber(static_cast<std::uint64_t>(value < 0 ? -value : value)) +
                                      " pixels per metre, which no device has.");
        if (x > 0 && y > 0 && x <= kAbsurdDensity && y <= kAbsurdDensity &&
            (x / y >= kDensityRatioLimit || y / x >= kDensityRatioLimit))
            m_list.AddOnField(Severity::Warning, FindingCode::DensityMismatch, FieldId::XDensity,
                              "The densities are " + GroupedNumber(static_cast<std::uint64_t>(x)) + " and " +
                                  GroupedNumber(static_cast<std::uint64_t>(y)) +
                                  " pixels per metre, hundreds of times apart.");
    }

    void CheckColorSpace()
    {
        if (m_format.version != HeaderVersion::V4 && m_format.version != HeaderVersion::V5)
            return;
        const std::uint32_t type = m_format.csType;
        const bool known = type == 0 || type == 0x73524742 || type == 0x57696E20 ||
                           (m_format.version == HeaderVersion::V5 && (type == kProfileLinked || type == kProfileEmbedded));
        if (!known) {
            m_list.AddOnField(Severity::Warning, FindingCode::UnknownColourSpace, FieldId::ColorSpace,
                              m_list.NameOf(FieldId::ColorSpace) + " is " + HexNumber(type, 8) +
                                  ", which no colour-space type has; readers take sRGB.");
            return;
        }
        const FileRange& profile = m_format.profile;
        if (profile.claimed == 0)
            return;
        const bool embedded = type == kProfileEmbedded;
        m_list.Add(Severity::Note, FindingCode::ColourProfile, profile.offset, profile.claimed,
                   std::string(embedded ? "An embedded ICC profile" : "A linked profile's file name") + " (" +
                       ByteCount(profile.claimed) + ") lies at offset " + GroupedNumber(profile.offset) + ".");
        if (!profile.Complete())
            m_list.AddOnField(Severity::Error, FindingCode::ProfileOutsideFile, FieldId::ProfileData,
                              "The profile takes " + ByteRangeText(profile.offset, profile.claimed) + "; the file has " +
                                  ByteCount(m_format.fileSize) + ".");
        else if (profile.offset < m_format.colorTable.End())
            m_list.AddOnField(Severity::Error, FindingCode::ProfileOverlapsHeaders, FieldId::ProfileData,
                              "The profile at offset " + GroupedNumber(profile.offset) +
                                  " starts inside the headers or the colour table, which end at " +
                                  GroupedNumber(m_format.colorTable.End()) + ".");
    }
};

}  // namespace

void CheckColorTable(Context& context)
{
    ColourCheck(context).CheckColorTable();
}

void CheckMasks(Context& context)
{
    ColourCheck(context).CheckMasks();
}

void CheckDensities(Context& context)
{
    ColourCheck(context).CheckDensities();
}

void CheckColorSpace(Context& context)
{
    ColourCheck(context).CheckColorSpace();
}

}  // namespace hexlume::format::check
