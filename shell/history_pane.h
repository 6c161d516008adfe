// A move-history pane: the numbered lines of one side's moves with a
// vertical scroll bar. Lines are spaced by the pane's default font and drawn
// in the pane font.
#pragma once

#include <QFont>
#include <QFrame>
#include <functional>

#include "game/move_lists.h"

class QScrollBar;

namespace orbel {

class HistoryPane : public QFrame {
    Q_OBJECT
public:
    // `paneFont` gives the font the lines are drawn in, asked for only when
    // there are lines to draw.
    // The pane of `side`'s list: it scrolls to its top when the lists are
    // emptied and one line with each line written past the ones it shows.
    HistoryPane(const QString& title, const MoveLists& lists, Side side, std::function<const QFont&()> paneFont,
                QWidget* parent);

    // The scroll bar's steps, as its arrows, its trough and Home/End move it.
    enum class Scroll { LineUp, LineDown, PageUp, PageDown, Top, Bottom };
    void scroll(Scroll code);
    int scrollPosition() const;
    int lineHeight() const { return lineHeight_; }
    QScrollBar* scrollBar() const { return bar_; }
    // The scroll range follows a list that has grown past its standard lines.
    void updateRange();
    // The range and the lines drawn anew.
    void refresh();
    const MoveHistory& history() const { return lists_.list(side_); }
    // Where line `index` is drawn at the present scroll position (outside
    // the pane when scrolled away).
    QRect lineRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const MoveLists& lists_;
    Side side_;
    std::function<const QFont&()> paneFont_;
    QScrollBar* bar_;
    int lineHeight_ = 16;
    int charWidth_ = 7;
    int page_ = 7;
};

}  // namespace orbel
