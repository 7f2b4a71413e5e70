#pragma once
// The main window of the program: three panels with the command buttons, the
// conditions and the message log, the two dialogs and the log's context menu.
// The command handlers are its methods; the workers reach it through the
// program-wide reference.

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <string_view>

#include "app/found_files.h"
#include "ui/check_box.h"
#include "ui/file_dialog.h"
#include "ui/folder_dialog.h"
#include "ui/label.h"
#include "ui/line_edit.h"
#include "ui/log_edit.h"
#include "ui/panel.h"
#include "ui/popup_menu.h"
#include "ui/push_button.h"
#include "ui/window.h"

namespace quellor {

class MainForm {
 public:
  MainForm();
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // The three operations on the message log. Each may be called from any thread
  // and takes effect as a whole on the window thread.
  void AppendToLog(std::string_view text);
  void ReplaceFirstLogLine(std::string_view text);
  void ClearLog();

  // Bodies of the worker threads.
  void RunSearch(FoundFileList::Generation generation, bool recursive);
  void ConvertLastFile();

  // Lets a file conversion in progress finish, then ends the process with exit
  // code 0. The objects stay alive to the end, so no worker ever meets a released one.
  [[noreturn]] void EndProcess();

  // The fields, in this order.
  ui::Window MainWindow;
  ui::Panel OperationsPanel;
  ui::PushButton ChooseFolderButton;
  ui::PushButton LoadOneFileButton;
  ui::PushButton ProcessAllButton;
  ui::PushButton ShowFoundButton;
  ui::PushButton SaveListButton;
  ui::Panel ConditionsPanel;
  ui::CheckBox HrefCheck;
  ui::CheckBox SrcCheck;
  ui::CheckBox AddItemCheck;
  ui::CheckBox AllFoldersCheck;
  ui::LineEdit MaskEdit;
  ui::Label MaskLabel;
  ui::Panel MessagesPanel;
  ui::LogEdit MessageLog;
  ui::FileDialog FileDialog;
  ui::FolderDialog FolderDialog;
  ui::PopupMenu LogMenu;

 private:
  void WindowCreated();

  // Commands.
  void ChooseFolder();
  void LoadOneFile();
  void ProcessAll();
  void ShowFound();
  void SaveList();
  void MaskChanged();
  void ClearMessages();

  bool BatchMessageHook(UINT message, WPARAM wParam, LPARAM lParam);
  // The commands of the two panels do nothing during a batch, even when reached
  // past the disabled panels (BM_CLICK sent from another program).
  bool BatchRunning() const { return batchRunning_; }
  void FinishSearch(FoundFileList::Generation generation);
  bool StartConversionThread();
  // Window thread: the batch is over, both panels take input again.
  void EndBatch();
  void SetPanelsEnabled(bool enabled);

  // Set while a batch runs, from the command to the end of its last file.
  std::atomic<bool> batchRunning_{false};
  // Set while a conversion thread works on a file: one at a time.
  std::atomic<bool> conversionRunning_{false};
  // Held around each conversion's read-convert-write.
  std::mutex fileWorkMutex_;
};

}  // namespace quellor
