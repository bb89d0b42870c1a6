#include "platform/RegistryStore.h"

#include <cstring>
#include <vector>

#include "platform/Exceptions.h"
#include "platform/Format.h"
#include "platform/ValueText.h"

namespace platform {
namespace {

// Reads one text value; nothing when the section or the value is missing. `expandable` tells
// whether it is REG_EXPAND_SZ.
std::optional<std::string> QueryText(HKEY root, const std::string& section, const std::string& name,
                                     bool* expandable = nullptr) {
  platform::RegistryKey sectionKey;
  if (!section.empty()) {
    if (!root || ::RegOpenKeyExA(root, section.c_str(), 0, KEY_READ, sectionKey.Receive()) != ERROR_SUCCESS)
      return std::nullopt;
    root = sectionKey.Get();
  }
  if (!root) return std::nullopt;
  for (;;) {
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(root, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
      throw platform::ERegistryException(platform::Format("Invalid data type for '%s'", name.c_str()));
    if (expandable) *expandable = type == REG_EXPAND_SZ;
    if (size == 0) return std::string();
    std::vector<char> data(size);
    const LONG result =
        ::RegQueryValueExA(root, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    if (result == ERROR_MORE_DATA) continue;  // the value grew in between
    if (result != ERROR_SUCCESS) return std::nullopt;
    data.resize(size);
    return std::string(data.data(), strnlen(data.data(), data.size()));
  }
}

}  // namespace

RegistryStore::RegistryStore(const std::string& keyPath) {
  ::RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                    KEY_ALL_ACCESS, nullptr, key_.Receive(), nullptr);
}

void RegistryStore::WriteString(const std::string& section, const std::string& name, const std::string& text) {
  platform::RegistryKey sectionKey;
  HKEY target = key_.Get();
  if (!section.empty()) {
    if (!target || ::RegCreateKeyExA(target, section.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_ALL_ACCESS, nullptr, sectionKey.Receive(), nullptr) != ERROR_SUCCESS)
      throw platform::ERegistryException(platform::Format("Failed to create key %s", section.c_str()));
    target = sectionKey.Get();
  }
  // The terminating zero counts in the stored size.
  if (!target || ::RegSetValueExA(target, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                  static_cast<DWORD>(text.size() + 1)) != ERROR_SUCCESS)
    throw platform::ERegistryException(platform::Format("Failed to set data for '%s'", name.c_str()));
}

void RegistryStore::WriteInteger(const std::string& section, const std::string& name, std::int32_t value) {
  WriteString(section, name, IntegerText(value));
}

void RegistryStore::WriteBool(const std::string& section, const std::string& name, bool value) {
  WriteString(section, name, BooleanText(value));
}

void RegistryStore::DeleteValue(const std::string& section, const std::string& name) {
  if (key_) ::RegDeleteKeyValueA(key_.Get(), section.empty() ? nullptr : section.c_str(), name.c_str());
}

void RegistryStore::DeleteSection(const std::string& section) {
  if (!key_) return;
  const LSTATUS deleted = ::RegDeleteTreeA(key_.Get(), section.c_str());
  if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND)
    throw platform::ERegistryException(platform::Format("Failed to delete key %s", section.c_str()));
}

std::string RegistryStore::ReadString(const std::string& section, const std::string& name,
                                      const std::string& fallback) {
  return QueryText(key_.Get(), section, name).value_or(fallback);
}

std::int32_t RegistryStore::ReadInteger(const std::string& section, const std::string& name, std::int32_t fallback) {
  const std::optional<std::string> text = QueryText(key_.Get(), section, name);
  return text ? IntegerOrDefault(*text, fallback) : fallback;
}

bool RegistryStore::ReadBool(const std::string& section, const std::string& name, bool fallback) {
  return ReadInteger(section, name, fallback ? 1 : 0) != 0;
}

std::optional<std::string> RegistryStore::ReadText(const std::string& section, const std::string& name) {
  try {
    return QueryText(key_.Get(), section, name);
  } catch (const platform::ERegistryException&) {
    return std::nullopt;
  }
}

std::optional<std::uint32_t> RegistryStore::ReadDword(const std::string& section, const std::string& name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (!key_ || ::RegGetValueA(key_.Get(), section.empty() ? nullptr : section.c_str(), name.c_str(), RRF_RT_REG_DWORD,
                              nullptr, &value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

std::optional<std::string> RegistryStore::ReadCommand(const std::string& section, const std::string& name) {
  bool expandable = false;
  std::optional<std::string> text;
  try {
    text = QueryText(key_.Get(), section, name, &expandable);
  } catch (const platform::ERegistryException&) {
    return std::nullopt;
  }
  if (!text || !expandable) return text;
  std::vector<char> expanded(text->size() + 1);
  for (;;) {
    const DWORD length =
        ::ExpandEnvironmentStringsA(text->c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
    if (length == 0) return text;
    if (length <= expanded.size()) return std::string(expanded.data());
    expanded.resize(length);
  }
}

}  // namespace platform
