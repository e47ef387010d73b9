#include "CheckContext.h"

#include "HiddenData.h"
#include "NumberText.h"

#include <algorithm>

namespace hexlume::format::check {

namespace {

struct PixelCheck : Part {
    using Part::Part;

    // Where truncated rows end: the last row the file holds a part of, not all the rows before it.
    std::uint64_t LastRowStart() const
    {
        const FileRange& pixels = m_format.pixels;
        const std::uint64_t stride = std::max<std::uint64_t>(m_format.stride, 1);
        const std::uint64_t whole = pixels.present / stride * stride;
        return pixels.offset + (whole == pixels.present && whole != 0 ? whole - stride : whole);
    }

    void CheckPixels()
    {
        const FileRange& pixels = m_format.pixels;
        if (pixels.present == 0)
            return;
        if (IsRunLength(m_format.encoding)) {
            CheckRleStream(m_context);
            return;
        }
        if (m_format.encoding == PixelEncoding::Huffman1D) {
            CheckHuffmanStream(m_context);
            return;
        }
        CheckImageSize();
        if (!pixels.Complete())
            m_list.Add(Severity::Error, FindingCode::PixelDataTruncated, LastRowStart(), pixels.offset + pixels.present - LastRowStart(),
                       Message(HX_TR("Findings", "The pixel data takes %1 from offset %2; the file holds %3 of them."))
                           .Arg(say::Bytes(pixels.claimed))
                           .Number(pixels.offset)
                           .Number(pixels.present));
        if (IsEmbeddedStream(m_format.encoding))
            CheckEmbeddedStream(m_context);
        else if (m_format.encoding == PixelEncoding::Rgb)
            ReportBadIndex(ScanIndices(m_file, m_format));
        if (IsUncompressed(m_format.encoding))
            ReportHiddenBits();
    }

    void ReportHiddenBits()
    {
        const HiddenBits padding = ScanRowPadding(m_file, m_format);
        if (padding.count != 0)
            m_list.Add(Severity::Warning, FindingCode::PaddingNotZero, padding.firstOffset, 1,
                       Message(HX_TR_N("Findings", "%n of the %1 rows (has|have) padding that is not zero, the "
                                                   "first at offset %2: no reader shows it, so it can hide data."))
                           .Count(padding.count)
                           .Number(m_format.rows)
                           .Number(padding.firstOffset));
        const HiddenBits outside = ScanBitsOutsideMasks(m_file, m_format);
        if (outside.count != 0)
            m_list.Add(Severity::Note, FindingCode::BitsOutsideMasks, outside.firstOffset, m_format.bitCount / 8u,
                       Message(HX_TR_N("Findings", "%n (pixel sets|pixels set) bits outside the channel masks "
                                                   "(%1), the first at offset %2; readers ignore them."))
                           .Count(outside.count)
                           .Arg(HexNumber(ChannelBits(m_format.masks), m_format.bitCount / 4))
                           .Number(outside.firstOffset));
    }

    void CheckImageSize()
    {
        const std::uint64_t claimed = m_format.sizeImage;
        const std::string name = m_list.NameOf(FieldId::ImageSize);
        if (m_list.FieldFor(FieldId::ImageSize) == nullptr)
            return;
        const bool uncompressed = IsUncompressed(m_format.encoding);
        if (claimed == 0) {
            m_list.AddOnField(
                Severity::Note, FindingCode::SizeImageZero, FieldId::ImageSize,
                uncompressed ? Message(HX_TR("Findings", "%1 is 0: the size follows from the rows, %2."))
                                   .Arg(name)
                                   .Arg(say::Bytes(m_format.rowBytes))
                             : Message(HX_TR("Findings", "%1 is 0: the stream is taken to run to the end of the file."))
                                   .Arg(name));
        } else if (uncompressed && claimed != m_format.rowBytes &&
                   // An icon image's may count the AND mask too.
                   claimed != SaturatingAdd(m_format.rowBytes, m_format.andMask.claimed)) {
            if (SaturatingAdd(m_format.pixels.offset, claimed) > m_format.fileSize)
                ReportSizeImagePastEnd();
            else
                m_list.AddOnField(Severity::Warning, FindingCode::SizeImageMismatch, FieldId::ImageSize,
                                  Message(HX_TR("Findings", "%1 says %2; the rows take %3."))
                                      .Arg(name)
                                      .Arg(say::Bytes(claimed))
                                      .Number(m_format.rowBytes));
        }
    }
};

}  // namespace

void CheckPixels(Context& context)
{
    PixelCheck(context).CheckPixels();
}

}  // namespace hexlume::format::check
