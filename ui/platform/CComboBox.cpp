#include "CComboBox.h"

#include <QComboBox>

int CComboBox::GetCurSel() const {
    return m_control ? m_control->currentIndex() : -1;
}
