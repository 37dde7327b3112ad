#pragma once
// The main window: the client half of every copy. It connects to a host
// (its own or another copy's), logs in, queues what the host sends and hands
// one message per tick to the handler named by its command word.
#include <QAction>
#include <QActionGroup>
#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <deque>
#include <functional>
#include <memory>

#include "board_view.h"
#include "chances_bar.h"
#include "chat_seams.h"
#include "client_link.h"
#include "dialogs.h"
#include "dice_stats.h"
#include "framing.h"
#include "game_record.h"
#include "named_lock.h"
#include "perfect_table.h"
#include "restart.h"
#include "settings.h"
#include "sound_player.h"
#include "tprogress.h"
#include "transcript_view.h"
#include "tsock.h"
#include "turn_flow.h"

class QKeyEvent;
class QFrame;
class QPushButton;
class Tspylist;
class Ttallylist;
class Tabout;
class Thelp;
class Tphrases;
class Tdownload;
class HostGameDialog;
class PortMapper;
struct Reachability;
class JoinGameDialog;
class Tdicestats;
namespace lobby {
class LobbyHub;
}
namespace discovery {
struct GameInfo;
}
namespace board {
class HintOverlay;
class ChipAnimator;
class Trecordviewer;
} // namespace board

struct WindowBounds {
    int top = 0, left = 0, width = 0, height = 0;
    bool operator==(const WindowBounds&) const = default;
};

class Tchat : public QMainWindow {
    Q_OBJECT
public:
    // What may wait in the receive queue. An honest host sends a handful of
    // messages a second; a host that sends without end is let go once this
    // much waits, instead of the window growing without bound.
    static constexpr int MaxQueuedMessages = 5000;
    static constexpr qsizetype MaxQueuedBytes = 2 * 1024 * 1024;
    static constexpr int PanelWidth = 702;
    static constexpr int PanelHeight = 511;

    // 'params' are the command-line positions without the program's path.
    // FrameFirst (the program's own start) puts the window with its menu bar
    // and its table on screen first and builds the board, the chat and the
    // rest right after that first frame; Whole builds everything at once.
    enum class Build { Whole, FrameFirst };
    explicit Tchat(const QStringList& params, QWidget* parent = nullptr,
                   Build build = Build::Whole);
    ~Tchat() override;

    // The other windows, created after this one (start-up order).
    struct Windows {
        Ttallylist* tallylist = nullptr;
        Tabout* about = nullptr;
        Thelp* help = nullptr;
        Tphrases* phrases = nullptr;
        Tspylist* spylist = nullptr;
        Tdownload* download = nullptr;
    };
    void setWindows(const Windows& w);

    // Starts this copy's host and returns the port it listens on. Set by the
    // program's start-up; the client never reaches into the host directly.
    std::function<quint16()> startHost;
    // Starts it on a free port of the loopback interface, for a solo game
    // whose port another program holds: nobody can join, but it is played.
    std::function<quint16()> startHostHere;
    // A private game's host gives the host a fresh code (after a removal).
    std::function<void(const QString& code)> changeInviteCode;
    // Run once when the window is first on screen, before the command line is
    // read: start-up makes the other windows there, off the first frame's path.
    std::function<void()> beforeParams;
    // The port a joining client connects to (tests use ephemeral ports).
    QString gamePort = QStringLiteral("7772");
    QString lobbyPort = QStringLiteral("9001");
    void setDialogs(Dialogs* d) { dialogs_ = d; }

    // ---- values of the main window ----
    QString playername;
    QString hostaddress;
    bool ishost = false;
    int seatcount = 2;
    QString inisection;
    int defaultwidth = 0;
    int defaultheight = 0;
    WindowBounds savedbounds;
    int myseat = 0;
    bool loggedin = false;
    int whoseturn = 0;
    bool phraseready = true;
    int phraseticks = 0;
    int linkcounter = 0;
    int systemcolor = 0;

