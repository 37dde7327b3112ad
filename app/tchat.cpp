#include "tchat.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QWindow>

#include "catalogue.h"
#include "invite_link.h"
#include "tchat_link.h"
#include "windows.h"

namespace {
// Until the settings are read the window stands here, with this client area.
constexpr int InitialLeft = 9;
constexpr int InitialTop = 5;
constexpr int InitialClientWidth = 723;
constexpr int InitialClientHeight = 521;
// The client area never shrinks below the board panel plus this margin.
constexpr int MinMarginX = 15;
constexpr int MinMarginY = 12;
} // namespace

Tchat::Tchat(const QStringList& params, QWidget* parent, Build build)
    : QMainWindow(parent), params_(params), lock_(QStringLiteral("kelvoa")) {
    setObjectName(QStringLiteral("chat"));
    setWindowTitle(QStringLiteral("KELVOA"));
    inisection = QStringLiteral("Kelvoa");
    defaultwidth = 731;
    defaultheight = 567;
    phraseready = true;
    systemcolor = 0;
    seatcount = 2;
    ishost = false;
    whoseturn = 0;
    linkcounter = -1;

    sock = new TSock(this);
    sock->PortName = gamePort;
    sock->OnRead = [this](TSock* s, int n) { sockRead(s, n); };
    sock->OnInfo = [this](TSock* s, int code, const QString& text) { sockInfo(s, code, text); };

    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &Tchat::Timer1Timer);

    sounds_ = std::make_unique<SoundPlayer>();
    phrases = {tr("Way To Go!"), tr("Good One!"),         tr("Nice Try!"),
               tr("Excellent!"), tr("Brilliant!"),        tr("Wow, WTG!"),
               tr("Thanks!"),    tr("Way To Go Teamie!"), tr("Good Game Everyone!")};

    buildMenu();
    buildTable();
    if (build == Build::Whole) buildRest();

    centralWidget()->setMinimumSize(PanelWidth + MinMarginX, PanelHeight + MinMarginY);
    move(InitialLeft, InitialTop);
    resize(InitialClientWidth, InitialClientHeight + menuBar()->sizeHint().height());
}

void Tchat::buildRest() {
    if (restBuilt_) return;
    restBuilt_ = true;
    buildPanel();
    wireSettingsMenu();
    wirePerfectTable();
    wireChat();
    link_ = std::make_unique<TchatLink>(*this);
    turnflow = new board::TurnFlow(*view, *link_, this);
    connect(StartGame1, &QAction::triggered, turnflow, &board::TurnFlow::button_startClick);
    buildComfort();
    buildAccess();

    handlers_ = {
        {QString::fromLatin1(cmd::SendLoginInfo), &Tchat::sendloginfo},
        {QString::fromLatin1(cmd::Chat), &Tchat::chatrecieved},
        {QString::fromLatin1(cmd::Action), &Tchat::chatrecieved},
        {QString::fromLatin1(cmd::PlayASound), &Tchat::playasound},
        {QString::fromLatin1(cmd::NewPlayerInfo), &Tchat::newplayerinfo},
        {QString::fromLatin1(cmd::ExistingPlayers), &Tchat::newplayerinfo},
        {QString::fromLatin1(cmd::HaveWrongVersion), &Tchat::havewrongversion},
        {QString::fromLatin1(cmd::WrongVersion), &Tchat::wrongversion},
        {QString::fromLatin1(cmd::PlayerDisconnected), &Tchat::playerdisconnected},
        {QString::fromLatin1(cmd::Full), &Tchat::full},
        {QString::fromLatin1(cmd::Private), &Tchat::privateGame},
        {QString::fromLatin1(cmd::JustWatching), &Tchat::justwatching},
        {QString::fromLatin1(cmd::GameStats), &Tchat::gamestats},
    };
    const std::pair<const char*, void (board::TurnFlow::*)(const QString&)> turn[] = {
        {cmd::StartGame, &board::TurnFlow::startthegame},
        {cmd::NextPlayer, &board::TurnFlow::getnextplayer},
        {cmd::Winner, &board::TurnFlow::winner},
        {cmd::HisRoll, &board::TurnFlow::hisroll},
        {cmd::Error, &board::TurnFlow::error},
        {cmd::MoveIt, &board::TurnFlow::moveit},
        {cmd::Unable, &board::TurnFlow::unable},
        {cmd::MoveBack, &board::TurnFlow::moveback},
        {cmd::Giving3, &board::TurnFlow::giving3},
        {cmd::GiveBack, &board::TurnFlow::giveback},
        {cmd::CantGive, &board::TurnFlow::cantgive},
    };
    for (const auto& [word, handler] : turn)
        turnHandlers_.insert(QString::fromLatin1(word), handler);

    buildReconnect(); // after the table: it adds its own commands

    if (!isVisible()) return;
    // Built after the window was shown: what is not meant to stay hidden
    // shows now, as it would have with the window.
    for (QWidget* parent : {centralWidget(), panel_board})
        for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->testAttribute(Qt::WA_WState_ExplicitShowHide)) w->show();
    mychat->setFocus();
    placeReconnectBar();
}

