// What a form needs of the application that owns it (TApplication gives it, ui/Application.cpp
// hands it out): the program's window, the main form, and the message loop a modal form runs.
#pragma once

namespace ui {

class TApplicationWindow;
class TForm;

class TFormHost {
 public:
  virtual TApplicationWindow& Window() const = 0;
  virtual TForm* MainForm() const = 0;
  // Takes one message and dispatches it, or does the idle work and waits when there is none.
  virtual void HandleMessage() = 0;
  // Posts the quit request; Terminated() turns true when the loop takes it.
  virtual void Terminate() = 0;
  virtual bool Terminated() const = 0;

 protected:
  ~TFormHost() = default;
};

// The application of the process.
TFormHost& FormHost();

}  // namespace ui
