// What a step of a scenario does, by its first word (after the copy's name).
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QSpinBox>
#include <QTreeWidget>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryFile>
#include <QTimer>
#include <QUdpSocket>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <new>

#include "computer/search.h"
#include "game/notation/fen.h"
#include "shell/board_window.h"
#include "shell/chat_pane.h"
#include "shell/dialogs.h"
#include "shell/engines_dialog.h"
#include "shell/history_pane.h"
#include "shell/net_dialogs.h"
#include "shell/resource_ids.h"
#include "shell/start_up.h"
#include "shell/time_control_dialog.h"
#include "shell/translation.h"
#include "tests/shell/scenario.h"

namespace orbel::testing {

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
int squareNamed(const std::string& name) { return squareAt(name[0] - 'a', name[1] - '1'); }
Place placeOf(const std::string& name, Side bottom) { return Player::placeOf(squareNamed(name), bottom); }

namespace {

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

// The names the menu commands go by in the steps (their actions' names).
Command commandNamed(const std::string& name) {
    for (int c = 0; c < CommandCount; ++c)
        if (name == commandName(static_cast<Command>(c))) return static_cast<Command>(c);
    ADD_FAILURE() << "no command " << name;
    return Command::About;
}
// "easy", "medium", "hard", or "engine1" for the first engine offered.
int levelId(const std::string& l) {
    if (l.starts_with("engine")) return ctl::FirstEngine + std::stoi(l.substr(6)) - 1;
    return l == "easy" ? ctl::Easy : l == "medium" ? ctl::Medium : ctl::Hard;
}

// A position as FEN's piece placement (any placement, unlike a FEN that
// other programs could play), with `toMove` to move and the rights of `like`.
StandardPosition fromPlacement(const std::string& fen, Side toMove, const StandardPosition& like) {
    StandardPosition p;
    p.castling = like.castling;
    p.toMove = toMove;
    int rank = 7, file = 0;
    for (const char c : fen) {
        if (c == '/') {
            --rank, file = 0;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            file += c - '0';
        } else {
            const auto kind = static_cast<PieceKind>(std::string(" pnbrqk").find(static_cast<char>(std::tolower(c))));
            p.put(squareAt(file++, rank), {kind, std::isupper(static_cast<unsigned char>(c)) ? Side::White : Side::Black});
        }
    }
    return p;
}

// A dialog as opened shows what it holds: each static text, wrapped in its
// own font, fits its control; each picture's control holds its whole
// bitmap; no control lies outside the dialog; every edit field has a label
// naming it (for a screen reader and for the label's key). Says how many
// texts and pictures it found.
QString wholeIn(QDialog& d) {
    int texts = 0, pictures = 0;
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
    // Every button's text with its box or circle, inside its frame, and every frame's title, whole. (A push
    // button's size hint has a floor of its own; its text is what must fit.)
    for (QAbstractButton* button : d.findChildren<QAbstractButton*>()) {
        const int needed = qobject_cast<QPushButton*>(button)
                               ? button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + 6
                               : button->sizeHint().width();
        EXPECT_LE(needed, button->width()) << "cut off: " << button->text().toStdString();
        EXPECT_TRUE(button->parentWidget()->rect().contains(button->geometry()))
            << "outside its frame: " << button->text().toStdString();
    }
    for (QGroupBox* group : d.findChildren<QGroupBox*>()) {
        EXPECT_LE(group->fontMetrics().horizontalAdvance(group->title()) + 16, group->width())
            << "cut off: " << group->title().toStdString();
    }
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

// One side's custom time: its kind (sudden, increment, delay or moves),
// minutes and seconds a move, and for moves the moves and the minutes after.
void fillTimeFields(const TimeControlDialog& d, Side side, Words& in) {
    const TimeControlDialog::SideFields& f = d.fields(side);
    const std::string kind = word(in);
    f.kind->setCurrentIndex(kind == "sudden" ? 0 : kind == "increment" ? 1 : kind == "delay" ? 2 : 3);
    f.minutes->setValue(std::stoi(word(in)));
    f.seconds->setValue(std::stoi(word(in)));
    if (kind == "moves") f.moves->setValue(std::stoi(word(in))), f.thenMinutes->setValue(std::stoi(word(in)));
}

// Time Control worked as a user would, then OK: left as it opened (no
// words), "cancel", "none", a common control by its name ("3+2"), or
// "custom" and White's fields (both sides'), then "black" and Black's. What
// it opened on and its result line are offered.
int answerTimeControl(Scenario& s, QDialog& d, const std::string& args) {
    auto& dialog = dynamic_cast<TimeControlDialog&>(d);
    Words in(args);
    const std::string first = word(in);
    for (int i = 0; i < TimeControlDialog::Choices; ++i)
        if (dialog.choice(i)->isChecked()) s.offered = dialog.choice(i)->text().remove('&');
    if (first == "cancel") return dialog.cancelButton()->click(), d.result();
    if (first == "none") dialog.choice(0)->click();
    for (int i = 1; first.find('+') != std::string::npos && i < TimeControlDialog::Custom; ++i)
        if (dialog.choice(i)->click(), timeControlShortName(dialog.chosen()).toStdString() == first) break;
    if (first == "custom") {
        dialog.choice(TimeControlDialog::Custom)->click();
        fillTimeFields(dialog, Side::White, in);
        if (word(in) == "black") dialog.handicapBox()->click(), fillTimeFields(dialog, Side::Black, in);
    }
    s.offered += " | " + dialog.resultText();
    dialog.okButton()->click();
    return d.result();
}

// Under AddressSanitizer every allocation is held in quarantine a while
// and costs several times its size: the resident size says nothing there.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORBEL_UNDER_ASAN
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(ORBEL_UNDER_ASAN)
constexpr bool UnderAddressSanitizer = true;
#else
constexpr bool UnderAddressSanitizer = false;
#endif

long residentKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Strangers by the thousand at `host`:`port`, each connecting and closing at
// once (a socket of the system's, so nothing of Qt's is kept on this side);
// the resident size after them against what it was after a warm-up, the
// event loop given time to settle both times.
QString soak(const std::string& host, quint16 port, int cycles) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    EXPECT_EQ(::inet_pton(AF_INET, host.c_str(), &to.sin_addr), 1) << host;
    const auto run = [&to](int n) {
        for (int i = 1; i <= n; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
            EXPECT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to), 0);
            ::close(fd);
            QCoreApplication::processEvents();
            if (i % 100 == 0) QTest::qWait(1);  // and what was deleted later goes
        }
        QTest::qWait(500);
    };
    run(500);
    const long before = residentKb();
    run(cycles);
    const long grown = residentKb() - before;
    return grown <= 1024 ? QStringLiteral("within 1 MB") : QStringLiteral("grew %1 KB").arg(grown);
}

}  // namespace

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

