<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ChancesBar</name>
    <message>
        <source>Chance to win, as the computer sees it</source>
        <translation>Probabilidad de ganar, según el ordenador</translation>
    </message>
    <message>
        <source>Chances to win: no game</source>
        <translation>Probabilidades de ganar: no hay partida</translation>
    </message>
    <message>
        <source>Chances to win: player 1 %1, player 2 %2</source>
        <translation>Probabilidades de ganar: jugador 1 %1, jugador 2 %2</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Game records (*.txt);;All files (*)</source>
        <translation>Registros de partida (*.txt);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>HostGameDialog</name>
    <message>
        <source>Host a Game</source>
        <translation>Crear una partida</translation>
    </message>
    <message>
        <source>the name the others see</source>
        <translation>el nombre que verán los demás</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy the chosen address, to send it to a friend</source>
        <translation>Copiar la dirección elegida para enviársela a un amigo</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>Where your friends reach this game:</source>
        <translation>Dónde pueden encontrar tus amigos esta partida:</translation>
    </message>
    <message>
        <source>This computer has no network address: only a copy on this computer can join (at 127.0.0.1).</source>
        <translation>Este ordenador no tiene dirección de red: solo una copia en este mismo ordenador puede unirse (en 127.0.0.1).</translation>
    </message>
    <message>
        <source>On this network:</source>
        <translation>En esta red:</translation>
    </message>
    <message>
        <source>On the internet:</source>
        <translation>En Internet:</translation>
    </message>
    <message>
        <source>Over IPv6:</source>
        <translation>Por IPv6:</translation>
    </message>
    <message>
        <source>Only players with the invite</source>
        <translation>Solo jugadores con invitación</translation>
    </message>
    <message>
        <source>A fresh code each time you host; only those who have your invite link can join</source>
        <translation>Un código nuevo cada vez que creas una partida; solo quien tenga tu enlace de invitación puede unirse</translation>
    </message>
    <message>
        <source>Copy Invite</source>
        <translation>Copiar invitación</translation>
    </message>
    <message>
        <source>Copy a line with your game&apos;s link, to send it to a friend</source>
        <translation>Copiar una línea con el enlace de tu partida para enviársela a un amigo</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>This computer has no network address to invite to.</source>
        <translation>Este ordenador no tiene ninguna dirección de red a la que invitar.</translation>
    </message>
    <message>
        <source>The code is made when the private game starts: host first, then copy the invite here.</source>
        <translation>El código se crea cuando empieza la partida privada: primero crea la partida y luego copia aquí la invitación.</translation>
    </message>
    <message>
        <source>When you host, Kelvoa asks your router to forward TCP port 7772 to this computer.</source>
        <translation>Cuando creas una partida, Kelvoa pide a tu router que redirija el puerto TCP 7772 a este ordenador.</translation>
    </message>
    <message>
        <source>Asking your router to forward TCP port 7772 to this computer…</source>
        <translation>Pidiendo al router que redirija el puerto TCP 7772 a este ordenador…</translation>
    </message>
    <message>
        <source>Your router forwards TCP port 7772 to this computer; give your friends the router&apos;s internet address.</source>
        <translation>Tu router redirige el puerto TCP 7772 a este ordenador; da a tus amigos la dirección de Internet del router.</translation>
    </message>
    <message>
        <source>%1 — your router forwards TCP port 7772 to this computer.</source>
        <translation>%1: tu router redirige el puerto TCP 7772 a este ordenador.</translation>
    </message>
    <message>
        <source>No router answered. Forward TCP port 7772 to this computer in your router&apos;s settings (&quot;port forwarding&quot;), then give your friends the router&apos;s internet address.</source>
        <translation>Ningún router ha respondido. Redirige el puerto TCP 7772 a este ordenador en la configuración del router («redirección de puertos») y luego da a tus amigos la dirección de Internet del router.</translation>
    </message>
    <message>
        <source>Your router refused to forward TCP port 7772 to this computer. Forward it in the router&apos;s settings (&quot;port forwarding&quot;), or allow UPnP or NAT-PMP there.</source>
        <translation>Tu router se ha negado a redirigir el puerto TCP 7772 a este ordenador. Configura la redirección en los ajustes del router («redirección de puertos») o activa allí UPnP o NAT-PMP.</translation>
    </message>
    <message>
        <source>Your router already forwards TCP port 7772 to another computer%1. Kelvoa leaves that as it is: host there, or change the forwarding in the router&apos;s settings.</source>
        <translation>Tu router ya redirige el puerto TCP 7772 a otro ordenador%1. Kelvoa lo deja como está: crea la partida en ese ordenador o cambia la redirección en los ajustes del router.</translation>
    </message>
    <message>
        <source>Your router&apos;s own internet address, %1, is a private or shared one: your provider shares one address among many customers, and nobody can reach this computer through it. Friends with IPv6 may reach you over IPv6; or let your friend host.</source>
        <translation>La dirección de Internet de tu router, %1, es privada o compartida: tu proveedor reparte una misma dirección entre muchos clientes y nadie puede llegar a este ordenador a través de ella. Los amigos con IPv6 quizá puedan conectarse por IPv6; si no, deja que tu amigo cree la partida.</translation>
    </message>
    <message>
        <source>This computer has no IPv6 internet address.</source>
        <translation>Este ordenador no tiene dirección de Internet IPv6.</translation>
    </message>
    <message>
        <source>
No router stands in between; a firewall must let TCP port 7772 in.</source>
        <translation>
No hay ningún router en medio; el cortafuegos debe dejar entrar el puerto TCP 7772.</translation>
    </message>
    <message>
        <source>Your Game</source>
        <translation>Tu partida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Host Again</source>
        <translation>Crear de nuevo</translation>
    </message>
    <message>
        <source>List this game in the public lobby</source>
        <translation>Anunciar esta partida en el salón público</translation>
    </message>
    <message>
        <source>Everybody in the lobby&apos;s room sees the game and can join it</source>
        <translation>Todos los que están en la sala de chat del salón ven la partida y pueden unirse a ella</translation>
    </message>
</context>
<context>
    <name>JoinGameDialog</name>
    <message>
        <source>Join a Game</source>
        <translation>Unirse a una partida</translation>
    </message>
    <message>
        <source>the name the others see</source>
        <translation>el nombre que verán los demás</translation>
    </message>
    <message>
        <source>a name or an IP address</source>
        <translation>un nombre o una dirección IP</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Anfitrión</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Spys</source>
        <translation>Espectadores</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>Host&apos;s address:</source>
        <translation>Dirección del anfitrión:</translation>
    </message>
    <message>
        <source>Games on this network:</source>
        <translation>Partidas en esta red:</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>Invited to a private game (code %1).</source>
        <translation>Invitado a una partida privada (código %1).</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en curso</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>esperando</translation>
    </message>
    <message>
        <source> (version %1)</source>
        <translation> (versión %1)</translation>
    </message>
    <message>
        <source> (this computer)</source>
        <translation> (este ordenador)</translation>
    </message>
    <message>
        <source>Looking for games on this network…</source>
        <translation>Buscando partidas en esta red…</translation>
    </message>
    <message>
        <source>No games found on this network.</source>
        <translation>No se han encontrado partidas en esta red.</translation>
    </message>
    <message>
        <source>1 game found.</source>
        <translation>1 partida encontrada.</translation>
    </message>
    <message numerus="yes">
        <source>%n games found.</source>
        <translation>
            <numerusform>%n partida encontrada.</numerusform>
            <numerusform>%n partidas encontradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>That is this copy&apos;s own game. Start the program once more to join it from a second copy.</source>
        <translation>Es la partida de esta misma copia. Abre el programa otra vez para unirte a ella desde una segunda copia.</translation>
    </message>
    <message>
        <source>Asking %1 for its game…</source>
        <translation>Preguntando a %1 por su partida…</translation>
    </message>
    <message>
        <source>The game at %1 is full.</source>
        <translation>La partida en %1 está completa.</translation>
    </message>
    <message>
        <source>No game is hosted at %1.</source>
        <translation>No hay ninguna partida creada en %1.</translation>
    </message>
    <message>
        <source>(a private game)</source>
        <translation>(una partida privada)</translation>
    </message>
    <message>
        <source>Public Lobby…</source>
        <translation>Salón público…</translation>
    </message>
    <message>
        <source>Meet players you do not know yet, and join their games</source>
        <translation>Conoce a jugadores nuevos y únete a sus partidas</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 against %2</source>
        <translation>%1 contra %2</translation>
    </message>
