<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>orbel::AddressLines</name>
    <message>
        <source>For friends on the Internet to reach you over IPv4, turn on Accept Calls from the Internet, or forward TCP port %1 on your router to this computer.</source>
        <extracomment>%1 is a port number. &quot;Accept Calls from the Internet&quot; is a menu item.</extracomment>
        <translation>Damit Freunde Sie aus dem Internet über IPv4 erreichen können, schalten Sie „Verbindungen aus dem Internet annehmen“ ein oder leiten Sie den TCP-Port %1 Ihres Routers an diesen Computer weiter.</translation>
    </message>
    <message>
        <source>For friends on the Internet to reach you over IPv4, forward TCP port %1 on your router to this computer.</source>
        <extracomment>%1 is a port number.</extracomment>
        <translation>Damit Freunde Sie aus dem Internet über IPv4 erreichen können, leiten Sie den TCP-Port %1 Ihres Routers an diesen Computer weiter.</translation>
    </message>
    <message>
        <source>Asking your router to let calls from the Internet in...</source>
        <translation>Ihr Router wird gebeten, Verbindungen aus dem Internet durchzulassen...</translation>
    </message>
    <message>
        <source>Your router did not let calls in (%1): forward TCP port %2 on your router to this computer.</source>
        <extracomment>%1 says why the router refused; %2 is a port number.</extracomment>
        <translation>Ihr Router hat keine Verbindungen durchgelassen (%1): Leiten Sie den TCP-Port %2 Ihres Routers an diesen Computer weiter.</translation>
    </message>
    <message>
        <source>%1 (from the Internet, through a pinhole your router opened)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (aus dem Internet, durch eine Freigabe, die Ihr Router geöffnet hat)</translation>
    </message>
    <message>
        <source>%1 (from the Internet only if your router lets calls in)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (aus dem Internet nur, wenn Ihr Router Verbindungen durchlässt)</translation>
    </message>
    <message>
        <source>%1 (your local network only)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (nur Ihr lokales Netzwerk)</translation>
    </message>
    <message>
        <source>%1 (from the Internet, through your router)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (aus dem Internet, über Ihren Router)</translation>
    </message>
    <message>
        <source>Most home routers stop calls from the Internet to IPv6 addresses; look for &quot;allow incoming&quot; or &quot;pinhole&quot; in yours.</source>
        <translation>Die meisten Heimrouter sperren Verbindungen aus dem Internet zu IPv6-Adressen; suchen Sie in Ihrem Router nach „eingehende Verbindungen erlauben“, „Freigabe“ oder „Pinhole“.</translation>
    </message>
    <message>
        <source>If this computer has a firewall, let TCP port %1 in: sudo ufw allow %1/tcp, or sudo firewall-cmd --permanent --add-port=%1/tcp; sudo firewall-cmd --reload.</source>
        <extracomment>%1 is a port number; the commands stay as they are.</extracomment>
        <translation>Falls dieser Computer eine Firewall hat, lassen Sie TCP-Port %1 durch: sudo ufw allow %1/tcp, oder sudo firewall-cmd --permanent --add-port=%1/tcp; sudo firewall-cmd --reload.</translation>
    </message>
</context>
<context>
    <name>orbel::BoardAccessible</name>
    <message>
        <source>Arrow keys move the cursor, Space picks up and puts down, Escape puts back; or type a move and press Enter. Control+R reads the position.</source>
        <translation>Pfeiltasten bewegen den Cursor, Leertaste nimmt auf und setzt ab, Esc stellt zurück; oder tippen Sie einen Zug und drücken Sie die Eingabetaste. Strg+R liest die Stellung vor.</translation>
    </message>
    <message>
        <source>Board and score</source>
        <translation>Brett und Notation</translation>
    </message>
    <message>
        <source>Chess board</source>
        <translation>Schachbrett</translation>
    </message>
</context>
<context>
    <name>orbel::BoardKeys</name>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n Figur</numerusform>
            <numerusform>%n Figuren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pawns</source>
        <translation>
            <numerusform>%n Bauer</numerusform>
            <numerusform>%n Bauern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n knights</source>
        <translation>
            <numerusform>%n Springer</numerusform>
            <numerusform>%n Springer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bishops</source>
        <translation>
            <numerusform>%n Läufer</numerusform>
            <numerusform>%n Läufer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rooks</source>
        <translation>
            <numerusform>%n Turm</numerusform>
            <numerusform>%n Türme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queens</source>
        <translation>
            <numerusform>%n Dame</numerusform>
            <numerusform>%n Damen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kings</source>
        <translation>
            <numerusform>%n König</numerusform>
            <numerusform>%n Könige</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>No move yet.</source>
        <translation>Noch kein Zug.</translation>
    </message>
    <message>
        <source>Start of the moves.</source>
        <translation>Anfang der Züge.</translation>
    </message>
    <message>
        <source>End of the moves.</source>
        <translation>Ende der Züge.</translation>
    </message>
    <message>
        <source>Move %1, White, %2</source>
        <translation>Zug %1, Weiß, %2</translation>
    </message>
    <message>
        <source>Move %1, Black, %2</source>
        <translation>Zug %1, Schwarz, %2</translation>
    </message>
    <message>
        <source>, checkmate</source>
        <translation>, Schachmatt</translation>
    </message>
    <message>
        <source>, check</source>
        <translation>, Schach</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>No move</source>
        <translation>Kein Zug</translation>
    </message>
    <message>
        <source>%1. %2 back on %3.</source>
        <translation>%1. %2 zurück auf %3.</translation>
    </message>
    <message>
        <source>No piece to move on %1</source>
        <translation>Keine Figur zum Ziehen auf %1</translation>
    </message>
    <message>
        <source>Not your move</source>
        <translation>Sie sind nicht am Zug</translation>
    </message>
    <message>
        <source>Holding %1 %2</source>
        <translation>In der Hand: %1 %2</translation>
    </message>
    <message>
        <source>Put back on %1</source>
        <translation>Zurückgestellt auf %1</translation>
    </message>
    <message>
        <source>Not your move: %1</source>
        <translation>Sie sind nicht am Zug: %1</translation>
    </message>
    <message>
        <source>Not your move.</source>
        <translation>Sie sind nicht am Zug.</translation>
    </message>
    <message>
        <source>K Q R B N</source>
        <extracomment>The piece letters a player types in moves: king, queen, rook, bishop and knight, apart by spaces, each in upper case as the language&apos;s chess books write them (in German &quot;K D T L S&quot;).</extracomment>
        <translation>K D T L S</translation>
    </message>
    <message>
        <source>Not a move, %1.</source>
        <translation>Kein Zug, %1.</translation>
    </message>
    <message>
        <source>No such move, %1.</source>
        <translation>Zug nicht möglich, %1.</translation>
    </message>
    <message>
        <source> %1.</source>
        <translation> %1.</translation>
    </message>
    <message>
        <source>Move: %1</source>
        <translation>Zug: %1</translation>
    </message>
    <message>
        <source>No game on the board.</source>
        <translation>Keine Partie auf dem Brett.</translation>
    </message>
    <message>
        <source>Computer has lost: %1</source>
        <translation>Verlorene Figuren des Computers: %1</translation>
    </message>
    <message>
        <source>Player has lost: %1</source>
        <translation>Verlorene Figuren des Spielers: %1</translation>
    </message>
</context>
<context>
    <name>orbel::BoardScene</name>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
</context>
<context>
    <name>orbel::Brain</name>
    <message>
        <source>mate in %1</source>
        <translation>Matt in %1</translation>
    </message>
    <message>
        <source>mated in %1</source>
        <translation>wird matt in %1</translation>
    </message>
    <message>
        <source>%1, depth %2</source>
        <translation>%1, Tiefe %2</translation>
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
        <translation>Bis zu %1 Zeichen; Eingabetaste sendet</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>Room left in the chat line: %1 is a number of characters.</extracomment>
        <translation>noch %1</translation>
    </message>
</context>
<context>
    <name>orbel::ClockText</name>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>%1.%2 seconds</source>
        <translation>%1,%2 Sekunden</translation>
    </message>
