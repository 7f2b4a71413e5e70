#include "app/found_files.h"

#include <utility>

namespace quellor {

void FoundFileList::Clear() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    paths_.clear();
    ++generation_;
    searchRunning_ = false;
  }
  changed_.notify_all();
}

FoundFileList::Generation FoundFileList::BeginSearch() {
  std::lock_guard<std::mutex> lock(mutex_);
  paths_.clear();
  searchRunning_ = true;
  return ++generation_;
}

bool FoundFileList::Add(Generation generation, std::string path) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (generation != generation_) return false;
    paths_.push_back(std::move(path));
  }
  changed_.notify_all();
  return true;
}

std::optional<std::size_t> FoundFileList::FinishSearch(Generation generation) {
  std::optional<std::size_t> count;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (generation != generation_) return std::nullopt;
    searchRunning_ = false;
    count = paths_.size();
  }
  changed_.notify_all();
  return count;
}

std::size_t FoundFileList::Count() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return paths_.size();
}

std::vector<std::string> FoundFileList::Snapshot() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return paths_;
}

bool FoundFileList::SearchRunning() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return searchRunning_;
}

std::optional<FoundFileList::Taken> FoundFileList::WaitForLast() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return !paths_.empty() || !searchRunning_; });
  if (paths_.empty()) return std::nullopt;
  return Taken{generation_, paths_.size() - 1, paths_.back()};
}

FoundFileList::AfterRemoval FoundFileList::Remove(const Taken& taken) {
  std::lock_guard<std::mutex> lock(mutex_);
  // A search may have appended behind the taken path meanwhile; a newer search
  // has emptied the list and owes nothing to this one.
  if (taken.generation == generation_ && taken.index < paths_.size() &&
      paths_[taken.index] == taken.path) {
    paths_.erase(paths_.begin() + static_cast<std::ptrdiff_t>(taken.index));
  }
  return {paths_.size(), searchRunning_};
}

}  // namespace quellor