namespace {

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


}  // namespace

Scenario::Scenario() = default;
Scenario::~Scenario() = default;

void Scenario::SetUp() { QSettings().clear(); }

void Scenario::TearDown() {
    *held = false;
    if (releaser.joinable()) releaser.join();
    dialog.reset();  // before the window that owns it
    for (auto& [name, p] : players) p->close();
    QCoreApplication::processEvents();  // what was posted to the gone windows is dropped
}

Player& Scenario::player(char name) {
    auto& p = players[name];
    if (!p) {
        p = std::make_unique<Player>();
        p->open();
        EXPECT_TRUE(p->window->network().setUpListening(0));
    }
    return *p;
}

QPoint Scenario::point(const std::string& where) {
    if (where == "off") return OffTheBoard;
    const QRect square = Player::squareRect(placeOf(where, window().table().userSide()));
    const char corner = where.size() < 3 ? '.' : where[2];
    const QPoint p = corner == '<' ? square.topLeft() : corner == '>' ? square.bottomRight() : square.center();
    const std::size_t offset = corner == '<' || corner == '>' ? 3 : 2;
    if (where.size() <= offset) return p;
    return p + QPoint(std::stoi(where.substr(offset)), std::stoi(where.substr(where.find(',') + 1)));
}

QString Scenario::expand(std::string s) {
    for (std::size_t at; (at = s.find('{')) != std::string::npos;) {
        const std::size_t end = s.find('}', at);
        const std::string key = s.substr(at + 1, end - at - 1);
        s.replace(at, end - at + 1, key == "dir" ? folder.path().toStdString() : std::to_string(port(key)));
    }
    return unescape(s);
}