Tchat::~Tchat() {
    sock->OnInfo = nullptr;
    sock->OnRead = nullptr;
}

namespace {
// A submenu of mutually exclusive, checkable choices; `checked` is the one
// ticked at first, or -1 for none until the settings say.
QList<QAction*> addChoiceGroup(QMenu* parent, const QString& title,
                               std::initializer_list<QString> names, int checked) {
    QMenu* menu = parent->addMenu(title);
    auto* group = new QActionGroup(menu);
    QList<QAction*> actions;
    for (const QString& name : names) {
        QAction* a = menu->addAction(name);
        a->setCheckable(true);
        group->addAction(a);
        actions.append(a);
    }
    if (checked >= 0) actions[checked]->setChecked(true);
    return actions;
}
} // namespace

void Tchat::buildMenu() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    StartGame1 = file->addAction(tr("Start Game"));
    StartGame1->setEnabled(false);
    file->addSeparator();
    HostGame1 = file->addAction(tr("Host a Game…"), this, &Tchat::openHostDialog);
    JoinGame1 = file->addAction(tr("Join a Game…"), this, &Tchat::openJoinDialog);
    PublicLobby1 = file->addAction(tr("Public Lobby…"), this, [this] { openLobby(); });
    file->addSeparator();
    Exit1 = file->addAction(tr("Exit"), this, &QWidget::close);

    QMenu* options = bar->addMenu(tr("&Options"));
    PlaySounds1 = options->addAction(tr("Play Sounds"));
    PlaySounds1->setCheckable(true);
    PlaySounds1->setChecked(true);
    PlayChatterSounds1 = options->addAction(tr("Play Chatter Sounds"));
    PlayChatterSounds1->setCheckable(true);
    PlayChatterSounds1->setChecked(false);

    const QList<QAction*> turn =
        addChoiceGroup(options, tr("Turn Sound"), {tr("Classic"), tr("New")}, 0);
    Classic1 = turn[0];
    New1 = turn[1];
    const QList<QAction*> speed =
        addChoiceGroup(options, tr("Bot Speed"), {tr("Slow"), tr("Normal"), tr("Fast")}, 1);
    Slow1 = speed[0];
    Normal1 = speed[1];
    Fast1 = speed[2];
    const QList<QAction*> skill = addChoiceGroup(
        options, tr("Bot Skill"), {QStringLiteral("Klot"), tr("Strong"), tr("Expert")}, 0);
    Klot1 = skill[0];
    Strong1 = skill[1];
    Perfect1 = skill[2];
    ShowChances1 = options->addAction(tr("Show Chances"));
    ShowChances1->setCheckable(true);
    ShowChances1->setChecked(false);
    Tutor1 = options->addAction(tr("Tutor"));
    Tutor1->setCheckable(true);
    Tutor1->setChecked(false);
    Tutor1->setToolTip(tr("In games against the computer, asks before a move that gives away "
                          "3 points of winning chance or more"));

    TextColor1 = options->addAction(tr("Text Color"));
    const int sizes[4] = {8, 10, 12, 14};
    const QList<QAction*> size =
        addChoiceGroup(options, tr("Text Size"),
                       {QString::number(sizes[0]), QString::number(sizes[1]),
                        QString::number(sizes[2]), QString::number(sizes[3])},
                       -1);
    for (int i = 0; i < 4; ++i) {
        TextSize[i] = size[i];
        TextSize[i]->setData(sizes[i]);
    }
    ScrollChatOff1 = options->addAction(tr("Scroll Chat Off"));
    ScrollChatOff1->setCheckable(true);
    ScrollChatOff1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ClearMainChat1 = options->addAction(tr("Clear Main Chat"));
    ResetScreenLocation1 =
        options->addAction(tr("Reset Screen Location"), this, &Tchat::resetScreenLocation);
    JustWatch1 = options->addAction(tr("Just Watch"));
    JustWatch1->setCheckable(true);
    // The check mark follows the host's answer, never the click itself.
    connect(JustWatch1, &QAction::triggered, this, [this](bool checked) {
        JustWatch1->setChecked(!checked);
        justWatchClick();
    });
    buildLanguageMenu(options);

    QMenu* view = bar->addMenu(tr("&View"));
    ViewTally1 = view->addAction(tr("View Tally"));
    SpyList1 = view->addAction(tr("Spy List"));
    connect(SpyList1, &QAction::triggered, this, [this] { showWindow(windows_.spylist); });
    PhraseList1 = view->addAction(tr("Phrase List"));

    QMenu* help = bar->addMenu(tr("&Help"));
    Content1 = help->addAction(tr("Content"));
    Content1->setShortcut(QKeySequence(Qt::Key_F1));
    connect(Content1, &QAction::triggered, this, [this] { showWindow(windows_.help); });
    // The download window, whether or not it opens at start.
    Lobby1 = help->addAction(tr("The Korvan Lobby…"));
    connect(Lobby1, &QAction::triggered, this, [this] {
        if (!windows_.download) return;
        windows_.download->check_showatstart->setChecked(
            Settings(settingsFolder).load().showDownload);
        showWindow(windows_.download);
    });
    About1 = help->addAction(tr("About"));
    connect(About1, &QAction::triggered, this, [this] { showWindow(windows_.about); });
}

