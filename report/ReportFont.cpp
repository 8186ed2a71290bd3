#include "ReportFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace korvane {

QString ReportFontFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        const char* const preferred[] = {
            "WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC",
            "Microsoft YaHei",     "SimHei",           "SimSun",
            "PingFang SC"};
        for (const char* name : preferred) {
            if (installed.contains(QString::fromUtf8(name), Qt::CaseInsensitive))
                return QString::fromUtf8(name);
        }
        // Any family that writes Chinese beats one that does not.
        return installed.isEmpty() ? QFont().family() : installed.first();
    }();
    return family;
}

QFont ReportFont(qreal pointSize, bool bold) {
    QFont font(ReportFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace korvane
