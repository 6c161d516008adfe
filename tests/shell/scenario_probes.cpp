// What a step of a scenario may expect: what a user sees (texts, pixels,
// menus), hears (the live text, the sounds), finds through a screen reader
// (the accessible names), on disk (files, settings) and on the wire, each as
// a text.
#include "game/clock/clock_text.h"
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <set>
#include <unistd.h>

#include "shell/board_painter.h"
#include "shell/board_window.h"
#include "shell/chat_pane.h"
#include "shell/history_pane.h"
#include "shell/live_text.h"
#include "shell/net_dialogs.h"
#include "shell/pgn_files.h"
#include "shell/resource_ids.h"
#include "shell/window_state.h"
#include "tests/shell/scenario.h"

namespace orbel::testing {
namespace {

QString yes(bool b) { return b ? "yes" : "no"; }
Side sideNamed(const std::string& name) { return name == "white" ? Side::White : Side::Black; }

template <class List, class Text>
QString listed(const List& items, Text text, const char* separator = " ") {
    QStringList out;
    for (const auto& item : items) out << text(item);
    out.removeAll(QString());
    return out.join(QLatin1String(separator));
}

QString boxText(const ShownBox& b) {
    static const char* icons[] = {"none", "stop", "exclamation", "information"};
    const char* icon = icons[static_cast<int>(b.icon)];
    return QStringLiteral("[%1, %2%3] %4").arg(b.caption, icon, b.owned ? " owned" : "", b.text);
}

QAccessibleInterface* boardPane(const Seen& v) { return QAccessible::queryAccessibleInterface(v.w.boardWindow()); }
// The board's table as a screen reader finds it, and one of the texts beside it.
QAccessibleTableInterface* boardTable(const Seen& v) { return boardPane(v)->child(0)->tableInterface(); }
QString sideText(const Seen& v, int index) { return boardPane(v)->child(1 + index)->text(QAccessible::Name); }

QString commandsThat(const Seen& v, bool greyed) {
    QStringList out;
    for (int c = 0; c < CommandCount; ++c) {
        QAction* a = v.w.action(static_cast<Command>(c));
        if (!a->isVisible()) continue;
        if (greyed ? !a->isEnabled() : a->isChecked()) out << QString::fromLatin1(commandName(static_cast<Command>(c)));
    }
    return out.join(' ');
}

// The items a user sees: a hidden one is left out.
QString menuText(QMenu* menu) {
    QList<QAction*> shown;
    for (QAction* a : menu->actions())
        if (a->isVisible()) shown << a;
    return listed(shown, [](QAction* a) {
        const QString keys = QKeySequence::listToString(a->shortcuts());
        if (a->isSeparator()) return QString("-");
        if (a->menu()) return a->text() + " [" + menuText(a->menu()) + "]";
        return a->text() + (keys.isEmpty() ? "" : " " + keys) + (a->isEnabled() ? "" : " (greyed)") +
               (a->isChecked() ? " (checked)" : "");
    }, " | ");
}
QString childNames(QAccessibleInterface* i) {
    QStringList out;
    for (int c = 0; c < i->childCount(); ++c) out << i->child(c)->text(QAccessible::Name);
    return out.join(" | ");
}
const char* States[] = {"unavailable", "idle", "calling", "requesting", "answering", "deciding", "playing", "waiting", "redialling", "rejoining"};

// The lines a history pane holds, as a screen reader reads them ("1. e4"
// read as "e4"), once every line in view is drawn where it belongs: the
// line's number and its move, one line height below the one before,
// counted from the line the scroll bar stands at. Else where it is not.
QString paneLines(MainWindow& w, Side side) {
    HistoryPane* pane = w.historyPane(side);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(pane);
    QStringList lines;
    for (int i = 0; i < list->childCount(); ++i) lines << list->child(i)->text(QAccessible::Name).section(' ', 1);
    const QImage drawn = pane->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect inside = pane->contentsRect().adjusted(0, 0, -pane->scrollBar()->width(), 0);
    const QFontMetrics spacing(pane->font());
    const int height = spacing.height() + spacing.leading();
    const int first = pane->scrollBar()->value();
    for (int i = first; i < lines.size() && (i - first) * height < inside.height(); ++i) {
        const QRect band(inside.left(), inside.top() + (i - first) * height, inside.width(),
                         std::min(height, inside.bottom() + 1 - (inside.top() + (i - first) * height)));
        QImage expected(band.size(), QImage::Format_RGB32);
        expected.fill(WindowBackground);
        QPainter p(&expected);
        p.setFont(w.paneFont());
        p.setPen(Qt::black);
        const QString number = QString::number(i + 1) + ".";
        p.drawText(QRect(0, 0, band.width(), height), Qt::AlignLeft | Qt::AlignTop, number);
        const int x = static_cast<int>(number.size()) * spacing.averageCharWidth() + 2;
        p.drawText(QRect(x, 0, band.width(), height), Qt::AlignLeft | Qt::AlignTop, lines[i]);
        p.end();
        if (drawn.copy(band) != expected) return QString("line %1 is not drawn where it belongs").arg(i + 1);
    }
    return lines.join(' ');
}

// The squares whose red last-move frame is drawn, by name.
QString framedSquares(Player& p) {
    const QImage surface = p.painted();
    QStringList framed;
    for (int s = 0; s < 64; ++s) {
        const QRect square = Player::squareRect(Player::placeOf(s, p.window->table().userSide()));
        bool red = false;
        for (int d = 2; d < 7 && !red; ++d) red = surface.pixelColor(square.topLeft() + QPoint(square.width() / 2, d)) == QColor(255, 0, 0);
        if (red) framed << QString::fromLatin1(squareName(s).data(), 2);
    }
    return framed.isEmpty() ? "none" : framed.join(' ');
}

// The squares a hint's arrow crosses at their centres, as painted.
QString arrowSquares(Player& p) {
    const QImage surface = p.painted();
    QStringList crossed;
    for (int s = 0; s < 64; ++s) {
        const QColor c = surface.pixelColor(Player::squareRect(Player::placeOf(s, p.window->table().userSide())).center());
        if (c.red() < 40 && std::abs(c.green() - 120) < 40 && std::abs(c.blue() - 40) < 40)
            crossed << QString::fromLatin1(squareName(s).data(), 2);
    }
    return crossed.isEmpty() ? "none" : crossed.join(' ');
}

// The computer's level as an export names it: "Computer (Easy)".
QString levelExported(MainWindow& w) {
    const std::string text = exportedGame(w.table(), w.network().localNickname).text;
    for (const auto& [name, level] : {std::pair{"Easy", "1"}, {"Medium", "3"}, {"Hard", "5"}})
        if (text.find(std::string("Computer (") + name + ")") != std::string::npos) return level;
    return "none";
}

// The players an export names: "Player - Fake Engine (1500)".
QString playersExported(MainWindow& w) {
    const QString text = QString::fromStdString(exportedGame(w.table(), w.network().localNickname).text);
    QStringList names;
    for (const char* tag : {"[White \"", "[Black \""}) {
        const qsizetype at = text.indexOf(QLatin1String(tag)) + qsizetype(std::strlen(tag));
        names << text.mid(at, text.indexOf(QLatin1Char('"'), at) - at);
    }
    return names.join(QStringLiteral(" - "));
}

// The engines this test started that are still its children, running or
// not yet reaped.
QString enginesRunning() {
    int count = 0;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        // "pid (comm) state ppid ...": the name may hold spaces, not ") ".
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(") ");
        const QList<QByteArray> after = line.mid(close + 2).split(' ');
        const QByteArray name = line.mid(line.indexOf('(') + 1, close - line.indexOf('(') - 1);
        if (after.size() > 1 && after[1].toLongLong() == getpid() &&
            (name.startsWith("fake-uci-engin") || name == "stockfish"))
            ++count;
    }
    return QString::number(count);
}

}  // namespace

