// The client's receive queue, dispatch, login and roster of who is here.
#include <QTimer>

#include "catalogue.h"
#include "codepage.h"
#include "invite_link.h"
#include "tchat.h"
#include "ttallylist.h"
#include "windows.h"

namespace {
const QString ComputerName = QStringLiteral("Klot");
} // namespace

void Tchat::sockRead(TSock* s, int) {
    // A host that never ends its message, or sends without end, is not one
    // we can talk to. This copy's own host is bounded by its own limits, and
    // closing on it would end the program.
    if (!receive(s->Receive()) && !ishost) s->Close();
}

bool Tchat::receive(const QByteArray& bytes) {
    std::deque<QByteArray> messages;
    bool ok = receivebuffer.feed(bytes, messages);
    for (auto& m : messages) {
        if (!ishost && (receivedlist.size() >= std::size_t(MaxQueuedMessages) ||
                        receivedBytes_ + m.size() > MaxQueuedBytes)) {
            ok = false;
            break;
        }
        receivedBytes_ += m.size();
        receivedlist.push_back(wire::decode(m));
    }
    if (!receivedlist.empty() && !Timer1.isActive()) Timer1.start();
    return ok;
}

bool Tchat::ownsEnd(quint16 peerPort) const {
    return ishost && peerPort != 0 && sock && sock->boundPort() == peerPort;
}

void Tchat::sockInfo(TSock*, int, const QString& text) {
    // A dropped line is waited out where the host keeps our seat.
    if (text == QLatin1String("Socket Closed") && !connectionLost()) close();
}

void Tchat::Timer1Timer() {
    if (!receivedlist.empty()) {
        const QString message = receivedlist.front();
        receivedlist.pop_front();
        // Windows-1252 is one byte a character: the size it came with.
        receivedBytes_ = receivedlist.empty() ? 0 : receivedBytes_ - message.size();
        try {
            dispatch(message);
        } catch (const wire::FieldError& e) {
            // The message is abandoned where its number failed; later ones go on.
            ++handledCount;
            dialogs_->message(this, e.text());
        }
    }
    // The phrase lock counts ticks only while it is locked.
    if (!phraseready) {
        if (++phraseticks >= 150) {
            phraseready = true;
            phraseticks = 0;
        }
    }
    if (receivedlist.empty() && phraseready) Timer1.stop();
}

void Tchat::dispatch(const QString& message) {
    const auto [command, rest] = wire::splitCommand(message);
    if (!command.isEmpty()) {
        const auto it = handlers_.constFind(command);
        if (it != handlers_.cend()) {
            (this->*(*it))(rest);
        } else {
            const auto t = turnHandlers_.constFind(command);
            if (t != turnHandlers_.cend()) (turnflow->*(*t))(rest);
        }
        afterMessage(command, rest);
    }
    updateGiveButton();
    updateChances();
    ++handledCount;
}

void Tchat::send(const QByteArray& text) {
    // While the line is down, clicks and chat go nowhere: the bar says why.
    if (reconnectbar && reconnectbar->isVisible() && !sock->connected()) return;
    try {
        sock->Send(wire::frame(text));
    } catch (const ESockException& e) {
        dialogs_->message(this, TSock::tr(e.what()));
    }
}

void Tchat::sendloginfo(const QString& rest) {
    wire::TextFields f(rest);
    myseat = f.number();
    loggedin = true;
    // A private game's door opens to the code, shown right before the login.
    if (!ishost && !inviteCode.isEmpty()) send(wire::invite(myseat, inviteCode));
    rejoinBeforeLogin();
    send(wire::logininfo(myseat, QString::fromLatin1(wire::Version), playername));
}

void Tchat::newplayerinfo(const QString& rest) {
    wire::TextFields f(rest);
    const int seat = f.number();
    const QString name = f.rest();
    if (seat == myseat) {
        addlinetochat(QStringLiteral("0+") + tr("You are Connected."), systemcolor);
        // Back after a dropped line: the settings were read at the first login.
        if (!reconnected()) loadinifile();
    } else {
        addlinetochat(QStringLiteral("0+") + tr("%1 is Connected.").arg(name), systemcolor);
    }
    if (seat == 1 || seat == 2) {
        (seat == 1 ? label_playername1 : label_playername2)->setText(name);
    } else {
        if (windows_.spylist)
            windows_.spylist->listbox_spys->addItem(QStringLiteral("%1: %2").arg(seat).arg(name));
        addlinetochat(seat == myseat ? QStringLiteral("0+") + tr("You are spying.")
                                     : QStringLiteral("0+") + tr("%1 is spying.").arg(name),
                      systemcolor);
    }
    playsounds(QStringLiteral("entered"));
}

void Tchat::playerdisconnected(const QString& rest) {
    wire::TextFields f(rest);
    const int seat = f.number();
    const QString name = f.rest();
    if (seat == 1 || seat == 2) {
        QLabel* label = seat == 1 ? label_playername1 : label_playername2;
        if (label->text() != board::BoardView::waiting())
            addlinetochat(QStringLiteral("0+") + tr("%1 disconnected.").arg(label->text()),
                          systemcolor);
        // An empty seat 2 is played by the computer.
        if (seat == 2) label->setText(ComputerName);
        (seat == 1 ? image_eyes1 : image_eyes2)->hide();
        return;
    }
    if (!windows_.spylist) return;
    const QString entry = QStringLiteral("%1: %2").arg(seat).arg(name);
    QListWidget* list = windows_.spylist->listbox_spys;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text().compare(entry, Qt::CaseInsensitive) == 0) {
            addlinetochat(QStringLiteral("0+") + tr("%1 has left.").arg(name), systemcolor);
            delete list->takeItem(i);
            return;
        }
    }
}

