// Game > Hint: the best move in the position on the board, as a chess engine
// of another maker sees it in a second at full strength. The engine is the
// first one installed, started at the first hint and kept for the next; one
// that fails is let go, and the next hint starts another.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "game/engine/uci_engine.h"

namespace orbel {

class Hints : public QObject {
    Q_OBJECT
public:
    explicit Hints(QObject* parent = nullptr);
    ~Hints() override;

    // The engine asked (a test's fake); unset, the first of `engines`, or
    // of those installed.
    std::optional<UciEngine::Program> program;
    std::function<std::vector<UciEngine::Program>()> engines;
    int moveTimeMs = 1000;

    // Whether there is an engine to ask.
    bool available() const;
    // Asks for the best move after `moves` from `start`: found() or failed()
    // later. An answer still due to an earlier question is dropped.
    void ask(const StandardPosition& start, const std::vector<StandardMove>& moves);
    // The position changed: an answer still due is dropped.
    void forget();
    bool asking() const { return asking_; }
    // The window closes: the engine is told to quit, and killed when it does not.
    void stop() {
        asking_ = false;
        engine_.reset();
    }
    // The engine's name as it gave it ("Stockfish 15.1"), once it has answered.
    QString engineName() const { return engine_ ? engine_->name() : QString(); }

signals:
    void found(orbel::StandardMove move);
    void failed(const QString& why);

private:
    std::vector<UciEngine::Program> candidates() const;
    void letGo();

    std::unique_ptr<UciEngine> engine_;
    bool asking_ = false;
};

}  // namespace orbel
