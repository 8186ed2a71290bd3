#include "DialogUnits.h"

#include <QFontMetrics>
#include <cmath>

namespace korvane {

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    return static_cast<int>(std::lround(double(a) * b / c));
}

} // namespace

DialogUnits DialogUnits::ForTemplateFont(const QString& templateFont, const QFont& screenFont) {
    if (templateFont.compare("System", Qt::CaseInsensitive) == 0)
        return DialogUnits(8, 16);
    // Average width of the 52 Latin letters, rounded, and the font's cell height
    // (ascent plus descent), which a glyph's ink never leaves: a label eight units
    // high holds one line. The text layout's line box rounds ascent and descent up
    // each on its own and is a pixel taller; taken as the unit, that pixel over 401
    // units made the launcher 50 pixels taller than a 768-pixel screen allows.
    const QFontMetrics metrics(screenFont);
    const int letters =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return DialogUnits((letters / 26 + 1) / 2, metrics.height());
}

int DialogUnits::ToPixelsX(int dlu) const {
    return MulDiv(dlu, m_baseX, 4);
}
int DialogUnits::ToPixelsY(int dlu) const {
    return MulDiv(dlu, m_baseY, 8);
}

QRect DialogUnits::ToPixels(const QRect& dlu) const {
    const int left = ToPixelsX(dlu.x());
    const int top = ToPixelsY(dlu.y());
    const int right = ToPixelsX(dlu.x() + dlu.width());
    const int bottom = ToPixelsY(dlu.y() + dlu.height());
    return QRect(left, top, right - left, bottom - top);
}

QSize DialogUnits::ToPixels(const QSize& dlu) const {
    return QSize(ToPixelsX(dlu.width()), ToPixelsY(dlu.height()));
}

} // namespace korvane
