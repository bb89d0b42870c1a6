// A top-level window: created hidden, shown modeless or modal, closed through its close handler.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/MainMenu.h"
#include "ui/WinControl.h"

namespace ui {

enum class TBorderStyle {
  bsNone,         // borderless pop-up
  bsSingle,       // fixed frame with a caption
  bsToolWindow,   // fixed frame, small caption
  bsSizeToolWin,  // sizing frame, small caption
};

enum class TPosition {
  poDesigned,      // at the given Left and Top
  poScreenCenter,  // centred on the primary screen at the first showing
};

enum TModalResult : int { mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrYes = IDYES, mrNo = IDNO };

// The form as designed; it places itself on the screen it is on, at that screen's resolution.
struct TFormSpec {
  std::string name;
  std::string caption;
  TBorderStyle borderStyle = TBorderStyle::bsSingle;
  bool systemMenu = true;
  TPosition position = TPosition::poDesigned;
  DesignRect bounds;  // on the screen; the outer size, unless clientSize is set
  bool clientSize = false;
  TColor color = clBtnFace;
  TFont font;
};

class TForm : public TWinControl {
 public:
  explicit TForm(const TFormSpec& layout);

  void Show();
  void Hide();
  bool Visible() const;
  // Shows the form and runs a nested message loop, with the other windows disabled, until
  // ModalResult is set; timers of every window keep running meanwhile.
  int ShowModal();
  bool Modal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  // Ends the modal loop with this result once the current message is handled.
  void SetModalResult(int result);
  // The close request: runs OnClose; the main form then ends the application, others hide.
  void Close();

  std::function<void()> OnCreate;
  std::function<void()> OnClose;
  std::function<void()> OnActivate;
  // Every activation, coming back from another program too: for what another program may have
  // changed meanwhile.
  std::function<void()> OnEveryActivation;
  // Windows ends the session (sign-out, restart, shut-down) and will end the process soon after:
  // what must be kept is kept here, once. It runs without boxes, and an error it raises is dropped.
  std::function<void()> OnEndSession;

  // The control that has the focus whenever the form is shown; when it is activated again
  // otherwise, the one that had the focus before gets it back.
  void SetActiveControl(TWinControl& control) { activeControl_ = &control; }

  // Puts the menu bar on the form; its items' clicks come to their handlers.
  void SetMainMenu(TMainMenu& menu);
  // A key press that is a shortcut of the form's menu runs the item, and one that is the access
  // key of a windowless label focuses its control; true when it was one.
  bool IsShortCut(const MSG& message);

  // Runs OnCreate; an error there is shown and creation goes on.
  void DoCreate();
  // The main form's first showing: normal, unless the program was started maximised or minimised.
  void ShowWithStartupCommand();

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // At a new resolution, the outer size of a form that is about to be `pending` large here: the
  // designed size there (the designed client area in the frame the system draws there) for the
  // designed size here; else the client area the user gave it, scaled, in that frame.
  SIZE ScaledSizeAt(int dpi, SIZE pending) const;
  void ChangeDpi(int dpi, const RECT& suggested);
  RECT OuterBoundsAt(int dpi) const;
  void PlaceForFirstShowing();
  void ShowWindowWith(int command);
  void FocusActiveControl();
  bool CloseHandlerLetsItClose();
  bool FocusByAccessKey(const MSG& message);
  // The window procedure's concerns: the screen's scale, the session's end, activation, and
  // minimising and showing; nothing when the message goes on to the window's defaults.
  LRESULT DpiMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT SessionMessage(UINT message, WPARAM wParam);
  std::optional<LRESULT> Activated(WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> ShowStateMessage(UINT message, WPARAM wParam, LPARAM lParam);

  TPosition position_;
  DesignRect designBounds_;
  bool clientSize_;
  DWORD frameStyle_;
  DWORD frameExStyle_;
  bool shownBefore_ = false;
  bool modal_ = false;
  TMainMenu* menu_ = nullptr;
  int modalResult_ = mrNone;
  TWinControl* activeControl_ = nullptr;
  HWND lastFocus_ = nullptr;
  bool sessionEnded_ = false;
  bool activationFailed_ = false;
};

}  // namespace ui
