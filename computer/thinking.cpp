#include "computer/thinking.h"

#include <system_error>

namespace orbel {

ThinkingThread::~ThinkingThread() { join(); }

bool ThinkingThread::start(std::shared_ptr<GameState> game, const MoveRecord& humanMove, HandBack handBack) {
    join();
    if (failNextStart) {
        failNextStart = false;
        return false;
    }
    game_ = std::move(game);
    result_ = noMoveRecord();
    const MoveRecord lastUserMove = humanMove;
    const bool fail = failNextChoice;
    failNextChoice = false;
    try {
        worker_ = std::thread([this, lastUserMove, fail, handBack = std::move(handBack)] {
            outcome_ = fail ? ChoiceOutcome::Failed : chooseComputerMove(*game_, result_, lastUserMove);
            if (beforeHandBack) beforeHandBack();
            handBack();
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void ThinkingThread::chooseHere(std::shared_ptr<GameState> game, const MoveRecord& humanMove) {
    join();
    game_ = std::move(game);
    result_ = noMoveRecord();
    outcome_ = chooseComputerMove(*game_, result_, humanMove);
}

void ThinkingThread::join() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace orbel
