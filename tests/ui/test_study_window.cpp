// 参数分析 as an engineer uses it on every form: the command, a study run away from the
// window with its table of single cases, the target from the case's limits, crossings, a
// stale answer after an edit, cancelling, the settings kept in the case file, and exports.
#include "CalculatorForm.h"
#include "CaseCommands.h"
#include "CaseEvaluation.h"
#include "CaseOpening.h"
#include "CaseRecord.h"
#include "FormTestSupport.h"
#include "StudyWindow.h"
#include "resource.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <memory>

using namespace korvane;

namespace {

const QString kCommand = "参数分析…";

std::unique_ptr<CalculatorForm> MakeForm(const QString& name) {
    return NewCalculatorForm(name);
}

QList<QAction*> StudyCommands(const QWidget& form) {
    return CommandsNamed(form, kCommand);
}

// Opens the form with C30 (and HPB235) chosen and presses its study command.
StudyWindow* OpenStudy(CalculatorForm& form) {
    if (!Open(form))
        return nullptr;
    QComboBox* concrete = Combo(form, IDC_COMBO_CONCRETE);
    concrete->setCurrentIndex(concrete->findText("C30"));
    if (QComboBox* rebar = qobject_cast<QComboBox*>(form.GetDlgItem(IDC_COMBO_REBAR)))
        rebar->setCurrentIndex(rebar->findText("HPB235"));
    const QList<QAction*> commands = StudyCommands(form);
    if (commands.size() != 1)
        return nullptr;
    commands[0]->trigger();
    StudyWindow* window = StudyWindowOf(form);
    if (!window || !QTest::qWaitForWindowExposed(window))
        return nullptr;
    return window;
}

template <class T> T* Child(const StudyWindow& window, int index = 0) {
    const QList<T*> all = window.findChildren<T*>();
    return index < all.size() ? all[index] : nullptr;
}

QString Cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

int ColumnNamed(const QTableWidget* table, const QString& name) {
    for (int c = 0; c < table->columnCount(); ++c) {
        if (table->horizontalHeaderItem(c)->text() == name)
            return c;
    }
    return -1;
}

} // namespace

class TestStudyWindow : public QObject {
    Q_OBJECT

private slots:
    void everyFormHasTheCommand_data();
    void everyFormHasTheCommand();
    void aStudyTablesTheSingleCasesOfItsPoints();
    void theTargetComesFromTheLimitsAndItsCrossingIsStated();
    void badSettingsAreSaidAndNothingRuns();
    void anEditMakesTheAnswerStale();
    void aCancelledStudySaysHowFarItGot();
    void theStudyIsSavedWithTheCaseAndReopens();
    void openingTheWindowChangesNoStudy();
    void exportsCsvSvgAndPng();
};

void TestStudyWindow::everyFormHasTheCommand_data() {
    QTest::addColumn<QString>("calculator");
    for (const char* name : {"circular", "polyline", "combined", "highcap"})
        QTest::newRow(name) << name;
}

void TestStudyWindow::everyFormHasTheCommand() {
    QFETCH(QString, calculator);
    const std::unique_ptr<CalculatorForm> form = MakeForm(calculator);
    StudyWindow* window = OpenStudy(*form);
    QVERIFY(window);
    QCOMPARE(StudyCommands(*form).size(), 1);
    // Pressing it again raises the same window.
    StudyCommands(*form)[0]->trigger();
    QCOMPARE(form->findChildren<QWidget*>("studyWindow").size(), 1);
    StudySettings s;
    QVERIFY2(!window->ReadSettings(s), "the window opens with a study it can run");
    QVERIFY(!form->isWindowModified());
}

