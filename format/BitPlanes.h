#pragma once

#include "format/BitmapFormat.h"
#include "primitives/Message.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The values an uncompressed picture stores for each channel of each pixel, bit for bit, before
// any scaling to colours: the index of an indexed pixel, or the bits a packed pixel gives each
// channel (its mask's bits for 16 and 32 bits, a byte for 24, a 16-bit word for 64). Bit planes,
// the window's channel views and hidden bits are all read through here.
namespace hexlume::format {

enum class PixelChannel : std::uint8_t { Red, Green, Blue, Alpha, Index };

// 'r', 'g', 'b', 'a', 'i'.
char ChannelLetter(PixelChannel channel);
std::optional<PixelChannel> ChannelOfLetter(char letter);
// "red", "green", "blue", "alpha", "index".
Message SayChannel(PixelChannel channel);
std::string ChannelName(PixelChannel channel);  // in English

struct StoredChannel {
    PixelChannel channel;
    unsigned bits;  // how many it stores, bit 0 the least significant
};

// The channels the picture stores, in the order r, g, b, a (alpha only when it has one), or
// the index alone; empty when its pixels are not stored uncompressed in a format the decoder draws.
std::vector<StoredChannel> StoredChannels(const BitmapFormat& format);

// Reads a channel's stored values a row at a time, rows as shown (0 = top).
class ChannelReader {
public:
    ChannelReader(Bytes file, const BitmapFormat& format);

    // The stored values of `channel` (one of StoredChannels) in row shownRow into values, which
    // holds format.columns of them. Returns how many pixels from the left the file holds bytes
    // for; the values past them are left as they were.
    std::uint64_t Row(std::uint64_t shownRow, PixelChannel channel, std::span<std::uint32_t> values) const;

private:
    std::uint32_t Value(const std::uint8_t* row, std::uint64_t column, PixelChannel channel) const;

    Bytes m_data;
    BitmapFormat m_format;
};

// One bit plane of a channel, row by row from the top: 1 where the bit is set, 0 where it is
// not, kNoPixel where the file holds no bytes for the pixel.
inline constexpr std::uint8_t kNoPixel = 2;
std::vector<std::uint8_t> BitPlane(Bytes file, const BitmapFormat& format, PixelChannel channel, unsigned bit);

// Which bits to take out of every pixel: "rgb:0", "b:1,0", "i:0".
struct BitSelection {
    std::vector<PixelChannel> channels;  // in the order written
    std::vector<unsigned> bits;          // in the order written, 0 = least significant
};

// The selection written as CHANNELS:BITS; nullopt when the text is not of that form.
std::optional<BitSelection> ParseBitSelection(std::string_view text);

// Why the picture has no such bits ("the picture has no alpha channel", "the red channel has
// 5 bits, 0 to 4"); empty when it has them.
std::string MissingBits(const BitmapFormat& format, const BitSelection& selection);

// The selected bits of every pixel the file holds, pixels from the top-left, left to right and
// then row by row down, for each pixel each channel in the selection's order and for each
// channel its bits in the selection's order; packed into bytes most significant bit first, the
// last byte filled up with 0 bits.
std::vector<std::uint8_t> ExtractBits(Bytes file, const BitmapFormat& format, const BitSelection& selection);

// What the Picture window draws of each pixel: "colours as drawn" without a channel, else the
// channel as grey ("red", "index") or one bit of it ("red, bit 0").
Message LookName(std::optional<PixelChannel> channel, std::optional<unsigned> bit);

// What such a view shows at one pixel, the channel storing `bits` bits: "red, bit 0: 1 (red 155
// of 255, binary 10011011)", "index: 3 of 15, binary 0011"; value: none where the file holds
// no bytes for the pixel.
Message LookValueText(PixelChannel channel, unsigned bits, std::optional<unsigned> bit,
                      std::optional<std::uint32_t> value);

// What the view shows, for the line under it while no pixel is named: "red, bit 0: white where
// the bit is 1, black where it is 0".
Message LookLegend(PixelChannel channel, unsigned bits, std::optional<unsigned> bit);

}  // namespace hexlume::format
