// The depth plot as a drawing: where its points and labels land for known series,
// with the plot's own scale, the cut of the labels and values that do not fit.
#include "DepthPlot.h"

#include <QTest>
#include <climits>
#include <cmath>
#include <limits>
#include <vector>

using namespace korvane;

using korvane::DepthPlotDrawing;
using korvane::Drawing;

namespace {

// The drawing of one series as the first series, the second all zero.
Drawing Draw(const std::vector<double>& moment, double reference) {
    const std::vector<double> zeros(moment.size(), 0.0);
    return DepthPlotDrawing(
        {moment.data(), zeros.data(), static_cast<int>(moment.size()), reference});
}

constexpr int kAxisLines = 2;

} // namespace

class TestDepthPlot : public QObject {
    Q_OBJECT

private slots:
    void axesComeFirst();
    void scaleFromTheReferenceMoment_data();
    void scaleFromTheReferenceMoment();
    void pointsAndLabelsAtTheirPixels_data();
    void pointsAndLabelsAtTheirPixels();
    void labelsAreCutTowardZero_data();
    void labelsAreCutTowardZero();
    void eachSeriesStartsWithAZeroLengthLine();
    void shearUsesTheMomentScale();
    void zeroReferencePutsEverythingOnTheAxis();
    void valuesBeyondTheIntRangeAreHeldAtItsEnds();
    void valuesThatAreNotNumbers();
};

void TestDepthPlot::axesComeFirst() {
    const Drawing log = Draw({0.0}, 0.0);
    QVERIFY(log.lines.size() >= kAxisLines);
    QCOMPARE(log.lines[0].from, QPoint(800, 10));
    QCOMPARE(log.lines[0].to, QPoint(800, 650));
    QCOMPARE(log.lines[1].from, QPoint(700, 10));
    QCOMPARE(log.lines[1].to, QPoint(900, 10));
}

void TestDepthPlot::scaleFromTheReferenceMoment_data() {
    QTest::addColumn<double>("reference");
    QTest::addColumn<double>("scale");
    QTest::newRow("positive") << 50.0 << 2.0;
    QTest::newRow("negative gives the same scale") << -50.0 << 2.0;
    QTest::newRow("large moment") << 400.0 << 0.25;
    QTest::newRow("no moment") << 0.0 << 0.0;
    QTest::newRow("negative zero") << -0.0 << 0.0;
}

void TestDepthPlot::scaleFromTheReferenceMoment() {
    QFETCH(double, reference);
    QFETCH(double, scale);
    QCOMPARE(DepthPlotScale(reference), scale);
}

// Row i of the point lies at y = 13 i + 10; its label 10 pixels right of it.
void TestDepthPlot::pointsAndLabelsAtTheirPixels_data() {
    QTest::addColumn<double>("reference");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("x");
    QTest::addColumn<QString>("label");
    for (double reference : {50.0, -50.0}) {
        const QByteArray ref = reference > 0 ? "+50" : "-50";
        QTest::newRow(ref + ": 50 at the strip's edge") << reference << 50.0 << 900 << "50";
        QTest::newRow(ref + ": -25 left of the axis") << reference << -25.0 << 750 << "-25";
        QTest::newRow(ref + ": 12.5") << reference << 12.5 << 825 << "12";
        // int(-3.3 + 800) = 796: the sum is cut, not the shift.
        QTest::newRow(ref + ": -1.65") << reference << -1.65 << 796 << "-1";
    }
}

void TestDepthPlot::pointsAndLabelsAtTheirPixels() {
    QFETCH(double, reference);
    QFETCH(double, value);
    QFETCH(int, x);
    QFETCH(QString, label);
    // The value in the third row, so that neither its row nor its pixels are 0 or 10.
    const Drawing log = Draw({0.0, 0.0, value}, reference);
    const auto& line = log.lines.at(kAxisLines + 2);
    QCOMPARE(line.to, QPoint(x, 36));
    QCOMPARE(log.texts.at(2).text, label);
    QCOMPARE(log.texts.at(2).topLeft, QPoint(x + 10, 36));
}

