// A move-history pane: the numbered lines of one side's moves with a
// vertical scroll bar. Lines are spaced by the pane's default font and drawn
// in the pane font.
#pragma once

#include <QFont>
#include <QFrame>
#include <functional>

#include "game/move_text.h"

class QScrollBar;

namespace orbel {

class HistoryPane : public QFrame {
    Q_OBJECT
public:
    // `paneFont` gives the font the lines are drawn in, asked for only when
    // there are lines to draw.
    HistoryPane(const QString& title, const MoveHistory& history, std::function<const QFont&()> paneFont,
                QWidget* parent);

    // WM_VSCROLL with a scroll code (SB_LINEDOWN, SB_TOP, ...).
    void vscroll(int code);
    int scrollPosition() const;
    int lineHeight() const { return lineHeight_; }
    QScrollBar* scrollBar() const { return bar_; }
    // The scroll range follows a list that has grown past its standard lines.
    void updateRange();
    const MoveHistory& history() const { return history_; }
    // Where line `index` is drawn at the present scroll position (outside
    // the pane when scrolled away).
    QRect lineRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const MoveHistory& history_;
    std::function<const QFont&()> paneFont_;
    QScrollBar* bar_;
    int lineHeight_ = 16;
    int charWidth_ = 7;
    int page_ = 7;
};

}  // namespace orbel