</context>
<context>
    <name>TSock</name>
    <message>
        <source>Listen - Socket Already In Use</source>
        <translation>Escucha: el socket ya está en uso</translation>
    </message>
    <message>
        <source>Listen - Error Binding Socket</source>
        <translation>Escucha: error al enlazar el socket</translation>
    </message>
    <message>
        <source>Listen - Error Starting Listen</source>
        <translation>Escucha: error al empezar a escuchar</translation>
    </message>
    <message>
        <source>Accept - Socket Not In Listening Mode</source>
        <translation>Aceptar: el socket no está escuchando</translation>
    </message>
    <message>
        <source>Port Lookup - Could Not Find Service Entry</source>
        <translation>Búsqueda de puerto: no se encontró el servicio</translation>
    </message>
    <message>
        <source>Host Lookup - Could Not Find Host Entry</source>
        <translation>Búsqueda de host: no se encontró el host</translation>
    </message>
    <message>
        <source>Send - Cannot Send On A Listener Socket</source>
        <translation>Envío: no se puede enviar por un socket de escucha</translation>
    </message>
    <message>
        <source>Send - Socket Not Connected</source>
        <translation>Envío: el socket no está conectado</translation>
    </message>
    <message>
        <source>Receive - Cannot Receive On A Listener Socket</source>
        <translation>Recepción: no se puede recibir por un socket de escucha</translation>
    </message>
    <message>
        <source>Receive - Socket Not Connected</source>
        <translation>Recepción: el socket no está conectado</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Kelvoa - About</source>
        <translation>Kelvoa: Acerca de</translation>
    </message>
    <message>
        <source>Programmed by the Kelvoa team, 2026.
All rights reserved.</source>
        <translation>Programado por el equipo de Kelvoa, 2026.
Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versión </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TallyChart</name>
    <message>
        <source>Games against each opponent</source>
        <translation>Partidas contra cada rival</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Has ganado tú</translation>
    </message>
    <message>
        <source>He won</source>
        <translation>Ha ganado él</translation>
    </message>
    <message>
        <source>No opponent tallied yet: tick a player above</source>
        <translation>Aún no sigues a ningún rival: marca un jugador arriba</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Way To Go!</source>
        <translation>¡Así se hace!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>¡Buena jugada!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>¡Buen intento!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>¡Excelente!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>¡Genial!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>¡Guau, bien hecho!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>¡Gracias!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>¡Así se hace, compañero!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>¡Buena partida a todos!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Crear una partida…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Unirse a una partida…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Reproducir sonidos</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Reproducir sonidos del chat</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Sonido de turno</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Velocidad del ordenador</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Bot Skill</source>
        <translation>Nivel del ordenador</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Fuerte</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Show Chances</source>
        <translation>Mostrar probabilidades</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Detener el desplazamiento del chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Borrar el chat</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Restablecer la posición de la ventana</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Solo mirar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Ver el marcador</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espectadores</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Lista de frases</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>The Korvan Lobby…</source>
        <translation>El salón Korvan…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Quitar de la partida</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Poner como solo mirar</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Quitar solo mirar</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Cargando partida individual… Espera, por favor.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Cargando partida multijugador… Espera, por favor.</translation>
    </message>
    <message>
        <source>This game is private. File &gt; Host a Game… &gt; Copy Invite gives your friends the way in.</source>
        <translation>Esta partida es privada. Con Archivo &gt; Crear una partida… &gt; Copiar invitación tus amigos pueden entrar.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>See ya!</source>
        <translation>¡Hasta luego!</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Sonidos del chat</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>No se puede abrir la página web</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Sonido del chat&gt; %2</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Mostrar pistas</translation>
    </message>
    <message>
        <source>Animate Chips</source>
        <translation>Animar las fichas</translation>
    </message>
    <message>
        <source>Save Game Record…</source>
        <translation>Guardar registro de partida…</translation>
    </message>
    <message>
        <source>Open Game Record…</source>
        <translation>Abrir registro de partida…</translation>
    </message>
    <message>
        <source>Dice Statistics</source>
        <translation>Estadísticas de los dados</translation>
    </message>
    <message>
        <source>Review Game…</source>
        <translation>Analizar la partida…</translation>
    </message>
    <message>
        <source>Review this game</source>
        <translation>Analizar esta partida</translation>
    </message>
    <message>
        <source>There is no game to record yet.</source>
        <translation>Todavía no hay ninguna partida que guardar.</translation>
    </message>
    <message>
        <source>Save Game Record</source>
        <translation>Guardar registro de partida</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>No se puede escribir %1</translation>
    </message>
    <message>
        <source>Open Game Record</source>
        <translation>Abrir registro de partida</translation>
    </message>
    <message>
        <source>No game has been kept yet: a game is kept when it ends.</source>
        <translation>Aún no se ha guardado ninguna partida: una partida se guarda cuando termina.</translation>
    </message>
    <message>
        <source>Roll Dice (Ctrl+R)</source>
        <translation>Tirar los dados (Ctrl+R)</translation>
    </message>
    <message>
        <source>Chip %1 (Ctrl+%1)</source>
        <translation>Ficha %1 (Ctrl+%1)</translation>
    </message>
    <message>
        <source>Kelvoa speaks the chosen language when it starts again.</source>
        <translation>Kelvoa usará el idioma elegido la próxima vez que se abra.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Friends on the internet join you at %1.</source>
        <translation>Tus amigos en Internet se unen a ti en %1.</translation>
    </message>
    <message>
        <source>Your router lets friends on the internet in.</source>
        <translation>Tu router deja entrar a tus amigos desde Internet.</translation>
    </message>
    <message>
        <source>Friends on the internet cannot reach this game yet. File &gt; Host a Game… tells why.</source>
        <translation>Tus amigos en Internet todavía no pueden llegar a esta partida. Archivo &gt; Crear una partida… explica por qué.</translation>
    </message>
    <message>
        <source>Kelvoa could not be started again.</source>
        <translation>No se ha podido volver a abrir Kelvoa.</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Reconectar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Connection lost — reconnecting…</source>
        <translation>Conexión perdida; reconectando…</translation>
    </message>
    <message>
        <source>The connection to the host is lost.</source>
        <translation>Se ha perdido la conexión con el anfitrión.</translation>
    </message>
    <message>
        <source>%1 lost the connection; the seat is kept for %2.</source>
        <translation>%1 ha perdido la conexión; su puesto se guarda durante %2.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 ha vuelto.</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Estás conectado.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 se ha conectado.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Estás mirando.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está mirando.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 se ha desconectado.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 se ha ido.</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tiene una versión del juego distinta de la tuya.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Tienes una versión del juego distinta de la del anfitrión.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partida está completa</translation>
    </message>
    <message>
        <source>This game is private: ask the host for an invite.</source>
        <translation>Esta partida es privada: pide una invitación al anfitrión.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 solo está mirando</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 vuelve a jugar</translation>
    </message>
    <message>
        <source>%1&apos;s turn..</source>
        <translation>Turno de %1…</translation>
    </message>
    <message>
        <source>Your turn to roll..</source>
        <translation>Te toca tirar…</translation>
    </message>
    <message numerus="yes">
        <source>Choose a chip to move %n spaces.</source>
        <translation>
            <numerusform>Elige una ficha para mover %n casilla.</numerusform>
            <numerusform>Elige una ficha para mover %n casillas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer now plays &quot;Expert&quot; where it knows the exact odds.</source>
        <translation>El ordenador juega ahora como «Experto» donde conoce las probabilidades exactas.</translation>
    </message>
    <message>
        <source>No table for &quot;Expert&quot; (%1): the computer plays &quot;Strong&quot;.</source>
        <translation>No hay tabla para «Experto» (%1): el ordenador juega como «Fuerte».</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Port %1 is used by another program: others cannot join this game.</source>
        <translation>Otro programa está usando el puerto %1: nadie más puede unirse a esta partida.</translation>
    </message>
    <message>
        <source>Port %1 is used by another program, so this game cannot be hosted. Close that program (perhaps another Kelvoa) and choose File &gt; Host a Game… again, or join a game instead.</source>
        <translation>Otro programa está usando el puerto %1, así que no se puede crear esta partida. Cierra ese programa (quizá otro Kelvoa) y vuelve a elegir Archivo &gt; Crear una partida…, o únete a una partida.</translation>
    </message>
    <message>
        <source>The removed player knows this game&apos;s invite. Make a new invite, so that the old one lets nobody in any more? Everybody here stays.</source>
        <translation>El jugador expulsado conoce la invitación de esta partida. ¿Crear una invitación nueva para que la antigua ya no deje entrar a nadie? Todos los que están aquí se quedan.</translation>
    </message>
    <message>
        <source>New Invite</source>
        <translation>Nueva invitación</translation>
    </message>
    <message>
        <source>Keep Invite</source>
        <translation>Mantener invitación</translation>
    </message>
    <message>
        <source>The invite is new: File &gt; Host a Game… &gt; Copy Invite gives it to your friends.</source>
        <translation>La invitación es nueva: con Archivo &gt; Crear una partida… &gt; Copiar invitación se la das a tus amigos.</translation>
    </message>
    <message>
        <source>Chat input</source>
        <translation>Entrada del chat</translation>
    </message>
    <message>
        <source>Chat transcript</source>
        <translation>Historial del chat</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Emoticonos</translation>
    </message>
    <message>
        <source>Chatter sounds</source>
        <translation>Sonidos del chat</translation>
    </message>
    <message>
        <source>Game table</source>
        <translation>Mesa de juego</translation>
    </message>
    <message>
        <source>Phrase %1: %2</source>
        <translation>Frase %1: %2</translation>
    </message>
    <message>
        <source>Tutor</source>
        <translation>Tutor</translation>
    </message>
    <message>
        <source>In games against the computer, asks before a move that gives away 3 points of winning chance or more</source>
        <translation>En las partidas contra el ordenador, pregunta antes de una jugada que regala 3 puntos o más de probabilidad de ganar</translation>
    </message>
    <message>
        <source>start</source>
        <translation>salida</translation>
    </message>
    <message>
        <source>home</source>
        <translation>meta</translation>
    </message>
    <message>
        <source>Moving from %1 to %2 gives away %3 points of your winning chance (%4 % instead of %5 %).

