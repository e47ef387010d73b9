#include "BitPlanes.h"

#include "DecoderParts.h"

#include <algorithm>
#include <bit>
#include <charconv>

namespace hexlume::format {

namespace {

using decoding::kAlphaPlace;
using decoding::kBluePlace;
using decoding::kGreenPlace;
using decoding::kRedPlace;

constexpr PixelChannel kColourChannels[] = {PixelChannel::Red, PixelChannel::Green, PixelChannel::Blue,
                                            PixelChannel::Alpha};

std::uint32_t MaskOf(const ChannelMasks& masks, PixelChannel channel)
{
    switch (channel) {
    case PixelChannel::Red: return masks.red;
    case PixelChannel::Green: return masks.green;
    case PixelChannel::Blue: return masks.blue;
    case PixelChannel::Alpha: return masks.alpha;
    case PixelChannel::Index: break;
    }
    return 0;
}

unsigned PlaceOf(PixelChannel channel)
{
    switch (channel) {
    case PixelChannel::Red: return kRedPlace;
    case PixelChannel::Green: return kGreenPlace;
    case PixelChannel::Blue: return kBluePlace;
    case PixelChannel::Alpha:
    case PixelChannel::Index: break;
    }
    return kAlphaPlace;
}

// The bits of value under mask, the mask's lowest bit becoming bit 0 (a mask need not be
// contiguous).
std::uint32_t Gather(std::uint32_t value, std::uint32_t mask)
{
    std::uint32_t gathered = 0;
    unsigned k = 0;
    for (std::uint32_t rest = mask; rest != 0; rest &= rest - 1, ++k)
        if ((value & rest & (~rest + 1)) != 0)
            gathered |= std::uint32_t{1} << k;
    return gathered;
}

bool StoresChannels(const BitmapFormat& format)
{
    return format.HeaderReadable() && IsUncompressed(format.encoding) &&
           DrawsBitCount(format.encoding, format.bitCount) && format.stride != 0;
}

unsigned BitsOf(const BitmapFormat& format, PixelChannel channel)
{
    if (IsIndexed(format.bitCount))
        return channel == PixelChannel::Index ? format.bitCount : 0;
    if (channel == PixelChannel::Index)
        return 0;
    switch (format.bitCount) {
    case 24: return channel == PixelChannel::Alpha ? 0 : 8;
    case 64: return 16;
    default: return static_cast<unsigned>(std::popcount(MaskOf(format.masks, channel)));
    }
}

}  // namespace

char ChannelLetter(PixelChannel channel)
{
    return "rgbai"[static_cast<std::size_t>(channel)];
}

std::optional<PixelChannel> ChannelOfLetter(char letter)
{
    for (const PixelChannel channel : {PixelChannel::Red, PixelChannel::Green, PixelChannel::Blue,
                                       PixelChannel::Alpha, PixelChannel::Index})
        if (ChannelLetter(channel) == letter)
            return channel;
    return std::nullopt;
}

Message SayChannel(PixelChannel channel)
{
    switch (channel) {
    case PixelChannel::Red: return HX_TR("Planes", "red");
    case PixelChannel::Green: return HX_TR("Planes", "green");
    case PixelChannel::Blue: return HX_TR("Planes", "blue");
    case PixelChannel::Alpha: return HX_TR("Planes", "alpha");
    case PixelChannel::Index: break;
    }
    return HX_TR("Planes", "index");
}

std::string ChannelName(PixelChannel channel)
{
    return SayChannel(channel).English();
}

std::vector<StoredChannel> StoredChannels(const BitmapFormat& format)
{
    std::vector<StoredChannel> channels;
    if (!StoresChannels(format))
        return channels;
    if (IsIndexed(format.bitCount))
        return {{PixelChannel::Index, format.bitCount}};
    for (const PixelChannel channel : kColourChannels)
        if (const unsigned bits = BitsOf(format, channel); bits != 0)
            channels.push_back({channel, bits});
    return channels;
}

ChannelReader::ChannelReader(Bytes file, const BitmapFormat& format)
    : m_data(PresentBytes(file, format.pixels)), m_format(format)
{
}

std::uint32_t ChannelReader::Value(const std::uint8_t* row, std::uint64_t column, PixelChannel channel) const
{
    const unsigned bits = m_format.bitCount;
    if (channel == PixelChannel::Index)
        return IndexInRow(row, column, bits);
    const std::uint8_t* pixel = row + column * (bits / 8);
    switch (bits) {
    case 24: return pixel[PlaceOf(channel)];
    case 64: return LeAt(Bytes(pixel + 2 * PlaceOf(channel), 2), 0, 2);
    default: return Gather(static_cast<std::uint32_t>(LeAt(Bytes(pixel, bits / 8), 0, bits / 8)),
                           MaskOf(m_format.masks, channel));
    }
}

std::uint64_t ChannelReader::Row(std::uint64_t shownRow, PixelChannel channel, std::span<std::uint32_t> values) const
{
    if (shownRow >= m_format.rows || m_format.stride == 0)
        return 0;
    const Bytes stored = decoding::StoredRow(m_data, m_format.ShownRow(shownRow), m_format.stride);
    const std::uint64_t present = std::min<std::uint64_t>(
        {m_format.columns, stored.size() * 8 / m_format.bitCount, values.size()});
    for (std::uint64_t x = 0; x < present; ++x)
        values[x] = Value(stored.data(), x, channel);
    return present;
}

std::vector<std::uint8_t> BitPlane(Bytes file, const BitmapFormat& format, PixelChannel channel, unsigned bit)
{
    std::vector<std::uint8_t> plane(format.columns * format.rows, kNoPixel);
    const ChannelReader reader(file, format);
    std::vector<std::uint32_t> values(format.columns);
    for (std::uint64_t y = 0; y < format.rows; ++y) {
        const std::uint64_t present = reader.Row(y, channel, values);
        std::uint8_t* row = plane.data() + y * format.columns;
        for (std::uint64_t x = 0; x < present; ++x)
            row[x] = static_cast<std::uint8_t>(values[x] >> bit & 1);
    }
    return plane;
}

std::optional<BitSelection> ParseBitSelection(std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon + 1 == text.size())
        return std::nullopt;
    BitSelection selection;
    for (const char letter : text.substr(0, colon)) {
        const std::optional<PixelChannel> channel = ChannelOfLetter(letter);
        if (!channel)
            return std::nullopt;
        selection.channels.push_back(*channel);
    }
    std::string_view bits = text.substr(colon + 1);
    while (true) {
        const std::size_t comma = bits.find(',');
        const std::string_view number = bits.substr(0, comma);
        unsigned bit = 0;
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), bit);
        if (number.empty() || error != std::errc() || end != number.data() + number.size() || bit >= 64)
            return std::nullopt;
        selection.bits.push_back(bit);
        if (comma == std::string_view::npos)
            return selection;
        bits.remove_prefix(comma + 1);
    }
}

