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

namespace {

QString CaseFilter() {
    return QString("Korvane 算例 (*.%1);;所有文件 (*)").arg(kCaseSuffix);
}

QString ProgramText() {
    return QApplication::applicationName() + " " + QApplication::applicationVersion();
}

} // namespace

CaseCommands::CaseCommands(CalculatorForm* form, bool noteLine) : QObject(form), m_form(form) {
    auto* strip = new CommandStrip(form);
    m_strip = strip;
    QAction* open = strip->AddCommand("打开算例…", QKeySequence::Open);
    QAction* save = strip->AddCommand("保存算例", QKeySequence::Save);
    QAction* saveAs = strip->AddCommand("另存为…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_recentMenu = new QMenu(strip);
    connect(m_recentMenu, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
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
            : QFileDialog::getOpenFileName(m_form, "打开算例", CaseFolder(), CaseFilter());
    if (path.isEmpty())
        return false;
    const QString calculator = m_form->CalculatorName();
    const bool lastClosed = path == LastClosedCasePath(calculator);
    const CaseReading reading = LoadCaseFile(path, !lastClosed);
    if (!reading.data) {
        AfxMessageBox("无法打开算例。\n" + reading.problem, m_form);
        return false;
    }
    const QString other = QString::fromStdString(reading.data->calculator);
    if (other != calculator) {
        AfxMessageBox(QString("无法打开算例。\n“%1”是“%2”的算例，不能在“%3”中打开；"
                              "请从启动窗口打开它。")
                          .arg(QFileInfo(path).fileName(),
                               QString::fromStdString(CalculatorTitle(other.toStdString())),
                               m_form->Title()),
                      m_form);
        return false;
    }
    m_form->ShowCase(*reading.data);
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
        path = QFileDialog::getSaveFileName(m_form, "保存算例", suggested, CaseFilter());
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
    const CaseReading check = ReadCaseJson(CaseJson(data));
    if (!check.data) {
        AfxMessageBox("算例未保存：" + check.problem, m_form);
        return false;
    }
    QString error;
    if (!SaveCaseFile(path, data, ProgramText(), &error)) {
        AfxMessageBox(error, m_form);
        return false;
    }
    m_form->SetCaseFilePath(path);
    RememberCase(path, m_form->CalculatorName());
    RememberCaseFolder(path);
    return true;
}

void CaseCommands::FillRecentMenu() {
    m_recentMenu->clear();
    const QString calculator = m_form->CalculatorName();
    const QString lastClosed = LastClosedCasePath(calculator);
    QAction* last = m_recentMenu->addAction("上次关闭时的输入");
    last->setEnabled(QFileInfo::exists(lastClosed));
    connect(last, &QAction::triggered, this, [this, lastClosed] { Open(lastClosed); });
    m_recentMenu->addSeparator();
    int number = 0;
    for (const RecentCase& recent : RecentCases()) {
        if (recent.calculator != calculator)
            continue;
        const QFileInfo file(recent.path);
        QAction* action = m_recentMenu->addAction(
            QString("&%1 %2  —  %3").arg(++number).arg(file.fileName(), file.absolutePath()));
        action->setEnabled(file.exists());
        const QString path = recent.path;
        connect(action, &QAction::triggered, this, [this, path] { Open(path); });
    }
    if (number == 0)
        m_recentMenu->addAction("（没有最近的算例）")->setEnabled(false);
    m_recentMenu->addSeparator();
    connect(m_recentMenu->addAction("清除列表"), &QAction::triggered, this,
            [] { ClearRecentCases(); });
}

} // namespace korvane
