// The two pile forms as a user meets them: defaults, radio buttons and the fields they
// switch, ranges, calculating with C30, refusals, and the depth plot they draw.
#include "DLGspczl1.h"
#include "DLGspczl2.h"
#include "DialogUnits.h"
#include "FormTestSupport.h"
#include "KorvaneDlg.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QRadioButton>
#include <cmath>

using namespace korvane;

namespace {

QRadioButton* Radio(const CDialog& dlg, int id) {
    return qobject_cast<QRadioButton*>(dlg.GetDlgItem(id));
}
bool Enabled(const CDialog& dlg, int id) {
    return dlg.GetDlgItem(id)->isEnabled();
}
void PickC30(CDialog& dlg) {
    QComboBox* concrete = Combo(dlg, IDC_COMBO_CONCRETE);
    concrete->setCurrentIndex(concrete->findText("C30"));
}
// What the pile form paints as its depth plot.
korvane::Drawing Plot(const CDialog& dlg) {
    if (const auto* combined = dynamic_cast<const CDLGspczl1*>(&dlg))
        return combined->DepthPlot();
    return dynamic_cast<const CDLGspczl2&>(dlg).DepthPlot();
}

struct Field {
    int id;
    const char* text;
};

// The plot drawn for `points` entries of each series on the scale of `reference`:
// the axes, then each series' points with their labels, as pixel positions.
void CheckPlot(const korvane::Drawing& log, const double* moment, const double* shear, int points,
               double reference) {
    QCOMPARE(log.lines.size(), std::size_t(2 + 2 * points));
    QCOMPARE(log.texts.size(), std::size_t(2 * points));
    const double k = reference == 0 ? 0.0 : 100.0 / std::fabs(reference);
    int n = 0;
    for (const double* series : {moment, shear}) {
        for (int i = 0; i < points; ++i, ++n) {
            const double v = series[i];
            const int y = 13 * i + 10;
            QCOMPARE(log.lines[2 + n].to, QPoint(int(std::trunc(k * v + 800)), y));
            QCOMPARE(log.texts[n].topLeft, QPoint(int(std::trunc(k * v + 810)), y));
            QCOMPARE(log.texts[n].text, QString::number(int(std::trunc(v))));
        }
    }
}

} // namespace

class TestPileForms : public QObject {
    Q_OBJECT

private slots:
    void combinedOpensWithDefaults();
    void highCapOpensWithDefaults();
    void highCapTabOrder();
    void tabEntersARadioGroupOnItsCheckedButton();
    void radiosAreExclusiveRadioButtonsToAssistiveTools();
    void controlsStandWhereTheirTemplatesPutThem();
    void aRadioTakesClicksAcrossItsWholeRectangle();
    void launcherOpensEachPileForm_data();
    void launcherOpensEachPileForm();

    void combinedRadiosSetTheirMemberAndSwitchTheirField();
    void highCapRadiosSetTheirMemberAndSwitchTheirField();
    void rockCoefficientIsGreyedAgainAfterEveryCalculation();
    void failedReadLeavesTheRockCoefficientAsItWas();

    void combinedCalculatesWithC30();
    void highCapCalculatesWithC30();
    void voidedHeightOutOfRangeIsReportedAndNothingCalculated();
    void highCapRefusedCountIsNamedAndNothingCalculated();
    void highCapRanges_data();
    void highCapRanges();
    void greyedFieldIsStillRangeChecked();
    void missingGradeIsRefusedAndResultsKept_data();
    void missingGradeIsRefusedAndResultsKept();

    void undefinedResultsAreNamed_data();
    void undefinedResultsAreNamed();

    void zeroPlotBeforeTheFirstCalculation();
    void plotFollowsTheSeriesAfterACalculation();
    void combinedPlotDrawsLastPointPlusOnePoints_data();
    void combinedPlotDrawsLastPointPlusOnePoints();
};

