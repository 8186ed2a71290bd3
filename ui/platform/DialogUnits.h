#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

namespace korvane {

// Converts template coordinates (dialog units) to pixels: a horizontal unit is a
// quarter of the font's average character width, a vertical unit an eighth of its
// height. Templates in the "System" font use that font's fixed base units, 8 by 16
// pixels, so one unit is 2 pixels each way and pixel-placed drawings stay put.
class DialogUnits {
public:
    DialogUnits(int baseX, int baseY) : m_baseX(baseX), m_baseY(baseY) {}
    static DialogUnits ForTemplateFont(const QString& templateFont, const QFont& screenFont);

    int baseX() const { return m_baseX; }
    int baseY() const { return m_baseY; }
    int ToPixelsX(int dlu) const;
    int ToPixelsY(int dlu) const;
    QRect ToPixels(const QRect& dlu) const; // each edge converted on its own
    QSize ToPixels(const QSize& dlu) const;

private:
    int m_baseX;
    int m_baseY;
};

} // namespace korvane
