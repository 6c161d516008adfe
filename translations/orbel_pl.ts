<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>orbel::AddressLines</name>
    <message>
        <source>For friends on the Internet to reach you over IPv4, turn on Accept Calls from the Internet, or forward TCP port %1 on your router to this computer.</source>
        <extracomment>%1 is a port number. &quot;Accept Calls from the Internet&quot; is a menu item.</extracomment>
        <translation>Aby znajomi w Internecie mogli połączyć się z tobą przez IPv4, włącz „Przyjmuj połączenia z Internetu” albo przekieruj na routerze port TCP %1 na ten komputer.</translation>
    </message>
    <message>
        <source>For friends on the Internet to reach you over IPv4, forward TCP port %1 on your router to this computer.</source>
        <extracomment>%1 is a port number.</extracomment>
        <translation>Aby znajomi w Internecie mogli połączyć się z tobą przez IPv4, przekieruj na routerze port TCP %1 na ten komputer.</translation>
    </message>
    <message>
        <source>Asking your router to let calls from the Internet in...</source>
        <translation>Prośba do routera o wpuszczanie połączeń z Internetu...</translation>
    </message>
    <message>
        <source>Your router did not let calls in (%1): forward TCP port %2 on your router to this computer.</source>
        <extracomment>%1 says why the router refused; %2 is a port number.</extracomment>
        <translation>Router nie wpuszcza połączeń (%1): przekieruj na routerze port TCP %2 na ten komputer.</translation>
    </message>
    <message>
        <source>%1 (from the Internet, through a pinhole your router opened)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (z Internetu, przez przejście otwarte przez router)</translation>
    </message>
    <message>
        <source>%1 (from the Internet only if your router lets calls in)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (z Internetu tylko, jeśli router wpuszcza połączenia)</translation>
    </message>
    <message>
        <source>%1 (your local network only)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (tylko sieć lokalna)</translation>
    </message>
    <message>
        <source>%1 (from the Internet, through your router)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (z Internetu, przez router)</translation>
    </message>
    <message>
        <source>Most home routers stop calls from the Internet to IPv6 addresses; look for &quot;allow incoming&quot; or &quot;pinhole&quot; in yours.</source>
        <translation>Większość domowych routerów blokuje połączenia z Internetu na adresy IPv6; poszukaj w swoim opcji „allow incoming” lub „pinhole”.</translation>
    </message>
    <message>
        <source>If this computer has a firewall, let TCP port %1 in: sudo ufw allow %1/tcp, or sudo firewall-cmd --permanent --add-port=%1/tcp; sudo firewall-cmd --reload.</source>
        <extracomment>%1 is a port number; the commands stay as they are.</extracomment>
        <translation>Jeśli ten komputer ma zaporę sieciową, wpuść port TCP %1: sudo ufw allow %1/tcp lub sudo firewall-cmd --permanent --add-port=%1/tcp; sudo firewall-cmd --reload.</translation>
    </message>
</context>
<context>
    <name>orbel::BoardAccessible</name>
    <message>
        <source>Arrow keys move the cursor, Space picks up and puts down, Escape puts back; or type a move and press Enter. Control+R reads the position.</source>
        <translation>Strzałki przesuwają kursor, Spacja podnosi i odkłada figurę, Escape odkłada ją z powrotem; można też wpisać ruch i nacisnąć Enter. Ctrl+R odczytuje pozycję.</translation>
    </message>
    <message>
        <source>Board and score</source>
        <translation>Szachownica i wynik</translation>
    </message>
    <message>
        <source>Chess board</source>
        <translation>Szachownica</translation>
    </message>
</context>
<context>
    <name>orbel::BoardKeys</name>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n figura</numerusform>
            <numerusform>%n figury</numerusform>
            <numerusform>%n figur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pawns</source>
        <translation>
            <numerusform>%n pion</numerusform>
            <numerusform>%n piony</numerusform>
            <numerusform>%n pionów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n knights</source>
        <translation>
            <numerusform>%n skoczek</numerusform>
            <numerusform>%n skoczki</numerusform>
            <numerusform>%n skoczków</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bishops</source>
        <translation>
            <numerusform>%n goniec</numerusform>
            <numerusform>%n gońce</numerusform>
            <numerusform>%n gońców</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rooks</source>
        <translation>
            <numerusform>%n wieża</numerusform>
            <numerusform>%n wieże</numerusform>
            <numerusform>%n wież</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queens</source>
        <translation>
            <numerusform>%n hetman</numerusform>
            <numerusform>%n hetmany</numerusform>
            <numerusform>%n hetmanów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kings</source>
        <translation>
            <numerusform>%n król</numerusform>
            <numerusform>%n króle</numerusform>
            <numerusform>%n królów</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>nic</translation>
    </message>
    <message>
        <source>No move yet.</source>
        <translation>Nie było jeszcze ruchu.</translation>
    </message>
    <message>
        <source>Start of the moves.</source>
        <translation>Początek ruchów.</translation>
    </message>
    <message>
        <source>End of the moves.</source>
        <translation>Koniec ruchów.</translation>
    </message>
    <message>
        <source>Move %1, White, %2</source>
        <translation>Ruch %1, białe, %2</translation>
    </message>
    <message>
        <source>Move %1, Black, %2</source>
        <translation>Ruch %1, czarne, %2</translation>
    </message>
    <message>
        <source>, checkmate</source>
        <translation>, mat</translation>
    </message>
    <message>
        <source>, check</source>
        <translation>, szach</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Krawędź</translation>
    </message>
    <message>
        <source>No move</source>
        <translation>Brak ruchu</translation>
    </message>
    <message>
        <source>%1. %2 back on %3.</source>
        <translation>%1. %2 wraca na %3.</translation>
    </message>
    <message>
        <source>No piece to move on %1</source>
        <translation>Brak figury do ruchu na %1</translation>
    </message>
    <message>
        <source>Not your move</source>
        <translation>Nie twój ruch</translation>
    </message>
    <message>
        <source>Holding %1 %2</source>
        <translation>Trzymasz: %1 %2</translation>
    </message>
    <message>
        <source>Put back on %1</source>
        <translation>Odłożono na %1</translation>
    </message>
    <message>
        <source>Not your move: %1</source>
        <translation>Nie twój ruch: %1</translation>
    </message>
    <message>
        <source>Not your move.</source>
        <translation>Nie twój ruch.</translation>
    </message>
    <message>
        <source>K Q R B N</source>
        <extracomment>The piece letters a player types in moves: king, queen, rook, bishop and knight, apart by spaces, each in upper case as the language&apos;s chess books write them (in German &quot;K D T L S&quot;).</extracomment>
        <translation>K H W G S</translation>
    </message>
    <message>
        <source>Not a move, %1.</source>
        <translation>To nie jest ruch, %1.</translation>
    </message>
    <message>
        <source>No such move, %1.</source>
        <translation>Nie ma takiego ruchu, %1.</translation>
    </message>
    <message>
        <source> %1.</source>
        <translation> %1.</translation>
    </message>
    <message>
        <source>Move: %1</source>
        <translation>Ruch: %1</translation>
    </message>
    <message>
        <source>No game on the board.</source>
        <translation>Na szachownicy nie ma partii.</translation>
    </message>
    <message>
        <source>Computer has lost: %1</source>
        <translation>Komputer stracił: %1</translation>
    </message>
    <message>
        <source>Player has lost: %1</source>
        <translation>Gracz stracił: %1</translation>
    </message>
</context>
<context>
    <name>orbel::BoardScene</name>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
</context>
<context>
    <name>orbel::Brain</name>
    <message>
        <source>mate in %1</source>
        <translation>mat w %1</translation>
    </message>
    <message>
        <source>mated in %1</source>
        <translation>dostaje mata w %1</translation>
    </message>
    <message>
        <source>%1, depth %2</source>
        <translation>%1, głębokość %2</translation>
    </message>
</context>
<context>
    <name>orbel::ChatPane</name>
    <message>
        <source>Chat:</source>
        <translation>Czat:</translation>
    </message>
    <message>
        <source>Up to %1 characters; Enter sends</source>
        <translation>Do %1 znaków; Enter wysyła</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>Room left in the chat line: %1 is a number of characters.</extracomment>
        <translation>zostało: %1</translation>
    </message>
</context>
<context>
    <name>orbel::ClockText</name>
    <message>
        <source>1 hour</source>
        <translation>1 godzina</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 godz.</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuta</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 sekunda</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 sek.</translation>
    </message>
    <message>
        <source>%1.%2 seconds</source>
        <translation>%1,%2 sekundy</translation>
    </message>
