#pragma once
// Modal message boxes go through this seam so tests can record them instead
// of blocking on them.
#include <QString>
#include <QStringList>

class QWidget;

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows a modal box with an OK button and returns when it is closed.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A file to write or read, chosen by the user; empty when cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested);
    virtual QString openFileName(QWidget* parent, const QString& caption);
    // A modal question with one button per answer; the index of the one
    // pressed (the last when the box is closed otherwise).
    virtual int choose(QWidget* parent, const QString& text, const QStringList& answers);
};

class MessageBoxDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
};
