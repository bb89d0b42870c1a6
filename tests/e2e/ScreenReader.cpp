#include "e2e/ScreenReader.h"

#include "platform/WideText.h"

namespace e2e {
namespace {

VARIANT ChildId(long id) {
  VARIANT child;
  ::VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

std::string Text(BSTR text) {
  if (!text) return {};
  std::string utf8 = platform::FromWide(text);
  ::SysFreeString(text);
  return utf8;
}

}  // namespace

ScreenReader::ScreenReader(HWND window) {
  ::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                               reinterpret_cast<void**>(&object_));
}

ScreenReader::~ScreenReader() {
  if (object_) object_->Release();
}

std::string ScreenReader::Name() const {
  BSTR name = nullptr;
  if (object_) object_->get_accName(ChildId(CHILDID_SELF), &name);
  return Text(name);
}

AccessibleItem ScreenReader::Read(long id) const {
  AccessibleItem item;
  item.id = id;
  const VARIANT child = ChildId(id);
  BSTR text = nullptr;
  if (object_->get_accName(child, &text) == S_OK) item.name = Text(text);
  if (object_->get_accDescription(child, &text) == S_OK) item.description = Text(text);
  if (object_->get_accDefaultAction(child, &text) == S_OK) item.defaultAction = Text(text);
  VARIANT value;
  ::VariantInit(&value);
  if (object_->get_accRole(child, &value) == S_OK && value.vt == VT_I4) item.role = value.lVal;
  if (object_->get_accState(child, &value) == S_OK && value.vt == VT_I4) item.state = value.lVal;
  long left = 0, top = 0, width = 0, height = 0;
  if (object_->accLocation(&left, &top, &width, &height, child) == S_OK)
    item.place = RECT{left, top, left + width, top + height};
  return item;
}

std::vector<AccessibleItem> ScreenReader::SimpleChildren() const {
  std::vector<AccessibleItem> items;
  long count = 0;
  if (!object_ || object_->get_accChildCount(&count) != S_OK) return items;
  for (long id = 1; id <= count; ++id) {
    IDispatch* own = nullptr;
    if (object_->get_accChild(ChildId(id), &own) == S_OK && own) {
      own->Release();
      continue;
    }
    items.push_back(Read(id));
  }
  return items;
}

AccessibleItem ScreenReader::Child(const std::string& name) const {
  for (const AccessibleItem& item : SimpleChildren())
    if (item.name == name) return item;
  return {};
}

bool ScreenReader::DoDefaultAction(long id) const {
  return object_ && object_->accDoDefaultAction(ChildId(id)) == S_OK;
}

}  // namespace e2e
