#pragma once

#include <QString>

#include <optional>
#include <vector>

class QPainter;
class QRectF;

namespace korvane {

struct StudyAnswer;
struct StudySettings;

// A result of a parameter study against the input it varies: the computed points joined
// where neighbours both computed, the target as a horizontal line, each crossing marked
// with a vertical line and its value.
struct StudyChart {
    QString inputAxis;  // "桩中心距sax (m)"
    QString resultAxis; // "最小稳定系数ks"
    QString inputSymbol;
    std::vector<double> x;
    std::vector<std::optional<double>> y; // none where the point computed nothing
    std::optional<double> target;
    QString targetText; // "ks ≥ 1.35"
    std::vector<double> crossings;
    QString emptyText = QStringLiteral("无可绘制的数值");
};

// The chart of `answer`, a study of `settings` on the calculator called `calculator`.
StudyChart StudyChartOf(const std::string& calculator, const StudySettings& settings,
                        const StudyAnswer& answer);

double StudyChartAspect(const StudyChart& chart);
void PaintStudyChart(QPainter& painter, const QRectF& rect, const StudyChart& chart);

} // namespace korvane
