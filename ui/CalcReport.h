#pragma once

#include "CalcOutcome.h"
#include "MemberTable.h"

#include <QStringList>
#include <string>

class QWidget;

namespace korvane {

// What a calculate handler tells the user besides the result fields.

// Inputs the calculation refused: its message, in the program's message box.
void ReportRefusal(const CalcOutcome& outcome, QWidget* form);

// Results the inputs leave undefined, by their field labels: their fields show 0,
// which must not pass for a result.
void ReportUndefinedResults(const QStringList& labels, QWidget* form);

// What the user calls a result that has no member of its own (the pile forms' depth
// series); the name itself when it is not one of them.
QString UnlistedResultLabel(const std::string& name);

template <class Record>
QStringList UndefinedResultLabels(const CalcOutcome& outcome, MemberTable<Record> members) {
    QStringList labels;
    for (const std::string& name : outcome.undefined) {
        QString label = UnlistedResultLabel(name);
        for (const auto& info : members) {
            if (name == info.name)
                label = QString::fromUtf8(info.label);
        }
        labels << label;
    }
    return labels;
}

template <class Record>
void ReportUndefinedResults(const CalcOutcome& outcome, MemberTable<Record> members,
                            QWidget* form) {
    ReportUndefinedResults(UndefinedResultLabels(outcome, members), form);
}

} // namespace korvane
