#include "tests/gui/driver/program.h"

#include <vector>

#include "tests/gui/driver/controls.h"
#include "tests/gui/driver/wait.h"

namespace quellor::gui {

std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

ProgramUnderTest::ProgramUnderTest(const std::string& executable) {
  // The job ends the program with the test process even when a test crashes.
  job_ = CreateJobObjectA(nullptr, nullptr);
  if (job_ != nullptr) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  }
  std::string command_line = "\"" + WindowsPath(executable) + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  process_id_ = info.dwProcessId;
  if (job_ != nullptr) AssignProcessToJobObject(job_, process_);
  WaitUntil([this] {
    for (HWND candidate : TopLevelWindows(process_id_)) {
      if (TextOf(candidate) == "Quellor" && GetWindow(candidate, GW_OWNER) == nullptr) {
        window_ = candidate;
        return true;
      }
    }
    return !running();
  });
}

ProgramUnderTest::~ProgramUnderTest() {
  if (process_ != nullptr) {
    if (running()) {
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, kPatience);
    }
    CloseHandle(process_);
  }
  if (job_ != nullptr) CloseHandle(job_);
}

bool ProgramUnderTest::running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD ProgramUnderTest::CloseAndWait() {
  if (process_ == nullptr) return STILL_ACTIVE;
  if (window_ != nullptr) PostMessageA(window_, WM_CLOSE, 0, 0);
  WaitForSingleObject(process_, kPatience);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_, &code);
  return code;
}

}  // namespace quellor::gui
