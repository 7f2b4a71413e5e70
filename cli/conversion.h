#pragma once
// What quellor-cli does once its command line is understood. Each returns the
// process exit status.

#include "cli/options.h"

namespace quellor {

// Standard input through the passes to standard output, binary-safe.
int FilterStandardInput(PassSelection passes, bool dryRun);

// Converts (or with --list / --dry-run only names) every file of options.paths,
// searching the folders among them; reports on standard error.
int ConvertPaths(const CliOptions& options);

}  // namespace quellor
