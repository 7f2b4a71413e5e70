// Parsing of quellor-cli's arguments. Strict on purpose: an unknown option or pass
// name is refused rather than guessed at, since a wrong guess rewrites files.

#include "cli/options.h"

#include <algorithm>
#include <string_view>

namespace quellor {
namespace {

constexpr std::string_view kPassesOption = "--passes=";
constexpr std::string_view kMaskOption = "--mask=";

bool StartsWith(std::string_view text, std::string_view head) {
  return text.substr(0, head.size()) == head;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) {
             return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
           };
           return lower(x) == lower(y);
         });
}

// Sets passes from "href,src,additem" (any subset, any order); false with error set
// on an unknown or empty name.
bool ParsePassList(std::string_view list, PassSelection& passes, std::string& error) {
  passes = PassSelection{false, false, false};
  for (;;) {
    const std::size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    if (EqualsIgnoringAsciiCase(name, "href")) {
      passes.href = true;
    } else if (EqualsIgnoringAsciiCase(name, "src")) {
      passes.src = true;
    } else if (EqualsIgnoringAsciiCase(name, "additem")) {
      passes.addItem = true;
    } else {
      error = name.empty()
                  ? "--passes: empty pass name (use href, src, additem)"
                  : "--passes: unknown pass '" + std::string(name) + "' (use href, src, additem)";
      return false;
    }
    if (comma == std::string_view::npos) {
      return true;
    }
    list.remove_prefix(comma + 1);
  }
}

// Grouped short flags such as "-rn".
bool ParseShortFlags(std::string_view flags, CliOptions& options, std::string& error) {
  for (const char flag : flags) {
    switch (flag) {
      case 'n':
        options.dryRun = true;
        break;
      case 'r':
        options.recursive = true;
        break;
      case 'h':
        options.help = true;
        break;
      default:
        error = std::string("unknown option '-") + flag + "'";
        return false;
    }
  }
  return true;
}

bool ParseOption(const std::string& arg, CliOptions& options, std::string& error) {
  if (arg == "--dry-run") {
    options.dryRun = true;
  } else if (arg == "--recursive") {
    options.recursive = true;
  } else if (arg == "--list") {
    options.list = true;
  } else if (arg == "--help") {
    options.help = true;
  } else if (StartsWith(arg, kPassesOption)) {
    return ParsePassList(std::string_view(arg).substr(kPassesOption.size()), options.passes, error);
  } else if (StartsWith(arg, kMaskOption)) {
    options.mask = arg.substr(kMaskOption.size());
  } else if (arg == "--passes" || arg == "--mask") {
    error = "option '" + arg + "' needs a value: " + arg + "=...";
    return false;
  } else if (StartsWith(arg, "--")) {
    error = "unknown option '" + arg + "'";
    return false;
  } else {
    return ParseShortFlags(std::string_view(arg).substr(1), options, error);
  }
  return true;
}

bool CheckCombination(const CliOptions& options, std::string& error) {
  const auto stdinCount = std::count(options.paths.begin(), options.paths.end(), kStdinPath);
  if (stdinCount > 1) {
    error = "standard input ('-') can be named only once";
  } else if (options.list && options.dryRun) {
    error = "--list and --dry-run do not go together";
  } else if (options.list && (options.paths.empty() || stdinCount != 0)) {
    error = "--list needs folders or files, not standard input";
  } else {
    return true;
  }
  return false;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine result;
  CliOptions options;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      options.paths.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (!ParseOption(arg, options, result.error)) {
      return result;
    }
  }
  if (!options.help && !CheckCombination(options, result.error)) {
    return result;
  }
  result.options = std::move(options);
  return result;
}

const char* UsageText() {
  return "Usage: quellor-cli [OPTIONS] [PATH...]\n"
         "Lowercases link targets in web files: every href=\"...\" and src=\"...\" value\n"
         "(double or single quotes) and the second argument of every addItem( call.\n"
         "Files are handled as raw bytes; nothing else in them changes.\n"
         "\n"
         "With no PATH, or PATH '-', reads standard input and writes the result to\n"
         "standard output. A file PATH is converted in place; a file whose text would\n"
         "not change is left untouched and counted as unchanged. A folder PATH is\n"
         "searched for files matching the mask, which are converted in place, the last\n"
         "one found first. Files and folders can be mixed.\n"
         "\n"
         "Options:\n"
         "  --passes=LIST    comma-separated subset of href,src,additem (default: all);\n"
         "                   they always run in the order href, src, additem\n"
         "  -n, --dry-run    print the paths that would change; write nothing\n"
         "  --mask=MASK      file mask for folders, with * and ? (default: *.txt);\n"
         "                   an empty mask takes every file\n"
         "  -r, --recursive  search folders with all of their subfolders\n"
         "  --list           print the files that would be converted; convert nothing\n"
         "  -h, --help       print this help\n"
         "  --               end of options: every later argument is a PATH\n"
         "\n"
         "Errors go to standard error, followed by a summary line\n"
         "\"N converted, N unchanged, N failed\". Exit status: 0 success, 1 when any\n"
         "file failed, 2 on a usage error.\n";
}

}  // namespace quellor
