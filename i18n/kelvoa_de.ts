<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ChancesBar</name>
    <message>
        <source>Chance to win, as the computer sees it</source>
        <translation>Gewinnchance, wie der Computer sie sieht</translation>
    </message>
    <message>
        <source>Chances to win: no game</source>
        <translation>Gewinnchancen: kein Spiel</translation>
    </message>
    <message>
        <source>Chances to win: player 1 %1, player 2 %2</source>
        <translation>Gewinnchancen: Spieler 1 %1, Spieler 2 %2</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Game records (*.txt);;All files (*)</source>
        <translation>Spielprotokolle (*.txt);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>HostGameDialog</name>
    <message>
        <source>Host a Game</source>
        <translation>Spiel eröffnen</translation>
    </message>
    <message>
        <source>the name the others see</source>
        <translation>der Name, den die anderen sehen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the chosen address, to send it to a friend</source>
        <translation>Die gewählte Adresse kopieren, um sie einem Freund zu schicken</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>Where your friends reach this game:</source>
        <translation>Hier erreichen deine Freunde dieses Spiel:</translation>
    </message>
    <message>
        <source>This computer has no network address: only a copy on this computer can join (at 127.0.0.1).</source>
        <translation>Dieser Computer hat keine Netzwerkadresse: Nur ein Exemplar auf diesem Computer kann beitreten (unter 127.0.0.1).</translation>
    </message>
    <message>
        <source>On this network:</source>
        <translation>In diesem Netzwerk:</translation>
    </message>
    <message>
        <source>On the internet:</source>
        <translation>Im Internet:</translation>
    </message>
    <message>
        <source>Over IPv6:</source>
        <translation>Über IPv6:</translation>
    </message>
    <message>
        <source>Only players with the invite</source>
        <translation>Nur Spieler mit Einladung</translation>
    </message>
    <message>
        <source>A fresh code each time you host; only those who have your invite link can join</source>
        <translation>Bei jedem Eröffnen ein neuer Code; nur wer deinen Einladungslink hat, kann beitreten</translation>
    </message>
    <message>
        <source>Copy Invite</source>
        <translation>Einladung kopieren</translation>
    </message>
    <message>
        <source>Copy a line with your game&apos;s link, to send it to a friend</source>
        <translation>Eine Zeile mit dem Link zu deinem Spiel kopieren, um sie einem Freund zu schicken</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Eröffnen</translation>
    </message>
    <message>
        <source>This computer has no network address to invite to.</source>
        <translation>Dieser Computer hat keine Netzwerkadresse, zu der man einladen könnte.</translation>
    </message>
    <message>
        <source>The code is made when the private game starts: host first, then copy the invite here.</source>
        <translation>Der Code entsteht, wenn das private Spiel beginnt: Erst eröffnen, dann hier die Einladung kopieren.</translation>
    </message>
    <message>
        <source>When you host, Kelvoa asks your router to forward TCP port 7772 to this computer.</source>
        <translation>Wenn du ein Spiel eröffnest, bittet Kelvoa deinen Router, TCP-Port 7772 an diesen Computer weiterzuleiten.</translation>
    </message>
    <message>
        <source>Asking your router to forward TCP port 7772 to this computer…</source>
        <translation>Dein Router wird gebeten, TCP-Port 7772 an diesen Computer weiterzuleiten …</translation>
    </message>
    <message>
        <source>Your router forwards TCP port 7772 to this computer; give your friends the router&apos;s internet address.</source>
        <translation>Dein Router leitet TCP-Port 7772 an diesen Computer weiter; gib deinen Freunden die Internetadresse des Routers.</translation>
    </message>
    <message>
        <source>%1 — your router forwards TCP port 7772 to this computer.</source>
        <translation>%1 – dein Router leitet TCP-Port 7772 an diesen Computer weiter.</translation>
    </message>
    <message>
        <source>No router answered. Forward TCP port 7772 to this computer in your router&apos;s settings (&quot;port forwarding&quot;), then give your friends the router&apos;s internet address.</source>
        <translation>Kein Router hat geantwortet. Leite TCP-Port 7772 in den Einstellungen deines Routers an diesen Computer weiter („Portweiterleitung“) und gib deinen Freunden dann die Internetadresse des Routers.</translation>
    </message>
    <message>
        <source>Your router refused to forward TCP port 7772 to this computer. Forward it in the router&apos;s settings (&quot;port forwarding&quot;), or allow UPnP or NAT-PMP there.</source>
        <translation>Dein Router hat es abgelehnt, TCP-Port 7772 an diesen Computer weiterzuleiten. Richte die Weiterleitung in den Einstellungen des Routers ein („Portweiterleitung“) oder erlaube dort UPnP oder NAT-PMP.</translation>
    </message>
    <message>
        <source>Your router already forwards TCP port 7772 to another computer%1. Kelvoa leaves that as it is: host there, or change the forwarding in the router&apos;s settings.</source>
        <translation>Dein Router leitet TCP-Port 7772 schon an einen anderen Computer weiter%1. Kelvoa lässt das, wie es ist: Eröffne das Spiel dort oder ändere die Weiterleitung in den Einstellungen des Routers.</translation>
    </message>
    <message>
        <source>Your router&apos;s own internet address, %1, is a private or shared one: your provider shares one address among many customers, and nobody can reach this computer through it. Friends with IPv6 may reach you over IPv6; or let your friend host.</source>
        <translation>Die Internetadresse deines Routers, %1, ist privat oder geteilt: Dein Anbieter teilt eine Adresse unter vielen Kunden auf, und niemand kann diesen Computer darüber erreichen. Freunde mit IPv6 erreichen dich vielleicht über IPv6; oder lass deinen Freund das Spiel eröffnen.</translation>
    </message>
    <message>
        <source>This computer has no IPv6 internet address.</source>
        <translation>Dieser Computer hat keine IPv6-Internetadresse.</translation>
    </message>
    <message>
        <source>
No router stands in between; a firewall must let TCP port 7772 in.</source>
        <translation>
Kein Router steht dazwischen; eine Firewall muss TCP-Port 7772 hereinlassen.</translation>
    </message>
    <message>
        <source>Your Game</source>
        <translation>Dein Spiel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Host Again</source>
        <translation>Erneut eröffnen</translation>
    </message>
    <message>
        <source>List this game in the public lobby</source>
        <translation>Dieses Spiel in der öffentlichen Lobby anzeigen</translation>
    </message>
    <message>
        <source>Everybody in the lobby&apos;s room sees the game and can join it</source>
        <translation>Alle im Raum der Lobby sehen das Spiel und können ihm beitreten</translation>
    </message>
</context>
<context>
    <name>JoinGameDialog</name>
    <message>
        <source>Join a Game</source>
        <translation>Einem Spiel beitreten</translation>
    </message>
    <message>
        <source>the name the others see</source>
        <translation>der Name, den die anderen sehen</translation>
    </message>
    <message>
        <source>a name or an IP address</source>
        <translation>ein Name oder eine IP-Adresse</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Gastgeber</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Spys</source>
        <translation>Zuschauer</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>Host&apos;s address:</source>
        <translation>Adresse des Gastgebers:</translation>
    </message>
    <message>
        <source>Games on this network:</source>
        <translation>Spiele in diesem Netzwerk:</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Invited to a private game (code %1).</source>
        <translation>Eingeladen zu einem privaten Spiel (Code %1).</translation>
    </message>
    <message>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source> (version %1)</source>
        <translation> (Version %1)</translation>
    </message>
    <message>
        <source> (this computer)</source>
        <translation> (dieser Computer)</translation>
    </message>
    <message>
        <source>Looking for games on this network…</source>
        <translation>Suche nach Spielen in diesem Netzwerk …</translation>
    </message>
    <message>
        <source>No games found on this network.</source>
        <translation>In diesem Netzwerk wurden keine Spiele gefunden.</translation>
    </message>
    <message>
        <source>1 game found.</source>
        <translation>1 Spiel gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%n games found.</source>
        <translation>
            <numerusform>%n Spiel gefunden.</numerusform>
            <numerusform>%n Spiele gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>That is this copy&apos;s own game. Start the program once more to join it from a second copy.</source>
        <translation>Das ist das eigene Spiel dieses Exemplars. Starte das Programm ein zweites Mal, um ihm von dort beizutreten.</translation>
    </message>
    <message>
        <source>Asking %1 for its game…</source>
        <translation>%1 wird nach seinem Spiel gefragt …</translation>
    </message>
    <message>
        <source>The game at %1 is full.</source>
        <translation>Das Spiel bei %1 ist voll.</translation>
    </message>
    <message>
        <source>No game is hosted at %1.</source>
        <translation>Bei %1 ist kein Spiel eröffnet.</translation>
    </message>
    <message>
        <source>(a private game)</source>
        <translation>(ein privates Spiel)</translation>
    </message>
    <message>
        <source>Public Lobby…</source>
        <translation>Öffentliche Lobby …</translation>
    </message>
    <message>
        <source>Meet players you do not know yet, and join their games</source>
        <translation>Triff Spieler, die du noch nicht kennst, und tritt ihren Spielen bei</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 against %2</source>
        <translation>%1 gegen %2</translation>
    </message>
</context>
<context>
    <name>TSock</name>
    <message>
        <source>Listen - Socket Already In Use</source>
        <translation>Lauschen – Socket wird bereits verwendet</translation>
    </message>
    <message>
        <source>Listen - Error Binding Socket</source>
        <translation>Lauschen – Fehler beim Binden des Sockets</translation>
    </message>
    <message>
        <source>Listen - Error Starting Listen</source>
        <translation>Lauschen – Fehler beim Starten</translation>
    </message>
    <message>
        <source>Accept - Socket Not In Listening Mode</source>
        <translation>Annehmen – Socket lauscht nicht</translation>
    </message>
    <message>
        <source>Port Lookup - Could Not Find Service Entry</source>
        <translation>Port-Suche – kein Diensteintrag gefunden</translation>
    </message>
    <message>
        <source>Host Lookup - Could Not Find Host Entry</source>
        <translation>Host-Suche – Host nicht gefunden</translation>
    </message>
    <message>
        <source>Send - Cannot Send On A Listener Socket</source>
        <translation>Senden – über einen lauschenden Socket kann nicht gesendet werden</translation>
    </message>
    <message>
        <source>Send - Socket Not Connected</source>
        <translation>Senden – Socket nicht verbunden</translation>
    </message>
    <message>
        <source>Receive - Cannot Receive On A Listener Socket</source>
        <translation>Empfangen – über einen lauschenden Socket kann nicht empfangen werden</translation>
    </message>
    <message>
        <source>Receive - Socket Not Connected</source>
        <translation>Empfangen – Socket nicht verbunden</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Kelvoa - About</source>
        <translation>Kelvoa – Über</translation>
    </message>
    <message>
        <source>Programmed by the Kelvoa team, 2026.
