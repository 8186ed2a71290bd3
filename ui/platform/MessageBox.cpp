#include "MessageBox.h"

#include "StandardIds.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

namespace korvane {

namespace {

// What a window manager's title bar takes besides the title: the window's icon and
// its buttons, with their margins.
constexpr int kTitleBarAllowance = 160;

} // namespace

int MessageBoxMinimumWidth(const QString& title, const QFont& font) {
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarAllowance;
}

namespace {

// A short message makes a box narrower than its title bar needs, and the window
// manager cuts the title ("Kor…ne"). QMessageBox sizes itself from its layout, so the
// width is held by a spacer across the layout's columns.
void FitTitle(QMessageBox& box) {
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(MessageBoxMinimumWidth(box.windowTitle(), box.font()), 0,
                                      QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

int AfxMessageBox(const QString& text, QWidget* owner) {
    if (!owner)
        owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok,
                    owner);
    FitTitle(box);
    box.exec();
    return IDOK;
}

bool AfxQuestionBox(const QString& text, QWidget* owner) {
    if (!owner)
        owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::Yes);
    FitTitle(box);
    return box.exec() == QMessageBox::Yes;
}

} // namespace korvane