void TestPileForms::combinedOpensWithDefaults() {
    const Field fields[] = {
        {IDC_EDIT_XIN, "0.5"},
        {IDC_EDIT_CR, "8000000"},
        {IDC_EDIT_HN, "1.8"},
        {IDC_EDIT_MC, "10000"},
        {IDC_EDIT_MU, "0"},
        {IDC_EDIT_MP, "50000"},
        {IDC_EDIT_MS, "10000"},
        {IDC_EDIT_NX, "9"},
        {IDC_EDIT_NZ, "26"},
        {IDC_EDIT_PILE_SAX, "1.91"},
        {IDC_EDIT_PILE_SAZ, "2.37"},
        {IDC_EDIT_PILE_H, "19"},
        {IDC_EDIT_PILE_D, "0.6"},
        {IDC_EDIT_CAP_B, "60.4"},
        {IDC_EDIT_PILE_H_LOAD, "17519.9"},
        {IDC_EDIT_PILE_M_LOAD, "898098.8"},
        {IDC_EDIT_NG, "326380"},
        {IDC_EDIT_PILE_PHI, "20"},
        {IDC_EDIT_ETA_C, "0"},
        {IDC_EDIT_CAP_L, "16.5"},
        {IDC_EDIT_NTOP, "0"},
        {IDC_EDIT_X0, "0"},
        {IDC_EDIT_RESULT_HC, "0"},
        {IDC_EDIT_RESULT_HB, "0"},
        {IDC_EDIT_RESULT_MB, "0"},
        {IDC_EDIT_RESULT_MC, "0"},
        {IDC_EDIT_RESULT_NB, "0"},
        {IDC_EDIT_VOIDED_L0, "2"},
        {IDC_EDIT_CAP_U, "0"},
        {IDC_EDIT_CAP_BETA, "0"},
    };
    CDLGspczl1 dlg;
    QVERIFY(Open(dlg));
    for (const Field& field : fields)
        QVERIFY2(Text(dlg, field.id) == field.text, qPrintable(QString::number(field.id)));
    QCOMPARE(ShownTitle(dlg), QString("高、低、脱空承台桩身内力及承台位移计算—共同作用方法"));
    QCOMPARE(Combo(dlg, IDC_COMBO_CONCRETE)->currentIndex(), -1);
    QCOMPARE(Combo(dlg, IDC_COMBO_CONCRETE)->count(), 7);
    QVERIFY(Radio(dlg, IDC_RADIO_NON_BEDROCK)->isChecked());
    QVERIFY(!Radio(dlg, IDC_RADIO_BEDROCK_SURFACE)->isChecked());
    QVERIFY(!Radio(dlg, IDC_RADIO_EMBEDDED)->isChecked());
    QVERIFY(Radio(dlg, IDC_RADIO_FRICTION)->isChecked());
    QVERIFY(!Radio(dlg, IDC_RADIO_END_BEARING)->isChecked());
    QVERIFY(!Enabled(dlg, IDC_EDIT_CR));
    QVERIFY(Enabled(dlg, IDC_EDIT_PILE_PHI));
}

void TestPileForms::highCapOpensWithDefaults() {
    const Field fields[] = {
        {IDC_EDIT_XIN, "0.5"},
        {IDC_EDIT_CR, "8000000"},
        {IDC_EDIT_MP, "15000"},
        {IDC_EDIT_MS1, "6000"},
        {IDC_EDIT_NX, "24"},
        {IDC_EDIT_NZ, "18"},
        {IDC_EDIT_PILE_SAX, "2"},
        {IDC_EDIT_PILE_SAZ, "1.95"},
        {IDC_EDIT_PILE_H, "34"},
        {IDC_EDIT_PILE_D, "0.5"},
        {IDC_EDIT_PILE_H_LOAD, "15220"},
        {IDC_EDIT_PILE_M_LOAD, "483760"},
        {IDC_EDIT_NG, "650500"},
        {IDC_EDIT_MMAX, "0"},
        {IDC_EDIT_X_PILE, "0"},
        {IDC_EDIT_Y_MMAX, "0"},
        {IDC_EDIT_PILE_PHI, "20"},
        {IDC_EDIT_EXPOSED_L0, "2"},
        {IDC_EDIT_QMAX, "0"},
        {IDC_EDIT_Y_QMAX, "0"},
        {IDC_EDIT_NTOP, "0"},
        {IDC_EDIT_X0, "0"},
        {IDC_EDIT_CAP_U, "0"},
        {IDC_EDIT_CAP_BETA, "0"},
    };
    CDLGspczl2 dlg;
    QVERIFY(Open(dlg));
    for (const Field& field : fields)
        QVERIFY2(Text(dlg, field.id) == field.text, qPrintable(QString::number(field.id)));
    QCOMPARE(ShownTitle(dlg), QString("高承台桩身最大弯矩计算—共同作用方法"));
    QCOMPARE(Combo(dlg, IDC_COMBO_CONCRETE)->currentIndex(), -1);
    QVERIFY(Radio(dlg, IDC_RADIO_BEDROCK)->isChecked());
    QVERIFY(!Radio(dlg, IDC_RADIO_NON_BEDROCK)->isChecked());
    QVERIFY(Radio(dlg, IDC_RADIO_FRICTION)->isChecked());
    QVERIFY(Enabled(dlg, IDC_EDIT_CR));
    QVERIFY(Enabled(dlg, IDC_EDIT_PILE_PHI));
    // The form opens on OK, the first control of its tab order.
    QCOMPARE(dlg.focusWidget(), dlg.GetDlgItem(IDOK));
}

