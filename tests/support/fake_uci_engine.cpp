// An engine that misbehaves on purpose, one way per mode, for the tests of
// the program's side of the engine protocol:
//   well      a proper engine: it plays the first legal move of the position
//   losing    the same, its line three pawns down
//   clocked   the same, its value the wtime it was given in seconds and its
//             depth the winc
//   late      no move until long after any deadline
//   stubborn  a move only when told to stop
//   never     no "uciok"
//   crash     killed by a signal at its first "go"
//   garbage   binary junk instead of a move
//   illegal   "bestmove a1a1"
//   junkmove  a long move of control characters
//   megabyte  a line of a megabyte, then its move
//   flood     one line without end
//   deaf      a proper engine that ignores "quit" and the end of its input
// With ORBEL_FAKE_ENGINE_LOG set, every command it reads is added to that file.
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

#include "game/engine/uci_text.h"
#include "game/notation/fen.h"

namespace {

using namespace orbel;

void say(const std::string& text) { std::cout << text << '\n' << std::flush; }

void sleepFor(int seconds) { std::this_thread::sleep_for(std::chrono::seconds(seconds)); }

// "position fen FEN [moves M...]" or "position startpos [moves M...]".
StandardPosition readPosition(const std::string& command) {
    StandardPosition position = initialPosition();
    position.rules = RuleSet::Standard;
    const std::size_t movesAt = command.find(" moves ");
    const std::string head = command.substr(0, movesAt);
    if (head.rfind("position fen ", 0) == 0) readFen(head.substr(13), position);
    if (movesAt == std::string::npos) return position;
    std::string rest = command.substr(movesAt + 7) + " ";
    for (std::size_t at = 0, end; (end = rest.find(' ', at)) != std::string::npos; at = end + 1) {
        const std::optional<StandardMove> move = uci::readMove(position, rest.substr(at, end - at));
        if (move) position = afterMove(position, *move);
    }
    return position;
}

std::string firstMove(const StandardPosition& position) {
    std::vector<StandardMove> moves;
    legalMoves(position, moves);
    return moves.empty() ? "(none)" : uci::moveText(moves.front());
}

// The junk of a broken engine: every byte value, line ends among them.
void garbage() {
    std::string junk;
    for (int i = 0; i < 64 * 1024; ++i) junk += static_cast<char>((i * 7919) & 0xFF);
    std::cout << junk << std::flush;
}

// What the mode says instead of a move, or "" for none at all.
// A number of the "go" command, after its name ("wtime"), or 0.
long long goField(const std::string& go, const std::string& name) {
    const std::size_t at = go.find(" " + name + " ");
    return at == std::string::npos ? 0 : std::atoll(go.c_str() + at + name.size() + 2);
}

std::string answerGo(const std::string& mode, const std::string& go, const StandardPosition& position) {
    if (mode == "crash") std::raise(SIGKILL);
    if (mode == "late") sleepFor(60);
    if (mode == "garbage") garbage();
    while (mode == "flood") std::cout << std::string(4096, 'x');
    if (mode == "garbage" || mode == "stubborn") return "";
    if (mode == "illegal") return "a1a1";
    if (mode == "junkmove") return "\x01\x7f" + std::string(40, 'e') + "\x1b[2J";
    if (mode == "megabyte") std::cout << std::string(1 << 20, 'x') << '\n';
    const std::string value = mode == "losing"    ? "depth 1 score cp -300"
                              : mode == "clocked" ? "depth " + std::to_string(goField(go, "winc") / 1000) + " score cp " +
                                                        std::to_string(goField(go, "wtime") / 1000)
                                                  : "depth 1 score cp 12";
    say("info " + value + " pv " + firstMove(position));
    return firstMove(position);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "well";
    StandardPosition position = initialPosition();
    position.rules = RuleSet::Standard;
    std::ofstream heard;
    if (const char* log = std::getenv("ORBEL_FAKE_ENGINE_LOG")) heard.open(log, std::ios::app);
    std::string command;
    while (std::getline(std::cin, command)) {
        if (heard) heard << command << std::endl;
        if (command == "uci") {
            say("id name Fake Engine");
            say("id author Orbel Chess tests");
            say("option name UCI_LimitStrength type check default false");
            say("option name UCI_Elo type spin default 1500 min 1000 max 2000");
            if (mode != "never") say("uciok");
        } else if (command == "isready") {
            say("readyok");
        } else if (command.rfind("position ", 0) == 0) {
            position = readPosition(command);
        } else if (command.rfind("go", 0) == 0) {
            const std::string move = answerGo(mode, command, position);
            if (!move.empty()) say("bestmove " + move);
        } else if (command == "stop" && mode == "stubborn") {
            say("bestmove " + firstMove(position));
        } else if (command == "quit" && mode != "deaf") {
            return 0;
        }
    }
    while (mode == "deaf") sleepFor(60);
    return 0;
}
