// "Загрузить 1 файл": convert one chosen file and write it under a chosen name.

#include "app/main_form.h"
#include "app/same_file.h"
#include "files/whole_file.h"
#include "rewrite/link_case.h"

namespace quellor {

void MainForm::LoadOneFile() {
  if (BatchRunning()) return;
  std::string text;
  std::string source;
  bool unreadable = false;
  FileDialog.SetMode(ui::FileDialog::Mode::kOpen);
  if (FileDialog.Show()) {
    source = FileDialog.FileName();
    if (auto content = TryReadWholeFile(source)) {
      text = LowerSrcValues(LowerHrefValues(std::move(*content)));
    } else {
      unreadable = true;
    }
  }
  FileDialog.SetMode(ui::FileDialog::Mode::kSave);
  if (!FileDialog.Show()) return;
  const std::string& target = FileDialog.FileName();
  // A file we could not read must not be replaced by the empty text we hold for it.
  if (unreadable && IsSameFile(source, target)) return;
  WriteWholeFile(target, text);
}

}  // namespace quellor