// Tab walks the high-cap form in its template's order, which also decides the two
// radio groups.
void TestPileForms::highCapTabOrder() {
    const QList<int> expected = {IDOK,
                                 IDCANCEL,
                                 IDC_EDIT_MS1,
                                 IDC_EDIT_MP,
                                 IDC_EDIT_PILE_H,
                                 IDC_EDIT_PILE_D,
                                 IDC_COMBO_CONCRETE,
                                 IDC_RADIO_BEDROCK,
                                 IDC_RADIO_NON_BEDROCK,
                                 IDC_EDIT_XIN,
                                 IDC_EDIT_CR,
                                 IDC_EDIT_NX,
                                 IDC_EDIT_NZ,
                                 IDC_CALC_MAX_FORCES,
                                 IDC_EDIT_PILE_SAX,
                                 IDC_EDIT_PILE_SAZ,
                                 IDC_EDIT_NG,
                                 IDC_EDIT_PILE_H_LOAD,
                                 IDC_EDIT_PILE_M_LOAD,
                                 IDC_EDIT_MMAX,
                                 IDC_EDIT_X_PILE,
                                 IDC_EDIT_Y_MMAX,
                                 IDC_RADIO_END_BEARING,
                                 IDC_RADIO_FRICTION,
                                 IDC_EDIT_PILE_PHI,
                                 IDC_EDIT_EXPOSED_L0,
                                 IDC_EDIT_QMAX,
                                 IDC_EDIT_Y_QMAX,
                                 IDC_EDIT_NTOP,
                                 IDC_EDIT_X0,
                                 IDC_EDIT_CAP_U,
                                 IDC_EDIT_CAP_BETA};
    CDLGspczl2 dlg;
    QVERIFY(Open(dlg));
    // The control a widget of the focus chain belongs to (the list's text part is a
    // child of the list).
    auto idOf = [&](QWidget* widget) {
        for (int id : expected) {
            QWidget* control = dlg.GetDlgItem(id);
            if (widget == control || control->isAncestorOf(widget))
                return id;
        }
        return 0;
    };
    QList<int> order;
    QWidget* widget = dlg.GetDlgItem(IDOK);
    for (int step = 0; step < 200 && order.size() < expected.size(); ++step) {
        const int id = idOf(widget);
        if (id && !order.contains(id))
            order << id;
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(order, expected);
}

namespace {

// Tab (or Shift+Tab) from `from`: where the focus goes.
QWidget* TabFrom(CDialog& dlg, int from, bool back = false) {
    dlg.GetDlgItem(from)->setFocus(Qt::OtherFocusReason);
    if (back)
        QTest::keyClick(dlg.windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    else
        PressKey(dlg, Qt::Key_Tab);
    return dlg.focusWidget();
}

} // namespace

// A radio group is one tab stop, its checked button: Space there must not change the
// choice, and a button checked by the program is the one Tab reaches.
void TestPileForms::tabEntersARadioGroupOnItsCheckedButton() {
    CDLGspczl2 high;
    QVERIFY(Open(high));
    QCOMPARE(TabFrom(high, IDC_COMBO_CONCRETE), high.GetDlgItem(IDC_RADIO_BEDROCK));
    QCOMPARE(TabFrom(high, IDC_RADIO_BEDROCK), high.GetDlgItem(IDC_EDIT_XIN));
    QCOMPARE(TabFrom(high, IDC_EDIT_Y_MMAX), high.GetDlgItem(IDC_RADIO_FRICTION));
    QCOMPARE(TabFrom(high, IDC_RADIO_FRICTION), high.GetDlgItem(IDC_EDIT_PILE_PHI));
    QCOMPARE(TabFrom(high, IDC_EDIT_PILE_PHI, true), high.GetDlgItem(IDC_RADIO_FRICTION));
    PressKey(high, Qt::Key_Space);
    QCOMPARE(high.m_pileType, 1);
    QVERIFY(Radio(high, IDC_RADIO_FRICTION)->isChecked());

    high.m_bearingLayer = 1;
    high.m_pileType = 0;
    QVERIFY(high.UpdateData(false));
    QCOMPARE(TabFrom(high, IDC_COMBO_CONCRETE), high.GetDlgItem(IDC_RADIO_NON_BEDROCK));
    QCOMPARE(TabFrom(high, IDC_EDIT_XIN, true), high.GetDlgItem(IDC_RADIO_NON_BEDROCK));
    QCOMPARE(TabFrom(high, IDC_EDIT_Y_MMAX), high.GetDlgItem(IDC_RADIO_END_BEARING));

    CDLGspczl1 combined;
    QVERIFY(Open(combined));
    Radio(combined, IDC_RADIO_EMBEDDED)->click();
    QCOMPARE(TabFrom(combined, IDC_EDIT_PILE_SAZ), combined.GetDlgItem(IDC_RADIO_EMBEDDED));
    QCOMPARE(TabFrom(combined, IDC_EDIT_CR), combined.GetDlgItem(IDC_RADIO_FRICTION));
    PressKey(combined, Qt::Key_Space);
    QCOMPARE(combined.m_pileType, 1);
    // The arrows move the choice within the group.
    PressKey(combined, Qt::Key_Left);
    QVERIFY(Radio(combined, IDC_RADIO_END_BEARING)->isChecked());
    QCOMPARE(combined.m_pileType, 0);
    QCOMPARE(TabFrom(combined, IDC_EDIT_CR), combined.GetDlgItem(IDC_RADIO_END_BEARING));
}

void TestPileForms::radiosAreExclusiveRadioButtonsToAssistiveTools() {
    CDLGspczl1 combined;
    CDLGspczl2 high;
    for (CDialog* dlg : {static_cast<CDialog*>(&combined), static_cast<CDialog*>(&high)}) {
        QVERIFY(Open(*dlg));
        const QList<QRadioButton*> radios = dlg->findChildren<QRadioButton*>();
        QCOMPARE(radios.size(), dlg == &combined ? 5 : 4);
        for (QRadioButton* radio : radios) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(radio);
            QVERIFY(accessible);
            QVERIFY2(accessible->role() == QAccessible::RadioButton, qPrintable(radio->text()));
            QVERIFY(radio->group() && radio->group()->exclusive());
        }
    }
}

// Every control at its template rectangle converted to pixels (a closed list is one
// line high, an icon its own size).
void TestPileForms::controlsStandWhereTheirTemplatesPutThem() {
    CDLGspczl1 combined;
    CDLGspczl2 high;
    for (CDialog* dlg : {static_cast<CDialog*>(&combined), static_cast<CDialog*>(&high)}) {
        QVERIFY(Open(*dlg));
        const auto layout =
            LoadDialogTemplate(dlg == &combined ? IDD_COMBINED_ACTION : IDD_HIGH_CAP);
        QVERIFY(layout);
        const DialogUnits units = DialogUnits::ForTemplateFont(layout->fontName, dlg->font());
        for (const ControlTemplate& control : layout->controls) {
            if (control.id == IDC_STATIC || control.type == ControlType::ComboBox)
                continue;
            QVERIFY2(dlg->GetDlgItem(control.id)->geometry() == units.ToPixels(control.rect),
                     qPrintable(QString::number(control.id)));
        }
    }
}

// The high-cap form's short captions leave a quarter of each radio's rectangle right
// of the text; a click there must still choose the button.
void TestPileForms::aRadioTakesClicksAcrossItsWholeRectangle() {
    CDLGspczl2 dlg;
    QVERIFY(Open(dlg));
    for (int id :
         {IDC_RADIO_NON_BEDROCK, IDC_RADIO_BEDROCK, IDC_RADIO_END_BEARING, IDC_RADIO_FRICTION}) {
        QRadioButton* radio = Radio(dlg, id);
        QVERIFY(!radio->isChecked() || id == IDC_RADIO_FRICTION);
        QTest::mouseClick(radio, Qt::LeftButton, {},
                          QPoint(radio->width() - 2, radio->height() / 2));
        QVERIFY2(radio->isChecked(), qPrintable(radio->text()));
    }
    QCOMPARE(dlg.m_bearingLayer, 0);
    QCOMPARE(dlg.m_pileType, 1);
}

void TestPileForms::launcherOpensEachPileForm_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("caption");
    QTest::newRow("combined") << IDC_OPEN_COMBINED_ACTION
                              << "高、低、脱空承台桩身内力及承台位移计算—共同作用方法";
    QTest::newRow("high cap") << IDC_OPEN_HIGH_CAP << "高承台桩身最大弯矩计算—共同作用方法";
}

