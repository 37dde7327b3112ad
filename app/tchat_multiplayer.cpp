// Playing with others from inside the game: File > "Host a Game…" and
// "Join a Game…" start the program again in the chosen mode.
#include <QCoreApplication>
#include <QFileInfo>

#include "catalogue.h"
#include "host_join_dialogs.h"
#include "settings.h"
#include "tchat.h"

HostGameDialog* Tchat::hostDialog() const {
    return hostDialog_;
}

JoinGameDialog* Tchat::joinDialog() const {
    return joinDialog_;
}

void Tchat::openHostDialog() {
    if (!hostDialog_) {
        const SettingsValues v = Settings(settingsFolder).load();
        hostDialog_ = new HostGameDialog(v.playerName, GameFinder::ownAddresses(), this);
        hostDialog_->setAttribute(Qt::WA_DeleteOnClose);
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
            if (!restartAs(hostCommandLine(name)) && hostDialog_) {
                passToNewCopy({}, false);
                hostDialog_->showProblem(QStringLiteral("Kelvoa could not be started again."));
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
                        joinDialog_->showProblem(
                            QStringLiteral("Kelvoa could not be started again."));
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
            if (ishost && startHost) startHost();
        } catch (const ESockException&) {
            // The port went to another program meanwhile; this copy plays on unreachable.
        }
        return false;
    }
    // The usual way out, so the settings and the tally are written.
    close();
    return true;
}
