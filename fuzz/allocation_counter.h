#pragma once
// Counts the bytes allocated (through the sanitizer runtime) while a counter is alive, so a
// fuzz target can tell a pass that copies its input per match from one that
// works in place. Only one counter may be alive at a time.

#include <cstddef>

namespace quellor::fuzz {

class AllocationCounter {
 public:
  AllocationCounter();
  ~AllocationCounter();
  AllocationCounter(const AllocationCounter&) = delete;
  AllocationCounter& operator=(const AllocationCounter&) = delete;

  std::size_t Bytes() const;
};

}  // namespace quellor::fuzz
