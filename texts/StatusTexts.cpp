#include "StatusTexts.h"

#include "model/BitmapHeaders.h"

namespace hexlume {

std::array<std::string, kStatusPanelCount> StatusTexts(std::string_view fileName, std::uint16_t bfType,
                                                       std::int32_t width, std::int32_t height)
{
    const std::string_view typeWord = bfType == kBitmapSignature ? "Bmp" : "Unknown";
    return StatusTexts(fileName, std::to_string(width) + "×" + std::to_string(height), typeWord);
}

std::array<std::string, kStatusPanelCount> StatusTexts(std::string_view fileName, std::string_view sizeText,
                                                       std::string_view typeWord)
{
    return {
        std::string(kStatusCaptions[0]) + ":" + std::string(fileName),
        std::string(kStatusCaptions[1]) + ":" + std::string(sizeText),
        std::string(kStatusCaptions[2]) + ":" + std::string(typeWord),
    };
}

int StatusPanelWidth(int barWidth, int panelCount)
{
    return panelCount > 0 ? barWidth / panelCount : barWidth;
}

}  // namespace hexlume
