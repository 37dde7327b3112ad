#include "tlobby.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSplitter>
#include <QVBoxLayout>

#include "lobby_hub.h"

namespace lobby {

namespace {
QLabel* plain(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    // Names and lines from the room are never markup.
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    return l;
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(align | Qt::AlignVCenter);
    return item;
}
} // namespace

Tlobby::Tlobby(LobbyHub& hub, QWidget* parent) : QWidget(parent), hub_(hub), session_(hub.session) {
    setObjectName(QStringLiteral("Tlobby"));
    setWindowTitle(tr("Kelvoa — Public Lobby"));
    setAttribute(Qt::WA_QuitOnClose, false);

    label_about = plain(tr("A lobby is a group chat room on any XMPP server, which a community can "
                           "run (the README says how). Give its room and your account, or a "
                           "domain that lets you in without one."),
                        this);
    label_about->setStyleSheet(QStringLiteral("color: rgb(96,80,64);"));

    frame_signin = new QFrame(this);
    frame_signin->setFrameShape(QFrame::StyledPanel);
    edit_room = new QLineEdit(frame_signin);
    edit_room->setPlaceholderText(tr("lobby@conference.example.org"));
    edit_account = new QLineEdit(frame_signin);
    edit_account->setPlaceholderText(tr("name@example.org, or anon.example.org"));
    edit_password = new QLineEdit(frame_signin);
    edit_password->setEchoMode(QLineEdit::Password);
    edit_server = new QLineEdit(frame_signin);
    edit_server->setPlaceholderText(tr("optional: host or host:port"));
    for (QLineEdit* e : {edit_room, edit_account, edit_password, edit_server})
        e->setMaxLength(300);
    auto* form = new QFormLayout;
    form->addRow(tr("Room:"), edit_room);
    form->addRow(tr("Account:"), edit_account);
    form->addRow(tr("Password:"), edit_password);
    form->addRow(tr("Server:"), edit_server);
    button_signin = new QPushButton(tr("Sign In"), frame_signin);
    button_register = new QPushButton(tr("Create Account"), frame_signin);
    button_accept = new QPushButton(tr("Accept This Certificate"), frame_signin);
    button_accept->hide();
    button_signout = new QPushButton(tr("Sign Out"), frame_signin);
    auto* signButtons = new QVBoxLayout;
    for (QPushButton* b : {button_signin, button_register, button_accept, button_signout})
        signButtons->addWidget(b);
    signButtons->addStretch();
    auto* signRow = new QHBoxLayout(frame_signin);
    signRow->addLayout(form, 1);
    signRow->addLayout(signButtons);

    label_status = plain(QString(), this);
    label_status->setStyleSheet(QStringLiteral("font-weight: bold;"));

    table_games = new QTableWidget(0, ColumnCount, this);
    table_games->setHorizontalHeaderLabels(
        {tr("Host"), tr("Players"), tr("Spys"), tr("Game"), tr("Private"), tr("Reached")});
    table_games->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_games->setSelectionMode(QAbstractItemView::SingleSelection);
    table_games->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_games->verticalHeader()->hide();
    table_games->horizontalHeader()->setSectionResizeMode(ColHost, QHeaderView::Stretch);
    // Fixed widths: fitting columns to their contents measures every row
    // again for every row set, which a full list of games makes slow.
    const QFontMetrics fm(table_games->font());
    for (int c = ColPlayers; c < ColumnCount; ++c) {
        table_games->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Fixed);
        const QString widest = c == ColState  ? tr("running")
                               : c == ColLock ? tr("🔒 invite")
                               : c == ColWay  ? tr("no address")
                                              : table_games->horizontalHeaderItem(c)->text();
        table_games->setColumnWidth(
            c, qMax(fm.horizontalAdvance(widest),
                    fm.horizontalAdvance(table_games->horizontalHeaderItem(c)->text())) +
                   24);
    }
    table_games->installEventFilter(this);

    list_people = new QListWidget(this);
    list_people->setMinimumWidth(160);

    chatview = new chat::TranscriptView(this);
    chatview->setMinimumHeight(140);
    edit_chat = new QLineEdit(this);
    edit_chat->setMaxLength(LobbyRoom::MaxLineChars);
    edit_chat->setPlaceholderText(tr("Say something to the room"));
    button_send = new QPushButton(tr("Send"), this);

    button_host = new QPushButton(tr("Host a Game…"), this);
    button_join = new QPushButton(tr("Join"), this);
    button_invite = new QPushButton(tr("Invite"), this);
    button_invite->setToolTip(tr("Send the person you chose an invite to the game you host"));

