#include "dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

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

bool Dialogs::ask(QWidget*, const QString&, const QString&, const QString&) {
    return false;
}

bool MessageBoxDialogs::ask(QWidget* parent, const QString& text, const QString& yes,
                            const QString& no) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kelvoa"), text, QMessageBox::NoButton,
                    parent);
    QPushButton* accept = box.addButton(yes, QMessageBox::AcceptRole);
    box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(accept);
    box.exec();
    return box.clickedButton() == accept;
}
