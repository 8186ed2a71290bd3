// The pile forms' moment and shear window as a user meets it: the command only on the
// pile forms, the charts after a calculation and again after the next one, what it says
// when there are none, and the picture copied and saved as SVG and PNG.
#include "CaseCommands.h"
#include "CaseOpening.h"
#include "DLGspczl1.h"
#include "DLGspczl2.h"
#include "DLzhexian.h"
#include "DepthChartWindow.h"
#include "Dlgyuanhuhuadong.h"
#include "FieldText.h"
#include "FormTestSupport.h"
#include "Trunc2.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>

using namespace korvane;

namespace {

const QString kCommand = "弯矩剪力图…";

std::unique_ptr<CalculatorForm> MakeForm(const QString& name) {
    return NewCalculatorForm(name);
}

int CalculateButton(const CalculatorForm& form) {
    return form.CalculatorName() == "combined" ? IDC_CALC_COMBINED : IDC_CALC_MAX_FORCES;
}

QList<QAction*> ChartCommands(const QWidget& form) {
    return CommandsNamed(form, kCommand);
}

// Opens the form, picks C30 and presses its chart command; the window it opened.
DepthChartWindow* OpenWindow(CalculatorForm& form) {
    if (!Open(form))
        return nullptr;
    QComboBox* concrete = Combo(form, IDC_COMBO_CONCRETE);
    concrete->setCurrentIndex(concrete->findText("C30"));
    const QList<QAction*> commands = ChartCommands(form);
    if (commands.size() != 1)
        return nullptr;
    commands[0]->trigger();
    DepthChartWindow* window = DepthChartWindowOf(form);
    if (!window || !QTest::qWaitForWindowExposed(window))
        return nullptr;
    return window;
}

void Calculate(CalculatorForm& form) {
    MessageBoxWatcher watcher;
    Button(form, CalculateButton(form))->click();
    QVERIFY2(watcher.boxes.empty(), qPrintable(watcher.texts()));
}

const QWidget* Canvas(const DepthChartWindow& window) {
    return window.findChild<QWidget*>("depthChartCanvas");
}

QImage Shown(DepthChartWindow& window) {
    return window.grab().toImage();
}

} // namespace

class TestDepthChartWindow : public QObject {
    Q_OBJECT

private slots:
    void commandOnlyOnThePileForms_data();
    void commandOnlyOnThePileForms();

    void windowFollowsEachCalculation();
    void staleAndRefusedResultsShowNoCharts();
    void aCalculatedCaseOpensWithItsCharts();
    void pressingTheCommandAgainRaisesTheSameWindow();

    void picturePaintsAtTheSizeAndRatioAsked();
    void savesSvgAndPngThatLoad();
    void copyPutsThePictureOnTheClipboard();
};

void TestDepthChartWindow::commandOnlyOnThePileForms_data() {
    QTest::addColumn<QString>("calculator");
    QTest::addColumn<bool>("pile");
    QTest::newRow("combined") << "combined" << true;
    QTest::newRow("highcap") << "highcap" << true;
    QTest::newRow("circular") << "circular" << false;
    QTest::newRow("polyline") << "polyline" << false;
}

// The command is one button of the strip, before the case file's name and wholly
// inside the form's width; a slope form has neither the command nor the window.
void TestDepthChartWindow::commandOnlyOnThePileForms() {
    QFETCH(QString, calculator);
    QFETCH(bool, pile);
    const std::unique_ptr<CalculatorForm> form = MakeForm(calculator);
    QVERIFY(Open(*form));
    const QList<QAction*> commands = ChartCommands(*form);
    QCOMPARE(commands.size(), pile ? 1 : 0);
    QCOMPARE(DepthChartWindowOf(*form) != nullptr, pile);
    if (!pile)
        return;
    QWidget* strip = form->Commands()->Strip();
    QToolButton* button = nullptr;
    for (QToolButton* b : strip->findChildren<QToolButton*>()) {
        if (b->defaultAction() == commands[0])
            button = b;
    }
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QVERIFY(strip->rect().contains(button->geometry()));
    QVERIFY(button->width() >= button->sizeHint().width());
    for (QLabel* label : strip->findChildren<QLabel*>()) {
        if (label->text().startsWith("算例："))
            QVERIFY(label->geometry().left() >= button->geometry().right());
    }
    QVERIFY(!DepthChartWindowOf(*form)->isVisible()); // until the command is pressed
}

