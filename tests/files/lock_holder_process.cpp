#include "tests/files/lock_holder_process.h"

namespace quellor::testing {
namespace {

std::string HolderExecutable() {
  char self[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path(self, length);
  return path.substr(0, path.find_last_of("\\/") + 1) + "lock_holder.exe";
}

}  // namespace

LockHolderProcess::LockHolderProcess(const std::string& path, const std::string& mode) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE childInput = nullptr;
  HANDLE output = nullptr;
  HANDLE childOutput = nullptr;
  if (!::CreatePipe(&childInput, &input_, &inheritable, 0)) return;
  if (!::CreatePipe(&output, &childOutput, &inheritable, 0)) {
    ::CloseHandle(childInput);
    return;
  }
  ::SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
  ::SetHandleInformation(output, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = childInput;
  startup.hStdOutput = childOutput;
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  std::string commandLine = "\"" + HolderExecutable() + "\" \"" + path + "\" " + mode;
  const bool started = ::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process_) != FALSE;
  ::CloseHandle(childInput);
  ::CloseHandle(childOutput);
  if (started) {
    char buffer[64];
    DWORD got = 0;
    while (report_.find('\n') == std::string::npos &&
           ::ReadFile(output, buffer, sizeof buffer, &got, nullptr) && got > 0) {
      report_.append(buffer, got);
    }
    ready_ = report_.rfind("ready", 0) == 0;
  }
  ::CloseHandle(output);
}

LockHolderProcess::~LockHolderProcess() {
  if (input_ != nullptr) ::CloseHandle(input_);  // tells the holder to let go
  if (process_.hProcess != nullptr) {
    if (::WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) {
      ::TerminateProcess(process_.hProcess, 1);
      ::WaitForSingleObject(process_.hProcess, 10000);
    }
    ::CloseHandle(process_.hProcess);
    ::CloseHandle(process_.hThread);
  }
}

}  // namespace quellor::testing
