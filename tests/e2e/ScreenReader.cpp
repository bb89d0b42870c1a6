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

AccessibleItem Read(IAccessible* object, long id) {
  AccessibleItem item;
  item.id = id;
  const VARIANT child = ChildId(id);
  BSTR text = nullptr;
  if (object->get_accName(child, &text) == S_OK) item.name = Text(text);
  if (object->get_accDescription(child, &text) == S_OK) item.description = Text(text);
  if (object->get_accDefaultAction(child, &text) == S_OK) item.defaultAction = Text(text);
  VARIANT value;
  ::VariantInit(&value);
  if (object->get_accRole(child, &value) == S_OK && value.vt == VT_I4) item.role = value.lVal;
  if (object->get_accState(child, &value) == S_OK && value.vt == VT_I4) item.state = value.lVal;
  long left = 0, top = 0, width = 0, height = 0;
  if (object->accLocation(&left, &top, &width, &height, child) == S_OK)
    item.place = RECT{left, top, left + width, top + height};
  return item;
}

void Collect(IAccessible* object, bool deep, std::vector<AccessibleItem>& items) {
  long count = 0;
  if (object->get_accChildCount(&count) != S_OK || count <= 0) return;
  std::vector<VARIANT> children(static_cast<size_t>(count));
  long obtained = 0;
  if (FAILED(::AccessibleChildren(object, 0, count, children.data(), &obtained))) return;
  for (long i = 0; i < obtained; ++i) {
    VARIANT& child = children[static_cast<size_t>(i)];
    IAccessible* own = nullptr;
    if (child.vt == VT_DISPATCH && child.pdispVal &&
        SUCCEEDED(child.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&own)))) {
      AccessibleItem item = Read(own, CHILDID_SELF);
      item.id = 0;
      items.push_back(item);
      if (deep) Collect(own, deep, items);
      own->Release();
    } else if (child.vt == VT_I4) {
      items.push_back(Read(object, child.lVal));
    } else {
      items.push_back({});  // neither an object nor an id: nameless
    }
    ::VariantClear(&child);
  }
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

std::vector<AccessibleItem> ScreenReader::Children(bool deep) const {
  std::vector<AccessibleItem> items;
  if (object_) Collect(object_, deep, items);
  return items;
}

AccessibleItem ScreenReader::Child(const std::string& name) const {
  for (const AccessibleItem& item : Children())
    if (item.name == name) return item;
  return {};
}

bool ScreenReader::DoDefaultAction(long id) const {
  return object_ && object_->accDoDefaultAction(ChildId(id)) == S_OK;
}

HRESULT ScreenReader::SkipFromStart(ULONG count) const {
  IEnumVARIANT* children = nullptr;
  if (!object_ || FAILED(object_->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&children))))
    return E_NOINTERFACE;
  const HRESULT skipped = children->Reset() == S_OK ? children->Skip(count) : E_FAIL;
  children->Release();
  return skipped;
}

}  // namespace e2e
