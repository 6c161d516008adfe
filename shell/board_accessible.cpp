#include "shell/board_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <array>
#include <vector>

#include "shell/board_geometry.h"
#include "shell/board_window.h"
#include "shell/history_pane.h"
#include "shell/live_text.h"
#include "shell/menu_accessible.h"

namespace orbel {
namespace {

constexpr int Squares = 64;
// Where the score line and the lost pieces' strips are drawn.
constexpr QRect SideTextAreas[BoardReading::SideTexts] = {
    {509, 8, 240, 20}, {509, 30, 240, 20}, {509, 50, 240, 20}, {509, 73, 240, 20}};

// A drawn part of a widget: a role, a name and a place, under a parent
// interface that owns it. It has no object of its own.
class DrawnPart : public QAccessibleInterface {
public:
    DrawnPart(QAccessibleInterface* parent, QAccessible::Role role) : parent_(parent), role_(role) {}

    bool isValid() const override { return parent_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent_->window(); }
    QAccessibleInterface* parent() const override { return parent_; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = parent_->state().invisible;
        return s;
    }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? name() : QString(); }
    virtual QString name() const = 0;

private:
    QAccessibleInterface* parent_;
    QAccessible::Role role_;
};

// Interfaces made here are registered, so that every reader gets the same
// object for a part; they are deleted through the registry with their owner.
template <typename T>
T* registered(T* part) {
    QAccessible::registerAccessibleInterface(part);
    return part;
}
void unregister(QAccessibleInterface* part) {
    if (part) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(part));
}

QRect globalRect(const QWidget* widget, const QRect& local) {
    return QRect(widget->mapToGlobal(local.topLeft()), local.size());
}

class BoardTable;

// One square of the board, by its place on the screen.
class BoardCell : public DrawnPart, public QAccessibleTableCellInterface, public QAccessibleActionInterface {
public:
    BoardCell(BoardTable* table, int row, int column);

    Place place() const { return {row_, column_}; }
    QString name() const override;
    QRect rect() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return isCursor(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override {
        // untranslated: a key's name as the accessibility bus names keys
        return action == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }

private:
    bool isCursor() const;

    BoardTable* table_;
    int row_;
    int column_;
};

class BoardAccessible;

// The 8 x 8 board as the user sees it.
class BoardTable : public DrawnPart, public QAccessibleTableInterface {
public:
    explicit BoardTable(BoardAccessible* pane);
    ~BoardTable() override {
        for (BoardCell* cell : cells_) unregister(cell);
    }

    BoardWindow& board() const;
    BoardReading* reading() const { return board().reading; }
    BoardCell* cell(int row, int column) const { return cells_[static_cast<std::size_t>(row * 8 + column)]; }
    BoardCell* cursorCell() const {
        BoardReading* r = reading();
        if (!r || !r->cursor().onBoard()) return nullptr;
        return cell(r->cursor().row, r->cursor().col);
    }

