// The main window's drawing area (the client area between the menu bar and
// the status bar): it reports the places of the board the mouse presses and
// releases on, and the mouse moving with its button held, and shows the
// surface the painting code draws into, with what lies over it (the
// keyboard's cursor and the carried piece). It changes nothing itself. The
// surface has the screen's device pixels; mouse positions and repaint areas
// stay logical. It takes the keyboard focus and hands its keys to `onKey`;
// to a screen reader it is the chess board with the score line and the lost
// pieces beside it (board_accessible.h).
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "shell/board_geometry.h"

class QAccessibleInterface;
class QPainter;

namespace orbel {

class BoardReading;

class BoardWindow : public QWidget {
    Q_OBJECT
public:
    // `paint` paints the whole surface anew; `overlay` draws what lies over
    // it, in logical coordinates.
    using Paint = std::function<void(QImage& surface)>;
    using Overlay = std::function<void(QPainter& painter)>;
    BoardWindow(const BoardGeometry& geometry, Paint paint, Overlay overlay, QWidget* parent);
    ~BoardWindow() override;

    // The window's surface: what the painting code drew last, at the
    // screen's device pixel ratio.
    QImage& surface() { return surface_; }
    // Marks the area for painting anew.
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
    // Answers a screen reader's questions about the drawn parts, and the
    // interface that asks them, once a reader has asked for it.
    BoardReading* reading = nullptr;
    QAccessibleInterface* accessible = nullptr;

signals:
    // The left button went down or up over a place of the board (one off
    // the board outside the squares).
    void pressed(orbel::Place place);
    void released(orbel::Place place);
    // The mouse moved with the left button held.
    void dragged(QPoint at);
    // The surface was painted anew.
    void repainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Makes the surface anew when the screen's ratio is not the one it was
    // made for (the window moved to another screen); then all of it needs
    // painting.
    void fitSurface();

    const BoardGeometry& geometry_;
    Paint paint_;
    Overlay overlay_;
    QImage surface_;
    bool needsPaint_ = true;
};

}  // namespace orbel