void Tchat::showWindow(QWidget* w) {
    if (!w) return;
    w->show();
    w->raise();
    w->activateWindow();
}

void Tchat::buildTable() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("client"));
    setCentralWidget(central);
    panel_board = new QWidget(central);
    panel_board->setObjectName(QStringLiteral("panel_board"));
    panel_board->setFixedSize(PanelWidth, PanelHeight);
    panel_board->move(11, 5);
    // A dark walnut surround, so the board and the chat sit on one table.
    board::setWalnutBackground(central);

    // The game's name above the turn log, drawn beforehand: the first frame
    // needs no second typeface for it.
    logo = new QLabel(panel_board);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setGeometry(8, 2, 318, 36);
    logo->setAlignment(Qt::AlignCenter);
    logo->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    logo->setAccessibleName(QStringLiteral("KELVOA"));
    // The logo leads to the maker's page, through the about window's link.
    logo->setCursor(Qt::PointingHandCursor);
    logo->installEventFilter(this);
}

void Tchat::buildPanel() {
    view = new board::BoardView(panel_board);
    FlatPanel1 = view->FlatPanel1;
    label_playername1 = view->label_playername1;
    label_playername2 = view->label_playername2;
    label_playername1->setProperty("seat", 1);
    label_playername2->setProperty("seat", 2);
    image_eyes1 = view->image_eyes1;
    image_eyes2 = view->image_eyes2;
    button_start = view->button_start;
    button_start->hide();

    // Only seat 2's name carries the host's commands; seat 1's label runs the
    // same preparation on a right click but has nothing to show.
    popup_kick = new QMenu(this);
    popup_remove = popup_kick->addAction(tr("Remove From Game"));
    popup_setwatch = popup_kick->addAction(tr("Set to Just Watch"));
    popup_unsetwatch = popup_kick->addAction(tr("Unset Just Watch"));
    connect(popup_remove, &QAction::triggered, this, [this] { kicking(popupTarget); });
    connect(popup_setwatch, &QAction::triggered, this, [this] {
        if (loggedin && (popupTarget == 1 || popupTarget == 2))
            send(wire::justwatch(popupTarget, 1));
    });
    connect(popup_unsetwatch, &QAction::triggered, this, [this] {
        if (loggedin && (popupTarget == 1 || popupTarget == 2))
            send(wire::justwatch(popupTarget, 2));
    });
    for (QLabel* l : {label_playername1, label_playername2}) {
        l->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(l, &QWidget::customContextMenuRequested, this, [this, l](const QPoint& p) {
            preparePopup(l->property("seat").toInt());
            if (l == label_playername2) popup_kick->popup(l->mapToGlobal(p));
        });
    }

    mainchat = new chat::TranscriptView(panel_board);
    mainchat->setObjectName(QStringLiteral("mainchat"));
    mainchat->setGeometry(9, 307, 685, 177);
    // The transcript's parchment tone, as the turn log beside the board.
    mainchat->setStyleSheet(QStringLiteral(
        "QTextBrowser { background: rgb(160,149,131); border: 2px solid rgb(74,52,34); }"));
    buildChatInput();
    // The turn log never keeps the focus: typing goes to the chat line.
    connect(view->memo_turn, &board::TurnLog::focusWanted, mychat, [this] { mychat->setFocus(); });
}

