#include "ui/AccessibleObject.h"

#include <oleacc.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "platform/ComPtr.h"
#include "platform/WideText.h"
#include "ui/GraphicControl.h"
#include "ui/WinControl.h"

namespace ui {
namespace {

VARIANT ChildVariant(long id) {
  VARIANT child;
  ::VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT Text(const std::string& text, BSTR* result) {
  if (!result) return E_POINTER;
  *result = text.empty() ? nullptr : ::SysAllocString(platform::ToWide(text).c_str());
  return *result ? S_OK : S_FALSE;
}

HRESULT Number(long value, VARIANT* result) {
  if (!result) return E_POINTER;
  *result = ChildVariant(value);
  return S_OK;
}

HRESULT Nothing(VARIANT* result) {
  if (!result) return E_POINTER;
  ::VariantInit(result);
  return S_FALSE;
}

// The system's own object of a child window's client area: ours where the child tells more.
platform::ComPtr<IAccessible> ObjectOfWindow(HWND window) {
  platform::ComPtr<IAccessible> object;
  ::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                               object.ReceiveVoid());
  return object;
}

// The accessibility type library's id (LIBID_Accessibility, which two import libraries both
// define).
constexpr GUID kAccessibilityLibrary = {0x1ea4dbf0, 0x3c3b, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// IDispatch clients reach the object's own methods through the accessibility type library.
platform::ComPtr<ITypeInfo> AccessibleTypeInfo() {
  platform::ComPtr<ITypeLib> library;
  if (FAILED(::LoadRegTypeLib(kAccessibilityLibrary, 1, 1, LOCALE_NEUTRAL, library.Receive())) &&
      FAILED(::LoadTypeLib(L"oleacc.dll", library.Receive())))
    return {};
  platform::ComPtr<ITypeInfo> info;
  library->GetTypeInfoOfGuid(__uuidof(IAccessible), info.Receive());
  return info;
}

// The system's object with the window's own facts added. A window of ours lists its child
// windows (each by its own object) and then its windowless controls as children 1, 2...; a
// standard control keeps the system's children (a list's items) and only gets its name and role.
// The object holds the window's handle, not the window: a screen reader may keep it after the
// window is gone. It is also its own enumerator of its children, as the system's objects are.
class TAccessibleObject final : public IAccessible, public IEnumVARIANT, public IOleWindow {
 public:
  TAccessibleObject(HWND window, platform::ComPtr<IAccessible> standard, bool ownChildren)
      : window_(window), standard_(std::move(standard)), ownChildren_(ownChildren) {}
  TAccessibleObject(const TAccessibleObject&) = delete;
  TAccessibleObject& operator=(const TAccessibleObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible))
      *object = static_cast<IAccessible*>(this);
    else if (iid == IID_IEnumVARIANT)
      *object = static_cast<IEnumVARIANT*>(this);
    else if (iid == IID_IOleWindow)
      *object = static_cast<IOleWindow*>(this);
    else
      return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    ITypeInfo* found = TypeInfo();
    if (!found) return TYPE_E_CANTLOADLIBRARY;
    return found->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(info));
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    ITypeInfo* info = TypeInfo();
    return info ? ::DispGetIDsOfNames(info, names, count, ids) : TYPE_E_CANTLOADLIBRARY;
  }
  // Through this object's own methods, never straight to the system's object.
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                   EXCEPINFO* exception, UINT* argument) override {
    ITypeInfo* info = TypeInfo();
    if (!info) return TYPE_E_CANTLOADLIBRARY;
    return ::DispInvoke(static_cast<IAccessible*>(this), info, id, flags, parameters, result, exception, argument);
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!ownChildren_) return standard_->get_accChildCount(count);
    if (!count) return E_POINTER;
    *count = ChildCount();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** result) override {
    if (!ownChildren_) return standard_->get_accChild(child, result);
    if (!result) return E_POINTER;
    *result = nullptr;
    if (!IsChild(child) || IsSelf(child)) return E_INVALIDARG;
    const HWND childWindow = ChildWindow(child.lVal);
    if (!childWindow) return S_FALSE;  // a simple child has no object of its own
    platform::ComPtr<IAccessible> object = ObjectOfWindow(childWindow);
    if (!object) return S_FALSE;
    return object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(result));
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (const auto told = Told(child, &TControl::AccessibleName)) return Text(*told, name);
    return Forward(child, [&](IAccessible* object, VARIANT id) { return object->get_accName(id, name); });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (Simple(child)) return Text("", value);
    return Forward(child, [&](IAccessible* object, VARIANT id) { return object->get_accValue(id, value); });
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (const auto told = Told(child, &TControl::AccessibleDescription)) return Text(*told, description);
    return Forward(child,
                   [&](IAccessible* object, VARIANT id) { return object->get_accDescription(id, description); });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    const TControl* control = Simple(child);
    if (!control && IsSelf(child)) control = Window();
    if (control && control->AccessibleRole()) return Number(control->AccessibleRole(), role);
    return Forward(child, [&](IAccessible* object, VARIANT id) { return object->get_accRole(id, role); });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (const TGraphicControl* control = Simple(child)) return Number(control->AccessibleState() | Hidden(), state);
    return Forward(child, [&](IAccessible* object, VARIANT id) { return object->get_accState(id, state); });
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    if (Simple(child)) return Text("", help);
    return Forward(child, [&](IAccessible* object, VARIANT id) { return object->get_accHelp(id, help); });
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    if (Simple(child)) {
      if (!file || !topic) return E_POINTER;
      *file = nullptr;
      *topic = -1;
      return S_FALSE;
    }
    return Forward(child, [&](IAccessible* object, VARIANT id) { return object->get_accHelpTopic(file, id, topic); });
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    if (Simple(child)) return Text("", shortcut);
    return Forward(child,
                   [&](IAccessible* object, VARIANT id) { return object->get_accKeyboardShortcut(id, shortcut); });
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return standard_->get_accFocus(focus); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return standard_->get_accSelection(selection);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (const TGraphicControl* control = Simple(child)) return Text(control->AccessibleDefaultAction(), action);
    return Forward(child, [&](IAccessible* object, VARIANT id) { return object->get_accDefaultAction(id, action); });
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    if (Simple(child)) return E_NOTIMPL;
    return Forward(child, [&](IAccessible* object, VARIANT id) { return object->accSelect(flags, id); });
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    const TGraphicControl* control = Simple(child);
    if (!control)
      return Forward(child, [&](IAccessible* object, VARIANT id) {
        return object->accLocation(left, top, width, height, id);
      });
    if (!left || !top || !width || !height) return E_POINTER;
    POINT corner = {control->Left(), control->Top()};
    ::ClientToScreen(window_, &corner);
    *left = corner.x;
    *top = corner.y;
    *width = control->Width();
    *height = control->Height();
    return S_OK;
  }
  // Among the children, next and previous follow their order; from the object itself, its first
  // and last child. Everything else is the system's.
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (!ownChildren_) return standard_->accNavigate(direction, start, end);
    if (!IsChild(start)) return E_INVALIDARG;
    const long count = ChildCount();
    long target = 0;
    if (IsSelf(start)) {
      if (direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD)
        return standard_->accNavigate(direction, start, end);
      target = direction == NAVDIR_FIRSTCHILD ? 1 : count;
    } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT) {
      target = start.lVal + 1;
    } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT) {
      target = start.lVal - 1;
    } else if (direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD) {
      return E_INVALIDARG;
    }
    if (target < 1 || target > count) return Nothing(end);
    if (!end) return E_POINTER;
    *end = ChildAnswer(target);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    if (!ownChildren_) return standard_->accHitTest(x, y, child);
    if (!child) return E_POINTER;
    POINT point = {x, y};
    ::ScreenToClient(window_, &point);
    RECT client = {};
    ::GetClientRect(window_, &client);
    if (!::PtInRect(&client, point)) return Nothing(child);
    const TWinControl* window = Window();
    if (const TGraphicControl* control = window ? window->GraphicControlAt(point, true) : nullptr) {
      *child = ChildVariant(window->AccessibleChildId(*control));
      return S_OK;
    }
    const HWND under = ::ChildWindowFromPointEx(window_, point, CWP_SKIPINVISIBLE);
    *child = ChildVariant(CHILDID_SELF);
    for (long id = 1; under && under != window_ && id <= ChildWindowCount(window_); ++id)
      if (ChildWindow(id) == under) *child = ChildAnswer(id);
    return S_OK;
  }
  // A control that cannot take the click (disabled, hidden) says so, rather than report success.
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    const TGraphicControl* control = Simple(child);
    if (!control)
      return Forward(child, [&](IAccessible* object, VARIANT id) { return object->accDoDefaultAction(id); });
    if (control->AccessibleDefaultAction().empty()) return DISP_E_MEMBERNOTFOUND;
    if ((control->AccessibleState() | Hidden()) & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE)) return E_FAIL;
    ::PostMessageA(window_, kDoAccessibleDefaultAction, static_cast<WPARAM>(child.lVal), 0);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

  // The children one after the other, as AccessibleChildren reads them: each child window as
  // its object, each simple child as its id.
  HRESULT STDMETHODCALLTYPE Next(ULONG wanted, VARIANT* children, ULONG* fetched) override {
    if (!children) return E_POINTER;
    const long count = ownChildren_ ? ChildCount() : StandardChildCount();
    ULONG given = 0;
    for (; given < wanted && next_ < count; ++given) children[given] = ChildAnswer(++next_);
    if (fetched) *fetched = given;
    return given == wanted ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG skipped) override {
    const long count = ownChildren_ ? ChildCount() : StandardChildCount();
    const unsigned long left = static_cast<unsigned long>(std::max(count - next_, 0L));
    if (skipped > left) {
      next_ = count;
      return S_FALSE;
    }
    next_ += static_cast<long>(skipped);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
    if (!copy) return E_POINTER;
    platform::ComPtr<IAccessible> standard;
    standard_->QueryInterface(__uuidof(IAccessible), standard.ReceiveVoid());
    auto* clone = new TAccessibleObject(window_, std::move(standard), ownChildren_);
    clone->next_ = next_;
    *copy = static_cast<IEnumVARIANT*>(clone);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = window_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

 private:
  // IAccessible's type information, loaded at the first call that needs it and kept.
  ITypeInfo* TypeInfo() {
    if (!typeInfo_) typeInfo_ = AccessibleTypeInfo();
    return typeInfo_.Get();
  }
  ~TAccessibleObject() = default;

  const TWinControl* Window() const { return TWinControl::FromHandle(window_); }
  long ChildCount() const {
    const TWinControl* window = Window();
    return ChildWindowCount(window_) + (window ? static_cast<long>(window->GraphicControls().size()) : 0);
  }
  long StandardChildCount() const {
    long count = 0;
    return SUCCEEDED(standard_->get_accChildCount(&count)) ? count : 0;
  }
  bool IsChild(const VARIANT& child) const {
    return child.vt == VT_I4 && child.lVal >= CHILDID_SELF && child.lVal <= ChildCount();
  }
  // The child window a child id names, if it names one.
  HWND ChildWindow(long id) const {
    HWND child = ::GetWindow(window_, GW_CHILD);
    for (long i = 1; child && i < id; ++i) child = ::GetWindow(child, GW_HWNDNEXT);
    return id >= 1 ? child : nullptr;
  }
  // The windowless control a child id names, if it names one.
  const TGraphicControl* Simple(const VARIANT& child) const {
    const TWinControl* window = Window();
    if (!ownChildren_ || !window || child.vt != VT_I4) return nullptr;
    const long index = child.lVal - ChildWindowCount(window_) - 1;
    const auto& controls = window->GraphicControls();
    return index >= 0 && index < static_cast<long>(controls.size()) ? controls[static_cast<size_t>(index)] : nullptr;
  }
  // A child as it is handed out: its own object where it has one, else its id.
  VARIANT ChildAnswer(long id) {
    IDispatch* object = nullptr;
    if (get_accChild(ChildVariant(id), &object) != S_OK || !object) return ChildVariant(id);
    VARIANT answer;
    ::VariantInit(&answer);
    answer.vt = VT_DISPATCH;
    answer.pdispVal = object;
    return answer;
  }
  // What a screen reader cannot see while the window is hidden (the program minimised hides it).
  long Hidden() const {
    const bool shown = ::IsWindowVisible(window_) && !::IsIconic(::GetAncestor(window_, GA_ROOT));
    return shown ? 0 : STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
  }
  // The question asked of the system's object about itself or its children, or of a child
  // window's own object about that window.
  template <typename Ask>
  HRESULT Forward(const VARIANT& child, Ask ask) const {
    if (!ownChildren_ || IsSelf(child)) return ask(standard_.Get(), child);
    if (!IsChild(child)) return E_INVALIDARG;
    platform::ComPtr<IAccessible> object = ObjectOfWindow(ChildWindow(child.lVal));
    if (!object) return E_FAIL;
    return ask(object.Get(), ChildVariant(CHILDID_SELF));
  }
  // A windowless child's answer to `question`, or the window's own when it gives one; nothing
  // leaves the answer to the system's object.
  std::optional<std::string> Told(const VARIANT& child, std::string (TControl::*question)() const) const {
    if (const TGraphicControl* control = Simple(child)) return (control->*question)();
    const TWinControl* window = Window();
    if (!IsSelf(child) || !window) return std::nullopt;
    std::string answer = (window->*question)();
    if (answer.empty()) return std::nullopt;
    return answer;
  }

  HWND window_;
  platform::ComPtr<IAccessible> standard_;
  platform::ComPtr<ITypeInfo> typeInfo_;
  bool ownChildren_;
  long next_ = 0;  // the enumeration's place: the children given so far
  ULONG references_ = 1;
};

}  // namespace

bool TellsScreenReaders(const TWinControl& window) {
  return !window.IsStandardControl() || !window.AccessibleName().empty() || window.AccessibleRole() != 0;
}

LRESULT AnswerAccessibleObject(const TWinControl& window, WPARAM wParam) {
  platform::ComPtr<IAccessible> standard;
  if (FAILED(::CreateStdAccessibleObject(window.Handle(), OBJID_CLIENT, __uuidof(IAccessible), standard.ReceiveVoid())))
    return 0;
  auto* object = new TAccessibleObject(window.Handle(), std::move(standard), !window.IsStandardControl());
  const LRESULT answer = ::LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object));
  object->Release();
  return answer;
}

long ChildWindowCount(HWND window) {
  long count = 0;
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) ++count;
  return count;
}

}  // namespace ui
