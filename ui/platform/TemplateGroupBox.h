#pragma once

#include <QGroupBox>

namespace korvane {

// A group frame drawn the way the templates were laid out for: the frame's top edge
// runs through the middle of the title line, the title interrupting it near the left.
// The toolkit's own style puts the edge below the title, a good half line lower,
// where it cuts through the first line of the labels placed just inside the frame.
class TemplateGroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    // Pixels from the top of the box to its frame's top edge.
    int FrameTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace korvane
