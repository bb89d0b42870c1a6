// A stand-in decoding helper that is never done: it sizes a 96 MB answer, writes it a megabyte
// every 50 ms, then waits. Ending it at any moment must leave nothing behind.
#include <windows.h>

#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 4) return 1;
  const auto answer = reinterpret_cast<HANDLE>(std::strtoull(argv[3], nullptr, 10));
  ::SetFilePointer(answer, 12 + 6000 * 4000 * 4, nullptr, FILE_BEGIN);
  ::SetEndOfFile(answer);
  ::SetFilePointer(answer, 0, nullptr, FILE_BEGIN);
  const std::vector<char> slice(1 << 20, 'x');
  DWORD written = 0;
  for (int i = 0; i < 96 && ::WriteFile(answer, slice.data(), 1 << 20, &written, nullptr); ++i) ::Sleep(50);
  ::Sleep(INFINITE);
}
