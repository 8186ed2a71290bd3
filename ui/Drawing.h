#pragma once

#include <QPoint>
#include <QString>
#include <vector>

namespace korvane {

class CPaintDC;

// A picture as straight lines and texts in device pixels of a form's client area, built
// apart from painting so that it can be checked without looking at pixels.
struct Drawing {
    struct Line {
        QPoint from;
        QPoint to;
    };
    struct Text {
        QPoint topLeft;
        QString text;
    };
    std::vector<Line> lines;
    std::vector<Text> texts;
};

// Draws the lines, then the texts, with the surface's pen and font.
void Paint(CPaintDC& dc, const Drawing& drawing);

} // namespace korvane
