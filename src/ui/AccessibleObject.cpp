#include "ui/AccessibleObject.h"

#include <oleacc.h>

#include <optional>
#include <string>
#include <utility>

#include "platform/ComPtr.h"
#include "platform/WideText.h"
#include "ui/GraphicControl.h"
#include "ui/WinControl.h"

namespace ui {
namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT Text(const std::string& text, BSTR* result) {
  if (!result) return E_POINTER;
  *result = text.empty() ? nullptr : ::SysAllocString(platform::ToWide(text).c_str());
  return *result ? S_OK : S_FALSE;
}

HRESULT Number(long value, VARIANT* result) {
  if (!result) return E_POINTER;
  ::VariantInit(result);
  result->vt = VT_I4;
  result->lVal = value;
  return S_OK;
}

// The system's object, with the window's own facts and its windowless controls added. It holds
// the window's handle, not the window: a screen reader may keep it after the window is gone.
class TAccessibleObject final : public IAccessible {
 public:
  TAccessibleObject(HWND window, platform::ComPtr<IAccessible> standard)
      : window_(window), standard_(std::move(standard)) {}
  TAccessibleObject(const TAccessibleObject&) = delete;
  TAccessibleObject& operator=(const TAccessibleObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != __uuidof(IAccessible)) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argument) override {
    return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, argument);
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    const TWinControl* window = Window();
    *count = ChildWindowCount(window_) + (window ? static_cast<long>(window->GraphicControls().size()) : 0);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** result) override {
    if (!Simple(child)) return standard_->get_accChild(child, result);
    if (!result) return E_POINTER;
    *result = nullptr;  // a simple child has no object of its own
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (const auto told = Told(child, &TControl::AccessibleName)) return Text(*told, name);
    return standard_->get_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (Simple(child)) return Text("", value);
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (const auto told = Told(child, &TControl::AccessibleDescription)) return Text(*told, description);
    return standard_->get_accDescription(child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    const TControl* control = Simple(child);
    if (!control && IsSelf(child)) control = Window();
    if (control && control->AccessibleRole()) return Number(control->AccessibleRole(), role);
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (const TGraphicControl* control = Simple(child)) return Number(control->AccessibleState(), state);
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    if (Simple(child)) return Text("", help);
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    if (Simple(child)) return S_FALSE;
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    if (Simple(child)) return Text("", shortcut);
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return standard_->get_accFocus(focus); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return standard_->get_accSelection(selection);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (const TGraphicControl* control = Simple(child)) return Text(control->AccessibleDefaultAction(), action);
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    if (Simple(child)) return E_NOTIMPL;
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    const TGraphicControl* control = Simple(child);
    if (!control) return standard_->accLocation(left, top, width, height, child);
    if (!left || !top || !width || !height) return E_POINTER;
    POINT corner = {control->Left(), control->Top()};
    ::ClientToScreen(window_, &corner);
    *left = corner.x;
    *top = corner.y;
    *width = control->Width();
    *height = control->Height();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (Simple(start)) return E_NOTIMPL;
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    const TWinControl* window = Window();
    POINT point = {x, y};
    ::ScreenToClient(window_, &point);
    if (const TGraphicControl* control = window ? window->GraphicControlAt(point, true) : nullptr)
      return Number(window->AccessibleChildId(*control), child);
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!Simple(child)) return standard_->accDoDefaultAction(child);
    if (Simple(child)->AccessibleDefaultAction().empty()) return DISP_E_MEMBERNOTFOUND;
    ::PostMessageA(window_, kDoAccessibleDefaultAction, static_cast<WPARAM>(child.lVal), 0);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~TAccessibleObject() = default;

  const TWinControl* Window() const { return TWinControl::FromHandle(window_); }
  // The windowless control a child id names, if it names one.
  const TGraphicControl* Simple(const VARIANT& child) const {
    const TWinControl* window = Window();
    if (!window || child.vt != VT_I4) return nullptr;
    const long index = child.lVal - ChildWindowCount(window_) - 1;
    const auto& controls = window->GraphicControls();
    return index >= 0 && index < static_cast<long>(controls.size()) ? controls[static_cast<size_t>(index)] : nullptr;
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
  ULONG references_ = 1;
};

}  // namespace

bool TellsScreenReaders(const TWinControl& window) {
  return !window.AccessibleName().empty() || window.AccessibleRole() != 0 || !window.GraphicControls().empty();
}

LRESULT AnswerAccessibleObject(const TWinControl& window, WPARAM wParam) {
  platform::ComPtr<IAccessible> standard;
  if (FAILED(::CreateStdAccessibleObject(window.Handle(), OBJID_CLIENT, __uuidof(IAccessible), standard.ReceiveVoid())))
    return 0;
  auto* object = new TAccessibleObject(window.Handle(), std::move(standard));
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