Play it anyway, think again, or see the best move?</source>
        <translation>Mover de %1 a %2 regala %3 puntos de tu probabilidad de ganar (%4 % en vez de %5 %).

¿Jugarla igualmente, pensarlo otra vez o ver la mejor jugada?</translation>
    </message>
    <message>
        <source>Play Anyway</source>
        <translation>Jugar igualmente</translation>
    </message>
    <message>
        <source>Rethink</source>
        <translation>Pensarlo otra vez</translation>
    </message>
    <message>
        <source>Show Best</source>
        <translation>Mostrar la mejor</translation>
    </message>
    <message>
        <source>Best: from %1 to %2</source>
        <translation>Lo mejor: de %1 a %2</translation>
    </message>
    <message>
        <source>Public Lobby…</source>
        <translation>Salón público…</translation>
    </message>
    <message>
        <source>Set a lobby first: File &gt; Public Lobby…</source>
        <translation>Configura primero un salón: Archivo &gt; Salón público…</translation>
    </message>
</context>
<context>
    <name>Tdicestats</name>
    <message>
        <source>Dice Statistics</source>
        <translation>Estadísticas de los dados</translation>
    </message>
    <message>
        <source>Sums of the four dice this session</source>
        <translation>Sumas de los cuatro dados en esta sesión</translation>
    </message>
    <message>
        <source>Fair dice give the sums 0 to 4 as 1 : 4 : 6 : 4 : 1. A p-value below 0.01 would be surprising from fair dice.</source>
        <translation>Unos dados justos dan las sumas de 0 a 4 en la proporción 1 : 4 : 6 : 4 : 1. Un valor p inferior a 0,01 sería sorprendente con dados justos.</translation>
    </message>
    <message>
        <source>no throws yet</source>
        <translation>aún no hay tiradas</translation>
    </message>
    <message>
        <source>%1 throws, chi-square %2, p = %3</source>
        <translation>%1 tiradas, chi cuadrado %2, p = %3</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Fair dice</source>
        <translation>Dados justos</translation>
    </message>
    <message>
        <source>Throws</source>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>fair dice</source>
        <translation>dados justos</translation>
    </message>
    <message>
        <source>sum of the four dice</source>
        <translation>suma de los cuatro dados</translation>
    </message>
    <message>
        <source>Are the dice fair? No kept games yet to tell.</source>
        <translation>¿Son justos los dados? Aún no hay partidas guardadas para saberlo.</translation>
    </message>
    <message>
        <source>1 kept game</source>
        <translation>1 partida guardada</translation>
    </message>
    <message>
        <source>%1 kept games</source>
        <translation>%1 partidas guardadas</translation>
    </message>
    <message>
        <source> and 1 throw</source>
        <translation> y 1 tirada</translation>
    </message>
    <message>
        <source> and %1 throws</source>
        <translation> y %1 tiradas</translation>
    </message>
    <message>
        <source>Are the dice fair? Yes, as far as %1 can tell: fair dice come out at least this uneven %2 % of the time (chi-square p = %3).</source>
        <translation>¿Son justos los dados? Sí, a juzgar por %1: unos dados justos salen al menos así de desiguales el %2 % de las veces (chi cuadrado p = %3).</translation>
    </message>
    <message>
        <source>Are the dice fair? Probably, but %1 are a little uneven: fair dice come out like this only %2 % of the time (chi-square p = %3).</source>
        <translation>¿Son justos los dados? Probablemente, pero en %1 salen algo desiguales: unos dados justos solo salen así el %2 % de las veces (chi cuadrado p = %3).</translation>
    </message>
    <message>
        <source>Are the dice fair? Doubtful: in %1, fair dice would come out this uneven only %2 % of the time (chi-square p = %3).</source>
        <translation>¿Son justos los dados? Dudoso: en %1, unos dados justos solo saldrían así de desiguales el %2 % de las veces (chi cuadrado p = %3).</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>The Korvan Lobby</source>
        <translation>El salón Korvan</translation>
    </message>
    <message>
        <source>The Korvan Lobby could not be downloaded: </source>
        <translation>No se ha podido descargar el salón Korvan: </translation>
    </message>
    <message>
        <source>its web server does not have it.</source>
        <translation>su servidor web no lo tiene.</translation>
    </message>
    <message>
        <source>its web server refused to give it.</source>
        <translation>su servidor web se ha negado a darlo.</translation>
    </message>
    <message>
        <source>its web server answered with error %1.</source>
        <translation>su servidor web ha respondido con el error %1.</translation>
    </message>
    <message>
        <source>its web server could not be found. Is this computer connected to the internet?</source>
        <translation>no se encuentra su servidor web. ¿Está este ordenador conectado a Internet?</translation>
    </message>
    <message>
        <source>its web server refused the connection.</source>
        <translation>su servidor web ha rechazado la conexión.</translation>
    </message>
    <message>
        <source>its web server did not answer.</source>
        <translation>su servidor web no ha respondido.</translation>
    </message>
    <message>
        <source>its web server broke the connection off.</source>
        <translation>su servidor web ha cortado la conexión.</translation>
    </message>
    <message>
        <source>the connection to its web server failed.</source>
        <translation>ha fallado la conexión con su servidor web.</translation>
    </message>
    <message>
        <source>You can play with others without the lobby: in the game&apos;s File menu, choose &quot;Host a Game…&quot; to host a game, or &quot;Join a Game…&quot; to join one.</source>
        <translation>Puedes jugar con otros sin el salón: en el menú Archivo del juego, elige «Crear una partida…» para crear una o «Unirse a una partida…» para unirte a una.</translation>
    </message>
    <message>
        <source>Download The Korvan Lobby</source>
        <translation>Descargar el salón Korvan</translation>
    </message>
    <message>
        <source>Download The Korvan Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>¡Descarga ya el salón Korvan para jugar en línea a este y otros juegos emocionantes con otros jugadores!</translation>
    </message>
    <message>
        <source>Download And Install The Korvan Lobby Now</source>
        <translation>Descargar e instalar ya el salón Korvan</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Detener la descarga</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Para ir al juego sin poder jugar contra otros, pulsa el botón de abajo.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jugar solo</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Nota: aunque juegues sin conexión, tendrás que configurar el CORTAFUEGOS para que el juego pueda usar los componentes de red.</translation>
    </message>
    <message>
        <source>If you already have The Korvan Lobby and you wish to play with others then click the button below to close this game and open The Korvan Lobby.</source>
        <translation>Si ya tienes el salón Korvan y quieres jugar con otros, pulsa el botón de abajo para cerrar este juego y abrir el salón Korvan.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jugar con otros</translation>
    </message>
    <message>
        <source>Show this window at start</source>
        <translation>Mostrar esta ventana al empezar</translation>
    </message>
    <message>
        <source>It is always at hand in the game&apos;s Help menu: &quot;The Korvan Lobby…&quot;.</source>
        <translation>Siempre está a mano en el menú Ayuda del juego: «El salón Korvan…».</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Descarga interrumpida</translation>
    </message>
    <message>
        <source>The installer could not be saved in %1.</source>
        <translation>No se ha podido guardar el instalador en %1.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Descargando: </translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 bytes recibidos</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Se ha producido un error.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Se ha interrumpido la descarga.</translation>
    </message>
    <message>
        <source>Please close the game and open the Korvan Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Cierra el juego y abre el salón Korvan con el icono del escritorio o desde el menú de inicio.</translation>
    </message>
    <message>
        <source>No lobby program? You do not need it: &quot;Play with Others&quot; then opens the public lobby, where you meet other players, and File &gt; &quot;Host a Game…&quot; in the game&apos;s window hosts a game for others to join.</source>
        <translation>¿No tienes el programa del salón? No te hace falta: «Jugar con otros» abre entonces el salón público, donde conocerás a otros jugadores, y Archivo &gt; «Crear una partida…» en la ventana del juego crea una partida para que otros se unan.</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Kelvoa - Help File</source>
        <translation>Kelvoa: Ayuda</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>The Computer</source>
        <translation>El ordenador</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>El salón</translation>
    </message>
    <message>
        <source>Kelvoa
