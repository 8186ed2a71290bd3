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

void FailOnProblem(CDataExchange* pDX, const Problem& problem) {
    if (problem)
        pDX->Fail(QString::fromStdString(problem.Message()));
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
    FailOnProblem(pDX, ReadField(edit->text().toStdString(), value));
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
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlgWnd->CheckRadio(firstId, value);
        return;
    }
    const std::vector<QRadioButton*> buttons = pDX->m_pDlgWnd->RadioGroup(firstId);
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
    FailOnProblem(pDX, RangeMessage(value, FieldRange{min, max}));
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int min, int max) {
    if (pDX->Failed() || !pDX->m_bSaveAndValidate)
        return;
    FailOnProblem(
        pDX, RangeMessage(value, FieldRange{static_cast<double>(min), static_cast<double>(max)}));
}

} // namespace korvane
