#pragma once

#include "Problem.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;
class QWidget;

namespace korvane {

// A picture of a window (a chart), painted by the report's painter code into any
// rectangle: onto the screen, an image, or an SVG file.
using PicturePainter = std::function<void(QPainter&, const QRectF&)>;

// The picture `size` in logical pixels, painted at `pixelRatio` device pixels to each.
QImage PaintedImage(QSize size, double pixelRatio, const PicturePainter& paint);

// Writes the picture as SVG (".svg") or PNG (".png"), chosen by the suffix of `path`; a
// PNG has at least two device pixels to each logical one. The file appears only when it
// is whole.
Problem SavePicture(const QString& path, QSize size, double screenRatio, const QString& title,
                    const PicturePainter& paint);

// Asks where to save a picture, offering SVG and PNG, in the case folder under
// `suggestedName` (without suffix); empty when the user cancelled. A name given without
// suffix gets the one of the type chosen.
QString AskPicturePath(QWidget* parent, const QString& caption, const QString& suggestedName);

} // namespace korvane