</context>
<context>
    <name>orbel::CommandLine</name>
    <message>
        <source>no display to show the game on (none of DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set).</source>
        <translation>brak ekranu do wyświetlenia gry (nie ustawiono DISPLAY, WAYLAND_DISPLAY ani QT_QPA_PLATFORM).</translation>
    </message>
    <message>
        <source>Orbel Chess: a chess game against the computer, a friend at the same machine, or a friend across the Internet.</source>
        <translation>Szachy Orbel: gra w szachy z komputerem, ze znajomym przy tym samym komputerze albo ze znajomym przez Internet.</translation>
    </message>
    <message>
        <source>Listen for network games on &lt;port&gt; instead of %1 (a second copy on one machine, or a network that blocks %1); callers then name it as host:&lt;port&gt;.</source>
        <translation>Czekaj na gry sieciowe na porcie &lt;port&gt; zamiast %1 (druga kopia na jednym komputerze lub sieć blokująca %1); łączący się podają wtedy host:&lt;port&gt;.</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The name of the option&apos;s value in --help, as in --port &lt;port&gt;.</extracomment>
        <translation>port</translation>
    </message>
    <message>
        <source>Do not ask the home router (UPnP) to forward the port to this computer.</source>
        <translation>Nie proś routera domowego (UPnP) o przekierowanie portu na ten komputer.</translation>
    </message>
    <message>
        <source>saved-game</source>
        <translation>zapisana-gra</translation>
    </message>
    <message>
        <source>A saved game (*.KRV) to continue at start, as Load Game would.</source>
        <translation>Zapisana gra (*.KRV) do kontynuowania przy starcie, jak przy „Wczytaj grę”.</translation>
    </message>
    <message>
        <source>[saved-game]</source>
        <translation>[zapisana-gra]</translation>
    </message>
    <message>
        <source>Print the saved game&apos;s position as FEN and as a PGN header, then exit.</source>
        <translation>Wypisz pozycję zapisanej gry jako FEN i jako nagłówek PGN, po czym zakończ.</translation>
    </message>
    <message>
        <source>one saved game at most, %1 given.</source>
        <translation>najwyżej jedna zapisana gra, podano %1.</translation>
    </message>
    <message>
        <source>--port takes a port number from 1 to 65535, not &apos;%1&apos;.</source>
        <translation>--port wymaga numeru portu od 1 do 65535, a nie „%1”.</translation>
    </message>
</context>
<context>
    <name>orbel::ConnectingDialog</name>
    <message>
        <source>Attempting connection.....
Please Wait.....</source>
        <translation>Trwa łączenie.....
Proszę czekać.....</translation>
    </message>
    <message>
        <source>Cancel Connect</source>
        <translation>Przerwij łączenie</translation>
    </message>
</context>
<context>
    <name>orbel::DrawReason</name>
    <message>
        <source>stalemate</source>
        <translation>pat</translation>
    </message>
    <message>
        <source>insufficient material</source>
        <translation>niewystarczający materiał</translation>
    </message>
    <message>
        <source>threefold repetition</source>
        <translation>trzykrotne powtórzenie pozycji</translation>
    </message>
    <message>
        <source>the fifty-move rule</source>
        <translation>zasada 50 ruchów</translation>
    </message>
    <message>
        <source>fivefold repetition</source>
        <translation>pięciokrotne powtórzenie pozycji</translation>
    </message>
    <message>
        <source>the seventy-five-move rule</source>
        <translation>zasada 75 ruchów</translation>
    </message>
    <message>
        <source>agreement</source>
        <translation>zgoda obu stron</translation>
    </message>
    <message>
        <source>timeout against insufficient material</source>
        <translation>przekroczenie czasu przy niewystarczającym materiale</translation>
    </message>
</context>
<context>
    <name>orbel::EngineList</name>
    <message>
        <source>This is not a program that can be run:
%1</source>
        <translation>Tego programu nie da się uruchomić:
%1</translation>
    </message>
    <message>
        <source>This engine is already on the list:
%1</source>
        <translation>Ten silnik już jest na liście:
%1</translation>
    </message>
    <message>
        <source>At most %1 engines can be added. Remove one first.</source>
        <translation>Można dodać najwyżej %1 silników. Najpierw usuń któryś.</translation>
    </message>
</context>
<context>
    <name>orbel::EnginesDialog</name>
    <message>
        <source>Asking...</source>
        <extracomment>An engine&apos;s state: its name and author are being asked for.</extracomment>
        <translation>Odpytywanie...</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>An engine&apos;s state: it answered and can play.</extracomment>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Silniki</translation>
    </message>
    <message>
        <source>Chess engines that speak UCI can be chosen in New Game Setup. The first one gives the hints.</source>
        <translation>Silniki szachowe obsługujące UCI można wybrać w oknie „Nowa gra”. Pierwszy z nich podpowiada ruchy.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Dodaj...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 (installed)</source>
        <extracomment>%1 is the path of an engine the system installed, not one the user added.</extracomment>
        <translation>%1 (zainstalowany)</translation>
    </message>
    <message>
        <source>No engine found: install stockfish or add one.</source>
        <translation>Nie znaleziono silnika: zainstaluj stockfish lub dodaj jakiś.</translation>
    </message>
</context>
<context>
    <name>orbel::GameFiles</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Orbel Chess Saved Game Files (*.KRV)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Zapisane gry Szachy Orbel (*.KRV)</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>Nie udało się zapisać gry do „%1”:
%2</translation>
    </message>
    <message>
        <source>It is not an Orbel Chess saved game.</source>
        <translation>To nie jest zapisana gra Szachy Orbel.</translation>
    </message>
    <message>
        <source>The game could not be loaded from &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>Nie udało się wczytać gry z „%1”:
%2</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Wczytaj grę</translation>
    </message>
</context>
<context>
    <name>orbel::Hints</name>
    <message>
        <source>Hints need a chess engine, such as Stockfish (sudo apt install stockfish).</source>
        <translation>Podpowiedzi wymagają silnika szachowego, np. Stockfish (sudo apt install stockfish).</translation>
    </message>
    <message>
        <source>There is no move to hint at.</source>
        <translation>Nie ma ruchu do podpowiedzenia.</translation>
    </message>
</context>
<context>
    <name>orbel::InfoDialog</name>
    <message>
        <source>About Orbel Chess 3.0</source>
        <translation>O programie Szachy Orbel 3.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>What&apos;s new in 3.0?</source>
        <translation>Co nowego w wersji 3.0?</translation>
    </message>
</context>
<context>
    <name>orbel::InternetGameDialog</name>
    <message>
        <source>Enter &amp;host name or IP address of opponent</source>
        <translation>Podaj nazwę &amp;hosta lub adres IP przeciwnika</translation>
    </message>
    <message>
        <source>Enter your &amp;nickname</source>
        <translation>Podaj swój &amp;pseudonim</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Białe</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Czarne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation>&amp;Tempo gry...</translation>
    </message>
    <message>
        <source>You must supply a nickname!</source>
        <translation>Musisz podać pseudonim!</translation>
    </message>
    <message>
        <source>You must supply an address!</source>
        <translation>Musisz podać adres!</translation>
    </message>
