// Holds a file open with no sharing, as an editor or a virus scanner might, until
// its standard input closes (or a minute passes, so a lost test cannot leave it
// running). Prints "ready" once the file is held.
#include <windows.h>

#include <cstdio>

namespace {
DWORD WINAPI GiveUpLater(LPVOID) {
  ::Sleep(60000);
  ::ExitProcess(3);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lock_holder FILE\n");
    return 2;
  }
  HANDLE file = ::CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::printf("failed %lu\n", ::GetLastError());
    return 1;
  }
  HANDLE watchdog = ::CreateThread(nullptr, 0, GiveUpLater, nullptr, 0, nullptr);
  if (watchdog != nullptr) ::CloseHandle(watchdog);
  std::printf("ready\n");
  std::fflush(stdout);
  char byte = 0;
  DWORD got = 0;
  HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
  while (::ReadFile(input, &byte, 1, &got, nullptr) && got > 0) {
  }
  ::CloseHandle(file);
  return 0;
}
