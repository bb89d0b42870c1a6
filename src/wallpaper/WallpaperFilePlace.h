// Where the wallpaper file is written: in the Windows folder, or, where that folder cannot take
// the file (a standard user on Windows 10 and 11: a 64-bit, manifested program's writes are not
// redirected), in the user's own folder. A file that was created but failed later is not tried
// again elsewhere. Needs no Windows: the writing is the caller's.
#pragma once

#include <string>

#include "platform/Exceptions.h"

namespace wallpaper {

// Writes with `write(path)` to `windowsFolderFile`, or to `usersFile` when the first cannot be
// created ("Cannot create file %s"); returns the path written. Without a user's file, or when it
// cannot be created either, the error is raised.
template <typename Write>
std::string WriteWhereTheFileCanBeCreated(const std::string& windowsFolderFile, const std::string& usersFile,
                                          Write&& write) {
  try {
    write(windowsFolderFile);
    return windowsFolderFile;
  } catch (const platform::EFCreateError&) {
    if (usersFile.empty()) throw;
  }
  write(usersFile);
  return usersFile;
}

}  // namespace wallpaper
