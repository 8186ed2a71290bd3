// The two slope forms as a user meets them: defaults, calculating, refused text,
// OK with a bad field, Enter and Escape.
#include "CaseCommands.h"
#include "DLzhexian.h"
#include "Dlgyuanhuhuadong.h"
#include "FormTestSupport.h"

using namespace korvane;

class TestSlopeForms : public QObject {
    Q_OBJECT

private slots:
    void circularOpensWithDefaults_data();
    void circularOpensWithDefaults();
    void polylineOpensWithDefaultsInBindingOrder();
    void listsOpenWithNothingSelected();

    void circularCalculatesWithC30AndHpb235();
    void theCodesMethodsAreStatedBesideTheResults();
    void polylineCalculatesWithC30AndHpb235();
    void spacingTypedAsPointOneComesBackAsZero();
    void typingIntoAListNeverShowsAGradeItDoesNotUse();

    void refusedTextIsNamedAndNothingIsCalculated();
    void refusedFieldKeepsEveryTypedTextAndTheResultsShown();
    void okWithRefusedTextKeepsFormOpenWithFieldSelected();
    void okWithGoodFieldsCloses();
    void enterInAFieldActsAsOkAndDoesNotCalculate();
    void enterOnTheFocusedCalculateButtonCalculatesAgain();
    void enterInAListActsAsOk();
    void escapeCancelsWithoutReading();

    void refusalOfTheCoreIsShownAndResultsKept();
    void undefinedResultIsNamedNotShownAsAResult();
};

namespace {

void PickGrades(CDialog& dlg, int concrete, int rebar) {
    Combo(dlg, IDC_COMBO_CONCRETE)->setCurrentIndex(concrete);
    Combo(dlg, IDC_COMBO_REBAR)->setCurrentIndex(rebar);
}
// The grades the results below were worked out with, picked by name.
void PickC30AndHpb235(CDialog& dlg) {
    PickGrades(dlg, Combo(dlg, IDC_COMBO_CONCRETE)->findText("C30"),
               Combo(dlg, IDC_COMBO_REBAR)->findText("HPB235"));
}

} // namespace

void TestSlopeForms::circularOpensWithDefaults_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    const std::pair<int, const char*> rows[] = {
        {IDC_EDIT_H, "6"},           {IDC_EDIT_BETA, "55"},
        {IDC_EDIT_A, "3.3"},         {IDC_EDIT_B, "1.4"},
        {IDC_EDIT_BB, "4.7"},        {IDC_EDIT_HB, "1.5"},
        {IDC_EDIT_C, "16.7"},        {IDC_EDIT_PHI, "12"},
        {IDC_EDIT_H1, "0"},          {IDC_EDIT_GAMMA, "18.6"},
        {IDC_EDIT_L, "12"},          {IDC_EDIT_SAX, "0"},
        {IDC_EDIT_SAY, "2.2"},       {IDC_EDIT_D, "800"},
        {IDC_EDIT_STIRRUP_DIA, "8"}, {IDC_EDIT_STIRRUP_SPACING, "200"},
        {IDC_EDIT_F, "1200"},        {IDC_EDIT_H_LOAD, "168"},
        {IDC_EDIT_A_SEISMIC, "0.3"}, {IDC_EDIT_SLOPE_AMP, "1.3"},
        {IDC_EDIT_KS, "0"},          {IDC_EDIT_R, "0"},
        {IDC_EDIT_X, "0"},           {IDC_EDIT_Y, "0"},
    };
    for (const auto& [id, text] : rows)
        QTest::addRow("%d", id) << id << QString(text);
}

void TestSlopeForms::circularOpensWithDefaults() {
    QFETCH(int, id);
    QFETCH(QString, text);
    CDlgyuanhuhuadong dlg;
    QVERIFY(Open(dlg));
    QCOMPARE(Text(dlg, id), text);
}

