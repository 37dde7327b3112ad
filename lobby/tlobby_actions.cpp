// What the lobby window's buttons do: sign in, send, join, invite.
#include "invite_link.h"
#include "lobby_hub.h"
#include "settings.h"
#include "tlobby.h"

namespace lobby {

void Tlobby::fillForm(const QString& room) {
    const LobbyConfig c = hub_.storedConfig();
    if (edit_room->text().isEmpty() || !room.isEmpty())
        edit_room->setText(room.isEmpty() ? c.room : room);
    if (edit_account->text().isEmpty()) edit_account->setText(c.account);
    if (edit_server->text().isEmpty()) edit_server->setText(c.server);
}

void Tlobby::signInWhenReady() {
    const QString room = edit_room->text().trimmed();
    const QString account = edit_account->text().trimmed();
    if (!roomProblem(room).isEmpty() || !accountProblem(account).isEmpty()) {
        // Nothing set yet: the form says what a lobby is and waits.
        (room.isEmpty() ? edit_room : edit_account)->setFocus();
        return;
    }
    if (!account.contains(QLatin1Char('@'))) {
        signInClick(false);
        return;
    }
    QPointer<Tlobby> self(this);
    hub_.passwords().read(account, [self, account](bool keyring, const QString& password) {
        if (!self || self->edit_account->text().trimmed() != account) return;
        if (!password.isEmpty()) {
            self->edit_password->setText(password);
            self->signInClick(false);
            return;
        }
        self->tell(
            keyring
                ? tr("Give the password of %1.").arg(account)
                : tr("No keyring answers: give the password of %1 (it is not kept).").arg(account));
        self->edit_password->setFocus();
    });
}

void Tlobby::signInClick(bool createAccount) {
    const QString room = edit_room->text().trimmed();
    const QString account = edit_account->text().trimmed();
    const QString server = edit_server->text().trimmed();
    QString problem = roomProblem(room);
    if (problem.isEmpty()) problem = accountProblem(account);
    const bool anonymous = !account.contains(QLatin1Char('@'));
    if (problem.isEmpty() && createAccount && anonymous)
        problem = tr("An account to make is written name@domain.");
    if (problem.isEmpty() && !anonymous && edit_password->text().isEmpty())
        problem = tr("Give the password of %1.").arg(account);
    if (problem.isEmpty() && !server.isEmpty() && !readServer(server, nullptr, nullptr))
        problem = tr("The server is written host or host:port.");
    if (!problem.isEmpty()) {
        tell(problem);
        return;
    }
    Settings settings(hub_.settingsFolder);
    SettingsValues v = settings.load();
    if (v.lobbyRoom != room || v.lobbyAccount != account || v.lobbyServer != server) {
        // Another server's certificate is not the one accepted before.
        if (v.lobbyAccount.section(QLatin1Char('@'), -1) != account.section(QLatin1Char('@'), -1) ||
            v.lobbyServer != server)
            v.lobbyCertificate.clear();
        v.lobbyRoom = room;
        v.lobbyAccount = account;
        v.lobbyServer = server;
        settings.saveLobby(v);
    }
    if (!anonymous) hub_.passwords().write(account, edit_password->text());
    LobbyConfig c = hub_.storedConfig();
    session_.start(c, anonymous ? QString() : edit_password->text(), createAccount);
}

void Tlobby::acceptClick() {
    const QString fp = session_.refusedCertificate();
    if (fp.isEmpty()) return;
    Settings settings(hub_.settingsFolder);
    SettingsValues v = settings.load();
    v.lobbyCertificate = fp;
    settings.saveLobby(v);
    button_accept->hide();
    tell(tr("Certificate %1 accepted.").arg(fp.left(23) + QStringLiteral("…")));
    session_.acceptCertificate(fp);
}

void Tlobby::sendClick() {
    const QString text = edit_chat->text();
    if (text.trimmed().isEmpty() || !session_.inRoom()) return;
    session_.sendChat(text);
    edit_chat->clear();
}

void Tlobby::joinClick() {
    const int row = table_games->currentRow();
    if (row < 0 || row >= games_.size() || probe_.running()) return;
    const LobbyGame g = games_[row];
    // A private game needs the code of an invite its host sent.
    QString code;
    if (g.isPrivate) {
        // The invite of the person whose presence lists this game.
        QString link;
        for (const Person& p : session_.room.people())
            if (p.game && p.game->jid == g.jid) link = offers_.value(p.nick);
        const auto read = invite::readLink(link);
        if (!read || read->code.isEmpty()) {
            tell(tr("%1's game is private: ask %1 for an invite.").arg(g.name));
            return;
        }
        code = read->code;
    }
    if (g.addresses.isEmpty()) {
        tell(tr("%1's game gives no address to reach it by.").arg(g.name));
        return;
    }
    joining_ = g.name;
    joiningCode_ = code;
    toTry_ = joinOrder(g.addresses);
    joinClock_.start();
    button_join->setEnabled(false);
    tell(tr("Connecting to %1's game directly…").arg(g.name));
    tryNextAddress();
}

void Tlobby::tryNextAddress() {
    const int left = JoinBudgetMs - int(joinClock_.elapsed());
    if (toTry_.isEmpty() || left <= 200) {
        button_join->setEnabled(true);
        tell(tr("No way into %1's game answered.").arg(joining_));
        return;
    }
    probing_ = toTry_.takeFirst();
    const auto a = invite::readAddress(probing_);
    if (!a) {
        tryNextAddress();
        return;
    }
    probe_.timeoutMs = qMin(ProbePerAddressMs, left);
    probe_.start(a->host, a->port);
}

void Tlobby::probed(JoinProbe::Result r) {
    if (r == JoinProbe::NoGame) {
        tryNextAddress();
        return;
    }
    button_join->setEnabled(true);
    toTry_.clear();
    if (r == JoinProbe::Full) {
        tell(tr("%1's game is full.").arg(joining_));
        return;
    }
    tell(tr("Joining %1's game at %2…").arg(joining_, probing_));
    if (hub_.joinGame) hub_.joinGame(session_.room.nick(), probing_, joiningCode_);
}

void Tlobby::inviteClick() {
    const QListWidgetItem* item = list_people->currentItem();
    if (!item) {
        tell(tr("Choose whom to invite in the list of people."));
        return;
    }
    const QString nick = item->data(Qt::UserRole).toString();
    const QString link = hub_.inviteLink ? hub_.inviteLink() : QString();
    if (link.isEmpty()) {
        tell(tr("Host a game first: the invite carries your game's link."));
        return;
    }
    if (nick == session_.room.nick()) return;
    session_.invite(nick, link);
    tell(tr("Invited %1.").arg(nick));
}

void Tlobby::offered(const QString& nick, const QString& link) {
    if (!invite::readLink(link)) return; // not a game's link: nothing to offer
    offers_.insert(nick, link);
    offerFrom_ = nick;
    label_invite->setText(tr("%1 invites you to a game").arg(nick));
    frame_invite->show();
}

void Tlobby::inviteJoinClick() {
    frame_invite->hide();
    const auto link = invite::readLink(offers_.value(offerFrom_));
    if (!link) return;
    tell(tr("Joining %1's game…").arg(offerFrom_));
    if (hub_.joinGame)
        hub_.joinGame(session_.room.nick(), invite::addressText(link->address), link->code);
}

} // namespace lobby
