#pragma once

#include <QLocale>
#include <QStringList>

namespace korvane {

// Qt's own texts (standard buttons, the fields' context menus, file dialogs) in Chinese,
// to match the rest of the program. The interface has no other language, so a system
// that is not set to Chinese still gets Simplified Chinese.

// The names of Qt's translation files to try for `system`, best first: the system's own
// Chinese variant, Traditional Chinese for the Traditional-script regions, then zh_CN.
QStringList QtTranslationNames(const QLocale& system);

// Loads the first of Qt's base translations named by QtTranslationNames(QLocale::system())
// from Qt's translations folder and installs it in the running application. Returns the
// name loaded, or an empty string when none could be (Qt's texts then stay English).
QString InstallQtTranslation();

} // namespace korvane