void TestStudyWindow::aStudyTablesTheSingleCasesOfItsPoints() {
    const std::unique_ptr<CalculatorForm> form = MakeForm("highcap");
    StudyWindow* window = OpenStudy(*form);
    QVERIFY(window);
    // ξN is refused outside 0.5 ~ 1.0: those rows say so.
    window->ShowSettings({{"xiN", 0.3, 1.2, 10}, "Mmax", std::nullopt, false});
    QVERIFY(window->Start());
    window->Wait();
    QVERIFY(window->Answer());
    const QTableWidget* table = window->Table();
    QCOMPARE(table->rowCount(), 10);
    const int mmax = ColumnNamed(table, "Mmax");
    const int status = table->columnCount() - 1;
    QVERIFY(mmax > 0);
    const CaseData base = form->ShownCase();
    for (int row = 0; row < table->rowCount(); ++row) {
        CaseData single = base;
        single.inputs["xiN"] = Cell(table, row, 0).toStdString();
        const auto e = EvaluateCase(HighCapCalculator(), single);
        const QString expected =
            e.Calculated() ? QString::fromStdString(MemberFieldText(
                                 e.computed, *FindMemberNamed(HighCapCalculator().members, "Mmax")))
                           : QString();
        QCOMPARE(Cell(table, row, mmax), expected);
        QCOMPARE(Cell(table, row, status).startsWith("拒绝："), !e.Calculated());
    }
    QVERIFY(window->StatusText().contains("未算出结果"));
}

void TestStudyWindow::theTargetComesFromTheLimitsAndItsCrossingIsStated() {
    const std::unique_ptr<CalculatorForm> form = MakeForm("circular");
    QVERIFY(Open(*form));
    form->SetLimits({{"ks", {1.35, ""}}});
    StudyWindow* window = OpenStudy(*form);
    QVERIFY(window);
    auto* useTarget = Child<QCheckBox>(*window);
    QVERIFY(useTarget->isChecked()); // [K] of the case, on ks
    StudySettings s;
    QVERIFY(!window->ReadSettings(s));
    QCOMPARE(s.result, std::string("ks"));
    QVERIFY(s.target && s.target->atLeast && s.target->value == 1.35);
    s.range = {"say", 0.8, 4, 17};
    window->ShowSettings(s);
    QVERIFY(window->Start());
    window->Wait();
    const std::optional<StudyAnswer>& answer = window->Answer();
    QVERIFY(answer && answer->solution);
    QCOMPARE(answer->solution->crossings.size(), std::size_t(1));
    const QString value = QString::fromStdString(StudyText(answer->solution->crossings[0].value));
    QVERIFY2(window->StatusText().contains("say = " + value + "（其以下满足）"),
             qPrintable(window->StatusText()));
}

void TestStudyWindow::badSettingsAreSaidAndNothingRuns() {
    const std::unique_ptr<CalculatorForm> form = MakeForm("polyline");
    StudyWindow* window = OpenStudy(*form);
    QVERIFY(window);
    QLineEdit* from = Child<QLineEdit>(*window, 0);
    from->setText("abc");
    QVERIFY(!window->Start());
    QVERIFY(!window->Running());
    QVERIFY2(window->StatusText().contains("范围的起点应是一个数"),
             qPrintable(window->StatusText()));
    from->setText("5");
    Child<QLineEdit>(*window, 1)->setText("5");
    QVERIFY(!window->Start());
    QVERIFY(window->StatusText().contains("两个不同"));
}

void TestStudyWindow::anEditMakesTheAnswerStale() {
    const std::unique_ptr<CalculatorForm> form = MakeForm("polyline");
    StudyWindow* window = OpenStudy(*form);
    QVERIFY(window);
    window->ShowSettings({{"d", 400, 800, 5}, "ks", std::nullopt, false});
    QVERIFY(window->Start());
    window->Wait();
    QVERIFY(!window->StatusText().contains("不再代表"));
    QLineEdit* h = Edit(*form, IDC_EDIT_H);
    h->setFocus();
    QTest::keyClick(h, Qt::Key_End);
    QTest::keyClicks(h, "1");
    QVERIFY(window->StatusText().contains("不再代表表单中的输入"));
    QVERIFY(window->Start());
    window->Wait();
    QVERIFY(!window->StatusText().contains("不再代表"));
}

