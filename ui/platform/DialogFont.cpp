#include "DialogFont.h"

namespace korvane {

QFont DialogFont() {
    QFont font(kDialogFontFamily);
    font.setPixelSize(kDialogFontPixelSize);
    // Without the face Qt would pick any sans font, which may lack CJK glyphs.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace korvane
