// Saves pictures of the launcher, the about box, the four forms (fresh and after
// a calculation with C30, and HPB235 where the form asks for a rebar grade), a message
// box, a field's context menu, the case and report commands' dialogs, forms stating
// their verdicts against limits and the pile forms' moment and shear windows into the
// folder given on the command line, for looking at the layout. Qt's own texts are
// Chinese, as in the program.
#include "AboutDlg.h"
#include "CMenu.h"
#include "CaseCommands.h"
#include "DLGspczl1.h"
#include "DLGspczl2.h"
#include "DLzhexian.h"
#include "DepthChartWindow.h"
#include "DesignLimitsDialog.h"
#include "DialogFont.h"
#include "Dlgyuanhuhuadong.h"
#include "KorvaneDlg.h"
#include "MessageBox.h"
#include "ProgramIdentity.h"
#include "QtTranslation.h"
#include "ReportDetails.h"
#include "StudyWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace korvane;

namespace {

void Save(CDialog& dlg, const QString& path) {
    dlg.grab().save(path);
}

void ShotFormAfterCalc(CDialog& dlg, int calcId, const QString& path) {
    auto* concrete = qobject_cast<QComboBox*>(dlg.GetDlgItem(IDC_COMBO_CONCRETE));
    concrete->setCurrentIndex(concrete->findText("C30"));
    if (auto* rebar = qobject_cast<QComboBox*>(dlg.GetDlgItem(IDC_COMBO_REBAR)))
        rebar->setCurrentIndex(rebar->findText("HPB235"));
    qobject_cast<QPushButton*>(dlg.GetDlgItem(calcId))->click();
    Save(dlg, path);
}

// Opens `dlg` modelessly, saves it, optionally calculates and saves again.
void Shoot(CDialog& dlg, const QString& dir, const QString& name, int calcId = 0) {
    if (!dlg.Create())
        qFatal("cannot open %s", qPrintable(name));
    dlg.show();
    QApplication::processEvents();
    Save(dlg, dir + "/" + name + ".png");
    if (calcId) {
        // A message box from the calculation (e.g. a refusal) is dismissed by itself.
        QTimer::singleShot(300, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        ShotFormAfterCalc(dlg, calcId, dir + "/" + name + "-calculated.png");
    }
    dlg.hide();
}

// The launcher with its window menu open, then the about box that its item opens.
void ShootAboutOverLauncher(const QString& dir) {
    CKorvaneDlg launcher;
    if (!launcher.Create())
        qFatal("cannot open the launcher");
    launcher.show();
    QMenu* menu = launcher.GetSystemMenu()->menu();
    menu->popup(launcher.mapToGlobal(QPoint(40, 40)));
    QApplication::processEvents();
    QTest::qWait(300);
    QApplication::primaryScreen()->grabWindow(0).save(dir + "/window-menu-screen.png");
    QTimer::singleShot(1000, [dir] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            QApplication::primaryScreen()->grabWindow(box->winId()).save(dir + "/about-window.png");
            box->close();
        }
    });
    menu->hide(); // as a click on the item would
    menu->actions().last()->trigger();
    launcher.hide();
}

// The program's message box, as a refusal shows it, and the context menu of a field.
void ShootQtTexts(const QString& dir) {
    QTimer::singleShot(500, [dir] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->grab().save(dir + "/message-box.png");
            box->close();
        }
    });
    AfxMessageBox(QString::fromUtf8("请键入一个数。"));

    QLineEdit field(QStringLiteral("12.5"));
    field.show();
    QMenu* menu = field.createStandardContextMenu();
    menu->popup(field.mapToGlobal(QPoint(5, 5)));
    QTest::qWait(300);
    menu->grab().save(dir + "/field-menu.png");
    delete menu;
}

// Grabs the next modal window that opens (a dialog or the print preview) into `path`
// and closes it.
void GrabNextModal(const QString& path, int delayMs = 800) {
    QTimer::singleShot(delayMs, [path] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->grab().save(path);
            modal->close();
        }
    });
}

// The case and report commands: the recent-cases menu, the question for the report's
// names, and the print preview of the report.
void ShootCaseCommands(const QString& dir) {
    CDlgyuanhuhuadong form;
    if (!form.Create())
        qFatal("cannot open the circular form");
    form.show();
    form.Commands()->SaveAs(dir + "/示例边坡.korvane");
    QToolButton* recent = nullptr;
    for (QToolButton* button : form.findChildren<QToolButton*>()) {
        if (button->text() == QString::fromUtf8("最近算例"))
            recent = button;
    }
    recent->menu()->popup(recent->mapToGlobal(QPoint(0, recent->height())));
    QTest::qWait(300);
    QApplication::primaryScreen()
        ->grabWindow(0)
        .copy(form.frameGeometry().adjusted(0, 0, 200, 200))
        .save(dir + "/recent-menu.png");
    recent->menu()->hide();

    GrabNextModal(dir + "/report-details.png");
    AskReportDetails(&form);
    GrabNextModal(dir + "/print-preview.png", 2500);
    form.Commands()->PrintPreview();
}

