// Writes the bitmap fuzzer's seed corpus: small valid files of every layout the reader knows.
#include <fstream>
#include <iostream>
#include <string>

#include "pictures/BitmapFileBuilder.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_bitmap_seeds FOLDER\n";
    return 2;
  }
  using testing_support::BitmapFileSpec;
  const BitmapFileSpec seeds[] = {
      {.bitCount = 1, .tableEntries = 2},
      {.bitCount = 4, .clrUsed = 5, .tableEntries = 5},
      {.height = -2, .bitCount = 8, .tableEntries = 256},
      {.bitCount = 16},
      {.bitCount = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F}},
      {.bitCount = 24},
      {.bitCount = 24, .clrUsed = 3, .tableEntries = 3},
      {.bitCount = 32, .compression = 3, .headerSize = 124, .masks = {0xFF0000, 0xFF00, 0xFF}},
      {.bitCount = 8, .headerSize = 12, .tableEntries = 256},
      {.width = 2, .height = 2, .bitCount = 8, .compression = 1, .tableEntries = 256,
       .pixels = {0x02, 0x05, 0x00, 0x00, 0x02, 0x07, 0x00, 0x01}},
  };
  int index = 0;
  for (const BitmapFileSpec& layout : seeds) {
    const auto bytes = testing_support::BuildBitmapFile(layout);
    std::ofstream(std::string(argv[1]) + "/seed" + std::to_string(index++) + ".bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  return 0;
}
