// The window in scenarios written as text (scenarios/*.txt): what users do
// and what they must then see, step by step, against real windows, real
// sockets and the real settings store (in the test's own folder).
//
// A scenario starts at a line "== Its name" and runs its steps, one a line,
// in order; '#' starts a comment line. A step may name the copy of the
// program it concerns ("b: drag e7 e5"), a, b or c, each opened when first
// named and listening on a port of its own; unnamed, it is a. Squares are
// named as on a real board and found on the drawn one whichever side is at
// the bottom; "e2<" and "e2>" are its top-left and bottom-right pixels, a
// following "-1,0" moves the point, "off" lies outside the window. Positions
// are FEN's piece placement. Typed texts and bytes take \n \r \e \b \s
// (space) \xHH and the arrows \L \R \U \D. In a host, {b} is b's port,
// {closed} a port nobody listens on, {full} one whose queue is full and
// {server} the port of the scenario's own listener.
//
// "expect PROBE [ARG] TEXT" waits up to twenty seconds for the probe's text
// (line breaks shown as \n and \r) to be TEXT; expect-start, expect-has and
// expect-not want it to begin with, hold or differ from TEXT. The first
// step that fails ends the scenario. The verbs and probes are the two
// tables below.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QNetworkDatagram>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>
#include <QUdpSocket>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <map>
#include <new>
#include <set>
#include <sstream>
#include <thread>

#include "game/one_player.h"
#include "game/two_player.h"
#include "game/window_messages.h"
#include "net/chat_pane.h"
#include "net/net_dialogs.h"
#include "net/network_proc.h"
#include "shell/board_painter.h"
#include "shell/board_window.h"
#include "shell/history_pane.h"
#include "shell/dialogs.h"
#include "shell/live_text.h"
#include "shell/start_up.h"
#include "tests/shell/window_fixture.h"
#include "tests/support/net_sandbox.h"

namespace orbel::testing {
namespace {

using Words = std::istringstream;
struct Step {
    int line;
    std::string text;
};
struct ScenarioText {
    std::string file, name;
    std::vector<Step> steps;
};
void PrintTo(const ScenarioText& s, std::ostream* os) { *os << s.file << ": " << s.name; }

std::vector<ScenarioText> load(const char* file) {
    std::vector<ScenarioText> out;
    std::ifstream in(std::string(ORBEL_SCENARIO_DIR) + "/" + file);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        line.erase(0, line.find_first_not_of(" \t"));
        line.erase(line.find_last_not_of(" \t\r") + 1);
        if (++number, line.rfind("== ", 0) == 0) out.push_back({file, line.substr(3), {}});
        else if (!line.empty() && line[0] != '#' && !out.empty()) out.back().steps.push_back({number, line});
    }
    return out;
}

std::string testName(const ::testing::TestParamInfo<ScenarioText>& info) {
    std::string out;
    bool upper = true;
    for (const char c : info.param.name) {
        if (std::isalnum(static_cast<unsigned char>(c))) out += upper ? static_cast<char>(std::toupper(c)) : c;
        upper = !std::isalnum(static_cast<unsigned char>(c));
    }
    return out;
}

std::string word(Words& in) {
    std::string w;
    in >> w;
    return w;
}
std::string rest(Words& in) {
    std::string r;
    std::getline(in >> std::ws, r);
    return r;
}

QByteArray unescaped(const std::string& s) {
    static const std::string special = "nrebsLRUD", code = "\n\r\x1b\b \x01\x02\x03\x04";
    QByteArray out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
        } else if (s[++i] == 'x') {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += special.find(s[i]) == std::string::npos ? s[i] : code[special.find(s[i])];
        }
    }
    return out;
}
QString unescape(const std::string& s) { return QString::fromUtf8(unescaped(s)); }

const std::pair<const char*, int> Commands[] = {
    {"new-one", cmd::NewOnePlayerGame}, {"new-two", cmd::NewTwoPlayerGame}, {"save", cmd::SaveGame},
    {"load", cmd::LoadGame}, {"open-text", cmd::OpenGameText}, {"export", cmd::ExportGame},
    {"copy-game", cmd::CopyGame}, {"copy-position", cmd::CopyPosition}, {"paste", cmd::PasteGameText},
    {"exit", cmd::Exit}, {"undo", cmd::UndoMove}, {"resign", cmd::Resign},
    {"read-position", cmd::ReadPosition}, {"dark-square", cmd::DarkSquare}, {"light-square", cmd::LightSquare},
    {"original-colors", cmd::OriginalColors}, {"dudidi", cmd::PieceSetDudidi}, {"ferrow1", cmd::PieceSetFerrow1},
    {"ferrow2", cmd::PieceSetFerrow2}, {"coordinates", cmd::ShowHideCoordinates}, {"announce", cmd::AnnounceMoves},
    {"call", cmd::DirectNetworkGame}, {"address", cmd::NetworkAddress}, {"net-resign", cmd::NetworkResign},
    {"kill", cmd::KillGame}, {"whats-new", cmd::WhatsNew}, {"about", cmd::About}};

int commandId(const std::string& name) {
    for (const auto& [n, id] : Commands)
        if (name == n) return id;
    ADD_FAILURE() << "no command " << name;
    return 0;
}
int levelId(const std::string& l) { return l == "easy" ? ctl::Easy : l == "medium" ? ctl::Medium : ctl::Hard; }
QString yes(bool b) { return b ? "yes" : "no"; }

// The square's place (column, row) on the drawn board, whose bottom is the user's side.
QPoint place(const UiState& ui, const std::string& square) {
    const int file = square[0] - 'a', rank = square[1] - '1';
    return ui.humanPlaysBlack ? QPoint(file, rank) : QPoint(7 - file, 7 - rank);
}
Owner whiteOwner(const UiState& ui) { return ui.humanPlaysBlack ? Own : Enemy; }
QChar letter(const UiState& ui, Square s) {
    const QChar c = QLatin1Char(s.owner == Empty ? '.' : " pnbrqk"[s.kind]);
    return s.owner == whiteOwner(ui) ? c.toUpper() : c;
}

