<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ChancesBar</name>
    <message>
        <source>Chance to win, as the computer sees it</source>
        <translation>Chance de gagner, selon l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Chances to win: no game</source>
        <translation>Chances de gagner&#xa0;: pas de partie</translation>
    </message>
    <message>
        <source>Chances to win: player 1 %1, player 2 %2</source>
        <translation>Chances de gagner&#xa0;: joueur 1 %1, joueur 2 %2</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Game records (*.txt);;All files (*)</source>
        <translation>Comptes rendus de partie (*.txt);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>HostGameDialog</name>
    <message>
        <source>Host a Game</source>
        <translation>Héberger une partie</translation>
    </message>
    <message>
        <source>the name the others see</source>
        <translation>le nom que les autres verront</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy the chosen address, to send it to a friend</source>
        <translation>Copier l&apos;adresse choisie pour l&apos;envoyer à un ami</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Where your friends reach this game:</source>
        <translation>Où vos amis peuvent rejoindre cette partie&#xa0;:</translation>
    </message>
    <message>
        <source>This computer has no network address: only a copy on this computer can join (at 127.0.0.1).</source>
        <translation>Cet ordinateur n&apos;a pas d&apos;adresse réseau&#xa0;: seule une copie sur cet ordinateur peut rejoindre la partie (à 127.0.0.1).</translation>
    </message>
    <message>
        <source>On this network:</source>
        <translation>Sur ce réseau&#xa0;:</translation>
    </message>
    <message>
        <source>On the internet:</source>
        <translation>Sur Internet&#xa0;:</translation>
    </message>
    <message>
        <source>Over IPv6:</source>
        <translation>Par IPv6&#xa0;:</translation>
    </message>
    <message>
        <source>Only players with the invite</source>
        <translation>Seulement les joueurs invités</translation>
    </message>
    <message>
        <source>A fresh code each time you host; only those who have your invite link can join</source>
        <translation>Un nouveau code à chaque partie hébergée&#xa0;; seuls ceux qui ont votre lien d&apos;invitation peuvent la rejoindre</translation>
    </message>
    <message>
        <source>Copy Invite</source>
        <translation>Copier l&apos;invitation</translation>
    </message>
    <message>
        <source>Copy a line with your game&apos;s link, to send it to a friend</source>
        <translation>Copier une ligne avec le lien de votre partie pour l&apos;envoyer à un ami</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Héberger</translation>
    </message>
    <message>
        <source>This computer has no network address to invite to.</source>
        <translation>Cet ordinateur n&apos;a aucune adresse réseau où inviter quelqu&apos;un.</translation>
    </message>
    <message>
        <source>The code is made when the private game starts: host first, then copy the invite here.</source>
        <translation>Le code est créé au lancement de la partie privée&#xa0;: hébergez d&apos;abord, puis copiez l&apos;invitation ici.</translation>
    </message>
    <message>
        <source>When you host, Kelvoa asks your router to forward TCP port 7772 to this computer.</source>
        <translation>Quand vous hébergez une partie, Kelvoa demande à votre routeur de rediriger le port TCP 7772 vers cet ordinateur.</translation>
    </message>
    <message>
        <source>Asking your router to forward TCP port 7772 to this computer…</source>
        <translation>Demande au routeur de rediriger le port TCP 7772 vers cet ordinateur…</translation>
    </message>
    <message>
        <source>Your router forwards TCP port 7772 to this computer; give your friends the router&apos;s internet address.</source>
        <translation>Votre routeur redirige le port TCP 7772 vers cet ordinateur&#xa0;; donnez à vos amis l&apos;adresse Internet du routeur.</translation>
    </message>
    <message>
        <source>%1 — your router forwards TCP port 7772 to this computer.</source>
        <translation>%1 — votre routeur redirige le port TCP 7772 vers cet ordinateur.</translation>
    </message>
    <message>
        <source>No router answered. Forward TCP port 7772 to this computer in your router&apos;s settings (&quot;port forwarding&quot;), then give your friends the router&apos;s internet address.</source>
        <translation>Aucun routeur n&apos;a répondu. Redirigez le port TCP 7772 vers cet ordinateur dans les réglages de votre routeur («&#xa0;redirection de port&#xa0;»), puis donnez à vos amis l&apos;adresse Internet du routeur.</translation>
    </message>
    <message>
        <source>Your router refused to forward TCP port 7772 to this computer. Forward it in the router&apos;s settings (&quot;port forwarding&quot;), or allow UPnP or NAT-PMP there.</source>
        <translation>Votre routeur a refusé de rediriger le port TCP 7772 vers cet ordinateur. Configurez la redirection dans les réglages du routeur («&#xa0;redirection de port&#xa0;»), ou autorisez-y UPnP ou NAT-PMP.</translation>
    </message>
    <message>
        <source>Your router already forwards TCP port 7772 to another computer%1. Kelvoa leaves that as it is: host there, or change the forwarding in the router&apos;s settings.</source>
        <translation>Votre routeur redirige déjà le port TCP 7772 vers un autre ordinateur%1. Kelvoa n&apos;y touche pas&#xa0;: hébergez la partie sur celui-là, ou modifiez la redirection dans les réglages du routeur.</translation>
    </message>
    <message>
        <source>Your router&apos;s own internet address, %1, is a private or shared one: your provider shares one address among many customers, and nobody can reach this computer through it. Friends with IPv6 may reach you over IPv6; or let your friend host.</source>
        <translation>L&apos;adresse Internet de votre routeur, %1, est privée ou partagée&#xa0;: votre fournisseur partage une même adresse entre de nombreux clients, et personne ne peut joindre cet ordinateur par elle. Des amis en IPv6 pourront peut-être vous joindre par IPv6&#xa0;; sinon, laissez votre ami héberger.</translation>
    </message>
    <message>
        <source>This computer has no IPv6 internet address.</source>
        <translation>Cet ordinateur n&apos;a pas d&apos;adresse Internet IPv6.</translation>
    </message>
    <message>
        <source>
No router stands in between; a firewall must let TCP port 7772 in.</source>
        <translation>
Aucun routeur entre les deux&#xa0;; un pare-feu doit laisser entrer le port TCP 7772.</translation>
    </message>
    <message>
        <source>Your Game</source>
        <translation>Votre partie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Host Again</source>
        <translation>Héberger à nouveau</translation>
    </message>
    <message>
        <source>List this game in the public lobby</source>
        <translation>Annoncer cette partie dans le salon public</translation>
    </message>
    <message>
        <source>Everybody in the lobby&apos;s room sees the game and can join it</source>
        <translation>Tous ceux qui sont dans la salle du salon voient la partie et peuvent la rejoindre</translation>
    </message>
</context>
<context>
    <name>JoinGameDialog</name>
    <message>
        <source>Join a Game</source>
        <translation>Rejoindre une partie</translation>
    </message>
    <message>
        <source>the name the others see</source>
        <translation>le nom que les autres verront</translation>
    </message>
    <message>
        <source>a name or an IP address</source>
        <translation>un nom ou une adresse IP</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Spys</source>
        <translation>Spectateurs</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Host&apos;s address:</source>
        <translation>Adresse de l&apos;hôte&#xa0;:</translation>
    </message>
    <message>
        <source>Games on this network:</source>
        <translation>Parties sur ce réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>Invited to a private game (code %1).</source>
        <translation>Invité à une partie privée (code %1).</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source> (version %1)</source>
        <translation> (version %1)</translation>
    </message>
    <message>
        <source> (this computer)</source>
        <translation> (cet ordinateur)</translation>
    </message>
    <message>
        <source>Looking for games on this network…</source>
        <translation>Recherche de parties sur ce réseau…</translation>
    </message>
    <message>
        <source>No games found on this network.</source>
        <translation>Aucune partie trouvée sur ce réseau.</translation>
    </message>
    <message>
        <source>1 game found.</source>
        <translation>1 partie trouvée.</translation>
    </message>
    <message numerus="yes">
        <source>%n games found.</source>
        <translation>
            <numerusform>%n partie trouvée.</numerusform>
            <numerusform>%n parties trouvées.</numerusform>
        </translation>
    </message>
    <message>
        <source>That is this copy&apos;s own game. Start the program once more to join it from a second copy.</source>
        <translation>C&apos;est la partie de cette copie même. Lancez le programme une seconde fois pour la rejoindre depuis une autre copie.</translation>
    </message>
    <message>
        <source>Asking %1 for its game…</source>
        <translation>Interrogation de %1 sur sa partie…</translation>
    </message>
    <message>
        <source>The game at %1 is full.</source>
        <translation>La partie sur %1 est complète.</translation>
    </message>
    <message>
        <source>No game is hosted at %1.</source>
        <translation>Aucune partie n&apos;est hébergée sur %1.</translation>
    </message>
    <message>
        <source>(a private game)</source>
        <translation>(une partie privée)</translation>
    </message>
    <message>
        <source>Public Lobby…</source>
        <translation>Salon public…</translation>
    </message>
    <message>
        <source>Meet players you do not know yet, and join their games</source>
        <translation>Rencontrez des joueurs que vous ne connaissez pas encore et rejoignez leurs parties</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 against %2</source>
        <translation>%1 contre %2</translation>
    </message>
</context>
<context>
    <name>TSock</name>
    <message>
        <source>Listen - Socket Already In Use</source>
        <translation>Écoute – socket déjà utilisé</translation>
    </message>
    <message>
        <source>Listen - Error Binding Socket</source>
        <translation>Écoute – erreur de liaison du socket</translation>
    </message>
    <message>
        <source>Listen - Error Starting Listen</source>
        <translation>Écoute – erreur au démarrage de l&apos;écoute</translation>
    </message>
    <message>
        <source>Accept - Socket Not In Listening Mode</source>
        <translation>Acceptation – socket pas en mode écoute</translation>
    </message>
    <message>
        <source>Port Lookup - Could Not Find Service Entry</source>
        <translation>Recherche du port – service introuvable</translation>
    </message>
    <message>
        <source>Host Lookup - Could Not Find Host Entry</source>
        <translation>Recherche de l&apos;hôte – hôte introuvable</translation>
    </message>
    <message>
        <source>Send - Cannot Send On A Listener Socket</source>
        <translation>Envoi – impossible d&apos;envoyer sur un socket d&apos;écoute</translation>
    </message>
    <message>
        <source>Send - Socket Not Connected</source>
        <translation>Envoi – socket non connecté</translation>
    </message>
    <message>
        <source>Receive - Cannot Receive On A Listener Socket</source>
        <translation>Réception – impossible de recevoir sur un socket d&apos;écoute</translation>
    </message>
    <message>
        <source>Receive - Socket Not Connected</source>
        <translation>Réception – socket non connecté</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Kelvoa - About</source>
        <translation>Kelvoa – À propos</translation>
    </message>
    <message>
        <source>Programmed by the Kelvoa team, 2026.
All rights reserved.</source>
        <translation>Programmé par l&apos;équipe Kelvoa, 2026.
Tous droits réservés.</translation>
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
        <translation>Parties contre chaque adversaire</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Vous avez gagné</translation>
    </message>
    <message>
        <source>He won</source>
        <translation>Il a gagné</translation>
    </message>
    <message>
        <source>No opponent tallied yet: tick a player above</source>
        <translation>Aucun adversaire suivi pour l&apos;instant&#xa0;: cochez un joueur ci-dessus</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Way To Go!</source>
        <translation>Bravo, continue&#xa0;!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Joli coup&#xa0;!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Bien essayé&#xa0;!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Excellent&#xa0;!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Génial&#xa0;!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Waouh, bien joué&#xa0;!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Merci&#xa0;!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Bravo, partenaire&#xa0;!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Bonne partie à tous&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Commencer la partie</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Héberger une partie…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Rejoindre une partie…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Jouer les sons</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Jouer les sons de discussion</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Son du tour</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Vitesse de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Bot Skill</source>
        <translation>Niveau de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Fort</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Show Chances</source>
        <translation>Afficher les chances</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Arrêter le défilement du chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Effacer le chat</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Réinitialiser la position de la fenêtre</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Juste regarder</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Afficher le bilan</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Liste des spectateurs</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Liste des phrases</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>The Korvan Lobby…</source>
        <translation>Le salon Korvan…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Retirer de la partie</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Passer en simple spectateur</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Ne plus être simple spectateur</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Chargement de la partie solo… Veuillez patienter.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Chargement de la partie multijoueur… Veuillez patienter.</translation>
    </message>
    <message>
        <source>This game is private. File &gt; Host a Game… &gt; Copy Invite gives your friends the way in.</source>
        <translation>Cette partie est privée. Fichier &gt; Héberger une partie… &gt; Copier l&apos;invitation donne à vos amis le moyen d&apos;entrer.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>See ya!</source>
        <translation>À plus&#xa0;!</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Sons de discussion</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Impossible d&apos;ouvrir la page web</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1&#xa0;: &lt;Son de discussion&gt; %2</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Afficher les indices</translation>
    </message>
    <message>
        <source>Animate Chips</source>
        <translation>Animer les pions</translation>
    </message>
    <message>
        <source>Save Game Record…</source>
        <translation>Enregistrer le compte rendu…</translation>
    </message>
    <message>
        <source>Open Game Record…</source>
        <translation>Ouvrir un compte rendu…</translation>
    </message>
    <message>
        <source>Dice Statistics</source>
        <translation>Statistiques des dés</translation>
    </message>
    <message>
        <source>Review Game…</source>
        <translation>Analyser la partie…</translation>
    </message>
    <message>
        <source>Review this game</source>
        <translation>Analyser cette partie</translation>
    </message>
    <message>
        <source>There is no game to record yet.</source>
        <translation>Il n&apos;y a encore aucune partie à enregistrer.</translation>
    </message>
    <message>
        <source>Save Game Record</source>
        <translation>Enregistrer le compte rendu</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>Open Game Record</source>
        <translation>Ouvrir un compte rendu</translation>
    </message>
    <message>
        <source>No game has been kept yet: a game is kept when it ends.</source>
        <translation>Aucune partie n&apos;a encore été conservée&#xa0;: une partie est conservée quand elle se termine.</translation>
    </message>
    <message>
        <source>Roll Dice (Ctrl+R)</source>
        <translation>Lancer les dés (Ctrl+R)</translation>
    </message>
    <message>
        <source>Chip %1 (Ctrl+%1)</source>
        <translation>Pion %1 (Ctrl+%1)</translation>
    </message>
    <message>
        <source>Kelvoa speaks the chosen language when it starts again.</source>
        <translation>Kelvoa parlera la langue choisie à son prochain démarrage.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Friends on the internet join you at %1.</source>
        <translation>Vos amis sur Internet vous rejoignent à %1.</translation>
    </message>
    <message>
        <source>Your router lets friends on the internet in.</source>
        <translation>Votre routeur laisse entrer vos amis depuis Internet.</translation>
    </message>
    <message>
        <source>Friends on the internet cannot reach this game yet. File &gt; Host a Game… tells why.</source>
        <translation>Vos amis sur Internet ne peuvent pas encore rejoindre cette partie. Fichier &gt; Héberger une partie… explique pourquoi.</translation>
    </message>
    <message>
        <source>Kelvoa could not be started again.</source>
        <translation>Kelvoa n&apos;a pas pu être relancé.</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Se reconnecter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Connection lost — reconnecting…</source>
        <translation>Connexion perdue — reconnexion…</translation>
    </message>
    <message>
        <source>The connection to the host is lost.</source>
        <translation>La connexion avec l&apos;hôte est perdue.</translation>
    </message>
    <message>
        <source>%1 lost the connection; the seat is kept for %2.</source>
        <translation>%1 a perdu la connexion&#xa0;; sa place est gardée pendant %2.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 est de retour.</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Vous êtes connecté.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 est connecté.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Vous êtes spectateur.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 regarde la partie.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 s&apos;est déconnecté.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 est parti.</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 a une autre version du jeu que vous.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Vous avez une autre version du jeu que l&apos;hôte.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partie est complète</translation>
    </message>
    <message>
        <source>This game is private: ask the host for an invite.</source>
        <translation>Cette partie est privée&#xa0;: demandez une invitation à l&apos;hôte.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 se contente de regarder</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 joue de nouveau</translation>
    </message>
    <message>
        <source>%1&apos;s turn..</source>
        <translation>Au tour de %1…</translation>
    </message>
    <message>
        <source>Your turn to roll..</source>
        <translation>À vous de lancer les dés…</translation>
    </message>
    <message numerus="yes">
        <source>Choose a chip to move %n spaces.</source>
        <translation>
            <numerusform>Choisissez un pion à avancer de %n case.</numerusform>
            <numerusform>Choisissez un pion à avancer de %n cases.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer now plays &quot;Expert&quot; where it knows the exact odds.</source>
        <translation>L&apos;ordinateur joue désormais en «&#xa0;Expert&#xa0;» là où il connaît les chances exactes.</translation>
    </message>
    <message>
        <source>No table for &quot;Expert&quot; (%1): the computer plays &quot;Strong&quot;.</source>
        <translation>Pas de table pour «&#xa0;Expert&#xa0;» (%1)&#xa0;: l&apos;ordinateur joue en «&#xa0;Fort&#xa0;».</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Port %1 is used by another program: others cannot join this game.</source>
        <translation>Le port %1 est utilisé par un autre programme&#xa0;: personne d&apos;autre ne peut rejoindre cette partie.</translation>
    </message>
    <message>
        <source>Port %1 is used by another program, so this game cannot be hosted. Close that program (perhaps another Kelvoa) and choose File &gt; Host a Game… again, or join a game instead.</source>
        <translation>Le port %1 est utilisé par un autre programme&#xa0;: cette partie ne peut donc pas être hébergée. Fermez ce programme (peut-être un autre Kelvoa) et choisissez de nouveau Fichier &gt; Héberger une partie…, ou rejoignez plutôt une partie.</translation>
    </message>
    <message>
        <source>The removed player knows this game&apos;s invite. Make a new invite, so that the old one lets nobody in any more? Everybody here stays.</source>
        <translation>Le joueur retiré connaît l&apos;invitation de cette partie. Créer une nouvelle invitation, pour que l&apos;ancienne ne laisse plus entrer personne&#xa0;? Tous ceux qui sont là restent.</translation>
    </message>
    <message>
        <source>New Invite</source>
        <translation>Nouvelle invitation</translation>
    </message>
    <message>
        <source>Keep Invite</source>
        <translation>Garder l&apos;invitation</translation>
    </message>
    <message>
        <source>The invite is new: File &gt; Host a Game… &gt; Copy Invite gives it to your friends.</source>
        <translation>L&apos;invitation est nouvelle&#xa0;: Fichier &gt; Héberger une partie… &gt; Copier l&apos;invitation la donne à vos amis.</translation>
    </message>
    <message>
        <source>Chat input</source>
        <translation>Saisie du chat</translation>
    </message>
    <message>
        <source>Chat transcript</source>
        <translation>Historique du chat</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Émoticônes</translation>
    </message>
    <message>
        <source>Chatter sounds</source>
        <translation>Sons de discussion</translation>
    </message>
    <message>
        <source>Game table</source>
        <translation>Table de jeu</translation>
    </message>
    <message>
        <source>Phrase %1: %2</source>
        <translation>Phrase %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Tutor</source>
        <translation>Tuteur</translation>
    </message>
    <message>
        <source>In games against the computer, asks before a move that gives away 3 points of winning chance or more</source>
        <translation>Dans les parties contre l&apos;ordinateur, demande confirmation avant un coup qui fait perdre 3 points de chance de gagner ou plus</translation>
    </message>
    <message>
        <source>start</source>
        <translation>départ</translation>
    </message>
    <message>
        <source>home</source>
        <translation>arrivée</translation>
    </message>
    <message>
        <source>Moving from %1 to %2 gives away %3 points of your winning chance (%4 % instead of %5 %).

Play it anyway, think again, or see the best move?</source>
        <translation>Aller de %1 à %2 vous fait perdre %3 points de chance de gagner (%4 % au lieu de %5 %).

Jouer quand même, réfléchir encore, ou voir le meilleur coup&#xa0;?</translation>
    </message>
    <message>
        <source>Play Anyway</source>
        <translation>Jouer quand même</translation>
    </message>
    <message>
        <source>Rethink</source>
        <translation>Réfléchir encore</translation>
    </message>
    <message>
        <source>Show Best</source>
        <translation>Montrer le meilleur</translation>
    </message>
    <message>
        <source>Best: from %1 to %2</source>
        <translation>Le meilleur&#xa0;: de %1 à %2</translation>
    </message>
    <message>
        <source>Public Lobby…</source>
        <translation>Salon public…</translation>
    </message>
    <message>
        <source>Set a lobby first: File &gt; Public Lobby…</source>
        <translation>Choisissez d&apos;abord un salon&#xa0;: Fichier &gt; Salon public…</translation>
    </message>
</context>
<context>
    <name>Tdicestats</name>
    <message>
        <source>Dice Statistics</source>
        <translation>Statistiques des dés</translation>
    </message>
    <message>
        <source>Sums of the four dice this session</source>
        <translation>Sommes des quatre dés pendant cette session</translation>
    </message>
    <message>
        <source>Fair dice give the sums 0 to 4 as 1 : 4 : 6 : 4 : 1. A p-value below 0.01 would be surprising from fair dice.</source>
        <translation>Des dés équilibrés donnent les sommes 0 à 4 dans les proportions 1&#xa0;: 4&#xa0;: 6&#xa0;: 4&#xa0;: 1. Une valeur p inférieure à 0,01 serait surprenante avec des dés équilibrés.</translation>
    </message>
    <message>
        <source>no throws yet</source>
        <translation>aucun lancer pour l&apos;instant</translation>
    </message>
    <message>
        <source>%1 throws, chi-square %2, p = %3</source>
        <translation>%1 lancers, khi carré %2, p = %3</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Somme</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Fair dice</source>
        <translation>Dés équilibrés</translation>
    </message>
    <message>
        <source>Throws</source>
        <translation>Lancers</translation>
    </message>
    <message>
        <source>fair dice</source>
        <translation>dés équilibrés</translation>
    </message>
    <message>
        <source>sum of the four dice</source>
        <translation>somme des quatre dés</translation>
    </message>
    <message>
        <source>Are the dice fair? No kept games yet to tell.</source>
        <translation>Les dés sont-ils équilibrés&#xa0;? Aucune partie conservée pour le dire.</translation>
    </message>
    <message>
        <source>1 kept game</source>
        <translation>1 partie conservée</translation>
    </message>
    <message>
        <source>%1 kept games</source>
        <translation>%1 parties conservées</translation>
    </message>
    <message>
        <source> and 1 throw</source>
        <translation> et 1 lancer</translation>
    </message>
    <message>
        <source> and %1 throws</source>
        <translation> et %1 lancers</translation>
    </message>
    <message>
        <source>Are the dice fair? Yes, as far as %1 can tell: fair dice come out at least this uneven %2 % of the time (chi-square p = %3).</source>
        <translation>Les dés sont-ils équilibrés&#xa0;? Oui, à en juger sur %1&#xa0;: des dés équilibrés sont au moins aussi irréguliers %2 % du temps (khi carré p = %3).</translation>
    </message>
    <message>
        <source>Are the dice fair? Probably, but %1 are a little uneven: fair dice come out like this only %2 % of the time (chi-square p = %3).</source>
        <translation>Les dés sont-ils équilibrés&#xa0;? Probablement, mais sur %1, ils sont un peu irréguliers&#xa0;: des dés équilibrés ne donnent cela que %2 % du temps (khi carré p = %3).</translation>
    </message>
    <message>
        <source>Are the dice fair? Doubtful: in %1, fair dice would come out this uneven only %2 % of the time (chi-square p = %3).</source>
        <translation>Les dés sont-ils équilibrés&#xa0;? Douteux&#xa0;: sur %1, des dés équilibrés ne seraient aussi irréguliers que %2 % du temps (khi carré p = %3).</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>The Korvan Lobby</source>
        <translation>Le salon Korvan</translation>
    </message>
    <message>
        <source>The Korvan Lobby could not be downloaded: </source>
        <translation>Le salon Korvan n&apos;a pas pu être téléchargé&#xa0;: </translation>
    </message>
    <message>
        <source>its web server does not have it.</source>
        <translation>son serveur web ne l&apos;a pas.</translation>
    </message>
    <message>
        <source>its web server refused to give it.</source>
        <translation>son serveur web a refusé de le fournir.</translation>
    </message>
    <message>
        <source>its web server answered with error %1.</source>
        <translation>son serveur web a répondu par l&apos;erreur %1.</translation>
    </message>
    <message>
        <source>its web server could not be found. Is this computer connected to the internet?</source>
        <translation>son serveur web est introuvable. Cet ordinateur est-il connecté à Internet&#xa0;?</translation>
    </message>
    <message>
        <source>its web server refused the connection.</source>
        <translation>son serveur web a refusé la connexion.</translation>
    </message>
    <message>
        <source>its web server did not answer.</source>
        <translation>son serveur web n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>its web server broke the connection off.</source>
        <translation>son serveur web a coupé la connexion.</translation>
    </message>
    <message>
        <source>the connection to its web server failed.</source>
        <translation>la connexion à son serveur web a échoué.</translation>
    </message>
    <message>
        <source>You can play with others without the lobby: in the game&apos;s File menu, choose &quot;Host a Game…&quot; to host a game, or &quot;Join a Game…&quot; to join one.</source>
        <translation>Vous pouvez jouer avec d&apos;autres sans le salon&#xa0;: dans le menu Fichier du jeu, choisissez «&#xa0;Héberger une partie…&#xa0;» pour héberger une partie, ou «&#xa0;Rejoindre une partie…&#xa0;» pour en rejoindre une.</translation>
    </message>
    <message>
        <source>Download The Korvan Lobby</source>
        <translation>Télécharger le salon Korvan</translation>
    </message>
    <message>
        <source>Download The Korvan Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Téléchargez dès maintenant le salon Korvan pour jouer en ligne à ce jeu et à d&apos;autres jeux passionnants avec d&apos;autres joueurs&#xa0;!</translation>
    </message>
    <message>
        <source>Download And Install The Korvan Lobby Now</source>
        <translation>Télécharger et installer le salon Korvan</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Arrêter le téléchargement</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Pour passer au jeu sans pouvoir jouer contre d&apos;autres, cliquez sur le bouton ci-dessous.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jouer en solo</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Remarque&#xa0;: même hors ligne, vous devez configurer votre PARE-FEU pour que le jeu puisse accéder aux composants réseau.</translation>
    </message>
    <message>
        <source>If you already have The Korvan Lobby and you wish to play with others then click the button below to close this game and open The Korvan Lobby.</source>
        <translation>Si vous avez déjà le salon Korvan et souhaitez jouer avec d&apos;autres, cliquez sur le bouton ci-dessous pour fermer ce jeu et ouvrir le salon Korvan.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jouer avec d&apos;autres</translation>
    </message>
    <message>
        <source>Show this window at start</source>
        <translation>Afficher cette fenêtre au démarrage</translation>
    </message>
    <message>
        <source>It is always at hand in the game&apos;s Help menu: &quot;The Korvan Lobby…&quot;.</source>
        <translation>Elle reste toujours accessible dans le menu Aide du jeu&#xa0;: «&#xa0;Le salon Korvan…&#xa0;».</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Téléchargement interrompu</translation>
    </message>
    <message>
        <source>The installer could not be saved in %1.</source>
        <translation>Le programme d&apos;installation n&apos;a pas pu être enregistré dans %1.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Téléchargement&#xa0;: </translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 octets reçus</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Une erreur s&apos;est produite.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Le téléchargement a été interrompu.</translation>
    </message>
    <message>
        <source>Please close the game and open the Korvan Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Veuillez fermer le jeu et ouvrir le salon Korvan par son icône sur le bureau ou par le menu Démarrer.</translation>
    </message>
    <message>
        <source>No lobby program? You do not need it: &quot;Play with Others&quot; then opens the public lobby, where you meet other players, and File &gt; &quot;Host a Game…&quot; in the game&apos;s window hosts a game for others to join.</source>
        <translation>Pas de programme de salon&#xa0;? Vous n&apos;en avez pas besoin&#xa0;: «&#xa0;Jouer avec d&apos;autres&#xa0;» ouvre alors le salon public, où vous rencontrez d&apos;autres joueurs, et Fichier &gt; «&#xa0;Héberger une partie…&#xa0;» dans la fenêtre du jeu héberge une partie que d&apos;autres peuvent rejoindre.</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Kelvoa - Help File</source>
        <translation>Kelvoa – Aide</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Déroulement</translation>
    </message>
    <message>
        <source>The Computer</source>
        <translation>L&apos;ordinateur</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>Le salon</translation>
    </message>
    <message>
        <source>Kelvoa
by the Kelvoa team
2026
All rights reserved.</source>
        <translation>Kelvoa
par l&apos;équipe Kelvoa
2026
Tous droits réservés.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Kelvoa - Phrase Buttons </source>
        <translation>Kelvoa – Boutons de phrases</translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Bouton de phrase %1&#xa0;:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Les boutons ne servent qu&apos;une fois toutes les 2 secondes</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Tprogress</name>
    <message>
        <source>Preparing &quot;Expert&quot;</source>
        <translation>Préparation de «&#xa0;Expert&#xa0;»</translation>
    </message>
    <message>
        <source>Solving the endgame exactly for the &quot;Expert&quot; computer player.
This happens once; meanwhile the computer plays &quot;Strong&quot;.</source>
        <translation>Résolution exacte de la fin de partie pour l&apos;ordinateur «&#xa0;Expert&#xa0;».
Cela n&apos;arrive qu&apos;une fois&#xa0;; en attendant, l&apos;ordinateur joue en «&#xa0;Fort&#xa0;».</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Estimation du temps restant…</translation>
    </message>
    <message>
        <source>About %1 s left</source>
        <translation>Encore environ %1 s</translation>
    </message>
    <message>
        <source>About %1:%2 left</source>
        <translation>Encore environ %1:%2</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Kelvoa - Spys</source>
        <translation>Kelvoa – Spectateurs</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Liste des spectateurs</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Retirer de la partie</translation>
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
        <translation>Kelvoa – Bilan</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Votre bilan total</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Parties au total&#xa0;:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Vos victoires</translation>
    </message>
    <message>
        <source>Tally</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>XX Wins:</source>
        <translation>Victoires de XX&#xa0;:</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Nombre de parties</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Vos victoires&#xa0;:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Sans vainqueur&#xa0;:</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Joueurs de la partie en cours</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Joueurs suivis dans le bilan</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Remettre le bilan à zéro</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>TERMINÉ</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Le bilan contre %1 va être supprimé. Voulez-vous vraiment le supprimer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victoires de %1&#xa0;:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilan contre %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Voulez-vous vraiment remettre le bilan à zéro&#xa0;?</translation>
    </message>
</context>
<context>
    <name>board::BoardReader</name>
    <message>
        <source>Turn log</source>
        <translation>Journal des tours</translation>
    </message>
    <message>
        <source>Show the route of seat 1</source>
        <translation>Montrer le parcours de la place 1</translation>
    </message>
    <message>
        <source>Show the route of seat 2</source>
        <translation>Montrer le parcours de la place 2</translation>
    </message>
    <message>
        <source>Player 1, green chips, top row</source>
        <translation>Joueur 1, pions verts, rangée du haut</translation>
    </message>
    <message>
        <source>Player 2, orange chips, bottom row</source>
        <translation>Joueur 2, pions orange, rangée du bas</translation>
    </message>
    <message>
        <source>Move refused</source>
        <translation>Coup refusé</translation>
    </message>
    <message>
        <source>Board panel</source>
        <translation>Plateau de jeu</translation>
    </message>
    <message>
        <source>Route of seat 1, green arrows</source>
        <translation>Parcours de la place 1, flèches vertes</translation>
    </message>
    <message>
        <source>Route of seat 2, orange arrows</source>
        <translation>Parcours de la place 2, flèches orange</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>You are just watching</source>
        <translation>Vous regardez seulement</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 se contente de regarder</translation>
    </message>
    <message>
        <source>Your status</source>
        <translation>Votre état</translation>
    </message>
    <message>
        <source>%1&apos;s status</source>
        <translation>État de %1</translation>
    </message>
    <message>
        <source>Turn marker: your turn</source>
        <translation>Marqueur de tour&#xa0;: à vous</translation>
    </message>
    <message>
        <source>Turn marker: %1&apos;s turn</source>
        <translation>Marqueur de tour&#xa0;: au tour de %1</translation>
    </message>
    <message>
        <source>Three rows of seven squares, player 1&apos;s row at the top; squares are counted along your route</source>
        <translation>Trois rangées de sept cases, celle du joueur 1 en haut&#xa0;; les cases sont comptées le long de votre parcours</translation>
    </message>
    <message>
        <source>Three rows of seven squares, player 1&apos;s row at the top; squares are counted along player 1&apos;s route</source>
        <translation>Trois rangées de sept cases, celle du joueur 1 en haut&#xa0;; les cases sont comptées le long du parcours du joueur 1</translation>
    </message>
</context>
<context>
    <name>board::BoardSpeech</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>a list of chip numbers: 1, 2 and 5</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>may move home</source>
        <translation>peut aller à l&apos;arrivée</translation>
    </message>
    <message>
        <source>may move to square %1</source>
        <translation>peut aller sur la case %1</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>case %1</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Case %1</translation>
    </message>
    <message>
        <source>%1&apos;s square %2</source>
        <translation>case %2 de %1</translation>
    </message>
    <message>
        <source>no square</source>
        <translation>aucune case</translation>
    </message>
    <message>
        <source>No square</source>
        <translation>Aucune case</translation>
    </message>
    <message>
        <source>rosette</source>
        <translation>rosace</translation>
    </message>
    <message>
        <source>your chip %1</source>
        <translation>votre pion %1</translation>
    </message>
    <message>
        <source>your chips %1</source>
        <translation>vos pions %1</translation>
    </message>
    <message>
        <source>%1&apos;s chip</source>
        <translation>pion de %1</translation>
    </message>
    <message>
        <source>%1&apos;s %2 chips</source>
        <translation>%2 pions de %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Your home pile</source>
        <translation>Votre pile d&apos;arrivée</translation>
    </message>
    <message>
        <source>Your start pile</source>
        <translation>Votre réserve de départ</translation>
    </message>
    <message>
        <source>%1&apos;s home pile</source>
        <translation>Pile d&apos;arrivée de %1</translation>
    </message>
    <message>
        <source>%1&apos;s start pile</source>
        <translation>Réserve de départ de %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no chips</source>
        <translation>aucun pion</translation>
    </message>
    <message>
        <source>1 chip</source>
        <translation>1 pion</translation>
    </message>
    <message>
        <source>%1 chips</source>
        <translation>%1 pions</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Your chip %1</source>
        <translation>Votre pion %1</translation>
    </message>
    <message>
        <source>%1&apos;s chip %2</source>
        <translation>Pion %2 de %1</translation>
    </message>
    <message>
        <source>in the start pile</source>
        <translation>dans la réserve de départ</translation>
    </message>
    <message>
        <source>in the home pile</source>
        <translation>à l&apos;arrivée</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>Middle row</source>
        <translation>Rangée du milieu</translation>
    </message>
    <message>
        <source>Your row</source>
        <translation>Votre rangée</translation>
    </message>
    <message>
        <source>%1&apos;s row</source>
        <translation>Rangée de %1</translation>
    </message>
    <message>
        <source>Dice: not thrown yet</source>
        <translation>Dés&#xa0;: pas encore lancés</translation>
    </message>
    <message>
        <source>Dice: 1 point</source>
        <translation>Dés&#xa0;: 1 point</translation>
    </message>
    <message>
        <source>Dice: %1 points</source>
        <translation>Dés&#xa0;: %1 points</translation>
    </message>
    <message>
        <source>Die %1: marked tip up</source>
        <translation>Dé %1&#xa0;: pointe marquée en haut</translation>
    </message>
    <message>
        <source>Die %1: plain tip up</source>
        <translation>Dé %1&#xa0;: pointe vierge en haut</translation>
    </message>
    <message>
        <source>Die %1: not thrown yet</source>
        <translation>Dé %1&#xa0;: pas encore lancé</translation>
    </message>
</context>
<context>
    <name>board::BoardView</name>
    <message>
        <source>Show the route of seat 1</source>
        <translation>Montrer le parcours de la place 1</translation>
    </message>
    <message>
        <source>Show the route of seat 2</source>
        <translation>Montrer le parcours de la place 2</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <translation>Lancer les dés</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Welcome to Kelvoa!</source>
        <translation>Bienvenue dans Kelvoa&#xa0;!</translation>
    </message>
    <message>
        <source>Give Player 3 ability to play</source>
        <translation>Laisser jouer le joueur 3</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;En attente&gt;</translation>
    </message>
</context>
<context>
    <name>board::ReviewChart</name>
    <message>
        <source>turn</source>
        <translation>tour</translation>
    </message>
    <message>
        <source>Winning chance of %1</source>
        <translation>Chance de gagner de %1</translation>
    </message>
</context>
<context>
    <name>board::ReviewPanel</name>
    <message>
        <source>Expert reviews the game… %p %</source>
        <translation>Expert analyse la partie… %p %</translation>
    </message>
    <message>
        <source>Expert is looking at every move…</source>
        <translation>Expert examine chaque coup…</translation>
    </message>
    <message>
        <source>best</source>
        <translation>le meilleur</translation>
    </message>
    <message>
        <source>an inaccuracy</source>
        <translation>une imprécision</translation>
    </message>
    <message>
        <source>a mistake</source>
        <translation>une erreur</translation>
    </message>
    <message>
        <source>a blunder</source>
        <translation>une gaffe</translation>
    </message>
    <message>
        <source>start</source>
        <translation>départ</translation>
    </message>
    <message>
        <source>home</source>
        <translation>arrivée</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 vers %2</translation>
    </message>
    <message>
        <source>Before the first throw. Step through the game, or click the chart.</source>
        <translation>Avant le premier lancer. Parcourez la partie pas à pas, ou cliquez sur le graphique.</translation>
    </message>
    <message>
        <source>Turn %1: %2 threw %3 and could not move.</source>
        <translation>Tour %1&#xa0;: %2 a fait %3 et n&apos;a pas pu jouer.</translation>
    </message>
    <message>
        <source>Turn %1: %2 moved %3: &lt;b&gt;&lt;span style=&quot;color:%4&quot;&gt;%5&lt;/span&gt;&lt;/b&gt;</source>
        <translation>Tour %1&#xa0;: %2 a joué %3&#xa0;: &lt;b&gt;&lt;span style=&quot;color:%4&quot;&gt;%5&lt;/span&gt;&lt;/b&gt;</translation>
    </message>
    <message>
        <source> (the only move)</source>
        <translation> (le seul coup possible)</translation>
    </message>
    <message>
        <source>, %1 points of winning chance lost.&lt;br&gt;Best was &lt;b&gt;%2&lt;/b&gt;, shown on the board.</source>
        <translation>, %1 points de chance de gagner perdus.&lt;br&gt;Le meilleur coup était &lt;b&gt;%2&lt;/b&gt;, montré sur le plateau.</translation>
    </message>
    <message>
        <source>Solving the exact table, once… %p %</source>
        <translation>Calcul de la table exacte, une seule fois… %p %</translation>
    </message>
    <message>
        <source>Expert first works out the exact odds of every end game (about a minute, only this once).</source>
        <translation>Expert calcule d&apos;abord les chances exactes de chaque fin de partie (environ une minute, une seule fois).</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: accuracy &lt;b&gt;%2%&lt;/b&gt; of %3 moves&lt;br&gt;%4 inaccuracies, %5 mistakes, %6 blunders&lt;br&gt;luck &lt;b&gt;%7&lt;/b&gt; over %8 throws, luck-adjusted result &lt;b&gt;%9&lt;/b&gt;</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&#xa0;: précision &lt;b&gt;%2 %&lt;/b&gt; sur %3 coups&lt;br&gt;%4 imprécisions, %5 erreurs, %6 gaffes&lt;br&gt;chance &lt;b&gt;%7&lt;/b&gt; sur %8 lancers, résultat corrigé de la chance &lt;b&gt;%9&lt;/b&gt;</translation>
    </message>
    <message>
        <source>the dice</source>
        <translation>les dés</translation>
    </message>
    <message>
        <source>the move</source>
        <translation>le coup</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot; style=&quot;color:#ffd66e&quot;&gt;turn %1&lt;/a&gt;: %2, %3 for %4</source>
        <translation>&lt;a href=&quot;%1&quot; style=&quot;color:#ffd66e&quot;&gt;tour %1&lt;/a&gt;&#xa0;: %2, %3 pour %4</translation>
    </message>
    <message>
        <source>&lt;b&gt;Key moments&lt;/b&gt;: %1</source>
        <translation>&lt;b&gt;Moments clés&lt;/b&gt;&#xa0;: %1</translation>
    </message>
    <message>
        <source>; </source>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>Dice this game, 0 to 4 points: %1; fair dice would give %2 (1, 4, 6, 4, 1 in 16)</source>
        <translation>Dés de cette partie, 0 à 4 points&#xa0;: %1&#xa0;; des dés équilibrés donneraient %2 (1, 4, 6, 4, 1 sur 16)</translation>
    </message>
    <message>
        <source>&lt;br&gt;Luck of the throw: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>&lt;br&gt;Chance au lancer&#xa0;: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>board::Trecordviewer</name>
    <message>
        <source>Game Record</source>
        <translation>Compte rendu de partie</translation>
    </message>
    <message>
        <source>The kept games, newest first</source>
        <translation>Les parties conservées, les plus récentes d&apos;abord</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open any game record file</source>
        <translation>Ouvrir n&apos;importe quel fichier de compte rendu</translation>
    </message>
    <message>
        <source>Open Game Record</source>
        <translation>Ouvrir un compte rendu</translation>
    </message>
    <message>
        <source>Game records (*.txt);;All files (*)</source>
        <translation>Comptes rendus de partie (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>|&lt; &amp;Start</source>
        <translation>|&lt; &amp;Début</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>&amp;End &gt;|</source>
        <translation>&amp;Fin &gt;|</translation>
    </message>
    <message>
        <source>No games kept yet</source>
        <translation>Aucune partie conservée pour l&apos;instant</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>Game Record - %1</source>
        <translation>Compte rendu de partie – %1</translation>
    </message>
    <message>
        <source>Game %1: %2 against %3</source>
        <translation>Partie %1&#xa0;: %2 contre %3</translation>
    </message>
    <message>
        <source>The record stops at line %1: %2.</source>
        <translation>Le compte rendu s&apos;arrête à la ligne %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 threw 1</source>
        <translation>%1 a fait 1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 a fait %2</translation>
    </message>
    <message>
        <source> and could not move.</source>
        <translation> et n&apos;a pas pu jouer.</translation>
    </message>
    <message>
        <source>start</source>
        <translation>départ</translation>
    </message>
    <message>
        <source>home</source>
        <translation>arrivée</translation>
    </message>
    <message>
        <source>: chip %1 from %2 to %3</source>
        <translation>&#xa0;: pion %1 de %2 à %3</translation>
    </message>
    <message>
        <source>, sent chip %1 back</source>
        <translation>, a renvoyé le pion %1</translation>
    </message>
    <message>
        <source>, rosette</source>
        <translation>, rosace</translation>
    </message>
    <message>
        <source>, throws again</source>
        <translation>, rejoue</translation>
    </message>
    <message>
        <source>Nothing to show.</source>
        <translation>Rien à afficher.</translation>
    </message>
    <message>
        <source>%1 started the game.</source>
        <translation>%1 a commencé la partie.</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 point</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 a gagné la partie&#xa0;!</translation>
    </message>
    <message>
        <source>Turn %1 of %2</source>
        <translation>Tour %1 sur %2</translation>
    </message>
</context>
<context>
    <name>board::TurnFlow</name>
    <message>
        <source>Invalid Move</source>
        <translation>Coup non valable</translation>
    </message>
    <message>
        <source>Unset just watching in order to play.</source>
        <translation>Désactivez «&#xa0;Juste regarder&#xa0;» pour jouer.</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Vous n&apos;êtes pas connecté</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 a commencé une partie.</translation>
    </message>
    <message>
        <source>Rolling..</source>
        <translation>Lance…</translation>
    </message>
    <message>
        <source>Your turn to roll</source>
        <translation>À vous de lancer les dés</translation>
    </message>
    <message>
        <source>%1 is rolling...</source>
        <translation>%1 lance les dés…</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 point</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>You rolled a nil</source>
        <translation>Vous avez fait zéro</translation>
    </message>
    <message>
        <source>Choose a chip to move 1 space</source>
        <translation>Choisissez un pion à avancer d&apos;une case</translation>
    </message>
    <message numerus="yes">
        <source>Choose a chip to move %n spaces</source>
        <translation>
            <numerusform>Choisissez un pion à avancer de %n case</numerusform>
            <numerusform>Choisissez un pion à avancer de %n cases</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 rolled a nil</source>
        <translation>%1 a fait zéro</translation>
    </message>
    <message>
        <source>%1 is moving a chip 1 space.</source>
        <translation>%1 avance un pion d&apos;une case.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is moving a chip %n spaces.</source>
        <translation>
            <numerusform>%1 avance un pion de %n case.</numerusform>
            <numerusform>%1 avance un pion de %n cases.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 brought a chip out and will roll again.</source>
        <translation>%1 a fait entrer un pion et rejoue.</translation>
    </message>
    <message>
        <source>%1 put a chip in and will roll again.</source>
        <translation>%1 a amené un pion à l&apos;arrivée et rejoue.</translation>
    </message>
    <message>
        <source>%1 sent a chip back and will roll again.</source>
        <translation>%1 a renvoyé un pion au départ et rejoue.</translation>
    </message>
    <message>
        <source>%1 landed on a rosette and will roll again.</source>
        <translation>%1 est tombé sur une rosace et rejoue.</translation>
    </message>
    <message>
        <source>%1 &apos;s turn is over..</source>
        <translation>Le tour de %1 est terminé…</translation>
    </message>
    <message>
        <source>Your chip got sent back to start by %1.</source>
        <translation>%1 a renvoyé votre pion au départ.</translation>
    </message>
    <message>
        <source>%1 sent %2&apos;s chip back to start.</source>
        <translation>%1 a renvoyé un pion de %2 au départ.</translation>
    </message>
    <message>
        <source>You are unable to move.. ending turn..</source>
        <translation>Vous ne pouvez pas jouer… fin du tour…</translation>
    </message>
    <message>
        <source>%1 is unable to move.. ending turn..</source>
        <translation>%1 ne peut pas jouer… fin du tour…</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 a gagné la partie&#xa0;!</translation>
    </message>
    <message>
        <source>The host has given %1 the ability to play.</source>
        <translation>L&apos;hôte a permis à %1 de jouer.</translation>
    </message>
    <message>
        <source>The Game is over since player 3 left</source>
        <translation>La partie est terminée, car le joueur 3 est parti</translation>
    </message>
    <message>
        <source>You cannot give player 3 your turn.</source>
        <translation>Vous ne pouvez pas céder votre tour au joueur 3.</translation>
    </message>
</context>
<context>
    <name>chat</name>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Annuler&gt;</translation>
    </message>
    <message>
        <source>Doh</source>
        <translation>Zut</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Toux</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Bonjour</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Merci</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Tu étais où&#xa0;?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronflement</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Éternuement</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Désolé</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Youhou</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Youpi</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh non</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaudissements</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Klaxon</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Ooooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Prout</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Acclamations</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Rire de femme</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Rire d&apos;homme</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Pleurs</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Écrivez ici&gt;</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
</context>
<context>
    <name>helptext</name>
    <message>
        <source>Overview

Archaeologists opening ancient royal tombs found boards of twenty squares inlaid with shell, lapis and red stone, together with two sets of seven chips and small pyramid-shaped dice. Nobody wrote down how the game was played, but the pieces tell a great deal: two players raced their chips along a route across the board, and certain squares, marked with rosettes, were special.

Kelvoa plays this race in its basic form. Each of two players brings seven chips from a start pile along a route of fifteen squares to home, throwing four pyramid dice each turn. Up to seven friends can watch and everybody can chat. When a seat is empty, or its player only wants to watch, the computer player Klot plays it.</source>
        <translation>Présentation

En ouvrant d&apos;anciennes tombes royales, des archéologues ont trouvé des plateaux de vingt cases incrustés de coquillage, de lapis-lazuli et de pierre rouge, accompagnés de deux jeux de sept pions et de petits dés en forme de pyramide. Personne n&apos;a noté comment on y jouait, mais les pièces en disent long&#xa0;: deux joueurs faisaient la course avec leurs pions le long d&apos;un parcours sur le plateau, et certaines cases, ornées de rosaces, avaient un rôle particulier.

Kelvoa reprend cette course dans sa forme de base. Chacun des deux joueurs mène sept pions de sa réserve de départ jusqu&apos;à l&apos;arrivée, le long d&apos;un parcours de quinze cases, en lançant quatre dés pyramidaux à chaque tour. Jusqu&apos;à sept amis peuvent regarder, et tout le monde peut discuter. Quand une place est libre, ou que son joueur veut seulement regarder, c&apos;est l&apos;ordinateur, Klot, qui la joue.</translation>
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
        <translation>Connexion

Partie solo
Lancez Kelvoa sans le salon&#xa0;: une partie solo contre Klot s&apos;ouvre. Appuyez sur «&#xa0;Commencer la partie&#xa0;» pour démarrer. Une partie solo n&apos;a pas besoin d&apos;Internet, mais le jeu se parle à lui-même par le réseau&#xa0;; votre pare-feu doit donc autoriser Kelvoa à l&apos;utiliser.

Parties multijoueurs
Choisissez Fichier &gt; «&#xa0;Héberger une partie…&#xa0;» pour héberger une partie à votre nom, ou Fichier &gt; «&#xa0;Rejoindre une partie…&#xa0;» pour en rejoindre une&#xa0;: les parties hébergées sur votre réseau y sont listées, et une partie ailleurs se rejoint par l&apos;adresse de son hôte. Le salon Korvan, un programme à part où les joueurs se retrouvent, lance lui aussi des parties à plusieurs.

Héberger
Le joueur qui héberge une partie doit autoriser dans son pare-feu les connexions entrantes sur le port TCP 7772. Pendant que vous hébergez, Kelvoa demande à votre routeur de rediriger ce port vers votre ordinateur, et la fenêtre «&#xa0;Héberger une partie&#xa0;» indique où vos amis peuvent rejoindre la partie&#xa0;: sur votre réseau, sur Internet, par IPv6, ou pourquoi c&apos;est impossible. Si le routeur ne répond pas, redirigez le port à la main (ou utilisez l&apos;hébergement assisté du salon). Les parties de votre réseau sont trouvées par le port UDP 7772.

Inviter un ami
«&#xa0;Copier l&apos;invitation&#xa0;» dans la fenêtre «&#xa0;Héberger une partie&#xa0;» place dans le presse-papiers une ligne avec le lien kelvoa:// de votre partie&#xa0;; un clic sur ce lien ouvre la fenêtre «&#xa0;Rejoindre une partie&#xa0;» de Kelvoa, déjà remplie. Si «&#xa0;Seulement les joueurs invités&#xa0;» est coché, seuls ceux qui ont le lien peuvent rejoindre la partie.

Connexion perdue
Si votre connexion à l&apos;hôte est coupée, votre fenêtre reste ouverte et Kelvoa se reconnecte tout seul&#xa0;; l&apos;hôte vous garde votre place pendant trois minutes, et l&apos;ordinateur la joue en attendant. Si l&apos;hôte (en général le premier joueur de la liste) se déconnecte, la partie se termine pour tout le monde.</translation>
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
        <translation>Déroulement

Chaque joueur a sept pions. Le but est de les amener tous de la réserve de départ, le long du parcours, jusqu&apos;à l&apos;arrivée hors du plateau. Le premier joueur qui a ses sept pions à l&apos;arrivée gagne.

Les dés
Il y a quatre dés en forme de pyramide. Deux pointes de chacun sont marquées en rouge&#xa0;; le nombre de pointes rouges en haut après un lancer (de 0 à 4) indique de combien avance un pion. Appuyez sur «&#xa0;Lancer les dés&#xa0;» quand c&apos;est votre tour, puis cliquez sur le pion que vous voulez avancer.

Entrer en jeu
Un pion n&apos;entre sur le plateau que sur un lancer d&apos;exactement un. Faire entrer un pion donne un lancer de plus.

Un pion par case
Un seul de vos pions peut se trouver sur une case, sauf sur une rosace.

Prendre
Arriver sur un pion adverse, sur une case qui n&apos;est pas une rosace, le renvoie à sa réserve de départ et vous donne un lancer de plus. Les quatre premières cases de chaque joueur n&apos;appartiennent qu&apos;à lui et ne peuvent jamais être attaquées.

Rosaces
Les cinq rosaces sont des refuges&#xa0;: les pions qui s&apos;y trouvent ne peuvent pas être renvoyés, autant de pions qu&apos;on veut peuvent s&apos;y côtoyer, et tomber sur l&apos;une d&apos;elles donne un lancer de plus.

Sortir un pion
Amener un pion à l&apos;arrivée demande le nombre exact, et donne un lancer de plus.

Astuce&#xa0;: cliquez sur les petits boutons fléchés du plateau pour voir le parcours de chaque joueur.

Indices
Après votre lancer, les pions qui peuvent avancer s&apos;illuminent&#xa0;; laissez le pointeur sur l&apos;un d&apos;eux pour voir où il arriverait (Options, Afficher les indices).

Jouer au clavier
Ctrl+G commence une partie, Ctrl+R lance les dés, Ctrl+1 à Ctrl+7 avancent votre pion portant ce numéro. Ces touches fonctionnent même pendant que vous écrivez dans le chat&#xa0;; Échap quitte la ligne de chat.

Le compte rendu de partie
Fichier, Enregistrer le compte rendu garde sous forme de texte chaque lancer et chaque coup de cette partie et de la précédente&#xa0;; Fichier, Ouvrir un compte rendu permet d&apos;en parcourir un pas à pas (flèches, Début et Fin). Affichage, Statistiques des dés montre comment les dés sont tombés pendant cette session.

Analyser une partie
Chaque partie est conservée dans le dossier Games, à côté de votre bilan. Affichage, «&#xa0;Analyser la partie…&#xa0;» (ou «&#xa0;Analyser cette partie&#xa0;» à la fin d&apos;une partie) compare chaque coup au meilleur coup possible pour le même lancer, trace la chance de gagner au fil de la partie et compte les erreurs et les gaffes de chaque joueur.</translation>
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
        <translation>L&apos;ordinateur

L&apos;ordinateur joue chaque place sans joueur, ainsi que la place d&apos;un joueur qui a choisi Options, Juste regarder. Le joueur qui héberge la partie (en solo, c&apos;est vous) choisit son niveau dans Options, Niveau de l&apos;ordinateur, et sa vitesse dans Options, Vitesse de l&apos;ordinateur.

Klot
Klot joue selon des préférences fixes et ne réfléchit jamais à l&apos;avance&#xa0;: sur un lancer de un, il fait entrer un nouveau pion&#xa0;; sinon il avance un pion qui quitte sa première case, puis un pion qui tombe sur une rosace ou arrive, et sinon le premier pion qui peut avancer. Il ne regarde jamais vos pions&#xa0;: c&apos;est l&apos;adversaire idéal pour apprendre le jeu.

Fort
Fort voit deux lancers à l&apos;avance&#xa0;: chaque coup qu&apos;il pourrait jouer, chaque lancer qui pourrait suivre et chaque réponse, pondérés selon la fréquence de chaque lancer. Il juge les positions atteintes d&apos;après le chemin parcouru par chaque camp, les pions que le prochain lancer pourrait renvoyer et le joueur qui tient la rosace centrale, dans la mesure qu&apos;une comparaison avec des résultats exacts lui a apprise.

Expert
En fin de partie, dès que les deux joueurs ont ensemble au moins six pions à l&apos;arrivée, Expert cherche la position dans une table exacte de toutes les positions et joue le meilleur coup possible. Avant cela, il cherche un lancer plus loin que Fort, et partout où sa recherche atteint la table, il utilise les valeurs exactes. La table est calculée sur cet ordinateur la première fois qu&apos;Expert est choisi, ce qui prend un moment&#xa0;; une fenêtre montre l&apos;avancement, et tant qu&apos;elle n&apos;est pas prête, Expert joue comme Fort.

La barre des chances
Options, Afficher les chances place à côté du plateau une barre qui montre la chance de gagner de chaque joueur, selon l&apos;ordinateur, dans la position actuelle. La partie verte, qui se remplit depuis le haut, et le nombre en haut sont la chance du premier joueur&#xa0;; la partie orange et le nombre en bas, celle du second. Une ligne marque l&apos;égalité des chances. Quand la table exacte couvre la position, les nombres sont exacts&#xa0;; avant, ce sont les estimations de Fort. Joueurs et spectateurs peuvent l&apos;afficher, et elle change après chaque lancer et chaque coup.</translation>
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
        <translation>Historique

Version 1.0.3 (décembre 2026)
- Invitez un ami par Internet avec un lien&#xa0;; le routeur s&apos;ouvre tout seul.
- Une connexion perdue ne coûte plus la partie&#xa0;: Kelvoa se reconnecte et la place est gardée.
- Chaque partie est conservée et peut être analysée coup par coup.
- Les spectateurs qui rejoignent une partie en cours voient le plateau tel qu&apos;il est.
- Un joueur peut se mettre en retrait et seulement regarder pendant que Klot joue à sa place.
- Les réglages sont conservés même là où le dossier du programme n&apos;est pas modifiable.

Version 1.0.2
- Le bilan des parties contre des adversaires choisis.
- Sons de discussion et boutons de phrases.

Version 1.0.1
- Klot, l&apos;ordinateur, avec trois vitesses.

Version 1.0.0
- Première version&#xa0;: deux joueurs, jusqu&apos;à sept spectateurs, chat.</translation>
    </message>
    <message>
        <source>The Lobby

The Korvan Lobby is a separate program where players of Korvan games meet, chat and start games together. It starts Kelvoa for you with the right settings, whether you host a game or join one.

You can get the lobby from Korvan: choose Help, &quot;The Korvan Lobby…&quot; and then &quot;Download And Install The Korvan Lobby Now&quot;. The same window opens at a solo start until you clear &quot;Show this window at start&quot;.

You do not need the lobby to play with others: File, &quot;Host a Game…&quot; hosts a game and File, &quot;Join a Game…&quot; joins one (see Connecting).</source>
        <translation>Le salon

Le salon Korvan est un programme à part où les joueurs des jeux Korvan se retrouvent, discutent et lancent des parties ensemble. Il démarre Kelvoa pour vous avec les bons réglages, que vous hébergiez une partie ou que vous en rejoigniez une.

Vous pouvez obtenir le salon auprès de Korvan&#xa0;: choisissez Aide, «&#xa0;Le salon Korvan…&#xa0;» puis «&#xa0;Télécharger et installer le salon Korvan&#xa0;». La même fenêtre s&apos;ouvre au démarrage d&apos;une partie solo tant que vous ne décochez pas «&#xa0;Afficher cette fenêtre au démarrage&#xa0;».

Vous n&apos;avez pas besoin du salon pour jouer avec d&apos;autres&#xa0;: Fichier, «&#xa0;Héberger une partie…&#xa0;» héberge une partie et Fichier, «&#xa0;Rejoindre une partie…&#xa0;» en rejoint une (voir Connexion).</translation>
    </message>
    <message>
        <source>

The public lobby (File, &quot;Public Lobby…&quot;) is the place to meet players you do not know yet: a group chat room on an XMPP server that a community runs. Give its room and your account (or a domain that lets you in without one); the window shows who is there, the room&apos;s chat and the open games. Join tries a game&apos;s addresses directly; &quot;Host a Game…&quot; lists your game there for everybody. To open Kelvoa on a lobby link, start it as: kelvoa xmpp:ROOM?join</source>
        <translation>

Le salon public (Fichier, «&#xa0;Salon public…&#xa0;») est l&apos;endroit où rencontrer des joueurs que vous ne connaissez pas encore&#xa0;: une salle de discussion de groupe sur un serveur XMPP tenu par une communauté. Indiquez sa salle et votre compte (ou un domaine qui vous laisse entrer sans compte)&#xa0;; la fenêtre montre qui est là, le chat de la salle et les parties ouvertes. «&#xa0;Rejoindre&#xa0;» essaie directement les adresses d&apos;une partie&#xa0;; «&#xa0;Héberger une partie…&#xa0;» y annonce votre partie pour tout le monde. Pour ouvrir Kelvoa sur un lien de salon, lancez-le ainsi&#xa0;: kelvoa xmpp:ROOM?join</translation>
    </message>
</context>
<context>
    <name>invite</name>
    <message>
        <source>&quot;%1&quot; is not an address: give a name such as host.example, a number such as 192.168.1.20, or an IPv6 address such as [2001:db8::5].</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse&#xa0;: indiquez un nom comme host.example, un numéro comme 192.168.1.20 ou une adresse IPv6 comme [2001:db8::5].</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>Le port «&#xa0;%1&#xa0;» n&apos;est pas un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address.</source>
        <translation>Veuillez saisir l&apos;adresse de l&apos;hôte.</translation>
    </message>
    <message>
        <source>This invite link is too long to be a Kelvoa invite.</source>
        <translation>Ce lien est trop long pour être une invitation Kelvoa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Kelvoa invite: an invite begins with kelvoa://</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une invitation Kelvoa&#xa0;: une invitation commence par kelvoa://</translation>
    </message>
    <message>
        <source>The invite names no host to join.</source>
        <translation>L&apos;invitation n&apos;indique aucun hôte à rejoindre.</translation>
    </message>
    <message>
        <source>The invite&apos;s port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>Le port «&#xa0;%1&#xa0;» de l&apos;invitation n&apos;est pas un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>The invite&apos;s address: </source>
        <translation>L&apos;adresse de l&apos;invitation&#xa0;: </translation>
    </message>
    <message>
        <source>The invite has parts after its code that Kelvoa does not know: it should end after the code.</source>
        <translation>L&apos;invitation contient après son code des éléments que Kelvoa ne connaît pas&#xa0;: elle devrait s&apos;arrêter après le code.</translation>
    </message>
    <message>
        <source>The invite&apos;s code &quot;%1&quot; is not a Kelvoa code: ask the host for the invite again.</source>
        <translation>Le code «&#xa0;%1&#xa0;» de l&apos;invitation n&apos;est pas un code Kelvoa&#xa0;: redemandez l&apos;invitation à l&apos;hôte.</translation>
    </message>
    <message>
        <source>Join my Kelvoa game: </source>
        <translation>Rejoins ma partie de Kelvoa&#xa0;: </translation>
    </message>
</context>
<context>
    <name>lobby::LobbyRoom</name>
    <message>
        <source>The name %1 and its numbered variants are taken in this room.</source>
        <translation>Le nom %1 et ses variantes numérotées sont déjà pris dans cette salle.</translation>
    </message>
    <message>
        <source>There is no room %1.</source>
        <translation>Il n&apos;existe pas de salle %1.</translation>
    </message>
    <message>
        <source>The room %1 does not exist and cannot be made here.</source>
        <translation>La salle %1 n&apos;existe pas et ne peut pas être créée ici.</translation>
    </message>
    <message>
        <source>The room %1 does not let you in.</source>
        <translation>La salle %1 ne vous laisse pas entrer.</translation>
    </message>
    <message>
        <source>The room %1 is for its members only.</source>
        <translation>La salle %1 est réservée à ses membres.</translation>
    </message>
    <message>
        <source>The room %1 is full or closed.</source>
        <translation>La salle %1 est pleine ou fermée.</translation>
    </message>
    <message>
        <source>The room %1 refused you (%2).</source>
        <translation>La salle %1 vous a refusé l&apos;entrée (%2).</translation>
    </message>
    <message>
        <source>no reason</source>
        <translation>sans motif</translation>
    </message>
</context>
<context>
    <name>lobby::LobbySession</name>
    <message>
        <source>Give the lobby&apos;s room, as room@service.</source>
        <translation>Indiquez la salle du salon, sous la forme salle@service.</translation>
    </message>
    <message>
        <source>A room is written room@service, e.g. lobby@conference.example.org.</source>
        <translation>Une salle s&apos;écrit salle@service, par exemple lobby@conference.example.org.</translation>
    </message>
    <message>
        <source>Give your account (name@domain), or a domain to sign in without one.</source>
        <translation>Indiquez votre compte (nom@domaine), ou un domaine pour vous connecter sans compte.</translation>
    </message>
    <message>
        <source>%1 is no domain.</source>
        <translation>%1 n&apos;est pas un domaine.</translation>
    </message>
    <message>
        <source>An account is written name@domain.</source>
        <translation>Un compte s&apos;écrit nom@domaine.</translation>
    </message>
    <message>
        <source>Your account %1 was made.</source>
        <translation>Votre compte %1 a été créé.</translation>
    </message>
    <message>
        <source>The name %1 is taken here: you are %2.</source>
        <translation>Le nom %1 est déjà pris ici&#xa0;: vous êtes %2.</translation>
    </message>
    <message>
        <source>You are in %1 as %2.</source>
        <translation>Vous êtes dans %1 sous le nom %2.</translation>
    </message>
    <message>
        <source>The lobby&apos;s server %1 is not written host or host:port.</source>
        <translation>Le serveur du salon %1 ne s&apos;écrit pas sous la forme hôte ou hôte:port.</translation>
    </message>
    <message>
        <source>Making the account %1…</source>
        <translation>Création du compte %1…</translation>
    </message>
    <message>
        <source>Signing in to %1…</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>Entering %1…</source>
        <translation>Entrée dans %1…</translation>
    </message>
    <message>
        <source>%1 refused the account %2 or its password.</source>
        <translation>%1 a refusé le compte %2 ou son mot de passe.</translation>
    </message>
    <message>
        <source>%1 refused to make the account%2.</source>
        <translation>%1 a refusé de créer le compte%2.</translation>
    </message>
    <message>
        <source>The account %1 exists already: sign in with its password.</source>
        <translation>Le compte %1 existe déjà&#xa0;: connectez-vous avec son mot de passe.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified%2: it is refused unless you accept it.</source>
        <translation>Le certificat de %1 n&apos;a pas pu être vérifié%2&#xa0;: il est refusé tant que vous ne l&apos;acceptez pas.</translation>
    </message>
    <message>
        <source>The lobby&apos;s server %3 went away%1; trying again in %2 s.</source>
        <translation>La connexion au serveur du salon %3 a été perdue%1&#xa0;; nouvel essai dans %2&#xa0;s.</translation>
    </message>
    <message>
        <source>The lobby&apos;s server %3 does not answer%1; trying again in %2 s.</source>
        <translation>Le serveur du salon %3 ne répond pas%1&#xa0;; nouvel essai dans %2&#xa0;s.</translation>
    </message>
</context>
<context>
    <name>lobby::Tlobby</name>
    <message>
        <source>Kelvoa — Public Lobby</source>
        <translation>Kelvoa — Salon public</translation>
    </message>
    <message>
        <source>A lobby is a group chat room on any XMPP server, which a community can run (the README says how). Give its room and your account, or a domain that lets you in without one.</source>
        <translation>Un salon est une salle de discussion de groupe sur n&apos;importe quel serveur XMPP, qu&apos;une communauté peut tenir (le README explique comment). Indiquez sa salle et votre compte, ou un domaine qui vous laisse entrer sans compte.</translation>
    </message>
    <message>
        <source>lobby@conference.example.org</source>
        <translation>lobby@conference.example.org</translation>
    </message>
    <message>
        <source>name@example.org, or anon.example.org</source>
        <translation>nom@example.org, ou anon.example.org</translation>
    </message>
    <message>
        <source>optional: host or host:port</source>
        <translation>facultatif&#xa0;: hôte ou hôte:port</translation>
    </message>
    <message>
        <source>Room:</source>
        <translation>Salle&#xa0;:</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serveur&#xa0;:</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>Accept This Certificate</source>
        <translation>Accepter ce certificat</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Spys</source>
        <translation>Spectateurs</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privée</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Accès</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>🔒 invite</source>
        <translation>🔒 invitation</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>sans adresse</translation>
    </message>
    <message>
        <source>Say something to the room</source>
        <translation>Écrivez quelque chose à la salle</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Héberger une partie…</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>Invite</source>
        <translation>Inviter</translation>
    </message>
    <message>
        <source>Send the person you chose an invite to the game you host</source>
        <translation>Envoyer à la personne choisie une invitation à la partie que vous hébergez</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Refuser</translation>
    </message>
    <message>
        <source>Open games:</source>
        <translation>Parties ouvertes&#xa0;:</translation>
    </message>
    <message>
        <source>In the room:</source>
        <translation>Dans la salle&#xa0;:</translation>
    </message>
    <message>
        <source>Signed out.</source>
        <translation>Déconnecté.</translation>
    </message>
    <message>
        <source> — playing</source>
        <translation> — en partie</translation>
    </message>
    <message>
        <source> — hosting</source>
        <translation> — héberge une partie</translation>
    </message>
    <message>
        <source> (you)</source>
        <translation> (vous)</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>directly</source>
        <translation>direct</translation>
    </message>
    <message>
        <source>Give the password of %1.</source>
        <translation>Indiquez le mot de passe de %1.</translation>
    </message>
    <message>
        <source>No keyring answers: give the password of %1 (it is not kept).</source>
        <translation>Aucun trousseau de clés ne répond&#xa0;: indiquez le mot de passe de %1 (il n&apos;est pas conservé).</translation>
    </message>
    <message>
        <source>An account to make is written name@domain.</source>
        <translation>Le compte à créer s&apos;écrit nom@domaine.</translation>
    </message>
    <message>
        <source>The server is written host or host:port.</source>
        <translation>Le serveur s&apos;écrit hôte ou hôte:port.</translation>
    </message>
    <message>
        <source>Certificate %1 accepted.</source>
        <translation>Certificat %1 accepté.</translation>
    </message>
    <message>
        <source>%1&apos;s game is private: ask %1 for an invite.</source>
        <translation>La partie de %1 est privée&#xa0;: demandez une invitation à %1.</translation>
    </message>
    <message>
        <source>%1&apos;s game gives no address to reach it by.</source>
        <translation>La partie de %1 n&apos;indique aucune adresse pour la rejoindre.</translation>
    </message>
    <message>
        <source>Connecting to %1&apos;s game directly…</source>
        <translation>Connexion directe à la partie de %1…</translation>
    </message>
    <message>
        <source>No way into %1&apos;s game answered.</source>
        <translation>Aucun accès à la partie de %1 n&apos;a répondu.</translation>
    </message>
    <message>
        <source>%1&apos;s game is full.</source>
        <translation>La partie de %1 est complète.</translation>
    </message>
    <message>
        <source>Joining %1&apos;s game at %2…</source>
        <translation>Connexion à la partie de %1 sur %2…</translation>
    </message>
    <message>
        <source>Choose whom to invite in the list of people.</source>
        <translation>Choisissez qui inviter dans la liste des personnes.</translation>
    </message>
    <message>
        <source>Host a game first: the invite carries your game&apos;s link.</source>
        <translation>Hébergez d&apos;abord une partie&#xa0;: l&apos;invitation contient le lien de votre partie.</translation>
    </message>
    <message>
        <source>Invited %1.</source>
        <translation>Invitation envoyée à %1.</translation>
    </message>
    <message>
        <source>%1 invites you to a game</source>
        <translation>%1 vous invite à une partie</translation>
    </message>
    <message>
        <source>Joining %1&apos;s game…</source>
        <translation>Connexion à la partie de %1…</translation>
    </message>
</context>
<context>
    <name>lobby::XmppConnection</name>
    <message>
        <source>no answer within %1 s</source>
        <translation>aucune réponse en %1&#xa0;s</translation>
    </message>
    <message>
        <source>the server&apos;s address is unknown</source>
        <translation>l&apos;adresse du serveur est inconnue</translation>
    </message>
</context>
<context>
    <name>multiplayer</name>
    <message>
        <source>Please enter your name.</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>A name cannot begin with &apos;-&apos;.</source>
        <translation>Un nom ne peut pas commencer par «&#xa0;-&#xa0;».</translation>
    </message>
    <message>
        <source>Please use letters, digits and punctuation in your name.</source>
        <translation>Veuillez utiliser des lettres, des chiffres et de la ponctuation dans votre nom.</translation>
    </message>
    <message>
        <source>Your name can hold only Western European letters.</source>
        <translation>Votre nom ne peut contenir que des lettres d&apos;Europe occidentale.</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>a turn needs nine fields</source>
        <translation>un tour demande neuf champs</translation>
    </message>
    <message>
        <source>no seat 1 or 2</source>
        <translation>pas de place 1 ou 2</translation>
    </message>
    <message>
        <source>the dice are not four 0s and 1s</source>
        <translation>les dés ne sont pas quatre 0 et 1</translation>
    </message>
    <message>
        <source>points are not 0 to 4</source>
        <translation>les points ne sont pas entre 0 et 4</translation>
    </message>
    <message>
        <source>the points do not match the dice</source>
        <translation>les points ne correspondent pas aux dés</translation>
    </message>
    <message>
        <source>no chip 1 to 7</source>
        <translation>pas de pion 1 à 7</translation>
    </message>
    <message>
        <source>squares are not 0 to 16</source>
        <translation>les cases ne sont pas entre 0 et 16</translation>
    </message>
    <message>
        <source>squares without a chip</source>
        <translation>des cases sans pion</translation>
    </message>
    <message>
        <source>no chip sent back</source>
        <translation>aucun pion renvoyé</translation>
    </message>
    <message>
        <source>rosette and extra throw must be yes or no</source>
        <translation>rosace et lancer supplémentaire doivent valoir yes ou no</translation>
    </message>
    <message>
        <source>no game begins before it</source>
        <translation>aucune partie ne commence avant</translation>
    </message>
    <message>
        <source>the game was already won</source>
        <translation>la partie était déjà gagnée</translation>
    </message>
    <message>
        <source>the winner has chips still out</source>
        <translation>le gagnant a encore des pions en jeu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a word of the record</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un mot du compte rendu</translation>
    </message>
    <message>
        <source>it holds no game</source>
        <translation>il ne contient aucune partie</translation>
    </message>
    <message>
        <source>the game was not finished</source>
        <translation>la partie n&apos;a pas été terminée</translation>
    </message>
    <message>
        <source>chip %1 does not stand on square %2</source>
        <translation>le pion %1 n&apos;est pas sur la case %2</translation>
    </message>
    <message>
        <source>the move is not a legal one</source>
        <translation>le coup n&apos;est pas permis</translation>
    </message>
    <message>
        <source>no chip %1 stood there to be sent back</source>
        <translation>aucun pion %1 ne s&apos;y trouvait pour être renvoyé</translation>
    </message>
    <message>
        <source>a chip was sent back without a move</source>
        <translation>un pion a été renvoyé sans qu&apos;aucun coup soit joué</translation>
    </message>
</context>
<context>
    <name>tally</name>
    <message>
        <source>Cannot create a temporary file</source>
        <translation>Impossible de créer un fichier temporaire</translation>
    </message>
    <message>
        <source>Cannot read the tally</source>
        <translation>Impossible de lire le bilan</translation>
    </message>
</context>
</TS>