void TestSlopeForms::polylineOpensWithDefaultsInBindingOrder() {
    const int ids[] = {
        IDC_EDIT_B,         IDC_EDIT_A,   IDC_EDIT_PHI1,        IDC_EDIT_C1,
        IDC_EDIT_THETA1,    IDC_EDIT_L1,  IDC_EDIT_PHI2,        IDC_EDIT_C2,
        IDC_EDIT_THETA2,    IDC_EDIT_L2,  IDC_EDIT_PHI3,        IDC_EDIT_C3,
        IDC_EDIT_THETA3,    IDC_EDIT_L3,  IDC_EDIT_H1,          IDC_EDIT_GAMMA,
        IDC_EDIT_L,         IDC_EDIT_SAX, IDC_EDIT_SAY,         IDC_EDIT_BB,
        IDC_EDIT_HB,        IDC_EDIT_F,   IDC_EDIT_H_LOAD,      IDC_EDIT_A_SEISMIC,
        IDC_EDIT_SLOPE_AMP, IDC_EDIT_D,   IDC_EDIT_STIRRUP_DIA, IDC_EDIT_STIRRUP_SPACING,
        IDC_EDIT_KS,        IDC_EDIT_H,   IDC_EDIT_BETA};
    const QStringList expected = {"3",   "2",     "12",  "16.7", "70", "3.373", "12",  "16.7",
                                  "47",  "2.495", "12",  "16.7", "8",  "7.532", "0",   "18.6",
                                  "25",  "1.8",   "1.8", "3",    "2",  "10000", "500", "0.2",
                                  "1.3", "600",   "8",   "200",  "0",  "6",     "55"};
    CDLzhexian dlg;
    QVERIFY(Open(dlg));
    QStringList shown;
    for (int id : ids)
        shown << Text(dlg, id);
    QCOMPARE(shown, expected);
}

void TestSlopeForms::listsOpenWithNothingSelected() {
    CDlgyuanhuhuadong circular;
    CDLzhexian polyline;
    for (CDialog* dlg : {static_cast<CDialog*>(&circular), static_cast<CDialog*>(&polyline)}) {
        QVERIFY(Open(*dlg));
        // The grades by strength, those of current codes among them.
        QCOMPARE(Combo(*dlg, IDC_COMBO_CONCRETE)->count(), 7);
        QCOMPARE(Combo(*dlg, IDC_COMBO_CONCRETE)->itemText(0), QString("C25"));
        QCOMPARE(Combo(*dlg, IDC_COMBO_CONCRETE)->itemText(1), QString("C30"));
        QCOMPARE(Combo(*dlg, IDC_COMBO_REBAR)->itemText(1), QString("HPB300"));
        QCOMPARE(Combo(*dlg, IDC_COMBO_REBAR)->itemText(3), QString("HRB400"));
        QCOMPARE(Combo(*dlg, IDC_COMBO_CONCRETE)->currentIndex(), -1);
        QCOMPARE(Combo(*dlg, IDC_COMBO_REBAR)->currentIndex(), -1);
        QCOMPARE(Combo(*dlg, IDC_COMBO_REBAR)->currentText(), QString());
    }
    QCOMPARE(circular.m_comboConcrete.GetCurSel(), -1);
    QCOMPARE(polyline.m_comboRebar.GetCurSel(), -1);
}

void TestSlopeForms::circularCalculatesWithC30AndHpb235() {
    CDlgyuanhuhuadong dlg;
    QVERIFY(Open(dlg));
    PickC30AndHpb235(dlg);
    MessageBoxWatcher watcher;
    Button(dlg, IDC_CALC_CIRCLE)->click();
    QVERIFY2(watcher.boxes.empty(), qPrintable(watcher.texts()));
    QCOMPARE(Text(dlg, IDC_EDIT_KS), QString("1.67"));
    QCOMPARE(Text(dlg, IDC_EDIT_R), QString("7.42"));
    QCOMPARE(Text(dlg, IDC_EDIT_X), QString("3.7"));
    QCOMPARE(Text(dlg, IDC_EDIT_Y), QString("6.43"));
    QVERIFY(dlg.isVisible());
}