</context>
<context>
    <name>orbel::KeysDialog</name>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Keys on the board</source>
        <translation>Klawisze na szachownicy</translation>
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
        <translation>Szachy Orbel 3.0</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New 1 Player Game</source>
        <translation>&amp;Nowa gra jednoosobowa</translation>
    </message>
    <message>
        <source>N&amp;ew 2 Player Game</source>
        <translation>Nowa gra &amp;dwuosobowa</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Zapi&amp;sz grę</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation>&amp;Wczytaj grę</translation>
    </message>
    <message>
        <source>&amp;Open PGN or FEN...</source>
        <translation>&amp;Otwórz PGN lub FEN...</translation>
    </message>
    <message>
        <source>Export &amp;Game (PGN)...</source>
        <translation>&amp;Eksportuj grę (PGN)...</translation>
    </message>
    <message>
        <source>&amp;Copy Game as PGN</source>
        <translation>&amp;Kopiuj grę jako PGN</translation>
    </message>
    <message>
        <source>Copy Position as &amp;FEN</source>
        <translation>Kopiuj &amp;pozycję jako FEN</translation>
    </message>
    <message>
        <source>&amp;Paste Position or Game</source>
        <translation>Wklej pozycję lub &amp;grę</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Cofnij ruch</translation>
    </message>
    <message>
        <source>&amp;Resign</source>
        <translation>&amp;Poddaj się</translation>
    </message>
    <message>
        <source>Offer &amp;Draw</source>
        <translation>Zaproponuj &amp;remis</translation>
    </message>
    <message>
        <source>&amp;Claim Draw</source>
        <translation>&amp;Zażądaj remisu</translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation>&amp;Tempo gry...</translation>
    </message>
    <message>
        <source>Pause Cloc&amp;ks</source>
        <extracomment>A menu item.</extracomment>
        <translation>&amp;Wstrzymaj zegary</translation>
    </message>
    <message>
        <source>Read &amp;Position</source>
        <translation>&amp;Odczytaj pozycję</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Po&amp;dpowiedź</translation>
    </message>
    <message>
        <source>&amp;Options/&amp;Color</source>
        <translation>&amp;Opcje/&amp;Kolory</translation>
    </message>
    <message>
        <source>&amp;Dark Square</source>
        <translation>&amp;Ciemne pola</translation>
    </message>
    <message>
        <source>&amp;Light Square</source>
        <translation>&amp;Jasne pola</translation>
    </message>
    <message>
        <source>&amp;Original Colors</source>
        <translation>&amp;Oryginalne kolory</translation>
    </message>
    <message>
        <source>&amp;Options/&amp;Piece Set</source>
        <translation>&amp;Opcje/&amp;Zestaw figur</translation>
    </message>
    <message>
        <source>Dudidi</source>
        <translation>Dudidi</translation>
    </message>
    <message>
        <source>Ferrow Color 1</source>
        <translation>Ferrow Kolor 1</translation>
    </message>
    <message>
        <source>Ferrow Color 2</source>
        <translation>Ferrow Kolor 2</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Show/Hide Coordinates</source>
        <translation>&amp;Pokaż/ukryj współrzędne</translation>
    </message>
    <message>
        <source>&amp;Announce Moves</source>
        <translation>&amp;Ogłaszaj ruchy</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>&amp;Dźwięki</translation>
    </message>
    <message>
        <source>S&amp;tandard Chess Rules</source>
        <translation>S&amp;tandardowe zasady szachowe</translation>
    </message>
    <message>
        <source>&amp;Engines...</source>
        <translation>&amp;Silniki...</translation>
    </message>
    <message>
        <source>&amp;Network Play</source>
        <translation>Gra &amp;sieciowa</translation>
    </message>
    <message>
        <source>&amp;Direct Network Game</source>
        <translation>&amp;Bezpośrednia gra sieciowa</translation>
    </message>
    <message>
        <source>Your Network &amp;Address...</source>
        <translation>Twój &amp;adres sieciowy...</translation>
    </message>
    <message>
        <source>Accept Calls from the &amp;Internet</source>
        <translation>Przyjmuj połączenia z &amp;Internetu</translation>
    </message>
    <message>
        <source>&amp;Kill Game (Opponent is lagging or gone ONLY)</source>
        <translation>&amp;Zakończ grę (tylko gdy przeciwnik nie odpowiada)</translation>
    </message>
    <message>
        <source>Ask to &amp;Take Back Move</source>
        <translation>Poproś o &amp;cofnięcie ruchu</translation>
    </message>
    <message>
        <source>Re&amp;match</source>
        <translation>&amp;Rewanż</translation>
    </message>
    <message>
        <source>&amp;Call Again</source>
        <translation>&amp;Połącz ponownie</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New in 3.0</source>
        <translation>&amp;Nowości w wersji 3.0</translation>
    </message>
    <message>
        <source>&amp;About Orbel Chess 3.0...</source>
        <translation>&amp;O programie Szachy Orbel 3.0...</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Klawiatura</translation>
    </message>
    <message>
        <source>Brain:</source>
        <translation>Mózg:</translation>
    </message>
    <message>
        <source>Black:</source>
        <translation>Czarne:</translation>
    </message>
    <message>
        <source>White:</source>
        <translation>Białe:</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Chat:</source>
        <translation>Czat:</translation>
    </message>
    <message>
        <source>Chat line</source>
        <translation>Wiadomość czatu</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Ty</translation>
    </message>
    <message>
        <source>* %1&apos;s clock read %2, more than it can have: kept at %3.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname, %2 and %3 clock readings.</extracomment>
        <translation>* Zegar gracza %1 wskazywał %2, więcej niż to możliwe: przyjęto %3.</translation>
    </message>
    <message>
        <source>* %1&apos;s clock reads %2; this copy counted %3.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname, %2 and %3 clock readings.</extracomment>
        <translation>* Zegar gracza %1 wskazuje %2; ta kopia naliczyła %3.</translation>
    </message>
    <message>
        <source>%1&apos;s time is up; waiting for %1&apos;s copy to confirm</source>
        <extracomment>%1 is the opponent&apos;s nickname; their copy of the game must confirm.</extracomment>
        <translation>Czas gracza %1 minął; oczekiwanie na potwierdzenie od kopii gry gracza %1</translation>
    </message>
    <message>
        <source>* %1&apos;s copy did not confirm its time was up.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname.</extracomment>
        <translation>* Kopia gry gracza %1 nie potwierdziła upływu jego czasu.</translation>
    </message>
    <message>
        <source>Resume Cloc&amp;ks</source>
        <extracomment>A menu item.</extracomment>
        <translation>&amp;Wznów zegary</translation>
    </message>
    <message>
        <source>Clocks running.</source>
        <translation>Zegary chodzą.</translation>
    </message>
    <message>
        <source>Clocks paused</source>
        <translation>Zegary wstrzymane</translation>
    </message>
    <message>
        <source>Clocks paused.</source>
        <translation>Zegary wstrzymane.</translation>
    </message>
    <message>
        <source>This game has no clocks.</source>
        <translation>Ta partia nie ma zegarów.</translation>
    </message>
    <message>
        <source>White %1. Black %2. Paused.</source>
        <extracomment>Spoken: %1 and %2 are the times left, in words.</extracomment>
        <translation>Białe: %1. Czarne: %2. Wstrzymane.</translation>
    </message>
    <message>
        <source>White %1. Black %2.</source>
        <extracomment>Spoken: %1 and %2 are the times left, in words.</extracomment>
        <translation>Białe: %1. Czarne: %2.</translation>
    </message>
    <message>
        <source>You have one minute left.</source>
        <translation>Została ci jedna minuta.</translation>
    </message>
    <message>
        <source>You have ten seconds left.</source>
        <translation>Zostało ci dziesięć sekund.</translation>
    </message>
    <message>
        <source>White has one minute left.</source>
        <translation>Białym została jedna minuta.</translation>
    </message>
    <message>
        <source>White has ten seconds left.</source>
        <translation>Białym zostało dziesięć sekund.</translation>
    </message>
    <message>
        <source>Black has one minute left.</source>
        <translation>Czarnym została jedna minuta.</translation>
    </message>
    <message>
        <source>Black has ten seconds left.</source>
        <translation>Czarnym zostało dziesięć sekund.</translation>
    </message>
    <message>
        <source>White&apos;s time is up. Black wins on time.</source>
        <translation>Czas białych minął. Czarne wygrywają na czas.</translation>
    </message>
    <message>
        <source>Black&apos;s time is up. White wins on time.</source>
        <translation>Czas czarnych minął. Białe wygrywają na czas.</translation>
    </message>
    <message>
        <source>Game saved as %1 in %2.</source>
        <translation>Zapisano grę jako %1 w %2.</translation>
    </message>
    <message>
        <source>Game loaded from %1 in %2. %3</source>
        <translation>Wczytano grę z %1 w %2. %3</translation>
    </message>
    <message>
        <source>Standard chess rules from the next new game.</source>
        <translation>Standardowe zasady szachowe od następnej nowej gry.</translation>
    </message>
    <message>
        <source>Orbel rules from the next new game.</source>
        <translation>Zasady Orbel od następnej nowej gry.</translation>
    </message>
    <message>
        <source>Calls from the Internet: your router is asked to let them in.</source>
        <translation>Połączenia z Internetu: router jest proszony o ich wpuszczanie.</translation>
    </message>
    <message>
        <source>Calls from the Internet: no longer let in by your router.</source>
        <translation>Połączenia z Internetu: router już ich nie wpuszcza.</translation>
    </message>
    <message>
        <source>New games: %1</source>
        <translation>Nowe gry: %1</translation>
    </message>
    <message>
        <source>A copy of an older version plays without a clock.</source>
        <translation>Kopia w starszej wersji gra bez zegara.</translation>
    </message>
    <message>
        <source>Engine</source>
        <extracomment>The caption of an engine&apos;s failure box when the engine gave no name.</extracomment>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>%1

Shall the computer finish the game?</source>
        <translation>%1

