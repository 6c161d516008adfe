<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>orbel::AddressLines</name>
    <message>
        <source>For friends on the Internet to reach you over IPv4, turn on Accept Calls from the Internet, or forward TCP port %1 on your router to this computer.</source>
        <extracomment>%1 is a port number. &quot;Accept Calls from the Internet&quot; is a menu item.</extracomment>
        <translation>Para que sus amigos de Internet puedan llamarle por IPv4, active Aceptar llamadas desde Internet o redirija el puerto TCP %1 de su router a este equipo.</translation>
    </message>
    <message>
        <source>For friends on the Internet to reach you over IPv4, forward TCP port %1 on your router to this computer.</source>
        <extracomment>%1 is a port number.</extracomment>
        <translation>Para que sus amigos de Internet puedan llamarle por IPv4, redirija el puerto TCP %1 de su router a este equipo.</translation>
    </message>
    <message>
        <source>Asking your router to let calls from the Internet in...</source>
        <translation>Pidiendo a su router que deje pasar las llamadas desde Internet...</translation>
    </message>
    <message>
        <source>Your router did not let calls in (%1): forward TCP port %2 on your router to this computer.</source>
        <extracomment>%1 says why the router refused; %2 is a port number.</extracomment>
        <translation>Su router no dejó pasar las llamadas (%1): redirija el puerto TCP %2 de su router a este equipo.</translation>
    </message>
    <message>
        <source>%1 (from the Internet, through a pinhole your router opened)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (desde Internet, por un acceso que abrió su router)</translation>
    </message>
    <message>
        <source>%1 (from the Internet only if your router lets calls in)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (desde Internet solo si su router deja pasar las llamadas)</translation>
    </message>
    <message>
        <source>%1 (your local network only)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (solo su red local)</translation>
    </message>
    <message>
        <source>%1 (from the Internet, through your router)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (desde Internet, a través de su router)</translation>
    </message>
    <message>
        <source>Most home routers stop calls from the Internet to IPv6 addresses; look for &quot;allow incoming&quot; or &quot;pinhole&quot; in yours.</source>
        <translation>La mayoría de los routers domésticos bloquean las llamadas desde Internet a direcciones IPv6; busque «permitir entrantes» («allow incoming») o «pinhole» en el suyo.</translation>
    </message>
    <message>
        <source>If this computer has a firewall, let TCP port %1 in: sudo ufw allow %1/tcp, or sudo firewall-cmd --permanent --add-port=%1/tcp; sudo firewall-cmd --reload.</source>
        <extracomment>%1 is a port number; the commands stay as they are.</extracomment>
        <translation>Si este equipo tiene un cortafuegos, deje pasar el puerto TCP %1: sudo ufw allow %1/tcp, o sudo firewall-cmd --permanent --add-port=%1/tcp; sudo firewall-cmd --reload.</translation>
    </message>
</context>
<context>
    <name>orbel::BoardAccessible</name>
    <message>
        <source>Arrow keys move the cursor, Space picks up and puts down, Escape puts back; or type a move and press Enter. Control+R reads the position.</source>
        <translation>Las flechas mueven el cursor, Espacio levanta y suelta una pieza, Escape la devuelve; o escriba una jugada y pulse Intro. Control+R lee la posición.</translation>
    </message>
    <message>
        <source>Board and score</source>
        <translation>Tablero y marcador</translation>
    </message>
    <message>
        <source>Chess board</source>
        <translation>Tablero de ajedrez</translation>
    </message>
</context>
<context>
    <name>orbel::BoardKeys</name>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n pieza</numerusform>
            <numerusform>%n piezas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pawns</source>
        <translation>
            <numerusform>%n peón</numerusform>
            <numerusform>%n peones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n knights</source>
        <translation>
            <numerusform>%n caballo</numerusform>
            <numerusform>%n caballos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bishops</source>
        <translation>
            <numerusform>%n alfil</numerusform>
            <numerusform>%n alfiles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rooks</source>
        <translation>
            <numerusform>%n torre</numerusform>
            <numerusform>%n torres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queens</source>
        <translation>
            <numerusform>%n dama</numerusform>
            <numerusform>%n damas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kings</source>
        <translation>
            <numerusform>%n rey</numerusform>
            <numerusform>%n reyes</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>No move yet.</source>
        <translation>Aún no hay jugadas.</translation>
    </message>
    <message>
        <source>Start of the moves.</source>
        <translation>Principio de las jugadas.</translation>
    </message>
    <message>
        <source>End of the moves.</source>
        <translation>Final de las jugadas.</translation>
    </message>
    <message>
        <source>Move %1, White, %2</source>
        <translation>Jugada %1, blancas, %2</translation>
    </message>
    <message>
        <source>Move %1, Black, %2</source>
        <translation>Jugada %1, negras, %2</translation>
    </message>
    <message>
        <source>, checkmate</source>
        <translation>, jaque mate</translation>
    </message>
    <message>
        <source>, check</source>
        <translation>, jaque</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Borde</translation>
    </message>
    <message>
        <source>No move</source>
        <translation>Sin jugada</translation>
    </message>
    <message>
        <source>%1. %2 back on %3.</source>
        <translation>%1. %2, de vuelta en %3.</translation>
    </message>
    <message>
        <source>No piece to move on %1</source>
        <translation>No hay ninguna pieza que mover en %1</translation>
    </message>
    <message>
        <source>Not your move</source>
        <translation>No es su turno</translation>
    </message>
    <message>
        <source>Holding %1 %2</source>
        <translation>En la mano, %1 %2</translation>
    </message>
    <message>
        <source>Put back on %1</source>
        <translation>De vuelta en %1</translation>
    </message>
    <message>
        <source>Not your move: %1</source>
        <translation>No es su turno: %1</translation>
    </message>
    <message>
        <source>Not your move.</source>
        <translation>No es su turno.</translation>
    </message>
    <message>
        <source>K Q R B N</source>
        <extracomment>The piece letters a player types in moves: king, queen, rook, bishop and knight, apart by spaces, each in upper case as the language&apos;s chess books write them (in German &quot;K D T L S&quot;).</extracomment>
        <translation>R D T A C</translation>
    </message>
    <message>
        <source>Not a move, %1.</source>
        <translation>No es una jugada, %1.</translation>
    </message>
    <message>
        <source>No such move, %1.</source>
        <translation>Jugada no posible, %1.</translation>
    </message>
    <message>
        <source> %1.</source>
        <translation> %1.</translation>
    </message>
    <message>
        <source>Move: %1</source>
        <translation>Jugada: %1</translation>
    </message>
    <message>
        <source>No game on the board.</source>
        <translation>No hay ninguna partida en el tablero.</translation>
    </message>
    <message>
        <source>Computer has lost: %1</source>
        <translation>Piezas perdidas por el ordenador: %1</translation>
    </message>
    <message>
        <source>Player has lost: %1</source>
        <translation>Piezas perdidas por el jugador: %1</translation>
    </message>
</context>
<context>
    <name>orbel::BoardScene</name>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
</context>
<context>
    <name>orbel::Brain</name>
    <message>
        <source>mate in %1</source>
        <translation>mate en %1</translation>
    </message>
    <message>
        <source>mated in %1</source>
        <translation>recibe mate en %1</translation>
    </message>
    <message>
        <source>%1, depth %2</source>
        <translation>%1, profundidad %2</translation>
    </message>
</context>
<context>
    <name>orbel::ChatPane</name>
    <message>
        <source>Chat:</source>
        <translation>Chat:</translation>
    </message>
    <message>
        <source>Up to %1 characters; Enter sends</source>
        <translation>Hasta %1 caracteres; Intro envía</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>Room left in the chat line: %1 is a number of characters.</extracomment>
        <translation>Quedan %1</translation>
    </message>
</context>
<context>
    <name>orbel::ClockText</name>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>%1.%2 seconds</source>
        <translation>%1,%2 segundos</translation>
    </message>