void TestPileForms::launcherOpensEachPileForm() {
    QFETCH(int, button);
    QFETCH(QString, caption);
    CKorvaneDlg launcher;
    QVERIFY(Open(launcher));
    QString seen;
    ModalWatcher watcher([&seen](QWidget* modal) {
        seen = ShownTitle(*modal);
        if (auto* form = dynamic_cast<CDialog*>(modal))
            Button(*form, IDCANCEL)->click();
    });
    Button(launcher, button)->click();
    QCOMPARE(seen, caption);
}

void TestPileForms::combinedRadiosSetTheirMemberAndSwitchTheirField() {
    CDLGspczl1 dlg;
    QVERIFY(Open(dlg));
    Radio(dlg, IDC_RADIO_BEDROCK_SURFACE)->click();
    QCOMPARE(dlg.m_bearingLayer, 1);
    QVERIFY(Enabled(dlg, IDC_EDIT_CR));
    Radio(dlg, IDC_RADIO_NON_BEDROCK)->click();
    QCOMPARE(dlg.m_bearingLayer, 0);
    QVERIFY(!Enabled(dlg, IDC_EDIT_CR));
    Radio(dlg, IDC_RADIO_EMBEDDED)->click();
    QCOMPARE(dlg.m_bearingLayer, 2);
    QVERIFY(Enabled(dlg, IDC_EDIT_CR));
    QVERIFY(!Radio(dlg, IDC_RADIO_NON_BEDROCK)->isChecked());

    // The radio sets its member alone: a changed field is not read by it.
    SetText(dlg, IDC_EDIT_PILE_PHI, "33");
    Radio(dlg, IDC_RADIO_END_BEARING)->click();
    QCOMPARE(dlg.m_pileType, 0);
    QCOMPARE(dlg.m_phi, 20);
    QVERIFY(!Enabled(dlg, IDC_EDIT_PILE_PHI));
    QCOMPARE(Text(dlg, IDC_EDIT_PILE_PHI), QString("33"));
    Radio(dlg, IDC_RADIO_FRICTION)->click();
    QCOMPARE(dlg.m_pileType, 1);
    QVERIFY(Enabled(dlg, IDC_EDIT_PILE_PHI));
}