Czy komputer ma dokończyć partię?</translation>
    </message>
    <message>
        <source>Add an Engine</source>
        <translation>Dodaj silnik</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Silniki</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Błąd krytyczny</translation>
    </message>
    <message>
        <source>%1 is back. %2</source>
        <translation>%1 jest z powrotem. %2</translation>
    </message>
    <message>
        <source>Standard chess rules, as engines play</source>
        <translation>Standardowe zasady szachowe, jak grają silniki</translation>
    </message>
    <message>
        <source>Standard chess rules</source>
        <translation>Standardowe zasady szachowe</translation>
    </message>
    <message>
        <source>Orbel 3.0 rules</source>
        <translation>Zasady Orbel 3.0</translation>
    </message>
    <message>
        <source>The game is drawn by %1.</source>
        <translation>Partia kończy się remisem: %1.</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Remis</translation>
    </message>
    <message>
        <source>The computer resigns. You win.</source>
        <translation>Komputer się poddaje. Wygrywasz.</translation>
    </message>
    <message>
        <source>* %1&apos;s copy plays by the Orbel 3.0 rules only.</source>
        <translation>* Kopia gry gracza %1 gra tylko według zasad Orbel 3.0.</translation>
    </message>
    <message>
        <source>* %1&apos;s copy has no clocks: this game is untimed.</source>
        <translation>* Kopia gry gracza %1 nie ma zegarów: ta partia jest bez zegara.</translation>
    </message>
    <message>
        <source>White&apos;s %1</source>
        <translation>ruch białych %1</translation>
    </message>
    <message>
        <source>Black&apos;s %1</source>
        <translation>ruch czarnych %1</translation>
    </message>
    <message>
        <source>your %1</source>
        <translation>twój ruch %1</translation>
    </message>
    <message>
        <source>the computer&apos;s %1</source>
        <translation>ruch komputera %1</translation>
    </message>
    <message>
        <source>your opponent&apos;s %1</source>
        <translation>ruch przeciwnika %1</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>The moves taken back are joined by &quot; and &quot;.</extracomment>
        <translation> i </translation>
    </message>
    <message>
        <source>Nothing taken back.</source>
        <translation>Niczego nie cofnięto.</translation>
    </message>
    <message>
        <source>Taken back %1.</source>
        <translation>Cofnięto %1.</translation>
    </message>
    <message>
        <source>White to move, check.</source>
        <translation>Ruch białych, szach.</translation>
    </message>
    <message>
        <source>Black to move, check.</source>
        <translation>Ruch czarnych, szach.</translation>
    </message>
    <message>
        <source>White to move.</source>
        <translation>Ruch białych.</translation>
    </message>
    <message>
        <source>Black to move.</source>
        <translation>Ruch czarnych.</translation>
    </message>
    <message>
        <source>White offers a draw. Does Black accept?</source>
        <translation>Białe proponują remis. Czy czarne się zgadzają?</translation>
    </message>
    <message>
        <source>Black offers a draw. Does White accept?</source>
        <translation>Czarne proponują remis. Czy białe się zgadzają?</translation>
    </message>
    <message>
        <source>Offer Draw</source>
        <translation>Propozycja remisu</translation>
    </message>
    <message>
        <source>The computer declines the draw.</source>
        <translation>Komputer odrzuca remis.</translation>
    </message>
    <message>
        <source>%1 says, %2</source>
        <translation>%1 pisze: %2</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <extracomment>In the status bar; %1 is the move in algebraic notation, such as Nf3.</extracomment>
        <translation>Podpowiedź: %1</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <extracomment>Spoken; %1 is the move in words.</extracomment>
        <translation>Podpowiedź: %1.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Hint: wait for the computer&apos;s move</source>
        <translation>Podpowiedź: poczekaj na ruch komputera</translation>
    </message>
    <message>
        <source>Asking the engine for a hint...</source>
        <translation>Pytanie silnika o podpowiedź...</translation>
    </message>
    <message>
        <source>Value:</source>
        <extracomment>Before the computer&apos;s or the engine&apos;s value of the position, as in &quot;Value: 34&quot;.</extracomment>
        <translation>Ocena:</translation>
    </message>
</context>
<context>
    <name>orbel::MoveText</name>
    <message>
        <source>not a move</source>
        <translation>to nie jest ruch</translation>
    </message>
    <message>
        <source>no such move</source>
        <translation>nie ma takiego ruchu</translation>
    </message>
    <message>
        <source>which piece</source>
        <translation>która figura</translation>
    </message>
    <message>
        <source>which pawn</source>
        <translation>który pion</translation>
    </message>
    <message>
        <source>which knight</source>
        <translation>który skoczek</translation>
    </message>
    <message>
        <source>which bishop</source>
        <translation>który goniec</translation>
    </message>
    <message>
        <source>which rook</source>
        <translation>która wieża</translation>
    </message>
    <message>
        <source>which queen</source>
        <translation>który hetman</translation>
    </message>
    <message>
        <source>which king</source>
        <translation>który król</translation>
    </message>
    <message>
        <source>Which piece? %1</source>
        <translation>Która figura? %1</translation>
    </message>
    <message>
        <source>Which pawn? %1</source>
        <translation>Który pion? %1</translation>
    </message>
    <message>
        <source>Which knight? %1</source>
        <translation>Który skoczek? %1</translation>
    </message>
    <message>
        <source>Which bishop? %1</source>
        <translation>Który goniec? %1</translation>
    </message>
    <message>
        <source>Which rook? %1</source>
        <translation>Która wieża? %1</translation>
    </message>
    <message>
        <source>Which queen? %1</source>
        <translation>Który hetman? %1</translation>
    </message>
    <message>
        <source>Which king? %1</source>
        <translation>Który król? %1</translation>
    </message>
    <message>
        <source>pawns always become queens</source>
        <translation>pion zawsze zamienia się w hetmana</translation>
    </message>
    <message>
        <source>no en passant in these rules</source>
        <translation>w tych zasadach nie ma bicia w przelocie</translation>
    </message>
    <message>
        <source> or </source>
        <translation> lub </translation>
    </message>
    <message>
        <source>Not a move: %1</source>
        <translation>To nie jest ruch: %1</translation>
    </message>
    <message>
        <source>No such move: %1</source>
        <translation>Nie ma takiego ruchu: %1</translation>
    </message>
</context>
<context>
    <name>orbel::NetDialogs</name>
    <message>
        <source>Invalid Information</source>
        <translation>Nieprawidłowe dane</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkAddressDialog</name>
    <message>
        <source>Your Network Address</source>
        <translation>Twój adres sieciowy</translation>
    </message>
    <message>
        <source>Others can call this copy of Orbel Chess at:</source>
        <translation>Inni mogą połączyć się z tą kopią Szachów Orbel pod adresem:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Accept calls from the &amp;Internet</source>
        <translation>Przyjmuj połączenia z &amp;Internetu</translation>
    </message>
    <message>
        <source>While this is on, your router is asked to pass calls to this computer, from anyone who has your address.</source>
        <translation>Gdy ta opcja jest włączona, router jest proszony o przekazywanie na ten komputer połączeń od każdego, kto zna twój adres.</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkPlay</name>
    <message>
        <source>%1 failed,%2

%3</source>
        <extracomment>%1 is the name of an operation, %2 a run of spaces, %3 what went wrong.</extracomment>
        <translation>%1 – niepowodzenie,%2

%3</translation>
    </message>
    <message>
        <source>Refused a call from %1: another call is being answered.</source>
        <extracomment>In the status bar: %1 is the caller&apos;s network address.</extracomment>
        <translation>Odrzucono połączenie od %1: trwa odbieranie innego połączenia.</translation>
    </message>
    <message>
        <source>* %1 accepts the draw.</source>
        <translation>* %1 przyjmuje remis.</translation>
    </message>
    <message>
        <source>* %1 declines the draw.</source>
        <translation>* %1 odrzuca remis.</translation>
    </message>
    <message>
        <source>* You accept the draw.</source>
        <translation>* Przyjmujesz remis.</translation>
    </message>
    <message>
        <source>* You decline the draw.</source>
        <translation>* Odrzucasz remis.</translation>
    </message>
    <message>
        <source>* %1 accepts the takeback.</source>
        <translation>* %1 zgadza się na cofnięcie ruchu.</translation>
    </message>
    <message>
        <source>* %1 declines the takeback.</source>
        <translation>* %1 nie zgadza się na cofnięcie ruchu.</translation>
    </message>
    <message>
        <source>* You accept the takeback.</source>
        <translation>* Zgadzasz się na cofnięcie ruchu.</translation>
    </message>
    <message>
        <source>* You decline the takeback.</source>
        <translation>* Nie zgadzasz się na cofnięcie ruchu.</translation>
    </message>
    <message>
        <source>* %1 accepts the rematch.</source>
        <translation>* %1 przyjmuje rewanż.</translation>
    </message>
    <message>
        <source>* %1 declines the rematch.</source>
        <translation>* %1 odrzuca rewanż.</translation>
    </message>
    <message>
        <source>* You accept the rematch.</source>
        <translation>* Przyjmujesz rewanż.</translation>
    </message>
    <message>
        <source>* You decline the rematch.</source>
        <translation>* Odrzucasz rewanż.</translation>
    </message>
    <message>
        <source>* You offer a draw.</source>
        <translation>* Proponujesz remis.</translation>
    </message>
    <message>
        <source>* You ask to take back your last move.</source>
        <translation>* Prosisz o cofnięcie swojego ostatniego ruchu.</translation>
    </message>
    <message>
        <source>* You offer a rematch.</source>
        <translation>* Proponujesz rewanż.</translation>
    </message>
    <message>
        <source>* %1 offers a draw.</source>
        <translation>* %1 proponuje remis.</translation>
    </message>
    <message>
        <source>%1 offers a draw. Do you accept?</source>
        <translation>%1 proponuje remis. Czy się zgadzasz?</translation>
    </message>
    <message>
        <source>Offer Draw</source>
        <translation>Propozycja remisu</translation>
    </message>
    <message>
        <source>* %1 asks to take back their last move.</source>
        <translation>* %1 prosi o cofnięcie swojego ostatniego ruchu.</translation>
    </message>
    <message>
        <source>%1 asks to take back their last move. Do you allow it?</source>
        <translation>%1 prosi o cofnięcie swojego ostatniego ruchu. Czy się zgadzasz?</translation>
    </message>
    <message>
        <source>Take Back Move</source>
        <translation>Cofnięcie ruchu</translation>
    </message>
    <message>
        <source>* %1 offers a rematch, you playing White.</source>
        <translation>* %1 proponuje rewanż, ty grasz białymi.</translation>
    </message>
    <message>
        <source>%1 offers a rematch, you playing White. Do you accept?</source>
        <translation>%1 proponuje rewanż, ty grasz białymi. Czy się zgadzasz?</translation>
    </message>
    <message>
        <source>* %1 offers a rematch, you playing Black.</source>
        <translation>* %1 proponuje rewanż, ty grasz czarnymi.</translation>
    </message>
    <message>
        <source>%1 offers a rematch, you playing Black. Do you accept?</source>
        <translation>%1 proponuje rewanż, ty grasz czarnymi. Czy się zgadzasz?</translation>
    </message>
    <message>
        <source>Rematch</source>
        <translation>Rewanż</translation>
    </message>
    <message>
        <source>%1&apos;s copy no longer holds this game, so it cannot go on.</source>
        <translation>Kopia gry gracza %1 nie ma już tej partii, więc nie można jej kontynuować.</translation>
    </message>
    <message>
        <source>%1&apos;s copy holds this game at another position, so it cannot go on.</source>
        <translation>Kopia gry gracza %1 ma tę partię w innej pozycji, więc nie można jej kontynuować.</translation>
    </message>
    <message>
        <source>%1

