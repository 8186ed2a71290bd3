#include "StudyWindow.h"

#include "CalculatorForm.h"
#include "CaseCommands.h"
#include "FieldText.h"
#include "MessageBox.h"
#include "PictureFile.h"
#include "RecentCases.h"
#include "ReportFigures.h"
#include "ReportFont.h"
#include "SafeFile.h"
#include "StudyCsv.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

const char kWindowName[] = "studyWindow";
const char kCommandText[] = "参数分析…";
constexpr int kDefaultPoints = 21;
constexpr double kMargin = 10;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// The size the chart is painted at: the canvas's, or the one it would open with.
QSize ShownSize(const QWidget& canvas) {
    return canvas.isVisible() ? canvas.size() : canvas.sizeHint();
}

} // namespace

// Paints the window's chart, or what to do to get one.
class StudyChartCanvas : public QWidget {
public:
    explicit StudyChartCanvas(const StudyWindow& window) : m_window(window) {
        setObjectName("studyChartCanvas");
        setMinimumSize(360, 260);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override { return {720, 460}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_window.PaintChart(painter, rect());
    }

private:
    const StudyWindow& m_window;
};

StudyWindow::StudyWindow(CalculatorForm& form)
    : QWidget(&form, Qt::Window), m_form(form), m_calculator(form.CalculatorName().toStdString()),
      m_inputs(StudyInputsOf(m_calculator)), m_results(StudyResultsOf(m_calculator)) {
    setWindowTitle(QStringLiteral("参数分析 — ") + form.Title());

    m_input = new QComboBox;
    for (const StudyQuantity& q : m_inputs)
        m_input->addItem(Q(q.label), Q(q.name));
    m_from = new QLineEdit;
    m_to = new QLineEdit;
    m_points = new QSpinBox;
    m_points->setRange(2, kMostStudyPoints);
    m_points->setValue(kDefaultPoints);
    m_result = new QComboBox;
    for (const StudyQuantity& q : m_results)
        m_result->addItem(Q(q.label), Q(q.name));
    m_useTarget = new QCheckBox(QStringLiteral("目标"));
    m_useTarget->setToolTip(QStringLiteral("找出结果越过目标值的输入值（逐点扫描后二分）"));
    m_relation = new QComboBox;
    m_relation->addItem(QStringLiteral("≥"));
    m_relation->addItem(QStringLiteral("≤"));
    m_targetValue = new QLineEdit;
    m_start = new QPushButton(QStringLiteral("开始分析"));
    m_cancel = new QPushButton(QStringLiteral("取消"));
    m_progressBar = new QProgressBar;
    m_progressBar->setFormat(QStringLiteral("%v / %m 点"));

    auto* settings = new QGridLayout;
    settings->addWidget(new QLabel(QStringLiteral("变化的输入")), 0, 0);
    settings->addWidget(m_input, 0, 1);
    settings->addWidget(new QLabel(QStringLiteral("从")), 0, 2);
    settings->addWidget(m_from, 0, 3);
    settings->addWidget(new QLabel(QStringLiteral("到")), 0, 4);
    settings->addWidget(m_to, 0, 5);
    settings->addWidget(new QLabel(QStringLiteral("点数")), 0, 6);
    settings->addWidget(m_points, 0, 7);
    settings->addWidget(new QLabel(QStringLiteral("结果")), 1, 0);
    settings->addWidget(m_result, 1, 1);
    settings->addWidget(m_useTarget, 1, 2, 1, 2);
    settings->addWidget(m_relation, 1, 4);
    settings->addWidget(m_targetValue, 1, 5);
    settings->setColumnStretch(1, 1);
    auto* run = new QHBoxLayout;
    run->addWidget(m_start);
    run->addWidget(m_cancel);
    run->addWidget(m_progressBar, 1);

    m_canvas = new StudyChartCanvas(*this);
    m_table = new QTableWidget;
    m_table->setObjectName("studyTable");
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_canvas);
    splitter->addWidget(m_table);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    m_status = new QLabel;
    m_status->setObjectName("studyStatus");
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_inReport = new QCheckBox(QStringLiteral("添加到计算书"));
    m_inReport->setToolTip(
        QStringLiteral("计算书在签署之后附上本参数分析：设置、曲线、交点与各点"));
    m_csv = new QPushButton(QStringLiteral("导出 CSV…"));
    m_chart = new QPushButton(QStringLiteral("保存图…"));
    m_chart->setToolTip(QStringLiteral("把曲线图保存为 SVG 矢量图或 PNG 图片"));
    auto* close = new QPushButton(QStringLiteral("关闭"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_inReport);
    buttons->addStretch(1);
    buttons->addWidget(m_csv);
    buttons->addWidget(m_chart);
    buttons->addWidget(close);

    auto* column = new QVBoxLayout(this);
    column->addLayout(settings);
    column->addLayout(run);
    column->addWidget(splitter, 1);
    column->addWidget(m_status);
    column->addLayout(buttons);

    m_poll = new QTimer(this);
    m_poll->setInterval(100);
    connect(m_poll, &QTimer::timeout, this,
            [this] { m_progressBar->setValue(m_progress.done.load()); });
    connect(m_input, &QComboBox::activated, this, [this] { InputChosen(); });
    connect(m_result, &QComboBox::activated, this, [this] { ResultChosen(); });
    for (QLineEdit* edit : {m_from, m_to, m_targetValue})
        connect(edit, &QLineEdit::textEdited, this, [this] { SettingsEdited(); });
    connect(m_points, &QSpinBox::valueChanged, this, [this] { SettingsEdited(); });
    connect(m_relation, &QComboBox::activated, this, [this] { SettingsEdited(); });
    connect(m_useTarget, &QCheckBox::toggled, this, [this] {
        m_relation->setEnabled(m_useTarget->isChecked());
        m_targetValue->setEnabled(m_useTarget->isChecked());
        SettingsEdited();
    });
    connect(m_inReport, &QCheckBox::clicked, this, [this] { SettingsEdited(); });
    connect(m_start, &QPushButton::clicked, this, [this] { Start(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Cancel(); });
    connect(m_csv, &QPushButton::clicked, this, [this] { AskCsv(); });
    connect(m_chart, &QPushButton::clicked, this, [this] { AskChart(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    if (form.Study()) {
        ShowSettings(*form.Study());
    } else {
        // The safety factor is what a slope study is mostly about.
        if (const int ks = m_result->findData(QStringLiteral("ks")); ks >= 0)
            m_result->setCurrentIndex(ks);
        InputChosen();
        ResultChosen();
    }
    // From here on the settings are the user's: the case keeps them.
    m_userSettings = true;
    ShowRunning(false);
    ShowAnswer();
    resize(sizeHint().expandedTo(QSize(1080, 660)));
}

StudyWindow::~StudyWindow() {
    m_progress.cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

QSize StudyWindow::sizeHint() const {
    return QWidget::sizeHint().boundedTo(QSize(1300, 900));
}

Problem StudyWindow::ReadSettings(StudySettings& s) const {
    s = {};
    s.range.input = m_input->currentData().toString().toStdString();
    s.result = m_result->currentData().toString().toStdString();
    s.range.points = m_points->value();
    s.inReport = m_inReport->isChecked();
    const auto number = [](const QLineEdit* edit, const char* what, double& out) -> Problem {
        const std::optional<double> v = ParseNumber(edit->text().trimmed().toStdString());
        if (!v || !std::isfinite(*v))
            return Problem(std::string(what) + "应是一个数，不是“" + edit->text().toStdString() +
                           "”");
        out = *v;
        return {};
    };
    if (Problem p = number(m_from, "范围的起点", s.range.from))
        return p;
    if (Problem p = number(m_to, "范围的终点", s.range.to))
        return p;
    if (m_useTarget->isChecked()) {
        StudyTarget target{s.result, m_relation->currentIndex() == 0, 0};
        if (Problem p = number(m_targetValue, "目标值", target.value))
            return p;
        s.target = target;
    }
    return StudySettingsProblem(m_calculator, s);
}

void StudyWindow::ShowSettings(const StudySettings& s) {
    {
        // The controls are set, not edited: the case keeps what it has until the user
        // changes them.
        QScopedValueRollback<bool> showing(m_showingSettings, true);
        ShowInControls(s);
    }
    m_problem.clear();
    ShowStatus();
}

void StudyWindow::ShowInControls(const StudySettings& s) {
    const int input = m_input->findData(Q(s.range.input));
    if (input >= 0)
        m_input->setCurrentIndex(input);
    m_from->setText(Q(StudyText(s.range.from)));
    m_to->setText(Q(StudyText(s.range.to)));
    m_points->setValue(s.range.points);
    const int result = m_result->findData(Q(s.result));
    if (result >= 0)
        m_result->setCurrentIndex(result);
    m_useTarget->setChecked(s.target.has_value());
    if (s.target) {
        m_relation->setCurrentIndex(s.target->atLeast ? 0 : 1);
        m_targetValue->setText(Q(FormatNumber(s.target->value)));
    }
    m_relation->setEnabled(s.target.has_value());
    m_targetValue->setEnabled(s.target.has_value());
    m_inReport->setChecked(s.inReport);
    for (QLineEdit* edit : {m_from, m_to, m_targetValue})
        edit->setCursorPosition(0);
}

// A range round the value the form shows: half of it to one and a half times it.
void StudyWindow::InputChosen() {
    const CaseData shown = m_form.ShownCase();
    const std::string name = m_input->currentData().toString().toStdString();
    const auto text = shown.inputs.find(name);
    const std::optional<double> v =
        text == shown.inputs.end() ? std::nullopt : ParseNumber(text->second);
    if (v && std::isfinite(*v)) {
        double from = *v == 0 ? 0 : AsShown(*v * 0.5);
        double to = *v == 0 ? 1 : AsShown(*v * 1.5);
        if (from > to)
            std::swap(from, to);
        // Within the field's range, when it has one: the form refuses the rest.
        const StudyQuantity* input = FindStudyQuantity(m_inputs, name);
        if (input && input->least && input->most) {
            from = std::clamp(from, *input->least, *input->most);
            to = std::clamp(to, *input->least, *input->most);
            if (from == to) {
                from = *input->least;
                to = *input->most;
            }
        }
        m_from->setText(Q(StudyText(from)));
        m_to->setText(Q(StudyText(to)));
    }
    SettingsEdited();
}

// The target the case's limits set on the result, when they set one.
void StudyWindow::ResultChosen() {
    const std::optional<StudyTarget> target = TargetFromLimits(
        m_calculator, m_result->currentData().toString().toStdString(), m_form.Limits());
    if (target) {
        m_useTarget->setChecked(true);
        m_relation->setCurrentIndex(target->atLeast ? 0 : 1);
        m_targetValue->setText(Q(FormatNumber(target->value)));
    }
    m_relation->setEnabled(m_useTarget->isChecked());
    m_targetValue->setEnabled(m_useTarget->isChecked());
    SettingsEdited();
}

// The case keeps the settings shown whenever they are a study.
void StudyWindow::SettingsEdited() {
    if (m_showingSettings)
        return;
    m_problem.clear();
    StudySettings s;
    if (m_userSettings && !ReadSettings(s) && m_form.Study() != s)
        m_form.SetStudy(s);
    ShowStatus();
}

bool StudyWindow::Start() {
    if (Running())
        return false;
    StudySettings s;
    if (const Problem problem = ReadSettings(s)) {
        m_problem = Q(problem.Message());
        ShowStatus();
        return false;
    }
    m_problem.clear();
    m_form.SetStudy(s);
    CaseData base = m_form.ShownCase();
    base.calculated = false;
    base.results.clear();
    m_progress.done = 0;
    m_progress.cancel = false;
    m_progressBar->setRange(0, s.range.points);
    m_progressBar->setValue(0);
    ShowRunning(true);
    const unsigned threads = std::max(std::thread::hardware_concurrency(), 1u);
    m_worker = std::thread([this, base, s, threads] {
        auto answer = std::make_shared<StudyAnswer>(RunStudy(base, s, threads, &m_progress));
        QMetaObject::invokeMethod(
            this,
            [this, answer, s] {
                m_answered = s;
                Finished(answer);
            },
            Qt::QueuedConnection);
    });
    return true;
}

void StudyWindow::Cancel() {
    m_progress.cancel = true;
}

void StudyWindow::Wait() {
    if (!m_worker.joinable())
        return;
    m_worker.join();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void StudyWindow::Finished(std::shared_ptr<StudyAnswer> answer) {
    if (m_worker.joinable())
        m_worker.join();
    m_answer = std::move(*answer);
    m_stale = false;
    ShowRunning(false);
    ShowAnswer();
}

void StudyWindow::FormChanged() {
    if (m_form.Study() && m_answered != m_form.Study()) {
        StudySettings shown;
        if (ReadSettings(shown) || shown != *m_form.Study())
            ShowSettings(*m_form.Study());
    }
    m_stale = m_answer.has_value();
    ShowStatus();
}

void StudyWindow::ShowRunning(bool running) {
    m_start->setEnabled(!running);
    m_cancel->setEnabled(running);
    m_progressBar->setVisible(running);
    if (running) {
        m_poll->start();
    } else {
        m_poll->stop();
        m_progressBar->setValue(m_progress.done.load());
    }
}

QString StudyWindow::StatusText() const {
    QStringList lines;
    if (!m_problem.isEmpty())
        lines << QStringLiteral("无法分析：") + m_problem;
    if (!m_answer || !m_answered)
        return lines.join('\n');
    const StudySettings& s = *m_answered;
    const StudyAnswer& a = *m_answer;
    int done = 0, computed = 0;
    for (const StudyPointAnswer& p : a.points) {
        done += p.done;
        computed += p.computed;
    }
    if (a.cancelled)
        lines << QStringLiteral("已取消：完成 %1 / %2 点。").arg(done).arg(a.points.size());
    else if (computed < done)
        lines << QStringLiteral("%1 点中有 %2 点未算出结果，见表中状态。")
                     .arg(done)
                     .arg(done - computed);
    if (s.target && a.solution) {
        const QString text = Q(StudySolutionText(s.range.input, *a.solution, *s.target));
        lines << (a.solution->crossings.empty()
                      ? text + QStringLiteral("。")
                      : QStringLiteral("%1 的交点：").arg(Q(StudyTargetText(*s.target))) + text);
    }
    if (m_stale)
        lines << QStringLiteral("表单的输入已改动，分析不再代表表单中的输入，请重新分析。");
    return lines.join('\n');
}

// Only the words under the chart: the table and chart stay as they were computed.
void StudyWindow::ShowStatus() {
    m_status->setText(StatusText());
}

void StudyWindow::ShowAnswer() {
    ShowStatus();
    const bool any = m_answer.has_value() && m_answered.has_value();
    m_csv->setEnabled(any);
    m_chart->setEnabled(any);
    m_table->clear();
    m_table->setRowCount(0);
    m_table->setColumnCount(0);
    m_canvas->update();
    if (!any)
        return;
    const StudyAnswer& a = *m_answer;
    QStringList header{Q(m_answered->range.input)};
    for (const StudyQuantity& q : a.quantities)
        header << Q(q.name);
    header << QStringLiteral("状态");
    m_table->setColumnCount(static_cast<int>(header.size()));
    m_table->setHorizontalHeaderLabels(header);
    for (std::size_t c = 0; c < a.quantities.size(); ++c)
        m_table->horizontalHeaderItem(static_cast<int>(c + 1))
            ->setToolTip(Q(a.quantities[c].label));
    int row = 0;
    for (const StudyPointAnswer& p : a.points) {
        if (!p.done)
            continue;
        m_table->insertRow(row);
        m_table->setItem(row, 0, new QTableWidgetItem(Q(p.text)));
        for (std::size_t c = 0; c < p.texts.size(); ++c)
            m_table->setItem(row, static_cast<int>(c + 1), new QTableWidgetItem(Q(p.texts[c])));
        m_table->setItem(row, static_cast<int>(p.texts.size() + 1),
                         new QTableWidgetItem(Q(p.status)));
        ++row;
    }
    m_table->resizeColumnsToContents();
}

void StudyWindow::PaintChart(QPainter& painter, const QRectF& rect) const {
    painter.fillRect(rect, Qt::white);
    const QRectF inner = rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (m_answer && m_answered && inner.width() > 0 && inner.height() > 0) {
        PaintFigure(painter, inner, StudyChartOf(m_calculator, *m_answered, *m_answer));
        return;
    }
    painter.save();
    painter.setFont(ReportFont(11));
    painter.setPen(QColor(90, 90, 90));
    painter.drawText(
        inner, Qt::AlignCenter | Qt::TextWordWrap,
        QStringLiteral("尚未分析。\n选好变化的输入、范围、点数与结果后，按“开始分析”。"));
    painter.restore();
}

QImage StudyWindow::ChartPicture(QSize size, double pixelRatio) const {
    return PaintedImage(size, pixelRatio, [this](QPainter& painter, const QRectF& rect) {
        PaintChart(painter, rect);
    });
}

Problem StudyWindow::SaveCsv(const QString& path) const {
    if (!m_answer || !m_answered)
        return Problem("尚未分析，没有可导出的数据");
    return WriteFileWhole(path,
                          QByteArray::fromStdString(StudyCsv(*m_answer, m_answered->range.input)),
                          QFileInfo(path).fileName(), QStringLiteral("无法导出"));
}

Problem StudyWindow::SaveChart(const QString& path) const {
    return SavePicture(
        path, ShownSize(*m_canvas), m_canvas->devicePixelRatioF(), windowTitle(),
        [this](QPainter& painter, const QRectF& rect) { PaintChart(painter, rect); });
}

void StudyWindow::AskCsv() {
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("导出参数分析"),
        QFileInfo(CaseFolder(), QStringLiteral("参数分析.csv")).filePath(),
        QStringLiteral("CSV 文件 (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    if (const Problem problem = SaveCsv(path))
        AfxMessageBox(Q(problem.Message()), this);
}

void StudyWindow::AskChart() {
    const QString path =
        AskPicturePath(this, QStringLiteral("保存参数分析图"), QStringLiteral("参数分析"));
    if (path.isEmpty())
        return;
    if (const Problem problem = SaveChart(path))
        AfxMessageBox(Q(problem.Message()), this);
}

StudyWindow* StudyWindowOf(const CalculatorForm& form) {
    return dynamic_cast<StudyWindow*>(
        form.findChild<QWidget*>(kWindowName, Qt::FindDirectChildrenOnly));
}

void AddStudyCommand(CalculatorForm& form) {
    if (!form.Commands())
        return;
    for (const QAction* action : form.actions()) {
        if (action->text() == QString(kCommandText))
            return;
    }
    QAction* command = form.Commands()->AddFormCommand(kCommandText);
    command->setToolTip(
        QStringLiteral("一个输入在一个范围内变化时结果怎样变化，以及结果达到目标的输入值"));
    CalculatorForm* owner = &form;
    QObject::connect(command, &QAction::triggered, &form, [owner] {
        StudyWindow* window = StudyWindowOf(*owner);
        if (!window) {
            window = new StudyWindow(*owner);
            window->setObjectName(kWindowName);
            owner->WatchResults([window](const CalcOutcome* outcome, const CaseExtras*) {
                if (!outcome)
                    window->FormChanged();
            });
        }
        window->show();
        window->raise();
        window->activateWindow();
    });
}

} // namespace korvane
