#include "BmpBuilder.h"

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
    const std::size_t total = 54 + fields.palette.size() + fields.pixels.size();
    std::vector<std::uint8_t> out;
    out.reserve(total);
    PutLe(out, fields.type, 2);
    PutLe(out, fields.fileSize != 0 ? fields.fileSize : total, 4);
    PutLe(out, fields.reserved1, 2);
    PutLe(out, fields.reserved2, 2);
    PutLe(out, fields.offBits != 0 ? fields.offBits : 54 + fields.palette.size(), 4);
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
