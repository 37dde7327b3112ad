// The readers of small texts the program keeps or receives: the settings
// file, the tally's plain text, colour texts, saved game records and the
// datagrams that look for games on the network, invite links, and the
// lobby's stanzas with their game element. Built once per reader
// (FUZZ_READER), so each has its own figures.
#include <cstdlib>

#if FUZZ_READER == 1
#include "profile_file.h"
#elif FUZZ_READER == 2
#include "tally_grid.h"
#elif FUZZ_READER == 3
#include "colortext.h"
#elif FUZZ_READER == 4
#include "game_record.h"
#elif FUZZ_READER == 5
#include "discovery.h"
#elif FUZZ_READER == 6
#include "invite_link.h"
#elif FUZZ_READER == 7
#include "game_element.h"
#include "lobby_room.h"
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
#if FUZZ_READER == 1
    ProfileFile file(QStringLiteral("/nonexistent/fuzz.ini"));
    file.setContents(bytes);
    for (const char* key : {"Textsize", "Textcolor", "Botspeed", "Top", "Width", "Phrase1"})
        (void)file.value(QStringLiteral("Kelvoa"), QString::fromLatin1(key));
    file.setValue(QStringLiteral("Kelvoa"), QStringLiteral("Textsize"), QStringLiteral("10"));
    file.setValue(QStringLiteral("New"), QStringLiteral("Key"), QString::fromLatin1(bytes));
    // What is written reads back with the value just set.
    ProfileFile again(QStringLiteral("/nonexistent/fuzz.ini"));
    again.setContents(file.contents());
    if (again.value(QStringLiteral("Kelvoa"), QStringLiteral("Textsize")) != QLatin1String("10"))
        std::abort();
#elif FUZZ_READER == 2
    QString error;
    const TallyGrid grid = TallyGrid::fromText(bytes, &error);
    if (grid.rowCount() < 1) std::abort();
    // A grid read whole writes back to text that reads as the same grid.
    if (error.isEmpty() && TallyGrid::fromText(grid.toText()).toText() != grid.toText())
        std::abort();
#elif FUZZ_READER == 3
    const QString text = QString::fromUtf8(bytes);
    if (const auto value = chat::readColorText(text)) (void)chat::writeColorText(*value);
    (void)chat::readColorTextOrRed(text);
#elif FUZZ_READER == 4
    const board::ReadRecord read = board::readRecord(QString::fromUtf8(bytes));
    // What was read replays on the board (as far as it fits) and writes back.
    for (const board::RecordedGame& game : read.games) {
        QString problem;
        (void)board::replay(game, &problem);
        (void)board::GameRecord::lines(game);
    }
    // A record that stopped early says where.
    if (!read.problem.isEmpty() && read.stoppedAtLine < 1) std::abort();
#elif FUZZ_READER == 5
    if (const auto version = discovery::readQuery(bytes)) {
        // An answer is never more than eight times the query.
        const qsizetype cap = bytes.size() * discovery::AnswerSizeFactor;
        const discovery::GameInfo game{bytes, 2, 7, true, *version};
        if (discovery::answer(game, cap).size() > cap) std::abort();
    }
    if (const auto game = discovery::readAnswer(bytes)) {
        if (game->players < 0 || game->players > discovery::MaxPlayers || game->spys < 0 ||
            game->spys > discovery::MaxSpys)
            std::abort();
    }
#elif FUZZ_READER == 6
    const QString text = QString::fromUtf8(bytes);
    QString problem;
    if (const auto link = invite::readLink(text, &problem)) {
        // A link read is written back short enough to read again, as itself.
        const QString again = invite::linkText(*link);
        const auto reread = invite::readLink(again);
        if (!reread || reread->address.host != link->address.host ||
            reread->address.port != link->address.port || reread->code != link->code)
            std::abort();
        if (!link->code.isEmpty() && !invite::validCode(link->code)) std::abort();
    } else if (problem.isEmpty() || problem.contains(QLatin1Char('\n'))) {
        std::abort(); // every refusal is one line
    }
    if (const auto address = invite::readAddress(text)) {
        const auto reread = invite::readAddress(invite::addressText(*address));
        if (!reread || reread->host != address->host || reread->port != address->port) std::abort();
    }
#elif FUZZ_READER == 7
    // A stanza from the lobby's room, as strangers may send it.
    if (const auto e = lobby::parseElement(bytes)) {
        if (const auto game = lobby::readGame(*e)) {
            // A game read is written back as an element that reads as the same game.
            const auto again = lobby::parseElement(lobby::gameElement(*game).toXml());
            if (!again || lobby::readGame(*again) != game) std::abort();
            if (game->players > lobby::MaxGamePlayers || game->spys > lobby::MaxGameSpys ||
                game->addresses.size() > lobby::MaxAddresses)
                std::abort();
        }
    }
    lobby::LobbyRoom room;
    room.reset(QStringLiteral("lobby@conference.example.org"), QStringLiteral("Me"));
    room.handle(bytes);
    if (room.people().size() > lobby::LobbyRoom::MaxPeople ||
        room.gameCount() > lobby::LobbyRoom::MaxGames)
        std::abort();
#endif
    return 0;
}
