#include "ui/WindowClasses.h"

#include <map>

#include "platform/SystemError.h"

namespace ui {
namespace {

TWindowClassIdentity& Identity() {
  static TWindowClassIdentity identity;
  return identity;
}

}  // namespace

void SetWindowClassIdentity(TWindowClassIdentity identity) { Identity() = std::move(identity); }

const std::string& RegisterWindowClass(const std::string& kind, WNDPROC procedure, UINT style) {
  static std::map<std::string, std::string> registered;
  if (const auto found = registered.find(kind); found != registered.end()) return found->second;
  const std::string name = Identity().namePrefix + kind;
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = module;
  windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  if (!Identity().iconResource.empty()) windowClass.hIcon = ::LoadIconA(module, Identity().iconResource.c_str());
  windowClass.lpszClassName = name.c_str();
  if (!::RegisterClassExA(&windowClass)) platform::RaiseLastOSError();
  return registered.emplace(kind, name).first->second;
}

}  // namespace ui
