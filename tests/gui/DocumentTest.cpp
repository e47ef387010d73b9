#include "WindowTestSupport.h"
#include "mainform/FieldsModel.h"
#include "mainform/FileDocument.h"
#include "mainform/FindingsBadge.h"
#include "mainform/SeverityLook.h"

#include <QTreeView>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace hexlume {
namespace {

std::vector<std::uint8_t> Bytes(const CDib& model)
{
    return {model.FileBytes().begin(), model.FileBytes().end()};
}

std::vector<std::uint8_t> ReadFile(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class DocumentTest : public MainFormTest {
protected:
    // biHeight 2 → -2 (bytes 22 to 25, four of them change) and biPlanes 1 → 2 (byte 26), an error.
    std::vector<std::uint8_t> EditHeightAndPlanes()
    {
        const std::uint8_t height[] = {0xFE, 0xFF, 0xFF, 0xFF, 0x02};
        EXPECT_TRUE(form.Document()->Write(22, height));
        std::vector<std::uint8_t> edited = SmallBitmap();
        std::copy(std::begin(height), std::end(height), edited.begin() + 22);
        return edited;
    }
    // The memo's marks in the edited bytes' tint (or another), as the text they cover.
    QStringList EditTinted(const char* memo, Mark tint = Mark::Edited)
    {
        QStringList tinted;
        for (const QTextEdit::ExtraSelection& mark : Memo(memo)->extraSelections())
            if (mark.format.background().color() == MarkTint(tint))
                tinted << mark.cursor.selectedText();
        return tinted;
    }
    QStringList InfoValues() { return Column(Child<QTableWidget>("sgdInfoHeader"), 2); }
};

// One edit, every view; then undo and redo give the bytes back exactly, by the window's keys.
TEST_F(DocumentTest, AnEditReachesEveryViewAndUndoRedoGiveTheBytesBack)
{
    const std::vector<std::uint8_t> original = SmallBitmap();
    Open(WritePicture("small.bmp", original));
    QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    auto* view = Child<QWidget>("FieldsWindow")->findChild<QTreeView*>(QStringLiteral("tvwFields"));
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* fields = view->model();
    const auto heightDecimal = [&] {
        return fields->index(2, FieldsModel::kDecimal, fields->index(1, 0)).data().toString();
    };
    ASSERT_EQ(heightDecimal(), QStringLiteral("2"));
    const QStringList valuesBefore = InfoValues();
    const QString badgeBefore = Child<FindingsBadge>("lblFindings")->Text();
    const QString dumpBefore = Memo("mmoInfoHeader")->toPlainText();

    const auto* pixels = Memo("mmoData");
    const int charWidth = pixels->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    QTest::mouseClick(pixels->viewport(), Qt::LeftButton, {}, QPoint((3 * 4 + 1) * charWidth, kLine / 2));
    const QString lit = pixels->extraSelections().value(pixels->extraSelections().size() - 1).cursor.selectedText();
    ASSERT_EQ(lit, QStringLiteral("00"));  // pixel byte 3, the second pixel's blue

    const std::uint8_t* const block = form.Model().FileBytes().data();
    const std::vector<std::uint8_t> edited = EditHeightAndPlanes();
    EXPECT_EQ(Bytes(form.Model()), edited);
    EXPECT_EQ(form.Model().FileBytes().data(), block) << "the file's block patched, not copied";
    const QList<QTextEdit::ExtraSelection> stillLit = pixels->extraSelections();
    ASSERT_FALSE(stillLit.isEmpty()) << "the lit byte stays lit";
    EXPECT_EQ(stillLit.last().cursor.selectionStart(), 3 * 4);
    const QStringList valuesAfter = InfoValues();
    EXPECT_NE(valuesAfter[2], valuesBefore[2]) << "biHeight";
    EXPECT_NE(valuesAfter[3], valuesBefore[3]) << "biPlanes";
    EXPECT_EQ(valuesAfter[1], valuesBefore[1]) << "biWidth";
    EXPECT_TRUE(Memo("mmoInfoHeader")->toPlainText().contains(QStringLiteral("FE  FF  FF  FF  02  00")));
    EXPECT_EQ(EditTinted("mmoInfoHeader"), QStringList{QStringLiteral("FE  FF  FF  FF  02")});
    EXPECT_NE(Child<FindingsBadge>("lblFindings")->Text(), badgeBefore) << "biPlanes 2 is an error";
    EXPECT_EQ(heightDecimal(), QStringLiteral("-2"));
    EXPECT_EQ(form.FollowSignText(), QStringLiteral("5 bytes edited"));

    // Keys of the whole window; no depth limit to reach the opened bytes again.
    for (std::uint8_t value = 3; value < 40; ++value)
        ASSERT_TRUE(form.Document()->Write(26, std::span(&value, 1)));
    for (int step = 0; step < 37; ++step)
        QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Bytes(form.Model()), edited);
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Bytes(form.Model()), original);
    EXPECT_EQ(form.Model().FileBytes().data(), block);
    EXPECT_EQ(InfoValues(), valuesBefore);
    EXPECT_EQ(Memo("mmoInfoHeader")->toPlainText(), dumpBefore);
    EXPECT_TRUE(EditTinted("mmoInfoHeader").isEmpty());
    EXPECT_EQ(Child<FindingsBadge>("lblFindings")->Text(), badgeBefore);
    EXPECT_TRUE(form.FollowSignText().isEmpty());
    EXPECT_FALSE(Child<QAction>("pmiUndo")->isEnabled());
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Bytes(form.Model()), edited);

    QTest::keyClick(&form, Qt::Key_Y, Qt::ControlModifier);
    std::vector<std::uint8_t> third = edited;
    third[26] = 3;
    EXPECT_EQ(Bytes(form.Model()), third);

    // Bytes that are no bitmap's leave the last good views, saying so; undo brings the views back.
    const std::uint8_t notBm[] = {'X', 'X'};
    ASSERT_TRUE(form.Document()->Write(0, notBm));
    EXPECT_EQ(Bytes(form.Model()), third);
    EXPECT_TRUE(form.FollowSignText().startsWith(QStringLiteral("Not a bitmap as edited")));
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.FollowSignText(), QStringLiteral("5 bytes edited"));
    EXPECT_EQ(Bytes(form.Model()), third);
}

