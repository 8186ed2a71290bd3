// The limits a form's results are checked against: they belong to the case the form
// shows, the dialog that sets them reads them by the field rules, and after a calculation
// the line under the commands states every verdict, in full.
#include "CaseCommands.h"
#include "DLGspczl2.h"
#include "DesignLimitsDialog.h"
#include "Dlgyuanhuhuadong.h"
#include "FormTestSupport.h"
#include "RecentCases.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>

using namespace korvane;

namespace {

DesignLimits RequiredFactor(double value, const std::string& basis = "GB 50330-2013 表5.3.2") {
    return {{"ks", {value, basis}}};
}

void ExpectLimits(const DesignLimits& seen, const DesignLimits& expected) {
    QCOMPARE(seen.size(), expected.size());
    for (const auto& [name, limit] : expected) {
        QVERIFY2(seen.count(name), name.c_str());
        QCOMPARE(seen.at(name).value, limit.value);
        QCOMPARE(seen.at(name).basis, limit.basis);
    }
}

// The circular form on its defaults with C30 and HPB235, where ks shows as 1.67.
void ChooseGrades(CDlgyuanhuhuadong& form) {
    Combo(form, IDC_COMBO_CONCRETE)->setCurrentText("C30");
    Combo(form, IDC_COMBO_REBAR)->setCurrentText("HPB235");
}

QLabel* NoteLabel(const CalculatorForm& form) {
    QLabel* note = nullptr;
    for (QLabel* label : form.Commands()->Strip()->findChildren<QLabel*>()) {
        if (label->wordWrap())
            note = label;
    }
    return note;
}

// The note shows whole: its label is as tall as its text needs across the window, and
// the window holds the whole strip.
void ExpectNoteUncut(const CalculatorForm& form) {
    const QLabel* note = NoteLabel(form);
    QVERIFY(note);
    QVERIFY2(note->heightForWidth(note->width()) <= note->height(),
             qPrintable(
                 QString("%1 > %2").arg(note->heightForWidth(note->width())).arg(note->height())));
    QCOMPARE(note->width(), form.width());
    const QWidget* strip = form.Commands()->Strip();
    QCOMPARE(strip->geometry().bottom(), form.height() - 1);
    QVERIFY(note->geometry().bottom() <= strip->height() - 1);
}

template <class Dialog> QPushButton* OkButton(Dialog& dialog) {
    return dialog.template findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

} // namespace

class TestDesignLimits : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The limits go wherever the form's case goes: into the case shown, into another
    // form that shows it, and into the inputs kept when the form closes. A case without
    // limits takes them away.
    void limitsBelongToTheCaseShown() {
        const DesignLimits limits =
            RequiredFactor(1.35, "GB 50330-2013 表5.3.2（永久边坡，一般工况，一级）");
        const QString kept = LastClosedCasePath("circular");
        QFile::remove(kept);
        CaseData shown;
        {
            CDlgyuanhuhuadong form;
            QVERIFY(Open(form));
            form.SetLimits(limits);
            shown = form.ShownCase();
            ExpectLimits(shown.limits, limits);
            PressKey(form, Qt::Key_Escape);
        }
        CDlgyuanhuhuadong other;
        QVERIFY(Open(other));
        other.ShowCase(shown);
        ExpectLimits(other.Limits(), limits);

        CDlgyuanhuhuadong reopened;
        QVERIFY(Open(reopened));
        QVERIFY(reopened.Commands()->Open(kept));
        ExpectLimits(reopened.Limits(), limits);

        shown.limits.clear();
        reopened.ShowCase(shown);
        QVERIFY(reopened.Limits().empty());
        QVERIFY(reopened.ShownCase().limits.empty());
        QFile::remove(kept);
    }

