// Throughput of the link-case passes in memory, beside a scan-and-copy baseline
// (one memcpy of the text and one memchr over it: what any pass that takes its
// text by value cannot avoid).
//
// The big buffers are kept in the heap between rounds (mallopt), so that what
// is timed is the work on the bytes rather than the kernel mapping fresh pages
// for every 64 MB copy; on this VM that alone costs more than the passes. Time
// is the thread's CPU time: on a shared machine wall time also counts the
// turns of other processes.
//
//   bench_link_case [--size MB]          print the table
//   bench_link_case --write-sample FILE  write the page-like sample text
//                   [--size MB]          (for the end-to-end comparison)

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

#include "bench/sample_text.h"
#include "rewrite/link_case.h"

namespace {

double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

constexpr std::uint64_t kSeed = 20261211;
constexpr int kRounds = 7;

// Keeps the optimiser from dropping the work whose result nobody reads.
volatile std::size_t sink = 0;

std::string ScanAndCopy(const std::string& text) {
  std::string copy(text);  // one memcpy
  // NOLINTNEXTLINE(bugprone-not-null-terminated-result): a byte scan, not a C string.
  const void* nul = std::memchr(copy.data(), '\0', copy.size());
  sink = sink + (nul == nullptr ? 0 : 1);
  return copy;
}

template <typename Work>
double BestSeconds(const std::string& text, Work work) {
  double best = 1e30;
  for (int round = 0; round < kRounds; ++round) {
    const double start = ThreadSeconds();
    const std::string out = work(text);
    const double took = ThreadSeconds() - start;
    sink = sink + out.size();
    best = std::min(best, took);
  }
  return best;
}

double MegabytesPerSecond(std::size_t bytes, double seconds) {
  return static_cast<double>(bytes) / 1e6 / seconds;
}

std::size_t CountOf(const std::string& text, std::string_view keyword) {
  std::size_t count = 0;
  for (std::size_t at = text.find(keyword); at != std::string::npos;
       at = text.find(keyword, at + keyword.size())) {
    ++count;
  }
  return count;
}

void PrintRow(const char* name, const std::string& text) {
  const double baseline = BestSeconds(text, ScanAndCopy);
  const double passes[] = {
      BestSeconds(text, [](const std::string& t) { return quellor::LowerHrefValues(t); }),
      BestSeconds(text, [](const std::string& t) { return quellor::LowerSrcValues(t); }),
      BestSeconds(text, [](const std::string& t) { return quellor::LowerAddItemArgs(t); }),
      BestSeconds(text, [](const std::string& t) { return quellor::ApplyPasses(t, {}); }),
  };
  const std::size_t matches =
      CountOf(text, "href=") + CountOf(text, "src=") + CountOf(text, "addItem(");
  std::printf("%-10s %6.1f %9zu %9.0f", name, static_cast<double>(text.size()) / 1048576.0, matches,
              MegabytesPerSecond(text.size(), baseline));
  for (double seconds : passes) {
    std::printf("  %7.0f (%4.2fx)", MegabytesPerSecond(text.size(), seconds), seconds / baseline);
  }
  std::printf("\n");
}

int Usage() {
  std::fprintf(stderr, "usage: bench_link_case [--size MB] [--write-sample FILE]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t megabytes = 64;
  const char* samplePath = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--size" && i + 1 < argc) {
      megabytes = std::strtoul(argv[++i], nullptr, 10);
      if (megabytes == 0) return Usage();
    } else if (arg == "--write-sample" && i + 1 < argc) {
      samplePath = argv[++i];
    } else {
      return Usage();
    }
  }
  const std::size_t size = megabytes * 1024 * 1024;
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);

  if (samplePath != nullptr) {
    const std::string text = quellor::bench::HtmlLikeText(size, kSeed);
    std::ofstream file(samplePath, std::ios::binary);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file) {
      std::fprintf(stderr, "cannot write %s\n", samplePath);
      return 1;
    }
    return 0;
  }

  std::printf("In memory, best of %d rounds of thread CPU time; MB/s, and in brackets the time\n",
              kRounds);
  std::printf("over the baseline's (scan and copy = memcpy + memchr over the same bytes).\n\n");
  std::printf("%-10s %6s %9s %9s  %16s  %16s  %16s  %16s\n", "text", "MiB", "matches", "baseline",
              "href", "src", "addItem", "all three");
  PrintRow("page-like", quellor::bench::HtmlLikeText(size, kSeed));
  PrintRow("dense", quellor::bench::DenseText(size, kSeed));
  PrintRow("no match", quellor::bench::MatchlessText(size, kSeed));
  return 0;
}
