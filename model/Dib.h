#pragma once

#include "BitmapHeaders.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>

#include "primitives/Message.h"

namespace hexlume {

using ByteSpan = std::span<const std::uint8_t>;

// One bitmap file held in memory: every byte of the file in one owned block, with a copy of the
// 14-byte file header beside it. The palette and the pixel data are views into that block, each
// bounded by the bytes actually read, so nothing a header claims can point outside the file.
//
// A CDib never modifies its block: the two fields a load fills in (biClrUsed, biSizeImage)
// live in a separate copy of the info header, so every byte shown as palette or pixel data is
// the block's own byte even when a short info header (OS/2, 12 bytes) overlaps the palette.
// (The window's document patches the block with the user's edits, and then loads it again.)
class CDib {
public:
    CDib() = default;
    CDib(const CDib&) = delete;
    CDib& operator=(const CDib&) = delete;

    // Reads the whole file. On failure the loaded flag drops to false, LastError() says why,
    // and everything else still describes the previous successful load.
    bool LoadFile(const std::string& path);
    // The same on a file already opened; path is only recorded. Size and bytes come from the
    // stream, so a file that shrinks between the two is bounded by what was actually read.
    bool LoadStream(std::istream& file, const std::string& path);
    // The same on bytes already in memory (an edited document's), shared and not copied: the
    // block must not change while this CDib is in use. path is only recorded.
    bool LoadBytes(std::shared_ptr<std::uint8_t[]> bytes, std::uint64_t size, const std::string& path);

    bool IsLoaded() const { return m_loaded; }
    const Message& LastError() const { return m_lastError; }
    const std::string& GetFileName() const { return m_state.fileName; }

    BitmapFileHeader GetFileHeader() const { return BitmapFileHeader::FromBytes(m_state.fileHeader); }
    const FileHeaderBytes& GetFileHeaderBytes() const { return m_state.fileHeader; }
    // The info header with biClrUsed and biSizeImage filled in where the file stored 0.
    BitmapInfoHeader GetInfoHeader() const { return BitmapInfoHeader::FromBytes(m_state.infoHeader); }
    const InfoHeaderBytes& GetInfoHeaderBytes() const { return m_state.infoHeader; }

    std::int32_t GetWidth() const { return GetInfoHeader().biWidth; }
    std::int32_t GetHeight() const { return GetInfoHeader().biHeight; }
    // The pixel-data length the headers claim; the region itself may be shorter (GetDataSize).
    std::uint64_t GetImageSize() const { return m_state.imageSize; }
    std::uint32_t GetColorCount() const { return GetInfoHeader().biClrUsed; }

    // Regions in the block: null when absent (no palette, or starting at or past the last byte read).
    const std::uint8_t* GetPalette() const { return m_state.palette.data(); }
    std::uint64_t GetPaletteSize() const { return m_state.palette.size(); }
    const std::uint8_t* GetData() const { return m_state.data.data(); }
    std::uint64_t GetDataSize() const { return m_state.data.size(); }
    ByteSpan PaletteBytes() const { return m_state.palette; }
    ByteSpan DataBytes() const { return m_state.data; }

    // Bytes held after the file header (file size − 14 for an intact file).
    std::uint64_t GetBufferSize() const { return m_state.bufferSize; }
    // Every byte read, from the file's first: the file header, then the bytes after it.
    ByteSpan FileBytes() const
    {
        return m_state.buffer ? ByteSpan(m_state.buffer.get(), kFileHeaderBytes + m_state.bufferSize) : ByteSpan();
    }
    // The block behind FileBytes(), for the window's document, which patches it in place with
    // the edits and then loads it again (LoadBytes), so the window holds the file once.
    std::shared_ptr<std::uint8_t[]> Block() const { return m_state.buffer; }

    // The first bytes of a file that tell whether LoadBytes takes it as a bitmap: an OS/2 bitmap
    // array's first headers with the longest info header.
    static constexpr std::uint64_t kHeadBytes = format::kArrayHeaderBytes + kFileHeaderBytes +
                                                format::TableBytes(format::InfoHeaderFields(format::HeaderVersion::V5));

    // A block for a whole file's bytes, as LoadFile allocates its own (large ones on huge pages,
    // where the system has them). Throws std::bad_alloc.
    static std::unique_ptr<std::uint8_t[]> NewBlock(std::uint64_t size);

    // Number of palette entries a header stands for: biClrUsed, or when that is 0 the full
    // palette of the bit count (2^bits for 1 to 8 bits), 0 for 0 bits and for 9 bits or more.
    static std::uint32_t ColorCountFor(const BitmapInfoHeader& header);
    // biSizeImage, or when that is 0 the row stride (whole 32-bit words) times |biHeight|.
    // Exact in 64 bits; saturates at UINT64_MAX for absurd dimensions.
    static std::uint64_t ImageSizeFor(const BitmapInfoHeader& header);

private:
    struct State {
        std::string fileName;
        FileHeaderBytes fileHeader{};
        InfoHeaderBytes infoHeader{};
        std::shared_ptr<std::uint8_t[]> buffer;
        std::uint64_t bufferSize = 0;
        std::uint64_t imageSize = 0;
        ByteSpan palette;
        ByteSpan data;
    };

    // Drops the loaded flag and keeps the reason; everything else stays as it was.
    bool Refuse(Message reason);
    // Fills in the two derived header fields and places the regions in the block just read.
    static void LocateRegions(State& next);
    // Takes a loaded state whose block holds at least the headers.
    bool Accept(State next);

    State m_state;
    bool m_loaded = false;
    Message m_lastError;
};

}  // namespace hexlume
