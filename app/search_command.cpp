// Choosing a folder and searching it for the files a batch will convert.

#include <cstdint>

#include "app/file_search.h"
#include "app/log_texts.h"
#include "app/main_form.h"
#include "app/program_state.h"
#include "app/worker_threads.h"

namespace quellor {

void MainForm::ChooseFolder() {
  if (BatchRunning() || !FolderDialog.Show()) return;
  ClearLog();
  const FoundFileList::Generation generation = FoundFiles.BeginSearch();
  AppendToLog(SearchWarningText());
  auto* argument = reinterpret_cast<void*>(static_cast<std::uintptr_t>(generation));
  const bool started =
      StartWorker(AllFoldersCheck.IsChecked() ? RecursiveSearchThread : FlatSearchThread, argument);
  // A search that never ran has found nothing; a batch must not wait for it.
  if (!started) FinishSearch(generation);
}

void MainForm::RunSearch(FoundFileList::Generation generation, bool recursive) {
  const std::string folder = FolderDialog.Path();
  const std::string mask = FileMask.Get();
  const FoundPathSink sink = [generation](std::string path) {
    return FoundFiles.Add(generation, std::move(path));
  };
  const auto search = recursive ? &FindFilesRecursive : &FindFiles;
  search(folder, mask, sink);
  FinishSearch(generation);
}

// Decided on the window thread, where a newer folder choice would also run, so a
// superseded search can never put its count under the newer search's warning.
void MainForm::FinishSearch(FoundFileList::Generation generation) {
  MainWindow.RunOnWindowThread([this, generation] {
    if (const auto count = FoundFiles.FinishSearch(generation)) {
      AppendToLog(FoundCountLine(*count));
    }
  });
}

}  // namespace quellor
