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
    const std::string at = " at offset " + GroupedNumber(code.offset);
    const std::string from = StreamPlaceText(step.x, step.y, format);
    switch (step.exit) {
    case RleExit::None: break;
    case RleExit::RunPastRow:
        return {FindingCode::RleRunPastRow, code.offset, code.length, std::string(code.op == RleOp::Run ? "A run" : "An absolute run") + " of " +
                                                Counted(code.count, "pixel", "pixels") + at + " starts at " + from +
                                                " and goes past the row's " +
                                                Counted(format.columns, "pixel", "pixels") + "."};
    case RleExit::PastLastRow:
        return {FindingCode::RlePastLastRow, code.offset, code.length, "The stream goes on past the last of its " +
                                                 Counted(format.rows, "row", "rows") + ": the code" + at + " is at " +
                                                 from + "."};
    case RleExit::DeltaOutside:
        return {FindingCode::RleDeltaOutside, code.offset, code.length, "A delta of " + Counted(code.count, "column", "columns") + " and " +
                                                  Counted(code.down, "row", "rows") + at + " from " + from +
                                                  " moves out of the " + GroupedNumber(format.columns) + " by " +
                                                  GroupedNumber(format.rows) + " picture."};
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
