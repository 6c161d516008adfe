// Mutated command lines against one engine session: every answer must be one
// line, and whatever was accepted must leave a game the rules can work on.
// Under the sanitizer build this also proves that nothing reads or writes
// outside a board. (tools/fuzz.sh runs the same target under libFuzzer.)
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

#include "rules/board.h"
#include "tools/engine/engine_session.h"

namespace {

std::vector<std::string> split(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string t; in >> t;) out.push_back(t);
    return out;
}

std::string join(const std::vector<std::string>& tokens) {
    std::string out;
    for (const auto& t : tokens) out += (out.empty() ? "" : " ") + t;
    return out;
}

bool validState(const std::string& state) {
    const std::vector<std::string> t = split(state);
    if (t.size() < 137 || t[0] != "state") return false;
    for (int i = 0; i < 64; ++i) {
        const int kind = std::stoi(t[1 + 2 * i]), owner = std::stoi(t[2 + 2 * i]);
        const bool empty = kind == orbel::NoPiece && owner == orbel::Empty;
        const bool piece = kind >= orbel::Pawn && kind <= orbel::King && (owner == orbel::Own || owner == orbel::Enemy);
        if (!empty && !piece) return false;
    }
    const int level = std::stoi(t[131]), kingColumn = std::stoi(t[135]), n = std::stoi(t[136]);
    return level >= 1 && level <= 9 && (kingColumn == 3 || kingColumn == 4) && n >= 0 && n <= 64 &&
           t.size() == 137u + 4u * static_cast<unsigned>(n);
}

TEST(EngineFuzz, MutatedCommandsNeverBreakTheSession) {
    std::mt19937 rng(4128);
    orbel::engine::EngineSession session;
    const std::string start = session.handleLine("get");
    const std::vector<std::string> seeds = {
        "new 3", "new 4", "level 5", "apply 1 4 3 4", "apply 99 99 99 99", "apply 100 101 7 2", "flip",
        "candidates", "statuses", "attacked", "mated", "legal 6 4 4 4", "legal 7 1 5 2", "get", "evaluate",
        "choose -2 -2 -2 -2", "choose 6 4 4 4",
        "set " + start.substr(6),
    };
    const std::vector<std::string> odd = {"-1", "8", "99", "100", "101", "102", "2147483647", "-2147483648",
                                          "2147483648", "0", "7", "x", "", "--1", "1e3", "\t", "\r", "\x01"};
    for (int i = 0; i < 20000; ++i) {
        std::vector<std::string> tokens = split(seeds[rng() % seeds.size()]);
        const int edits = static_cast<int>(rng() % 4);
        for (int e = 0; e < edits && !tokens.empty(); ++e) {
            const std::size_t at = rng() % tokens.size();
            switch (rng() % 4) {
            case 0: tokens[at] = odd[rng() % odd.size()]; break;
            case 1: tokens.erase(tokens.begin() + static_cast<long>(at)); break;
            case 2: tokens.insert(tokens.begin() + static_cast<long>(at), odd[rng() % odd.size()]); break;
            default: {
                std::string& t = tokens[at];
                if (!t.empty()) t[rng() % t.size()] = static_cast<char>(rng() % 256);
            }
            }
        }
        const std::string answer = session.handleLine(join(tokens));
        ASSERT_FALSE(answer.empty());
        ASSERT_EQ(answer.find('\n'), std::string::npos);
        if (i % 50 == 0) {
            ASSERT_TRUE(validState(session.handleLine("get"))) << "after " << join(tokens);
        }
    }
}

}  // namespace
