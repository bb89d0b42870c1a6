// The machine's own programs, run from a Wine test process (Wine starts a Linux program like
// one of its own), for what Windows programs cannot do here.
#pragma once

#include <string>

namespace e2e {

// Runs /usr/bin/`program` with `arguments` (paths in single quotes) and waits for it, 60 s at
// most; its exit code, or -1 when it did not end in time.
int RunHostProgram(const std::string& program, const std::string& arguments);
// The machine's path of a Windows path.
std::string HostPath(const std::string& windowsPath);

// A folder in which nothing can be created, replaced or renamed, whoever asks: Program Files or a
// read-only share as a standard user meets them. The tests run as root, which ignores permission
// bits, so the folder is made immutable for its lifetime.
class UnwritableFolder {
 public:
  explicit UnwritableFolder(std::string windowsPath);
  UnwritableFolder(const UnwritableFolder&) = delete;
  UnwritableFolder& operator=(const UnwritableFolder&) = delete;
  ~UnwritableFolder();

 private:
  std::string hostPath_;
};

}  // namespace e2e
