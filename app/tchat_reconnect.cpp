// Coming back after a dropped line.
//
// The host gives every joined connection a seat key (CMD_seatkey). When the
// connection closes or dies and the user neither left nor was removed
// (CMD_kicked), the window stays as it is and the client connects again by
// itself, after 1, 2, 4 ... seconds and at most 10 seconds apart, for a
// while; then it offers Reconnect and Close. Each new connection presents
// the key (CMD_rejoin) right before its login, in the same answer to
// CMD_sendlogininfo as every other pre-login message (an empty one on the
// first login asks for a key), so a host that kept
// the slot moves us back into it and sends the running game's snapshot.
// A host that gives no key keeps no slot: the window closes as it always did.
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>

#include "catalogue.h"
#include "tchat.h"
#include "tspylist.h"

namespace {
constexpr int FirstDelayMs = 1000;
constexpr int LongestDelayMs = 10000;
constexpr int BarWidth = 520;
constexpr int BarHeight = 36;

QString forHowLong(int seconds) {
    if (seconds >= 60 && seconds % 60 == 0) {
        const int m = seconds / 60;
        return m == 1 ? Tchat::tr("1 minute") : Tchat::tr("%n minutes", nullptr, m);
    }
    return seconds == 1 ? Tchat::tr("1 second") : Tchat::tr("%n seconds", nullptr, seconds);
}
} // namespace

void Tchat::buildReconnect() {
    reconnectbar = new QFrame(centralWidget());
    reconnectbar->setObjectName(QStringLiteral("reconnectbar"));
    reconnectbar->setStyleSheet(QStringLiteral(
        "#reconnectbar { background: rgb(246,228,170); border: 2px solid rgb(74,52,34);"
        " border-radius: 6px; }"
        "QLabel { color: rgb(60,36,16); font-weight: bold; }"));
    auto* row = new QHBoxLayout(reconnectbar);
    row->setContentsMargins(12, 3, 6, 3);
    label_reconnect = new QLabel(reconnectbar);
    label_reconnect->setObjectName(QStringLiteral("label_reconnect"));
    button_reconnect = new QPushButton(tr("Reconnect"), reconnectbar);
    button_reconnect->setObjectName(QStringLiteral("button_reconnect"));
    button_closeconn = new QPushButton(tr("Close"), reconnectbar);
    button_closeconn->setObjectName(QStringLiteral("button_closeconn"));
    row->addWidget(label_reconnect, 1);
    row->addWidget(button_reconnect);
    row->addWidget(button_closeconn);
    reconnectbar->hide();
    connect(button_reconnect, &QPushButton::clicked, this, [this] {
        reconnecting_ = false;
        startReconnecting();
        reconnectAttempt();
    });
    connect(button_closeconn, &QPushButton::clicked, this, &QWidget::close);

    reconnectTimer_.setSingleShot(true);
    connect(&reconnectTimer_, &QTimer::timeout, this, &Tchat::reconnectAttempt);

    handlers_.insert(QString::fromLatin1(cmd::SeatKey), &Tchat::seatkeyMessage);
    handlers_.insert(QString::fromLatin1(cmd::Kicked), &Tchat::kickedMessage);
    handlers_.insert(QString::fromLatin1(cmd::SeatHeld), &Tchat::seatheldMessage);
    handlers_.insert(QString::fromLatin1(cmd::SeatBack), &Tchat::seatbackMessage);
}

void Tchat::placeReconnectBar() {
    if (!reconnectbar) return;
    const int w = qMin(BarWidth, centralWidget()->width() - 8);
    reconnectbar->setGeometry((centralWidget()->width() - w) / 2, 4, w, BarHeight);
    reconnectbar->raise();
}

bool Tchat::connectionLost() {
    // The removal may still wait in the queue when the close is reported.
    const QString removal = QString::fromLatin1(cmd::Kicked) + QLatin1Char('+');
    for (const QString& m : receivedlist)
        if (m.startsWith(removal)) kicked = true;
    // The user left, the host removed us, or this copy is the host itself.
    if (closing_ || kicked || ishost) return false;
    if (reconnecting_) return true; // an attempt ended early; the next one is due
    if (seatkey_.isEmpty()) return false;
    startReconnecting();
    return true;
}

