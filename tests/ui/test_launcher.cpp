// The launcher, the about box and the look of every template: Chinese that the font
// can draw, labels that fit their rectangles, nothing drawn over a field.
#include "AboutDlg.h"
#include "CMenu.h"
#include "DLGspczl1.h"
#include "DLGspczl2.h"
#include "DLzhexian.h"
#include "DialogFont.h"
#include "Dlgyuanhuhuadong.h"
#include "FormTestSupport.h"
#include "KorvaneDlg.h"
#include "MessageBox.h"
#include "TemplateGroupBox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QRawFont>

using namespace korvane;

class TestLauncher : public QObject {
    Q_OBJECT

private slots:
    void enterRightAfterStartClosesTheLauncher();
    void eachOpeningOfAFormStartsFromDefaults();
    void aboutBoxOpensFromTheWindowMenuAndEscapeClosesIt();
    void aboutBoxOkCloses();
    void fixedSizeWindowsOfferNoMaximiseButton();
    void aMessageBoxIsWideEnoughForItsTitle();
    void windowMenuOpensFromTheKeyboard_data();
    void windowMenuOpensFromTheKeyboard();
    void windowMenuOpensOnRightClickOverAButton();

    void launcherFitsASmallScreen();
    void polylineLabelsKeepNamesWithTheirSymbolsAndFaceTheirFields();

    void templates_data();
    void templates();
};

namespace {

QAction* MenuItem(CKorvaneDlg& launcher, const QString& text) {
    for (QAction* action : launcher.GetSystemMenu()->menu()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// The pixels a label's text covers, line by line as the label sets them.
QRect InkOf(const QLabel& label) {
    const QFontMetricsF metrics(label.font());
    const QRect area = label.contentsRect();
    QRectF ink;
    const QStringList lines = label.text().split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QPointF baseline(area.left(), area.top() + i * metrics.height() + metrics.ascent());
        ink |= metrics.tightBoundingRect(lines[i]).translated(baseline);
    }
    return ink.toAlignedRect();
}

bool IsCjk(char32_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

} // namespace

void TestLauncher::enterRightAfterStartClosesTheLauncher() {
    CKorvaneDlg launcher;
    QVERIFY(Open(launcher));
    QCOMPARE(launcher.focusWidget(), launcher.GetDlgItem(IDOK));
    PressKey(launcher, Qt::Key_Return);
    QVERIFY(!launcher.isVisible());
    QCOMPARE(launcher.result(), IDOK);
}

void TestLauncher::eachOpeningOfAFormStartsFromDefaults() {
    CKorvaneDlg launcher;
    QVERIFY(Open(launcher));
    QStringList slopeHeights;
    ModalWatcher changeAndClose([&](QWidget* modal) {
        auto* form = dynamic_cast<CDlgyuanhuhuadong*>(modal);
        if (!form)
            return;
        slopeHeights << Text(*form, IDC_EDIT_H);
        SetText(*form, IDC_EDIT_H, "9");
        Button(*form, IDOK)->click();
    });
    QPushButton* open = Button(launcher, IDC_OPEN_CIRCULAR_SLIP);
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(launcher.focusWidget(), open);
    PressKey(launcher, Qt::Key_Return); // Enter opens the same form again
    QCOMPARE(slopeHeights, (QStringList{"6", "6"}));
    QVERIFY(launcher.isVisible());
}

void TestLauncher::aboutBoxOpensFromTheWindowMenuAndEscapeClosesIt() {
    CKorvaneDlg launcher;
    QVERIFY(Open(launcher));
    QAction* about = MenuItem(launcher, "关于 Korvane(&A)...");
    QVERIFY2(about, "the window menu has no about item");
    QString caption;
    QStringList texts;
    ModalWatcher closeByEscape([&](QWidget* modal) {
        auto* box = dynamic_cast<CAboutDlg*>(modal);
        if (!box)
            return;
        caption = box->windowTitle();
        for (QLabel* label : box->findChildren<QLabel*>())
            texts << label->text();
        PressKey(*box, Qt::Key_Escape);
    });
    about->trigger();
    QCOMPARE(caption, QString("关于 Korvane"));
    QCOMPARE(texts, QStringList{"Korvane 1.0 版"});
    QVERIFY(launcher.isVisible());
}

// Every window of a template keeps the template's size: a window manager must offer
// neither a maximise button nor a resize, and the window stays as large once shown.
void TestLauncher::fixedSizeWindowsOfferNoMaximiseButton() {
    CKorvaneDlg launcher;
    CAboutDlg about;
    CDlgyuanhuhuadong circular;
    CDLzhexian polyline;
    CDLGspczl1 combined;
    CDLGspczl2 highCap;
    for (CDialog* dlg : std::initializer_list<CDialog*>{&launcher, &about, &circular, &polyline,
                                                        &combined, &highCap}) {
        QVERIFY(Open(*dlg));
        const Qt::WindowFlags flags = dlg->windowFlags();
        QVERIFY2(!(flags & Qt::WindowMaximizeButtonHint), qPrintable(dlg->windowTitle()));
        QVERIFY2(!(flags & Qt::WindowMinMaxButtonsHint), qPrintable(dlg->windowTitle()));
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(flags & Qt::MSWindowsFixedSizeDialogHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(dlg->minimumSize(), dlg->maximumSize());
        QCOMPARE(dlg->size(), dlg->minimumSize());
    }
}

// The title bar of a box with a short message must hold the program's name whole.
void TestLauncher::aMessageBoxIsWideEnoughForItsTitle() {
    int width = 0;
    QString title;
    QFont font;
    ModalWatcher watcher([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            width = box->width();
            title = box->windowTitle();
            font = box->font();
            box->buttons().first()->click();
        }
    });
    AfxMessageBox("好");
    QCOMPARE(title, QString("Korvane"));
    QVERIFY(width >= MessageBoxMinimumWidth(title, font));
    QVERIFY(MessageBoxMinimumWidth(title, font) >
            QFontMetrics(font).horizontalAdvance(title) + 100);
}

void TestLauncher::aboutBoxOkCloses() {
    CAboutDlg about;
    QVERIFY(Open(about));
    PressKey(about, Qt::Key_Return);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), IDOK);
}