</context>
<context>
    <name>orbel::CommandLine</name>
    <message>
        <source>no display to show the game on (none of DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set).</source>
        <translation>kein Bildschirm, auf dem das Spiel angezeigt werden kann (weder DISPLAY noch WAYLAND_DISPLAY noch QT_QPA_PLATFORM ist gesetzt).</translation>
    </message>
    <message>
        <source>Orbel Chess: a chess game against the computer, a friend at the same machine, or a friend across the Internet.</source>
        <translation>Orbel Schach: ein Schachspiel gegen den Computer, gegen einen Freund am selben Computer oder gegen einen Freund über das Internet.</translation>
    </message>
    <message>
        <source>Listen for network games on &lt;port&gt; instead of %1 (a second copy on one machine, or a network that blocks %1); callers then name it as host:&lt;port&gt;.</source>
        <translation>Auf &lt;Port&gt; statt auf %1 auf Netzwerkspiele warten (für eine zweite Kopie auf demselben Computer oder ein Netzwerk, das %1 sperrt); Anrufer geben dann host:&lt;Port&gt; an.</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The name of the option&apos;s value in --help, as in --port &lt;port&gt;.</extracomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Do not ask the home router (UPnP) to forward the port to this computer.</source>
        <translation>Den Heimrouter nicht per UPnP bitten, den Port an diesen Computer weiterzuleiten.</translation>
    </message>
    <message>
        <source>saved-game</source>
        <translation>Spielstand</translation>
    </message>
    <message>
        <source>A saved game (*.KRV) to continue at start, as Load Game would.</source>
        <translation>Ein gespeichertes Spiel (*.KRV), das beim Start fortgesetzt wird, wie mit „Spiel laden“.</translation>
    </message>
    <message>
        <source>[saved-game]</source>
        <translation>[Spielstand]</translation>
    </message>
    <message>
        <source>Print the saved game&apos;s position as FEN and as a PGN header, then exit.</source>
        <translation>Die Stellung des gespeicherten Spiels als FEN und als PGN-Kopf ausgeben, dann beenden.</translation>
    </message>
    <message>
        <source>one saved game at most, %1 given.</source>
        <translation>höchstens ein gespeichertes Spiel, %1 angegeben.</translation>
    </message>
    <message>
        <source>--port takes a port number from 1 to 65535, not &apos;%1&apos;.</source>
        <translation>--port erwartet eine Portnummer von 1 bis 65535, nicht „%1“.</translation>
    </message>
</context>
<context>
    <name>orbel::ConnectingDialog</name>
    <message>
        <source>Attempting connection.....
Please Wait.....</source>
        <translation>Verbindung wird hergestellt...
Bitte warten...</translation>
    </message>
    <message>
        <source>Cancel Connect</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>orbel::DrawReason</name>
    <message>
        <source>stalemate</source>
        <translation>Patt</translation>
    </message>
    <message>
        <source>insufficient material</source>
        <translation>unzureichendes Material</translation>
    </message>
    <message>
        <source>threefold repetition</source>
        <translation>dreifache Stellungswiederholung</translation>
    </message>
    <message>
        <source>the fifty-move rule</source>
        <translation>50-Züge-Regel</translation>
    </message>
    <message>
        <source>fivefold repetition</source>
        <translation>fünffache Stellungswiederholung</translation>
    </message>
    <message>
        <source>the seventy-five-move rule</source>
        <translation>75-Züge-Regel</translation>
    </message>
    <message>
        <source>agreement</source>
        <translation>Vereinbarung</translation>
    </message>
    <message>
        <source>timeout against insufficient material</source>
        <translation>Zeitüberschreitung bei unzureichendem Material</translation>
    </message>
</context>
<context>
    <name>orbel::EngineList</name>
    <message>
        <source>This is not a program that can be run:
%1</source>
        <translation>Dies ist kein ausführbares Programm:
%1</translation>
    </message>
    <message>
        <source>This engine is already on the list:
%1</source>
        <translation>Diese Engine ist bereits in der Liste:
%1</translation>
    </message>
    <message>
        <source>At most %1 engines can be added. Remove one first.</source>
        <translation>Es können höchstens %1 Engines hinzugefügt werden. Entfernen Sie zuerst eine.</translation>
    </message>
</context>
<context>
    <name>orbel::EnginesDialog</name>
    <message>
        <source>Asking...</source>
        <extracomment>An engine&apos;s state: its name and author are being asked for.</extracomment>
        <translation>Anfrage...</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>An engine&apos;s state: it answered and can play.</extracomment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Engines</translation>
    </message>
    <message>
        <source>Chess engines that speak UCI can be chosen in New Game Setup. The first one gives the hints.</source>
        <translation>Schach-Engines, die UCI sprechen, können unter „Neues Spiel einrichten“ gewählt werden. Die erste gibt die Tipps.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 (installed)</source>
        <extracomment>%1 is the path of an engine the system installed, not one the user added.</extracomment>
        <translation>%1 (installiert)</translation>
    </message>
    <message>
        <source>No engine found: install stockfish or add one.</source>
        <translation>Keine Engine gefunden: Installieren Sie stockfish oder fügen Sie eine hinzu.</translation>
    </message>
</context>
<context>
    <name>orbel::GameFiles</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Orbel Chess Saved Game Files (*.KRV)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Gespeicherte Orbel-Schach-Spiele (*.KRV)</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>Das Spiel konnte nicht in „%1“ gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>It is not an Orbel Chess saved game.</source>
        <translation>Dies ist kein gespeichertes Orbel-Schach-Spiel.</translation>
    </message>
    <message>
        <source>The game could not be loaded from &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>Das Spiel konnte nicht aus „%1“ geladen werden:
%2</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Spiel laden</translation>
    </message>
</context>
<context>
    <name>orbel::Hints</name>
    <message>
        <source>Hints need a chess engine, such as Stockfish (sudo apt install stockfish).</source>
        <translation>Tipps brauchen eine Schach-Engine wie Stockfish (sudo apt install stockfish).</translation>
    </message>
    <message>
        <source>There is no move to hint at.</source>
        <translation>Es gibt keinen Zug für einen Tipp.</translation>
    </message>
</context>
<context>
    <name>orbel::InfoDialog</name>
    <message>
        <source>About Orbel Chess 3.0</source>
        <translation>Über Orbel Schach 3.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>What&apos;s new in 3.0?</source>
        <translation>Was ist neu in 3.0?</translation>
    </message>
</context>
<context>
    <name>orbel::InternetGameDialog</name>
    <message>
        <source>Enter &amp;host name or IP address of opponent</source>
        <translation>&amp;Hostname oder IP-Adresse des Gegners eingeben</translation>
    </message>
    <message>
        <source>Enter your &amp;nickname</source>
        <translation>Ihren Spitz&amp;namen eingeben</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Weiß</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Schwarz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation>&amp;Bedenkzeit...</translation>
    </message>
    <message>
        <source>You must supply a nickname!</source>
        <translation>Bitte geben Sie einen Spitznamen ein!</translation>
    </message>
    <message>
        <source>You must supply an address!</source>
        <translation>Bitte geben Sie eine Adresse ein!</translation>
    </message>
