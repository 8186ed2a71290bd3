#include "CMenu.h"

#include <QMenu>

namespace korvane {

CMenu::CMenu(QWidget* owner) : m_menu(new QMenu(owner)) {}

CMenu::~CMenu() = default; // the menu belongs to its owner window

void CMenu::AppendMenu(unsigned flags, unsigned id, const QString& text) {
    if (flags & MF_SEPARATOR) {
        m_menu->addSeparator();
        return;
    }
    QAction* action = m_menu->addAction(text);
    QObject::connect(action, &QAction::triggered, m_menu, [this, id] {
        if (m_handler)
            m_handler(id);
    });
}

void CMenu::SetCommandHandler(std::function<void(unsigned)> handler) {
    m_handler = std::move(handler);
}

void CMenu::Popup(const QPoint& globalPos) {
    m_menu->popup(globalPos);
}

} // namespace korvane
