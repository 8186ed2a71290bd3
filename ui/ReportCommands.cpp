#include "CaseCommands.h"

namespace korvane {

bool CaseCommands::ExportReport(const QString&) {
    return false;
}

void CaseCommands::Print() {}

void CaseCommands::PrintPreview() {}

} // namespace korvane
