#pragma once
// The auxiliary windows. Each is created hidden at start-up and shown on
// demand; their contents grow with the features that use them.
#include <QListWidget>
#include <QMenu>
#include <QWidget>

// Spectator list: who watches without a seat.
class Tspylist : public QWidget {
    Q_OBJECT
public:
    explicit Tspylist(QWidget* parent = nullptr);
    QListWidget* listbox_spys;
    QMenu* popup_kick;
    QAction* popup_kickhim;
};

class Ttallylist : public QWidget {
    Q_OBJECT
public:
    explicit Ttallylist(QWidget* parent = nullptr);
};

class Tabout : public QWidget {
    Q_OBJECT
public:
    explicit Tabout(QWidget* parent = nullptr);
};

class Thelp : public QWidget {
    Q_OBJECT
public:
    explicit Thelp(QWidget* parent = nullptr);
};

class Tphrases : public QWidget {
    Q_OBJECT
public:
    explicit Tphrases(QWidget* parent = nullptr);
};

class Tdownload : public QWidget {
    Q_OBJECT
public:
    explicit Tdownload(QWidget* parent = nullptr);
};