</context>
<context>
    <name>orbel::KeysDialog</name>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Keys on the board</source>
        <translation>Tasten auf dem Brett</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>orbel::MainWindow</name>
    <message>
        <source>Orbel Chess 3.0</source>
        <translation>Orbel Schach 3.0</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New 1 Player Game</source>
        <translation>&amp;Neues Spiel (1 Spieler)</translation>
    </message>
    <message>
        <source>N&amp;ew 2 Player Game</source>
        <translation>Neues Spiel (2 S&amp;pieler)</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation>Spiel &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Open PGN or FEN...</source>
        <translation>PGN oder FEN &amp;öffnen...</translation>
    </message>
    <message>
        <source>Export &amp;Game (PGN)...</source>
        <translation>Partie e&amp;xportieren (PGN)...</translation>
    </message>
    <message>
        <source>&amp;Copy Game as PGN</source>
        <translation>Partie als PGN &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy Position as &amp;FEN</source>
        <translation>Stellung als &amp;FEN kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Position or Game</source>
        <translation>Stellung oder Partie &amp;einfügen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>Zug &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Resign</source>
        <translation>&amp;Aufgeben</translation>
    </message>
    <message>
        <source>Offer &amp;Draw</source>
        <translation>&amp;Remis anbieten</translation>
    </message>
    <message>
        <source>&amp;Claim Draw</source>
        <translation>Remis re&amp;klamieren</translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation>&amp;Bedenkzeit...</translation>
    </message>
    <message>
        <source>Pause Cloc&amp;ks</source>
        <extracomment>A menu item.</extracomment>
        <translation>&amp;Uhren anhalten</translation>
    </message>
    <message>
        <source>Read &amp;Position</source>
        <translation>&amp;Stellung vorlesen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Options/&amp;Color</source>
        <translation>&amp;Optionen/&amp;Farbe</translation>
    </message>
    <message>
        <source>&amp;Dark Square</source>
        <translation>&amp;Dunkle Felder</translation>
    </message>
    <message>
        <source>&amp;Light Square</source>
        <translation>&amp;Helle Felder</translation>
    </message>
    <message>
        <source>&amp;Original Colors</source>
        <translation>&amp;Originalfarben</translation>
    </message>
    <message>
        <source>&amp;Options/&amp;Piece Set</source>
        <translation>&amp;Optionen/F&amp;igurensatz</translation>
    </message>
    <message>
        <source>Dudidi</source>
        <translation>Dudidi</translation>
    </message>
    <message>
        <source>Ferrow Color 1</source>
        <translation>Ferrow Farbe 1</translation>
    </message>
    <message>
        <source>Ferrow Color 2</source>
        <translation>Ferrow Farbe 2</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Show/Hide Coordinates</source>
        <translation>&amp;Koordinaten ein/aus</translation>
    </message>
    <message>
        <source>&amp;Announce Moves</source>
        <translation>&amp;Züge ansagen</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>&amp;Töne</translation>
    </message>
    <message>
        <source>S&amp;tandard Chess Rules</source>
        <translation>&amp;Standard-Schachregeln</translation>
    </message>
    <message>
        <source>&amp;Engines...</source>
        <translation>&amp;Engines...</translation>
    </message>
    <message>
        <source>&amp;Network Play</source>
        <translation>&amp;Netzwerkspiel</translation>
    </message>
    <message>
        <source>&amp;Direct Network Game</source>
        <translation>&amp;Direktes Netzwerkspiel</translation>
    </message>
    <message>
        <source>Your Network &amp;Address...</source>
        <translation>Ihre &amp;Netzwerkadresse...</translation>
    </message>
    <message>
        <source>Accept Calls from the &amp;Internet</source>
        <translation>Verbindungen aus dem &amp;Internet annehmen</translation>
    </message>
    <message>
        <source>&amp;Kill Game (Opponent is lagging or gone ONLY)</source>
        <translation>Spiel a&amp;bbrechen (nur wenn der Gegner hängt oder weg ist)</translation>
    </message>
    <message>
        <source>Ask to &amp;Take Back Move</source>
        <translation>&amp;Zugrücknahme erbitten</translation>
    </message>
    <message>
        <source>Re&amp;match</source>
        <translation>Re&amp;vanche</translation>
    </message>
    <message>
        <source>&amp;Call Again</source>
        <translation>&amp;Erneut verbinden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New in 3.0</source>
        <translation>&amp;Neues in 3.0</translation>
    </message>
    <message>
        <source>&amp;About Orbel Chess 3.0...</source>
        <translation>&amp;Über Orbel Schach 3.0...</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tastatur</translation>
    </message>
    <message>
        <source>Brain:</source>
        <translation>Analyse:</translation>
    </message>
    <message>
        <source>Black:</source>
        <translation>Schwarz:</translation>
    </message>
    <message>
        <source>White:</source>
        <translation>Weiß:</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Chat:</source>
        <translation>Chat:</translation>
    </message>
    <message>
        <source>Chat line</source>
        <translation>Chatzeile</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>* %1&apos;s clock read %2, more than it can have: kept at %3.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname, %2 and %3 clock readings.</extracomment>
        <translation>* Die Uhr von %1 zeigte %2, mehr als möglich: Sie bleibt bei %3.</translation>
    </message>
    <message>
        <source>* %1&apos;s clock reads %2; this copy counted %3.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname, %2 and %3 clock readings.</extracomment>
        <translation>* Die Uhr von %1 zeigt %2; diese Kopie hat %3 gezählt.</translation>
    </message>
    <message>
        <source>%1&apos;s time is up; waiting for %1&apos;s copy to confirm</source>
        <extracomment>%1 is the opponent&apos;s nickname; their copy of the game must confirm.</extracomment>
        <translation>Die Zeit von %1 ist abgelaufen; warte auf die Bestätigung der Kopie von %1</translation>
    </message>
    <message>
        <source>* %1&apos;s copy did not confirm its time was up.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname.</extracomment>
        <translation>* Die Kopie von %1 hat den Zeitablauf nicht bestätigt.</translation>
    </message>
    <message>
        <source>Resume Cloc&amp;ks</source>
        <extracomment>A menu item.</extracomment>
        <translation>&amp;Uhren fortsetzen</translation>
    </message>
    <message>
        <source>Clocks running.</source>
        <translation>Uhren laufen.</translation>
    </message>
    <message>
        <source>Clocks paused</source>
        <translation>Uhren angehalten</translation>
    </message>
    <message>
        <source>Clocks paused.</source>
        <translation>Uhren angehalten.</translation>
    </message>
    <message>
        <source>This game has no clocks.</source>
        <translation>Diese Partie hat keine Uhren.</translation>
    </message>
    <message>
        <source>White %1. Black %2. Paused.</source>
        <extracomment>Spoken: %1 and %2 are the times left, in words.</extracomment>
        <translation>Weiß %1. Schwarz %2. Angehalten.</translation>
    </message>
    <message>
        <source>White %1. Black %2.</source>
        <extracomment>Spoken: %1 and %2 are the times left, in words.</extracomment>
        <translation>Weiß %1. Schwarz %2.</translation>
    </message>
    <message>
        <source>You have one minute left.</source>
        <translation>Sie haben noch eine Minute.</translation>
    </message>
    <message>
        <source>You have ten seconds left.</source>
        <translation>Sie haben noch zehn Sekunden.</translation>
    </message>
    <message>
        <source>White has one minute left.</source>
        <translation>Weiß hat noch eine Minute.</translation>
    </message>
    <message>
        <source>White has ten seconds left.</source>
        <translation>Weiß hat noch zehn Sekunden.</translation>
    </message>
    <message>
        <source>Black has one minute left.</source>
        <translation>Schwarz hat noch eine Minute.</translation>
    </message>
    <message>
        <source>Black has ten seconds left.</source>
        <translation>Schwarz hat noch zehn Sekunden.</translation>
    </message>
    <message>
        <source>White&apos;s time is up. Black wins on time.</source>
        <translation>Weiß hat die Zeit überschritten. Schwarz gewinnt auf Zeit.</translation>
    </message>
    <message>
        <source>Black&apos;s time is up. White wins on time.</source>
        <translation>Schwarz hat die Zeit überschritten. Weiß gewinnt auf Zeit.</translation>
    </message>
    <message>
        <source>Game saved as %1 in %2.</source>
        <translation>Spiel als %1 in %2 gespeichert.</translation>
    </message>
    <message>
        <source>Game loaded from %1 in %2. %3</source>
        <translation>Spiel aus %1 in %2 geladen. %3</translation>
    </message>
    <message>
        <source>Standard chess rules from the next new game.</source>
        <translation>Standard-Schachregeln ab dem nächsten neuen Spiel.</translation>
    </message>
    <message>
        <source>Orbel rules from the next new game.</source>
        <translation>Orbel-Regeln ab dem nächsten neuen Spiel.</translation>
    </message>
    <message>
        <source>Calls from the Internet: your router is asked to let them in.</source>
        <translation>Verbindungen aus dem Internet: Ihr Router wird gebeten, sie durchzulassen.</translation>
    </message>
    <message>
        <source>Calls from the Internet: no longer let in by your router.</source>
        <translation>Verbindungen aus dem Internet: Ihr Router lässt sie nicht mehr durch.</translation>
    </message>
    <message>
        <source>New games: %1</source>
        <translation>Neue Spiele: %1</translation>
    </message>
    <message>
        <source>A copy of an older version plays without a clock.</source>
        <translation>Eine Kopie einer älteren Version spielt ohne Uhr.</translation>
    </message>
    <message>
        <source>Engine</source>
        <extracomment>The caption of an engine&apos;s failure box when the engine gave no name.</extracomment>
        <translation>Engine</translation>
    </message>
    <message>
        <source>%1

Shall the computer finish the game?</source>
        <translation>%1

