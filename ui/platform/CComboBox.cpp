#include "CComboBox.h"

#include <QComboBox>

namespace korvane {

int CComboBox::GetCurSel() const {
    return m_control ? m_control->currentIndex() : -1;
}

} // namespace korvane
