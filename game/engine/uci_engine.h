// A chess engine of another maker, run as a child process and spoken to in
// the Universal Chess Interface. The engine may be slow, broken or hostile:
// whatever it does, the user sees either its legal move or one failure, and
// the process is gone by the time the failure is told. Nothing here blocks
// the event loop for longer than a second, and then only while ending it.
//
// Failures, each told at most once, with the process ended:
//   "The engine could not be started."         the program does not run
//   "The engine did not answer"                no "uciok" or "readyok" in time
//   "The engine did not answer in time."       no move by a search's deadline
//                                              and the grace after "stop"
//   "The engine sent an illegal move: TEXT"    TEXT shown as printable ASCII,
//                                              cut short
//   "The engine stopped working."              it exited or crashed after the
//                                              handshake
#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "game/engine/uci_text.h"

namespace orbel {

class UciEngine : public QObject {
    Q_OBJECT
public:
    struct Program {
        QString path;
        QStringList arguments;
    };
    // How long the engine is waited for; a test's are shorter.
    struct Timeouts {
        int answerMs = 5000;  // "uciok" after "uci", "readyok" after "isready"
        int searchMs = 0;     // a search's deadline; 0: goDeadlineMs of its limits
        int stopMs = 1000;    // the move after "stop"
        int quitMs = 1000;    // the exit after "quit", before the process is killed
    };

    explicit UciEngine(Program program, QObject* parent = nullptr);
    // Ends the process as quit() does. From a slot of this object's signals,
    // use deleteLater().
    ~UciEngine() override;

    // Runs the program and shakes hands: ready() or failed(), later.
    void start();
    // From ready() until a failure or quit(): searches run when asked.
    bool isReady() const;
    QString name() const { return QString::fromStdString(name_); }
    QString author() const { return QString::fromStdString(author_); }
    const std::vector<uci::Option>& options() const { return options_; }

    // Sent before the next search, followed by "isready". Unset: the
    // engine's full strength.
    void setStrength(std::optional<int> elo);
    // Searches the position after `moves` from `start`: bestMove() with a
    // move legal there, or failed(). A search asked for while another runs
    // replaces it (the other's move is dropped), one asked for before the
    // handshake runs after it. False, and nothing asked of the engine, when
    // a move of `moves` is illegal in its turn, the position has no move,
    // or the engine has ended.
    bool search(const StandardPosition& start, const std::vector<StandardMove>& moves, const uci::GoLimits& limits);
    // Stops the search: the move that answers "stop" is dropped.
    void cancel();
    // "quit", and the process killed unless it exits within quitMs; always
    // reaped. No signal follows.
    void quit();

    Timeouts timeouts;

signals:
    void ready();
    void thinking(const orbel::uci::Info& info);
    void bestMove(orbel::StandardMove move);
    void failed(const QString& why);

private:
    enum class Stage {
        Idle,       // not started
        Handshake,  // "uci" sent
        Readying,   // "isready" sent after "uciok"
        Ready,      // idle between searches
        Preparing,  // the strength set, "isready" sent before the search
        Searching,  // "go" sent
        Overdue,    // past the deadline, "stop" sent; its move still counts
        Stopping,   // cancelled, "stop" sent; its move is dropped
        Ended,
    };
    struct Search {
        std::string position;  // the command
        StandardPosition searched;
        uci::GoLimits limits;
    };

    void send(const std::string& command);
    void wait(Stage stage, int ms);
    void readOutput();
    void takeOutput(std::string_view piece);
    void takeLine(std::string_view text);
    void takeHandshakeLine(const uci::Line& line);
    void takeBestMove(const std::string& text);
    void becomeReady();
    void stopSearch();
    void startNext();
    void timedOut();
    void processEnded();
    void fail(const QString& why);
    void endProcess(int politeMs);

    Program program_;
    QProcess process_;
    QTimer clock_;
    Stage stage_ = Stage::Idle;
    std::string name_, author_;
    std::vector<uci::Option> options_;
    std::optional<int> strength_;
    bool strengthPending_ = false;
    // The search to run once the engine is free, and the one running.
    std::optional<Search> next_;
    StandardPosition searched_;
    // The unfinished line; `overlong_` while the rest of a line too long to
    // read is skipped.
    std::string partial_;
    bool overlong_ = false;
};

// The engines Debian installs that are there and executable, strongest first.
std::vector<UciEngine::Program> installedEngines();

}  // namespace orbel
