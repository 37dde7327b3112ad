#pragma once
// What the client's turn flow needs from the main window: the connection
// values, the wire, the sound cues, the transcript, the tally and the few
// menu states it reads. The main window implements it; tests record it.
#include <QByteArray>
#include <QString>

namespace board {

class ClientLink {
public:
    virtual ~ClientLink() = default;

    virtual int myseat() const = 0; // own connection number, 0 before login
    virtual bool loggedin() const = 0;
    virtual bool ishost() const = 0;
    virtual QString playername() const = 0;

    // The "Just Watch" menu check mark.
    virtual bool justwatching() const = 0;
    virtual void setJustWatching(bool checked) = 0;
    // The "Turn Sound" choice: 0 classic, 1 new.
    virtual int turnsound() const = 0;

    // One message text built by the wire builders, without its terminator.
    virtual void send(const QByteArray& text) = 0;
    // A game cue by name ("dice", "turn", "invalid", ...).
    virtual void playsounds(const QString& cue) = 0;
    // A transcript line "0+..." in the system colour.
    virtual void addlinetochat(const QString& line) = 0;
    // Counts a finished game: "addtomine" for an own win, else the winner's name.
    virtual void addgame(const QString& winner) = 0;
    // A modal message box with one OK button.
    virtual void messagebox(const QString& text) = 0;
    // Asked before a chosen move is sent: false keeps it back (the tutor's
    // question on a poor move). The move goes when nothing is asked.
    virtual bool allowMove(int seat, int chip, int points) {
        (void)seat, (void)chip, (void)points;
        return true;
    }
};

} // namespace board
