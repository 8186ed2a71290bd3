#pragma once

#include <QPoint>
#include <QString>
#include <functional>

class QMenu;
class QWidget;

namespace korvane {

inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_SEPARATOR = 0x0800;
inline constexpr unsigned SC_CLOSE = 0xF060;

// A window's menu of commands. Choosing an item hands its command id to the
// handler (the dialog's OnSysCommand).
class CMenu {
public:
    explicit CMenu(QWidget* owner);
    ~CMenu();

    void AppendMenu(unsigned flags, unsigned id = 0, const QString& text = QString());
    void SetCommandHandler(std::function<void(unsigned)> handler);
    void Popup(const QPoint& globalPos);
    QMenu* menu() const { return m_menu; }

private:
    QMenu* m_menu;
    std::function<void(unsigned)> m_handler;
};

} // namespace korvane