// The opened file is refused as a target, a failed save leaves nothing, a good one writes the
// edited bytes; the window then names and follows the saved file, and undo goes on across it.
TEST_F(DocumentTest, SaveAsWritesTheEditsNeverTheOpenedFileAndFollowsTheSavedOne)
{
    const QString opened = WritePicture("opened.bmp", SmallBitmap());
    Open(opened);
    const std::vector<std::uint8_t> edited = EditHeightAndPlanes();
    const auto pics = [&] {
        QStringList names =
            QDir(Q(dir.path() / "pics")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        names.sort();
        return names;
    };
    std::filesystem::create_directory(dir.path() / "pics" / "folder.bmp");
    const QStringList before = pics();

    platform.saveAnswers << opened << Q(dir.path() / "pics" / "folder.bmp") << Q(dir.path() / "pics" / "no" / "x.bmp");
    for (int attempt = 0; attempt < 3; ++attempt)
        QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(platform.errors.size(), 3);
    const char* const reasons[] = {"opened file, which is never written", "a folder has that name",
                                   "cannot create a file"};
    for (int error = 0; error < 3; ++error)
        EXPECT_TRUE(platform.errors[error].contains(QLatin1String(reasons[error])))
            << platform.errors[error].toStdString();
    EXPECT_EQ(pics(), before) << "nothing left behind";
    EXPECT_EQ(ReadFile(opened), SmallBitmap());
    EXPECT_TRUE(form.Document()->HasUnsavedEdits());
    EXPECT_EQ(platform.saveSuggestions.value(0), Q(dir.path() / "pics" / "opened-edited.bmp"));

    const QString saved = Q(dir.path() / "pics" / "saved.bmp");
    platform.saveAnswers << saved;
    Child<QAction>("pmiSaveAs")->trigger();
    EXPECT_EQ(ReadFile(saved), edited);
    EXPECT_EQ(ReadFile(opened), SmallBitmap());
    EXPECT_FALSE(form.Document()->HasUnsavedEdits());
    EXPECT_TRUE(Status(0).contains(QStringLiteral("saved.bmp"))) << Status(0).toStdString();
    // Edits now count against the saved file: none, until an undo brings the opened bytes back.
    EXPECT_EQ(form.FollowSignText(), QStringLiteral("Saved as saved.bmp"));
    EXPECT_TRUE(EditTinted("mmoInfoHeader").isEmpty());
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Bytes(form.Model()), SmallBitmap()) << "the history goes on across the save";
    EXPECT_TRUE(form.Document()->HasUnsavedEdits());
    EXPECT_EQ(EditTinted("mmoInfoHeader"), QStringList{QStringLiteral("02  00  00  00  01")});
    EXPECT_EQ(form.FollowSignText(), QStringLiteral("5 bytes edited"));
    QTest::keyClick(&form, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(form.Document()->HasUnsavedEdits());

    // Followed: another program's write to the saved file is read again, asking nothing.
    std::vector<std::uint8_t> rewritten = edited;
    rewritten[26] = 1;
    std::ofstream(saved.toStdString(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(rewritten.data()), static_cast<std::streamsize>(rewritten.size()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.FollowSignText().startsWith(QStringLiteral("Reloaded")); }, 5000));
    EXPECT_EQ(Bytes(form.Model()), rewritten);
    EXPECT_TRUE(platform.unsavedQuestions.isEmpty());
    // The reload's tint stays beside the next edit's.
    EXPECT_EQ(EditTinted("mmoInfoHeader", Mark::Changed), QStringList{QStringLiteral("01")});
    const std::uint8_t resolution[] = {0x77};
    ASSERT_TRUE(form.Document()->Write(38, resolution));
    EXPECT_EQ(EditTinted("mmoInfoHeader", Mark::Changed), QStringList{QStringLiteral("01")});
    EXPECT_EQ(EditTinted("mmoInfoHeader"), QStringList{QStringLiteral("77")});
}

// The model shows the one block the document's source patches: after any run of writes, cuts,
// extensions, undos and redos it holds the document's bytes exactly, and the file's own bytes
// come back when everything is undone.
TEST_F(DocumentTest, ThePatchedBlockAlwaysHoldsTheDocumentsBytes)
{
    const std::vector<std::uint8_t> original = Pal8Bitmap(16, 16, CountingBytes(256));
    Open(WritePicture("patched.bmp", original));
    FileDocument& document = *form.Document();
    std::mt19937 random(2024);
    const std::uint64_t first = 54;  // past the headers, so the bytes stay a bitmap's
    for (int step = 0; step < 80; ++step) {
        const std::uint64_t size = document.Bytes().Size();
        const unsigned kind = random() % 10;
        if (kind < 5 && size > first) {
            const std::uint64_t offset = first + random() % (size - first);
            const std::size_t length = 1 + random() % std::min<std::uint64_t>(40, size - offset);
            document.Write(offset, CountingBytes(length, static_cast<std::uint8_t>(random())));
        } else if (kind < 7) {
            document.Resize(first + random() % (original.size() + 600 - first));
        } else if (kind < 9) {
            document.Undo();
        } else {
            document.Redo();
        }
        ASSERT_EQ(Bytes(form.Model()), document.Bytes().Copy()) << "step " << step;
    }
    while (document.Undo()) {
    }
    EXPECT_EQ(Bytes(form.Model()), original);
}

TEST_F(DocumentTest, UnsavedEditsAskBeforeAnotherFileOpensOrTheWindowCloses)
{
    const QString first = WritePicture("first.bmp", SmallBitmap());
    const QString second = WritePicture("second.bmp", Pal8Bitmap(2, 2, CountingBytes(8)));
    Open(first);
    const std::vector<std::uint8_t> edited = EditHeightAndPlanes();
    const Views views = Snapshot();

    platform.unsavedAnswers = {Platform::UnsavedAnswer::Cancel};
    Open(second);
    ASSERT_EQ(platform.unsavedQuestions.size(), 1);
    EXPECT_TRUE(platform.unsavedQuestions[0].contains(QStringLiteral("first.bmp")));
    ExpectSameViews(views);
    EXPECT_EQ(Bytes(form.Model()), edited);
    EXPECT_TRUE(form.Document()->CanUndo());

    form.close();  // Cancel again: an empty queue
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(platform.unsavedQuestions.size(), 2);

    platform.unsavedAnswers = {Platform::UnsavedAnswer::Discard};
    Open(second);
    EXPECT_TRUE(Status(0).contains(QStringLiteral("second.bmp"))) << Status(0).toStdString();
    EXPECT_EQ(Bytes(form.Model()), Pal8Bitmap(2, 2, CountingBytes(8)));
    EXPECT_FALSE(form.Document()->CanUndo());
    EXPECT_EQ(ReadFile(first), SmallBitmap());

    // Save: the edits go to a new file first, then the other file opens.
    const std::uint8_t zero = 0;
    ASSERT_TRUE(form.Document()->Write(60, std::span(&zero, 1)));
    const QString kept = Q(dir.path() / "pics" / "kept.bmp");
    platform.unsavedAnswers = {Platform::UnsavedAnswer::Save};
    platform.saveAnswers << kept;
    Open(first);
    EXPECT_EQ(ReadFile(kept)[60], 0);
    EXPECT_TRUE(Status(0).contains(QStringLiteral("first.bmp"))) << Status(0).toStdString();
    EXPECT_EQ(platform.unsavedQuestions.size(), 4);

    // The followed file rewritten by another program under unsaved edits: Cancel keeps them and
    // the views, Discard reads the file again.
    ASSERT_TRUE(form.Document()->Write(60, std::span(&zero, 1)));
    const std::vector<std::uint8_t> edits = Bytes(form.Model());
    std::vector<std::uint8_t> rewritten = SmallBitmap();
    const auto rewrite = [&](std::uint8_t value) {
        rewritten[54] = value;
        std::ofstream(first.toStdString(), std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(rewritten.data()), static_cast<std::streamsize>(rewritten.size()));
    };
    rewrite(0x11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform.unsavedQuestions.size() == 5; }, 5000));
    EXPECT_TRUE(platform.unsavedQuestions[4].contains(QStringLiteral("changed on disk")));
    EXPECT_EQ(Bytes(form.Model()), edits);
    platform.unsavedAnswers = {Platform::UnsavedAnswer::Discard};
    rewrite(0x22);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Bytes(form.Model()) == rewritten; }, 5000));
    EXPECT_FALSE(form.Document()->CanUndo());
}

}  // namespace
}  // namespace hexlume
