#include "CComboBox.h"

#include <QComboBox>

int CComboBox::GetCurSel() const {
    return m_control ? m_control->currentIndex() : -1;
}

void CComboBox::SetCurSel(int index) {
    if (m_control)
        m_control->setCurrentIndex(index < m_control->count() ? index : -1);
}

int CComboBox::GetCount() const {
    return m_control ? m_control->count() : 0;
}
