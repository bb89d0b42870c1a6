#include "platform/Resources.h"

#include <windows.h>

#include "platform/Exceptions.h"
#include "platform/Format.h"

namespace platform {

std::vector<std::uint8_t> ResourceBytes(const char* name) {
  HRSRC resource = ::FindResourceA(nullptr, name, RT_RCDATA);
  HGLOBAL loaded = resource ? ::LoadResource(nullptr, resource) : nullptr;
  const auto* bytes = loaded ? static_cast<const std::uint8_t*>(::LockResource(loaded)) : nullptr;
  if (!bytes) throw Exception(Format("Resource %s not found", name));
  return {bytes, bytes + ::SizeofResource(nullptr, resource)};
}

}  // namespace platform
