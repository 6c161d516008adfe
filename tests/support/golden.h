// Comparing against committed golden files (with ORBEL_REGENERATE_GOLDEN=1 in
// the environment they are rewritten instead: review the diff!), and the
// seeded mutations the fuzz tests read.
#pragma once

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace orbel::testing {

bool regeneratingGolden();
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);
// The files of a fuzz test's seed folder, in name order: the same run everywhere.
std::vector<std::string> readSeeds(const std::string& folder);

// One to three edits of a seed picked with `rng`: a byte changed, a piece or
// random bytes put in, a run of bytes taken out, the rest replaced by the
// rest of another seed, or the text cut short. `place` picks where an edit
// goes (anywhere by default), for formats whose start only stops the reading.
std::string mutatedSeed(const std::vector<std::string>& seeds, const std::vector<std::string>& pieces,
                        std::mt19937& rng, const std::function<std::size_t(const std::string&)>& place = {});

}  // namespace orbel::testing
