// Timings of the real window under Wine, for the README's figures: showing a
// long found list, and a batch over many small files while the window is kept
// answering. Usage: quellor_gui_bench SHOW_FOLDER BATCH_FOLDER
// (folders as Windows paths; each is searched recursively with "*.txt").
// Prints one "name value unit" line per figure.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "tests/gui/driver/controls.h"
#include "tests/gui/driver/wait.h"
#include "tests/gui/quellor_window.h"

namespace quellor::gui {
namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

bool TimeShow(const std::string& folder) {
  QuellorWindow app;
  if (!app.started()) return false;
  const LARGE_INTEGER search_start = Now();
  const std::optional<size_t> count = app.Search(folder);
  const LARGE_INTEGER search_end = Now();
  if (!count) return false;
  const size_t before = app.Log().size();
  // Every path ends in CR LF: the log is complete when it has count more line ends.
  const LARGE_INTEGER show_start = Now();
  SendClick(app.controls().show_found);
  const bool complete = WaitUntil(
      [&] {
        const std::string log = app.Log();
        return static_cast<size_t>(std::count(log.begin() + before, log.end(), '\n')) >= *count;
      },
      600000);
  const LARGE_INTEGER show_end = Now();
  std::printf("search_files %zu files\n", *count);
  std::printf("search_seconds %.3f s (folder dialog confirmed to count line)\n",
              Seconds(search_start, search_end));
  std::printf("show_found_seconds %.3f s\n", Seconds(show_start, show_end));
  std::printf("log_bytes %zu bytes\n", app.Log().size());
  return complete;
}

bool TimeBatch(const std::string& folder) {
  QuellorWindow app;
  if (!app.started()) return false;
  const std::optional<size_t> count = app.Search(folder);
  if (!count) return false;
  const LARGE_INTEGER start = Now();
  SendClick(app.controls().process_all);
  // While the batch runs, the window must keep answering: the longest answer
  // to an empty message sent every 50 ms is the freeze measure.
  double longest_answer = 0;
  size_t probes = 0, unanswered = 0;
  while (!app.PanelsEnabled()) {
    const LARGE_INTEGER sent = Now();
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(app.window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored)) {
      ++unanswered;
    }
    longest_answer = std::max(longest_answer, Seconds(sent, Now()));
    ++probes;
    if (Seconds(start, Now()) > 3600) return false;
    Sleep(50);
  }
  const double seconds = Seconds(start, Now());
  const bool counted_down = app.Log().rfind(RemainingLine(0), 0) == 0;
  std::printf("batch_files %zu files\n", *count);
  std::printf("batch_seconds %.3f s\n", seconds);
  std::printf("batch_files_per_second %.0f files/s\n", static_cast<double>(*count) / seconds);
  std::printf("batch_longest_answer_ms %.1f ms (over %zu probes, %zu unanswered)\n",
              longest_answer * 1000, probes, unanswered);
  std::printf("batch_counted_down_to_0 %s\n", counted_down ? "yes" : "no");
  return counted_down && unanswered == 0;
}

}  // namespace
}  // namespace quellor::gui

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quellor_gui_bench SHOW_FOLDER BATCH_FOLDER\n");
    return 2;
  }
  bool ok = quellor::gui::TimeShow(argv[1]);
  ok = quellor::gui::TimeBatch(argv[2]) && ok;
  return ok ? 0 : 1;
}