The game is to be played by standard chess rules.</source>
        <extracomment>%1 is the question whether to accept a call.</extracomment>
        <translation>%1

Partia będzie rozgrywana według standardowych zasad szachowych.</translation>
    </message>
    <message>
        <source>%1

The game is timed: %2</source>
        <extracomment>%1 is the question whether to accept a call; %2 the clock in words.</extracomment>
        <translation>%1

Partia jest z zegarem: %2</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkSession</name>
    <message>
        <source>* Not sent: the line is down.</source>
        <translation>* Nie wysłano: połączenie zostało przerwane.</translation>
    </message>
</context>
<context>
    <name>orbel::NewGameSetupDialog</name>
    <message>
        <source>New Game Setup</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>AI</source>
        <extracomment>The frame of the computer opponent&apos;s levels and engines.</extracomment>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Białe</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Czarne</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>Ł&amp;atwy</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>Ś&amp;redni</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Trudny</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation>Tempo &amp;gry...</translation>
    </message>
    <message>
        <source>E&amp;lo:</source>
        <translation>E&amp;lo:</translation>
    </message>
    <message>
        <source>Engine&apos;s Elo</source>
        <translation>Elo silnika</translation>
    </message>
</context>
<context>
    <name>orbel::NicknameDialog</name>
    <message>
        <source>Nickname Selection</source>
        <translation>Wybór pseudonimu</translation>
    </message>
    <message>
        <source>Enter your &amp;nickname for the current match</source>
        <translation>Podaj swój &amp;pseudonim na tę partię</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You must supply a nickname!</source>
        <translation>Musisz podać pseudonim!</translation>
    </message>
</context>
<context>
    <name>orbel::PgnFiles</name>
    <message>
        <source>Export Game (PGN)</source>
        <translation>Eksportuj grę (PGN)</translation>
    </message>
    <message>
        <source>Copy Game as PGN</source>
        <translation>Kopiuj grę jako PGN</translation>
    </message>
    <message>
        <source>Copy Position as FEN</source>
        <translation>Kopiuj pozycję jako FEN</translation>
    </message>
    <message>
        <source>Open PGN or FEN</source>
        <translation>Otwórz PGN lub FEN</translation>
    </message>
    <message>
        <source>Paste Position or Game</source>
        <translation>Wklej pozycję lub grę</translation>
    </message>
    <message>
        <source>There is no game on the board yet.</source>
        <translation>Na szachownicy nie ma jeszcze partii.</translation>
    </message>
    <message>
        <source>%1

The rest of the game stays on the board and in a saved game (*.KRV).</source>
        <extracomment>%1 says why the game could not be written whole.</extracomment>
        <translation>%1

Reszta partii pozostaje na szachownicy i w zapisanej grze (*.KRV).</translation>
    </message>
    <message>
        <source>It is larger than 1 MB, more than any game needs.</source>
        <translation>Jest większy niż 1 MB, więcej niż potrzebuje jakakolwiek partia.</translation>
    </message>
    <message>
        <source>This game is played by standard chess rules: it holds en passant, a pawn that becomes another piece than a queen, or a draw, which the Orbel 3.0 rules do not.</source>
        <translation>Ta partia jest rozgrywana według standardowych zasad szachowych: zawiera bicie w przelocie, promocję piona na figurę inną niż hetman albo remis, na które zasady Orbel 3.0 nie pozwalają.</translation>
    </message>
    <message>
        <source>PGN Files (*.pgn)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Pliki PGN (*.pgn)</translation>
    </message>
    <message>
        <source>The game could not be exported to &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>Nie udało się wyeksportować gry do „%1”:
%2</translation>
    </message>
    <message>
        <source>Other chess programs may refuse this position: %1.</source>
        <extracomment>%1 says what is odd about the position.</extracomment>
        <translation>Inne programy szachowe mogą odrzucić tę pozycję: %1.</translation>
    </message>
    <message>
        <source>PGN and FEN Files (*.pgn *.fen)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Pliki PGN i FEN (*.pgn *.fen)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>No game was opened from &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>Nie otwarto żadnej partii z „%1”:
%2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>The clipboard holds no game or position to play:
%1</source>
        <extracomment>%1 is what is wrong with the clipboard&apos;s text.</extracomment>
        <translation>W schowku nie ma partii ani pozycji do gry:
%1</translation>
    </message>
</context>
<context>
    <name>orbel::PgnReader</name>
    <message>
        <source>No game or position was found in the text.</source>
        <translation>W tekście nie znaleziono partii ani pozycji.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>a tag pair must be [Name &quot;value&quot;].</source>
        <translation>para znaczników musi mieć postać [Nazwa &quot;wartość&quot;].</translation>
    </message>
    <message>
        <source>a tag&apos;s value is not closed on its line.</source>
        <translation>wartość znacznika nie jest zamknięta w swoim wierszu.</translation>
    </message>
    <message>
        <source>a tag pair is not closed with ].</source>
        <translation>para znaczników nie jest zamknięta znakiem ].</translation>
    </message>
    <message>
        <source>the game has two FEN tags.</source>
        <translation>partia ma dwa znaczniki FEN.</translation>
    </message>
    <message>
        <source>the FEN tag cannot be read: %1.</source>
        <translation>nie można odczytać znacznika FEN: %1.</translation>
    </message>
    <message>
        <source>a comment is not closed with }.</source>
        <translation>komentarz nie jest zamknięty znakiem }.</translation>
    </message>
    <message>
        <source>a ) has no ( before it.</source>
        <translation>przed znakiem ) nie ma znaku (.</translation>
    </message>
    <message>
        <source>a variation is not closed with ).</source>
        <translation>wariant nie jest zamknięty znakiem ).</translation>
    </message>
    <message>
        <source>a %1 is out of place.</source>
        <translation>%1 w niewłaściwym miejscu.</translation>
    </message>
    <message>
        <source>Move %1 is ambiguous. %2.</source>
        <translation>Ruch %1 jest niejednoznaczny. %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move.</source>
        <translation>„%1” nie jest ruchem.</translation>
    </message>
    <message>
        <source>Move %1 cannot be played: %2.</source>
        <translation>Nie można wykonać ruchu %1: %2.</translation>
    </message>
    <message>
        <source>The game is longer than %1 half-moves, too long to open.</source>
        <translation>Partia ma więcej niż %1 półruchów, jest za długa, by ją otworzyć.</translation>
    </message>
    <message>
        <source>The FEN cannot be read: %1.</source>
        <translation>Nie można odczytać FEN: %1.</translation>
    </message>
</context>
<context>
    <name>orbel::PgnWriter</name>
    <message>
        <source>The game cannot be exported for other chess programs: %1.</source>
        <translation>Nie można wyeksportować partii dla innych programów szachowych: %1.</translation>
    </message>
    <message>
        <source>The exported game stops before %1, which standard chess does not allow: %2.</source>
        <translation>Wyeksportowana partia kończy się przed %1, na co nie pozwalają standardowe szachy: %2.</translation>
    </message>
