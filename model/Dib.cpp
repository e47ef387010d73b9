#include "Dib.h"

#include "format/BitmapArray.h"
#include "format/IconFile.h"
#include "format/PixelFormats.h"
#include "primitives/Arithmetic.h"

#include <algorithm>
#include <cstdlib>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace hexlume {

namespace {

// An OS/2 header may be shorter than the 40 bytes the window reads every other header as.
constexpr std::uint64_t kShortestFile = kFileHeaderBytes + format::FieldOf(kInfoHeaderTable, format::FieldId::HeaderSize).Size();

// Whether a file's first 14 bytes may start a DIB the format reads: "BM", "BA", an icon
// directory's reserved 0 and type, or an info header's size. Anything else is refused before
// the rest of the file is read.
bool MayStartDib(const FileHeaderBytes& head)
{
    const std::uint64_t type = format::ReadField(head, 0, kFileHeaderTable, format::FieldId::Signature);
    const std::uint64_t second = format::ReadField(head, 2, kFileHeaderTable, format::FieldId::Signature);
    const std::uint64_t size = format::ReadField(head, 0, kInfoHeaderTable, format::FieldId::HeaderSize);
    return type == kBitmapSignature || type == format::kArraySignature ||
           (type == 0 && (second == format::kIconType || second == format::kCursorType)) ||
           format::HeaderVersionFor(static_cast<std::uint32_t>(size)) != format::HeaderVersion::Unknown;
}

// "the file is too short for the bitmap headers (20 of the 54 bytes they need)"
Message TooShort(bool bytes, std::uint64_t size, std::uint64_t needed)
{
    return Message(bytes ? HX_TR("Files", "the bytes are too short for the bitmap headers (%1 of the %2 bytes they need)")
                         : HX_TR("Files", "the file is too short for the bitmap headers (%1 of the %2 bytes they need)"))
        .Arg(std::to_string(size))
        .Arg(std::to_string(needed));
}

// Why the bytes are not a bitmap the window shows, empty when they are: an icon or cursor file,
// a headerless DIB, a "BM" bitmap whose headers are whole (an OS/2 1.x or 2.x header as long as
// it says, any other the 40 bytes the tables read), or an OS/2 bitmap array ("BA") whose first
// entry is one. `file` may be only the file's first bytes, as long as they hold those headers.
// Said of "the bytes" when `bytes`, else of "the file".
Message RefusalOf(ByteSpan file, bool bytes)
{
    if (file.size() >= kShortestFile && (format::IsIconFile(file) || format::IsHeaderlessDib(file)))
        return {};
    const auto signature = [&file](std::uint64_t at) {
        return format::ReadField(file, at, kFileHeaderTable, format::FieldId::Signature);
    };
    const format::BitmapArray array = format::ReadBitmapArray(file);
    const std::uint64_t base = array.entries.empty() ? 0 : array.BitmapAt(0);
    if (signature(base) != kBitmapSignature)
        return signature(0) == format::kArraySignature
                   ? Message(bytes ? HX_TR("Files", "the bytes are an OS/2 bitmap array whose first entry holds no bitmap")
                                   : HX_TR("Files", "the file is an OS/2 bitmap array whose first entry holds no bitmap"))
                   : Message(bytes ? HX_TR("Files", "the bytes do not start with \"BM\"; they are not a bitmap")
                                   : HX_TR("Files", "the file does not start with \"BM\"; it is not a bitmap"));
    const std::uint64_t headerAt = base + kFileHeaderBytes;
    const std::uint64_t headerSize = format::ReadField(file, headerAt, kInfoHeaderTable, format::FieldId::HeaderSize);
    const bool os2 = format::IsOs2Header(format::HeaderVersionFor(static_cast<std::uint32_t>(headerSize)));
    const std::uint64_t needed = std::max(headerAt + (os2 ? headerSize : kInfoHeaderSize), kShortestFile);
    if (file.size() < needed)
        // Said against the headers' size, so a 1-byte file needs no second plural rule here.
        return TooShort(bytes, file.size(), needed);
    return {};
}

Message SystemReason()
{
    return errno != 0 ? Message::Verbatim(std::strerror(errno)) : Message(HX_TR("Files", "unknown error"));
}

// The bytes [offset, offset + claimed) of the block, cut at its end; absent (null) when the
// region starts at or past the end.
ByteSpan BoundedRegion(const std::uint8_t* block, std::uint64_t blockSize, std::uint64_t offset,
                       std::uint64_t claimed)
{
    if (offset >= blockSize)
        return {};
    return {block + offset, static_cast<std::size_t>(std::min(claimed, blockSize - offset))};
}

// Asks for transparent huge pages for the whole 2 MB pages inside a large block. Loading a
// large file is dominated by page faults on the fresh block (4 KB each, and costly under a
// virtual machine); with 2 MB pages there are 512 times fewer. Only a hint: the bytes are the
// same either way, and a kernel without huge pages just ignores it.
void AdviseHugePages([[maybe_unused]] std::uint8_t* block, [[maybe_unused]] std::size_t size)
{
#ifdef __linux__
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + size) & ~(kHugePage - 1);
    if (first < last)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

}  // namespace

