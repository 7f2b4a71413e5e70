// Standard streams in binary mode: a filter must pass NUL bytes and lone CR or LF
// through unchanged, which Windows' text mode would not.

#include "cli/standard_streams.h"

#include <sys/stat.h>

#include <cstdio>

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

constexpr std::size_t kPipeFirstBlock = std::size_t{4} << 20;
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

// A buffer of size bytes (the first used ones kept from old), allocated so that the
// system can back it with huge pages before it is first touched.
std::string NewBuffer(std::size_t size, const std::string& old, std::size_t used) {
  std::string buffer;
  buffer.reserve(size + kTailRoom);
  AdviseHugePages(buffer.data(), buffer.capacity());
  buffer.append(old, 0, used);
  buffer.resize(size);
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
// buffer of the right size; a pipe is read in doubling blocks.
std::size_t FirstBlockSize() {
  struct stat info {};
  if (fstat(fileno(stdin), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    return static_cast<std::size_t>(info.st_size) + 1;  // + 1 to see the end at once
  }
  return kPipeFirstBlock;
}

}  // namespace

std::optional<std::string> ReadStandardInput() {
  UseBinaryMode(stdin);
  std::string text = NewBuffer(FirstBlockSize(), {}, 0);
  std::size_t used = 0;
  for (;;) {
    if (used == text.size()) {
      text = NewBuffer(text.size() * 2, text, used);
    }
    const std::size_t wanted = text.size() - used;
    const std::size_t got = std::fread(&text[used], 1, wanted, stdin);
    used += got;
    if (got < wanted) {  // the end of the input, or an error
      if (std::ferror(stdin)) {
        return std::nullopt;
      }
      break;
    }
  }
  text.resize(used);
  return text;
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
