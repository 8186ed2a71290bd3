#pragma once

#include "Problem.h"
#include "StudyRun.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <optional>
#include <thread>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace korvane {

class CalculatorForm;
class StudyChartCanvas;

// 参数分析: one input of the form's case varied over a range, a result charted against it
// with its target and crossings, the points in a table beside the chart. The study runs
// on all cores away from the window, which shows its progress and can cancel it; its
// settings are the case's (saved with it, and in its report when asked for). Closing the
// window hides it: the form keeps it.
class StudyWindow : public QWidget {
public:
    explicit StudyWindow(CalculatorForm& form);
    ~StudyWindow() override;

    // The settings the controls hold, or why they are no study.
    Problem ReadSettings(StudySettings& settings) const;
    // Shows `settings` in the controls; the form's own when it keeps a study.
    void ShowSettings(const StudySettings& settings);

    // Starts the study of the controls' settings on the form's inputs; false (with the
    // reason in the window) when the settings are no study.
    bool Start();
    void Cancel();
    bool Running() const { return m_worker.joinable(); }
    // Waits for a running study and shows its answer (for tests and scripted use).
    void Wait();

    const std::optional<StudyAnswer>& Answer() const { return m_answer; }
    QString StatusText() const;
    QTableWidget* Table() const { return m_table; }

    Problem SaveCsv(const QString& path) const;
    Problem SaveChart(const QString& path) const;
    QImage ChartPicture(QSize size, double pixelRatio) const;

    // The form's inputs changed or another case is shown: the answer no longer stands for
    // them.
    void FormChanged();

    QSize sizeHint() const override;

private:
    friend class StudyChartCanvas;
    void PaintChart(QPainter& painter, const QRectF& rect) const;
    void ShowInControls(const StudySettings& settings);
    void InputChosen();
    void ResultChosen();
    void SettingsEdited();
    void Finished(std::shared_ptr<StudyAnswer> answer);
    void ShowAnswer();
    void ShowStatus();
    void ShowRunning(bool running);
    void AskCsv();
    void AskChart();

    CalculatorForm& m_form;
    std::string m_calculator;
    std::vector<StudyQuantity> m_inputs;
    std::vector<StudyQuantity> m_results;

    QComboBox* m_input;
    QLineEdit* m_from;
    QLineEdit* m_to;
    QSpinBox* m_points;
    QComboBox* m_result;
    QCheckBox* m_useTarget;
    QComboBox* m_relation;
    QLineEdit* m_targetValue;
    QPushButton* m_start;
    QPushButton* m_cancel;
    QProgressBar* m_progressBar;
    StudyChartCanvas* m_canvas;
    QTableWidget* m_table;
    QLabel* m_status;
    QCheckBox* m_inReport;
    QPushButton* m_csv;
    QPushButton* m_chart;

    std::optional<StudyAnswer> m_answer;
    std::optional<StudySettings> m_answered; // the settings of m_answer
    bool m_stale = false;                    // the form's inputs changed since
    QString m_problem;                       // why the last start was refused
    bool m_showingSettings = false;          // the controls are being set, not edited
    bool m_userSettings = false;             // the window is open: edits are the user's
    StudyProgress m_progress;
    std::thread m_worker;
    QTimer* m_poll;
};

// Adds 参数分析… to the commands of `form` (once they exist): it opens the form's study
// window or brings it to the front.
void AddStudyCommand(CalculatorForm& form);
// The study window of `form`, once it was opened.
StudyWindow* StudyWindowOf(const CalculatorForm& form);

} // namespace korvane
