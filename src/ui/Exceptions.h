// The program's errors: C++ exceptions that carry the message text shown to the user.
// A handler catches only the kinds it names; the rest reaches TApplication::HandleException.
#pragma once

#include <exception>
#include <string>

namespace ui {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const noexcept { return message_; }

 private:
  std::string message_;
};

#define VANTORIA_EXCEPTION(Name, Base) \
  class Name : public Base {           \
   public:                             \
    using Base::Base;                  \
  }

// Ends the current handler without any message.
VANTORIA_EXCEPTION(EAbort, Exception);
// A picture that cannot be read as its kind; the preview swallows these.
VANTORIA_EXCEPTION(EInvalidGraphic, Exception);
VANTORIA_EXCEPTION(EJPEG, EInvalidGraphic);
VANTORIA_EXCEPTION(EStreamError, Exception);
VANTORIA_EXCEPTION(EReadError, EStreamError);
VANTORIA_EXCEPTION(EWriteError, EStreamError);
VANTORIA_EXCEPTION(EFOpenError, EStreamError);
VANTORIA_EXCEPTION(EFCreateError, EStreamError);
VANTORIA_EXCEPTION(ERegistryException, Exception);
VANTORIA_EXCEPTION(EStringListError, Exception);
VANTORIA_EXCEPTION(EInvalidOperation, Exception);
VANTORIA_EXCEPTION(EOutOfResources, Exception);
// A failed system call, with the system's own text.
VANTORIA_EXCEPTION(EOSError, Exception);

#undef VANTORIA_EXCEPTION

}  // namespace ui
