// The forms' case commands as a user meets them: what is saved reopens with the same
// texts and the same numbers, a file that cannot be opened leaves the form as it was,
// and closing a form keeps its inputs.
#include "CaseCommands.h"
#include "CaseFile.h"
#include "CaseMessages.h"
#include "CaseOpening.h"
#include "DLGspczl1.h"
#include "DLGspczl2.h"
#include "DLzhexian.h"
#include "Dlgyuanhuhuadong.h"
#include "FormTestSupport.h"
#include "KorvaneDlg.h"
#include "RecentCases.h"
#include "ReportDetails.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <bit>

using namespace korvane;

namespace {

// Every double and int member of the calculator's table, by bit pattern.
template <class Record>
QStringList MemberBits(const Calculator<Record>& calc, const Record& record) {
    QStringList bits;
    for (const auto& info : calc.members) {
        std::visit(
            [&](auto member) {
                const auto value = record.*member;
                if constexpr (std::is_same_v<decltype(value), const double>)
                    bits << QString("%1=%2").arg(info.name).arg(std::bit_cast<quint64>(value), 16,
                                                                16, QChar('0'));
                else
                    bits << QString("%1=%2").arg(info.name).arg(value);
            },
            info.member);
    }
    return bits;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Types texts that print differently from the value they give, chooses C30, and
// calculates; then saves, reopens in a fresh form and compares.
template <class Form, class Record>
void SaveAndReopen(const Calculator<Record>& calc, int calculateButton,
                   std::vector<std::pair<int, QString>> typed, const QString& path) {
    Form first;
    QVERIFY(Open(first));
    for (const auto& [id, text] : typed)
        QTest::keyClicks(Edit(first, id), text.isEmpty() ? QString() : text);
    Combo(first, IDC_COMBO_CONCRETE)->setCurrentIndex(5);
    if (Combo(first, IDC_COMBO_REBAR))
        Combo(first, IDC_COMBO_REBAR)->setCurrentIndex(1);
    {
        MessageBoxWatcher boxes;
        Button(first, calculateButton)->click();
    }
    QVERIFY(first.ResultsCalculated());
    QVERIFY(first.Commands()->SaveAs(path));
    QCOMPARE(first.CaseFilePath(), path);

    Form second;
    QVERIFY(Open(second));
    {
        MessageBoxWatcher boxes;
        QVERIFY(second.Commands()->Open(path));
    }
    const CaseData shown = first.ShownCase();
    const CaseData reopened = second.ShownCase();
    QCOMPARE(reopened.inputs, shown.inputs);
    QCOMPARE(reopened.selections, shown.selections);
    QVERIFY(reopened.calculated);
    QCOMPARE(reopened.results, shown.results);
    QCOMPARE(MemberBits(calc, static_cast<const Record&>(second)),
             MemberBits(calc, static_cast<const Record&>(first)));
    QCOMPARE(RecentCases().first().path, path);
}

// A high-cap form that shows whatever calculation the test gives it.
class NotedHighCapForm : public CDLGspczl2 {
public:
    using CalculatorForm::ShowCalculation;
};

} // namespace

class TestCaseCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { ClearRecentCases(); }

    void everyFormReopensWithTheSameTextsAndResults() {
        QTemporaryDir dir;
        // Appended to the default texts: "1.4" becomes "1.40", "6" becomes "6.0".
        SaveAndReopen<CDlgyuanhuhuadong>(CircularCalculator(), IDC_CALC_CIRCLE,
                                         {{IDC_EDIT_B, "0"}, {IDC_EDIT_H, ".0"}},
                                         dir.filePath("circular.korvane"));
        SaveAndReopen<CDLzhexian>(PolylineCalculator(), IDC_CALC_POLYLINE, {{IDC_EDIT_H1, "0"}},
                                  dir.filePath("polyline.korvane"));
        SaveAndReopen<CDLGspczl1>(CombinedCalculator(), IDC_CALC_COMBINED,
                                  {{IDC_EDIT_PILE_H_LOAD, "0"}}, dir.filePath("combined.korvane"));
        SaveAndReopen<CDLGspczl2>(HighCapCalculator(), IDC_CALC_MAX_FORCES, {{IDC_EDIT_NG, "0"}},
                                  dir.filePath("highcap.korvane"));
    }

