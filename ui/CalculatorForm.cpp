#include "CalculatorForm.h"

#include "CaseCommands.h"
#include "RecentCases.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace korvane {

CalculatorForm::~CalculatorForm() = default;

CaseData CalculatorForm::ShownCase() const {
    return m_shownCase(m_calculated);
}

void CalculatorForm::ShowCase(const CaseData& data) {
    m_showCase(data);
    m_calculated = false;
    if (data.calculated) {
        if (auto* calculate = qobject_cast<QAbstractButton*>(GetDlgItem(m_calculateButton)))
            calculate->click();
    }
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
        m_commands = new CaseCommands(this, m_resultNote);
        AddStripBelowTemplate(m_commands->Strip());
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

void CalculatorForm::ShowResultNote(const QString& note) {
    if (m_commands)
        m_commands->ShowNote(note);
}

void CalculatorForm::done(int result) {
    if (m_commands) // it did open
        KeepLastClosedCase(ShownCase());
    CDialog::done(result);
}

} // namespace korvane