All rights reserved.</source>
        <translation>Programmiert vom Kelvoa-Team, 2026.
Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TallyChart</name>
    <message>
        <source>Games against each opponent</source>
        <translation>Spiele gegen jeden Gegner</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Du hast gewonnen</translation>
    </message>
    <message>
        <source>He won</source>
        <translation>Er hat gewonnen</translation>
    </message>
    <message>
        <source>No opponent tallied yet: tick a player above</source>
        <translation>Noch kein Gegner in der Bilanz: Hake oben einen Spieler an</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Way To Go!</source>
        <translation>Weiter so!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Guter Zug!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Netter Versuch!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Ausgezeichnet!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Genial!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Wow, super gemacht!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Danke!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Weiter so, Partner!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Gutes Spiel, alle zusammen!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Spiel eröffnen …</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Einem Spiel beitreten …</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Töne abspielen</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Plaudertöne abspielen</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Ton für deinen Zug</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Tempo des Computers</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Bot Skill</source>
        <translation>Stärke des Computers</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Show Chances</source>
        <translation>Gewinnchancen zeigen</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat nicht mitrollen</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat leeren</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Fensterposition zurücksetzen</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Nur zuschauen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Bilanz anzeigen</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Sprüche</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>The Korvan Lobby…</source>
        <translation>Die Korvan-Lobby …</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Auf Nur zuschauen setzen</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Nur zuschauen aufheben</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Einzelspiel wird geladen … Bitte warten.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Mehrspielerspiel wird geladen … Bitte warten.</translation>
    </message>
    <message>
        <source>This game is private. File &gt; Host a Game… &gt; Copy Invite gives your friends the way in.</source>
        <translation>Dieses Spiel ist privat. Mit Datei &gt; Spiel eröffnen … &gt; Einladung kopieren lässt du deine Freunde herein.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>See ya!</source>
        <translation>Bis dann!</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Plaudertöne</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Die Webseite kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Plauderton&gt; %2</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Hinweise zeigen</translation>
    </message>
    <message>
        <source>Animate Chips</source>
        <translation>Steine bewegt zeigen</translation>
    </message>
    <message>
        <source>Save Game Record…</source>
        <translation>Spielprotokoll speichern …</translation>
    </message>
    <message>
        <source>Open Game Record…</source>
        <translation>Spielprotokoll öffnen …</translation>
    </message>
    <message>
        <source>Dice Statistics</source>
        <translation>Würfelstatistik</translation>
    </message>
    <message>
        <source>Review Game…</source>
        <translation>Spiel auswerten …</translation>
    </message>
    <message>
        <source>Review this game</source>
        <translation>Dieses Spiel auswerten</translation>
    </message>
    <message>
        <source>There is no game to record yet.</source>
        <translation>Es gibt noch kein Spiel zum Speichern.</translation>
    </message>
    <message>
        <source>Save Game Record</source>
        <translation>Spielprotokoll speichern</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Open Game Record</source>
        <translation>Spielprotokoll öffnen</translation>
    </message>
    <message>
        <source>No game has been kept yet: a game is kept when it ends.</source>
        <translation>Es wurde noch kein Spiel aufbewahrt: Ein Spiel wird aufbewahrt, sobald es endet.</translation>
    </message>
    <message>
        <source>Roll Dice (Ctrl+R)</source>
        <translation>Würfeln (Strg+R)</translation>
    </message>
    <message>
        <source>Chip %1 (Ctrl+%1)</source>
        <translation>Stein %1 (Strg+%1)</translation>
    </message>
    <message>
        <source>Kelvoa speaks the chosen language when it starts again.</source>
        <translation>Kelvoa spricht die gewählte Sprache beim nächsten Start.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Sprache des Systems</translation>
    </message>
    <message>
        <source>Friends on the internet join you at %1.</source>
        <translation>Freunde im Internet erreichen dich unter %1.</translation>
    </message>
    <message>
        <source>Your router lets friends on the internet in.</source>
        <translation>Dein Router lässt Freunde aus dem Internet herein.</translation>
    </message>
    <message>
        <source>Friends on the internet cannot reach this game yet. File &gt; Host a Game… tells why.</source>
        <translation>Freunde im Internet erreichen dieses Spiel noch nicht. Datei &gt; Spiel eröffnen … sagt, warum.</translation>
    </message>
    <message>
        <source>Kelvoa could not be started again.</source>
        <translation>Kelvoa konnte nicht neu gestartet werden.</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Neu verbinden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Connection lost — reconnecting…</source>
        <translation>Verbindung verloren – neuer Versuch …</translation>
    </message>
    <message>
        <source>The connection to the host is lost.</source>
        <translation>Die Verbindung zum Gastgeber ist verloren.</translation>
    </message>
    <message>
        <source>%1 lost the connection; the seat is kept for %2.</source>
        <translation>%1 hat die Verbindung verloren; der Platz wird %2 lang freigehalten.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 ist wieder da.</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Du bist verbunden.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 ist verbunden.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Du schaust zu.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 schaut zu.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 hat die Verbindung getrennt.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 ist gegangen.</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 hat eine andere Version des Spiels als du.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Du hast eine andere Version des Spiels als der Gastgeber.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>Das Spiel ist voll</translation>
    </message>
    <message>
        <source>This game is private: ask the host for an invite.</source>
        <translation>Dieses Spiel ist privat: Bitte den Gastgeber um eine Einladung.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 schaut nur zu</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 spielt jetzt wieder mit</translation>
    </message>
    <message>
        <source>%1&apos;s turn..</source>
        <translation>%1 ist am Zug …</translation>
    </message>
    <message>
        <source>Your turn to roll..</source>
        <translation>Du bist mit Würfeln dran …</translation>
    </message>
    <message numerus="yes">
        <source>Choose a chip to move %n spaces.</source>
        <translation>
            <numerusform>Wähle einen Stein, der %n Feld zieht.</numerusform>
            <numerusform>Wähle einen Stein, der %n Felder zieht.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer now plays &quot;Expert&quot; where it knows the exact odds.</source>
        <translation>Der Computer spielt jetzt „Experte“, wo er die genauen Chancen kennt.</translation>
    </message>
    <message>
        <source>No table for &quot;Expert&quot; (%1): the computer plays &quot;Strong&quot;.</source>
        <translation>Keine Tabelle für „Experte“ (%1): Der Computer spielt „Stark“.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Port %1 is used by another program: others cannot join this game.</source>
        <translation>Port %1 wird von einem anderen Programm belegt: Andere können diesem Spiel nicht beitreten.</translation>
    </message>
    <message>
        <source>Port %1 is used by another program, so this game cannot be hosted. Close that program (perhaps another Kelvoa) and choose File &gt; Host a Game… again, or join a game instead.</source>
        <translation>Port %1 wird von einem anderen Programm belegt, deshalb kann dieses Spiel nicht eröffnet werden. Schließe dieses Programm (vielleicht ein anderes Kelvoa) und wähle noch einmal Datei &gt; Spiel eröffnen …, oder tritt stattdessen einem Spiel bei.</translation>
    </message>
    <message>
        <source>The removed player knows this game&apos;s invite. Make a new invite, so that the old one lets nobody in any more? Everybody here stays.</source>
        <translation>Der entfernte Spieler kennt die Einladung zu diesem Spiel. Eine neue Einladung erstellen, damit die alte niemanden mehr hereinlässt? Alle, die hier sind, bleiben.</translation>
    </message>
    <message>
        <source>New Invite</source>
        <translation>Neue Einladung</translation>
    </message>
    <message>
        <source>Keep Invite</source>
        <translation>Einladung behalten</translation>
    </message>
    <message>
        <source>The invite is new: File &gt; Host a Game… &gt; Copy Invite gives it to your friends.</source>
        <translation>Die Einladung ist neu: Mit Datei &gt; Spiel eröffnen … &gt; Einladung kopieren gibst du sie deinen Freunden.</translation>
    </message>
    <message>
        <source>Chat input</source>
        <translation>Chateingabe</translation>
    </message>
    <message>
        <source>Chat transcript</source>
        <translation>Chatverlauf</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Smileys</translation>
    </message>
    <message>
        <source>Chatter sounds</source>
        <translation>Plaudertöne</translation>
    </message>
    <message>
        <source>Game table</source>
        <translation>Spieltisch</translation>
    </message>
    <message>
        <source>Phrase %1: %2</source>
        <translation>Spruch %1: %2</translation>
    </message>
    <message>
        <source>Tutor</source>
        <translation>Lehrer</translation>
    </message>
    <message>
        <source>In games against the computer, asks before a move that gives away 3 points of winning chance or more</source>
        <translation>Fragt in Spielen gegen den Computer vor einem Zug nach, der 3 oder mehr Prozentpunkte Gewinnchance verschenkt</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>home</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Moving from %1 to %2 gives away %3 points of your winning chance (%4 % instead of %5 %).

Play it anyway, think again, or see the best move?</source>
        <translation>Der Zug von %1 nach %2 verschenkt %3 Prozentpunkte deiner Gewinnchance (%4 % statt %5 %).