Soll der Computer die Partie zu Ende spielen?</translation>
    </message>
    <message>
        <source>Add an Engine</source>
        <translation>Engine hinzufügen</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Engines</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Schwerer Fehler</translation>
    </message>
    <message>
        <source>%1 is back. %2</source>
        <translation>%1 ist zurück. %2</translation>
    </message>
    <message>
        <source>Standard chess rules, as engines play</source>
        <translation>Standard-Schachregeln, wie Engines spielen</translation>
    </message>
    <message>
        <source>Standard chess rules</source>
        <translation>Standard-Schachregeln</translation>
    </message>
    <message>
        <source>Orbel 3.0 rules</source>
        <translation>Orbel-3.0-Regeln</translation>
    </message>
    <message>
        <source>The game is drawn by %1.</source>
        <translation>Die Partie endet remis: %1.</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Remis</translation>
    </message>
    <message>
        <source>The computer resigns. You win.</source>
        <translation>Der Computer gibt auf. Sie gewinnen.</translation>
    </message>
    <message>
        <source>* %1&apos;s copy plays by the Orbel 3.0 rules only.</source>
        <translation>* Die Kopie von %1 spielt nur nach den Orbel-3.0-Regeln.</translation>
    </message>
    <message>
        <source>* %1&apos;s copy has no clocks: this game is untimed.</source>
        <translation>* Die Kopie von %1 hat keine Uhren: Diese Partie wird ohne Bedenkzeit gespielt.</translation>
    </message>
    <message>
        <source>White&apos;s %1</source>
        <translation>%1 von Weiß</translation>
    </message>
    <message>
        <source>Black&apos;s %1</source>
        <translation>%1 von Schwarz</translation>
    </message>
    <message>
        <source>your %1</source>
        <translation>Ihr Zug %1</translation>
    </message>
    <message>
        <source>the computer&apos;s %1</source>
        <translation>%1 des Computers</translation>
    </message>
    <message>
        <source>your opponent&apos;s %1</source>
        <translation>%1 Ihres Gegners</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>The moves taken back are joined by &quot; and &quot;.</extracomment>
        <translation> und </translation>
    </message>
    <message>
        <source>Nothing taken back.</source>
        <translation>Nichts zurückgenommen.</translation>
    </message>
    <message>
        <source>Taken back %1.</source>
        <translation>Zurückgenommen: %1.</translation>
    </message>
    <message>
        <source>White to move, check.</source>
        <translation>Weiß am Zug, Schach.</translation>
    </message>
    <message>
        <source>Black to move, check.</source>
        <translation>Schwarz am Zug, Schach.</translation>
    </message>
    <message>
        <source>White to move.</source>
        <translation>Weiß am Zug.</translation>
    </message>
    <message>
        <source>Black to move.</source>
        <translation>Schwarz am Zug.</translation>
    </message>
    <message>
        <source>White offers a draw. Does Black accept?</source>
        <translation>Weiß bietet Remis an. Nimmt Schwarz an?</translation>
    </message>
    <message>
        <source>Black offers a draw. Does White accept?</source>
        <translation>Schwarz bietet Remis an. Nimmt Weiß an?</translation>
    </message>
    <message>
        <source>Offer Draw</source>
        <translation>Remis anbieten</translation>
    </message>
    <message>
        <source>The computer declines the draw.</source>
        <translation>Der Computer lehnt das Remis ab.</translation>
    </message>
    <message>
        <source>%1 says, %2</source>
        <translation>%1 sagt: %2</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <extracomment>In the status bar; %1 is the move in algebraic notation, such as Nf3.</extracomment>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <extracomment>Spoken; %1 is the move in words.</extracomment>
        <translation>Tipp: %1.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Hint: wait for the computer&apos;s move</source>
        <translation>Tipp: Warten Sie auf den Zug des Computers</translation>
    </message>
    <message>
        <source>Asking the engine for a hint...</source>
        <translation>Die Engine wird um einen Tipp gebeten...</translation>
    </message>
    <message>
        <source>Value:</source>
        <extracomment>Before the computer&apos;s or the engine&apos;s value of the position, as in &quot;Value: 34&quot;.</extracomment>
        <translation>Wert:</translation>
    </message>
</context>
<context>
    <name>orbel::MoveText</name>
    <message>
        <source>not a move</source>
        <translation>kein Zug</translation>
    </message>
    <message>
        <source>no such move</source>
        <translation>dieser Zug ist nicht möglich</translation>
    </message>
    <message>
        <source>which piece</source>
        <translation>welche Figur</translation>
    </message>
    <message>
        <source>which pawn</source>
        <translation>welcher Bauer</translation>
    </message>
    <message>
        <source>which knight</source>
        <translation>welcher Springer</translation>
    </message>
    <message>
        <source>which bishop</source>
        <translation>welcher Läufer</translation>
    </message>
    <message>
        <source>which rook</source>
        <translation>welcher Turm</translation>
    </message>
    <message>
        <source>which queen</source>
        <translation>welche Dame</translation>
    </message>
    <message>
        <source>which king</source>
        <translation>welcher König</translation>
    </message>
    <message>
        <source>Which piece? %1</source>
        <translation>Welche Figur? %1</translation>
    </message>
    <message>
        <source>Which pawn? %1</source>
        <translation>Welcher Bauer? %1</translation>
    </message>
    <message>
        <source>Which knight? %1</source>
        <translation>Welcher Springer? %1</translation>
    </message>
    <message>
        <source>Which bishop? %1</source>
        <translation>Welcher Läufer? %1</translation>
    </message>
    <message>
        <source>Which rook? %1</source>
        <translation>Welcher Turm? %1</translation>
    </message>
    <message>
        <source>Which queen? %1</source>
        <translation>Welche Dame? %1</translation>
    </message>
    <message>
        <source>Which king? %1</source>
        <translation>Welcher König? %1</translation>
    </message>
    <message>
        <source>pawns always become queens</source>
        <translation>Bauern werden immer zur Dame</translation>
    </message>
    <message>
        <source>no en passant in these rules</source>
        <translation>kein en passant nach diesen Regeln</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Not a move: %1</source>
        <translation>Kein Zug: %1</translation>
    </message>
    <message>
        <source>No such move: %1</source>
        <translation>Zug nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>orbel::NetDialogs</name>
    <message>
        <source>Invalid Information</source>
        <translation>Ungültige Angaben</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkAddressDialog</name>
    <message>
        <source>Your Network Address</source>
        <translation>Ihre Netzwerkadresse</translation>
    </message>
    <message>
        <source>Others can call this copy of Orbel Chess at:</source>
        <translation>Andere können diese Kopie von Orbel Schach hier erreichen:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Accept calls from the &amp;Internet</source>
        <translation>Verbindungen aus dem &amp;Internet annehmen</translation>
    </message>
    <message>
        <source>While this is on, your router is asked to pass calls to this computer, from anyone who has your address.</source>
        <translation>Solange dies eingeschaltet ist, wird Ihr Router gebeten, Verbindungen von allen, die Ihre Adresse kennen, an diesen Computer weiterzuleiten.</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkPlay</name>
    <message>
        <source>%1 failed,%2

%3</source>
        <extracomment>%1 is the name of an operation, %2 a run of spaces, %3 what went wrong.</extracomment>
        <translation>%1 fehlgeschlagen,%2

%3</translation>
    </message>
    <message>
        <source>Refused a call from %1: another call is being answered.</source>
        <extracomment>In the status bar: %1 is the caller&apos;s network address.</extracomment>
        <translation>Verbindung von %1 abgelehnt: Eine andere Verbindung wird gerade angenommen.</translation>
    </message>
    <message>
        <source>* %1 accepts the draw.</source>
        <translation>* %1 nimmt das Remis an.</translation>
    </message>
    <message>
        <source>* %1 declines the draw.</source>
        <translation>* %1 lehnt das Remis ab.</translation>
    </message>
    <message>
        <source>* You accept the draw.</source>
        <translation>* Sie nehmen das Remis an.</translation>
    </message>
    <message>
        <source>* You decline the draw.</source>
        <translation>* Sie lehnen das Remis ab.</translation>
    </message>
    <message>
        <source>* %1 accepts the takeback.</source>
        <translation>* %1 stimmt der Zugrücknahme zu.</translation>
    </message>
    <message>
        <source>* %1 declines the takeback.</source>
        <translation>* %1 lehnt die Zugrücknahme ab.</translation>
    </message>
    <message>
        <source>* You accept the takeback.</source>
        <translation>* Sie stimmen der Zugrücknahme zu.</translation>
    </message>
    <message>
        <source>* You decline the takeback.</source>
        <translation>* Sie lehnen die Zugrücknahme ab.</translation>
    </message>
    <message>
        <source>* %1 accepts the rematch.</source>
        <translation>* %1 nimmt die Revanche an.</translation>
    </message>
    <message>
        <source>* %1 declines the rematch.</source>
        <translation>* %1 lehnt die Revanche ab.</translation>
    </message>
    <message>
        <source>* You accept the rematch.</source>
        <translation>* Sie nehmen die Revanche an.</translation>
    </message>
    <message>
        <source>* You decline the rematch.</source>
        <translation>* Sie lehnen die Revanche ab.</translation>
    </message>
    <message>
        <source>* You offer a draw.</source>
        <translation>* Sie bieten Remis an.</translation>
    </message>
    <message>
        <source>* You ask to take back your last move.</source>
        <translation>* Sie bitten darum, Ihren letzten Zug zurücknehmen zu dürfen.</translation>
    </message>
    <message>
        <source>* You offer a rematch.</source>
        <translation>* Sie bieten eine Revanche an.</translation>
    </message>
    <message>
        <source>* %1 offers a draw.</source>
        <translation>* %1 bietet Remis an.</translation>
    </message>
    <message>
        <source>%1 offers a draw. Do you accept?</source>
        <translation>%1 bietet Remis an. Nehmen Sie an?</translation>
    </message>
    <message>
        <source>Offer Draw</source>
        <translation>Remis anbieten</translation>
    </message>
    <message>
        <source>* %1 asks to take back their last move.</source>
        <translation>* %1 bittet darum, den letzten Zug zurücknehmen zu dürfen.</translation>
    </message>
    <message>
        <source>%1 asks to take back their last move. Do you allow it?</source>
        <translation>%1 bittet darum, den letzten Zug zurücknehmen zu dürfen. Erlauben Sie das?</translation>
    </message>
    <message>
        <source>Take Back Move</source>
        <translation>Zug zurücknehmen</translation>
    </message>
    <message>
        <source>* %1 offers a rematch, you playing White.</source>
        <translation>* %1 bietet eine Revanche an, Sie spielen Weiß.</translation>
    </message>
    <message>
        <source>%1 offers a rematch, you playing White. Do you accept?</source>
        <translation>%1 bietet eine Revanche an, Sie spielen Weiß. Nehmen Sie an?</translation>
    </message>
    <message>
        <source>* %1 offers a rematch, you playing Black.</source>
        <translation>* %1 bietet eine Revanche an, Sie spielen Schwarz.</translation>
    </message>
    <message>
        <source>%1 offers a rematch, you playing Black. Do you accept?</source>
        <translation>%1 bietet eine Revanche an, Sie spielen Schwarz. Nehmen Sie an?</translation>
    </message>
    <message>
        <source>Rematch</source>
        <translation>Revanche</translation>
    </message>
    <message>
        <source>%1&apos;s copy no longer holds this game, so it cannot go on.</source>
        <translation>Die Kopie von %1 hat diese Partie nicht mehr, daher kann sie nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>%1&apos;s copy holds this game at another position, so it cannot go on.</source>
        <translation>Die Kopie von %1 hat diese Partie in einer anderen Stellung, daher kann sie nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>%1