// A board as FEN's piece placement, and back.
QString placement(const UiState& ui, const Board& board) {
    QString out;
    for (int rank = 7; rank >= 0; --rank) {
        for (int file = 0; file < 8; ++file) {
            const QPoint at = place(ui, {static_cast<char>('a' + file), static_cast<char>('1' + rank)});
            out += letter(ui, board.at(at.y(), at.x()));
        }
        if (rank) out += '/';
    }
    for (int gap = 8; gap > 0; --gap) out.replace(QString(gap, '.'), QString::number(gap));
    return out;
}
Board fromPlacement(const UiState& ui, const std::string& fen) {
    Board b;
    int rank = 7, file = 0;
    for (const char c : fen) {
        if (c == '/') {
            --rank, file = 0;
            continue;
        }
        if (std::isdigit(static_cast<unsigned char>(c))) {
            file += c - '0';
            continue;
        }
        const QPoint at = place(ui, {static_cast<char>('a' + file++), static_cast<char>('1' + rank)});
        const bool white = std::isupper(static_cast<unsigned char>(c));
        b.at(at.y(), at.x()) = {static_cast<PieceKind>(std::string(" pnbrqk").find(static_cast<char>(std::tolower(c)))),
                                white == (whiteOwner(ui) == Own) ? Own : Enemy};
    }
    return b;
}

QString moveText(const MoveRecord& m) {
    return !m.isMove() ? QStringLiteral("none")
                       : QStringLiteral("%1 %2 %3 %4%5").arg(m.fromRow).arg(m.fromCol).arg(m.toRow).arg(m.toCol)
                             .arg(m.givesCheck ? " check" : "");
}
QString boxText(const ShownBox& b) {
    static const char* icons[] = {"none", "stop", "exclamation", "information"};
    const char* icon = icons[static_cast<int>(b.icon)];
    return QStringLiteral("[%1, %2%3] %4").arg(b.caption, icon, b.owned ? " owned" : "", b.text);
}
QString joined(const MoveHistory& h) {
    QStringList lines;
    for (int i = 0; i < h.count; ++i) lines << QString::fromStdString(h.lines[static_cast<std::size_t>(i)]);
    return lines.join(' ');
}
template <class List, class Text>
QString listed(const List& items, Text text, const char* separator = " ") {
    QStringList out;
    for (const auto& item : items) out << text(item);
    out.removeAll(QString());
    return out.join(QLatin1String(separator));
}

// A dialog as opened shows what it holds: each static text, wrapped in its
// own font, fits its control; each picture's control holds its whole
// bitmap; no control lies outside the dialog; every edit field has a label
// naming it (for a screen reader and for the label's key). Says how many
// texts and pictures it found.
QString wholeIn(QDialog& d) {
    int texts = 0, pictures = 0;
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
    for (QWidget* child : d.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        SCOPED_TRACE(child->metaObject()->className());
        EXPECT_TRUE(d.rect().contains(child->geometry())) << "outside the client area";
        const auto labels = d.findChildren<QLabel*>();
        const bool named = std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->buddy() == child; });
        EXPECT_TRUE(named || !qobject_cast<QLineEdit*>(child)) << "a field no label names";
        const auto* label = qobject_cast<const QLabel*>(child);
        if (!label) continue;
        const QRect box = label->contentsRect().marginsRemoved(QMargins() + label->margin());
        const QSize picture = label->pixmap().deviceIndependentSize().toSize();
        if (!label->pixmap().isNull()) {
            ++pictures;
            EXPECT_TRUE(box.width() >= picture.width() && box.height() >= picture.height()) << "a picture cut off";
            continue;
        }
        ++texts;
        // Blank lines at the end show nothing; everything before them must.
        const QString shown = label->text().remove(QRegularExpression("\\n+$"));
        SCOPED_TRACE(shown.toStdString());
        const QFontMetrics metrics(label->font());
        for (const QString& word : shown.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
            EXPECT_LE(metrics.horizontalAdvance(word), box.width()) << "wider than its control: " << word.toStdString();
        const QRect room(0, 0, box.width(), 100000);
        EXPECT_LE(metrics.boundingRect(room, Qt::TextWordWrap | Qt::AlignTop, shown).height(), box.height());
    }
    return QString("%1 texts, %2 pictures").arg(texts).arg(pictures);
}

// A name server on 127.0.0.1:53 that says no name exists, or never answers.
class NameServer : public QObject {
public:
    explicit NameServer(bool answers) {
        bound = socket_.bind(QHostAddress::LocalHost, 53);
        connect(&socket_, &QUdpSocket::readyRead, this, [this, answers] {
            while (socket_.hasPendingDatagrams()) {
                QNetworkDatagram query = socket_.receiveDatagram();
                QByteArray reply = query.data();
                if (!answers || reply.size() < 12) continue;
                reply[2] = static_cast<char>(reply[2] | 0x80);  // a response
                reply[3] = static_cast<char>(0x83);             // recursion available, no such name
                socket_.writeDatagram(query.makeReply(reply));
            }
        });
    }
    bool bound = false;

private:
    QUdpSocket socket_;
};

constexpr const char* InSandbox = "ORBEL_TEST_IN_SANDBOX";

// Runs this test again in a private network whose resolver is 127.0.0.1 and
// where both.test has two addresses; its exit status, or -1 (with `why`)
// when that cannot be done.
int runInSandbox(const std::string& test, QString& why) {
    QTemporaryFile resolv, hosts;
    if (!resolv.open() || !hosts.open()) return why = "no temporary file", -1;
    resolv.write("nameserver 127.0.0.1\noptions timeout:1 attempts:1\n");
    hosts.write("127.0.0.1 localhost\n127.0.0.2 both.test\n127.0.0.1 both.test\n");
    resolv.flush(), hosts.flush();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(InSandbox, "1");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start("unshare", {"--net", "--mount", "--", "sh", "-c",
                            "mount --bind \"$1\" /etc/resolv.conf && mount --bind \"$2\" /etc/hosts && "
                            "ip link set lo up && exec \"$3\" --gtest_filter=\"$4\"",
                            "sh", resolv.fileName(), hosts.fileName(), QCoreApplication::applicationFilePath(),
                            QString::fromStdString(test)});
    if (!child.waitForFinished(60000)) return why = "unshare did not finish", -1;
    if (child.exitStatus() != QProcess::NormalExit) return why = "the sandboxed run crashed", 1;
    if (child.exitCode() != 0 && QProcess::execute("unshare", {"--net", "--mount", "true"}) != 0)
        return why = "unshare --net --mount is not permitted here (it needs root)", -1;
    return child.exitCode();
}

