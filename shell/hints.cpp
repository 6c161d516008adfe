#include "shell/hints.h"

namespace orbel {

Hints::Hints(QObject* parent) : QObject(parent) {}

Hints::~Hints() = default;

std::vector<UciEngine::Program> Hints::candidates() const { return engines ? engines() : installedEngines(); }

bool Hints::available() const { return program || !candidates().empty(); }

void Hints::ask(const StandardPosition& start, const std::vector<StandardMove>& moves) {
    if (!engine_) {
        const std::vector<UciEngine::Program> installed = candidates();
        if (!program && installed.empty()) {
            emit failed(tr("Hints need a chess engine, such as Stockfish (sudo apt install stockfish)."));
            return;
        }
        engine_ = std::make_unique<UciEngine>(program ? *program : installed.front());
        connect(engine_.get(), &UciEngine::bestMove, this, [this](StandardMove move) {
            if (std::exchange(asking_, false)) emit found(move);
        });
        connect(engine_.get(), &UciEngine::failed, this, [this](const QString& why) {
            const bool wasAsking = std::exchange(asking_, false);
            letGo();
            if (wasAsking) emit failed(why);
        });
        engine_->start();
    }
    uci::GoLimits limits;
    limits.moveTimeMs = moveTimeMs;
    asking_ = engine_->search(start, moves, limits);
    if (!asking_) emit failed(tr("There is no move to hint at."));
}

void Hints::forget() {
    if (!std::exchange(asking_, false) || !engine_) return;
    engine_->cancel();
}

// Not from inside the engine's own signal: it is deleted once that returns.
void Hints::letGo() {
    if (engine_) engine_.release()->deleteLater();
}

}  // namespace orbel
