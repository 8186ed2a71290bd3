// Every member row that names a control names one of its form's template, of the kind
// the row says, and a radio row has as many positions as its group has buttons: the
// exchange binds each member by its row, so the row and the template must agree.
#include "DLGspczl1.h"
#include "DLGspczl2.h"
#include "DLzhexian.h"
#include "Dlgyuanhuhuadong.h"
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

template <class Form, class Record>
void CheckRowsNameTheirControls(korvane::MemberTable<Record> table) {
    const QHash<QString, QString> types = TemplateControlTypes(Form::IDD);
    QVERIFY(!types.isEmpty());

    Form form;
    QVERIFY(Open(form));

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

    // A radio row says what each button of its group means, as the button reads.
    for (const auto& info : table) {
        if (info.kind != FieldKind::Radio)
            continue;
        const auto group = form.RadioGroup(info.control.id);
        QVERIFY2(group.size() >= 2, info.name);
        QVERIFY2(static_cast<int>(group.size()) == info.RadioButtons(), info.name);
        for (std::size_t i = 0; i < group.size(); ++i)
            QCOMPARE(group[i]->text(), QString::fromUtf8(info.positions[i]));
    }
}

} // namespace

class TestMemberFields : public QObject {
    Q_OBJECT

private slots:
    void circularRowsNameTheirControls() {
        CheckRowsNameTheirControls<CDlgyuanhuhuadong>(korvane::CircularSlipMembers());
    }
    void polylineRowsNameTheirControls() {
        CheckRowsNameTheirControls<CDLzhexian>(korvane::PolylineSlipMembers());
    }
    void combinedRowsNameTheirControls() {
        CheckRowsNameTheirControls<CDLGspczl1>(korvane::CombinedActionMembers());
    }
    void highCapRowsNameTheirControls() {
        CheckRowsNameTheirControls<CDLGspczl2>(korvane::HighCapMembers());
    }
};

QTEST_MAIN(TestMemberFields)
#include "test_member_fields.moc"
