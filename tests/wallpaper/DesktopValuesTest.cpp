#include "wallpaper/DesktopValues.h"

#include <gtest/gtest.h>

namespace wallpaper {
namespace {

std::string Text(const std::vector<std::pair<std::string, std::string>>& values) {
  std::string text;
  for (const auto& [name, value] : values) text += name + "=" + value + ";";
  return text;
}

TEST(DesktopValuesTest, EachStyleWritesItsTileAndStyleValuesInOrder) {
  const std::string path = "C:\\windows\\VAImage.bmp";
  const std::string tail = "WallpaperOriginX=0;WallpaperOriginY=0;";
  EXPECT_EQ(Text(DesktopValues(path, 0)), "Wallpaper=" + path + ";TileWallpaper=1;WallpaperStyle=0;" + tail);
  EXPECT_EQ(Text(DesktopValues(path, 1)), "Wallpaper=" + path + ";TileWallpaper=0;WallpaperStyle=0;" + tail);
  EXPECT_EQ(Text(DesktopValues(path, 2)), "Wallpaper=" + path + ";TileWallpaper=0;WallpaperStyle=2;" + tail);
  EXPECT_EQ(Text(DesktopValues(path, -1)), "Wallpaper=" + path + ";TileWallpaper=0;WallpaperStyle=-1;" + tail);
  EXPECT_EQ(Text(DesktopValues(path, 5)), "Wallpaper=" + path + ";TileWallpaper=0;WallpaperStyle=5;" + tail);
}

}  // namespace
}  // namespace wallpaper
