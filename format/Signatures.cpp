#include "Signatures.h"

#include "BitmapFormat.h"

#include <algorithm>

namespace hexlume::format {

namespace {

struct Signature {
    MessageTemplate name;
    Bytes magic;
};

constexpr auto kGif87 = SignatureBytes("GIF87a");
constexpr auto kGif89 = SignatureBytes("GIF89a");
constexpr auto kZip = SignatureBytes("PK\x03\x04");
constexpr auto kPdf = SignatureBytes("%PDF-");
constexpr auto kGzip = SignatureBytes("\x1F\x8B\x08");
constexpr auto kRiff = SignatureBytes("RIFF");
constexpr auto kTiffIntel = SignatureBytes("II*\0");
constexpr auto kTiffMotorola = SignatureBytes("MM\0*");
constexpr auto kElf = SignatureBytes("\x7F" "ELF");
constexpr auto k7z = SignatureBytes("7z\xBC\xAF\x27\x1C");
// Long enough that chance matches in pixel data are rare; "BM" alone is not, so a bitmap also
// needs a header size that some version has.
constexpr auto kBitmap = SignatureBytes("BM");

constexpr Signature kSignatures[] = {
    {HX_TR("Layout", "a PNG image"), kPngSignature},
    {HX_TR("Layout", "a JPEG image"), kJpegSignature},
    {HX_TR("Layout", "a GIF image"), kGif87},
    {HX_TR("Layout", "a GIF image"), kGif89},
    {HX_TR("Layout", "a ZIP archive"), kZip},
    {HX_TR("Layout", "a PDF document"), kPdf},
    {HX_TR("Layout", "a gzip stream"), kGzip},
    {HX_TR("Layout", "a RIFF file"), kRiff},
    {HX_TR("Layout", "a TIFF image"), kTiffIntel},
    {HX_TR("Layout", "a TIFF image"), kTiffMotorola},
    {HX_TR("Layout", "an ELF executable"), kElf},
    {HX_TR("Layout", "a 7z archive"), k7z},
    {HX_TR("Layout", "a BMP bitmap"), kBitmap},
};

const Signature* SignatureAt(Bytes file, std::uint64_t offset)
{
    for (const Signature& signature : kSignatures) {
        if (!StartsWith(file.subspan(offset), signature.magic))
            continue;
        if (signature.magic.data() == kBitmap.data() &&
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
        first[signature.magic[0]] = true;
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
                search.first.push_back({signature->name.text, signature->name, at});
            ++search.count;
        }
    }
    return search;
}

}  // namespace hexlume::format
