#include "ReportDetails.h"

#include "ReportContent.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace korvane {

ReportDetails RememberedReportDetails() {
    const QSettings settings;
    return {
        settings.value("report/project").toString(), settings.value("report/engineer").toString(),
        settings.value("report/checker").toString(), settings.value("report/reviewer").toString()};
}

void RememberReportDetails(const ReportDetails& details) {
    QSettings settings;
    settings.setValue("report/project", details.project);
    settings.setValue("report/engineer", details.engineer);
    settings.setValue("report/checker", details.checker);
    settings.setValue("report/reviewer", details.reviewer);
    settings.setValue("report/asked", true);
}

bool AskReportDetails(QWidget* parent) {
    const ReportDetails remembered = RememberedReportDetails();
    QDialog dialog(parent);
    dialog.setWindowTitle("计算书信息");
    auto* layout = new QVBoxLayout(&dialog);
    auto* note = new QLabel("计算书的页眉写明工程名称，签署栏（计算、校核、审核）写明签署人。"
                            "以后的计算书沿用这里的填写，可随时在“导出计算书”旁的菜单中修改。");
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    auto* project = new QLineEdit(remembered.project);
    auto* engineer = new QLineEdit(remembered.engineer);
    auto* checker = new QLineEdit(remembered.checker);
    auto* reviewer = new QLineEdit(remembered.reviewer);
    // A report prints names of up to this length.
    for (QLineEdit* name : {project, engineer, checker, reviewer})
        name->setMaxLength(kLongestReportName);
    project->setMinimumWidth(280);
    for (QLineEdit* optional : {checker, reviewer})
        optional->setPlaceholderText("可不填");
    form->addRow("工程名称：", project);
    form->addRow("计算人：", engineer);
    form->addRow("校核人：", checker);
    form->addRow("审核人：", reviewer);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText("确定");
    buttons->button(QDialogButtonBox::Cancel)->setText("取消");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    RememberReportDetails({project->text().trimmed(), engineer->text().trimmed(),
                           checker->text().trimmed(), reviewer->text().trimmed()});
    return true;
}

bool EnsureReportDetails(QWidget* parent) {
    if (QSettings().value("report/asked").toBool())
        return true;
    return AskReportDetails(parent);
}

} // namespace korvane
