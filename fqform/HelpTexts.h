#pragma once

#include <QtGlobal>

#include <string_view>

namespace hexlume {

// The usage notes as the base writes them; the help window says them in its language.
inline constexpr std::string_view kUsageParagraph1 = QT_TRANSLATE_NOOP(
    "TFQForm", "本软件用于帮助图像处理者导出图像数据，以便进行分析，由于编者学艺不精，软件制作粗糙，功能简陋，望广大软件爱好者指评！");
inline constexpr std::string_view kUsageParagraph2 = QT_TRANSLATE_NOOP(
    "TFQForm", "软件操作简单，只需在图片区单击鼠标左右键即可打开图像，然后可以从图像预览区预览图像，从位图文件头和位图信息头列表中读取图像相关信息，"
    "还可在右边的数据区查看数据详情，数据都是用16进制表示。");

// The address the help window's link shows and opens.
inline constexpr std::string_view kWebAddress = "https://example.org/hexlume";

}  // namespace hexlume
