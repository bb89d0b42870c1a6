// A stand-in for the decoding helper that is never done: it sizes its answer for a 6000 x 4000
// picture and writes it a slice every 50 ms, then waits. Ending it at any moment must leave
// nothing behind.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 4) return 1;
  const auto answer = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(std::strtoull(argv[3], nullptr, 10)));
  LARGE_INTEGER size;
  size.QuadPart = 12 + 6000LL * 4000 * 4;
  ::SetFilePointerEx(answer, size, nullptr, FILE_BEGIN);
  ::SetEndOfFile(answer);
  ::SetFilePointer(answer, 0, nullptr, FILE_BEGIN);
  const std::vector<char> slice(1 << 20, 'x');
  for (int i = 0; i < 100; ++i) {
    DWORD written = 0;
    ::WriteFile(answer, slice.data(), static_cast<DWORD>(slice.size()), &written, nullptr);
    ::Sleep(50);
  }
  ::Sleep(INFINITE);
}