struct Scenario : ::testing::TestWithParam<ScenarioText> {
    void SetUp() override { QSettings().clear(); }
    void TearDown() override {
        *held = false;
        if (releaser.joinable()) releaser.join();
        dialog.reset();  // before the window that owns it
        for (auto& [name, p] : players) p->close();
        QCoreApplication::processEvents();  // what was posted to the gone windows is dropped
    }

    Player& player(char name) {
        auto& p = players[name];
        if (!p) {
            p = std::make_unique<Player>();
            p->open();
            EXPECT_TRUE(p->window->network().setUpListening(0));
        }
        return *p;
    }
    Player& me() { return player(on); }
    UiState& ui() { return me().ui(); }
    MainWindow& window() { return *me().window; }

    QPoint point(const std::string& where) {
        if (where == "off") return OffTheBoard;
        const QPoint at = place(ui(), where);
        const QRect square = Player::squareRect(at.y(), at.x());
        const char corner = where.size() < 3 ? '.' : where[2];
        const QPoint p = corner == '<' ? square.topLeft() : corner == '>' ? square.bottomRight() : square.center();
        const std::size_t offset = corner == '<' || corner == '>' ? 3 : 2;
        if (where.size() <= offset) return p;
        return p + QPoint(std::stoi(where.substr(offset)), std::stoi(where.substr(where.find(',') + 1)));
    }
    QString expand(std::string s) {
        for (std::size_t at; (at = s.find('{')) != std::string::npos;) {
            const std::size_t end = s.find('}', at);
            const std::string key = s.substr(at + 1, end - at - 1);
            s.replace(at, end - at + 1, key == "dir" ? folder.path().toStdString() : std::to_string(port(key)));
        }
        return unescape(s);
    }
    quint16 port(const std::string& key) {
        if (key.size() == 1) return player(key[0]).window->network().listeningPort();
        if (key == "server") return server.serverPort();
        // A port listened on a moment ago, or one whose queue is full: the
        // kernel drops the call's SYN.
        QTcpServer closed;
        QTcpServer& listener = key == "full" ? full : closed;
        listener.setListenBacklogSize(0);
        EXPECT_TRUE(listener.listen(QHostAddress::LocalHost, 0));
        listener.pauseAccepting();
        for (QTcpSocket& f : fill)
            if (key == "full") f.connectToHost(QHostAddress::LocalHost, full.serverPort()), QTest::qWait(100);
        return listener.serverPort();
    }
    void answerInternet(const QString& host, const QString& nick, const std::string& colour) {
        me().answerNextDialog([host, nick, colour](QDialog& d) {
            auto& internet = dynamic_cast<InternetGameDialog&>(d);
            internet.hostEdit()->setText(host);
            internet.nicknameEdit()->setText(nick);
            internet.radio(colour == "black" ? ctl::Black : ctl::White)->click();
            internet.okButton()->click();
            return d.result();
        });
    }
    void newGame(Words& in, bool start) {
        const bool black = word(in) == "black";
        const int level = levelId(word(in));
        start ? me().startWith(black, level) : me().newOnePlayerGame(black, level);
    }
    void hook(std::function<void()>& when, const std::string& steps) {
        when = [this, steps, who = on] {
            for (std::size_t from = 0, at = 0; at != std::string::npos; from = at + 3) {
                at = steps.find(" ; ", from);
                run({line, std::string{who, ':', ' '} + steps.substr(from, at - from)});
            }
        };
    }
    void run(const Step& step);
    void expect(const std::string& how, Words& in, const Step& step);
    QString probe(const std::string& name, const std::string& arg);

    std::map<char, std::unique_ptr<Player>> players;
    char on = 'a';
    int line = 0;
    bool stop = false;
    QString skip;
    // The computer's choice is held on its thread, once made, while this is set.
    std::shared_ptr<std::atomic<bool>> held = std::make_shared<std::atomic<bool>>(false);
    std::thread releaser;
    Board mark;
    QTcpSocket raw, fill[2];
    QTcpSocket* reached = nullptr;
    QByteArray rawRead, reachedRead;
    QTcpServer server, full;
    std::unique_ptr<NameServer> nameServer;
    std::unique_ptr<NetSandbox> sandbox;
    QString offered;
    QTemporaryDir folder;
    std::unique_ptr<QDialog> dialog;
    int cancels = 0;
    int ticks = 0;
    bool cancelled = false;
};

using Verb = std::function<void(Scenario&, Words&)>;
using S = Scenario;