void TestPileForms::highCapRadiosSetTheirMemberAndSwitchTheirField() {
    CDLGspczl2 dlg;
    QVERIFY(Open(dlg));
    Radio(dlg, IDC_RADIO_NON_BEDROCK)->click();
    QCOMPARE(dlg.m_bearingLayer, 1);
    QVERIFY(!Enabled(dlg, IDC_EDIT_CR));
    QCOMPARE(Text(dlg, IDC_EDIT_CR), QString("8000000"));
    Radio(dlg, IDC_RADIO_BEDROCK)->click();
    QCOMPARE(dlg.m_bearingLayer, 0);
    QVERIFY(Enabled(dlg, IDC_EDIT_CR));
    Radio(dlg, IDC_RADIO_END_BEARING)->click();
    QCOMPARE(dlg.m_pileType, 0);
    QVERIFY(!Enabled(dlg, IDC_EDIT_PILE_PHI));
    Radio(dlg, IDC_RADIO_FRICTION)->click();
    QCOMPARE(dlg.m_pileType, 1);
    QVERIFY(Enabled(dlg, IDC_EDIT_PILE_PHI));
    // The groups are separate: the pile type leaves the bearing layer checked.
    QVERIFY(Radio(dlg, IDC_RADIO_BEDROCK)->isChecked());
}

// Every complete exchange greys the rock coefficient, whichever pile end is chosen;
// the value typed into it is still read.
void TestPileForms::rockCoefficientIsGreyedAgainAfterEveryCalculation() {
    CDLGspczl1 dlg;
    QVERIFY(Open(dlg));
    PickC30(dlg);
    for (int radio : {IDC_RADIO_BEDROCK_SURFACE, IDC_RADIO_EMBEDDED}) {
        Radio(dlg, radio)->click();
        QVERIFY(Enabled(dlg, IDC_EDIT_CR));
        SetText(dlg, IDC_EDIT_CR, "9000000");
        MessageBoxWatcher watcher;
        Button(dlg, IDC_CALC_COMBINED)->click();
        QVERIFY2(watcher.boxes.empty(), qPrintable(watcher.texts()));
        QVERIFY(!Enabled(dlg, IDC_EDIT_CR));
        QVERIFY(Radio(dlg, radio)->isChecked());
        QCOMPARE(dlg.m_CR, 9000000.0);
        QCOMPARE(Text(dlg, IDC_EDIT_CR), QString("9000000"));
    }
    QVERIFY(Enabled(dlg, IDC_EDIT_PILE_PHI));
}

// An exchange stopped by a refused field ends before the greying: OK with a bad
// voided height keeps the form open and the rock coefficient as the radio left it.
void TestPileForms::failedReadLeavesTheRockCoefficientAsItWas() {
    CDLGspczl1 dlg;
    QVERIFY(Open(dlg));
    Radio(dlg, IDC_RADIO_BEDROCK_SURFACE)->click();
    SetText(dlg, IDC_EDIT_VOIDED_L0, "25");
    MessageBoxWatcher watcher;
    Button(dlg, IDOK)->click();
    EXPECT_ONE_MESSAGE_BOX(watcher);
    QVERIFY(dlg.isVisible());
    QVERIFY(Enabled(dlg, IDC_EDIT_CR));
    QCOMPARE(dlg.focusWidget(), dlg.GetDlgItem(IDC_EDIT_VOIDED_L0));

    SetText(dlg, IDC_EDIT_VOIDED_L0, "20");
    Button(dlg, IDOK)->click();
    QCOMPARE(dlg.result(), IDOK);
    QVERIFY(!Enabled(dlg, IDC_EDIT_CR));
}

void TestPileForms::combinedCalculatesWithC30() {
    CDLGspczl1 dlg;
    QVERIFY(Open(dlg));
    PickC30(dlg);
    MessageBoxWatcher watcher;
    Button(dlg, IDC_CALC_COMBINED)->click();
    QVERIFY2(watcher.boxes.empty(), qPrintable(watcher.texts()));
    QCOMPARE(Text(dlg, IDC_EDIT_CAP_U), QString("4.85"));
    QCOMPARE(Text(dlg, IDC_EDIT_CAP_BETA), QString("26.36"));
    QCOMPARE(Text(dlg, IDC_EDIT_X0), QString("3.21"));
    QCOMPARE(Text(dlg, IDC_EDIT_NTOP), QString("2635.86"));
    QCOMPARE(dlg.m_lastPoint, 40);
    QVERIFY(dlg.isVisible());
}