by the Kelvoa team
2026
All rights reserved.</source>
        <translation>Kelvoa
del equipo de Kelvoa
2026
Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Kelvoa - Phrase Buttons </source>
        <translation>Kelvoa: Botones de frases</translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Botón de frase %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Los botones solo se pueden usar una vez cada 2 segundos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>Tprogress</name>
    <message>
        <source>Preparing &quot;Expert&quot;</source>
        <translation>Preparando «Experto»</translation>
    </message>
    <message>
        <source>Solving the endgame exactly for the &quot;Expert&quot; computer player.
This happens once; meanwhile the computer plays &quot;Strong&quot;.</source>
        <translation>Resolviendo con exactitud el final de partida para el ordenador «Experto».
Solo ocurre una vez; mientras tanto, el ordenador juega como «Fuerte».</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Calculando el tiempo restante…</translation>
    </message>
    <message>
        <source>About %1 s left</source>
        <translation>Quedan unos %1 s</translation>
    </message>
    <message>
        <source>About %1:%2 left</source>
        <translation>Quedan unos %1:%2</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Kelvoa - Spys</source>
        <translation>Kelvoa: Espectadores</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espectadores</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Quitar de la partida</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Kelvoa  - Tally List</source>
        <translation>Kelvoa: Marcador</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Tu marcador total</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Partidas en total:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Tus victorias</translation>
    </message>
    <message>
        <source>Tally</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>XX Wins:</source>
        <translation>Victorias de XX:</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Número de partidas</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Tus victorias:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Sin ganador:</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Jugadores de la partida actual</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Jugadores en el marcador</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Reiniciar el marcador</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>LISTO</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Se borrará el marcador contra %1. ¿Seguro que quieres borrarlo?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victorias de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Marcador contra %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>¿Seguro que quieres reiniciar el marcador?</translation>
    </message>
</context>
<context>
    <name>board::BoardReader</name>
    <message>
        <source>Turn log</source>
        <translation>Registro de turnos</translation>
    </message>
    <message>
        <source>Show the route of seat 1</source>
        <translation>Mostrar el recorrido del puesto 1</translation>
    </message>
    <message>
        <source>Show the route of seat 2</source>
        <translation>Mostrar el recorrido del puesto 2</translation>
    </message>
    <message>
        <source>Player 1, green chips, top row</source>
        <translation>Jugador 1, fichas verdes, fila de arriba</translation>
    </message>
    <message>
        <source>Player 2, orange chips, bottom row</source>
        <translation>Jugador 2, fichas naranjas, fila de abajo</translation>
    </message>
    <message>
        <source>Move refused</source>
        <translation>Jugada rechazada</translation>
    </message>
    <message>
        <source>Board panel</source>
        <translation>Panel del tablero</translation>
    </message>
    <message>
        <source>Route of seat 1, green arrows</source>
        <translation>Recorrido del puesto 1, flechas verdes</translation>
    </message>
    <message>
        <source>Route of seat 2, orange arrows</source>
        <translation>Recorrido del puesto 2, flechas naranjas</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partida terminada</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>You are just watching</source>
        <translation>Solo estás mirando</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 solo está mirando</translation>
    </message>
    <message>
        <source>Your status</source>
        <translation>Tu estado</translation>
    </message>
    <message>
        <source>%1&apos;s status</source>
        <translation>Estado de %1</translation>
    </message>
    <message>
        <source>Turn marker: your turn</source>
        <translation>Marcador de turno: te toca</translation>
    </message>
    <message>
        <source>Turn marker: %1&apos;s turn</source>
        <translation>Marcador de turno: turno de %1</translation>
    </message>
    <message>
        <source>Three rows of seven squares, player 1&apos;s row at the top; squares are counted along your route</source>
        <translation>Tres filas de siete casillas, la del jugador 1 arriba; las casillas se cuentan a lo largo de tu recorrido</translation>
    </message>
    <message>
        <source>Three rows of seven squares, player 1&apos;s row at the top; squares are counted along player 1&apos;s route</source>
        <translation>Tres filas de siete casillas, la del jugador 1 arriba; las casillas se cuentan a lo largo del recorrido del jugador 1</translation>
    </message>
</context>
<context>
    <name>board::BoardSpeech</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>a list of chip numbers: 1, 2 and 5</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>may move home</source>
        <translation>puede llegar a la meta</translation>
    </message>
    <message>
        <source>may move to square %1</source>
        <translation>puede ir a la casilla %1</translation>
    </message>
    <message>
        <source>square %1</source>
        <translation>casilla %1</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Casilla %1</translation>
    </message>
    <message>
        <source>%1&apos;s square %2</source>
        <translation>casilla %2 de %1</translation>
    </message>
    <message>
        <source>no square</source>
        <translation>ninguna casilla</translation>
    </message>
    <message>
        <source>No square</source>
        <translation>Ninguna casilla</translation>
    </message>
    <message>
        <source>rosette</source>
        <translation>roseta</translation>
    </message>
    <message>
        <source>your chip %1</source>
        <translation>tu ficha %1</translation>
    </message>
    <message>
        <source>your chips %1</source>
        <translation>tus fichas %1</translation>
    </message>
    <message>
        <source>%1&apos;s chip</source>
        <translation>ficha de %1</translation>
    </message>
    <message>
        <source>%1&apos;s %2 chips</source>
        <translation>%2 fichas de %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Your home pile</source>
        <translation>Tu montón de meta</translation>
    </message>
    <message>
        <source>Your start pile</source>
        <translation>Tu montón de salida</translation>
    </message>
    <message>
        <source>%1&apos;s home pile</source>
        <translation>Montón de meta de %1</translation>
    </message>
    <message>
        <source>%1&apos;s start pile</source>
        <translation>Montón de salida de %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no chips</source>
        <translation>ninguna ficha</translation>
    </message>
    <message>
        <source>1 chip</source>
        <translation>1 ficha</translation>
    </message>
    <message>
        <source>%1 chips</source>
        <translation>%1 fichas</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Your chip %1</source>
        <translation>Tu ficha %1</translation>
    </message>
    <message>
        <source>%1&apos;s chip %2</source>
        <translation>Ficha %2 de %1</translation>
    </message>
    <message>
        <source>in the start pile</source>
        <translation>en el montón de salida</translation>
    </message>
    <message>
        <source>in the home pile</source>
        <translation>en la meta</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>Middle row</source>
        <translation>Fila central</translation>
    </message>
    <message>
        <source>Your row</source>
        <translation>Tu fila</translation>
    </message>
    <message>
        <source>%1&apos;s row</source>
        <translation>Fila de %1</translation>
    </message>
    <message>
        <source>Dice: not thrown yet</source>
        <translation>Dados: aún sin tirar</translation>
    </message>
    <message>
        <source>Dice: 1 point</source>
        <translation>Dados: 1 punto</translation>
    </message>
    <message>
        <source>Dice: %1 points</source>
        <translation>Dados: %1 puntos</translation>
    </message>
    <message>
        <source>Die %1: marked tip up</source>
        <translation>Dado %1: punta marcada arriba</translation>
    </message>
    <message>
        <source>Die %1: plain tip up</source>
        <translation>Dado %1: punta lisa arriba</translation>
    </message>
    <message>
        <source>Die %1: not thrown yet</source>
        <translation>Dado %1: aún sin tirar</translation>
    </message>
</context>
<context>
    <name>board::BoardView</name>
    <message>
        <source>Show the route of seat 1</source>
        <translation>Mostrar el recorrido del puesto 1</translation>
    </message>
    <message>
        <source>Show the route of seat 2</source>
        <translation>Mostrar el recorrido del puesto 2</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <translation>Tirar los dados</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Welcome to Kelvoa!</source>
        <translation>¡Bienvenido a Kelvoa!</translation>
    </message>
    <message>
        <source>Give Player 3 ability to play</source>
        <translation>Dejar jugar al jugador 3</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Esperando&gt;</translation>
    </message>
</context>
<context>
    <name>board::ReviewChart</name>
    <message>
        <source>turn</source>
        <translation>turno</translation>
    </message>
    <message>
        <source>Winning chance of %1</source>
        <translation>Probabilidad de ganar de %1</translation>
    </message>