void TestDepthPlot::labelsAreCutTowardZero_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("label");
    QTest::newRow("0.999") << 0.999 << 0;
    QTest::newRow("-1.5") << -1.5 << -1;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("2635.86") << 2635.86 << 2635;
    QTest::newRow("-32.87") << -32.87 << -32;
}

void TestDepthPlot::labelsAreCutTowardZero() {
    QFETCH(double, value);
    QFETCH(int, label);
    QCOMPARE(DepthPlotLabel(value), label);
    QCOMPARE(Draw({value}, 50.0).texts.at(0).text, QString::number(label));
}

void TestDepthPlot::eachSeriesStartsWithAZeroLengthLine() {
    const std::vector<double> moment = {-50.0, 25.0};
    const std::vector<double> shear = {10.0, 0.0};
    const Drawing log = DepthPlotDrawing({moment.data(), shear.data(), 2, 50.0});
    QCOMPARE(log.lines.size(), std::size_t(kAxisLines + 4));
    QCOMPARE(log.lines[2].from, QPoint(700, 10));
    QCOMPARE(log.lines[2].to, QPoint(700, 10));
    QCOMPARE(log.lines[3].from, QPoint(700, 10));
    QCOMPARE(log.lines[3].to, QPoint(850, 23));
    // The shear starts afresh from its own first point, not from the moment's last.
    QCOMPARE(log.lines[4].from, QPoint(820, 10));
    QCOMPARE(log.lines[4].to, QPoint(820, 10));
    QCOMPARE(log.lines[5].to, QPoint(800, 23));
    QCOMPARE(log.texts.size(), std::size_t(4));
    QCOMPARE(log.texts[2].topLeft, QPoint(830, 10));
}

// The shear is drawn on the moment's scale and may leave the strip.
void TestDepthPlot::shearUsesTheMomentScale() {
    const std::vector<double> moment = {50.0};
    const std::vector<double> shear = {150.0};
    const Drawing log = DepthPlotDrawing({moment.data(), shear.data(), 1, 50.0});
    QCOMPARE(log.lines.back().to, QPoint(1100, 10));
    QCOMPARE(log.texts.back().text, QString("150"));
}

void TestDepthPlot::zeroReferencePutsEverythingOnTheAxis() {
    const std::vector<double> moment = {0.0, 12.0, -3000.5};
    const Drawing log = Draw(moment, 0.0);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(log.lines.at(kAxisLines + i).to, QPoint(800, 13 * i + 10));
        QCOMPARE(log.texts.at(i).topLeft, QPoint(810, 13 * i + 10));
    }
    QCOMPARE(log.texts.at(2).text, QString("-3000"));
}

// A product beyond the int range cannot be converted as it is; the drawing holds it at
// the range's ends instead.
void TestDepthPlot::valuesBeyondTheIntRangeAreHeldAtItsEnds() {
    const double inf = std::numeric_limits<double>::infinity();
    const Drawing log = Draw({1e300, -inf, 3e7}, 50.0);
    QCOMPARE(log.lines.at(kAxisLines).to.x(), INT_MAX);
    QCOMPARE(log.lines.at(kAxisLines + 1).to.x(), INT_MIN);
    QCOMPARE(log.texts.at(0).text, QString::number(INT_MAX / 100));
    QCOMPARE(log.texts.at(1).text, QString::number(INT_MIN / 100));
    // 3e7 fits as a coordinate (6e7 + 800) but not as a label (3e9 > INT_MAX).
    QCOMPARE(log.lines.at(kAxisLines + 2).to.x(), 60000800);
    QCOMPARE(log.texts.at(2).text, QString::number(INT_MAX / 100));
}

void TestDepthPlot::valuesThatAreNotNumbers() {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Drawing scaled = Draw({nan}, 50.0);
    QCOMPARE(scaled.lines.back().to, QPoint(800, 10));
    QCOMPARE(scaled.texts.back().text, QString("0"));
    // No scale and an infinite value: 0 × ∞ is not a number; the point stays on the axis
    // with every other point of a zero scale.
    const Drawing unscaled = Draw({inf}, 0.0);
    QCOMPARE(unscaled.lines.back().to, QPoint(800, 10));
    QCOMPARE(unscaled.texts.back().topLeft, QPoint(810, 10));
}

QTEST_APPLESS_MAIN(TestDepthPlot)
#include "test_depth_plot.moc"
