#pragma once

#include <QString>

class QWidget;

namespace korvane {

// The program's message box: the application's name as caption, an exclamation icon
// and one OK button (确定 once Qt's Chinese translation is installed), modal to `owner` (the
// active window when none is given). Returns IDOK.
int AfxMessageBox(const QString& text, QWidget* owner = nullptr);

} // namespace korvane
