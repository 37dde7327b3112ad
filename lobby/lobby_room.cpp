#include "lobby_room.h"

#include <algorithm>

#include "invite_text.h"

namespace lobby {

namespace {
Element make(const QString& name, const QString& ns = QStringLiteral("jabber:client")) {
    Element e;
    e.name = name;
    e.ns = ns;
    return e;
}

// The first error condition of a stanza's <error>, e.g. "conflict".
QString errorCondition(const Element& s) {
    const Element* err = s.child(QStringLiteral("error"));
    if (!err) return {};
    for (const Element& c : err->children)
        if (c.ns == QLatin1String("urn:ietf:params:xml:ns:xmpp-stanzas") &&
            c.name != QLatin1String("text"))
            return c.name;
    return {};
}
} // namespace

LobbyRoom::LobbyRoom(QObject* parent) : QObject(parent) {}

void LobbyRoom::reset(const QString& room, const QString& nick) {
    room_ = room;
    baseNick_ = plainText(nick, MaxNickChars);
    nick_ = baseNick_;
    tries_ = 1;
    joined_ = false;
    refusedOnce_ = false;
    people_.clear();
    games_ = 0;
    emit changed();
}

QByteArray LobbyRoom::joinPresence() const {
    Element p = make(QStringLiteral("presence"));
    p.attributes = {{QStringLiteral("to"), room_ + QLatin1Char('/') + nick_}};
    Element x = make(QStringLiteral("x"), QLatin1String(MucNs));
    Element history = make(QStringLiteral("history"), x.ns);
    history.attributes = {{QStringLiteral("maxstanzas"), QString::number(HistoryLines)}};
    x.children = {history};
    p.children = {x};
    if (ownGame_) p.children.append(gameElement(*ownGame_));
    return p.toXml();
}

QByteArray LobbyRoom::leavePresence() const {
    Element p = make(QStringLiteral("presence"));
    p.attributes = {{QStringLiteral("to"), room_ + QLatin1Char('/') + nick_},
                    {QStringLiteral("type"), QStringLiteral("unavailable")}};
    return p.toXml();
}

QByteArray LobbyRoom::chatMessage(const QString& text) const {
    Element m = make(QStringLiteral("message"));
    m.attributes = {{QStringLiteral("to"), room_},
                    {QStringLiteral("type"), QStringLiteral("groupchat")}};
    Element body = make(QStringLiteral("body"));
    body.text = plainText(text, MaxLineChars);
    m.children = {body};
    return m.toXml();
}

QByteArray LobbyRoom::inviteMessage(const QString& nick, const QString& link) const {
    Element m = make(QStringLiteral("message"));
    m.attributes = {{QStringLiteral("to"), room_ + QLatin1Char('/') + nick},
                    {QStringLiteral("type"), QStringLiteral("chat")}};
    Element body = make(QStringLiteral("body"));
    // Another program shows the body; Kelvoa reads the element beside it.
    body.text = inviteBody(nick_, link);
    Element invite = make(QStringLiteral("invite"), QLatin1String(GameNs));
    invite.attributes = {{QStringLiteral("link"), link}};
    m.children = {body, invite};
    return m.toXml();
}

QString LobbyRoom::nickOf(const QString& from) const {
    const int slash = from.indexOf(QLatin1Char('/'));
    if (slash < 0 || from.left(slash).compare(room_, Qt::CaseInsensitive) != 0) return {};
    return from.mid(slash + 1);
}

void LobbyRoom::handle(const QByteArray& xml) {
    const auto s = parseElement(xml);
    if (!s) return;
    if (s->name == QLatin1String("presence"))
        presence(*s);
    else if (s->name == QLatin1String("message"))
        message(*s);
}

void LobbyRoom::presence(const Element& p) {
    const QString from = p.attribute(QStringLiteral("from"));
    const QString rawNick = nickOf(from);
    if (rawNick.isEmpty()) return;
    const QString type = p.attribute(QStringLiteral("type"));
    const Element* x = p.child(QStringLiteral("x"), QLatin1String(MucUserNs));
    bool self = false;
    if (x)
        for (const Element& c : x->children)
            if (c.name == QLatin1String("status") &&
                c.attribute(QStringLiteral("code")) == QLatin1String("110"))
                self = true;
    // A room that sends no status codes still names this copy by its nick.
    if (!joined_ && rawNick == nick_ && type != QLatin1String("error")) self = true;

    if (type == QLatin1String("error")) {
        if (joined_ || refusedOnce_) return;
        const QString why = errorCondition(p);
        if (why == QLatin1String("conflict") && tries_ < MaxNickTries) {
            const QString from = nick_;
            ++tries_;
            nick_ = baseNick_ + QLatin1Char(' ') + QString::number(tries_);
            emit renamed(from, nick_);
            return;
        }
        const QString line =
            why == QLatin1String("conflict")
                ? tr("The name %1 and its numbered variants are taken in this room.").arg(baseNick_)
            : why == QLatin1String("item-not-found") ||
                    why == QLatin1String("remote-server-not-found")
                ? tr("There is no room %1.").arg(room_)
            : why == QLatin1String("not-allowed")
                ? tr("The room %1 does not exist and cannot be made here.").arg(room_)
            : why == QLatin1String("forbidden") ? tr("The room %1 does not let you in.").arg(room_)
            : why == QLatin1String("registration-required")
                ? tr("The room %1 is for its members only.").arg(room_)
            : why == QLatin1String("service-unavailable")
                ? tr("The room %1 is full or closed.").arg(room_)
                : tr("The room %1 refused you (%2).")
                      .arg(room_, why.isEmpty() ? tr("no reason") : why);
        refusedOnce_ = true;
        emit refused(line);
        return;
    }

    const QString nick = plainText(rawNick, MaxNickChars);
    if (type == QLatin1String("unavailable")) {
        auto it = people_.find(nick);
        if (it == people_.end()) return;
        if (it->game) --games_;
        people_.erase(it);
        if (self) joined_ = false;
        emit changed();
        return;
    }
    if (!type.isEmpty()) return; // subscribe and the like mean nothing here

    auto it = people_.find(nick);
    if (it == people_.end()) {
        if (people_.size() >= MaxPeople) return;
        it = people_.insert(nick, Person{nick, std::nullopt});
    }
    // Exactly one game element, well formed, or none shown.
    std::optional<LobbyGame> game;
    if (p.childCount(QStringLiteral("game"), QLatin1String(GameNs)) == 1)
        game = readGame(*p.child(QStringLiteral("game"), QLatin1String(GameNs)));
    if (game && !it->game && games_ >= MaxGames) game.reset();
    if (bool(it->game) != bool(game)) games_ += game ? 1 : -1;
    it->game = game;
    if (self && !joined_) {
        joined_ = true;
        nick_ = rawNick; // the room may have changed it
        emit joinedRoom(nick);
    }
    emit changed();
}

void LobbyRoom::message(const Element& m) {
    const QString type = m.attribute(QStringLiteral("type"));
    const QString nick = plainText(nickOf(m.attribute(QStringLiteral("from"))), MaxNickChars);
    if (nick.isEmpty()) return;
    if (type == QLatin1String("groupchat")) {
        if (m.child(QStringLiteral("subject"))) return;
        const Element* body = m.child(QStringLiteral("body"));
        if (!body) return;
        const QString text = plainText(body->text, MaxLineChars);
        if (!text.isEmpty()) emit chat(nick, text, nick == plainText(nick_, MaxNickChars));
        return;
    }
    if (type == QLatin1String("chat") || type.isEmpty()) {
        // Only an invite is shown, and only as an offer the player answers.
        const Element* invite = m.child(QStringLiteral("invite"), QLatin1String(GameNs));
        QString link = invite ? invite->attribute(QStringLiteral("link")) : QString();
        if (link.isEmpty()) {
            const Element* body = m.child(QStringLiteral("body"));
            if (body) link = linkInBody(body->text);
        }
        if (!link.isEmpty() && link.size() <= MaxInviteLinkChars) emit inviteOffered(nick, link);
    }
}

QList<Person> LobbyRoom::sortedPeople() const {
    QList<Person> out = people_.values();
    std::sort(out.begin(), out.end(), [](const Person& a, const Person& b) {
        return a.nick.compare(b.nick, Qt::CaseInsensitive) < 0;
    });
    return out;
}

QList<LobbyGame> LobbyRoom::sortedGames() const {
    QList<LobbyGame> out;
    for (const Person& p : people_)
        if (p.game) out.append(*p.game);
    std::sort(out.begin(), out.end(), [](const LobbyGame& a, const LobbyGame& b) {
        // Waiting games first: they are the ones to join.
        if (a.running != b.running) return !a.running;
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return out;
}

} // namespace lobby