</context>
<context>
    <name>orbel::CommandLine</name>
    <message>
        <source>no display to show the game on (none of DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set).</source>
        <translation>no hay pantalla en la que mostrar la partida (no está definida ninguna de DISPLAY, WAYLAND_DISPLAY o QT_QPA_PLATFORM).</translation>
    </message>
    <message>
        <source>Orbel Chess: a chess game against the computer, a friend at the same machine, or a friend across the Internet.</source>
        <translation>Ajedrez Orbel: una partida de ajedrez contra el ordenador, contra un amigo en el mismo equipo o contra un amigo a través de Internet.</translation>
    </message>
    <message>
        <source>Listen for network games on &lt;port&gt; instead of %1 (a second copy on one machine, or a network that blocks %1); callers then name it as host:&lt;port&gt;.</source>
        <translation>Esperar partidas en red en &lt;puerto&gt; en lugar de %1 (una segunda copia en el mismo equipo, o una red que bloquea %1); quien llame deberá indicarlo como dirección:&lt;puerto&gt;.</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The name of the option&apos;s value in --help, as in --port &lt;port&gt;.</extracomment>
        <translation>puerto</translation>
    </message>
    <message>
        <source>Do not ask the home router (UPnP) to forward the port to this computer.</source>
        <translation>No pedir al router doméstico (UPnP) que redirija el puerto a este equipo.</translation>
    </message>
    <message>
        <source>saved-game</source>
        <translation>partida-guardada</translation>
    </message>
    <message>
        <source>A saved game (*.KRV) to continue at start, as Load Game would.</source>
        <translation>Una partida guardada (*.KRV) que continuar al iniciar, como haría Cargar partida.</translation>
    </message>
    <message>
        <source>[saved-game]</source>
        <translation>[partida-guardada]</translation>
    </message>
    <message>
        <source>Print the saved game&apos;s position as FEN and as a PGN header, then exit.</source>
        <translation>Mostrar la posición de la partida guardada como FEN y como cabecera PGN, y salir.</translation>
    </message>
    <message>
        <source>one saved game at most, %1 given.</source>
        <translation>como máximo una partida guardada; se han indicado %1.</translation>
    </message>
    <message>
        <source>--port takes a port number from 1 to 65535, not &apos;%1&apos;.</source>
        <translation>--port necesita un número de puerto de 1 a 65535, no «%1».</translation>
    </message>
</context>
<context>
    <name>orbel::ConnectingDialog</name>
    <message>
        <source>Attempting connection.....
Please Wait.....</source>
        <translation>Intentando conectar...
Espere, por favor...</translation>
    </message>
    <message>
        <source>Cancel Connect</source>
        <translation>Cancelar conexión</translation>
    </message>
</context>
<context>
    <name>orbel::DrawReason</name>
    <message>
        <source>stalemate</source>
        <translation>ahogado</translation>
    </message>
    <message>
        <source>insufficient material</source>
        <translation>material insuficiente</translation>
    </message>
    <message>
        <source>threefold repetition</source>
        <translation>triple repetición</translation>
    </message>
    <message>
        <source>the fifty-move rule</source>
        <translation>la regla de los cincuenta movimientos</translation>
    </message>
    <message>
        <source>fivefold repetition</source>
        <translation>quíntuple repetición</translation>
    </message>
    <message>
        <source>the seventy-five-move rule</source>
        <translation>la regla de los setenta y cinco movimientos</translation>
    </message>
    <message>
        <source>agreement</source>
        <translation>acuerdo</translation>
    </message>
    <message>
        <source>timeout against insufficient material</source>
        <translation>tiempo agotado frente a material insuficiente</translation>
    </message>
</context>
<context>
    <name>orbel::EngineList</name>
    <message>
        <source>This is not a program that can be run:
%1</source>
        <translation>Esto no es un programa que se pueda ejecutar:
%1</translation>
    </message>
    <message>
        <source>This engine is already on the list:
%1</source>
        <translation>Este motor ya está en la lista:
%1</translation>
    </message>
    <message>
        <source>At most %1 engines can be added. Remove one first.</source>
        <translation>Se pueden añadir como máximo %1 motores. Quite uno primero.</translation>
    </message>
</context>
<context>
    <name>orbel::EnginesDialog</name>
    <message>
        <source>Asking...</source>
        <extracomment>An engine&apos;s state: its name and author are being asked for.</extracomment>
        <translation>Preguntando...</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>An engine&apos;s state: it answered and can play.</extracomment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Motores</translation>
    </message>
    <message>
        <source>Chess engines that speak UCI can be chosen in New Game Setup. The first one gives the hints.</source>
        <translation>Los motores de ajedrez compatibles con UCI se pueden elegir en Nueva partida. El primero da las pistas.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 (installed)</source>
        <extracomment>%1 is the path of an engine the system installed, not one the user added.</extracomment>
        <translation>%1 (instalado)</translation>
    </message>
    <message>
        <source>No engine found: install stockfish or add one.</source>
        <translation>No se encontró ningún motor: instale stockfish o añada uno.</translation>
    </message>
</context>
<context>
    <name>orbel::GameFiles</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Orbel Chess Saved Game Files (*.KRV)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Partidas guardadas de Ajedrez Orbel (*.KRV)</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>No se pudo guardar la partida en «%1»:
%2</translation>
    </message>
    <message>
        <source>It is not an Orbel Chess saved game.</source>
        <translation>No es una partida guardada de Ajedrez Orbel.</translation>
    </message>
    <message>
        <source>The game could not be loaded from &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>No se pudo cargar la partida de «%1»:
%2</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Cargar partida</translation>
    </message>
</context>
<context>
    <name>orbel::Hints</name>
    <message>
        <source>Hints need a chess engine, such as Stockfish (sudo apt install stockfish).</source>
        <translation>Las pistas necesitan un motor de ajedrez, como Stockfish (sudo apt install stockfish).</translation>
    </message>
    <message>
        <source>There is no move to hint at.</source>
        <translation>No hay ninguna jugada que sugerir.</translation>
    </message>
</context>
<context>
    <name>orbel::InfoDialog</name>
    <message>
        <source>About Orbel Chess 3.0</source>
        <translation>Acerca de Ajedrez Orbel 3.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>What&apos;s new in 3.0?</source>
        <translation>Novedades de la versión 3.0</translation>
    </message>
</context>
<context>
    <name>orbel::InternetGameDialog</name>
    <message>
        <source>Enter &amp;host name or IP address of opponent</source>
        <translation>&amp;Equipo o dirección IP del rival</translation>
    </message>
    <message>
        <source>Enter your &amp;nickname</source>
        <translation>Escriba su &amp;apodo</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Blancas</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Negras</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation>&amp;Control de tiempo...</translation>
    </message>
    <message>
        <source>You must supply a nickname!</source>
        <translation>¡Debe indicar un apodo!</translation>
    </message>
    <message>
        <source>You must supply an address!</source>
        <translation>¡Debe indicar una dirección!</translation>
    </message>
