#pragma once

#include <QString>
#include <optional>

namespace korvane {

// The value of a name from res/resource.h (or IDOK, IDCANCEL, IDC_STATIC), read from
// the copy of the header in the program's resources.
std::optional<int> ResourceSymbol(const QString& name);

} // namespace korvane
