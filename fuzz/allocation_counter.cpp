#include "fuzz/allocation_counter.h"

#include <sanitizer/allocator_interface.h>

namespace quellor::fuzz {

namespace {

// The fuzz target runs on one thread.
bool counting = false;
std::size_t countedBytes = 0;

void OnAllocate(const volatile void* /*block*/, std::size_t size) {
  if (counting) countedBytes += size;
}

void OnFree(const volatile void* /*block*/) {}

// The sanitizer runtime sees every allocation, operator new's included.
const int kHooksInstalled = __sanitizer_install_malloc_and_free_hooks(OnAllocate, OnFree);

}  // namespace

AllocationCounter::AllocationCounter() {
  static_cast<void>(kHooksInstalled);
  counting = true;
  countedBytes = 0;
}

AllocationCounter::~AllocationCounter() { counting = false; }

std::size_t AllocationCounter::Bytes() const { return countedBytes; }

}  // namespace quellor::fuzz
