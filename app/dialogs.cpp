#include "dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
const QString RecordFilter = QStringLiteral("Game records (*.txt);;All files (*)");
} // namespace

QString Dialogs::saveFileName(QWidget* parent, const QString& caption, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, RecordFilter);
}

QString Dialogs::openFileName(QWidget* parent, const QString& caption) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), RecordFilter);
}

void MessageBoxDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kelvoa"), text, QMessageBox::Ok, parent);
    box.exec();
}
