#include "game/engine/uci_engine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>
#include <utility>

#include "game/notation/san.h"

namespace orbel {

namespace {

// Failures the user is told of, in their language.
const char* const NotStarted = QT_TRANSLATE_NOOP("orbel::UciEngine", "The engine could not be started.");
const char* const NoAnswer = QT_TRANSLATE_NOOP("orbel::UciEngine", "The engine did not answer");
const char* const NotInTime = QT_TRANSLATE_NOOP("orbel::UciEngine", "The engine did not answer in time.");
// The engine's move as it sent it, in printable ASCII.
const char* const IllegalMove = QT_TRANSLATE_NOOP("orbel::UciEngine", "The engine sent an illegal move: %1");
const char* const Stopped = QT_TRANSLATE_NOOP("orbel::UciEngine", "The engine stopped working.");

QString told(const char* failure) { return QCoreApplication::translate("orbel::UciEngine", failure); }

// The most read at a time of the engine's output, never past a line end:
// with the unfinished line, all that is held of it.
constexpr qint64 ChunkSize = 4096;
// An engine offering options without end keeps this many.
constexpr std::size_t MaxOptions = 512;
// After SIGKILL the kernel takes milliseconds; this bounds a process stuck
// in the kernel.
constexpr int KillWaitMs = 1000;

}  // namespace

UciEngine::UciEngine(Program program, QObject* parent) : QObject(parent), program_(std::move(program)) {
    clock_.setSingleShot(true);
    connect(&clock_, &QTimer::timeout, this, &UciEngine::timedOut);
    process_.setProgram(program_.path);
    process_.setArguments(program_.arguments);
    process_.setReadChannel(QProcess::StandardOutput);
    process_.setStandardErrorFile(QProcess::nullDevice());
    // A process group of its own: killing the engine kills what it started
    // (a script's engine, say) with it.
    process_.setChildProcessModifier([] { ::setpgid(0, 0); });
    connect(&process_, &QProcess::readyReadStandardOutput, this, &UciEngine::readOutput);
    connect(&process_, &QProcess::finished, this, &UciEngine::processEnded);
    // Queued: a program that does not run is told after start() returned.
    connect(
        &process_, &QProcess::errorOccurred, this,
        [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) fail(told(NotStarted));
        },
        Qt::QueuedConnection);
}

UciEngine::~UciEngine() {
    quit();
    disconnect(&process_, nullptr, this, nullptr);
}

void UciEngine::start() {
    if (stage_ != Stage::Idle) return;
    wait(Stage::Handshake, timeouts.answerMs);
    process_.start();
    send("uci");
}

bool UciEngine::isReady() const {
    return stage_ != Stage::Idle && stage_ != Stage::Handshake && stage_ != Stage::Readying && stage_ != Stage::Ended;
}

void UciEngine::setStrength(std::optional<int> elo) {
    strength_ = elo;
    strengthPending_ = true;
}

bool UciEngine::search(const StandardPosition& start, const std::vector<StandardMove>& moves,
                       const uci::GoLimits& limits) {
    if (stage_ == Stage::Ended) return false;
    StandardPosition position = start;
    for (const StandardMove& move : moves) {
        if (!isLegalMove(position, move)) return false;
        position = afterPlay(position, move);
    }
    std::vector<StandardMove> legal;
    legalMoves(position, legal);
    if (legal.empty()) return false;
    next_ = Search{uci::positionCommand(start, moves), position, limits};
    if (stage_ == Stage::Ready) startNext();
    else if (stage_ == Stage::Searching || stage_ == Stage::Overdue) stopSearch();
    return true;
}

void UciEngine::cancel() {
    next_.reset();
    if (stage_ == Stage::Searching || stage_ == Stage::Overdue) stopSearch();
}

void UciEngine::stopSearch() {
    send("stop");
    wait(Stage::Stopping, timeouts.stopMs);
}

void UciEngine::quit() {
    if (stage_ == Stage::Ended) return;
    stage_ = Stage::Ended;
    next_.reset();
    endProcess(timeouts.quitMs);
}

void UciEngine::send(const std::string& command) {
    if (process_.state() == QProcess::NotRunning) return;
    process_.write(command.data(), static_cast<qint64>(command.size()));
    process_.write("\n", 1);
}

void UciEngine::wait(Stage stage, int ms) {
    stage_ = stage;
    clock_.start(std::max(0, ms));
}

void UciEngine::readOutput() {
    // A line at a time at most: a slot of a signal sent from here may run an
    // event loop, and the call from there goes on where this one is.
    char chunk[ChunkSize];
    qint64 got = 0;
    while (stage_ != Stage::Ended && (got = process_.readLine(chunk, ChunkSize)) > 0)
        takeOutput(std::string_view(chunk, static_cast<std::size_t>(got)));
    if (stage_ == Stage::Ended) process_.skip(process_.bytesAvailable());
}

