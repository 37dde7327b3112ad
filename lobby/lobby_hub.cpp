#include "lobby_hub.h"

#include "settings.h"
#include "tlobby.h"

namespace lobby {

LobbyHub::LobbyHub(const QString& folder, QObject* parent)
    : QObject(parent), settingsFolder(folder) {
    listTimer_.setInterval(ListPollMs);
    connect(&listTimer_, &QTimer::timeout, this, &LobbyHub::updateGame);
    connect(&session, &LobbySession::gameListed, this, [this] {
        // Said on the standard error for scripts and the end-to-end test.
        qInfo("Kelvoa lobby: game listed in %s", qPrintable(session.config().room));
    });
}

LobbyHub::~LobbyHub() {
    delete window_;
    session.stop();
}

Tlobby* LobbyHub::window() const {
    return window_;
}

LobbyConfig LobbyHub::storedConfig() const {
    const SettingsValues v = Settings(settingsFolder).load();
    LobbyConfig c;
    c.account = v.lobbyAccount;
    c.room = v.lobbyRoom;
    c.server = v.lobbyServer;
    c.certificate = v.lobbyCertificate;
    c.nick = playerName.isEmpty() ? v.playerName : playerName;
    if (c.nick.trimmed().isEmpty()) c.nick = QStringLiteral("Player");
    return c;
}

void LobbyHub::openWindow(const QString& room) {
    if (!window_) window_ = new Tlobby(*this);
    window_->fillForm(room);
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (session.state() == LobbySession::State::Off) window_->signInWhenReady();
}

void LobbyHub::startListing() {
    const SettingsValues v = Settings(settingsFolder).load();
    if (!v.lobbyList || v.lobbyRoom.isEmpty() || v.lobbyAccount.isEmpty()) return;
    listTimer_.start();
    updateGame();
    if (session.state() != LobbySession::State::Off) return;
    const LobbyConfig c = storedConfig();
    if (!roomProblem(c.room).isEmpty() || !accountProblem(c.account).isEmpty()) return;
    if (!c.account.contains(QLatin1Char('@'))) {
        session.start(c, {});
        return;
    }
    QPointer<LobbyHub> self(this);
    passwords_->read(c.account, [self, c](bool, const QString& password) {
        if (!self) return;
        if (!password.isEmpty())
            self->session.start(c, password);
        else
            self->openWindow(); // no keyring, or nothing kept: the player gives it
    });
}

void LobbyHub::stopListing() {
    listTimer_.stop();
    session.setGame(std::nullopt);
}

void LobbyHub::updateGame() {
    session.setGame(describeGame ? describeGame() : std::nullopt);
}

} // namespace lobby
