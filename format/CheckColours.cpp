#include "CheckContext.h"

#include "ColorProfile.h"
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
        const ColorProfile icc = ReadColorProfile(m_file, m_format);
        const LinkedProfileName name = ReadLinkedProfileName(m_file, m_format);
        const std::string& said = embedded ? icc.description : name.text;
        m_list.Add(Severity::Note, FindingCode::ColourProfile, profile.offset, profile.claimed,
                   std::string(embedded ? "An embedded ICC profile" : "A linked profile's file name") + " (" +
                       ByteCount(profile.claimed) + ") lies at offset " + GroupedNumber(profile.offset) +
                       (said.empty() || (!embedded && !profile.Complete()) ? "." : ": \"" + said + "\"."));
        if (!profile.Complete())
            m_list.AddOnField(Severity::Error, FindingCode::ProfileOutsideFile, FieldId::ProfileData,
                              "The profile takes " + ByteRangeText(profile.offset, profile.claimed) + "; the file has " +
                                  ByteCount(m_format.fileSize) + ".");
        else if (profile.offset < m_format.colorTable.End())
            m_list.AddOnField(Severity::Error, FindingCode::ProfileOverlapsHeaders, FieldId::ProfileData,
                              "The profile at offset " + GroupedNumber(profile.offset) +
                                  " starts inside the headers or the colour table, which end at " +
                                  GroupedNumber(m_format.colorTable.End()) + ".");
        else
            CheckProfileApartFromPixels();
        if (embedded)
            CheckEmbeddedProfile(icc);
        else if (profile.Complete() && !name.terminated)
            m_list.AddOnField(Severity::Warning, FindingCode::LinkedNameUnterminated, FieldId::ProfileSize,
                              "The linked profile's file name has no NUL within its " + ByteCount(profile.claimed) +
                                  " (" + m_list.NameOf(FieldId::ProfileSize) + "); a reader may run past it.");
    }

    // An embedded JPEG or PNG without an image size runs to the end of the file as far as the
    // headers tell, so only a stream of a known length can lie under the profile.
    void CheckProfileApartFromPixels()
    {
        const FileRange& profile = m_format.profile;
        const FileRange& pixels = m_format.pixels;
        const bool lengthKnown = !IsEmbeddedStream(m_format.encoding) || m_format.sizeImage != 0;
        if (pixels.claimed == 0 || !lengthKnown || profile.offset >= pixels.End() || pixels.offset >= profile.End())
            return;
        m_list.AddOnField(Severity::Error, FindingCode::ProfileOverlapsPixels, FieldId::ProfileData,
                          "The profile takes " + ByteRangeText(profile.offset, profile.claimed) +
                              ", over the pixel data at " + ByteRangeText(pixels.offset, pixels.claimed) + ".");
    }

    // The ICC's own rules for the bytes the bitmap gives its profile.
    void CheckEmbeddedProfile(const ColorProfile& icc)
    {
        const FileRange& profile = m_format.profile;
        const std::uint64_t at = profile.offset;
        if (profile.claimed < kIccTagTableOffset) {
            m_list.Add(Severity::Error, FindingCode::NotAnIccProfile, at, profile.claimed,
                       "The embedded profile is " + ByteCount(profile.claimed) +
                           " long, too short for an ICC profile's 128-byte header and tag count.");
            return;
        }
        const FieldEntry& magic = FieldOf(kIccHeaderFields, FieldId::IccMagic);
        if (!icc.icc) {
            if (Holds(m_file, at + magic.offset, magic.Size()))
                m_list.Add(Severity::Error, FindingCode::NotAnIccProfile, at + magic.offset, magic.Size(),
                           "The embedded profile holds " +
                               SignatureQuoted(static_cast<std::uint32_t>(BeAt(m_file, at + magic.offset, 4))) +
                               " at its bytes 36 to 39, not the 'acsp' of an ICC profile.");
            return;
        }
        const FieldEntry& size = FieldOf(kIccHeaderFields, FieldId::IccSize);
        if (icc.declaredSize != profile.claimed)
            m_list.Add(icc.declaredSize > profile.claimed ? Severity::Error : Severity::Warning,
                       FindingCode::ProfileSizeMismatch, at + size.offset, size.Size(),
                       "The profile's header gives its size as " + ByteCount(icc.declaredSize) + "; " +
                           m_list.NameOf(FieldId::ProfileSize) + " gives " + GroupedNumber(profile.claimed) + ".",
                       std::string(size.name.View()));
        CheckTags(icc);
    }

    // Each tag's data, and the table itself, inside the profile as both sizes allow.
    void CheckTags(const ColorProfile& icc)
    {
        const std::uint64_t limit = std::min<std::uint64_t>(icc.declaredSize, m_format.profile.claimed);
        const std::uint64_t table = kIccTagTableOffset + kIccTagEntryBytes * std::uint64_t{icc.tagCount};
        if (table > limit) {
            m_list.Add(Severity::Error, FindingCode::ProfileTagPastEnd, m_format.profile.offset + kIccTagCountOffset, 4,
                       "The tag table of " + Counted(icc.tagCount, "tag", "tags") + " takes profile " +
                           ByteRangeText(kIccTagCountOffset, table - kIccTagCountOffset) + "; the profile has " +
                           ByteCount(limit) + ".",
                       "tag count");
            return;
        }
        const auto past = [limit](const IccTag& tag) {
            return tag.size != 0 && std::uint64_t{tag.offset} + tag.size > limit;
        };
        const auto first = std::find_if(icc.tags.begin(), icc.tags.end(), past);
        if (first == icc.tags.end())
            return;
        const auto more = std::count_if(first + 1, icc.tags.end(), past);
        const std::string number = GroupedNumber(static_cast<std::uint64_t>(first - icc.tags.begin()) + 1);
        m_list.Add(Severity::Error, FindingCode::ProfileTagPastEnd, first->entry, kIccTagEntryBytes,
                   "Tag " + number + " (" + SignatureQuoted(first->signature) + ") takes profile " +
                       ByteRangeText(first->offset, first->size) + "; the profile has " + ByteCount(limit) +
                       (more == 0 ? std::string(".")
                                  : ", and " + Counted(static_cast<std::uint64_t>(more), "more tag runs", "more tags run") +
                                        " past it."),
                   "tag " + number + " offset");
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