</context>
<context>
    <name>board::ReviewPanel</name>
    <message>
        <source>Expert reviews the game… %p %</source>
        <translation>Experto analiza la partida… %p %</translation>
    </message>
    <message>
        <source>Expert is looking at every move…</source>
        <translation>Experto está examinando cada jugada…</translation>
    </message>
    <message>
        <source>best</source>
        <translation>la mejor</translation>
    </message>
    <message>
        <source>an inaccuracy</source>
        <translation>una imprecisión</translation>
    </message>
    <message>
        <source>a mistake</source>
        <translation>un error</translation>
    </message>
    <message>
        <source>a blunder</source>
        <translation>un error grave</translation>
    </message>
    <message>
        <source>start</source>
        <translation>salida</translation>
    </message>
    <message>
        <source>home</source>
        <translation>meta</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>Before the first throw. Step through the game, or click the chart.</source>
        <translation>Antes de la primera tirada. Avanza por la partida paso a paso o haz clic en el gráfico.</translation>
    </message>
    <message>
        <source>Turn %1: %2 threw %3 and could not move.</source>
        <translation>Turno %1: %2 sacó %3 y no pudo mover.</translation>
    </message>
    <message>
        <source>Turn %1: %2 moved %3: &lt;b&gt;&lt;span style=&quot;color:%4&quot;&gt;%5&lt;/span&gt;&lt;/b&gt;</source>
        <translation>Turno %1: %2 movió %3: &lt;b&gt;&lt;span style=&quot;color:%4&quot;&gt;%5&lt;/span&gt;&lt;/b&gt;</translation>
    </message>
    <message>
        <source> (the only move)</source>
        <translation> (la única jugada posible)</translation>
    </message>
    <message>
        <source>, %1 points of winning chance lost.&lt;br&gt;Best was &lt;b&gt;%2&lt;/b&gt;, shown on the board.</source>
        <translation>, %1 puntos de probabilidad de ganar perdidos.&lt;br&gt;Lo mejor era &lt;b&gt;%2&lt;/b&gt;, como muestra el tablero.</translation>
    </message>
    <message>
        <source>Solving the exact table, once… %p %</source>
        <translation>Calculando la tabla exacta, solo una vez… %p %</translation>
    </message>
    <message>
        <source>Expert first works out the exact odds of every end game (about a minute, only this once).</source>
        <translation>Experto calcula primero las probabilidades exactas de cada final de partida (cerca de un minuto, solo esta vez).</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: accuracy &lt;b&gt;%2%&lt;/b&gt; of %3 moves&lt;br&gt;%4 inaccuracies, %5 mistakes, %6 blunders&lt;br&gt;luck &lt;b&gt;%7&lt;/b&gt; over %8 throws, luck-adjusted result &lt;b&gt;%9&lt;/b&gt;</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: precisión &lt;b&gt;%2 %&lt;/b&gt; en %3 jugadas&lt;br&gt;%4 imprecisiones, %5 errores, %6 errores graves&lt;br&gt;suerte &lt;b&gt;%7&lt;/b&gt; en %8 tiradas, resultado ajustado por la suerte &lt;b&gt;%9&lt;/b&gt;</translation>
    </message>
    <message>
        <source>the dice</source>
        <translation>los dados</translation>
    </message>
    <message>
        <source>the move</source>
        <translation>la jugada</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot; style=&quot;color:#ffd66e&quot;&gt;turn %1&lt;/a&gt;: %2, %3 for %4</source>
        <translation>&lt;a href=&quot;%1&quot; style=&quot;color:#ffd66e&quot;&gt;turno %1&lt;/a&gt;: %2, %3 para %4</translation>
    </message>
    <message>
        <source>&lt;b&gt;Key moments&lt;/b&gt;: %1</source>
        <translation>&lt;b&gt;Momentos clave&lt;/b&gt;: %1</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Dice this game, 0 to 4 points: %1; fair dice would give %2 (1, 4, 6, 4, 1 in 16)</source>
        <translation>Dados de esta partida, de 0 a 4 puntos: %1; unos dados justos darían %2 (1, 4, 6, 4, 1 de cada 16)</translation>
    </message>
    <message>
        <source>&lt;br&gt;Luck of the throw: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>&lt;br&gt;Suerte de la tirada: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>board::Trecordviewer</name>
    <message>
        <source>Game Record</source>
        <translation>Registro de partida</translation>
    </message>
    <message>
        <source>The kept games, newest first</source>
        <translation>Las partidas guardadas, las más recientes primero</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open any game record file</source>
        <translation>Abrir cualquier archivo de registro de partida</translation>
    </message>
    <message>
        <source>Open Game Record</source>
        <translation>Abrir registro de partida</translation>
    </message>
    <message>
        <source>Game records (*.txt);;All files (*)</source>
        <translation>Registros de partida (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>|&lt; &amp;Start</source>
        <translation>|&lt; &amp;Inicio</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>A&amp;delante &gt;</translation>
    </message>
    <message>
        <source>&amp;End &gt;|</source>
        <translation>&amp;Final &gt;|</translation>
    </message>
    <message>
        <source>No games kept yet</source>
        <translation>Aún no hay partidas guardadas</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>Game Record - %1</source>
        <translation>Registro de partida: %1</translation>
    </message>
    <message>
        <source>Game %1: %2 against %3</source>
        <translation>Partida %1: %2 contra %3</translation>
    </message>
    <message>
        <source>The record stops at line %1: %2.</source>
        <translation>El registro se detiene en la línea %1: %2.</translation>
    </message>
    <message>
        <source>%1 threw 1</source>
        <translation>%1 sacó 1</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 sacó %2</translation>
    </message>
    <message>
        <source> and could not move.</source>
        <translation> y no pudo mover.</translation>
    </message>
    <message>
        <source>start</source>
        <translation>salida</translation>
    </message>
    <message>
        <source>home</source>
        <translation>meta</translation>
    </message>
    <message>
        <source>: chip %1 from %2 to %3</source>
        <translation>: ficha %1 de %2 a %3</translation>
    </message>
    <message>
        <source>, sent chip %1 back</source>
        <translation>, devolvió la ficha %1 a la salida</translation>
    </message>
    <message>
        <source>, rosette</source>
        <translation>, roseta</translation>
    </message>
    <message>
        <source>, throws again</source>
        <translation>, vuelve a tirar</translation>
    </message>
    <message>
        <source>Nothing to show.</source>
        <translation>No hay nada que mostrar.</translation>
    </message>
    <message>
        <source>%1 started the game.</source>
        <translation>%1 ha empezado la partida.</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>¡%1 ha ganado la partida!</translation>
    </message>
    <message>
        <source>Turn %1 of %2</source>
        <translation>Turno %1 de %2</translation>
    </message>
</context>
<context>
    <name>board::TurnFlow</name>
    <message>
        <source>Invalid Move</source>
        <translation>Jugada no válida</translation>
    </message>
    <message>
        <source>Unset just watching in order to play.</source>
        <translation>Desactiva «Solo mirar» para jugar.</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>No estás conectado</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 ha empezado una partida.</translation>
    </message>
    <message>
        <source>Rolling..</source>
        <translation>Tirando…</translation>
    </message>
    <message>
        <source>Your turn to roll</source>
        <translation>Te toca tirar</translation>
    </message>
    <message>
        <source>%1 is rolling...</source>
        <translation>%1 está tirando…</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>You rolled a nil</source>
        <translation>Has sacado un cero</translation>
    </message>
    <message>
        <source>Choose a chip to move 1 space</source>
        <translation>Elige una ficha para mover 1 casilla</translation>
    </message>
    <message numerus="yes">
        <source>Choose a chip to move %n spaces</source>
        <translation>
            <numerusform>Elige una ficha para mover %n casilla</numerusform>
            <numerusform>Elige una ficha para mover %n casillas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 rolled a nil</source>
        <translation>%1 ha sacado un cero</translation>
    </message>
    <message>
        <source>%1 is moving a chip 1 space.</source>
        <translation>%1 mueve una ficha 1 casilla.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is moving a chip %n spaces.</source>
        <translation>
            <numerusform>%1 mueve una ficha %n casilla.</numerusform>
            <numerusform>%1 mueve una ficha %n casillas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 brought a chip out and will roll again.</source>
        <translation>%1 ha sacado una ficha al tablero y vuelve a tirar.</translation>
    </message>
    <message>
        <source>%1 put a chip in and will roll again.</source>
        <translation>%1 ha llevado una ficha a la meta y vuelve a tirar.</translation>
    </message>
    <message>
        <source>%1 sent a chip back and will roll again.</source>
        <translation>%1 ha devuelto una ficha a la salida y vuelve a tirar.</translation>
    </message>
    <message>
        <source>%1 landed on a rosette and will roll again.</source>
        <translation>%1 ha caído en una roseta y vuelve a tirar.</translation>
    </message>
    <message>
        <source>%1 &apos;s turn is over..</source>
        <translation>Se acabó el turno de %1…</translation>
    </message>
    <message>
        <source>Your chip got sent back to start by %1.</source>
        <translation>%1 ha devuelto tu ficha a la salida.</translation>
    </message>
    <message>
        <source>%1 sent %2&apos;s chip back to start.</source>
        <translation>%1 ha devuelto una ficha de %2 a la salida.</translation>
    </message>
    <message>
        <source>You are unable to move.. ending turn..</source>
        <translation>No puedes mover… fin del turno…</translation>
    </message>
    <message>
        <source>%1 is unable to move.. ending turn..</source>
        <translation>%1 no puede mover… fin del turno…</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>¡%1 ha ganado la partida!</translation>
    </message>
    <message>
        <source>The host has given %1 the ability to play.</source>
        <translation>El anfitrión ha dejado jugar a %1.</translation>
    </message>
    <message>
        <source>The Game is over since player 3 left</source>
        <translation>La partida ha terminado porque el jugador 3 se ha ido</translation>
    </message>
    <message>
        <source>You cannot give player 3 your turn.</source>
        <translation>No puedes ceder tu turno al jugador 3.</translation>
    </message>
</context>
<context>
    <name>chat</name>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Cancelar&gt;</translation>
    </message>
    <message>
        <source>Doh</source>
        <translation>Vaya</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Tos</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hola</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Gracias</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>¿Dónde estabas?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronquido</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Estornudo</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Perdón</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Yujuu</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Yupi</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh, no</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Bocina</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pedorreta</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Vítores</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Mujer riendo</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Hombre riendo</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Llanto</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Escribe aquí&gt;</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
</context>
<context>
    <name>helptext</name>
    <message>
        <source>Overview

Archaeologists opening ancient royal tombs found boards of twenty squares inlaid with shell, lapis and red stone, together with two sets of seven chips and small pyramid-shaped dice. Nobody wrote down how the game was played, but the pieces tell a great deal: two players raced their chips along a route across the board, and certain squares, marked with rosettes, were special.

Kelvoa plays this race in its basic form. Each of two players brings seven chips from a start pile along a route of fifteen squares to home, throwing four pyramid dice each turn. Up to seven friends can watch and everybody can chat. When a seat is empty, or its player only wants to watch, the computer player Klot plays it.</source>
        <translation>Introducción

Al abrir antiguas tumbas reales, los arqueólogos encontraron tableros de veinte casillas con incrustaciones de concha, lapislázuli y piedra roja, junto con dos juegos de siete fichas y pequeños dados en forma de pirámide. Nadie dejó escrito cómo se jugaba, pero las piezas cuentan mucho: dos jugadores hacían una carrera con sus fichas por un recorrido del tablero, y ciertas casillas, marcadas con rosetas, eran especiales.

Kelvoa juega esta carrera en su forma básica. Cada uno de los dos jugadores lleva siete fichas desde su montón de salida hasta la meta por un recorrido de quince casillas, tirando cuatro dados piramidales en cada turno. Hasta siete amigos pueden mirar y todos pueden chatear. Cuando un puesto está libre, o su jugador solo quiere mirar, lo juega el ordenador, Klot.</translation>
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
        <translation>Conexión

Partida individual
Abre Kelvoa sin el salón y se abrirá una partida individual contra Klot. Pulsa «Empezar partida» para comenzar. Una partida individual no necesita Internet, pero el juego habla consigo mismo a través de la red, así que tu cortafuegos debe permitir que Kelvoa la use.

Partidas multijugador
Elige Archivo &gt; «Crear una partida…» para crear una partida con tu nombre, o Archivo &gt; «Unirse a una partida…» para unirte a una: allí aparecen las partidas de tu red, y a una partida de otro sitio te unes con la dirección de su anfitrión. El salón Korvan, un programa aparte donde se reúnen los jugadores, también inicia partidas en grupo.

Crear una partida
El jugador que crea una partida debe permitir en el cortafuegos las conexiones entrantes en el puerto TCP 7772. Mientras tienes una partida creada, Kelvoa pide a tu router que redirija ese puerto a tu ordenador, y la ventana «Crear una partida» muestra dónde pueden encontrarla tus amigos: en tu red, en Internet, por IPv6, o por qué no. Si el router no responde, redirige el puerto a mano (o usa la opción de creación asistida del salón). Las partidas de tu red se encuentran por el puerto UDP 7772.

Invitar a un amigo
«Copiar invitación» en la ventana «Crear una partida» copia al portapapeles una línea con el enlace kelvoa:// de tu partida; al hacer clic en el enlace se abre la ventana «Unirse a una partida» de Kelvoa, ya rellena. Si marcas «Solo jugadores con invitación», solo podrán unirse quienes tengan el enlace.

Si se corta la conexión
Cuando se corta tu conexión con el anfitrión, tu ventana sigue abierta y Kelvoa se vuelve a conectar solo; el anfitrión te guarda el puesto durante tres minutos y, mientras tanto, lo juega el ordenador. Si el anfitrión (normalmente el primer jugador de la lista) se desconecta, la partida termina para todos.</translation>
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
        <translation>Cómo se juega

Cada jugador tiene siete fichas. El objetivo es llevarlas todas desde el montón de salida, a lo largo del recorrido, hasta la meta fuera del tablero. Gana el primer jugador que tenga sus siete fichas en la meta.

Los dados
Hay cuatro dados en forma de pirámide. Dos puntas de cada uno están marcadas en rojo; el número de puntas rojas que quedan arriba tras una tirada (de 0 a 4) indica cuánto avanza una ficha. Pulsa «Tirar los dados» cuando sea tu turno y luego haz clic en la ficha que quieras mover.

Entrar
Una ficha solo entra en el tablero con una tirada de exactamente uno. Meter una ficha da otra tirada.

Una ficha por casilla
En una casilla solo puede haber una de tus fichas, salvo en una roseta.

Capturar
Si caes en una ficha del rival en una casilla que no sea roseta, la devuelves a su montón de salida y ganas otra tirada. Las cuatro primeras casillas de cada jugador son solo suyas y nunca pueden ser atacadas.

Rosetas
Las cinco rosetas son seguras: las fichas que están en ellas no pueden ser devueltas, pueden compartirlas cuantas fichas se quiera, y caer en una da otra tirada.

Llegar a la meta
Para llevar una ficha a la meta hace falta el número exacto, y eso da otra tirada.

Consejo: haz clic en los botoncitos con flechas del tablero para ver el recorrido de cada jugador.

Pistas
Tras tu tirada se iluminan las fichas que pueden moverse; deja el puntero sobre una para ver dónde caería (Opciones, Mostrar pistas).

Jugar con el teclado
Ctrl+G empieza una partida, Ctrl+R tira los dados y de Ctrl+1 a Ctrl+7 mueven tu ficha con ese número. Funcionan también mientras escribes en el chat; Escape sale de la línea del chat.

El registro de partida
Archivo, Guardar registro de partida guarda como texto cada tirada y cada jugada de esta partida y de la anterior; Archivo, Abrir registro de partida recorre uno guardado paso a paso (flechas, Inicio y Fin). Ver, Estadísticas de los dados muestra cómo han salido los dados en esta sesión.

Analizar una partida
Cada partida se guarda en la carpeta Games, junto a tu marcador. Ver, «Analizar la partida…» (o «Analizar esta partida» al terminar una partida) compara cada jugada con la mejor para la misma tirada, dibuja la probabilidad de ganar a lo largo de la partida y cuenta los errores y errores graves de cada jugador.</translation>
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
        <translation>El ordenador

El ordenador juega cada puesto que no tiene jugador y el puesto de un jugador que haya elegido Opciones, Solo mirar. El jugador que crea la partida (en una partida individual, tú) elige lo bien que juega en Opciones, Nivel del ordenador, y lo rápido en Opciones, Velocidad del ordenador.

Klot
Klot juega con preferencias fijas y nunca piensa por adelantado: con una tirada de uno mete una ficha nueva; si no, mueve una ficha que sale de su primera casilla, luego una ficha que cae en una roseta o llega a la meta, y si no, la primera ficha que pueda moverse. Nunca se fija en tus fichas, así que es el rival ideal para aprender el juego.

Fuerte
Fuerte mira dos tiradas por delante: cada jugada que podría hacer, cada tirada que podría venir después y cada respuesta, ponderadas según la frecuencia de cada tirada. Juzga las posiciones a las que llega por lo lejos que ha llegado cada bando, las fichas que la siguiente tirada podría devolver y quién ocupa la roseta central, en la medida que le enseñó una comparación con resultados exactos.

Experto
Al final de la partida, en cuanto entre los dos jugadores hay al menos seis fichas en la meta, Experto busca la posición en una tabla exacta de todas ellas y hace la mejor jugada posible. Antes de eso busca una tirada más allá que Fuerte, y allí donde su búsqueda alcanza la tabla usa los valores exactos. La tabla se calcula en este ordenador la primera vez que se elige Experto, lo que lleva un rato; una ventana muestra el avance y, hasta que esté lista, Experto juega como Fuerte.

La barra de probabilidades
Opciones, Mostrar probabilidades coloca junto al tablero una barra con la probabilidad de ganar de cada jugador, tal como la ve el ordenador en la posición actual. La parte verde, que se llena desde arriba, y el número de arriba son la probabilidad del primer jugador; la parte naranja y el número de abajo, la del segundo. Una línea marca el empate. Cuando la tabla exacta cubre la posición, los números son exactos; antes, son la estimación de Fuerte. Jugadores y espectadores pueden mostrarla por igual, y cambia tras cada tirada y cada jugada.</translation>
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
        <translation>Historial

Versión 1.0.3 (diciembre de 2026)
- Invita a un amigo por Internet con un enlace; el router se abre solo.
- Una conexión cortada ya no cuesta la partida: Kelvoa se vuelve a conectar y el puesto se guarda.
- Cada partida se guarda y se puede analizar jugada a jugada.
- Los espectadores que se unen a una partida en curso ven el tablero tal como está.
- Un jugador puede hacerse a un lado y solo mirar mientras Klot juega por él.
- La configuración se conserva incluso donde no se puede escribir en la carpeta del programa.

Versión 1.0.2
- El marcador de partidas contra los rivales elegidos.
- Sonidos del chat y botones de frases.

Versión 1.0.1
- Klot, el ordenador, con tres velocidades.

Versión 1.0.0
- Primera versión: dos jugadores, hasta siete espectadores, chat.</translation>
    </message>
    <message>
        <source>The Lobby

The Korvan Lobby is a separate program where players of Korvan games meet, chat and start games together. It starts Kelvoa for you with the right settings, whether you host a game or join one.

You can get the lobby from Korvan: choose Help, &quot;The Korvan Lobby…&quot; and then &quot;Download And Install The Korvan Lobby Now&quot;. The same window opens at a solo start until you clear &quot;Show this window at start&quot;.

You do not need the lobby to play with others: File, &quot;Host a Game…&quot; hosts a game and File, &quot;Join a Game…&quot; joins one (see Connecting).</source>
        <translation>El salón

El salón Korvan es un programa aparte donde los jugadores de los juegos de Korvan se reúnen, chatean y empiezan partidas juntos. Abre Kelvoa por ti con la configuración adecuada, tanto si creas una partida como si te unes a una.

Puedes conseguir el salón en Korvan: elige Ayuda, «El salón Korvan…» y luego «Descargar e instalar ya el salón Korvan». La misma ventana se abre al empezar una partida individual hasta que desmarques «Mostrar esta ventana al empezar».

No necesitas el salón para jugar con otros: Archivo, «Crear una partida…» crea una partida y Archivo, «Unirse a una partida…» te une a una (consulta Conexión).</translation>
    </message>
    <message>
        <source>

The public lobby (File, &quot;Public Lobby…&quot;) is the place to meet players you do not know yet: a group chat room on an XMPP server that a community runs. Give its room and your account (or a domain that lets you in without one); the window shows who is there, the room&apos;s chat and the open games. Join tries a game&apos;s addresses directly; &quot;Host a Game…&quot; lists your game there for everybody. To open Kelvoa on a lobby link, start it as: kelvoa xmpp:ROOM?join</source>
        <translation>

El salón público (Archivo, «Salón público…») es el lugar para conocer a jugadores nuevos: una sala de chat en grupo en un servidor XMPP que gestiona una comunidad. Indica su sala y tu cuenta (o un dominio que te deje entrar sin cuenta); la ventana muestra quién está, el chat de la sala y las partidas abiertas. «Unirse» prueba directamente las direcciones de una partida; «Crear una partida…» anuncia allí tu partida para todos. Para abrir Kelvoa con un enlace del salón, inícialo así: kelvoa xmpp:ROOM?join</translation>
    </message>
</context>
<context>
    <name>invite</name>
    <message>
        <source>&quot;%1&quot; is not an address: give a name such as host.example, a number such as 192.168.1.20, or an IPv6 address such as [2001:db8::5].</source>
        <translation>«%1» no es una dirección: escribe un nombre como host.example, un número como 192.168.1.20 o una dirección IPv6 como [2001:db8::5].</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>El puerto «%1» no es un número del 1 al 65535.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address.</source>
        <translation>Escribe la dirección del anfitrión.</translation>
    </message>
    <message>
        <source>This invite link is too long to be a Kelvoa invite.</source>
        <translation>Este enlace es demasiado largo para ser una invitación de Kelvoa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Kelvoa invite: an invite begins with kelvoa://</source>
        <translation>«%1» no es una invitación de Kelvoa: una invitación empieza por kelvoa://</translation>
    </message>
    <message>
        <source>The invite names no host to join.</source>
        <translation>La invitación no indica ningún anfitrión.</translation>
    </message>
    <message>
        <source>The invite&apos;s port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>El puerto «%1» de la invitación no es un número del 1 al 65535.</translation>
    </message>
    <message>
        <source>The invite&apos;s address: </source>
        <translation>La dirección de la invitación: </translation>
    </message>
    <message>
        <source>The invite has parts after its code that Kelvoa does not know: it should end after the code.</source>
        <translation>La invitación tiene después del código partes que Kelvoa no conoce: debería terminar tras el código.</translation>
    </message>
    <message>
        <source>The invite&apos;s code &quot;%1&quot; is not a Kelvoa code: ask the host for the invite again.</source>
        <translation>El código «%1» de la invitación no es un código de Kelvoa: vuelve a pedir la invitación al anfitrión.</translation>
    </message>
    <message>
        <source>Join my Kelvoa game: </source>
        <translation>Únete a mi partida de Kelvoa: </translation>
    </message>
</context>
<context>
    <name>lobby::LobbyRoom</name>
    <message>
        <source>The name %1 and its numbered variants are taken in this room.</source>
        <translation>El nombre %1 y sus variantes numeradas ya están ocupados en esta sala.</translation>
    </message>
    <message>
        <source>There is no room %1.</source>
        <translation>No existe la sala %1.</translation>
    </message>
    <message>
        <source>The room %1 does not exist and cannot be made here.</source>
        <translation>La sala %1 no existe y no se puede crear aquí.</translation>
    </message>
    <message>
        <source>The room %1 does not let you in.</source>
        <translation>La sala %1 no te deja entrar.</translation>
    </message>
    <message>
        <source>The room %1 is for its members only.</source>
        <translation>La sala %1 es solo para sus miembros.</translation>
    </message>
    <message>
        <source>The room %1 is full or closed.</source>
        <translation>La sala %1 está llena o cerrada.</translation>
    </message>
    <message>
        <source>The room %1 refused you (%2).</source>
        <translation>La sala %1 te ha rechazado (%2).</translation>
    </message>
    <message>
        <source>no reason</source>
        <translation>sin motivo</translation>
    </message>
</context>
<context>
    <name>lobby::LobbySession</name>
    <message>
        <source>Give the lobby&apos;s room, as room@service.</source>
        <translation>Indica la sala del salón, como sala@servicio.</translation>
    </message>
    <message>
        <source>A room is written room@service, e.g. lobby@conference.example.org.</source>
        <translation>Una sala se escribe sala@servicio, p. ej. lobby@conference.example.org.</translation>
    </message>
    <message>
        <source>Give your account (name@domain), or a domain to sign in without one.</source>
        <translation>Indica tu cuenta (nombre@dominio) o un dominio para iniciar sesión sin cuenta.</translation>
    </message>
    <message>
        <source>%1 is no domain.</source>
        <translation>%1 no es un dominio.</translation>
    </message>
    <message>
        <source>An account is written name@domain.</source>
        <translation>Una cuenta se escribe nombre@dominio.</translation>
    </message>
    <message>
        <source>Your account %1 was made.</source>
        <translation>Se ha creado tu cuenta %1.</translation>
    </message>
    <message>
        <source>The name %1 is taken here: you are %2.</source>
        <translation>El nombre %1 ya está ocupado aquí: eres %2.</translation>
    </message>
    <message>
        <source>You are in %1 as %2.</source>
        <translation>Estás en %1 como %2.</translation>
    </message>
    <message>
        <source>The lobby&apos;s server %1 is not written host or host:port.</source>
        <translation>El servidor del salón %1 no está escrito como host o host:puerto.</translation>
    </message>
    <message>
        <source>Making the account %1…</source>
        <translation>Creando la cuenta %1…</translation>
    </message>
    <message>
        <source>Signing in to %1…</source>
        <translation>Iniciando sesión en %1…</translation>
    </message>
    <message>
        <source>Entering %1…</source>
        <translation>Entrando en %1…</translation>
    </message>
    <message>
        <source>%1 refused the account %2 or its password.</source>
        <translation>%1 ha rechazado la cuenta %2 o su contraseña.</translation>
    </message>
    <message>
        <source>%1 refused to make the account%2.</source>
        <translation>%1 se ha negado a crear la cuenta%2.</translation>
    </message>
    <message>
        <source>The account %1 exists already: sign in with its password.</source>
        <translation>La cuenta %1 ya existe: inicia sesión con su contraseña.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified%2: it is refused unless you accept it.</source>
        <translation>No se ha podido verificar el certificado de %1%2: se rechazará a menos que lo aceptes.</translation>
    </message>
    <message>
        <source>The lobby&apos;s server %3 went away%1; trying again in %2 s.</source>
        <translation>El servidor del salón %3 se ha desconectado%1; se volverá a intentar dentro de %2 s.</translation>
    </message>
    <message>
        <source>The lobby&apos;s server %3 does not answer%1; trying again in %2 s.</source>
        <translation>El servidor del salón %3 no responde%1; se volverá a intentar dentro de %2 s.</translation>
    </message>
</context>
<context>
    <name>lobby::Tlobby</name>
    <message>
        <source>Kelvoa — Public Lobby</source>
        <translation>Kelvoa — Salón público</translation>
    </message>
    <message>
        <source>A lobby is a group chat room on any XMPP server, which a community can run (the README says how). Give its room and your account, or a domain that lets you in without one.</source>
        <translation>Un salón es una sala de chat en grupo en cualquier servidor XMPP, que puede gestionar una comunidad (el README explica cómo). Indica su sala y tu cuenta, o un dominio que te deje entrar sin cuenta.</translation>
    </message>
    <message>
        <source>lobby@conference.example.org</source>
        <translation>lobby@conference.example.org</translation>
    </message>
    <message>
        <source>name@example.org, or anon.example.org</source>
        <translation>nombre@example.org, o anon.example.org</translation>
    </message>
    <message>
        <source>optional: host or host:port</source>
        <translation>opcional: host o host:puerto</translation>
    </message>
    <message>
        <source>Room:</source>
        <translation>Sala:</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Crear cuenta</translation>
    </message>
    <message>
        <source>Accept This Certificate</source>
        <translation>Aceptar este certificado</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Anfitrión</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Spys</source>
        <translation>Espectadores</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privada</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en curso</translation>
    </message>
    <message>
        <source>🔒 invite</source>
        <translation>🔒 invitación</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>sin dirección</translation>
    </message>
    <message>
        <source>Say something to the room</source>
        <translation>Di algo a la sala</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Crear una partida…</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>Invite</source>
        <translation>Invitar</translation>
    </message>
    <message>
        <source>Send the person you chose an invite to the game you host</source>
        <translation>Envía a la persona elegida una invitación a la partida que has creado</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Rechazar</translation>
    </message>
    <message>
        <source>Open games:</source>
        <translation>Partidas abiertas:</translation>
    </message>
    <message>
        <source>In the room:</source>
        <translation>En la sala:</translation>
    </message>
    <message>
        <source>Signed out.</source>
        <translation>Sesión cerrada.</translation>
    </message>
    <message>
        <source> — playing</source>
        <translation> — jugando</translation>
    </message>
    <message>
        <source> — hosting</source>
        <translation> — partida creada</translation>
    </message>
    <message>
        <source> (you)</source>
        <translation> (tú)</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>esperando</translation>
    </message>
    <message>
        <source>directly</source>
        <translation>directo</translation>
    </message>
    <message>
        <source>Give the password of %1.</source>
        <translation>Indica la contraseña de %1.</translation>
    </message>
    <message>
        <source>No keyring answers: give the password of %1 (it is not kept).</source>
        <translation>Ningún llavero responde: indica la contraseña de %1 (no se guarda).</translation>
    </message>
    <message>
        <source>An account to make is written name@domain.</source>
        <translation>La cuenta que se va a crear se escribe nombre@dominio.</translation>
    </message>
    <message>
        <source>The server is written host or host:port.</source>
        <translation>El servidor se escribe host o host:puerto.</translation>
    </message>
    <message>
        <source>Certificate %1 accepted.</source>
        <translation>Certificado %1 aceptado.</translation>
    </message>
    <message>
        <source>%1&apos;s game is private: ask %1 for an invite.</source>
        <translation>La partida de %1 es privada: pide una invitación a %1.</translation>
    </message>
    <message>
        <source>%1&apos;s game gives no address to reach it by.</source>
        <translation>La partida de %1 no indica ninguna dirección para llegar a ella.</translation>
    </message>
    <message>
        <source>Connecting to %1&apos;s game directly…</source>
        <translation>Conectando directamente con la partida de %1…</translation>
    </message>
    <message>
        <source>No way into %1&apos;s game answered.</source>
        <translation>Ninguna vía de acceso a la partida de %1 ha respondido.</translation>
    </message>
    <message>
        <source>%1&apos;s game is full.</source>
        <translation>La partida de %1 está completa.</translation>
    </message>
    <message>
        <source>Joining %1&apos;s game at %2…</source>
        <translation>Uniéndote a la partida de %1 en %2…</translation>
    </message>
    <message>
        <source>Choose whom to invite in the list of people.</source>
        <translation>Elige en la lista de personas a quién invitar.</translation>
    </message>
    <message>
        <source>Host a game first: the invite carries your game&apos;s link.</source>
        <translation>Crea primero una partida: la invitación lleva el enlace de tu partida.</translation>
    </message>
    <message>
        <source>Invited %1.</source>
        <translation>Has invitado a %1.</translation>
    </message>
    <message>
        <source>%1 invites you to a game</source>
        <translation>%1 te invita a una partida</translation>
    </message>
    <message>
        <source>Joining %1&apos;s game…</source>
        <translation>Uniéndote a la partida de %1…</translation>
    </message>
</context>
<context>
    <name>lobby::XmppConnection</name>
    <message>
        <source>no answer within %1 s</source>
        <translation>sin respuesta en %1 s</translation>
    </message>
    <message>
        <source>the server&apos;s address is unknown</source>
        <translation>no se conoce la dirección del servidor</translation>
    </message>
</context>
<context>
    <name>multiplayer</name>
    <message>
        <source>Please enter your name.</source>
        <translation>Escribe tu nombre.</translation>
    </message>
    <message>
        <source>A name cannot begin with &apos;-&apos;.</source>
        <translation>Un nombre no puede empezar por «-».</translation>
    </message>
    <message>
        <source>Please use letters, digits and punctuation in your name.</source>
        <translation>Usa letras, cifras y signos de puntuación en tu nombre.</translation>
    </message>
    <message>
        <source>Your name can hold only Western European letters.</source>
        <translation>Tu nombre solo puede llevar letras de Europa occidental.</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>a turn needs nine fields</source>
        <translation>un turno necesita nueve campos</translation>
    </message>
    <message>
        <source>no seat 1 or 2</source>
        <translation>no hay puesto 1 ni 2</translation>
    </message>
    <message>
        <source>the dice are not four 0s and 1s</source>
        <translation>los dados no son cuatro ceros y unos</translation>
    </message>
    <message>
        <source>points are not 0 to 4</source>
        <translation>los puntos no están entre 0 y 4</translation>
    </message>
    <message>
        <source>the points do not match the dice</source>
        <translation>los puntos no coinciden con los dados</translation>
    </message>
    <message>
        <source>no chip 1 to 7</source>
        <translation>no hay ficha del 1 al 7</translation>
    </message>
    <message>
        <source>squares are not 0 to 16</source>
        <translation>las casillas no están entre 0 y 16</translation>
    </message>
    <message>
        <source>squares without a chip</source>
        <translation>casillas sin ficha</translation>
    </message>
    <message>
        <source>no chip sent back</source>
        <translation>ninguna ficha devuelta</translation>
    </message>
    <message>
        <source>rosette and extra throw must be yes or no</source>
        <translation>roseta y tirada extra deben ser yes o no</translation>
    </message>
    <message>
        <source>no game begins before it</source>
        <translation>no empieza ninguna partida antes</translation>
    </message>
    <message>
        <source>the game was already won</source>
        <translation>la partida ya estaba ganada</translation>
    </message>
    <message>
        <source>the winner has chips still out</source>
        <translation>al ganador aún le quedan fichas fuera</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a word of the record</source>
        <translation>«%1» no es una palabra del registro</translation>
    </message>
    <message>
        <source>it holds no game</source>
        <translation>no contiene ninguna partida</translation>
    </message>
    <message>
        <source>the game was not finished</source>
        <translation>la partida no se terminó</translation>
    </message>
    <message>
        <source>chip %1 does not stand on square %2</source>
        <translation>la ficha %1 no está en la casilla %2</translation>
    </message>
    <message>
        <source>the move is not a legal one</source>
        <translation>la jugada no está permitida</translation>
    </message>
    <message>
        <source>no chip %1 stood there to be sent back</source>
        <translation>no había ninguna ficha %1 allí para devolverla</translation>
    </message>
    <message>
        <source>a chip was sent back without a move</source>
        <translation>se devolvió una ficha sin ninguna jugada</translation>
    </message>
</context>
<context>
    <name>tally</name>
    <message>
        <source>Cannot create a temporary file</source>
        <translation>No se puede crear un archivo temporal</translation>
    </message>
    <message>
        <source>Cannot read the tally</source>
        <translation>No se puede leer el marcador</translation>
    </message>
</context>
</TS>
