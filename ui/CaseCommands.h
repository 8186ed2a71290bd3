#pragma once

#include "CaseData.h"

#include <QObject>
#include <QString>

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class QWidget;

namespace korvane {

class CalculatorForm;

// The commands of a calculator form, in a strip below its template: open, save and
// save as a case, the recent cases, the limits the results are checked against, export
// the calculation report and print it. Each file and report command has its usual
// shortcut and says so in its tooltip. Under the buttons, a note on the results.
class CaseCommands : public QObject {
public:
    explicit CaseCommands(CalculatorForm* form);

    QWidget* Strip() const { return m_strip; }
    void ShowCaseFile(const QString& path);
    // The note on the results, in rich text. A note taller than the room kept for it
    // makes the room, and the window, grow.
    void ShowNote(const QString& html);
    // What the note says, as plain text.
    QString Note() const;
    // Keeps room for a note as tall as `html` (at least one line), growing or shrinking
    // the window to fit.
    void MakeRoomForNote(const QString& html);

    // The commands themselves, for the buttons, the shortcuts and the tests. Each
    // tells the user what went wrong; the file dialogs are skipped when a path is given.
    // A case of another calculator is offered in a new form of its own (run modally);
    // Open is true when the case was opened, here or there.
    bool Open(const QString& path = {});
    bool Save();
    bool SaveAs(const QString& path = {});
    bool ExportReport(const QString& path = {});
    void Print();
    void PrintPreview();
    // Asks for the form's limits (验算限值); false when the user cancels.
    bool EditLimits();

    // A command of the form's own, after the report commands.
    QAction* AddFormCommand(const QString& text);

private:
    bool SaveTo(const QString& path);
    int NoteHeight(const QString& html) const;
    void SetNoteRoom(int height);

    CalculatorForm* m_form;
    QWidget* m_strip;
    QLabel* m_fileLabel;
    QLabel* m_noteLabel;
    int m_noteRoom = 0; // the note label's height
    QMenu* m_recentMenu;
};

} // namespace korvane
