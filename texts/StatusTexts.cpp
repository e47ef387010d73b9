#include "StatusTexts.h"

#include "model/BitmapHeaders.h"

namespace hexlume {

StatusLine StatusTexts(std::string_view fileName, std::uint16_t bfType, std::int32_t width, std::int32_t height)
{
    Message typeWord = bfType == kBitmapSignature ? Message::Verbatim("Bmp") : Message(HX_TR("Status", "Unknown"));
    return StatusTexts(fileName, std::to_string(width) + "×" + std::to_string(height), std::move(typeWord));
}

StatusLine StatusTexts(std::string_view fileName, std::string_view sizeText, Message typeWord)
{
    return {
        Message(HX_TR("Status", "图像名称:%1")).Arg(fileName),
        Message(HX_TR("Status", "图像大小:%1")).Arg(sizeText),
        Message(HX_TR("Status", "图像类型:%1")).Arg(std::move(typeWord)),
    };
}

std::array<std::string, kStatusPanelCount> StatusEnglish(const StatusLine& panels)
{
    std::array<std::string, kStatusPanelCount> said;
    for (std::size_t panel = 0; panel < said.size(); ++panel)
        said[panel] = panels[panel].English();
    return said;
}

int StatusPanelWidth(int barWidth, int panelCount)
{
    return panelCount > 0 ? barWidth / panelCount : barWidth;
}

}  // namespace hexlume
