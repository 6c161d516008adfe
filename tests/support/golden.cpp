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

std::string mutatedSeed(const std::vector<std::string>& seeds, const std::vector<std::string>& pieces,
                        std::mt19937& rng, const std::function<std::size_t(const std::string&)>& place) {
    const auto below = [&](std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(rng() % n); };
    const auto where = [&](const std::string& text) { return place ? place(text) : below(text.size() + 1); };
    std::string text = seeds[below(seeds.size())];
    for (std::size_t edits = 1 + below(3); edits > 0; --edits) {
        const std::size_t at = std::min(where(text), text.size());
        const std::string& other = seeds[below(seeds.size())];
        switch (below(6)) {
        case 0: if (at < text.size()) text[at] = static_cast<char>(rng()); break;
        case 1: text.insert(at, pieces[below(pieces.size())]); break;
        case 2: text.erase(at, 1 + below(16)); break;
        case 3: text.insert(at, 1 + below(4), static_cast<char>(rng())); break;
        case 4: text = text.substr(0, at) + other.substr(std::min(where(other), other.size())); break;
        default: text.resize(at);
        }
    }
    return text;
}

}  // namespace orbel::testing
