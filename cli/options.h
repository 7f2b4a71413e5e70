#pragma once
// What the command line asks quellor-cli to do.

#include <optional>
#include <string>
#include <vector>

#include "rewrite/link_case.h"

namespace quellor {

inline constexpr const char* kStdinPath = "-";

struct CliOptions {
  PassSelection passes;
  bool dryRun = false;
  bool list = false;
  bool recursive = false;
  bool help = false;
  std::string mask = "*.txt";      // the window's initial mask; empty = every file
  std::vector<std::string> paths;  // empty: filter standard input
};

struct ParsedCommandLine {
  std::optional<CliOptions> options;  // nullopt: a usage error, described by error
  std::string error;
};

// args are the arguments after the program name.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

const char* UsageText();

}  // namespace quellor
