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
  using platform::TWallpaperStyle;
  const std::string path = "C:\\windows\\VAImage.bmp";
  const auto values = [&](TWallpaperStyle style) { return Text(DesktopValues(path, style)); };
  const std::string head = "Wallpaper=" + path + ";";
  const std::string tail = "WallpaperOriginX=0;WallpaperOriginY=0;";
  EXPECT_EQ(values(TWallpaperStyle::wsTile), head + "TileWallpaper=1;WallpaperStyle=0;" + tail);
  EXPECT_EQ(values(TWallpaperStyle::wsCenter), head + "TileWallpaper=0;WallpaperStyle=0;" + tail);
  EXPECT_EQ(values(TWallpaperStyle::wsStretch), head + "TileWallpaper=0;WallpaperStyle=2;" + tail);
  EXPECT_EQ(values(TWallpaperStyle::wsNone), head + "TileWallpaper=0;WallpaperStyle=-1;" + tail);
  EXPECT_EQ(values(TWallpaperStyle::wsFill), head + "TileWallpaper=0;WallpaperStyle=10;" + tail);
  EXPECT_EQ(values(TWallpaperStyle::wsFit), head + "TileWallpaper=0;WallpaperStyle=6;" + tail);
  EXPECT_EQ(Text(ComposedDesktopValues(path, true)), head + "TileWallpaper=0;WallpaperStyle=22;" + tail);
  EXPECT_EQ(Text(ComposedDesktopValues(path, false)), head + "TileWallpaper=1;WallpaperStyle=0;" + tail);
}

}  // namespace
}  // namespace wallpaper
