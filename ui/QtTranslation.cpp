#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace korvane {

QStringList QtTranslationNames(const QLocale& system) {
    QStringList names;
    if (system.language() == QLocale::Chinese) {
        names << system.name();
        // Hong Kong and Macao read Traditional characters; Qt ships one Traditional file.
        if (system.script() == QLocale::TraditionalChineseScript)
            names << QStringLiteral("zh_TW");
    }
    names << QStringLiteral("zh_CN");
    names.removeDuplicates();
    return names;
}

QString InstallQtTranslation() {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name : QtTranslationNames(QLocale::system())) {
        // Owned by the application, which keeps using it for every text until it ends.
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QStringLiteral("qtbase_") + name, folder)) {
            QCoreApplication::installTranslator(translator);
            return name;
        }
        delete translator;
    }
    return {};
}

} // namespace korvane