Trotzdem ziehen, noch einmal überlegen oder den besten Zug ansehen?</translation>
    </message>
    <message>
        <source>Play Anyway</source>
        <translation>Trotzdem ziehen</translation>
    </message>
    <message>
        <source>Rethink</source>
        <translation>Noch einmal überlegen</translation>
    </message>
    <message>
        <source>Show Best</source>
        <translation>Besten Zug zeigen</translation>
    </message>
    <message>
        <source>Best: from %1 to %2</source>
        <translation>Am besten: von %1 nach %2</translation>
    </message>
    <message>
        <source>Public Lobby…</source>
        <translation>Öffentliche Lobby …</translation>
    </message>
    <message>
        <source>Set a lobby first: File &gt; Public Lobby…</source>
        <translation>Richte zuerst eine Lobby ein: Datei &gt; Öffentliche Lobby …</translation>
    </message>
</context>
<context>
    <name>Tdicestats</name>
    <message>
        <source>Dice Statistics</source>
        <translation>Würfelstatistik</translation>
    </message>
    <message>
        <source>Sums of the four dice this session</source>
        <translation>Summen der vier Würfel in dieser Sitzung</translation>
    </message>
    <message>
        <source>Fair dice give the sums 0 to 4 as 1 : 4 : 6 : 4 : 1. A p-value below 0.01 would be surprising from fair dice.</source>
        <translation>Faire Würfel ergeben die Summen 0 bis 4 im Verhältnis 1 : 4 : 6 : 4 : 1. Ein p-Wert unter 0,01 wäre bei fairen Würfeln erstaunlich.</translation>
    </message>
    <message>
        <source>no throws yet</source>
        <translation>noch keine Würfe</translation>
    </message>
    <message>
        <source>%1 throws, chi-square %2, p = %3</source>
        <translation>%1 Würfe, Chi-Quadrat %2, p = %3</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Fair dice</source>
        <translation>Faire Würfel</translation>
    </message>
    <message>
        <source>Throws</source>
        <translation>Würfe</translation>
    </message>
    <message>
        <source>fair dice</source>
        <translation>faire Würfel</translation>
    </message>
    <message>
        <source>sum of the four dice</source>
        <translation>Summe der vier Würfel</translation>
    </message>
    <message>
        <source>Are the dice fair? No kept games yet to tell.</source>
        <translation>Sind die Würfel fair? Noch keine aufbewahrten Spiele, um das zu sagen.</translation>
    </message>
    <message>
        <source>1 kept game</source>
        <translation>1 aufbewahrten Spiel</translation>
    </message>
    <message>
        <source>%1 kept games</source>
        <translation>%1 aufbewahrten Spielen</translation>
    </message>
    <message>
        <source> and 1 throw</source>
        <translation> und 1 Wurf</translation>
    </message>
    <message>
        <source> and %1 throws</source>
        <translation> und %1 Würfen</translation>
    </message>
    <message>
        <source>Are the dice fair? Yes, as far as %1 can tell: fair dice come out at least this uneven %2 % of the time (chi-square p = %3).</source>
        <translation>Sind die Würfel fair? Ja, nach %1 zu urteilen: Faire Würfel fallen in %2 % der Fälle mindestens so ungleich aus (Chi-Quadrat p = %3).</translation>
    </message>
    <message>
        <source>Are the dice fair? Probably, but %1 are a little uneven: fair dice come out like this only %2 % of the time (chi-square p = %3).</source>
        <translation>Sind die Würfel fair? Wahrscheinlich, aber bei %1 fielen sie etwas ungleich aus: Faire Würfel tun das nur in %2 % der Fälle (Chi-Quadrat p = %3).</translation>
    </message>
    <message>
        <source>Are the dice fair? Doubtful: in %1, fair dice would come out this uneven only %2 % of the time (chi-square p = %3).</source>
        <translation>Sind die Würfel fair? Zweifelhaft: Bei %1 fielen faire Würfel nur in %2 % der Fälle so ungleich aus (Chi-Quadrat p = %3).</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>The Korvan Lobby</source>
        <translation>Die Korvan-Lobby</translation>
    </message>
    <message>
        <source>The Korvan Lobby could not be downloaded: </source>
        <translation>Die Korvan-Lobby konnte nicht heruntergeladen werden: </translation>
    </message>
    <message>
        <source>its web server does not have it.</source>
        <translation>Ihr Webserver hat sie nicht.</translation>
    </message>
    <message>
        <source>its web server refused to give it.</source>
        <translation>Ihr Webserver hat sie verweigert.</translation>
    </message>
    <message>
        <source>its web server answered with error %1.</source>
        <translation>Ihr Webserver antwortete mit Fehler %1.</translation>
    </message>
    <message>
        <source>its web server could not be found. Is this computer connected to the internet?</source>
        <translation>Ihr Webserver wurde nicht gefunden. Ist dieser Computer mit dem Internet verbunden?</translation>
    </message>
    <message>
        <source>its web server refused the connection.</source>
        <translation>Ihr Webserver hat die Verbindung abgelehnt.</translation>
    </message>
    <message>
        <source>its web server did not answer.</source>
        <translation>Ihr Webserver hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>its web server broke the connection off.</source>
        <translation>Ihr Webserver hat die Verbindung abgebrochen.</translation>
    </message>
    <message>
        <source>the connection to its web server failed.</source>
        <translation>Die Verbindung zu ihrem Webserver ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>You can play with others without the lobby: in the game&apos;s File menu, choose &quot;Host a Game…&quot; to host a game, or &quot;Join a Game…&quot; to join one.</source>
        <translation>Du kannst auch ohne die Lobby mit anderen spielen: Wähle im Menü Datei des Spiels „Spiel eröffnen …“, um ein Spiel zu eröffnen, oder „Einem Spiel beitreten …“, um mitzuspielen.</translation>
    </message>
    <message>
        <source>Download The Korvan Lobby</source>
        <translation>Die Korvan-Lobby herunterladen</translation>
    </message>
    <message>
        <source>Download The Korvan Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Lade jetzt die Korvan-Lobby herunter, um dieses und andere spannende Spiele online mit anderen zu spielen!</translation>
    </message>
    <message>
        <source>Download And Install The Korvan Lobby Now</source>
        <translation>Korvan-Lobby jetzt herunterladen und installieren</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Download abbrechen</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Um ohne Spiele gegen andere direkt zum Spiel zu gehen, klicke auf die Schaltfläche unten.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Allein spielen</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Hinweis: Auch wenn du offline spielst, musst du deine FIREWALL so einstellen, dass das Spiel auf die Netzwerkfunktionen zugreifen darf.</translation>
    </message>
    <message>
        <source>If you already have The Korvan Lobby and you wish to play with others then click the button below to close this game and open The Korvan Lobby.</source>
        <translation>Wenn du die Korvan-Lobby schon hast und mit anderen spielen möchtest, klicke auf die Schaltfläche unten: Das Spiel wird geschlossen und die Korvan-Lobby geöffnet.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Mit anderen spielen</translation>
    </message>
    <message>
        <source>Show this window at start</source>
        <translation>Dieses Fenster beim Start zeigen</translation>
    </message>
    <message>
        <source>It is always at hand in the game&apos;s Help menu: &quot;The Korvan Lobby…&quot;.</source>
        <translation>Es ist jederzeit im Menü Hilfe des Spiels zu finden: „Die Korvan-Lobby …“.</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download abgebrochen</translation>
    </message>
    <message>
        <source>The installer could not be saved in %1.</source>
        <translation>Das Installationsprogramm konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Wird heruntergeladen: </translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 Bytes empfangen</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Wird installiert</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ein Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Please close the game and open the Korvan Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Bitte schließe das Spiel und öffne die Korvan-Lobby über das Symbol auf deinem Schreibtisch oder über das Startmenü.</translation>
    </message>
    <message>
        <source>No lobby program? You do not need it: &quot;Play with Others&quot; then opens the public lobby, where you meet other players, and File &gt; &quot;Host a Game…&quot; in the game&apos;s window hosts a game for others to join.</source>
        <translation>Kein Lobby-Programm? Du brauchst es nicht: „Mit anderen spielen“ öffnet dann die öffentliche Lobby, wo du andere Spieler triffst, und Datei &gt; „Spiel eröffnen …“ im Fenster des Spiels eröffnet ein Spiel, dem andere beitreten können.</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Kelvoa - Help File</source>
        <translation>Kelvoa – Hilfe</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Spielablauf</translation>
    </message>
    <message>
        <source>The Computer</source>
        <translation>Der Computer</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Chronik</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>Die Lobby</translation>
    </message>
    <message>
        <source>Kelvoa
by the Kelvoa team
2026
All rights reserved.</source>
        <translation>Kelvoa
vom Kelvoa-Team
2026
Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Kelvoa - Phrase Buttons </source>
        <translation>Kelvoa – Sprüche</translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Spruch %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Die Knöpfe lassen sich nur alle 2 Sekunden benutzen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Tprogress</name>
    <message>
        <source>Preparing &quot;Expert&quot;</source>
        <translation>„Experte“ wird vorbereitet</translation>
    </message>
    <message>
        <source>Solving the endgame exactly for the &quot;Expert&quot; computer player.
This happens once; meanwhile the computer plays &quot;Strong&quot;.</source>
        <translation>Das Endspiel wird für den Computergegner „Experte“ exakt gelöst.
