#pragma once
// Runs the built quellor-cli as a user would, from a shell, with raw bytes in and out.

#include <string>
#include <vector>

namespace quellor::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

struct CliInput {
  std::string bytes;          // standard input
  bool throughPipe = false;   // a pipe rather than a redirected file
  std::string workingFolder;  // empty: the test's own
};

CliRun RunCli(const std::vector<std::string>& args, const CliInput& input = {});

// Runs it with a terminal for its standard streams; out holds what the terminal showed.
CliRun RunCliOnTerminal(const std::vector<std::string>& args);

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace quellor::testing