    QString name() const override { return QCoreApplication::translate("orbel::BoardAccessible", BoardName); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description)
            return QCoreApplication::translate("orbel::BoardAccessible",
                                               "Arrow keys move the cursor, Space picks up and puts down, Escape "
                                               "puts back; or type a move and press Enter. Control+R reads the "
                                               "position.");
        return DrawnPart::text(t);
    }
    QRect rect() const override {
        const PixelRect topLeft = BoardGeometry{}.squareRect({0, 0});
        return globalRect(&board(), QRect(topLeft.left, topLeft.top, 8 * topLeft.width, 8 * topLeft.height));
    }
    int childCount() const override { return Squares; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < Squares ? cells_[static_cast<std::size_t>(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < Squares; ++i)
            if (cells_[static_cast<std::size_t>(i)] == child) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = board().mapFromGlobal(QPoint(x, y));
        const Place p = BoardGeometry{}.placeAt(local.x(), local.y());
        return p.onBoard() ? cell(p.row, p.col) : nullptr;
    }
    QAccessibleInterface* focusChild() const override { return board().hasFocus() ? cursorCell() : nullptr; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return onBoard(row, column) ? cell(row, column) : nullptr;
    }
    int selectedCellCount() const override { return cursorCell() ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        if (BoardCell* c = cursorCell()) return {c};
        return {};
    }
    // The file letters and rank digits as the user sees them.
    QString columnDescription(int column) const override {
        return onBoard(0, column) ? squareLetters({0, column}).left(1) : QString();
    }
    QString rowDescription(int row) const override {
        return onBoard(row, 0) ? squareLetters({row, 0}).mid(1, 1) : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 8; }
    int rowCount() const override { return 8; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    // "e4": the first two characters of the square's words.
    QString squareLetters(Place p) const {
        BoardReading* r = reading();
        return r ? r->squareText(p).left(2) : QString();
    }

    BoardAccessible* pane_;
    std::array<BoardCell*, Squares> cells_{};
};

// The scores and the lost pieces beside the board.
class SideText : public DrawnPart {
public:
    SideText(QAccessibleInterface* pane, const BoardWindow& board, int index)
        : DrawnPart(pane, QAccessible::StaticText), board_(board), index_(index) {}
    QString name() const override { return board_.reading ? board_.reading->sideText(index_) : QString(); }
    QRect rect() const override { return globalRect(&board_, SideTextAreas[index_]); }

private:
    const BoardWindow& board_;
    int index_;
};

// The drawing area: the board, then the four texts beside it.
class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardWindow* board) : QAccessibleWidget(board, QAccessible::Whitespace), board_(board) {
        table_ = registered(new BoardTable(this));
        for (int i = 0; i < BoardReading::SideTexts; ++i)
            texts_[static_cast<std::size_t>(i)] = registered(new SideText(this, *board, i));
        board->accessible = this;
        // What a reader hears follows what is drawn and where the keys are.
        repainted_ = QObject::connect(board, &BoardWindow::repainted, board, [this] { refreshNames(); });
    }
    // Deleted by the board window while it is whole (see ~BoardWindow), or
    // with every interface at exit.
    ~BoardAccessible() override {
        board_->accessible = nullptr;
        QObject::disconnect(repainted_);
        unregister(table_);
        for (SideText* t : texts_) unregister(t);
    }

    BoardWindow& board() const { return *board_; }
    BoardTable* table() const { return table_; }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return QCoreApplication::translate("orbel::BoardAccessible", "Board and score");
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1 + BoardReading::SideTexts; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return table_;
        if (index > 0 && index <= BoardReading::SideTexts) return texts_[static_cast<std::size_t>(index - 1)];
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y)) return child(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override { return table_->focusChild(); }

    // Each part's last known words, to tell readers which ones changed.
    void refreshNames() {
        for (int i = 0; i < Squares; ++i) refresh(table_->child(i), names_[static_cast<std::size_t>(i)]);
        for (int i = 0; i < BoardReading::SideTexts; ++i)
            refresh(texts_[static_cast<std::size_t>(i)], names_[static_cast<std::size_t>(Squares + i)]);
    }

private:
    static void refresh(QAccessibleInterface* part, QString& known) {
        const QString now = part->text(QAccessible::Name);
        if (now == known) return;
        known = now;
        QAccessibleEvent changed(part, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }

    BoardWindow* board_;
    QMetaObject::Connection repainted_;
    BoardTable* table_;
    std::array<SideText*, BoardReading::SideTexts> texts_{};
    std::array<QString, Squares + BoardReading::SideTexts> names_;
};

BoardTable::BoardTable(BoardAccessible* pane) : DrawnPart(pane, QAccessible::Whitespace), pane_(pane) {
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column)
            cells_[static_cast<std::size_t>(row * 8 + column)] = registered(new BoardCell(this, row, column));
}

BoardWindow& BoardTable::board() const { return pane_->board(); }

BoardCell::BoardCell(BoardTable* table, int row, int column)
    : DrawnPart(table, QAccessible::ListItem), table_(table), row_(row), column_(column) {}

QAccessibleInterface* BoardCell::table() const { return table_; }

bool BoardCell::isCursor() const {
    BoardReading* r = table_->reading();
    return r && r->cursor() == place();
}

QString BoardCell::name() const {
    BoardReading* r = table_->reading();
    return r ? r->squareText(place()) : QString();
}

QRect BoardCell::rect() const {
    const PixelRect r = BoardGeometry{}.squareRect(place());
    return globalRect(&table_->board(), QRect(r.left, r.top, r.width, r.height));
}

QAccessible::State BoardCell::state() const {
    QAccessible::State s = DrawnPart::state();
    s.focusable = true;
    s.selectable = true;
    s.selected = isCursor();
    s.focused = s.selected && table_->board().hasFocus();
    return s;
}

