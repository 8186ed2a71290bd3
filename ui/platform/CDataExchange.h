#pragma once

#include "FieldText.h"

#include <QString>

class QLineEdit;
class QWidget;

namespace korvane {

class CDialog;

// One pass of a binding list in one direction. An entry that fails reports its
// message, moves the focus to the control it touched last and stops the pass: later
// entries do nothing, so their members keep their values.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate);

    // The control `id` becomes the one a failure points at; nullptr (and the pass
    // failed) when the template has no such control.
    QWidget* PrepareCtrl(int id);
    QLineEdit* PrepareEditCtrl(int id);
    // The label of the field the next entries read ("坡高h(m)"): a failure's message
    // starts with it, so that the user knows which field was refused. Empty for none.
    void NameField(const QString& label) { m_fieldLabel = label; }
    void Fail(const QString& message);
    bool Failed() const { return m_failed; }

    const bool m_bSaveAndValidate; // true: fields to members
    CDialog* const m_pDlgWnd;

private:
    QWidget* m_lastControl = nullptr;
    QString m_fieldLabel;
    bool m_failed = false;
};

// The message of a string id of the exchange (61704, 61712 ...).
QString ExchangeMessage(int stringId);

} // namespace korvane
