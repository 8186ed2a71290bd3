#include "CommandStrip.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvane {

CommandStrip::CommandStrip(QWidget* window) : m_window(window) {
    m_column = new QVBoxLayout(this);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(0);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    m_column->addWidget(rule);
    m_row = new QHBoxLayout;
    m_row->setContentsMargins(6, 4, 6, 4);
    m_row->setSpacing(4);
    m_column->addLayout(m_row);
}

QAction* CommandStrip::AddCommand(const QString& text, const QKeySequence& keys) {
    auto* action = new QAction(text, m_window);
    if (!keys.isEmpty()) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(text + "（" + keys.toString(QKeySequence::NativeText) + "）");
    }
    m_window->addAction(action);
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::NoFocus);
    if (m_filler)
        m_row->insertWidget(m_row->indexOf(m_filler), button);
    else
        m_row->addWidget(button);
    return action;
}

void CommandStrip::AddMenuTo(QAction* command, QMenu* menu) {
    for (QToolButton* button : findChildren<QToolButton*>()) {
        if (button->defaultAction() == command) {
            button->setMenu(menu);
            button->setPopupMode(QToolButton::MenuButtonPopup);
        }
    }
}

void CommandStrip::AddMenuButton(const QString& text, const QString& tooltip, QMenu* menu) {
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setToolTip(tooltip);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setFocusPolicy(Qt::NoFocus);
    m_row->addWidget(button);
}

QLabel* CommandStrip::AddLine() {
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setContentsMargins(8, 0, 8, 4);
    label->setMinimumHeight(label->fontMetrics().height() + 4);
    m_column->addWidget(label);
    return label;
}

void CommandStrip::AddGap() {
    m_row->addSpacing(12);
}

QLabel* CommandStrip::AddLabel() {
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    m_row->addWidget(label, 1);
    m_filler = label;
    return label;
}

} // namespace korvane
