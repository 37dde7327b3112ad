#include "lobby_session.h"

#include <QRegularExpression>

namespace lobby {

namespace {
bool goodDomain(const QString& d) {
    static const QRegularExpression name(
        QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]{0,62})(\\.[A-Za-z0-9]([A-Za-z0-9-]{0,62}))*$"));
    return d.size() <= 253 && name.match(d).hasMatch();
}
bool goodNode(const QString& n) {
    static const QRegularExpression bad(QStringLiteral("[\\s\"&'/:<>@]"));
    return !n.isEmpty() && n.size() <= 64 && !bad.match(n).hasMatch();
}
} // namespace

QString roomProblem(const QString& room) {
    if (room.isEmpty()) return LobbySession::tr("Give the lobby's room, as room@service.");
    const int at = room.indexOf(QLatin1Char('@'));
    if (at <= 0 || !goodNode(room.left(at)) || !goodDomain(room.mid(at + 1)))
        return LobbySession::tr(
            "A room is written room@service, e.g. lobby@conference.example.org.");
    return {};
}

QString accountProblem(const QString& account) {
    if (account.isEmpty())
        return LobbySession::tr(
            "Give your account (name@domain), or a domain to sign in without one.");
    const int at = account.indexOf(QLatin1Char('@'));
    if (at < 0) {
        if (!goodDomain(account)) return LobbySession::tr("%1 is no domain.").arg(account);
        return {};
    }
    if (!goodNode(account.left(at)) || !goodDomain(account.mid(at + 1)))
        return LobbySession::tr("An account is written name@domain.");
    return {};
}

LobbySession::LobbySession(QObject* parent) : QObject(parent) {
    retryTimer_.setSingleShot(true);
    connect(&retryTimer_, &QTimer::timeout, this, &LobbySession::retry);
    gameTimer_.setSingleShot(true);
    connect(&gameTimer_, &QTimer::timeout, this, &LobbySession::sendPresence);
    connect(&connection, &XmppConnection::online, this, &LobbySession::connectionOnline);
    connect(&connection, &XmppConnection::failed, this, &LobbySession::connectionFailed);
    connect(&connection, &XmppConnection::stanzaArrived, &room, &LobbyRoom::handle);
    connect(&connection, &XmppConnection::registered, this,
            [this] { tell(tr("Your account %1 was made.").arg(config_.account)); });
    connect(&room, &LobbyRoom::renamed, this, [this](const QString& from, const QString& nick) {
        tell(tr("The name %1 is taken here: you are %2.").arg(from, nick));
        connection.send(room.joinPresence());
    });
    connect(&room, &LobbyRoom::joinedRoom, this, [this](const QString& nick) {
        nextRetryMs_ = retryMs;
        setState(State::InRoom);
        tell(tr("You are in %1 as %2.").arg(config_.room, nick));
        if (room.ownGame()) emit gameListed();
    });
    connect(&room, &LobbyRoom::refused, this, [this](const QString& line) {
        tell(line);
        setState(State::Stopped);
        connection.signOut();
    });
}

LobbySession::~LobbySession() {
    stop();
}

void LobbySession::setState(State s) {
    if (s == state_) return;
    state_ = s;
    emit stateChanged(s);
}

void LobbySession::tell(const QString& line) {
    status_ = line;
    emit said(line);
}

void LobbySession::start(const LobbyConfig& config, const QString& password, bool createAccount) {
    config_ = config;
    password_ = password;
    nextRetryMs_ = retryMs;
    begin(createAccount);
}

void LobbySession::begin(bool createAccount) {
    const LobbyConfig& config = config_;
    retryTimer_.stop();
    Account a;
    a.jid = config.account;
    a.password = password_;
    if (!config.server.isEmpty() && !readServer(config.server, &a.server, &a.port)) {
        tell(tr("The lobby's server %1 is not written host or host:port.").arg(config.server));
        setState(State::Stopped);
        return;
    }
    connection.acceptedCertificate = config.certificate;
    room.reset(config.room, config.nick);
    setState(State::SigningIn);
    tell(createAccount ? tr("Making the account %1…").arg(config.account)
                       : tr("Signing in to %1…").arg(a.domain()));
    connection.signIn(a, createAccount);
}

