#include "Drawing.h"

#include "CPaintDC.h"

namespace korvane {

void Paint(CPaintDC& dc, const Drawing& drawing) {
    for (const Drawing::Line& line : drawing.lines) {
        dc.MoveTo(line.from.x(), line.from.y());
        dc.LineTo(line.to.x(), line.to.y());
    }
    for (const Drawing::Text& text : drawing.texts)
        dc.TextOut(text.topLeft.x(), text.topLeft.y(), text.text);
}

} // namespace korvane
