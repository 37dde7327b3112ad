#pragma once
// The help window: topic buttons on the left, one text in front on the right.
#include <QLabel>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QWidget>

#include <map>

#include "tselbutton.h"

class Thelp : public QWidget {
    Q_OBJECT
public:
    explicit Thelp(QWidget* parent = nullptr);

    QLabel* label_caption;
    QStackedWidget* stack;
    std::map<int, QTextBrowser*> memo; // by the topic buttons' tags: 1, 2, 3, 4, 5, 11
    std::map<int, TSelButton*> SelButton;
    TSelButton* button_about;
    TSelButton* button_done;

    // Set by start-up: shows the about window.
    std::function<void()> showAbout;

    void SelButton1Click(TSelButton* sender);
    int shownTopic() const;
};
