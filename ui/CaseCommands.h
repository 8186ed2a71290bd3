#pragma once

#include "CaseData.h"

#include <QObject>
#include <QString>

class QLabel;
class QMenu;
class QToolButton;
class QWidget;

namespace korvane {

class CalculatorForm;

// The commands of a calculator form, in a strip below its template: open, save and
// save as a case, the recent cases, export the calculation report and print it.
// Each has its usual shortcut and says so in its tooltip.
class CaseCommands : public QObject {
public:
    // `noteLine`: a line under the buttons for a note on the results (ShowNote).
    CaseCommands(CalculatorForm* form, bool noteLine);

    QWidget* Strip() const { return m_strip; }
    void ShowCaseFile(const QString& path);
    void ShowNote(const QString& note);
    QString Note() const;

    // The commands themselves, for the buttons, the shortcuts and the tests. Each
    // tells the user what went wrong; the file dialogs are skipped when a path is given.
    bool Open(const QString& path = {});
    bool Save();
    bool SaveAs(const QString& path = {});
    bool ExportReport(const QString& path = {});
    void Print();
    void PrintPreview();

private:
    bool SaveTo(const QString& path);

    CalculatorForm* m_form;
    QWidget* m_strip;
    QLabel* m_fileLabel;
    QLabel* m_noteLabel = nullptr;
    QMenu* m_recentMenu;
};

} // namespace korvane
