#include "CPaintDC.h"

#include "CDialog.h"

namespace korvane {

CPaintDC::CPaintDC(CDialog* dialog) : m_painter(dialog) {
    m_painter.setFont(dialog->font());
    // Whatever lies below the template belongs to the controls added there.
    m_painter.setClipRect(dialog->TemplateArea());
}

void CPaintDC::MoveTo(int x, int y) {
    m_current = QPoint(x, y);
}

void CPaintDC::LineTo(int x, int y) {
    const QPoint to(x, y);
    m_painter.drawLine(m_current, to);
    m_current = to;
}

void CPaintDC::TextOut(int x, int y, const QString& text) {
    // QPainter places text on its baseline.
    m_painter.drawText(QPoint(x, y + m_painter.fontMetrics().ascent()), text);
}

} // namespace korvane
