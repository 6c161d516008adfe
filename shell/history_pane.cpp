#include "shell/history_pane.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "shell/board_painter.h"

namespace orbel {

namespace {

// A pane shows this many lines; a list that grows past them scrolls one line
// with each new move, keeping the newest in view.
constexpr int LinesShown = 13;

}  // namespace

HistoryPane::HistoryPane(const QString& title, const MoveLists& lists, Side side,
                         std::function<const QFont&()> paneFont, QWidget* parent)
    : QFrame(parent), lists_(lists), side_(side), paneFont_(std::move(paneFont)),
      bar_(new QScrollBar(Qt::Vertical, this)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setToolTip(title);
    setAccessibleName(title);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(WindowBackground));
    setPalette(pal);
    connect(bar_, &QScrollBar::valueChanged, this, [this] { update(); });
    connect(&lists, &MoveLists::cleared, this, [this] {
        scroll(Scroll::Top);
        refresh();
    });
    connect(&lists, &MoveLists::lineAdded, this, [this](Side written) {
        if (written == side_ && history().count > LinesShown) scroll(Scroll::LineDown);
        refresh();
    });
    connect(&lists, &MoveLists::changed, this, &HistoryPane::refresh);
}

void HistoryPane::refresh() {
    updateRange();
    update();
}

void HistoryPane::resizeEvent(QResizeEvent*) {
    // Spacing from the pane's default font, as measured when the pane is sized.
    const QFontMetrics metrics(font());
    lineHeight_ = std::max(1, metrics.height() + metrics.leading());
    charWidth_ = std::max(1, metrics.averageCharWidth());
    page_ = MoveHistory::StandardLines / lineHeight_;
    const QRect inside = contentsRect();
    const int barWidth = bar_->sizeHint().width();
    bar_->setGeometry(inside.right() - barWidth + 1, inside.top(), barWidth, inside.height());
    updateRange();
}

void HistoryPane::updateRange() {
    const int lines = std::max(MoveHistory::StandardLines, history().count);
    bar_->setPageStep(page_);
    bar_->setSingleStep(1);
    // A scroll bar with range 0..lines and a page of `page_` stops at lines - page + 1.
    bar_->setRange(0, std::max(0, lines - page_ + 1));
}

int HistoryPane::scrollPosition() const { return bar_->value(); }

void HistoryPane::scroll(Scroll code) {
    const int old = bar_->value();
    int position = old;
    switch (code) {
    case Scroll::LineUp: position = old - 1; break;
    case Scroll::LineDown: position = old + 1; break;
    case Scroll::PageUp: position = old - page_; break;
    case Scroll::PageDown: position = old + page_; break;
    case Scroll::Top: position = bar_->minimum(); break;
    case Scroll::Bottom: position = bar_->maximum(); break;
    }
    updateRange();
    bar_->setValue(position);  // clamped to the range
    if (bar_->value() != old) update();
}

QRect HistoryPane::lineRect(int index) const {
    const QRect inside = contentsRect().adjusted(0, 0, -bar_->width(), 0);
    return QRect(inside.left(), inside.top() + (index - std::max(bar_->value(), 0)) * lineHeight_, inside.width(),
                 lineHeight_);
}

void HistoryPane::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    // Moves are written left to right in every language, right-to-left ones
    // included, as chess books print them: "1. e4", never ".1".
    p.setLayoutDirection(Qt::LeftToRight);
    const QRect inside = contentsRect().adjusted(0, 0, -bar_->width(), 0);
    p.setClipRect(inside);
    if (history().count > 0) p.setFont(paneFont_());
    p.setPen(Qt::black);
    const int first = std::max(bar_->value(), 0);
    const int visible = inside.height() / lineHeight_ + 1;
    for (int i = first; i < history().count && i < first + visible; ++i) {
        if (static_cast<std::size_t>(i) >= history().lines.size()) break;
        const int y = inside.top() + (i - first) * lineHeight_;
        const QString number = QString::number(i + 1) + ".";
        p.drawText(QRect(inside.left(), y, inside.width(), lineHeight_), Qt::AlignLeft | Qt::AlignTop, number);
        const QString text = QString::fromStdString(history().lines[static_cast<std::size_t>(i)]);
        if (!text.isEmpty()) {
            const int x = inside.left() + static_cast<int>(number.size()) * charWidth_ + 2;
            p.drawText(QRect(x, y, inside.width(), lineHeight_), Qt::AlignLeft | Qt::AlignTop, text);
        }
    }
}

}  // namespace orbel
