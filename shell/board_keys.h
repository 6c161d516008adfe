// Play without a mouse: the keyboard on the board, and the board's words
// for a screen reader.
//
// The arrow keys move a square cursor (up is away from the user, whose side
// is at the bottom); Space or Enter picks up the piece under it and a second
// press puts it down on the cursor's square; Escape puts it back. Typed text
// is a move in any notation the program reads (e2e4, e4, Nf3, O-O, the
// history panes' own), shown in the status bar as it is typed and played
// with Enter. Each of these becomes the messages a mouse makes (a press at
// the picked square's centre, moves with the button held, a release at the
// drop square's centre) through the installed mode procedure, so a keyboard
// move is judged, recorded and answered exactly as a mouse drop is, in every
// way of playing.
#pragma once

#include <QString>

#include "game/shown_position.h"
#include "shell/board_accessible.h"

class QKeyEvent;

namespace orbel {

class MainWindow;

class BoardKeys : public BoardReading {
public:
    explicit BoardKeys(MainWindow& window) : window_(window) {}

    // A key pressed on the board; false for keys it leaves alone.
    bool keyPress(const QKeyEvent& event);
    // The mouse took over: the cursor hides.
    void mousePressed();
    // The status bar's own text changed: the text being typed stays in view.
    void statusChanged();
    // The text typed so far.
    const QString& typed() const { return typed_; }

    PlayMode playMode() const;
    // The whole position in words (Control+R).
    QString positionText() const;

    // BoardReading
    QString squareText(int row, int col) override;
    QString sideText(int index) override;
    int cursorRow() override;
    int cursorCol() override;
    void activateSquare(int row, int col) override;

private:
    void moveCursorBy(int rows, int screenColumns);
    void moveCursorTo(int row, int col);
    void pressOnCursor();
    void putBack();
    void playTyped();
    void showTyped();
    // A reply to the user's own keys: in the status bar until the next key,
    // and in the live text whatever the announcement option says.
    void reply(const QString& text);
    bool holding() const;

    MainWindow& window_;
    QString typed_;
    // The square the keyboard picked the piece in hand from.
    int pickedRow_ = -1;
    int pickedCol_ = -1;
};

}  // namespace orbel