Das geschieht nur einmal; bis dahin spielt der Computer „Stark“.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Restzeit wird geschätzt …</translation>
    </message>
    <message>
        <source>About %1 s left</source>
        <translation>Noch etwa %1 s</translation>
    </message>
    <message>
        <source>About %1:%2 left</source>
        <translation>Noch etwa %1:%2</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Kelvoa - Spys</source>
        <translation>Kelvoa – Zuschauer</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Kelvoa  - Tally List</source>
        <translation>Kelvoa – Bilanz</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Deine Gesamtbilanz</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Spiele insgesamt:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Deine Siege</translation>
    </message>
    <message>
        <source>Tally</source>
        <translation>Bilanz</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>XX Wins:</source>
        <translation>Siege von XX:</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Anzahl der Spiele</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Deine Siege:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Keiner gewann:</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Spieler im laufenden Spiel</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Spieler in der Bilanz</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Bilanz zurücksetzen</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>FERTIG</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Damit wird die Bilanz gegen %1 gelöscht. Möchtest du sie wirklich löschen?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Siege von %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilanz gegen %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Möchtest du die Bilanz wirklich zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>board::BoardReader</name>
    <message>
        <source>Turn log</source>
        <translation>Zugprotokoll</translation>
    </message>
    <message>
        <source>Show the route of seat 1</source>
        <translation>Weg von Platz 1 zeigen</translation>
    </message>
    <message>
        <source>Show the route of seat 2</source>
        <translation>Weg von Platz 2 zeigen</translation>
    </message>
    <message>
        <source>Player 1, green chips, top row</source>
        <translation>Spieler 1, grüne Steine, obere Reihe</translation>
    </message>
    <message>
        <source>Player 2, orange chips, bottom row</source>
        <translation>Spieler 2, orange Steine, untere Reihe</translation>
    </message>
    <message>
        <source>Move refused</source>
        <translation>Zug abgelehnt</translation>
    </message>
    <message>
        <source>Board panel</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Route of seat 1, green arrows</source>
        <translation>Weg von Platz 1, grüne Pfeile</translation>
    </message>
    <message>
        <source>Route of seat 2, orange arrows</source>
        <translation>Weg von Platz 2, orange Pfeile</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>You are just watching</source>
        <translation>Du schaust nur zu</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 schaut nur zu</translation>
    </message>
    <message>
        <source>Your status</source>
        <translation>Dein Stand</translation>
    </message>
    <message>
        <source>%1&apos;s status</source>
        <translation>Stand von %1</translation>
    </message>
    <message>
        <source>Turn marker: your turn</source>
        <translation>Zugmarke: Du bist dran</translation>
    </message>
    <message>
        <source>Turn marker: %1&apos;s turn</source>
        <translation>Zugmarke: %1 ist dran</translation>
    </message>
    <message>
        <source>Three rows of seven squares, player 1&apos;s row at the top; squares are counted along your route</source>
        <translation>Drei Reihen mit je sieben Feldern, die Reihe von Spieler 1 oben; die Felder werden entlang deines Wegs gezählt</translation>
    </message>
    <message>
        <source>Three rows of seven squares, player 1&apos;s row at the top; squares are counted along player 1&apos;s route</source>
        <translation>Drei Reihen mit je sieben Feldern, die Reihe von Spieler 1 oben; die Felder werden entlang des Wegs von Spieler 1 gezählt</translation>
    </message>
</context>
<context>
    <name>board::BoardSpeech</name>
    <message>
        <source>Board</source>
        <translation>Brett</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>a list of chip numbers: 1, 2 and 5</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>may move home</source>
        <translation>kann ins Ziel ziehen</translation>
    </message>
    <message>
        <source>may move to square %1</source>
        <translation>kann auf Feld %1 ziehen</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>%1&apos;s square %2</source>
        <translation>Feld %2 von %1</translation>
    </message>
    <message>
        <source>no square</source>
        <translation>kein Feld</translation>
    </message>
    <message>
        <source>No square</source>
        <translation>Kein Feld</translation>
    </message>
    <message>
        <source>rosette</source>
        <translation>Rosette</translation>
    </message>
    <message>
        <source>your chip %1</source>
        <translation>dein Stein %1</translation>
    </message>
    <message>
        <source>your chips %1</source>
        <translation>deine Steine %1</translation>
    </message>
    <message>
        <source>%1&apos;s chip</source>
        <translation>Stein von %1</translation>
    </message>
    <message>
        <source>%1&apos;s %2 chips</source>
        <translation>%2 Steine von %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Your home pile</source>
        <translation>Dein Zielstapel</translation>
    </message>
    <message>
        <source>Your start pile</source>
        <translation>Dein Startstapel</translation>
    </message>
    <message>
        <source>%1&apos;s home pile</source>
        <translation>Zielstapel von %1</translation>
    </message>
    <message>
        <source>%1&apos;s start pile</source>
        <translation>Startstapel von %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no chips</source>
        <translation>keine Steine</translation>
    </message>
    <message>
        <source>1 chip</source>
        <translation>1 Stein</translation>
    </message>
    <message>
        <source>%1 chips</source>
        <translation>%1 Steine</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Your chip %1</source>
        <translation>Dein Stein %1</translation>
    </message>
    <message>
        <source>%1&apos;s chip %2</source>
        <translation>Stein %2 von %1</translation>
    </message>
    <message>
        <source>in the start pile</source>
        <translation>im Startstapel</translation>
    </message>
    <message>
        <source>in the home pile</source>
        <translation>im Ziel</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>auf %1</translation>
    </message>
    <message>
        <source>Middle row</source>
        <translation>Mittlere Reihe</translation>
    </message>
    <message>
        <source>Your row</source>
        <translation>Deine Reihe</translation>
    </message>
    <message>
        <source>%1&apos;s row</source>
        <translation>Reihe von %1</translation>
    </message>
    <message>
        <source>Dice: not thrown yet</source>
        <translation>Würfel: noch nicht geworfen</translation>
    </message>
    <message>
        <source>Dice: 1 point</source>
        <translation>Würfel: 1 Punkt</translation>
    </message>
    <message>
        <source>Dice: %1 points</source>
        <translation>Würfel: %1 Punkte</translation>
    </message>
    <message>
        <source>Die %1: marked tip up</source>
        <translation>Würfel %1: markierte Spitze oben</translation>
    </message>
    <message>
        <source>Die %1: plain tip up</source>
        <translation>Würfel %1: leere Spitze oben</translation>
    </message>
    <message>
        <source>Die %1: not thrown yet</source>
        <translation>Würfel %1: noch nicht geworfen</translation>
    </message>
</context>
<context>
    <name>board::BoardView</name>
    <message>
        <source>Show the route of seat 1</source>
        <translation>Weg von Platz 1 zeigen</translation>
    </message>
    <message>
        <source>Show the route of seat 2</source>
        <translation>Weg von Platz 2 zeigen</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Welcome to Kelvoa!</source>
        <translation>Willkommen bei Kelvoa!</translation>
    </message>
    <message>
        <source>Give Player 3 ability to play</source>
        <translation>Spieler 3 mitspielen lassen</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Wartet&gt;</translation>
    </message>
</context>
<context>
    <name>board::ReviewChart</name>
    <message>
        <source>turn</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Winning chance of %1</source>
        <translation>Gewinnchance von %1</translation>
    </message>
