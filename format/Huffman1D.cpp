#include "Huffman1D.h"

#include "NumberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>
#include <string_view>

namespace hexlume::format {

namespace {

// The code of each run length, white and black: terminating codes for 0 to 63, then make-up
// codes for 64, 128, … 1728.
constexpr std::string_view kWhiteCodes[] = {
    "00110101", "000111", "0111", "1000", "1011", "1100", "1110", "1111",  // 0 to 7
    "10011", "10100", "00111", "01000", "001000", "000011", "110100", "110101",  // 8 to 15
    "101010", "101011", "0100111", "0001100", "0001000", "0010111", "0000011", "0000100",  // 16 to 23
    "0101000", "0101011", "0010011", "0100100", "0011000", "00000010", "00000011", "00011010",  // 24 to 31
    "00011011", "00010010", "00010011", "00010100", "00010101", "00010110", "00010111", "00101000",  // 32 to 39
    "00101001", "00101010", "00101011", "00101100", "00101101", "00000100", "00000101", "00001010",  // 40 to 47
    "00001011", "01010010", "01010011", "01010100", "01010101", "00100100", "00100101", "01011000",  // 48 to 55
    "01011001", "01011010", "01011011", "01001010", "01001011", "00110010", "00110011", "00110100",  // 56 to 63
    "11011", "10010", "010111", "0110111", "00110110", "00110111", "01100100",  // 64 to 448
    "01100101", "01101000", "01100111", "011001100", "011001101", "011010010", "011010011",  // 512 to 896
    "011010100", "011010101", "011010110", "011010111", "011011000", "011011001", "011011010",  // 960 to 1344
    "011011011", "010011000", "010011001", "010011010", "011000", "010011011",  // 1408 to 1728
};
constexpr std::string_view kBlackCodes[] = {
    "0000110111", "010", "11", "10", "011", "0011",  // 0 to 5
    "0010", "00011", "000101", "000100", "0000100", "0000101",  // 6 to 11
    "0000111", "00000100", "00000111", "000011000", "0000010111", "0000011000",  // 12 to 17
    "0000001000", "00001100111", "00001101000", "00001101100", "00000110111", "00000101000",  // 18 to 23
    "00000010111", "00000011000", "000011001010", "000011001011", "000011001100", "000011001101",  // 24 to 29
    "000001101000", "000001101001", "000001101010", "000001101011", "000011010010", "000011010011",  // 30 to 35
    "000011010100", "000011010101", "000011010110", "000011010111", "000001101100", "000001101101",  // 36 to 41
    "000011011010", "000011011011", "000001010100", "000001010101", "000001010110", "000001010111",  // 42 to 47
    "000001100100", "000001100101", "000001010010", "000001010011", "000000100100", "000000110111",  // 48 to 53
    "000000111000", "000000100111", "000000101000", "000001011000", "000001011001", "000000101011",  // 54 to 59
    "000000101100", "000001011010", "000001100110", "000001100111",  // 60 to 63
    "0000001111", "000011001000", "000011001001", "000001011011", "000000110011",  // 64 to 320
    "000000110100", "000000110101", "0000001101100", "0000001101101", "0000001001010",  // 384 to 640
    "0000001001011", "0000001001100", "0000001001101", "0000001110010", "0000001110011",  // 704 to 960
    "0000001110100", "0000001110101", "0000001110110", "0000001110111", "0000001010010",  // 1024 to 1280
    "0000001010011", "0000001010100", "0000001010101", "0000001011010", "0000001011011",  // 1344 to 1600
    "0000001100100", "0000001100101",  // 1664 to 1728
};
// Make-up codes for 1792, 1856, … 2560, the same for both colours.
constexpr std::string_view kWideMakeUpCodes[] = {
    "00000001000", "00000001100", "00000001101", "000000010010", "000000010011",  // 1792 to 2048
    "000000010100", "000000010101", "000000010110", "000000010111", "000000011100",  // 2112 to 2368
    "000000011101", "000000011110", "000000011111",  // 2432 to 2560
};

constexpr unsigned kTerminatingRuns = 64;  // runs 0 to 63 end a run; longer codes are make-up codes
constexpr unsigned kLongestCode = 13;
// An end-of-line code is 11 zeros and a 1, after any zero fill bits; no other code starts with
// 8 zeros.
constexpr std::uint64_t kEndOfLineZeros = 11;

struct CodeEntry {
    std::uint16_t run = 0;
    std::uint8_t bits = 0;  // 0: no code starts with these bits
};

// Every 13-bit window to the code it starts with.
using CodeTable = std::array<CodeEntry, std::size_t{1} << kLongestCode>;

void Enter(CodeTable& table, std::string_view code, std::uint32_t run)
{
    std::uint32_t value = 0;
    for (const char bit : code)
        value = value << 1 | (bit == '1' ? 1u : 0u);
    const CodeEntry entry{.run = static_cast<std::uint16_t>(run), .bits = static_cast<std::uint8_t>(code.size())};
    const auto spare = static_cast<unsigned>(kLongestCode - code.size());
    for (std::uint32_t low = 0; low < 1u << spare; ++low)
        table[value << spare | low] = entry;
}

CodeTable BuildTable(std::span<const std::string_view> codes)
{
    CodeTable table{};
    for (std::uint32_t index = 0; index < codes.size(); ++index)
        Enter(table, codes[index], index < kTerminatingRuns ? index : (index - kTerminatingRuns + 1) * 64);
    for (std::uint32_t index = 0; index < std::size(kWideMakeUpCodes); ++index)
        Enter(table, kWideMakeUpCodes[index], 1792 + index * 64);
    return table;
}

const CodeTable& TableFor(bool black)
{
    static const CodeTable white = BuildTable(kWhiteCodes);
    static const CodeTable blackTable = BuildTable(kBlackCodes);
    return black ? blackTable : white;
}

}  // namespace

HuffmanWalker::HuffmanWalker(Bytes file, std::uint64_t start, std::uint64_t columns, std::uint64_t rows)
    : m_file(file), m_end(std::uint64_t{file.size()} * 8), m_columns(columns), m_rows(rows),
      m_bit(std::min<std::uint64_t>(start, file.size()) * 8)
{
}

std::uint64_t HuffmanWalker::ZerosFrom(std::uint64_t bit) const
{
    std::uint64_t at = bit;
    while (at < m_end) {
        const auto byte = static_cast<std::uint8_t>(m_file[at / 8] << (at % 8));
        if (byte != 0)
            return at + static_cast<std::uint64_t>(std::countl_zero(byte)) - bit;
        at += 8 - at % 8;
    }
    return m_end - bit;
}

HuffmanWalker::Code HuffmanWalker::Read(bool black) const
{
    if (m_bit >= m_end)
        return {};
    // The next 13 bits, zeros past the end: a code that needs them is cut short.
    const std::uint64_t byte = m_bit / 8;
    std::uint32_t window = 0;
    for (std::uint64_t i = 0; i < 3; ++i)
        window = window << 8 | (byte + i < m_file.size() ? m_file[byte + i] : 0u);
    const unsigned shift = 24 - kLongestCode - static_cast<unsigned>(m_bit % 8);
    const CodeEntry entry = TableFor(black)[window >> shift & ((1u << kLongestCode) - 1)];
    const std::uint64_t left = m_end - m_bit;
    if (entry.bits != 0)
        return entry.bits <= left ? Code{.look = Look::Code, .run = entry.run, .bits = entry.bits} : Code{};
    const std::uint64_t zeros = ZerosFrom(m_bit);
    if (zeros == left)
        return {};  // fill to the end, or a code the end cuts
    return {.look = zeros >= kEndOfLineZeros ? Look::EndOfLine : Look::BadCode};
}

bool HuffmanWalker::TakeEndOfLine()
{
    const std::uint64_t zeros = ZerosFrom(m_bit);
    if (zeros < kEndOfLineZeros || zeros == m_end - m_bit)
        return false;
    m_bit += zeros + 1;
    return true;
}

void HuffmanWalker::SkipToEndOfLine()
{
    for (;;) {
        const std::uint64_t zeros = ZerosFrom(m_bit);
        if (zeros == m_end - m_bit) {
            m_bit = m_end;
            return;
        }
        if (zeros >= kEndOfLineZeros)
            return;
        m_bit += zeros + 1;
    }
}

void HuffmanWalker::EndRow()
{
    ++m_y;
    m_x = 0;
    m_black = false;
    m_rowStarted = false;
}

bool HuffmanWalker::Cut(HuffmanStep& step)
{
    step = {.event = HuffmanEvent::CutShort, .bit = m_bit, .x = m_x, .y = m_y};
    m_bit = m_end;
    m_ended = true;
    return true;
}

bool HuffmanWalker::Next(HuffmanStep& step)
{
    // Each turn reads at least one code or ends the walk.
    while (!m_ended) {
        if (m_y >= m_rows) {
            while (TakeEndOfLine()) {
            }
            m_ended = true;
            return false;
        }
        if (!m_rowStarted) {
            m_rowStarted = true;
            bool endOfLine = false;
            while (TakeEndOfLine())
                endOfLine = true;
            if (!endOfLine && ZerosFrom(m_bit) != m_end - m_bit) {
                step = {.event = HuffmanEvent::MissingEol, .bit = m_bit, .x = 0, .y = m_y};
                return true;
            }
        }
        const std::uint64_t first = m_bit;
        std::uint64_t run = 0;
        Code code;
        do {  // make-up codes, then the terminating code
            code = Read(m_black);
            if (code.look != Look::Code)
                break;
            m_bit += code.bits;
            run += code.run;
        } while (code.run >= kTerminatingRuns);
        switch (code.look) {
        case Look::End: return Cut(step);
        case Look::EndOfLine:
            step = {.event = HuffmanEvent::RowTooShort, .bit = m_bit, .x = m_x, .y = m_y};
            EndRow();  // the next row starts with this end-of-line code
            return true;
        case Look::BadCode:
            step = {.event = HuffmanEvent::BadCode, .bit = m_bit, .x = m_x, .y = m_y, .black = m_black};
            SkipToEndOfLine();
            EndRow();
            return true;
        case Look::Code: break;
        }
        const std::uint64_t room = m_columns - m_x;
        step = {.event = run > room ? HuffmanEvent::RowTooLong : HuffmanEvent::Run, .bit = first, .x = m_x,
                .y = m_y, .count = run, .pixels = std::min(run, room), .black = m_black};
        if (run >= room) {
            if (run > room)
                SkipToEndOfLine();  // the codes are out of step with the row
            EndRow();
        } else {
            m_x += run;
            m_black = !m_black;
        }
        if (run != 0)
            return true;
    }
    return false;
}

std::uint64_t HuffmanStreamEnd(Bytes file, std::uint64_t start, std::uint64_t columns, std::uint64_t rows)
{
    HuffmanWalker walker(file, start, columns, rows);
    HuffmanStep step;
    while (walker.Next(step)) {
    }
    return (walker.Bit() + 7) / 8;
}

namespace {

// A place in a stream read bit by bit: "offset 95", or "offset 95 (bit 2 from the high end)".
Message BitPlace(std::uint64_t bit)
{
    if (bit % 8 == 0)
        return Message(HX_TR("Findings", "offset %1")).Number(bit / 8);
    return Message(HX_TR("Findings", "offset %1 (bit %2 from the high end)")).Number(bit / 8).Arg(std::to_string(bit % 8));
}

}  // namespace

StreamFault DescribeHuffmanFault(const BitmapFormat& format, const HuffmanStep& step)
{
    const Message at = BitPlace(step.bit);
    const Message from = say::StreamPlace(step.x, step.y, format);
    const std::uint64_t offset = std::min(step.bit / 8, format.fileSize - 1);
    const auto fault = [&](FindingCode code, Message message) {
        return StreamFault{.code = code, .offset = offset, .length = 1, .message = std::move(message)};
    };
    switch (step.event) {
    case HuffmanEvent::Run: break;
    case HuffmanEvent::RowTooLong:
        return fault(FindingCode::HuffmanRowTooLong,
                     Message(step.black ? HX_TR("Findings", "A black run of %1 at %2 starts at %3 and goes past the row's %4")
                                        : HX_TR("Findings", "A white run of %1 at %2 starts at %3 and goes past the row's %4"))
                         .Arg(say::Pixels(step.count))
                         .Arg(at)
                         .Arg(from)
                         .Arg(say::Pixels(format.columns)));
    case HuffmanEvent::RowTooShort:
        return fault(FindingCode::HuffmanRowTooShort,
                     Message(HX_TR("Findings", "An end-of-line code at %1 ends the row at %2, short of its %3"))
                         .Arg(at)
                         .Arg(from)
                         .Arg(say::Pixels(format.columns)));
    case HuffmanEvent::BadCode:
        return fault(FindingCode::HuffmanBadCode,
                     Message(step.black ? HX_TR("Findings", "The bits at %1 are no code of a black run, at %2; the rest "
                                                            "of the row is lost up to the next end-of-line code")
                                        : HX_TR("Findings", "The bits at %1 are no code of a white run, at %2; the rest "
                                                            "of the row is lost up to the next end-of-line code"))
                         .Arg(at)
                         .Arg(from));
    case HuffmanEvent::MissingEol:
        return fault(FindingCode::HuffmanMissingEol,
                     Message(HX_TR("Findings", "%1 starts a row at %2 with no end-of-line code before it"))
                         .Arg(Message(from).Capitalised())
                         .Arg(at));
    case HuffmanEvent::CutShort: {
        StreamFault cut = fault(FindingCode::HuffmanTruncated,
                                Message(HX_TR("Findings", "The Huffman stream runs to the end of the file at offset %1 "
                                                          "with %2 of its %3 read, stopping at %4"))
                                    .Number(format.fileSize)
                                    .Number(step.y)
                                    .Arg(say::Rows(format.rows))
                                    .Arg(from));
        cut.length = format.fileSize - offset;
        return cut;
    }
    }
    return {};
}

std::vector<HuffmanStep> HuffmanFaultsIn(Bytes file, const BitmapFormat& format, ByteRange range)
{
    std::vector<HuffmanStep> faults;
    const FileRange& pixels = format.pixels;
    if (format.encoding != PixelEncoding::Huffman1D || range.Meet(pixels.Present()).Empty())
        return faults;
    HuffmanWalker walker(file.first(std::min<std::uint64_t>(file.size(), pixels.offset + pixels.present)),
                         pixels.offset, format.columns, format.rows);
    HuffmanStep step;
    while (walker.Next(step) && step.bit / 8 < range.End())
        if (step.event != HuffmanEvent::Run && range.Contains(step.bit / 8))
            faults.push_back(step);
    return faults;
}

}  // namespace hexlume::format
