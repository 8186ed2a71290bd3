#pragma once

#include "DepthChart.h"
#include "Problem.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

#include <optional>

class QPushButton;

namespace korvane {

class CalculatorForm;
class DepthChartCanvas;

// The moment and shear of a pile along its depth, in a window of their own beside a
// pile form, drawn by the report's painter at whatever size the window has. It follows
// the form's calculations; where the results do not stand for the inputs it says so
// instead of showing old charts. Closing it hides it: the form keeps it.
class DepthChartWindow : public QWidget {
public:
    explicit DepthChartWindow(const QString& formTitle, QWidget* parent = nullptr);

    void ShowCharts(const DepthChartPair& charts);
    // No charts: `why` says what to do to get them.
    void ShowNoCharts(const QString& why);

    const std::optional<DepthChartPair>& Charts() const { return m_charts; }
    const QString& Why() const { return m_why; }

    // The picture as the window shows it, `size` in logical pixels, painted at
    // `pixelRatio` device pixels to each.
    QImage Picture(QSize size, double pixelRatio) const;
    // The picture at the window's size and pixel ratio onto the clipboard; false when
    // there are no charts.
    bool Copy();
    // Writes the picture as SVG (".svg") or PNG (".png"), chosen by the suffix; the file
    // appears only when it is whole.
    Problem SaveTo(const QString& path) const;
    // Asks for a file when `path` is empty and says what went wrong; false when nothing
    // was written.
    bool SaveAs(const QString& path = {});

    QSize sizeHint() const override;

private:
    void ShowState();

    std::optional<DepthChartPair> m_charts;
    QString m_why;
    DepthChartCanvas* m_canvas;
    QPushButton* m_copy;
    QPushButton* m_save;
};

// The chart window of a pile form, following the form's results from the start (call
// in the form's constructor, before a case it opens with is calculated), and the
// command 弯矩剪力图… that opens it or brings it to the front (call once the form's
// commands exist, after its OnInitDialog).
void AttachDepthChartWindow(CalculatorForm& form);
void AddDepthChartCommand(CalculatorForm& form);

// The chart window of `form`; none for a form without one.
DepthChartWindow* DepthChartWindowOf(const CalculatorForm& form);

} // namespace korvane
