#include "VerdictNote.h"

#include "FieldText.h"

#include <QStringList>
#include <string>

namespace korvane {

namespace {

QString Escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

} // namespace

QString VerdictNote(const std::vector<DesignCheck>& checks) {
    QStringList verdicts;
    for (const DesignCheck& check : checks) {
        const std::string word = VerdictWord(check);
        // VerdictLine starts with the word; the rest is the comparison behind it.
        const std::string line = VerdictLine(check);
        const std::string reason = line.substr(word.size());
        const QString shownWord =
            check.met ? Escaped(word)
                      : QString("<span style=\"color:#c00000\">%1</span>").arg(Escaped(word));
        verdicts << Escaped(check.item) + " " + shownWord + Escaped(reason);
    }
    if (verdicts.isEmpty())
        return {};
    return "验算：" + verdicts.join("；");
}

QString VerdictNoteSample(const QString& calculator, const DesignLimits& limits) {
    std::vector<DesignCheck> checks = DesignChecks(calculator.toStdString(), CaseExtras{}, limits);
    for (DesignCheck& check : checks) {
        check.value = check.limit;
        // As wide as the limit with two decimals more ("1800" and "1650.59").
        check.valueText = std::string(FormatNumber(check.limit).size() + 3, '8');
        check.met = false;
    }
    return VerdictNote(checks);
}

} // namespace korvane
