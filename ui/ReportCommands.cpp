// The report commands of a calculator form: export the calculation report as PDF or
// HTML, print it, preview it.
#include "CaseCommands.h"

#include "CalculatorForm.h"
#include "MessageBox.h"
#include "RecentCases.h"
#include "Report.h"
#include "ReportDetails.h"

#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace korvane {

namespace {

ReportMeta FormReportMeta(const CalculatorForm& form) {
    const ReportDetails details = RememberedReportDetails();
    ReportMeta meta;
    meta.program = QApplication::applicationName();
    meta.version = QApplication::applicationVersion();
    meta.project = details.project;
    meta.engineer = details.engineer;
    meta.checker = details.checker;
    meta.reviewer = details.reviewer;
    meta.date = QDate::currentDate().toString("yyyy-MM-dd");
    if (!form.CaseFilePath().isEmpty())
        meta.caseFile = QFileInfo(form.CaseFilePath()).fileName();
    return meta;
}

void SetUpPrinter(QPrinter& printer, const CalculatorForm& form) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(form.Title());
}

} // namespace

bool CaseCommands::ExportReport(const QString& chosen) {
    QString path = chosen;
    if (path.isEmpty()) {
        if (!EnsureReportDetails(m_form))
            return false;
        const QString base = m_form->CaseFilePath().isEmpty()
                                 ? QFileInfo(CaseFolder(), m_form->CalculatorName()).filePath()
                                 : QFileInfo(m_form->CaseFilePath()).path() + "/" +
                                       QFileInfo(m_form->CaseFilePath()).completeBaseName();
        QString filter;
        path = QFileDialog::getSaveFileName(m_form, "导出计算书", base + "-计算书.pdf",
                                            "PDF 文件 (*.pdf);;HTML 网页 (*.html)", &filter);
        if (path.isEmpty())
            return false;
        if (QFileInfo(path).suffix().isEmpty())
            path += filter.startsWith("HTML") ? ".html" : ".pdf";
    }
    if (const Problem problem = WriteReport(m_form->ShownCase(), FormReportMeta(*m_form), path)) {
        AfxMessageBox(QString::fromStdString(problem.Message()), m_form);
        return false;
    }
    return true;
}

void CaseCommands::Print() {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, *m_form);
    QPrintDialog dialog(&printer, m_form);
    dialog.setWindowTitle("打印计算书");
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (PaintReport(BuildReport(m_form->ShownCase(), FormReportMeta(*m_form)), &printer) == 0)
        AfxMessageBox("无法打印计算书：打印机未能开始打印。", m_form);
}

void CaseCommands::PrintPreview() {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, *m_form);
    const ReportContent report = BuildReport(m_form->ShownCase(), FormReportMeta(*m_form));
    QPrintPreviewDialog preview(&printer, m_form);
    preview.setWindowTitle("计算书预览");
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&report](QPrinter* target) { PaintReport(report, target); });
    preview.resize(900, 1000);
    preview.exec();
}

} // namespace korvane
