#include "WindowTestSupport.h"

#include <QScrollArea>
#include <QScrollBar>

#include <filesystem>
#include <fstream>

namespace hexlume {
namespace {

// Tall enough that the pane scrolls: 64 x 64 pixels of one index, 4 096 bytes of pixel data.
std::vector<std::uint8_t> Picture(std::uint8_t index)
{
    return Pal8Bitmap(64, 64, std::vector<std::uint8_t>(64 * 64, index));
}

void WriteFile(const QString& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class FollowTest : public MainFormTest {
protected:
    // The sign shows, and its whole text fits in it, as the label lays it out.
    bool WaitForSign(const QString& start)
    {
        if (!QTest::qWaitFor([&] { return form.FollowSignText().startsWith(start); }, 5000))
            return false;
        const QLabel* sign = Child<QLabel>("lblFollowSign");
        const QRect room = sign->contentsRect().adjusted(sign->margin(), sign->margin(), -sign->margin(), -sign->margin());
        const QRect needed = sign->fontMetrics().boundingRect(room, int(sign->alignment()) | Qt::TextWordWrap, sign->text());
        EXPECT_TRUE(room.contains(needed)) << sign->text().toStdString() << " needs " << needed.width() << "x"
                                           << needed.height() << ", has " << room.width() << "x" << room.height();
        return true;
    }
    // The dump writes a byte as two digits and two blanks.
    bool DataShows(const char* hex) { return Memo("mmoData")->toPlainText().contains(QLatin1String(hex)); }
    QScrollBar* PaneBar() { return Child<QScrollArea>("sbxFile")->verticalScrollBar(); }
};

TEST_F(FollowTest, AFileNamedAtStartOpensByTheDialogsRoad)
{
    const QString path = WritePicture("start.bmp", Picture(1));
    form.OpenAtStart(path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Status(0).contains("start.bmp"); }, 5000)) << Status(0).toStdString();
    EXPECT_EQ(Canonical(QDir::currentPath()), Canonical(Q(dir.path() / "pics")));
}

// Rewritten in place, replaced by a rename, deleted, caught half-written: each settled version
// the model can read replaces the views where they were; the others leave them, with a sign.
TEST_F(FollowTest, ReloadsWhatAnotherProgramWritesAndKeepsThePlace)
{
    const QString path = WritePicture("followed.bmp", Picture(1));
    Open(path);
    ASSERT_GT(PaneBar()->maximum(), 200);
    PaneBar()->setValue(200);
    ASSERT_TRUE(form.FollowSignText().isEmpty());

    WriteFile(path, Picture(2));
    ASSERT_TRUE(WaitForSign("Reloaded")) << form.FollowSignText().toStdString();
    EXPECT_EQ(form.FollowSignText(), "Reloaded: 4 096 bytes changed");
    EXPECT_TRUE(DataShows("02  02  02  02"));
    EXPECT_EQ(PaneBar()->value(), 200);
    EXPECT_FALSE(Memo("mmoData")->extraSelections().isEmpty());

    const QString replacement = WritePicture("followed.tmp", Picture(3));
    std::filesystem::rename(replacement.toStdString(), path.toStdString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return DataShows("03  03  03  03"); }, 5000));
    EXPECT_EQ(PaneBar()->value(), 200);

    std::filesystem::remove(path.toStdString());
    ASSERT_TRUE(WaitForSign("File gone")) << form.FollowSignText().toStdString();
    EXPECT_TRUE(DataShows("03  03  03  03"));

    const std::vector<std::uint8_t> whole = Picture(4);
    WriteFile(path, std::vector<std::uint8_t>(whole.begin(), whole.begin() + 30));
    ASSERT_TRUE(WaitForSign("Unreadable now")) << form.FollowSignText().toStdString();
    EXPECT_TRUE(DataShows("03  03  03  03"));
    WriteFile(path, whole);
    ASSERT_TRUE(QTest::qWaitFor([&] { return DataShows("04  04  04  04"); }, 5000));
    EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('\n').toStdString();
    EXPECT_TRUE(platform.questions.isEmpty());

    // A new open forgets the marks and the sign.
    Open(WritePicture("other.bmp", Picture(5)));
    EXPECT_TRUE(form.FollowSignText().isEmpty());
    EXPECT_TRUE(Memo("mmoData")->extraSelections().isEmpty());
}

}  // namespace
}  // namespace hexlume
