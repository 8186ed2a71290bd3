#pragma once

// What a form's exchange must do with its fields, worked out independently of the
// exchange: the read from the field text rules (FieldText.h) and the member table's
// ranges, in the table's order, which is each form's binding order; and the write,
// which shows every member as its field formats it. Any form whose record is a base
// of the dialog and whose table names its controls.

#include "CDialog.h"
#include "CalcHarness.h"
#include "FieldText.h"
#include "FormCaseFields.h"
#include "FormMembers.h"
#include "resource.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

using namespace korvane;

namespace fuzzform {

using fuzzcalc::Fail;

inline bool IsEditField(FieldKind kind) {
    return kind == FieldKind::Number || kind == FieldKind::WholeNumber;
}

template <class Record> QLineEdit& EditField(const CDialog& form, const MemberInfo<Record>& info) {
    auto* edit = qobject_cast<QLineEdit*>(form.GetDlgItem(info.control.id));
    if (!edit)
        Fail("no edit field %d (%s) for %s", info.control.id, info.control.name, info.name);
    return *edit;
}

template <class Record> struct ExpectedRead {
    Record record;
    bool ok = true;
    QString message; // of the first entry that fails
};

// The read of the fields by the rules of the field text: a refused text leaves its
// member and ends the read; a number out of its range is assigned, then ends it. The
// message names the refused field by its label.
template <class Record>
ExpectedRead<Record> ReadByFieldRules(const CDialog& form, const Record& start,
                                      MemberTable<Record> members) {
    ExpectedRead<Record> e{start, true, {}};
    std::string label;
    const auto fail = [&e, &label](const QString& message) {
        e.ok = false;
        e.message = QString::fromStdString(label) + "：" + message;
        return e;
    };
    for (const auto& info : members) {
        label = MemberLabel(info);
        if (info.kind == FieldKind::None)
            continue;
        if (info.kind == FieldKind::Radio) {
            e.record.*std::get<int Record::*>(info.member) = CheckedRadio(form, info.control.id);
            continue;
        }
        const std::string text = EditField(form, info).text().toStdString();
        if (info.kind == FieldKind::Number) {
            const auto m = std::get<double Record::*>(info.member);
            const std::optional<double> v = ParseNumber(text);
            if (!v)
                return fail(QString::fromUtf8(FieldMessage(IDS_ENTER_NUMBER)));
            e.record.*m = *v;
            if (info.range && !InRange(*v, info.range->min, info.range->max))
                return fail(
                    QString::fromStdString(DoubleRangeMessage(info.range->min, info.range->max)));
        } else {
            const auto m = std::get<int Record::*>(info.member);
            const std::optional<int> v = ParseWholeNumber(text);
            if (!v)
                return fail(QString::fromUtf8(FieldMessage(IDS_ENTER_WHOLE_NUMBER)));
            e.record.*m = *v;
            if (info.range &&
                !InRange(*v, static_cast<int>(info.range->min), static_cast<int>(info.range->max)))
                return fail(QString::fromStdString(IntRangeMessage(
                    static_cast<long>(info.range->min), static_cast<long>(info.range->max))));
        }
    }
    return e;
}

// Every shown member as the field rules read it (bit for bit: -0 and NaN patterns too).
template <class Record>
void CheckMembersRead(const Record& expected, const Record& actual, MemberTable<Record> members) {
    for (const auto& info : members) {
        if (info.kind != FieldKind::None && fuzzcalc::Changed(expected, actual, info))
            Fail("form read: %s = %.17g, the field rules give %.17g", info.name,
                 fuzzcalc::Get(actual, info), fuzzcalc::Get(expected, info));
    }
}

// After a write of the record every field shows its member as formatted.
template <class Record>
void CheckFieldsShowMembers(const CDialog& form, const Record& record,
                            MemberTable<Record> members) {
    for (const auto& info : members) {
        if (!IsEditField(info.kind))
            continue;
        const QString text = EditField(form, info).text();
        const double v = fuzzcalc::Get(record, info);
        const std::string expected = info.kind == FieldKind::Number
                                         ? FormatNumber(v)
                                         : FormatWholeNumber(static_cast<int>(v));
        if (text.toStdString() != expected)
            Fail("form write: field of %s shows \"%s\", its member is %s", info.name,
                 text.toUtf8().constData(), expected.c_str());
    }
}

// Every edit field shows what it showed before (`texts`, in the table's order).
template <class Record>
void CheckFieldsKept(const CDialog& form, const QStringList& texts, MemberTable<Record> members) {
    qsizetype i = 0;
    for (const auto& info : members) {
        if (!IsEditField(info.kind))
            continue;
        const QString text = EditField(form, info).text();
        if (text != texts.value(i++))
            Fail("form: field of %s was rewritten to \"%s\" after a refused read", info.name,
                 text.toUtf8().constData());
    }
}

template <class Record> QStringList FieldTexts(const CDialog& form, MemberTable<Record> members) {
    QStringList texts;
    for (const auto& info : members) {
        if (IsEditField(info.kind))
            texts << EditField(form, info).text();
    }
    return texts;
}

// After a write of the record every radio group shows its member's choice; a
// position outside the group checks no button.
template <class Record>
void CheckRadiosShowMembers(const CDialog& form, const Record& record,
                            MemberTable<Record> members) {
    for (const auto& info : members) {
        if (info.kind != FieldKind::Radio)
            continue;
        const int member = record.*std::get<int Record::*>(info.member);
        const int buttons = static_cast<int>(form.RadioGroup(info.control.id).size());
        const int checked = CheckedRadio(form, info.control.id);
        if (checked != (member >= 0 && member < buttons ? member : -1))
            Fail("form write: radio group of %s shows %d, its member is %d", info.name, checked,
                 member);
    }
}

} // namespace fuzzform