</context>
<context>
    <name>orbel::KeysDialog</name>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Keys on the board</source>
        <translation>Teclas en el tablero</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>orbel::MainWindow</name>
    <message>
        <source>Orbel Chess 3.0</source>
        <translation>Ajedrez Orbel 3.0</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New 1 Player Game</source>
        <translation>&amp;Nueva partida de 1 jugador</translation>
    </message>
    <message>
        <source>N&amp;ew 2 Player Game</source>
        <translation>Nueva partida de &amp;2 jugadores</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Guardar partida</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation>&amp;Cargar partida</translation>
    </message>
    <message>
        <source>&amp;Open PGN or FEN...</source>
        <translation>&amp;Abrir PGN o FEN...</translation>
    </message>
    <message>
        <source>Export &amp;Game (PGN)...</source>
        <translation>E&amp;xportar partida (PGN)...</translation>
    </message>
    <message>
        <source>&amp;Copy Game as PGN</source>
        <translation>Co&amp;piar partida como PGN</translation>
    </message>
    <message>
        <source>Copy Position as &amp;FEN</source>
        <translation>Copiar posición como &amp;FEN</translation>
    </message>
    <message>
        <source>&amp;Paste Position or Game</source>
        <translation>P&amp;egar posición o partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Deshacer jugada</translation>
    </message>
    <message>
        <source>&amp;Resign</source>
        <translation>&amp;Abandonar</translation>
    </message>
    <message>
        <source>Offer &amp;Draw</source>
        <translation>Ofrecer &amp;tablas</translation>
    </message>
    <message>
        <source>&amp;Claim Draw</source>
        <translation>&amp;Reclamar tablas</translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation>&amp;Control de tiempo...</translation>
    </message>
    <message>
        <source>Pause Cloc&amp;ks</source>
        <extracomment>A menu item.</extracomment>
        <translation>Pausar relo&amp;jes</translation>
    </message>
    <message>
        <source>Read &amp;Position</source>
        <translation>&amp;Leer posición</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Options/&amp;Color</source>
        <translation>&amp;Opciones/&amp;Color</translation>
    </message>
    <message>
        <source>&amp;Dark Square</source>
        <translation>Casilla &amp;oscura</translation>
    </message>
    <message>
        <source>&amp;Light Square</source>
        <translation>Casilla &amp;clara</translation>
    </message>
    <message>
        <source>&amp;Original Colors</source>
        <translation>Colores o&amp;riginales</translation>
    </message>
    <message>
        <source>&amp;Options/&amp;Piece Set</source>
        <translation>&amp;Opciones/&amp;Juego de piezas</translation>
    </message>
    <message>
        <source>Dudidi</source>
        <translation>Dudidi</translation>
    </message>
    <message>
        <source>Ferrow Color 1</source>
        <translation>Ferrow Color 1</translation>
    </message>
    <message>
        <source>Ferrow Color 2</source>
        <translation>Ferrow Color 2</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Show/Hide Coordinates</source>
        <translation>Mostrar/ocultar coor&amp;denadas</translation>
    </message>
    <message>
        <source>&amp;Announce Moves</source>
        <translation>&amp;Anunciar jugadas</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>&amp;Sonidos</translation>
    </message>
    <message>
        <source>S&amp;tandard Chess Rules</source>
        <translation>Reglas de ajedrez es&amp;tándar</translation>
    </message>
    <message>
        <source>&amp;Engines...</source>
        <translation>&amp;Motores...</translation>
    </message>
    <message>
        <source>&amp;Network Play</source>
        <translation>&amp;Red</translation>
    </message>
    <message>
        <source>&amp;Direct Network Game</source>
        <translation>Partida &amp;directa en red</translation>
    </message>
    <message>
        <source>Your Network &amp;Address...</source>
        <translation>&amp;Su dirección de red...</translation>
    </message>
    <message>
        <source>Accept Calls from the &amp;Internet</source>
        <translation>Aceptar llamadas desde &amp;Internet</translation>
    </message>
    <message>
        <source>&amp;Kill Game (Opponent is lagging or gone ONLY)</source>
        <translation>T&amp;erminar partida (solo si el rival no responde)</translation>
    </message>
    <message>
        <source>Ask to &amp;Take Back Move</source>
        <translation>Pedir des&amp;hacer jugada</translation>
    </message>
    <message>
        <source>Re&amp;match</source>
        <translation>&amp;Revancha</translation>
    </message>
    <message>
        <source>&amp;Call Again</source>
        <translation>&amp;Llamar de nuevo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New in 3.0</source>
        <translation>&amp;Novedades de la versión 3.0</translation>
    </message>
    <message>
        <source>&amp;About Orbel Chess 3.0...</source>
        <translation>&amp;Acerca de Ajedrez Orbel 3.0...</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Teclado</translation>
    </message>
    <message>
        <source>Brain:</source>
        <translation>Análisis:</translation>
    </message>
    <message>
        <source>Black:</source>
        <translation>Negras:</translation>
    </message>
    <message>
        <source>White:</source>
        <translation>Blancas:</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Chat:</source>
        <translation>Chat:</translation>
    </message>
    <message>
        <source>Chat line</source>
        <translation>Línea de chat</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Usted</translation>
    </message>
    <message>
        <source>* %1&apos;s clock read %2, more than it can have: kept at %3.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname, %2 and %3 clock readings.</extracomment>
        <translation>* El reloj de %1 marcaba %2, más de lo que puede tener: se deja en %3.</translation>
    </message>
    <message>
        <source>* %1&apos;s clock reads %2; this copy counted %3.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname, %2 and %3 clock readings.</extracomment>
        <translation>* El reloj de %1 marca %2; esta copia ha contado %3.</translation>
    </message>
    <message>
        <source>%1&apos;s time is up; waiting for %1&apos;s copy to confirm</source>
        <extracomment>%1 is the opponent&apos;s nickname; their copy of the game must confirm.</extracomment>
        <translation>Se ha agotado el tiempo de %1; esperando a que la copia de %1 lo confirme</translation>
    </message>
    <message>
        <source>* %1&apos;s copy did not confirm its time was up.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname.</extracomment>
        <translation>* La copia de %1 no confirmó que se le hubiera agotado el tiempo.</translation>
    </message>
    <message>
        <source>Resume Cloc&amp;ks</source>
        <extracomment>A menu item.</extracomment>
        <translation>Reanudar relo&amp;jes</translation>
    </message>
    <message>
        <source>Clocks running.</source>
        <translation>Relojes en marcha.</translation>
    </message>
    <message>
        <source>Clocks paused</source>
        <translation>Relojes en pausa</translation>
    </message>
    <message>
        <source>Clocks paused.</source>
        <translation>Relojes en pausa.</translation>
    </message>
    <message>
        <source>This game has no clocks.</source>
        <translation>Esta partida no tiene relojes.</translation>
    </message>
    <message>
        <source>White %1. Black %2. Paused.</source>
        <extracomment>Spoken: %1 and %2 are the times left, in words.</extracomment>
        <translation>Blancas, %1. Negras, %2. En pausa.</translation>
    </message>
    <message>
        <source>White %1. Black %2.</source>
        <extracomment>Spoken: %1 and %2 are the times left, in words.</extracomment>
        <translation>Blancas, %1. Negras, %2.</translation>
    </message>
    <message>
        <source>You have one minute left.</source>
        <translation>Le queda un minuto.</translation>
    </message>
    <message>
        <source>You have ten seconds left.</source>
        <translation>Le quedan diez segundos.</translation>
    </message>
    <message>
        <source>White has one minute left.</source>
        <translation>A las blancas les queda un minuto.</translation>
    </message>
    <message>
        <source>White has ten seconds left.</source>
        <translation>A las blancas les quedan diez segundos.</translation>
    </message>
    <message>
        <source>Black has one minute left.</source>
        <translation>A las negras les queda un minuto.</translation>
    </message>
    <message>
        <source>Black has ten seconds left.</source>
        <translation>A las negras les quedan diez segundos.</translation>
    </message>
    <message>
        <source>White&apos;s time is up. Black wins on time.</source>
        <translation>Se ha agotado el tiempo de las blancas. Ganan las negras por tiempo.</translation>
    </message>
    <message>
        <source>Black&apos;s time is up. White wins on time.</source>
        <translation>Se ha agotado el tiempo de las negras. Ganan las blancas por tiempo.</translation>
    </message>
    <message>
        <source>Game saved as %1 in %2.</source>
        <translation>Partida guardada como %1 en %2.</translation>
    </message>
    <message>
        <source>Game loaded from %1 in %2. %3</source>
        <translation>Partida cargada desde %1 en %2. %3</translation>
    </message>
    <message>
        <source>Standard chess rules from the next new game.</source>
        <translation>Reglas de ajedrez estándar desde la próxima partida.</translation>
    </message>
    <message>
        <source>Orbel rules from the next new game.</source>
        <translation>Reglas Orbel desde la próxima partida.</translation>
    </message>
    <message>
        <source>Calls from the Internet: your router is asked to let them in.</source>
        <translation>Llamadas desde Internet: se pide a su router que las deje pasar.</translation>
    </message>
    <message>
        <source>Calls from the Internet: no longer let in by your router.</source>
        <translation>Llamadas desde Internet: su router ya no las deja pasar.</translation>
    </message>
    <message>
        <source>New games: %1</source>
        <translation>Partidas nuevas: %1</translation>
    </message>
    <message>
        <source>A copy of an older version plays without a clock.</source>
        <translation>Una copia de una versión anterior juega sin reloj.</translation>
    </message>
    <message>
        <source>Engine</source>
        <extracomment>The caption of an engine&apos;s failure box when the engine gave no name.</extracomment>
        <translation>Motor</translation>
    </message>
    <message>
        <source>%1

Shall the computer finish the game?</source>
        <translation>%1

