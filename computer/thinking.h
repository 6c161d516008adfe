// The computer's move on a worker thread, so the window keeps painting and
// showing the line the search is considering. Standard C++ only.
//
// The thread works on a game object it shares (and keeps alive) and on a
// result record of its own. It tells the window it is done through the
// hand-back callback, called on the worker thread as its last act; the
// window's thread then joins it and only after that reads the result.
#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "computer/search.h"
#include "rules/board.h"

namespace orbel {

class ThinkingThread {
public:
    using HandBack = std::function<void()>;
    // How the move is chosen: chooseComputerMove, unless a test says otherwise.
    using Choose = std::function<ChoiceOutcome(GameState& game, MoveRecord& result, const MoveRecord& lastUserMove)>;

    ThinkingThread() = default;
    ThinkingThread(const ThinkingThread&) = delete;
    ThinkingThread& operator=(const ThinkingThread&) = delete;
    ~ThinkingThread();

    // Starts choosing the computer's move in `game` after the user's move.
    // Returns false when no thread could be started (nothing runs then).
    bool start(std::shared_ptr<GameState> game, const MoveRecord& humanMove, HandBack handBack, Choose choose);
    // Chooses on the calling thread instead, leaving the result as a thread would.
    void chooseHere(std::shared_ptr<GameState> game, const MoveRecord& humanMove, const Choose& choose);
    // Waits for the thread to end. Call from the thread that started it.
    void join();
    bool running() const { return worker_.joinable(); }

    // Read after join(): the chosen move (all -1 for none) and how it went.
    const MoveRecord& result() const { return result_; }
    ChoiceOutcome outcome() const { return outcome_; }

private:
    std::thread worker_;
    std::shared_ptr<GameState> game_;
    MoveRecord result_ = noMoveRecord();
    ChoiceOutcome outcome_ = ChoiceOutcome::NoMove;
};

}  // namespace orbel
