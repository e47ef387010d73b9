#pragma once

#include "format/BitmapArray.h"
#include "format/BitmapFormat.h"
#include "format/IconFile.h"

#include "primitives/Message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The real layout of a bitmap: every part of the file in file order, each header with its
// fields as its own version names them. Built from the bytes of the whole file as read.
namespace hexlume::format {

struct Field {
    FieldId id;
    std::string name;      // as the header version names it: "bfSize", "bcWidth", "biWidth", "bV5RedMask"
    std::uint64_t offset;  // in the file
    std::uint32_t size;    // bytes
    FieldType type;        // as the Windows or OS/2 headers declare it: WORD, DWORD, LONG, CIEXYZTRIPLE
    std::uint64_t value;   // raw value as stored (in the type's byte order), for fields up to 8 bytes; 0 for
                           // longer ones and text
    Message meaning;       // in words: "3 = BI_BITFIELDS", "bottom-up, 64 rows"; may be empty
    bool present;          // all its bytes lie inside the file

    bool operator==(const Field&) const = default;
};

enum class ElementKind {
    ArrayHeader, FileHeader, InfoHeader, BitMasks, ColorTable, Gap, PixelData, Profile, Trailing,
    // Icon and cursor files: the directory, one entry, an image's AND mask, a PNG image.
    IconDirectory, IconEntry, AndMask, PngStream,
};

struct Element {
    ElementKind kind;
    std::string name;     // "BITMAPFILEHEADER", "BITMAPV5HEADER", "bit-field masks", "colour table", "gap", …
                          // in English, for the command line and machine-read output
    std::uint64_t offset;
    std::uint64_t size;     // bytes of it inside the file
    std::uint64_t claimed;  // what the headers claim (>= size when the file is cut)
    std::vector<Field> fields;  // header and mask fields, an ICC profile's header and tag table, a linked
                                // profile's file name; empty for the other kinds
    Message title;        // the name as the window says it: header names verbatim, the other parts in words

    bool operator==(const Element&) const = default;
};

// Elements in file order, each with at least one byte inside the file, together covering
// every byte exactly once: bytes no header accounts for are a gap, or trailing bytes after the
// last part; a part a broken file places over an earlier one starts where that one ends.
// What the file is, as the first bytes tell.
enum class FileKind { Bitmap, BitmapArray, Icon, Cursor, Headerless };

struct Layout {
    BitmapFormat format;  // in a file of several images (array, icon, cursor), the chosen image's
    std::vector<Element> elements;  // of the whole file, every image's parts included
    BitmapArray array;    // the entries of an OS/2 bitmap array; none for a plain bitmap
    FileKind kind = FileKind::Bitmap;
    IconFile icon;        // an icon or cursor file's directory; empty otherwise
    std::size_t image = 0;  // the chosen image, from 0: its entry in the array or the icon directory
};

// The bitmap whose file header starts at `base`; bytes before it are a gap.
Layout ReadLayout(Bytes file, std::uint64_t base = 0);

// The whole file with image `image` (from 0) chosen; past the last image, the last is chosen.
Layout ReadImageLayout(Bytes file, std::size_t image);

// One DIB alone (an array's bitmap, an icon's image), the rest of the file gaps and trailing
// bytes: the layout its checks read.
Layout ReadDibLayout(Bytes file, const BitmapFormat& format);

// Images the file holds: an array's or icon directory's entries the file has, else 1.
std::size_t ImageCount(const Layout& layout);

// The image (from 0) of an icon, cursor or array whose bytes hold `offset`: an icon image's
// from its entry's offset to the end of its parts or its entry's claim; an array entry's from its
// header to the next entry. nullopt in a file of one image, or outside every image.
std::optional<std::size_t> ImageHolding(const Layout& layout, Bytes file, std::uint64_t offset);

// "bitmap", "OS/2 bitmap array", "icon", "cursor", "headerless DIB".
std::string FileKindName(FileKind kind);
namespace say {
Message FileKind(format::FileKind kind);  // the same, as the window says it
}  // namespace say

// The part's name in the window's language ("colour table", "gap"; BITMAPV5HEADER as it is),
// where Element::name stays English.
inline const Message& ElementTitle(const Element& element)
{
    return element.title;
}

// Whether the kind's name takes a plural verb: "the trailing bytes appear".
inline bool ElementNameIsPlural(ElementKind kind)
{
    return kind == ElementKind::BitMasks || kind == ElementKind::Trailing;
}

// A short stable name of the kind, for machine-read output: "file-header", "pixel-data", …
std::string_view ElementKindName(ElementKind kind);

}  // namespace hexlume::format