    // A radio choice reopens through its handler: the field it greys or enables follows.
    void radioChoicesReopenWithTheFieldsTheyEnable() {
        QTemporaryDir dir;
        const QString path = dir.filePath("rock.korvane");
        CDLGspczl1 first;
        QVERIFY(Open(first));
        first.RadioGroup(IDC_RADIO_NON_BEDROCK)[2]->click();
        first.RadioGroup(IDC_RADIO_END_BEARING)[0]->click();
        QVERIFY(first.GetDlgItem(IDC_EDIT_CR)->isEnabled());
        QVERIFY(first.Commands()->SaveAs(path));

        CDLGspczl1 second;
        QVERIFY(Open(second));
        QVERIFY(!second.GetDlgItem(IDC_EDIT_CR)->isEnabled());
        QVERIFY(second.Commands()->Open(path));
        QVERIFY(second.RadioGroup(IDC_RADIO_NON_BEDROCK)[2]->isChecked());
        QVERIFY(second.GetDlgItem(IDC_EDIT_CR)->isEnabled());
        QVERIFY(!second.GetDlgItem(IDC_EDIT_PILE_PHI)->isEnabled());
        QCOMPARE(second.ShownCase().inputs, first.ShownCase().inputs);
        QVERIFY(!second.ShownCase().calculated);
    }

    void editingAnInputMakesTheResultsStale() {
        CDlgyuanhuhuadong form;
        QVERIFY(Open(form));
        Button(form, IDC_CALC_CIRCLE)->click();
        QVERIFY(form.ShownCase().calculated);
        QTest::keyClicks(Edit(form, IDC_EDIT_H), "5");
        QVERIFY(!form.ShownCase().calculated);
        QVERIFY(form.ShownCase().results.empty());
    }

    // The thorough search speaks up under the results; the fields keep the form's answer.
    void circularFormNotesALowerCircleUntilAnInputChanges() {
        CDlgyuanhuhuadong form;
        QVERIFY(Open(form));
        Combo(form, IDC_COMBO_CONCRETE)->setCurrentText("C30");
        Combo(form, IDC_COMBO_REBAR)->setCurrentText("HPB235");
        Button(form, IDC_CALC_CIRCLE)->click();
        QCOMPARE(Text(form, IDC_EDIT_KS), QString("1.67"));
        const QString note = form.Commands()->Note();
        QVERIFY2(note.contains("存在稳定系数更低的滑动圆：ks = 0.315"), qPrintable(note));
        QTest::keyClicks(Edit(form, IDC_EDIT_C), "0");
        QCOMPARE(form.Commands()->Note(), QString("输入已修改，结果未更新"));

        // A pile form has the line too, for its verdicts.
        CDLGspczl2 pile;
        QVERIFY(Open(pile));
        pile.Commands()->ShowNote("x");
        QCOMPARE(pile.Commands()->Note(), QString("x"));
    }

    void filesThatCannotBeOpenedLeaveTheFormAsItWas() {
        QTemporaryDir dir;
        WriteFile(dir.filePath("notes.korvane"), "slope notes, not a case");
        WriteFile(dir.filePath("empty.korvane"), "");
        QVERIFY(QDir(dir.path()).mkdir("folder.korvane"));
        WriteFile(dir.filePath("newer.korvane"),
                  R"({"format": "korvane-case", "version": 9, "calculator": "circular"})");
        WriteFile(dir.filePath("refused.korvane"),
                  R"({"format": "korvane-case", "version": 1, "calculator": "circular",
                      "inputs": {"h": "六米"}})");
        const std::vector<std::pair<QString, QString>> files = {
            {"notes.korvane", "不是有效的 JSON"},  {"empty.korvane", "文件为空"},
            {"folder.korvane", "这是一个文件夹"},  {"newer.korvane", "版本 9"},
            {"refused.korvane", "请键入一个数。"}, {"missing.korvane", "文件不存在"}};