The game is to be played by standard chess rules.</source>
        <extracomment>%1 is the question whether to accept a call.</extracomment>
        <translation>%1

Die Partie wird nach Standard-Schachregeln gespielt.</translation>
    </message>
    <message>
        <source>%1

The game is timed: %2</source>
        <extracomment>%1 is the question whether to accept a call; %2 the clock in words.</extracomment>
        <translation>%1

Die Partie wird mit Bedenkzeit gespielt: %2</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkSession</name>
    <message>
        <source>* Not sent: the line is down.</source>
        <translation>* Nicht gesendet: Die Verbindung ist unterbrochen.</translation>
    </message>
</context>
<context>
    <name>orbel::NewGameSetupDialog</name>
    <message>
        <source>New Game Setup</source>
        <translation>Neues Spiel einrichten</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>AI</source>
        <extracomment>The frame of the computer opponent&apos;s levels and engines.</extracomment>
        <translation>KI</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Weiß</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Schwarz</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Einfach</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>Sc&amp;hwer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation>&amp;Bedenkzeit...</translation>
    </message>
    <message>
        <source>E&amp;lo:</source>
        <translation>E&amp;lo:</translation>
    </message>
    <message>
        <source>Engine&apos;s Elo</source>
        <translation>Elo der Engine</translation>
    </message>
</context>
<context>
    <name>orbel::NicknameDialog</name>
    <message>
        <source>Nickname Selection</source>
        <translation>Spitzname wählen</translation>
    </message>
    <message>
        <source>Enter your &amp;nickname for the current match</source>
        <translation>Ihren Spitz&amp;namen für diese Partie eingeben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You must supply a nickname!</source>
        <translation>Bitte geben Sie einen Spitznamen ein!</translation>
    </message>
</context>
<context>
    <name>orbel::PgnFiles</name>
    <message>
        <source>Export Game (PGN)</source>
        <translation>Partie exportieren (PGN)</translation>
    </message>
    <message>
        <source>Copy Game as PGN</source>
        <translation>Partie als PGN kopieren</translation>
    </message>
    <message>
        <source>Copy Position as FEN</source>
        <translation>Stellung als FEN kopieren</translation>
    </message>
    <message>
        <source>Open PGN or FEN</source>
        <translation>PGN oder FEN öffnen</translation>
    </message>
    <message>
        <source>Paste Position or Game</source>
        <translation>Stellung oder Partie einfügen</translation>
    </message>
    <message>
        <source>There is no game on the board yet.</source>
        <translation>Es ist noch keine Partie auf dem Brett.</translation>
    </message>
    <message>
        <source>%1

The rest of the game stays on the board and in a saved game (*.KRV).</source>
        <extracomment>%1 says why the game could not be written whole.</extracomment>
        <translation>%1

Der Rest der Partie bleibt auf dem Brett und in einem gespeicherten Spiel (*.KRV).</translation>
    </message>
    <message>
        <source>It is larger than 1 MB, more than any game needs.</source>
        <translation>Die Datei ist größer als 1 MB, mehr als eine Partie je braucht.</translation>
    </message>
    <message>
        <source>This game is played by standard chess rules: it holds en passant, a pawn that becomes another piece than a queen, or a draw, which the Orbel 3.0 rules do not.</source>
        <translation>Diese Partie wird nach Standard-Schachregeln gespielt: Sie enthält en passant, einen Bauern, der sich in eine andere Figur als eine Dame umwandelt, oder ein Remis, was es nach den Orbel-3.0-Regeln nicht gibt.</translation>
    </message>
    <message>
        <source>PGN Files (*.pgn)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>PGN-Dateien (*.pgn)</translation>
    </message>
    <message>
        <source>The game could not be exported to &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>Die Partie konnte nicht nach „%1“ exportiert werden:
%2</translation>
    </message>
    <message>
        <source>Other chess programs may refuse this position: %1.</source>
        <extracomment>%1 says what is odd about the position.</extracomment>
        <translation>Andere Schachprogramme lehnen diese Stellung möglicherweise ab: %1.</translation>
    </message>
    <message>
        <source>PGN and FEN Files (*.pgn *.fen)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>PGN- und FEN-Dateien (*.pgn *.fen)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>No game was opened from &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>Aus „%1“ wurde keine Partie geöffnet:
%2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>The clipboard holds no game or position to play:
%1</source>
        <extracomment>%1 is what is wrong with the clipboard&apos;s text.</extracomment>
        <translation>Die Zwischenablage enthält keine spielbare Partie oder Stellung:
%1</translation>
    </message>
</context>
<context>
    <name>orbel::PgnReader</name>
    <message>
        <source>No game or position was found in the text.</source>
        <translation>Im Text wurde keine Partie und keine Stellung gefunden.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a tag pair must be [Name &quot;value&quot;].</source>
        <translation>ein Tag-Paar muss die Form [Name &quot;Wert&quot;] haben.</translation>
    </message>
    <message>
        <source>a tag&apos;s value is not closed on its line.</source>
        <translation>der Wert eines Tags ist in seiner Zeile nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>a tag pair is not closed with ].</source>
        <translation>ein Tag-Paar ist nicht mit ] abgeschlossen.</translation>
    </message>
    <message>
        <source>the game has two FEN tags.</source>
        <translation>die Partie hat zwei FEN-Tags.</translation>
    </message>
    <message>
        <source>the FEN tag cannot be read: %1.</source>
        <translation>das FEN-Tag ist nicht lesbar: %1.</translation>
    </message>
    <message>
        <source>a comment is not closed with }.</source>
        <translation>ein Kommentar ist nicht mit } abgeschlossen.</translation>
    </message>
    <message>
        <source>a ) has no ( before it.</source>
        <translation>vor einer ) steht keine (.</translation>
    </message>
    <message>
        <source>a variation is not closed with ).</source>
        <translation>eine Variante ist nicht mit ) abgeschlossen.</translation>
    </message>
    <message>
        <source>a %1 is out of place.</source>
        <translation>%1 steht an der falschen Stelle.</translation>
    </message>
    <message>
        <source>Move %1 is ambiguous. %2.</source>
        <translation>Zug %1 ist mehrdeutig. %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move.</source>
        <translation>„%1“ ist kein Zug.</translation>
    </message>
    <message>
        <source>Move %1 cannot be played: %2.</source>
        <translation>Zug %1 kann nicht gespielt werden: %2.</translation>
    </message>
    <message>
        <source>The game is longer than %1 half-moves, too long to open.</source>
        <translation>Die Partie ist länger als %1 Halbzüge, zu lang zum Öffnen.</translation>
    </message>
    <message>
        <source>The FEN cannot be read: %1.</source>
        <translation>Die FEN ist nicht lesbar: %1.</translation>
    </message>
</context>
<context>
    <name>orbel::PgnWriter</name>
    <message>
        <source>The game cannot be exported for other chess programs: %1.</source>
        <translation>Die Partie kann nicht für andere Schachprogramme exportiert werden: %1.</translation>
    </message>
    <message>
        <source>The exported game stops before %1, which standard chess does not allow: %2.</source>
        <translation>Die exportierte Partie endet vor %1, was im Standardschach nicht erlaubt ist: %2.</translation>
    </message>
