// Playing with others from inside the game: File > "Host a Game…" and
// "Join a Game…" start the program again in the chosen mode.
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include "address_kind.h"
#include "catalogue.h"
#include "codepage.h"
#include "discovery.h"
#include "host_join_dialogs.h"
#include "invite_link.h"
#include "lobby_hub.h"
#include "port_mapping.h"
#include "settings.h"
#include "tchat.h"

namespace {
// Set for a copy started by the Host dialog: it opens its own Host dialog,
// where the hosting player sees how friends reach the game.
constexpr char ShowWaysIn[] = "KELVOA_SHOW_WAYS_IN";
} // namespace

void Tchat::setPortMapper(PortMapper* m) {
    portmapper_ = m;
    if (m) connect(m, &PortMapper::changed, this, &Tchat::routerAnswered);
}

void Tchat::openRouter(quint16 port) {
    if (!routerWanted_) return; // a solo game is nobody else's business
    if (qEnvironmentVariableIsSet(ShowWaysIn)) {
        qunsetenv(ShowWaysIn);
        QTimer::singleShot(0, this, &Tchat::openHostDialog);
    }
    if (portmapper_) portmapper_->open(port ? port : gamePort.toUShort());
    const SettingsValues v = Settings(settingsFolder).load();
    if (v.lobbyList && !v.lobbyRoom.isEmpty()) lobbyHub()->startListing();
}

void Tchat::routerAnswered(const Reachability& r) {
    if (hostDialog_) hostDialog_->setReachability(r);
    if (r.state == Reachability::NotAsked || r.state == Reachability::Asking) return;
    // Told once per change for the better or the worse; the dialog says why.
    const QString line =
        r.state == Reachability::Open && !r.external.isNull()
            ? (QStringLiteral("0+") + tr("Friends on the internet join you at %1."))
                  .arg(r.external.toString())
        : r.state == Reachability::Open
            ? QStringLiteral("0+") + tr("Your router lets friends on the internet in.")
            : QStringLiteral("0+") + tr("Friends on the internet cannot reach this game yet. "
                                        "File > Host a Game… tells why.");
    if (line == routerSaid_) return;
    routerSaid_ = line;
    addlinetochat(line, systemcolor);
}

HostGameDialog* Tchat::hostDialog() const {
    return hostDialog_;
}

JoinGameDialog* Tchat::joinDialog() const {
    return joinDialog_;
}

void Tchat::openHostDialog() {
    if (!hostDialog_) {
        const SettingsValues v = Settings(settingsFolder).load();
        hostDialog_ = new HostGameDialog(routerWanted_ ? playername : v.playerName,
                                         GameFinder::ownAddresses(), this);
        hostDialog_->setAttribute(Qt::WA_DeleteOnClose);
        if (routerWanted_ && ishost) hostDialog_->setHosting();
        hostDialog_->setIPv6Addresses(globalIPv6Addresses());
        if (portmapper_) hostDialog_->setReachability(portmapper_->reachability());
        hostDialog_->privateBox->setChecked(v.hostPrivate);
        // Listing needs a lobby: until one is set, the box says where to set it.
        hostDialog_->listBox->setEnabled(!v.lobbyRoom.isEmpty());
        hostDialog_->listBox->setChecked(v.lobbyList && !v.lobbyRoom.isEmpty());
        if (v.lobbyRoom.isEmpty())
            hostDialog_->listBox->setToolTip(tr("Set a lobby first: File > Public Lobby…"));
        hostDialog_->hostingHere = ishost;
        hostDialog_->inviteCode = inviteCode;
        hostDialog_->gamePort = wire::GamePort;
        connect(hostDialog_, &HostGameDialog::hostRequested, this, [this](const QString& name) {
            const bool privately = hostDialog_->privateBox->isChecked();
            Settings(settingsFolder).saveLastGame(name);
            // Written only when changed: every other byte of the file is the lobby's.
            if (privately != Settings(settingsFolder).load().hostPrivate)
                Settings(settingsFolder).saveHostPrivate(privately);
            const bool listed = hostDialog_->listBox->isChecked();
            if (hostDialog_->listBox->isEnabled() &&
                listed != Settings(settingsFolder).load().lobbyList)
                Settings(settingsFolder).saveLobbyList(listed);
            // The new copy makes the code; it only learns that it is to be private.
            passToNewCopy({}, privately);
            // The new copy shows where friends reach it once the router answered.
            qputenv(ShowWaysIn, "1");
            if (restartAs(hostCommandLine(name))) return;
            qunsetenv(ShowWaysIn);
            passToNewCopy({}, false);
            if (hostDialog_) {
                hostDialog_->showProblem(tr("Kelvoa could not be started again."));
            }
        });
    }
    showWindow(hostDialog_);
}

