#include "io/SaveFile.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

namespace hexlume {
namespace {

namespace fs = std::filesystem;
using testing::CountingBytes;
using testing::ReadFileBytes;

class SaveFileTest : public ::testing::Test {
protected:
    SaveFileTest()
        : opened(dir.Write("opened.bmp", CountingBytes(5000))),
          descriptor(::open(opened.c_str(), O_RDONLY | O_CLOEXEC)),
          document(Source(-1)),
          copying(Source(descriptor))
    {
        const std::uint8_t edit[] = {0xAB, 0xCD};
        for (EditedBytes* edited : {&document, &copying}) {
            edited->Write(22, edit);
            edited->Resize(6000);
        }
    }
    ~SaveFileTest() override { ::close(descriptor); }

    // The opened file's bytes; with a descriptor, the save copies the unedited ones from the file.
    std::shared_ptr<const ByteSource> Source(int file)
    {
        auto bytes = std::make_shared<const std::vector<std::uint8_t>>(ReadFileBytes(opened));
        return std::make_shared<SpanSource>(*bytes, bytes, file);
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(dir.path()))
            names.push_back(entry.path().lexically_relative(dir.path()).string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string Path(const std::string& name) const { return (dir.path() / name).string(); }

    testing::TempDir dir;
    std::string opened;
    int descriptor;
    EditedBytes document;
    EditedBytes copying;
};

TEST_F(SaveFileTest, WritesTheEditedBytesAndNothingElse)
{
    dir.Write("old.bmp", CountingBytes(9000));
    ASSERT_GE(descriptor, 0);
    for (const auto& [edited, name] :
         {std::pair{&document, "new.bmp"}, {&document, "old.bmp"}, {&copying, "copied.bmp"}}) {
        const SaveResult saved = SaveDocument(*edited, Path(name), opened);
        ASSERT_TRUE(saved.ok) << saved.reason;
        EXPECT_EQ(ReadFileBytes(Path(name)), edited->Copy()) << name;
    }
    EXPECT_EQ(document.Copy(), copying.Copy());
    EXPECT_EQ(Names(), (std::vector<std::string>{"copied.bmp", "new.bmp", "old.bmp", "opened.bmp"}));
    EXPECT_EQ(ReadFileBytes(opened), CountingBytes(5000));
}

// A file written over keeps its permissions; a new one gets the umask's.
TEST_F(SaveFileTest, AReplacedFileKeepsItsPermissions)
{
    dir.Write("old.bmp", CountingBytes(10));
    fs::permissions(Path("old.bmp"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(SaveDocument(document, Path("old.bmp"), opened).ok);
    EXPECT_EQ(fs::status(Path("old.bmp")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const mode_t mask = ::umask(022);
    ::umask(mask);
    ASSERT_TRUE(SaveDocument(document, Path("new.bmp"), opened).ok);
    EXPECT_EQ(static_cast<mode_t>(fs::status(Path("new.bmp")).permissions()), 0666 & ~mask);
    EXPECT_EQ(ReadFileBytes(Path("old.bmp")), document.Copy());
}

TEST_F(SaveFileTest, AFailureLeavesNothingAndTheOpenedFileUntouched)
{
    dir.Write("file", {1});
    fs::create_directory(Path("folder"));
    fs::create_symlink(opened, Path("link.bmp"));
    fs::create_hard_link(opened, Path("hard.bmp"));
    for (const std::string& target : {Path("missing/out.bmp"), Path("file/out.bmp"), Path("folder"), opened,
                                     Path("./opened.bmp"), Path("link.bmp"), Path("hard.bmp")}) {
        const SaveResult saved = SaveDocument(document, target, opened);
        EXPECT_FALSE(saved.ok) << target;
        EXPECT_FALSE(saved.reason.Empty()) << target;
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"file", "folder", "hard.bmp", "link.bmp", "opened.bmp"}));
    EXPECT_EQ(ReadFileBytes(opened), CountingBytes(5000));
}

// A file-size limit fails the writes as a full disk does, part of the way through.
TEST_F(SaveFileTest, AWriteThatFailsPartWayLeavesNoPartialFile)
{
    dir.Write("old.bmp", CountingBytes(3));
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{.rlim_cur = 4096, .rlim_max = limit.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult saved = SaveDocument(document, Path("old.bmp"), opened);
    const SaveResult copied = SaveDocument(copying, Path("old.bmp"), opened);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);
    for (const SaveResult& result : {saved, copied}) {
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.reason.English().starts_with("cannot write the file: ")) << result.reason;
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"old.bmp", "opened.bmp"}));
    EXPECT_EQ(ReadFileBytes(Path("old.bmp")), CountingBytes(3));
}

}  // namespace
}  // namespace hexlume