void Tchat::havewrongversion(const QString& rest) {
    addlinetochat(QStringLiteral("0+") +
                      tr("%1 has a different version of the game then you.").arg(rest),
                  systemcolor);
}

void Tchat::wrongversion(const QString&) {
    addlinetochat(QStringLiteral("0+") +
                      tr("You have a differnt version of the game then the host."),
                  systemcolor);
}

void Tchat::full(const QString&) {
    dialogs_->message(this, tr("Game is full"));
    close();
}

void Tchat::privateGame(const QString&) {
    dialogs_->message(this, tr("This game is private: ask the host for an invite."));
    close();
}

void Tchat::justwatching(const QString& rest) {
    wire::TextFields f(rest);
    const int seat = f.number();
    if (seat < 1 || seat > 2) return;
    const QString mode = f.rest();
    const QString name = (seat == 1 ? label_playername1 : label_playername2)->text();
    QLabel* eyes = seat == 1 ? image_eyes1 : image_eyes2;
    if (mode == QLatin1String("1")) {
        if (seat == myseat) JustWatch1->setChecked(true);
        addlinetochat(QStringLiteral("0+") + tr("%1 is just watching").arg(name), systemcolor);
        eyes->show();
    } else {
        if (seat == myseat) JustWatch1->setChecked(false);
        addlinetochat(QStringLiteral("0+") + tr("%1 is now playing again").arg(name), systemcolor);
        eyes->hide();
    }
}

void Tchat::kicking(int seat) {
    if (!ishost || !loggedin) return;
    send(wire::kickhim(myseat, seat));
    // The removed player stays out at his address, but he knows the invite.
    if (inviteCode.isEmpty() || !changeInviteCode) return;
    if (dialogs_->choose(this,
                         tr("The removed player knows this game's invite. Make a new "
                            "invite, so that the old one lets nobody in any more? "
                            "Everybody here stays."),
                         {tr("New Invite"), tr("Keep Invite")}) != 0)
        return;
    inviteCode = invite::makeCode();
    changeInviteCode(inviteCode);
    addlinetochat(QStringLiteral("0+") +
                      tr("The invite is new: File > Host a Game… > Copy Invite gives "
                         "it to your friends."),
                  systemcolor);
}

void Tchat::preparePopup(int seat) {
    for (QAction* a : {popup_remove, popup_setwatch, popup_unsetwatch})
        a->setEnabled(ishost);
    QLabel* label = seat == 1 ? label_playername1 : label_playername2;
    if (label->text() == board::BoardView::waiting()) popup_remove->setEnabled(false);
    popupTarget = seat;
}

void Tchat::justWatchClick() {
    if (!loggedin || (myseat != 1 && myseat != 2)) return;
    send(wire::justwatch(myseat, JustWatch1->isChecked() ? 2 : 1));
}

QStringList Tchat::opponentNames() const {
    QStringList out;
    for (int seat = 1; seat <= seatcount; ++seat) {
        if (seat == myseat) continue;
        const QString text = (seat == 1 ? label_playername1 : label_playername2)->text();
        if (text != board::BoardView::waiting()) out.append(text);
    }
    return out;
}

void Tchat::loadchecklist() {
    if (windows_.tallylist) windows_.tallylist->setCurrentPlayers(opponentNames());
}

QStringList Tchat::spectators() const {
    QStringList out;
    if (!windows_.spylist) return out;
    for (int i = 0; i < windows_.spylist->listbox_spys->count(); ++i)
        out.append(windows_.spylist->listbox_spys->item(i)->text());
    return out;
}

void Tchat::addgame(const QString& winner) {
    gamesForTally.append(winner);
    if (windows_.tallylist) windows_.tallylist->addgame(winner);
}

void Tchat::updateGiveButton() {
    // Seat 1's user may hand his turns over while a game runs and somebody
    // sits in slot 3 to take them.
    bool slot3 = false;
    if (windows_.spylist) {
        const QListWidget* list = windows_.spylist->listbox_spys;
        for (int i = 0; i < list->count() && !slot3; ++i)
            slot3 = list->item(i)->text().startsWith(QLatin1String("3: "));
    }
    view->button_give->setVisible(loggedin && myseat == 1 && turnflow->gameRunning() &&
                                  !turnflow->handedOver() && slot3);
}

void Tchat::gamestats(const QString& rest) {
    wire::TextFields f(rest);
    if (f.number() != myseat) return; // another newcomer's snapshot
    const int seat = f.number();
    const QString phase = f.next().left(1);
    const int points = f.number();
    std::array<int, 4> dice{};
    for (int& d : dice)
        d = f.number();
    // Seat 3 is seat 1 handed over, taken as received.
    if (seat < 1 || seat > board::HandOverSeat || points < 0 || points > 4) return;
    for (int d : dice)
        if (d < 0 || d > 1) return;
    view->showdice(dice);
    const QString list = f.rest();
    if (list != QLatin1String("*")) {
        wire::TextFields chips(list);
        while (!chips.atEnd()) {
            const int s = chips.number();
            const int k = chips.number();
            const int q = chips.number();
            if (s < 1 || s > 2 || k < 1 || k > 7 || q < 0 || q > 16) continue;
            turnflow->setChip(s, k, q);
        }
    }
    turnflow->takeSnapshotTurn(seat, phase.isEmpty() ? QChar() : phase.at(0), points);
    if (seat != myseat) {
        view->memo_turn->addLine(tr("%1's turn..").arg(view->seatname(board::boardSeat(seat))));
    } else if (phase == QLatin1String("r")) {
        view->button_roll->show();
        view->memo_turn->addLine(tr("Your turn to roll.."));
    } else if (phase == QLatin1String("m")) {
        view->memo_turn->addLine(tr("Choose a chip to move %n spaces.", nullptr, points));
    }
}
