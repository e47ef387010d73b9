#include "model/EditedBytes.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace hexlume {
namespace {

using testing::CountingBytes;

// The document and a plain copy edited the simple way, side by side.
struct Pair {
    explicit Pair(std::vector<std::uint8_t> source)
        : shared(std::make_shared<std::vector<std::uint8_t>>(std::move(source))),
          document(std::make_shared<SpanSource>(*shared, shared)),
          plain(*shared)
    {
    }
    std::shared_ptr<std::vector<std::uint8_t>> shared;
    EditedBytes document;
    std::vector<std::uint8_t> plain;
};

// Everything a view reads of the document at one moment.
struct Seen {
    std::vector<std::uint8_t> bytes;
    std::vector<EditedRange> edited;
    bool operator==(const Seen&) const = default;
};

Seen Look(const EditedBytes& document)
{
    return {document.Copy(), document.EditedRanges()};
}

TEST(EditedBytesTest, UndoAndRedoGiveBackTheBytesExactly)
{
    Pair pair(CountingBytes(300, 7));
    std::mt19937 random(12345);
    std::vector<Seen> history{Look(pair.document)};
    bool lastWasWrite = false;
    // Writes (some joined to the one before), cuts and extensions, each checked against the
    // plain copy; then everything taken back and done again, step by step.
    for (int step = 0; step < 200; ++step) {
        const unsigned kind = random() % 10;
        if (kind < 7 && !pair.plain.empty()) {
            const std::size_t offset = random() % pair.plain.size();
            const std::size_t length = 1 + random() % std::min<std::size_t>(9, pair.plain.size() - offset);
            const auto bytes = CountingBytes(length, static_cast<std::uint8_t>(random()));
            const bool join = kind < 3 && lastWasWrite;
            ASSERT_TRUE(pair.document.Write(offset, bytes, join));
            std::copy(bytes.begin(), bytes.end(), pair.plain.begin() + static_cast<std::ptrdiff_t>(offset));
            if (join)
                history.pop_back();  // one step with the write before
            lastWasWrite = true;
        } else {
            const std::size_t size = random() % 400;
            pair.document.Resize(size);
            pair.plain.resize(size, 0);
            lastWasWrite = false;
        }
        ASSERT_EQ(pair.document.Copy(), pair.plain) << "step " << step;
        history.push_back(Look(pair.document));
    }
    for (std::size_t i = history.size() - 1; i-- > 0;) {
        ASSERT_TRUE(pair.document.Undo());
        ASSERT_EQ(Look(pair.document), history[i]) << "undone to " << i;
    }
    EXPECT_FALSE(pair.document.CanUndo());
    EXPECT_EQ(pair.document.EditedByteCount(), 0u);
    for (std::size_t i = 1; i < history.size(); ++i) {
        ASSERT_TRUE(pair.document.Redo());
        ASSERT_EQ(Look(pair.document), history[i]) << "redone to " << i;
    }
    EXPECT_FALSE(pair.document.Redo());
}

TEST(EditedBytesTest, JoinedWritesAreOneStepUntilAnUndo)
{
    Pair pair(CountingBytes(16));
    const std::uint8_t typed[] = {0xA0, 0xA1, 0xA2};
    pair.document.Write(4, std::span(typed, 1));
    pair.document.Write(5, std::span(typed + 1, 1), true);
    pair.document.Write(6, std::span(typed + 2, 1), true);
    EXPECT_EQ(pair.document.EditedRanges(), (std::vector<EditedRange>{{4, 3}}));
    ASSERT_TRUE(pair.document.Undo());
    EXPECT_FALSE(pair.document.CanUndo());
    EXPECT_EQ(pair.document.Copy(), *pair.shared);
    // After an undo a joined write starts a step of its own, and a new edit ends the redo.
    pair.document.Write(0, std::span(typed, 1), true);
    EXPECT_FALSE(pair.document.CanRedo());
    ASSERT_TRUE(pair.document.Undo());
    EXPECT_EQ(pair.document.Copy(), *pair.shared);
}

TEST(EditedBytesTest, AGroupOfWritesAndResizesIsOneStep)
{
    Pair pair(CountingBytes(16));
    const std::uint8_t byte[] = {0xEE};
    pair.document.Write(12, byte);  // before the group: its own step, partly cut by the group
    const Seen before = Look(pair.document);
    pair.document.BeginGroup();
    pair.document.Resize(10);
    pair.document.Write(2, byte);
    pair.document.Resize(20);
    pair.document.Write(18, byte);
    pair.document.EndGroup();
    const Seen after = Look(pair.document);
    ASSERT_TRUE(pair.document.Undo());
    EXPECT_EQ(Look(pair.document), before);
    ASSERT_TRUE(pair.document.Redo());
    EXPECT_EQ(Look(pair.document), after);
    ASSERT_TRUE(pair.document.Undo());
    ASSERT_TRUE(pair.document.Undo());
    EXPECT_FALSE(pair.document.CanUndo());
    EXPECT_EQ(pair.document.Copy(), *pair.shared);
}

TEST(EditedBytesTest, CountsOnlyBytesThatDiffer)
{
    Pair pair(CountingBytes(10));
    const std::uint8_t same[] = {2, 3};
    const std::uint8_t other[] = {0xEE};
    pair.document.Write(2, same);
    EXPECT_EQ(pair.document.EditedByteCount(), 0u);
    pair.document.Write(3, other);
    EXPECT_TRUE(pair.document.IsEdited(3));
    EXPECT_FALSE(pair.document.IsEdited(2));
    // Cut off and extended again, bytes 6 on are new zeros, whatever the source had.
    pair.document.Resize(6);
    pair.document.Resize(12);
    EXPECT_EQ(pair.document.EditedRanges(), (std::vector<EditedRange>{{3, 1}, {6, 6}}));
    EXPECT_EQ(pair.document.EditedByteCount(), 7u);
    EXPECT_EQ(pair.document.At(7), 0);
    EXPECT_FALSE(pair.document.Write(10, CountingBytes(3)));  // past the end: the size changes only by Resize
    EXPECT_TRUE(pair.document.HasUnsavedEdits());
    pair.document.MarkSaved();
    EXPECT_FALSE(pair.document.HasUnsavedEdits());
    pair.document.Undo();
    EXPECT_TRUE(pair.document.HasUnsavedEdits());
    pair.document.Redo();
    EXPECT_FALSE(pair.document.HasUnsavedEdits());
}

TEST(EditedBytesTest, WritesToASinkPieceByPiece)
{
    Pair pair(CountingBytes(1000));
    const std::uint8_t bytes[] = {1, 2, 3, 4, 5};
    pair.document.Write(3, bytes);
    pair.document.Write(500, bytes);
    pair.document.Resize(1200);
    for (const std::uint64_t piece : {1u, 7u, 4096u}) {
        std::vector<std::uint8_t> written;
        std::uint64_t largest = 0;
        ASSERT_TRUE(pair.document.WriteTo(
            [&](std::span<const std::uint8_t> part) {
                largest = std::max<std::uint64_t>(largest, part.size());
                written.insert(written.end(), part.begin(), part.end());
                return true;
            },
            piece));
        EXPECT_EQ(written, pair.document.Copy()) << piece;
        EXPECT_LE(largest, piece);
    }
    int calls = 0;
    EXPECT_FALSE(pair.document.WriteTo([&calls](std::span<const std::uint8_t>) { return ++calls < 2; }, 100));
    EXPECT_EQ(calls, 2);
}


// After a save the tint counts against the saved bytes, while undo reaches back past them.
TEST(EditedBytesTest, AfterASaveEditsCountAgainstTheSavedBytes)
{
    Pair pair(CountingBytes(10));
    const std::uint8_t edit[] = {0xEE};
    pair.document.Write(3, edit);
    pair.document.Resize(8);
    pair.document.MarkSaved();
    EXPECT_EQ(pair.document.EditedRanges(), std::vector<EditedRange>{});
    EXPECT_EQ(pair.document.SavedSize(), 8u);
    EXPECT_EQ(pair.document.RangesOffSource(), (std::vector<EditedRange>{{3, 1}}));
    // Back to 10 bytes: the two past the saved end are new; then byte 3 differs from the saved one.
    ASSERT_TRUE(pair.document.Undo());
    EXPECT_EQ(pair.document.EditedRanges(), (std::vector<EditedRange>{{8, 2}}));
    ASSERT_TRUE(pair.document.Undo());
    EXPECT_EQ(pair.document.EditedRanges(), (std::vector<EditedRange>{{3, 1}, {8, 2}}));
    EXPECT_TRUE(pair.document.IsEdited(3));
    EXPECT_FALSE(pair.document.IsEdited(4));
    EXPECT_EQ(pair.document.Copy(), *pair.shared);
    // Cut below the saved end and extended again, the saved bytes cut off are new zeros.
    ASSERT_TRUE(pair.document.Redo());
    ASSERT_TRUE(pair.document.Redo());
    pair.document.Resize(5);
    pair.document.Resize(8);
    EXPECT_EQ(pair.document.EditedRanges(), (std::vector<EditedRange>{{5, 3}}));
    EXPECT_EQ(pair.document.RangesOffSource(), (std::vector<EditedRange>{{3, 1}, {5, 3}}));
}

// The window's one block: patched in place with edits, while the source over it still reads
// the file's own bytes, and hands out the block directly only where nothing is patched.
TEST(EditedBytesTest, APatchedSourceReadsTheFileBackFromItsPatchedBlock)
{
    const std::vector<std::uint8_t> file = CountingBytes(100);
    std::shared_ptr<std::uint8_t[]> block(new std::uint8_t[100]);
    std::copy(file.begin(), file.end(), block.get());
    PatchedSource source(block, 100);
    const auto patch = [&source](std::uint64_t offset, std::size_t length, std::uint8_t value) {
        source.Patch(offset, std::vector<std::uint8_t>(length, value));
    };
    patch(10, 3, 0xA1);
    patch(12, 4, 0xA2);  // over the end of the last patch
    patch(9, 1, 0xA3);   // touching its start
    patch(40, 2, 0xA4);
    patch(40, 2, 0xA5);  // the file's bytes are kept before the first patch only
    EXPECT_EQ(block[11], 0xA1);
    EXPECT_EQ(block[41], 0xA5);
    EXPECT_EQ(source.KeptBytes(), 9u);
    std::vector<std::uint8_t> read(100);
    source.ReadAt(0, read);
    EXPECT_EQ(read, file);
    EXPECT_FALSE(source.Held(0, 9).empty());
    EXPECT_TRUE(source.Held(5, 5).empty());
    EXPECT_TRUE(source.Held(15, 30).empty());
    EXPECT_FALSE(source.Held(16, 24).empty());

    // A larger block for a longer document: bytes past the file's end are no file bytes to keep.
    std::shared_ptr<std::uint8_t[]> larger(new std::uint8_t[150]);
    std::copy(block.get(), block.get() + 100, larger.get());
    source.Grow(larger, 150);
    patch(95, 20, 0xA6);
    EXPECT_EQ(source.KeptBytes(), 14u);
    EXPECT_EQ(larger[110], 0xA6);
    source.ReadAt(0, read);
    EXPECT_EQ(read, file);

    // A document over it reads the file, and saves it from the source's reading where patched.
    EditedBytes document(std::make_shared<PatchedSource>(source));
    EXPECT_EQ(document.Copy(), file);
    std::vector<std::uint8_t> written;
    ASSERT_TRUE(document.WriteTo([&](std::span<const std::uint8_t> part) {
        written.insert(written.end(), part.begin(), part.end());
        return true;
    }));
    EXPECT_EQ(written, file);
}

}  // namespace
}  // namespace hexlume
