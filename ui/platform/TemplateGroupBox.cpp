#include "TemplateGroupBox.h"

#include <QPainter>
#include <QStyle>

namespace korvane {

int TemplateGroupBox::FrameTop() const {
    return fontMetrics().height() / 2;
}

void TemplateGroupBox::paintEvent(QPaintEvent*) {
    // Drawn here: the style's group frame makes room for the title above itself.
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, FrameTop(), -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    if (title().isEmpty())
        return;
    const QFontMetrics metrics = fontMetrics();
    const int padding = metrics.averageCharWidth() / 2;
    const QRect titleArea(metrics.averageCharWidth(), 0,
                          metrics.horizontalAdvance(title()) + 2 * padding, metrics.height());
    painter.fillRect(titleArea, palette().window());
    style()->drawItemText(&painter, titleArea, Qt::AlignCenter, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

} // namespace korvane
