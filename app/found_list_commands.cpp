// The small commands on the found list, the mask box and the log.

#include "app/log_texts.h"
#include "app/main_form.h"
#include "app/program_state.h"
#include "files/whole_file.h"

namespace quellor {

// One append per path, all on this thread with nothing in between, ends exactly
// as one append of them all would; doing it at once keeps 20,000 paths from
// re-sending the growing log 20,000 times.
void MainForm::ShowFound() {
  if (BatchRunning()) return;
  const std::string lines = FoundListText(FoundFiles.Snapshot());
  if (!lines.empty()) AppendToLog(lines);
}

void MainForm::SaveList() {
  if (BatchRunning()) return;
  FileDialog.SetMode(ui::FileDialog::Mode::kSave);
  if (!FileDialog.Show()) return;
  WriteWholeFile(FileDialog.FileName(), FoundListText(FoundFiles.Snapshot()));
}

void MainForm::MaskChanged() { FileMask.Set(MaskEdit.Text()); }

void MainForm::ClearMessages() { ClearLog(); }

}  // namespace quellor
