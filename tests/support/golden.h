// Comparing against committed golden files. With ORBEL_REGENERATE_GOLDEN=1 in
// the environment the files are rewritten instead (review the diff!).
#pragma once

#include <string>
#include <vector>

namespace orbel::testing {

bool regeneratingGolden();
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);
// The files of a fuzz test's seed folder, in name order: the same run everywhere.
std::vector<std::string> readSeeds(const std::string& folder);

}  // namespace orbel::testing
