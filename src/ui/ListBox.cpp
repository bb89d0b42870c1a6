#include "ui/ListBox.h"

#include "platform/Exceptions.h"
#include "platform/Format.h"

namespace ui {

namespace {

// The list's frame: twice the edge of WS_EX_CLIENTEDGE, as the system draws it at 96 dpi.
constexpr int kDesignFrame = 4;

}  // namespace

TListBox::TListBox(std::string name, TWinControl& parent, const DesignRect& bounds, bool sorted,
                   DesignLength itemHeight, bool wholeRows)
    : TWinControl(std::move(name)), itemHeight_(itemHeight), wholeRows_(wholeRows) {
  // The list's own height is kept: a list that shrinks itself to whole rows of a rounded item
  // height would lose one.
  DWORD style = WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
  if (sorted) style |= LBS_SORT;
  CreateChild(parent, "LISTBOX", style, WS_EX_CLIENTEDGE, bounds);
}

void TListBox::FontApplied() {
  ::SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, ItemHeightAtDpi(itemHeight_, Dpi()));
  const RECT r = PixelBoundsAt(Dpi());
  SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// Whole rows: as many as the designed height holds at 96 dpi, each of the item height there, in
// the frame the list has now.
RECT TListBox::PixelBoundsAt(int dpi) const {
  RECT bounds = TWinControl::PixelBoundsAt(dpi);
  if (!wholeRows_ || !HandleAllocated()) return bounds;
  const RECT design = TWinControl::PixelBoundsAt(kDesignDpi);
  const int rows = (design.bottom - design.top - kDesignFrame) / itemHeight_.pixels96;
  RECT window = {}, client = {};
  ::GetWindowRect(Handle(), &window);
  ::GetClientRect(Handle(), &client);
  const int frame = (window.bottom - window.top) - client.bottom;
  bounds.bottom = bounds.top + rows * ItemHeightAtDpi(itemHeight_, dpi) + frame;
  return bounds;
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

void TListBox::Replace(int index, const std::string& text) {
  Delete(index);
  if (::SendMessageA(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())) < 0)
    throw platform::EOutOfResources("Unable to insert a line");
}

void TListBox::Clear() { ::SendMessageA(Handle(), LB_RESETCONTENT, 0, 0); }

int TListBox::ItemIndex() const { return static_cast<int>(::SendMessageA(Handle(), LB_GETCURSEL, 0, 0)); }

void TListBox::SetItemIndex(int index) { ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

LRESULT TListBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && OnKeyDown) OnKeyDown(static_cast<WORD>(wParam));
  return TWinControl::WndProc(message, wParam, lParam);
}

void TListBox::HandleCommand(WORD code) {
  if (code == LBN_SELCHANGE && OnClick) OnClick();
}

}  // namespace ui
