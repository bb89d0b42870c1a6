// The program's errors: C++ exceptions that carry the message text shown to the user.
// A handler catches only the kinds it names; the rest reaches the application's error box.
#pragma once

#include <exception>
#include <string>

namespace platform {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const noexcept { return message_; }

 private:
  std::string message_;
};

// Ends the current handler without any message.
class EAbort : public Exception {
 public:
  using Exception::Exception;
};
class EStreamError : public Exception {
 public:
  using Exception::Exception;
};
class EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
// The file is held open by another program for longer than a scanner or an indexer holds one: no
// refusal of the folder, so nothing is written elsewhere instead.
class EFileInUse : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};
class EStringListError : public Exception {
 public:
  using Exception::Exception;
};
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};
class EOutOfResources : public Exception {
 public:
  using Exception::Exception;
};
// A failed system call, with the system's own text.
class EOSError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace platform