std::string MissingBits(const BitmapFormat& format, const BitSelection& selection)
{
    if (!StoresChannels(format))
        return "the picture's pixels are not stored uncompressed, so they have no stored bits to take";
    for (const PixelChannel channel : selection.channels) {
        const unsigned bits = BitsOf(format, channel);
        if (bits == 0)
            return IsIndexed(format.bitCount) ? "the picture stores colour indices: its only channel is i"
                                              : "the picture has no " + ChannelName(channel) + " channel";
        const unsigned highest = *std::max_element(selection.bits.begin(), selection.bits.end());
        if (highest >= bits)
            return "the " + ChannelName(channel) + " channel has " + std::to_string(bits) +
                   (bits == 1 ? " bit, bit 0" : " bits, 0 to " + std::to_string(bits - 1));
    }
    return {};
}

std::vector<std::uint8_t> ExtractBits(Bytes file, const BitmapFormat& format, const BitSelection& selection)
{
    std::vector<std::uint8_t> packed;
    if (!MissingBits(format, selection).empty())
        return packed;
    const ChannelReader reader(file, format);
    const std::size_t channelCount = selection.channels.size();
    std::vector<std::vector<std::uint32_t>> values(channelCount, std::vector<std::uint32_t>(format.columns));
    std::uint8_t byte = 0;
    unsigned filled = 0;
    for (std::uint64_t y = 0; y < format.rows; ++y) {
        std::uint64_t present = format.columns;
        for (std::size_t c = 0; c < channelCount; ++c)
            present = std::min(present, reader.Row(y, selection.channels[c], values[c]));
        for (std::uint64_t x = 0; x < present; ++x)
            for (std::size_t c = 0; c < channelCount; ++c)
                for (const unsigned bit : selection.bits) {
                    byte = static_cast<std::uint8_t>(byte << 1 | (values[c][x] >> bit & 1));
                    if (++filled == 8) {
                        packed.push_back(byte);
                        byte = 0;
                        filled = 0;
                    }
                }
    }
    if (filled != 0)
        packed.push_back(static_cast<std::uint8_t>(byte << (8 - filled)));
    return packed;
}

namespace {

std::uint64_t LargestValue(unsigned bits)
{
    return bits >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
}

std::string Binary(std::uint32_t value, unsigned bits)
{
    std::string digits;
    for (unsigned bit = bits; bit-- > 0;)
        digits += (bit < 32 && (value >> bit & 1) != 0) ? '1' : '0';
    return digits;
}

}  // namespace

Message LookName(std::optional<PixelChannel> channel, std::optional<unsigned> bit)
{
    if (!channel)
        return HX_TR("Planes", "colours as drawn");
    if (!bit)
        return SayChannel(*channel);
    return Message(HX_TR("Planes", "%1, bit %2")).Arg(SayChannel(*channel)).Arg(std::to_string(*bit));
}

Message LookValueText(PixelChannel channel, unsigned bits, std::optional<unsigned> bit,
                      std::optional<std::uint32_t> value)
{
    const Message name = LookName(channel, bit);
    if (!value)
        return Message(HX_TR("Planes", "%1: no value, the file holds no bytes for this pixel")).Arg(name);
    if (!bit)
        return Message(HX_TR("Planes", "%1: %2 of %3, binary %4"))
            .Arg(name)
            .Number(*value)
            .Number(LargestValue(bits))
            .Arg(Binary(*value, bits));
    return Message(HX_TR("Planes", "%1: %2 (%3 %4 of %5, binary %6)"))
        .Arg(name)
        .Arg(std::to_string(*value >> *bit & 1))
        .Arg(SayChannel(channel))
        .Number(*value)
        .Number(LargestValue(bits))
        .Arg(Binary(*value, bits));
}

Message LookLegend(PixelChannel channel, unsigned bits, std::optional<unsigned> bit)
{
    const Message name = LookName(channel, bit);
    if (bit)
        return Message(HX_TR("Planes", "%1: white where the bit is 1, black where it is 0")).Arg(name);
    if (bits == 1)
        return Message(HX_TR("Planes", "%1: black for 0, white for %2, the most its bit holds"))
            .Arg(name)
            .Number(LargestValue(bits));
    return Message(HX_TR("Planes", "%1: black for 0, white for %2, the most its %3 bits hold"))
        .Arg(name)
        .Number(LargestValue(bits))
        .Arg(std::to_string(bits));
}

}  // namespace hexlume::format
