// The start-up check for a font that draws the labels. The test runs twice: with the
// system's fonts (a Chinese one installed) and with a font configuration that holds
// only Latin fonts (KORVANE_EXPECT_NO_CHINESE_FONT=1), as on a system without one.
#include "ChineseFont.h"
#include "FormTestSupport.h"

#include <QFontDatabase>

class TestChineseFont : public QObject {
    Q_OBJECT

private slots:
    void firstFamilyThatDraws();
    void latinFontDrawsNoChinese();
    void installedFontsAreFound();
    void messageSaysWhatToInstallInEnglishAndChinese();
};

namespace {

bool ExpectNoChineseFont() {
    return qEnvironmentVariableIntValue("KORVANE_EXPECT_NO_CHINESE_FONT") == 1;
}

} // namespace

void TestChineseFont::firstFamilyThatDraws() {
    const auto onlyB = [](const QString& family) { return family == "B"; };
    QCOMPARE(FirstChineseFamily({"A", "B", "C"}, onlyB), QString("B"));
    QCOMPARE(FirstChineseFamily({"A", "C"}, onlyB), QString());
    QCOMPARE(FirstChineseFamily({}, onlyB), QString());
}

void TestChineseFont::latinFontDrawsNoChinese() {
    if (!QFontDatabase::families().contains("DejaVu Sans"))
        QSKIP("DejaVu Sans is not installed");
    QVERIFY(FamilyDraws("DejaVu Sans", "Korvane"));
    QVERIFY(!FamilyDraws("DejaVu Sans", kChineseSample));
    // A family that is not installed borrows nothing from the one Qt would substitute.
    QVERIFY(!FamilyDraws("No Such Family Korvane", "Korvane"));
}

void TestChineseFont::installedFontsAreFound() {
    if (ExpectNoChineseFont()) {
        QCOMPARE(InstalledChineseFamily(), QString());
        MessageBoxWatcher watcher;
        QVERIFY(!CheckChineseFont());
        EXPECT_ONE_MESSAGE_BOX(watcher);
        QCOMPARE(watcher.boxes[0].text, MissingChineseFontMessage());
    } else {
        // The package and tools/install-deps.sh bring WenQuanYi Micro Hei.
        QVERIFY(FamilyDraws("WenQuanYi Micro Hei", kChineseSample));
        QVERIFY(!InstalledChineseFamily().isEmpty());
        MessageBoxWatcher watcher;
        QVERIFY(CheckChineseFont());
        QCOMPARE(watcher.boxes.size(), std::size_t(0));
    }
}

void TestChineseFont::messageSaysWhatToInstallInEnglishAndChinese() {
    const QString message = MissingChineseFontMessage();
    QVERIFY(message.startsWith("No Chinese font is installed"));
    QVERIFY(message.contains("sudo apt install fonts-wqy-microhei"));
    QVERIFY(message.contains("未安装中文字体"));
}

QTEST_MAIN(TestChineseFont)
#include "test_chinese_font.moc"
