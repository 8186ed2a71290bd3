#include "StringTable.h"

#include "ResourceSymbols.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

namespace korvane {

namespace {

// The file maps resource.h names to texts.
QHash<int, QString> ReadStrings() {
    QHash<int, QString> strings;
    QFile file(":/strings.json");
    if (!file.open(QIODevice::ReadOnly))
        return strings;
    const QJsonObject table = QJsonDocument::fromJson(file.readAll()).object();
    for (auto it = table.begin(); it != table.end(); ++it) {
        if (const auto id = ResourceSymbol(it.key()))
            strings.insert(*id, it.value().toString());
    }
    return strings;
}

} // namespace

QString LoadStringResource(int id) {
    static const QHash<int, QString> strings = ReadStrings();
    return strings.value(id);
}

} // namespace korvane