void Tchat::startReconnecting() {
    reconnecting_ = true;
    if (!seatkey_.isEmpty()) rejoinkey_ = seatkey_;
    seatkey_.clear();
    // Nothing may be sent while there is no connection.
    loggedin = false;
    receivebuffer.clear();
    lostAt_.start();
    reconnectDelayMs_ = FirstDelayMs;
    label_reconnect->setText(tr("Connection lost — reconnecting…"));
    button_reconnect->hide();
    button_closeconn->hide();
    placeReconnectBar();
    reconnectbar->show();
    reconnectTimer_.start(reconnectDelayMs_);
}

void Tchat::reconnectAttempt() {
    if (!reconnecting_ || closing_) return;
    if (lostAt_.elapsed() >= reconnectForMs) {
        // Long enough by itself: the user decides. (Still reconnecting while
        // the socket closes, so the close does not end the window.)
        sock->Close();
        reconnecting_ = false;
        label_reconnect->setText(tr("The connection to the host is lost."));
        button_reconnect->show();
        button_closeconn->show();
        return;
    }
    // A connection that is up is logging in; it is not cut for a new one.
    if (!sock->connected()) {
        receivebuffer.clear();
        try {
            sock->Open();
        } catch (const ESockException&) {
            // The next attempt tries again; the user is not asked every time.
        }
    }
    const qint64 left = reconnectForMs - lostAt_.elapsed();
    reconnectTimer_.start(static_cast<int>(qBound(qint64(0), qint64(reconnectDelayMs_), left)));
    reconnectDelayMs_ = qMin(reconnectDelayMs_ * 2, LongestDelayMs);
}

void Tchat::rejoinBeforeLogin() {
    // The hosting user's own client ends with the host; it never comes back.
    if (ishost) return;
    // Without a key yet, it tells the host that this client can come back.
    send(wire::rejoin(myseat, rejoinkey_));
    if (!reconnecting_) return;
    // What was shown before the drop is replaced by what the host tells now:
    // the roster comes again, and the snapshot lists only chips off start.
    if (windows_.spylist) windows_.spylist->listbox_spys->clear();
    // The turns played while away were not seen: the record so far is kept
    // as it stands, and no more of this game is written.
    gamerecord.breakOff();
    keepEndedGame(false);
    for (int seat = 1; seat <= 2; ++seat)
        for (int chip = 1; chip <= 7; ++chip)
            turnflow->setChip(seat, chip, 0);
}

bool Tchat::reconnected() {
    if (!reconnecting_ && !reconnectbar->isVisible()) return false;
    const bool wasAway = reconnecting_;
    reconnecting_ = false;
    reconnectTimer_.stop();
    rejoinkey_.clear();
    reconnectbar->hide();
    return wasAway;
}

void Tchat::leaveForGood() {
    reconnectTimer_.stop();
    reconnecting_ = false;
    if (seatkey_.isEmpty() || !loggedin || !sock->connected()) return;
    // The host keeps no slot for a user who left; the close lets the
    // message go out before the connection ends.
    send(wire::leaving(myseat));
    sock->OnInfo = nullptr;
    sock->Close();
}

void Tchat::seatkeyMessage(const QString& rest) {
    wire::TextFields f(rest);
    if (f.number() != myseat) return;
    seatkey_ = f.next().toLatin1();
}

void Tchat::kickedMessage(const QString&) {
    kicked = true;
    seatkey_.clear();
}

void Tchat::seatheldMessage(const QString& rest) {
    wire::TextFields f(rest);
    f.number();
    const int seconds = f.number();
    addlinetochat(QStringLiteral("0+") + tr("%1 lost the connection; the seat is kept for %2.")
                                             .arg(f.rest(), forHowLong(seconds)),
                  systemcolor);
}

void Tchat::seatbackMessage(const QString& rest) {
    wire::TextFields f(rest);
    f.number();
    addlinetochat(QStringLiteral("0+") + tr("%1 is back.").arg(f.rest()), systemcolor);
}