void UciEngine::takeOutput(std::string_view piece) {
    const bool ends = piece.back() == '\n';
    if (ends) piece.remove_suffix(1);
    // One more than a line may hold, for a "\r" before the "\n".
    if (!overlong_ && partial_.size() + piece.size() <= uci::MaxLineLength + 1) {
        partial_.append(piece);
    } else {
        overlong_ = true;
        partial_.clear();
    }
    if (!ends) return;
    std::string line;
    line.swap(partial_);
    if (std::exchange(overlong_, false)) return;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    takeLine(line);
}

void UciEngine::takeLine(std::string_view text) {
    using K = uci::Line::Kind;
    const uci::Line line = uci::readLine(text);
    switch (stage_) {
    case Stage::Handshake: takeHandshakeLine(line); break;
    case Stage::Readying:
        if (line.kind != K::ReadyOk) break;
        clock_.stop();
        stage_ = Stage::Ready;
        emit ready();
        if (stage_ == Stage::Ready && next_) startNext();
        break;
    case Stage::Preparing:
        if (line.kind == K::ReadyOk) becomeReady();
        break;
    case Stage::Searching:
    case Stage::Overdue:
        if (line.kind == K::Info) emit thinking(line.info);
        if (line.kind == K::BestMove) takeBestMove(line.text);
        break;
    case Stage::Stopping:
        if (line.kind == K::BestMove) becomeReady();
        break;
    case Stage::Idle:
    case Stage::Ready:
    case Stage::Ended: break;
    }
}

void UciEngine::takeHandshakeLine(const uci::Line& line) {
    using K = uci::Line::Kind;
    switch (line.kind) {
    case K::IdName: name_ = line.text; break;
    case K::IdAuthor: author_ = line.text; break;
    case K::Option:
        if (options_.size() < MaxOptions) options_.push_back(line.option);
        break;
    case K::UciOk:
        send("isready");
        wait(Stage::Readying, timeouts.answerMs);
        break;
    default: break;
    }
}

void UciEngine::takeBestMove(const std::string& text) {
    const std::optional<StandardMove> move = uci::readMove(searched_, text);
    if (!move) {
        fail(told(IllegalMove).arg(QString::fromStdString(quotedText(text))));
        return;
    }
    clock_.stop();
    stage_ = Stage::Ready;
    emit bestMove(*move);
}

void UciEngine::becomeReady() {
    clock_.stop();
    stage_ = Stage::Ready;
    if (next_) startNext();
}

void UciEngine::startNext() {
    // A strength set since the last search is the engine's before its "go".
    if (std::exchange(strengthPending_, false)) {
        for (const std::string& command : uci::strengthCommands(options_, strength_)) send(command);
        send("isready");
        wait(Stage::Preparing, timeouts.answerMs);
        return;
    }
    const Search search = std::move(*next_);
    next_.reset();
    searched_ = search.searched;
    send(search.position);
    send(uci::goCommand(search.limits));
    const int deadline = timeouts.searchMs > 0 ? timeouts.searchMs : uci::goDeadlineMs(search.limits, searched_.toMove);
    wait(Stage::Searching, deadline);
}

void UciEngine::timedOut() {
    switch (stage_) {
    case Stage::Handshake:
    case Stage::Readying:
    case Stage::Preparing: fail(told(NoAnswer)); break;
    case Stage::Searching:
        // Its move still counts if it comes soon after.
        send("stop");
        wait(Stage::Overdue, timeouts.stopMs);
        break;
    case Stage::Overdue:
    case Stage::Stopping: fail(told(NotInTime)); break;
    case Stage::Idle:
    case Stage::Ready:
    case Stage::Ended: break;
    }
}

void UciEngine::processEnded() {
    if (stage_ == Stage::Ended || stage_ == Stage::Idle) return;
    fail(told(stage_ == Stage::Handshake || stage_ == Stage::Readying ? NoAnswer : Stopped));
}

void UciEngine::fail(const QString& why) {
    if (stage_ == Stage::Ended) return;
    stage_ = Stage::Ended;
    next_.reset();
    endProcess(0);
    emit failed(why);
}

void UciEngine::endProcess(int politeMs) {
    clock_.stop();
    if (process_.state() == QProcess::NotRunning) return;
    if (politeMs > 0) {
        send("quit");
        process_.closeWriteChannel();
        if (process_.waitForFinished(politeMs)) return;
    }
    // Its group, while the engine itself is unreaped and the group's number
    // cannot be another's.
    if (const qint64 pid = process_.processId(); pid > 0) ::kill(-static_cast<pid_t>(pid), SIGKILL);
    process_.kill();
    process_.waitForFinished(KillWaitMs);
}

std::vector<UciEngine::Program> installedEngines() {
    const UciEngine::Program debian[] = {{"/usr/games/stockfish", {}}, {"/usr/games/gnuchess", {"--uci"}}};
    std::vector<UciEngine::Program> found;
    for (const UciEngine::Program& program : debian) {
        const QFileInfo file(program.path);
        if (file.isFile() && file.isExecutable()) found.push_back(program);
    }
    return found;
}

}  // namespace orbel
