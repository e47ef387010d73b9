#pragma once

#include "format/BitmapFormat.h"
#include "format/FindingCode.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Run-length pixel data (RLE8, RLE4 and OS/2's RLE24) read code by code, and the position in
// the picture the codes move. The layout, the checks and the decoder all read streams through
// these two, so they agree on every code and on where the stream ends. Neither allocates: the
// decoder walks streams of any size through them.
namespace hexlume::format {

enum class RleOp {
    Run,          // count pixels of one colour (RLE4: two alternating indices)
    Literal,      // count pixels stored one by one, padded to 16 bits
    EndOfLine,
    EndOfBitmap,
    Delta,        // moves count columns right and down rows on
    CutShort,     // the file ends before the end-of-bitmap code, maybe inside a code
};

// "run", "end of line": how a code is named in a message.
inline std::string_view RleOpName(RleOp op)
{
    switch (op) {
    case RleOp::Run: return "run";
    case RleOp::Literal: return "literal";
    case RleOp::EndOfLine: return "end of line";
    case RleOp::EndOfBitmap: return "end of bitmap";
    case RleOp::Delta: return "delta";
    case RleOp::CutShort: return "cut short";
    }
    return {};
}

// The two bytes of the end-of-bitmap code.
inline constexpr std::array<std::uint8_t, 2> kRleEndOfBitmap = {0, 1};

struct RleCode {
    RleOp op = RleOp::CutShort;
    std::uint64_t offset = 0;  // file offset of the code's first byte
    std::uint64_t length = 0;  // bytes it takes; CutShort: the bytes left in the file (maybe 0)
    std::uint64_t count = 0;   // Run, Literal: pixels; CutShort: whole pixels of a cut literal; Delta: columns
    std::uint64_t down = 0;    // Delta: rows on, in stored order
    const std::uint8_t* data = nullptr;  // Run: its colour bytes; Literal and cut literal: its pixel bytes
};

// The encodings differ only in how many bytes a colour takes.
inline unsigned RleBitsPerPixel(PixelEncoding encoding)
{
    return encoding == PixelEncoding::Rle4 ? 4 : encoding == PixelEncoding::Rle24 ? 24 : 8;
}

// Pixel k of a code that writes pixels: a colour index, or for RLE24 0xRRGGBB.
inline std::uint32_t RlePixel(PixelEncoding encoding, const RleCode& code, std::uint64_t k)
{
    const std::uint8_t* data = code.data;
    const bool run = code.op == RleOp::Run;
    switch (encoding) {
    case PixelEncoding::Rle4: {
        const std::uint8_t byte = run ? data[0] : data[k / 2];
        return k % 2 == 0 ? byte >> 4 : byte & 0x0Fu;
    }
    case PixelEncoding::Rle24: {
        const std::uint8_t* pixel = run ? data : data + 3 * k;
        return std::uint32_t{pixel[2]} << 16 | std::uint32_t{pixel[1]} << 8 | pixel[0];
    }
    default: return run ? data[0] : data[k];
    }
}

// The file offset of the byte that holds pixel k of a code that writes pixels.
inline std::uint64_t RlePixelOffset(PixelEncoding encoding, const RleCode& code, std::uint64_t k)
{
    if (code.op == RleOp::Run)
        return code.offset + 1;
    return code.offset + 2 + k * RleBitsPerPixel(encoding) / 8;
}

class RleReader {
public:
    RleReader(Bytes file, PixelEncoding encoding, std::uint64_t start)
        : m_file(file), m_bits(RleBitsPerPixel(encoding)), m_at(std::min<std::uint64_t>(start, file.size()))
    {
    }

    // Reads the next code into code; false once the stream has ended (after its end-of-bitmap
    // code or its CutShort).
    bool Next(RleCode& code)
    {
        if (m_ended)
            return false;
        const std::uint8_t* at = m_file.data() + m_at;
        const std::uint64_t left = m_file.size() - m_at;
        code = {.offset = m_at};
        if (left < 2)
            return Cut(code, left, 0);
        if (at[0] != 0) {
            const std::uint64_t bytes = m_bits == 24 ? 4 : 2;  // a run's colour: an index byte or 3 bytes
            if (left < bytes)
                return Cut(code, left, 0);
            code.op = RleOp::Run;
            code.count = at[0];
            code.data = at + 1;
            return Take(code, bytes);
        }
        switch (at[1]) {
        case 0: code.op = RleOp::EndOfLine; return Take(code, 2);
        case kRleEndOfBitmap[1]:
            code.op = RleOp::EndOfBitmap;
            m_ended = true;
            return Take(code, 2);
        case 2:
            if (left < 4)
                return Cut(code, left, 0);
            code.op = RleOp::Delta;
            code.count = at[2];
            code.down = at[3];
            return Take(code, 4);
        default: {
            code.count = at[1];
            code.data = at + 2;
            const std::uint64_t bytes = (code.count * m_bits + 7) / 8;
            const std::uint64_t padded = bytes + (bytes & 1);  // literals end on a 16-bit boundary
            if (left < 2 + padded)
                return Cut(code, left, std::min(code.count, (left - 2) * 8 / m_bits));
            code.op = RleOp::Literal;
            return Take(code, 2 + padded);
        }
        }
    }

private:
    bool Take(RleCode& code, std::uint64_t bytes)
    {
        code.length = bytes;
        m_at += bytes;
        return true;
    }