¿Quiere que el ordenador termine la partida?</translation>
    </message>
    <message>
        <source>Add an Engine</source>
        <translation>Añadir un motor</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Motores</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Error grave</translation>
    </message>
    <message>
        <source>%1 is back. %2</source>
        <translation>%1 ha vuelto. %2</translation>
    </message>
    <message>
        <source>Standard chess rules, as engines play</source>
        <translation>Reglas de ajedrez estándar, como juegan los motores</translation>
    </message>
    <message>
        <source>Standard chess rules</source>
        <translation>Reglas de ajedrez estándar</translation>
    </message>
    <message>
        <source>Orbel 3.0 rules</source>
        <translation>Reglas de Orbel 3.0</translation>
    </message>
    <message>
        <source>The game is drawn by %1.</source>
        <translation>La partida termina en tablas por %1.</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <source>The computer resigns. You win.</source>
        <translation>El ordenador abandona. Usted gana.</translation>
    </message>
    <message>
        <source>* %1&apos;s copy plays by the Orbel 3.0 rules only.</source>
        <translation>* La copia de %1 solo juega con las reglas de Orbel 3.0.</translation>
    </message>
    <message>
        <source>* %1&apos;s copy has no clocks: this game is untimed.</source>
        <translation>* La copia de %1 no tiene relojes: esta partida es sin reloj.</translation>
    </message>
    <message>
        <source>White&apos;s %1</source>
        <translation>la jugada de las blancas %1</translation>
    </message>
    <message>
        <source>Black&apos;s %1</source>
        <translation>la jugada de las negras %1</translation>
    </message>
    <message>
        <source>your %1</source>
        <translation>su jugada %1</translation>
    </message>
    <message>
        <source>the computer&apos;s %1</source>
        <translation>la jugada del ordenador %1</translation>
    </message>
    <message>
        <source>your opponent&apos;s %1</source>
        <translation>la jugada de su rival %1</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>The moves taken back are joined by &quot; and &quot;.</extracomment>
        <translation> y </translation>
    </message>
    <message>
        <source>Nothing taken back.</source>
        <translation>No se ha deshecho nada.</translation>
    </message>
    <message>
        <source>Taken back %1.</source>
        <translation>Se deshace %1.</translation>
    </message>
    <message>
        <source>White to move, check.</source>
        <translation>Juegan las blancas, jaque.</translation>
    </message>
    <message>
        <source>Black to move, check.</source>
        <translation>Juegan las negras, jaque.</translation>
    </message>
    <message>
        <source>White to move.</source>
        <translation>Juegan las blancas.</translation>
    </message>
    <message>
        <source>Black to move.</source>
        <translation>Juegan las negras.</translation>
    </message>
    <message>
        <source>White offers a draw. Does Black accept?</source>
        <translation>Las blancas ofrecen tablas. ¿Aceptan las negras?</translation>
    </message>
    <message>
        <source>Black offers a draw. Does White accept?</source>
        <translation>Las negras ofrecen tablas. ¿Aceptan las blancas?</translation>
    </message>
    <message>
        <source>Offer Draw</source>
        <translation>Ofrecer tablas</translation>
    </message>
    <message>
        <source>The computer declines the draw.</source>
        <translation>El ordenador rechaza las tablas.</translation>
    </message>
    <message>
        <source>%1 says, %2</source>
        <translation>%1 dice: %2</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <extracomment>In the status bar; %1 is the move in algebraic notation, such as Nf3.</extracomment>
        <translation>Pista: %1</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <extracomment>Spoken; %1 is the move in words.</extracomment>
        <translation>Pista: %1.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Hint: wait for the computer&apos;s move</source>
        <translation>Pista: espere la jugada del ordenador</translation>
    </message>
    <message>
        <source>Asking the engine for a hint...</source>
        <translation>Pidiendo una pista al motor...</translation>
    </message>
    <message>
        <source>Value:</source>
        <extracomment>Before the computer&apos;s or the engine&apos;s value of the position, as in &quot;Value: 34&quot;.</extracomment>
        <translation>Valor:</translation>
    </message>
</context>
<context>
    <name>orbel::MoveText</name>
    <message>
        <source>not a move</source>
        <translation>no es una jugada</translation>
    </message>
    <message>
        <source>no such move</source>
        <translation>esa jugada no es posible</translation>
    </message>
    <message>
        <source>which piece</source>
        <translation>no está claro qué pieza</translation>
    </message>
    <message>
        <source>which pawn</source>
        <translation>no está claro qué peón</translation>
    </message>
    <message>
        <source>which knight</source>
        <translation>no está claro qué caballo</translation>
    </message>
    <message>
        <source>which bishop</source>
        <translation>no está claro qué alfil</translation>
    </message>
    <message>
        <source>which rook</source>
        <translation>no está claro qué torre</translation>
    </message>
    <message>
        <source>which queen</source>
        <translation>no está claro qué dama</translation>
    </message>
    <message>
        <source>which king</source>
        <translation>no está claro qué rey</translation>
    </message>
    <message>
        <source>Which piece? %1</source>
        <translation>¿Qué pieza? %1</translation>
    </message>
    <message>
        <source>Which pawn? %1</source>
        <translation>¿Qué peón? %1</translation>
    </message>
    <message>
        <source>Which knight? %1</source>
        <translation>¿Qué caballo? %1</translation>
    </message>
    <message>
        <source>Which bishop? %1</source>
        <translation>¿Qué alfil? %1</translation>
    </message>
    <message>
        <source>Which rook? %1</source>
        <translation>¿Qué torre? %1</translation>
    </message>
    <message>
        <source>Which queen? %1</source>
        <translation>¿Qué dama? %1</translation>
    </message>
    <message>
        <source>Which king? %1</source>
        <translation>¿Qué rey? %1</translation>
    </message>
    <message>
        <source>pawns always become queens</source>
        <translation>los peones siempre coronan en dama</translation>
    </message>
    <message>
        <source>no en passant in these rules</source>
        <translation>en estas reglas no hay captura al paso</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>Not a move: %1</source>
        <translation>No es una jugada: %1</translation>
    </message>
    <message>
        <source>No such move: %1</source>
        <translation>Jugada no posible: %1</translation>
    </message>
</context>
<context>
    <name>orbel::NetDialogs</name>
    <message>
        <source>Invalid Information</source>
        <translation>Datos no válidos</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkAddressDialog</name>
    <message>
        <source>Your Network Address</source>
        <translation>Su dirección de red</translation>
    </message>
    <message>
        <source>Others can call this copy of Orbel Chess at:</source>
        <translation>Otros pueden llamar a esta copia de Ajedrez Orbel en:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Accept calls from the &amp;Internet</source>
        <translation>Aceptar llamadas desde &amp;Internet</translation>
    </message>
    <message>
        <source>While this is on, your router is asked to pass calls to this computer, from anyone who has your address.</source>
        <translation>Mientras esté activado, se pide a su router que pase a este equipo las llamadas de cualquiera que tenga su dirección.</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkPlay</name>
    <message>
        <source>%1 failed,%2

%3</source>
        <extracomment>%1 is the name of an operation, %2 a run of spaces, %3 what went wrong.</extracomment>
        <translation>%1 ha fallado,%2

%3</translation>
    </message>
    <message>
        <source>Refused a call from %1: another call is being answered.</source>
        <extracomment>In the status bar: %1 is the caller&apos;s network address.</extracomment>
        <translation>Se rechazó una llamada de %1: ya se está atendiendo otra.</translation>
    </message>
    <message>
        <source>* %1 accepts the draw.</source>
        <translation>* %1 acepta las tablas.</translation>
    </message>
    <message>
        <source>* %1 declines the draw.</source>
        <translation>* %1 rechaza las tablas.</translation>
    </message>
    <message>
        <source>* You accept the draw.</source>
        <translation>* Usted acepta las tablas.</translation>
    </message>
    <message>
        <source>* You decline the draw.</source>
        <translation>* Usted rechaza las tablas.</translation>
    </message>
    <message>
        <source>* %1 accepts the takeback.</source>
        <translation>* %1 acepta deshacer la jugada.</translation>
    </message>
    <message>
        <source>* %1 declines the takeback.</source>
        <translation>* %1 no acepta deshacer la jugada.</translation>
    </message>
    <message>
        <source>* You accept the takeback.</source>
        <translation>* Usted acepta deshacer la jugada.</translation>
    </message>
    <message>
        <source>* You decline the takeback.</source>
        <translation>* Usted no acepta deshacer la jugada.</translation>
    </message>
    <message>
        <source>* %1 accepts the rematch.</source>
        <translation>* %1 acepta la revancha.</translation>
    </message>
    <message>
        <source>* %1 declines the rematch.</source>
        <translation>* %1 rechaza la revancha.</translation>
    </message>
    <message>
        <source>* You accept the rematch.</source>
        <translation>* Usted acepta la revancha.</translation>
    </message>
    <message>
        <source>* You decline the rematch.</source>
        <translation>* Usted rechaza la revancha.</translation>
    </message>
    <message>
        <source>* You offer a draw.</source>
        <translation>* Usted ofrece tablas.</translation>
    </message>
    <message>
        <source>* You ask to take back your last move.</source>
        <translation>* Usted pide deshacer su última jugada.</translation>
    </message>
    <message>
        <source>* You offer a rematch.</source>
        <translation>* Usted ofrece la revancha.</translation>
    </message>
    <message>
        <source>* %1 offers a draw.</source>
        <translation>* %1 ofrece tablas.</translation>
    </message>
    <message>
        <source>%1 offers a draw. Do you accept?</source>
        <translation>%1 ofrece tablas. ¿Acepta?</translation>
    </message>
    <message>
        <source>Offer Draw</source>
        <translation>Ofrecer tablas</translation>
    </message>
    <message>
        <source>* %1 asks to take back their last move.</source>
        <translation>* %1 pide deshacer su última jugada.</translation>
    </message>
    <message>
        <source>%1 asks to take back their last move. Do you allow it?</source>
        <translation>%1 pide deshacer su última jugada. ¿Lo permite?</translation>
    </message>
    <message>
        <source>Take Back Move</source>
        <translation>Deshacer jugada</translation>
    </message>
    <message>
        <source>* %1 offers a rematch, you playing White.</source>
        <translation>* %1 ofrece la revancha; usted juega con blancas.</translation>
    </message>
    <message>
        <source>%1 offers a rematch, you playing White. Do you accept?</source>
        <translation>%1 ofrece la revancha; usted juega con blancas. ¿Acepta?</translation>
    </message>
    <message>
        <source>* %1 offers a rematch, you playing Black.</source>
        <translation>* %1 ofrece la revancha; usted juega con negras.</translation>
    </message>
    <message>
        <source>%1 offers a rematch, you playing Black. Do you accept?</source>
        <translation>%1 ofrece la revancha; usted juega con negras. ¿Acepta?</translation>
    </message>
    <message>
        <source>Rematch</source>
        <translation>Revancha</translation>
    </message>
    <message>
        <source>%1&apos;s copy no longer holds this game, so it cannot go on.</source>
        <translation>La copia de %1 ya no tiene esta partida, así que no puede continuar.</translation>
    </message>
    <message>
        <source>%1&apos;s copy holds this game at another position, so it cannot go on.</source>
        <translation>La copia de %1 tiene esta partida en otra posición, así que no puede continuar.</translation>
    </message>
    <message>
        <source>%1