// The code's factors on the same slices go in the strip; the fields keep the form's own.
void TestSlopeForms::theCodesMethodsAreStatedBesideTheResults() {
    CDlgyuanhuhuadong circular;
    QVERIFY(Open(circular));
    PickC30AndHpb235(circular);
    Button(circular, IDC_CALC_CIRCLE)->click();
    QCOMPARE(Text(circular, IDC_EDIT_KS), QString("1.67"));
    const QString note = circular.Commands()->Note();
    QVERIFY2(note.contains("规范方法（简化 Bishop 法）：ks 圆弧 F = 1.75；最小 F = 0.31"),
             qPrintable(note));

    CDLzhexian polyline;
    QVERIFY(Open(polyline));
    PickC30AndHpb235(polyline);
    const int height = polyline.height();
    Button(polyline, IDC_CALC_POLYLINE)->click();
    QCOMPARE(Text(polyline, IDC_EDIT_KS), QString("0.53"));
    QVERIFY2(polyline.Commands()->Note().contains("规范方法（传递系数法隐式解）：F = 0.54"),
             qPrintable(polyline.Commands()->Note()));
    // Room for the line was kept when the form opened.
    QCOMPARE(polyline.height(), height);
}

void TestSlopeForms::polylineCalculatesWithC30AndHpb235() {
    CDLzhexian dlg;
    QVERIFY(Open(dlg));
    PickC30AndHpb235(dlg);
    MessageBoxWatcher watcher;
    Button(dlg, IDC_CALC_POLYLINE)->click();
    QVERIFY2(watcher.boxes.empty(), qPrintable(watcher.texts()));
    QCOMPARE(Text(dlg, IDC_EDIT_KS), QString("0.53"));
}

// The calculation takes the list's selection: whatever is typed, the list must show
// the grade that the next calculation uses and nothing else.
void TestSlopeForms::typingIntoAListNeverShowsAGradeItDoesNotUse() {
    CDlgyuanhuhuadong dlg;
    QVERIFY(Open(dlg));
    PickC30AndHpb235(dlg);
    Button(dlg, IDC_CALC_CIRCLE)->click();
    QCOMPARE(Text(dlg, IDC_EDIT_KS), QString("1.67"));

    QComboBox* concrete = Combo(dlg, IDC_COMBO_CONCRETE);
    concrete->setFocus();
    QTest::keyClicks(concrete, "C60");
    Button(dlg, IDC_CALC_CIRCLE)->click();
    const int used = dlg.m_comboConcrete.GetCurSel();
    QVERIFY(used >= 0);
    QCOMPARE(concrete->currentText(), concrete->itemText(used));

    // The same grade picked in a fresh form gives the same factor.
    CDlgyuanhuhuadong fresh;
    QVERIFY(Open(fresh));
    PickGrades(fresh, used, 0);
    Button(fresh, IDC_CALC_CIRCLE)->click();
    QCOMPARE(Text(dlg, IDC_EDIT_KS), Text(fresh, IDC_EDIT_KS));
}

void TestSlopeForms::spacingTypedAsPointOneComesBackAsZero() {
    CDlgyuanhuhuadong dlg;
    QVERIFY(Open(dlg));
    SetText(dlg, IDC_EDIT_SAX, "0.1");
    Button(dlg, IDC_CALC_CIRCLE)->click();
    QCOMPARE(Text(dlg, IDC_EDIT_SAX), QString("0"));
    QCOMPARE(dlg.m_sax, 0.0);
}

