#include "CalculatorForm.h"

#include "CaseCommands.h"
#include "DesignChecks.h"
#include "RecentCases.h"
#include "VerdictNote.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>

namespace korvane {

CalculatorForm::~CalculatorForm() = default;

CaseData CalculatorForm::ShownCase() const {
    CaseData data = m_shownCase(m_calculated);
    data.limits = m_limits;
    return data;
}

void CalculatorForm::ShowCase(const CaseData& data) {
    m_showCase(data);
    m_calculated = false;
    ShowResultNote({});
    m_limits = data.limits;
    MakeRoomForNotes();
    if (data.calculated)
        Recalculate();
}

void CalculatorForm::SetLimits(const DesignLimits& limits) {
    m_limits = limits;
    MakeRoomForNotes();
    if (m_calculated)
        Recalculate();
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
        m_commands = new CaseCommands(this);
        AddStripBelowTemplate(m_commands->Strip());
        MakeRoomForNotes();
        WatchEdits();
    }
    m_commands->ShowCaseFile(m_casePath);
    if (m_openingCase) {
        ShowCase(*m_openingCase);
        m_openingCase.reset();
    }
    return true;
}

// Results stand for the inputs only until the user changes one of them.
void CalculatorForm::WatchEdits() {
    auto stale = [this] {
        m_calculated = false;
        ShowResultNote({});
    };
    for (QLineEdit* edit : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        connect(edit, &QLineEdit::textEdited, this, stale);
    for (QComboBox* combo : findChildren<QComboBox*>(Qt::FindDirectChildrenOnly))
        connect(combo, &QComboBox::activated, this, stale);
    for (QRadioButton* radio : findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        connect(radio, &QRadioButton::clicked, this, stale);
}

CalcRequest CalculatorForm::RequestFor(CalcRequest request) const {
    request.detail = request.detail || !m_limits.empty();
    return request;
}

void CalculatorForm::ShowCalculation(const CalcOutcome& outcome, const CaseExtras& extras,
                                     const QString& note) {
    m_calculated = outcome.computed();
    QStringList lines;
    if (outcome.computed() && !m_limits.empty()) {
        const QString verdicts =
            VerdictNote(DesignChecks(m_calculator.toStdString(), extras, m_limits));
        if (!verdicts.isEmpty())
            lines << verdicts;
    }
    if (!note.isEmpty())
        lines << note.toHtmlEscaped();
    ShowResultNote(lines.join("<br>"));
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
