#pragma once

#include "format/FindingList.h"
#include "format/PixelScan.h"

#include <string>

// What the checks of one bitmap share, and the checks themselves, one file per concern:
// CheckHeaders, CheckColours, CheckPlacement, CheckPixels, CheckStreams, CheckUnclaimed. A new
// rule goes into the file of the part of the bitmap it judges; CheckBitmap (Findings.cpp) calls
// the parts in the order a reader meets them.
namespace hexlume::format::check {

struct Context {
    Context(const Layout& bitmap, Bytes bytes) : layout(bitmap), file(bytes), list(bitmap) {}

    const Layout& layout;
    Bytes file;          // the bytes the layout was read from
    FindingList list;    // the findings so far, in order
    bool arrayEntry = false;       // one bitmap of an OS/2 bitmap array: the bytes around it are others'
    bool bitCountDefined = false;  // set by the headers' check: the bit count gives a table length
};

// A check of one part, with the context's members under short names and the reports more than
// one part makes.
class Part {
public:
    explicit Part(Context& context)
        : m_context(context), m_layout(context.layout), m_format(context.layout.format), m_file(context.file),
          m_list(context.list)
    {
    }

protected:
    // The first colour index past the table, with the count of the other rows that have one.
    void ReportBadIndex(const IndexScan& scan);
    // The image size reaches past the end of the file.
    void ReportSizeImagePastEnd();

    Context& m_context;
    const Layout& m_layout;
    const BitmapFormat& m_format;
    Bytes m_file;
    FindingList& m_list;
};

// The two headers. Each Broken check returns true when the header stops the rest of the checks.
bool FileHeaderBroken(Context& context);
bool InfoHeaderBroken(Context& context);
// Planes, bit count, compression, width and height (sets context.bitCountDefined); false when no
// picture can be made of them.
bool CheckPictureShape(Context& context);
void CheckFileHeaderValues(Context& context);

// Colour table, masks, densities, colour space.
void CheckColorTable(Context& context);
void CheckMasks(Context& context);
void CheckDensities(Context& context);
void CheckColorSpace(Context& context);

// Where the pixel data starts.
void CheckPlacement(Context& context);

// The pixel data, uncompressed or a stream; only when the headers describe a picture.
void CheckPixels(Context& context);
void CheckRleStream(Context& context);
void CheckHuffmanStream(Context& context);
void CheckEmbeddedStream(Context& context);

// An icon or cursor file's directory and where its entries place their images; an entry (from
// 0) against its image. The context's layout is the whole file's.
void CheckIconDirectory(Context& context);
void CheckIconEntry(Context& context, std::size_t index);

// Bytes no part of the bitmap claims: gaps and trailing bytes.
void NoteUnclaimedBytes(Context& context);

}  // namespace hexlume::format::check
