// "Обработать все": every found file converted in place, last found first, one
// thread per file, each thread asking for the next through WM_CONVERT_NEXT.

#include "app/log_texts.h"
#include "app/main_form.h"
#include "app/program_state.h"
#include "app/window_messages.h"
#include "app/worker_threads.h"
#include "files/whole_file.h"
#include "rewrite/link_case.h"

namespace quellor {
namespace {

// A file that cannot be read is left alone: writing the empty text back would
// destroy content nobody has seen.
void ConvertFileInPlace(const std::string& path, PassSelection passes) {
  try {
    if (auto text = TryReadWholeFile(path)) {
      WriteWholeFile(path, ApplyPasses(std::move(*text), passes));
    }
  } catch (...) {
    // Out of memory for a huge file: it stays as it was and the batch goes on.
  }
}

}  // namespace

void MainForm::ProcessAll() {
  if (BatchRunning() || FoundFiles.Count() == 0) return;
  OperationsPanel.SetEnabled(false);
  ConditionsPanel.SetEnabled(false);
  // A control on a disabled panel keeps the focus, and with it the keyboard.
  const HWND focus = GetFocus();
  if (focus != nullptr &&
      (IsChild(OperationsPanel.hwnd(), focus) || IsChild(ConditionsPanel.hwnd(), focus))) {
    SetFocus(MainWindow.hwnd());
  }
  batchRunning_ = true;
  conversionRunning_ = true;
  if (!StartConversionThread()) EndBatch();
}

// Only a running batch with no conversion at work starts one: a WM_CONVERT_NEXT
// sent from outside can neither start a second chain nor run outside a batch.
bool MainForm::BatchMessageHook(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
  if (message == WM_CONVERT_NEXT && batchRunning_ && !conversionRunning_.exchange(true)) {
    if (!StartConversionThread()) EndBatch();
  }
  return false;
}

bool MainForm::StartConversionThread() { return StartWorker(ConvertLastFileThread, nullptr); }

void MainForm::EndBatch() {
  conversionRunning_ = false;
  batchRunning_ = false;
  SetPanelsEnabled(true);
}

void MainForm::ConvertLastFile() {
  // With the list empty but its search still running, this waits for the next
  // path or the search's end: the batch converts all that the search reports.
  const auto taken = FoundFiles.WaitForLast();
  if (!taken) {
    MainWindow.RunOnWindowThread([this] { EndBatch(); });
    return;
  }
  // One request to the window thread for all three boxes: each round trip costs
  // far more under Wine than the conversion of a small file.
  PassSelection passes;
  const bool windowAnswered = MainWindow.RunOnWindowThread([this, &passes] {
    passes = {HrefCheck.IsChecked(), SrcCheck.IsChecked(), AddItemCheck.IsChecked()};
  });
  // The window is closing: the process ends, and no file is started any more.
  if (!windowAnswered) return;
  {
    std::lock_guard<std::mutex> lock(fileWorkMutex_);
    ConvertFileInPlace(taken->path, passes);
  }
  const FoundFileList::AfterRemoval after = FoundFiles.Remove(*taken);
  ReplaceFirstLogLine(RemainingCountLine(after.remaining));
  if (after.remaining > 0 || after.searchRunning) {
    conversionRunning_ = false;
    if (PostMessageA(MainWindow.hwnd(), WM_CONVERT_NEXT, 0, 0)) return;
  }
  MainWindow.RunOnWindowThread([this] { EndBatch(); });
}

}  // namespace quellor
