#pragma once

#include <QString>

class QWidget;

namespace korvane {

// The project and the engineer a calculation report names: asked the first time a
// report is made, remembered between sessions (QSettings), changed on request.
struct ReportDetails {
    QString project;
    QString engineer;
};

ReportDetails RememberedReportDetails();
void RememberReportDetails(const ReportDetails& details);

// Asks for both names, showing the remembered ones; false when the user cancels.
bool AskReportDetails(QWidget* parent);
// Asks only when they were never given; true when the report may go ahead.
bool EnsureReportDetails(QWidget* parent);

} // namespace korvane
