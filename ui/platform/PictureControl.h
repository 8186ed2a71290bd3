#pragma once

#include <QFrame>
#include <QSvgRenderer>

namespace korvane {

// A picture of a template: an SVG drawing scaled into the control's rectangle with its
// aspect ratio kept and centred. A figure that is missing leaves the frame empty.
class PictureControl : public QFrame {
public:
    PictureControl(const QString& resourcePath, QWidget* parent);
    bool hasPicture() const { return m_renderer.isValid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer m_renderer;
};

} // namespace korvane