The game is to be played by standard chess rules.</source>
        <extracomment>%1 is the question whether to accept a call.</extracomment>
        <translation>%1

La partida se jugará con las reglas de ajedrez estándar.</translation>
    </message>
    <message>
        <source>%1

The game is timed: %2</source>
        <extracomment>%1 is the question whether to accept a call; %2 the clock in words.</extracomment>
        <translation>%1

La partida es con reloj: %2</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkSession</name>
    <message>
        <source>* Not sent: the line is down.</source>
        <translation>* No enviado: la conexión está caída.</translation>
    </message>
</context>
<context>
    <name>orbel::NewGameSetupDialog</name>
    <message>
        <source>New Game Setup</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>AI</source>
        <extracomment>The frame of the computer opponent&apos;s levels and engines.</extracomment>
        <translation>IA</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Blancas</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Negras</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation>&amp;Control de tiempo...</translation>
    </message>
    <message>
        <source>E&amp;lo:</source>
        <translation>E&amp;lo:</translation>
    </message>
    <message>
        <source>Engine&apos;s Elo</source>
        <translation>Elo del motor</translation>
    </message>
</context>
<context>
    <name>orbel::NicknameDialog</name>
    <message>
        <source>Nickname Selection</source>
        <translation>Elegir apodo</translation>
    </message>
    <message>
        <source>Enter your &amp;nickname for the current match</source>
        <translation>Escriba su &amp;apodo para esta partida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>You must supply a nickname!</source>
        <translation>¡Debe indicar un apodo!</translation>
    </message>
</context>
<context>
    <name>orbel::PgnFiles</name>
    <message>
        <source>Export Game (PGN)</source>
        <translation>Exportar partida (PGN)</translation>
    </message>
    <message>
        <source>Copy Game as PGN</source>
        <translation>Copiar partida como PGN</translation>
    </message>
    <message>
        <source>Copy Position as FEN</source>
        <translation>Copiar posición como FEN</translation>
    </message>
    <message>
        <source>Open PGN or FEN</source>
        <translation>Abrir PGN o FEN</translation>
    </message>
    <message>
        <source>Paste Position or Game</source>
        <translation>Pegar posición o partida</translation>
    </message>
    <message>
        <source>There is no game on the board yet.</source>
        <translation>Todavía no hay ninguna partida en el tablero.</translation>
    </message>
    <message>
        <source>%1

The rest of the game stays on the board and in a saved game (*.KRV).</source>
        <extracomment>%1 says why the game could not be written whole.</extracomment>
        <translation>%1

El resto de la partida sigue en el tablero y en una partida guardada (*.KRV).</translation>
    </message>
    <message>
        <source>It is larger than 1 MB, more than any game needs.</source>
        <translation>Ocupa más de 1 MB, más de lo que necesita cualquier partida.</translation>
    </message>
    <message>
        <source>This game is played by standard chess rules: it holds en passant, a pawn that becomes another piece than a queen, or a draw, which the Orbel 3.0 rules do not.</source>
        <translation>Esta partida se juega con las reglas de ajedrez estándar: contiene una captura al paso, un peón que corona en otra pieza que no es la dama, o unas tablas, cosas que las reglas de Orbel 3.0 no permiten.</translation>
    </message>
    <message>
        <source>PGN Files (*.pgn)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Archivos PGN (*.pgn)</translation>
    </message>
    <message>
        <source>The game could not be exported to &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>No se pudo exportar la partida a «%1»:
%2</translation>
    </message>
    <message>
        <source>Other chess programs may refuse this position: %1.</source>
        <extracomment>%1 says what is odd about the position.</extracomment>
        <translation>Otros programas de ajedrez podrían rechazar esta posición: %1.</translation>
    </message>
    <message>
        <source>PGN and FEN Files (*.pgn *.fen)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Archivos PGN y FEN (*.pgn *.fen)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>No game was opened from &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>No se abrió ninguna partida de «%1»:
%2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>The clipboard holds no game or position to play:
%1</source>
        <extracomment>%1 is what is wrong with the clipboard&apos;s text.</extracomment>
        <translation>El portapapeles no contiene ninguna partida ni posición que jugar:
%1</translation>
    </message>
</context>
<context>
    <name>orbel::PgnReader</name>
    <message>
        <source>No game or position was found in the text.</source>
        <translation>No se encontró ninguna partida ni posición en el texto.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>a tag pair must be [Name &quot;value&quot;].</source>
        <translation>una etiqueta debe tener la forma [Nombre &quot;valor&quot;].</translation>
    </message>
    <message>
        <source>a tag&apos;s value is not closed on its line.</source>
        <translation>el valor de una etiqueta no se cierra en su línea.</translation>
    </message>
    <message>
        <source>a tag pair is not closed with ].</source>
        <translation>una etiqueta no se cierra con ].</translation>
    </message>
    <message>
        <source>the game has two FEN tags.</source>
        <translation>la partida tiene dos etiquetas FEN.</translation>
    </message>
    <message>
        <source>the FEN tag cannot be read: %1.</source>
        <translation>no se puede leer la etiqueta FEN: %1.</translation>
    </message>
    <message>
        <source>a comment is not closed with }.</source>
        <translation>un comentario no se cierra con }.</translation>
    </message>
    <message>
        <source>a ) has no ( before it.</source>
        <translation>hay un ) sin un ( delante.</translation>
    </message>
    <message>
        <source>a variation is not closed with ).</source>
        <translation>una variante no se cierra con ).</translation>
    </message>
    <message>
        <source>a %1 is out of place.</source>
        <translation>hay un %1 fuera de lugar.</translation>
    </message>
    <message>
        <source>Move %1 is ambiguous. %2.</source>
        <translation>La jugada %1 es ambigua. %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move.</source>
        <translation>«%1» no es una jugada.</translation>
    </message>
    <message>
        <source>Move %1 cannot be played: %2.</source>
        <translation>La jugada %1 no se puede hacer: %2.</translation>
    </message>
    <message>
        <source>The game is longer than %1 half-moves, too long to open.</source>
        <translation>La partida tiene más de %1 medias jugadas; es demasiado larga para abrirla.</translation>
    </message>
    <message>
        <source>The FEN cannot be read: %1.</source>
        <translation>No se puede leer el FEN: %1.</translation>
    </message>
</context>
<context>
    <name>orbel::PgnWriter</name>
    <message>
        <source>The game cannot be exported for other chess programs: %1.</source>
        <translation>La partida no se puede exportar para otros programas de ajedrez: %1.</translation>
    </message>
    <message>
        <source>The exported game stops before %1, which standard chess does not allow: %2.</source>
        <translation>La partida exportada se detiene antes de %1, algo que el ajedrez estándar no permite: %2.</translation>
    </message>
