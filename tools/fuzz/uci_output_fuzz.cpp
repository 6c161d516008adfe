// libFuzzer target: whatever a chess engine prints. Each line is read as the
// protocol reads it; a move is believed only when it is legal where it was
// asked for, and the Brain pane's text for any line stays short.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/engine/uci_text.h"
#include "rules/standard_moves.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orbel;
    StandardPosition position = initialPosition();
    position.rules = RuleSet::Standard;
    std::vector<uci::Option> options;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const uci::Line line = uci::readLine(text.substr(at, end - at));
        at = end + 1;
        if (line.kind == uci::Line::Kind::Option) options.push_back(line.option);
        if (line.kind == uci::Line::Kind::Info &&
            uci::brainText(position, line.info).size() > 64 + uci::MaxPvMoves * 16)
            std::abort();
        if (line.kind != uci::Line::Kind::BestMove) continue;
        const std::optional<StandardMove> move = uci::readMove(position, line.text);
        if (!move) continue;
        if (refusalOf(position, *move) != Refusal::None) std::abort();
        position = afterMove(position, *move);
    }
    // Whatever it offered, the strength asked for stays within its bounds.
    for (const std::string& command : uci::strengthCommands(options, 1500))
        if (command.size() > uci::MaxLineLength) std::abort();
    uci::strengthMoveTimeMs(options, 1500);
    return 0;
}
