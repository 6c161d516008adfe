#include "shell/board_window.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "shell/board_painter.h"

namespace orbel {

BoardWindow::BoardWindow(const BoardGeometry& geometry, Paint paint, Overlay overlay, QWidget* parent)
    : QWidget(parent), geometry_(geometry), paint_(std::move(paint)), overlay_(std::move(overlay)) {
    setFixedSize(ClientWidth, ClientHeight);
    fitSurface();
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab reaches it, and a click gives it the keys.
    setFocusPolicy(Qt::StrongFocus);
}

BoardWindow::~BoardWindow() {
    // Its description reads this window: it goes first, while all of it is here.
    if (accessible) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible));
}

void BoardWindow::invalidate(const QRect& area) {
    needsPaint_ = true;
    update(area.intersected(rect()));
}

void BoardWindow::fitSurface() {
    const qreal ratio = devicePixelRatioF();
    if (!surface_.isNull() && surface_.devicePixelRatio() == ratio) return;
    // Rounded up, so the last logical pixel is whole on the device too.
    surface_ = QImage(static_cast<int>(std::ceil(ClientWidth * ratio - 1e-9)),
                      static_cast<int>(std::ceil(ClientHeight * ratio - 1e-9)), QImage::Format_RGB32);
    surface_.setDevicePixelRatio(ratio);
    surface_.fill(WindowBackground);
    needsPaint_ = true;
}

void BoardWindow::paintEvent(QPaintEvent*) {
    fitSurface();
    if (needsPaint_) {
        needsPaint_ = false;
        paint_(surface_);
        // What a screen reader reads follows what was drawn.
        emit repainted();
    }
    QPainter p(this);
    drawShown(p);
}

void BoardWindow::drawShown(QPainter& painter) {
    // Device pixel for device pixel; the painter's clip limits it.
    painter.drawImage(QPointF(0, 0), surface_);
    if (overlay_) overlay_(painter);
}

void BoardWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    emit pressed(geometry_.placeAt(at.x(), at.y()));
}

void BoardWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // The widget that saw the press gets the release wherever the mouse is
    // (Qt grabs the mouse for the press), so a piece in hand is never lost.
    const QPoint at = event->position().toPoint();
    emit released(geometry_.placeAt(at.x(), at.y()));
    // Whatever became of it, no piece is carried any more.
    update();
}

void BoardWindow::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) emit dragged(event->position().toPoint());
}

void BoardWindow::keyPressEvent(QKeyEvent* event) {
    if (onKey && onKey(*event)) return;
    QWidget::keyPressEvent(event);
}

}  // namespace orbel
