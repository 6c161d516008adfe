#include "tools/strength/uci_opponent.h"

#include <algorithm>
#include <cctype>

namespace orbel::strength {

namespace {

using Clock = std::chrono::steady_clock;

// How long an engine may take to start, or to say it is ready.
constexpr int StartTimeoutMs = 10'000;

const uci::Option* findOption(const std::vector<uci::Option>& options, std::string_view name, std::string_view type) {
    const auto sameName = [&](const uci::Option& o) {
        return std::equal(o.name.begin(), o.name.end(), name.begin(), name.end(),
                          [](char a, char b) { return std::tolower(a) == std::tolower(b); });
    };
    for (const uci::Option& o : options)
        if (o.type == type && sameName(o)) return &o;
    return nullptr;
}

std::string readFailure(EngineProcess::Read read, std::string_view waitingFor) {
    return read == EngineProcess::Read::Timeout ? "the engine did not send \"" + std::string(waitingFor) + "\" in time"
                                                : "the engine ended before it sent \"" + std::string(waitingFor) + "\"";
}

}  // namespace

std::string Strength::name() const { return (kind == Kind::Elo ? "Elo " : "Skill ") + std::to_string(value); }

std::string UciOpponent::handshake() {
    options_.clear();
    name_.clear();
    if (std::string failure = process_.start(path_); !failure.empty()) return failure;
    if (!process_.send("uci")) return "the engine does not read its input";
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(StartTimeoutMs);
    std::string text;
    for (;;) {
        const EngineProcess::Read read = process_.readLine(text, deadline);
        if (read != EngineProcess::Read::Line) return readFailure(read, "uciok");
        const uci::Line line = uci::readLine(text);
        if (line.kind == uci::Line::Kind::UciOk) {
            if (name_.empty()) name_ = "the engine";
            return {};
        }
        if (line.kind == uci::Line::Kind::IdName) name_ = line.text;
        if (line.kind == uci::Line::Kind::Option && options_.size() < 1000) options_.push_back(line.option);
    }
}

std::string UciOpponent::waitReady(int timeoutMs) {
    if (!process_.send("isready")) return "the engine does not read its input";
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string text;
    for (;;) {
        const EngineProcess::Read read = process_.readLine(text, deadline);
        if (read != EngineProcess::Read::Line) return readFailure(read, "readyok");
        if (uci::readLine(text).kind == uci::Line::Kind::ReadyOk) return {};
    }
}

// Whether the engine can play at `strength` at all: an Elo only where it
// offers UCI_Elo over that range, a Skill Level only within its own.
std::string UciOpponent::strengthProblem(const Strength& strength) const {
    const bool elo = strength.kind == Strength::Kind::Elo;
    const uci::Option* range = findOption(options_, elo ? "UCI_Elo" : "Skill Level", "spin");
    const char* what = elo ? "UCI_Elo" : "Skill Level";
    if (!range || (elo && !findOption(options_, "UCI_LimitStrength", "check")))
        return std::string("the engine offers no ") + what;
    if (strength.value < range->min || strength.value > range->max)
        return std::string("the engine's ") + what + " runs from " + std::to_string(range->min) + " to " +
               std::to_string(range->max) + ", not " + std::to_string(strength.value);
    return {};
}

std::string UciOpponent::newGame(const Strength& strength) {
    if (!process_.running() || faulted_) {
        process_.stop();
        if (std::string failure = handshake(); !failure.empty()) return failure;
        faulted_ = false;
    }
    if (std::string problem = strengthProblem(strength); !problem.empty()) return problem;
    std::vector<std::string> commands;
    // The same engine every game: one thread, a small table, nothing kept.
    if (findOption(options_, "Threads", "spin")) commands.push_back("setoption name Threads value 1");
    if (findOption(options_, "Hash", "spin")) commands.push_back("setoption name Hash value 16");
    if (strength.kind == Strength::Kind::Elo) {
        for (std::string& c : uci::strengthCommands(options_, strength.value)) commands.push_back(std::move(c));
    } else {
        if (findOption(options_, "UCI_LimitStrength", "check"))
            commands.push_back("setoption name UCI_LimitStrength value false");
        commands.push_back("setoption name Skill Level value " + std::to_string(strength.value));
    }
    commands.push_back("ucinewgame");
    for (const std::string& c : commands) {
        if (!process_.send(c)) {
            faulted_ = true;
            return "the engine does not read its input";
        }
    }
    std::string failure = waitReady(StartTimeoutMs);
    faulted_ = !failure.empty();
    return failure;
}

EngineAnswer UciOpponent::bestMove(const StandardPosition& start, const std::vector<StandardMove>& moves,
                                   const StandardPosition& now) {
    uci::GoLimits limits;
    limits.moveTimeMs = moveTimeMs_;
    if (!process_.send(uci::positionCommand(start, moves)) || !process_.send(uci::goCommand(limits))) {
        faulted_ = true;
        return {EngineAnswer::Kind::Died, {}, "the engine stopped reading its input"};
    }
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(uci::goDeadlineMs(limits, now.toMove));
    std::string text;
    for (;;) {
        const EngineProcess::Read read = process_.readLine(text, deadline);
        if (read != EngineProcess::Read::Line) {
            faulted_ = true;
            const bool late = read == EngineProcess::Read::Timeout;
            return {late ? EngineAnswer::Kind::Timeout : EngineAnswer::Kind::Died, {},
                    late ? "no move in time" : "the engine ended"};
        }
        const uci::Line line = uci::readLine(text);
        if (line.kind != uci::Line::Kind::BestMove) continue;
        if (const std::optional<StandardMove> move = uci::readMove(now, line.text))
            return {EngineAnswer::Kind::Move, *move, line.text};
        faulted_ = true;
        return {EngineAnswer::Kind::Illegal, {}, line.text};
    }
}

}  // namespace orbel::strength
