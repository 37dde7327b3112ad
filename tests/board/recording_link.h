#pragma once
// A ClientLink that records every request instead of reaching a window.
#include "client_link.h"

#include <QList>
#include <QStringList>

struct RecordingLink : board::ClientLink {
    int seat = 1;
    bool connected = true;
    bool host = false;
    QString name = QStringLiteral("Ann");
    bool watching = false;
    int turnSound = 0;

    QList<QByteArray> sent;
    QStringList cues, chat, games, boxes;

    int myseat() const override { return seat; }
    bool loggedin() const override { return connected; }
    bool ishost() const override { return host; }
    QString playername() const override { return name; }
    bool justwatching() const override { return watching; }
    void setJustWatching(bool checked) override { watching = checked; }
    int turnsound() const override { return turnSound; }
    void send(const QByteArray& text) override { sent << text; }
    void playsounds(const QString& cue) override { cues << cue; }
    void addlinetochat(const QString& line) override { chat << line; }
    void addgame(const QString& winner) override { games << winner; }
    void messagebox(const QString& text) override { boxes << text; }

    void forget() {
        sent.clear();
        cues.clear();
        chat.clear();
        games.clear();
        boxes.clear();
    }
};
