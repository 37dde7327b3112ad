#include "help_texts.h"

#include <QCoreApplication>

namespace helptext {

QString overview() {
    return QCoreApplication::translate(
        "helptext",
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
    return QCoreApplication::translate(
        "helptext",
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
        "firewall. While you host, Kelvoa asks your router to forward that port to your "
        "computer, and the Host dialog shows where friends reach the game: on your network, "
        "on the internet, over IPv6, or why not. Where the router does not answer, forward "
        "the port by hand (or use the lobby's assisted hosting option). Games on your network "
        "are found over UDP port 7772.\n\n"
        "Inviting a friend\n"
        "\"Copy Invite\" in the Host dialog puts a line with your game's kelvoa:// link on the "
        "clipboard; a click on the link opens Kelvoa's Join dialog, filled in. With \"Only "
        "players with the invite\" checked, only those who have the link can join.\n\n"
        "A dropped line\n"
        "When your connection to the host drops, your window stays and Kelvoa reconnects by "
        "itself; the host keeps your seat for three minutes, and the computer plays it "
        "meanwhile. If the host (usually the first player in the list) disconnects, the game "
        "ends for everybody.");
}

QString gamePlay() {
    return QCoreApplication::translate(
        "helptext",
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
        "View, Dice Statistics shows how the dice fell this session.\n\n"
        "Reviewing a game\n"
        "Every game is kept in the folder Games beside your tally. View, \"Review Game…\" (or "
        "\"Review this game\" when a game ends) rates every move against the best one for "
        "the same throw, draws the chance to win over the game, and counts each player's "
        "mistakes and blunders.");
}

QString computer() {
    return QCoreApplication::translate(
        "helptext",
        "The Computer\n\n"
        "The computer plays every seat that has no player, and the seat of a player who chose "
        "Options, Just Watch. The player who hosts the game (in a solo game, you) chooses how "
        "well it plays in Options, Bot Skill, and how fast in Options, Bot Speed.\n\n"
        "Klot\n"
        "Klot plays by fixed preferences and never thinks ahead: on a throw of one it enters a "
        "new chip, otherwise it moves a chip off its first square, then a chip that lands on a "
        "rosette or home, and otherwise the first chip that can move. It never looks at your "
        "chips, so it is the right opponent for learning the game.\n\n"
        "Strong\n"
        "Strong looks two throws ahead: every move it could make, every throw that could follow "
        "and every answer to it, weighed by how often each throw comes up. It judges the "
        "positions it reaches by how far each side has come, which chips the next throw could "
        "send back and who holds the middle rosette, in the measure that a comparison with "
        "exact results taught it.\n\n"
        "Expert\n"
        "Late in the game, once at least six chips are home between the two players, Expert "
        "looks the position up in an exact table of them all and makes the best move there is. "
        "Before that it searches one throw deeper than Strong, and wherever its search "
        "reaches the table it uses the exact values. The table is built on this computer the "
        "first time Expert is chosen, which takes a while; a window shows how far it has come, "
        "and until it is ready Expert plays as Strong.\n\n"
        "The chances bar\n"
        "Options, Show Chances puts a bar beside the board that shows each player's chance to "
        "win, as the computer sees it, from the position as it stands. The green part, filling "
        "from the top, and the number at the top are the first player's chance; the orange "
        "part and the number at the bottom are the second player's. A line marks even odds. "
        "When the exact table covers the position, the numbers are exact; before that they are "
        "Strong's estimate. Players and spys alike can show it, and it changes after every "
        "throw and move.");
}

QString history() {
    return QCoreApplication::translate(
        "helptext", "History\n\n"
                    "Version 1.0.3 (December 2026)\n"
                    "- Invite a friend over the internet with a link; the router opens itself.\n"
                    "- A dropped line costs no game: Kelvoa reconnects and the seat is kept.\n"
                    "- Every game is kept and can be reviewed move by move.\n"
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
    return QCoreApplication::translate(
        "helptext",
        "The Lobby\n\n"
        "The Korvan Lobby is a separate program where players of Korvan games meet, chat and "
        "start games together. It starts Kelvoa for you with the right settings, whether you "
        "host a game or join one.\n\n"
        "You can get the lobby from Korvan: choose Help, \"The Korvan Lobby…\" and then "
        "\"Download And Install The Korvan Lobby Now\". The same window opens at a solo start "
        "until you clear \"Show this window at start\".\n\n"
        "You do not need the lobby to play with others: File, \"Host a Game…\" hosts a game "
        "and File, \"Join a Game…\" joins one (see Connecting).") +
           QCoreApplication::translate(
               "helptext",
               "\n\nThe public lobby (File, \"Public Lobby…\") is the place to meet players you "
               "do not know yet: a group chat room on an XMPP server that a community runs. Give "
               "its room and your account (or a domain that lets you in without one); the window "
               "shows who is there, the room's chat and the open games. Join tries a game's "
               "addresses directly; \"Host a Game…\" lists your game there for everybody. To "
               "open Kelvoa on a lobby link, start it as: kelvoa xmpp:ROOM?join");
}

} // namespace helptext