</context>
<context>
    <name>orbel::PlayedMove</name>
    <message>
        <source>You %1</source>
        <translation>Usted: %1</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Ordenador: %1</translation>
    </message>
    <message>
        <source>Opponent %1</source>
        <translation>Rival: %1</translation>
    </message>
    <message>
        <source>White %1</source>
        <translation>Blancas: %1</translation>
    </message>
    <message>
        <source>Black %1</source>
        <translation>Negras: %1</translation>
    </message>
    <message>
        <source>You, %1</source>
        <translation>Usted, %1</translation>
    </message>
    <message>
        <source>Computer, %1</source>
        <translation>Ordenador, %1</translation>
    </message>
    <message>
        <source>Opponent, %1</source>
        <translation>Rival, %1</translation>
    </message>
    <message>
        <source>White, %1</source>
        <translation>Blancas, %1</translation>
    </message>
    <message>
        <source>Black, %1</source>
        <translation>Negras, %1</translation>
    </message>
    <message>
        <source>You win.</source>
        <translation>Usted gana.</translation>
    </message>
    <message>
        <source>The computer wins.</source>
        <translation>Gana el ordenador.</translation>
    </message>
    <message>
        <source>Your opponent wins.</source>
        <translation>Gana su rival.</translation>
    </message>
    <message>
        <source>White wins.</source>
        <translation>Ganan las blancas.</translation>
    </message>
    <message>
        <source>Black wins.</source>
        <translation>Ganan las negras.</translation>
    </message>
    <message>
        <source>, checkmate. %1</source>
        <translation>, jaque mate. %1</translation>
    </message>
    <message>
        <source>, check</source>
        <translation>, jaque</translation>
    </message>
    <message>
        <source>, %1. Draw.</source>
        <translation>, %1. Tablas.</translation>
    </message>
</context>
<context>
    <name>orbel::PortMapper</name>
    <message>
        <source>the router did not answer in time</source>
        <translation>el router no respondió a tiempo</translation>
    </message>
    <message>
        <source>the router&apos;s answers could not be read</source>
        <translation>no se pudieron leer las respuestas del router</translation>
    </message>
    <message>
        <source>the port-mapping helper ended</source>
        <translation>el asistente de redirección de puertos se ha cerrado</translation>
    </message>
    <message>
        <source>no pipe for the port-mapping helper</source>
        <translation>no hay canal de comunicación con el asistente de redirección de puertos</translation>
    </message>
    <message>
        <source>the port-mapping helper is missing</source>
        <translation>falta el asistente de redirección de puertos</translation>
    </message>
    <message>
        <source>the port-mapping helper could not be started</source>
        <translation>no se pudo iniciar el asistente de redirección de puertos</translation>
    </message>
</context>
<context>
    <name>orbel::PromotionDialog</name>
    <message>
        <source>Promotion</source>
        <translation>Coronación</translation>
    </message>
    <message>
        <source>The pawn becomes:</source>
        <translation>El peón se convierte en:</translation>
    </message>
    <message>
        <source>&amp;Queen</source>
        <translation>&amp;Dama</translation>
    </message>
    <message>
        <source>&amp;Rook</source>
        <translation>&amp;Torre</translation>
    </message>
    <message>
        <source>&amp;Bishop</source>
        <translation>&amp;Alfil</translation>
    </message>
    <message>
        <source>K&amp;night</source>
        <translation>&amp;Caballo</translation>
    </message>
</context>
<context>
    <name>orbel::Refusal</name>
    <message>
        <source>That is no move</source>
        <translation>Eso no es una jugada</translation>
    </message>
    <message>
        <source>There is no piece there</source>
        <translation>Ahí no hay ninguna pieza</translation>
    </message>
    <message>
        <source>That is not your piece</source>
        <translation>Esa pieza no es suya</translation>
    </message>
    <message>
        <source>Your own piece stands there</source>
        <translation>Ahí hay una pieza suya</translation>
    </message>
    <message>
        <source>That piece does not move so</source>
        <translation>Esa pieza no se mueve así</translation>
    </message>
    <message>
        <source>The way is blocked</source>
        <translation>El camino está bloqueado</translation>
    </message>
    <message>
        <source>There is nothing to take there</source>
        <translation>Ahí no hay nada que capturar</translation>
    </message>
    <message>
        <source>No en passant in these rules</source>
        <translation>En estas reglas no hay captura al paso</translation>
    </message>
    <message>
        <source>En passant only right after the double step</source>
        <translation>La captura al paso solo es posible justo después del avance doble</translation>
    </message>
    <message>
        <source>The king may not castle through an attacked square</source>
        <translation>El rey no puede enrocar pasando por una casilla atacada</translation>
    </message>
    <message>
        <source>The king may not castle into check</source>
        <translation>El rey no puede enrocar quedando en jaque</translation>
    </message>
    <message>
        <source>The king or that rook has moved, or the rook is gone</source>
        <translation>El rey o esa torre ya se han movido, o la torre ya no está</translation>
    </message>
    <message>
        <source>Your king is in check</source>
        <translation>Su rey está en jaque</translation>
    </message>
    <message>
        <source>That piece is pinned to its king</source>
        <translation>Esa pieza está clavada a su rey</translation>
    </message>
    <message>
        <source>That square is attacked</source>
        <translation>Esa casilla está atacada</translation>
    </message>
    <message>
        <source>no game on the board</source>
        <translation>no hay partida en el tablero</translation>
    </message>
    <message>
        <source>nothing in hand</source>
        <translation>ninguna pieza en la mano</translation>
    </message>
    <message>
        <source>not your move</source>
        <translation>no es su turno</translation>
    </message>
    <message>
        <source>no piece chosen</source>
        <translation>ninguna pieza elegida</translation>
    </message>
</context>
<context>
    <name>orbel::Rules</name>
    <message>
        <source>the king or that rook has moved, or the rook was taken</source>
        <translation>el rey o esa torre ya se han movido, o la torre fue capturada</translation>
    </message>
    <message>
        <source>the king is in check</source>
        <translation>el rey está en jaque</translation>
    </message>
    <message>
        <source>it is not a legal move</source>
        <translation>no es una jugada legal</translation>
    </message>
    <message>
        <source>the king passes through an attacked square</source>
        <translation>el rey pasa por una casilla atacada</translation>
    </message>
    <message>
        <source>the king lands on an attacked square</source>
        <translation>el rey llega a una casilla atacada</translation>
    </message>
    <message>
        <source>a pawn stands on the first or last rank</source>
        <translation>hay un peón en la primera o en la última fila</translation>
    </message>
    <message>
        <source>White needs exactly one king</source>
        <translation>las blancas necesitan exactamente un rey</translation>
    </message>
    <message>
        <source>Black needs exactly one king</source>
        <translation>las negras necesitan exactamente un rey</translation>
    </message>
    <message>
        <source>a side has more than 8 pawns</source>
        <translation>un bando tiene más de 8 peones</translation>
    </message>
    <message>
        <source>a side has more than 16 pieces</source>
        <translation>un bando tiene más de 16 piezas</translation>
    </message>
    <message>
        <source>the side not to move is in check</source>
        <translation>el bando que no tiene el turno está en jaque</translation>
    </message>
