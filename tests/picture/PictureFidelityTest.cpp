// Our decoder against the image readers people already trust: Qt's own bitmap reader and, where
// it is installed, ImageMagick.

#include "picture/PreviewPicture.h"
#include "testsupport/BmpBuilder.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace hexlume {
namespace {

namespace fs = std::filesystem;
using testing::BmpSuiteDir;
using testing::ReadFileBytes;

format::BitmapFormat LayoutOf(const std::vector<std::uint8_t>& bytes)
{
    return format::ReadBitmapFormat(format::Bytes(bytes));
}

QImage DrawFullSize(const fs::path& path)
{
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    const format::BitmapFormat layout = LayoutOf(bytes);
    const QSize size(static_cast<int>(layout.columns), static_cast<int>(layout.rows));
    return DrawPicture(format::Bytes(bytes), size).image;
}

// Describes the first pixel whose red, green or blue differs by more than 2 (or, with
// topBitsOnly, in its top 5 bits); empty when none.
std::string FirstDifference(const QImage& ours, const QImage& theirs, bool topBitsOnly = false)
{
    const auto differs = [topBitsOnly](int a, int b) { return topBitsOnly ? (a & 0xF8) != (b & 0xF8) : std::abs(a - b) > 2; };
    if (ours.size() != theirs.size())
        return "size " + std::to_string(ours.width()) + "x" + std::to_string(ours.height()) + " against " +
               std::to_string(theirs.width()) + "x" + std::to_string(theirs.height());
    const QImage other = theirs.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < ours.height(); ++y) {
        for (int x = 0; x < ours.width(); ++x) {
            const QRgb a = ours.pixel(x, y);
            const QRgb b = other.pixel(x, y);
            if (differs(qRed(a), qRed(b)) || differs(qGreen(a), qGreen(b)) || differs(qBlue(a), qBlue(b)))
                return "pixel " + std::to_string(x) + "," + std::to_string(y) + ": " +
                       QString::number(a, 16).toStdString() + " against " + QString::number(b, 16).toStdString();
        }
    }
    return {};
}

std::vector<fs::path> SuiteFiles(const char* group)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(BmpSuiteDir() / group))
        if (entry.path().extension() == ".bmp")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// A convert that is ImageMagick's (a same-named stand-in may come first on the path).
QString ImageMagickConvert()
{
    for (const QString& folder : qEnvironmentVariable("PATH").split(':', Qt::SkipEmptyParts)) {
        const QString candidate = QStandardPaths::findExecutable(QStringLiteral("convert"), {folder});
        if (candidate.isEmpty())
            continue;
        QProcess probe;
        probe.start(candidate, {QStringLiteral("-version")});
        if (probe.waitForFinished(10000) && probe.readAllStandardOutput().startsWith("Version: ImageMagick"))
            return candidate;
    }
    return {};
}

QImage ImageMagickDraws(const QString& convert, const fs::path& path)
{
    QProcess process;
    process.start(convert, {QString::fromStdString(path.string()), QStringLiteral("PNG32:-")});
    if (!process.waitForFinished(30000))
        return {};
    return QImage::fromData(process.readAllStandardOutput(), "PNG");
}

// Every good suite file drawn at full size against what theirs draws for it.
template <typename Reader>
void ExpectGoodFilesDrawAs(const Reader& theirs, bool topBitsOnlyAt16)
{
    for (const fs::path& path : SuiteFiles("g")) {
        SCOPED_TRACE(path.filename().string());
        const bool topBitsOnly = topBitsOnlyAt16 && LayoutOf(ReadFileBytes(path)).bitCount == 16;
        EXPECT_EQ(FirstDifference(DrawFullSize(path), theirs(path), topBitsOnly), "");
    }
}

TEST(PictureFidelity, GoodSuiteFilesDrawWhatQtDraws)
{
    if (BmpSuiteDir().empty())
        GTEST_SKIP() << "no bitmap suite";
    // Qt widens 5- and 6-bit channels by shifting (31 becomes 248, not 255): only the channel's
    // own bits can agree. ImageMagick scales exactly, as we do.
    ExpectGoodFilesDrawAs([](const fs::path& path) { return QImage(QString::fromStdString(path.string()), "bmp"); },
                          true);
}

TEST(PictureFidelity, GoodSuiteFilesDrawWhatImageMagickDraws)
{
    const QString convert = ImageMagickConvert();
    if (BmpSuiteDir().empty() || convert.isEmpty())
        GTEST_SKIP() << "no bitmap suite or no ImageMagick";
    ExpectGoodFilesDrawAs([&](const fs::path& path) { return ImageMagickDraws(convert, path); }, false);
}

}  // namespace
}  // namespace hexlume