void TestLauncher::windowMenuOpensFromTheKeyboard_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Menu key") << QKeySequence(Qt::Key_Menu);
    QTest::newRow("Shift+F10") << QKeySequence(Qt::SHIFT | Qt::Key_F10);
    QTest::newRow("Alt+Space") << QKeySequence(Qt::ALT | Qt::Key_Space);
}

// No title-bar menu on this platform: the about item must be reachable another way.
void TestLauncher::windowMenuOpensFromTheKeyboard() {
    QFETCH(QKeySequence, keys);
    CKorvaneDlg launcher;
    QVERIFY(Open(launcher));
    QMenu* menu = launcher.GetSystemMenu()->menu();
    QVERIFY(!menu->isVisible());
    const QKeyCombination key = keys[0];
    QTest::keyClick(launcher.windowHandle(), key.key(), key.keyboardModifiers());
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
}

// A right click anywhere, a button included, reaches the launcher's window menu.
void TestLauncher::windowMenuOpensOnRightClickOverAButton() {
    CKorvaneDlg launcher;
    QVERIFY(Open(launcher));
    QMenu* menu = launcher.GetSystemMenu()->menu();
    QWidget* button = launcher.GetDlgItem(IDC_OPEN_POLYLINE_SLIP);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &click);
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
}

// 768 pixels high, less a title bar of up to 40.
void TestLauncher::launcherFitsASmallScreen() {
    CKorvaneDlg launcher;
    QVERIFY(Open(launcher));
    QVERIFY2(launcher.height() <= 768 - 40, qPrintable(QString::number(launcher.height())));
    // The template's proportions stay: 436 by 401 units.
    const double aspect = double(launcher.width()) / launcher.height();
    QVERIFY(aspect > 1.0 && aspect < 1.2);
}

