#include "PictureControl.h"

#include <QFile>
#include <QPainter>

namespace korvane {

PictureControl::PictureControl(const QString& resourcePath, QWidget* parent) : QFrame(parent) {
    if (QFile::exists(resourcePath))
        m_renderer.load(resourcePath);
}

void PictureControl::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!m_renderer.isValid())
        return;
    const QRectF area = contentsRect();
    QSizeF size = m_renderer.defaultSize();
    if (size.isEmpty())
        size = area.size();
    size.scale(area.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(0, 0), size);
    target.moveCenter(area.center());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer.render(&painter, target);
}

} // namespace korvane
