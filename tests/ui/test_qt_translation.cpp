// Qt's own texts in Chinese: which translation a system's locale gets, and that once it
// is installed the standard buttons and the fields' context menu read Chinese, the
// program's message box included.
#include "FormTestSupport.h"
#include "MessageBox.h"
#include "QtTranslation.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <memory>

class TestQtTranslation : public QObject {
    Q_OBJECT

private slots:
    void namesForALocale_data();
    void namesForALocale();

    void initTestCase();
    void messageBoxButtonsReadChinese();
    void programMessageBoxReadsChinese();
    void fieldContextMenuReadsChinese();
};

void TestQtTranslation::namesForALocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("names");
    // Every system gets Chinese: the interface has no other language.
    QTest::newRow("unset (C)") << "C" << QStringList{"zh_CN"};
    QTest::newRow("English") << "en_US" << QStringList{"zh_CN"};
    QTest::newRow("German") << "de_DE" << QStringList{"zh_CN"};
    QTest::newRow("mainland") << "zh_CN" << QStringList{"zh_CN"};
    QTest::newRow("Singapore") << "zh_SG" << QStringList{"zh_SG", "zh_CN"};
    QTest::newRow("Taiwan") << "zh_TW" << QStringList{"zh_TW", "zh_CN"};
    QTest::newRow("Hong Kong") << "zh_HK" << QStringList{"zh_HK", "zh_TW", "zh_CN"};
}

void TestQtTranslation::namesForALocale() {
    QFETCH(QString, locale);
    QFETCH(QStringList, names);
    QCOMPARE(QtTranslationNames(QLocale(locale)), names);
}

void TestQtTranslation::initTestCase() {
    // CTest runs this with LC_ALL=C: the case of a system with no locale set.
    QCOMPARE(InstallQtTranslation(), QString("zh_CN"));
}

void TestQtTranslation::messageBoxButtonsReadChinese() {
    QMessageBox box(QMessageBox::Warning, "Korvane", "text", QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), QString("确定"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QString("取消"));
    QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No);
    QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text().remove('&'), QString("是(Y)"));
}

void TestQtTranslation::programMessageBoxReadsChinese() {
    MessageBoxWatcher watcher;
    AfxMessageBox("请键入一个数。");
    QCOMPARE(watcher.boxes.size(), std::size_t(1));
    QCOMPARE(watcher.boxes[0].buttons, QStringList{"确定"});
}

void TestQtTranslation::fieldContextMenuReadsChinese() {
    // The menu a right-click on a field pops up.
    QLineEdit field("12.5");
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList items;
    for (const QAction* action : menu->actions())
        items << action->text();
    const QString all = items.join('|');
    QVERIFY2(all.contains("复制"), qPrintable(all));
    QVERIFY2(all.contains("粘贴"), qPrintable(all));
    QVERIFY2(all.contains("全选"), qPrintable(all));
    QVERIFY2(!all.contains("Copy"), qPrintable(all));
}

QTEST_MAIN(TestQtTranslation)
#include "test_qt_translation.moc"
