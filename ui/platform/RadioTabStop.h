#pragma once

class QButtonGroup;

namespace korvane {

// Makes the checked button the group's only tab stop (the first button while none is
// checked), so that Tab enters a radio group on its choice and leaves it at once:
// Space there cannot change the choice by accident. The other buttons keep the focus
// by click and by the arrow keys.
void KeepTabStopOnChecked(QButtonGroup& group);

} // namespace korvane
