#include <condition_variable>
#include <exception>
#include <mutex>

#include "files/whole_file.h"
#include "files/write_gate.h"

namespace quellor {
namespace {

class WriteGate {
 public:
  bool Enter() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (closed_) return false;
    ++active_;
    return true;
  }
  void Leave() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (--active_ == 0) idle_.notify_all();
  }
  void Close() {
    std::unique_lock<std::mutex> lock(mutex_);
    closed_ = true;
    idle_.wait(lock, [this] { return active_ == 0; });
  }
  void Reopen() {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = false;
  }

 private:
  std::mutex mutex_;
  std::condition_variable idle_;
  int active_ = 0;
  bool closed_ = false;
};

WriteGate& Gate() {
  static WriteGate gate;
  return gate;
}

class GatePass {
 public:
  GatePass() : entered_(Gate().Enter()) {}
  GatePass(const GatePass&) = delete;
  GatePass& operator=(const GatePass&) = delete;
  ~GatePass() {
    if (entered_) Gate().Leave();
  }
  bool entered() const { return entered_; }

 private:
  bool entered_;
};

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  std::optional<std::string> text = TryReadWholeFile(path);
  return text ? std::move(*text) : std::string();
}

WriteResult TryWriteWholeFile(const std::string& path, std::string_view text) {
  const GatePass pass;
  if (!pass.entered()) return WriteResult::kFailed;
  try {
    return WriteWholeFileThroughTemporary(path, text);
  } catch (const std::exception&) {
    return WriteResult::kFailed;  // out of memory for a path: nothing was replaced
  }
}

void WriteWholeFile(const std::string& path, std::string_view text) {
  (void)TryWriteWholeFile(path, text);
}

void StopWritingFiles() { Gate().Close(); }

void ResumeWritingFiles() { Gate().Reopen(); }

const char* DescribeWriteResult(WriteResult result) {
  switch (result) {
    case WriteResult::kWritten:
      return "written";
    case WriteResult::kProtected:
      return "read-only, hidden or system file";
    case WriteResult::kLocked:
      return "in use by another program";
    case WriteResult::kFailed:
      break;
  }
  return "write failed";
}

}  // namespace quellor