// After each calculation the window holds the charts of that calculation: from the cap
// underside down, the marked extremes those the form shows, and another picture once
// an input changed.
void TestDepthChartWindow::windowFollowsEachCalculation() {
    for (const QString calculator : {"combined", "highcap"}) {
        const std::unique_ptr<CalculatorForm> form = MakeForm(calculator);
        DepthChartWindow* window = OpenWindow(*form);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), "弯矩剪力图 — " + form->Title());
        QVERIFY(!window->Charts());
        QVERIFY(window->Why().contains("尚未计算"));

        Calculate(*form);
        QVERIFY(window->Charts());
        const DepthChartPair first = *window->Charts();
        QVERIFY(window->Why().isEmpty());
        for (const DepthChart* chart : {&first.moment, &first.shear}) {
            QVERIFY(chart->depth.size() > 10);
            QCOMPARE(chart->depth.size(), chart->value.size());
            QCOMPARE(chart->depth.front(), 0.0);
            QVERIFY(std::is_sorted(chart->depth.begin(), chart->depth.end()));
        }
        QCOMPARE(first.moment.unit, QString("kN·m"));
        QCOMPARE(first.shear.unit, QString("kN"));
        if (calculator == "highcap") {
            // Below the ground line the largest moment is the form's, at its depth; the
            // head moment at the cap underside is drawn too, as the report draws it.
            const DepthChart& m = first.moment;
            std::size_t largest = m.value.size();
            for (std::size_t i = 0; i < m.value.size(); ++i) {
                if (m.depth[i] > m.groundDepth &&
                    (largest == m.value.size() ||
                     std::fabs(m.value[i]) > std::fabs(m.value[largest])))
                    largest = i;
            }
            QVERIFY(largest < m.value.size());
            QCOMPARE(QString::fromStdString(FormatNumber(Trunc2(m.value[largest]))),
                     Text(*form, IDC_EDIT_MMAX));
            QCOMPARE(QString::fromStdString(FormatNumber(Trunc2(m.depth[largest]))),
                     Text(*form, IDC_EDIT_Y_MMAX));
            QVERIFY(std::fabs(m.value.front()) > std::fabs(m.value[largest]));
        }
        const QImage before = Shown(*window);

        // A larger horizontal load on the group gives larger moments and shears.
        const int load = IDC_EDIT_PILE_H_LOAD;
        Edit(*form, load)->selectAll();
        QTest::keyClicks(Edit(*form, load), QString::number(Text(*form, load).toDouble() * 2));
        Calculate(*form);
        QVERIFY(window->Charts());
        const DepthChartPair second = *window->Charts();
        QVERIFY(second.moment.value != first.moment.value);
        QVERIFY(second.shear.value != first.shear.value);
        QVERIFY(Shown(*window) != before);
    }
}

// Results that no longer stand for the inputs, or a refused calculation, leave no chart
// that could be taken for the inputs shown; copying and saving are then off.
void TestDepthChartWindow::staleAndRefusedResultsShowNoCharts() {
    CDLGspczl2 form;
    DepthChartWindow* window = OpenWindow(form);
    QVERIFY(window);
    Calculate(form);
    QVERIFY(window->Charts());
    QTest::keyClick(Edit(form, IDC_EDIT_PILE_D), Qt::Key_0);
    QVERIFY(!window->Charts());
    QVERIFY(window->Why().contains("重新计算"));
    QVERIFY(!window->Copy());
    QTemporaryDir dir;
    QVERIFY(!window->SaveAs(dir.filePath("stale.svg")));
    QVERIFY(!QFile::exists(dir.filePath("stale.svg")));

    Calculate(form);
    QVERIFY(window->Charts());
    Combo(form, IDC_COMBO_CONCRETE)->setCurrentIndex(-1);
    {
        MessageBoxWatcher watcher;
        Button(form, IDC_CALC_MAX_FORCES)->click();
        QCOMPARE(watcher.boxes.size(), std::size_t(1));
    }
    QVERIFY(!window->Charts());
    QVERIFY(window->Why().contains("计算未完成"));
}

// The window follows the form from its construction, so the calculation run when a
// calculated case opens the form is drawn.
void TestDepthChartWindow::aCalculatedCaseOpensWithItsCharts() {
    CaseData calculated;
    {
        CDLGspczl1 first;
        QVERIFY(OpenWindow(first));
        Calculate(first);
        calculated = first.ShownCase();
        QVERIFY(calculated.calculated);
    }
    CDLGspczl1 form;
    form.OpenWith(calculated, {});
    QVERIFY(Open(form));
    DepthChartWindow* window = DepthChartWindowOf(form);
    QVERIFY(window);
    QVERIFY(window->Charts());
}

