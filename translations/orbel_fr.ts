<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>orbel::AddressLines</name>
    <message>
        <source>For friends on the Internet to reach you over IPv4, turn on Accept Calls from the Internet, or forward TCP port %1 on your router to this computer.</source>
        <extracomment>%1 is a port number. &quot;Accept Calls from the Internet&quot; is a menu item.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For friends on the Internet to reach you over IPv4, forward TCP port %1 on your router to this computer.</source>
        <extracomment>%1 is a port number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asking your router to let calls from the Internet in...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your router did not let calls in (%1): forward TCP port %2 on your router to this computer.</source>
        <extracomment>%1 says why the router refused; %2 is a port number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (from the Internet, through a pinhole your router opened)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (from the Internet only if your router lets calls in)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (your local network only)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (from the Internet, through your router)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most home routers stop calls from the Internet to IPv6 addresses; look for &quot;allow incoming&quot; or &quot;pinhole&quot; in yours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If this computer has a firewall, let TCP port %1 in: sudo ufw allow %1/tcp, or sudo firewall-cmd --permanent --add-port=%1/tcp; sudo firewall-cmd --reload.</source>
        <extracomment>%1 is a port number; the commands stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::BoardAccessible</name>
    <message>
        <source>Arrow keys move the cursor, Space picks up and puts down, Escape puts back; or type a move and press Enter. Control+R reads the position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board and score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chess board</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::BoardKeys</name>
    <message>
        <source>%n pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n pawns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n knights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n bishops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n rooks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n queens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%n kings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No move yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start of the moves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of the moves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1, White, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1, Black, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, checkmate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2 back on %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No piece to move on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not your move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holding %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not your move: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not your move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K Q R B N</source>
        <extracomment>The piece letters a player types in moves: king, queen, rook, bishop and knight, apart by spaces, each in upper case as the language&apos;s chess books write them (in German &quot;K D T L S&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a move, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such move, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game on the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer has lost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player has lost: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::BoardScene</name>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::ChatPane</name>
    <message>
        <source>Chat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to %1 characters; Enter sends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>Room left in the chat line: %1 is a number of characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::ClockText</name>
    <message>
        <source>1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.%2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::CommandLine</name>
    <message>
        <source>no display to show the game on (none of DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbel Chess: a chess game against the computer, a friend at the same machine, or a friend across the Internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen for network games on &lt;port&gt; instead of %1 (a second copy on one machine, or a network that blocks %1); callers then name it as host:&lt;port&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The name of the option&apos;s value in --help, as in --port &lt;port&gt;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not ask the home router (UPnP) to forward the port to this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saved-game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A saved game (*.KRV) to continue at start, as Load Game would.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[saved-game]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the saved game&apos;s position as FEN and as a PGN header, then exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one saved game at most, %1 given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port takes a port number from 1 to 65535, not &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::ConnectingDialog</name>
    <message>
        <source>Attempting connection.....
Please Wait.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Connect</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::DrawReason</name>
    <message>
        <source>stalemate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>insufficient material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>threefold repetition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the fifty-move rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fivefold repetition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the seventy-five-move rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timeout against insufficient material</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::EngineList</name>
    <message>
        <source>This is not a program that can be run:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This engine is already on the list:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 engines can be added. Remove one first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::EnginesDialog</name>
    <message>
        <source>Asking...</source>
        <extracomment>An engine&apos;s state: its name and author are being asked for.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>An engine&apos;s state: it answered and can play.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chess engines that speak UCI can be chosen in New Game Setup. The first one gives the hints.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (installed)</source>
        <extracomment>%1 is the path of an engine the system installed, not one the user added.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No engine found: install stockfish or add one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::GameFiles</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbel Chess Saved Game Files (*.KRV)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not an Orbel Chess saved game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be loaded from &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::Hints</name>
    <message>
        <source>Hints need a chess engine, such as Stockfish (sudo apt install stockfish).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no move to hint at.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::InfoDialog</name>
    <message>
        <source>About Orbel Chess 3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s new in 3.0?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::InternetGameDialog</name>
    <message>
        <source>Enter &amp;host name or IP address of opponent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your &amp;nickname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must supply a nickname!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must supply an address!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::KeysDialog</name>
    <message>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys on the board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::MainWindow</name>
    <message>
        <source>Orbel Chess 3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New 1 Player Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;ew 2 Player Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open PGN or FEN...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Game (PGN)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Game as PGN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Position as &amp;FEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste Position or Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer &amp;Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Claim Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause Cloc&amp;ks</source>
        <extracomment>A menu item.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read &amp;Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options/&amp;Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dark Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Light Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Original Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options/&amp;Piece Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dudidi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferrow Color 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferrow Color 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show/Hide Coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Announce Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tandard Chess Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Engines...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Network Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Direct Network Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Network &amp;Address...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept Calls from the &amp;Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kill Game (Opponent is lagging or gone ONLY)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask to &amp;Take Back Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Call Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;What&apos;s New in 3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Orbel Chess 3.0...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brain:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1&apos;s clock read %2, more than it can have: kept at %3.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname, %2 and %3 clock readings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1&apos;s clock reads %2; this copy counted %3.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname, %2 and %3 clock readings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s time is up; waiting for %1&apos;s copy to confirm</source>
        <extracomment>%1 is the opponent&apos;s nickname; their copy of the game must confirm.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1&apos;s copy did not confirm its time was up.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume Cloc&amp;ks</source>
        <extracomment>A menu item.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks paused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game has no clocks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White %1. Black %2. Paused.</source>
        <extracomment>Spoken: %1 and %2 are the times left, in words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White %1. Black %2.</source>
        <extracomment>Spoken: %1 and %2 are the times left, in words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have one minute left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have ten seconds left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White has one minute left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White has ten seconds left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black has one minute left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black has ten seconds left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White&apos;s time is up. Black wins on time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black&apos;s time is up. White wins on time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game saved as %1 in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game loaded from %1 in %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard chess rules from the next new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbel rules from the next new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calls from the Internet: your router is asked to let them in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calls from the Internet: no longer let in by your router.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New games: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A copy of an older version plays without a clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine</source>
        <extracomment>The caption of an engine&apos;s failure box when the engine gave no name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Shall the computer finish the game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an Engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is back. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard chess rules, as engines play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard chess rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbel 3.0 rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is drawn by %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer resigns. You win.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1&apos;s copy plays by the Orbel 3.0 rules only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1&apos;s copy has no clocks: this game is untimed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White&apos;s %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black&apos;s %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your opponent&apos;s %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>The moves taken back are joined by &quot; and &quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing taken back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taken back %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White to move, check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black to move, check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White to move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black to move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White offers a draw. Does Black accept?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black offers a draw. Does White accept?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer declines the draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 says, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <extracomment>In the status bar; %1 is the move in algebraic notation, such as Nf3.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <extracomment>Spoken; %1 is the move in words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: wait for the computer&apos;s move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asking the engine for a hint...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::MoveText</name>
    <message>
        <source>not a move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which pawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which knight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which bishop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which rook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which king</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which piece? %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which pawn? %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which knight? %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which bishop? %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which rook? %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which queen? %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which king? %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pawns always become queens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no en passant in these rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a move: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such move: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::NetDialogs</name>
    <message>
        <source>Invalid Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::NetworkAddressDialog</name>
    <message>
        <source>Your Network Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others can call this copy of Orbel Chess at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept calls from the &amp;Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this is on, your router is asked to pass calls to this computer, from anyone who has your address.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::NetworkPlay</name>
    <message>
        <source>%1 failed,%2

%3</source>
        <extracomment>%1 is the name of an operation, %2 a run of spaces, %3 what went wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused a call from %1: another call is being answered.</source>
        <extracomment>In the status bar: %1 is the caller&apos;s network address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 accepts the draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 declines the draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* You accept the draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* You decline the draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 accepts the takeback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 declines the takeback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* You accept the takeback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* You decline the takeback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 accepts the rematch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 declines the rematch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* You accept the rematch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* You decline the rematch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* You offer a draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* You ask to take back your last move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* You offer a rematch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 offers a draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 offers a draw. Do you accept?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 asks to take back their last move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 asks to take back their last move. Do you allow it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Back Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 offers a rematch, you playing White.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 offers a rematch, you playing White. Do you accept?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 offers a rematch, you playing Black.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 offers a rematch, you playing Black. Do you accept?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rematch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s copy no longer holds this game, so it cannot go on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s copy holds this game at another position, so it cannot go on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The game is to be played by standard chess rules.</source>
        <extracomment>%1 is the question whether to accept a call.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The game is timed: %2</source>
        <extracomment>%1 is the question whether to accept a call; %2 the clock in words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::NetworkSession</name>
    <message>
        <source>* Not sent: the line is down.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::NewGameSetupDialog</name>
    <message>
        <source>New Game Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI</source>
        <extracomment>The frame of the computer opponent&apos;s levels and engines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;lo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine&apos;s Elo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::NicknameDialog</name>
    <message>
        <source>Nickname Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your &amp;nickname for the current match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must supply a nickname!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::PgnFiles</name>
    <message>
        <source>Export Game (PGN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Game as PGN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Position as FEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open PGN or FEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Position or Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no game on the board yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The rest of the game stays on the board and in a saved game (*.KRV).</source>
        <extracomment>%1 says why the game could not be written whole.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than 1 MB, more than any game needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game is played by standard chess rules: it holds en passant, a pawn that becomes another piece than a queen, or a draw, which the Orbel 3.0 rules do not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PGN Files (*.pgn)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be exported to &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other chess programs may refuse this position: %1.</source>
        <extracomment>%1 says what is odd about the position.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PGN and FEN Files (*.pgn *.fen)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game was opened from &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no game or position to play:
%1</source>
        <extracomment>%1 is what is wrong with the clipboard&apos;s text.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::PgnReader</name>
    <message>
        <source>No game or position was found in the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tag pair must be [Name &quot;value&quot;].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tag&apos;s value is not closed on its line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tag pair is not closed with ].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game has two FEN tags.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the FEN tag cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a comment is not closed with }.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a ) has no ( before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a variation is not closed with ).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a %1 is out of place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1 is ambiguous. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1 cannot be played: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is longer than %1 half-moves, too long to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The FEN cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::PgnWriter</name>
    <message>
        <source>The game cannot be exported for other chess programs: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exported game stops before %1, which standard chess does not allow: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::PlayedMove</name>
    <message>
        <source>You %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponent %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponent, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You win.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer wins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your opponent wins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White wins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black wins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, checkmate. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1. Draw.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::PortMapper</name>
    <message>
        <source>the router did not answer in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the router&apos;s answers could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port-mapping helper ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no pipe for the port-mapping helper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port-mapping helper is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port-mapping helper could not be started</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::PromotionDialog</name>
    <message>
        <source>Promotion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pawn becomes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bishop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K&amp;night</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::Refusal</name>
    <message>
        <source>That is no move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no piece there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is not your piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own piece stands there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That piece does not move so</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The way is blocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to take there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No en passant in these rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En passant only right after the double step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The king may not castle through an attacked square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The king may not castle into check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The king or that rook has moved, or the rook is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your king is in check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That piece is pinned to its king</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That square is attacked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::Rules</name>
    <message>
        <source>the king or that rook has moved, or the rook was taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the king is in check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a legal move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the king passes through an attacked square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the king lands on an attacked square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a pawn stands on the first or last rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White needs exactly one king</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black needs exactly one king</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a side has more than 8 pawns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a side has more than 16 pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the side not to move is in check</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::Spoken</name>
    <message>
        <source>piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>knight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bishop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>king</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pawns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>knights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bishops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rooks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white pawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white knight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white bishop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white rook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white king</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black pawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black knight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black bishop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black rook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black king</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>becomes a piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>becomes a pawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>becomes a knight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>becomes a bishop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>becomes a rook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>becomes a queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>becomes a king</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checkmate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>castles short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>castles long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 takes %3 %4 en passant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 takes %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>takes %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White has %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black has %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White to move, check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black to move, check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White to move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard chess rules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White has no %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black has no %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White %1, Black %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White is %1 ahead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black is %1 ahead.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::TimeControl</name>
    <message>
        <source>1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 move</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 each</source>
        <extracomment>%1 is a time, such as &quot;90 minutes&quot;, that both sides have.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>%1 is a time, such as &quot;90 minutes each&quot;; %2 a number of moves, such as &quot;40 moves&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 for the rest of the game</source>
        <extracomment>%1 is a time, such as &quot;30 minutes&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 for the whole game</source>
        <extracomment>%1 is a time, such as &quot;5 minutes each&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, up to %2 of every move given back</source>
        <extracomment>A delay (Bronstein): %1 is the time so far, %2 a number of seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 added after every move</source>
        <extracomment>An increment (Fischer): %1 is the time so far, %2 a number of seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>One period of a clock after the other.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the clock in PGN&apos;s notation, such as &quot;300+2&quot;; %2 its words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: White %2; Black %3</source>
        <extracomment>%1 is the clock in PGN&apos;s notation; %2 White&apos;s time in words, %3 Black&apos;s.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no clock</source>
        <extracomment>Inside a sentence, such as &quot;New games: no clock&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::TimeControlDialog</name>
    <message>
        <source>&amp;No clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;3 minutes + 2 seconds a move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1&amp;0 minutes + 5 seconds a move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 m&amp;inutes + 10 seconds a move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Seconds a move:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo&amp;ves:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Then minutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds a move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds a move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>then minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Black gets a different time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sudden death</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increment (Fischer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay (Bronstein)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves per period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black&apos;s %1</source>
        <extracomment>A field&apos;s name to a screen reader: %1 is one of &quot;kind&quot;, &quot;minutes&quot;, ...</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White&apos;s %1</source>
        <extracomment>A field&apos;s name to a screen reader: %1 is one of &quot;kind&quot;, &quot;minutes&quot;, ...</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::UciEngine</name>
    <message>
        <source>The engine could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The engine did not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The engine did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The engine sent an illegal move: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The engine stopped working.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::WaitingDialog</name>
    <message>
        <source>&amp;Call Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbel::text</name>
    <message>
        <source>Internet Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed Connection!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WinSock problem - Internet play unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socket Binding Error - Internet play unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Problem - Check network settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Timeout!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Refused!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming Request for network game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error has occured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept request for a game from %1
(%2)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection lost — waiting for %1 to come back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game request denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponent is playing someone else</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponent unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations! Your opponent has resigned!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponent has disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission Error - Check you Internet connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission Error! - Check you Internet connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission Error - Check your Internet connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission Error - Check you network connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CloseConn() WSAAsyncSelect()</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection was already closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your opponent sent a move that is not possible in this position. The game has been ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White to move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CheckMate!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer Resign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resign!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred that will most likely terminate your game.

Report all errors of this nature to Tessaly (bugs@orbelchess.example)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbel Chess Version 3.0

© 2026 the Orbel Chess developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbel Chess is a complete chess game with the added feature of direct Internet play. 

- Orbel Chess&apos;s main AI includes three difficulty levels for customized game play.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Direct Internet play support allows for friends to challenge each other from remote locations.

All bugs should be reported to bugs@orbelchess.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbel Chess has undergone many changes which are listed below.

- Direct Internet play support! Orbel Chess now allows users to challenge friends across the Internet.

- Two player option 

- Ability to save and reload games

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- GUI improvements including option to view chess board coordinates

- Key bug fixes to make the game as stable as ever.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
