// hexlume-dump driven as its own process: arguments in; stdout, stderr and the exit status out.
// That is all a script sees, so that is all these tests look at.

#include "texts/RegionText.h"
#include "format/BitmapFormat.h"
#include "format/PixelFormats.h"
#include "model/Dib.h"
#include "primitives/LittleEndian.h"
#include "testsupport/BmpBuilder.h"
#include "testsupport/ProfileBuilder.h"
#include "testsupport/IconBuilder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using hexlume::testing::BitmapFields;
using hexlume::testing::BuildBitmap;
using hexlume::testing::BuildDisplayProfile;
using hexlume::testing::BuildV5WithProfile;
using hexlume::testing::CountingBytes;
using hexlume::testing::ReadFileBytes;
using hexlume::testing::TempDir;

struct Outcome {
    std::string out;
    std::string err;
    int status = -1;  // as waitpid reports it

    int Code() const { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }
    std::string Describe() const
    {
        const std::string how = WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status))
                                                    : "exit " + std::to_string(Code());
        return how + "; stderr: " + err;
    }
};

std::string FileText(const fs::path& path)
{
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    return {bytes.begin(), bytes.end()};
}

// fork and exec with an argument vector: no shell ever sees a name. Both streams go to files,
// so that a child writing a lot cannot stall on a full pipe. An empty cwd keeps the test's
// own; stdoutFile replaces the captured stdout.
// display: what the child's DISPLAY is; nullopt keeps the test's environment, "" means none at all.
Outcome RunProgram(const std::string& program, const std::vector<std::string>& arguments, const fs::path& cwd = {},
                   const std::string& stdoutFile = {}, const std::optional<std::string>& display = std::nullopt)
{
    std::vector<std::string> strings{program};
    strings.insert(strings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& s : strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    const TempDir captured;
    const std::string outPath = stdoutFile.empty() ? (captured.path() / "out").string() : stdoutFile;
    const std::string errPath = (captured.path() / "err").string();
    const std::string folder = cwd.string();

    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const pid_t pid = out >= 0 && err >= 0 ? fork() : -1;
    if (pid == 0) {
        if ((!folder.empty() && chdir(folder.c_str()) != 0) || dup2(out, 1) < 0 || dup2(err, 2) < 0)
            _exit(127);
        if (display) {
            unsetenv("QT_QPA_PLATFORM");
            unsetenv("WAYLAND_DISPLAY");
            if (display->empty())
                unsetenv("DISPLAY");
            else
                setenv("DISPLAY", display->c_str(), 1);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out);
    close(err);
    Outcome outcome;
    if (pid < 0) {
        ADD_FAILURE() << "cannot start " << argv[0];
        return outcome;
    }
    while (waitpid(pid, &outcome.status, 0) < 0 && errno == EINTR) {
    }
    if (stdoutFile.empty())
        outcome.out = FileText(outPath);
    outcome.err = FileText(errPath);
    return outcome;
}

Outcome RunDump(const std::vector<std::string>& arguments, const fs::path& cwd = {},
                const std::string& stdoutFile = {})
{
    return RunProgram(HEXLUME_DUMP_PATH, arguments, cwd, stdoutFile);
}

// A refusal or failure: one line on stderr, nothing on stdout.
void ExpectOneErrorLine(const Outcome& run, int code)
{
    EXPECT_EQ(run.Code(), code) << run.Describe();
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(run.err.ends_with("\n")) << run.err;
}

QJsonObject ParseJson(const Outcome& run)
{
    EXPECT_EQ(run.Code(), 0) << run.Describe();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_TRUE(document.isObject());
    return document.object();
}

std::string Str(const QJsonValue& value)
{
    return value.toString().toStdString();
}

std::vector<std::string> GridValues(const QJsonObject& json, const char* key)
{
    std::vector<std::string> values;
    const QJsonArray rows = json[key].toArray();
    for (qsizetype row = 1; row < rows.size(); ++row)
        values.push_back(Str(rows[row][2]));
    return values;
}

// Lines of a memo text: full lines end in CR LF, a last unfinished one does not.
std::int64_t MemoLines(const std::string& text)
{
    std::int64_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    return lines + (!text.empty() && !text.ends_with("\r\n") ? 1 : 0);
}

// A header table: the heading, then a row of three strings for each field.
void ExpectGrid(const QJsonValue& grid, qsizetype rows)
{
    ASSERT_EQ(grid.toArray().size(), rows);
    EXPECT_EQ(grid[0].toArray(), (QJsonArray{"KeyName", "Type", "Value"}));
    for (qsizetype row = 1; row < rows; ++row) {
        const QJsonValue cells = grid[row];
        EXPECT_TRUE(cells.toArray().size() == 3 && cells[0].isString() && cells[1].isString() && cells[2].isString())
            << "row " << row;
    }
}

// Keys, types, and the stacking rules the window's layout must keep for any file.
void ExpectWindowShape(const QJsonObject& json)
{
    QStringList keys = json.keys();
    keys.sort();
    EXPECT_EQ(keys, (QStringList{"decodable", "decodeError", "file", "fileHeaderGrid", "findings", "infoHeaderGrid",
                                 "layout", "memos", "name", "numbers", "prompt", "status"}));
    EXPECT_TRUE(json["file"].isString() && json["name"].isString() && json["decodeError"].isString());
    EXPECT_TRUE(json["decodable"].isBool() && json["prompt"].isBool());
    ExpectGrid(json["fileHeaderGrid"], 6);
    ExpectGrid(json["infoHeaderGrid"], 12);

    const QJsonArray memos = json["memos"].toArray();
    ASSERT_EQ(memos.size(), 4);
    const char* names[] = {"mmoFileHeader", "mmoInfoHeader", "mmoPalette", "mmoData"};
    const int colours[] = {255, 65280, 16711680, 0};
    std::int64_t top = 0;
    for (int i = 0; i < 4; ++i) {
        const QJsonObject memo = memos[i].toObject();
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(memo.keys().size(), 5);
        EXPECT_EQ(Str(memo["name"]), names[i]);
        EXPECT_EQ(memo["textColor"].toInt(-1), colours[i]);
        EXPECT_EQ(memo["top"].toInteger(-1), top);
        const std::int64_t height = memo["height"].toInteger(-1);
        const std::int64_t textHeight = 16 * MemoLines(Str(memo["text"]));
        // Only the data memo may be cut, and only down to what is left of the tallest stack.
        const bool cut = i == 3 && textHeight > height;
        if (cut) {
            EXPECT_EQ(height, std::max<std::int64_t>(0, 32767 - top));
        } else {
            EXPECT_EQ(height, textHeight);
        }
        if (i == 3) {
            EXPECT_EQ(json["prompt"].toBool(), cut);
        }
        top += height;
    }

    const QJsonObject numbers = json["numbers"].toObject();
    EXPECT_EQ(numbers["top"].toInteger(-1), 0);
    EXPECT_EQ(numbers["height"].toInteger(-1), top);
    std::string expected;
    for (std::int64_t line = 0; line < top / 16; ++line)
        expected += std::to_string(line) + "\r\n";
    EXPECT_EQ(Str(numbers["text"]), expected);

    const QJsonArray status = json["status"].toArray();
    ASSERT_EQ(status.size(), 3);
    EXPECT_TRUE(Str(status[0]).starts_with("图像名称:"));
    EXPECT_TRUE(Str(status[1]).starts_with("图像大小:"));
    EXPECT_TRUE(Str(status[2]).starts_with("图像类型:"));
}

BitmapFields Fields(std::int32_t width, std::int32_t height, std::vector<std::uint8_t> pixels)
{
    BitmapFields fields;
    fields.width = width;
    fields.height = height;
    fields.pixels = std::move(pixels);
    return fields;
}

const std::vector<std::uint8_t> kTwoByTwoPixels{0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};

std::vector<std::uint8_t> TwoByTwo()
{
    BitmapFields fields = Fields(2, 2, kTwoByTwoPixels);
    fields.sizeImage = 16;
    fields.xPelsPerMeter = fields.yPelsPerMeter = 2834;
    return BuildBitmap(fields);
}

TEST(CliJson, TwoByTwoBitmapGivesEveryTextOfTheWindow)
{
    TempDir dir;
    const std::string path = dir.Write("two.bmp", TwoByTwo());
    const Outcome run = RunDump({"--json", path});
    EXPECT_EQ(run.err, "");
    const QJsonObject json = ParseJson(run);
    ExpectWindowShape(json);

    EXPECT_EQ(Str(json["file"]), path);
    EXPECT_EQ(Str(json["name"]), "two.bmp");
    EXPECT_TRUE(json["decodable"].toBool());
    EXPECT_EQ(GridValues(json, "fileHeaderGrid"),
              (std::vector<std::string>{"0x4d42\"BM\"", "0046", "00", "00", "0036"}));
    EXPECT_EQ(GridValues(json, "infoHeaderGrid"), (std::vector<std::string>{"0028", "0002", "0002", "01", "18", "0000",
                                                                            "0010", "0B12", "0B12", "0000", "0000"}));
    const QJsonValue memos = json["memos"];
    const std::string texts[] = {
        "42  4D  46  00  00  00  00  00  00  00  36  00  00  00  ",
        "28  00  00  00  02  00  00  00  02  00  00  00  01  00  18  00\r\n"
        "00  00  00  00  10  00  00  00  12  0B  00  00  12  0B  00  00\r\n"
        "00  00  00  00  00  00  00  00  ",
        "Bitmap File dosn't has palette!",
        "FF  00  00  00  FF  00  00  00  00  00  FF  FF  FF  FF  00  00\r\n",
    };
    // Tops and heights follow from these texts; the shape check holds them to that.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Str(memos[i]["text"]), texts[i]);
    EXPECT_EQ(Str(json["numbers"]["text"]), "0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n");
    EXPECT_FALSE(json["prompt"].toBool());
    EXPECT_EQ(json["status"].toArray(), (QJsonArray{"图像名称:two.bmp", "图像大小:2×2", "图像类型:Bmp"}));

    const QJsonArray layout = json["layout"].toArray();
    ASSERT_EQ(layout.size(), 3);
    EXPECT_EQ(Str(layout[1]["name"]), "BITMAPINFOHEADER");
    EXPECT_EQ(layout[1]["fields"][1].toObject(),
              (QJsonObject{{"name", "biWidth"}, {"offset", 18}, {"size", 4}, {"type", "LONG"}, {"value", 2},
                           {"meaning", "2 pixels"}, {"present", true}}));
    EXPECT_EQ(Str(layout[2]["kind"]), "pixel-data");
    EXPECT_EQ(json["findings"].toArray(), QJsonArray{});  // and the window's dump shows it as it is

    BitmapFields reserved = Fields(2, 2, kTwoByTwoPixels);
    reserved.reserved1 = 7;
    const QJsonObject warned = ParseJson(RunDump({"--json", dir.Write("warn.bmp", BuildBitmap(reserved))}));
    EXPECT_EQ(warned["findings"][0].toObject(),
              (QJsonObject{{"severity", "warning"}, {"code", "reserved-not-zero"}, {"offset", 6}, {"length", 2},
                           {"field", "bfReserved1"}, {"message", "bfReserved1 is 7; it must be 0."}}));
}

TEST(CliJson, HeaderValuesOfBottomUpAndTopDownBitmaps)
{
    TempDir dir;
    for (const std::int32_t height : {100, -100}) {
        SCOPED_TRACE(height);
        BitmapFields fields = Fields(100, height, CountingBytes(30000));
        fields.sizeImage = 30000;
        const std::string path = dir.Write("big.bmp", BuildBitmap(fields));
        const QJsonObject json = ParseJson(RunDump({"--json", path}));
        EXPECT_EQ(GridValues(json, "fileHeaderGrid"),
                  (std::vector<std::string>{"0x4d42\"BM\"", "7566", "00", "00", "0036"}));
        EXPECT_EQ(GridValues(json, "infoHeaderGrid"),
                  (std::vector<std::string>{"0028", "0064", height > 0 ? "0064" : "FFFFFF9C", "01", "18", "0000",
                                            "7530", "0B13", "0B13", "0000", "0000"}));
        EXPECT_EQ(Str(json["status"][1]), "图像大小:100×" + std::to_string(height));
    }
}

TEST(CliJson, TallStackCutsTheDataMemoButKeepsItsWholeText)
{
    TempDir dir;
    const std::vector<std::uint8_t> pixels = CountingBytes(40000, 7);
    BitmapFields fields = Fields(200, 200, pixels);
    fields.bitCount = 8;
    fields.palette = CountingBytes(1024);
    const std::string path = dir.Write("tall.bmp", BuildBitmap(fields));
    const QJsonObject json = ParseJson(RunDump({"--json", path}));
    ExpectWindowShape(json);
    const QJsonValue memos = json["memos"];
    const int heights[] = {16, 48, 1024, 31679};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(memos[i]["height"].toInt(), heights[i]);
    EXPECT_TRUE(json["prompt"].toBool());
    EXPECT_EQ(json["numbers"]["height"].toInt(), 32767);
    const std::string data = Str(memos[3]["text"]);
    EXPECT_EQ(data.size(), 2500u * 64);
    EXPECT_EQ(data, hexlume::RegionText(pixels));
    EXPECT_EQ(Str(memos[2]["text"]), hexlume::RegionText(CountingBytes(1024)));
}

TEST(CliJson, FileWithoutAPictureIsStillDescribed)
{
    TempDir dir;
    std::vector<std::uint8_t> garbage(62, 0xA5);
    garbage[0] = 'B';
    garbage[1] = 'M';
    std::vector<std::uint8_t> noBits = TwoByTwo();
    noBits[28] = 0;  // biBitCount
    for (const auto& [name, bytes] : {std::pair{"garbage.bmp", garbage}, std::pair{"nobits.bmp", noBits}}) {
        SCOPED_TRACE(name);
        const QJsonObject json = ParseJson(RunDump({"--json", dir.Write(name, bytes)}));
        ExpectWindowShape(json);
        EXPECT_FALSE(json["decodable"].toBool());
        EXPECT_FALSE(Str(json["decodeError"]).empty());
        EXPECT_EQ(Str(json["fileHeaderGrid"][1][2]), "0x4d42\"BM\"");

        const Outcome report = RunDump({dir.Write(name, bytes)});
        EXPECT_EQ(report.Code(), 0) << report.Describe();
        EXPECT_NE(report.out.find("not decodable"), std::string::npos);
    }
}

TEST(CliJson, PathThatIsNotUtf8StillGivesUtf8)
{
    TempDir dir;
    const std::string path = dir.Write("bad\xFF\xC3(name.bmp", TwoByTwo());
    const Outcome run = RunDump({"--json", path});
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(QByteArray::fromStdString(run.out));
    EXPECT_FALSE(utf8.hasError());
    EXPECT_FALSE(decoded.isEmpty());
    const QJsonObject json = ParseJson(run);
    ExpectWindowShape(json);
    EXPECT_EQ(Str(json["name"]), "bad\uFFFD\uFFFD(name.bmp");
    EXPECT_EQ(Str(json["status"][0]), "图像名称:bad\uFFFD\uFFFD(name.bmp");
}

// The preview must read the very file the model read, whatever bytes its name holds.
TEST(CliJson, PathThatIsNotUtf8IsStillDecoded)
{
    TempDir dir;
    const QJsonObject json = ParseJson(RunDump({"--json", dir.Write("bad\xFF.bmp", TwoByTwo())}));
    EXPECT_TRUE(json["decodable"].toBool()) << Str(json["decodeError"]);
}

TEST(CliJson, OutputThatCannotBeWrittenIsAFailure)
{
    TempDir dir;
    const std::string path = dir.Write("two.bmp", TwoByTwo());
    for (const auto& arguments : {std::vector<std::string>{"--json", path}, std::vector<std::string>{path}}) {
        const Outcome run = RunDump(arguments, {}, "/dev/full");
        EXPECT_EQ(run.Code(), 1) << run.Describe();
        EXPECT_NE(run.err, "");
    }
}

TEST(CliReport, ShowsTablesStatusAndNumberedDump)
{
    TempDir dir;
    const Outcome run = RunDump({dir.Write("two.bmp", TwoByTwo())});
    EXPECT_EQ(run.Code(), 0) << run.Describe();
    EXPECT_EQ(run.err, "");
    for (const char* line : {"图像名称:two.bmp", "bfSize           DWORD  0046\n", "biHeight          LONG  0002\n",
                             "\n     0  42  4D  46  00  00  00  00  00  00  00  36  00  00  00  \n",
                             "\n     3  00  00  00  00  00  00  00  00  \n",
                             "\n     4  Bitmap File dosn't has palette!\n",
                             "\n     5  FF  00  00  00  FF  00  00  00  00  00  FF  FF  FF  FF  00  00\n",
                             "\nLayout (offset, size, what)\n", "biWidth            LONG         0x00000002  2 pixels\n",
                             "\nFindings (severity, code, offset, message)\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(CliRefusal, FilesTheModelRefusesGiveOneLineAndNoOutput)
{
    TempDir dir;
    TempDir cwd;
    const std::vector<std::uint8_t> bitmap = TwoByTwo();
    std::vector<std::uint8_t> notBm = bitmap;
    notBm[1] = 'A';
    std::vector<std::string> paths{(dir.path() / "missing.bmp").string(), dir.path().string(),
                                   dir.Write("short.bmp", std::vector<std::uint8_t>(bitmap.begin(), bitmap.end() - 17)),
                                   dir.Write("notbm.bmp", notBm), dir.Write("empty.bmp", {})};
    if (geteuid() != 0) {  // root reads any file
        paths.push_back(dir.Write("locked.bmp", bitmap));
        EXPECT_EQ(chmod(paths.back().c_str(), 0), 0);
    }
    const std::vector<std::vector<std::string>> modes{{}, {"--json"}, {"--export"}};
    for (const std::string& path : paths) {
        for (const std::vector<std::string>& mode : modes) {
            std::vector<std::string> arguments = mode;
            arguments.push_back(path);
            SCOPED_TRACE(path + " " + (mode.empty() ? "report" : mode[0]));
            const Outcome run = RunDump(arguments, cwd.path());
            ExpectOneErrorLine(run, 1);
            EXPECT_NE(run.err.find(path + ": "), std::string::npos) << run.err;
            EXPECT_GT(run.err.size(), run.err.find(path + ": ") + path.size() + 3) << "no reason: " << run.err;
        }
    }
    EXPECT_TRUE(fs::is_empty(cwd.path()));
}

TEST(CliUsage, WrongArgumentsPrintUsageAndExit2)
{
    TempDir dir;
    const std::string path = dir.Write("two.bmp", TwoByTwo());
    const std::string out = (dir.path() / "out.txt").string();
    const std::vector<std::vector<std::string>> cases{
        {}, {"--json"}, {path, path}, {"--json", path, path}, {"--bogus", path}, {"-x", path}, {"-o", out, path},
        {"--json", path, "-o", out}, {"--json", "--export", path}, {"--export", "--export", path},
        {"--export", path, "-o"}, {"--export", path, "-o", out, "-o", out}, {"--picture", path},
        {"--picture", path, "-o", out, "--size", "0x5"}, {"--picture", path, "-o", out, "--size", "5x"},
        {"--json", path, "--size", "5x5"}};
    for (const auto& arguments : cases) {
        std::string shown;
        for (const auto& argument : arguments)
            shown += argument + " ";
        SCOPED_TRACE(shown);
        const Outcome run = RunDump(arguments, dir.path());
        EXPECT_EQ(run.Code(), 2) << run.Describe();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(out));
    EXPECT_FALSE(fs::exists(dir.path() / "two.bmp.txt"));
}

TEST(CliExport, WritesTheDataDumpToTheNameInTheCurrentFolder)
{
    TempDir dir;
    TempDir cwd;
    // 24 bytes of data: one full line and an unfinished one.
    const std::vector<std::uint8_t> pixels = CountingBytes(24, 0xF0);
    const std::string path = dir.Write("three.bmp", BuildBitmap(Fields(3, 2, pixels)));
    const Outcome run = RunDump({"--export", path}, cwd.path());
    EXPECT_EQ(run.Code(), 0) << run.Describe();
    EXPECT_EQ(run.out, "three.bmp.txt\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(FileText(cwd.path() / "three.bmp.txt"),
              "F0  F1  F2  F3  F4  F5  F6  F7  F8  F9  FA  FB  FC  FD  FE  FF\r\r\n"
              "00  01  02  03  04  05  06  07  ");

    // -o names the file, and an older, longer one of that name is replaced whole.
    const std::string named = cwd.Write("named.txt", std::vector<std::uint8_t>(5000, 'x'));
    const Outcome two = RunDump({"--export", dir.Write("two.bmp", TwoByTwo()), "-o", named});
    EXPECT_EQ(two.Code(), 0) << two.Describe();
    EXPECT_EQ(two.out, named + "\n");
    const std::string text = FileText(named);
    EXPECT_EQ(text.size(), 65u);
    EXPECT_EQ(text, hexlume::RegionText(kTwoByTwoPixels, hexlume::kExportLineEnd));
}

TEST(CliExport, NamesAreNeverInterpreted)
{
    TempDir dir;
    const std::vector<std::uint8_t> pixels = CountingBytes(48);
    const auto bitmap = BuildBitmap(Fields(4, 4, pixels));
    const std::string expected = hexlume::RegionText(pixels, hexlume::kExportLineEnd);
    for (const std::string name : {"a b.bmp", "q\"uo'te.bmp", "semi;touch pwned;.bmp", "$(touch pwned).bmp",
                                   "`touch pwned`.bmp", "-dash.bmp", "--json", "图像 测试.bmp"}) {
        SCOPED_TRACE(name);
        dir.Write(name, bitmap);
        // Relative names, so that a leading dash reaches the option parser.
        const Outcome run = RunDump({"--export", "--", name}, dir.path());
        EXPECT_EQ(run.Code(), 0) << run.Describe();
        EXPECT_EQ(run.out, name + ".txt\n");
        EXPECT_EQ(FileText(dir.path() / (name + ".txt")), expected);

        const QJsonObject json = ParseJson(RunDump({"--json", "--", name}, dir.path()));
        EXPECT_EQ(Str(json["name"]), name);
        EXPECT_EQ(Str(json["status"][0]), "图像名称:" + name);
    }
    // A relative name with a leading dash, given without "--".
    const Outcome relative = RunDump({"--export", "./-dash.bmp", "-o", "rel.txt"}, dir.path());
    EXPECT_EQ(relative.Code(), 0) << relative.Describe();
    EXPECT_EQ(FileText(dir.path() / "rel.txt"), expected);
    EXPECT_FALSE(fs::exists(dir.path() / "pwned"));
    EXPECT_FALSE(fs::exists("pwned"));
}

TEST(CliExport, FailureIsNeverReportedAsSuccess)
{
    TempDir dir;
    const std::string path = dir.Write("two.bmp", TwoByTwo());
    const std::string missingFolder = (dir.path() / "no" / "out.txt").string();
    for (const std::string& out : {std::string("/dev/full"), missingFolder, dir.path().string()}) {
        SCOPED_TRACE(out);
        const Outcome run = RunDump({"--export", path, "-o", out});
        ExpectOneErrorLine(run, 1);
        EXPECT_NE(run.err.find(out), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(missingFolder));
}

// Lines of a --check run's stdout.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0, end = 0; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
    }
    return lines;
}

TEST(CliCheck, OneVerdictAFileAndAnExitStatusScriptsCanUse)
{
    TempDir dir;
    const std::string good = dir.Write("good.bmp", TwoByTwo());
    BitmapFields reserved = Fields(2, 2, kTwoByTwoPixels);
    reserved.reserved1 = 7;
    const std::string warn = dir.Write("warn.bmp", BuildBitmap(reserved));
    BitmapFields planes = Fields(2, 2, kTwoByTwoPixels);
    planes.planes = 2;
    planes.bitCount = 7;
    const std::string error = dir.Write("error.bmp", BuildBitmap(planes));
    const std::string refused = dir.Write("short.bmp", std::vector<std::uint8_t>(20, 'B'));

    const Outcome normal = RunDump({"--check", good, warn, error, refused});
    EXPECT_EQ(normal.Code(), 1) << normal.Describe();
    EXPECT_EQ(Lines(normal.out),
              (std::vector<std::string>{
                  "OK  " + good + "  2x2, 24 bits, BITMAPINFOHEADER",
                  "WARN  " + warn + "  reserved-not-zero: bfReserved1 is 7; it must be 0.",
                  "ERROR  " + error + "  bad-planes: biPlanes is 2; it must be 1. (+1 more error)",
                  "ERROR  " + refused + "  bad-signature: bfType is \"BB\", not \"BM\"."}));

    EXPECT_EQ(RunDump({"--check", good, warn}).Code(), 0);
    EXPECT_EQ(RunDump({"--check", "--strict", good, warn}).Code(), 1);
    const Outcome quiet = RunDump({"--check", "-q", good, warn});
    EXPECT_EQ(Lines(quiet.out).size(), 1u) << quiet.out;
    EXPECT_TRUE(quiet.out.starts_with("WARN  " + warn)) << quiet.out;

    const std::vector<std::string> verbose = Lines(RunDump({"-v", "--check", error}).out);
    ASSERT_EQ(verbose.size(), 3u);
    EXPECT_TRUE(verbose[1].starts_with("  error    bad-planes                      0x1A        biPlanes is 2")) << verbose[1];
    EXPECT_TRUE(verbose[2].starts_with("  error    bad-bit-count")) << verbose[2];

    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--check"}, {"--check", "-q", "-v", good}, {"--check", "-0", good}, {"--check", "-j", "0", good},
             {"--check", "--json", "--json", good}, {"--check", "-o", "x", good}}) {
        const Outcome usage = RunDump(arguments);
        EXPECT_EQ(usage.Code(), 2) << usage.Describe();
        EXPECT_EQ(usage.out, "");
    }
}

TEST(CliCheck, EmbeddedStreamIsNamedInPlaceOfItsBitCount)
{
    TempDir dir;
    const std::vector<std::uint8_t> jpeg{0xFF, 0xD8, 0xFF, 0xD9};
    const std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    const std::string jpegPath =
        dir.Write("j.bmp", BuildBitmap({.width = 3, .height = 2, .bitCount = 0,
                                        .compression = hexlume::format::kBiJpeg, .pixels = jpeg}));
    const std::string pngPath =
        dir.Write("p.bmp", BuildBitmap({.width = 3, .height = 2, .bitCount = 24,
                                        .compression = hexlume::format::kBiPng, .pixels = png}));
    EXPECT_EQ(Lines(RunDump({"--check", jpegPath, pngPath}).out),
              (std::vector<std::string>{"OK  " + jpegPath + "  3x2, embedded JPEG, BITMAPINFOHEADER",
                                        "OK  " + pngPath + "  3x2, embedded PNG, BITMAPINFOHEADER"}));
}

// The summary --check writes on stderr: counts grouped in threes, then the time taken.
void ExpectSummary(const std::string& err, const std::string& counts)
{
    EXPECT_TRUE(std::regex_search(err, std::regex("(^|\n)" + counts + ", [0-9]+\\.[0-9] s\n$"))) << err;
}

// Good, warned and failing bitmaps, and what a folder holds beside them: a text file, a FIFO,
// a link to a folder and a link to a bitmap.
struct MixedFolder {
    TempDir dir;
    std::string Path(const std::string& name) const { return (dir.path() / name).string(); }

    MixedFolder()
    {
        fs::create_directories(dir.path() / "a");
        fs::create_directories(dir.path() / "b");
        BitmapFields reserved = Fields(2, 2, kTwoByTwoPixels);
        reserved.reserved1 = 7;
        dir.Write("a/warn.bmp", BuildBitmap(reserved));
        dir.Write("b/two.bmp", TwoByTwo());
        const std::string text = "hello, a text file\n";
        dir.Write("c.txt", {text.begin(), text.end()});
        BitmapFields planes = Fields(2, 2, kTwoByTwoPixels);
        planes.planes = 2;
        dir.Write("d.bmp", BuildBitmap(planes));
        EXPECT_EQ(mkfifo(Path("e.fifo").c_str(), 0600), 0);
        fs::create_directory_symlink(dir.path() / "a", dir.path() / "f");
        fs::create_symlink(dir.path() / "b" / "two.bmp", dir.path() / "g.bmp");
    }
};

TEST(CliCheckCollection, FolderIsWalkedInNameOrderSkippingWhatIsNoBitmap)
{
    const MixedFolder folder;
    const Outcome run = RunDump({"--check", folder.dir.path().string()});
    EXPECT_EQ(run.Code(), 1) << run.Describe();
    EXPECT_EQ(Lines(run.out), (std::vector<std::string>{
                                  "WARN  " + folder.Path("a/warn.bmp") + "  reserved-not-zero: bfReserved1 is 7; it must be 0.",
                                  "OK  " + folder.Path("b/two.bmp") + "  2x2, 24 bits, BITMAPINFOHEADER",
                                  "ERROR  " + folder.Path("d.bmp") + "  bad-planes: biPlanes is 2; it must be 1.",
                                  "ERROR  " + folder.Path("e.fifo") + "  not a regular file",
                                  "OK  " + folder.Path("g.bmp") + "  2x2, 24 bits, BITMAPINFOHEADER"}));
    ExpectSummary(run.err, "5 files: 2 OK, 1 WARN, 2 ERROR, 2 skipped");

    std::vector<std::string> skipped;
    for (const std::string& line : Lines(RunDump({"--check", "-v", folder.dir.path().string()}).out))
        if (line.starts_with("SKIP  "))
            skipped.push_back(line.substr(0, line.find("  ", 6)));
    EXPECT_EQ(skipped, (std::vector<std::string>{"SKIP  " + folder.Path("c.txt"), "SKIP  " + folder.Path("f")}));

    // Named, a file is always checked, and a FIFO is never opened.
    const Outcome named = RunDump({"--check", "-q", folder.Path("c.txt"), folder.Path("e.fifo")});
    EXPECT_EQ(Lines(named.out), (std::vector<std::string>{
                                    "ERROR  " + folder.Path("c.txt") + "  bad-signature: bfType is \"he\", not \"BM\".",
                                    "ERROR  " + folder.Path("e.fifo") + "  not a regular file"}));
    EXPECT_EQ(named.err, "");  // -q: no summary
}

TEST(CliCheckCollection, ListOfPathsOneALineOrNulSeparated)
{
    const MixedFolder folder;
    const std::string odd = folder.dir.Write("new\nline.bmp", TwoByTwo());
    std::string list;
    const auto writeList = [&](const std::string& text) { list = folder.dir.Write("list", {text.begin(), text.end()}); };
    writeList(odd + std::string(1, '\0') + folder.Path("b") + std::string(1, '\0'));
    const Outcome nul = RunDump({"--check", "--files-from", list, "-0"});
    EXPECT_EQ(nul.Code(), 0) << nul.Describe();
    EXPECT_EQ(nul.out, "OK  " + odd + "  2x2, 24 bits, BITMAPINFOHEADER\nOK  " + folder.Path("b/two.bmp") +
                           "  2x2, 24 bits, BITMAPINFOHEADER\n");
    writeList(folder.Path("g.bmp") + "\n\n" + folder.Path("a") + "\n");
    const Outcome lines = RunDump({"--check", folder.Path("b/two.bmp"), "--files-from", list});
    EXPECT_EQ(lines.Code(), 0) << lines.Describe();
    EXPECT_EQ(Lines(lines.out).size(), 3u) << lines.out;
    ExpectSummary(lines.err, "3 files: 2 OK, 1 WARN, 0 ERROR, 0 skipped");
    ExpectOneErrorLine(RunDump({"--check", "--files-from", folder.Path("none")}), 1);
}

TEST(CliCheckCollection, JsonLinesAreTheSameForAnyNumberOfThreads)
{
    const MixedFolder folder;
    fs::create_directories(folder.dir.path() / "many");
    for (int i = 0; i < 1000; ++i) {
        BitmapFields fields = Fields(2, 2, kTwoByTwoPixels);
        fields.reserved1 = i % 7 == 0 ? 1 : 0;
        fields.planes = i % 11 == 0 ? 3 : 1;
        folder.dir.Write("many/" + std::to_string(i) + ".bmp", BuildBitmap(fields));
    }
    const Outcome one = RunDump({"--check", "--json", "-j1", folder.dir.path().string()});
    const Outcome two = RunDump({"--check", "--json", "--jobs", "2", folder.dir.path().string()});
    EXPECT_EQ(one.Code(), 1) << one.Describe();
    EXPECT_EQ(two.Code(), 1) << two.Describe();
    EXPECT_TRUE(one.out == two.out) << "the outputs of -j1 and -j2 differ";
    ExpectSummary(two.err, "1 005 files: 781 OK, 131 WARN, 93 ERROR, 2 skipped");

    std::vector<std::string> lines = Lines(one.out);
    ASSERT_EQ(lines.size(), 1005u);
    const auto object = [](const std::string& line) { return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object(); };
    const QJsonObject first = object(lines[0]);
    EXPECT_EQ(first.keys().size(), 9);
    EXPECT_EQ(first["hexlumeCheck"].toInt(), 1);
    EXPECT_EQ(Str(first["file"]), folder.Path("a/warn.bmp"));
    EXPECT_EQ(Str(first["verdict"]), "WARN");
    EXPECT_TRUE(first["reason"].isNull());
    EXPECT_EQ(first["width"].toInt(), 2);
    EXPECT_EQ(first["bitCount"].toInt(), 24);
    EXPECT_EQ(Str(first["header"]), "BITMAPINFOHEADER");
    EXPECT_EQ(first["findings"][0].toObject(), (QJsonObject{{"code", "reserved-not-zero"}, {"severity", "warning"},
                                                             {"offset", 6}, {"message", "bfReserved1 is 7; it must be 0."}}));
    const QJsonObject fifo = object(lines[3]);
    EXPECT_EQ(Str(fifo["verdict"]), "ERROR");
    EXPECT_EQ(Str(fifo["reason"]), "not a regular file");
    EXPECT_TRUE(fifo["width"].isNull());
}

// The README's way of spreading a check over machines, run with this machine as the only one.
TEST(CliCheckCollection, GnuParallelMergesJsonLinesOfSeveralRuns)
{
    std::string parallel;
    for (const char* folder : {"/usr/bin", "/usr/local/bin", "/bin"})
        if (access((std::string(folder) + "/parallel").c_str(), X_OK) == 0)
            parallel = std::string(folder) + "/parallel";
    if (parallel.empty())
        GTEST_SKIP() << "GNU parallel not installed";
    const MixedFolder folder;
    std::string list;
    for (const char* name : {"a/warn.bmp", "b/two.bmp", "d.bmp", "g.bmp"})
        list += folder.Path(name) + std::string(1, '\0');
    const std::string listPath = folder.dir.Write("list", {list.begin(), list.end()});
    const Outcome spread = RunProgram(parallel, {"--will-cite", "-0", "-a", listPath, "-k", "-n", "1", "--sshlogin", ":",
                                                 HEXLUME_DUMP_PATH, "--check", "--json", "--"});
    const Outcome direct = RunDump({"--check", "--json", "--files-from", listPath, "-0"});
    EXPECT_EQ(Lines(spread.out).size(), 4u) << spread.Describe();
    EXPECT_EQ(spread.out, direct.out);
}

// One 5x3 picture of four colours (black, red, green, blue by (x + y) % 4, y from the top),
// stored as asked: 8-bit indices or 24-bit colours, RLE8, top-down, a V5 header.
struct Storage {
    std::uint16_t bitCount = 8;
    bool rle = false;
    bool topDown = false;
    bool v5 = false;
    std::int32_t width = 5;
    std::int32_t xPelsPerMeter = 2835;
};

std::vector<std::uint8_t> FourColours(const Storage& storage, int changedX = -1, int changedY = -1)
{
    const std::vector<std::uint8_t> table = {0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
    const int height = 3;
    std::vector<std::uint8_t> data;
    for (int stored = 0; stored < height; ++stored) {
        const int y = storage.topDown ? stored : height - 1 - stored;
        std::vector<std::uint8_t> row;
        for (int x = 0; x < storage.width; ++x) {
            const int index = (x + y + (x == changedX && y == changedY ? 1 : 0)) % 4;
            if (storage.bitCount == 8)
                row.push_back(static_cast<std::uint8_t>(index));
            else
                row.insert(row.end(), table.begin() + 4 * index, table.begin() + 4 * index + 3);
        }
        if (storage.rle) {
            data.insert(data.end(), {0, static_cast<std::uint8_t>(row.size())});
            row.resize(row.size() + row.size() % 2);
            row.insert(row.end(), {0, 0});
        } else {
            row.resize((row.size() + 3) / 4 * 4);
        }
        data.insert(data.end(), row.begin(), row.end());
    }
    if (storage.rle)
        data.insert(data.end(), {0, 1});
    BitmapFields fields{.infoSize = storage.v5 ? 124u : 40u,
                        .width = storage.width,
                        .height = storage.topDown ? -height : height,
                        .bitCount = storage.bitCount,
                        .compression = storage.rle ? hexlume::format::kBiRle8 : hexlume::format::kBiRgb,
                        .sizeImage = static_cast<std::uint32_t>(data.size()),
                        .xPelsPerMeter = storage.xPelsPerMeter,
                        .clrUsed = storage.bitCount == 8 ? 4u : 0u,
                        .pixels = data};
    if (storage.v5)
        fields.palette.assign(124 - 40, 0);
    if (storage.bitCount == 8)
        fields.palette.insert(fields.palette.end(), table.begin(), table.end());
    return BuildBitmap(fields);
}

TEST(CliDiff, OnePictureStoredInOtherWaysIsTheSameWithTheStorageNamed)
{
    TempDir dir;
    const std::string base = dir.Write("base.bmp", FourColours({}));
    const std::vector<std::pair<Storage, std::string>> variants = {
        {{.rle = true}, "  encoding: A uncompressed, B RLE8\n"},
        {{.topDown = true}, "  row order: A bottom-up, B top-down\n"},
        {{.bitCount = 24}, "  colour table: A 4 entries of 4 bytes, B none\n"},
        {{.bitCount = 24, .v5 = true}, "  header: A BITMAPINFOHEADER, B BITMAPV5HEADER\n"},
    };
    for (const auto& [storage, named] : variants) {
        const std::string other = dir.Write("other.bmp", FourColours(storage));
        const Outcome run = RunDump({"--diff", base, other});
        EXPECT_EQ(run.Code(), 0) << run.Describe();
        EXPECT_TRUE(run.out.starts_with("The pictures are the same: 5x3, every pixel alike.\n")) << run.out;
        EXPECT_NE(run.out.find(named), std::string::npos) << run.out;
    }
    // Neither file read top to bottom: the stream's order leads, the other is read to match.
    const std::string rle = dir.Write("rle.bmp", FourColours({.rle = true}));
    const std::string topDown = dir.Write("top.bmp", FourColours({.bitCount = 24, .topDown = true}));
    EXPECT_EQ(RunDump({"--diff", topDown, rle}).Code(), 0);
}

TEST(CliDiff, AChangedPixelIsNamedWithBothColoursAndOffsetsAndMarked)
{
    TempDir dir;
    const std::string rle = dir.Write("rle.bmp", FourColours({.rle = true}));
    const std::string changed = dir.Write("changed.bmp", FourColours({}, 3, 1));
    const Outcome text = RunDump({"--diff", rle, changed});
    EXPECT_EQ(text.Code(), 1) << text.Describe();
    // Rows of 10 stream bytes from 70 on, the literal's pixels 2 bytes in; rows of 8 bytes.
    EXPECT_TRUE(text.out.starts_with("The pictures differ: 1 of 15 pixels of 5x3.\n")) << text.out;
    EXPECT_NE(text.out.find("  pixel (3, 1): A #000000FF at 0x0055, B #FF0000FF at 0x0051\n"), std::string::npos)
        << text.out;

    const std::string marked = (dir.path() / "marked.png").string();
    const Outcome json = RunDump({"--diff", "--json", rle, changed, "-o", marked});
    EXPECT_EQ(json.Code(), 1) << json.Describe();
    const QJsonObject report = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_FALSE(report["samePicture"].toBool());
    EXPECT_EQ(report["differingPixels"].toInt(), 1);
    const QJsonObject pixel = report["pixels"].toArray().at(0).toObject();
    EXPECT_EQ(pixel["x"].toInt(), 3);
    EXPECT_EQ(pixel["y"].toInt(), 1);
    EXPECT_EQ(Str(pixel["a"]), "#000000FF");
    EXPECT_EQ(Str(pixel["b"]), "#FF0000FF");
    EXPECT_EQ(Str(report["storage"].toArray().at(0).toObject()["what"]), "encoding");

    const QImage image(QString::fromStdString(marked));
    ASSERT_EQ(image.size(), QSize(5, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(image.pixel(x, y) == qRgb(255, 0, 0), x == 3 && y == 1) << x << ", " << y;
    // Black faded toward white, not kept.
    EXPECT_GT(qRed(image.pixel(0, 0)), 128);
}

TEST(CliDiff, HeaderFieldsSizesAndFilesThatCannotBeCompared)
{
    TempDir dir;
    const std::string base = dir.Write("base.bmp", FourColours({}));
    const std::string dense = dir.Write("dense.bmp", FourColours({.xPelsPerMeter = 3780}));
    const Outcome fields = RunDump({"--diff", base, dense});
    EXPECT_EQ(fields.Code(), 0) << fields.Describe();
    EXPECT_NE(fields.out.find("  biXPelsPerMeter: A 2835 px/m = 72 dpi, B 3780 px/m = 96 dpi\n"), std::string::npos)
        << fields.out;
    const QJsonArray json = ParseJson(RunDump({"--diff", base, dense, "--json"}))["fields"].toArray();
    ASSERT_EQ(json.size(), 1);
    EXPECT_EQ(Str(json.at(0).toObject()["name"]), "biXPelsPerMeter");
    EXPECT_EQ(Str(json.at(0).toObject()["b"]), "3780");

    const std::string narrow = dir.Write("narrow.bmp", FourColours({.width = 4}));
    const std::string marked = (dir.path() / "marked.png").string();
    const Outcome sizes = RunDump({"--diff", base, narrow, "-o", marked});
    EXPECT_EQ(sizes.Code(), 1) << sizes.Describe();
    EXPECT_FALSE(fs::exists(marked));
    EXPECT_TRUE(sizes.out.starts_with("The pictures differ in size: 5x3 against 4x3.\n")) << sizes.out;

    const std::string missing = (dir.path() / "missing.bmp").string();
    const Outcome unreadable = RunDump({"--diff", base, missing});
    ExpectOneErrorLine(unreadable, 2);
    EXPECT_TRUE(unreadable.err.starts_with("hexlume-dump: " + missing + ": ")) << unreadable.err;
    const std::string jpeg = dir.Write("j.bmp", BuildBitmap({.width = 5, .height = 3, .bitCount = 0,
                                                             .compression = hexlume::format::kBiJpeg,
                                                             .pixels = {0xFF, 0xD8, 0xFF, 0xD9}}));
    ExpectOneErrorLine(RunDump({"--diff", jpeg, base}), 2);
    for (const std::vector<std::string>& usage : std::vector<std::vector<std::string>>{
             {"--diff", base}, {"--diff", base, base, base}, {"--diff", base, base, "-o"}, {"--diff", "--check", base, base}})
        EXPECT_EQ(RunDump(usage).Code(), 2);
}

TEST(CliPicture, WritesThePictureAtFullSizeOrStretched)
{
    TempDir dir;
    const std::string path = dir.Write("two.bmp", TwoByTwo());
    const std::string full = (dir.path() / "full.png").string();
    const Outcome run = RunDump({"--picture", path, "-o", full});
    EXPECT_EQ(run.Code(), 0) << run.Describe();
    const QImage image(QString::fromStdString(full), "PNG");
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(0, 0), 0xFFFF0000u);  // the top row is stored last
    EXPECT_EQ(image.pixel(1, 1), 0xFF00FF00u);

    const std::string stretched = (dir.path() / "stretched.png").string();
    EXPECT_EQ(RunDump({"--picture", path, "-o", stretched, "--size", "7x3"}).Code(), 0);
    EXPECT_EQ(QImage(QString::fromStdString(stretched), "PNG").size(), QSize(7, 3));
}

TEST(CliPicture, NoPictureAndAbsurdSizesExitWithTheReason)
{
    TempDir dir;
    std::vector<std::uint8_t> noBits = TwoByTwo();
    noBits[28] = 0;  // biBitCount
    BitmapFields huge = Fields(1 << 20, 1 << 20, kTwoByTwoPixels);
    const std::string out = (dir.path() / "out.png").string();
    const Outcome none = RunDump({"--picture", dir.Write("nobits.bmp", noBits), "-o", out});
    ExpectOneErrorLine(none, 1);
    EXPECT_NE(none.err.find("biBitCount 0 is not a pixel format"), std::string::npos) << none.err;
    const std::string hugePath = dir.Write("huge.bmp", BuildBitmap(huge));
    const Outcome absurd = RunDump({"--picture", hugePath, "-o", out});
    ExpectOneErrorLine(absurd, 1);
    EXPECT_NE(absurd.err.find("--size"), std::string::npos) << absurd.err;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(RunDump({"--picture", hugePath, "-o", out, "--size", "200x116"}).Code(), 0);
}

// --pixel names the bytes a pixel lives in and --at the pixels a byte holds: on every pixel of
// an indexed file and of an RLE file with gaps, each answers the other, and the colour is the
// one --picture draws.
TEST(CliQuery, PixelAndAtAnswerEachOther)
{
    TempDir dir;
    const std::vector<std::string> files = {
        dir.Write("four.bmp", BuildBitmap({.width = 5, .height = 2, .bitCount = 4, .clrUsed = 16,
                                           .palette = CountingBytes(64, 9), .pixels = CountingBytes(8, 0x17)})),
        // Top-down: a run, an end of line before the row is full, a delta, a literal, the end.
        dir.Write("rle.bmp", BuildBitmap({.width = 4, .height = -2, .bitCount = 8,
                                          .compression = hexlume::format::kBiRle8, .clrUsed = 4,
                                          .palette = CountingBytes(16, 9),
                                          .pixels = {3, 2, 0, 0, 0, 2, 1, 0, 0, 3, 1, 2, 3, 0, 0, 1}}))};
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        const std::string png = (dir.path() / "picture.png").string();
        ASSERT_EQ(RunDump({"--picture", path, "-o", png}).Code(), 0);
        const QImage picture(QString::fromStdString(png), "PNG");
        int skipped = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const std::string place = std::to_string(x) + "," + std::to_string(y);
                SCOPED_TRACE(place);
                const QJsonObject pixel = ParseJson(RunDump({"--json", "--pixel", place, path}));
                EXPECT_EQ(pixel["x"].toInt(-1), x);
                EXPECT_EQ(pixel["y"].toInt(-1), y);
                const QRgb drawn = picture.pixel(x, y);
                EXPECT_EQ(Str(pixel["color"]),
                          QString::asprintf("#%02X%02X%02X%02X", qRed(drawn), qGreen(drawn), qBlue(drawn), qAlpha(drawn))
                              .toStdString());
                if (pixel["skipped"].toBool()) {
                    EXPECT_EQ(pixel["length"].toInt(-1), 0);
                    ++skipped;
                    continue;
                }
                EXPECT_EQ(Str(pixel["entry"]["color"]), Str(pixel["color"]));
                const std::string offset = std::to_string(pixel["offset"].toInteger());
                const QJsonObject byte = ParseJson(RunDump({"--at", offset, "--json", path}));
                EXPECT_EQ(Str(byte["element"]), "pixel data");
                EXPECT_TRUE(byte["field"].isNull());
                EXPECT_TRUE(byte["pixels"].toArray().contains(QJsonObject{{"x", x}, {"y", y}})) << Str(byte["text"]);
                EXPECT_EQ(RunDump({"--at", offset, path}).out, Str(byte["text"]) + "\n");
            }
        }
        EXPECT_EQ(skipped, path.ends_with("rle.bmp") ? 2 : 0);
    }
    const Outcome text = RunDump({"--pixel", "1,1", files[0]});
    EXPECT_TRUE(text.out.starts_with("pixel (1, 1) (stored row 0)\noffset: 0x")) << text.out;
}

// An embedded profile's bytes, its description and a linked profile's name, as --at, --check -v
// and the report say them.
TEST(CliQuery, ColourProfilesAreSaidInEveryText)
{
    TempDir dir;
    const std::string embedded = dir.Write(
        "embedded.bmp", BuildV5WithProfile(hexlume::format::kProfileEmbedded, BuildDisplayProfile(u"Test display")));
    const std::string note = "An embedded ICC profile (464 bytes) lies at offset 154: \"Test display\".";
    EXPECT_EQ(RunDump({"--at", "166", embedded}).out,
              "Offset 0x000000A6 (166)\nembedded profile, device class (signature, bytes 166–169; byte 1 of 4) = "
              "1 835 955 314 (0x6D6E7472): 'mntr' = display device\nnote: " + note + "\n");
    EXPECT_NE(RunDump({"--check", "-v", embedded}).out.find("colour-profile                  0x9A        " + note),
              std::string::npos);
    const std::string report = RunDump({embedded}).out;
    EXPECT_NE(report.find("tag 1 signature    signature    0x64657363  'desc' = profile description: \"Test display\""),
              std::string::npos) << report;

    const std::string name = "\\\\server\\colour\\\x93office\x94.icm";
    std::vector<std::uint8_t> held(name.begin(), name.end());
    held.push_back(0);
    const std::string linked = dir.Write("linked.bmp", BuildV5WithProfile(hexlume::format::kProfileLinked, held));
    const std::string said = "\"\\\\server\\colour\\“office”.icm\"";
    EXPECT_NE(RunDump({linked}).out.find("file name          CHAR[]       (text)  " + said), std::string::npos);
    EXPECT_NE(RunDump({"--at", "160", linked}).out.find(said), std::string::npos);
}

TEST(CliQuery, OutsideTheFileOrPictureExitsOneAndBadUsageTwo)
{
    TempDir dir;
    const std::string path = dir.Write("two.bmp", TwoByTwo());  // 70 bytes, 2 by 2 pixels
    std::vector<std::uint8_t> noBits = TwoByTwo();
    noBits[28] = 0;  // biBitCount
    EXPECT_EQ(RunDump({"--at", "0x45", path}).Code(), 0);
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--at", "70", path}, {"--at", "0x46", "--json", path}, {"--pixel", "2,0", path}, {"--pixel", "0,2", path},
             {"--pixel", "0,0", dir.Write("nobits.bmp", noBits)}, {"--at", "0", (dir.path() / "none.bmp").string()}}) {
        SCOPED_TRACE(arguments[1]);
        ExpectOneErrorLine(RunDump(arguments), 1);
    }
    // An embedded JPEG's pixel is said to be in the stream, not in RLE or row words.
    const std::string jpeg = dir.Write("j.bmp", BuildBitmap({.width = 3, .height = 2, .bitCount = 0,
                                                             .compression = hexlume::format::kBiJpeg,
                                                             .pixels = {0xFF, 0xD8, 0xFF, 0xD9}}));
    const Outcome coded = RunDump({"--pixel", "2,1", jpeg});
    ExpectOneErrorLine(coded, 1);
    EXPECT_NE(coded.err.find("pixel (2, 1) is coded in the embedded JPEG stream"), std::string::npos) << coded.err;
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--at", "12"}, {"--at", path}, {"--at", "1x", path}, {"--at", "-1", path}, {"--at", "0x", path},
             {"--pixel", "1", path}, {"--pixel", "1,", path}, {"--pixel", "1,2,3", path},
             {"--at", "1", "--pixel", "0,0", path}, {"--at", "1", "--at", "2", path}, {"--at", "1", path, path},
             {"--at", "1", "--export", path}, {"--at", "1", "--check", path}}) {
        const Outcome usage = RunDump(arguments);
        EXPECT_EQ(usage.Code(), 2) << usage.Describe();
        EXPECT_EQ(usage.out, "");
    }
}

