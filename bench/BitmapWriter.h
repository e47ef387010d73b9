#pragma once

// Writes large 24-bit bitmaps for the benchmarks. The pixels are streamed out in 1 MiB pieces,
// so even a 512 MB bitmap costs the writer no more than that much memory, and a benchmark
// that measures its own peak memory can generate its input in the same process.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace hexlume::bench {

inline constexpr std::uint32_t kBitmapHeadersSize = 14 + 40;

// Bytes of one row of 24-bit pixels, padded to whole 32-bit words.
constexpr std::uint64_t Stride24(std::int32_t width)
{
    return (static_cast<std::uint64_t>(width) * 24 + 31) / 32 * 4;
}

constexpr std::uint64_t ImageSize24(std::int32_t width, std::int32_t height)
{
    return Stride24(width) * static_cast<std::uint64_t>(height);
}

namespace detail {

inline void PutLe16(std::vector<char>& out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

inline void PutLe32(std::vector<char>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

}  // namespace detail

// A bottom-up BI_RGB bitmap of width × height pixels. The pixel data is pseudo-random
// (xorshift64), so every byte value turns up and no pattern helps a reader or a scaler.
// The image size must fit the 32-bit header fields.
inline void WriteBitmap24(const std::filesystem::path& path, std::int32_t width, std::int32_t height)
{
    const std::uint64_t imageSize = ImageSize24(width, height);
    if (width <= 0 || height <= 0 || imageSize + kBitmapHeadersSize > UINT32_MAX)
        throw std::invalid_argument("bitmap dimensions out of range");

    std::vector<char> header;
    header.push_back('B');
    header.push_back('M');
    detail::PutLe32(header, static_cast<std::uint32_t>(kBitmapHeadersSize + imageSize));  // bfSize
    detail::PutLe32(header, 0);                              // bfReserved1, bfReserved2
    detail::PutLe32(header, kBitmapHeadersSize);             // bfOffBits
    detail::PutLe32(header, 40);                             // biSize
    detail::PutLe32(header, static_cast<std::uint32_t>(width));
    detail::PutLe32(header, static_cast<std::uint32_t>(height));
    detail::PutLe16(header, 1);   // biPlanes
    detail::PutLe16(header, 24);  // biBitCount
    detail::PutLe32(header, 0);   // biCompression: BI_RGB
    detail::PutLe32(header, static_cast<std::uint32_t>(imageSize));
    detail::PutLe32(header, 2835);  // 72 dpi, both ways
    detail::PutLe32(header, 2835);
    detail::PutLe32(header, 0);  // biClrUsed
    detail::PutLe32(header, 0);  // biClrImportant

    std::ofstream out(path, std::ios::binary);
    out.write(header.data(), static_cast<std::streamsize>(header.size()));

    constexpr std::size_t kPiece = std::size_t{1} << 20;  // a multiple of 8: the generator's word
    std::vector<char> piece(kPiece);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    for (std::uint64_t written = 0; written < imageSize && out;) {
        const std::size_t length = static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, imageSize - written));
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

}  // namespace hexlume::bench
