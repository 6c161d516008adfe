#include "tests/support/golden.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
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

std::vector<std::string> readSeeds(const std::string& folder) {
    std::vector<std::filesystem::path> paths(std::filesystem::directory_iterator(folder), {});
    std::sort(paths.begin(), paths.end());
    std::vector<std::string> seeds;
    for (const auto& path : paths) seeds.push_back(readFile(path.string()));
    return seeds;
}

}  // namespace orbel::testing