    frame_invite = new QFrame(this);
    frame_invite->setFrameShape(QFrame::StyledPanel);
    frame_invite->setStyleSheet(QStringLiteral("QFrame { background: rgb(255,244,214); }"));
    label_invite = plain(QString(), frame_invite);
    label_invite->setStyleSheet(QStringLiteral("font-weight: bold;"));
    button_invitejoin = new QPushButton(tr("Join"), frame_invite);
    button_decline = new QPushButton(tr("Decline"), frame_invite);
    auto* inviteRow = new QHBoxLayout(frame_invite);
    inviteRow->addWidget(label_invite, 1);
    inviteRow->addWidget(button_invitejoin);
    inviteRow->addWidget(button_decline);
    frame_invite->hide();

    // Games above the chat on the left, the people on the right.
    auto* gamesBox = new QWidget(this);
    auto* gamesLayout = new QVBoxLayout(gamesBox);
    gamesLayout->setContentsMargins(0, 0, 0, 0);
    gamesLayout->addWidget(plain(tr("Open games:"), gamesBox));
    gamesLayout->addWidget(table_games, 1);
    auto* gameButtons = new QHBoxLayout;
    gameButtons->addWidget(button_host);
    gameButtons->addStretch();
    gameButtons->addWidget(button_join);
    gamesLayout->addLayout(gameButtons);
    auto* chatBox = new QWidget(this);
    auto* chatLayout = new QVBoxLayout(chatBox);
    chatLayout->setContentsMargins(0, 0, 0, 0);
    chatLayout->addWidget(chatview, 1);
    auto* sayRow = new QHBoxLayout;
    sayRow->addWidget(edit_chat, 1);
    sayRow->addWidget(button_send);
    chatLayout->addLayout(sayRow);
    auto* left = new QSplitter(Qt::Vertical, this);
    left->addWidget(gamesBox);
    left->addWidget(chatBox);
    left->setStretchFactor(0, 1);
    left->setStretchFactor(1, 1);
    auto* peopleBox = new QWidget(this);
    auto* peopleLayout = new QVBoxLayout(peopleBox);
    peopleLayout->setContentsMargins(0, 0, 0, 0);
    peopleLayout->addWidget(plain(tr("In the room:"), peopleBox));
    peopleLayout->addWidget(list_people, 1);
    peopleLayout->addWidget(button_invite);
    auto* main = new QSplitter(Qt::Horizontal, this);
    main->addWidget(left);
    main->addWidget(peopleBox);
    main->setStretchFactor(0, 3);
    main->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_about);
    layout->addWidget(frame_signin);
    layout->addWidget(label_status);
    layout->addWidget(frame_invite);
    layout->addWidget(main, 1);
    resize(820, 600);

    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(RefreshMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &Tlobby::refresh);
    connect(button_signin, &QPushButton::clicked, this, [this] { signInClick(false); });
    connect(button_register, &QPushButton::clicked, this, [this] { signInClick(true); });
    connect(button_accept, &QPushButton::clicked, this, &Tlobby::acceptClick);
    connect(button_signout, &QPushButton::clicked, this, [this] {
        session_.stop();
        tell(tr("Signed out."));
    });
    for (QLineEdit* e : {edit_room, edit_account, edit_password, edit_server})
        connect(e, &QLineEdit::returnPressed, this, [this] { signInClick(false); });
    connect(button_send, &QPushButton::clicked, this, &Tlobby::sendClick);
    connect(edit_chat, &QLineEdit::returnPressed, this, &Tlobby::sendClick);
    connect(button_host, &QPushButton::clicked, this, [this] {
        if (hub_.hostGame) hub_.hostGame();
    });
    connect(button_join, &QPushButton::clicked, this, &Tlobby::joinClick);
    connect(table_games, &QTableWidget::cellDoubleClicked, this, &Tlobby::joinClick);
    connect(button_invite, &QPushButton::clicked, this, &Tlobby::inviteClick);
    connect(button_invitejoin, &QPushButton::clicked, this, &Tlobby::inviteJoinClick);
    connect(button_decline, &QPushButton::clicked, frame_invite, &QFrame::hide);
    connect(&probe_, &JoinProbe::finished, this, &Tlobby::probed);

    connect(&session_, &LobbySession::said, this, &Tlobby::tell);
    connect(&session_, &LobbySession::stateChanged, this, &Tlobby::stateChanged);
    connect(&session_, &LobbySession::needsPlayer, this, [this](XmppConnection::Failure why) {
        button_accept->setVisible(why == XmppConnection::Failure::Certificate);
        if (why == XmppConnection::Failure::Refused) edit_password->setFocus();
    });
    connect(&session_.room, &LobbyRoom::changed, this, &Tlobby::scheduleRefresh);
    connect(&session_.room, &LobbyRoom::chat, this, &Tlobby::chatLine);
    connect(&session_.room, &LobbyRoom::inviteOffered, this, &Tlobby::offered);
    stateChanged(session_.state());
    if (!session_.status().isEmpty()) tell(session_.status());
}

