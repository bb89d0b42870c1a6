#include "ui/ListBox.h"

#include "platform/Exceptions.h"
#include "platform/Format.h"
#include "ui/Dpi.h"

namespace ui {

TListBox::TListBox(std::string name, TWinControl& parent, const RECT& bounds, bool sorted, int itemHeight,
                   bool integralHeight)
    : TWinControl(std::move(name)), itemHeight_(Scaled(itemHeight)), designedBounds_(Scaled(bounds)) {
  DWORD style = WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_HASSTRINGS;
  if (sorted) style |= LBS_SORT;
  if (!integralHeight) style |= LBS_NOINTEGRALHEIGHT;
  CreateChild(parent, "LISTBOX", style, WS_EX_CLIENTEDGE, bounds);
}

void TListBox::FontApplied() {
  ::SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, itemHeight_);
  // A list that keeps whole rows settles its designed height to the new item height.
  const RECT& r = designedBounds_;
  SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

int TListBox::Count() const { return static_cast<int>(::SendMessageA(Handle(), LB_GETCOUNT, 0, 0)); }

std::string TListBox::Item(int index) const {
  if (index < 0 || index >= Count())
    throw platform::EStringListError(platform::Format("List index out of bounds (%d)", index));
  // The length may be more than the text (names beyond ASCII); what is copied is the text.
  const auto length = ::SendMessageA(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const auto copied =
      ::SendMessageA(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
  return text;
}

int TListBox::Add(const std::string& text) {
  const auto position = ::SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (position < 0) throw platform::EOutOfResources("Unable to insert a line");
  return static_cast<int>(position);
}

void TListBox::Delete(int index) { ::SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0); }

void TListBox::Clear() { ::SendMessageA(Handle(), LB_RESETCONTENT, 0, 0); }

int TListBox::ItemIndex() const { return static_cast<int>(::SendMessageA(Handle(), LB_GETCURSEL, 0, 0)); }

void TListBox::SetItemIndex(int index) { ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void TListBox::HandleCommand(WORD code) {
  if (code == LBN_SELCHANGE && OnClick) OnClick();
}

}  // namespace ui
