#include "dialogs.h"

#include <QMessageBox>

void MessageBoxDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kelvoa"), text, QMessageBox::Ok, parent);
    box.exec();
}