void TestPileForms::highCapCalculatesWithC30() {
    CDLGspczl2 dlg;
    QVERIFY(Open(dlg));
    PickC30(dlg);
    MessageBoxWatcher watcher;
    Button(dlg, IDC_CALC_MAX_FORCES)->click();
    QVERIFY2(watcher.boxes.empty(), qPrintable(watcher.texts()));
    QCOMPARE(Text(dlg, IDC_EDIT_MMAX), QString("32.87"));
    QCOMPARE(Text(dlg, IDC_EDIT_Y_MMAX), QString("4.44"));
    QCOMPARE(Text(dlg, IDC_EDIT_X_PILE), QString("23"));
    QCOMPARE(Text(dlg, IDC_EDIT_QMAX), QString("35.23"));
    QCOMPARE(Text(dlg, IDC_EDIT_CAP_U), QString("5.54"));
    QCOMPARE(Text(dlg, IDC_EDIT_CAP_BETA), QString("2.43"));
    // The pile-top force is shown uncut and is longer than its field: the field must
    // show its leading digits.
    QVERIFY(Text(dlg, IDC_EDIT_NTOP).size() > 10);
    QCOMPARE(Edit(dlg, IDC_EDIT_NTOP)->cursorPosition(), 0);
}

// The range check stops the reading: its label leads the message, and neither the
// calculation nor a write of the fields follows; the form keeps the typed texts, and
// the results and plot of the last calculation.
void TestPileForms::voidedHeightOutOfRangeIsReportedAndNothingCalculated() {
    CDLGspczl1 dlg;
    QVERIFY(Open(dlg));
    PickC30(dlg);
    Button(dlg, IDC_CALC_COMBINED)->click();
    const QString capU = Text(dlg, IDC_EDIT_CAP_U);
    const auto plotTexts = [&dlg] {
        QStringList texts;
        for (const Drawing::Text& text : Plot(dlg).texts)
            texts << text.text;
        return texts;
    };
    const QStringList plot = plotTexts();
    QVERIFY(!plot.isEmpty());

    QTest::keyClicks(Edit(dlg, IDC_EDIT_PILE_H_LOAD), "0");
    Edit(dlg, IDC_EDIT_VOIDED_L0)->selectAll();
    QTest::keyClicks(Edit(dlg, IDC_EDIT_VOIDED_L0), "25");
    const QString load = Text(dlg, IDC_EDIT_PILE_H_LOAD);
    MessageBoxWatcher watcher;
    Button(dlg, IDC_CALC_COMBINED)->click();
    EXPECT_ONE_MESSAGE_BOX(watcher);
    QCOMPARE(watcher.boxes[0].text, QString("脱空高度l0(m)：“请填入一个在0和20之间的数字。”"));
    QCOMPARE(Text(dlg, IDC_EDIT_VOIDED_L0), QString("25"));
    QCOMPARE(Text(dlg, IDC_EDIT_PILE_H_LOAD), load);
    QCOMPARE(Text(dlg, IDC_EDIT_CAP_U), capU);
    QCOMPARE(plotTexts(), plot);
    QCOMPARE(dlg.focusWidget(), dlg.GetDlgItem(IDC_EDIT_VOIDED_L0));
    QVERIFY(!dlg.ResultsCalculated());
}

// A bad whole number on the high-cap form is named the same way.
void TestPileForms::highCapRefusedCountIsNamedAndNothingCalculated() {
    CDLGspczl2 dlg;
    QVERIFY(Open(dlg));
    PickC30(dlg);
    Edit(dlg, IDC_EDIT_NX)->selectAll();
    QTest::keyClicks(Edit(dlg, IDC_EDIT_NX), "2.5");
    MessageBoxWatcher watcher;
    Button(dlg, IDC_CALC_MAX_FORCES)->click();
    EXPECT_ONE_MESSAGE_BOX(watcher);
    QCOMPARE(watcher.boxes[0].text, QString("X向桩数：请键入一个整数。"));
    QCOMPARE(Text(dlg, IDC_EDIT_NX), QString("2.5"));
    QCOMPARE(Text(dlg, IDC_EDIT_MMAX), QString("0"));
    QCOMPARE(dlg.m_Mmax, 0.0);
}