std::uint32_t CDib::ColorCountFor(const BitmapInfoHeader& header)
{
    if (header.biClrUsed != 0)
        return header.biClrUsed;
    // Bit counts 2, 3, 5, 6 and 7 are not standard but follow the same rule as 1, 4 and 8:
    // a palette-based bitmap without a count uses every colour its bits can address.
    return format::FullTableEntries(header.biBitCount);
}

std::uint64_t CDib::ImageSizeFor(const BitmapInfoHeader& header)
{
    if (header.biSizeImage != 0)
        return header.biSizeImage;
    // A negative width is not valid; its magnitude is taken, as for a top-down height.
    const std::uint64_t width = static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(header.biWidth)));
    const std::uint64_t rows = static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(header.biHeight)));
    return SaturatingMultiply(RowStride(width, header.biBitCount), rows);
}

std::unique_ptr<std::uint8_t[]> CDib::NewBlock(std::uint64_t size)
{
    auto block = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(size));
    AdviseHugePages(block.get(), static_cast<std::size_t>(size));
    return block;
}

bool CDib::LoadFile(const std::string& path)
{
    std::error_code statError;
    if (std::filesystem::exists(path, statError) && !std::filesystem::is_regular_file(path, statError))
        return Refuse(HX_TR("Files", "not a regular file"));
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return Refuse(Message(HX_TR("Files", "cannot open the file: %1")).Arg(SystemReason()));
    return LoadStream(file, path);
}

bool CDib::Refuse(Message reason)
{
    m_loaded = false;
    m_lastError = std::move(reason);
    return false;
}

