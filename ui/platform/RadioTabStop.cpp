#include "RadioTabStop.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace korvane {

void KeepTabStopOnChecked(QButtonGroup& group) {
    const QList<QAbstractButton*> buttons = group.buttons();
    if (buttons.isEmpty())
        return;
    // Asked of each button: while the exchange sets a group, its checked button is
    // briefly not the group's record of it.
    QAbstractButton* stop = buttons.front();
    for (QAbstractButton* button : buttons) {
        if (button->isChecked()) {
            stop = button;
            break;
        }
    }
    for (QAbstractButton* button : buttons) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button == stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                              : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

} // namespace korvane
