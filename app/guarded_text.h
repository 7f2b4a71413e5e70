#pragma once
// A text that one thread sets while another reads it: each read gets a whole value.

#include <mutex>
#include <string>
#include <string_view>

namespace quellor {

class GuardedText {
 public:
  void Set(std::string_view text) {
    std::lock_guard<std::mutex> lock(mutex_);
    text_.assign(text);
  }
  std::string Get() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return text_;
  }

 private:
  mutable std::mutex mutex_;
  std::string text_;
};

}  // namespace quellor