    // ks = 1.67 meets 1.35 and fails 2; the thorough search keeps its line below the
    // verdict. Limits set on calculated results are checked at once; an edit replaces both
    // with the mark of results not updated.
    void theNoteStatesTheVerdictOfEachCalculation() {
        CDlgyuanhuhuadong form;
        QVERIFY(Open(form));
        ChooseGrades(form);
        form.SetLimits(RequiredFactor(1.35));
        QVERIFY(form.Commands()->Note().isEmpty());
        Button(form, IDC_CALC_CIRCLE)->click();
        QCOMPARE(Text(form, IDC_EDIT_KS), QString("1.67"));
        QString note = form.Commands()->Note();
        QVERIFY2(note.startsWith("验算：稳定安全系数 ks ≥ [K] 满足 (1.67 ≥ 1.35)"),
                 qPrintable(note));
        QVERIFY2(note.contains("全面搜索：存在稳定系数更低的滑动圆"), qPrintable(note));
        QVERIFY(!NoteLabel(form)->text().contains("color"));
        ExpectNoteUncut(form);

        const int height = form.height();
        form.SetLimits(RequiredFactor(2));
        QVERIFY(form.ResultsCalculated());
        note = form.Commands()->Note();
        QVERIFY2(note.contains("稳定安全系数 ks ≥ [K] 不满足 (1.67 < 2)"), qPrintable(note));
        QVERIFY2(NoteLabel(form)->text().contains("color:#c00000\">不满足</span>"),
                 qPrintable(NoteLabel(form)->text()));
        QCOMPARE(form.height(), height);

        QTest::keyClicks(Edit(form, IDC_EDIT_C), "0");
        QCOMPARE(form.Commands()->Note(), QString("输入已修改，结果未更新"));
        QCOMPARE(form.height(), height);

        // Without limits the form says no more than it did before there were any.
        Button(form, IDC_CALC_CIRCLE)->click();
        form.SetLimits({});
        QVERIFY(!form.Commands()->Note().contains("验算"));
        QVERIFY(form.Commands()->Note().startsWith("规范方法（简化 Bishop 法）："));
        QVERIFY(form.Commands()->Note().contains("全面搜索："));
    }

    // Five checks of a pile form make a note longer than the window is wide: it wraps and
    // the window keeps room for all of it.
    void everyVerdictOfAPileFormShowsWhole() {
        CDLGspczl2 form;
        QVERIFY(Open(form));
        const int bare = form.height();
        form.SetLimits({{"Ra", {1500, ""}}, {"x0", {10, ""}}, {"M", {30, ""}}, {"Q", {100, ""}}});
        QVERIFY(form.height() > bare);
        Combo(form, IDC_COMBO_CONCRETE)->setCurrentText("C30");
        {
            MessageBoxWatcher boxes;
            Button(form, IDC_CALC_MAX_FORCES)->click();
            QVERIFY2(boxes.boxes.empty(), qPrintable(boxes.texts()));
        }
        QVERIFY(form.ResultsCalculated());
        const QString note = form.Commands()->Note();
        for (const char* item :
             {"平均桩顶竖向力 N ≤ Ra", "最大桩顶竖向力 Nmax ≤ 1.2 Ra",
              "地面处桩身水平位移 |x0| ≤ [x0]", "桩身最大弯矩 |M| ≤ [M]", "桩身最大剪力 |Q| ≤ [Q]"})
            QVERIFY2(note.contains(QString::fromUtf8(item)), qPrintable(note));
        QVERIFY2(note.contains("1.2 × 1500 = 1800"), qPrintable(note));
        ExpectNoteUncut(form);
        QVERIFY(NoteLabel(form)->height() > 2 * NoteLabel(form)->fontMetrics().height());
    }

    // A checked limit must be a number greater than 0: OK names the field's problem and
    // leaves the dialog open with that field's text selected for retyping.
    void theDialogRefusesALimitThatIsNoPositiveNumber() {
        DesignLimitsDialog dialog("combined", {{"Ra", {1500, "JGJ 94-2008 第5.2.1条"}}});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* ra = dialog.findChild<QLineEdit*>("value.Ra");
        auto* useX0 = dialog.findChild<QCheckBox*>("use.x0");
        auto* x0 = dialog.findChild<QLineEdit*>("value.x0");
        QVERIFY(ra && useX0 && x0);
        QVERIFY(dialog.findChild<QCheckBox*>("use.Ra")->isChecked());
        QCOMPARE(ra->text(), QString("1500"));
        QVERIFY(!useX0->isChecked() && !x0->isEnabled());

        useX0->click();
        QTest::keyClicks(x0, "0");
        {
            MessageBoxWatcher boxes;
            OkButton(dialog)->click();
            EXPECT_ONE_MESSAGE_BOX(boxes);
            QVERIFY2(boxes.boxes[0].text.contains("允许水平位移 [x0]须为大于 0 的数"),
                     qPrintable(boxes.texts()));
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.focusWidget(), x0);
        QCOMPARE(x0->selectedText(), QString("0"));

        // A clause with a value fills it in.
        auto* basis = dialog.findChild<QComboBox*>("basis.x0");
        const int sensitive = basis->findText("JGJ 94-2008 第5.7.2条（对水平位移敏感的建筑物）");
        QVERIFY(sensitive >= 0);
        basis->setCurrentIndex(sensitive);
        emit basis->activated(sensitive);
        QCOMPARE(x0->text(), QString("6"));
        OkButton(dialog)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        ExpectLimits(dialog.Limits(),
                     {{"Ra", {1500, "JGJ 94-2008 第5.2.1条"}},
                      {"x0", {6, "JGJ 94-2008 第5.7.2条（对水平位移敏感的建筑物）"}}});
    }
};

QTEST_MAIN(TestDesignLimits)
#include "test_design_limits.moc"
