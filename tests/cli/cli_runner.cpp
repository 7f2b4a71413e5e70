#include "tests/cli/cli_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quellor::testing {
namespace {

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

std::string ScratchName(const char* what) {
  static int counter = 0;
  return "/tmp/quellor-cli-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++) +
         "." + what;
}

}  // namespace

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    throw std::runtime_error("cannot write " + path);
  }
}

CliRun RunCli(const std::vector<std::string>& args, const CliInput& input) {
  const std::string in = ScratchName("in");
  const std::string out = ScratchName("out");
  const std::string err = ScratchName("err");
  WriteBytes(in, input.bytes);
  std::string command;
  if (!input.workingFolder.empty()) {
    command += "cd " + Quoted(input.workingFolder) + " && ";
  }
  if (input.throughPipe) {
    command += "cat " + Quoted(in) + " | ";
  }
  command += Quoted(QUELLOR_CLI_PATH);
  for (const std::string& arg : args) {
    command += " " + Quoted(arg);
  }
  if (!input.throughPipe) {
    command += " <" + Quoted(in);
  }
  command += " >" + Quoted(out) + " 2>" + Quoted(err);
  const int status = std::system(command.c_str());
  CliRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadBytes(out);
  run.err = ReadBytes(err);
  unlink(in.c_str());
  unlink(out.c_str());
  unlink(err.c_str());
  return run;
}

CliRun RunCliOnTerminal(const std::vector<std::string>& args) {
  std::string cli = Quoted(QUELLOR_CLI_PATH);
  for (const std::string& arg : args) {
    cli += " " + Quoted(arg);
  }
  const std::string out = ScratchName("out");
  const std::string command =
      "script -qec " + Quoted(cli) + " /dev/null </dev/null >" + Quoted(out);
  const int status = std::system(command.c_str());
  CliRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadBytes(out);
  unlink(out.c_str());
  return run;
}

}  // namespace quellor::testing
