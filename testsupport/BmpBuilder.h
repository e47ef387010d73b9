#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace hexlume::testing {

// The fields of a bitmap to generate; the defaults make a valid 24-bit bottom-up bitmap
// whose sizes follow from the palette and pixel bytes given.
struct BitmapFields {
    std::uint16_t type = 0x4D42;
    std::uint32_t fileSize = 0;  // 0: the real size
    std::uint16_t reserved1 = 0;
    std::uint16_t reserved2 = 0;
    std::uint32_t offBits = 0;  // 0: 14 + infoSize + palette size
    std::uint32_t infoSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 2835;
    std::int32_t yPelsPerMeter = 2835;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
    // Bytes after the 40-byte info header (with infoSize 40: the palette, then the pixels).
    std::vector<std::uint8_t> palette{};
    std::vector<std::uint8_t> pixels{};
};

// The file header and the 40-byte info header BuildBitmap starts with.
inline constexpr std::uint32_t kBuiltHeadersSize = 14 + 40;

std::vector<std::uint8_t> BuildBitmap(const BitmapFields& fields);
// The bitmap of `fields` after `change`: one field broken, the rest as given.
std::vector<std::uint8_t> BuildChanged(BitmapFields fields, const std::function<void(BitmapFields&)>& change);
// The first `keep` bytes: a file cut short.
std::vector<std::uint8_t> CutTo(std::vector<std::uint8_t> bytes, std::size_t keep);

// Writes the bitmap of `fields` with `noiseBytes` pseudo-random bytes after its palette in place
// of `pixels` (xorshift64: every byte value turns up, and no pattern helps a reader or a scaler).
// They are streamed in 1 MiB pieces, so even a 512 MB bitmap costs no more memory than that and
// a benchmark that measures its own peak memory can make its input in the same process. A
// fileSize of 0 counts the noise; a file too large for the 32-bit size fields is refused.
void WriteNoiseBitmap(const std::filesystem::path& path, const BitmapFields& fields, std::uint64_t noiseBytes);

// Bytes 0, 1, 2, … 255, 0, 1, … : every byte tells where it came from.
std::vector<std::uint8_t> CountingBytes(std::size_t count, std::uint8_t first = 0);

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // Writes bytes to name inside the folder and returns the full path.
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

private:
    std::filesystem::path m_path;
};

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

// The public bitmap suite beside the project, when present (empty path otherwise).
std::filesystem::path BmpSuiteDir();

}  // namespace hexlume::testing
