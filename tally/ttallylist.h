#pragma once
// The tally window: counts of finished games, overall and per chosen
// opponent, for all time and for this run. Created hidden at start (the
// file is read then) and destroyed at exit (the file is written then).
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>

#include "tally_chart.h"
#include "tally_grid.h"

class Ttallylist : public QWidget {
    Q_OBJECT
public:
    // 'path' empty: the tally file's usual place.
    explicit Ttallylist(QWidget* parent = nullptr, const QString& path = QString());
    ~Ttallylist() override;

    // Counts one finished game: "addtomine" for an own win, else the winner's
    // name as his seat shows it.
    void addgame(const QString& winner);
    // The main window's refill of "Players In Current Game".
    std::function<void()> loadchecklist;
    // Asks a yes/no question; tests answer it.
    std::function<bool(const QString&)> confirm;
    // Shows an error (a damaged tally file); tests record it.
    std::function<void(const QString&)> report;

    // Fills "Players In Current Game": names, each ticked when tallied.
    void setCurrentPlayers(const QStringList& names);

    Tally tally;
    QString path;

    QListWidget* listbox_tally;
    QListWidget* checklist;
    std::array<QLabel*, 5> mylabel{}; // 1..4
    std::array<QLabel*, 9> label{};   // 1..8
    QLabel* label_hisname;
    QLabel* label_hisnametop;
    QPushButton* FlatButton1; // DONE
    QPushButton* FlatButton2; // Reset Tally
    TallyChart* chart;        // won and lost against each opponent

    void loadtally();
    void checklistClickCheck(QListWidgetItem* item);
    void listbox_tallyClickCheck(QListWidgetItem* item);
    void listbox_tallyClick();
    void FlatButton2Click();
    // Reads the file now (normally done once at creation); returns the error text.
    QString FormCreate();

private:
    void build();
    void showSummary();
    bool updating_ = false;
};
