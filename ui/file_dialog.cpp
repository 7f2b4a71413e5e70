#include "ui/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <array>

#include "ui/dialog_filter.h"

namespace quellor::ui {

void FileDialog::SetFilter(std::string_view barSeparated) {
  filter_ = OpenFileNameFilter(barSeparated);
}

bool FileDialog::Show() {
  std::array<char, kMaxPath> name{};
  std::copy_n(fileName_.begin(), std::min<std::size_t>(fileName_.size(), name.size() - 1),
              name.begin());

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
  dialog.nFilterIndex = filterIndex_;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = kMaxPath;
  // The system's save dialog otherwise insists on an existing file as well.
  dialog.Flags = kOptions;

  const BOOL confirmed =
      mode_ == Mode::kOpen ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
  if (!confirmed) {
    fileName_.clear();
    return false;
  }
  fileName_.assign(name.data());
  filterIndex_ = dialog.nFilterIndex;
  return true;
}

}  // namespace quellor::ui
