#include "support/TestData.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testing_support {
namespace {

std::string DataRoot() {
  const char* root = std::getenv("VANTORIA_TEST_DATA");
  if (!root) throw std::runtime_error("VANTORIA_TEST_DATA is not set");
#ifdef _WIN32
  // ctest gives a Linux path; Wine shows the Linux root as drive Z:.
  return std::string("Z:") + root;
#else
  return root;
#endif
}

std::string Native(std::string path) {
#ifdef _WIN32
  std::replace(path.begin(), path.end(), '/', '\\');
#endif
  return path;
}

}  // namespace

std::string TestDataPath(const std::string& relative) { return Native(DataRoot() + "/" + relative); }

std::vector<std::uint8_t> ReadTestData(const std::string& relative) {
  std::ifstream file(TestDataPath(relative), std::ios::binary);
  if (!file) throw std::runtime_error("cannot read test data " + relative);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> TestDataFiles(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(TestDataPath(folder)))
    if (entry.is_regular_file()) names.push_back(folder + "/" + entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace testing_support
