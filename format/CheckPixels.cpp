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
                       "The pixel data takes " + ByteCount(pixels.claimed) + " from offset " +
                           GroupedNumber(pixels.offset) + "; the file holds " + GroupedNumber(pixels.present) +
                           " of them.");
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
                       GroupedNumber(padding.count) + " of the " + GroupedNumber(m_format.rows) +
                           std::string(CountWord(padding.count, " rows has", " rows have")) +
                           " padding that is not zero, the first at offset " + GroupedNumber(padding.firstOffset) +
                           ": no reader shows it, so it can hide data.");
        const HiddenBits outside = ScanBitsOutsideMasks(m_file, m_format);
        if (outside.count != 0)
            m_list.Add(Severity::Note, FindingCode::BitsOutsideMasks, outside.firstOffset, m_format.bitCount / 8u,
                       Counted(outside.count, "pixel sets", "pixels set") +
                           " bits outside the channel masks (" +
                           HexNumber(ChannelBits(m_format.masks), m_format.bitCount / 4) + "), the first at offset " +
                           GroupedNumber(outside.firstOffset) + "; readers ignore them.");
    }

    void CheckImageSize()
    {
        const std::uint64_t claimed = m_format.sizeImage;
        const std::string name = m_list.NameOf(FieldId::ImageSize);
        if (m_list.FieldFor(FieldId::ImageSize) == nullptr)
            return;
        const bool uncompressed = IsUncompressed(m_format.encoding);
        if (claimed == 0) {
            m_list.AddOnField(Severity::Note, FindingCode::SizeImageZero, FieldId::ImageSize,
                              name + (uncompressed ? " is 0: the size follows from the rows, " +
                                                         ByteCount(m_format.rowBytes) + "."
                                                   : " is 0: the stream is taken to run to the end of the file."));
        } else if (uncompressed && claimed != m_format.rowBytes &&
                   // An icon image's may count the AND mask too.
                   claimed != SaturatingAdd(m_format.rowBytes, m_format.andMask.claimed)) {
            if (SaturatingAdd(m_format.pixels.offset, claimed) > m_format.fileSize)
                ReportSizeImagePastEnd();
            else
                m_list.AddOnField(Severity::Warning, FindingCode::SizeImageMismatch, FieldId::ImageSize,
                                  name + " says " + ByteCount(claimed) + "; the rows take " +
                                      GroupedNumber(m_format.rowBytes) + ".");
        }
    }
};

}  // namespace

void CheckPixels(Context& context)
{
    PixelCheck(context).CheckPixels();
}

}  // namespace hexlume::format::check
