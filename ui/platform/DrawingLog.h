#pragma once

#include <QPoint>
#include <QString>
#include <vector>

// What a paint handler drew, in device pixels of the client area.
struct DrawingLog {
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
