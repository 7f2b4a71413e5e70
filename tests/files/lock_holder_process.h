#pragma once
// Runs lock_holder.exe (built beside the test) on a file and keeps it running for
// the object's lifetime. Under Wine the holder must be a Windows process: share
// modes are invisible to native Linux processes.

#include <windows.h>

#include <string>

namespace quellor::testing {

class LockHolderProcess {
 public:
  // mode is passed on to the holder: "write none" (the default), "write read",
  // "read none" or "read read": its access, then what it shares.
  explicit LockHolderProcess(const std::string& path, const std::string& mode = "write none");
  LockHolderProcess(const LockHolderProcess&) = delete;
  LockHolderProcess& operator=(const LockHolderProcess&) = delete;
  ~LockHolderProcess();

  // True once the holder has reported that it holds the file.
  bool ready() const { return ready_; }
  const std::string& report() const { return report_; }

 private:
  PROCESS_INFORMATION process_{};
  HANDLE input_ = nullptr;
  bool ready_ = false;
  std::string report_;
};

}  // namespace quellor::testing