void TestStudyWindow::aCancelledStudySaysHowFarItGot() {
    const std::unique_ptr<CalculatorForm> form = MakeForm("circular");
    StudyWindow* window = OpenStudy(*form);
    QVERIFY(window);
    // Some 20 ms a point: far longer than it takes to cancel.
    window->ShowSettings({{"say", 0.8, 4, kMostStudyPoints}, "bishopMinKs", std::nullopt, false});
    QVERIFY(window->Start());
    QVERIFY(window->Running());
    QVERIFY(!window->Start()); // one at a time
    window->Cancel();
    window->Wait();
    QVERIFY(window->Answer() && window->Answer()->cancelled);
    QVERIFY2(window->StatusText().contains("已取消：完成"), qPrintable(window->StatusText()));
    QVERIFY(window->Table()->rowCount() < kMostStudyPoints);
}

void TestStudyWindow::theStudyIsSavedWithTheCaseAndReopens() {
    QTemporaryDir dir;
    const QString path = dir.filePath("study.korvane");
    StudySettings set{{"sax", 1, 3, 9}, "Ntop", StudyTarget{"Ntop", false, 1800}, false};
    {
        const std::unique_ptr<CalculatorForm> form = MakeForm("combined");
        StudyWindow* window = OpenStudy(*form);
        QVERIFY(window);
        window->ShowSettings(set);
        QVERIFY(window->Start());
        window->Wait();
        QVERIFY(form->Study() && *form->Study() == set);
        QVERIFY(form->isWindowModified());
        Child<QCheckBox>(*window, 1)->click(); // 添加到计算书
        set.inReport = true;
        QVERIFY(form->Study()->inReport);
        QVERIFY(form->Commands()->SaveAs(path));
        QVERIFY(!form->isWindowModified());
    }
    const std::unique_ptr<CalculatorForm> reopened = MakeForm("combined");
    QVERIFY(Open(*reopened));
    QVERIFY(reopened->Commands()->Open(path));
    QVERIFY(reopened->Study() && *reopened->Study() == set);
    StudyCommands(*reopened)[0]->trigger();
    StudySettings shown;
    QVERIFY(!StudyWindowOf(*reopened)->ReadSettings(shown));
    QVERIFY(shown == set);
    QVERIFY(!reopened->isWindowModified()); // opening the window changed nothing
}

// A study whose ends no field would write (17 digits, from a file edited by hand) stays as
// the case has it until the user changes the settings.
void TestStudyWindow::openingTheWindowChangesNoStudy() {
    const std::unique_ptr<CalculatorForm> form = MakeForm("circular");
    QVERIFY(Open(*form));
    const StudySettings kept{{"say", 0.1 + 0.7, 4, 5}, "ks", std::nullopt, false};
    form->SetStudy(kept);
    form->MarkCaseKept();
    StudyCommands(*form)[0]->trigger();
    QVERIFY(StudyWindowOf(*form));
    QVERIFY(form->Study() && *form->Study() == kept);
    QVERIFY(!form->isWindowModified());
}

void TestStudyWindow::exportsCsvSvgAndPng() {
    const std::unique_ptr<CalculatorForm> form = MakeForm("polyline");
    StudyWindow* window = OpenStudy(*form);
    QVERIFY(window);
    QTemporaryDir dir;
    QVERIFY(window->SaveCsv(dir.filePath("none.csv"))); // nothing to export yet
    window->ShowSettings({{"d", 400, 800, 5}, "ks", StudyTarget{"ks", true, 0.6}, false});
    QVERIFY(window->Start());
    window->Wait();
    QVERIFY(!window->SaveCsv(dir.filePath("study.csv")));
    QFile csv(dir.filePath("study.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split("\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6);
    QVERIFY(lines[0].startsWith("d,"));
    QVERIFY(lines[0].endsWith(",status"));
    QVERIFY(lines[1].startsWith("400,"));
    QVERIFY(!window->SaveChart(dir.filePath("study.svg")));
    QVERIFY(QSvgRenderer(dir.filePath("study.svg")).isValid());
    QVERIFY(!window->SaveChart(dir.filePath("study.png")));
    QImage png(dir.filePath("study.png"));
    QVERIFY(!png.isNull());
    QVERIFY(window->SaveChart(dir.filePath("study.bmp")));
    QVERIFY(!QFile::exists(dir.filePath("study.bmp")));
}

QTEST_MAIN(TestStudyWindow)
#include "test_study_window.moc"
