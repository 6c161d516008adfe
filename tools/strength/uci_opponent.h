// The computer's opponent in a strength match: a UCI engine at a fixed UCI_Elo
// or at a fixed Skill Level, given a fixed time per move. The engine is
// believed only as far as the rules allow: a move it names must be legal, an
// answer must come in time, and an engine that failed once is started anew
// before the next game.
#pragma once

#include <string>
#include <vector>

#include "game/engine/uci_text.h"
#include "tools/strength/engine_process.h"

namespace orbel::strength {

// An opponent's strength: a UCI_Elo (an official rating scale) or a Skill
// Level (none).
struct Strength {
    enum class Kind { Elo, Skill };
    Kind kind = Kind::Elo;
    int value = 1350;

    // "Elo 1500", "Skill 0": as the output and the results file name it.
    std::string name() const;
    friend bool operator==(const Strength&, const Strength&) = default;
};

struct EngineAnswer {
    enum class Kind { Move, Timeout, Died, Illegal };
    Kind kind = Kind::Move;
    StandardMove move;
    std::string text;  // what the engine said, for the report of a fault
};

class UciOpponent {
public:
    UciOpponent(std::string path, int moveTimeMs) : path_(std::move(path)), moveTimeMs_(moveTimeMs) {}

    // Ready for a new game at `strength`: the engine started (again, after a
    // fault), set and asked "isready". "" when it is, else why not.
    std::string newGame(const Strength& strength);

    // The engine's move in `now`, reached from `start` by `moves`.
    EngineAnswer bestMove(const StandardPosition& start, const std::vector<StandardMove>& moves,
                          const StandardPosition& now);

    // "Stockfish 15.1", as the engine names itself ("the engine" when it does not).
    const std::string& engineName() const { return name_; }
    // The engine goes: "quit", and reaped.
    void stop() { process_.stop(); }

private:
    std::string handshake();
    std::string strengthProblem(const Strength& strength) const;
    std::string waitReady(int timeoutMs);

    std::string path_;
    int moveTimeMs_;
    EngineProcess process_;
    std::vector<uci::Option> options_;
    std::string name_;
    bool faulted_ = false;
};

}  // namespace orbel::strength
