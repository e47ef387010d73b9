#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace hexlume {
namespace {

double LinearChannel(std::uint32_t value)
{
    const double c = static_cast<double>(value & 0xFFu) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(std::uint32_t color)
{
    return 0.2126 * LinearChannel(color) + 0.7152 * LinearChannel(color >> 8) + 0.0722 * LinearChannel(color >> 16);
}

double ContrastRatio(std::uint32_t first, std::uint32_t second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::uint32_t ReadableTextColor(std::uint32_t preferred, std::uint32_t background)
{
    if (ContrastRatio(preferred, background) >= kMinTextContrast)
        return preferred;
    return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
}

}  // namespace hexlume
