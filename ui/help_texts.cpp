#include "help_texts.h"

namespace helptext {

QString overview() {
    return QStringLiteral(
        "Overview\n\n"
        "Archaeologists opening ancient royal tombs found boards of twenty squares inlaid with "
        "shell, lapis and red stone, together with two sets of seven chips and small "
        "pyramid-shaped dice. Nobody wrote down how the game was played, but the pieces tell a "
        "great deal: two players raced their chips along a route across the board, and certain "
        "squares, marked with rosettes, were special.\n\n"
        "Kelvoa plays this race in its basic form. Each of two players brings seven chips from "
        "a start pile along a route of fifteen squares to home, throwing four pyramid dice each "
        "turn. Up to seven friends can watch and everybody can chat. When a seat is empty, or its "
        "player only wants to watch, the computer player Klot plays it.");
}

QString connecting() {
    return QStringLiteral(
        "Connecting\n\n"
        "Solo game\n"
        "Start Kelvoa without the lobby and a solo game against Klot opens. Press \"Start Game\" "
        "to begin. A solo game needs no internet connection, but the game talks to itself over "
        "the network, so your firewall must allow Kelvoa to use it.\n\n"
        "Multi-player games\n"
        "Choose File > \"Host a Game…\" to host a game under your name, or File > \"Join a "
        "Game…\" to join one: the games hosted on your network are listed there, and a game "
        "elsewhere is joined by its host's address. The Korvan Lobby, a separate program where "
        "players meet, starts games together too.\n\n"
        "Hosting\n"
        "The player who hosts a game must allow incoming connections on TCP port 7772 in the "
        "firewall and, for players over the internet, forward that port on the router (or use "
        "the lobby's assisted hosting option). Games on your network are found over UDP port "
        "7772.\n\n"
        "If the host (usually the first player in the list) disconnects, the game ends for "
        "everybody.");
}

QString gamePlay() {
    return QStringLiteral(
        "Game Play\n\n"
        "Each player has seven chips. The goal is to move all of them from the start pile, "
        "along the route and off the board home. The first player with all seven chips home "
        "wins.\n\n"
        "The dice\n"
        "There are four pyramid-shaped dice. Two tips of each are marked in red; the number of "
        "red tips on top after a throw (0 to 4) is how far one chip moves. Press \"Roll Dice\" "
        "when it is your turn, then click the chip you want to move.\n\n"
        "Entering\n"
        "A chip enters the board only on a throw of exactly one. Entering earns another throw.\n\n"
        "One chip per square\n"
        "Only one of your own chips may stand on a square, except on a rosette.\n\n"
        "Capturing\n"
        "Landing on your opponent's chip on a square that is not a rosette sends it back to its "
        "start pile, and earns you another throw. Each player's first four squares are his own "
        "and can never be attacked.\n\n"
        "Rosettes\n"
        "The five rosettes are safe: chips there cannot be sent back, any number of chips may "
        "share them, and landing on one earns another throw.\n\n"
        "Bearing off\n"
        "Bringing a chip home needs the exact count, and earns another throw.\n\n"
        "Tip: click the small arrow buttons on the board to see each player's route.\n\n"
        "Hints\n"
        "After your throw the chips that may move glow; rest the pointer on one to see where "
        "it would land (Options, Show Hints).\n\n"
        "Playing from the keyboard\n"
        "Ctrl+G starts a game, Ctrl+R throws the dice, Ctrl+1 to Ctrl+7 move your chip of that "
        "number. These work while you type in the chat; Escape leaves the chat line.\n\n"
        "The game record\n"
        "File, Save Game Record keeps every throw and move of this and the last game as text; "
        "File, Open Game Record steps through a saved one (arrow keys, Home and End). "
        "View, Dice Statistics shows how the dice fell this session.");
}

QString history() {
    return QStringLiteral(
        "History\n\n"
        "Version 1.0.3 (December 2026)\n"
        "- Watchers who join a running game see the board as it stands.\n"
        "- A player may step aside and just watch while Klot plays his seat.\n"
        "- The settings are kept even where the program's folder cannot be written.\n\n"
        "Version 1.0.2\n"
        "- The tally of games against chosen opponents.\n"
        "- Chatter sounds and phrase buttons.\n\n"
        "Version 1.0.1\n"
        "- Klot, the computer player, with three speeds.\n\n"
        "Version 1.0.0\n"
        "- First release: two players, up to seven spys, chat.");
}

QString lobby() {
    return QStringLiteral(
        "The Lobby\n\n"
        "The Korvan Lobby is a separate program where players of Korvan games meet, chat and "
        "start games together. It starts Kelvoa for you with the right settings, whether you "
        "host a game or join one.\n\n"
        "You can get the lobby from Korvan: start Kelvoa without the lobby and choose "
        "\"Download And Install The Korvan Lobby Now\".");
}

} // namespace helptext
