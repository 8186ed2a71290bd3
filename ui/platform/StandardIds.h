#pragma once

namespace korvane {

// Ids that every dialog shares: the two standard buttons, the results of a modal
// dialog, and the id of controls that are never addressed (labels, pictures).
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;

} // namespace korvane
