#include "CheckContext.h"

#include "Huffman1D.h"
#include "NumberText.h"
#include "RleStream.h"
#include "Signatures.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <utility>

namespace hexlume::format::check {

namespace {

struct StreamCheck : Part {
    using Part::Part;

    void CheckEmbeddedStream()
    {
        const FileRange& pixels = m_format.pixels;
        const bool jpeg = m_format.encoding == PixelEncoding::Jpeg;
        const std::string kind = jpeg ? "JPEG" : "PNG";
        const Bytes expected = jpeg ? Bytes(kJpegSignature) : Bytes(kPngSignature);
        if (!StartsWith(m_file.subspan(pixels.offset, pixels.present), expected))
            m_list.Add(Severity::Error, FindingCode::BadEmbeddedStream, pixels.offset, expected.size(),
                       Message(HX_TR("Findings", "The pixel data at offset %1 does not start as a %2 stream does."))
                           .Number(pixels.offset)
                           .Arg(kind));
        else
            m_list.Add(Severity::Note, FindingCode::EmbeddedStream, pixels.offset, pixels.present,
                       Message(HX_TR("Findings", "The pixel data is a whole %1 stream of %2, a form meant for printers "
                                                 "that few readers decode."))
                           .Arg(kind)
                           .Arg(say::Bytes(pixels.present)));
    }

    // Whether a code writes an index past the colour table: a run repeats the indices of its
    // one byte, a literal stores its own.
    static bool WritesBadIndex(const RleCode& code, std::uint64_t pixels, unsigned bits, std::uint64_t colorCount)
    {
        const bool run = code.op == RleOp::Run;
        return LargestIndex(code.data, run ? std::min<std::uint64_t>(pixels, 8 / bits) : pixels, bits) >= colorCount;
    }

    // The indices past the colour table among the pixels a code writes into the picture.
    [[gnu::cold, gnu::noinline]] static void ScanRleIndices(IndexScan& scan, std::uint64_t& lastBadRow,
                                                             const BitmapFormat& format, RleCode code, RleStep step)
    {
        // A run repeats its first two pixels.
        const std::uint64_t distinct = code.op == RleOp::Run ? std::min<std::uint64_t>(step.pixels, 2) : step.pixels;
        for (std::uint64_t k = 0; k < distinct; ++k) {
            const std::uint32_t index = RlePixel(format.encoding, code, k);
            if (index < format.colorCount)
                continue;
            if (scan.offset == kNowhere)
                scan = {.offset = RlePixelOffset(format.encoding, code, k), .index = index, .row = step.y,
                        .column = step.x + k, .rowsWithBadIndex = 0};
            if (lastBadRow != step.y) {
                ++scan.rowsWithBadIndex;
                lastBadRow = step.y;
            }
        }
    }

