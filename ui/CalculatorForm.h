#pragma once

#include "CDialog.h"
#include "CaseData.h"
#include "DesignLimits.h"
#include "FormCaseFields.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

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
          m_calculateButton(calculateButton), m_codeMethods(calc.codeMethods) {
        m_shownCase = [this, calc](bool calculated) {
            return ShownCaseOf(*this, calc, calculated);
        };
        m_showCase = [this, calc](const CaseData& data) {
            // What the case does not hold (the results of a case not calculated, the
            // depth series) shows the record's defaults, never what the last case left.
            if (auto* record = dynamic_cast<Record*>(this))
                *record = Record{};
            UpdateData(false);
            ShowCaseIn(*this, calc, data);
        };
    }
    ~CalculatorForm() override;

    const QString& CalculatorName() const { return m_calculator; }
    const QString& Title() const { return m_title; }

    // What the fields show, as a case; with the results when they were calculated
    // from the inputs shown, and the limits the results are checked against.
    CaseData ShownCase() const;
    // Shows a case that was checked against this calculator, with its limits (none when
    // it has none); a calculated case is calculated again, so that everything the form
    // shows follows from it. Every field is set, the notes are cleared and the case
    // counts as kept (the window is not marked modified).
    void ShowCase(const CaseData& data);
    // The case shown is the one its file holds (just opened or saved): the window is
    // marked modified again only when what it shows differs from it.
    void MarkCaseKept();
    // Opens the form with `data` instead of the defaults (before DoModal); `path` is
    // the file it came from, empty for none.
    void OpenWith(const CaseData& data, const QString& path);

    // The file the form's case was last opened from or saved to.
    const QString& CaseFilePath() const { return m_casePath; }
    void SetCaseFilePath(const QString& path);

    bool ResultsCalculated() const { return m_calculated; }

    // The limits of the case shown. Setting them calculates again when the results
    // stand for the inputs, so that the verdicts under the commands follow at once.
    const DesignLimits& Limits() const { return m_limits; }
    void SetLimits(const DesignLimits& limits);

    CaseCommands* Commands() const { return m_commands; }

    // Told what every calculation gave, and told nothing (both null) when the results
    // shown stop standing for the inputs: an input changed or another case was shown.
    // Every watcher is told, in the order they were added.
    using ResultsWatcher = std::function<void(const CalcOutcome*, const CaseExtras*)>;
    void WatchResults(ResultsWatcher watcher) { m_resultsWatchers.push_back(std::move(watcher)); }

    // The parameter study the case keeps; setting it marks the window modified when the
    // case shown then differs from the one kept.
    const std::optional<StudySettings>& Study() const { return m_study; }
    void SetStudy(const std::optional<StudySettings>& study);

protected:
    bool OnInitDialog() override;
    // Every way of closing ends here: the inputs shown are kept first.
    void done(int result) override;

    // What a calculate handler asks of its calculation: `request`, with the step-by-step
    // detail the verdicts are drawn from when the case has limits, and the code's methods
    // where the calculator has them.
    CalcRequest RequestFor(CalcRequest request = {}) const;
    // What every calculate handler does after its calculation: says whether the results
    // stand for the inputs shown, and states under the commands the verdicts of the
    // results against the case's limits, each of the calculation's notes (extras.notes)
    // on a line of its own, then `note` (the form's own, plain text). The window grows
    // to hold every line. Replaced by a mark of stale results when an input changes.
    void ShowCalculation(const CalcOutcome& outcome, const CaseExtras& extras,
                         const QString& note = {});
    // A form that writes a note of its own under its results keeps a line for it
    // besides the verdicts; call in the constructor.
    void ReserveResultNote() { m_ownNote = true; }

private:
    void WatchEdits();
    void InputEdited();
    // Marks the window modified when the case it shows is not the one last kept.
    void UpdateModified();
    void ShowResultNote(const QString& html);
    // Room under the commands for the verdicts the limits give and the form's own note.
    void MakeRoomForNotes();
    void Recalculate();
    void TellWatchers(const CalcOutcome* outcome, const CaseExtras* extras);

    QString m_calculator;
    QString m_title;
    int m_calculateButton;
    std::function<CaseData(bool)> m_shownCase;
    std::function<void(const CaseData&)> m_showCase;
    std::optional<CaseData> m_openingCase;
    QString m_casePath;
    bool m_calculated = false;
    // The results shown were calculated from inputs since edited.
    bool m_resultsStale = false;
    bool m_showingCase = false; // the fields are being set from a case, not by the user
    QByteArray m_keptCase;      // the document of the case last opened or saved
    bool m_ownNote = false;
    bool m_codeMethods; // its calculator offers the code's methods: a line of the strip for them
    DesignLimits m_limits;
    CaseCommands* m_commands = nullptr;
    std::vector<ResultsWatcher> m_resultsWatchers;
    std::optional<StudySettings> m_study;
};

} // namespace korvane
