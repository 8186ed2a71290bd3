#include "MessageBox.h"

#include "StandardIds.h"

#include <QApplication>
#include <QMessageBox>

namespace korvane {

int AfxMessageBox(const QString& text, QWidget* owner) {
    if (!owner)
        owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok,
                    owner);
    box.exec();
    return IDOK;
}

} // namespace korvane
