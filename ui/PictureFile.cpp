#include "PictureFile.h"

#include "RecentCases.h"
#include "SafeFile.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>

namespace korvane {

namespace {

// Sharp enough to be put into a document.
constexpr double kLeastPngRatio = 2;

} // namespace

QImage PaintedImage(QSize size, double pixelRatio, const PicturePainter& paint) {
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

Problem SavePicture(const QString& path, QSize size, double screenRatio, const QString& title,
                    const PicturePainter& paint) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (suffix == QStringLiteral("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(96);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(title);
        QPainter painter(&svg);
        paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    } else if (suffix == QStringLiteral("png")) {
        const double ratio = std::max(screenRatio, kLeastPngRatio);
        if (!PaintedImage(size, ratio, paint).save(&buffer, "PNG"))
            return Problem("无法生成PNG图片：" + path.toStdString());
    } else {
        return Problem("只能保存为SVG（.svg）或PNG（.png）图片：" + path.toStdString());
    }
    return WriteFileWhole(path, buffer.data(), path, QStringLiteral("无法保存图片"));
}

QString AskPicturePath(QWidget* parent, const QString& caption, const QString& suggestedName) {
    const QString svgFilter = QStringLiteral("SVG 矢量图 (*.svg)");
    const QString pngFilter = QStringLiteral("PNG 图片 (*.png)");
    QString filter = svgFilter;
    QString path = QFileDialog::getSaveFileName(
        parent, caption, QFileInfo(CaseFolder(), suggestedName + QStringLiteral(".svg")).filePath(),
        svgFilter + QStringLiteral(";;") + pngFilter, &filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += filter == pngFilter ? QStringLiteral(".png") : QStringLiteral(".svg");
    return path;
}

} // namespace korvane