void BoardCell::doAction(const QString& action) {
    if (action != pressAction()) return;
    if (BoardReading* r = table_->reading()) r->activateSquare(place());
}

// A line of a history pane: "1. e4".
class HistoryLine : public DrawnPart {
public:
    HistoryLine(QAccessibleInterface* list, const HistoryPane& pane, int index)
        : DrawnPart(list, QAccessible::ListItem), pane_(pane), index_(index) {}
    QString name() const override {
        const MoveHistory& h = pane_.history();
        if (index_ >= h.count || static_cast<std::size_t>(index_) >= h.lines.size()) return QString();
        const std::string& line = h.lines[static_cast<std::size_t>(index_)];
        return QStringLiteral("%1. %2").arg(index_ + 1).arg(QString::fromStdString(line));
    }
    QRect rect() const override { return globalRect(&pane_, pane_.lineRect(index_)); }
    QAccessible::State state() const override {
        QAccessible::State s = DrawnPart::state();
        s.offscreen = !pane_.contentsRect().intersects(pane_.lineRect(index_));
        return s;
    }

private:
    const HistoryPane& pane_;
    int index_;
};

// A history pane: a list of the lines in use.
class HistoryAccessible : public QAccessibleWidget {
public:
    explicit HistoryAccessible(HistoryPane* pane) : QAccessibleWidget(pane, QAccessible::List) {}
    ~HistoryAccessible() override {
        for (HistoryLine* line : lines_) unregister(line);
    }
    const HistoryPane& pane() const { return *static_cast<const HistoryPane*>(widget()); }

    int childCount() const override { return pane().history().count; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        while (static_cast<int>(lines_.size()) <= index)
            lines_.push_back(registered(new HistoryLine(const_cast<HistoryAccessible*>(this), pane(),
                                                        static_cast<int>(lines_.size()))));
        return lines_[static_cast<std::size_t>(index)];
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < lines_.size(); ++i)
            if (lines_[i] == child && static_cast<int>(i) < childCount()) return static_cast<int>(i);
        // The scroll bar, which is a widget.
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    // Made when first asked for, kept (and reused) while the list shrinks and grows.
    mutable std::vector<HistoryLine*> lines_;
};

QAccessibleInterface* describe(const QString&, QObject* object) {
    if (auto* board = qobject_cast<BoardWindow*>(object)) return new BoardAccessible(board);
    if (auto* pane = qobject_cast<HistoryPane*>(object)) return new HistoryAccessible(pane);
    // Screen readers speak a notification as it shows.
    if (auto* live = qobject_cast<LiveText*>(object)) return new QAccessibleWidget(live, QAccessible::Notification);
    return describeMenuItem(object);
}

QAccessible::UpdateHandler qtsOwnHandler = nullptr;
void routeUpdate(QAccessibleEvent* event);

// Hands an event on to the platform's bridge as Qt would have.
void passOn(QAccessibleEvent* event) {
    QAccessible::installUpdateHandler(qtsOwnHandler);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(routeUpdate);
}

// The cell under the cursor as the focused part; false when there is none.
bool tellCursorCell(BoardWindow& board) {
    if (!board.accessible || !board.hasFocus()) return false;
    QAccessibleInterface* cell = static_cast<BoardAccessible*>(board.accessible)->table()->cursorCell();
    if (!cell) return false;
    QAccessibleEvent focus(cell, QAccessible::Focus);
    passOn(&focus);
    return true;
}

// Qt gives the focus to the board widget after every dialog, menu and window
// switch, and readers would say "Board and score" where the player wants the
// square: the board's focus is told as its cursor cell's. While a menu is
// open Qt tells the board's focus now and then; the menu keeps the reader.
void routeUpdate(QAccessibleEvent* event) {
    auto* board = event->type() == QAccessible::Focus ? qobject_cast<BoardWindow*>(event->object()) : nullptr;
    if (!board) return passOn(event);
    if (QApplication::activePopupWidget()) return;
    QAccessible::queryAccessibleInterface(board);  // made on first use
    if (!tellCursorCell(*board)) passOn(event);
}

}  // namespace

void installBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(describe);
        qtsOwnHandler = QAccessible::installUpdateHandler(routeUpdate);
        return true;
    }();
    (void)installed;
}

void cursorCellFocused(BoardWindow& board) {
    if (!QApplication::activePopupWidget()) tellCursorCell(board);
}

}  // namespace orbel
