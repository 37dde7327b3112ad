#pragma once
// The spy list: who watches without a seat. The hosting user removes a
// watcher from its context menu.
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

#include <functional>

class Tspylist : public QWidget {
    Q_OBJECT
public:
    explicit Tspylist(QWidget* parent = nullptr);

    QLabel* heading;
    QListWidget* listbox_spys;
    QMenu* popup_kick;
    QAction* popup_kickhim; // "Remove From Game"
    QPushButton* button_ok;

    // The main window's kick request for a seat number.
    std::function<void(int)> kicking;

    // The entry under the pointer, or -1 (kept as the list's tag).
    int tag() const { return tag_; }
    void listbox_spysMouseMove(const QPoint& at);
    void popup_kickhimClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int tag_ = -1;
};