// h is read before L and d after it: a bad L stops the read there, its label leads the
// message, and neither the search nor a write of the fields follows.
void TestSlopeForms::refusedTextIsNamedAndNothingIsCalculated() {
    CDlgyuanhuhuadong dlg;
    QVERIFY(Open(dlg));
    PickC30AndHpb235(dlg);
    SetText(dlg, IDC_EDIT_H, "6.50");
    SetText(dlg, IDC_EDIT_L, "12米");
    SetText(dlg, IDC_EDIT_D, "1000");
    MessageBoxWatcher watcher;
    Button(dlg, IDC_CALC_CIRCLE)->click();

    EXPECT_ONE_MESSAGE_BOX(watcher);
    QCOMPARE(watcher.boxes[0].text, QString("桩长L(m)：请键入一个数。"));
    QCOMPARE(dlg.m_ks, 0.0);
    QCOMPARE(Text(dlg, IDC_EDIT_H), QString("6.50"));
    QCOMPARE(Text(dlg, IDC_EDIT_L), QString("12米"));
    QCOMPARE(Text(dlg, IDC_EDIT_D), QString("1000"));
    QCOMPARE(Text(dlg, IDC_EDIT_KS), QString("0"));
    QLineEdit* field = Edit(dlg, IDC_EDIT_L);
    QCOMPARE(dlg.focusWidget(), field);
    QCOMPARE(field->selectedText(), QString("12米"));
}

// As the engineer meets it: results on the screen, two fields typed over, one of them
// wrong. The message names the wrong one; both keep what was typed and the results
// stay those of the last calculation, marked as not updated.
void TestSlopeForms::refusedFieldKeepsEveryTypedTextAndTheResultsShown() {
    CDlgyuanhuhuadong dlg;
    QVERIFY(Open(dlg));
    PickC30AndHpb235(dlg);
    Button(dlg, IDC_CALC_CIRCLE)->click();
    const QString ks = Text(dlg, IDC_EDIT_KS);
    QVERIFY(ks != "0");
    for (const auto& [id, typed] : {std::pair{IDC_EDIT_BETA, "60"}, std::pair{IDC_EDIT_H, "abc"}}) {
        QLineEdit* field = Edit(dlg, id);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, typed);
    }
    MessageBoxWatcher watcher;
    QTest::mouseClick(Button(dlg, IDC_CALC_CIRCLE), Qt::LeftButton);

    EXPECT_ONE_MESSAGE_BOX(watcher);
    QCOMPARE(watcher.boxes[0].text, QString("坡高h(m)：请键入一个数。"));
    QCOMPARE(Text(dlg, IDC_EDIT_BETA), QString("60"));
    QCOMPARE(Text(dlg, IDC_EDIT_H), QString("abc"));
    QCOMPARE(Text(dlg, IDC_EDIT_KS), ks);
    QVERIFY(!dlg.ResultsCalculated());
    QCOMPARE(dlg.focusWidget(), Edit(dlg, IDC_EDIT_H));
    QCOMPARE(Edit(dlg, IDC_EDIT_H)->selectedText(), QString("abc"));
    QCOMPARE(Edit(dlg, IDC_EDIT_H)->cursorPosition(), 0);

    // Corrected, the same button calculates from both typed values.
    QTest::keyClicks(Edit(dlg, IDC_EDIT_H), "7");
    Button(dlg, IDC_CALC_CIRCLE)->click();
    QCOMPARE(dlg.m_h, 7.0);
    QCOMPARE(dlg.m_beta, 60.0);
    QVERIFY(dlg.ResultsCalculated());
}

void TestSlopeForms::okWithRefusedTextKeepsFormOpenWithFieldSelected() {
    CDLzhexian dlg;
    QVERIFY(Open(dlg));
    SetText(dlg, IDC_EDIT_L2, "2,5");
    MessageBoxWatcher watcher;
    Button(dlg, IDOK)->click();

    EXPECT_ONE_MESSAGE_BOX(watcher);
    QVERIFY(dlg.isVisible());
    QLineEdit* field = Edit(dlg, IDC_EDIT_L2);
    QCOMPARE(dlg.focusWidget(), field);
    QCOMPARE(field->selectedText(), QString("2,5"));
}

void TestSlopeForms::okWithGoodFieldsCloses() {
    CDLzhexian dlg;
    QVERIFY(Open(dlg));
    SetText(dlg, IDC_EDIT_F, " 2.5 ");
    Button(dlg, IDOK)->click();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), IDOK);
    QCOMPARE(dlg.m_F, 2.5);
}

