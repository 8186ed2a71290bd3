#pragma once

#include <QPainter>
#include <QPoint>

namespace korvane {

class CDialog;

// Drawing on a dialog's client area from its OnPaint, in device pixels, with the
// dialog's font and the default pen.
class CPaintDC {
public:
    explicit CPaintDC(CDialog* dialog);

    void MoveTo(int x, int y);
    void LineTo(int x, int y); // the end becomes the current point
    // Text with its top-left corner at (x, y); the current point does not move.
    void TextOut(int x, int y, const QString& text);

private:
    QPainter m_painter;
    QPoint m_current;
};

} // namespace korvane
