<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
</context>
</TS>
