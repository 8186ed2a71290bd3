#include "CDataExchange.h"

#include "CDialog.h"
#include "FieldText.h"
#include "MessageBox.h"
#include "TemplateEdit.h"

#include <QComboBox>
#include <QLineEdit>

namespace korvane {

QString ExchangeMessage(int stringId) {
    return QString::fromUtf8(FieldMessage(stringId));
}

CDataExchange::CDataExchange(CDialog* dialog, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

QWidget* CDataExchange::PrepareCtrl(int id) {
    QWidget* control = m_pDlgWnd->GetDlgItem(id);
    if (!control) {
        // A binding to a control the template lacks is a defect of the program.
        Fail(ExchangeMessage(IDS_INTERNAL_ERROR));
        return nullptr;
    }
    m_lastControl = control;
    return control;
}

QLineEdit* CDataExchange::PrepareEditCtrl(int id) {
    QWidget* control = PrepareCtrl(id);
    if (!control)
        return nullptr;
    auto* edit = qobject_cast<QLineEdit*>(control);
    if (!edit)
        Fail(ExchangeMessage(IDS_INTERNAL_ERROR));
    return edit;
}

void CDataExchange::Fail(const QString& message) {
    if (m_failed)
        return;
    m_failed = true;
    AfxMessageBox(m_fieldLabel.isEmpty() ? message : m_fieldLabel + "：" + message, m_pDlgWnd);
    if (!m_lastControl)
        return;
    m_lastControl->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(m_lastControl))
        SelectWholeText(*edit);
}

} // namespace korvane
