// orbel-engine: the rules and the computer opponent on a line protocol, for
// analysis and for testing them without a window. One command per input line,
// exactly one answer line per input line, flushed at once.
#include <cstdio>
#include <iostream>
#include <string>

#include "tools/engine/engine_session.h"

int main() {
    std::ios::sync_with_stdio(false);
    orbel::engine::EngineSession session;
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::string answer = session.handleLine(line);
        std::cout << answer << '\n';
        std::cout.flush();
        if (!std::cout) return 1;
    }
    return 0;
}
