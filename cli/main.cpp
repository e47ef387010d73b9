// hexlume-dump: the window's texts without a window, for scripts and batch export.

#include "DumpArguments.h"
#include "EntryChoice.h"
#include "Failure.h"
#include "MappedFile.h"
#include "Reports.h"
#include "format/Decoder.h"
#include "format/HiddenRows.h"
#include "format/Inspection.h"
#include "picture/PreviewPicture.h"
#include "io/ExportWriter.h"
#include "texts/DumpPane.h"
#include "texts/FileNamePart.h"
#include "model/Dib.h"

#include <QFile>
#include <QImage>
#include <QSize>

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace hexlume;

constexpr std::string_view kUsage =
    "usage: hexlume-dump FILE                  readable report of a bitmap\n"
    "       hexlume-dump --json FILE           every text of the window as one JSON object\n"
    "       hexlume-dump --export FILE [-o OUT]\n"
    "                                          write the pixel-data dump (default OUT: the\n"
    "                                          file's name + \".txt\" in the current folder)\n"
    "       hexlume-dump --check [-q | -v] [--strict] FILE...\n"
    "                                          one verdict a file: OK, WARN or ERROR\n"
    "       hexlume-dump --check [-q | -v] [--strict] [--json] [-j N] [--files-from LIST [-0]]\n"
    "                    [FILE | FOLDER]...\n"
    "                                          folders are walked (files without a bitmap\n"
    "                                          signature skipped); LIST: one path a line, - for\n"
    "                                          standard input, -0 NUL-separated; -j N files at\n"
    "                                          once (default: every core); --json: one JSON\n"
    "                                          object a file (JSON Lines)\n"
    "       hexlume-dump --picture FILE -o OUT.png [--size WxH] [--all-rows]\n"
    "                                          the picture as PNG, at full size or stretched\n"
    "                                          to WxH as the window's preview is; --all-rows:\n"
    "                                          with whole rows found past the pixel data\n"
    "       hexlume-dump --at OFFSET [--json] FILE\n"
    "                                          what the byte at OFFSET (decimal or 0x hex) is\n"
    "       hexlume-dump --pixel X,Y [--json] FILE\n"
    "                                          where pixel (X, Y), y from the top, lives and\n"
    "                                          its colour\n"
    "       --entry N                          with the report, --json, --picture, --at or\n"
    "                                          --pixel: image N (from 1) of an icon, cursor or\n"
    "                                          OS/2 bitmap array (default 1)\n"
    "       hexlume-dump --diff A B [--json] [-o DIFF.png]\n"
    "                                          compare two bitmaps' pictures, then how they\n"
    "                                          store them; exit 0 same picture, 1 different;\n"
    "                                          -o: B's picture with differing pixels in red\n"
    "       hexlume-dump --set FIELD=VALUE [--set ...] FILE -o OUT\n"
    "                                          write FILE with header fields changed as OUT\n"
    "                                          (FILE itself is never written): FIELD as the\n"
    "                                          file's header version names it (biHeight also\n"
    "                                          reaches bV5Height), VALUE decimal or 0x hex;\n"
    "                                          @OFFSET=HEXBYTES overwrites bytes (@0x36=FF00FF);\n"
    "                                          prints each change and OUT's --check line\n"
    "       hexlume-dump --extract WHAT FILE -o OUT\n"
    "                                          write one hidden part as OUT: gap, trailing,\n"
    "                                          padding, embedded, profile, or bits:CHANNELS:BITS\n"
    "                                          (bits:rgb:0, bits:b:1,0, bits:i:0): pixels from\n"
    "                                          the top-left, channels and bits (0 = least\n"
    "                                          significant) as written, packed high bit first\n"
    "       hexlume-dump --planes DIR FILE\n"
    "                                          one PNG a bit plane, DIR/STEM.CB.png: C the\n"
    "                                          channel (r, g, b, a, i), B the bit; white where 1\n"
    "       hexlume-dump --scan FILE [--json] [-x DIR]\n"
    "                                          every bitmap inside any file: offset, length,\n"
    "                                          size, bit count, verdict; --json: JSON Lines;\n"
    "                                          -x: write each as DIR/STEM-at-OFFSET.bmp\n"
    "       hexlume-dump --fix [--dry-run] [--strip] [--fix=height] [--fix=pad] [--redraw]\n"
    "                    FILE -o OUT\n"
    "       hexlume-dump --fix [--dry-run] [--strip] [--fix=...] FILE... --out-dir DIR\n"
    "                                          write FILE repaired as OUT (FILE itself is never\n"
    "                                          written): each repair the bytes leave one answer\n"
    "                                          for, printed, then OUT's --check line; guesses\n"
    "                                          only when named: --fix=height (rows past the\n"
    "                                          picture), --fix=pad (missing rows as zeros),\n"
    "                                          --redraw (a damaged stream stored as drawn);\n"
    "                                          --strip: hidden bytes zeroed or dropped, the\n"
    "                                          picture kept; --dry-run: print, write nothing\n"
    "       hexlume-dump --help | --version\n";