</context>
<context>
    <name>orbel::PlayedMove</name>
    <message>
        <source>You %1</source>
        <translation>Sie: %1</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>Opponent %1</source>
        <translation>Gegner: %1</translation>
    </message>
    <message>
        <source>White %1</source>
        <translation>Weiß: %1</translation>
    </message>
    <message>
        <source>Black %1</source>
        <translation>Schwarz: %1</translation>
    </message>
    <message>
        <source>You, %1</source>
        <translation>Sie, %1</translation>
    </message>
    <message>
        <source>Computer, %1</source>
        <translation>Computer, %1</translation>
    </message>
    <message>
        <source>Opponent, %1</source>
        <translation>Gegner, %1</translation>
    </message>
    <message>
        <source>White, %1</source>
        <translation>Weiß, %1</translation>
    </message>
    <message>
        <source>Black, %1</source>
        <translation>Schwarz, %1</translation>
    </message>
    <message>
        <source>You win.</source>
        <translation>Sie gewinnen.</translation>
    </message>
    <message>
        <source>The computer wins.</source>
        <translation>Der Computer gewinnt.</translation>
    </message>
    <message>
        <source>Your opponent wins.</source>
        <translation>Ihr Gegner gewinnt.</translation>
    </message>
    <message>
        <source>White wins.</source>
        <translation>Weiß gewinnt.</translation>
    </message>
    <message>
        <source>Black wins.</source>
        <translation>Schwarz gewinnt.</translation>
    </message>
    <message>
        <source>, checkmate. %1</source>
        <translation>, Schachmatt. %1</translation>
    </message>
    <message>
        <source>, check</source>
        <translation>, Schach</translation>
    </message>
    <message>
        <source>, %1. Draw.</source>
        <translation>, %1. Remis.</translation>
    </message>
</context>
<context>
    <name>orbel::PortMapper</name>
    <message>
        <source>the router did not answer in time</source>
        <translation>der Router hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>the router&apos;s answers could not be read</source>
        <translation>die Antworten des Routers waren nicht lesbar</translation>
    </message>
    <message>
        <source>the port-mapping helper ended</source>
        <translation>das Hilfsprogramm für die Portweiterleitung wurde beendet</translation>
    </message>
    <message>
        <source>no pipe for the port-mapping helper</source>
        <translation>keine Pipe für das Hilfsprogramm für die Portweiterleitung</translation>
    </message>
    <message>
        <source>the port-mapping helper is missing</source>
        <translation>das Hilfsprogramm für die Portweiterleitung fehlt</translation>
    </message>
    <message>
        <source>the port-mapping helper could not be started</source>
        <translation>das Hilfsprogramm für die Portweiterleitung konnte nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>orbel::PromotionDialog</name>
    <message>
        <source>Promotion</source>
        <translation>Umwandlung</translation>
    </message>
    <message>
        <source>The pawn becomes:</source>
        <translation>Der Bauer wird zu:</translation>
    </message>
    <message>
        <source>&amp;Queen</source>
        <translation>&amp;Dame</translation>
    </message>
    <message>
        <source>&amp;Rook</source>
        <translation>&amp;Turm</translation>
    </message>
    <message>
        <source>&amp;Bishop</source>
        <translation>&amp;Läufer</translation>
    </message>
    <message>
        <source>K&amp;night</source>
        <translation>&amp;Springer</translation>
    </message>
</context>
<context>
    <name>orbel::Refusal</name>
    <message>
        <source>That is no move</source>
        <translation>Das ist kein Zug</translation>
    </message>
    <message>
        <source>There is no piece there</source>
        <translation>Dort steht keine Figur</translation>
    </message>
    <message>
        <source>That is not your piece</source>
        <translation>Das ist nicht Ihre Figur</translation>
    </message>
    <message>
        <source>Your own piece stands there</source>
        <translation>Dort steht Ihre eigene Figur</translation>
    </message>
    <message>
        <source>That piece does not move so</source>
        <translation>So zieht diese Figur nicht</translation>
    </message>
    <message>
        <source>The way is blocked</source>
        <translation>Der Weg ist versperrt</translation>
    </message>
    <message>
        <source>There is nothing to take there</source>
        <translation>Dort gibt es nichts zu schlagen</translation>
    </message>
    <message>
        <source>No en passant in these rules</source>
        <translation>Kein en passant nach diesen Regeln</translation>
    </message>
    <message>
        <source>En passant only right after the double step</source>
        <translation>En passant nur direkt nach dem Doppelschritt</translation>
    </message>
    <message>
        <source>The king may not castle through an attacked square</source>
        <translation>Der König darf nicht über ein angegriffenes Feld rochieren</translation>
    </message>
    <message>
        <source>The king may not castle into check</source>
        <translation>Der König darf nicht ins Schach rochieren</translation>
    </message>
    <message>
        <source>The king or that rook has moved, or the rook is gone</source>
        <translation>Der König oder dieser Turm hat schon gezogen, oder der Turm fehlt</translation>
    </message>
    <message>
        <source>Your king is in check</source>
        <translation>Ihr König steht im Schach</translation>
    </message>
    <message>
        <source>That piece is pinned to its king</source>
        <translation>Diese Figur ist an ihren König gefesselt</translation>
    </message>
    <message>
        <source>That square is attacked</source>
        <translation>Dieses Feld wird angegriffen</translation>
    </message>
    <message>
        <source>no game on the board</source>
        <translation>keine Partie auf dem Brett</translation>
    </message>
    <message>
        <source>nothing in hand</source>
        <translation>keine Figur in der Hand</translation>
    </message>
    <message>
        <source>not your move</source>
        <translation>Sie sind nicht am Zug</translation>
    </message>
    <message>
        <source>no piece chosen</source>
        <translation>keine Figur gewählt</translation>
    </message>
</context>
<context>
    <name>orbel::Rules</name>
    <message>
        <source>the king or that rook has moved, or the rook was taken</source>
        <translation>der König oder dieser Turm hat schon gezogen, oder der Turm wurde geschlagen</translation>
    </message>
    <message>
        <source>the king is in check</source>
        <translation>der König steht im Schach</translation>
    </message>
    <message>
        <source>it is not a legal move</source>
        <translation>es ist kein regelgerechter Zug</translation>
    </message>
    <message>
        <source>the king passes through an attacked square</source>
        <translation>der König zieht über ein angegriffenes Feld</translation>
    </message>
    <message>
        <source>the king lands on an attacked square</source>
        <translation>der König landet auf einem angegriffenen Feld</translation>
    </message>
    <message>
        <source>a pawn stands on the first or last rank</source>
        <translation>ein Bauer steht auf der ersten oder letzten Reihe</translation>
    </message>
    <message>
        <source>White needs exactly one king</source>
        <translation>Weiß braucht genau einen König</translation>
    </message>
    <message>
        <source>Black needs exactly one king</source>
        <translation>Schwarz braucht genau einen König</translation>
    </message>
    <message>
        <source>a side has more than 8 pawns</source>
        <translation>eine Seite hat mehr als 8 Bauern</translation>
    </message>
    <message>
        <source>a side has more than 16 pieces</source>
        <translation>eine Seite hat mehr als 16 Figuren</translation>
    </message>
    <message>
        <source>the side not to move is in check</source>
        <translation>die Seite, die nicht am Zug ist, steht im Schach</translation>
    </message>
