#include "DDX.h"

#include "CComboBox.h"
#include "CDataExchange.h"
#include "CDialog.h"
#include "FieldRead.h"
#include "FieldText.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace korvane {

namespace {

void FailOnMessage(CDataExchange* pDX, const std::string& message) {
    if (!message.empty())
        pDX->Fail(QString::fromStdString(message));
}

// Replacing equal text would move the caret and drop the user's selection. New text
// is shown from its start: a number longer than its field must show its leading
// digits, not its last ones (1505.8319... must not read as 1999587).
void SetTextIfChanged(QLineEdit* edit, const std::string& text) {
    const QString newText = QString::fromStdString(text);
    if (edit->text() == newText)
        return;
    edit->setText(newText);
    edit->setCursorPosition(0);
}

template <class T, class Format>
void ExchangeText(CDataExchange* pDX, int id, T& value, Format format) {
    if (pDX->Failed())
        return;
    QLineEdit* edit = pDX->PrepareEditCtrl(id);
    if (!edit)
        return;
    if (!pDX->m_bSaveAndValidate) {
        SetTextIfChanged(edit, format(value));
        return;
    }
    // The range check is an entry of its own (DDV_*), so none is given here.
    FailOnMessage(pDX, ReadField(edit->text().toStdString(), value));
}

// Checks buttons[value] only; with -1 or past the end none stays checked, which an
// exclusive group would not allow.
void CheckOnly(const std::vector<QRadioButton*>& buttons, int value) {
    QButtonGroup* group = buttons.empty() ? nullptr : buttons.front()->group();
    if (group)
        group->setExclusive(false);
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setChecked(static_cast<int>(i) == value);
    if (group)
        group->setExclusive(true);
}

} // namespace

void DDX_Text(CDataExchange* pDX, int id, double& value) {
    ExchangeText(pDX, id, value, FormatNumber);
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    ExchangeText(pDX, id, value, FormatWholeNumber);
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value) {
    if (pDX->Failed() || !pDX->PrepareCtrl(firstId))
        return;
    const std::vector<QRadioButton*> buttons = pDX->m_pDlgWnd->RadioGroup(firstId);
    if (!pDX->m_bSaveAndValidate) {
        CheckOnly(buttons, value);
        return;
    }
    value = -1;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked())
            value = static_cast<int>(i);
    }
}

void DDX_Control(CDataExchange* pDX, int id, CComboBox& control) {
    if (pDX->Failed() || control.IsAttached())
        return;
    QWidget* widget = pDX->PrepareCtrl(id);
    if (!widget)
        return;
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        control.Attach(combo);
    else
        pDX->Fail(ExchangeMessage(IDS_INTERNAL_ERROR));
}

void DDV_MinMaxDouble(CDataExchange* pDX, double value, double min, double max) {
    if (pDX->Failed() || !pDX->m_bSaveAndValidate)
        return;
    FailOnMessage(pDX, RangeMessage(value, FieldRange{min, max}));
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int min, int max) {
    if (pDX->Failed() || !pDX->m_bSaveAndValidate)
        return;
    FailOnMessage(
        pDX, RangeMessage(value, FieldRange{static_cast<double>(min), static_cast<double>(max)}));
}

} // namespace korvane
