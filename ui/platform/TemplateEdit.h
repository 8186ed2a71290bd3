#pragma once

#include <QLineEdit>

namespace korvane {

// Selects the whole text of `edit` with the caret at its start, so that a text longer
// than the field shows its beginning ("1650.592...", not "...1999587") while all of it
// stays selected for typing over.
void SelectWholeText(QLineEdit& edit);

// A template's edit field, which shows the beginning of its text whenever it does not
// hold the caret for typing: entered with Tab, its text is selected from the start, and
// left for another field, it scrolls back to the start. Leaving for another window or a
// menu keeps the caret where the user left it.
class TemplateEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace korvane
