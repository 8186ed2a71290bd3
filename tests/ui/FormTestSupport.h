#pragma once

// Helpers for the form tests: reaching controls by id, typing like a user, and
// watching modal windows (message boxes, forms opened from the launcher) from a timer.

#include "CDialog.h"
#include "ProgramIdentity.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace korvane;

// The message boxes take their caption from the application, named here as the
// program names it (before QTEST_MAIN builds the application, which keeps the name).
inline const bool kProgramNamed = [] {
    QCoreApplication::setApplicationName(korvane::KorvaneIdentity().name);
    return true;
}();

inline QLineEdit* Edit(const CDialog& dlg, int id) {
    return qobject_cast<QLineEdit*>(dlg.GetDlgItem(id));
}
inline QComboBox* Combo(const CDialog& dlg, int id) {
    return qobject_cast<QComboBox*>(dlg.GetDlgItem(id));
}
inline QPushButton* Button(const CDialog& dlg, int id) {
    return qobject_cast<QPushButton*>(dlg.GetDlgItem(id));
}
inline QString Text(const CDialog& dlg, int id) {
    return Edit(dlg, id)->text();
}
inline void SetText(const CDialog& dlg, int id, const QString& text) {
    Edit(dlg, id)->setText(text);
}

// The commands of `window` whose text is `text` (a form's strip buttons are its actions).
inline QList<QAction*> CommandsNamed(const QWidget& window, const QString& text) {
    QList<QAction*> found;
    for (QAction* action : window.actions()) {
        if (action->text() == text)
            found << action;
    }
    return found;
}

// The title a window shows: its title with the placeholder "[*]" replaced by the
// modified mark, or dropped.
inline QString ShownTitle(const QWidget& window) {
    QString title = window.windowTitle();
    return title.replace("[*]", window.isWindowModified() ? "*" : "");
}

// Opens `dlg` without a modal loop so the test can drive it; fails the test otherwise.
inline bool Open(CDialog& dlg) {
    if (!dlg.Create())
        return false;
    dlg.show();
    return QTest::qWaitForWindowExposed(&dlg);
}

// Keys go to the window, which routes them to its focus widget like a real keyboard.
inline void PressKey(CDialog& dlg, Qt::Key key) {
    QTest::keyClick(dlg.windowHandle(), key);
}

// What a message box showed.
struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// While it lives, runs `action` on each modal window that appears on top of the ones
// open at its construction, polling from a timer (a modal loop blocks the test).
// Only the newest live watcher acts: with two alive, both would otherwise race for
// the same window and the older one could record a box meant for the newer.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> action)
        : m_action(std::move(action)), m_below(QApplication::activeModalWidget()),
          m_older(s_newest) {
        s_newest = this;
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }
    ~ModalWatcher() { s_newest = m_older; }
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

private:
    void Poll() {
        if (s_newest != this)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_below)
            m_handled = nullptr; // a new window may reuse the address of a closed one
        else if (modal->isVisible() && modal != m_handled) {
            m_handled = modal;
            m_action(modal);
        }
    }
    std::function<void(QWidget*)> m_action;
    QWidget* m_below;
    QWidget* m_handled = nullptr;
    ModalWatcher* m_older;
    QTimer m_timer;
    static inline ModalWatcher* s_newest = nullptr;
};

// Records every message box that appears while it lives and presses its only button.
class MessageBoxWatcher {
public:
    MessageBoxWatcher()
        : m_watcher([this](QWidget* modal) {
              auto* box = qobject_cast<QMessageBox*>(modal);
              if (!box)
                  return;
              SeenBox seen{box->windowTitle(), box->text(), box->icon(), {}};
              for (QAbstractButton* button : box->buttons())
                  seen.buttons << button->text();
              boxes.push_back(seen);
              box->buttons().first()->click();
          }) {}

    std::vector<SeenBox> boxes;
    QString texts() const {
        QStringList all;
        for (const SeenBox& box : boxes)
            all << box.text;
        return all.join(" | ");
    }

private:
    ModalWatcher m_watcher;
};

// Exactly one message box was shown, with the program's caption, an exclamation icon
// and one "OK" button.
#define EXPECT_ONE_MESSAGE_BOX(watcher)                                                            \
    do {                                                                                           \
        QCOMPARE((watcher).boxes.size(), std::size_t(1));                                          \
        QCOMPARE((watcher).boxes[0].caption, QString("Korvane"));                                  \
        QCOMPARE((watcher).boxes[0].icon, QMessageBox::Warning);                                   \
        QCOMPARE((watcher).boxes[0].buttons, QStringList{"OK"});                                   \
    } while (0)
