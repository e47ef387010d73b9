#pragma once

#include "primitives/Message.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace hexlume {

inline constexpr std::size_t kStatusPanelCount = 3;
using StatusLine = std::array<Message, kStatusPanelCount>;

// The panels' captions before any file is loaded: picture name, size and type.
inline const StatusLine kStatusCaptions{Message(HX_TR("Status", "图像名称")), Message(HX_TR("Status", "图像大小")),
                                        Message(HX_TR("Status", "图像类型"))};

// The panels after a load: "图像名称:name", "图像大小:W×H", "图像类型:Bmp" (or "Unknown").
StatusLine StatusTexts(std::string_view fileName, std::uint16_t bfType, std::int32_t width, std::int32_t height);

// The same with the size and the type word given: "图像大小:" then sizeText, "图像类型:" then typeWord.
StatusLine StatusTexts(std::string_view fileName, std::string_view sizeText, Message typeWord);

// The panels as the command line reports them: the base's own words.
std::array<std::string, kStatusPanelCount> StatusEnglish(const StatusLine& panels);

// Every panel gets an equal share of the bar; the remainder is dropped.
int StatusPanelWidth(int barWidth, int panelCount);

}  // namespace hexlume
