// Saves pictures of the launcher, the about box and the slope forms (fresh and after
// a calculation with C30 / HPB235) into the folder given on the command line, for
// looking at the layout.
#include "AboutDlg.h"
#include "DLzhexian.h"
#include "DialogFont.h"
#include "Dlgyuanhuhuadong.h"
#include "KorvaneDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTimer>

namespace {

void Save(CDialog& dlg, const QString& path) {
    dlg.grab().save(path);
}

void ShotFormAfterCalc(CDialog& dlg, int calcId, const QString& path) {
    qobject_cast<QComboBox*>(dlg.GetDlgItem(IDC_COMBO_CONCRETE))->setCurrentIndex(0);
    qobject_cast<QComboBox*>(dlg.GetDlgItem(IDC_COMBO_REBAR))->setCurrentIndex(0);
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

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(DialogFont());
    const QString dir = argc > 1 ? argv[1] : ".";
    QDir().mkpath(dir);
    {
        CKorvaneDlg launcher;
        Shoot(launcher, dir, "launcher");
    }
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
    return 0;
}
