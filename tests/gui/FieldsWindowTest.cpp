#include "WindowTestSupport.h"
#include "mainform/FieldsModel.h"

#include <QHeaderView>
#include <QTreeView>

#include <fstream>

namespace hexlume {
namespace {

// The text the dump lights: the highlight is the memo's last extra selection.
QString LitText(const QPlainTextEdit* memo)
{
    const QList<QTextEdit::ExtraSelection> lit = memo->extraSelections();
    return lit.isEmpty() ? QString() : lit.last().cursor.selectedText();
}

TEST_F(MainFormTest, TheFieldsWindowListsLightsAndMarksEveryFieldAndFollowsAReload)
{
    std::vector<std::uint8_t> bytes = Pal8Bitmap(4, 4, CountingBytes(16));
    bytes[26] = 2;  // biPlanes: an error
    const QString path = WritePicture("fields.bmp", bytes);
    Open(path);
    QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    auto* window = Child<QWidget>("FieldsWindow");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Fields — fields.bmp"));
    auto* view = window->findChild<QTreeView*>(QStringLiteral("tvwFields"));
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* model = view->model();
    // Every column in sight, the meaning's start too, without scrolling.
    EXPECT_LE(view->header()->sectionViewportPosition(FieldsModel::kMeaning) + 200, view->viewport()->width());
    // The file header, the info header, the 256 entries, the pixel data as one row.
    ASSERT_EQ(model->rowCount(), 4);
    EXPECT_EQ(model->rowCount(model->index(2, 0)), 256);
    EXPECT_EQ(model->rowCount(model->index(3, 0)), 0);
    const auto planes = [&] { return model->index(3, 0, model->index(1, 0)); };
    ASSERT_EQ(planes().data().toString(), QStringLiteral("biPlanes"));
    EXPECT_FALSE(planes().data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_TRUE(planes().data(Qt::ToolTipRole).toString().contains(QStringLiteral("\nerror: biPlanes is 2")));
    EXPECT_TRUE(model->index(2, 0, model->index(1, 0)).data(Qt::DecorationRole).isNull()) << "biHeight is sound";

    // Entry 2 of the counting table holds 08 09 0A 0B; biWidth is 4.
    view->setCurrentIndex(model->index(2, 0, model->index(2, 0)));
    EXPECT_EQ(LitText(Memo("mmoPalette")), QStringLiteral("08  09  0A  0B"));
    view->setCurrentIndex(model->index(1, 0, model->index(1, 0)));
    EXPECT_EQ(LitText(Memo("mmoInfoHeader")), QStringLiteral("04  00  00  00"));
    EXPECT_TRUE(LitText(Memo("mmoPalette")).isEmpty()) << "one lit range";
    // A byte lit in the dump chooses its row here: palette byte 5 is entry 1's green.
    const int charWidth = Memo("mmoPalette")->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    QTest::mouseClick(Memo("mmoPalette")->viewport(), Qt::LeftButton, {}, QPoint((5 * 4 + 1) * charWidth, kLine / 2));
    EXPECT_EQ(view->currentIndex(), model->index(1, 0, model->index(2, 0)));
    view->setCurrentIndex(model->index(1, 0, model->index(1, 0)));
    const QString place = Child<QLabel>("lblFieldPlace")->text();
    EXPECT_TRUE(place.startsWith(QStringLiteral("BITMAPINFOHEADER, biWidth (LONG, bytes 18–21) = 4 (0x00000004)")))
        << place.toStdString();

    // Mended by another program: the window follows, the finding goes.
    bytes[26] = 1;
    std::ofstream(path.toStdString(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return planes().isValid() && planes().data(Qt::DecorationRole).isNull(); }, 5000));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Fields — fields.bmp"));
    EXPECT_EQ(model->index(3, 4, model->index(1, 0)).data().toString(), QStringLiteral("0001"));

    form.close();
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace hexlume
