// The large third-party pictures the benchmarks read: $VANTORIA_CORPORA, seen through Wine's
// drive Z:.
#pragma once

#include <cstdlib>
#include <string>

namespace bench {

inline std::string CorpusPath(const char* relative) {
  const char* root = std::getenv("VANTORIA_CORPORA");
  std::string path = std::string("Z:") + (root ? root : "/work/shared/corpora") + "/" + relative;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

}  // namespace bench