void TestDepthChartWindow::pressingTheCommandAgainRaisesTheSameWindow() {
    CDLGspczl1 form;
    DepthChartWindow* window = OpenWindow(form);
    QVERIFY(window);
    window->close();
    QVERIFY(!window->isVisible());
    ChartCommands(form)[0]->trigger();
    QVERIFY(window->isVisible());
    QCOMPARE(DepthChartWindowOf(form), window);
    int windows = 0;
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        windows += dynamic_cast<DepthChartWindow*>(child) != nullptr;
    QCOMPARE(windows, 1);
    // Not modal: the form still takes input.
    QVERIFY(!window->isModal());
    QVERIFY(form.isEnabled());
}

// Resizing paints anew at the new size; at twice the pixels the lines and texts are
// drawn at the finer resolution, not enlarged.
void TestDepthChartWindow::picturePaintsAtTheSizeAndRatioAsked() {
    CDLGspczl2 form;
    DepthChartWindow* window = OpenWindow(form);
    QVERIFY(window);
    Calculate(form);
    window->resize(700, 600);
    QTRY_COMPARE(window->size(), QSize(700, 600));
    const QImage small = Shown(*window);
    window->resize(1000, 900);
    QTRY_COMPARE(window->size(), QSize(1000, 900));
    const QImage large = Shown(*window);
    QVERIFY(large.size().width() > small.size().width());

    const QImage one = window->Picture(QSize(600, 500), 1);
    const QImage two = window->Picture(QSize(600, 500), 2);
    QCOMPARE(one.size(), QSize(600, 500));
    QCOMPARE(two.size(), QSize(1200, 1000));
    QCOMPARE(two.devicePixelRatio(), 2.0);
    // An enlarged picture would be made of 2 × 2 blocks of one colour.
    const QImage enlarged = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QVERIFY(two.convertToFormat(enlarged.format()) != enlarged);
}

void TestDepthChartWindow::savesSvgAndPngThatLoad() {
    CDLGspczl1 form;
    DepthChartWindow* window = OpenWindow(form);
    QVERIFY(window);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(!window->SaveAs(dir.filePath("none.png"))); // nothing to save yet
    Calculate(form);
    window->resize(900, 800);

    const QString svgPath = dir.filePath("弯矩剪力图.svg");
    QVERIFY(!window->SaveTo(svgPath));
    QSvgRenderer svg(svgPath);
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox().size(), Canvas(*window)->size());
    QFile svgFile(svgPath);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    const QString svgText = QString::fromUtf8(svgFile.readAll());
    for (const char* text : {"桩身弯矩图", "桩身剪力图", "距承台底深度", "极值"})
        QVERIFY2(svgText.contains(text), qPrintable(text));

    const QString pngPath = dir.filePath("charts.PNG");
    QVERIFY(!window->SaveTo(pngPath));
    QImage png;
    QVERIFY(png.load(pngPath));
    QVERIFY(png.width() >= 2 * 800); // at least two pixels to each of the window's

    // An unknown kind is refused and writes nothing; an earlier file stays as it was.
    const Problem refused = window->SaveTo(dir.filePath("charts.bmp"));
    QVERIFY(refused);
    QVERIFY(QString::fromStdString(refused.Message()).contains("SVG"));
    QVERIFY(!QFile::exists(dir.filePath("charts.bmp")));
    const QString inFolderThatIsAFile = pngPath + "/charts.png";
    QVERIFY(window->SaveTo(inFolderThatIsAFile));
    QImage again;
    QVERIFY(again.load(pngPath));
    QCOMPARE(again.size(), png.size());
}

void TestDepthChartWindow::copyPutsThePictureOnTheClipboard() {
    CDLGspczl2 form;
    DepthChartWindow* window = OpenWindow(form);
    QVERIFY(window);
    QGuiApplication::clipboard()->clear();
    QVERIFY(!window->Copy());
    Calculate(form);
    QVERIFY(window->Copy());
    const QImage copied = QGuiApplication::clipboard()->image();
    QVERIFY(!copied.isNull());
    const QWidget* canvas = Canvas(*window);
    QCOMPARE(copied.size(), canvas->size() * canvas->devicePixelRatioF());
    // It is the charts, not a blank: many pixels are not white.
    int inked = 0;
    for (int y = 0; y < copied.height(); y += 4) {
        for (int x = 0; x < copied.width(); x += 4)
            inked += copied.pixel(x, y) != qRgb(255, 255, 255);
    }
    QVERIFY(inked > 200);
}

QTEST_MAIN(TestDepthChartWindow)
#include "test_depth_chart_window.moc"
