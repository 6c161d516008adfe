#include "tests/support/golden.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace orbel::testing {

bool regeneratingGolden() {
    const char* v = std::getenv("ORBEL_REGENERATE_GOLDEN");
    return v && std::string(v) == "1";
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace orbel::testing