// What a step does, by its first word (after the copy's name).
const std::map<std::string, Verb> Verbs = {
    {"start", [](S& s, Words& in) { s.newGame(in, true); }},
    {"new", [](S& s, Words& in) { s.newGame(in, false); }},
    {"command", [](S& s, Words& in) { s.window().sendCommand(commandId(word(in))); }},
    {"trigger", [](S& s, Words& in) { s.window().action(commandId(word(in)))->trigger(); }},
    {"shortcut", [](S& s, Words& in) { QTest::keySequence(&s.window(), QString::fromStdString(word(in))); }},
    {"position", [](S& s, Words& in) {
         const Board b = fromPlacement(s.ui(), word(in));
         if (s.ui().game.currentGame) s.ui().game.currentGame->board = b;
         s.ui().game.displayBoard = b;
         s.ui().whiteToMove = word(in) != "b";
         s.window().invalidate();
     }},
    {"rights", [](S& s, Words& in) {
         const std::string r = word(in);
         const auto has = [&r](char c) { return r.find(c) != std::string::npos; };
         UiState& ui = s.ui();
         ui.whiteCanCastleShort = has('K'), ui.whiteCanCastleLong = has('Q');
         ui.blackCanCastleShort = has('k'), ui.blackCanCastleLong = has('q');
         ui.game.humanCastle = {has(ui.humanPlaysBlack ? 'k' : 'K'), has(ui.humanPlaysBlack ? 'q' : 'Q')};
     }},
    {"cursor", [](S& s, Words& in) {
         const QPoint at = place(s.ui(), word(in));
         s.ui().cursorRow = at.y(), s.ui().cursorCol = at.x();
     }},
    // A move list made as long as that, its last line `rest`.
    {"history", [](S& s, Words& in) {
         MoveHistory& h = word(in) == "white" ? s.ui().game.whiteHistory : s.ui().game.blackHistory;
         h.count = std::stoi(word(in));
         if (const std::string last = rest(in); !last.empty()) h.setLine(h.count - 1, last);
         s.window().invalidateHistoryPanes();
     }},
    {"scroll", [](S& s, Words& in) {
         const bool white = word(in) == "white";
         const std::string code = word(in);
         s.window().historyPane(white)->vscroll(code == "line-up" ? msg::SB_LINEUP
                                                : code == "line-down" ? msg::SB_LINEDOWN
                                                : code == "top"       ? msg::SB_TOP
                                                                      : msg::SB_BOTTOM);
     }},
    {"clear-undo", [](S& s, Words&) { s.ui().game.undoBoard = Board{}; }},
    {"press", [](S& s, Words& in) { s.me().pressAt(s.point(word(in))); }},
    {"move", [](S& s, Words& in) { s.me().moveHeldTo(s.point(word(in))); }},
    {"release", [](S& s, Words& in) { s.me().releaseAt(s.point(word(in))); }},
    {"drag", [](S& s, Words& in) {
         const QPoint from = s.point(word(in)), to = s.point(word(in));
         s.me().pressAt(from), s.me().moveHeldTo(to), s.me().releaseAt(to);
     }},
    {"keys", [](S& s, Words& in) { s.me().keys(unescaped(rest(in)).toStdString()); }},
    {"chat", [](S& s, Words& in) {
         QLineEdit* edit = s.window().chatPane()->edit();
         edit->setFocus();
         edit->insert(unescape(rest(in)));  // as an input method or a paste puts it there
         QTest::keyClick(edit, Qt::Key_Return);
     }},
    {"wait", [](S& s, Words&) { s.me().waitForComputer(); }},
    {"sleep", [](S&, Words& in) { QTest::qWait(std::stoi(word(in))); }},
    {"mark", [](S& s, Words&) { s.mark = s.ui().game.displayBoard; }},
    {"activate", [](S& s, Words&) {
         s.window().activateWindow();
         EXPECT_TRUE(QTest::qWaitForWindowActive(&s.window()));
     }},
    {"open", [](S& s, Words&) { s.me(); }},
    // The dialogs of network play on their own, as a user fills them in.
    {"dialog", [](S& s, Words& in) {
         const std::string kind = word(in);
         MainWindow& w = s.window();
         if (kind == "internet") s.dialog = std::make_unique<InternetGameDialog>(w, &w);
         if (kind == "nickname") s.dialog = std::make_unique<NicknameDialog>(w, &w);
         if (kind == "connecting") {
             auto* box = new ConnectingDialog(&w);
             box->onCancelConnect = [&s, box] { s.cancels += box->isVisible() ? 1 : 100; };  // told before it goes
             s.dialog.reset(box);
         }
         s.dialog->show();
         EXPECT_TRUE(QTest::qWaitForWindowExposed(s.dialog.get()));
     }},
    {"type", [](S& s, Words& in) {
         auto* internet = dynamic_cast<InternetGameDialog*>(s.dialog.get());
         QLineEdit* edit = word(in) == "host" ? internet->hostEdit()
                           : internet         ? internet->nicknameEdit()
                                              : dynamic_cast<NicknameDialog&>(*s.dialog).nicknameEdit();
         edit->setFocus();
         QTest::keyClicks(edit, unescape(rest(in)));
     }},
    {"pick", [](S& s, Words& in) {
         dynamic_cast<InternetGameDialog&>(*s.dialog).radio(word(in) == "black" ? ctl::Black : ctl::White)->click();
     }},
    {"click", [](S& s, Words& in) {
         const QString text = unescape(rest(in));
         for (QPushButton* button : s.dialog->findChildren<QPushButton*>())
             if (button->text().remove('&') == text) return button->click();
         ADD_FAILURE() << "no button " << text.toStdString();
     }},
    {"key", [](S& s, Words& in) {
         QWidget* to = s.dialog->focusWidget() ? s.dialog->focusWidget() : s.dialog.get();
         QTest::keyClick(to, word(in) == "Return" ? Qt::Key_Return : Qt::Key_Escape);
     }},
    {"dialog-close", [](S& s, Words&) { s.dialog->close(); }},
    {"dialog-done", [](S& s, Words& in) { s.dialog->done(std::stoi(word(in))); }},
    // The call ended before its box opened: the box closes at once with that
    // result (a box that waited for the user would be ended by the timer).
    {"connecting-ended-early", [](S& s, Words&) {
         ConnectingDialog d(&s.window());
         d.onCancelConnect = [&s] { ++s.cancels; };
         d.done(2);
         QTimer::singleShot(5000, &d, [&d] { d.done(99); });
         const int result = d.exec();
         s.offered = QString("%1, %2 cancels").arg(result).arg(s.cancels);
     }},
    // The dialog the called side asks for a nickname with, run with no owner.
    {"nickname-dialog", [](S& s, Words&) {
         NicknameDialog nickname(s.window(), nullptr);
         s.window().runDialog(nickname);
     }},
    {"startup", [](S& s, Words& in) {
         const std::string name = word(in);
         if (name.empty()) return s.window().runStartUpDialog();
         // As a file manager names it: relative to the folder the program starts in.
         const QString before = QDir::currentPath();
         QDir::setCurrent(s.folder.path());
         startUp(s.window(), s.expand(name));
         QDir::setCurrent(before);
     }},
    // Files in the scenario's own folder.
    {"write", [](S& s, Words& in) {
         QFile f(s.folder.filePath(QString::fromStdString(word(in))));
         EXPECT_TRUE(f.open(QIODevice::WriteOnly));
         f.write(unescaped(rest(in)));
     }},
    {"write-big", [](S& s, Words& in) {
         QFile f(s.folder.filePath(QString::fromStdString(word(in))));
         EXPECT_TRUE(f.open(QIODevice::WriteOnly));
         const QByteArray spaces(std::stoi(word(in)), ' ');
         f.write(spaces + unescaped(rest(in)));
     }},
    // The disk fills up half-way through a save; or its last step, the
    // rename over the old file, fails.
    {"save-fails", [](S& s, Words& in) {
         const bool atCommit = word(in) == "commit";
         s.window().seams().saveWriter = [atCommit](QIODevice& file, const QByteArray& bytes) {
             file.write(atCommit ? bytes : bytes.left(bytes.size() / 2));
             return atCommit && QDir().mkdir(static_cast<QSaveFile&>(file).fileName());
         };
     }},
    {"paste", [](S& s, Words& in) {
         QGuiApplication::clipboard()->setText(unescape(rest(in)));
         s.window().sendCommand(cmd::PasteGameText);
     }},
    {"close", [](S& s, Words&) { s.window().close(); }},
    {"store", [](S&, Words& in) {
         const QString key = QString::fromStdString(word(in));
         QSettings().setValue(key, unescape(rest(in)));
     }},
    // Boxes and dialogs.
    {"on", [](S& s, Words& in) {
         auto& when = word(in) == "box" ? s.me().onBox : s.me().onQuestion;
         s.hook(when, rest(in));
     }},
    {"refuse-requests", [](S& s, Words&) { s.me().acceptRequests = false; }},
    {"answer", [](S& s, Words& in) {
         const std::string kind = word(in), a = word(in), b = word(in);
         Player& p = s.me();
         if (kind == "new") p.answerNewGame(a == "black", levelId(b));
         if (kind == "cancel") p.answerCancel();
         if (kind == "internet") s.answerInternet(s.expand(a), QString::fromStdString(b), word(in));
         // A dialog shown and answered with keys alone, as Qt names them.
         if (kind == "keys")
             p.answerNextDialog([keys = QString::fromStdString(a + ' ' + b + ' ' + rest(in))](QDialog& d) {
                 d.show();
                 QApplication::setActiveWindow(&d);  // as the desktop does; offscreen leaves it to the program
                 for (const QString& key : keys.split(' ', Qt::SkipEmptyParts))
                     QTest::keyClick(QApplication::focusWidget(), QKeySequence(key)[0].key());
                 return d.result();
             });
         // What a dialog offers, then Cancel.
         if (kind == "peek")
             p.answerNextDialog([&s](QDialog& d) {
                 if (auto* setup = dynamic_cast<NewGameSetupDialog*>(&d)) {
                     const auto on = [setup](int id, const char* name) {
                         return setup->radio(id)->isChecked() ? name : "";
                     };
                     s.offered = d.windowTitle() + ": " + on(ctl::White, "White") + on(ctl::Black, "Black") + " " +
                                 on(ctl::Easy, "Easy") + on(ctl::Medium, "Medium") + on(ctl::Hard, "Hard") +
                                 (setup->okButton()->isDefault() ? ", OK" : "");
                 } else if (auto* address = dynamic_cast<NetworkAddressDialog*>(&d)) {
                     s.offered = address->text();
                 } else {
                     s.offered = dynamic_cast<InternetGameDialog&>(d).nicknameEdit()->text();
                 }
                 d.reject();
                 return d.result();
             });
         // About or What's New: what it shows and whether it stands centred
         // on the window, then closed with OK or Escape.
         if (kind == "info")
             p.answerNextDialog([&s, ok = a == "ok"](QDialog& d) {
                 auto& info = dynamic_cast<InfoDialog&>(d);
                 d.show();
                 EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
                 const QPoint off = d.frameGeometry().center() - s.window().frameGeometry().center();
                 const char* where = off.manhattanLength() <= 4 ? "centred" : "off centre";
                 s.offered = QStringList{d.windowTitle(), info.texts().join(" | "), where}.join(" | ");
                 ok ? info.okButton()->click() : QTest::keyClick(&d, Qt::Key_Escape);
                 s.offered += d.isVisible() ? " | still open" : "";
                 return d.result();
             });
         // Any dialog: its layout (and what it found), then Cancel.
         if (kind == "layout")
             p.answerNextDialog([&s](QDialog& d) {
                 d.show();
                 s.offered = wholeIn(d);
                 d.done(QDialog::Rejected);
                 return d.result();
             });
         // The file dialog: what it shows, then `a` in the scenario's folder chosen.
         if (kind == "file")
             p.answerNextDialog([&s, path = s.folder.filePath(QString::fromStdString(a))](QDialog& d) {
                 auto& files = dynamic_cast<QFileDialog&>(d);
                 const char* old = files.testOption(QFileDialog::DontConfirmOverwrite) ? "replaces" : "asks";
                 s.offered = QStringList{files.selectedFiles().value(0), files.nameFilters().join(';'),
                                         files.defaultSuffix(), old}.join(" | ");
                 files.selectFile(path);
                 d.accept();  // QFileDialog::accept, as its Save or Open button does
                 return files.result();
             });
         if (kind == "colour")
             p.answerNextDialog([&s, chosen = QColor(QString::fromStdString(a))](QDialog& d) {
                 auto& colours = dynamic_cast<QColorDialog&>(d);
                 s.offered = colours.currentColor().name();
                 if (chosen.isValid()) colours.setCurrentColor(chosen);
                 chosen.isValid() ? colours.accept() : colours.reject();
                 return colours.result();
             });
         // Cancel Connect after so long, unless the call settles first;
         // the window's own timers counted meanwhile.
         if (kind == "connecting")
             p.answerNextDialog([&s, ms = std::stoi(a)](QDialog& d) {
                 QTimer tick;
                 QObject::connect(&tick, &QTimer::timeout, [&s] { ++s.ticks; });
                 tick.start(20);
                 QTimer::singleShot(ms, &d, [&s, &d] {
                     s.cancelled = true;
                     dynamic_cast<ConnectingDialog&>(d).cancelButton()->click();
                 });
                 return d.exec();
             });
     }},
    // The computer's thread.
    {"hold", [](S& s, Words&) {
         *s.held = true;
         s.window().seams().chooseMove = [held = s.held](GameState& game, MoveRecord& result, const MoveRecord& last) {
             const ChoiceOutcome outcome = chooseComputerMove(game, result, last);
             while (*held) std::this_thread::sleep_for(std::chrono::milliseconds(1));
             return outcome;
         };
     }},
    {"unhold", [](S& s, Words&) { *s.held = false; }},
    {"unhold-after", [](S& s, Words& in) {
         s.releaser = std::thread([held = s.held, ms = std::stoi(word(in))] {
             std::this_thread::sleep_for(std::chrono::milliseconds(ms));
             *held = false;
         });
     }},
    {"fail-choice", [](S& s, Words&) {
         s.window().seams().chooseMove = [](GameState&, MoveRecord&, const MoveRecord&) {
             return ChoiceOutcome::Failed;
         };
     }},
    {"no-thread", [](S& s, Words&) { s.window().seams().refuseNextThread = true; }},
    {"throwing-check", [](S& s, Words&) {
         s.window().seams().twoPlayerCheckTest = [](const Board&) -> bool { throw std::bad_alloc(); };
     }},
    // The network.
    {"taunt", [](S& s, Words& in) { s.window().seams().tauntIndex = [n = std::stoul(word(in))] { return n; }; }},
    {"timeout", [](S& s, Words& in) {
         auto& timeout = word(in) == "connect" ? s.window().network().connectTimeout : s.window().network().nickTimeout;
         timeout = std::chrono::milliseconds(std::stoi(word(in)));
     }},
    {"keepalive", [](S& s, Words& in) {
         const int idle = std::stoi(word(in)), interval = std::stoi(word(in)), probes = std::stoi(word(in));
         s.window().network().keepAlive = {std::chrono::seconds(idle), std::chrono::seconds(interval), probes};
     }},
    {"listen", [](S& s, Words& in) { s.window().network().setUpListening(s.expand(word(in)).toUShort()); }},
    {"call", [](S& s, Words& in) {
         const QString host = s.expand(word(in)), nick = QString::fromStdString(word(in));
         s.answerInternet(host, nick, word(in));
         s.window().sendCommand(cmd::DirectNetworkGame);
     }},
    {"name", [](S& s, Words& in) { s.ui().opponentName = unescape(rest(in)); }},
    {"raw", [](S& s, Words& in) {
         const std::string what = word(in);
         if (what == "connect") {
             const std::string who = word(in), host = word(in);
             s.raw.abort();
             s.raw.connectToHost(QHostAddress(host.empty() ? "127.0.0.1" : QString::fromStdString(host)),
                                 s.player(who.empty() ? 'a' : who[0]).window->network().listeningPort());
             EXPECT_TRUE(s.raw.waitForConnected(5000));
         }
         if (what == "send") s.raw.write(unescaped(rest(in))), s.raw.flush();
         if (what == "close") s.raw.disconnectFromHost();
         if (what == "reset") {
             const linger reset{1, 0};
             ::setsockopt(static_cast<int>(s.raw.socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
         }
         if (what == "reset" || what == "abort") s.raw.abort();
         // Megabytes of one chat line without an end, the window painting
         // meanwhile. The copy holds back what it has not read: the bytes
         // wait in the sender's buffers until its event loop takes them.
         for (int i = what == "flood" ? std::stoi(word(in)) : 0; i > 0; --i) {
             EXPECT_EQ(s.raw.write(QByteArray(1 << 20, 'x')), 1 << 20);
             s.window().boardWindow()->update();
             QTest::qWait(1);
             while (s.raw.bytesToWrite() > (8 << 20)) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
         }
     }},
    {"sandbox", [](S& s, Words&) {
         if (qEnvironmentVariableIsSet(InSandbox)) return;
         const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
         const int status = runInSandbox(std::string(test->test_suite_name()) + "." + test->name(), s.skip);
         if (status != -1) s.skip.clear();
         EXPECT_EQ(std::max(status, 0), 0);
         s.stop = true;
     }},
    {"nameserver", [](S& s, Words& in) {
         s.nameServer = std::make_unique<NameServer>(word(in) == "answers");
         EXPECT_TRUE(s.nameServer->bound);
     }},
    {"server", [](S& s, Words&) { EXPECT_TRUE(s.server.listen(QHostAddress::LocalHost, 0)); }},
    // The home network of net_sandbox.h: this machine and its router.
    {"netns", [](S& s, Words&) {
         s.sandbox = std::make_unique<NetSandbox>();
         if (!s.sandbox->whyNot().empty()) s.skip = QString::fromStdString(s.sandbox->whyNot()), s.stop = true;
     }},
    {"inside", [](S& s, Words& in) {
         const auto place = word(in) == "home" ? NetSandbox::Place::Home : NetSandbox::Place::Router;
         EXPECT_TRUE(s.sandbox->inside(place, [&] { s.run({s.line, rest(in)}); }));
     }},
    {"cut", [](S& s, Words&) { EXPECT_TRUE(s.sandbox->cutHomeLink()); }},
};

void Scenario::run(const Step& step) {
    Words in(step.text);
    std::string verb = word(in);
    on = verb.size() == 2 && verb[1] == ':' ? std::exchange(verb, word(in))[0] : 'a';
    line = step.line;
    if (verb.rfind("expect", 0) == 0) return expect(verb, in, step);
    const auto found = Verbs.find(verb);
    if (found == Verbs.end()) return ADD_FAILURE() << "no such step: " << step.text;
    found->second(*this, in);
}

void Scenario::expect(const std::string& how, Words& in, const Step& step) {
    static const std::set<std::string> withArgument = {"square", "scroll", "score", "painted-score", "setting",
                                                        "cell", "list", "role", "file", "menu", "pixel", "ink",
                                                        "scroll-range", "lost"};
    const std::string name = word(in), arg = withArgument.count(name) ? word(in) : "";
    const QString wanted = QString::fromStdString(rest(in));
    QString got;
    const auto holds = [&] {
        got = probe(name, arg).replace(folder.path(), "{dir}").replace('\\', "\\\\").replace('\n', "\\n");
        got = got.replace('\r', "\\r").trimmed();
        return how == "expect-start" ? got.startsWith(wanted) : how == "expect-end" ? got.endsWith(wanted)
             : how == "expect-has" ? got.contains(wanted) : how == "expect-not" ? got != wanted : got == wanted;
    };
    if (QTest::qWaitFor(holds, 20000)) {
        if (name == "raw") rawRead.clear();
        return;
    }
    ADD_FAILURE_AT((std::string(ORBEL_SCENARIO_DIR) + "/" + GetParam().file).c_str(), step.line)
        << step.text << "\n  but " << name << " " << arg << " is \"" << got.toStdString() << '"';
}

// What a probe looks at: one copy of the program in a scenario, and the
// probe's argument.
struct Seen {
    Scenario& s;
    Player& p;
    MainWindow& w;
    UiState& u;
    const std::string& arg;
    ModeProc mode() const { return w.installedMode(); }
    QAccessibleInterface* pane() const { return QAccessible::queryAccessibleInterface(w.boardWindow()); }
    QString commands(bool greyed) const {
        return listed(Commands, [&](const auto& c) {
            QAction* a = w.action(c.second);
            return a && (greyed ? !a->isEnabled() : a->isChecked()) ? QString::fromLatin1(c.first) : QString();
        });
    }
};
QString menuText(QMenu* menu) {
    return listed(menu->actions(), [](QAction* a) {
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
const char* States[] = {"unavailable", "idle", "calling", "requesting", "answering", "deciding", "playing"};

// What a user sees or hears, and what the window knows, as text.
const std::map<std::string, std::function<QString(const Seen&)>> Probes = {
    {"status", [](const Seen& v) { return v.w.statusText(); }},
    {"message", [](const Seen& v) { return v.w.statusMessage(); }},
    {"white", [](const Seen& v) { return joined(v.u.game.whiteHistory); }},
    {"black", [](const Seen& v) { return joined(v.u.game.blackHistory); }},
    {"sounds", [](const Seen& v) {
         return listed(v.p.sounds, [](int n) { return n == res::MoveSound ? "move" : "new"; });
     }},
    {"boxes", [](const Seen& v) { return listed(v.p.boxes, boxText, " // "); }},
    {"dialogs", [](const Seen& v) { return QString::number(v.p.dialogsShown); }},
    {"mode", [](const Seen& v) {
         return v.mode() == &onePlayerProc ? "one" : v.mode() == &twoPlayerProc ? "two" : "network";
     }},
    {"board", [](const Seen& v) { return placement(v.u, v.u.game.displayBoard); }},
    {"game", [](const Seen& v) { return v.u.game.currentGame ? placement(v.u, v.u.game.currentGame->board) : "none"; }},
    {"game-shown", [](const Seen& v) {
         return yes(v.u.game.currentGame && v.u.game.currentGame->board == v.u.game.displayBoard);
     }},
    {"square", [](const Seen& v) {
         const QPoint at = place(v.u, v.arg);
         return QString(letter(v.u, v.u.game.displayBoard.at(at.y(), at.x())));
     }},
    {"changed", [](const Seen& v) { return yes(v.u.game.displayBoard != v.s.mark); }},
    {"turn", [](const Seen& v) { return v.u.whiteToMove ? "white" : "black"; }},
    {"plays", [](const Seen& v) { return v.u.humanPlaysBlack ? "black" : "white"; }},
    {"level", [](const Seen& v) { return QString::number(v.u.game.currentGame->level); }},
    {"move-count", [](const Seen& v) { return QString::number(v.u.game.currentGame->moveCount); }},
    // Castling rights: both sides' in a two-player game, else the user's.
    {"rights", [](const Seen& v) {
         const bool two = v.mode() == &twoPlayerProc, black = v.u.humanPlaysBlack;
         const UserCastlingRights& c = v.u.game.humanCastle;
         const QString r = QString((two ? v.u.whiteCanCastleShort : !black && c.canCastleShort) ? "K" : "") +
                       ((two ? v.u.whiteCanCastleLong : !black && c.canCastleLong) ? "Q" : "") +
                       ((two ? v.u.blackCanCastleShort : black && c.canCastleShort) ? "k" : "") +
                       ((two ? v.u.blackCanCastleLong : black && c.canCastleLong) ? "q" : "");
         return r.isEmpty() ? "-" : r;
     }},
    {"user-move", [](const Seen& v) { return moveText(v.u.game.humanMove); }},
    {"computer-move", [](const Seen& v) { return moveText(v.u.game.computerMove); }},
    {"busy", [](const Seen& v) {
         const bool waits = v.w.cursor().shape() == Qt::WaitCursor;
         return QStringList{v.u.computerThinking ? "thinking" : "", v.w.thinking().running() ? "thread" : "",
                        v.w.brainTimerActive() ? "timer" : "", waits ? "wait-cursor" : ""}
         .join(' ').simplified();
     }},
    {"thread", [](const Seen& v) { return yes(v.w.thinking().running()); }},
    {"dragging", [](const Seen& v) { return yes(v.u.isDragging); }},
    {"held", [](const Seen& v) { return QString(letter(v.u, v.u.game.heldPiece)); }},
    {"greyed", [](const Seen& v) { return v.commands(true); }},
    {"checked", [](const Seen& v) { return v.commands(false); }},
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
    {"scroll", [](const Seen& v) { return QString::number(v.w.historyPane(v.arg == "white")->scrollPosition()); }},
    {"state", [](const Seen& v) { return States[static_cast<int>(v.w.network().state())]; }},
    {"my-turn", [](const Seen& v) { return yes(v.u.myTurn); }},
    {"peer", [](const Seen& v) { return v.w.network().peerNickname; }},
    {"net-active", [](const Seen& v) { return yes(v.w.network().netGameActive()); }},
    {"chat", [](const Seen& v) { return v.w.chatPane()->lines().value(0); }},
    {"score", [](const Seen& v) { return scoreText(v.u, v.arg == "own" ? Own : Enemy); }},
    {"painted-score", [](const Seen& v) {
         return paintedScoreText(v.u, v.arg == "own" ? Own : Enemy, v.w.boardFont());
     }},
    {"setting", [](const Seen& v) { return QSettings().value(QString::fromStdString(v.arg)).toString(); }},
    {"colours", [](const Seen& v) {
         const auto hex = [](std::uint32_t c) { return QString("%1").arg(c, 6, 16, QChar('0')); };
         return hex(v.u.lightSquareColor) + ' ' + hex(v.u.darkSquareColor);
     }},
    {"piece-set", [](const Seen& v) { return QString::number(v.u.pieceSetIndex); }},
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
         const QScrollBar* bar = v.w.historyPane(v.arg == "white")->scrollBar();
         return QString("%1 to %2").arg(bar->minimum()).arg(bar->maximum() + bar->pageStep() - 1);
     }},
    // The strip of a side's lost pieces.
    {"lost", [](const Seen& v) {
         static const char* kinds[] = {"", "pawn", "knight", "bishop", "rook", "queen"};
         return listed(shownLostPieces(v.u.game.displayBoard, v.arg == "own" ? Own : Enemy), [](const LostPieces& l) {
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
    {"file-path", [](const Seen& v) { return v.u.fileDialogPath; }},
    {"king-column", [](const Seen& v) { return QString::number(v.u.game.currentGame->ownKingColumn); }},
    // The menu bar's titles, and one of its menus: each item with its keys
    // and state, a submenu's items in brackets.
    {"menus", [](const Seen& v) { return listed(v.w.menuBar()->actions(), [](QAction* a) { return a->text(); }); }},
    {"menu", [](const Seen& v) {
         for (QAction* a : v.w.menuBar()->actions())
             if (a->text().remove('&').section(' ', 0, 0).toStdString() == v.arg) return menuText(a->menu());
         return QString("none");
     }},
    {"pixel", [](const Seen& v) { return v.p.painted().pixelColor(v.s.point(v.arg)).name(); }},
    {"ink", [](const Seen& v) {
         const QPoint at = place(v.u, v.arg);
         return yes(v.p.inkOn(at.y(), at.x()) > 0);
     }},
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
    {"reader", [](const Seen& v) { return childNames(v.pane()); }},
    {"table", [](const Seen& v) {
         QAccessibleTableInterface* t = v.pane()->child(0)->tableInterface();
         return QString("%1x%2 %3 %4").arg(t->rowCount()).arg(t->columnCount())
             .arg(t->columnDescription(0), t->rowDescription(0));
     }},
    {"cell", [](const Seen& v) {
         QAccessibleTableInterface* t = v.pane()->child(0)->tableInterface();
         return t->cellAt('8' - v.arg[1], v.arg[0] - 'a')->text(QAccessible::Name);
     }},
    {"focus", [](const Seen& v) {
         QAccessibleInterface* f = v.pane()->focusChild();
         return !f ? "none" : f->text(QAccessible::Name) + (f->state().focused ? "" : " (not focused)");
     }},
    {"role", [](const Seen& v) {
         QObject* of = v.arg == "live" ? static_cast<QObject*>(v.w.liveText()) : v.w.historyPane(v.arg == "white");
         QAccessibleInterface* i = v.arg == "board" ? v.pane()->child(0) : QAccessible::queryAccessibleInterface(of);
         return QString(QMetaEnum::fromType<QAccessible::Role>().valueToKey(i->role()));
     }},
    {"list", [](const Seen& v) {
         QAccessibleInterface* l = QAccessible::queryAccessibleInterface(v.w.historyPane(v.arg == "white"));
         return l->text(QAccessible::Name) + " | " + childNames(l);
     }},
};

QString Scenario::probe(const std::string& name, const std::string& arg) {
    const auto found = Probes.find(name);
    if (found != Probes.end()) return found->second(Seen{*this, me(), window(), ui(), arg});
    ADD_FAILURE() << "no probe " << name;
    return {};
}

TEST_P(Scenario, Runs) {
    for (const Step& step : GetParam().steps) {
        SCOPED_TRACE(::testing::Message() << GetParam().file << ":" << step.line);
        run(step);
        if (stop || HasFailure()) break;
    }
    if (!skip.isEmpty()) GTEST_SKIP() << skip.toStdString();
}

INSTANTIATE_TEST_SUITE_P(OnePlayer, Scenario, ::testing::ValuesIn(load("one_player.txt")), testName);
INSTANTIATE_TEST_SUITE_P(TwoPlayer, Scenario, ::testing::ValuesIn(load("two_player.txt")), testName);
INSTANTIATE_TEST_SUITE_P(Keyboard, Scenario, ::testing::ValuesIn(load("keyboard.txt")), testName);
INSTANTIATE_TEST_SUITE_P(Network, Scenario, ::testing::ValuesIn(load("network.txt")), testName);
INSTANTIATE_TEST_SUITE_P(Window, Scenario, ::testing::ValuesIn(load("window.txt")), testName);
INSTANTIATE_TEST_SUITE_P(Files, Scenario, ::testing::ValuesIn(load("files.txt")), testName);
INSTANTIATE_TEST_SUITE_P(Settings, Scenario, ::testing::ValuesIn(load("settings.txt")), testName);

}  // namespace
}  // namespace orbel::testing
