#include "app/ShowPicture.h"

#include <windows.h>

#include <shlobj.h>

#include <memory>
#include <string>

#include "platform/ComScope.h"
#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "platform/SystemError.h"
#include "platform/WideText.h"
#include "rotation/KeptFiles.h"
#include "ui/MessageBoxes.h"
#include "settings/UserDataFolder.h"
#include "wallpaper/DisplayMonitors.h"
#include "wallpaper/Wallpaper.h"

namespace app {
namespace {

struct ItemIdListFree {
  void operator()(ITEMIDLIST* list) const { ::ILFree(list); }
};

void OpenFolderAndSelect(const std::string& picture) {
  const platform::ComScope com;
  const std::unique_ptr<ITEMIDLIST, ItemIdListFree> item(::ILCreateFromPathW(platform::ToWide(picture).c_str()));
  if (!item) platform::RaiseOSError(ERROR_FILE_NOT_FOUND);
  if (const HRESULT result = ::SHOpenFolderAndSelectItems(item.get(), 0, nullptr, 0); FAILED(result))
    platform::RaiseOSError(static_cast<DWORD>(result));
}

}  // namespace

int ShowPictureFile() {
  std::string problem;
  try {
    // Read without the change lock: the file is replaced whole, never written in place.
    const rotation::Kept<rotation::THistory> history = rotation::ReadHistory();
    const rotation::Change* current = history.content.Current();
    const rotation::ShownPicture* shown =
        current ? rotation::PictureOnMonitor(*current, wallpaper::MonitorUnderPointer()) : nullptr;
    if (!shown)
      problem = "Vantoria has set no picture yet.";
    else if (!wallpaper::DesktopShowsWallpaperFile(settings::UserDataFolder()))
      problem = "The desktop shows a picture Vantoria did not set.";
    else if (!platform::FileExists(shown->path))
      problem = "The picture \"" + shown->path + "\" is no longer there.";
    else
      OpenFolderAndSelect(shown->path);
  } catch (const platform::Exception& error) {
    problem = error.Message();
  }
  if (problem.empty()) return 0;
  ui::MessageDlg(problem, ui::TMsgDlgType::mtError, ui::TMsgDlgButtons::mbOK);
  return 1;
}

}  // namespace app