void Tchat::placePanel() {
    // The panel keeps its place in proportion to the client area: its centre
    // stays where it was relative to the initial client size.
    const QWidget* c = centralWidget();
    const double cx = (11 + PanelWidth / 2.0) / InitialClientWidth;
    const double cy = (5 + PanelHeight / 2.0) / InitialClientHeight;
    const int x = qMax(0, int(cx * c->width() - PanelWidth / 2.0 + 0.5));
    const int y = qMax(0, int(cy * c->height() - PanelHeight / 2.0 + 0.5));
    panel_board->move(x, y);
}

void Tchat::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    placePanel();
    placeReconnectBar();
}

bool Tchat::eventFilter(QObject* o, QEvent* e) {
    // Posted from the exposure, so it runs once the frame painted in answer
    // to it has gone to the screen.
    if (e->type() == QEvent::Expose && o == windowHandle() && windowHandle()->isExposed())
        QTimer::singleShot(0, this, &Tchat::afterFirstFrame);
    if (o == mychat && e->type() == QEvent::KeyPress && mychatKey(static_cast<QKeyEvent*>(e)))
        return true;
    if (o == logo && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton && windows_.about) {
        windows_.about->URL1.open();
        return true;
    }
    return QMainWindow::eventFilter(o, e);
}

void Tchat::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (shownOnce_) return;
    shownOnce_ = true;
    // The other windows, the host and the command line wait until the first
    // frame is drawn: the window system says the window is visible, the
    // frame is painted in answer, and only then does the game get going. A
    // window system that never says so (a minimised start) gets it going a
    // moment later all the same.
    QWindow* window = windowHandle();
    if (window && !window->isExposed()) {
        window->installEventFilter(this);
        QTimer::singleShot(1000, this, &Tchat::afterFirstFrame);
    } else {
        QTimer::singleShot(0, this, &Tchat::afterFirstFrame);
    }
}

void Tchat::afterFirstFrame() {
    if (startedAfterFrame_) return;
    startedAfterFrame_ = true;
    if (QWindow* window = windowHandle()) window->removeEventFilter(this);
    buildRest();
    // Everything that needs the other windows waits until they all exist.
    if (beforeParams) std::exchange(beforeParams, nullptr)();
    processparams();
}

void Tchat::processparams() {
    if (paramsProcessed_) return; // once per run, whoever asks first
    paramsProcessed_ = true;
    button_start->hide();
    StartGame1->setEnabled(false);
    if (params_.isEmpty()) {
        addlinetochat(QStringLiteral("0+") + tr("Loading Solo Game..Please wait."), systemcolor);
        if (windows_.download) {
            // A player who unticked "Show this window at start" goes straight to the board.
            const bool show = Settings(settingsFolder).load().showDownload;
            windows_.download->check_showatstart->setChecked(show);
            if (show) windows_.download->show();
        }
        hostaddress = QStringLiteral("127.0.0.1");
        playername = tr("You");
        hostpress();
        return;
    }
    if (params_.size() == 1 && params_[0].startsWith(QLatin1String("xmpp:"), Qt::CaseInsensitive)) {
        // A link to a lobby's room: the lobby window opens on it.
        openLobbyFrom(params_[0]);
        return;
    }
    if (params_.size() == 1 && invite::looksLikeLink(params_[0])) {
        // Started from an invite: the player confirms in the Join dialog.
        openJoinDialogFrom(params_[0]);
        return;
    }
    addlinetochat(QStringLiteral("0+") + tr("Loading Multi-player Game.. Please Wait."),
                  systemcolor);
    if (params_.size() < 3) return; // nothing connects until all three are given
    playername = params_[0];
    hostaddress = params_[1];
    routerWanted_ = params_[2] == QLatin1String("true");
    if (routerWanted_)
        hostpress();
    else
        joinpress();
    // The lobby's presence connection: opened, never used, failure ignored.
    Sock11 = new TSock(this);
    Sock11->HostName = QStringLiteral("127.0.0.1");
    Sock11->PortName = lobbyPort;
    try {
        Sock11->Open();
    } catch (const ESockException&) {
    }
}

