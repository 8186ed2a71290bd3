#include "ResourceSymbols.h"

#include "StandardIds.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

namespace korvane {

namespace {

QHash<QString, int> ReadSymbols() {
    QHash<QString, int> symbols{{"IDOK", IDOK}, {"IDCANCEL", IDCANCEL}, {"IDC_STATIC", IDC_STATIC}};
    QFile header(":/resource.h");
    if (!header.open(QIODevice::ReadOnly | QIODevice::Text))
        return symbols;
    // Lines of the form "inline constexpr int NAME = 1010;" (decimal or 0x hex).
    static const QRegularExpression definition(
        R"(^\s*inline\s+constexpr\s+int\s+(\w+)\s*=\s*(0[xX][0-9a-fA-F]+|\d+)\s*;)");
    for (const QString& line : QString::fromUtf8(header.readAll()).split('\n')) {
        const auto match = definition.match(line);
        if (match.hasMatch())
            symbols.insert(match.captured(1), match.captured(2).toInt(nullptr, 0));
    }
    return symbols;
}

} // namespace

std::optional<int> ResourceSymbol(const QString& name) {
    static const QHash<QString, int> symbols = ReadSymbols();
    const auto it = symbols.find(name);
    if (it == symbols.end())
        return std::nullopt;
    return *it;
}

} // namespace korvane
