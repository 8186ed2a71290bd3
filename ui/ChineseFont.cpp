#include "ChineseFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QMessageBox>
#include <QRawFont>
#include <cstdio>

namespace korvane {

bool FamilyDraws(const QString& family, const QString& text) {
    QFont font(family);
    // The face alone: no other font may fill in the characters it lacks.
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    // The database names a family offered by two foundries "Family [Foundry]".
    const QString name = family.section(QStringLiteral(" ["), 0, 0);
    if (!raw.isValid() || raw.familyName().compare(name, Qt::CaseInsensitive) != 0)
        return false;
    for (const char32_t ucs4 : text.toUcs4()) {
        if (!raw.supportsCharacter(ucs4))
            return false;
    }
    return true;
}

QString FirstChineseFamily(const QStringList& families,
                           const std::function<bool(const QString& family)>& draws) {
    for (const QString& family : families) {
        if (draws(family))
            return family;
    }
    return {};
}

QString InstalledChineseFamily() {
    // Japanese fonts carry these Han characters too and Qt falls back to them.
    QStringList families;
    for (const auto system : {QFontDatabase::SimplifiedChinese, QFontDatabase::TraditionalChinese,
                              QFontDatabase::Japanese})
        families << QFontDatabase::families(system);
    families.removeDuplicates();
    return FirstChineseFamily(
        families, [](const QString& family) { return FamilyDraws(family, kChineseSample); });
}

QString MissingChineseFontMessage() {
    return QStringLiteral(
        "No Chinese font is installed, so Korvane's labels cannot be shown: they appear as "
        "empty boxes.\n"
        "Install one, then start Korvane again:\n"
        "    sudo apt install fonts-wqy-microhei\n"
        "(fonts-noto-cjk works too.)\n"
        "\n"
        "未安装中文字体，Korvane 的文字无法显示。请安装中文字体后重新启动 Korvane：\n"
        "    sudo apt install fonts-wqy-microhei");
}

bool CheckChineseFont(QWidget* owner) {
    if (!InstalledChineseFamily().isEmpty())
        return true;
    const QString message = MissingChineseFontMessage();
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), message, QMessageBox::Ok,
                    owner);
    box.exec();
    return false;
}

} // namespace korvane