void Tchat::hostpress() {
    quint16 port = 0;
    try {
        // A private game asks for a fresh code at every hosting.
        inviteCode = hostPrivate ? invite::makeCode() : QString();
        port = startHost ? startHost() : 0;
    } catch (const ESockException& e) {
        if (!portTaken(QString::fromUtf8(e.what()), port)) return;
    }
    ishost = true;
    openRouter(port);
    sock->HostName = QStringLiteral("127.0.0.1");
    sock->LoopbackOnly = true;
    sock->PortName = port ? QString::number(port) : gamePort;
    try {
        sock->Open();
    } catch (const ESockException& e) {
        dialogs_->message(this, TSock::tr(e.what()));
    }
    button_start->show();
    StartGame1->setEnabled(true);
    if (windows_.spylist) windows_.spylist->popup_kickhim->setEnabled(true);
    if (!inviteCode.isEmpty())
        addlinetochat(QStringLiteral("0+") +
                          tr("This game is private. File > Host a Game… > Copy Invite "
                             "gives your friends the way in."),
                      systemcolor);
}

bool Tchat::portTaken(const QString& error, quint16& port) {
    const QString taken = gamePort;
    // A solo game needs no port to be played: it goes on where nobody else
    // can reach it, and says so.
    if (params_.isEmpty() && startHostHere) {
        try {
            port = startHostHere();
            addlinetochat(
                (QStringLiteral("0+") + tr("Port %1 is used by another program: others cannot "
                                           "join this game."))
                    .arg(taken),
                systemcolor);
            return true;
        } catch (const ESockException&) {
        }
    }
    // Hosting needs the port: the player is told which, and what to do. The
    // own client connects to nothing, least of all to the other program.
    dialogs_->message(this, TSock::tr(error.toUtf8().constData()));
    addlinetochat(
        (QStringLiteral("0+") + tr("Port %1 is used by another program, so this game cannot be "
                                   "hosted. Close that program (perhaps another Kelvoa) and "
                                   "choose File > Host a Game… again, or join a game instead."))
            .arg(taken),
        systemcolor);
    return false;
}

void Tchat::joinpress() {
    // The address may name a port ("host:7000", "[2001:db8::5]:7000").
    const auto address = invite::readAddress(hostaddress);
    sock->HostName = address ? address->host : hostaddress;
    sock->PortName = address && address->hasPort ? QString::number(address->port) : gamePort;
    try {
        sock->Open();
    } catch (const ESockException& e) {
        dialogs_->message(this, TSock::tr(e.what()));
    }
    button_start->hide();
    StartGame1->setEnabled(false);
}

WindowBounds Tchat::bounds() const {
    const QRect f = frameGeometry();
    return {f.top(), f.left(), f.width(), f.height()};
}

void Tchat::setBounds(const WindowBounds& b) {
    // The stored bounds are outer ones, frame included.
    const QSize extra = frameGeometry().size() - geometry().size();
    move(b.left, b.top);
    resize(qMax(1, b.width - extra.width()), qMax(1, b.height - extra.height()));
}

void Tchat::resetScreenLocation() {
    setBounds({3, 3, defaultwidth, defaultheight});
}

void Tchat::storeBoundsOnClose() {
    // Settings never read: the stored ones are the user's, not ours to overwrite.
    if (!settingsRead) return;
    WindowBounds b = bounds();
    if (b == savedbounds) return;
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect work = screen->availableGeometry();
        if (b.width > work.width()) b.width -= 15;
        if (b.height > work.height()) b.height -= 15;
    }
    savedbounds = b;
    saveinifile(b);
}

void Tchat::closeEvent(QCloseEvent* e) {
    if (!closing_) {
        closing_ = true;
        storeBoundsOnClose();
        keepUnfinishedGame();
        leaveForGood();
    }
    e->accept();
    emit closed();
}

void Tchat::playsounds(const QString& cue) {
    if (onCue) onCue(cue);
    sounds_->playsounds(cue);
}

void Tchat::setSoundSink(std::unique_ptr<SoundSink> sink) {
    auto fresh = std::make_unique<SoundPlayer>(std::move(sink));
    fresh->setPlaySounds(sounds_->playSounds());
    fresh->setChatterSounds(sounds_->chatterSounds());
    sounds_ = std::move(fresh);
}