    bool Cut(RleCode& code, std::uint64_t left, std::uint64_t pixels)
    {
        code.op = RleOp::CutShort;
        code.length = left;
        code.count = pixels;
        if (pixels == 0)
            code.data = nullptr;
        m_at += left;
        m_ended = true;
        return true;
    }

    Bytes m_file;
    unsigned m_bits;
    std::uint64_t m_at;
    bool m_ended = false;
};

// Where a stream starting at start ends: just past its end-of-bitmap code, or at the end of
// the file when it has none.
std::uint64_t RleStreamEnd(Bytes file, PixelEncoding encoding, std::uint64_t start);

// The ways a code can leave the picture.
enum class RleExit {
    None,
    RunPastRow,    // a run or literal goes past the row's last pixel
    PastLastRow,   // pixels or an end of line after the last row
    DeltaOutside,  // a delta moves out of the picture
};

// What one code does to the picture.
struct RleStep {
    RleExit exit = RleExit::None;
    std::uint64_t x = 0;       // where the code starts: column
    std::uint64_t y = 0;       // and stored row (0 = the first stored, the bottom one unless top-down)
    std::uint64_t pixels = 0;  // pixels it writes inside the picture, from (x, y) on
    bool skips = false;        // it leaves pixels unwritten: a delta, or an end code before the row or picture is full
};

// Follows the position in a columns × rows picture code by code. A code that leaves the
// picture still moves the position, so what follows lands where a reader would put it.
class RleCursor {
public:
    RleCursor(std::uint64_t columns, std::uint64_t rows) : m_columns(columns), m_rows(rows) {}

    std::uint64_t X() const { return m_x; }
    std::uint64_t Y() const { return m_y; }

    RleStep Apply(const RleCode& code)
    {
        RleStep step{.x = m_x, .y = m_y};
        const std::uint64_t roomInRow = m_x < m_columns ? m_columns - m_x : 0;
        switch (code.op) {
        case RleOp::Run:
        case RleOp::Literal:
        case RleOp::CutShort:
            if (code.count == 0)
                break;
            if (m_y >= m_rows) {
                step.exit = RleExit::PastLastRow;
            } else {
                step.pixels = std::min(code.count, roomInRow);
                if (code.count > roomInRow)
                    step.exit = RleExit::RunPastRow;
            }
            m_x += code.count;
            break;
        case RleOp::EndOfLine:
            if (m_y >= m_rows)
                step.exit = RleExit::PastLastRow;
            else
                step.skips = roomInRow != 0;
            m_x = 0;
            ++m_y;
            break;
        case RleOp::EndOfBitmap:
            step.skips = m_y < m_rows && (m_y + 1 < m_rows || roomInRow != 0);
            break;
        case RleOp::Delta:
            if (code.count > roomInRow || code.down > m_rows - std::min(m_y, m_rows))
                step.exit = RleExit::DeltaOutside;
            step.skips = code.count != 0 || code.down != 0;
            m_x += code.count;
            m_y += code.down;
            break;
        }
        return step;
    }

private:
    std::uint64_t m_columns;
    std::uint64_t m_rows;
    std::uint64_t m_x = 0;
    std::uint64_t m_y = 0;
};

// A code that leaves the picture (step.exit is not None) as its error says it, over the code's bytes.
StreamFault DescribeRleExit(const BitmapFormat& format, const RleCode& code, const RleStep& step);

// The codes within `range` that leave the picture, each as its bytes, for a view that marks every
// one it shows. The stream is walked from its start to the range's end.
std::vector<ByteRange> RleExitBytes(Bytes file, const BitmapFormat& format, ByteRange range);

}  // namespace hexlume::format