</context>
<context>
    <name>orbel::PlayedMove</name>
    <message>
        <source>You %1</source>
        <translation>Ty: %1</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Komputer: %1</translation>
    </message>
    <message>
        <source>Opponent %1</source>
        <translation>Przeciwnik: %1</translation>
    </message>
    <message>
        <source>White %1</source>
        <translation>Białe: %1</translation>
    </message>
    <message>
        <source>Black %1</source>
        <translation>Czarne: %1</translation>
    </message>
    <message>
        <source>You, %1</source>
        <translation>Ty, %1</translation>
    </message>
    <message>
        <source>Computer, %1</source>
        <translation>Komputer, %1</translation>
    </message>
    <message>
        <source>Opponent, %1</source>
        <translation>Przeciwnik, %1</translation>
    </message>
    <message>
        <source>White, %1</source>
        <translation>Białe, %1</translation>
    </message>
    <message>
        <source>Black, %1</source>
        <translation>Czarne, %1</translation>
    </message>
    <message>
        <source>You win.</source>
        <translation>Wygrywasz.</translation>
    </message>
    <message>
        <source>The computer wins.</source>
        <translation>Komputer wygrywa.</translation>
    </message>
    <message>
        <source>Your opponent wins.</source>
        <translation>Przeciwnik wygrywa.</translation>
    </message>
    <message>
        <source>White wins.</source>
        <translation>Białe wygrywają.</translation>
    </message>
    <message>
        <source>Black wins.</source>
        <translation>Czarne wygrywają.</translation>
    </message>
    <message>
        <source>, checkmate. %1</source>
        <translation>, mat. %1</translation>
    </message>
    <message>
        <source>, check</source>
        <translation>, szach</translation>
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
        <translation>router nie odpowiedział na czas</translation>
    </message>
    <message>
        <source>the router&apos;s answers could not be read</source>
        <translation>nie można odczytać odpowiedzi routera</translation>
    </message>
    <message>
        <source>the port-mapping helper ended</source>
        <translation>program pomocniczy do przekierowania portów zakończył działanie</translation>
    </message>
    <message>
        <source>no pipe for the port-mapping helper</source>
        <translation>brak potoku dla programu pomocniczego do przekierowania portów</translation>
    </message>
    <message>
        <source>the port-mapping helper is missing</source>
        <translation>brak programu pomocniczego do przekierowania portów</translation>
    </message>
    <message>
        <source>the port-mapping helper could not be started</source>
        <translation>nie można uruchomić programu pomocniczego do przekierowania portów</translation>
    </message>
</context>
<context>
    <name>orbel::PromotionDialog</name>
    <message>
        <source>Promotion</source>
        <translation>Promocja</translation>
    </message>
    <message>
        <source>The pawn becomes:</source>
        <translation>Pion zamienia się w:</translation>
    </message>
    <message>
        <source>&amp;Queen</source>
        <translation>&amp;Hetmana</translation>
    </message>
    <message>
        <source>&amp;Rook</source>
        <translation>&amp;Wieżę</translation>
    </message>
    <message>
        <source>&amp;Bishop</source>
        <translation>&amp;Gońca</translation>
    </message>
    <message>
        <source>K&amp;night</source>
        <translation>&amp;Skoczka</translation>
    </message>
</context>
<context>
    <name>orbel::Refusal</name>
    <message>
        <source>That is no move</source>
        <translation>To nie jest ruch</translation>
    </message>
    <message>
        <source>There is no piece there</source>
        <translation>Tam nie ma figury</translation>
    </message>
    <message>
        <source>That is not your piece</source>
        <translation>To nie twoja figura</translation>
    </message>
    <message>
        <source>Your own piece stands there</source>
        <translation>Tam stoi twoja figura</translation>
    </message>
    <message>
        <source>That piece does not move so</source>
        <translation>Ta figura tak się nie porusza</translation>
    </message>
    <message>
        <source>The way is blocked</source>
        <translation>Droga jest zablokowana</translation>
    </message>
    <message>
        <source>There is nothing to take there</source>
        <translation>Tam nie ma czego bić</translation>
    </message>
    <message>
        <source>No en passant in these rules</source>
        <translation>W tych zasadach nie ma bicia w przelocie</translation>
    </message>
    <message>
        <source>En passant only right after the double step</source>
        <translation>Bicie w przelocie tylko zaraz po ruchu piona o dwa pola</translation>
    </message>
    <message>
        <source>The king may not castle through an attacked square</source>
        <translation>Król nie może roszować przez atakowane pole</translation>
    </message>
    <message>
        <source>The king may not castle into check</source>
        <translation>Król nie może roszować pod szach</translation>
    </message>
    <message>
        <source>The king or that rook has moved, or the rook is gone</source>
        <translation>Król lub ta wieża już się ruszały albo wieży nie ma</translation>
    </message>
    <message>
        <source>Your king is in check</source>
        <translation>Twój król jest szachowany</translation>
    </message>
    <message>
        <source>That piece is pinned to its king</source>
        <translation>Ta figura jest związana ze swoim królem</translation>
    </message>
    <message>
        <source>That square is attacked</source>
        <translation>To pole jest atakowane</translation>
    </message>
    <message>
        <source>no game on the board</source>
        <translation>brak partii na szachownicy</translation>
    </message>
    <message>
        <source>nothing in hand</source>
        <translation>brak figury w ręce</translation>
    </message>
    <message>
        <source>not your move</source>
        <translation>to nie twój ruch</translation>
    </message>
    <message>
        <source>no piece chosen</source>
        <translation>nie wybrano figury</translation>
    </message>
</context>
<context>
    <name>orbel::Rules</name>
    <message>
        <source>the king or that rook has moved, or the rook was taken</source>
        <translation>król lub ta wieża już się ruszały albo wieża została zbita</translation>
    </message>
    <message>
        <source>the king is in check</source>
        <translation>król jest szachowany</translation>
    </message>
    <message>
        <source>it is not a legal move</source>
        <translation>to nie jest dozwolony ruch</translation>
    </message>
    <message>
        <source>the king passes through an attacked square</source>
        <translation>król przechodzi przez atakowane pole</translation>
    </message>
    <message>
        <source>the king lands on an attacked square</source>
        <translation>król staje na atakowanym polu</translation>
    </message>
    <message>
        <source>a pawn stands on the first or last rank</source>
        <translation>pion stoi na pierwszym lub ostatnim rzędzie</translation>
    </message>
    <message>
        <source>White needs exactly one king</source>
        <translation>białe muszą mieć dokładnie jednego króla</translation>
    </message>
    <message>
        <source>Black needs exactly one king</source>
        <translation>czarne muszą mieć dokładnie jednego króla</translation>
    </message>
    <message>
        <source>a side has more than 8 pawns</source>
        <translation>jedna ze stron ma więcej niż 8 pionów</translation>
    </message>
    <message>
        <source>a side has more than 16 pieces</source>
        <translation>jedna ze stron ma więcej niż 16 figur</translation>
    </message>
    <message>
        <source>the side not to move is in check</source>
        <translation>strona, która nie jest na posunięciu, jest szachowana</translation>
    </message>