bool probeTakesArgument(const std::string& name) {
    static const std::set<std::string> withArgument = {"square", "scroll", "score", "painted-score", "setting",
                                                        "cell", "list", "role", "file", "menu", "pixel", "ink",
                                                        "scroll-range", "lost"};
    return withArgument.count(name) != 0;
}

const std::map<std::string, Probe> Probes = {
    {"status", [](const Seen& v) { return v.w.statusText(); }},
    {"clocks", [](const Seen& v) {
         const auto& clocks = v.w.scene().clocks;
         if (!clocks) return QStringLiteral("none");
         QString text;
         for (const ClockFace& face : *clocks) {
             text += QString::fromStdString(shownTime(face.ms)) + ' ';
             if (face.running) text += QStringLiteral("runs ");
         }
         return text.trimmed();
     }},
    // How far copies a and b are apart on either clock, read at one moment.
    {"clock-gap", [](const Seen& v) {
         std::int64_t gap = 0;
         for (const Side side : {Side::White, Side::Black})
             gap = std::max(gap, std::abs(v.s.player('a').window->clocks().remaining(side) -
                                          v.s.player('b').window->clocks().remaining(side)));
         return gap <= 500 ? QStringLiteral("within 0.5 s") : QStringLiteral("%1 ms apart").arg(gap);
     }},
    // The router's state as the window holds it, and what miniupnpd was asked.
    {"mapping", [](const Seen& v) {
         const PortMapper* mapper = v.w.portMapper();
         if (!mapper) return QStringLiteral("none");
         const PortMapState state = mapper->state();
         return state.phase == PortMapState::Phase::Mapped ? QStringLiteral("mapped")
                : state.phase == PortMapState::Phase::Trying ? QStringLiteral("trying")
                                                             : QString::fromStdString("not mapped: " + state.reason);
     }},
    {"router-asked", [](const Seen& v) { return QString::number(v.s.sandbox->mappingRequests()); }},
    {"rules", [](const Seen& v) { return v.w.statusBar()->findChild<QLabel*>(QStringLiteral("rules"))->text(); }},
    {"message", [](const Seen& v) { return v.w.statusMessage(); }},
    {"white", [](const Seen& v) { return paneLines(v.w, Side::White); }},
    {"black", [](const Seen& v) { return paneLines(v.w, Side::Black); }},
    {"sounds", [](const Seen& v) {
         return listed(v.p.sounds, [](int n) {
             switch (n) {
             case res::MoveSound: return "move";
             case res::CaptureSound: return "capture";
             case res::CheckSound: return "check";
             case res::GameEndSound: return "end";
             case res::LowTimeSound: return "low-time";
             default: return "new";
             }
         });
     }},
    {"boxes", [](const Seen& v) { return listed(v.p.boxes, boxText, " // "); }},
    {"dialogs", [](const Seen& v) { return QString::number(v.p.dialogsShown); }},
    // The box of the window's that is up now, if any.
    {"open-box", [](const Seen& v) {
         for (const QMessageBox* box : v.w.findChildren<QMessageBox*>())
             if (box->isVisible()) return box->text();
         return QStringLiteral("none");
     }},
    // Who sits at the board: the user and the computer, two users, or the
    // user and a network opponent.
    {"mode", [](const Seen& v) {
         const Table::Mode mode = v.w.table().mode();
         return mode == Table::Mode::OnePlayer ? "one" : mode == Table::Mode::TwoPlayer ? "two" : "network";
     }},
    // The pieces drawn, told apart by their images.
    {"board", [](const Seen& v) { return v.p.drawnPlacement(); }},
    {"square", [](const Seen& v) {
         QString rows = v.p.drawnPlacement();
         for (int n = 8; n > 0; --n) rows.replace(QString::number(n), QString(n, '.'));
         const int s = squareNamed(v.arg);
         return QString(rows.split('/').value(7 - rankOf(s)).at(fileOf(s)));
     }},
    {"changed", [](const Seen& v) { return yes(v.p.drawnPlacement() != v.s.mark); }},
    // Which side is at the bottom: the square a reader finds there.
    {"plays", [](const Seen& v) {
         return boardTable(v)->cellAt(7, 0)->text(QAccessible::Name).startsWith("a1") ? "white" : "black";
     }},
    {"level", [](const Seen& v) { return levelExported(v.w); }},
    {"players", [](const Seen& v) { return playersExported(v.w); }},
    {"engines-running", [](const Seen&) { return enginesRunning(); }},
    // The commands the fake engines read, first to last: "uci | isready | ...".
    {"engine-heard", [](const Seen& v) {
         QFile heard(v.s.folder.filePath("heard.txt"));
         if (!heard.open(QIODevice::ReadOnly)) return QString();
         return QString::fromUtf8(heard.readAll()).trimmed().replace('\n', " | ");
     }},
    // The castling rights of the game on the board, as KQkq.
    {"rights", [](const Seen& v) {
         const StandardPosition& p = v.w.game().position();
         const CastlingRights w = p.rightsOf(Side::White), b = p.rightsOf(Side::Black);
         const QString r = QString(w.canCastleShort ? "K" : "") + (w.canCastleLong ? "Q" : "") +
                           (b.canCastleShort ? "k" : "") + (b.canCastleLong ? "q" : "");
         return r.isEmpty() ? "-" : r;
     }},
    {"frame", [](const Seen& v) { return framedSquares(v.p); }},
    {"arrow", [](const Seen& v) { return arrowSquares(v.p); }},
    {"busy", [](const Seen& v) { return v.w.cursor().shape() == Qt::WaitCursor ? "wait-cursor" : ""; }},
    {"greyed", [](const Seen& v) { return commandsThat(v, true); }},
    {"checked", [](const Seen& v) { return commandsThat(v, false); }},
    {"keys-on", [](const Seen& v) {
         const QWidget* f = QApplication::focusWidget();
         return f == v.w.boardWindow() ? "board" : f == v.w.chatPane()->edit() ? "chat" : "other";
     }},
    {"said", [](const Seen& v) { return v.w.liveText()->text(); }},
    {"said-count", [](const Seen& v) { return QString::number(v.w.liveText()->count()); }},
    {"brain", [](const Seen& v) { return v.w.brainPane()->text(); }},
    {"panes", [](const Seen& v) {
         const QString brain = v.w.brainPane()->isVisible() ? "brain " : "";
         return (brain + (v.w.chatPane()->isVisible() ? "chat" : "")).trimmed();
     }},
    {"scroll", [](const Seen& v) { return QString::number(v.w.historyPane(sideNamed(v.arg))->scrollPosition()); }},
    // The network session as the other copy finds it: whether a call is
    // taken, turned away or a game is running.
    {"state", [](const Seen& v) { return States[static_cast<int>(v.w.network().state())]; }},
    {"net-active", [](const Seen& v) { return yes(v.w.network().netGameActive()); }},
    // The box up while the line of a game is down: its text and buttons.
    {"waiting", [](const Seen& v) {
         for (const auto* d : v.w.findChildren<WaitingDialog*>()) {
             if (!d->isVisible()) continue;
             QStringList seen{d->findChild<QLabel*>()->text()};
             for (const auto* b : d->findChildren<QPushButton*>()) seen << b->text();
             return seen.join(" | ");
         }
         return QString();
     }},
    // The opponent named on the score line.
    {"peer", [](const Seen& v) { return sideText(v, 0).section(": ", 0, 0); }},
    {"chat", [](const Seen& v) { return v.w.chatPane()->lines().value(0); }},
    {"score", [](const Seen& v) { return sideText(v, v.arg == "own" ? 0 : 2); }},
    {"painted-score", [](const Seen& v) {
         const BoardScene scene = v.w.scene();
         return paintedScoreText(scene, v.arg == "own" ? scene.top() : scene.bottom, v.w.boardFont());
     }},
    {"setting", [](const Seen& v) { return QSettings().value(QString::fromStdString(v.arg)).toString(); }},
    {"colours", [](const Seen& v) {
         const auto hex = [](std::uint32_t c) { return QString("%1").arg(c, 6, 16, QChar('0')); };
         return hex(v.w.state().lightSquareColor) + ' ' + hex(v.w.state().darkSquareColor);
     }},
    {"piece-set", [](const Seen& v) { return QString::number(v.w.state().pieceSetIndex); }},
    {"time-control", [](const Seen& v) { return QString::fromStdString(timeControlText(v.w.state().timeControl)); }},
    {"offered", [](const Seen& v) { return v.s.offered; }},
    // The dialog a scenario opened: its title, buttons, whether it is open or
    // how it closed, and what it holds.
    {"dialog", [](const Seen& v) {
         QDialog& d = *v.s.dialog;
         const QString buttons = listed(d.findChildren<QPushButton*>(), [](QPushButton* b) { return b->text(); });
         QStringList out{d.windowTitle(), buttons, d.isVisible() ? "open" : QString("closed %1").arg(d.result())};
         if (auto* i = dynamic_cast<InternetGameDialog*>(&d))
             out << i->host() << i->nickname() << QString::number(i->requestedColor());
         if (auto* n = dynamic_cast<NicknameDialog*>(&d)) out << n->nickname();
         const bool centred = (d.frameGeometry().center() - v.w.frameGeometry().center()).manhattanLength() <= 4;
         if (dynamic_cast<ConnectingDialog*>(&d))
             out << QString("%1 cancels").arg(v.s.cancels) << (centred ? "centred" : "");
         return out.join(" | ");
     }},
    {"clipboard", [](const Seen&) { return QGuiApplication::clipboard()->text(); }},
    {"title", [](const Seen& v) { return v.w.windowTitle(); }},
    {"visible", [](const Seen& v) { return yes(v.w.isVisible()); }},
    {"scroll-range", [](const Seen& v) {
         const QScrollBar* bar = v.w.historyPane(sideNamed(v.arg))->scrollBar();
         return QString("%1 to %2").arg(bar->minimum()).arg(bar->maximum() + bar->pageStep() - 1);
     }},
    // The strip of a side's lost pieces.
    {"lost", [](const Seen& v) {
         static const char* kinds[] = {"", "pawn", "knight", "bishop", "rook", "queen"};
         const BoardScene scene = v.w.scene();
         return listed(shownLostPieces(scene, v.arg == "own" ? scene.top() : scene.bottom), [](const LostPieces& l) {
             return l.count ? QString("%1 %2").arg(l.count).arg(kinds[l.kind]) : QString();
         }, ", ");
     }},
    {"file", [](const Seen& v) {
         QFile f(v.s.folder.filePath(QString::fromStdString(v.arg)));
         return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : "none";
     }},
    {"files", [](const Seen& v) {
         return QDir(v.s.folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).join(' ');
     }},
    {"file-path", [](const Seen& v) { return v.w.state().fileDialogPath; }},
    // The menu bar's titles, and one of its menus: each item with its keys
    // and state, a submenu's items in brackets.
    {"menus", [](const Seen& v) { return listed(v.w.menuBar()->actions(), [](QAction* a) { return a->text(); }); }},
    {"menu", [](const Seen& v) {
         for (QAction* a : v.w.menuBar()->actions())
             if (a->text().remove('&').section(' ', 0, 0).toStdString() == v.arg) return menuText(a->menu());
         return QString("none");
     }},
    {"pixel", [](const Seen& v) { return v.p.painted().pixelColor(v.s.point(v.arg)).name(); }},
    {"ink", [](const Seen& v) { return yes(v.p.inkOn(placeOf(v.arg, v.w.table().userSide())) > 0); }},
    {"ticked", [](const Seen& v) { return yes(v.s.ticks >= 20); }},
    {"cancelled", [](const Seen& v) { return yes(v.s.cancelled); }},
    {"raw", [](const Seen& v) { return QString::fromLatin1(v.s.rawRead += v.s.raw.readAll()); }},
    {"server", [](const Seen& v) {
         Scenario& s = v.s;
         if (!s.reached && s.server.hasPendingConnections()) s.reached = s.server.nextPendingConnection();
         return QString::fromLatin1(s.reached ? s.reachedRead += s.reached->readAll() : QByteArray());
     }},
    // What a screen reader finds: the board's pane (its table and the
    // texts beside it), the table, a cell, the focused cell, roles, lists.
    {"reader", [](const Seen& v) { return childNames(boardPane(v)); }},
    {"table", [](const Seen& v) {
         QAccessibleTableInterface* t = boardPane(v)->child(0)->tableInterface();
         return QString("%1x%2 %3 %4").arg(t->rowCount()).arg(t->columnCount())
             .arg(t->columnDescription(0), t->rowDescription(0));
     }},
    {"cell", [](const Seen& v) {
         QAccessibleTableInterface* t = boardPane(v)->child(0)->tableInterface();
         return t->cellAt('8' - v.arg[1], v.arg[0] - 'a')->text(QAccessible::Name);
     }},
    {"focus", [](const Seen& v) {
         QAccessibleInterface* f = boardPane(v)->focusChild();
         return !f ? "none" : f->text(QAccessible::Name) + (f->state().focused ? "" : " (not focused)");
     }},
    {"role", [](const Seen& v) {
         QObject* of = v.arg == "live" ? static_cast<QObject*>(v.w.liveText()) : v.w.historyPane(sideNamed(v.arg));
         QAccessibleInterface* i = v.arg == "board" ? boardPane(v)->child(0) : QAccessible::queryAccessibleInterface(of);
         return QString(QMetaEnum::fromType<QAccessible::Role>().valueToKey(i->role()));
     }},
    {"list", [](const Seen& v) {
         QAccessibleInterface* l = QAccessible::queryAccessibleInterface(v.w.historyPane(sideNamed(v.arg)));
         return l->text(QAccessible::Name) + " | " + childNames(l);
     }},
};

}  // namespace orbel::testing
