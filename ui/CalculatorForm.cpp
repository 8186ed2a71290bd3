#include "CalculatorForm.h"

#include "CaseCommands.h"
#include "CaseFile.h"
#include "CaseMessages.h"
#include "CodeMethodText.h"
#include "DesignChecks.h"
#include "RecentCases.h"
#include "StudyWindow.h"
#include "VerdictNote.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStringList>

namespace korvane {

namespace {

// Under the commands while the results shown were calculated from other inputs.
constexpr const char* kStaleResultsLine = "输入已修改，结果未更新";

} // namespace

CalculatorForm::~CalculatorForm() = default;

CaseData CalculatorForm::ShownCase() const {
    CaseData data = m_shownCase(m_calculated);
    data.limits = m_limits;
    data.study = m_study;
    return data;
}

void CalculatorForm::ShowCase(const CaseData& data) {
    {
        // Choosing the case's radio positions clicks them, which is no edit of the user's.
        QScopedValueRollback<bool> showing(m_showingCase, true);
        m_showCase(data);
    }
    m_calculated = false;
    m_resultsStale = false;
    m_limits = data.limits;
    m_study = data.study;
    ShowResultNote({});
    TellWatchers(nullptr, nullptr);
    MakeRoomForNotes();
    if (data.calculated)
        Recalculate();
    MarkCaseKept();
}

void CalculatorForm::MarkCaseKept() {
    m_keptCase = CaseJson(ShownCase());
    setWindowModified(false);
}

void CalculatorForm::UpdateModified() {
    setWindowModified(CaseJson(ShownCase()) != m_keptCase);
}

void CalculatorForm::SetLimits(const DesignLimits& limits) {
    m_limits = limits;
    MakeRoomForNotes();
    if (m_calculated)
        Recalculate();
    UpdateModified();
}

void CalculatorForm::SetStudy(const std::optional<StudySettings>& study) {
    m_study = study;
    UpdateModified();
}

void CalculatorForm::TellWatchers(const CalcOutcome* outcome, const CaseExtras* extras) {
    for (const ResultsWatcher& watcher : m_resultsWatchers)
        watcher(outcome, extras);
}

void CalculatorForm::Recalculate() {
    if (auto* calculate = qobject_cast<QAbstractButton*>(GetDlgItem(m_calculateButton)))
        calculate->click();
}

void CalculatorForm::OpenWith(const CaseData& data, const QString& path) {
    m_openingCase = data;
    m_casePath = path;
}

void CalculatorForm::SetCaseFilePath(const QString& path) {
    m_casePath = path;
    if (m_commands)
        m_commands->ShowCaseFile(path);
}

bool CalculatorForm::OnInitDialog() {
    if (!CDialog::OnInitDialog())
        return false;
    if (!m_commands) {
        // The title marks a case with unsaved changes.
        setWindowTitle(windowTitle() + "[*]");
        m_commands = new CaseCommands(this);
        AddStripBelowTemplate(m_commands->Strip());
        MakeRoomForNotes();
        WatchEdits();
        AddStudyCommand(*this);
    }
    m_commands->ShowCaseFile(m_casePath);
    if (m_openingCase) {
        ShowCase(*m_openingCase);
        m_openingCase.reset();
    } else {
        MarkCaseKept();
    }
    return true;
}

// Results stand for the inputs only until the user changes one of them.
void CalculatorForm::WatchEdits() {
    auto stale = [this] { InputEdited(); };
    for (QLineEdit* edit : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        connect(edit, &QLineEdit::textEdited, this, stale);
    for (QComboBox* combo : findChildren<QComboBox*>(Qt::FindDirectChildrenOnly))
        connect(combo, &QComboBox::activated, this, stale);
    for (QRadioButton* radio : findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        connect(radio, &QRadioButton::clicked, this, stale);
}

void CalculatorForm::InputEdited() {
    if (m_showingCase)
        return;
    // Results are marked only where there are some: the zeros of a form not yet
    // calculated stand for nothing.
    m_resultsStale = m_resultsStale || m_calculated;
    m_calculated = false;
    ShowResultNote(m_resultsStale ? QString(kStaleResultsLine) : QString());
    TellWatchers(nullptr, nullptr);
    UpdateModified();
}

CalcRequest CalculatorForm::RequestFor(CalcRequest request) const {
    request.detail = request.detail || !m_limits.empty();
    // The code's methods run on the defaults in some 20 ms: on this thread, beside the
    // form's own calculation.
    request.codeMethods = request.codeMethods || m_codeMethods;
    return request;
}

void CalculatorForm::ShowCalculation(const CalcOutcome& outcome, const CaseExtras& extras,
                                     const QString& note) {
    m_calculated = outcome.computed();
    // A refused calculation leaves the results it found, which may be of other inputs.
    if (outcome.computed())
        m_resultsStale = false;
    QStringList lines;
    if (m_resultsStale)
        lines << kStaleResultsLine;
    if (outcome.computed() && !m_limits.empty()) {
        const QString verdicts =
            VerdictNote(DesignChecks(m_calculator.toStdString(), extras, m_limits));
        if (!verdicts.isEmpty())
            lines << verdicts;
    }
    if (outcome.computed()) {
        const std::string methods = CodeMethodSummary(extras.codeMethods);
        if (!methods.empty())
            lines << QString::fromStdString(methods).toHtmlEscaped();
    }
    for (const CaseNote& caseNote : extras.notes)
        lines << QString("<span style=\"color:#a05a00\">提示：%1</span>")
                     .arg(QString::fromStdString(NoteLine(caseNote)).toHtmlEscaped());
    if (!note.isEmpty())
        lines << note.toHtmlEscaped();
    ShowResultNote(lines.join("<br>"));
    TellWatchers(&outcome, &extras);
    UpdateModified();
}

void CalculatorForm::ShowResultNote(const QString& html) {
    if (m_commands)
        m_commands->ShowNote(html);
}

void CalculatorForm::MakeRoomForNotes() {
    if (!m_commands)
        return;
    QStringList lines;
    const QString verdicts = VerdictNoteSample(m_calculator, m_limits);
    if (!verdicts.isEmpty())
        lines << verdicts;
    if (m_codeMethods)
        lines << "　";
    if (m_ownNote)
        lines << "　";
    m_commands->MakeRoomForNote(lines.join("<br>"));
}

void CalculatorForm::done(int result) {
    if (m_commands) // it did open
        KeepLastClosedCase(ShownCase());
    CDialog::done(result);
}

} // namespace korvane