    // Walks the stream as the layout bounds it: the first code of each way out of the picture,
    // the indices, the pixels left unwritten and how the stream ends.
    void CheckRleStream()
    {
        const FileRange& pixels = m_format.pixels;
        RleReader reader(m_file.first(pixels.offset + pixels.present), m_format.encoding, pixels.offset);
        RleCursor cursor(m_format.columns, m_format.rows);
        const bool checkIndices = m_format.encoding != PixelEncoding::Rle24 && !TableCoversEveryIndex(m_format);
        const unsigned bits = RleBitsPerPixel(m_format.encoding);
        const std::uint64_t colorCount = m_format.colorCount;
        // The first code of each way out, and how many codes take it.
        std::array<std::pair<RleCode, RleStep>, 4> firstExit{};
        std::array<std::uint64_t, 4> exits{};
        IndexScan badIndex;
        std::uint64_t lastBadRow = kNowhere;
        RleCode firstSkip{.length = 0};
        std::optional<std::pair<RleCode, RleStep>> cut;
        RleCode code;
        bool ended = false;
        while (reader.Next(code)) {
            const RleStep step = cursor.Apply(code);
            if (step.exit != RleExit::None) [[unlikely]] {
                const auto exit = static_cast<std::size_t>(step.exit);
                if (exits[exit]++ == 0)
                    firstExit[exit] = {code, step};
            }
            if (step.skips && firstSkip.length == 0) [[unlikely]]
                firstSkip = code;
            if (checkIndices && step.pixels != 0 && WritesBadIndex(code, step.pixels, bits, colorCount)) [[unlikely]]
                ScanRleIndices(badIndex, lastBadRow, m_format, code, step);
            ended = code.op == RleOp::EndOfBitmap;
            if (code.op == RleOp::CutShort) [[unlikely]]
                cut = {code, {.x = cursor.X(), .y = cursor.Y()}};
        }
        // In the order the stream meets them; the cut is the stream's last code.
        std::array<std::size_t, 4> order{};
        std::iota(order.begin(), order.end(), 0);
        std::ranges::sort(order, [&](std::size_t a, std::size_t b) {
            return firstExit[a].first.offset < firstExit[b].first.offset;
        });
        for (const std::size_t exit : order)
            if (exits[exit] != 0)
                ReportRleExit(firstExit[exit].first, firstExit[exit].second, exits[exit] - 1);
        if (cut)
            ReportCutShort(cut->first, cut->second.x, cut->second.y);
        ReportBadIndex(badIndex);
        if (firstSkip.length != 0)
            m_list.Add(Severity::Note, FindingCode::RleSkipsPixels, firstSkip.offset, firstSkip.length,
                       Message(HX_TR("Findings", "The stream leaves pixels unwritten (a delta or an early end code at "
                                                 "offset %1); readers show them in colour 0 or transparent."))
                           .Number(firstSkip.offset));
        CheckStreamSize("RLE", ended,
                        HX_TR("Findings", "%1 says %2; the %3 stream takes %4 from offset %5 to its end-of-bitmap "
                                          "code."));
    }

    // The image size against a stream the layout bounds by its own end: `ended` when it has one
    // before the end of the file, said by `toItsEnd`.
    void CheckStreamSize(std::string_view kind, bool ended, MessageTemplate toItsEnd)
    {
        const FileRange& pixels = m_format.pixels;
        const bool pastEnd = SaturatingAdd(pixels.offset, m_format.sizeImage) > m_format.fileSize;
        // A file cut inside the stream may well have the right size; the cut is the error then.
        if (pastEnd && ended && m_format.sizeImage != pixels.present)
            ReportSizeImagePastEnd();
        else if (!pastEnd && m_format.sizeImage != 0 && m_format.sizeImage != pixels.present)
            m_list.AddOnField(Severity::Warning, FindingCode::SizeImageMismatch, FieldId::ImageSize,
                              Message(ended ? toItsEnd
                                            : HX_TR("Findings", "%1 says %2; the %3 stream takes %4 from offset %5 to "
                                                                "the end of the file."))
                                  .Arg(m_list.NameOf(FieldId::ImageSize))
                                  .Arg(say::Bytes(m_format.sizeImage))
                                  .Arg(kind)
                                  .Number(pixels.present)
                                  .Number(pixels.offset));
    }

