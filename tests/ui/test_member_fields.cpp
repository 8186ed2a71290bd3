// Every member row that names a control reads back through its form's field: the
// control is in the form's template under that name, it is the kind of control the
// row says, the form's exchange shows the member in it, and what is typed or chosen
// there is read into that member and no other.
#include "DLGspczl1.h"
#include "DLGspczl2.h"
#include "DLzhexian.h"
#include "Dlgyuanhuhuadong.h"
#include "FieldText.h"
#include "FormMembers.h"
#include "FormTestSupport.h"
#include "ResourceSymbols.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRadioButton>

using namespace korvane;

namespace {

using korvane::FieldKind;
using korvane::MemberInfo;
using korvane::MemberRole;

// The template's control types by IDC name, as res/dialogs/<IDD>.json lists them.
QHash<QString, QString> TemplateControlTypes(int dialogId) {
    QFile file(QString(":/dialogs/%1.json").arg(dialogId));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QHash<QString, QString> types;
    const QJsonArray controls = QJsonDocument::fromJson(file.readAll())["controls"].toArray();
    for (const QJsonValue& control : controls) {
        if (control["id"].isString())
            types.insert(control["id"].toString(), control["type"].toString());
    }
    return types;
}

// A value for row `index` that its range, if any, accepts and that differs from the
// other rows' values; the value typed later differs from the one shown first.
template <class Record> double Distinct(const MemberInfo<Record>& info, int index, bool typed) {
    const double share = (typed ? 0.5 : 0.0) + (index + 1) / 128.0;
    if (info.range)
        return info.range->min + (info.range->max - info.range->min) * share;
    return (typed ? 200.0 : 100.0) + index + (info.kind == FieldKind::Number ? 0.25 : 0.0);
}

template <class Record> void Set(Record& r, const MemberInfo<Record>& info, double v) {
    if (const auto* p = std::get_if<double Record::*>(&info.member))
        r.** p = v;
    else
        r.*std::get<int Record::*>(info.member) = static_cast<int>(v);
}

template <class Record> double Get(const Record& r, const MemberInfo<Record>& info) {
    if (const auto* p = std::get_if<double Record::*>(&info.member))
        return r.**p;
    return r.*std::get<int Record::*>(info.member);
}

template <class Form, class Record>
void CheckRowsReadBackThroughTheirFields(korvane::MemberTable<Record> table) {
    const QHash<QString, QString> types = TemplateControlTypes(Form::IDD);
    QVERIFY(!types.isEmpty());

    Form form;
    QVERIFY(Open(form));
    Record& record = form;

    // The row names a control of this template, of the row's kind.
    int controls = 0;
    for (const auto& info : table) {
        QCOMPARE(info.control.id != 0, info.role != MemberRole::Internal);
        QCOMPARE(info.control.id != 0, info.kind != FieldKind::None);
        if (!info.control.id)
            continue;
        ++controls;
        const QString name = QString::fromUtf8(info.control.name);
        QVERIFY2(types.contains(name), qPrintable(name + " of " + info.name));
        QCOMPARE(ResourceSymbol(name), std::optional<int>(info.control.id));
        const QString expected = info.kind == FieldKind::Radio ? "radio" : "edit";
        QVERIFY2(types[name] == expected, qPrintable(name + " is a " + types[name]));
        QVERIFY2(form.GetDlgItem(info.control.id), qPrintable(name));
    }
    QVERIFY(controls > 0);

    // Out: each member shows in its own control.
    int index = 0;
    for (const auto& info : table) {
        if (info.kind == FieldKind::Radio)
            Set(record, info, 1);
        else if (info.kind != FieldKind::None)
            Set(record, info, Distinct(info, index, false));
        ++index;
    }
    QVERIFY(form.UpdateData(false));
    for (const auto& info : table) {
        if (info.kind == FieldKind::Radio) {
            const auto group = form.RadioGroup(info.control.id);
            QVERIFY2(group.size() >= 2, info.name);
            // The row's group size is what the calculator command checks positions against.
            QVERIFY2(static_cast<int>(group.size()) == info.radioButtons, info.name);
            QVERIFY2(group[1]->isChecked() && !group[0]->isChecked(), info.name);
        } else if (info.kind != FieldKind::None) {
            const std::string shown = info.kind == FieldKind::Number
                                          ? FormatNumber(Get(record, info))
                                          : FormatWholeNumber(static_cast<int>(Get(record, info)));
            QVERIFY2(Text(form, info.control.id).toStdString() == shown, info.name);
        }
    }

    // In: what the user puts into each control reaches its member.
    index = 0;
    for (const auto& info : table) {
        if (info.kind == FieldKind::Radio) {
            form.RadioGroup(info.control.id)[0]->click();
        } else if (info.kind != FieldKind::None) {
            const double typed = Distinct(info, index, true);
            SetText(form, info.control.id,
                    QString::fromStdString(info.kind == FieldKind::Number
                                               ? FormatNumber(typed)
                                               : FormatWholeNumber(static_cast<int>(typed))));
        }
        ++index;
    }
    QVERIFY(form.UpdateData(true));
    index = 0;
    for (const auto& info : table) {
        if (info.kind == FieldKind::Radio)
            QVERIFY2(Get(record, info) == 0, info.name);
        else if (info.kind == FieldKind::WholeNumber)
            QVERIFY2(Get(record, info) == static_cast<int>(Distinct(info, index, true)), info.name);
        else if (info.kind == FieldKind::Number)
            QVERIFY2(FormatNumber(Get(record, info)) == FormatNumber(Distinct(info, index, true)),
                     info.name);
        ++index;
    }
}

} // namespace

class TestMemberFields : public QObject {
    Q_OBJECT

private slots:
    void circularRowsReadBack() {
        CheckRowsReadBackThroughTheirFields<CDlgyuanhuhuadong>(korvane::CircularSlipMembers());
    }
    void polylineRowsReadBack() {
        CheckRowsReadBackThroughTheirFields<CDLzhexian>(korvane::PolylineSlipMembers());
    }
    void combinedRowsReadBack() {
        CheckRowsReadBackThroughTheirFields<CDLGspczl1>(korvane::CombinedActionMembers());
    }
    void highCapRowsReadBack() {
        CheckRowsReadBackThroughTheirFields<CDLGspczl2>(korvane::HighCapMembers());
    }
};

QTEST_MAIN(TestMemberFields)
#include "test_member_fields.moc"