// The window's preview: what "decodable" reports on.
constexpr QSize kPreviewSize(200, 116);

using Command = DumpArguments::Command;

int Export(const CDib& dib, const DumpArguments& arguments)
{
    const std::string target = arguments.output.value_or(ExportFileName(NamePart(arguments.file)));
    const ExportResult result = WriteDataExport(dib.DataBytes(), target);
    if (!result.ok)
        return Fail(target, kExportFailedMessage.English() + " " + result.reason.English());
    std::printf("%s\n", target.c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitFailure;
}

// The full-size picture, unless it would be absurdly large.
std::optional<QSize> FullSize(const format::BitmapFormat& layout, std::string& reason)
{
    if (layout.columns * layout.rows > format::kMaxTargetPixels) {
        reason = std::to_string(layout.columns) + " x " + std::to_string(layout.rows) +
                 " pixels is too large to draw at full size; use --size WxH";
        return std::nullopt;
    }
    return QSize(static_cast<int>(layout.columns), static_cast<int>(layout.rows));
}

int WritePicture(const CDib& dib, const DumpArguments& arguments)
{
    std::string reason;
    format::BitmapFormat layout = format::ReadBitmapFormat(dib.FileBytes());
    if (arguments.allRows) {
        const format::Layout parts = format::ReadLayout(dib.FileBytes());
        if (const std::optional<format::RowsPastPicture> rows = format::FindRowsPastPicture(parts))
            layout = format::WithRowsPastPicture(parts.format, *rows);
    }
    const std::optional<QSize> size = arguments.size ? arguments.size : FullSize(layout, reason);
    if (!size)
        return Fail(arguments.file, reason);
    const DrawnPicture picture = DrawPicture(dib.FileBytes(), layout, *size);
    if (picture.image.isNull())
        return Fail(arguments.file, picture.reason.English());
    if (!picture.image.save(QFile::decodeName(arguments.output->c_str()), "PNG"))
        return Fail(*arguments.output, "cannot write the picture");
    return kExitOk;
}

// The picture of a DIB the format has read, at full size unless --size gives one.
int WriteImagePicture(format::Bytes file, const format::BitmapFormat& image, const DumpArguments& arguments)
{
    if (!arguments.size && image.columns * image.rows > format::kMaxTargetPixels)
        return Fail(arguments.file, std::to_string(image.columns) + " x " + std::to_string(image.rows) +
                                        " pixels is too large to draw at full size; use --size WxH");
    const QSize size = arguments.size.value_or(QSize(static_cast<int>(image.columns), static_cast<int>(image.rows)));
    const DrawnPicture picture = DrawPicture(file, image, size);
    if (picture.image.isNull())
        return Fail(arguments.file, picture.reason.English());
    if (!picture.image.save(QFile::decodeName(arguments.output->c_str()), "PNG"))
        return Fail(*arguments.output, "cannot write the picture");
    return kExitOk;
}

// "BM" bitmaps and OS/2 bitmap arrays take the window model's road; icons, cursors and
// headerless DIBs, which it does not read, the format's, with the image --entry chooses.
int ShowImage(const DumpArguments& arguments, format::Bytes file, const format::Layout& layout)
{
    if (arguments.command == Command::Export)
        return Fail(arguments.file, "--export writes the pixel-data dump of a \"BM\" bitmap only (this file: " +
                                        std::string(format::FileKindName(layout.kind)) + ")");
    const format::Inspection inspected = format::Inspect(file, layout.image);
    if (arguments.command == Command::Picture) {
        if (!inspected.noPictureReason.empty())
            return Fail(arguments.file, inspected.noPictureReason);
        return WriteImagePicture(file, inspected.layout.format, arguments);
    }
    OpenedImage drawn{.decodable = false, .decodeError = inspected.noPictureReason};
    if (drawn.decodeError.empty()) {
        const DrawnPicture picture = DrawPicture(file, inspected.layout.format, kPreviewSize);
        drawn.decodable = !picture.image.isNull();
        drawn.decodeError = picture.reason.English();
    }
    return WriteImageReport(arguments.file, inspected, drawn, arguments.command == Command::Json, stdout)
               ? kExitOk
               : Fail("<stdout>", "cannot write the output");
}

int ShowFile(const DumpArguments& arguments)
{
    MappedFile mapped;
    if (mapped.Open(arguments.file)) {
        const format::Layout layout = format::ReadImageLayout(mapped.Bytes(), ChosenImage(arguments.entry));
        if (const int status = CheckEntry(arguments.file, layout, arguments.entry); status != kExitOk)
            return status;
        if (layout.kind != format::FileKind::Bitmap && layout.kind != format::FileKind::BitmapArray)
            return ShowImage(arguments, mapped.Bytes(), layout);
    }
    CDib dib;
    if (!dib.LoadFile(arguments.file))
        return Fail(arguments.file, dib.LastError().English());
    if (arguments.command == Command::Export)
        return Export(dib, arguments);
    if (arguments.command == Command::Picture)
        return WritePicture(dib, arguments);

    const DrawnPicture picture = DrawPicture(dib.FileBytes(), kPreviewSize);
    const OpenedFile opened{.path = arguments.file,
                            .dib = dib,
                            .decodable = !picture.image.isNull(),
                            .decodeError = picture.reason.English()};
    const bool written =
        arguments.command == Command::Json ? WriteJsonReport(opened, stdout) : WriteTextReport(opened, stdout);
    return written ? kExitOk : Fail("<stdout>", "cannot write the output");
}

int Run(const DumpArguments& arguments)
{
    switch (arguments.command) {
    case Command::Help: std::fputs(kUsage.data(), stdout); return kExitOk;
    case Command::Version: std::puts("hexlume-dump " HEXLUME_VERSION); return kExitOk;
    case Command::Check: return RunCheck(arguments.check, stdout);
    case Command::Query: return RunQuery(arguments.query, stdout);
    case Command::Diff: return RunDiff(arguments.diff, stdout);
    case Command::Set: return RunSet(arguments.set, stdout);
    case Command::Extract: return RunExtract(arguments.extract, stdout);
    case Command::Planes: return RunPlanes(arguments.planes, stdout);
    case Command::Scan: return RunScan(arguments.scan, stdout);
    case Command::Fix: return RunFix(arguments.fix, stdout);
    case Command::Report:
    case Command::Json:
    case Command::Export:
    case Command::Picture: break;
    }
    try {
        return ShowFile(arguments);
    } catch (const std::exception& error) {
        return Fail(arguments.file, error.what());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<DumpArguments> arguments = ParseDumpArguments(argc, argv);
    if (!arguments) {
        std::fputs(kUsage.data(), stderr);
        return kExitUsage;
    }
    return Run(*arguments);
}
