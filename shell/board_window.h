// The main window's drawing area (the client area between the menu bar and
// the status bar): it turns mouse events into the window's messages and shows
// the surface the painting code draws into, with what lies over it (the
// keyboard's cursor and the carried piece). The surface has the screen's
// device pixels; mouse positions and repaint areas stay logical. It takes
// the keyboard focus and hands its keys to `onKey`; to a screen reader it is
// the chess board with the score line and the lost pieces beside it
// (board_accessible.h).
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class QAccessibleInterface;
class QPainter;

namespace orbel {

class BoardReading;

class BoardWindow : public QWidget {
    Q_OBJECT
public:
    // `dispatch` hands a message to the installed mode procedure; `overlay`
    // draws what lies over the surface, in logical coordinates.
    using Dispatch = std::function<int(int message, std::uintptr_t wParam, std::intptr_t lParam)>;
    using Overlay = std::function<void(QPainter& painter)>;
    BoardWindow(Dispatch dispatch, Overlay overlay, QWidget* parent);
    ~BoardWindow() override;

    // The window's surface: what the painting code drew last, at the
    // screen's device pixel ratio.
    QImage& surface() { return surface_; }
    // Marks the area for repainting from the game's records (WM_PAINT).
    void invalidate(const QRect& area);
    void invalidateAll() { invalidate(rect()); }
    // Shows an area again from the surface, without painting the board anew
    // (the carried piece moved).
    void showArea(const QRect& area) { update(area); }
    // What the window shows: the surface, then the overlay. The paint event
    // draws this, clipped to the area it repaints.
    void drawShown(QPainter& painter);

    // A key pressed while the board has the focus; true when it was used.
    std::function<bool(const QKeyEvent& event)> onKey;
    // The mouse was pressed on the board (the keyboard's cursor hides).
    std::function<void()> onMousePress;
    // Answers a screen reader's questions about the drawn parts, and the
    // interface that asks them, once a reader has asked for it.
    BoardReading* reading = nullptr;
    QAccessibleInterface* accessible = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // Makes the surface anew when the screen's ratio is not the one it was
    // made for (the window moved to another screen); then all of it needs
    // painting.
    void fitSurface();

    Dispatch dispatch_;
    Overlay overlay_;
    QImage surface_;
    bool needsPaint_ = true;
};

}  // namespace orbel