</context>
<context>
    <name>orbel::Spoken</name>
    <message>
        <source>piece</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>pawn</source>
        <translation>Bauer</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>Springer</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>Läufer</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>Turm</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>pieces</source>
        <translation>Figuren</translation>
    </message>
    <message>
        <source>pawns</source>
        <translation>Bauern</translation>
    </message>
    <message>
        <source>knights</source>
        <translation>Springer</translation>
    </message>
    <message>
        <source>bishops</source>
        <translation>Läufer</translation>
    </message>
    <message>
        <source>rooks</source>
        <translation>Türme</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>Damen</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>white piece</source>
        <translation>weiße Figur</translation>
    </message>
    <message>
        <source>white pawn</source>
        <translation>weißer Bauer</translation>
    </message>
    <message>
        <source>white knight</source>
        <translation>weißer Springer</translation>
    </message>
    <message>
        <source>white bishop</source>
        <translation>weißer Läufer</translation>
    </message>
    <message>
        <source>white rook</source>
        <translation>weißer Turm</translation>
    </message>
    <message>
        <source>white queen</source>
        <translation>weiße Dame</translation>
    </message>
    <message>
        <source>white king</source>
        <translation>weißer König</translation>
    </message>
    <message>
        <source>black piece</source>
        <translation>schwarze Figur</translation>
    </message>
    <message>
        <source>black pawn</source>
        <translation>schwarzer Bauer</translation>
    </message>
    <message>
        <source>black knight</source>
        <translation>schwarzer Springer</translation>
    </message>
    <message>
        <source>black bishop</source>
        <translation>schwarzer Läufer</translation>
    </message>
    <message>
        <source>black rook</source>
        <translation>schwarzer Turm</translation>
    </message>
    <message>
        <source>black queen</source>
        <translation>schwarze Dame</translation>
    </message>
    <message>
        <source>black king</source>
        <translation>schwarzer König</translation>
    </message>
    <message>
        <source>becomes a piece</source>
        <translation>wird zur Figur</translation>
    </message>
    <message>
        <source>becomes a pawn</source>
        <translation>wird zum Bauern</translation>
    </message>
    <message>
        <source>becomes a knight</source>
        <translation>wird zum Springer</translation>
    </message>
    <message>
        <source>becomes a bishop</source>
        <translation>wird zum Läufer</translation>
    </message>
    <message>
        <source>becomes a rook</source>
        <translation>wird zum Turm</translation>
    </message>
    <message>
        <source>becomes a queen</source>
        <translation>wird zur Dame</translation>
    </message>
    <message>
        <source>becomes a king</source>
        <translation>wird zum König</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>no pieces</source>
        <translation>keine Figuren</translation>
    </message>
    <message>
        <source>check</source>
        <translation>Schach</translation>
    </message>
    <message>
        <source>checkmate</source>
        <translation>Schachmatt</translation>
    </message>
    <message>
        <source>castles short</source>
        <translation>kurze Rochade</translation>
    </message>
    <message>
        <source>castles long</source>
        <translation>lange Rochade</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, leer</translation>
    </message>
    <message>
        <source>%1 %2 takes %3 %4 en passant</source>
        <translation>%1 %2 schlägt %3 %4 en passant</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 nach %3</translation>
    </message>
    <message>
        <source>%1 %2 takes %3 %4</source>
        <translation>%1 %2 schlägt %3 %4</translation>
    </message>
    <message>
        <source>takes %1</source>
        <translation>schlägt auf %1</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 schlägt auf %2</translation>
    </message>
    <message>
        <source>White has %1.</source>
        <translation>Weiß hat %1.</translation>
    </message>
    <message>
        <source>Black has %1.</source>
        <translation>Schwarz hat %1.</translation>
    </message>
    <message>
        <source>White to move, check</source>
        <translation>Weiß am Zug, Schach</translation>
    </message>
    <message>
        <source>Black to move, check</source>
        <translation>Schwarz am Zug, Schach</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Weiß am Zug</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Schwarz am Zug</translation>
    </message>
    <message>
        <source>Standard chess rules.</source>
        <translation>Standard-Schachregeln.</translation>
    </message>
    <message>
        <source>All empty.</source>
        <translation>Alle leer.</translation>
    </message>
    <message>
        <source>1 empty.</source>
        <translation>1 Feld leer.</translation>
    </message>
    <message>
        <source>%1 empty.</source>
        <translation>%1 Felder leer.</translation>
    </message>
    <message>
        <source>White has no %1.</source>
        <translation>Weiß hat %1.</translation>
    </message>
    <message>
        <source>Black has no %1.</source>
        <translation>Schwarz hat %1.</translation>
    </message>
    <message>
        <source>Rank %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Linie %1</translation>
    </message>
    <message>
        <source>White %1.</source>
        <translation>Weiß: %1.</translation>
    </message>
    <message>
        <source>Black %1.</source>
        <translation>Schwarz: %1.</translation>
    </message>
    <message>
        <source>White %1, Black %2.</source>
        <translation>Weiß %1, Schwarz %2.</translation>
    </message>
    <message>
        <source>Even.</source>
        <translation>Ausgeglichen.</translation>
    </message>
    <message>
        <source>White is %1 ahead.</source>
        <translation>Weiß liegt %1 vorn.</translation>
    </message>
    <message>
        <source>Black is %1 ahead.</source>
        <translation>Schwarz liegt %1 vorn.</translation>
    </message>
</context>
<context>
    <name>orbel::SpokenMissing</name>
    <message>
        <source>pieces</source>
        <translation>keine Figuren</translation>
    </message>
    <message>
        <source>pawns</source>
        <translation>keine Bauern</translation>
    </message>
    <message>
        <source>knights</source>
        <translation>keine Springer</translation>
    </message>
    <message>
        <source>bishops</source>
        <translation>keine Läufer</translation>
    </message>
    <message>
        <source>rooks</source>
        <translation>keine Türme</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>keine Damen</translation>
    </message>
    <message>
        <source>king</source>
        <translation>keinen König</translation>
    </message>
</context>
<context>
    <name>orbel::SpokenTaken</name>
    <message>
        <source>piece</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>pawn</source>
        <translation>Bauern</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>Springer</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>Läufer</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>Turm</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
</context>
<context>
    <name>orbel::TimeControl</name>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
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
        <source>1 move</source>
        <translation>1 Zug</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n Zug</numerusform>
            <numerusform>%n Züge</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 each</source>
        <extracomment>%1 is a time, such as &quot;90 minutes&quot;, that both sides have.</extracomment>
        <translation>%1 je Seite</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>%1 is a time, such as &quot;90 minutes each&quot;; %2 a number of moves, such as &quot;40 moves&quot;.</extracomment>
        <translation>%1 für %2</translation>
    </message>
    <message>
        <source>%1 for the rest of the game</source>
        <extracomment>%1 is a time, such as &quot;30 minutes&quot;.</extracomment>
        <translation>%1 für den Rest der Partie</translation>
    </message>
    <message>
        <source>%1 for the whole game</source>
        <extracomment>%1 is a time, such as &quot;5 minutes each&quot;.</extracomment>
        <translation>%1 für die ganze Partie</translation>
    </message>
    <message>
        <source>%1, up to %2 of every move given back</source>
        <extracomment>A delay (Bronstein): %1 is the time so far, %2 a number of seconds.</extracomment>
        <translation>%1, pro Zug bis zu %2 gutgeschrieben</translation>
    </message>
    <message>
        <source>%1, %2 added after every move</source>
        <extracomment>An increment (Fischer): %1 is the time so far, %2 a number of seconds.</extracomment>
        <translation>%1, %2 Zuschlag pro Zug</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>One period of a clock after the other.</extracomment>
        <translation>%1, danach %2</translation>
    </message>
    <message>
        <source>No clock</source>
        <translation>Ohne Uhr</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the clock in PGN&apos;s notation, such as &quot;300+2&quot;; %2 its words.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: White %2; Black %3</source>
        <extracomment>%1 is the clock in PGN&apos;s notation; %2 White&apos;s time in words, %3 Black&apos;s.</extracomment>
        <translation>%1: Weiß %2; Schwarz %3</translation>
    </message>
    <message>
        <source>no clock</source>
        <extracomment>Inside a sentence, such as &quot;New games: no clock&quot;.</extracomment>
        <translation>ohne Uhr</translation>
    </message>
</context>
<context>
    <name>orbel::TimeControlDialog</name>
    <message>
        <source>&amp;No clock</source>
        <translation>&amp;Ohne Uhr</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>&amp;1 Minute</translation>
    </message>
    <message>
        <source>&amp;3 minutes + 2 seconds a move</source>
        <translation>&amp;3 Minuten + 2 Sekunden pro Zug</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>&amp;5 Minuten</translation>
    </message>
    <message>
        <source>1&amp;0 minutes + 5 seconds a move</source>
        <translation>1&amp;0 Minuten + 5 Sekunden pro Zug</translation>
    </message>
    <message>
        <source>15 m&amp;inutes + 10 seconds a move</source>
        <translation>15 M&amp;inuten + 10 Sekunden pro Zug</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Eigene</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minuten:</translation>
    </message>
    <message>
        <source>&amp;Seconds a move:</source>
        <translation>&amp;Sekunden pro Zug:</translation>
    </message>
    <message>
        <source>Mo&amp;ves:</source>
        <translation>&amp;Züge:</translation>
    </message>
    <message>
        <source>&amp;Then minutes:</source>
        <translation>&amp;Dann Minuten:</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds a move</source>
        <translation>Sekunden pro Zug</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Then minutes</source>
        <translation>Dann Minuten</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>seconds a move</source>
        <translation>Sekunden pro Zug</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>then minutes</source>
        <translation>dann Minuten</translation>
    </message>
    <message>
        <source>Time Control</source>
        <translation>Bedenkzeit</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>&amp;Black gets a different time</source>
        <translation>Sch&amp;warz mit anderer Zeit</translation>
    </message>
    <message>
        <source>Sudden death</source>
        <translation>Ohne Zuschlag</translation>
    </message>
    <message>
        <source>Increment (Fischer)</source>
        <translation>Zuschlag (Fischer)</translation>
    </message>
    <message>
        <source>Delay (Bronstein)</source>
        <translation>Verzögerung (Bronstein)</translation>
    </message>
    <message>
        <source>Moves per period</source>
        <translation>Züge pro Periode</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Each side</source>
        <translation>Jede Seite</translation>
    </message>
    <message>
        <source>Black&apos;s %1</source>
        <extracomment>A field&apos;s name to a screen reader: %1 is one of &quot;kind&quot;, &quot;minutes&quot;, ...</extracomment>
        <translation>%1 für Schwarz</translation>
    </message>
    <message>
        <source>White&apos;s %1</source>
        <extracomment>A field&apos;s name to a screen reader: %1 is one of &quot;kind&quot;, &quot;minutes&quot;, ...</extracomment>
        <translation>%1 für Weiß</translation>
    </message>
