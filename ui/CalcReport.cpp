#include "CalcReport.h"

#include "MessageBox.h"

namespace korvane {

QString UnlistedResultLabel(const std::string& name) {
    if (name == "momentSeries")
        return "深度图中的桩身弯矩";
    if (name == "shearSeries")
        return "深度图中的桩身剪力";
    return QString::fromStdString(name);
}

void ReportRefusal(const CalcOutcome& outcome, QWidget* form) {
    if (!outcome.computed())
        AfxMessageBox(QString::fromStdString(outcome.refusal), form);
}

void ReportUndefinedResults(const QStringList& labels, QWidget* form) {
    if (labels.isEmpty())
        return;
    QStringList names;
    for (const QString& label : labels)
        names << "  " + label;
    AfxMessageBox("按当前输入，下列结果不是有限数，无法计算；框中显示的 0 不是计算结果：\n" +
                      names.join('\n'),
                  form);
}

} // namespace korvane
