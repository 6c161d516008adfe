#include "shell/board_window.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/board_painter.h"
#include "game/window_messages.h"

namespace orbel {

BoardWindow::BoardWindow(Dispatch dispatch, QWidget* parent)
    : QWidget(parent), dispatch_(std::move(dispatch)), surface_(ClientWidth, ClientHeight, QImage::Format_RGB32) {
    setFixedSize(ClientWidth, ClientHeight);
    surface_.fill(WindowBackground);
    // Moves without a button pressed still matter: the wait cursor.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardWindow::invalidate(const QRect& area) {
    needsPaint_ = true;
    update(area.intersected(rect()));
}

void BoardWindow::paintEvent(QPaintEvent* event) {
    if (needsPaint_) {
        needsPaint_ = false;
        dispatch_(msg::WM_PAINT, 0, 0);
    }
    QPainter p(this);
    p.drawImage(event->rect(), surface_, event->rect());
}

void BoardWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    dispatch_(msg::WM_LBUTTONDOWN, msg::MK_LBUTTON, msg::makeLParam(at.x(), at.y()));
}

void BoardWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // The widget that saw the press gets the release wherever the mouse is
    // (Qt grabs the mouse for the press), so a piece in hand is never lost.
    const QPoint at = event->position().toPoint();
    dispatch_(msg::WM_LBUTTONUP, 0, msg::makeLParam(at.x(), at.y()));
}

void BoardWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const std::uintptr_t buttons = (event->buttons() & Qt::LeftButton) ? msg::MK_LBUTTON : 0;
    dispatch_(msg::WM_MOUSEMOVE, buttons, msg::makeLParam(at.x(), at.y()));
}

}  // namespace orbel