    // ---- controls ----
    QWidget* panel_board;
    board::BoardView* view = nullptr; // the board panel and its neighbours
    board::TurnFlow* turnflow = nullptr;
    QWidget* FlatPanel1;
    QLabel* label_playername1;
    QLabel* label_playername2;
    QLabel* image_eyes1;
    QLabel* image_eyes2;
    chat::TranscriptView* mainchat;
    QLabel* logo;
    QLineEdit* mychat;
    QToolButton* button_smilies;
    QMenu* popup_smilies;
    QToolButton* b_phrase[9]; // b_phrase1 .. b_phrase9
    QToolButton* b_phrase10;  // chatter sounds
    QMenu* popup_sounds;
    QMenu* popup_chat; // the transcript's own menu
    QAction* ScrollChatOff2;
    QMenu* popup_mychat; // the input line's menu
    QAction* Paste1;
    QWidget* button_start;
    QMenu* popup_kick;
    QAction* popup_remove;
    QAction* popup_setwatch;
    QAction* popup_unsetwatch;
    int popupTarget = 0;

    // Menu items, by the captions the player sees.
    QAction* StartGame1;
    QAction* HostGame1; // "Host a Game…"
    QAction* JoinGame1; // "Join a Game…"
    QAction* Exit1;
    QAction* PlaySounds1;
    QAction* PlayChatterSounds1;
    QAction* Classic1;
    QAction* New1;
    QAction* Slow1;
    QAction* Normal1;
    QAction* Fast1;
    QAction* Klot1; // Bot Skill
    QAction* Strong1;
    QAction* Perfect1;
    QAction* ShowChances1;
    QAction* Tutor1;
    QAction* TextColor1;
    QAction* TextSize[4];
    QAction* ScrollChatOff1;
    QAction* ClearMainChat1;
    QAction* ResetScreenLocation1;
    QAction* JustWatch1;
    QMenu* Language1 = nullptr;    // the system's first, then each language by its own name
    QList<QAction*> LanguageItems; // their data: the stored code, empty for the system's
    QAction* ViewTally1;
    QAction* SpyList1;
    QAction* PhraseList1;
    QAction* Content1;
    QAction* Lobby1; // "The Korvan Lobby…": the download window
    QAction* About1;

    TSock* sock;
    TSock* Sock11 = nullptr;
    QTimer Timer1;

    // ---- coming back after a dropped line (tchat_reconnect.cpp) ----
    // How long the client tries by itself before it asks; tests shorten it.
    int reconnectForMs = 3 * 60 * 1000;
    bool kicked = false; // the host removed us: we do not come back
    QFrame* reconnectbar = nullptr;
    QLabel* label_reconnect = nullptr;
    QPushButton* button_reconnect = nullptr;
    QPushButton* button_closeconn = nullptr;
    bool reconnecting() const { return reconnecting_; }
    bool hasSeatKey() const { return !seatkey_.isEmpty(); }

    // ---- start-up and modes ----
    void processparams();
    void hostpress();
    // The host could not listen: goes on elsewhere where that makes sense.
    bool portTaken(const QString& error, quint16& port);
    void joinpress();
    void resetScreenLocation();
    WindowBounds bounds() const;
    void setBounds(const WindowBounds& b);

    // ---- transcript and chat input ----
    // 'color' is a colour value 0x00BBGGRR.
    void addlinetochat(const QString& line, int color = 0);
    // Every line added, as given, for tests.
    QStringList transcriptLines() const { return transcript_; }
    void sendit();
    void phraseClick(int n); // 1..9
    void soundClick(int n);  // 0..20
    void smileyClick(int code);
    void pasteClick();
    void textColorClick();
    void phraseListClick();
    void clearMainChat();
    void setScrollChatOff(bool off);
    void playasound(const QString& rest);
    void setUrlOpener(chat::UrlOpener* o) { mainchat->setUrlOpener(o); }
    void setColorPicker(chat::ColorPicker* p) { colorPicker_ = p ? p : &defaultColorPicker_; }

    // ---- dispatch and roster ----
    void sockRead(TSock* s, int count);
    // What arrived from the host: framed and queued as a read does. False when
    // the host sent too much without ending a message, or more than the
    // queue holds.
    bool receive(const QByteArray& bytes);
    // The hosting copy's own client, told by the port of its end of the
    // loopback connection (the host gives slot 1 to nobody else).
    bool ownsEnd(quint16 peerPort) const;
    void Timer1Timer();
    std::size_t queued() const { return receivedlist.size(); }
    void sendloginfo(const QString& rest);
    void newplayerinfo(const QString& rest);
    void playerdisconnected(const QString& rest);
    void havewrongversion(const QString& rest);
    void wrongversion(const QString& rest);
    void full(const QString& rest);
    void privateGame(const QString& rest);
    void justwatching(const QString& rest);
    void chatrecieved(const QString& rest);
    void gamestats(const QString& rest);
    void kicking(int seat);
    void preparePopup(int seat);
    void loadchecklist();
    void updateGiveButton();
    QStringList opponentNames() const;
    QStringList spectators() const;
    // A finished game for the tally ("addtomine" for an own win); the tally
    // window records it once it exists.
    void addgame(const QString& winner);
    QStringList gamesForTally;
    void messagebox(const QString& text) { dialogs_->message(this, text); }
    // The tutor: true when the move may go; asks first about a poor one.
    bool tutorAllows(int seat, int chip, int points);
    // Sends one message text (the terminator is added here).
    void send(const QByteArray& text);

