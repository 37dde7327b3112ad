#include "dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {
constexpr const char* RecordFilter =
    QT_TRANSLATE_NOOP("Dialogs", "Game records (*.txt);;All files (*)");
} // namespace

QString Dialogs::saveFileName(QWidget* parent, const QString& caption, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, caption, suggested,
                                        QCoreApplication::translate("Dialogs", RecordFilter));
}

QString Dialogs::openFileName(QWidget* parent, const QString& caption) {
    return QFileDialog::getOpenFileName(parent, caption, QString(),
                                        QCoreApplication::translate("Dialogs", RecordFilter));
}

void MessageBoxDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kelvoa"), text, QMessageBox::Ok, parent);
    box.exec();
}
