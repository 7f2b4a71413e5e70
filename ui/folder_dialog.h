#pragma once
// The shell's folder-browsing dialog: the whole namespace from the desktop down,
// no title, only file-system folders. It keeps the path of the last confirmed
// folder; the path may be read from any thread.

#include <windows.h>

#include <mutex>
#include <string>

namespace quellor::ui {

class FolderDialog {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  // Shows the dialog modally over its owner (COM must be initialised on the
  // calling thread); true when the user confirmed a folder.
  bool Show();
  std::string Path() const;

 private:
  HWND owner_ = nullptr;
  mutable std::mutex pathMutex_;
  std::string path_;
};

}  // namespace quellor::ui
