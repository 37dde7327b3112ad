#pragma once
// The main window as the turn flow sees it.
#include "client_link.h"
#include "tchat.h"

class TchatLink : public board::ClientLink {
public:
    explicit TchatLink(Tchat& chat) : chat_(chat) {}
    int myseat() const override { return chat_.myseat; }
    bool loggedin() const override { return chat_.loggedin; }
    bool ishost() const override { return chat_.ishost; }
    QString playername() const override { return chat_.playername; }
    bool justwatching() const override { return chat_.JustWatch1->isChecked(); }
    void setJustWatching(bool checked) override { chat_.JustWatch1->setChecked(checked); }
    int turnsound() const override { return chat_.turnsound; }
    void send(const QByteArray& text) override { chat_.send(text); }
    void playsounds(const QString& cue) override { chat_.playsounds(cue); }
    void addlinetochat(const QString& line) override {
        chat_.addlinetochat(line, chat_.systemcolor);
    }
    void addgame(const QString& winner) override { chat_.addgame(winner); }
    void messagebox(const QString& text) override { chat_.messagebox(text); }
    bool allowMove(int seat, int chip, int points) override {
        return chat_.tutorAllows(seat, chip, points);
    }

private:
    Tchat& chat_;
};
