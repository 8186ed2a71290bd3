#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace korvane {

// One pile quantity along the depth: the points of the calculation's depth series,
// each at its depth below the pile top (the cap underside).
struct DepthChart {
    QString name;              // "弯矩"
    QString symbol;            // "M"
    QString unit;              // "kN·m"
    std::vector<double> depth; // m, increasing
    std::vector<double> value;
    double groundDepth = 0; // depth of the ground line below the pile top, m
    QColor color = Qt::black;
};

struct DepthChartPair {
    DepthChart moment;
    DepthChart shear;
};

// A marked extreme of a chart: the largest value when it is above 0 and the smallest
// when it is below 0, the first point where each occurs.
struct ChartMark {
    int index;
    double value;
    double depth;
    bool largest; // true for the largest value, false for the smallest
};
std::vector<ChartMark> ChartMarks(const DepthChart& chart);

// Round tick values covering [low, high], 1, 2 or 5 times a power of ten apart, about
// `count` of them; the first tick is at or below `low` and the last at or above `high`.
std::vector<double> NiceTicks(double low, double high, int count);

// "Mmax = 1234.56 kN·m" style text of a mark: the value and the depth cut to two
// decimals like the form's fields.
QString MarkValueText(const DepthChart& chart, const ChartMark& mark);
QString MarkDepthText(const ChartMark& mark);

double DepthChartPairAspect(const DepthChartPair& pair);
void PaintDepthChart(QPainter& painter, const QRectF& rect, const DepthChart& chart);
void PaintDepthChartPair(QPainter& painter, const QRectF& rect, const DepthChartPair& pair);

} // namespace korvane
