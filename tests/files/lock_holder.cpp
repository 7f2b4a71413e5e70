// Holds a file open, as an editor, a log writer or a virus scanner might, until
// its standard input closes (or a minute passes, so a lost test cannot leave it
// running). Prints "ready" once the file is held.
//   lock_holder FILE [read|write [none|read]]   default: write, no sharing
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {
DWORD WINAPI GiveUpLater(LPVOID) {
  ::Sleep(60000);
  ::ExitProcess(3);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: lock_holder FILE [read|write [none|read]]\n");
    return 2;
  }
  const bool writes = argc < 3 || std::strcmp(argv[2], "write") == 0;
  const bool sharesReading = argc == 4 && std::strcmp(argv[3], "read") == 0;
  HANDLE file = ::CreateFileA(argv[1], writes ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                              sharesReading ? FILE_SHARE_READ : 0, nullptr, OPEN_EXISTING,
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