// The limits dialog of a pile form, and forms whose note states verdicts: the circular
// form with one check met and the thorough search's line below it, the high-cap form with
// every check, one of them failed, wrapped over lines.
void ShootLimits(const QString& dir) {
    const DesignLimits pileLimits = {
        {"Ra", {1500, "JGJ 94-2008 第5.2.1条"}},
        {"x0", {10, "JGJ 94-2008 第5.7.2条（对水平位移不敏感的建筑物）"}},
        {"M", {30, ""}},
        {"Q", {100, ""}}};
    {
        CDLGspczl2 form;
        if (!form.Create())
            qFatal("cannot open the high-cap form");
        form.show();
        GrabNextModal(dir + "/design-limits.png");
        DesignLimitsDialog(form.CalculatorName(), pileLimits, &form).exec();
        form.SetLimits(pileLimits);
        ShotFormAfterCalc(form, IDC_CALC_MAX_FORCES, dir + "/high-cap-verdicts.png");
    }
    {
        CDlgyuanhuhuadong form;
        if (!form.Create())
            qFatal("cannot open the circular form");
        form.show();
        const DesignLimits slopeLimits = {
            {"ks", {1.35, "GB 50330-2013 表5.3.2（永久边坡，一般工况，一级）"}}};
        GrabNextModal(dir + "/design-limits-circular.png");
        DesignLimitsDialog(form.CalculatorName(), slopeLimits, &form).exec();
        form.SetLimits(slopeLimits);
        ShotFormAfterCalc(form, IDC_CALC_CIRCLE, dir + "/circular-verdict.png");
    }
}

// A pile form's moment and shear window before a calculation and after one, at the size
// it opens with, and the form with its command under the template.
void ShootDepthCharts(CalculatorForm& form, int calcId, const QString& dir, const QString& name) {
    if (!form.Create())
        qFatal("cannot open %s", qPrintable(name));
    form.show();
    for (QAction* action : form.actions()) {
        if (action->text() == QString::fromUtf8("弯矩剪力图…"))
            action->trigger();
    }
    DepthChartWindow* window = DepthChartWindowOf(form);
    if (!window || !QTest::qWaitForWindowExposed(window))
        qFatal("no moment and shear window on %s", qPrintable(name));
    window->grab().save(dir + "/" + name + "-charts-fresh.png");
    auto* concrete = qobject_cast<QComboBox*>(form.GetDlgItem(IDC_COMBO_CONCRETE));
    concrete->setCurrentIndex(concrete->findText("C30"));
    QTimer::singleShot(300, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    qobject_cast<QPushButton*>(form.GetDlgItem(calcId))->click();
    Save(form, dir + "/" + name + "-with-chart-command.png");
    QApplication::processEvents();
    window->grab().save(dir + "/" + name + "-charts.png");
    window->hide();
    form.hide();
}

// A form's study window with a study run: its chart with the target and crossings, the
// table beside it.
void ShootStudy(CalculatorForm& form, const QString& dir, const QString& name,
                const StudySettings& settings) {
    if (!form.Create())
        qFatal("cannot open %s", qPrintable(name));
    form.show();
    auto* concrete = qobject_cast<QComboBox*>(form.GetDlgItem(IDC_COMBO_CONCRETE));
    concrete->setCurrentIndex(concrete->findText("C30"));
    if (auto* rebar = qobject_cast<QComboBox*>(form.GetDlgItem(IDC_COMBO_REBAR)))
        rebar->setCurrentIndex(rebar->findText("HPB235"));
    for (QAction* action : form.actions()) {
        if (action->text() == QString::fromUtf8("参数分析…"))
            action->trigger();
    }
    StudyWindow* window = StudyWindowOf(form);
    if (!window || !QTest::qWaitForWindowExposed(window))
        qFatal("no study window on %s", qPrintable(name));
    window->grab().save(dir + "/" + name + "-study-fresh.png");
    window->ShowSettings(settings);
    window->Start();
    window->Wait();
    QApplication::processEvents();
    window->grab().save(dir + "/" + name + "-study.png");
    Save(form, dir + "/" + name + "-with-study-command.png");
    window->hide();
    form.hide();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // no settings of the user's are touched
    ApplyProgramIdentity(korvane::KorvaneIdentity());
    QApplication::setFont(DialogFont());
    InstallQtTranslation();
    const QString dir = argc > 1 ? argv[1] : ".";
    QDir().mkpath(dir);
    {
        CKorvaneDlg launcher;
        Shoot(launcher, dir, "launcher");
    }
    ShootAboutOverLauncher(dir);
    ShootQtTexts(dir);
    {
        CAboutDlg about;
        Shoot(about, dir, "about");
    }
    {
        CDlgyuanhuhuadong circular;
        Shoot(circular, dir, "circular", IDC_CALC_CIRCLE);
    }
    {
        CDLzhexian polyline;
        Shoot(polyline, dir, "polyline", IDC_CALC_POLYLINE);
    }
    {
        CDLGspczl1 combined;
        Shoot(combined, dir, "combined", IDC_CALC_COMBINED);
    }
    {
        CDLGspczl2 highCap;
        Shoot(highCap, dir, "high-cap", IDC_CALC_MAX_FORCES);
    }
    {
        CDLGspczl1 combined;
        ShootDepthCharts(combined, IDC_CALC_COMBINED, dir, "combined");
    }
    {
        CDLGspczl2 highCap;
        ShootDepthCharts(highCap, IDC_CALC_MAX_FORCES, dir, "high-cap");
    }
    {
        CDlgyuanhuhuadong circular;
        ShootStudy(circular, dir, "circular",
                   {{"say", 0.8, 4, 33}, "ks", StudyTarget{"ks", true, 1.35}, true});
    }
    {
        CDLGspczl2 highCap;
        ShootStudy(highCap, dir, "high-cap",
                   {{"mp", 5000, 30000, 26}, "Mmax", std::nullopt, false});
    }
    ShootCaseCommands(dir);
    ShootLimits(dir);
    return 0;
}
