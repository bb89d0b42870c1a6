// The repository's test data (tests/data), in the native build and under Wine alike.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// tests/data/<relative> as a path this build can open; `relative` uses "/".
std::string TestDataPath(const std::string& relative);
std::vector<std::uint8_t> ReadTestData(const std::string& relative);
// The files of one folder of tests/data, sorted by name.
std::vector<std::string> TestDataFiles(const std::string& folder);

}  // namespace testing_support