void Tchat::openJoinDialog() {
    if (!joinDialog_) {
        const SettingsValues v = Settings(settingsFolder).load();
        joinDialog_ = new JoinGameDialog(v.playerName, v.lastHost, this);
        joinDialog_->setAttribute(Qt::WA_DeleteOnClose);
        joinDialog_->finder.port = discoveryPort;
        joinDialog_->gamePort = gamePort.toUShort();
        joinDialog_->probe.timeoutMs = joinProbeTimeoutMs;
        joinDialog_->hostingHere = ishost;
        connect(joinDialog_, &JoinGameDialog::lobbyRequested, this, [this] { openLobby(); });
        connect(joinDialog_, &JoinGameDialog::joinRequested, this,
                [this](const QString& name, const QString& address) {
                    Settings(settingsFolder).saveLastGame(name, address);
                    passToNewCopy(joinDialog_->inviteCode, false);
                    if (!restartAs(joinCommandLine(name, address)) && joinDialog_) {
                        passToNewCopy({}, false);
                        joinDialog_->showProblem(tr("Kelvoa could not be started again."));
                    }
                });
        joinDialog_->refresh();
    }
    showWindow(joinDialog_);
}

void Tchat::openJoinDialogFrom(const QString& link) {
    openJoinDialog();
    joinDialog_->fillFromLink(link);
}

bool Tchat::restartAs(const QStringList& params) {
    const QString program = QCoreApplication::applicationFilePath();
    if (!QFileInfo(program).isExecutable()) return false;
    // The new copy takes over the game port and the named lock; the lobby
    // hears at once that this copy's game is gone.
    if (lobbyhub_) lobbyhub_->session.stop();
    lock_.release();
    if (stopHost) stopHost();
    if (!starter_->start(program, params)) {
        lock_.reacquire();
        try {
            if (ishost && startHost) openRouter(startHost());
        } catch (const ESockException&) {
            // The port went to another program meanwhile; this copy plays on unreachable.
        }
        return false;
    }
    // The usual way out, so the settings and the tally are written.
    close();
    return true;
}

// ---- the public lobby ----

lobby::LobbyHub* Tchat::lobbyHub() {
    if (lobbyhub_) return lobbyhub_;
    lobbyhub_ = new lobby::LobbyHub(settingsFolder, this);
    const QString saved = Settings(settingsFolder).load().playerName;
    lobbyhub_->playerName = routerWanted_ ? playername : saved;
    lobbyhub_->hostGame = [this] {
        openHostDialog();
        if (hostDialog_ && hostDialog_->listBox->isEnabled())
            hostDialog_->listBox->setChecked(true);
    };
    lobbyhub_->joinGame = [this](const QString& nick, const QString& address, const QString& code) {
        const QString own = Settings(settingsFolder).load().playerName;
        const QString name = nameProblem(own).isEmpty() ? own : nick;
        Settings(settingsFolder).saveLastGame(name, address);
        passToNewCopy(code, false);
        if (!restartAs(joinCommandLine(name, address))) passToNewCopy({}, false);
    };
    lobbyhub_->inviteLink = [this] { return lobbyInviteLink(); };
    lobbyhub_->describeGame = [this]() -> std::optional<lobby::LobbyGame> {
        if (!ishost || !routerWanted_ || !describeHost) return std::nullopt;
        const discovery::GameInfo info = describeHost();
        lobby::LobbyGame g;
        g.name = wire::decode(info.name);
        if (g.name.isEmpty()) g.name = playername;
        g.players = info.players;
        g.spys = info.spys;
        g.running = info.running;
        g.isPrivate = !inviteCode.isEmpty();
        g.version = QString::fromLatin1(info.version);
        const quint16 port = wire::GamePort;
        // Every way in this copy knows: the router's, IPv6, this network.
        if (portmapper_) {
            const Reachability r = portmapper_->reachability();
            if (r.state == Reachability::Open && !r.external.isNull())
                g.addresses << QStringLiteral("%1:%2").arg(r.external.toString()).arg(port);
        }
        for (const QHostAddress& a : globalIPv6Addresses())
            g.addresses << QStringLiteral("[%1]:%2").arg(a.toString()).arg(port);
        for (const QHostAddress& a : GameFinder::ownAddresses())
            g.addresses << QStringLiteral("%1:%2").arg(a.toString()).arg(port);
        return g;
    };
    return lobbyhub_;
}

QString Tchat::lobbyInviteLink() const {
    if (!ishost || !routerWanted_) return {};
    invite::Link link;
    link.code = inviteCode;
    const Reachability r = portmapper_ ? portmapper_->reachability() : Reachability{};
    const QList<QHostAddress> v6 = globalIPv6Addresses();
    const QList<QHostAddress> lan = GameFinder::ownAddresses();
    if (r.state == Reachability::Open && !r.external.isNull())
        link.address.host = r.external.toString();
    else if (!v6.isEmpty())
        link.address.host = v6.first().toString();
    else if (!lan.isEmpty())
        link.address.host = lan.first().toString();
    else
        return {};
    return invite::linkText(link);
}

void Tchat::openLobby(const QString& room) {
    lobbyHub()->openWindow(room);
}

void Tchat::openLobbyFrom(const QString& uri) {
    // xmpp:ROOM?join, the room percent-encoded as such addresses are.
    QString room = QUrl::fromPercentEncoding(uri.mid(5).toUtf8());
    room = room.section(QLatin1Char('?'), 0, 0).left(300);
    if (room.startsWith(QLatin1String("//"))) room = room.mid(2);
    openLobby(room);
}
