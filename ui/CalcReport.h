#pragma once

#include "CaseMessages.h"

#include <QStringList>
#include <string>

class QWidget;

namespace korvane {

// What a calculate handler tells the user besides the result fields.

// A refusal of the calculation, in the program's message box.
void ReportRefusal(const std::string& message, QWidget* form);

// Results the inputs leave undefined, by their labels: their fields show 0, which must
// not pass for a result.
void ReportUndefinedResults(const QStringList& labels, QWidget* form);

template <class Record>
void ReportRefusal(const Calculator<Record>& calc, const CalcOutcome& outcome, QWidget* form) {
    if (outcome.refusal)
        ReportRefusal(RefusalText(calc, *outcome.refusal), form);
}

template <class Record>
QStringList UndefinedResultLabels(const Calculator<Record>& calc, const CalcOutcome& outcome) {
    QStringList labels;
    for (const std::string& name : outcome.undefined)
        labels << QString::fromStdString(ResultLabel(calc, name));
    return labels;
}

template <class Record>
void ReportUndefinedResults(const Calculator<Record>& calc, const CalcOutcome& outcome,
                            QWidget* form) {
    ReportUndefinedResults(UndefinedResultLabels(calc, outcome), form);
}

} // namespace korvane
