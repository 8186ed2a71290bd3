#include "DepthChartWindow.h"

#include "CalculatorForm.h"
#include "CaseCommands.h"
#include "MessageBox.h"
#include "PictureFile.h"
#include "ReportDrawings.h"
#include "ReportFigures.h"
#include "ReportFont.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

const char kWindowName[] = "depthChartWindow";
const char kCommandText[] = "弯矩剪力图…";
// White round the charts, in logical pixels, so that nothing touches the frame.
constexpr double kMargin = 10;

void PaintView(QPainter& painter, const QRectF& rect, const std::optional<DepthChartPair>& charts,
               const QString& why) {
    painter.fillRect(rect, Qt::white);
    const QRectF inner = rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (charts && inner.width() > 0 && inner.height() > 0) {
        PaintFigure(painter, inner, FigureData(*charts));
        return;
    }
    painter.save();
    painter.setFont(ReportFont(11));
    painter.setPen(QColor(90, 90, 90));
    painter.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, why);
    painter.restore();
}

} // namespace

// Paints the window's charts or why there are none; nothing else.
class DepthChartCanvas : public QWidget {
public:
    explicit DepthChartCanvas(const DepthChartWindow& window) : m_window(window) {
        setObjectName("depthChartCanvas");
        setMinimumSize(360, 320);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override { return {880, 820}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintView(painter, rect(), m_window.Charts(), m_window.Why());
    }

private:
    const DepthChartWindow& m_window;
};

DepthChartWindow::DepthChartWindow(const QString& formTitle, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("弯矩剪力图 — ") + formTitle);
    m_canvas = new DepthChartCanvas(*this);
    m_copy = new QPushButton(QStringLiteral("复制"));
    m_copy->setToolTip(QStringLiteral("把图作为图片复制到剪贴板"));
    m_save = new QPushButton(QStringLiteral("另存为…"));
    m_save->setToolTip(QStringLiteral("把图保存为 SVG 矢量图或 PNG 图片"));
    auto* close = new QPushButton(QStringLiteral("关闭"));
    connect(m_copy, &QPushButton::clicked, this, [this] { Copy(); });
    connect(m_save, &QPushButton::clicked, this, [this] { SaveAs(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_copy);
    buttons->addWidget(m_save);
    buttons->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_canvas, 1);
    column->addLayout(buttons);
    ShowNoCharts(QStringLiteral("尚未计算。\n按表单上的计算按钮后，这里画出桩身弯矩图与剪力图。"));
}

QSize DepthChartWindow::sizeHint() const {
    return QWidget::sizeHint().boundedTo(QSize(1200, 900));
}

void DepthChartWindow::ShowCharts(const DepthChartPair& charts) {
    m_charts = charts;
    m_why.clear();
    ShowState();
}

void DepthChartWindow::ShowNoCharts(const QString& why) {
    m_charts.reset();
    m_why = why;
    ShowState();
}

void DepthChartWindow::ShowState() {
    m_copy->setEnabled(m_charts.has_value());
    m_save->setEnabled(m_charts.has_value());
    m_canvas->update();
}

QImage DepthChartWindow::Picture(QSize size, double pixelRatio) const {
    return PaintedImage(size, pixelRatio, [this](QPainter& painter, const QRectF& rect) {
        PaintView(painter, rect, m_charts, m_why);
    });
}

namespace {

// The size the picture is painted at: the window's, or the size it would open with when
// it was never shown.
QSize ShownSize(const QWidget& canvas) {
    return canvas.isVisible() ? canvas.size() : canvas.sizeHint();
}

} // namespace

bool DepthChartWindow::Copy() {
    if (!m_charts)
        return false;
    QGuiApplication::clipboard()->setImage(
        Picture(ShownSize(*m_canvas), m_canvas->devicePixelRatioF()));
    return true;
}

Problem DepthChartWindow::SaveTo(const QString& path) const {
    return SavePicture(path, ShownSize(*m_canvas), m_canvas->devicePixelRatioF(), windowTitle(),
                       [this](QPainter& painter, const QRectF& rect) {
                           PaintView(painter, rect, m_charts, m_why);
                       });
}

bool DepthChartWindow::SaveAs(const QString& chosen) {
    if (!m_charts)
        return false;
    const QString path = chosen.isEmpty() ? AskPicturePath(this, QStringLiteral("保存弯矩剪力图"),
                                                           QStringLiteral("弯矩剪力图"))
                                          : chosen;
    if (path.isEmpty())
        return false;
    if (const Problem problem = SaveTo(path)) {
        AfxMessageBox(QString::fromStdString(problem.Message()), this);
        return false;
    }
    return true;
}

namespace {

// What the window shows after a calculation, or after the results stopped standing for
// the inputs (no outcome).
void Follow(DepthChartWindow& window, const CalcOutcome* outcome, const CaseExtras* extras) {
    if (!outcome || !extras) {
        window.ShowNoCharts(QStringLiteral("输入已改动，图不再代表表单中的输入。\n请重新计算。"));
        return;
    }
    if (!outcome->computed()) {
        window.ShowNoCharts(QStringLiteral("计算未完成：输入不被接受，无图可绘。"));
        return;
    }
    if (const std::optional<DepthChartPair> charts = PileChartsOf(*extras)) {
        window.ShowCharts(*charts);
        return;
    }
    window.ShowNoCharts(QStringLiteral("此次计算没有给出桩身的弯矩与剪力。"));
}

} // namespace

DepthChartWindow* DepthChartWindowOf(const CalculatorForm& form) {
    return dynamic_cast<DepthChartWindow*>(
        form.findChild<QWidget*>(kWindowName, Qt::FindDirectChildrenOnly));
}

void AttachDepthChartWindow(CalculatorForm& form) {
    if (DepthChartWindowOf(form))
        return;
    auto* window = new DepthChartWindow(form.Title(), &form);
    window->setObjectName(kWindowName);
    form.WatchResults([window](const CalcOutcome* outcome, const CaseExtras* extras) {
        Follow(*window, outcome, extras);
    });
}

void AddDepthChartCommand(CalculatorForm& form) {
    DepthChartWindow* window = DepthChartWindowOf(form);
    if (!window || !form.Commands())
        return;
    for (const QAction* action : form.actions()) {
        if (action->text() == QString(kCommandText))
            return;
    }
    QAction* command = form.Commands()->AddFormCommand(kCommandText);
    command->setToolTip(QStringLiteral("在单独的窗口中画出桩身弯矩图与剪力图，随每次计算更新"));
    QObject::connect(command, &QAction::triggered, window, [window] {
        window->show();
        window->raise();
        window->activateWindow();
    });
}

} // namespace korvane
