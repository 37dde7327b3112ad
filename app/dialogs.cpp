#include "dialogs.h"

#include <QAbstractButton>
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

int Dialogs::choose(QWidget* parent, const QString& text, const QStringList& answers) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kelvoa"), text, QMessageBox::NoButton,
                    parent);
    QList<QAbstractButton*> buttons;
    for (const QString& a : answers)
        buttons << box.addButton(a, QMessageBox::ActionRole);
    if (!buttons.isEmpty()) box.setEscapeButton(buttons.last());
    box.exec();
    const qsizetype i = buttons.indexOf(box.clickedButton());
    return int(i < 0 ? answers.size() - 1 : i);
}

void MessageBoxDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kelvoa"), text, QMessageBox::Ok, parent);
    box.exec();
}
