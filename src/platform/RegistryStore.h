// An ini-file-like view of one key under HKEY_CURRENT_USER: sections are its subkeys (an empty
// section is the key itself) and every value is kept as REG_SZ text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Handles.h"

namespace platform {

class RegistryStore {
 public:
  // Opens the key with all access, creating it when missing. A failure here is silent: reads
  // then give their defaults and writes fail on the section.
  explicit RegistryStore(const std::string& keyPath);

  // Writes fail with "Failed to create key %s" (section) or "Failed to set data for '%s'" (name).
  void WriteString(const std::string& section, const std::string& name, const std::string& text);
  void WriteInteger(const std::string& section, const std::string& name, std::int32_t value);
  void WriteBool(const std::string& section, const std::string& name, bool value);

  // A missing value is no failure.
  void DeleteValue(const std::string& section, const std::string& name);
  // The section with its values and every section below it; a missing one is no failure. Fails
  // with "Failed to delete key %s".
  void DeleteSection(const std::string& section);

  // Reads give `fallback` for a missing section or value, and fail with
  // "Invalid data type for '%s'" for a value that is not REG_SZ or REG_EXPAND_SZ.
  std::string ReadString(const std::string& section, const std::string& name, const std::string& fallback);
  std::int32_t ReadInteger(const std::string& section, const std::string& name, std::int32_t fallback);
  bool ReadBool(const std::string& section, const std::string& name, bool fallback);
  // A value the program keeps for itself: nothing when it is missing or not text (written by
  // hand as a number), which the next write puts right.
  std::optional<std::string> ReadText(const std::string& section, const std::string& name);
  // A number Windows keeps as REG_DWORD; nothing when it is missing or of another type.
  std::optional<std::uint32_t> ReadDword(const std::string& section, const std::string& name);
  // A command line as Windows runs it: an expandable value (REG_EXPAND_SZ) with its environment
  // strings expanded. Nothing when it is missing or not text.
  std::optional<std::string> ReadCommand(const std::string& section, const std::string& name);

  // Releases the key; the object's users close it at the end of each operation.
  void Close() { key_.Reset(); }

 private:
  platform::RegistryKey key_;
};

}  // namespace platform
