#include "BmpBuilder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace hexlume::testing {

namespace {

void PutLe(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> BuildBitmap(const BitmapFields& fields)
{
    const std::size_t total = kBuiltHeadersSize + fields.palette.size() + fields.pixels.size();
    std::vector<std::uint8_t> out;
    out.reserve(total);
    PutLe(out, fields.type, 2);
    PutLe(out, fields.fileSize != 0 ? fields.fileSize : total, 4);
    PutLe(out, fields.reserved1, 2);
    PutLe(out, fields.reserved2, 2);
    PutLe(out, fields.offBits != 0 ? fields.offBits : kBuiltHeadersSize + fields.palette.size(), 4);
    PutLe(out, fields.infoSize, 4);
    PutLe(out, static_cast<std::uint32_t>(fields.width), 4);
    PutLe(out, static_cast<std::uint32_t>(fields.height), 4);
    PutLe(out, fields.planes, 2);
    PutLe(out, fields.bitCount, 2);
    PutLe(out, fields.compression, 4);
    PutLe(out, fields.sizeImage, 4);
    PutLe(out, static_cast<std::uint32_t>(fields.xPelsPerMeter), 4);
    PutLe(out, static_cast<std::uint32_t>(fields.yPelsPerMeter), 4);
    PutLe(out, fields.clrUsed, 4);
    PutLe(out, fields.clrImportant, 4);
    out.insert(out.end(), fields.palette.begin(), fields.palette.end());
    out.insert(out.end(), fields.pixels.begin(), fields.pixels.end());
    return out;
}

std::vector<std::uint8_t> BuildChanged(BitmapFields fields, const std::function<void(BitmapFields&)>& change)
{
    change(fields);
    return BuildBitmap(fields);
}

std::vector<std::uint8_t> CutTo(std::vector<std::uint8_t> bytes, std::size_t keep)
{
    bytes.resize(keep);
    return bytes;
}

void WriteNoiseBitmap(const std::filesystem::path& path, const BitmapFields& fields, std::uint64_t noiseBytes)
{
    BitmapFields head = fields;
    head.pixels.clear();
    const std::uint64_t fileSize = kBuiltHeadersSize + head.palette.size() + noiseBytes;
    if (head.fileSize == 0) {
        if (fileSize > UINT32_MAX)
            throw std::invalid_argument("the bitmap is too large for its size fields");
        head.fileSize = static_cast<std::uint32_t>(fileSize);
    }
    const std::vector<std::uint8_t> headers = BuildBitmap(head);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(headers.data()), static_cast<std::streamsize>(headers.size()));

    constexpr std::size_t kPiece = std::size_t{1} << 20;  // a multiple of 8: the generator's word
    std::vector<char> piece(kPiece);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    for (std::uint64_t written = 0; written < noiseBytes && out;) {
        const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, noiseBytes - written));
        for (std::size_t i = 0; i < length; i += 8) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            for (std::size_t byte = 0; byte < 8 && i + byte < length; ++byte)
                piece[i + byte] = static_cast<char>((state >> (8 * byte)) & 0xFF);
        }
        out.write(piece.data(), static_cast<std::streamsize>(length));
        written += length;
    }
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::vector<std::uint8_t> CountingBytes(std::size_t count, std::uint8_t first)
{
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(first + i);
    return bytes;
}

TempDir::TempDir()
{
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = std::filesystem::temp_directory_path() / ("hexlume-test-" + std::to_string(seed()));
        if (std::filesystem::create_directory(candidate)) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDir::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
{
    const auto file = m_path / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    return file.string();
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path BmpSuiteDir()
{
    const char* override = std::getenv("HEXLUME_BMPSUITE");
    const std::filesystem::path dir = override != nullptr ? override : HEXLUME_DEFAULT_BMPSUITE;
    std::error_code error;
    return std::filesystem::is_directory(dir, error) ? dir : std::filesystem::path();
}

}  // namespace hexlume::testing
