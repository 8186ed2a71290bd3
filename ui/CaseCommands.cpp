#include "CaseCommands.h"

#include "CalculatorForm.h"
#include "CaseFile.h"
#include "CommandStrip.h"
#include "MessageBox.h"
#include "RecentCases.h"
#include "ReportDetails.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

namespace korvane {

CaseCommands::CaseCommands(CalculatorForm* form, bool noteLine) : QObject(form), m_form(form) {
    auto* strip = new CommandStrip(form);
    m_strip = strip;
    QAction* open = strip->AddCommand("打开算例…", QKeySequence::Open);
    QAction* save = strip->AddCommand("保存算例", QKeySequence::Save);
    QAction* saveAs = strip->AddCommand("另存为…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_recentMenu = new QMenu(strip);
    connect(m_recentMenu, &QMenu::aboutToShow, this, [this] {
        FillRecentCasesMenu(m_recentMenu, m_form->CalculatorName(),
                            [this](const QString& path) { Open(path); });
    });
    strip->AddMenuButton("最近算例", "最近打开或保存的算例，以及上次关闭时的输入", m_recentMenu);
    strip->AddGap();
    QAction* exportReport = strip->AddCommand("导出计算书…", QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction* print = strip->AddCommand("打印…", QKeySequence::Print);
    strip->AddGap();
    m_fileLabel = strip->AddLabel();
    if (noteLine)
        m_noteLabel = strip->AddLine();
    connect(open, &QAction::triggered, this, [this] { Open(); });
    connect(save, &QAction::triggered, this, [this] { Save(); });
    connect(saveAs, &QAction::triggered, this, [this] { SaveAs(); });
    connect(exportReport, &QAction::triggered, this, [this] { ExportReport(); });
    connect(print, &QAction::triggered, this, [this] { Print(); });
    auto* reportMenu = new QMenu(strip);
    connect(reportMenu->addAction("打印预览…"), &QAction::triggered, this,
            [this] { PrintPreview(); });
    connect(reportMenu->addAction("工程名称与计算人…"), &QAction::triggered, this,
            [this] { AskReportDetails(m_form); });
    strip->AddMenuTo(exportReport, reportMenu);
    ShowCaseFile({});
}

void CaseCommands::ShowCaseFile(const QString& path) {
    const QString name = path.isEmpty() ? QString("未保存") : QFileInfo(path).fileName();
    m_fileLabel->setText("算例：" + name);
    m_fileLabel->setToolTip(path);
}

void CaseCommands::ShowNote(const QString& note) {
    if (m_noteLabel)
        m_noteLabel->setText(note);
}

QString CaseCommands::Note() const {
    return m_noteLabel ? m_noteLabel->text() : QString();
}

bool CaseCommands::Open(const QString& chosen) {
    const QString path =
        !chosen.isEmpty()
            ? chosen
            : QFileDialog::getOpenFileName(m_form, "打开算例", CaseFolder(), CaseFileFilter());
    if (path.isEmpty())
        return false;
    const QString calculator = m_form->CalculatorName();
    const bool lastClosed = IsLastClosedCase(path);
    CaseData data;
    if (const Problem problem = LoadCaseFile(path, data, !lastClosed)) {
        AfxMessageBox("无法打开算例。\n" + QString::fromStdString(problem.Message()), m_form);
        return false;
    }
    const QString other = QString::fromStdString(data.calculator);
    if (other != calculator) {
        AfxMessageBox(QString("无法打开算例。\n“%1”是“%2”的算例，不能在“%3”中打开；"
                              "请从启动窗口打开它。")
                          .arg(QFileInfo(path).fileName(),
                               QString::fromStdString(CalculatorTitle(other.toStdString())),
                               m_form->Title()),
                      m_form);
        return false;
    }
    m_form->ShowCase(data);
    // The last closed inputs are no file of the user's: saving asks for a name.
    m_form->SetCaseFilePath(lastClosed ? QString() : path);
    if (!lastClosed) {
        RememberCase(path, calculator);
        RememberCaseFolder(path);
    }
    return true;
}

bool CaseCommands::Save() {
    if (m_form->CaseFilePath().isEmpty())
        return SaveAs();
    return SaveTo(m_form->CaseFilePath());
}

bool CaseCommands::SaveAs(const QString& chosen) {
    QString path = chosen;
    if (path.isEmpty()) {
        const QString suggested =
            m_form->CaseFilePath().isEmpty()
                ? QFileInfo(CaseFolder(), m_form->CalculatorName() + "." + kCaseSuffix).filePath()
                : m_form->CaseFilePath();
        path = QFileDialog::getSaveFileName(m_form, "保存算例", suggested, CaseFileFilter());
        if (path.isEmpty())
            return false;
        if (QFileInfo(path).suffix().isEmpty())
            path += QString(".") + kCaseSuffix;
    }
    return SaveTo(path);
}

bool CaseCommands::SaveTo(const QString& path) {
    const CaseData data = m_form->ShownCase();
    // A case is kept only as the form would read it back.
    CaseData check;
    if (const Problem problem = ReadCaseJson(CaseJson(data), check)) {
        AfxMessageBox("算例未保存：" + QString::fromStdString(problem.Message()), m_form);
        return false;
    }
    if (const Problem problem = SaveCaseFile(path, data, CaseWriterName())) {
        AfxMessageBox(QString::fromStdString(problem.Message()), m_form);
        return false;
    }
    m_form->SetCaseFilePath(path);
    RememberCase(path, m_form->CalculatorName());
    RememberCaseFolder(path);
    return true;
}

} // namespace korvane