void LobbySession::stop() {
    retryTimer_.stop();
    gameTimer_.stop();
    if (connection.isOnline() && room.joined()) connection.send(room.leavePresence());
    connection.signOut();
    setState(State::Off);
}

void LobbySession::acceptCertificate(const QString& fingerprint) {
    config_.certificate = fingerprint;
    start(config_, password_);
}

void LobbySession::connectionOnline() {
    setState(State::Entering);
    tell(tr("Entering %1…").arg(config_.room));
    lastPresence_.start();
    if (room.ownGame()) {
        LobbyGame g = *room.ownGame();
        g.jid = connection.boundJid();
        room.setOwnGame(g);
    }
    connection.send(room.joinPresence());
}

void LobbySession::connectionFailed(XmppConnection::Failure why, const QString& detail) {
    using F = XmppConnection::Failure;
    // Signed out on purpose (the room refused, the player left): no failure.
    if (state_ == State::Stopped || state_ == State::Off) return;
    const QString domain = Account{config_.account, {}, {}, 0}.domain();
    const QString more = detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(detail);
    switch (why) {
    case F::Refused:
        tell(tr("%1 refused the account %2 or its password.").arg(domain, config_.account));
        break;
    case F::Registration:
        tell(tr("%1 refused to make the account%2.").arg(domain, more));
        break;
    case F::NameTaken:
        tell(tr("The account %1 exists already: sign in with its password.").arg(config_.account));
        break;
    case F::Certificate:
        tell(
            tr("The certificate of %1 could not be verified%2: it is refused unless you accept it.")
                .arg(domain, more));
        break;
    case F::NoAnswer:
    case F::Gone: {
        // Worth trying again by itself: the server may come back.
        tell((why == F::Gone ? tr("The lobby's server %3 went away%1; trying again in %2 s.")
                             : tr("The lobby's server %3 does not answer%1; trying again in %2 s."))
                 .arg(more)
                 .arg(nextRetryMs_ / 1000)
                 .arg(domain));
        setState(State::Waiting);
        retryTimer_.start(nextRetryMs_);
        nextRetryMs_ = qMin(nextRetryMs_ * 2, MaxRetryMs);
        return;
    }
    }
    setState(State::Stopped);
    emit needsPlayer(why);
}

void LobbySession::retry() {
    // The pauses keep growing until the room is entered.
    begin(false);
}

void LobbySession::setGame(std::optional<LobbyGame> game) {
    // Others send invites (and relay requests) to this copy's own address.
    if (game) game->jid = connection.boundJid();
    if (game == room.ownGame()) return;
    room.setOwnGame(game);
    if (!connection.isOnline()) return;
    // At most one presence a second: a burst of changes goes out as its last state.
    const qint64 since = lastPresence_.isValid() ? lastPresence_.elapsed() : MinGameIntervalMs;
    if (since >= MinGameIntervalMs && !gameTimer_.isActive())
        sendPresence();
    else if (!gameTimer_.isActive())
        gameTimer_.start(int(MinGameIntervalMs - qMin<qint64>(since, MinGameIntervalMs)));
}

void LobbySession::sendPresence() {
    if (!connection.isOnline()) return;
    lastPresence_.start();
    connection.send(room.joinPresence());
    if (room.joined() && room.ownGame()) emit gameListed();
}

void LobbySession::sendChat(const QString& text) {
    if (!inRoom() || text.trimmed().isEmpty()) return;
    connection.send(room.chatMessage(text));
}

void LobbySession::invite(const QString& nick, const QString& link) {
    if (!inRoom()) return;
    connection.send(room.inviteMessage(nick, link));
}

} // namespace lobby
