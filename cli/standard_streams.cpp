// Standard streams in binary mode: a filter must pass NUL bytes and lone CR or LF
// through unchanged, which Windows' text mode would not.

#include "cli/standard_streams.h"

#include <sys/stat.h>

#include <cstdio>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace quellor {
namespace {

constexpr std::size_t kPipeBlock = std::size_t{8} << 20;
// Room for the few bytes a pass may add at the end (a closing quote, two commas)
// without moving the whole text.
constexpr std::size_t kTailRoom = 64;

// Touching a fresh 64 MB buffer page by page costs more here than the whole
// conversion; with huge pages it is a few milliseconds. Only a hint: where the
// system says no, the buffer works as before.
void AdviseHugePages([[maybe_unused]] char* begin, [[maybe_unused]] std::size_t size) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::size_t kHugePage = std::size_t{2} << 20;
  const std::size_t misalignment = reinterpret_cast<std::uintptr_t>(begin) % kHugePage;
  const std::size_t skip = misalignment == 0 ? 0 : kHugePage - misalignment;
  if (size > skip + kHugePage) {
    madvise(begin + skip, (size - skip) / kHugePage * kHugePage, MADV_HUGEPAGE);
  }
#endif
}

// An empty text with room for capacity bytes (and a little more), allocated so
// that the system can back it with huge pages before it is first touched.
std::string EmptyBuffer(std::size_t capacity) {
  std::string buffer;
  buffer.reserve(capacity + kTailRoom);
  AdviseHugePages(buffer.data(), buffer.capacity());
  return buffer;
}

void UseBinaryMode(std::FILE* stream) {
#ifdef _WIN32
  _setmode(_fileno(stream), _O_BINARY);
#else
  (void)stream;
#endif
}

// A redirected file tells its size, so it is read with one request into a
// buffer of the right size.
std::size_t FirstBlockSize() {
  struct stat info {};
  if (fstat(fileno(stdin), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    return static_cast<std::size_t>(info.st_size) + 1;  // + 1 to see the end at once
  }
  return kPipeBlock;
}

// Fills block (resized to its capacity first) from standard input and cuts it to
// what came; false on a read error. ended tells whether the input is at its end.
bool ReadBlock(std::string& block, std::size_t size, bool& ended) {
  block.resize(size);
  const std::size_t got = std::fread(block.data(), 1, size, stdin);
  block.resize(got);
  ended = got < size;
  return !(ended && std::ferror(stdin));
}

}  // namespace

std::optional<std::string> ReadStandardInput() {
  UseBinaryMode(stdin);
  const std::size_t firstSize = FirstBlockSize();
  std::string text = EmptyBuffer(firstSize);
  bool ended = false;
  if (!ReadBlock(text, firstSize, ended)) {
    return std::nullopt;
  }
  if (ended) {
    return text;
  }
  // A pipe (or a file still growing): gather blocks, then join them once, which
  // copies every byte once and never holds more than twice the input.
  std::vector<std::string> blocks;
  std::size_t total = text.size();
  blocks.push_back(std::move(text));
  while (!ended) {
    std::string block = EmptyBuffer(kPipeBlock);
    if (!ReadBlock(block, kPipeBlock, ended)) {
      return std::nullopt;
    }
    total += block.size();
    blocks.push_back(std::move(block));
  }
  std::string joined = EmptyBuffer(total);
  for (std::string& block : blocks) {
    joined += block;
    std::string().swap(block);
  }
  return joined;
}

bool WriteStandardOutput(std::string_view text) {
  UseBinaryMode(stdout);
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  return std::fflush(stdout) == 0 && written;
}

bool StandardErrorIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(fileno(stderr)) != 0;
#endif
}

}  // namespace quellor