bool CDib::LoadStream(std::istream& file, const std::string& path)
{
    file.seekg(0, std::ios::end);
    const std::streamoff endPosition = file.tellg();
    file.seekg(0, std::ios::beg);
    if (!file || endPosition < 0)
        return Refuse(Message(HX_TR("Files", "cannot find the size of the file: %1")).Arg(SystemReason()));
    const auto fileSize = static_cast<std::uint64_t>(endPosition);
    if (fileSize < kShortestFile)
        // Too short to say its header's size: said against the headers most bitmaps have.
        return Refuse(TooShort(false, fileSize, kFileHeaderBytes + kInfoHeaderSize));

    State next;
    next.fileName = path;
    if (!file.read(reinterpret_cast<char*>(next.fileHeader.data()), kFileHeaderBytes))
        return Refuse(Message(HX_TR("Files", "cannot read the file header: %1")).Arg(SystemReason()));
    if (!MayStartDib(next.fileHeader))
        return Refuse(RefusalOf(next.fileHeader, false));

    const std::uint64_t wanted = fileSize - kFileHeaderBytes;
    if (fileSize > std::numeric_limits<std::size_t>::max() / 2)
        return Refuse(HX_TR("Files", "the file is too large to hold in memory"));
    std::unique_ptr<std::uint8_t[]> block;
    try {
        block = NewBlock(fileSize);
    } catch (const std::bad_alloc&) {
        return Refuse(Message(HX_TR("Files", "not enough memory to hold the file (%1 bytes)")).Arg(std::to_string(wanted)));
    }
    // The block holds the whole file, so the format's reading sees one contiguous run of bytes.
    std::copy(next.fileHeader.begin(), next.fileHeader.end(), block.get());

    // The file may have shrunk since its size was taken: only the bytes actually read count.
    file.read(reinterpret_cast<char*>(block.get() + kFileHeaderBytes), static_cast<std::streamsize>(wanted));
    next.bufferSize = static_cast<std::uint64_t>(file.gcount());
    if (file.bad())
        return Refuse(Message(HX_TR("Files", "cannot read the file: %1")).Arg(SystemReason()));
    if (Message reason = RefusalOf({block.get(), kFileHeaderBytes + next.bufferSize}, false); !reason.Empty())
        return Refuse(next.bufferSize < wanted ? Message(HX_TR("Files", "%1 (it shrank while being read)")).Arg(reason)
                                               : reason);
    next.buffer = std::move(block);
    return Accept(std::move(next));
}

bool CDib::LoadBytes(std::shared_ptr<std::uint8_t[]> bytes, std::uint64_t size, const std::string& path)
{
    if (!bytes)
        size = 0;
    if (Message reason = RefusalOf({bytes.get(), static_cast<std::size_t>(size)}, true); !reason.Empty())
        return Refuse(std::move(reason));
    State next;
    next.fileName = path;
    std::copy_n(bytes.get(), kFileHeaderBytes, next.fileHeader.begin());
    next.buffer = std::move(bytes);
    next.bufferSize = size - kFileHeaderBytes;
    return Accept(std::move(next));
}

bool CDib::Accept(State next)
{
    LocateRegions(next);
    m_state = std::move(next);
    m_lastError = {};
    m_loaded = true;
    return true;
}

void CDib::LocateRegions(State& next)
{
    const std::uint8_t* afterFileHeader = next.buffer.get() + kFileHeaderBytes;
    // An OS/2 header may end the file before 40 bytes: the rest of the copy stays 0.
    std::copy_n(afterFileHeader, std::min<std::uint64_t>(kInfoHeaderSize, next.bufferSize), next.infoHeader.begin());
    const BitmapInfoHeader asRead = BitmapInfoHeader::FromBytes(next.infoHeader);
    const std::uint32_t colorCount = ColorCountFor(asRead);
    next.imageSize = ImageSizeFor(asRead);
    if (asRead.biClrUsed == 0)
        WriteLe32(next.infoHeader, format::FieldOf(kInfoHeaderTable, format::FieldId::ColorsUsed).offset, colorCount);
    if (asRead.biSizeImage == 0)
        WriteLe32(next.infoHeader, format::FieldOf(kInfoHeaderTable, format::FieldId::ImageSize).offset,
                  static_cast<std::uint32_t>(std::min<std::uint64_t>(next.imageSize, UINT32_MAX)));

    // The pixel data follows the palette directly; bfOffBits is shown but never used.
    const std::uint64_t paletteBytes = std::uint64_t{colorCount} * 4;
    if (colorCount != 0)
        next.palette = BoundedRegion(afterFileHeader, next.bufferSize, asRead.biSize, paletteBytes);
    next.data = BoundedRegion(afterFileHeader, next.bufferSize, std::uint64_t{asRead.biSize} + paletteBytes,
                              next.imageSize);
}

}  // namespace hexlume