void TestPileForms::highCapRanges_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::newRow("phi 46") << IDC_EDIT_PILE_PHI << "46"
                            << "桩侧土厚度加权内摩擦角(°)：“请填入一个在0和45之间的整数。”";
    QTest::newRow("phi 45") << IDC_EDIT_PILE_PHI << "45"
                            << "";
    QTest::newRow("phi 0") << IDC_EDIT_PILE_PHI << "0"
                           << "";
    QTest::newRow("xiN 1.01") << IDC_EDIT_XIN << "1.01"
                              << "桩轴力传递系数：“请填入一个在0.5和1之间的数字。”";
    QTest::newRow("xiN 1.0") << IDC_EDIT_XIN << "1.0"
                             << "";
    QTest::newRow("xiN 0.49") << IDC_EDIT_XIN << "0.49"
                              << "桩轴力传递系数：“请填入一个在0.5和1之间的数字。”";
    QTest::newRow("CR 100")
        << IDC_EDIT_CR << "100"
        << "桩端基岩抗力系数CR(kN/m3)：“请填入一个在300000和15000000之间的数字。”";
    QTest::newRow("l0 50") << IDC_EDIT_EXPOSED_L0 << "50"
                           << "";
    QTest::newRow("l0 50.5") << IDC_EDIT_EXPOSED_L0 << "50.5"
                             << "露出高度l0(m)：“请填入一个在0和50之间的数字。”";
    QTest::newRow("d 3.5") << IDC_EDIT_PILE_D << "3.5"
                           << "桩径d(m)：“请填入一个在0和3之间的数字。”";
    QTest::newRow("sax 7") << IDC_EDIT_PILE_SAX << "7"
                           << "sax(m)：“请填入一个在0和6之间的数字。”";
    QTest::newRow("h 101") << IDC_EDIT_PILE_H << "101"
                           << "入土深度h(m)：“请填入一个在0和100之间的数字。”";
    QTest::newRow("ms1 -1") << IDC_EDIT_MS1 << "-1"
                            << "桩侧ms1(kN/m4)：“请填入一个在0和1000000之间的数字。”";
    QTest::newRow("mp 1000001") << IDC_EDIT_MP << "1000001"
                                << "桩底mp(kN/m4)：“请填入一个在0和1000000之间的数字。”";
    QTest::newRow("no count range") << IDC_EDIT_NX << "0"
                                    << "";
}

void TestPileForms::highCapRanges() {
    QFETCH(int, id);
    QFETCH(QString, text);
    QFETCH(QString, message);
    CDLGspczl2 dlg;
    QVERIFY(Open(dlg));
    SetText(dlg, id, text);
    MessageBoxWatcher watcher;
    Button(dlg, IDOK)->click();
    if (message.isEmpty()) {
        QVERIFY2(watcher.boxes.empty(), qPrintable(watcher.texts()));
        QCOMPARE(dlg.result(), IDOK);
        return;
    }
    EXPECT_ONE_MESSAGE_BOX(watcher);
    QCOMPARE(watcher.boxes[0].text, message);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.focusWidget(), dlg.GetDlgItem(id));
}

// Greying a field does not take it out of the reading or its range check.
void TestPileForms::greyedFieldIsStillRangeChecked() {
    CDLGspczl2 dlg;
    QVERIFY(Open(dlg));
    SetText(dlg, IDC_EDIT_CR, "100");
    Radio(dlg, IDC_RADIO_NON_BEDROCK)->click();
    SetText(dlg, IDC_EDIT_PILE_PHI, "46");
    Radio(dlg, IDC_RADIO_END_BEARING)->click();
    MessageBoxWatcher watcher;
    Button(dlg, IDOK)->click();
    EXPECT_ONE_MESSAGE_BOX(watcher);
    QCOMPARE(watcher.boxes[0].text,
             QString("桩端基岩抗力系数CR(kN/m3)：“请填入一个在300000和15000000之间的数字。”"));
    QVERIFY(dlg.isVisible());

    SetText(dlg, IDC_EDIT_CR, "300000");
    MessageBoxWatcher next;
    Button(dlg, IDOK)->click();
    EXPECT_ONE_MESSAGE_BOX(next);
    QCOMPARE(next.boxes[0].text,
             QString("桩侧土厚度加权内摩擦角(°)：“请填入一个在0和45之间的整数。”"));
}

void TestPileForms::missingGradeIsRefusedAndResultsKept_data() {
    QTest::addColumn<bool>("highCap");
    QTest::newRow("combined") << false;
    QTest::newRow("high cap") << true;
}

// A calculation first, so that there are results to keep; then the grade is taken
// away and the refusal must leave fields, record and plot as they were.
void TestPileForms::missingGradeIsRefusedAndResultsKept() {
    QFETCH(bool, highCap);
    CDLGspczl1 combined;
    CDLGspczl2 high;
    CDialog& dlg = highCap ? static_cast<CDialog&>(high) : combined;
    const int calc = highCap ? IDC_CALC_MAX_FORCES : IDC_CALC_COMBINED;
    QVERIFY(Open(dlg));
    PickC30(dlg);
    Button(dlg, calc)->click();
    const QString capU = Text(dlg, IDC_EDIT_CAP_U);
    const QString ntop = Text(dlg, IDC_EDIT_NTOP);
    QVERIFY(capU != "0");
    const korvane::Drawing before = Plot(dlg);

    Combo(dlg, IDC_COMBO_CONCRETE)->setCurrentIndex(-1);
    MessageBoxWatcher watcher;
    Button(dlg, calc)->click();
    EXPECT_ONE_MESSAGE_BOX(watcher);
    QCOMPARE(watcher.boxes[0].text, QString("请选择桩身混凝土强度等级。"));
    QCOMPARE(Text(dlg, IDC_EDIT_CAP_U), capU);
    QCOMPARE(Text(dlg, IDC_EDIT_NTOP), ntop);
    const korvane::Drawing after = Plot(dlg);
    QCOMPARE(after.texts.size(), before.texts.size());
    for (std::size_t i = 0; i < before.texts.size(); ++i)
        QCOMPARE(after.texts[i].topLeft, before.texts[i].topLeft);
}

