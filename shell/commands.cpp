#include "shell/commands.h"

#include <QAction>
#include <utility>

namespace orbel {
namespace {

constexpr const char* Names[CommandCount] = {
    "new-one", "new-two", "save", "load", "open-text", "export", "copy-game", "copy-position", "paste", "exit",
    "undo", "resign", "offer-draw", "claim-draw", "time-control", "pause", "read-position", "hint", "dark-square", "light-square", "original-colors", "dudidi", "ferrow1",
    "ferrow2", "coordinates", "announce", "sounds", "standard-rules", "engines", "call", "address", "internet-calls", "net-resign", "kill", "net-draw", "takeback", "rematch", "call-again", "whats-new", "about",
    "keys"};

// What would replace or end the game object the computer's thread is using.
constexpr Command HeldWhileThinking[] = {Command::NewOnePlayerGame, Command::NewTwoPlayerGame, Command::Resign,
                                         Command::OfferDraw, Command::ClaimDraw,
                                         Command::DirectNetworkGame, Command::OpenGameText, Command::PasteGameText};

}  // namespace

const char* commandName(Command command) { return Names[static_cast<std::size_t>(command)]; }

void Commands::add(Command command, QAction* action) {
    action->setObjectName(QString::fromLatin1(commandName(command)));
    actions_[static_cast<std::size_t>(command)] = action;
}

void Commands::setEnabled(Command command, bool enabled) {
    const auto held = held_.find(command);
    if (held != held_.end()) {
        held->second = enabled;
        return;
    }
    action(command)->setEnabled(enabled);
}

void Commands::setChecked(Command command, bool checked) { action(command)->setChecked(checked); }

void Commands::holdWhileThinking() {
    for (const Command c : HeldWhileThinking) {
        held_[c] = action(c)->isEnabled();
        action(c)->setEnabled(false);
    }
}

void Commands::release() {
    const auto held = std::move(held_);
    held_.clear();
    for (const auto& [c, enabled] : held) action(c)->setEnabled(enabled);
}

}  // namespace orbel
