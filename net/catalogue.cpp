#include "catalogue.h"

#include "codepage.h"

namespace wire {
namespace {

QByteArray num(int n) {
    return QByteArray::number(n);
}
QByteArray flag(bool b) {
    return b ? "t" : "f";
}

// Joins fields with '+' after the command word; 'trailing' adds the closing
// '+' that most layouts carry.
QByteArray join(const char* command, std::initializer_list<QByteArray> fields, bool trailing) {
    QByteArray m(command);
    for (const auto& f : fields) {
        m += '+';
        m += f;
    }
    if (trailing) m += '+';
    return m;
}

} // namespace

QByteArray logininfo(int conn, const QString& version, const QString& name) {
    return join(cmd::LoginInfo, {num(conn), encode(version), encode(name)}, false);
}
QByteArray startgame(const QString& name) {
    return join(cmd::StartGame, {encode(name)}, true);
}
QByteArray rolldice(int seat) {
    return join(cmd::RollDice, {num(seat)}, true);
}
QByteArray movepiece(int seat, int chip) {
    return join(cmd::MovePiece, {num(seat), num(chip)}, true);
}
QByteArray justwatch(int seat, int value) {
    return join(cmd::JustWatch, {num(seat), num(value)}, false);
}
QByteArray kickhim(int sender, int target) {
    return join(cmd::KickHim, {num(sender), num(target)}, true);
}
QByteArray botspeed(int sender, int ms) {
    return join(cmd::BotSpeed, {num(sender), num(ms)}, true);
}
QByteArray botskill(int sender, int level) {
    return join(cmd::BotSkill, {num(sender), num(level)}, true);
}
QByteArray chat(int sender, const QString& text, const QString& colour) {
    return join(cmd::Chat, {num(sender), encode(text + '|' + colour)}, false);
}
QByteArray action(int sender, const QString& text, const QString& colour) {
    return join(cmd::Action, {num(sender), encode(text + '|' + colour)}, false);
}
QByteArray playasound(int sender, int k) {
    return join(cmd::PlayASound, {num(sender), "wave" + num(k)}, true);
}
QByteArray give3(int sender) {
    return join(cmd::Give3, {num(sender)}, true);
}
QByteArray invite(int conn, const QString& code) {
    return join(cmd::Invite, {num(conn), code.toLatin1()}, true);
}

QByteArray sendlogininfo(int conn) {
    return join(cmd::SendLoginInfo, {num(conn)}, false);
}
QByteArray full() {
    return join(cmd::Full, {}, true);
}
QByteArray newplayerinfo(int conn, const QByteArray& name) {
    return join(cmd::NewPlayerInfo, {num(conn), name}, false);
}
QByteArray existingplayers(int conn, const QByteArray& name) {
    return join(cmd::ExistingPlayers, {num(conn), name}, false);
}
QByteArray wrongversion() {
    return join(cmd::WrongVersion, {}, true);
}
QByteArray havewrongversion(const QByteArray& name) {
    return join(cmd::HaveWrongVersion, {name}, false);
}
QByteArray gamestats(int conn, int current, char phase, int points, const std::array<int, 4>& dice,
                     const ChipAt* chips, int count) {
    QByteArray m = join(cmd::GameStats,
                        {num(conn), num(current), QByteArray(1, phase), num(points), num(dice[0]),
                         num(dice[1]), num(dice[2]), num(dice[3])},
                        false);
    if (count == 0) return m + "+*";
    for (int i = 0; i < count; ++i)
        m += '+' + num(chips[i].seat) + '+' + num(chips[i].chip) + '+' + num(chips[i].square);
    return m;
}
QByteArray playerdisconnected(int conn, const QByteArray& name) {
    return join(cmd::PlayerDisconnected, {num(conn), name}, false);
}
QByteArray chatRelay(const QByteArray& sender, const QByteArray& name, const QByteArray& line) {
    return join(cmd::Chat, {sender, name + " chats: " + line}, false);
}
QByteArray actionRelay(const QByteArray& sender, const QByteArray& name, const QByteArray& line) {
    return join(cmd::Action, {sender, name + ' ' + line}, false);
}
QByteArray playasoundRelay(int sender, const QByteArray& rest) {
    return join(cmd::PlayASound, {num(sender), rest}, false);
}
QByteArray startgameRelay(const QByteArray& name) {
    return join(cmd::StartGame, {name}, false);
}
QByteArray nextplayer(int seat) {
    return join(cmd::NextPlayer, {num(seat)}, true);
}
QByteArray hisroll(int seat, const std::array<int, 4>& dice, int points) {
    return join(cmd::HisRoll,
                {num(seat), num(dice[0]), num(dice[1]), num(dice[2]), num(dice[3]), num(points)},
                true);
}
QByteArray unable(int seat) {
    return join(cmd::Unable, {num(seat)}, true);
}
QByteArray moveback(int mover, int victim, int chip) {
    return join(cmd::MoveBack, {num(mover), num(victim), num(chip)}, true);
}
QByteArray moveit(int seat, int chip, int square, bool entered, bool home, bool capture,
                  bool rosette) {
    return join(cmd::MoveIt,
                {num(seat), num(chip), num(square), flag(entered), flag(home), flag(capture),
                 flag(rosette)},
                true);
}
QByteArray error(int seat, int code) {
    return join(cmd::Error, {num(seat), num(code)}, true);
}
QByteArray winner(int seat) {
    return join(cmd::Winner, {num(seat)}, true);
}
QByteArray justwatching(int seat, int value) {
    return join(cmd::JustWatching, {num(seat), num(value)}, false);
}

QByteArray giving3(int sender, const QByteArray& name) {
    return join(cmd::Giving3, {num(sender), name}, true);
}
QByteArray giveback(const QByteArray& name) {
    return join(cmd::GiveBack, {name}, true);
}
QByteArray cantgive() {
    return join(cmd::CantGive, {}, true);
}
QByteArray privateGame() {
    return join(cmd::Private, {}, true);
}

QByteArray rejoin(int conn, const QByteArray& key) {
    return join(cmd::Rejoin, {num(conn), key}, true);
}
QByteArray leaving(int conn) {
    return join(cmd::Leaving, {num(conn)}, true);
}
QByteArray seatkey(int conn, const QByteArray& key) {
    return join(cmd::SeatKey, {num(conn), key}, true);
}
QByteArray seatheld(int conn, int seconds, const QByteArray& name) {
    return join(cmd::SeatHeld, {num(conn), num(seconds), name}, false);
}
QByteArray seatback(int conn, const QByteArray& name) {
    return join(cmd::SeatBack, {num(conn), name}, false);
}
QByteArray kicked() {
    return join(cmd::Kicked, {}, true);
}

} // namespace wire
