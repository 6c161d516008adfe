#include "computer/thinking.h"

#include <system_error>

namespace orbel {

ThinkingThread::~ThinkingThread() { join(); }

bool ThinkingThread::start(std::shared_ptr<GameState> game, const MoveRecord& humanMove, HandBack handBack,
                           Choose choose) {
    join();
    game_ = std::move(game);
    result_ = noMoveRecord();
    const MoveRecord lastUserMove = humanMove;
    try {
        worker_ = std::thread([this, lastUserMove, handBack = std::move(handBack), choose = std::move(choose)] {
            outcome_ = choose(*game_, result_, lastUserMove);
            handBack();
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void ThinkingThread::chooseHere(std::shared_ptr<GameState> game, const MoveRecord& humanMove, const Choose& choose) {
    join();
    game_ = std::move(game);
    result_ = noMoveRecord();
    outcome_ = choose(*game_, result_, humanMove);
}

void ThinkingThread::join() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace orbel
