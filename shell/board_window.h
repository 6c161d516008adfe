// The main window's drawing area (the client area between the menu bar and
// the status bar): it turns mouse events into the window's messages and shows
// the surface the painting code draws into, with what lies over it (the
// carried piece). The surface has the screen's device pixels; mouse
// positions and repaint areas stay logical.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class QPainter;

namespace orbel {

class BoardWindow : public QWidget {
    Q_OBJECT
public:
    // `dispatch` hands a message to the installed mode procedure; `overlay`
    // draws what lies over the surface, in logical coordinates.
    using Dispatch = std::function<int(int message, std::uintptr_t wParam, std::intptr_t lParam)>;
    using Overlay = std::function<void(QPainter& painter)>;
    BoardWindow(Dispatch dispatch, Overlay overlay, QWidget* parent);

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

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
