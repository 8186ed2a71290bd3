#pragma once

#include <QKeySequence>
#include <QWidget>

class QAction;
class QHBoxLayout;
class QLabel;
class QMenu;
class QVBoxLayout;

namespace korvane {

// A row of command buttons under a ruled line, for the area below a dialog's
// template. The buttons take no keyboard focus: Tab and Enter stay with the
// template's controls, and each command has its shortcut instead.
class CommandStrip : public QWidget {
public:
    explicit CommandStrip(QWidget* window);

    // A command of `window`, with its shortcut (active while the window is) shown in
    // the tooltip, and its button in the strip: at the end of the row, or before the
    // label filling it once there is one.
    QAction* AddCommand(const QString& text, const QKeySequence& keys = {});
    // Gives the button of `command` an arrow that drops down `menu`.
    void AddMenuTo(QAction* command, QMenu* menu);
    // A button that drops down `menu`.
    void AddMenuButton(const QString& text, const QString& tooltip, QMenu* menu);
    void AddGap();
    // A label filling the rest of the row.
    QLabel* AddLabel();
    // Rich text of its own under the row, wrapped at the window's width; one line high
    // even when empty.
    QLabel* AddLine();

private:
    QWidget* m_window;
    QHBoxLayout* m_row;
    QVBoxLayout* m_column;
    QLabel* m_filler = nullptr;
};

} // namespace korvane
