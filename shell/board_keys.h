// Play without a mouse: the keyboard on the board, and the board's words
// for a screen reader.
//
// The arrow keys move a square cursor (up is away from the user, whose side
// is at the bottom); Space or Enter picks up the piece under it and a second
// press puts it down on the cursor's square; Escape puts it back. Typed text
// is a move in any notation the program reads (e2e4, e4, Nf3, O-O, the
// history panes' own), shown in the status bar as it is typed and played
// with Enter. The keys use the hand and the table just as the mouse does, so
// a keyboard move is judged, recorded and answered exactly as a mouse drop
// is, in every way of playing.
#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QString>
#include <functional>
#include <string>

#include "shell/board_accessible.h"
#include "shell/board_painter.h"

class QKeyEvent;

namespace orbel {

class BoardWindow;
class Hand;
class LiveText;
class Table;

class BoardKeys : public BoardReading {
    Q_DECLARE_TR_FUNCTIONS(orbel::BoardKeys)

public:
    // What the keys need of the window besides the hand and the table:
    // where a passing message shows (empty: the status text again), and how
    // the piece in the hand is carried to a point as the mouse would carry it.
    struct Window {
        WindowState& state;
        BoardWindow& board;
        LiveText& liveText;
        std::function<void(const QString&)> showMessage;
        std::function<void(QPoint)> carryTo;
        std::function<BoardScene()> scene;
        // Says both clocks.
        std::function<void()> sayClocks;
    };
    BoardKeys(Window window, Table& table, Hand& hand) : w_(std::move(window)), table_(table), hand_(hand) {}

    // A key pressed on the board; false for keys it leaves alone.
    bool keyPress(const QKeyEvent& event);
    // The mouse took over: the cursor hides.
    void mousePressed();
    // The status bar's own text changed: the text being typed stays in view.
    void statusChanged();
    // The text typed so far.
    const QString& typed() const { return typed_; }

    // The whole position in words (Control+R).
    QString positionText() const;

    // BoardReading
    QString squareText(Place place) override;
    QString sideText(int index) override;
    Place cursor() override;
    void activateSquare(Place place) override;

private:
    // The keys that ask for words: the last move, a rank, a file, the
    // material, a side's pieces, where a kind stands, the move list.
    bool answer(const QKeyEvent& event);
    bool say(const std::string& words);
    std::string lastMoveText() const;
    bool stepMoves(int index);
    void moveCursorBy(int rows, int columns);
    // `focus` false: the cursor follows a move in silence.
    void moveCursorTo(Place place, bool focus = true);
    void pressOnCursor();
    void pickUpOnCursor();
    void putBack();
    void playTyped();
    void showTyped();
    // A reply to the user's own keys: in the status bar until the next key,
    // and in the live text whatever the announcement option says.
    void reply(const QString& text, const QString& spoken = {});
    // The position as the user reads it and types moves against.
    StandardPosition shownPosition(bool forTyping) const;
    QString squareLetters(int square);

    Window w_;
    Table& table_;
    Hand& hand_;
    QString typed_;
    // Where the move list was last read (-1: not yet), and how many moves it
    // had then.
    int listed_ = -1;
    int listedOf_ = 0;
};

}  // namespace orbel
