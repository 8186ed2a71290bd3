#pragma once

#include "CDialog.h"
#include "CaseEvaluation.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace korvane {

// A calculator form's fields as a case: the texts exactly as the fields show them,
// and back. The member table says which control shows which member.

// The position of the checked button of the radio group starting at `firstId`; -1
// when none is checked, as the exchange reads it.
inline int CheckedRadio(const CDialog& form, int firstId) {
    const std::vector<QRadioButton*> group = form.RadioGroup(firstId);
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (group[i]->isChecked())
            return static_cast<int>(i);
    }
    return -1;
}

template <class Record>
CaseData ShownCaseOf(const CDialog& form, const Calculator<Record>& calc, bool calculated) {
    CaseData data;
    data.calculator = calc.name;
    data.calculated = calculated;
    for (const ListOption& list : calc.lists) {
        const auto* combo = qobject_cast<QComboBox*>(form.GetDlgItem(list.control.id));
        data.selections[list.name] =
            combo && combo->currentIndex() >= 0 ? combo->currentText().toStdString() : "";
    }
    for (const MemberInfo<Record>& info : calc.members) {
        if (info.role == MemberRole::Internal || (info.role == MemberRole::Result && !calculated))
            continue;
        std::string text;
        if (info.kind == FieldKind::Radio) {
            text = FormatWholeNumber(CheckedRadio(form, info.control.id));
        } else if (const auto* edit = qobject_cast<QLineEdit*>(form.GetDlgItem(info.control.id))) {
            text = edit->text().toStdString();
        }
        (info.role == MemberRole::Input ? data.inputs : data.results)[info.name] = text;
    }
    return data;
}

// Shows `data` (checked against the calculator already) in the form's fields. A radio
// position is chosen by clicking its button, so that the form's handler for it runs
// (greying or enabling the fields that depend on it) as when the user chooses it; a
// position the group lacks (a form's own last closed inputs are not checked) leaves no
// button checked, as the exchange shows such a member, so that it is not taken for one.
template <class Record>
void ShowCaseIn(CDialog& form, const Calculator<Record>& calc, const CaseData& data) {
    std::vector<int> selections;
    (void)CaseSelections(calc, data, selections);
    for (std::size_t i = 0; i < calc.lists.size(); ++i) {
        if (auto* combo = qobject_cast<QComboBox*>(form.GetDlgItem(calc.lists[i].control.id)))
            combo->setCurrentIndex(selections[i]);
    }
    for (const MemberInfo<Record>& info : calc.members) {
        const auto& texts = info.role == MemberRole::Input ? data.inputs : data.results;
        const auto it = texts.find(info.name);
        if (info.role == MemberRole::Internal || it == texts.end())
            continue;
        if (info.kind == FieldKind::Radio) {
            const std::vector<QRadioButton*> group = form.RadioGroup(info.control.id);
            const std::optional<int> position = ParseWholeNumber(it->second);
            if (position && *position >= 0 && *position < static_cast<int>(group.size()))
                group[*position]->click();
            else
                form.CheckRadio(info.control.id, -1);
        } else if (auto* edit = qobject_cast<QLineEdit*>(form.GetDlgItem(info.control.id))) {
            edit->setText(QString::fromStdString(it->second));
            // setText leaves the caret at the end, which shows a long number's last digits.
            edit->setCursorPosition(0);
        }
    }
}

} // namespace korvane
