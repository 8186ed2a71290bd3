// The dialog layer on a test template with what the slope forms lack: whole-number
// fields, range checks, radio groups split by other controls, and drawing.
#include "CDataExchange.h"
#include "CPaintDC.h"
#include "DDX.h"
#include "DialogFont.h"
#include "DialogUnits.h"
#include "FormTestSupport.h"

#include <QImage>
#include <QRadioButton>

using namespace korvane;

namespace {

class ExchangeDialog : public CDialog {
public:
    ExchangeDialog() : CDialog(900) {}

    double m_value = 2.5;
    int m_count = 3;
    int m_choice = 1;
    int m_other = 0;
    double m_ranged = 5;
    double m_last = 7;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, 901, m_value);
        DDX_Text(pDX, 902, m_count);
        DDV_MinMaxInt(pDX, m_count, 0, 45);
        DDX_Radio(pDX, 910, m_choice);
        DDX_Radio(pDX, 920, m_other);
        DDX_Text(pDX, 903, m_ranged);
        DDV_MinMaxDouble(pDX, m_ranged, 0, 20);
        DDX_Text(pDX, 904, m_last);
    }
    void OnPaint() override {
        CPaintDC dc(this);
        dc.MoveTo(800, 10);
        dc.LineTo(800, 650);
        dc.MoveTo(700, 10);
        dc.LineTo(900, 10);
        dc.TextOut(810, 30, "12");
    }
};

// Binds a control the template does not have: the opening exchange fails.
class BrokenBindingDialog : public CDialog {
public:
    BrokenBindingDialog() : CDialog(900) {}
    double m_value = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 4242, m_value); }
};

QRadioButton* Radio(const CDialog& dlg, int id) {
    return qobject_cast<QRadioButton*>(dlg.GetDlgItem(id));
}

} // namespace

class TestDialogLayer : public QObject {
    Q_OBJECT

private slots:
    void systemFontTemplatesUseTwoPixelsPerUnit();
    void cjkTemplatesTakeBaseUnitsFromTheFont();
    void missingTemplateEndsWithMinusOne();
    void failedOpeningExchangeEndsWithMinusOne();
    void focusStartsOnFirstTabStop();

    void radioGroupIndexesOnlyRadiosUpToNextGroupStart();
    void radioMemberOutsideGroupUnchecksAll();
    void wholeNumberFieldRefusesDecimals();
    void rangeFailureKeepsOutOfRangeValueAndStopsThePass();
    void doubleRangeFailureNamesItsBounds();
    void boundsThemselvesPass();
    void unchangedFieldKeepsCaretAndSelection();
    void closeBoxCancels();

    void paintSurfaceAnchorsTextAtTopLeft();
};

void TestDialogLayer::systemFontTemplatesUseTwoPixelsPerUnit() {
    const DialogUnits units = DialogUnits::ForTemplateFont("System", DialogFont());
    QCOMPARE(units.ToPixels(QRect(7, 7, 251, 151)), QRect(14, 14, 502, 302));
    ExchangeDialog dlg;
    QVERIFY(Open(dlg));
    QCOMPARE(dlg.size(), QSize(938, 570));
    QCOMPARE(dlg.GetDlgItem(901)->geometry(), QRect(20, 20, 120, 28));
}

void TestDialogLayer::cjkTemplatesTakeBaseUnitsFromTheFont() {
    const QFont font = DialogFont();
    const DialogUnits units = DialogUnits::ForTemplateFont("宋体", font);
    QVERIFY(units.baseY() >= QFontMetrics(font).height());
    QVERIFY(units.baseX() > 3 && units.baseX() < units.baseY());
    // 8 vertical units are one line of text.
    QCOMPARE(units.ToPixelsY(8), units.baseY());
}

void TestDialogLayer::missingTemplateEndsWithMinusOne() {
    CDialog dlg(4711);
    QCOMPARE(dlg.DoModal(), -1);
}

void TestDialogLayer::failedOpeningExchangeEndsWithMinusOne() {
    BrokenBindingDialog dlg;
    MessageBoxWatcher watcher;
    QCOMPARE(dlg.DoModal(), -1);
    EXPECT_ONE_MESSAGE_BOX(watcher);
    QCOMPARE(watcher.boxes[0].text, QString("内部应用程序出错。"));
}

void TestDialogLayer::focusStartsOnFirstTabStop() {
    ExchangeDialog dlg;
    QVERIFY(Open(dlg));
    QCOMPARE(dlg.focusWidget(), dlg.GetDlgItem(IDOK));
}

// 905 is an edit inside the first group: it takes no index, so 912 is index 2. The
// label before 903 starts a group of its own and ends the second.
void TestDialogLayer::radioGroupIndexesOnlyRadiosUpToNextGroupStart() {
    ExchangeDialog dlg;
    QVERIFY(Open(dlg));
    QVERIFY(!Radio(dlg, 910)->isChecked());
    QVERIFY(Radio(dlg, 911)->isChecked());
    QVERIFY(Radio(dlg, 920)->isChecked());

    Radio(dlg, 912)->click();
    QVERIFY(!Radio(dlg, 911)->isChecked());
    QVERIFY2(Radio(dlg, 920)->isChecked(), "a click in one group changed another group");
    QVERIFY(dlg.UpdateData(true));
    QCOMPARE(dlg.m_choice, 2);
    QCOMPARE(dlg.m_other, 0);
}