    // Game cue requests ("entered", "dice", ...); played by the sound player.
    std::function<void(const QString&)> onCue; // also told, for tests
    void playsounds(const QString& cue);
    SoundPlayer& sounds() { return *sounds_; }
    void setSoundSink(std::unique_ptr<SoundSink> sink);

    // ---- settings (korvanlobby.ini, section "Kelvoa") ----
    int turnsound = 0; // 0 Classic, 1 New
    int botspeed = 0;  // milliseconds; 0 until the settings are read
    int textsize = 8;  // font size of the transcript
    QString textcolor = QStringLiteral("clBlack");
    Phrases phrases;
    QString settingsFolder; // empty: where Settings puts it
    bool settingsRead = false;
    int settingsWrites = 0;
    void loadinifile();
    void saveinifile();
    // Writes the settings with these window bounds instead of the current ones.
    void saveinifile(const WindowBounds& b);
    void setBotSpeed(BotSpeedItem item);
    // 0 Klot, 1 Strong, 2 Expert: checks the item, tells the host, saves,
    // and for "Expert" gets its exact table ready.
    void setBotSkill(int level);
    int botskill = 0;

    // ---- the exact table behind "Expert" and the chances beside the board ----
    PerfectTable* perfecttable = nullptr;
    Tprogress* progresswindow = nullptr;
    ChancesBar* chancesbar = nullptr;
    void updateChances();
    void showChancesBar(bool on);

    // ---- play comfort: hints, gliding chips, keys, record, dice figures ----
    QAction* ShowHints1;
    QAction* AnimateChips1;
    QAction* SaveGameRecord1;
    QAction* OpenGameRecord1;
    QAction* DiceStatistics1;
    board::HintOverlay* hintoverlay = nullptr;
    board::ChipAnimator* chipanimator = nullptr;
    board::GameRecord gamerecord;
    board::DiceStats dicestats;
    board::Trecordviewer* recordviewer = nullptr; // made on first use
    Tdicestats* dicestatswindow = nullptr;        // made on first use
    void refreshHints();
    void saveGameRecord();
    bool saveGameRecordTo(const QString& path);
    void openGameRecord();
    // Every game that ends is kept in "Games" beside the tally file.
    QString gamesFolder() const;
    QString lastKeptGame; // the newest game kept by this run, empty before
    // View > Review Game…, and the link under a game that has just ended.
    QAction* ReviewGame1;
    QLabel* label_review;
    // Opens the viewer with its review on 'path', or on the newest kept game.
    void reviewGame(const QString& path = QString());
    board::Trecordviewer* recordViewer(); // made on first use
    void showDiceStatistics();
    void rollKey();         // Ctrl+R
    void chipKey(int chip); // Ctrl+1 .. Ctrl+7

    // Every handled message, for tests that wait on the dispatch.
    int handledCount = 0;

    // ---- playing with others (tchat_multiplayer.cpp) ----
    // Lets go of this copy's host (game port and discovery) before a restart.
    std::function<void()> stopHost;
    // Where the Join dialog looks for games (tests use ephemeral ports).
    quint16 discoveryPort = 7772;
    int joinProbeTimeoutMs = 3000;
    void setProcessStarter(ProcessStarter* s) { starter_ = s ? s : &defaultStarter_; }
    void openHostDialog();
    void openJoinDialog();
    // The Join dialog filled from an invite link, or saying what is wrong with it.
    void openJoinDialogFrom(const QString& link);
    // A private game's invite code: the one this copy presents when it joins,
    // or, when it hosts privately, the one its game asks for (made at hosting).
    QString inviteCode;
    // This copy hosts a private game (handed over by the restart).
    bool hostPrivate = false;
    HostGameDialog* hostDialog() const;
    // While this copy hosts a game for others, 'm' asks the router to let
    // friends on the internet in; the transcript and the Host dialog say
    // what came of it. Unset (tests, or switched off): the router is left alone.
    void setPortMapper(PortMapper* m);
    JoinGameDialog* joinDialog() const;
    // Starts the program again with 'params' and closes this copy; false (and
    // this copy goes on) when the program could not be started.
    bool restartAs(const QStringList& params);