// An icon of a 1-bit DIB and a PNG, a cursor, a headerless DIB: --entry chooses the image each
// command reads, and the mask and hot spot are named.
TEST(CliIcon, EntryChoosesTheImageForEveryCommandAndTheHotSpotIsNamed)
{
    using hexlume::testing::IconDib;
    TempDir dir;
    QImage drawn(3, 2, QImage::Format_ARGB32);
    drawn.fill(0xFF2040C0);
    drawn.setPixel(2, 1, 0x00000000);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(drawn.save(&buffer, "PNG"));
    // 2 by 2, black and white; bottom row 0 1, top row 1 0; the bottom row's right pixel masked.
    const std::vector<std::uint8_t> dib =
        IconDib(2, 2, 1, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}, {0x40, 0, 0, 0, 0x80, 0, 0, 0}, {0x40, 0, 0, 0, 0, 0, 0, 0});
    const std::string icon = dir.Write("two.ico", hexlume::testing::BuildIconFile(
        hexlume::format::kIconType, {{.image = dib, .width = 2, .height = 2, .bitCount = 1},
                                     {.image = std::vector<std::uint8_t>(png.begin(), png.end()), .width = 3,
                                      .height = 2, .bitCount = 32}}));
    const std::string out = (dir.path() / "out.png").string();
    ASSERT_EQ(RunDump({"--picture", icon, "-o", out}).Code(), 0);
    const QImage first(QString::fromStdString(out), "PNG");
    ASSERT_EQ(first.size(), QSize(2, 2));
    EXPECT_EQ(first.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(qAlpha(first.pixel(1, 1)), 0);
    ASSERT_EQ(RunDump({"--picture", icon, "--entry", "2", "-o", out}).Code(), 0);
    EXPECT_EQ(QImage(QString::fromStdString(out), "PNG").convertToFormat(QImage::Format_ARGB32), drawn);

    const QJsonObject pixel = ParseJson(RunDump({"--pixel", "1,1", "--json", "--entry", "1", icon}));
    EXPECT_EQ(pixel["maskBit"]["value"].toInt(-1), 1);
    EXPECT_EQ(Str(ParseJson(RunDump({"--at", "110", "--json", icon}))["element"]), "PNG stream");  // 6 + 2 × 16 + 64 on
    const QJsonObject report = ParseJson(RunDump({"--json", "--entry", "2", icon}));
    EXPECT_EQ(Str(report["kind"]), "icon");
    EXPECT_EQ(report["entry"].toInt(), 2);
    EXPECT_EQ(report["width"].toInt(), 3);
    EXPECT_TRUE(report["decodable"].toBool());
    const Outcome text = RunDump({icon});
    EXPECT_NE(text.out.find("Kind: icon, image 1 of 2: 2x2, 1 bit\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("ICONDIRENTRY 2\n"), std::string::npos) << text.out;

    const Outcome missing = RunDump({"--picture", icon, "--entry", "3", "-o", out});
    ExpectOneErrorLine(missing, 2);
    EXPECT_NE(missing.err.find("--entry 3 names no image: the icon has 2 images"), std::string::npos) << missing.err;
    ExpectOneErrorLine(RunDump({"--at", "0", "--entry", "3", icon}), 2);
    for (const std::vector<std::string>& usage : std::vector<std::vector<std::string>>{
             {"--entry", "0", icon}, {"--entry", "x", icon}, {"--export", "--entry", "1", icon},
             {"--check", "--entry", "1", icon}, {"--entry", "1", "--entry", "1", icon}})
        EXPECT_EQ(RunDump(usage).Code(), 2);

    const std::string cursor = dir.Write("one.cur", hexlume::testing::BuildIconFile(
        hexlume::format::kCursorType, {{.image = dib, .width = 2, .height = 2, .planes = 1, .bitCount = 0}}));
    const Outcome hotSpot = RunDump({"--at", "10", cursor});
    EXPECT_NE(hotSpot.out.find("wXHotspot (WORD, bytes 10–11; byte 1 of 2) = 1 (0x0001): hot spot 1 pixel from the left"),
              std::string::npos)
        << hotSpot.out;
    std::vector<std::uint8_t> headerless(dib.begin(), dib.end() - 8);
    headerless[8] = 2;  // biHeight: 2 rows and no mask
    const Outcome checked = RunDump({"--check", icon, cursor, dir.Write("clip.dib", headerless)});
    EXPECT_EQ(checked.Code(), 0) << checked.Describe();
    for (const std::string& line : {"OK  " + icon + "  icon of 2 images, the first 2x2, 1 bit, 2 colours, BITMAPINFOHEADER\n",
                                   "OK  " + cursor + "  cursor of 1 image, the first 2x2",
                                   std::string("clip.dib  headerless DIB, 2x2, 1 bit")})
        EXPECT_NE(checked.out.find(line), std::string::npos) << checked.out;
}

// Real-world files, good and odd: the model takes every "BM" file of 54 bytes or more, and the
// dump of each region is the model's, whatever the decoder thinks of the file; the decoder draws
// every good file and nearly all of the questionable ones.
TEST(CliBmpSuite, EveryImageEndsCleanlyWithTheModelsTexts)
{
    const fs::path suite = hexlume::testing::BmpSuiteDir();
    if (suite.empty())
        GTEST_SKIP() << "bmpsuite not found";
    TempDir cwd;
    std::map<std::string, int> drawn;
    for (const char* group : {"g", "q", "x"}) {
        if (!fs::is_directory(suite / group))
            continue;
        for (const fs::directory_entry& entry : fs::directory_iterator(suite / group)) {
            const std::string path = entry.path().string();
            SCOPED_TRACE(path);
            hexlume::CDib dib;
            const bool loads = dib.LoadFile(path);
            const Outcome json = RunDump({"--json", path});
            ASSERT_TRUE(WIFEXITED(json.status)) << json.Describe();
            if (!loads) {
                ExpectOneErrorLine(json, 1);
                continue;
            }
            const QJsonObject object = ParseJson(json);
            ExpectWindowShape(object);
            const QJsonValue memos = object["memos"];
            if (dib.GetData() != nullptr) {
                EXPECT_EQ(Str(memos[3]["text"]), hexlume::RegionText(dib.DataBytes()));
            }
            if (dib.GetPalette() != nullptr) {
                EXPECT_EQ(Str(memos[2]["text"]), hexlume::RegionText(dib.PaletteBytes()));
            }
            if (std::string(group) == "g") {
                EXPECT_TRUE(object["decodable"].toBool()) << Str(object["decodeError"]);
            }
            const Outcome picture = RunDump({"--picture", path, "-o", (cwd.path() / "out.png").string()});
            if (std::string(group) == "g") {
                EXPECT_EQ(picture.Code(), 0) << picture.Describe();
            }
            drawn[group] += picture.Code() == 0 ? 1 : 0;

            const Outcome report = RunDump({path});
            EXPECT_EQ(report.Code(), 0) << report.Describe();
            const Outcome exported = RunDump({"--export", path, "-o", (cwd.path() / "out.txt").string()});
            EXPECT_EQ(exported.Code(), 0) << exported.Describe();
            EXPECT_EQ(FileText(cwd.path() / "out.txt"), hexlume::RegionText(dib.DataBytes(), hexlume::kExportLineEnd));
        }
    }
    if (fs::is_directory(suite / "q")) {
        EXPECT_GE(drawn["q"], 40);
    }
}

TEST(CliBmpSuite, EveryGoodFileChecksOk)
{
    const fs::path suite = hexlume::testing::BmpSuiteDir();
    if (suite.empty())
        GTEST_SKIP() << "bmpsuite not found";
    std::vector<std::string> arguments{"--check"};
    for (const fs::directory_entry& entry : fs::directory_iterator(suite / "g"))
        arguments.push_back(entry.path().string());
    const Outcome run = RunDump(arguments);
    EXPECT_EQ(run.Code(), 0) << run.Describe();
    const std::vector<std::string> lines = Lines(run.out);
    EXPECT_EQ(lines.size(), arguments.size() - 1);
    for (const std::string& line : lines)
        EXPECT_TRUE(line.starts_with("OK  ")) << line;
}

// The window's program answers --help and --version without a display, refuses what it does not
// know, and says in one sentence when there is no display at all.
TEST(WindowCommandLine, HelpVersionUsageAndNoDisplay)
{
    for (const char* name : {"", ":65000"}) {  // none, and one no server listens on
        const std::optional<std::string> display = std::string(name);
        const Outcome help = RunProgram(HEXLUME_PATH, {"--help"}, {}, {}, display);
        EXPECT_EQ(help.Code(), 0) << help.Describe();
        EXPECT_TRUE(help.out.starts_with("usage: hexlume [FILE]\n")) << help.out;
        const Outcome version = RunProgram(HEXLUME_PATH, {"--version"}, {}, {}, display);
        EXPECT_EQ(version.Code(), 0) << version.Describe();
        EXPECT_TRUE(version.out.starts_with("hexlume ")) << version.out;
        const Outcome unknown = RunProgram(HEXLUME_PATH, {"--frobnicate"}, {}, {}, display);
        EXPECT_EQ(unknown.Code(), 2) << unknown.Describe();
        EXPECT_TRUE(unknown.err.starts_with("hexlume: unknown option --frobnicate\nusage: hexlume [FILE]")) << unknown.err;
        // No display at all, or one that cannot be reached: one sentence, exit 1, never an abort.
        const Outcome window = RunProgram(HEXLUME_PATH, {"picture.bmp"}, {}, {}, display);
        EXPECT_EQ(window.Code(), 1) << window.Describe();
        EXPECT_NE(window.err.find("hexlume: there is no display to show the window on"), std::string::npos)
            << window.err;
    }
    const Outcome dump = RunDump({"--version"});
    EXPECT_EQ(dump.Code(), 0) << dump.Describe();
    EXPECT_TRUE(dump.out.starts_with("hexlume-dump ")) << dump.out;
}



// Every file in the folder, by name.
std::vector<std::string> FolderNames(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A 2x2 bitmap with a 124-byte header: the 84 bytes past the 40-byte part are zeros but for the
// rendering intent (LCS_GM_IMAGES).
std::vector<std::uint8_t> TwoByTwoV5()
{
    BitmapFields fields = Fields(2, 2, kTwoByTwoPixels);
    fields.infoSize = 124;
    fields.palette.assign(84, 0);
    fields.palette[68] = 4;
    return BuildBitmap(fields);
}

TEST(CliSet, ChangesAFieldOfEachTypeOrBytesAndReportsEachChange)
{
    TempDir dir;
    const std::vector<std::uint8_t> info = TwoByTwo();
    const std::string file = dir.Write("in.bmp", info);
    const std::string out = (dir.path() / "out.bmp").string();
    const Outcome run = RunDump({"--set", "biHeight=-2", "--set", "biPlanes=0x1", "--set", "bfSize=70",
                                 "--set", "@0x36=FF00FE", file, "-o", out});
    EXPECT_EQ(run.Code(), 0) << run.Describe();
    EXPECT_EQ(Lines(run.out), (std::vector<std::string>{"biHeight: 2 → -2 (bytes 22 to 25)",
                                                        "biPlanes: 1 → 1 (bytes 26 to 27)",
                                                        "bfSize: 70 → 70 (bytes 2 to 5)",
                                                        "bytes 54 to 56: FF 00 00 → FF 00 FE",
                                                        "OK  " + out + "  2x2, 24 bits, BITMAPINFOHEADER"}));
    std::vector<std::uint8_t> expected = info;
    std::copy_n(std::begin({0xFE, 0xFF, 0xFF, 0xFF}), 4, expected.begin() + 22);
    expected[56] = 0xFE;
    EXPECT_EQ(ReadFileBytes(out), expected);
    EXPECT_EQ(ReadFileBytes(file), info);

    // A 40-byte header's name reaches the same field of a V5 header; later edits see earlier ones.
    const std::string v5 = dir.Write("v5.bmp", TwoByTwoV5());
    const Outcome alias = RunDump({"--set", "biHeight=-2", "--set", "bV5Height=0xFFFFFFFD", "--set", "bV5Intent=2",
                                   v5, "-o", out});
    EXPECT_EQ(alias.Code(), 0) << alias.Describe();
    const std::vector<std::string> lines = Lines(alias.out);
    ASSERT_EQ(lines.size(), 4u) << alias.out;
    EXPECT_EQ(lines[0], "bV5Height: 2 → -2 (bytes 22 to 25)");
    EXPECT_EQ(lines[1], "bV5Height: -2 → -3 (bytes 22 to 25)");
    EXPECT_EQ(lines[2], "bV5Intent: 4 → 2 (bytes 122 to 125)");
    // The verdict is OUT's own: three rows need more pixel data than the file has.
    EXPECT_TRUE(lines[3].starts_with("ERROR  " + out + "  pixel-data-truncated: ")) << lines[3];
    const std::vector<std::uint8_t> saved = ReadFileBytes(out);
    ASSERT_EQ(saved.size(), TwoByTwoV5().size());
    EXPECT_EQ(hexlume::Le32At(saved, 22), 0xFFFFFFFDu);
    EXPECT_EQ(saved[122], 2);
}

TEST(CliSet, RefusalsExitTwoAndWriteNothing)
{
    TempDir dir;
    const std::string file = dir.Write("in.bmp", TwoByTwo());
    const std::string v5 = dir.Write("v5.bmp", TwoByTwoV5());
    const std::string out = (dir.path() / "out.bmp").string();
    const struct {
        std::vector<std::string> arguments;
        std::string reason;
    } cases[] = {
        {{"--set", "biFrobs=1", file, "-o", out}, "no header field is named biFrobs"},
        {{"--set", "bV5Intent=1", file, "-o", out}, "the file's BITMAPINFOHEADER has no field bV5Intent"},
        {{"--set", "biPlanes=65536", file, "-o", out}, "biPlanes is a WORD: 0 to 65 535"},
        {{"--set", "biPlanes=-1", file, "-o", out}, "biPlanes is a WORD: 0 to 65 535"},
        {{"--set", "biHeight=-2147483649", file, "-o", out}, "biHeight is a LONG: -2 147 483 648 to 2 147 483 647"},
        {{"--set", "biWidth=ten", file, "-o", out}, "biWidth takes a number: decimal, or hex after 0x"},
        {{"--set", "bV5Endpoints=0", v5, "-o", out}, "bV5Endpoints is a CIEXYZTRIPLE of 36 bytes"},
        {{"--set", "@70=0000", file, "-o", out}, "bytes 70 to 71 lie past the end of the file (70 bytes)"},
        {{"--set", "@0x36=F", file, "-o", out}, "@OFFSET=HEXBYTES takes"},
        // A good edit before a bad one writes nothing either.
        {{"--set", "biHeight=5", "--set", "biHeight", file, "-o", out}, "--set takes FIELD=VALUE"},
        {{"--set", "biHeight=5", file}, "name it with -o OUT"},
        {{"--set", "biHeight=5", file, "-o", (dir.path() / "." / "in.bmp").string()}, "never writes"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.reason);
        const Outcome run = RunDump(row.arguments);
        ExpectOneErrorLine(run, 2);
        EXPECT_NE(run.err.find(row.reason), std::string::npos) << run.err;
        EXPECT_EQ(FolderNames(dir.path()), (std::vector<std::string>{"in.bmp", "v5.bmp"}));
    }
    EXPECT_EQ(ReadFileBytes(file), TwoByTwo());
    // Another command's option is a usage error; a folder that is not there is a failure to write.
    const Outcome usage = RunDump({"--set", "biHeight=5", "--json", file, "-o", out});
    EXPECT_EQ(usage.Code(), 2);
    EXPECT_NE(usage.err.find("usage"), std::string::npos);
    ExpectOneErrorLine(RunDump({"--set", "biHeight=5", file, "-o", (dir.path() / "no" / "out.bmp").string()}), 1);
    EXPECT_EQ(FolderNames(dir.path()), (std::vector<std::string>{"in.bmp", "v5.bmp"}));
}

}  // namespace

namespace {

// 8 x 2 pixels at 24 bits whose blue channel's bit 0 spells "Hi" from the top-left, then "tail".
std::vector<std::uint8_t> HiddenHi()
{
    const std::string hi = "Hi";
    std::vector<std::uint8_t> rows(2 * 24, 0x80);
    for (int bit = 0; bit < 16; ++bit) {
        const int shownRow = bit / 8;
        const int storedRow = 1 - shownRow;  // bottom-up
        rows[storedRow * 24 + (bit % 8) * 3] = static_cast<std::uint8_t>(0x80 | (hi[bit / 8] >> (7 - bit % 8) & 1));
    }
    std::vector<std::uint8_t> file = BuildBitmap(Fields(8, 2, rows));
    file.insert(file.end(), {'t', 'a', 'i', 'l'});
    return file;
}

}  // namespace

TEST(CliHidden, ExtractTakesOutBitsAndPartsOrSaysWhyNot)
{
    TempDir dir;
    const std::string file = dir.Write("hi.bmp", HiddenHi());
    const std::string out = (dir.path() / "out.bin").string();
    const Outcome bits = RunDump({"--extract", "bits:b:0", file, "-o", out});
    EXPECT_EQ(bits.Code(), 0) << bits.Describe();
    EXPECT_EQ(bits.out, out + "  2 bytes of bits:b:0\n");
    EXPECT_EQ(FileText(out), "Hi");
    EXPECT_EQ(RunDump({"--extract", "trailing", file, "-o", out}).Code(), 0);
    EXPECT_EQ(FileText(out), "tail");

    const struct {
        std::vector<std::string> arguments;
        int code;
        std::string reason;
    } refusals[] = {
        {{"--extract", "embedded", file, "-o", out}, 1, "the pixel data is no JPEG or PNG stream"},
        {{"--extract", "bits:a:0", file, "-o", out}, 1, "the picture has no alpha channel"},
        {{"--extract", "bits:q:0", file, "-o", out}, 2, "WHAT is gap, trailing"},
        {{"--extract", "trailing", file, "-o", file}, 2, "never writes"},
    };
    for (const auto& row : refusals) {
        SCOPED_TRACE(row.reason);
        const Outcome run = RunDump(row.arguments);
        ExpectOneErrorLine(run, row.code);
        EXPECT_NE(run.err.find(row.reason), std::string::npos) << run.err;
    }
    EXPECT_EQ(FileText(out), "tail");
    EXPECT_EQ(ReadFileBytes(file), HiddenHi());
    EXPECT_EQ(RunDump({"--extract", "trailing", file}).Code(), 2);
}

TEST(CliHidden, PlanesOfEachChannelAndTheRowsALoweredHeightHides)
{
    TempDir dir;
    const std::string file = dir.Write("hi.bmp", HiddenHi());
    const fs::path planes = dir.path() / "planes";
    const Outcome run = RunDump({"--planes", planes.string(), file});
    EXPECT_EQ(run.Code(), 0) << run.Describe();
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 24);
    // "H" is 0100 1000: the top row's blue bit 0 is white at x = 1 and 4.
    const QImage blue0(QString::fromStdString((planes / "hi.b0.png").string()), "PNG");
    ASSERT_EQ(blue0.size(), QSize(8, 2));
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(qGray(blue0.pixel(x, 0)), x == 1 || x == 4 ? 255 : 0) << x;
    EXPECT_EQ(qGray(QImage(QString::fromStdString((planes / "hi.r7.png").string()), "PNG").pixel(0, 0)), 255);

    // 2 x 5 rows stored, biHeight 2: --all-rows draws the 3 hidden ones too.
    const std::string lowered = dir.Write("lowered.bmp", BuildBitmap(Fields(2, 2, CountingBytes(5 * 8))));
    const std::string png = (dir.path() / "all.png").string();
    EXPECT_EQ(RunDump({"--picture", lowered, "-o", png, "--all-rows"}).Code(), 0);
    EXPECT_EQ(QImage(QString::fromStdString(png), "PNG").size(), QSize(2, 5));
    EXPECT_EQ(RunDump({"--json", lowered, "--all-rows"}).Code(), 2);
}

TEST(CliHidden, ScanListsTheBitmapsInsideAFileAndWritesEachOut)
{
    TempDir dir;
    std::vector<std::uint8_t> haystack = CountingBytes(1000);
    const std::vector<std::uint8_t> first = HiddenHi();
    const std::vector<std::uint8_t> decoy = {'B', 'M', 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0};
    const std::vector<std::uint8_t> second = TwoByTwo();
    haystack.insert(haystack.end(), first.begin(), first.end());
    haystack.insert(haystack.end(), decoy.begin(), decoy.end());
    haystack.insert(haystack.end(), 100, 0);
    haystack.insert(haystack.end(), second.begin(), second.end());
    const std::string file = dir.Write("disk.img", haystack);
    const std::uint64_t secondAt = 1000 + first.size() + decoy.size() + 100;

    const Outcome json = RunDump({"--scan", file, "--json", "-x", (dir.path() / "found").string()});
    EXPECT_EQ(json.Code(), 0) << json.Describe();
    // HiddenHi's bfSize leaves out its trailing "tail": it is 4 bytes shorter than it.
    EXPECT_EQ(json.out, "{\"offset\":1000,\"length\":" + std::to_string(first.size() - 4) +
                            ",\"width\":8,\"height\":2,\"bitCount\":24,\"verdict\":\"OK\"}\n"
                            "{\"offset\":" + std::to_string(secondAt) + ",\"length\":" + std::to_string(second.size()) +
                            ",\"width\":2,\"height\":2,\"bitCount\":24,\"verdict\":\"OK\"}\n");
    EXPECT_EQ(json.err, "2 bitmaps in 1 294 bytes\n");
    EXPECT_EQ(ReadFileBytes(dir.path() / "found" / ("disk-at-" + std::to_string(secondAt) + ".bmp")), second);
    EXPECT_EQ(ReadFileBytes(dir.path() / "found" / "disk-at-1000.bmp"),
              std::vector<std::uint8_t>(first.begin(), first.end() - 4));
    const Outcome text = RunDump({"--scan", file});
    EXPECT_TRUE(text.out.starts_with("0x000003e8         1000         102 bytes  8x2, 24 bits  OK  ")) << text.out;

    // A large file is read a MiB at a time, the pieces sharing a byte: a "BM" across a piece's
    // end is still found, once.
    std::vector<std::uint8_t> large = CountingBytes((2 << 20) + 100);
    for (const std::size_t at : {std::size_t{1048575}, std::size_t{2097150}})
        std::copy(second.begin(), second.end(), large.begin() + static_cast<std::ptrdiff_t>(at));
    const Outcome pieces = RunDump({"--scan", dir.Write("large.img", large), "--json"});
    EXPECT_EQ(pieces.out, "{\"offset\":1048575,\"length\":70,\"width\":2,\"height\":2,\"bitCount\":24,\"verdict\":\"OK\"}\n"
                          "{\"offset\":2097150,\"length\":70,\"width\":2,\"height\":2,\"bitCount\":24,\"verdict\":\"OK\"}\n");
}

// --fix prints each repair and OUT's verdict; the exit status says what OUT still has wrong.
TEST(CliFix, RepairsCopiesAndSaysWhatIsLeft)
{
    const TempDir dir;
    BitmapFields fields{.width = 2, .height = 1, .bitCount = 24, .sizeImage = 8, .pixels = {1, 2, 3, 4, 5, 6, 0, 0}};
    const std::vector<std::uint8_t> good = BuildBitmap(fields);
    fields.fileSize = 2'000'000'000;
    fields.planes = 3;
    const std::string broken = dir.Write("broken.bmp", BuildBitmap(fields));
    const std::string out = (dir.path() / "out.bmp").string();

    const Outcome dry = RunDump({"--fix", "--dry-run", broken, "-o", out});
    EXPECT_EQ(dry.Code(), 0) << dry.Describe();
    EXPECT_EQ(dry.out, "biPlanes: 3 → 1, as every bitmap has.\nbfSize: 2 000 000 000 → 62, the file's size.\nOK  " + out +
                           "  2x1, 24 bits, BITMAPINFOHEADER\n");
    EXPECT_FALSE(fs::exists(out));

    const Outcome fixed = RunDump({"--fix", broken, "-o", out});
    EXPECT_EQ(fixed.Code(), 0) << fixed.Describe();
    EXPECT_EQ(fixed.out, dry.out);
    EXPECT_EQ(ReadFileBytes(out), good);

    // Nothing to repair: a copy. Errors no repair covers: written, listed, exit 1.
    const Outcome copy = RunDump({"--fix", out, "-o", (dir.path() / "copy.bmp").string()});
    EXPECT_EQ(copy.Code(), 0) << copy.Describe();
    EXPECT_TRUE(copy.out.starts_with("Nothing to repair.\nOK  ")) << copy.out;
    EXPECT_EQ(ReadFileBytes(dir.path() / "copy.bmp"), good);
    std::vector<std::uint8_t> cut = good;
    cut.resize(good.size() - 3);
    const std::string cutFile = dir.Write("cut.bmp", cut);
    const Outcome left = RunDump({"--fix", cutFile, "-o", (dir.path() / "cut-fixed.bmp").string()});
    EXPECT_EQ(left.Code(), 1) << left.Describe();
    EXPECT_NE(left.out.find("\n  error    pixel-data-truncated"), std::string::npos) << left.out;
    const Outcome padded = RunDump({"--fix", "--fix=pad", cutFile, "--out-dir", (dir.path() / "sub").string()});
    EXPECT_EQ(padded.Code(), 2) << "no such folder: " << padded.Describe();
    fs::create_directory(dir.path() / "sub");
    const Outcome both = RunDump({"--fix", "--fix=pad", cutFile, broken, "--out-dir", (dir.path() / "sub").string()});
    EXPECT_EQ(both.Code(), 0) << both.Describe();
    EXPECT_NE(both.out.find("filled with zero bytes, made up."), std::string::npos) << both.out;
    EXPECT_EQ(FolderNames(dir.path() / "sub"), (std::vector<std::string>{"broken.bmp", "cut.bmp"}));

    // Refusals: exit 2, nothing written.
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--fix", broken, "-o", broken}, {"--fix", broken},
          {"--fix", "--fix=bogus", broken, "-o", out + "2"}, {"--fix", broken, "-o", (dir.path() / "no" / "x.bmp").string()}}) {
        const Outcome refused = RunDump(arguments);
        EXPECT_EQ(refused.Code(), 2) << arguments.back() << ": " << refused.Describe();
        EXPECT_TRUE(refused.out.empty()) << refused.out;
    }
    EXPECT_EQ(ReadFileBytes(broken), BuildBitmap(fields));
    EXPECT_FALSE(fs::exists(out + "2"));
}