void TestDialogLayer::radioMemberOutsideGroupUnchecksAll() {
    ExchangeDialog dlg;
    QVERIFY(Open(dlg));
    for (int member : {-1, 3}) {
        dlg.m_choice = member;
        QVERIFY(dlg.UpdateData(false));
        for (int id : {910, 911, 912})
            QVERIFY(!Radio(dlg, id)->isChecked());
        QVERIFY(dlg.UpdateData(true));
        QCOMPARE(dlg.m_choice, -1);
    }
}

void TestDialogLayer::wholeNumberFieldRefusesDecimals() {
    ExchangeDialog dlg;
    QVERIFY(Open(dlg));
    SetText(dlg, 901, "1d2");
    SetText(dlg, 902, "12.5");
    MessageBoxWatcher watcher;
    QVERIFY(!dlg.UpdateData(true));
    EXPECT_ONE_MESSAGE_BOX(watcher);
    QCOMPARE(watcher.boxes[0].text, QString("请键入一个整数。"));
    QCOMPARE(dlg.m_value, 100.0);
    QCOMPARE(dlg.m_count, 3);
}

void TestDialogLayer::rangeFailureKeepsOutOfRangeValueAndStopsThePass() {
    ExchangeDialog dlg;
    QVERIFY(Open(dlg));
    SetText(dlg, 902, "46");
    Radio(dlg, 910)->click();
    SetText(dlg, 903, "6");
    MessageBoxWatcher watcher;
    QVERIFY(!dlg.UpdateData(true));
    EXPECT_ONE_MESSAGE_BOX(watcher);
    QCOMPARE(watcher.boxes[0].text, QString("“请填入一个在0和45之间的整数。”"));
    QCOMPARE(dlg.m_count, 46);
    QCOMPARE(dlg.m_choice, 1); // the radio group after the check was not read
    QCOMPARE(dlg.m_ranged, 5.0);
    QCOMPARE(dlg.focusWidget(), dlg.GetDlgItem(902));
    QCOMPARE(Edit(dlg, 902)->selectedText(), QString("46"));
    // Writing back shows the out-of-range value without complaint.
    QVERIFY(dlg.UpdateData(false));
    QCOMPARE(Text(dlg, 902), QString("46"));
}

void TestDialogLayer::doubleRangeFailureNamesItsBounds() {
    ExchangeDialog dlg;
    QVERIFY(Open(dlg));
    SetText(dlg, 903, "25");
    SetText(dlg, 904, "8");
    MessageBoxWatcher watcher;
    QVERIFY(!dlg.UpdateData(true));
    EXPECT_ONE_MESSAGE_BOX(watcher);
    QCOMPARE(watcher.boxes[0].text, QString("“请填入一个在0和20之间的数字。”"));
    QCOMPARE(dlg.m_ranged, 25.0);
    QCOMPARE(dlg.m_last, 7.0);
}

void TestDialogLayer::boundsThemselvesPass() {
    ExchangeDialog dlg;
    QVERIFY(Open(dlg));
    SetText(dlg, 902, "45");
    SetText(dlg, 903, "20");
    MessageBoxWatcher watcher;
    QVERIFY(dlg.UpdateData(true));
    QVERIFY(watcher.boxes.empty());
    QCOMPARE(dlg.m_count, 45);
    QCOMPARE(dlg.m_ranged, 20.0);
}

void TestDialogLayer::unchangedFieldKeepsCaretAndSelection() {
    ExchangeDialog dlg;
    QVERIFY(Open(dlg));
    QLineEdit* field = Edit(dlg, 901);
    QCOMPARE(field->text(), QString("2.5"));
    field->setSelection(1, 2);
    QVERIFY(dlg.UpdateData(false));
    QCOMPARE(field->selectedText(), QString(".5"));
    dlg.m_value = 0.00001;
    QVERIFY(dlg.UpdateData(false));
    QCOMPARE(field->text(), QString("1e-005"));
}

void TestDialogLayer::closeBoxCancels() {
    ExchangeDialog dlg;
    QVERIFY(Open(dlg));
    SetText(dlg, 901, "junk");
    dlg.close();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), IDCANCEL);
    QCOMPARE(dlg.m_value, 2.5);
}

// The pile forms' depth plot is checked as a drawing; this is what makes its text
// positions the places where the ink lands.
void TestDialogLayer::paintSurfaceAnchorsTextAtTopLeft() {
    ExchangeDialog dlg;
    QVERIFY(Open(dlg));
    const QImage image = dlg.grab().toImage();
    // Ink of "12" lies below y = 30 and within one line of it.
    const int lineHeight = QFontMetrics(dlg.font()).height();
    auto inkInRows = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y) {
            for (int x = 810; x < 830; ++x) {
                if (qGray(image.pixel(x, y)) < 128)
                    return true;
            }
        }
        return false;
    };
    QVERIFY2(!inkInRows(15, 30), "text drawn above its top-left corner");
    QVERIFY(inkInRows(30, 30 + lineHeight));
}

QTEST_MAIN(TestDialogLayer)
#include "test_dialog_layer.moc"
