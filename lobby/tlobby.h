#pragma once
// The lobby window (File > "Public Lobby…"): signing in, the people in the
// room, its chat, the open games, and Host a Game, Join and Invite. It shows
// what the session says and asks the main window (through LobbyHub) to host
// or join; it decides nothing about the game itself.
#include <QCheckBox>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

#include "join_probe.h"
#include "lobby_session.h"
#include "transcript_view.h"

namespace lobby {

class LobbyHub;

class Tlobby : public QWidget {
    Q_OBJECT
public:
    enum Column { ColHost, ColPlayers, ColSpys, ColState, ColLock, ColWay, ColumnCount };
    // People and games are shown again at most this often: a burst of
    // presences costs one redraw.
    static constexpr int RefreshMs = 150;
    // All addresses of one game are tried within this time.
    static constexpr int JoinBudgetMs = 5000;
    static constexpr int ProbePerAddressMs = 2000;

    explicit Tlobby(LobbyHub& hub, QWidget* parent = nullptr);

    // ---- signing in ----
    QLabel* label_about;
    QFrame* frame_signin;
    QLineEdit* edit_room;
    QLineEdit* edit_account;
    QLineEdit* edit_password;
    QLineEdit* edit_server;
    QPushButton* button_signin;
    QPushButton* button_register;
    QPushButton* button_accept; // accept the one unverified certificate
    QPushButton* button_signout;
    QLabel* label_status;
    // ---- the room ----
    QListWidget* list_people;
    QTableWidget* table_games;
    chat::TranscriptView* chatview;
    QLineEdit* edit_chat;
    QPushButton* button_send;
    QPushButton* button_host;
    QPushButton* button_join;
    QPushButton* button_invite;
    // ---- an invite received ----
    QFrame* frame_invite;
    QLabel* label_invite;
    QPushButton* button_invitejoin;
    QPushButton* button_decline;

    void signInClick(bool createAccount = false);
    void acceptClick();
    void joinClick();
    void inviteClick();
    void sendClick();
    void inviteJoinClick();
    // Shows people and games now (the refresh timer calls it).
    void refresh();
    // The games as shown, in table order.
    const QList<LobbyGame>& shownGames() const { return games_; }
    // The form filled from the settings; 'room' (when given) replaces the stored one.
    void fillForm(const QString& room = QString());
    // Signs in by itself when the form holds what it needs (a password from
    // the keyring, or none needed).
    void signInWhenReady();
    // Lines told in the status line, for tests and screenshots.
    QStringList told;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void tell(const QString& line);
    void stateChanged(LobbySession::State s);
    void chatLine(const QString& nick, const QString& text, bool own);
    void offered(const QString& nick, const QString& link);
    void tryNextAddress();
    void probed(JoinProbe::Result r);
    void scheduleRefresh();
    LobbyHub& hub_;
    LobbySession& session_;
    QTimer refreshTimer_;
    QList<LobbyGame> games_;
    bool firstFocus_ = true;
    // Joining: the game and the addresses still to try.
    JoinProbe probe_;
    QString joining_, joiningCode_;
    QString probing_;
    QStringList toTry_;
    QElapsedTimer joinClock_;
    // The newest invite link from each person (a private game's code).
    QHash<QString, QString> offers_;
    QString offerFrom_;
};

} // namespace lobby
