#pragma once

#include "format/BitmapFormat.h"
#include "format/FindingCode.h"

#include <cstdint>
#include <vector>

// OS/2's Huffman 1D pixel data: the one-dimensional fax code. Each row is a run of white, then
// of black, and so on (a row that starts black starts with a white run of 0), each run coded as
// make-up codes for its multiples of 64 and a terminating code for the rest; an end-of-line code
// comes before every row, after any zero fill bits. Bits are read from the high end of each
// byte. White is colour index 0, black index 1.
// The layout, the checks and the decoder walk streams through HuffmanWalker, so they agree on
// every code and on where the stream ends. It does not allocate.
namespace hexlume::format {

enum class HuffmanEvent {
    Run,          // a run of one colour; a run of 0 pixels is never told
    RowTooLong,   // a run that goes past the row's last pixel; the row ends with it, and what
                  // follows up to the next end-of-line code is skipped
    RowTooShort,  // an end-of-line code before the row is full; the rest of the row is unwritten
    BadCode,      // bits that are no code; the row is given up up to the next end-of-line code
    MissingEol,   // a row that starts without an end-of-line code before it; it is read anyway
    CutShort,     // the stream ends before the last row is full; the walk ends with it
};

struct HuffmanStep {
    HuffmanEvent event = HuffmanEvent::CutShort;
    std::uint64_t bit = 0;     // where it starts, counted in bits from the file's start (high bit first)
    std::uint64_t x = 0;       // column and stored row (0 = the first stored) where it starts
    std::uint64_t y = 0;
    std::uint64_t count = 0;   // Run, RowTooLong: the run's length
    std::uint64_t pixels = 0;  // Run, RowTooLong: the pixels it writes inside the row, from (x, y) on
    bool black = false;        // Run, RowTooLong: its colour; BadCode: the colour of the run it was to be
};

class HuffmanWalker {
public:
    // Walks the stream starting at byte `start` of `file` (which ends where the stream must end)
    // through a columns × rows picture.
    HuffmanWalker(Bytes file, std::uint64_t start, std::uint64_t columns, std::uint64_t rows);

    // Reads on to the next step; false once the last row is full (after the end-of-line codes
    // that follow it) or after CutShort.
    bool Next(HuffmanStep& step);

    // The bit just past what the walk has read.
    std::uint64_t Bit() const { return m_bit; }

private:
    enum class Look { Code, EndOfLine, BadCode, End };
    struct Code {
        Look look = Look::End;
        std::uint32_t run = 0;
        unsigned bits = 0;
    };

    Code Read(bool black) const;
    std::uint64_t ZerosFrom(std::uint64_t bit) const;
    bool TakeEndOfLine();
    void SkipToEndOfLine();
    void EndRow();
    bool Cut(HuffmanStep& step);

    Bytes m_file;
    std::uint64_t m_end;
    std::uint64_t m_columns;
    std::uint64_t m_rows;
    std::uint64_t m_bit;
    std::uint64_t m_x = 0;
    std::uint64_t m_y = 0;
    bool m_black = false;
    bool m_rowStarted = false;
    bool m_ended = false;
};

// Where a stream starting at byte `start` ends: the byte holding its last bit (the last row's
// last code, or the end-of-line codes after it), or the end of the file when its rows are not
// all there.
std::uint64_t HuffmanStreamEnd(Bytes file, std::uint64_t start, std::uint64_t columns, std::uint64_t rows);

// A fault (any event but Run) as its error says it, on the byte holding its first bit.
StreamFault DescribeHuffmanFault(const BitmapFormat& format, const HuffmanStep& step);

// The faults whose first bit lies in `range`, in stream order, for a view that marks or names
// every one. The stream is walked from its start to the range's end.
std::vector<HuffmanStep> HuffmanFaultsIn(Bytes file, const BitmapFormat& format, ByteRange range);

}  // namespace hexlume::format