</context>
<context>
    <name>orbel::Spoken</name>
    <message>
        <source>piece</source>
        <translation>pieza</translation>
    </message>
    <message>
        <source>pawn</source>
        <translation>peón</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>caballo</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>alfil</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>torre</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>pieces</source>
        <translation>piezas</translation>
    </message>
    <message>
        <source>pawns</source>
        <translation>peones</translation>
    </message>
    <message>
        <source>knights</source>
        <translation>caballos</translation>
    </message>
    <message>
        <source>bishops</source>
        <translation>alfiles</translation>
    </message>
    <message>
        <source>rooks</source>
        <translation>torres</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>damas</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>reyes</translation>
    </message>
    <message>
        <source>white piece</source>
        <translation>pieza blanca</translation>
    </message>
    <message>
        <source>white pawn</source>
        <translation>peón blanco</translation>
    </message>
    <message>
        <source>white knight</source>
        <translation>caballo blanco</translation>
    </message>
    <message>
        <source>white bishop</source>
        <translation>alfil blanco</translation>
    </message>
    <message>
        <source>white rook</source>
        <translation>torre blanca</translation>
    </message>
    <message>
        <source>white queen</source>
        <translation>dama blanca</translation>
    </message>
    <message>
        <source>white king</source>
        <translation>rey blanco</translation>
    </message>
    <message>
        <source>black piece</source>
        <translation>pieza negra</translation>
    </message>
    <message>
        <source>black pawn</source>
        <translation>peón negro</translation>
    </message>
    <message>
        <source>black knight</source>
        <translation>caballo negro</translation>
    </message>
    <message>
        <source>black bishop</source>
        <translation>alfil negro</translation>
    </message>
    <message>
        <source>black rook</source>
        <translation>torre negra</translation>
    </message>
    <message>
        <source>black queen</source>
        <translation>dama negra</translation>
    </message>
    <message>
        <source>black king</source>
        <translation>rey negro</translation>
    </message>
    <message>
        <source>becomes a piece</source>
        <translation>corona en pieza</translation>
    </message>
    <message>
        <source>becomes a pawn</source>
        <translation>corona en peón</translation>
    </message>
    <message>
        <source>becomes a knight</source>
        <translation>corona en caballo</translation>
    </message>
    <message>
        <source>becomes a bishop</source>
        <translation>corona en alfil</translation>
    </message>
    <message>
        <source>becomes a rook</source>
        <translation>corona en torre</translation>
    </message>
    <message>
        <source>becomes a queen</source>
        <translation>corona en dama</translation>
    </message>
    <message>
        <source>becomes a king</source>
        <translation>corona en rey</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>no pieces</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>check</source>
        <translation>jaque</translation>
    </message>
    <message>
        <source>checkmate</source>
        <translation>jaque mate</translation>
    </message>
    <message>
        <source>castles short</source>
        <translation>enroque corto</translation>
    </message>
    <message>
        <source>castles long</source>
        <translation>enroque largo</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vacía</translation>
    </message>
    <message>
        <source>%1 %2 takes %3 %4 en passant</source>
        <translation>%1 %2 captura %3 %4 al paso</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 a %3</translation>
    </message>
    <message>
        <source>%1 %2 takes %3 %4</source>
        <translation>%1 %2 captura %3 %4</translation>
    </message>
    <message>
        <source>takes %1</source>
        <translation>captura en %1</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 captura en %2</translation>
    </message>
    <message>
        <source>White has %1.</source>
        <translation>Piezas blancas: %1.</translation>
    </message>
    <message>
        <source>Black has %1.</source>
        <translation>Piezas negras: %1.</translation>
    </message>
    <message>
        <source>White to move, check</source>
        <translation>Juegan las blancas, jaque</translation>
    </message>
    <message>
        <source>Black to move, check</source>
        <translation>Juegan las negras, jaque</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Juegan las blancas</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Juegan las negras</translation>
    </message>
    <message>
        <source>Standard chess rules.</source>
        <translation>Reglas de ajedrez estándar.</translation>
    </message>
    <message>
        <source>All empty.</source>
        <translation>Todas vacías.</translation>
    </message>
    <message>
        <source>1 empty.</source>
        <translation>1 vacía.</translation>
    </message>
    <message>
        <source>%1 empty.</source>
        <translation>%1 vacías.</translation>
    </message>
    <message>
        <source>White has no %1.</source>
        <translation>Las blancas no tienen %1.</translation>
    </message>
    <message>
        <source>Black has no %1.</source>
        <translation>Las negras no tienen %1.</translation>
    </message>
    <message>
        <source>Rank %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>White %1.</source>
        <translation>Blancas: %1.</translation>
    </message>
    <message>
        <source>Black %1.</source>
        <translation>Negras: %1.</translation>
    </message>
    <message>
        <source>White %1, Black %2.</source>
        <translation>Blancas %1, negras %2.</translation>
    </message>
    <message>
        <source>Even.</source>
        <translation>Material igualado.</translation>
    </message>
    <message>
        <source>White is %1 ahead.</source>
        <translation>Ventaja de las blancas: %1.</translation>
    </message>
    <message>
        <source>Black is %1 ahead.</source>
        <translation>Ventaja de las negras: %1.</translation>
    </message>
</context>
<context>
    <name>orbel::SpokenMissing</name>
    <message>
        <source>pieces</source>
        <translation>piezas</translation>
    </message>
    <message>
        <source>pawns</source>
        <translation>peones</translation>
    </message>
    <message>
        <source>knights</source>
        <translation>caballos</translation>
    </message>
    <message>
        <source>bishops</source>
        <translation>alfiles</translation>
    </message>
    <message>
        <source>rooks</source>
        <translation>torres</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>damas</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
</context>
<context>
    <name>orbel::SpokenTaken</name>
    <message>
        <source>piece</source>
        <translation>pieza</translation>
    </message>
    <message>
        <source>pawn</source>
        <translation>peón</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>caballo</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>alfil</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>torre</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
</context>
<context>
    <name>orbel::TimeControl</name>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
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
        <source>1 move</source>
        <translation>1 jugada</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n jugada</numerusform>
            <numerusform>%n jugadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 each</source>
        <extracomment>%1 is a time, such as &quot;90 minutes&quot;, that both sides have.</extracomment>
        <translation>%1 por jugador</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>%1 is a time, such as &quot;90 minutes each&quot;; %2 a number of moves, such as &quot;40 moves&quot;.</extracomment>
        <translation>%1 para %2</translation>
    </message>
    <message>
        <source>%1 for the rest of the game</source>
        <extracomment>%1 is a time, such as &quot;30 minutes&quot;.</extracomment>
        <translation>%1 para el resto de la partida</translation>
    </message>
    <message>
        <source>%1 for the whole game</source>
        <extracomment>%1 is a time, such as &quot;5 minutes each&quot;.</extracomment>
        <translation>%1 para toda la partida</translation>
    </message>
    <message>
        <source>%1, up to %2 of every move given back</source>
        <extracomment>A delay (Bronstein): %1 is the time so far, %2 a number of seconds.</extracomment>
        <translation>%1, con devolución de hasta %2 de cada jugada</translation>
    </message>
    <message>
        <source>%1, %2 added after every move</source>
        <extracomment>An increment (Fischer): %1 is the time so far, %2 a number of seconds.</extracomment>
        <translation>%1, más %2 tras cada jugada</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>One period of a clock after the other.</extracomment>
        <translation>%1, después %2</translation>
    </message>
    <message>
        <source>No clock</source>
        <translation>Sin reloj</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the clock in PGN&apos;s notation, such as &quot;300+2&quot;; %2 its words.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: White %2; Black %3</source>
        <extracomment>%1 is the clock in PGN&apos;s notation; %2 White&apos;s time in words, %3 Black&apos;s.</extracomment>
        <translation>%1: blancas %2; negras %3</translation>
    </message>
    <message>
        <source>no clock</source>
        <extracomment>Inside a sentence, such as &quot;New games: no clock&quot;.</extracomment>
        <translation>sin reloj</translation>
    </message>
</context>
<context>
    <name>orbel::TimeControlDialog</name>
    <message>
        <source>&amp;No clock</source>
        <translation>&amp;Sin reloj</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>&amp;1 minuto</translation>
    </message>
    <message>
        <source>&amp;3 minutes + 2 seconds a move</source>
        <translation>&amp;3 minutos + 2 segundos por jugada</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>&amp;5 minutos</translation>
    </message>
    <message>
        <source>1&amp;0 minutes + 5 seconds a move</source>
        <translation>1&amp;0 minutos + 5 segundos por jugada</translation>
    </message>
    <message>
        <source>15 m&amp;inutes + 10 seconds a move</source>
        <translation>15 m&amp;inutos + 10 segundos por jugada</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Personalizado</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minutos:</translation>
    </message>
    <message>
        <source>&amp;Seconds a move:</source>
        <translation>S&amp;egundos por jugada:</translation>
    </message>
    <message>
        <source>Mo&amp;ves:</source>
        <translation>&amp;Jugadas:</translation>
    </message>
    <message>
        <source>&amp;Then minutes:</source>
        <translation>Minutos &amp;después:</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Seconds a move</source>
        <translation>Segundos por jugada</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Then minutes</source>
        <translation>Minutos después</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>tipo</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>seconds a move</source>
        <translation>segundos por jugada</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>jugadas</translation>
    </message>
    <message>
        <source>then minutes</source>
        <translation>minutos después</translation>
    </message>
    <message>
        <source>Time Control</source>
        <translation>Control de tiempo</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negras</translation>
    </message>
    <message>
        <source>&amp;Black gets a different time</source>
        <translation>Las &amp;negras tienen otro tiempo</translation>
    </message>
    <message>
        <source>Sudden death</source>
        <translation>Muerte súbita</translation>
    </message>
    <message>
        <source>Increment (Fischer)</source>
        <translation>Incremento (Fischer)</translation>
    </message>
    <message>
        <source>Delay (Bronstein)</source>
        <translation>Retardo (Bronstein)</translation>
    </message>
    <message>
        <source>Moves per period</source>
        <translation>Jugadas por período</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blancas</translation>
    </message>
    <message>
        <source>Each side</source>
        <translation>Cada bando</translation>
    </message>
    <message>
        <source>Black&apos;s %1</source>
        <extracomment>A field&apos;s name to a screen reader: %1 is one of &quot;kind&quot;, &quot;minutes&quot;, ...</extracomment>
        <translation>%1 de las negras</translation>
    </message>
    <message>
        <source>White&apos;s %1</source>
        <extracomment>A field&apos;s name to a screen reader: %1 is one of &quot;kind&quot;, &quot;minutes&quot;, ...</extracomment>
        <translation>%1 de las blancas</translation>
    </message>
</context>
<context>
    <name>orbel::UciEngine</name>
    <message>
        <source>The engine could not be started.</source>
        <translation>No se pudo iniciar el motor.</translation>
    </message>
    <message>
        <source>The engine did not answer</source>
        <translation>El motor no respondió</translation>
    </message>
    <message>
        <source>The engine did not answer in time.</source>
        <translation>El motor no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The engine sent an illegal move: %1</source>
        <translation>El motor envió una jugada ilegal: %1</translation>
    </message>
    <message>
        <source>The engine stopped working.</source>
        <translation>El motor dejó de funcionar.</translation>
    </message>
