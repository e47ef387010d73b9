#pragma once

class QWidget;

namespace hexlume {

// The stored layouts name Windows fonts ("宋体", "微软雅黑"); map them to the installed fonts
// with the same metrics. Call once, before the first window is built.
void RegisterLayoutFonts();

// The layouts were drawn at 96 pixels per inch: give every font set in the layout the pixel
// size it had there, so line heights and glyph widths do not depend on the screen's DPI.
void ApplyLayoutPixelSizes(QWidget* root);

}  // namespace hexlume
