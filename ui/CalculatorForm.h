#pragma once

#include "CDialog.h"
#include "CaseData.h"
#include "FormCaseFields.h"

#include <QString>
#include <functional>
#include <optional>

namespace korvane {

class CaseCommands;

// A calculator form: its template, and below it the commands that keep its inputs
// in case files and turn them into a calculation report. The form's own behaviour
// (fields, buttons, closing at once, opening with the defaults) is its template's.
class CalculatorForm : public CDialog {
public:
    template <class Record>
    CalculatorForm(int templateId, const Calculator<Record>& calc, int calculateButton,
                   QWidget* parent)
        : CDialog(templateId, parent), m_calculator(calc.name), m_title(calc.title),
          m_calculateButton(calculateButton) {
        m_shownCase = [this, calc](bool calculated) {
            return ShownCaseOf(*this, calc, calculated);
        };
        m_showCase = [this, calc](const CaseData& data) { ShowCaseIn(*this, calc, data); };
    }
    ~CalculatorForm() override;

    const QString& CalculatorName() const { return m_calculator; }
    const QString& Title() const { return m_title; }

    // What the fields show, as a case; with the results when they were calculated
    // from the inputs shown.
    CaseData ShownCase() const;
    // Shows a case that was checked against this calculator; a calculated case is
    // calculated again, so that everything the form shows follows from it.
    void ShowCase(const CaseData& data);
    // Opens the form with `data` instead of the defaults (before DoModal); `path` is
    // the file it came from, empty for none.
    void OpenWith(const CaseData& data, const QString& path);

    // The file the form's case was last opened from or saved to.
    const QString& CaseFilePath() const { return m_casePath; }
    void SetCaseFilePath(const QString& path);

    bool ResultsCalculated() const { return m_calculated; }

    CaseCommands* Commands() const { return m_commands; }

protected:
    bool OnInitDialog() override;
    // Every way of closing ends here: the inputs shown are kept first.
    void done(int result) override;

    // The calculate handler says whether its results stand for the inputs shown.
    void SetCalculated(bool calculated) { m_calculated = calculated; }
    // A form that has a note on its results (ShowResultNote) reserves a line for it
    // under the commands; call in the constructor.
    void ReserveResultNote() { m_resultNote = true; }
    // One line under the commands about the results shown; cleared when an input changes.
    void ShowResultNote(const QString& note);

private:
    void WatchEdits();

    QString m_calculator;
    QString m_title;
    int m_calculateButton;
    std::function<CaseData(bool)> m_shownCase;
    std::function<void(const CaseData&)> m_showCase;
    std::optional<CaseData> m_openingCase;
    QString m_casePath;
    bool m_calculated = false;
    bool m_resultNote = false;
    CaseCommands* m_commands = nullptr;
};

} // namespace korvane
