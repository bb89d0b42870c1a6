// The program's settings in the current user's registry (HKEY_CURRENT_USER\Software\Vantoria,
// section Settings) and the rotation's files in the user's data folder: none while the object
// lives but what a test writes, and none after it.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>

namespace testing_support {

// A text value of the current user's key, or "<none>" when it is missing.
inline std::string RegistryText(const char* key, const char* name) {
  char value[512] = {};
  DWORD size = sizeof value;
  const LSTATUS read = ::RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size);
  return read == ERROR_SUCCESS ? value : "<none>";
}

class ScratchSettings {
 public:
  ScratchSettings() { Clear(); }
  ~ScratchSettings() { Clear(); }
  ScratchSettings(const ScratchSettings&) = delete;
  ScratchSettings& operator=(const ScratchSettings&) = delete;

  // A value's text, or "<none>" when it is missing.
  static std::string Value(const char* name) { return RegistryText(kKey, name); }
  // What the last timed run recorded after its time ("2026-12-08 14:05:00 changed").
  static std::string TimedRunOutcome() {
    const std::string record = Value("LastTimerRun");
    return record.substr(std::min<size_t>(20, record.size()));
  }
  // A file the rotation keeps in the user's data folder, made if missing (a fresh prefix has none)
  // so that a test can write the file.
  static std::string KeptFile(const char* name) {
    char path[MAX_PATH] = {};
    ::ExpandEnvironmentStringsA("%LOCALAPPDATA%\\Vantoria\\", path, MAX_PATH);
    ::CreateDirectoryA(path, nullptr);
    return path + std::string(name);
  }
  // Writes the value as the program keeps it: REG_SZ text.
  static void SetValue(const char* name, const std::string& text) {
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kKey, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
  }

 private:
  static constexpr char kKey[] = "Software\\Vantoria\\Settings";
  static void Clear() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Vantoria");
    for (const char* name :
         {"Rotation.state", "Rotation.progress", "Rotation.folders", "Rotation day.state", "Rotation day.progress",
          "Rotation day.folders", "Rotation night.state", "Rotation night.progress", "Rotation night.folders",
          "History.txt", "Excluded pictures.txt", "Day and night.txt"})
      ::DeleteFileA(KeptFile(name).c_str());
  }
};

}  // namespace testing_support