    // Walks the stream as the layout bounds it: the first fault of each kind with a count of the
    // rows that have it too, the indices past a short colour table, and how the stream ends.
    void CheckHuffmanStream()
    {
        const FileRange& pixels = m_format.pixels;
        HuffmanWalker walker(m_file.first(pixels.offset + pixels.present), pixels.offset, m_format.columns,
                             m_format.rows);
        constexpr std::size_t kKinds = static_cast<std::size_t>(HuffmanEvent::CutShort) + 1;
        std::array<HuffmanStep, kKinds> first{};
        std::array<std::uint64_t, kKinds> counts{};
        IndexScan badIndex;
        std::uint64_t lastBadRow = kNowhere;
        HuffmanStep step;
        while (walker.Next(step)) {
            const std::uint32_t index = step.black ? 1 : 0;
            if (step.pixels != 0 && index >= m_format.colorCount) [[unlikely]] {
                if (badIndex.offset == kNowhere)
                    badIndex = {.offset = step.bit / 8, .index = index, .row = step.y, .column = step.x};
                badIndex.rowsWithBadIndex += lastBadRow != step.y ? 1 : 0;
                lastBadRow = step.y;
            }
            const auto kind = static_cast<std::size_t>(step.event);
            if (step.event != HuffmanEvent::Run && counts[kind]++ == 0)
                first[kind] = step;
        }
        std::array<std::size_t, kKinds> order{};
        std::iota(order.begin(), order.end(), 0);
        std::ranges::sort(order, [&](std::size_t a, std::size_t b) { return first[a].bit < first[b].bit; });
        for (const std::size_t kind : order)
            if (counts[kind] != 0)
                ReportHuffmanFault(first[kind], counts[kind] - 1);
        ReportBadIndex(badIndex);
        CheckStreamSize("Huffman", counts[kKinds - 1] == 0,
                        HX_TR("Findings", "%1 says %2; the %3 stream takes %4 from offset %5 to its last row."));
    }

    // The first fault of a kind, with the count of the others, which the walk meets once a row.
    [[gnu::cold, gnu::noinline]] void ReportHuffmanFault(const HuffmanStep& step, std::uint64_t moreRows)
    {
        ReportStreamFault(DescribeHuffmanFault(m_format, step), moreRows,
                          HX_TR_N("Findings", "%1, and %n more row(s) (does|do) the same."));
    }

    [[gnu::cold, gnu::noinline]] void ReportRleExit(const RleCode& code, const RleStep& step, std::uint64_t more)
    {
        ReportStreamFault(DescribeRleExit(m_format, code, step), more,
                          HX_TR_N("Findings", "%1, and %n more code(s) (does|do) the same."));
    }

    // A stream fault's sentence comes without its full stop, so that the count of the others may follow it.
    void ReportStreamFault(StreamFault fault, std::uint64_t more, MessageTemplate others)
    {
        Message sentence = more == 0 ? fault.Sentence() : Message(others).Count(more).Arg(std::move(fault.message));
        m_list.Add(Severity::Error, fault.code, fault.offset, fault.length, std::move(sentence));
    }

    // The file ends before the stream's end-of-bitmap code: inside a code, or between two.
    [[gnu::cold, gnu::noinline]] void ReportCutShort(RleCode code, std::uint64_t x, std::uint64_t y)
    {
        const Message where = say::StreamPlace(x, y, m_format);
        if (code.length != 0) {
            m_list.Add(Severity::Error, FindingCode::RleTruncated, code.offset, code.length,
                       Message(HX_TR("Findings", "The file ends at offset %1 inside the RLE code at offset %2, at %3, "
                                                 "before the end-of-bitmap code."))
                           .Number(m_format.fileSize)
                           .Number(code.offset)
                           .Arg(where));
            return;
        }
        const FileRange& pixels = m_format.pixels;
        const std::uint64_t lastBytes = std::min<std::uint64_t>(2, pixels.present);
        m_list.Add(Severity::Error, FindingCode::RleMissingEnd, m_format.fileSize - lastBytes, lastBytes,
                   Message(HX_TR("Findings", "The RLE stream runs to the end of the file at offset %1 without an "
                                             "end-of-bitmap code, at %2."))
                       .Number(m_format.fileSize)
                       .Arg(where));
    }
};

}  // namespace

void CheckRleStream(Context& context)
{
    StreamCheck(context).CheckRleStream();
}

void CheckHuffmanStream(Context& context)
{
    StreamCheck(context).CheckHuffmanStream();
}

void CheckEmbeddedStream(Context& context)
{
    StreamCheck(context).CheckEmbeddedStream();
}

}  // namespace hexlume::format::check
