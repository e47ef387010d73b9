#include "Signatures.h"

#include "BitmapFormat.h"

#include <algorithm>

namespace hexlume::format {

namespace {

struct Signature {
    std::string_view name;
    std::string_view magic;
};

// Long enough that chance matches in pixel data are rare; "BM" alone is not, so a bitmap also
// needs a header size that some version has.
constexpr std::string_view kBitmapMagic{"BM"};
constexpr Signature kSignatures[] = {
    {"a PNG image", {"\x89PNG\r\n\x1A\n", 8}},
    {"a JPEG image", {"\xFF\xD8\xFF", 3}},
    {"a GIF image", {"GIF87a", 6}},
    {"a GIF image", {"GIF89a", 6}},
    {"a ZIP archive", {"PK\x03\x04", 4}},
    {"a PDF document", {"%PDF-", 5}},
    {"a gzip stream", {"\x1F\x8B\x08", 3}},
    {"a RIFF file", {"RIFF", 4}},
    {"a TIFF image", {"II*\0", 4}},
    {"a TIFF image", {"MM\0*", 4}},
    {"an ELF executable", {"\x7F" "ELF", 4}},
    {"a 7z archive", {"7z\xBC\xAF\x27\x1C", 6}},
    {"a BMP bitmap", kBitmapMagic},
};

bool MagicAt(Bytes file, std::uint64_t offset, std::string_view magic)
{
    if (!Holds(file, offset, magic.size()))
        return false;
    return std::equal(magic.begin(), magic.end(), file.begin() + static_cast<std::ptrdiff_t>(offset),
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

const Signature* SignatureAt(Bytes file, std::uint64_t offset)
{
    for (const Signature& signature : kSignatures) {
        if (!MagicAt(file, offset, signature.magic))
            continue;
        if (signature.magic == kBitmapMagic &&
            HeaderVersionFor(Le32At(file, offset + kFileHeaderBytes)) == HeaderVersion::Unknown)
            continue;
        return &signature;
    }
    return nullptr;
}

// Which byte values start some signature: most bytes are ruled out by one lookup.
constexpr std::array<bool, 256> FirstBytes()
{
    std::array<bool, 256> first{};
    for (const Signature& signature : kSignatures)
        first[static_cast<std::uint8_t>(signature.magic[0])] = true;
    return first;
}

}  // namespace

bool StartsWith(Bytes bytes, Bytes signature)
{
    return bytes.size() >= signature.size() && std::equal(signature.begin(), signature.end(), bytes.begin());
}

SignatureSearch FindSignatures(Bytes file, ByteRange range, std::size_t limit)
{
    static constexpr std::array<bool, 256> kFirstBytes = FirstBytes();
    SignatureSearch search;
    const ByteRange inFile = range.Within(file.size());
    for (std::uint64_t at = inFile.offset; at < inFile.End(); ++at) {
        if (!kFirstBytes[file[at]])
            continue;
        if (const Signature* signature = SignatureAt(file, at)) {
            if (search.first.size() < limit)
                search.first.push_back({signature->name, at});
            ++search.count;
        }
    }
    return search;
}

}  // namespace hexlume::format
