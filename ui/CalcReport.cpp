#include "CalcReport.h"

#include "MessageBox.h"

namespace korvane {

void ReportRefusal(const std::string& message, QWidget* form) {
    AfxMessageBox(QString::fromStdString(message), form);
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