        CDlgyuanhuhuadong form;
        QVERIFY(Open(form));
        QTest::keyClicks(Edit(form, IDC_EDIT_H), "5");
        const CaseData before = form.ShownCase();
        for (const auto& [name, problem] : files) {
            MessageBoxWatcher boxes;
            QVERIFY(!form.Commands()->Open(dir.filePath(name)));
            EXPECT_ONE_MESSAGE_BOX(boxes);
            // Named with its folder: cases of the same name lie in many folders.
            const QString whole = QDir::toNativeSeparators(QDir(dir.path()).absoluteFilePath(name));
            QVERIFY2(boxes.boxes[0].text.contains("“" + whole + "”"), qPrintable(boxes.texts()));
            QVERIFY2(boxes.boxes[0].text.contains(problem), qPrintable(boxes.texts()));
            QCOMPARE(form.ShownCase().inputs, before.inputs);
            QCOMPARE(form.ShownCase().selections, before.selections);
            QVERIFY(form.CaseFilePath().isEmpty());
        }
        QVERIFY(RecentCases().isEmpty());
    }

    // Offered, not refused: a case of another calculator opens, when the user agrees, in
    // a new form of its own, and the form it was chosen in stays as it was.
    void aCaseOfAnotherCalculatorIsOfferedInItsOwnForm() {
        QTemporaryDir dir;
        const QString path = dir.filePath("pile.korvane");
        CaseData pile = CaseFromRecord(HighCapCalculator(), HighCapRecord{}, {5}, false);
        pile.inputs["NG"] = "650500.0";
        QVERIFY(!SaveCaseFile(path, pile, "test"));

        CDlgyuanhuhuadong form;
        QVERIFY(Open(form));
        QTest::keyClicks(Edit(form, IDC_EDIT_H), "5");
        const CaseData before = form.ShownCase();
        for (const bool yes : {false, true}) {
            QString question, shownLoad;
            QStringList buttons;
            ModalWatcher watcher([&](QWidget* modal) {
                if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                    question = box->text();
                    for (QAbstractButton* button : box->buttons())
                        buttons << button->text();
                    QAbstractButton* answer = box->button(yes ? QMessageBox::Yes : QMessageBox::No);
                    (answer ? answer : box->buttons().first())->click();
                } else if (auto* opened = dynamic_cast<CDLGspczl2*>(modal)) {
                    shownLoad = Text(*opened, IDC_EDIT_NG);
                    opened->close();
                }
            });
            QCOMPARE(form.Commands()->Open(path), yes);
            const QString whole = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
            QCOMPARE(question, QString("“%1”是“高承台桩身最大弯矩计算—共同作用方法”的算例。"
                                       "要在它自己的窗口中打开吗？")
                                   .arg(whole));
            QCOMPARE(buttons.size(), 2);
            QCOMPARE(shownLoad, yes ? QString("650500.0") : QString());
            QCOMPARE(form.ShownCase().inputs, before.inputs);
            QVERIFY(form.CaseFilePath().isEmpty());
        }
        QCOMPARE(RecentCases().first().calculator, QString("highcap"));
    }

    // A form that showed results and a thorough-search note opens a case that holds no
    // results: every result field shows what a fresh form shows, the depth plot too,
    // and no note is left.
    void openingAnUncalculatedCaseLeavesNothingOfTheLastOne() {
        QTemporaryDir dir;
        const QString circularPath = dir.filePath("circular.korvane");
        CaseData circular = CaseFromRecord(CircularCalculator(), CircularSlipRecord{}, {}, false);
        circular.inputs["h"] = "7";
        QVERIFY(!SaveCaseFile(circularPath, circular, "test"));
        const QString combinedPath = dir.filePath("combined.korvane");
        QVERIFY(!SaveCaseFile(
            combinedPath, CaseFromRecord(CombinedCalculator(), CombinedActionRecord{}, {}, false),
            "test"));

        const auto resultTexts = [](const CDialog& dlg, const auto& calc) {
            QStringList texts;
            for (const auto& info : calc.members) {
                if (info.role == MemberRole::Result && info.kind != FieldKind::None)
                    texts << QString("%1=%2").arg(info.name, Text(dlg, info.control.id));
            }
            return texts;
        };
        CDlgyuanhuhuadong fresh;
        QVERIFY(Open(fresh));
        CDlgyuanhuhuadong form;
        QVERIFY(Open(form));
        Combo(form, IDC_COMBO_CONCRETE)->setCurrentText("C30");
        Combo(form, IDC_COMBO_REBAR)->setCurrentText("HPB235");
        Button(form, IDC_CALC_CIRCLE)->click();
        QVERIFY(!form.Commands()->Note().isEmpty());
        QVERIFY(resultTexts(form, CircularCalculator()) !=
                resultTexts(fresh, CircularCalculator()));
        QVERIFY(form.Commands()->Open(circularPath));
        QCOMPARE(resultTexts(form, CircularCalculator()), resultTexts(fresh, CircularCalculator()));
        QCOMPARE(Text(form, IDC_EDIT_H), QString("7"));
        QCOMPARE(form.Commands()->Note(), QString());
        QVERIFY(!form.ShownCase().calculated);

        const auto plotTexts = [](const CDLGspczl1& dlg) {
            QStringList texts;
            for (const Drawing::Text& text : dlg.DepthPlot().texts)
                texts << text.text;
            return texts;
        };
        CDLGspczl1 freshPile;
        QVERIFY(Open(freshPile));
        CDLGspczl1 pile;
        QVERIFY(Open(pile));
        Combo(pile, IDC_COMBO_CONCRETE)->setCurrentText("C30");
        Button(pile, IDC_CALC_COMBINED)->click();
        QVERIFY(plotTexts(pile) != plotTexts(freshPile));
        QVERIFY(pile.Commands()->Open(combinedPath));
        QCOMPARE(resultTexts(pile, CombinedCalculator()),
                 resultTexts(freshPile, CombinedCalculator()));
        QCOMPARE(plotTexts(pile), plotTexts(freshPile));
    }

    // Results on the screen stop standing for the inputs at the first edit, by typing, a
    // list or a radio button; the window says it holds unsaved changes until it is saved
    // or another case is opened.
    void editsMarkTheResultsAndTheWindow() {
        QTemporaryDir dir;
        const QString path = dir.filePath("highcap.korvane");
        const QString stale = "输入已修改，结果未更新";
        CDLGspczl2 form;
        QVERIFY(Open(form));
        QVERIFY(form.windowTitle().endsWith("[*]"));
        QVERIFY(!form.isWindowModified());
        // Before any calculation the zeros are no results to mark.
        QTest::keyClicks(Edit(form, IDC_EDIT_NG), "0");
        QVERIFY(form.isWindowModified());
        QCOMPARE(form.Commands()->Note(), QString());
        QVERIFY(form.Commands()->SaveAs(path));
        QVERIFY(!form.isWindowModified());

        Combo(form, IDC_COMBO_CONCRETE)->setCurrentText("C30");
        Button(form, IDC_CALC_MAX_FORCES)->click();
        QVERIFY2(form.isWindowModified(), "new results are an unsaved change");
        QVERIFY(form.Commands()->Save());
        QVERIFY(!form.isWindowModified());
        Button(form, IDC_CALC_MAX_FORCES)->click();
        QVERIFY2(!form.isWindowModified(), "the same results are no change");

        QTest::keyClicks(Edit(form, IDC_EDIT_NG), "1");
        QCOMPARE(form.Commands()->Note(), stale);
        QVERIFY(form.isWindowModified());
        QVERIFY(!form.ShownCase().calculated);
        Button(form, IDC_CALC_MAX_FORCES)->click();
        QVERIFY(!form.Commands()->Note().contains(stale));

        QVERIFY(form.Commands()->Open(path));
        QVERIFY(!form.isWindowModified());
        QCOMPARE(form.Commands()->Note(), QString());
        QTest::mouseClick(form.GetDlgItem(IDC_RADIO_NON_BEDROCK), Qt::LeftButton);
        QCOMPARE(form.Commands()->Note(), stale);
        QVERIFY(form.isWindowModified());

        QVERIFY(form.Commands()->Open(path));
        QComboBox* concrete = Combo(form, IDC_COMBO_CONCRETE);
        concrete->setFocus();
        QTest::keyClick(concrete, Qt::Key_Down);
        QCOMPARE(form.Commands()->Note(), stale);
        QVERIFY(form.isWindowModified());
        // Still marked after a calculation the core refuses (no grade): the results shown
        // are the old ones.
        concrete->setCurrentIndex(-1);
        MessageBoxWatcher boxes;
        Button(form, IDC_CALC_MAX_FORCES)->click();
        QCOMPARE(boxes.boxes.size(), std::size_t(1));
        QCOMPARE(form.Commands()->Note(), stale);
    }

    // The pile-top force is written with all its digits, longer than its field. Opened
    // from a case in a form on the screen, and after the focus passes through it, the
    // field shows the beginning of the number, not its last digits.
    void aLongNumberShowsItsBeginning() {
        QTemporaryDir dir;
        const QString path = dir.filePath("highcap.korvane");
        {
            CDLGspczl2 first;
            QVERIFY(Open(first));
            Combo(first, IDC_COMBO_CONCRETE)->setCurrentText("C30");
            Button(first, IDC_CALC_MAX_FORCES)->click();
            QVERIFY(first.Commands()->SaveAs(path));
        }
        CDLGspczl2 form;
        QVERIFY(Open(form));
        QVERIFY(form.Commands()->Open(path));
        QLineEdit* ntop = Edit(form, IDC_EDIT_NTOP);
        QVERIFY(ntop->fontMetrics().horizontalAdvance(ntop->text()) > ntop->width());
        // Painted, a field scrolls its text to keep the caret in sight; the caret at the
        // start of a long number then stands where it stands in a field that holds its
        // whole text.
        (void)form.grab();
        const auto caretX = [](QLineEdit* edit) {
            return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
        };
        const int unscrolled = caretX(Edit(form, IDC_EDIT_MS1));
        for (QLineEdit* edit : form.findChildren<QLineEdit*>()) {
            QCOMPARE(edit->cursorPosition(), 0);
            QVERIFY2(caretX(edit) == unscrolled, qPrintable(edit->text()));
        }
        // Entered by Tab, it is selected whole from its start; left, it shows its start.
        ntop->setFocus(Qt::TabFocusReason);
        QCOMPARE(ntop->selectedText(), ntop->text());
        QCOMPARE(ntop->cursorPosition(), 0);
        ntop->setCursorPosition(static_cast<int>(ntop->text().size()));
        Edit(form, IDC_EDIT_NG)->setFocus(Qt::TabFocusReason);
        QCOMPARE(ntop->cursorPosition(), 0);
        QVERIFY(!ntop->hasSelectedText());
    }

    // What a calculation notes is stated under the commands, one line each, as plain
    // text, and the window grows to hold every line.
    void calculationNotesAreStatedUnderTheCommands() {
        NotedHighCapForm form;
        QVERIFY(Open(form));
        const int height = form.height();
        CaseExtras extras;
        const auto noGrade = [](const char* list, const char* member, const char* share) {
            CaseNote note{};
            note.kind = CaseNote::Kind::StrengthTakenAsZero;
            note.list = list;
            note.member = member;
            note.share = share;
            return note;
        };
        extras.notes = {noGrade("桩身混凝土", "ft", "混凝土"),
                        noGrade("<b>钢筋</b>", "fyv", "箍筋")};
        form.ShowCalculation(CalcOutcome{}, extras);
        const QString note = form.Commands()->Note();
        QVERIFY2(note.contains("提示：未选桩身混凝土，ft 按 0 计算"), qPrintable(note));
        QVERIFY2(note.contains("提示：未选<b>钢筋</b>，fyv 按 0 计算"), qPrintable(note));
        QLabel* shown = nullptr;
        for (QLabel* label : form.Commands()->Strip()->findChildren<QLabel*>()) {
            if (label->text().contains("提示："))
                shown = label;
        }
        QVERIFY(shown);
        QCOMPARE(shown->text().count("color:#a05a00"), 2);
        QVERIFY(shown->height() >= shown->heightForWidth(shown->width()));
        QVERIFY(form.height() > height);
        QVERIFY(shown->mapTo(&form, QPoint(0, shown->height())).y() <= form.height());

        // The next calculation without notes states none.
        form.ShowCalculation(CalcOutcome{}, CaseExtras{});
        QVERIFY(!form.Commands()->Note().contains("提示："));
    }

    // A radio position its group lacks: 打开算例 refuses it with the case reader's words; the
    // form's own last closed inputs, read unchecked, leave no button of the group checked,
    // and the report the form exports says so in the words every face uses.
    void aRadioPositionOutsideItsGroupIsRefused() {
        QTemporaryDir dir;
        const QByteArray seven =
            R"({"format": "korvane-case", "version": 1, "calculator": "highcap",
                "selections": {"concrete": "C30"}, "inputs": {"bearingLayer": "7"}})";
        WriteFile(dir.filePath("seven.korvane"), seven);
        CDLGspczl2 form;
        QVERIFY(Open(form));
        {
            MessageBoxWatcher boxes;
            QVERIFY(!form.Commands()->Open(dir.filePath("seven.korvane")));
            EXPECT_ONE_MESSAGE_BOX(boxes);
            QVERIFY2(boxes.boxes[0].text.contains(
                         "桩端持力层：0 基岩，1 非基岩（bearingLayer）的单选位置 7 不在组内："
                         "“请填入一个在0和1之间的整数。”"),
                     qPrintable(boxes.texts()));
        }
        QCOMPARE(form.ShownCase().inputs.at("bearingLayer"), std::string("0"));

        const QString kept = LastClosedCasePath("highcap");
        WriteFile(kept, seven);
        QVERIFY(form.Commands()->Open(kept));
        QCOMPARE(form.ShownCase().inputs.at("bearingLayer"), std::string("-1"));
        QVERIFY(form.Commands()->ExportReport(dir.filePath("report.html")));
        QFile html(dir.filePath("report.html"));
        QVERIFY(html.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(html.readAll());
        const Refusal none{.reason = RefusalReason::OutsideRadioGroup,
                           .member = "bearingLayer",
                           .count = -1,
                           .limit = 2};
        QVERIFY(page.contains(QString::fromStdString(RefusalText(HighCapCalculator(), none))));
        QVERIFY(!page.contains("计算正常完成"));
        QFile::remove(kept);
    }

    void savingRefusesATextTheFormRefuses() {
        QTemporaryDir dir;
        CDLzhexian form;
        QVERIFY(Open(form));
        SetText(form, IDC_EDIT_H1, "一米");
        MessageBoxWatcher boxes;
        QVERIFY(!form.Commands()->SaveAs(dir.filePath("bad.korvane")));
        EXPECT_ONE_MESSAGE_BOX(boxes);
        QVERIFY(boxes.boxes[0].text.contains("请键入一个数。"));
        QVERIFY(!QFile::exists(dir.filePath("bad.korvane")));
    }

    // Closing keeps the inputs, a text the form refuses included, and the kept inputs
    // reopen as they were shown.
    void closingKeepsTheInputsForTheRecentMenu() {
        const QString kept = LastClosedCasePath("highcap");
        QFile::remove(kept);
        {
            CDLGspczl2 form;
            QVERIFY(Open(form));
            SetText(form, IDC_EDIT_NG, "12x");
            PressKey(form, Qt::Key_Escape);
            QVERIFY(form.isHidden());
        }
        QVERIFY(QFile::exists(kept));
        CDLGspczl2 reopened;
        QVERIFY(Open(reopened));
        QVERIFY(reopened.Commands()->Open(kept));
        QCOMPARE(Text(reopened, IDC_EDIT_NG), QString("12x"));
        // Not the user's file: saving asks for a name, and the list stays empty.
        QVERIFY(reopened.CaseFilePath().isEmpty());
        QVERIFY(RecentCases().isEmpty());
    }

    void recentCasesKeepTheNewestEightOnce() {
        for (int i = 0; i < 10; ++i)
            RememberCase(QString("/cases/%1.korvane").arg(i), "circular");
        RememberCase("/cases/5.korvane", "circular");
        const QList<RecentCase> recent = RecentCases();
        QCOMPARE(recent.size(), kRecentCaseLimit);
        QCOMPARE(recent[0].path, QString("/cases/5.korvane"));
        QCOMPARE(recent[1].path, QString("/cases/9.korvane"));
        int fives = 0;
        for (const RecentCase& c : recent)
            fives += c.path.endsWith("/5.korvane");
        QCOMPARE(fives, 1);
    }

    // The report states the fields as shown, with the remembered project and sign-off names.
    void reportsAreExportedFromTheFieldsShown() {
        QTemporaryDir dir;
        RememberReportDetails({"滨江住宅二期", "李工", "王工", "赵工"});
        CDLGspczl2 form;
        QVERIFY(Open(form));
        SetText(form, IDC_EDIT_NG, "1234.5");
        QVERIFY(form.Commands()->ExportReport(dir.filePath("report.html")));
        QFile html(dir.filePath("report.html"));
        QVERIFY(html.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(html.readAll());
        for (const QString& expected :
             {QString("滨江住宅二期"), QString("李工"), QString("王工"), QString("赵工"),
              QString("1234.5"), QString::fromUtf8(HighCapCalculator().title)})
            QVERIFY2(page.contains(expected), qPrintable(expected));

        QVERIFY(form.Commands()->ExportReport(dir.filePath("report.pdf")));
        QFile pdf(dir.filePath("report.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");

        MessageBoxWatcher boxes;
        QVERIFY(!form.Commands()->ExportReport(dir.filePath("report.docx")));
        EXPECT_ONE_MESSAGE_BOX(boxes);
        QVERIFY(!QFile::exists(dir.filePath("report.docx")));
    }

    // `korvane FILE.korvane`: options are passed over, the case opens over the launcher.
    void theProgramOpensTheCaseItIsGiven() {
        QTemporaryDir dir;
        const QString path = dir.filePath("pile.korvane");
        CaseData data = CaseFromRecord(CombinedCalculator(), CombinedActionRecord{}, {5}, false);
        data.inputs["H"] = "250.0";
        QVERIFY(!SaveCaseFile(path, data, "test"));
        QString seenText;
        ModalWatcher watcher([&](QWidget* modal) {
            if (auto* form = dynamic_cast<CDLGspczl1*>(modal)) {
                seenText = Text(*form, IDC_EDIT_PILE_H_LOAD);
                form->close();
            }
        });
        CKorvaneDlg launcher;
        QVERIFY(Open(launcher));
        launcher.OpenCaseFromArguments({"-platform", path});
        QTRY_COMPARE(seenText, QString("250.0"));
    }

    void theLauncherOpensACaseInItsOwnForm() {
        QTemporaryDir dir;
        const QString path = dir.filePath("slope.korvane");
        CaseData data = CaseFromRecord(PolylineCalculator(), PolylineSlipRecord{}, {5, 0}, false);
        data.inputs["h1"] = "2.50";
        QVERIFY(!SaveCaseFile(path, data, "test"));

        QString seenTitle, seenText;
        ModalWatcher watcher([&](QWidget* modal) {
            if (auto* form = dynamic_cast<CDialog*>(modal)) {
                seenTitle = ShownTitle(*form);
                seenText = Text(*form, IDC_EDIT_H1);
                form->close();
            }
        });
        QVERIFY(OpenCaseInNewForm(path, nullptr));
        QCOMPARE(seenTitle, QString::fromUtf8(PolylineCalculator().title));
        QCOMPARE(seenText, QString("2.50"));
        QCOMPARE(RecentCases().first().calculator, QString("polyline"));
    }
};

QTEST_MAIN(TestCaseCommands)
#include "test_case_commands.moc"
