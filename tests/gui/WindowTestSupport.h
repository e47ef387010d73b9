#pragma once

// What the window tests share: a fixture with the real main window driven through the scripted
// platform in a fresh folder, bitmaps to open, and pixel helpers for grabbed images.

#include "mainform/MainForm.h"
#include "platform/ScriptedPlatform.h"
#include "testsupport/BmpBuilder.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>

// Readable failure messages for the Qt values compared below.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* os) { *os << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height(); }

namespace hexlume {

using testing::BitmapFields;
using testing::BuildBitmap;
using testing::CountingBytes;

inline constexpr int kLine = 16;       // the dump's line height in pixels
inline constexpr int kDumpLeft = 208;  // left edge of the ruler and of the dump memos in the window
inline const char* const kMemoNames[] = {"mmoFileHeader", "mmoInfoHeader", "mmoPalette", "mmoData"};

inline QString Q(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }
inline QString Canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

inline QStringList Column(const QTableWidget* grid, int column)
{
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row)
        cells << (grid->item(row, column) != nullptr ? grid->item(row, column)->text() : QString());
    return cells;
}

// Whether any pixel of the area differs from the background colour.
inline bool HasInk(const QImage& image, const QRect& area, QRgb background)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background)
                return true;
    return false;
}

// The first and last row of the area holding ink; -1, -1 when there is none.
inline std::pair<int, int> InkRows(const QImage& image, const QRect& area, QRgb background)
{
    std::pair<int, int> rows{-1, -1};
    for (int y = area.top(); y <= area.bottom(); ++y)
        if (HasInk(image, QRect(area.left(), y, area.width(), 1), background))
            rows = {rows.first < 0 ? y : rows.first, y};
    return rows;
}

// The 70-byte 2 × 2 24-bit bitmap: blue, green / red, white, rows padded to 8 bytes.
inline std::vector<std::uint8_t> SmallBitmap()
{
    BitmapFields fields;
    fields.width = 2;
    fields.height = 2;
    fields.sizeImage = 16;
    fields.xPelsPerMeter = fields.yPelsPerMeter = 2834;
    fields.pixels = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};
    return BuildBitmap(fields);
}

// An 8-bit bitmap with a full 256-colour palette (64 dump lines) and the given pixel bytes.
inline std::vector<std::uint8_t> Pal8Bitmap(std::int32_t width, std::int32_t height, std::vector<std::uint8_t> pixels)
{
    BitmapFields fields;
    fields.width = width;
    fields.height = height;
    fields.bitCount = 8;
    fields.palette = CountingBytes(1024);
    fields.pixels = std::move(pixels);
    return BuildBitmap(fields);
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(dir.path() / "start");
        std::filesystem::create_directory(dir.path() / "pics");
        QDir::setCurrent(Q(dir.path() / "start"));
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    // Opening changes the process's folder; the next test and TempDir's clean-up need it back.
    void TearDown() override { QDir::setCurrent(initialFolder); }

    template <typename T>
    T* Child(const char* name)
    {
        T* child = form.findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr)
            throw std::runtime_error(std::string("the window has no ") + name);  // fails the test, no crash
        return child;
    }
    QPlainTextEdit* Memo(const char* name) { return Child<QPlainTextEdit>(name); }
    QLabel* Panel(int panel) { return Child<QLabel>(qPrintable(QStringLiteral("stbMainPanel%1").arg(panel))); }
    QString Status(int panel) { return Panel(panel)->text(); }

    QString WritePicture(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        return QString::fromStdString(dir.Write("pics/" + name, bytes));
    }
    void Open(const QString& path)
    {
        platform.openAnswers << path;
        form.OpenPicture();
    }

    // Everything an open may change, to show that a refused or cancelled one changed nothing.
    struct Views {
        QStringList texts;
        QList<QRect> places;
        QImage preview;
    };
    Views Snapshot()
    {
        Views views;
        for (const char* name : {"mmoFileHeader", "mmoInfoHeader", "mmoPalette", "mmoData", "mmoNumbers"}) {
            views.texts << Memo(name)->toPlainText();
            views.places << Memo(name)->geometry();
        }
        views.texts << Column(Child<QTableWidget>("sgdFileHeader"), 2) << Column(Child<QTableWidget>("sgdInfoHeader"), 2);
        views.texts << Status(0) << Status(1) << Status(2);
        views.preview = Child<QLabel>("imgRevView")->pixmap().toImage();
        return views;
    }
    void ExpectSameViews(const Views& before)
    {
        const Views after = Snapshot();
        EXPECT_EQ(after.texts, before.texts);
        EXPECT_EQ(after.places, before.places);
        EXPECT_TRUE(after.preview == before.preview);
    }

    const QString initialFolder = QDir::currentPath();
    testing::TempDir dir;
    ScriptedPlatform platform;
    TMainForm form{platform};
};

}  // namespace hexlume