</context>
<context>
    <name>board::ReviewPanel</name>
    <message>
        <source>Expert reviews the game… %p %</source>
        <translation>Experte wertet das Spiel aus … %p %</translation>
    </message>
    <message>
        <source>Expert is looking at every move…</source>
        <translation>Experte sieht sich jeden Zug an …</translation>
    </message>
    <message>
        <source>best</source>
        <translation>der beste</translation>
    </message>
    <message>
        <source>an inaccuracy</source>
        <translation>eine Ungenauigkeit</translation>
    </message>
    <message>
        <source>a mistake</source>
        <translation>ein Fehler</translation>
    </message>
    <message>
        <source>a blunder</source>
        <translation>ein grober Fehler</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>home</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <source>Before the first throw. Step through the game, or click the chart.</source>
        <translation>Vor dem ersten Wurf. Geh Schritt für Schritt durch das Spiel oder klicke in die Grafik.</translation>
    </message>
    <message>
        <source>Turn %1: %2 threw %3 and could not move.</source>
        <translation>Zug %1: %2 warf %3 und konnte nicht ziehen.</translation>
    </message>
    <message>
        <source>Turn %1: %2 moved %3: &lt;b&gt;&lt;span style=&quot;color:%4&quot;&gt;%5&lt;/span&gt;&lt;/b&gt;</source>
        <translation>Zug %1: %2 zog %3: &lt;b&gt;&lt;span style=&quot;color:%4&quot;&gt;%5&lt;/span&gt;&lt;/b&gt;</translation>
    </message>
    <message>
        <source> (the only move)</source>
        <translation> (der einzige mögliche Zug)</translation>
    </message>
    <message>
        <source>, %1 points of winning chance lost.&lt;br&gt;Best was &lt;b&gt;%2&lt;/b&gt;, shown on the board.</source>
        <translation>, %1 Prozentpunkte Gewinnchance verloren.&lt;br&gt;Am besten war &lt;b&gt;%2&lt;/b&gt;, auf dem Brett gezeigt.</translation>
    </message>
    <message>
        <source>Solving the exact table, once… %p %</source>
        <translation>Die exakte Tabelle wird berechnet, einmalig … %p %</translation>
    </message>
    <message>
        <source>Expert first works out the exact odds of every end game (about a minute, only this once).</source>
        <translation>Experte berechnet zuerst die genauen Chancen jedes Endspiels (etwa eine Minute, nur dieses eine Mal).</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: accuracy &lt;b&gt;%2%&lt;/b&gt; of %3 moves&lt;br&gt;%4 inaccuracies, %5 mistakes, %6 blunders&lt;br&gt;luck &lt;b&gt;%7&lt;/b&gt; over %8 throws, luck-adjusted result &lt;b&gt;%9&lt;/b&gt;</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: Genauigkeit &lt;b&gt;%2 %&lt;/b&gt; bei %3 Zügen&lt;br&gt;%4 Ungenauigkeiten, %5 Fehler, %6 grobe Fehler&lt;br&gt;Glück &lt;b&gt;%7&lt;/b&gt; in %8 Würfen, um das Glück bereinigtes Ergebnis &lt;b&gt;%9&lt;/b&gt;</translation>
    </message>
    <message>
        <source>the dice</source>
        <translation>die Würfel</translation>
    </message>
    <message>
        <source>the move</source>
        <translation>der Zug</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot; style=&quot;color:#ffd66e&quot;&gt;turn %1&lt;/a&gt;: %2, %3 for %4</source>
        <translation>&lt;a href=&quot;%1&quot; style=&quot;color:#ffd66e&quot;&gt;Zug %1&lt;/a&gt;: %2, %3 für %4</translation>
    </message>
    <message>
        <source>&lt;b&gt;Key moments&lt;/b&gt;: %1</source>
        <translation>&lt;b&gt;Entscheidende Momente&lt;/b&gt;: %1</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Dice this game, 0 to 4 points: %1; fair dice would give %2 (1, 4, 6, 4, 1 in 16)</source>
        <translation>Würfel in diesem Spiel, 0 bis 4 Punkte: %1; faire Würfel ergäben %2 (1, 4, 6, 4, 1 von 16)</translation>
    </message>
    <message>
        <source>&lt;br&gt;Luck of the throw: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>&lt;br&gt;Glück des Wurfs: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>board::Trecordviewer</name>
    <message>
        <source>Game Record</source>
        <translation>Spielprotokoll</translation>
    </message>
    <message>
        <source>The kept games, newest first</source>
        <translation>Die aufbewahrten Spiele, neueste zuerst</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>Open any game record file</source>
        <translation>Eine beliebige Protokolldatei öffnen</translation>
    </message>
    <message>
        <source>Open Game Record</source>
        <translation>Spielprotokoll öffnen</translation>
    </message>
    <message>
        <source>Game records (*.txt);;All files (*)</source>
        <translation>Spielprotokolle (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>|&lt; &amp;Start</source>
        <translation>|&lt; &amp;Anfang</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Vor &gt;</translation>
    </message>
    <message>
        <source>&amp;End &gt;|</source>
        <translation>&amp;Ende &gt;|</translation>
    </message>
    <message>
        <source>No games kept yet</source>
        <translation>Noch keine Spiele aufbewahrt</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Game Record - %1</source>
        <translation>Spielprotokoll – %1</translation>
    </message>
    <message>
        <source>Game %1: %2 against %3</source>
        <translation>Spiel %1: %2 gegen %3</translation>
    </message>
    <message>
        <source>The record stops at line %1: %2.</source>
        <translation>Das Protokoll endet in Zeile %1: %2.</translation>
    </message>
    <message>
        <source>%1 threw 1</source>
        <translation>%1 warf 1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 warf %2</translation>
    </message>
    <message>
        <source> and could not move.</source>
        <translation> und konnte nicht ziehen.</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>home</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>: chip %1 from %2 to %3</source>
        <translation>: Stein %1 von %2 nach %3</translation>
    </message>
    <message>
        <source>, sent chip %1 back</source>
        <translation>, schickte Stein %1 zurück</translation>
    </message>
    <message>
        <source>, rosette</source>
        <translation>, Rosette</translation>
    </message>
    <message>
        <source>, throws again</source>
        <translation>, wirft noch einmal</translation>
    </message>
    <message>
        <source>Nothing to show.</source>
        <translation>Nichts zu zeigen.</translation>
    </message>
    <message>
        <source>%1 started the game.</source>
        <translation>%1 hat das Spiel begonnen.</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 Punkt</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>Turn %1 of %2</source>
        <translation>Zug %1 von %2</translation>
    </message>
</context>
<context>
    <name>board::TurnFlow</name>
    <message>
        <source>Invalid Move</source>
        <translation>Ungültiger Zug</translation>
    </message>
    <message>
        <source>Unset just watching in order to play.</source>
        <translation>Heb „Nur zuschauen“ auf, um zu spielen.</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Du bist nicht verbunden</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 hat ein Spiel begonnen.</translation>
    </message>
    <message>
        <source>Rolling..</source>
        <translation>Würfelt…</translation>
    </message>
    <message>
        <source>Your turn to roll</source>
        <translation>Du bist mit Würfeln dran</translation>
    </message>
    <message>
        <source>%1 is rolling...</source>
        <translation>%1 würfelt …</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 Punkt</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>You rolled a nil</source>
        <translation>Du hast eine Null geworfen</translation>
    </message>
    <message>
        <source>Choose a chip to move 1 space</source>
        <translation>Wähle einen Stein, der 1 Feld zieht</translation>
    </message>
    <message numerus="yes">
        <source>Choose a chip to move %n spaces</source>
        <translation>
            <numerusform>Wähle einen Stein, der %n Feld zieht</numerusform>
            <numerusform>Wähle einen Stein, der %n Felder zieht</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 rolled a nil</source>
        <translation>%1 hat eine Null geworfen</translation>
    </message>
    <message>
        <source>%1 is moving a chip 1 space.</source>
        <translation>%1 zieht einen Stein 1 Feld.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is moving a chip %n spaces.</source>
        <translation>
            <numerusform>%1 zieht einen Stein %n Feld.</numerusform>
            <numerusform>%1 zieht einen Stein %n Felder.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 brought a chip out and will roll again.</source>
        <translation>%1 hat einen Stein ins Spiel gebracht und würfelt noch einmal.</translation>
    </message>
    <message>
        <source>%1 put a chip in and will roll again.</source>
        <translation>%1 hat einen Stein ins Ziel gebracht und würfelt noch einmal.</translation>
    </message>
    <message>
        <source>%1 sent a chip back and will roll again.</source>
        <translation>%1 hat einen Stein zurückgeschickt und würfelt noch einmal.</translation>
    </message>
    <message>
        <source>%1 landed on a rosette and will roll again.</source>
        <translation>%1 ist auf einer Rosette gelandet und würfelt noch einmal.</translation>
    </message>
    <message>
        <source>%1 &apos;s turn is over..</source>
        <translation>%1 ist fertig mit dem Zug …</translation>
    </message>
    <message>
        <source>Your chip got sent back to start by %1.</source>
        <translation>%1 hat deinen Stein zurück an den Start geschickt.</translation>
    </message>
    <message>
        <source>%1 sent %2&apos;s chip back to start.</source>
        <translation>%1 hat einen Stein von %2 zurück an den Start geschickt.</translation>
    </message>
    <message>
        <source>You are unable to move.. ending turn..</source>
        <translation>Du kannst nicht ziehen … Zug endet …</translation>
    </message>
    <message>
        <source>%1 is unable to move.. ending turn..</source>
        <translation>%1 kann nicht ziehen … Zug endet …</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>The host has given %1 the ability to play.</source>
        <translation>Der Gastgeber lässt %1 mitspielen.</translation>
    </message>
    <message>
        <source>The Game is over since player 3 left</source>
        <translation>Das Spiel ist vorbei, weil Spieler 3 gegangen ist</translation>
    </message>
    <message>
        <source>You cannot give player 3 your turn.</source>
        <translation>Du kannst Spieler 3 deinen Zug nicht überlassen.</translation>
    </message>
</context>
<context>
    <name>chat</name>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Abbrechen&gt;</translation>
    </message>
    <message>
        <source>Doh</source>
        <translation>Mist</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Husten</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hallo</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Danke</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Wo warst du?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Schnarchen</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Niesen</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Entschuldigung</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Jiiihaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Juhu</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh nein</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaus</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Hupe</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pfffft</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Jubel</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Frau lacht</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Mann lacht</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Weinen</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Hier chatten&gt;</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
</context>
<context>
    <name>helptext</name>
    <message>
        <source>Overview

Archaeologists opening ancient royal tombs found boards of twenty squares inlaid with shell, lapis and red stone, together with two sets of seven chips and small pyramid-shaped dice. Nobody wrote down how the game was played, but the pieces tell a great deal: two players raced their chips along a route across the board, and certain squares, marked with rosettes, were special.

Kelvoa plays this race in its basic form. Each of two players brings seven chips from a start pile along a route of fifteen squares to home, throwing four pyramid dice each turn. Up to seven friends can watch and everybody can chat. When a seat is empty, or its player only wants to watch, the computer player Klot plays it.</source>
        <translation>Überblick

Als Archäologen alte Königsgräber öffneten, fanden sie Spielbretter mit zwanzig Feldern, eingelegt mit Muscheln, Lapislazuli und rotem Stein, dazu zwei Sätze von je sieben Steinen und kleine pyramidenförmige Würfel. Niemand hat aufgeschrieben, wie das Spiel gespielt wurde, doch die Fundstücke verraten viel: Zwei Spieler liefen mit ihren Steinen um die Wette über das Brett, und bestimmte Felder, mit Rosetten geschmückt, waren etwas Besonderes.

Kelvoa spielt dieses Wettrennen in seiner Grundform. Jeder der beiden Spieler bringt sieben Steine vom Startstapel über einen Weg von fünfzehn Feldern ins Ziel und wirft dazu in jedem Zug vier Pyramidenwürfel. Bis zu sieben Freunde können zuschauen, und alle können chatten. Ist ein Platz frei oder will sein Spieler nur zuschauen, spielt ihn der Computergegner Klot.</translation>
    </message>
    <message>
        <source>Connecting

Solo game
Start Kelvoa without the lobby and a solo game against Klot opens. Press &quot;Start Game&quot; to begin. A solo game needs no internet connection, but the game talks to itself over the network, so your firewall must allow Kelvoa to use it.

Multi-player games
Choose File &gt; &quot;Host a Game…&quot; to host a game under your name, or File &gt; &quot;Join a Game…&quot; to join one: the games hosted on your network are listed there, and a game elsewhere is joined by its host&apos;s address. The Korvan Lobby, a separate program where players meet, starts games together too.

Hosting
The player who hosts a game must allow incoming connections on TCP port 7772 in the firewall. While you host, Kelvoa asks your router to forward that port to your computer, and the Host dialog shows where friends reach the game: on your network, on the internet, over IPv6, or why not. Where the router does not answer, forward the port by hand (or use the lobby&apos;s assisted hosting option). Games on your network are found over UDP port 7772.

Inviting a friend
&quot;Copy Invite&quot; in the Host dialog puts a line with your game&apos;s kelvoa:// link on the clipboard; a click on the link opens Kelvoa&apos;s Join dialog, filled in. With &quot;Only players with the invite&quot; checked, only those who have the link can join.

A dropped line
When your connection to the host drops, your window stays and Kelvoa reconnects by itself; the host keeps your seat for three minutes, and the computer plays it meanwhile. If the host (usually the first player in the list) disconnects, the game ends for everybody.</source>
        <translation>Verbinden

Einzelspiel
Startest du Kelvoa ohne die Lobby, öffnet sich ein Einzelspiel gegen Klot. Drücke „Spiel starten“, um zu beginnen. Ein Einzelspiel braucht keine Internetverbindung, aber das Spiel spricht über das Netzwerk mit sich selbst, deshalb muss deine Firewall Kelvoa das erlauben.

Spiele mit mehreren Spielern
Wähle Datei &gt; „Spiel eröffnen …“, um unter deinem Namen ein Spiel zu eröffnen, oder Datei &gt; „Einem Spiel beitreten …“, um mitzuspielen: Dort stehen die Spiele in deinem Netzwerk, und einem Spiel anderswo trittst du über die Adresse seines Gastgebers bei. Auch die Korvan-Lobby, ein eigenes Programm, in dem sich Spieler treffen, startet gemeinsame Spiele.

Spiel eröffnen
Wer ein Spiel eröffnet, muss in der Firewall eingehende Verbindungen auf TCP-Port 7772 erlauben. Solange du ein Spiel eröffnet hast, bittet Kelvoa deinen Router, diesen Port an deinen Computer weiterzuleiten, und das Fenster „Spiel eröffnen“ zeigt, wo Freunde das Spiel erreichen: in deinem Netzwerk, im Internet, über IPv6 – oder warum nicht. Antwortet der Router nicht, leite den Port von Hand weiter (oder nutze das unterstützte Eröffnen der Lobby). Spiele in deinem Netzwerk werden über UDP-Port 7772 gefunden.

Einen Freund einladen
„Einladung kopieren“ im Fenster „Spiel eröffnen“ legt eine Zeile mit dem kelvoa://-Link deines Spiels in die Zwischenablage; ein Klick auf den Link öffnet das fertig ausgefüllte Beitrittsfenster von Kelvoa. Ist „Nur Spieler mit Einladung“ angehakt, können nur die beitreten, die den Link haben.

Wenn die Verbindung abbricht
Bricht deine Verbindung zum Gastgeber ab, bleibt dein Fenster offen und Kelvoa verbindet sich von selbst neu; der Gastgeber hält deinen Platz drei Minuten lang frei, und solange spielt ihn der Computer. Trennt sich der Gastgeber (meist der erste Spieler in der Liste), endet das Spiel für alle.</translation>
    </message>
    <message>
        <source>Game Play

Each player has seven chips. The goal is to move all of them from the start pile, along the route and off the board home. The first player with all seven chips home wins.

The dice
There are four pyramid-shaped dice. Two tips of each are marked in red; the number of red tips on top after a throw (0 to 4) is how far one chip moves. Press &quot;Roll Dice&quot; when it is your turn, then click the chip you want to move.

Entering
A chip enters the board only on a throw of exactly one. Entering earns another throw.

One chip per square
Only one of your own chips may stand on a square, except on a rosette.

Capturing
Landing on your opponent&apos;s chip on a square that is not a rosette sends it back to its start pile, and earns you another throw. Each player&apos;s first four squares are his own and can never be attacked.

Rosettes
The five rosettes are safe: chips there cannot be sent back, any number of chips may share them, and landing on one earns another throw.

Bearing off
Bringing a chip home needs the exact count, and earns another throw.

Tip: click the small arrow buttons on the board to see each player&apos;s route.

Hints
After your throw the chips that may move glow; rest the pointer on one to see where it would land (Options, Show Hints).

Playing from the keyboard
Ctrl+G starts a game, Ctrl+R throws the dice, Ctrl+1 to Ctrl+7 move your chip of that number. These work while you type in the chat; Escape leaves the chat line.

The game record
File, Save Game Record keeps every throw and move of this and the last game as text; File, Open Game Record steps through a saved one (arrow keys, Home and End). View, Dice Statistics shows how the dice fell this session.

Reviewing a game
Every game is kept in the folder Games beside your tally. View, &quot;Review Game…&quot; (or &quot;Review this game&quot; when a game ends) rates every move against the best one for the same throw, draws the chance to win over the game, and counts each player&apos;s mistakes and blunders.</source>
        <translation>Spielablauf

Jeder Spieler hat sieben Steine. Ziel ist es, alle vom Startstapel über den Weg und vom Brett ins Ziel zu bringen. Wer als Erster alle sieben Steine im Ziel hat, gewinnt.

Die Würfel
Es gibt vier pyramidenförmige Würfel. Bei jedem sind zwei Spitzen rot markiert; die Zahl der roten Spitzen, die nach einem Wurf oben liegen (0 bis 4), sagt, wie weit ein Stein zieht. Drücke „Würfeln“, wenn du dran bist, und klicke dann auf den Stein, den du ziehen willst.

Einsetzen
Ein Stein kommt nur mit einem Wurf von genau eins aufs Brett. Das Einsetzen bringt einen weiteren Wurf.

Ein Stein pro Feld
Auf einem Feld darf nur einer deiner eigenen Steine stehen, außer auf einer Rosette.

Schlagen
Wer auf einem Feld, das keine Rosette ist, auf einen Stein des Gegners zieht, schickt ihn zurück auf seinen Startstapel und darf noch einmal würfeln. Die ersten vier Felder jedes Spielers gehören ihm allein und können nie angegriffen werden.

Rosetten
Die fünf Rosetten sind sicher: Steine dort können nicht zurückgeschickt werden, beliebig viele Steine dürfen sie teilen, und wer auf einer landet, darf noch einmal würfeln.

Ins Ziel bringen
Um einen Stein ins Ziel zu bringen, braucht man genau die passende Zahl; auch das bringt einen weiteren Wurf.

Tipp: Klicke auf die kleinen Pfeilknöpfe auf dem Brett, um den Weg jedes Spielers zu sehen.

Hinweise
Nach deinem Wurf leuchten die Steine, die ziehen dürfen; halte den Mauszeiger über einen, um zu sehen, wo er landen würde (Optionen, Hinweise zeigen).

Spielen mit der Tastatur
Strg+G startet ein Spiel, Strg+R würfelt, Strg+1 bis Strg+7 ziehen deinen Stein mit dieser Nummer. Das geht auch, während du im Chat tippst; Escape verlässt die Chatzeile.

Das Spielprotokoll
Datei, Spielprotokoll speichern hält jeden Wurf und jeden Zug dieses und des letzten Spiels als Text fest; Datei, Spielprotokoll öffnen geht ein gespeichertes Schritt für Schritt durch (Pfeiltasten, Pos1 und Ende). Ansicht, Würfelstatistik zeigt, wie die Würfel in dieser Sitzung gefallen sind.

Ein Spiel auswerten
Jedes Spiel wird im Ordner Games neben deiner Bilanz aufbewahrt. Ansicht, „Spiel auswerten …“ (oder „Dieses Spiel auswerten“ am Ende eines Spiels) vergleicht jeden Zug mit dem besten für denselben Wurf, zeichnet die Gewinnchance über das ganze Spiel und zählt die Fehler und groben Fehler jedes Spielers.</translation>
    </message>
    <message>
        <source>The Computer

The computer plays every seat that has no player, and the seat of a player who chose Options, Just Watch. The player who hosts the game (in a solo game, you) chooses how well it plays in Options, Bot Skill, and how fast in Options, Bot Speed.

Klot
Klot plays by fixed preferences and never thinks ahead: on a throw of one it enters a new chip, otherwise it moves a chip off its first square, then a chip that lands on a rosette or home, and otherwise the first chip that can move. It never looks at your chips, so it is the right opponent for learning the game.

Strong
Strong looks two throws ahead: every move it could make, every throw that could follow and every answer to it, weighed by how often each throw comes up. It judges the positions it reaches by how far each side has come, which chips the next throw could send back and who holds the middle rosette, in the measure that a comparison with exact results taught it.

Expert
Late in the game, once at least six chips are home between the two players, Expert looks the position up in an exact table of them all and makes the best move there is. Before that it searches one throw deeper than Strong, and wherever its search reaches the table it uses the exact values. The table is built on this computer the first time Expert is chosen, which takes a while; a window shows how far it has come, and until it is ready Expert plays as Strong.

The chances bar
Options, Show Chances puts a bar beside the board that shows each player&apos;s chance to win, as the computer sees it, from the position as it stands. The green part, filling from the top, and the number at the top are the first player&apos;s chance; the orange part and the number at the bottom are the second player&apos;s. A line marks even odds. When the exact table covers the position, the numbers are exact; before that they are Strong&apos;s estimate. Players and spys alike can show it, and it changes after every throw and move.</source>
        <translation>Der Computer

Der Computer spielt jeden Platz, auf dem kein Spieler sitzt, und den Platz eines Spielers, der Optionen, Nur zuschauen gewählt hat. Wer das Spiel eröffnet (im Einzelspiel also du), wählt unter Optionen, Stärke des Computers, wie gut er spielt, und unter Optionen, Tempo des Computers, wie schnell.

Klot
Klot spielt nach festen Vorlieben und denkt nie voraus: Bei einer Eins setzt er einen neuen Stein ein, sonst zieht er einen Stein von seinem ersten Feld, dann einen Stein, der auf einer Rosette oder im Ziel landet, und sonst den ersten Stein, der ziehen kann. Auf deine Steine achtet er nie – der richtige Gegner, um das Spiel zu lernen.

Stark
Stark schaut zwei Würfe voraus: jeden Zug, den er machen könnte, jeden Wurf, der folgen könnte, und jede Antwort darauf, gewichtet danach, wie oft jeder Wurf vorkommt. Die Stellungen, die er erreicht, beurteilt er danach, wie weit jede Seite gekommen ist, welche Steine der nächste Wurf zurückschicken könnte und wer die mittlere Rosette hält – in dem Maß, das ihn ein Vergleich mit exakten Ergebnissen gelehrt hat.

Experte
Spät im Spiel, sobald die beiden Spieler zusammen mindestens sechs Steine im Ziel haben, schlägt Experte die Stellung in einer exakten Tabelle aller Stellungen nach und macht den bestmöglichen Zug. Vorher sucht er einen Wurf tiefer als Stark, und wo seine Suche die Tabelle erreicht, nimmt er die exakten Werte. Die Tabelle wird auf diesem Computer berechnet, wenn Experte zum ersten Mal gewählt wird, und das dauert eine Weile; ein Fenster zeigt den Fortschritt, und bis sie fertig ist, spielt Experte wie Stark.

Die Chancenleiste
Optionen, Gewinnchancen zeigen blendet neben dem Brett eine Leiste ein, die die Gewinnchance jedes Spielers zeigt, wie der Computer sie aus der aktuellen Stellung sieht. Der grüne Teil, der sich von oben füllt, und die Zahl oben sind die Chance des ersten Spielers; der orange Teil und die Zahl unten die des zweiten. Eine Linie markiert gleiche Chancen. Deckt die exakte Tabelle die Stellung ab, sind die Zahlen exakt; vorher sind sie die Schätzung von Stark. Spieler und Zuschauer können sie gleichermaßen einblenden, und sie ändert sich nach jedem Wurf und jedem Zug.</translation>
    </message>
    <message>
        <source>History

Version 1.0.3 (December 2026)
- Invite a friend over the internet with a link; the router opens itself.
- A dropped line costs no game: Kelvoa reconnects and the seat is kept.
- Every game is kept and can be reviewed move by move.
- Watchers who join a running game see the board as it stands.
- A player may step aside and just watch while Klot plays his seat.
- The settings are kept even where the program&apos;s folder cannot be written.

Version 1.0.2
- The tally of games against chosen opponents.
- Chatter sounds and phrase buttons.

Version 1.0.1
- Klot, the computer player, with three speeds.

Version 1.0.0
- First release: two players, up to seven spys, chat.</source>
        <translation>Chronik

Version 1.0.3 (Dezember 2026)
- Lade einen Freund über das Internet mit einem Link ein; der Router öffnet sich von selbst.
- Eine abgebrochene Verbindung kostet kein Spiel: Kelvoa verbindet sich neu, und der Platz bleibt frei.
- Jedes Spiel wird aufbewahrt und kann Zug für Zug ausgewertet werden.
- Zuschauer, die einem laufenden Spiel beitreten, sehen das Brett, wie es gerade steht.
- Ein Spieler kann aussetzen und nur zuschauen, während Klot seinen Platz spielt.
- Die Einstellungen bleiben erhalten, auch wo der Ordner des Programms nicht beschreibbar ist.

Version 1.0.2
- Die Bilanz der Spiele gegen ausgewählte Gegner.
- Plaudertöne und Spruchknöpfe.

Version 1.0.1
- Klot, der Computergegner, mit drei Geschwindigkeiten.

Version 1.0.0
- Erste Ausgabe: zwei Spieler, bis zu sieben Zuschauer, Chat.</translation>
    </message>
    <message>
        <source>The Lobby

The Korvan Lobby is a separate program where players of Korvan games meet, chat and start games together. It starts Kelvoa for you with the right settings, whether you host a game or join one.

You can get the lobby from Korvan: choose Help, &quot;The Korvan Lobby…&quot; and then &quot;Download And Install The Korvan Lobby Now&quot;. The same window opens at a solo start until you clear &quot;Show this window at start&quot;.

You do not need the lobby to play with others: File, &quot;Host a Game…&quot; hosts a game and File, &quot;Join a Game…&quot; joins one (see Connecting).</source>
        <translation>Die Lobby

Die Korvan-Lobby ist ein eigenes Programm, in dem sich Spieler von Korvan-Spielen treffen, chatten und gemeinsam Spiele starten. Sie startet Kelvoa für dich mit den richtigen Einstellungen, ob du ein Spiel eröffnest oder einem beitrittst.

Du bekommst die Lobby bei Korvan: Wähle Hilfe, „Die Korvan-Lobby …“ und dann „Korvan-Lobby jetzt herunterladen und installieren“. Dasselbe Fenster öffnet sich beim Start eines Einzelspiels, bis du „Dieses Fenster beim Start zeigen“ abhakst.

Um mit anderen zu spielen, brauchst du die Lobby nicht: Datei, „Spiel eröffnen …“ eröffnet ein Spiel, und Datei, „Einem Spiel beitreten …“ tritt einem bei (siehe Verbinden).</translation>
    </message>
    <message>
        <source>

The public lobby (File, &quot;Public Lobby…&quot;) is the place to meet players you do not know yet: a group chat room on an XMPP server that a community runs. Give its room and your account (or a domain that lets you in without one); the window shows who is there, the room&apos;s chat and the open games. Join tries a game&apos;s addresses directly; &quot;Host a Game…&quot; lists your game there for everybody. To open Kelvoa on a lobby link, start it as: kelvoa xmpp:ROOM?join</source>
        <translation>

In der öffentlichen Lobby (Datei, „Öffentliche Lobby …“) triffst du Spieler, die du noch nicht kennst: Sie ist ein Gruppenchatraum auf einem XMPP-Server, den eine Community betreibt. Gib ihren Raum und dein Konto an (oder eine Domain, die dich ohne Konto hereinlässt); das Fenster zeigt, wer da ist, den Chat des Raums und die offenen Spiele. „Beitreten“ versucht die Adressen eines Spiels direkt; „Spiel eröffnen …“ zeigt dein Spiel dort allen an. Um Kelvoa über einen Lobby-Link zu öffnen, starte es so: kelvoa xmpp:ROOM?join</translation>
    </message>
</context>
<context>
    <name>invite</name>
    <message>
        <source>&quot;%1&quot; is not an address: give a name such as host.example, a number such as 192.168.1.20, or an IPv6 address such as [2001:db8::5].</source>
        <translation>„%1“ ist keine Adresse: Gib einen Namen wie host.example, eine Nummer wie 192.168.1.20 oder eine IPv6-Adresse wie [2001:db8::5] an.</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>Der Port „%1“ ist keine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address.</source>
        <translation>Bitte gib die Adresse des Gastgebers ein.</translation>
    </message>
    <message>
        <source>This invite link is too long to be a Kelvoa invite.</source>
        <translation>Dieser Link ist zu lang für eine Kelvoa-Einladung.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Kelvoa invite: an invite begins with kelvoa://</source>
        <translation>„%1“ ist keine Kelvoa-Einladung: Eine Einladung beginnt mit kelvoa://</translation>
    </message>
    <message>
        <source>The invite names no host to join.</source>
        <translation>Die Einladung nennt keinen Gastgeber.</translation>
    </message>
    <message>
        <source>The invite&apos;s port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>Der Port „%1“ der Einladung ist keine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>The invite&apos;s address: </source>
        <translation>Die Adresse der Einladung: </translation>
    </message>
    <message>
        <source>The invite has parts after its code that Kelvoa does not know: it should end after the code.</source>
        <translation>Die Einladung hat hinter ihrem Code Teile, die Kelvoa nicht kennt: Sie sollte nach dem Code enden.</translation>
    </message>
    <message>
        <source>The invite&apos;s code &quot;%1&quot; is not a Kelvoa code: ask the host for the invite again.</source>
        <translation>Der Code „%1“ der Einladung ist kein Kelvoa-Code: Bitte den Gastgeber noch einmal um die Einladung.</translation>
    </message>
    <message>
        <source>Join my Kelvoa game: </source>
        <translation>Spiel mit mir Kelvoa: </translation>
    </message>
</context>
<context>
    <name>lobby::LobbyRoom</name>
    <message>
        <source>The name %1 and its numbered variants are taken in this room.</source>
        <translation>Der Name %1 und seine nummerierten Varianten sind in diesem Raum schon vergeben.</translation>
    </message>
    <message>
        <source>There is no room %1.</source>
        <translation>Es gibt keinen Raum %1.</translation>
    </message>
    <message>
        <source>The room %1 does not exist and cannot be made here.</source>
        <translation>Den Raum %1 gibt es nicht, und er kann hier nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The room %1 does not let you in.</source>
        <translation>Der Raum %1 lässt dich nicht herein.</translation>
    </message>
    <message>
        <source>The room %1 is for its members only.</source>
        <translation>Der Raum %1 ist nur für seine Mitglieder.</translation>
    </message>
    <message>
        <source>The room %1 is full or closed.</source>
        <translation>Der Raum %1 ist voll oder geschlossen.</translation>
    </message>
    <message>
        <source>The room %1 refused you (%2).</source>
        <translation>Der Raum %1 hat dich abgewiesen (%2).</translation>
    </message>
    <message>
        <source>no reason</source>
        <translation>kein Grund angegeben</translation>
    </message>
</context>
<context>
    <name>lobby::LobbySession</name>
    <message>
        <source>Give the lobby&apos;s room, as room@service.</source>
        <translation>Gib den Raum der Lobby an, als raum@dienst.</translation>
    </message>
    <message>
        <source>A room is written room@service, e.g. lobby@conference.example.org.</source>
        <translation>Ein Raum wird raum@dienst geschrieben, z. B. lobby@conference.example.org.</translation>
    </message>
    <message>
        <source>Give your account (name@domain), or a domain to sign in without one.</source>
        <translation>Gib dein Konto (name@domain) an oder eine Domain, um dich ohne Konto anzumelden.</translation>
    </message>
    <message>
        <source>%1 is no domain.</source>
        <translation>%1 ist keine Domain.</translation>
    </message>
    <message>
        <source>An account is written name@domain.</source>
        <translation>Ein Konto wird name@domain geschrieben.</translation>
    </message>
    <message>
        <source>Your account %1 was made.</source>
        <translation>Dein Konto %1 wurde angelegt.</translation>
    </message>
    <message>
        <source>The name %1 is taken here: you are %2.</source>
        <translation>Der Name %1 ist hier schon vergeben: Du bist %2.</translation>
    </message>
    <message>
        <source>You are in %1 as %2.</source>
        <translation>Du bist in %1 als %2.</translation>
    </message>
    <message>
        <source>The lobby&apos;s server %1 is not written host or host:port.</source>
        <translation>Der Server der Lobby, %1, ist nicht als Host oder Host:Port geschrieben.</translation>
    </message>
    <message>
        <source>Making the account %1…</source>
        <translation>Das Konto %1 wird angelegt …</translation>
    </message>
    <message>
        <source>Signing in to %1…</source>
        <translation>Anmeldung bei %1 …</translation>
    </message>
    <message>
        <source>Entering %1…</source>
        <translation>%1 wird betreten …</translation>
    </message>
    <message>
        <source>%1 refused the account %2 or its password.</source>
        <translation>%1 hat das Konto %2 oder sein Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>%1 refused to make the account%2.</source>
        <translation>%1 hat es abgelehnt, das Konto anzulegen%2.</translation>
    </message>
    <message>
        <source>The account %1 exists already: sign in with its password.</source>
        <translation>Das Konto %1 gibt es schon: Melde dich mit seinem Passwort an.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified%2: it is refused unless you accept it.</source>
        <translation>Das Zertifikat von %1 konnte nicht geprüft werden%2: Es wird abgelehnt, solange du es nicht annimmst.</translation>
    </message>
    <message>
        <source>The lobby&apos;s server %3 went away%1; trying again in %2 s.</source>
        <translation>Die Verbindung zum Server der Lobby, %3, ist abgebrochen%1; neuer Versuch in %2 s.</translation>
    </message>
    <message>
        <source>The lobby&apos;s server %3 does not answer%1; trying again in %2 s.</source>
        <translation>Der Server der Lobby, %3, antwortet nicht%1; neuer Versuch in %2 s.</translation>
    </message>
</context>
<context>
    <name>lobby::Tlobby</name>
    <message>
        <source>Kelvoa — Public Lobby</source>
        <translation>Kelvoa – Öffentliche Lobby</translation>
    </message>
    <message>
        <source>A lobby is a group chat room on any XMPP server, which a community can run (the README says how). Give its room and your account, or a domain that lets you in without one.</source>
        <translation>Eine Lobby ist ein Gruppenchatraum auf einem beliebigen XMPP-Server, den eine Community betreiben kann (wie, steht in der README). Gib ihren Raum und dein Konto an oder eine Domain, die dich ohne Konto hereinlässt.</translation>
    </message>
    <message>
        <source>lobby@conference.example.org</source>
        <translation>lobby@conference.example.org</translation>
    </message>
    <message>
        <source>name@example.org, or anon.example.org</source>
        <translation>name@example.org oder anon.example.org</translation>
    </message>
    <message>
        <source>optional: host or host:port</source>
        <translation>optional: Host oder Host:Port</translation>
    </message>
    <message>
        <source>Room:</source>
        <translation>Raum:</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Konto anlegen</translation>
    </message>
    <message>
        <source>Accept This Certificate</source>
        <translation>Dieses Zertifikat annehmen</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Gastgeber</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Spys</source>
        <translation>Zuschauer</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Erreichbar</translation>
    </message>
    <message>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>🔒 invite</source>
        <translation>🔒 Einladung</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>keine Adresse</translation>
    </message>
    <message>
        <source>Say something to the room</source>
        <translation>Schreib etwas in den Raum</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Spiel eröffnen …</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Invite</source>
        <translation>Einladen</translation>
    </message>
    <message>
        <source>Send the person you chose an invite to the game you host</source>
        <translation>Der gewählten Person eine Einladung zu deinem eröffneten Spiel schicken</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Ablehnen</translation>
    </message>
    <message>
        <source>Open games:</source>
        <translation>Offene Spiele:</translation>
    </message>
    <message>
        <source>In the room:</source>
        <translation>Im Raum:</translation>
    </message>
    <message>
        <source>Signed out.</source>
        <translation>Abgemeldet.</translation>
    </message>
    <message>
        <source> — playing</source>
        <translation> – spielt</translation>
    </message>
    <message>
        <source> — hosting</source>
        <translation> – ist Gastgeber</translation>
    </message>
    <message>
        <source> (you)</source>
        <translation> (du)</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>directly</source>
        <translation>direkt</translation>
    </message>
    <message>
        <source>Give the password of %1.</source>
        <translation>Gib das Passwort für %1 ein.</translation>
    </message>
    <message>
        <source>No keyring answers: give the password of %1 (it is not kept).</source>
        <translation>Kein Schlüsselbund antwortet: Gib das Passwort für %1 ein (es wird nicht gespeichert).</translation>
    </message>
    <message>
        <source>An account to make is written name@domain.</source>
        <translation>Ein neues Konto wird name@domain geschrieben.</translation>
    </message>
    <message>
        <source>The server is written host or host:port.</source>
        <translation>Der Server wird Host oder Host:Port geschrieben.</translation>
    </message>
    <message>
        <source>Certificate %1 accepted.</source>
        <translation>Zertifikat %1 angenommen.</translation>
    </message>
    <message>
        <source>%1&apos;s game is private: ask %1 for an invite.</source>
        <translation>Das Spiel von %1 ist privat: Bitte %1 um eine Einladung.</translation>
    </message>
    <message>
        <source>%1&apos;s game gives no address to reach it by.</source>
        <translation>Das Spiel von %1 nennt keine Adresse, unter der es erreichbar ist.</translation>
    </message>
    <message>
        <source>Connecting to %1&apos;s game directly…</source>
        <translation>Direkte Verbindung zum Spiel von %1 …</translation>
    </message>
    <message>
        <source>No way into %1&apos;s game answered.</source>
        <translation>Das Spiel von %1 hat auf keinem Weg geantwortet.</translation>
    </message>
    <message>
        <source>%1&apos;s game is full.</source>
        <translation>Das Spiel von %1 ist voll.</translation>
    </message>
    <message>
        <source>Joining %1&apos;s game at %2…</source>
        <translation>Beitritt zum Spiel von %1 unter %2 …</translation>
    </message>
    <message>
        <source>Choose whom to invite in the list of people.</source>
        <translation>Wähle in der Personenliste, wen du einladen möchtest.</translation>
    </message>
    <message>
        <source>Host a game first: the invite carries your game&apos;s link.</source>
        <translation>Eröffne zuerst ein Spiel: Die Einladung enthält den Link zu deinem Spiel.</translation>
    </message>
    <message>
        <source>Invited %1.</source>
        <translation>%1 eingeladen.</translation>
    </message>
    <message>
        <source>%1 invites you to a game</source>
        <translation>%1 lädt dich zu einem Spiel ein</translation>
    </message>
    <message>
        <source>Joining %1&apos;s game…</source>
        <translation>Beitritt zum Spiel von %1 …</translation>
    </message>
</context>
<context>
    <name>lobby::XmppConnection</name>
    <message>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <source>the server&apos;s address is unknown</source>
        <translation>die Adresse des Servers ist unbekannt</translation>
    </message>
</context>
<context>
    <name>multiplayer</name>
    <message>
        <source>Please enter your name.</source>
        <translation>Bitte gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>A name cannot begin with &apos;-&apos;.</source>
        <translation>Ein Name kann nicht mit „-“ beginnen.</translation>
    </message>
    <message>
        <source>Please use letters, digits and punctuation in your name.</source>
        <translation>Bitte verwende in deinem Namen Buchstaben, Ziffern und Satzzeichen.</translation>
    </message>
    <message>
        <source>Your name can hold only Western European letters.</source>
        <translation>Dein Name kann nur westeuropäische Buchstaben enthalten.</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>a turn needs nine fields</source>
        <translation>ein Zug braucht neun Felder</translation>
    </message>
    <message>
        <source>no seat 1 or 2</source>
        <translation>kein Platz 1 oder 2</translation>
    </message>
    <message>
        <source>the dice are not four 0s and 1s</source>
        <translation>die Würfel sind nicht vier Nullen und Einsen</translation>
    </message>
    <message>
        <source>points are not 0 to 4</source>
        <translation>die Punkte liegen nicht zwischen 0 und 4</translation>
    </message>
    <message>
        <source>the points do not match the dice</source>
        <translation>die Punkte passen nicht zu den Würfeln</translation>
    </message>
    <message>
        <source>no chip 1 to 7</source>
        <translation>kein Stein 1 bis 7</translation>
    </message>
    <message>
        <source>squares are not 0 to 16</source>
        <translation>die Felder liegen nicht zwischen 0 und 16</translation>
    </message>
    <message>
        <source>squares without a chip</source>
        <translation>Felder ohne Stein</translation>
    </message>
    <message>
        <source>no chip sent back</source>
        <translation>kein zurückgeschickter Stein</translation>
    </message>
    <message>
        <source>rosette and extra throw must be yes or no</source>
        <translation>Rosette und Extrawurf müssen yes oder no sein</translation>
    </message>
    <message>
        <source>no game begins before it</source>
        <translation>vorher beginnt kein Spiel</translation>
    </message>
    <message>
        <source>the game was already won</source>
        <translation>das Spiel war schon gewonnen</translation>
    </message>
    <message>
        <source>the winner has chips still out</source>
        <translation>der Gewinner hat noch Steine draußen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a word of the record</source>
        <translation>„%1“ ist kein Wort des Protokolls</translation>
    </message>
    <message>
        <source>it holds no game</source>
        <translation>es enthält kein Spiel</translation>
    </message>
    <message>
        <source>the game was not finished</source>
        <translation>das Spiel wurde nicht beendet</translation>
    </message>
    <message>
        <source>chip %1 does not stand on square %2</source>
        <translation>Stein %1 steht nicht auf Feld %2</translation>
    </message>
    <message>
        <source>the move is not a legal one</source>
        <translation>der Zug ist nicht erlaubt</translation>
    </message>
    <message>
        <source>no chip %1 stood there to be sent back</source>
        <translation>dort stand kein Stein %1, der zurückgeschickt werden konnte</translation>
    </message>
    <message>
        <source>a chip was sent back without a move</source>
        <translation>ein Stein wurde ohne Zug zurückgeschickt</translation>
    </message>
</context>
<context>
    <name>tally</name>
    <message>
        <source>Cannot create a temporary file</source>
        <translation>Eine temporäre Datei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot read the tally</source>
        <translation>Die Bilanz kann nicht gelesen werden</translation>
    </message>
</context>
</TS>
