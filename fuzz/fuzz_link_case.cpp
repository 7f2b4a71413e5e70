// Checks the link-case passes against the plain model in fuzz/naive_link_case,
// and checks that they stay linear on texts made by repeating the input: they
// allocate at most one growth of the text, where copying the rest of the text
// at every match would allocate many times its size; and on a few inputs a
// repeat of several megabytes must finish inside the fuzzer's time limit,
// which a pass that searched the rest again for its first NUL at every match
// would not.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "fuzz/allocation_counter.h"
#include "fuzz/naive_link_case.h"
#include "rewrite/link_case.h"

namespace {

using PassFunction = std::string (*)(std::string);

struct Pass {
  const char* name;
  PassFunction fast;
  PassFunction model;
};

const Pass kPasses[] = {
    {"LowerHrefValues", quellor::LowerHrefValues, quellor::naive::LowerHrefValues},
    {"LowerSrcValues", quellor::LowerSrcValues, quellor::naive::LowerSrcValues},
    {"LowerAddItemArgs", quellor::LowerAddItemArgs, quellor::naive::LowerAddItemArgs},
};

// Texts that stay below the sanitizer's mmap threshold even once grown, so
// that every input can afford the allocation check.
constexpr std::size_t kCountedSize = std::size_t{60} * 1024;
// Dense matches over this many bytes take minutes with per-match rescans and
// milliseconds without; only one input in kHugeEvery pays for it.
constexpr std::size_t kHugeSize = std::size_t{4} * 1024 * 1024;
constexpr std::uint32_t kHugeEvery = 64;
constexpr const char* kMatchesOfEveryPass = " href=\"A\" src='B' addItem(C,D,E) ";

[[noreturn]] void Fail(const char* what, const char* pass) {
  std::fprintf(stderr, "link-case fuzz: %s (%s)\n", what, pass);
  std::abort();
}

std::string Repeat(const std::string& piece, std::size_t minimumSize) {
  std::string text;
  text.reserve(minimumSize + piece.size());
  while (text.size() < minimumSize) text += piece;
  return text;
}

void CheckAgainstModel(const std::string& text) {
  for (const Pass& pass : kPasses) {
    const std::string fast = pass.fast(text);
    if (fast != pass.model(text)) Fail("differs from the model", pass.name);
    if (text.find('\0') == std::string::npos && pass.fast(fast) != fast) {
      Fail("a second run changed its own output", pass.name);
    }
  }
  for (int mask = 0; mask < 8; ++mask) {
    const quellor::PassSelection selection{(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0};
    if (quellor::ApplyPasses(text, selection) != quellor::naive::ApplyPasses(text, selection)) {
      Fail("differs from the model", "ApplyPasses");
    }
  }
}

std::uint32_t Hash(const std::string& text) {
  std::uint32_t hash = 2166136261u;
  for (char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

void CheckAllocations(const std::string& text) {
  for (const Pass& pass : kPasses) {
    std::string input = text;
    std::size_t allocated = 0;
    std::size_t outputSize = 0;
    {
      const quellor::fuzz::AllocationCounter counter;
      outputSize = pass.fast(std::move(input)).size();
      allocated = counter.Bytes();
    }
    // Working in place, a pass may at most grow its text once for the bytes it
    // appends at the end.
    if (allocated > 2 * text.size() + 64) Fail("allocates more than twice the text", pass.name);
    if (outputSize < text.size() || outputSize > text.size() + 2)
      Fail("wrong output size", pass.name);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  CheckAgainstModel(input);
  if (size == 0) return 0;
  // Repeats carry the state of one copy's end into the next one.
  CheckAgainstModel(Repeat(input, 3 * size));
  CheckAllocations(Repeat(input, kCountedSize));
  if (Hash(input) % kHugeEvery == 0) {
    // Without NUL bytes, and with matches of every pass in each copy, so that
    // the whole huge text is searched and every search has far to go.
    std::string piece;
    for (char c : input) {
      if (c != '\0') piece.push_back(c);
    }
    piece += kMatchesOfEveryPass;
    std::string huge = Repeat(piece, kHugeSize);
    const std::size_t hugeSize = huge.size();
    if (quellor::ApplyPasses(std::move(huge), {}).size() < hugeSize) {
      Fail("lost bytes", "ApplyPasses");
    }
  }
  return 0;
}