quint16 Scenario::port(const std::string& key) {
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

void Scenario::answerInternet(const QString& host, const QString& nick, const std::string& colour) {
    me().answerNextDialog([host, nick, colour](QDialog& d) {
        auto& internet = dynamic_cast<InternetGameDialog&>(d);
        internet.hostEdit()->setText(host);
        internet.nicknameEdit()->setText(nick);
        internet.radio(colour == "black" ? ctl::Black : ctl::White)->click();
        internet.okButton()->click();
        return d.result();
    });
}

void Scenario::newGame(Words& in, bool start) {
    const bool black = word(in) == "black";
    const int level = levelId(word(in));
    // An engine's Elo follows its name.
    const int elo = level >= ctl::FirstEngine ? std::stoi(word(in)) : 0;
    start ? me().startWith(black, level, elo) : me().newOnePlayerGame(black, level, elo);
}

void Scenario::hook(std::function<void()>& when, const std::string& steps) {
    when = [this, steps, who = on] {
        for (std::size_t from = 0, at = 0; at != std::string::npos; from = at + 3) {
            at = steps.find(" ; ", from);
            run({line, std::string{who, ':', ' '} + steps.substr(from, at - from)});
        }
    };
}

namespace {

using S = Scenario;

// The position the steps arrange, with the rights of the one on the board.
void arrange(S& s, const std::string& placement, Side toMove) {
    Game& game = s.window().game();
    game.arrange(fromPlacement(placement, toMove, game.position()));
    s.window().invalidate();
}

void setRights(S& s, const std::string& r) {
    Game& game = s.window().game();
    StandardPosition p = game.position();
    const auto has = [&r](char c) { return r.find(c) != std::string::npos; };
    p.rightsOf(Side::White) = {has('K'), has('Q')};
    p.rightsOf(Side::Black) = {has('k'), has('q')};
    game.arrange(p);
}

}  // namespace

const std::map<std::string, Verb> Verbs = {
    {"start", [](S& s, Words& in) { s.newGame(in, true); }},
    {"new", [](S& s, Words& in) { s.newGame(in, false); }},
    {"command", [](S& s, Words& in) { s.me().command(commandNamed(word(in))); }},
    {"shortcut", [](S& s, Words& in) { QTest::keySequence(&s.window(), QString::fromStdString(word(in))); }},
    // A position arranged on the board: FEN's placement and the side to move
    // ("w" or "b"), the castling rights as they were.
    {"position", [](S& s, Words& in) {
         const std::string placement = word(in);
         arrange(s, placement, word(in) == "b" ? Side::Black : Side::White);
     }},
    {"rights", [](S& s, Words& in) { setRights(s, word(in)); }},
    {"cursor", [](S& s, Words& in) { s.window().state().cursor = placeOf(word(in), s.window().table().userSide()); }},
    // A move list made as long as that, its last line `rest`.
    {"history", [](S& s, Words& in) {
         MoveLists& lists = s.window().lists();
         MoveHistory& h = lists.list(word(in) == "white" ? Side::White : Side::Black);
         h.count = std::stoi(word(in));
         if (const std::string last = rest(in); !last.empty()) h.setLine(h.count - 1, last);
         emit lists.changed();
     }},
    {"scroll", [](S& s, Words& in) {
         const Side side = word(in) == "white" ? Side::White : Side::Black;
         const std::string code = word(in);
         using Scroll = HistoryPane::Scroll;
         s.window().historyPane(side)->scroll(code == "line-up"     ? Scroll::LineUp
                                              : code == "line-down" ? Scroll::LineDown
                                              : code == "top"       ? Scroll::Top
                                                                    : Scroll::Bottom);
     }},
    // Undo Move would empty the board: it must not be taken while greyed.
    {"clear-undo", [](S& s, Words&) {
         Game& game = s.window().game();
         const StandardPosition kept = game.position();
         game.arrange(StandardPosition{});
         game.markUndoPoint();
         game.arrange(kept);
     }},
    {"press", [](S& s, Words& in) { s.me().pressAt(s.point(word(in))); }},
    {"move", [](S& s, Words& in) { s.me().moveHeldTo(s.point(word(in))); }},
    {"release", [](S& s, Words& in) { s.me().releaseAt(s.point(word(in))); }},
    {"drag", [](S& s, Words& in) {
         const QPoint from = s.point(word(in)), to = s.point(word(in));
         s.me().pressAt(from), s.me().moveHeldTo(to), s.me().releaseAt(to);
     }},
    {"keys", [](S& s, Words& in) { s.me().keys(unescaped(rest(in)).toStdString()); }},
    // Keys by name on the board, each with its modifiers: "hit F2 Ctrl+Shift+N".
    {"hit", [](S& s, Words& in) {
         for (const QString& key : QString::fromStdString(rest(in)).split(' ', Qt::SkipEmptyParts)) {
             const QKeyCombination k = QKeySequence(key)[0];
             QTest::keyClick(s.window().boardWindow(), k.key(), k.keyboardModifiers());
         }
     }},
    {"chat", [](S& s, Words& in) {
         QLineEdit* edit = s.window().chatPane()->edit();
         edit->setFocus();
         edit->insert(unescape(rest(in)));  // as an input method or a paste puts it there
         QTest::keyClick(edit, Qt::Key_Return);
     }},
    {"wait", [](S& s, Words&) { s.me().waitForComputer(); }},
    {"fake-time", [](S& s, Words&) { s.window().clocks().setNow([&s] { return s.now; }); }},
    {"time", [](S& s, Words& in) {
         s.now += std::stoll(word(in));
         for (auto& [name, player] : s.players)
             if (player->window) player->window->clocks().check();
     }},
    {"timed", [](S& s, Words& in) { s.window().state().timeControl = *readTimeControl(word(in)); }},
    {"sleep", [](S&, Words& in) { QTest::qWait(std::stoi(word(in))); }},
    // The engine Game > Hint asks: the fake one in a mode of its own.
    {"hint-engine", [](S& s, Words& in) {
         s.window().hints().program = UciEngine::Program{ORBEL_FAKE_ENGINE, {QString::fromStdString(word(in))}};
     }},
    // The engines New Game Setup offers: the fake one, in the modes named.
    {"engines", [](S& s, Words& in) {
         std::vector<UciEngine::Program> programs;
         for (std::string mode = word(in); !mode.empty(); mode = word(in)) {
             const QString fake = QString::fromStdString(mode);
             programs.push_back(mode == "stockfish" ? UciEngine::Program{"/usr/games/stockfish", {}}
                                                    : UciEngine::Program{ORBEL_FAKE_ENGINE, {fake}});
         }
         s.window().engines().setPrograms(programs, {});
         // What the fake engines are told, for "engine-heard".
         const QString heard = s.folder.filePath("heard.txt");
         QFile::remove(heard);
         qputenv("ORBEL_FAKE_ENGINE_LOG", heard.toLocal8Bit());
     }},
    // The user's next moves, each the hint for the position, made with the
    // mouse once the opponent has answered, until the game ends.
    {"play-hinted", [](S& s, Words& in) {
         for (int n = std::stoi(word(in)); n > 0; --n) {
             s.me().waitForComputer();
             if (s.window().game().result() != "*") break;
             std::optional<StandardMove> hinted;
             const auto heard = QObject::connect(&s.window().hints(), &Hints::found, [&](StandardMove m) { hinted = m; });
             s.me().command(Command::Hint);
             const bool found = QTest::qWaitFor([&] { return hinted.has_value(); }, 10000);
             QObject::disconnect(heard);
             ASSERT_TRUE(found) << "no hint in " << writeFen(s.window().game().position());
             const std::string from(squareName(hinted->from)), to(squareName(hinted->to));
             const QPoint a = s.point(from), b = s.point(to);
             s.me().pressAt(a), s.me().moveHeldTo(b), s.me().releaseAt(b);
         }
     }},
    {"mark", [](S& s, Words&) { s.mark = s.me().drawnPlacement(); }},
    {"activate", [](S& s, Words&) {
         s.window().activateWindow();
         EXPECT_TRUE(QTest::qWaitForWindowActive(&s.window()));
     }},
    {"open", [](S& s, Words&) { s.me(); }},
    // The dialogs of network play on their own, as a user fills them in.
    {"dialog", [](S& s, Words& in) {
         const std::string kind = word(in);
         MainWindow& w = s.window();
         if (kind == "internet") s.dialog = std::make_unique<InternetGameDialog>(w.seams(), &w);
         if (kind == "nickname") s.dialog = std::make_unique<NicknameDialog>(w.seams(), &w);
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
         NicknameDialog nickname(s.window().seams(), nullptr);
         s.window().modal().run(nickname);
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
         s.me().command(Command::PasteGameText);
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
    {"accept-requests", [](S& s, Words&) { s.me().acceptRequests = true; }},
    {"answer", [](S& s, Words& in) {
         const std::string kind = word(in), a = word(in), b = word(in);
         Player& p = s.me();
         if (kind == "new") p.answerNewGame(a == "black", levelId(b));
         if (kind == "cancel") p.answerCancel();
         if (kind == "time-control")
             p.answerNextDialog([&s, args = a + ' ' + b + ' ' + rest(in)](QDialog& d) {
                 return answerTimeControl(s, d, args);
             });
         // New Game Setup's Time Control... button (its dialog answered next), then OK.
         if (kind == "setup-time-control")
             p.answerNextDialog([](QDialog& d) {
                 auto& setup = dynamic_cast<NewGameSetupDialog&>(d);
                 setup.timeControlButton()->click();
                 setup.okButton()->click();
                 return setup.result();
             });
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
         // Any dialog: its title and the texts of its buttons, then Cancel.
         if (kind == "texts")
             p.answerNextDialog([&s](QDialog& d) {
                 s.offered = d.windowTitle();
                 for (QAbstractButton* button : d.findChildren<QAbstractButton*>()) s.offered += " | " + button->text();
                 d.reject();
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
         // Options > Engines...: a file of the test's folder added (a copy
         // of the fake engine when it does not exist), then each row once
         // every engine has answered or failed, then Close.
         if (kind == "engines")
             p.answerNextDialog([&s, &p, added = QString::fromStdString(a)](QDialog& d) {
                 auto& engines = dynamic_cast<EnginesDialog&>(d);
                 QTreeWidget* rows = engines.table();
                 if (!added.isEmpty()) {
                     const QString path = s.folder.filePath(added);
                     if (!QFile::exists(path)) QFile::copy(ORBEL_FAKE_ENGINE, path);
                     p.answerNextDialog([path](QDialog& f) {
                         static_cast<QFileDialog&>(f).selectFile(path);
                         f.accept();
                         return f.result();
                     });
                     engines.addButton()->click();
                 }
                 const auto answered = [rows] { return rows->findItems("Asking...", Qt::MatchExactly, 2).isEmpty(); };
                 EXPECT_TRUE(QTest::qWaitFor(answered, 15000));
                 QStringList shown;
                 for (int i = 0; i < rows->topLevelItemCount(); ++i)
                     shown << QStringList{rows->topLevelItem(i)->text(0), rows->topLevelItem(i)->text(1),
                                          rows->topLevelItem(i)->text(2)}.join(", ");
                 s.offered = shown.join(" / ") + (engines.removeButton()->isEnabled() ? " (removable)" : "");
                 d.accept();
                 return d.result();
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
         s.window().computer().choose = [held = s.held](GameState& game, MoveRecord& result, const MoveRecord& last) {
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
         s.window().computer().choose = [](GameState&, MoveRecord&, const MoveRecord&) {
             return ChoiceOutcome::Failed;
         };
     }},
    {"no-thread", [](S& s, Words&) { s.window().computer().refuseNextThread = true; }},
    {"throwing-check", [](S& s, Words&) {
         s.window().game().checkTest = [](const StandardPosition&) -> bool { throw std::bad_alloc(); };
     }},
    // The network.
    {"taunt", [](S& s, Words& in) { s.window().network().tauntIndex = [n = std::stoul(word(in))] { return n; }; }},
    {"timeout", [](S& s, Words& in) {
         NetworkSession& n = s.window().network();
         const std::string which = word(in);
         auto& timeout = which == "connect" ? n.connectTimeout : which == "ignore" ? n.ignoreFor : n.nickTimeout;
         timeout = std::chrono::milliseconds(std::stoi(word(in)));
     }},
    // Callers that connect and close at once, by the thousand, at an address
    // of this copy's (127.0.0.1 unless named): what memory they leave behind
    // is "offered". Skipped under AddressSanitizer.
    {"soak", [](S& s, Words& in) {
         const int cycles = std::stoi(word(in));
         const std::string host = word(in);
         if (UnderAddressSanitizer) {
             s.skip = "the resident size under AddressSanitizer measures its quarantine, not the program";
             s.stop = true;
             return;
         }
         s.offered = soak(host.empty() ? "127.0.0.1" : host, s.window().network().listeningPort(), cycles);
     }},
    {"keepalive", [](S& s, Words& in) {
         const int idle = std::stoi(word(in)), interval = std::stoi(word(in)), probes = std::stoi(word(in));
         s.window().network().keepAlive = {std::chrono::seconds(idle), std::chrono::seconds(interval), probes};
     }},
    {"old", [](S& s, Words&) { s.window().network().firstProtocolOnly = true; }},
    {"listen", [](S& s, Words& in) { s.window().network().setUpListening(s.expand(word(in)).toUShort()); }},
    {"call", [](S& s, Words& in) {
         const QString host = s.expand(word(in)), nick = QString::fromStdString(word(in));
         s.answerInternet(host, nick, word(in));
         s.me().command(Command::DirectNetworkGame);
     }},
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
    // The scenario's listener; "server reply TEXT" answers the first read of
    // the call it takes with TEXT, as a copy of the first protocol would.
    {"server", [](S& s, Words& in) {
         if (word(in) != "reply") {
             EXPECT_TRUE(s.server.listen(QHostAddress::LocalHost, 0));
             return;
         }
         QObject::connect(&s.server, &QTcpServer::newConnection, &s.server, [&s, reply = unescaped(rest(in))] {
             s.reached = s.server.nextPendingConnection();
             QObject::connect(s.reached, &QTcpSocket::readyRead, s.reached, [&s, reply, first = true]() mutable {
                 s.reachedRead += s.reached->readAll();
                 if (std::exchange(first, false)) s.reached->write(reply);
             });
         });
     }},
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
    // The router's miniupnpd, and the window allowed to ask it, as the
    // program is when not told --no-port-mapping.
    {"router", [](S& s, Words&) {
         if (!s.sandbox->startRouter()) s.skip = QString::fromStdString(s.sandbox->whyNot()), s.stop = true;
     }},
    {"allow-mapping", [](S& s, Words&) {
         PortMapOptions router;
         router.helperPath = findPortMapHelper(ORBEL_BUILD_DIR);
         router.port = s.window().network().listeningPort();
         s.window().allowPortMapping(router);
     }},
    {"relink", [](S& s, Words& in) {
         const std::string router = word(in);
         EXPECT_TRUE(s.sandbox->relinkHome(router.empty() ? NetSandbox::RouterLanAddress : router));
     }},
    {"enter", [](S& s, Words& in) {
         EXPECT_TRUE(s.sandbox->enter(word(in) == "home" ? NetSandbox::Place::Home : NetSandbox::Place::Router));
     }},
    // Every dialog, opened the way the program opens it, shows its whole texts
    // (answer layout): New Game Setup with engines, Engines, About, What's
    // New, Time Control, Internet Game, Nickname Selection and the connecting
    // box, which calls the scenario's server.
    {"every-dialog-whole", [](S& s, Words&) {
         static const char* const steps[] = {
             "engines well never", "answer layout", "command new-one", "expect offered 0 texts, 0 pictures",
             "answer layout", "command engines", "expect offered 1 texts, 0 pictures",
             "answer layout", "command about", "expect offered 3 texts, 1 pictures",
             "answer layout", "command whats-new", "expect offered 2 texts, 1 pictures",
             "answer layout", "command time-control", "expect offered 2 texts, 0 pictures",
             "answer layout", "command call", "expect offered 2 texts, 0 pictures",
             "answer layout", "nickname-dialog", "expect offered 1 texts, 0 pictures",
             "answer internet 127.0.0.1:{server} anna white", "answer layout", "command call",
             "expect offered 1 texts, 0 pictures"};
         for (const char* step : steps)
             if (!s.HasFailure()) s.run({s.line, step});
     }},
    // The copy in another language (a shipped one, or en_XA or ar_XB, the
    // longer and the right-to-left pseudo-languages): closed and opened again.
    {"language", [](S& s, Words& in) {
         const QString name = QString::fromStdString(word(in));
         const bool pseudo = name == "en_XA" || name == "ar_XB";
         s.me().close();
         const char* folder = pseudo ? ORBEL_PSEUDO_TRANSLATIONS : TranslationFolder;
         EXPECT_EQ(installTranslations(*qApp, {name}, QString::fromUtf8(folder)), name);
         s.me().open();
     }},
    // The copy closed and started again, listening on the port it had.
    {"restart", [](S& s, Words&) {
         const quint16 port = s.window().network().listeningPort();
         s.me().close();
         s.me().open();
         s.window().network().setUpListening(port);
     }},
};

}  // namespace orbel::testing
