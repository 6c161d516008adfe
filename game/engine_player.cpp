#include "game/engine_player.h"

#include "game/game.h"
#include "game/translated.h"

namespace orbel {

EnginePlayer::EnginePlayer(MoveArbiter& table, Game& game, QObject* parent)
    : Player(table, PlayerKind::Computer, parent), game_(game) {}

EnginePlayer::~EnginePlayer() = default;

void EnginePlayer::choose(const UciEngine::Program& program, std::optional<int> elo) {
    stop();
    elo_ = elo;
    name_.clear();
    value_.reset();
    engine_ = std::make_unique<UciEngine>(program);
    connect(engine_.get(), &UciEngine::ready, this, [this] {
        name_ = engine_->name();
        if (std::exchange(searchOnReady_, false) && thinking_ && !search()) {
            thinking_ = false;
            emit thinkingEnded();
        }
    });
    connect(engine_.get(), &UciEngine::bestMove, this, &EnginePlayer::answer);
    connect(engine_.get(), &UciEngine::thinking, this, [this](const uci::Info& info) {
        if (!thinking_) return;
        if (info.mateIn) value_ = *info.mateIn > 0 ? 100'000 : -100'000;
        else if (info.centipawns) value_ = *info.centipawns;
        emit brainChanged(QString::fromStdString(uci::brainText(game_.position(), info, &translated)));
    });
    connect(engine_.get(), &UciEngine::failed, this, [this](const QString& why) {
        if (std::exchange(thinking_, false)) emit thinkingEnded();
        letGo();
        emit failed(why);
    });
    engine_->setStrength(elo);
    engine_->start();
}

void EnginePlayer::yourTurn(const PlayedMove&) { think(); }

void EnginePlayer::open() { think(); }

void EnginePlayer::gameEnded(EndReason) { cancel(); }

void EnginePlayer::think() {
    if (!engine_ || !seated()) return;
    // Its move time follows from the options it offers, known once it has
    // shaken hands: a move played sooner is searched then.
    if (engine_->isReady()) {
        if (!search()) return;
    } else {
        searchOnReady_ = true;
    }
    thinking_ = true;
    emit thinkingStarted();
}

bool EnginePlayer::search() {
    uci::GoLimits go;
    go.moveTimeMs = uci::strengthMoveTimeMs(engine_->options(), elo_);
    if (const std::optional<uci::GoLimits> timed = limits ? limits() : std::nullopt) go = *timed;
    return engine_->search(game_.start(), game_.moves(), go);
}

void EnginePlayer::answer(StandardMove move) {
    if (!std::exchange(thinking_, false)) return;
    emit thinkingEnded();
    table_.play(*this, move);
}

void EnginePlayer::cancel() {
    searchOnReady_ = false;
    if (!std::exchange(thinking_, false)) return;
    if (engine_) engine_->cancel();
    emit thinkingEnded();
}

void EnginePlayer::stop() {
    cancel();
    if (!engine_) return;
    // Ended now, deleted later: the engine's own move may have ended the game.
    engine_->quit();
    letGo();
}

void EnginePlayer::letGo() {
    // Deleted once the engine's signal that may have brought us here returns;
    // with this player, should it go first.
    UciEngine* ended = engine_.release();
    ended->setParent(this);
    ended->deleteLater();
}

}  // namespace orbel