</context>
<context>
    <name>orbel::WaitingDialog</name>
    <message>
        <source>&amp;Call Again</source>
        <translation>&amp;Llamar de nuevo</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>&amp;Terminar partida</translation>
    </message>
</context>
<context>
    <name>orbel::text</name>
    <message>
        <source>Internet Game</source>
        <translation>Partida por Internet</translation>
    </message>
    <message>
        <source>Failed Connection!</source>
        <translation>¡Conexión fallida!</translation>
    </message>
    <message>
        <source>WinSock problem - Internet play unavailable</source>
        <translation>Problema de WinSock: el juego por Internet no está disponible</translation>
    </message>
    <message>
        <source>Socket Binding Error - Internet play unavailable</source>
        <translation>Error al enlazar el socket: el juego por Internet no está disponible</translation>
    </message>
    <message>
        <source>Connection Problem - Check network settings</source>
        <translation>Problema de conexión: revise la configuración de red</translation>
    </message>
    <message>
        <source>Connection Timeout!</source>
        <translation>¡Tiempo de conexión agotado!</translation>
    </message>
    <message>
        <source>Connection Refused!</source>
        <translation>¡Conexión rechazada!</translation>
    </message>
    <message>
        <source>Incoming Request for network game!</source>
        <translation>¡Solicitud entrante de partida en red!</translation>
    </message>
    <message>
        <source>Error has occured</source>
        <translation>Se ha producido un error</translation>
    </message>
    <message>
        <source>Accept request for a game from %1
(%2)?</source>
        <translation>¿Aceptar la solicitud de partida de %1
(%2)?</translation>
    </message>
    <message>
        <source>Connection lost — waiting for %1 to come back</source>
        <translation>Conexión perdida; esperando a que %1 vuelva</translation>
    </message>
    <message>
        <source>Game request denied</source>
        <translation>Solicitud de partida rechazada</translation>
    </message>
    <message>
        <source>Opponent is playing someone else</source>
        <translation>El rival está jugando con otra persona</translation>
    </message>
    <message>
        <source>Opponent unavailable</source>
        <translation>Rival no disponible</translation>
    </message>
    <message>
        <source>Congratulations! Your opponent has resigned!</source>
        <translation>¡Enhorabuena! ¡Su rival ha abandonado!</translation>
    </message>
    <message>
        <source>Opponent has disconnected</source>
        <translation>El rival se ha desconectado</translation>
    </message>
    <message>
        <source>Transmission Error - Check you Internet connection</source>
        <translation>Error de transmisión: revise su conexión a Internet</translation>
    </message>
    <message>
        <source>Transmission Error! - Check you Internet connection</source>
        <translation>¡Error de transmisión! Revise su conexión a Internet</translation>
    </message>
    <message>
        <source>Transmission Error - Check your Internet connection</source>
        <translation>Error de transmisión: revise su conexión a Internet</translation>
    </message>
    <message>
        <source>Transmission Error - Check you network connection</source>
        <translation>Error de transmisión: revise su conexión de red</translation>
    </message>
    <message>
        <source>CloseConn() WSAAsyncSelect()</source>
        <translation>CloseConn() WSAAsyncSelect()</translation>
    </message>
    <message>
        <source>The connection was already closed.</source>
        <translation>La conexión ya estaba cerrada.</translation>
    </message>
    <message>
        <source>Your opponent sent a move that is not possible in this position. The game has been ended.</source>
        <translation>Su rival ha enviado una jugada que no es posible en esta posición. La partida ha terminado.</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Juegan las blancas</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Juegan las negras</translation>
    </message>
    <message>
        <source>Check!</source>
        <translation>¡Jaque!</translation>
    </message>
    <message>
        <source>CheckMate!</source>
        <translation>¡Jaque mate!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Computer Resign</source>
        <translation>El ordenador abandona</translation>
    </message>
    <message>
        <source>Resign!</source>
        <translation>¡Ha abandonado!</translation>
    </message>
    <message>
        <source>Internal Error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>An error has occurred that will most likely terminate your game.

Report all errors of this nature to Tessaly (bugs@orbelchess.example)</source>
        <translation>Se ha producido un error que probablemente terminará su partida.

Informe de todos los errores de este tipo a Tessaly (bugs@orbelchess.example)</translation>
    </message>
    <message>
        <source>Keys on the board
Arrow keys, move the cursor one square; up is away from you
Space or Enter, pick up the piece under the cursor, then put it down
Escape, put a picked-up piece back, or clear a typed move
Type a move and press Enter, for example e4, Nf3, exd5, O-O or e2e4; under standard rules e8=N
Backspace, take back the last typed letter
F2, the last move again, in full
F3, the rank the cursor is on
F4, the file the cursor is on
F5, the material count
F6, your pieces; Shift+F6, your opponent&apos;s pieces
F7, both clocks in a timed game; F8, pause or resume them at one board
Control+Shift+K, Q, R, B, N or P, where the kings, queens, rooks, bishops, knights or pawns stand
Page Up and Page Down, step back and forward through the moves; Home and End, the first and the last
Control+R, the whole position
Control+H, a hint: a chess engine&apos;s move for you, said and drawn as an arrow
Control+U, undo your last move
F10, the menus; F1, this list
Options, Announce Moves and Sounds turn the spoken moves and the sounds off and on
</source>
        <translation>Teclas en el tablero
Flechas, mueven el cursor una casilla; arriba es hacia el lado contrario al suyo
Espacio o Intro, levanta la pieza que está bajo el cursor y luego la suelta
Escape, devuelve a su sitio una pieza levantada o borra una jugada escrita
Escriba una jugada y pulse Intro, por ejemplo e4, Cf3, exd5, O-O o e2e4; con reglas estándar, e8=C
Retroceso, borra la última letra escrita
F2, repite entera la última jugada
F3, la fila en la que está el cursor
F4, la columna en la que está el cursor
F5, el recuento de material
F6, sus piezas; Mayús+F6, las piezas de su rival
F7, los dos relojes en una partida con reloj; F8, los pausa o reanuda si juegan dos en el mismo tablero
Control+Mayús+K, Q, R, B, N o P, dónde están los reyes, las damas, las torres, los alfiles, los caballos o los peones
Página arriba y Página abajo, retroceden y avanzan por las jugadas; Inicio y Fin, la primera y la última
Control+R, toda la posición
Control+H, una pista: la jugada que le propone un motor de ajedrez, leída en voz alta y dibujada como una flecha
Control+U, deshace su última jugada
F10, los menús; F1, esta lista
Opciones, Anunciar jugadas y Sonidos activan y desactivan las jugadas habladas y los sonidos
</translation>
    </message>
    <message>
        <source>Orbel Chess Version 3.0

© 2026 the Orbel Chess developers</source>
        <translation>Ajedrez Orbel versión 3.0

© 2026 los desarrolladores de Ajedrez Orbel</translation>
    </message>
    <message>
        <source>Orbel Chess is a complete chess game with the added feature of direct Internet play. 

- Orbel Chess&apos;s main AI includes three difficulty levels for customized game play.

</source>
        <translation>Ajedrez Orbel es un juego de ajedrez completo que además permite jugar directamente por Internet. 

- La IA principal de Ajedrez Orbel tiene tres niveles de dificultad para adaptar el juego a cada jugador.

</translation>
    </message>
    <message>
        <source>- Direct Internet play support allows for friends to challenge each other from remote locations.

All bugs should be reported to bugs@orbelchess.example</source>
        <translation>- El juego directo por Internet permite a los amigos desafiarse desde cualquier lugar.

Informe de todos los errores a bugs@orbelchess.example</translation>
    </message>
    <message>
        <source>Orbel Chess has undergone many changes which are listed below.

- Direct Internet play support! Orbel Chess now allows users to challenge friends across the Internet.

- Two player option 

- Ability to save and reload games

</source>
        <translation>Ajedrez Orbel ha tenido muchos cambios, que se enumeran a continuación.

- ¡Juego directo por Internet! Ajedrez Orbel permite ahora desafiar a sus amigos a través de Internet.

- Opción de dos jugadores 

- Posibilidad de guardar y volver a cargar partidas

</translation>
    </message>
    <message>
        <source>- GUI improvements including option to view chess board coordinates

- Key bug fixes to make the game as stable as ever.</source>
        <translation>- Mejoras en la interfaz, entre ellas la opción de ver las coordenadas del tablero

- Importantes correcciones de errores para que el juego sea más estable que nunca.</translation>
    </message>
</context>
</TS>
