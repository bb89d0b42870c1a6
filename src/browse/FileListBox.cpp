#include "browse/FileListBox.h"

#include "browse/FileListPaths.h"

namespace browse {
namespace {

// Stops the list from drawing while it is refilled, and shows the wait cursor once it is long.
class RefillScope {
 public:
  explicit RefillScope(HWND list) : list_(list) { ::SendMessageA(list_, WM_SETREDRAW, FALSE, 0); }
  ~RefillScope() {
    if (waiting_) ::SetCursor(previousCursor_);
    ::SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list_, nullptr, TRUE);
  }
  void Added(int position) {
    if (position == 100 && !waiting_) {
      previousCursor_ = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
      waiting_ = true;
    }
  }

 private:
  HWND list_;
  bool waiting_ = false;
  HCURSOR previousCursor_ = nullptr;
};

}  // namespace

// The listing sorts the names itself: the list shows them in its order.
TFileListBox::TFileListBox(std::string name, ui::TWinControl& parent, const ui::DesignRect& bounds)
    : TListBox(std::move(name), parent, bounds, false, ui::DesignLength{15}, true) {}

std::string TFileListBox::FileName() const {
  const int index = ItemIndex();
  return index < 0 ? std::string() : JoinPath(listing_.Directory(), Item(index));
}

void TFileListBox::ApplyFilePath(const std::string& text) {
  const TPictureListing::Applied applied = listing_.Apply(text, FileName());
  if (applied.listedAgain) ShowNames();
  if (applied.select) SetItemIndex(*applied.select);
}

void TFileListBox::SetMorePictureKinds(const std::vector<std::string>& extensions) {
  if (listing_.SetMorePictureKinds(extensions)) ShowNames();
}

void TFileListBox::ShowNames() {
  RefillScope scope(Handle());
  Clear();
  for (const std::string& name : listing_.Names()) scope.Added(Add(name));
}

}  // namespace browse
