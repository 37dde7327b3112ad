#pragma once
// File > "Host a Game…" and File > "Join a Game…": ask for what the lobby
// would have put on the command line. They never block: each is a window-
// modal dialog that reports the player's choice as a signal, and shows its
// problems in its own status line instead of a message box.
#include <QCheckBox>
#include <QDialog>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "catalogue.h"
#include "game_finder.h"
#include "join_probe.h"
#include "port_mapping.h"

// Why 'name' cannot be a player's name (empty when it can). A name crosses
// the wire as Windows-1252 and is read back from the command line, so it
// must survive both.
QString nameProblem(const QString& name);
// Why 'address' cannot be a host's address (empty when it can): a host name
// or an IP address.
QString addressProblem(const QString& address);

class HostGameDialog : public QDialog {
    Q_OBJECT
public:
    // The host relays no longer name, so the dialogs take none.
    static constexpr int MaxNameLength = int(wire::MaxNameBytes);

    // 'addresses': where others can reach this computer (loopback left out).
    HostGameDialog(const QString& name, const QList<QHostAddress>& addresses,
                   QWidget* parent = nullptr);

    QLineEdit* nameEdit;
    QListWidget* addressList;
    QPushButton* copyButton;
    QPushButton* hostButton;
    QPushButton* cancelButton;
    QLabel* internetLabel; // through the router: where, or why not
    QLabel* ipv6Label;     // this computer's own internet addresses over IPv6
    QLabel* statusLabel;
    // "Only players with the invite": the next hosting is private.
    QCheckBox* privateBox;
    QPushButton* copyInviteButton;
    // "List this game in the public lobby" ("Lobbylist").
    QCheckBox* listBox;

    // This copy hosts already, with 'inviteCode' (empty: a public game).
    bool hostingHere = false;
    QString inviteCode;
    quint16 gamePort = 7772;

    void hostClick();
    void copyClick();
    void copyInviteClick();
    void showProblem(const QString& text);
    // What the router said, kept current while this copy hosts.
    void setReachability(const Reachability& r);
    void setIPv6Addresses(const QList<QHostAddress>& addresses);
    // This copy hosts already: the dialog tells where it is reached, and
    // hosting again (under another name) is the lesser choice.
    void setHosting();
    // The best address for an invite: the router's internet address when it
    // forwards the port, else the first global IPv6 address (bare), else the
    // first address on this network; empty when there is none.
    QString bestAddress() const;

signals:
    void hostRequested(const QString& name);

private:
    void fitText();
    QList<QHostAddress> lan_;
    QList<QHostAddress> ipv6_;
    Reachability reach_;
};

class JoinGameDialog : public QDialog {
    Q_OBJECT
public:
    enum Column { ColName, ColAddress, ColPlayers, ColSpys, ColGame, ColumnCount };

    JoinGameDialog(const QString& name, const QString& address, QWidget* parent = nullptr);

    QLineEdit* nameEdit;
    QLineEdit* addressEdit;
    QTableWidget* gameList;
    QLabel* listStatus;
    QPushButton* refreshButton;
    QPushButton* joinButton;
    QPushButton* cancelButton;
    QPushButton* lobbyButton; // "Public Lobby…"
    QLabel* statusLabel;
    QLabel* inviteLabel;

    // The private game's code an invite link brought (empty: none).
    QString inviteCode;

    GameFinder finder;
    JoinProbe probe;
    // The game port asked before joining (tests use ephemeral ports).
    quint16 gamePort = 7772;
    // This copy hosts: its own game is not offered for joining.
    bool hostingHere = false;

    // Fills the address and code from an invite link, or says in the status
    // line what is wrong with it (and leaves the address empty).
    void fillFromLink(const QString& link);
    void refresh();
    void joinClick();
    void showProblem(const QString& text);

signals:
    void joinRequested(const QString& name, const QString& address);
    void lobbyRequested();

protected:
    void reject() override;

private:
    void showGames();
    void gameChosen();
    void probeFinished(JoinProbe::Result r);
    void setBusy(bool busy);
    QList<FoundGame> shown_;
    QString probing_;
};