</context>
<context>
    <name>orbel::Spoken</name>
    <message>
        <source>piece</source>
        <translation>figura</translation>
    </message>
    <message>
        <source>pawn</source>
        <translation>pion</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>skoczek</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>goniec</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>wieża</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>hetman</translation>
    </message>
    <message>
        <source>king</source>
        <translation>król</translation>
    </message>
    <message>
        <source>pieces</source>
        <translation>figury</translation>
    </message>
    <message>
        <source>pawns</source>
        <translation>piony</translation>
    </message>
    <message>
        <source>knights</source>
        <translation>skoczki</translation>
    </message>
    <message>
        <source>bishops</source>
        <translation>gońce</translation>
    </message>
    <message>
        <source>rooks</source>
        <translation>wieże</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>hetmany</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>króle</translation>
    </message>
    <message>
        <source>white piece</source>
        <translation>biała figura</translation>
    </message>
    <message>
        <source>white pawn</source>
        <translation>biały pion</translation>
    </message>
    <message>
        <source>white knight</source>
        <translation>biały skoczek</translation>
    </message>
    <message>
        <source>white bishop</source>
        <translation>biały goniec</translation>
    </message>
    <message>
        <source>white rook</source>
        <translation>biała wieża</translation>
    </message>
    <message>
        <source>white queen</source>
        <translation>biały hetman</translation>
    </message>
    <message>
        <source>white king</source>
        <translation>biały król</translation>
    </message>
    <message>
        <source>black piece</source>
        <translation>czarna figura</translation>
    </message>
    <message>
        <source>black pawn</source>
        <translation>czarny pion</translation>
    </message>
    <message>
        <source>black knight</source>
        <translation>czarny skoczek</translation>
    </message>
    <message>
        <source>black bishop</source>
        <translation>czarny goniec</translation>
    </message>
    <message>
        <source>black rook</source>
        <translation>czarna wieża</translation>
    </message>
    <message>
        <source>black queen</source>
        <translation>czarny hetman</translation>
    </message>
    <message>
        <source>black king</source>
        <translation>czarny król</translation>
    </message>
    <message>
        <source>becomes a piece</source>
        <translation>zamienia się w figurę</translation>
    </message>
    <message>
        <source>becomes a pawn</source>
        <translation>zamienia się w piona</translation>
    </message>
    <message>
        <source>becomes a knight</source>
        <translation>zamienia się w skoczka</translation>
    </message>
    <message>
        <source>becomes a bishop</source>
        <translation>zamienia się w gońca</translation>
    </message>
    <message>
        <source>becomes a rook</source>
        <translation>zamienia się w wieżę</translation>
    </message>
    <message>
        <source>becomes a queen</source>
        <translation>zamienia się w hetmana</translation>
    </message>
    <message>
        <source>becomes a king</source>
        <translation>zamienia się w króla</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>no pieces</source>
        <translation>brak figur</translation>
    </message>
    <message>
        <source>check</source>
        <translation>szach</translation>
    </message>
    <message>
        <source>checkmate</source>
        <translation>mat</translation>
    </message>
    <message>
        <source>castles short</source>
        <translation>roszada krótka</translation>
    </message>
    <message>
        <source>castles long</source>
        <translation>roszada długa</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, puste</translation>
    </message>
    <message>
        <source>%1 %2 takes %3 %4 en passant</source>
        <translation>%1 %2 bije w przelocie %3 %4</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 na %3</translation>
    </message>
    <message>
        <source>%1 %2 takes %3 %4</source>
        <translation>%1 %2 bije %3 %4</translation>
    </message>
    <message>
        <source>takes %1</source>
        <translation>bicie na %1</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 bije na %2</translation>
    </message>
    <message>
        <source>White has %1.</source>
        <translation>Białe: %1.</translation>
    </message>
    <message>
        <source>Black has %1.</source>
        <translation>Czarne: %1.</translation>
    </message>
    <message>
        <source>White to move, check</source>
        <translation>Ruch białych, szach</translation>
    </message>
    <message>
        <source>Black to move, check</source>
        <translation>Ruch czarnych, szach</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Ruch białych</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Ruch czarnych</translation>
    </message>
    <message>
        <source>Standard chess rules.</source>
        <translation>Standardowe zasady szachowe.</translation>
    </message>
    <message>
        <source>All empty.</source>
        <translation>Wszystkie pola puste.</translation>
    </message>
    <message>
        <source>1 empty.</source>
        <translation>1 pole puste.</translation>
    </message>
    <message>
        <source>%1 empty.</source>
        <translation>Pustych pól: %1.</translation>
    </message>
    <message>
        <source>White has no %1.</source>
        <translation>Białe nie mają %1.</translation>
    </message>
    <message>
        <source>Black has no %1.</source>
        <translation>Czarne nie mają %1.</translation>
    </message>
    <message>
        <source>Rank %1</source>
        <translation>Rząd %1</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <source>White %1.</source>
        <translation>Białe: %1.</translation>
    </message>
    <message>
        <source>Black %1.</source>
        <translation>Czarne: %1.</translation>
    </message>
    <message>
        <source>White %1, Black %2.</source>
        <translation>Białe %1, czarne %2.</translation>
    </message>
    <message>
        <source>Even.</source>
        <translation>Równowaga.</translation>
    </message>
    <message>
        <source>White is %1 ahead.</source>
        <translation>Białe prowadzą o %1.</translation>
    </message>
    <message>
        <source>Black is %1 ahead.</source>
        <translation>Czarne prowadzą o %1.</translation>
    </message>
</context>
<context>
    <name>orbel::SpokenMissing</name>
    <message>
        <source>pieces</source>
        <translation>figur</translation>
    </message>
    <message>
        <source>pawns</source>
        <translation>pionów</translation>
    </message>
    <message>
        <source>knights</source>
        <translation>skoczków</translation>
    </message>
    <message>
        <source>bishops</source>
        <translation>gońców</translation>
    </message>
    <message>
        <source>rooks</source>
        <translation>wież</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>hetmanów</translation>
    </message>
    <message>
        <source>king</source>
        <translation>króla</translation>
    </message>
</context>
<context>
    <name>orbel::SpokenTaken</name>
    <message>
        <source>piece</source>
        <translation>figurę</translation>
    </message>
    <message>
        <source>pawn</source>
        <translation>piona</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>skoczka</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>gońca</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>wieżę</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>hetmana</translation>
    </message>
    <message>
        <source>king</source>
        <translation>króla</translation>
    </message>
</context>
<context>
    <name>orbel::TimeControl</name>
    <message>
        <source>1 hour</source>
        <translation>1 godzina</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n godzina</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuta</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 sekunda</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 ruch</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n ruch</numerusform>
            <numerusform>%n ruchy</numerusform>
            <numerusform>%n ruchów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 each</source>
        <extracomment>%1 is a time, such as &quot;90 minutes&quot;, that both sides have.</extracomment>
        <translation>%1 dla każdego</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>%1 is a time, such as &quot;90 minutes each&quot;; %2 a number of moves, such as &quot;40 moves&quot;.</extracomment>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <source>%1 for the rest of the game</source>
        <extracomment>%1 is a time, such as &quot;30 minutes&quot;.</extracomment>
        <translation>%1 do końca partii</translation>
    </message>
    <message>
        <source>%1 for the whole game</source>
        <extracomment>%1 is a time, such as &quot;5 minutes each&quot;.</extracomment>
        <translation>%1 na całą partię</translation>
    </message>
    <message>
        <source>%1, up to %2 of every move given back</source>
        <extracomment>A delay (Bronstein): %1 is the time so far, %2 a number of seconds.</extracomment>
        <translation>%1, za każdy ruch zwrot najwyżej %2</translation>
    </message>
    <message>
        <source>%1, %2 added after every move</source>
        <extracomment>An increment (Fischer): %1 is the time so far, %2 a number of seconds.</extracomment>
        <translation>%1, za każdy ruch dodatkowo %2</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>One period of a clock after the other.</extracomment>
        <translation>%1, potem %2</translation>
    </message>
    <message>
        <source>No clock</source>
        <translation>Bez zegara</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the clock in PGN&apos;s notation, such as &quot;300+2&quot;; %2 its words.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: White %2; Black %3</source>
        <extracomment>%1 is the clock in PGN&apos;s notation; %2 White&apos;s time in words, %3 Black&apos;s.</extracomment>
        <translation>%1: białe %2; czarne %3</translation>
    </message>
    <message>
        <source>no clock</source>
        <extracomment>Inside a sentence, such as &quot;New games: no clock&quot;.</extracomment>
        <translation>bez zegara</translation>
    </message>
</context>
<context>
    <name>orbel::TimeControlDialog</name>
    <message>
        <source>&amp;No clock</source>
        <translation>&amp;Bez zegara</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>&amp;1 minuta</translation>
    </message>
    <message>
        <source>&amp;3 minutes + 2 seconds a move</source>
        <translation>&amp;3 minuty + 2 sekundy na ruch</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>&amp;5 minut</translation>
    </message>
    <message>
        <source>1&amp;0 minutes + 5 seconds a move</source>
        <translation>1&amp;0 minut + 5 sekund na ruch</translation>
    </message>
    <message>
        <source>15 m&amp;inutes + 10 seconds a move</source>
        <translation>15 m&amp;inut + 10 sekund na ruch</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Własne</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Rodzaj:</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minuty:</translation>
    </message>
    <message>
        <source>&amp;Seconds a move:</source>
        <translation>&amp;Sekundy na ruch:</translation>
    </message>
    <message>
        <source>Mo&amp;ves:</source>
        <translation>R&amp;uchy:</translation>
    </message>
    <message>
        <source>&amp;Then minutes:</source>
        <translation>&amp;Potem minuty:</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Seconds a move</source>
        <translation>Sekundy na ruch</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Then minutes</source>
        <translation>Potem minuty</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>rodzaj</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuty</translation>
    </message>
    <message>
        <source>seconds a move</source>
        <translation>sekundy na ruch</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>ruchy</translation>
    </message>
    <message>
        <source>then minutes</source>
        <translation>potem minuty</translation>
    </message>
    <message>
        <source>Time Control</source>
        <translation>Tempo gry</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własne</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarne</translation>
    </message>
    <message>
        <source>&amp;Black gets a different time</source>
        <translation>&amp;Czarne mają inny czas</translation>
    </message>
    <message>
        <source>Sudden death</source>
        <translation>Bez dodatku</translation>
    </message>
    <message>
        <source>Increment (Fischer)</source>
        <translation>Dodatek (Fischer)</translation>
    </message>
    <message>
        <source>Delay (Bronstein)</source>
        <translation>Opóźnienie (Bronstein)</translation>
    </message>
    <message>
        <source>Moves per period</source>
        <translation>Ruchy na okres</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Białe</translation>
    </message>
    <message>
        <source>Each side</source>
        <translation>Każda strona</translation>
    </message>
    <message>
        <source>Black&apos;s %1</source>
        <extracomment>A field&apos;s name to a screen reader: %1 is one of &quot;kind&quot;, &quot;minutes&quot;, ...</extracomment>
        <translation>%1 czarnych</translation>
    </message>
    <message>
        <source>White&apos;s %1</source>
        <extracomment>A field&apos;s name to a screen reader: %1 is one of &quot;kind&quot;, &quot;minutes&quot;, ...</extracomment>
        <translation>%1 białych</translation>
    </message>
