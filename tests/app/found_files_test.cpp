#include "app/found_files.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace quellor {
namespace {

using Paths = std::vector<std::string>;

TEST(FoundFileList, KeepsSearchOrderAndRefusesSupersededSearch) {
  FoundFileList list;
  const auto first = list.BeginSearch();
  EXPECT_TRUE(list.Add(first, "C:\\A\\1.txt"));
  EXPECT_TRUE(list.Add(first, "C:\\A\\2.txt"));
  EXPECT_EQ(list.Snapshot(), (Paths{"C:\\A\\1.txt", "C:\\A\\2.txt"}));

  const auto second = list.BeginSearch();
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_FALSE(list.Add(first, "C:\\A\\3.txt"));
  EXPECT_TRUE(list.Add(second, "C:\\B\\1.txt"));
  EXPECT_EQ(list.FinishSearch(first), std::nullopt);
  EXPECT_TRUE(list.SearchRunning());
  EXPECT_EQ(list.FinishSearch(second), std::optional<std::size_t>(1));
  EXPECT_FALSE(list.SearchRunning());
  EXPECT_EQ(list.Snapshot(), (Paths{"C:\\B\\1.txt"}));
}

TEST(FoundFileList, ClearEndsTheSearchThatFedIt) {
  FoundFileList list;
  const auto search = list.BeginSearch();
  list.Add(search, "a");
  list.Clear();
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_FALSE(list.SearchRunning());
  EXPECT_FALSE(list.Add(search, "b"));
  EXPECT_EQ(list.WaitForLast(), std::nullopt);
}

TEST(FoundFileList, BatchConsumesFromTheEnd) {
  FoundFileList list;
  const auto search = list.BeginSearch();
  for (const char* path : {"A", "B", "C"}) list.Add(search, path);
  list.FinishSearch(search);

  Paths converted;
  std::vector<std::size_t> counts;
  while (auto taken = list.WaitForLast()) {
    converted.push_back(taken->path);
    const auto after = list.Remove(*taken);
    counts.push_back(after.remaining);
    EXPECT_FALSE(after.searchRunning);
  }
  EXPECT_EQ(converted, (Paths{"C", "B", "A"}));
  EXPECT_EQ(counts, (std::vector<std::size_t>{2, 1, 0}));
}

// A path the search appends while the last one is being converted must stay in
// the list: removal takes away exactly the path that was taken.
TEST(FoundFileList, RemovesThePathTakenNotTheNewLast) {
  FoundFileList list;
  const auto search = list.BeginSearch();
  list.Add(search, "A");
  const auto taken = list.WaitForLast();
  ASSERT_TRUE(taken);
  list.Add(search, "B");
  const auto after = list.Remove(*taken);
  EXPECT_EQ(after.remaining, 1u);
  EXPECT_TRUE(after.searchRunning);
  EXPECT_EQ(list.Snapshot(), (Paths{"B"}));
}

TEST(FoundFileList, RemovalAfterANewSearchLeavesTheNewListAlone) {
  FoundFileList list;
  const auto old = list.BeginSearch();
  list.Add(old, "X");
  const auto taken = list.WaitForLast();
  ASSERT_TRUE(taken);
  const auto fresh = list.BeginSearch();
  list.Add(fresh, "X");
  EXPECT_EQ(list.Remove(*taken).remaining, 1u);
  EXPECT_EQ(list.Snapshot(), (Paths{"X"}));
}

// A batch started while its search runs: the conversion side waits for each next
// path and ends only when the search has ended and the list is empty. Every path
// is converted exactly once.
TEST(FoundFileList, ConsumerRunningBesideTheSearchGetsEveryPathOnce) {
  FoundFileList list;
  const auto search = list.BeginSearch();
  constexpr int kPaths = 2000;
  std::thread producer([&] {
    for (int i = 0; i < kPaths; ++i) {
      list.Add(search, std::to_string(i));
      if (i % 97 == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    list.FinishSearch(search);
  });
  std::vector<int> seen(kPaths, 0);
  while (auto taken = list.WaitForLast()) {
    ++seen[std::stoi(taken->path)];
    list.Remove(*taken);
  }
  producer.join();
  for (int i = 0; i < kPaths; ++i) EXPECT_EQ(seen[i], 1) << "path " << i;
  EXPECT_EQ(list.Count(), 0u);
}

TEST(FoundFileList, WaitForLastWakesWhenTheSearchEndsEmpty) {
  FoundFileList list;
  const auto search = list.BeginSearch();
  std::atomic<bool> returned{false};
  std::thread consumer([&] {
    EXPECT_EQ(list.WaitForLast(), std::nullopt);
    returned = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_FALSE(returned);
  list.FinishSearch(search);
  consumer.join();
  EXPECT_TRUE(returned);
}

}  // namespace
}  // namespace quellor
