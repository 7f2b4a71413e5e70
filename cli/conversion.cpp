// Converting the files named on the command line, and telling the user about it.
// Unlike the window, every failure is reported, and a file is only written when
// it was read completely and its text actually changes.

#include "cli/conversion.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/file_search.h"
#include "cli/standard_streams.h"
#include "files/folder_listing.h"
#include "files/whole_file.h"

namespace quellor {
namespace {

// Fewer files than this finish too fast for a progress line to help.
constexpr std::size_t kProgressThreshold = 200;
constexpr std::size_t kProgressStep = 50;

void ReportFileError(const std::string& path, const char* problem) {
  std::fprintf(stderr, "quellor-cli: %s: %s\n", path.c_str(), problem);
}

void PrintPath(const std::string& path) {
  std::fwrite(path.data(), 1, path.size(), stdout);
  std::fputc('\n', stdout);
}

// The files to work on, in the order of the arguments. A folder's files come in
// search order for --list, as the window shows its found list; for a conversion
// they come last found first, the order in which the window's batch takes them.
std::vector<std::string> CollectFiles(const CliOptions& options) {
  std::vector<std::string> files;
  for (const std::string& path : options.paths) {
    if (path == kStdinPath) {
      continue;
    }
    if (!IsFolder(path)) {
      files.push_back(path);
      continue;
    }
    std::vector<std::string> found;
    const FoundPathSink sink = [&found](std::string foundPath) {
      found.push_back(std::move(foundPath));
      return true;
    };
    if (options.recursive) {
      FindFilesRecursive(path, options.mask, sink);
    } else {
      FindFiles(path, options.mask, sink);
    }
    if (options.list) {
      files.insert(files.end(), found.begin(), found.end());
    } else {
      files.insert(files.end(), found.rbegin(), found.rend());
    }
  }
  return files;
}

struct Tally {
  std::size_t converted = 0;
  std::size_t unchanged = 0;
  std::size_t failed = 0;
};

class ProgressLine {
 public:
  explicit ProgressLine(std::size_t total)
      : total_(total), shown_(total > kProgressThreshold && StandardErrorIsTerminal()) {}
  ~ProgressLine() {
    if (shown_) {
      std::fputc('\n', stderr);
    }
  }
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void Done(std::size_t count) const {
    if (shown_ && (count % kProgressStep == 0 || count == total_)) {
      std::fprintf(stderr, "\r converted %zu/%zu", count, total_);
      std::fflush(stderr);
    }
  }

 private:
  std::size_t total_;
  bool shown_;
};

void ConvertFile(const std::string& path, const CliOptions& options, Tally& tally) {
  const std::optional<std::string> original = TryReadWholeFile(path);
  if (!original) {
    ReportFileError(path, "cannot read");
    ++tally.failed;
    return;
  }
  const std::string converted = ApplyPasses(*original, options.passes);
  if (converted == *original) {
    ++tally.unchanged;
    return;
  }
  if (options.dryRun) {
    PrintPath(path);
    ++tally.converted;
    return;
  }
  const WriteResult result = TryWriteWholeFile(path, converted);
  if (result != WriteResult::kWritten) {
    ReportFileError(path, DescribeWriteResult(result));
    ++tally.failed;
    return;
  }
  ++tally.converted;
}

void PrintSummary(const Tally& tally, bool dryRun) {
  std::fprintf(stderr, "%zu %s, %zu unchanged, %zu failed\n", tally.converted,
               dryRun ? "to convert" : "converted", tally.unchanged, tally.failed);
}

bool NamesStandardInput(const CliOptions& options) {
  for (const std::string& path : options.paths) {
    if (path == kStdinPath) {
      return true;
    }
  }
  return false;
}

}  // namespace

int FilterStandardInput(PassSelection passes, bool dryRun) {
  std::optional<std::string> text = ReadStandardInput();
  if (!text) {
    std::fputs("quellor-cli: cannot read standard input\n", stderr);
    return 1;
  }
  if (dryRun) {
    if (ApplyPasses(*text, passes) != *text) {
      PrintPath(kStdinPath);
    }
    return 0;
  }
  if (!WriteStandardOutput(ApplyPasses(std::move(*text), passes))) {
    std::fputs("quellor-cli: cannot write standard output\n", stderr);
    return 1;
  }
  return 0;
}

int ConvertPaths(const CliOptions& options) {
  int status = 0;
  if (NamesStandardInput(options)) {
    status = FilterStandardInput(options.passes, options.dryRun);
  }
  const std::vector<std::string> files = CollectFiles(options);
  if (options.list) {
    for (const std::string& path : files) {
      PrintPath(path);
    }
    return status;
  }
  Tally tally;
  {
    const ProgressLine progress(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
      ConvertFile(files[i], options, tally);
      progress.Done(i + 1);
    }
  }
  std::fflush(stdout);
  PrintSummary(tally, options.dryRun);
  return tally.failed != 0 ? 1 : status;
}

}  // namespace quellor