void TestPileForms::undefinedResultsAreNamed_data() {
    QTest::addColumn<bool>("highCap");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("label");
    QTest::newRow("combined, no pile section") << false << IDC_EDIT_PILE_D << "0"
                                               << "承台位移(mm)";
    QTest::newRow("high cap, no soil along the piles") << true << IDC_EDIT_MS1 << "0"
                                                       << "桩身最大弯矩(KN.m)";
}

// A result that is not a number shows 0 in its field; the form must say so by name.
void TestPileForms::undefinedResultsAreNamed() {
    QFETCH(bool, highCap);
    QFETCH(int, id);
    QFETCH(QString, text);
    QFETCH(QString, label);
    CDLGspczl1 combined;
    CDLGspczl2 high;
    CDialog& dlg = highCap ? static_cast<CDialog&>(high) : combined;
    QVERIFY(Open(dlg));
    PickC30(dlg);
    SetText(dlg, id, text);
    MessageBoxWatcher watcher;
    Button(dlg, highCap ? IDC_CALC_MAX_FORCES : IDC_CALC_COMBINED)->click();
    EXPECT_ONE_MESSAGE_BOX(watcher);
    const QStringList named = watcher.boxes[0].text.split("\n  ").mid(1);
    QVERIFY2(named.contains(label), qPrintable(watcher.boxes[0].text));
    // The depth series is named by its label, as every face names it, not by a member's name.
    QVERIFY2(named.contains("桩身弯矩深度序列"), qPrintable(watcher.boxes[0].text));
    QVERIFY2(!watcher.boxes[0].text.contains("Series"), qPrintable(watcher.boxes[0].text));
}

void TestPileForms::zeroPlotBeforeTheFirstCalculation() {
    CDLGspczl1 combined;
    QVERIFY(Open(combined));
    const korvane::Drawing small = Plot(combined);
    QCOMPARE(small.lines.size(), std::size_t(2 + 4));
    QCOMPARE(small.lines[0].to, QPoint(800, 650));
    QCOMPARE(small.lines[1].from, QPoint(700, 10));
    QCOMPARE(small.lines[3].to, QPoint(800, 23));
    QCOMPARE(small.texts.size(), std::size_t(4));
    for (const auto& text : small.texts)
        QCOMPARE(text.text, QString("0"));
    QCOMPARE(small.texts[1].topLeft, QPoint(810, 23));

    CDLGspczl2 high;
    QVERIFY(Open(high));
    const korvane::Drawing full = Plot(high);
    QCOMPARE(full.texts.size(), std::size_t(82));
    QCOMPARE(full.lines[2 + 40].to, QPoint(800, 530));
    QCOMPARE(full.texts[40].topLeft, QPoint(810, 530));
}

void TestPileForms::plotFollowsTheSeriesAfterACalculation() {
    CDLGspczl2 high;
    QVERIFY(Open(high));
    PickC30(high);
    Button(high, IDC_CALC_MAX_FORCES)->click();
    const korvane::Drawing plot = high.DepthPlot();
    CheckPlot(plot, high.m_momentSeries, high.m_shearSeries, 41, high.m_Mmax);
    // The largest moment lies 100 pixels from the axis (the series keeps the uncut
    // value, so a pixel more at most).
    int farthest = 0;
    for (int i = 0; i < 41; ++i)
        farthest = std::max(farthest, std::abs(plot.lines[2 + i].to.x() - 800));
    QVERIFY2(farthest == 100 || farthest == 101, qPrintable(QString::number(farthest)));

    CDLGspczl1 combined;
    QVERIFY(Open(combined));
    PickC30(combined);
    Button(combined, IDC_CALC_COMBINED)->click();
    QCOMPARE(combined.m_lastPoint, 40);
    CheckPlot(combined.DepthPlot(), combined.m_momentSeries, combined.m_shearSeries, 41,
              combined.m_maxMoment);
}

void TestPileForms::combinedPlotDrawsLastPointPlusOnePoints_data() {
    QTest::addColumn<int>("lastPoint");
    QTest::addColumn<int>("points");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("24") << 24 << 25;
    QTest::newRow("40") << 40 << 41;
    // Outside 0..40 no index of the series may be read past its 41 points.
    QTest::newRow("beyond the series") << 2499 << 41;
    QTest::newRow("negative") << -7 << 1;
}

void TestPileForms::combinedPlotDrawsLastPointPlusOnePoints() {
    QFETCH(int, lastPoint);
    QFETCH(int, points);
    CDLGspczl1 dlg;
    QVERIFY(Open(dlg));
    for (int i = 0; i < 41; ++i) {
        dlg.m_momentSeries[i] = 10.0 * i;
        dlg.m_shearSeries[i] = -5.0 * i;
    }
    dlg.m_maxMoment = 400.0;
    dlg.m_lastPoint = lastPoint;
    CheckPlot(dlg.DepthPlot(), dlg.m_momentSeries, dlg.m_shearSeries, points, 400.0);
}

QTEST_MAIN(TestPileForms)
#include "test_pile_forms.moc"
