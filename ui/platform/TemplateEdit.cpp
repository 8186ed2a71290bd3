#include "TemplateEdit.h"

#include <QFocusEvent>

namespace korvane {

void SelectWholeText(QLineEdit& edit) {
    const int length = static_cast<int>(edit.text().size());
    edit.setSelection(length, -length);
}

void TemplateEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Qt selects the text of a field entered by Tab with the caret at its end.
    if (hasSelectedText() && selectedText() == text())
        SelectWholeText(*this);
}

void TemplateEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        setCursorPosition(0);
}

} // namespace korvane
