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
                              Message(tableHeldApart ? HX_TR("Findings", "%1 is %2; %3-bit pixels can use only %4, "
                                                                         "and readers take the first %4.")
                                                     : HX_TR("Findings", "%1 is %2; %3-bit pixels can use only %4."))
                                  .Arg(m_list.NameOf(FieldId::ColorsUsed))
                                  .Number(m_format.clrUsed)
                                  .Arg(std::to_string(bits))
                                  .Number(full));
        else if (indexed && m_format.colorCount < full && m_format.colorCount != 0)
            m_list.Add(Severity::Note, FindingCode::ShortColourTable, table.offset, table.claimed,
                       Message(HX_TR("Findings", "The colour table has %1 of the %2 entries %3-bit pixels can index."))
                           .Number(m_format.colorCount)
                           .Number(full)
                           .Arg(std::to_string(bits)));
        if (!indexed && table.claimed != 0)
            m_list.Add(Severity::Note, FindingCode::ColourTableInTrueColour, table.offset, table.claimed,
                       Message(HX_TR_N("Findings", "A %1-bit bitmap needs no colour table; this one has %n "
                                                   "(entry|entries), a hint for displays with fewer colours."))
                           .Arg(std::to_string(bits))
                           .Count(m_format.colorCount));
        if (table.claimed != 0 && !table.Complete())
            m_list.Add(Severity::Error, FindingCode::ColourTableTruncated, table.offset, table.present,
                       Message(HX_TR("Findings", "The colour table takes %1 from offset %2; the file holds %3 of "
                                                 "them."))
                           .Arg(say::Bytes(table.claimed))
                           .Number(table.offset)
                           .Number(table.present));
        if (m_format.clrImportant > std::max<std::uint64_t>(m_format.colorCount, full))
            m_list.AddOnField(Severity::Note, FindingCode::ImportantColoursExceedTable, FieldId::ColorsImportant,
                              Message(HX_TR_N("Findings", "%1 is %2, more than the %n (colour there is|colours there "
                                                          "are)."))
                                  .Arg(m_list.NameOf(FieldId::ColorsImportant))
                                  .Number(m_format.clrImportant)
                                  .Count(m_format.colorCount));
    }

    void CheckMasks()
    {
        if (m_format.encoding != PixelEncoding::BitFields)
            return;
        const FileRange& after = m_format.maskBytes;
        if (after.claimed != 0 && !after.Complete()) {
            m_list.Add(Severity::Error, FindingCode::MasksTruncated, after.offset, after.present,
                       Message(HX_TR("Findings", "The bit-field masks take %1 after the header; the file holds %2 "
                                                 "of them."))
                           .Arg(say::Bytes(after.claimed))
                           .Number(after.present));
            return;
        }
        const ChannelMasks& masks = m_format.masks;
        const std::array<std::uint32_t, 4> values{masks.red, masks.green, masks.blue, masks.alpha};
        const std::array<FieldId, 4> fields{FieldId::RedMask, FieldId::GreenMask, FieldId::BlueMask,
                                            FieldId::AlphaMask};
        const std::array<MessageTemplate, 4> channels{HX_TR("Findings", "red"), HX_TR("Findings", "green"),
                                                      HX_TR("Findings", "blue"), HX_TR("Findings", "alpha")};
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (m_list.FieldFor(fields[i]) == nullptr)
                break;  // no alpha mask: a 40-byte header with BI_BITFIELDS, or a V2 header
            CheckMask(values[i], channels[i], fields[i], i < 3);
            for (std::size_t j = 0; j < i; ++j)
                if ((values[i] & values[j]) != 0)
                    m_list.AddOnField(Severity::Error, FindingCode::MasksOverlap, fields[i],
                                      Message(HX_TR("Findings", "The %1 mask %2 shares bits with the %3 mask %4."))
                                          .Arg(channels[i])
                                          .Arg(HexNumber(values[i], 8))
                                          .Arg(channels[j])
                                          .Arg(HexNumber(values[j], 8)));
        }
    }

    void CheckMask(std::uint32_t mask, MessageTemplate channel, FieldId id, bool colour)
    {
        const std::string name = m_list.NameOf(id);
        if (mask == 0) {
            if (colour)
                m_list.AddOnField(Severity::Warning, FindingCode::MaskEmpty, id,
                                  Message(HX_TR("Findings", "%1 is 0: the picture has no %2.")).Arg(name).Arg(channel));
            return;
        }
        const std::uint32_t shifted = mask >> __builtin_ctz(mask);
        if ((shifted & (shifted + 1)) != 0)
            m_list.AddOnField(Severity::Error, FindingCode::MaskNotContiguous, id,
                              Message(HX_TR("Findings", "%1 is %2, whose bits are not contiguous."))
                                  .Arg(name)
                                  .Arg(HexNumber(mask, 8)));
        if (m_format.bitCount < 32 && (mask >> m_format.bitCount) != 0)
            m_list.AddOnField(Severity::Error, FindingCode::MaskExceedsBitCount, id,
                              Message(HX_TR("Findings", "%1 is %2, with bits above the %3 of a pixel."))
                                  .Arg(name)
                                  .Arg(HexNumber(mask, 8))
                                  .Arg(std::to_string(m_format.bitCount)));
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
                                  Message(HX_TR("Findings", "%1 is %2 pixels per metre, which no device has."))
                                      .Arg(m_list.NameOf(id))
                                      .Arg((value < 0 ? "-" : "") +
                                           GroupedNumber(static_cast<std::uint64_t>(value < 0 ? -value : value))));
        if (x > 0 && y > 0 && x <= kAbsurdDensity && y <= kAbsurdDensity &&
            (x / y >= kDensityRatioLimit || y / x >= kDensityRatioLimit))
            m_list.AddOnField(Severity::Warning, FindingCode::DensityMismatch, FieldId::XDensity,
                              Message(HX_TR("Findings", "The densities are %1 and %2 pixels per metre, hundreds of "
                                                        "times apart."))
                                  .Number(static_cast<std::uint64_t>(x))
                                  .Number(static_cast<std::uint64_t>(y)));
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
                              Message(HX_TR("Findings", "%1 is %2, which no colour-space type has; readers take sRGB."))
                                  .Arg(m_list.NameOf(FieldId::ColorSpace))
                                  .Arg(HexNumber(type, 8)));
            return;
        }
        const FileRange& profile = m_format.profile;
        if (profile.claimed == 0)
            return;
        const bool embedded = type == kProfileEmbedded;
        const ColorProfile icc = ReadColorProfile(m_file, m_format);
        const LinkedProfileName name = ReadLinkedProfileName(m_file, m_format);
        const std::string& said = embedded ? icc.description : name.text;
        const bool quoted = !said.empty() && (embedded || profile.Complete());
        Message placed =
            embedded ? quoted ? HX_TR("Findings", "An embedded ICC profile (%1) lies at offset %2: \"%3\".")
                              : HX_TR("Findings", "An embedded ICC profile (%1) lies at offset %2.")
            : quoted ? HX_TR("Findings", "A linked profile's file name (%1) lies at offset %2: \"%3\".")
                     : HX_TR("Findings", "A linked profile's file name (%1) lies at offset %2.");
        placed.Arg(say::Bytes(profile.claimed)).Number(profile.offset).Arg(said);
        m_list.Add(Severity::Note, FindingCode::ColourProfile, profile.offset, profile.claimed, std::move(placed));
        if (!profile.Complete())
            m_list.AddOnField(Severity::Error, FindingCode::ProfileOutsideFile, FieldId::ProfileData,
                              Message(HX_TR("Findings", "The profile takes %1; the file has %2."))
                                  .Arg(say::ByteRange(profile.offset, profile.claimed))
                                  .Arg(say::Bytes(m_format.fileSize)));
        else if (profile.offset < m_format.colorTable.End())
            m_list.AddOnField(Severity::Error, FindingCode::ProfileOverlapsHeaders, FieldId::ProfileData,
                              Message(HX_TR("Findings", "The profile at offset %1 starts inside the headers or the "
                                                        "colour table, which end at %2."))
                                  .Number(profile.offset)
                                  .Number(m_format.colorTable.End()));
        else
            CheckProfileApartFromPixels();
        if (embedded)
            CheckEmbeddedProfile(icc);
        else if (profile.Complete() && !name.terminated)
            m_list.AddOnField(Severity::Warning, FindingCode::LinkedNameUnterminated, FieldId::ProfileSize,
                              Message(HX_TR("Findings", "The linked profile's file name has no NUL within its %1 "
                                                        "(%2); a reader may run past it."))
                                  .Arg(say::Bytes(profile.claimed))
                                  .Arg(m_list.NameOf(FieldId::ProfileSize)));
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
                          Message(HX_TR("Findings", "The profile takes %1, over the pixel data at %2."))
                              .Arg(say::ByteRange(profile.offset, profile.claimed))
                              .Arg(say::ByteRange(pixels.offset, pixels.claimed)));
    }

    // The ICC's own rules for the bytes the bitmap gives its profile.
    void CheckEmbeddedProfile(const ColorProfile& icc)
    {
        const FileRange& profile = m_format.profile;
        const std::uint64_t at = profile.offset;
        if (profile.claimed < kIccTagTableOffset) {
            m_list.Add(Severity::Error, FindingCode::NotAnIccProfile, at, profile.claimed,
                       Message(HX_TR("Findings", "The embedded profile is %1 long, too short for an ICC profile's "
                                                 "128-byte header and tag count."))
                           .Arg(say::Bytes(profile.claimed)));
            return;
        }
        const FieldEntry& magic = FieldOf(kIccHeaderFields, FieldId::IccMagic);
        if (!icc.icc) {
            if (Holds(m_file, at + magic.offset, magic.Size()))
                m_list.Add(Severity::Error, FindingCode::NotAnIccProfile, at + magic.offset, magic.Size(),
                           Message(HX_TR("Findings", "The embedded profile holds %1 at its bytes 36 to 39, not the "
                                                     "'acsp' of an ICC profile."))
                               .Arg(SignatureQuoted(static_cast<std::uint32_t>(BeAt(m_file, at + magic.offset, 4)))));
            return;
        }
        const FieldEntry& size = FieldOf(kIccHeaderFields, FieldId::IccSize);
        if (icc.declaredSize != profile.claimed)
            m_list.Add(icc.declaredSize > profile.claimed ? Severity::Error : Severity::Warning,
                       FindingCode::ProfileSizeMismatch, at + size.offset, size.Size(),
                       Message(HX_TR("Findings", "The profile's header gives its size as %1; %2 gives %3."))
                           .Arg(say::Bytes(icc.declaredSize))
                           .Arg(m_list.NameOf(FieldId::ProfileSize))
                           .Number(profile.claimed),
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
                       Message(HX_TR_N("Findings", "The tag table of %n tag(s) takes profile %1; the profile has %2."))
                           .Count(icc.tagCount)
                           .Arg(say::ByteRange(kIccTagCountOffset, table - kIccTagCountOffset))
                           .Arg(say::Bytes(limit)),
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
        Message message = more == 0 ? Message(HX_TR("Findings", "Tag %1 (%2) takes profile %3; the profile has %4."))
                                    : Message(HX_TR_N("Findings", "Tag %1 (%2) takes profile %3; the profile has %4, "
                                                                  "and %n more (tag runs|tags run) past it."))
                                          .Count(static_cast<std::uint64_t>(more));
        message.Arg(number)
            .Arg(SignatureQuoted(first->signature))
            .Arg(say::ByteRange(first->offset, first->size))
            .Arg(say::Bytes(limit));
        m_list.Add(Severity::Error, FindingCode::ProfileTagPastEnd, first->entry, kIccTagEntryBytes, std::move(message),
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