</context>
<context>
    <name>orbel::UciEngine</name>
    <message>
        <source>The engine could not be started.</source>
        <translation>Nie udało się uruchomić silnika.</translation>
    </message>
    <message>
        <source>The engine did not answer</source>
        <translation>Silnik nie odpowiedział</translation>
    </message>
    <message>
        <source>The engine did not answer in time.</source>
        <translation>Silnik nie odpowiedział na czas.</translation>
    </message>
    <message>
        <source>The engine sent an illegal move: %1</source>
        <translation>Silnik wysłał niedozwolony ruch: %1</translation>
    </message>
    <message>
        <source>The engine stopped working.</source>
        <translation>Silnik przestał działać.</translation>
    </message>
</context>
<context>
    <name>orbel::WaitingDialog</name>
    <message>
        <source>&amp;Call Again</source>
        <translation>&amp;Połącz ponownie</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>&amp;Zakończ grę</translation>
    </message>
</context>
<context>
    <name>orbel::text</name>
    <message>
        <source>Internet Game</source>
        <translation>Gra przez Internet</translation>
    </message>
    <message>
        <source>Failed Connection!</source>
        <translation>Połączenie nieudane!</translation>
    </message>
    <message>
        <source>WinSock problem - Internet play unavailable</source>
        <translation>Problem z WinSock – gra przez Internet niedostępna</translation>
    </message>
    <message>
        <source>Socket Binding Error - Internet play unavailable</source>
        <translation>Błąd wiązania gniazda – gra przez Internet niedostępna</translation>
    </message>
    <message>
        <source>Connection Problem - Check network settings</source>
        <translation>Problem z połączeniem – sprawdź ustawienia sieci</translation>
    </message>
    <message>
        <source>Connection Timeout!</source>
        <translation>Przekroczono czas połączenia!</translation>
    </message>
    <message>
        <source>Connection Refused!</source>
        <translation>Połączenie odrzucone!</translation>
    </message>
    <message>
        <source>Incoming Request for network game!</source>
        <translation>Prośba o grę sieciową!</translation>
    </message>
    <message>
        <source>Error has occured</source>
        <translation>Wystąpił błąd</translation>
    </message>
    <message>
        <source>Accept request for a game from %1
(%2)?</source>
        <translation>Przyjąć prośbę o grę od %1
(%2)?</translation>
    </message>
    <message>
        <source>Connection lost — waiting for %1 to come back</source>
        <translation>Połączenie utracone — oczekiwanie na powrót gracza %1</translation>
    </message>
    <message>
        <source>Game request denied</source>
        <translation>Prośba o grę odrzucona</translation>
    </message>
    <message>
        <source>Opponent is playing someone else</source>
        <translation>Przeciwnik gra z kimś innym</translation>
    </message>
    <message>
        <source>Opponent unavailable</source>
        <translation>Przeciwnik niedostępny</translation>
    </message>
    <message>
        <source>Congratulations! Your opponent has resigned!</source>
        <translation>Gratulacje! Przeciwnik się poddał!</translation>
    </message>
    <message>
        <source>Opponent has disconnected</source>
        <translation>Przeciwnik się rozłączył</translation>
    </message>
    <message>
        <source>Transmission Error - Check you Internet connection</source>
        <translation>Błąd transmisji – sprawdź połączenie z Internetem</translation>
    </message>
    <message>
        <source>Transmission Error! - Check you Internet connection</source>
        <translation>Błąd transmisji! – sprawdź połączenie z Internetem</translation>
    </message>
    <message>
        <source>Transmission Error - Check your Internet connection</source>
        <translation>Błąd transmisji – sprawdź połączenie z Internetem</translation>
    </message>
    <message>
        <source>Transmission Error - Check you network connection</source>
        <translation>Błąd transmisji – sprawdź połączenie sieciowe</translation>
    </message>
    <message>
        <source>CloseConn() WSAAsyncSelect()</source>
        <translation>CloseConn() WSAAsyncSelect()</translation>
    </message>
    <message>
        <source>The connection was already closed.</source>
        <translation>Połączenie zostało już zamknięte.</translation>
    </message>
    <message>
        <source>Your opponent sent a move that is not possible in this position. The game has been ended.</source>
        <translation>Przeciwnik wysłał ruch niemożliwy w tej pozycji. Partia została zakończona.</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Ruch białych</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Ruch czarnych</translation>
    </message>
    <message>
        <source>Check!</source>
        <translation>Szach!</translation>
    </message>
    <message>
        <source>CheckMate!</source>
        <translation>Szach-mat!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Computer Resign</source>
        <translation>Komputer się poddaje</translation>
    </message>
    <message>
        <source>Resign!</source>
        <translation>Poddano partię!</translation>
    </message>
    <message>
        <source>Internal Error</source>
        <translation>Błąd wewnętrzny</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>An error has occurred that will most likely terminate your game.

Report all errors of this nature to Tessaly (bugs@orbelchess.example)</source>
        <translation>Wystąpił błąd, który najprawdopodobniej zakończy grę.

Wszystkie błędy tego rodzaju prosimy zgłaszać firmie Tessaly (bugs@orbelchess.example)</translation>
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
        <translation>Klawisze na szachownicy
Strzałki, przesunięcie kursora o jedno pole; w górę to kierunek od ciebie
Spacja lub Enter, podniesienie figury spod kursora, a potem jej odłożenie
Escape, odłożenie podniesionej figury na miejsce albo wyczyszczenie wpisanego ruchu
Wpisz ruch i naciśnij Enter, na przykład e4, Sf3, exd5, O-O lub e2e4; w zasadach standardowych e8=S
Backspace, usunięcie ostatniej wpisanej litery
F2, ostatni ruch jeszcze raz, w całości
F3, rząd, na którym stoi kursor
F4, kolumna, na której stoi kursor
F5, bilans materiału
F6, twoje figury; Shift+F6, figury przeciwnika
F7, oba zegary w partii z zegarem; F8, wstrzymanie lub wznowienie ich przy wspólnej szachownicy
Ctrl+Shift+K, Q, R, B, N lub P, gdzie stoją króle, hetmany, wieże, gońce, skoczki lub piony
Page Up i Page Down, krok wstecz i naprzód po ruchach; Home i End, pierwszy i ostatni ruch
Ctrl+R, cała pozycja
Ctrl+H, podpowiedź: ruch silnika szachowego dla ciebie, odczytany i narysowany jako strzałka
Ctrl+U, cofnięcie twojego ostatniego ruchu
F10, menu; F1, ta lista
Opcje, Ogłaszaj ruchy i Dźwięki wyłączają i włączają czytanie ruchów oraz dźwięki
</translation>
    </message>
    <message>
        <source>Orbel Chess Version 3.0

© 2026 the Orbel Chess developers</source>
        <translation>Szachy Orbel, wersja 3.0

© 2026 twórcy Szachów Orbel</translation>
    </message>
    <message>
        <source>Orbel Chess is a complete chess game with the added feature of direct Internet play. 

- Orbel Chess&apos;s main AI includes three difficulty levels for customized game play.

</source>
        <translation>Szachy Orbel to kompletna gra w szachy z dodatkową możliwością gry bezpośrednio przez Internet. 

- Główna sztuczna inteligencja Szachów Orbel ma trzy poziomy trudności, by dopasować grę do gracza.

</translation>
    </message>
    <message>
        <source>- Direct Internet play support allows for friends to challenge each other from remote locations.

All bugs should be reported to bugs@orbelchess.example</source>
        <translation>- Gra bezpośrednio przez Internet pozwala znajomym rzucać sobie wyzwania na odległość.

Wszystkie błędy prosimy zgłaszać na adres bugs@orbelchess.example</translation>
    </message>
    <message>
        <source>Orbel Chess has undergone many changes which are listed below.

- Direct Internet play support! Orbel Chess now allows users to challenge friends across the Internet.

- Two player option 

- Ability to save and reload games

</source>
        <translation>Szachy Orbel przeszły wiele zmian, które wymieniono poniżej.

- Gra bezpośrednio przez Internet! Szachy Orbel pozwalają teraz rzucać wyzwania znajomym przez Internet.

- Gra dla dwóch graczy 

- Zapisywanie i ponowne wczytywanie gier

</translation>
    </message>
    <message>
        <source>- GUI improvements including option to view chess board coordinates

- Key bug fixes to make the game as stable as ever.</source>
        <translation>- Ulepszenia interfejsu, w tym możliwość wyświetlania współrzędnych szachownicy

- Poprawki ważnych błędów, dzięki którym gra jest stabilna jak nigdy.</translation>
    </message>
</context>
</TS>