void TestLauncher::polylineLabelsKeepNamesWithTheirSymbolsAndFaceTheirFields() {
    CDLzhexian dlg;
    QVERIFY(Open(dlg));
    auto label = [&](const QString& caption) -> QLabel* {
        for (QLabel* l : dlg.findChildren<QLabel*>()) {
            if (QString(l->text()).remove(u'\n') == caption)
                return l;
        }
        return nullptr;
    };
    const std::pair<const char*, const char*> broken[] = {
        {"土体容重(kN/m3)：", "土体容重\n(kN/m3)："},
        {"土体内摩擦角3(°)：", "土体内摩擦\n角3(°)："},
        {"土体黏聚力c3(kPa)：", "土体黏聚\n力c3(kPa)："},
    };
    for (const auto& [caption, lines] : broken) {
        QLabel* shown = label(caption);
        QVERIFY2(shown, caption);
        QCOMPARE(shown->text(), QString(lines));
    }
    // A one-line caption faces the middle of its field.
    for (auto [caption, id] : {std::pair{"桩中心距sax(m)：", IDC_EDIT_SAX},
                               std::pair{"桩中心距say(m)：", IDC_EDIT_SAY}}) {
        QLabel* shown = label(caption);
        QVERIFY2(shown, caption);
        const QRect ink = InkOf(*shown).translated(shown->pos());
        const int fieldMiddle = dlg.GetDlgItem(id)->geometry().center().y();
        QVERIFY2(std::abs(ink.center().y() - fieldMiddle) <= 2,
                 qPrintable(QString("%1: text at %2, field at %3")
                                .arg(caption)
                                .arg(ink.center().y())
                                .arg(fieldMiddle)));
    }
}

void TestLauncher::templates_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("about") << int(IDD_ABOUTBOX);
    QTest::newRow("launcher") << int(IDD_KORVANE_DIALOG);
    QTest::newRow("circular") << int(IDD_CIRCULAR_SLIP);
    QTest::newRow("polyline") << int(IDD_POLYLINE_SLIP);
    QTest::newRow("combined") << int(IDD_COMBINED_ACTION);
    QTest::newRow("high cap") << int(IDD_HIGH_CAP);
}

void TestLauncher::templates() {
    QFETCH(int, id);
    CDialog dlg(id);
    QVERIFY(Open(dlg));

    const QRawFont raw = QRawFont::fromFont(DialogFont());
    QList<QWidget*> fields;
    for (QWidget* w : dlg.findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QPushButton*>(w)) {
            if (w->parentWidget() == &dlg)
                fields << w;
        }
    }
    for (QLabel* label : dlg.findChildren<QLabel*>()) {
        const QString text = label->text();
        for (char32_t c : text.toUcs4()) {
            if (IsCjk(c) && !raw.supportsCharacter(c))
                QFAIL(qPrintable(QString("no CJK font: install fonts-wqy-microhei (\"%1\" in "
                                         "\"%2\" has no glyph)")
                                     .arg(QString::fromUcs4(&c, 1), text)));
        }
        const QRect inked = InkOf(*label);
        QVERIFY2(label->rect().contains(inked),
                 qPrintable(QString("label \"%1\" inks %2,%3 %4x%5, has %6x%7")
                                .arg(text)
                                .arg(inked.x())
                                .arg(inked.y())
                                .arg(inked.width())
                                .arg(inked.height())
                                .arg(label->width())
                                .arg(label->height())));
        const QRect textArea = inked.translated(label->pos());
        for (QWidget* field : fields)
            QVERIFY2(!textArea.intersects(field->geometry()),
                     qPrintable(QString("label \"%1\" runs into a control").arg(text)));
        for (auto* group : dlg.findChildren<korvane::TemplateGroupBox*>()) {
            const QRect frameTop(group->x(), group->y() + group->FrameTop(), group->width(), 2);
            QVERIFY2(!textArea.intersects(frameTop),
                     qPrintable(QString("a group frame runs through label \"%1\"").arg(text)));
        }
    }
    for (QPushButton* button : dlg.findChildren<QPushButton*>()) {
        const int needed = QFontMetrics(button->font()).horizontalAdvance(button->text());
        QVERIFY2(needed < button->width(), qPrintable(button->text()));
    }
    for (int i = 0; i < fields.size(); ++i) {
        for (int j = i + 1; j < fields.size(); ++j)
            QVERIFY2(!fields[i]->geometry().intersects(fields[j]->geometry()),
                     qPrintable(QString("controls %1 and %2 overlap")
                                    .arg(fields[i]->geometry().topLeft().x())
                                    .arg(fields[j]->geometry().topLeft().x())));
    }
}

QTEST_MAIN(TestLauncher)
#include "test_launcher.moc"
