#pragma once

#include <QString>

namespace korvane {

// The text of string resource `id` from res/strings.json; empty when there is none.
QString LoadStringResource(int id);

} // namespace korvane
