// The decoding helper from the program's side: started on a picture with only its answer file
// inherited, and waited for, either here or while the window goes on.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "pictures/HelperAnswer.h"
#include "platform/Handles.h"

namespace pictures {

// The program the helper runs: this one, unless a test names another (empty: this one again).
void SetDecodeHelperProgram(std::string program);

// A helper started on a picture (`sizeOnly`: for its size alone). Fails with EInvalidGraphic
// when it cannot start. A helper that still runs when this object goes is ended; nothing of it
// remains.
class RunningHelper {
 public:
  explicit RunningHelper(const std::string& picturePath, bool sizeOnly = false);
  RunningHelper(const RunningHelper&) = delete;
  RunningHelper& operator=(const RunningHelper&) = delete;
  ~RunningHelper();

  HANDLE Process() const { return process_.Get(); }
  // Its answer, once it has ended: EInvalidGraphic for a helper that still runs (it is ended), one
  // that failed, or an answer that is not whole.
  HelperAnswer Answer();
  // The size it answered, once it has ended; the same errors.
  PictureSize AnswerSize();

 private:
  void CheckSucceeded();

  std::string picturePath_;
  platform::FileHandle answer_;
  platform::KernelHandle process_;
};

// How a decode is waited for: with no window to keep answering (a run without one, the log-on run
// behind its splash), blocking, a few seconds; while the program's windows go on answering, as
// long as the preview waits for its picture.
enum class HelperWait { kBlocking, kWindowsAnswer };

// The picture decoded by a helper process, waited for here. A helper that fails, ends abnormally
// or takes longer than the wait allows, and a picture no decoder can read, fail with
// EInvalidGraphic.
HelperAnswer DecodeInHelper(const std::string& picturePath, HelperWait wait = HelperWait::kBlocking);
// The size of a picture of the imaging component's kinds, as a helper gives it without decoding;
// nothing when it cannot.
std::optional<PictureSize> PictureSizeInHelper(const std::string& picturePath);

// A helper whose end, or a minute without one, is posted to `window` as `message` with `id` as
// its wParam, so that the window goes on answering meanwhile. Given up, with its helper, when this
// object goes: a message already posted for it is then the window's to ignore.
class BackgroundDecode {
 public:
  BackgroundDecode(const std::string& picturePath, HWND window, UINT message, WPARAM id);
  BackgroundDecode(const BackgroundDecode&) = delete;
  BackgroundDecode& operator=(const BackgroundDecode&) = delete;
  ~BackgroundDecode();

  // After the message: as RunningHelper::Answer.
  HelperAnswer Answer() { return helper_.Answer(); }

 private:
  static void CALLBACK Ended(void* self, BOOLEAN timedOut);

  RunningHelper helper_;
  HWND window_;
  UINT message_;
  WPARAM id_;
  HANDLE wait_ = nullptr;
};

}  // namespace pictures