</context>
<context>
    <name>orbel::UciEngine</name>
    <message>
        <source>The engine could not be started.</source>
        <translation>Die Engine konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The engine did not answer</source>
        <translation>Die Engine hat nicht geantwortet</translation>
    </message>
    <message>
        <source>The engine did not answer in time.</source>
        <translation>Die Engine hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The engine sent an illegal move: %1</source>
        <translation>Die Engine hat einen regelwidrigen Zug geschickt: %1</translation>
    </message>
    <message>
        <source>The engine stopped working.</source>
        <translation>Die Engine funktioniert nicht mehr.</translation>
    </message>
</context>
<context>
    <name>orbel::WaitingDialog</name>
    <message>
        <source>&amp;Call Again</source>
        <translation>&amp;Erneut verbinden</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>Spiel &amp;beenden</translation>
    </message>
</context>
<context>
    <name>orbel::text</name>
    <message>
        <source>Internet Game</source>
        <translation>Internetspiel</translation>
    </message>
    <message>
        <source>Failed Connection!</source>
        <translation>Verbindung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>WinSock problem - Internet play unavailable</source>
        <translation>WinSock-Problem – Internetspiel nicht verfügbar</translation>
    </message>
    <message>
        <source>Socket Binding Error - Internet play unavailable</source>
        <translation>Socket-Bindungsfehler – Internetspiel nicht verfügbar</translation>
    </message>
    <message>
        <source>Connection Problem - Check network settings</source>
        <translation>Verbindungsproblem – Prüfen Sie die Netzwerkeinstellungen</translation>
    </message>
    <message>
        <source>Connection Timeout!</source>
        <translation>Zeitüberschreitung der Verbindung!</translation>
    </message>
    <message>
        <source>Connection Refused!</source>
        <translation>Verbindung abgelehnt!</translation>
    </message>
    <message>
        <source>Incoming Request for network game!</source>
        <translation>Anfrage für ein Netzwerkspiel!</translation>
    </message>
    <message>
        <source>Error has occured</source>
        <translation>Ein Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>Accept request for a game from %1
(%2)?</source>
        <translation>Spielanfrage von %1
(%2) annehmen?</translation>
    </message>
    <message>
        <source>Connection lost — waiting for %1 to come back</source>
        <translation>Verbindung unterbrochen – warte auf die Rückkehr von %1</translation>
    </message>
    <message>
        <source>Game request denied</source>
        <translation>Spielanfrage abgelehnt</translation>
    </message>
    <message>
        <source>Opponent is playing someone else</source>
        <translation>Der Gegner spielt gerade mit jemand anderem</translation>
    </message>
    <message>
        <source>Opponent unavailable</source>
        <translation>Gegner nicht erreichbar</translation>
    </message>
    <message>
        <source>Congratulations! Your opponent has resigned!</source>
        <translation>Glückwunsch! Ihr Gegner hat aufgegeben!</translation>
    </message>
    <message>
        <source>Opponent has disconnected</source>
        <translation>Der Gegner hat die Verbindung getrennt</translation>
    </message>
    <message>
        <source>Transmission Error - Check you Internet connection</source>
        <translation>Übertragungsfehler – Prüfen Sie Ihre Internetverbindung</translation>
    </message>
    <message>
        <source>Transmission Error! - Check you Internet connection</source>
        <translation>Übertragungsfehler! – Prüfen Sie Ihre Internetverbindung</translation>
    </message>
    <message>
        <source>Transmission Error - Check your Internet connection</source>
        <translation>Übertragungsfehler – Prüfen Sie Ihre Internetverbindung</translation>
    </message>
    <message>
        <source>Transmission Error - Check you network connection</source>
        <translation>Übertragungsfehler – Prüfen Sie Ihre Netzwerkverbindung</translation>
    </message>
    <message>
        <source>CloseConn() WSAAsyncSelect()</source>
        <translation>CloseConn() WSAAsyncSelect()</translation>
    </message>
    <message>
        <source>The connection was already closed.</source>
        <translation>Die Verbindung war bereits geschlossen.</translation>
    </message>
    <message>
        <source>Your opponent sent a move that is not possible in this position. The game has been ended.</source>
        <translation>Ihr Gegner hat einen Zug geschickt, der in dieser Stellung nicht möglich ist. Die Partie wurde beendet.</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Weiß am Zug</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Schwarz am Zug</translation>
    </message>
    <message>
        <source>Check!</source>
        <translation>Schach!</translation>
    </message>
    <message>
        <source>CheckMate!</source>
        <translation>Schachmatt!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie beendet</translation>
    </message>
    <message>
        <source>Computer Resign</source>
        <translation>Der Computer gibt auf</translation>
    </message>
    <message>
        <source>Resign!</source>
        <translation>Sie haben aufgegeben!</translation>
    </message>
    <message>
        <source>Internal Error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>An error has occurred that will most likely terminate your game.

Report all errors of this nature to Tessaly (bugs@orbelchess.example)</source>
        <translation>Ein Fehler ist aufgetreten, der Ihr Spiel wahrscheinlich beenden wird.

Bitte melden Sie alle Fehler dieser Art an Tessaly (bugs@orbelchess.example)</translation>
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
        <translation>Tasten auf dem Brett
Pfeiltasten, den Cursor um ein Feld bewegen; nach oben ist von Ihnen weg
Leertaste oder Eingabetaste, die Figur unter dem Cursor aufnehmen, dann absetzen
Esc, eine aufgenommene Figur zurückstellen oder einen getippten Zug löschen
Einen Zug tippen und die Eingabetaste drücken, zum Beispiel e4, Sf3, exd5, O-O oder e2e4; mit Standardregeln e8=S
Rücktaste, den zuletzt getippten Buchstaben löschen
F2, den letzten Zug noch einmal, ausführlich
F3, die Reihe, auf der der Cursor steht
F4, die Linie, auf der der Cursor steht
F5, die Materialbilanz
F6, Ihre Figuren; Umschalt+F6, die Figuren Ihres Gegners
F7, beide Uhren in einer Partie mit Bedenkzeit; F8, die Uhren an einem gemeinsamen Brett anhalten oder fortsetzen
Strg+Umschalt+K, Q, R, B, N oder P, wo die Könige, Damen, Türme, Läufer, Springer oder Bauern stehen
Bild auf und Bild ab, durch die Züge zurück und vor; Pos1 und Ende, zum ersten und zum letzten Zug
Strg+R, die ganze Stellung
Strg+H, ein Tipp: der Zug einer Schach-Engine für Sie, angesagt und als Pfeil gezeigt
Strg+U, Ihren letzten Zug zurücknehmen
F10, die Menüs; F1, diese Liste
Optionen, Züge ansagen und Töne schalten die gesprochenen Züge und die Töne aus und ein
</translation>
    </message>
    <message>
        <source>Orbel Chess Version 3.0

© 2026 the Orbel Chess developers</source>
        <translation>Orbel Schach Version 3.0

© 2026 die Entwickler von Orbel Schach</translation>
    </message>
    <message>
        <source>Orbel Chess is a complete chess game with the added feature of direct Internet play. 

- Orbel Chess&apos;s main AI includes three difficulty levels for customized game play.

</source>
        <translation>Orbel Schach ist ein vollständiges Schachspiel mit der zusätzlichen Möglichkeit, direkt über das Internet zu spielen. 

- Die KI von Orbel Schach bietet drei Schwierigkeitsstufen für ein Spiel nach Maß.

</translation>
    </message>
    <message>
        <source>- Direct Internet play support allows for friends to challenge each other from remote locations.

All bugs should be reported to bugs@orbelchess.example</source>
        <translation>- Dank des direkten Internetspiels können Freunde einander auch aus der Ferne herausfordern.

Bitte melden Sie alle Fehler an bugs@orbelchess.example</translation>
    </message>
    <message>
        <source>Orbel Chess has undergone many changes which are listed below.

- Direct Internet play support! Orbel Chess now allows users to challenge friends across the Internet.

- Two player option 

- Ability to save and reload games

</source>
        <translation>Orbel Schach hat viele Änderungen erfahren, die unten aufgeführt sind.

- Direktes Internetspiel! Mit Orbel Schach können Sie jetzt Freunde über das Internet herausfordern.

- Spiel zu zweit 

- Spiele speichern und wieder laden

</translation>
    </message>
    <message>
        <source>- GUI improvements including option to view chess board coordinates

- Key bug fixes to make the game as stable as ever.</source>
        <translation>- Verbesserte Oberfläche, unter anderem mit einblendbaren Brettkoordinaten

- Wichtige Fehlerbehebungen, damit das Spiel so stabil läuft wie eh und je.</translation>
    </message>
</context>
</TS>
