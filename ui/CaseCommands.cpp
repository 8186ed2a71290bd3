#include "CaseCommands.h"

#include "CalculatorForm.h"
#include "CaseFile.h"
#include "CaseOpening.h"
#include "CommandStrip.h"
#include "DesignLimitsDialog.h"
#include "MessageBox.h"
#include "RecentCases.h"
#include "ReportDetails.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTextDocumentFragment>
#include <algorithm>

namespace korvane {

CaseCommands::CaseCommands(CalculatorForm* form) : QObject(form), m_form(form) {
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
    QAction* limits = strip->AddCommand("验算限值…");
    strip->AddGap();
    QAction* exportReport = strip->AddCommand("导出计算书…", QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction* print = strip->AddCommand("打印…", QKeySequence::Print);
    strip->AddGap();
    m_fileLabel = strip->AddLabel();
    m_noteLabel = strip->AddLine();
    connect(open, &QAction::triggered, this, [this] { Open(); });
    connect(save, &QAction::triggered, this, [this] { Save(); });
    connect(saveAs, &QAction::triggered, this, [this] { SaveAs(); });
    connect(limits, &QAction::triggered, this, [this] { EditLimits(); });
    connect(exportReport, &QAction::triggered, this, [this] { ExportReport(); });
    connect(print, &QAction::triggered, this, [this] { Print(); });
    auto* reportMenu = new QMenu(strip);
    connect(reportMenu->addAction("打印预览…"), &QAction::triggered, this,
            [this] { PrintPreview(); });
    connect(reportMenu->addAction("工程名称与签署人…"), &QAction::triggered, this,
            [this] { AskReportDetails(m_form); });
    strip->AddMenuTo(exportReport, reportMenu);
    ShowCaseFile({});
}

void CaseCommands::ShowCaseFile(const QString& path) {
    const QString name = path.isEmpty() ? QString("未保存") : QFileInfo(path).fileName();
    m_fileLabel->setText("算例：" + name);
    m_fileLabel->setToolTip(path);
}

void CaseCommands::ShowNote(const QString& html) {
    const int needed = NoteHeight(html);
    m_noteLabel->setText(html);
    // A note is never cut: it grows the room, which stays until the limits change, so
    // that the window does not shrink and grow again with every edit and calculation.
    if (needed > m_noteRoom)
        SetNoteRoom(needed);
}

QString CaseCommands::Note() const {
    return QTextDocumentFragment::fromHtml(m_noteLabel->text()).toPlainText();
}

void CaseCommands::MakeRoomForNote(const QString& html) {
    SetNoteRoom(NoteHeight(html));
}

// The height of the note label showing `html` across the window, at least one line.
int CaseCommands::NoteHeight(const QString& html) const {
    const QString shown = m_noteLabel->text();
    const int width = m_form->TemplateArea().width();
    m_noteLabel->setText("　");
    const int oneLine = m_noteLabel->heightForWidth(width);
    m_noteLabel->setText(html);
    const int height = m_noteLabel->heightForWidth(width);
    m_noteLabel->setText(shown);
    return std::max(height, oneLine);
}

void CaseCommands::SetNoteRoom(int height) {
    if (height == m_noteRoom)
        return;
    m_noteRoom = height;
    m_noteLabel->setFixedHeight(height);
    if (m_strip->parentWidget() == m_form) // below the template already
        m_form->AddStripBelowTemplate(m_strip);
}

QAction* CaseCommands::AddFormCommand(const QString& text) {
    return static_cast<CommandStrip*>(m_strip)->AddCommand(text);
}

bool CaseCommands::EditLimits() {
    DesignLimitsDialog dialog(m_form->CalculatorName(), m_form->Limits(), m_form);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_form->SetLimits(dialog.Limits());
    return true;
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
        // Offered where the launcher would open it: in a form of its own calculator.
        const QString question =
            QString("“%1”是“%2”的算例。要在它自己的窗口中打开吗？")
                .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()),
                     QString::fromStdString(CalculatorTitle(other.toStdString())));
        return AfxQuestionBox(question, m_form) && OpenCaseInNewForm(path, m_form);
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
    m_form->MarkCaseKept();
    RememberCase(path, m_form->CalculatorName());
    RememberCaseFolder(path);
    return true;
}

} // namespace korvane
