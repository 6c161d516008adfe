// Comparing against committed golden files. With ORBEL_REGENERATE_GOLDEN=1 in
// the environment the files are rewritten instead (review the diff!).
#pragma once

#include <string>

namespace orbel::testing {

bool regeneratingGolden();
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);

}  // namespace orbel::testing
