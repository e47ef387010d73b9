// Faults a user can cause: files that vanish, folders that refuse the export, a full disk,
// hostile names, many opens in a row, and an open started while another is asking.

#include "WindowTestSupport.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <sys/mount.h>
#include <unistd.h>

#include <fstream>

namespace hexlume {
namespace {

// 1024 palette bytes and 40000 pixel bytes: taller than the pane, so the export is offered.
std::vector<std::uint8_t> TallBitmap()
{
    return Pal8Bitmap(200, 200, CountingBytes(40000));
}

// A small tmpfs of our own, for a full or read-only folder even as root; absent when this
// process may not mount.
class ScratchMount {
public:
    ScratchMount(const std::filesystem::path& where, const char* options) : m_where(where)
    {
        std::filesystem::create_directories(where);
        m_mounted = ::mount("tmpfs", where.c_str(), "tmpfs", 0, options) == 0;
    }
    ~ScratchMount()
    {
        if (m_mounted)
            ::umount2(m_where.c_str(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    bool MakeReadOnly() { return ::mount(nullptr, m_where.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }

private:
    std::filesystem::path m_where;
    bool m_mounted = false;
};

long ResidentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

using FaultTest = MainFormTest;

TEST_F(FaultTest, FileGoneBetweenTheDialogAndTheLoad)
{
    Open(WritePicture("first.bmp", SmallBitmap()));
    const Views before = Snapshot();
    const QString gone = WritePicture("gone.bmp", SmallBitmap());
    std::filesystem::remove(gone.toStdString());
    Open(gone);
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].startsWith(gone));
    ExpectSameViews(before);
}

TEST_F(FaultTest, UnreadableFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads any file: the unreadable case cannot be made";
    Open(WritePicture("first.bmp", SmallBitmap()));
    const Views before = Snapshot();
    const QString locked = WritePicture("locked.bmp", SmallBitmap());
    std::filesystem::permissions(locked.toStdString(), std::filesystem::perms::none);
    Open(locked);
    EXPECT_EQ(platform.errors.size(), 1);
    ExpectSameViews(before);
}

// The export cannot be written: the user is told, and no editor opens an empty or partial file.
TEST_F(FaultTest, ExportIntoAReadOnlyFolder)
{
    const auto folder = dir.path() / "readonly";
    ScratchMount mount(folder, "size=1m");
    const QString picture = QString::fromStdString((folder / "tall.bmp").string());
    {
        const auto bytes = TallBitmap();
        std::ofstream(folder / "tall.bmp", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    if (mount.mounted() ? !mount.MakeReadOnly() : ::geteuid() == 0)
        GTEST_SKIP() << "cannot make a read-only folder here";
    if (!mount.mounted())
        std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);

    platform.yesNoAnswers = {true};
    Open(picture);
    EXPECT_EQ(platform.messages, QStringList{"文件导出失败！"});
    EXPECT_EQ(platform.editorFiles, QStringList());
    EXPECT_FALSE(std::filesystem::exists(folder / "tall.bmp.txt"));
    if (!mount.mounted())
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);  // for the clean-up
}

TEST_F(FaultTest, ExportOntoAFullDisk)
{
    // Room for the 42 KB picture but not for its 166 KB dump.
    const auto folder = dir.path() / "full";
    ScratchMount mount(folder, "size=96k");
    if (!mount.mounted())
        GTEST_SKIP() << "cannot mount a small file system here";
    const auto bytes = TallBitmap();
    std::ofstream(folder / "tall.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

    platform.yesNoAnswers = {true};
    Open(QString::fromStdString((folder / "tall.bmp").string()));
    EXPECT_EQ(platform.messages, QStringList{"文件导出失败！"});
    EXPECT_EQ(platform.editorFiles, QStringList());
}

// Shell-like names are only ever bytes of a file name: nothing runs, and the editor is handed
// the one path.
TEST_F(FaultTest, HostileNamesAreExportedUnderTheirOwnName)
{
    for (const std::string name : {"my pic \"q\" ';$(touch pwned)`touch pwned2`.bmp", "-rf 图像 & echo.bmp"}) {
        SCOPED_TRACE(name);
        platform.yesNoAnswers = {true};
        platform.editorFiles.clear();
        Open(WritePicture(name, TallBitmap()));
        const auto exported = dir.path() / "pics" / (name + ".txt");
        EXPECT_TRUE(std::filesystem::is_regular_file(exported));
        EXPECT_EQ(platform.editorFiles, QStringList{QString::fromStdString(exported.string())});
        EXPECT_EQ(Status(0), QString::fromStdString("图像名称:" + name));
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().rfind("pwned", 0), std::string::npos) << entry.path();
    EXPECT_EQ(platform.errors, QStringList());
}

// g++ says __SANITIZE_ADDRESS__, clang __has_feature(address_sanitizer).
#if defined(__SANITIZE_ADDRESS__)
#define HEXLUME_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HEXLUME_ADDRESS_SANITIZER
#endif
#endif
TEST_F(FaultTest, ThousandOpensDoNotGrowTheMemory)
{
#if defined(HEXLUME_ADDRESS_SANITIZER)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine; LeakSanitizer checks this build";
#endif
    constexpr int kOpens = 1000;
    constexpr int kWarmUp = 100;
    long warmedUp = 0;
    for (int open = 0; open < kOpens; ++open) {
        const int side = 1 + open % 37;
        Open(WritePicture("p" + std::to_string(open) + ".bmp",
                          Pal8Bitmap(side, side, CountingBytes(static_cast<std::size_t>((side + 3) / 4 * 4 * side)))));
        std::filesystem::remove(dir.path() / "pics" / ("p" + std::to_string(open) + ".bmp"));
        if (open + 1 == kWarmUp)
            warmedUp = ResidentKilobytes();
    }
    EXPECT_EQ(platform.errors, QStringList());
    EXPECT_EQ(Status(0), QStringLiteral("图像名称:p%1.bmp").arg(kOpens - 1));
    EXPECT_LT(ResidentKilobytes() - warmedUp, 8 * 1024) << "kilobytes grown over " << kOpens - kWarmUp << " opens";
}

TEST_F(FaultTest, NoOpenStartsWhileTheExportQuestionIsAsked)
{
    const QString other = WritePicture("other.bmp", SmallBitmap());
    platform.duringQuestion = [&] {
        platform.openAnswers << other;
        QTest::mouseClick(Child<QLabel>("imgRevView"), Qt::LeftButton);
        form.OpenPicture();
    };
    Open(WritePicture("tall.bmp", TallBitmap()));
    EXPECT_EQ(platform.openFolders.size(), 1);  // no second dialog
    EXPECT_EQ(platform.questions.size(), 1);
    EXPECT_EQ(Status(0), QStringLiteral("图像名称:tall.bmp"));

    // The real question blocks the whole application, not just its own window.
    QtPlatform desktop;
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        modality = box->windowModality();
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(desktop.AskYesNo(&form, "提示", "?"));
    EXPECT_EQ(modality, Qt::ApplicationModal);
}

}  // namespace
}  // namespace hexlume
