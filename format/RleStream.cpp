#include "RleStream.h"

#include "NumberText.h"

namespace hexlume::format {

std::uint64_t RleStreamEnd(Bytes file, PixelEncoding encoding, std::uint64_t start)
{
    RleReader reader(file, encoding, start);
    RleCode code;
    std::uint64_t end = std::min<std::uint64_t>(start, file.size());
    while (reader.Next(code))
        end = code.offset + code.length;
    return end;
}

StreamFault DescribeRleExit(const BitmapFormat& format, const RleCode& code, const RleStep& step)
{
    const Message from = say::StreamPlace(step.x, step.y, format);
    switch (step.exit) {
    case RleExit::None: break;
    case RleExit::RunPastRow:
        return {FindingCode::RleRunPastRow, code.offset, code.length,
                Message(code.op == RleOp::Run
                            ? HX_TR("Findings", "A run of %1 at offset %2 starts at %3 and goes past the row's %4")
                            : HX_TR("Findings", "An absolute run of %1 at offset %2 starts at %3 and goes past the row's %4"))
                    .Arg(say::Pixels(code.count))
                    .Number(code.offset)
                    .Arg(from)
                    .Arg(say::Pixels(format.columns))};
    case RleExit::PastLastRow:
        return {FindingCode::RlePastLastRow, code.offset, code.length,
                Message(HX_TR("Findings", "The stream goes on past the last of its %1: the code at offset %2 is at %3"))
                    .Arg(say::Rows(format.rows))
                    .Number(code.offset)
                    .Arg(from)};
    case RleExit::DeltaOutside:
        return {FindingCode::RleDeltaOutside, code.offset, code.length,
                Message(HX_TR("Findings", "A delta of %1 and %2 at offset %3 from %4 moves out of the %5 by %6 picture"))
                    .Arg(Message(HX_TR_N("Numbers", "%n column(s)")).Count(code.count))
                    .Arg(say::Rows(code.down))
                    .Number(code.offset)
                    .Arg(from)
                    .Number(format.columns)
                    .Number(format.rows)};
    }
    return {};
}

std::vector<ByteRange> RleExitBytes(Bytes file, const BitmapFormat& format, ByteRange range)
{
    std::vector<ByteRange> codes;
    if (!IsRunLength(format.encoding) || range.Meet(format.pixels.Present()).Empty())
        return codes;
    const FileRange& pixels = format.pixels;
    RleReader reader(file.first(std::min<std::uint64_t>(file.size(), pixels.offset + pixels.present)), format.encoding,
                     pixels.offset);
    RleCursor cursor(format.columns, format.rows);
    RleCode code;
    while (reader.Next(code) && code.offset < range.End()) {
        const RleStep step = cursor.Apply(code);
        const ByteRange bytes = ByteRange{code.offset, code.length}.Meet(range);
        if (step.exit != RleExit::None && !bytes.Empty())
            codes.push_back(bytes);
    }
    return codes;
}

}  // namespace hexlume::format
