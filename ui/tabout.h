#pragma once
// The about window: the logo, the maker's link, the credits and the version.
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "turl.h"

class Tabout : public QWidget {
    Q_OBJECT
public:
    // The maker's web page, opened by the link here and by the main window's logo.
    static constexpr char MakerAddress[] = "www.korvan.example";

    explicit Tabout(QWidget* parent = nullptr);

    QLabel* Image1; // the logo
    QLabel* Label7; // the link
    QLabel* version;
    QPushButton* Button1;
    TURL URL1;

    void Label7Click();
    void Image1Click() { hide(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The game's logo, 245 x 76, drawn once.
QPixmap kelvoaLogo();
