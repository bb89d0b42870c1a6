#include "wallpaper/WallpaperFilePlace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wallpaper {
namespace {

constexpr char kWindowsFolderFile[] = "C:\\windows\\VAImage.bmp";
constexpr char kUsersFile[] = "C:\\users\\me\\AppData\\Local\\Vantoria\\VAImage.bmp";

// A write that fails at the paths named, with the error given; the paths tried are kept.
struct FailingWrite {
  std::vector<std::string> refusing;
  bool failsLater = false;  // the file is created, then its writing fails
  std::vector<std::string> tried;

  void operator()(const std::string& path) {
    tried.push_back(path);
    for (const std::string& refused : refusing) {
      if (path != refused) continue;
      if (failsLater) throw platform::EWriteError("Stream write error");
      throw platform::EFCreateError("Cannot create file " + path);
    }
  }
};

TEST(WallpaperFilePlaceTest, TheUsersFolderTakesTheFileOnlyWhereTheWindowsFolderCannotCreateIt) {
  FailingWrite takes;
  EXPECT_EQ(WriteWhereTheFileCanBeCreated(kWindowsFolderFile, kUsersFile, std::ref(takes)), kWindowsFolderFile);
  EXPECT_EQ(takes.tried, std::vector<std::string>{kWindowsFolderFile});

  FailingWrite refuses{{kWindowsFolderFile}};
  EXPECT_EQ(WriteWhereTheFileCanBeCreated(kWindowsFolderFile, kUsersFile, std::ref(refuses)), kUsersFile);
  EXPECT_EQ(refuses.tried, (std::vector<std::string>{kWindowsFolderFile, kUsersFile}));
}

TEST(WallpaperFilePlaceTest, AFileCreatedThatFailsLaterOrNoUsersFolderIsAnErrorAndBothRefusingIsTheUsers) {
  FailingWrite later{{kWindowsFolderFile}, true};
  EXPECT_THROW(WriteWhereTheFileCanBeCreated(kWindowsFolderFile, kUsersFile, std::ref(later)), platform::EWriteError);
  EXPECT_EQ(later.tried, std::vector<std::string>{kWindowsFolderFile});

  FailingWrite refuses{{kWindowsFolderFile}};
  EXPECT_THROW(WriteWhereTheFileCanBeCreated(kWindowsFolderFile, "", std::ref(refuses)), platform::EFCreateError);
  EXPECT_EQ(refuses.tried, std::vector<std::string>{kWindowsFolderFile});

  FailingWrite both{{kWindowsFolderFile, kUsersFile}};
  try {
    WriteWhereTheFileCanBeCreated(kWindowsFolderFile, kUsersFile, std::ref(both));
    ADD_FAILURE() << "no error";
  } catch (const platform::EFCreateError& error) {
    EXPECT_EQ(error.Message(), std::string("Cannot create file ") + kUsersFile);
  }
}

}  // namespace
}  // namespace wallpaper
