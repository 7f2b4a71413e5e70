#pragma once
// The program under test: started as its own process, found by its window, and
// never left running after a test, whatever the test's outcome.

#include <windows.h>

#include <string>

namespace quellor::gui {

class ProgramUnderTest {
 public:
  // Starts the executable (a Windows path, or a Unix path reached through Z:)
  // and waits for its visible top-level window captioned "Quellor".
  explicit ProgramUnderTest(const std::string& executable);
  ~ProgramUnderTest();
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  // Null when the program did not start or showed no window in time.
  HWND window() const { return window_; }
  DWORD process_id() const { return process_id_; }
  HANDLE process() const { return process_; }
  bool running() const;

  // Asks the window to close, as its close box does, and waits for the process
  // to end. The exit code, or STILL_ACTIVE when it did not end in time.
  DWORD CloseAndWait();

 private:
  HANDLE process_ = nullptr;
  HANDLE job_ = nullptr;
  DWORD process_id_ = 0;
  HWND window_ = nullptr;
};

// The program's path as Windows sees it: CMake hands us a Unix path, which the
// Wine prefix maps under Z:.
std::string WindowsPath(std::string path);

}  // namespace quellor::gui
