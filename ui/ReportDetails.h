#pragma once

#include <QString>

class QWidget;

namespace korvane {

// The project and the people a calculation report names in its sign-off (who calculated,
// who checked, who reviewed): asked the first time a report is made, remembered between
// sessions (QSettings), changed on request.
struct ReportDetails {
    QString project;
    QString engineer; // 计算
    QString checker;  // 校核; may be left empty
    QString reviewer; // 审核; may be left empty
};

ReportDetails RememberedReportDetails();
void RememberReportDetails(const ReportDetails& details);

// Asks for the names, showing the remembered ones; false when the user cancels.
bool AskReportDetails(QWidget* parent);
// Asks only when they were never given; true when the report may go ahead.
bool EnsureReportDetails(QWidget* parent);

} // namespace korvane
