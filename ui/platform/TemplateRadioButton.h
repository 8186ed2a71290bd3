#pragma once

#include <QRadioButton>

namespace korvane {

// A radio button that answers to a click anywhere in its template rectangle. Qt's
// own takes clicks only on the circle and the text's ink, which leaves the right part
// of a template rectangle (a quarter of it or more for the pile forms' short captions)
// dead to the mouse.
class TemplateRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace korvane
