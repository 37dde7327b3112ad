// Playing with others from inside the game: File > "Host a Game…" and
// "Join a Game…" start the program again in the chosen mode.
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include "address_kind.h"
#include "catalogue.h"
#include "host_join_dialogs.h"
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
        hostDialog_->hostingHere = ishost;
        hostDialog_->inviteCode = inviteCode;
        hostDialog_->gamePort = wire::GamePort;
        connect(hostDialog_, &HostGameDialog::hostRequested, this, [this](const QString& name) {
            const bool privately = hostDialog_->privateBox->isChecked();
            Settings(settingsFolder).saveLastGame(name);
            // Written only when changed: every other byte of the file is the lobby's.
            if (privately != Settings(settingsFolder).load().hostPrivate)
                Settings(settingsFolder).saveHostPrivate(privately);
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
    // The new copy takes over the game port and the named lock.
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