void Tlobby::tell(const QString& line) {
    told.append(line);
    label_status->setText(line);
}

void Tlobby::stateChanged(LobbySession::State s) {
    const bool busy = s == LobbySession::State::SigningIn || s == LobbySession::State::Entering;
    const bool in = s == LobbySession::State::InRoom;
    button_signin->setEnabled(!busy && !in);
    button_register->setEnabled(!busy && !in);
    button_signout->setEnabled(s != LobbySession::State::Off && s != LobbySession::State::Stopped);
    for (QLineEdit* e : {edit_room, edit_account, edit_password, edit_server})
        e->setEnabled(!busy && !in);
    edit_chat->setEnabled(in);
    button_send->setEnabled(in);
    button_invite->setEnabled(in);
    if (in) button_accept->hide();
    // Signed in, the form gives its room to what the room holds.
    frame_signin->setVisible(!in);
    label_about->setVisible(!in);
    scheduleRefresh();
}

void Tlobby::scheduleRefresh() {
    if (!refreshTimer_.isActive()) refreshTimer_.start();
}

void Tlobby::refresh() {
    const LobbyRoom& room = session_.room;
    // Drawn once when all is set, not once per row.
    list_people->setUpdatesEnabled(false);
    table_games->setUpdatesEnabled(false);
    // People: who is there, and who hosts a game.
    list_people->clear();
    for (const Person& p : room.sortedPeople()) {
        QString text = p.nick;
        if (p.game) text += p.game->running ? tr(" — playing") : tr(" — hosting");
        if (p.nick == room.nick()) text += tr(" (you)");
        auto* item = new QListWidgetItem(text, list_people);
        item->setData(Qt::UserRole, p.nick);
    }
    // Games: the one chosen stays chosen.
    const int row = table_games->currentRow();
    const QString chosen = row >= 0 && row < games_.size() ? games_[row].jid : QString();
    games_ = room.sortedGames();
    table_games->setRowCount(int(games_.size()));
    int keep = -1;
    for (int i = 0; i < games_.size(); ++i) {
        const LobbyGame& g = games_[i];
        table_games->setItem(i, ColHost, cell(g.name));
        table_games->setItem(i, ColPlayers,
                             cell(QStringLiteral("%1/2").arg(g.players), Qt::AlignCenter));
        table_games->setItem(i, ColSpys, cell(QString::number(g.spys), Qt::AlignCenter));
        table_games->setItem(i, ColState, cell(g.running ? tr("running") : tr("waiting")));
        table_games->setItem(i, ColLock,
                             cell(g.isPrivate ? tr("🔒 invite") : QString(), Qt::AlignCenter));
        table_games->setItem(i, ColWay,
                             cell(g.addresses.isEmpty() ? tr("no address") : tr("directly")));
        if (keep < 0 && g.jid == chosen) keep = i;
    }
    if (keep < 0 && !games_.isEmpty() && table_games->currentRow() < 0) keep = 0;
    if (keep >= 0) table_games->selectRow(keep);
    list_people->setUpdatesEnabled(true);
    table_games->setUpdatesEnabled(true);
    button_join->setEnabled(!games_.isEmpty());
}

void Tlobby::chatLine(const QString& nick, const QString& text, bool own) {
    // The prefix ends at the first ':', so a name cannot carry one.
    QString name = nick;
    name.replace(QLatin1Char(':'), QLatin1Char(' '));
    chatview->addLine(QStringLiteral("%1+%2: %3").arg(own ? 2 : 1).arg(name, text),
                      own ? chat::ColorValue(0x00804000) : chat::ColorValue(0x00202020));
}

void Tlobby::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    refresh();
    if (firstFocus_ || session_.inRoom()) {
        firstFocus_ = false;
        // The games have the keys: Return joins the first one at once.
        table_games->setFocus();
        if (!games_.isEmpty() && table_games->currentRow() < 0) table_games->selectRow(0);
    }
}

bool Tlobby::eventFilter(QObject* o, QEvent* e) {
    if (o == table_games && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            joinClick();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

} // namespace lobby
