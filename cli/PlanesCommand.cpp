#include "PlanesCommand.h"

#include "Failure.h"
#include "FileStem.h"
#include "MappedFile.h"
#include "format/BitPlanes.h"
#include "format/Decoder.h"
#include "io/SaveFile.h"

#include <QFile>
#include <QImage>

#include <exception>
#include <filesystem>
#include <system_error>

namespace hexlume {

namespace {

// White where the bit is 1, black where 0, grey where the file has no bytes for the pixel.
QImage PlaneImage(format::Bytes file, const format::BitmapFormat& layout, format::PixelChannel channel, unsigned bit)
{
    static constexpr std::uint8_t kShades[] = {0x00, 0xFF, 0x80};
    const std::vector<std::uint8_t> plane = format::BitPlane(file, layout, channel, bit);
    QImage image(static_cast<int>(layout.columns), static_cast<int>(layout.rows), QImage::Format_Grayscale8);
    for (std::uint64_t y = 0; y < layout.rows; ++y) {
        std::uint8_t* line = image.scanLine(static_cast<int>(y));
        const std::uint8_t* bits = plane.data() + y * layout.columns;
        for (std::uint64_t x = 0; x < layout.columns; ++x)
            line[x] = kShades[bits[x]];
    }
    return image;
}

int WritePlanes(const PlanesOptions& options, std::FILE* out)
{
    MappedFile file;
    if (!file.Open(options.file))
        return Fail(options.file, file.Error());
    const format::BitmapFormat layout = format::ReadBitmapFormat(file.Bytes());
    const std::vector<format::StoredChannel> channels = format::StoredChannels(layout);
    if (channels.empty())
        return Fail(options.file, "the picture's pixels are not stored uncompressed, so it has no bit planes to draw");
    if (layout.columns * layout.rows > format::kMaxTargetPixels)
        return Fail(options.file, std::to_string(layout.columns) + " x " + std::to_string(layout.rows) +
                                      " pixels is too large to draw as planes");
    std::error_code error;
    std::filesystem::create_directories(options.folder, error);
    if (error || !std::filesystem::is_directory(options.folder))
        return Fail(options.folder, "cannot make the folder" + (error ? ": " + error.message() : std::string()));
    const std::string stem = FileStem(options.file);
    for (const format::StoredChannel& stored : channels)
        for (unsigned bit = 0; bit < stored.bits; ++bit) {
            const std::string name = stem + "." + format::ChannelLetter(stored.channel) + std::to_string(bit) + ".png";
            const std::string path = (std::filesystem::path(options.folder) / name).string();
            if (SameFile(path, options.file))
                return Fail(path, "the same file as " + options.file + ", which --planes never writes", kExitUsage);
            if (!PlaneImage(file.Bytes(), layout, stored.channel, bit).save(QFile::decodeName(path.c_str()), "PNG"))
                return Fail(path, "cannot write the plane");
            if (std::fprintf(out, "%s\n", path.c_str()) < 0)
                return Fail("<stdout>", "cannot write the output");
        }
    return std::fflush(out) == 0 ? kExitOk : Fail("<stdout>", "cannot write the output");
}

}  // namespace

int RunPlanes(const PlanesOptions& options, std::FILE* out)
{
    try {
        return WritePlanes(options, out);
    } catch (const std::exception& error) {
        return Fail(options.file, error.what());
    }
}

}  // namespace hexlume