void TestSlopeForms::enterInAFieldActsAsOkAndDoesNotCalculate() {
    CDlgyuanhuhuadong dlg;
    QVERIFY(Open(dlg));
    PickC30AndHpb235(dlg);
    Edit(dlg, IDC_EDIT_H)->setFocus();
    SetText(dlg, IDC_EDIT_H, "7");
    PressKey(dlg, Qt::Key_Return);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), IDOK);
    QCOMPARE(dlg.m_h, 7.0);
    QCOMPARE(dlg.m_ks, 0.0);
}

void TestSlopeForms::enterOnTheFocusedCalculateButtonCalculatesAgain() {
    CDlgyuanhuhuadong dlg;
    QVERIFY(Open(dlg));
    PickC30AndHpb235(dlg);
    QPushButton* calc = Button(dlg, IDC_CALC_CIRCLE);
    calc->setFocus();
    PressKey(dlg, Qt::Key_Return);
    QVERIFY(dlg.isVisible());
    QCOMPARE(Text(dlg, IDC_EDIT_KS), QString("1.67"));
}

void TestSlopeForms::enterInAListActsAsOk() {
    CDLzhexian dlg;
    QVERIFY(Open(dlg));
    Combo(dlg, IDC_COMBO_REBAR)->setFocus();
    PressKey(dlg, Qt::Key_Return);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), IDOK);
    QCOMPARE(dlg.m_comboRebar.GetCurSel(), -1);
}

void TestSlopeForms::escapeCancelsWithoutReading() {
    CDLzhexian dlg;
    QVERIFY(Open(dlg));
    Edit(dlg, IDC_EDIT_H)->setFocus();
    SetText(dlg, IDC_EDIT_H, "not a number");
    PressKey(dlg, Qt::Key_Escape);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), IDCANCEL);
    QCOMPARE(dlg.m_h, 6.0);
}

// A pile spacing of 0 would never end the walk over the pile rows.
void TestSlopeForms::refusalOfTheCoreIsShownAndResultsKept() {
    CDLzhexian dlg;
    QVERIFY(Open(dlg));
    PickC30AndHpb235(dlg);
    Button(dlg, IDC_CALC_POLYLINE)->click();
    QCOMPARE(Text(dlg, IDC_EDIT_KS), QString("0.53"));

    SetText(dlg, IDC_EDIT_SAX, "0");
    MessageBoxWatcher watcher;
    Button(dlg, IDC_CALC_POLYLINE)->click();
    EXPECT_ONE_MESSAGE_BOX(watcher);
    QVERIFY(watcher.boxes[0].text.contains("sax"));
    QCOMPARE(Text(dlg, IDC_EDIT_KS), QString("0.53"));
    QCOMPARE(Text(dlg, IDC_EDIT_SAX), QString("0"));
}

// With say = 0 each pile row resists without bound: the factor is not a number the
// field can show, and the form says so instead of passing 0 off as the result.
void TestSlopeForms::undefinedResultIsNamedNotShownAsAResult() {
    CDLzhexian dlg;
    QVERIFY(Open(dlg));
    PickC30AndHpb235(dlg);
    SetText(dlg, IDC_EDIT_SAY, "0");
    MessageBoxWatcher watcher;
    Button(dlg, IDC_CALC_POLYLINE)->click();
    EXPECT_ONE_MESSAGE_BOX(watcher);
    // One slip surface, not the least of a search.
    QVERIFY2(watcher.boxes[0].text.contains("稳定系数ks"), qPrintable(watcher.boxes[0].text));
    QVERIFY(!watcher.boxes[0].text.contains("最小稳定系数ks"));
    QVERIFY(!watcher.boxes[0].text.contains("稳定系数ks:"));
}

QTEST_MAIN(TestSlopeForms)
#include "test_slope_forms.moc"
