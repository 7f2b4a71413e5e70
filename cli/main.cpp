// quellor-cli: the link-case conversion from the command line.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/conversion.h"
#include "cli/options.h"

namespace {

int Run(const std::vector<std::string>& args) {
  const quellor::ParsedCommandLine parsed = quellor::ParseCommandLine(args);
  if (!parsed.options) {
    std::fprintf(stderr, "quellor-cli: %s\n\n%s", parsed.error.c_str(), quellor::UsageText());
    return 2;
  }
  const quellor::CliOptions& options = *parsed.options;
  if (options.help) {
    std::fputs(quellor::UsageText(), stdout);
    return 0;
  }
  if (options.paths.empty()) {
    return quellor::FilterStandardInput(options.passes, options.dryRun);
  }
  return quellor::ConvertPaths(options);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quellor-cli: %s\n", error.what());
    return 1;
  }
}