    // ---- the public lobby (lobby/, glued in tchat_multiplayer.cpp) ----
    // The hosting copy's game as the host sees it; set by start-up.
    std::function<discovery::GameInfo()> describeHost;
    // File > "Public Lobby…", on 'room' when given.
    void openLobby(const QString& room = QString());
    // "xmpp:ROOM?join" as the program's only argument.
    void openLobbyFrom(const QString& uri);
    lobby::LobbyHub* lobbyHub(); // made on first use
    QAction* PublicLobby1;

signals:
    void closed();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void buildMenu();
    void buildLanguageMenu(QMenu* options); // tchat_language.cpp
    void buildPanel();
    void placePanel();
    void sockInfo(TSock* s, int code, const QString& text);
    void dispatch(const QString& message);
    void justWatchClick();
    void showWindow(QWidget* w);
    void afterFirstFrame();
    void storeBoundsOnClose();
    void wireSettingsMenu();
    void wirePerfectTable();
    void sendBotSettings();
    void applyTextSize(int size);
    void buildChatInput();
    void wireChat();
    void applyTextColor();
    void updatePhraseButtons();
    void wirePhraseEditor();
    bool mychatKey(QKeyEvent* e);
    void buildComfort();
    void buildAccess();
    void refreshAccess();
    void announceLine(const QString& line);
    void buildKeys();
    void applyComfortSettings(bool hints, bool animate);
    void afterMessage(const QString& command, const QString& rest);
    void keepUnfinishedGame();
    void keepEndedGame(bool offerReview);
    void buildReconnect();
    void buildTable();
    void buildRest();
    bool restBuilt_ = false;
    bool connectionLost();
    void startReconnecting();
    void leaveForGood();
    void reconnectAttempt();
    void rejoinBeforeLogin();
    bool reconnected();
    void placeReconnectBar();
    void seatkeyMessage(const QString& rest);
    void kickedMessage(const QString& rest);
    void seatheldMessage(const QString& rest);
    void seatbackMessage(const QString& rest);
    QByteArray seatkey_;   // from the host, for this connection; never shown or stored
    QByteArray rejoinkey_; // the key being presented while reconnecting
    bool reconnecting_ = false;
    QTimer reconnectTimer_;
    QElapsedTimer lostAt_;
    int reconnectDelayMs_ = 1000;
    std::unique_ptr<SoundPlayer> sounds_;
    std::unique_ptr<board::ClientLink> link_;

    using Handler = void (Tchat::*)(const QString&);
    QHash<QString, Handler> handlers_;
    QHash<QString, void (board::TurnFlow::*)(const QString&)> turnHandlers_;

    QStringList params_;
    bool shownOnce_ = false;
    bool startedAfterFrame_ = false;
    bool paramsProcessed_ = false;
    bool closing_ = false;
    int turnLogWidth_ = 0; // the turn log's width without the chances beside it
    Windows windows_;
    MessageBoxDialogs defaultDialogs_;
    Dialogs* dialogs_ = &defaultDialogs_;
    NamedLock lock_;
    wire::Framer receivebuffer;
    std::deque<QString> receivedlist;
    qsizetype receivedBytes_ = 0; // of the messages in receivedlist, as they came
    QStringList transcript_;
    chat::QtColorPicker defaultColorPicker_;
    chat::ColorPicker* colorPicker_ = &defaultColorPicker_;
    DetachedStarter defaultStarter_;
    ProcessStarter* starter_ = &defaultStarter_;
    QPointer<HostGameDialog> hostDialog_;
    PortMapper* portmapper_ = nullptr;
    bool routerWanted_ = false; // host mode: others are to reach this copy
    QString routerSaid_;        // the last answer told in the transcript
    void routerAnswered(const Reachability& r);
    void openRouter(quint16 port);
    QPointer<JoinGameDialog> joinDialog_;
    lobby::LobbyHub* lobbyhub_ = nullptr;
    QString lobbyInviteLink() const;
};
