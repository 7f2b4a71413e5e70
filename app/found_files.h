#pragma once
// The found-file list that the search fills and the batch consumes, shared by the
// window thread and the workers behind one lock.
//
// Every search owns a generation: when a newer search begins, the list is emptied
// and an older search's paths are refused, so the list never mixes two folders.
// A conversion taking the last path while the list is empty but its search is
// still running waits for the search's next path or its end.

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace quellor {

class FoundFileList {
 public:
  using Generation = std::size_t;

  struct Taken {
    Generation generation = 0;
    std::size_t index = 0;
    std::string path;
  };
  struct AfterRemoval {
    std::size_t remaining = 0;
    bool searchRunning = false;
  };

  // Empties the list; no search feeds it any more.
  void Clear();
  // Empties the list for a new search and returns that search's generation.
  Generation BeginSearch();
  // Appends a path of search generation; false once a newer search has begun.
  bool Add(Generation generation, std::string path);
  // Marks search generation finished; its count, or nullopt when it was superseded.
  std::optional<std::size_t> FinishSearch(Generation generation);

  std::size_t Count() const;
  std::vector<std::string> Snapshot() const;
  bool SearchRunning() const;

  // The last path, waiting while the list is empty and its search still runs;
  // nullopt when the list is empty and nothing will fill it.
  std::optional<Taken> WaitForLast();
  // Removes the path taken, if the list still holds it where it was taken.
  AfterRemoval Remove(const Taken& taken);

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::string> paths_;
  Generation generation_ = 0;
  bool searchRunning_ = false;
};

}  // namespace quellor
