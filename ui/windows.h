#pragma once
// The auxiliary windows. Each is created hidden at start-up and shown on
// demand.
#include <QWidget>

#include <array>
#include <functional>

#include "tabout.h"
#include "tdownload.h"
#include "thelp.h"
#include "tspylist.h"

class QLineEdit;
class QPushButton;

// The phrase editor: nine fields for the phrase buttons. Only "Done" keeps
// the edits; closing the window any other way drops them.
class Tphrases : public QWidget {
    Q_OBJECT
public:
    static constexpr int Count = 9;
    static constexpr int MaxLength = 50;
    using Texts = std::array<QString, Count>;

    explicit Tphrases(QWidget* parent = nullptr);
    // Fills the fields from the buttons' phrases before showing.
    void setPhrases(const Texts& phrases);
    Texts texts() const;

    QLineEdit* phrase[Count]; // phrase1 .. phrase9
    QPushButton* button_done;
    // Told the nine texts when "Done" is pressed, before the window closes.
    std::function<void(const Texts&)> onDone;
};
