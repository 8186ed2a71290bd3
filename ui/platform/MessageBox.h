#pragma once

#include <QString>

class QFont;
class QWidget;

namespace korvane {

// The program's message box: the application's name as caption, an exclamation icon
// and one OK button (确定 once Qt's Chinese translation is installed), modal to `owner` (the
// active window when none is given), wide enough for its caption on a window manager's
// title bar. Returns IDOK.
int AfxMessageBox(const QString& text, QWidget* owner = nullptr);

// A question in the same kind of box, with the buttons Yes (the default) and No; true
// for Yes.
bool AfxQuestionBox(const QString& text, QWidget* owner = nullptr);

// The least width of a message box whose title bar shows `title` in `font` whole.
int MessageBoxMinimumWidth(const QString& title, const QFont& font);

} // namespace korvane
