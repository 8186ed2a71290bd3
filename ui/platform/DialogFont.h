#pragma once

#include <QFont>

namespace korvane {

// The font of every control, message box and drawing: a CJK face at a pixel size at
// which each label of the templates fits its rectangle.
inline constexpr const char* kDialogFontFamily = "WenQuanYi Micro Hei";
inline constexpr int kDialogFontPixelSize = 12;

QFont DialogFont();

} // namespace korvane
