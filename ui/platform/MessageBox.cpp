#include "MessageBox.h"

#include "StandardIds.h"

#include <QApplication>
#include <QMessageBox>

int AfxMessageBox(const QString& text, QWidget* owner) {
    if (!owner)
        owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok,
                    owner);
    box.exec();
    return IDOK;
}
