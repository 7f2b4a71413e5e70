#pragma once
// Quellor's main window as a test sees it: the program started, its controls
// found by class and caption, and the user's steps (choose a folder, convert
// one file, save the list, ...) done through the real buttons and dialogs.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/gui/driver/program.h"

namespace quellor::gui {

// The log's fixed texts.
inline constexpr std::string_view kSearchWarning =
    "Процес может быть длительным!\r\nПодождите!\r\n";
inline constexpr std::string_view kFoundPrefix = "НАЙДЕНО ФАЙЛОВ ";
std::string FoundLine(size_t count);      // "НАЙДЕНО ФАЙЛОВ n\r\n"
std::string RemainingLine(size_t count);  // "Осталось n файлов\r\n"

struct MainControls {
  HWND operations_panel = nullptr;
  HWND choose_folder = nullptr;
  HWND load_one_file = nullptr;
  HWND process_all = nullptr;
  HWND show_found = nullptr;
  HWND save_list = nullptr;
  HWND conditions_panel = nullptr;
  HWND href_check = nullptr;
  HWND src_check = nullptr;
  HWND add_item_check = nullptr;
  HWND all_folders_check = nullptr;
  HWND mask_edit = nullptr;
  HWND mask_label = nullptr;
  HWND messages_panel = nullptr;
  HWND message_log = nullptr;
};

// What to do at one display of the file dialog: confirm a name (empty: the
// proposed one) or cancel.
struct DialogAnswer {
  bool confirm = true;
  std::string name;
  int filter = -1;  // a filter entry to choose first; -1 leaves it
  static DialogAnswer Cancel() { return DialogAnswer{false, {}, -1}; }
  static DialogAnswer Confirm(std::string name = {}, int filter = -1) {
    return DialogAnswer{true, std::move(name), filter};
  }
};

// What one display of the file dialog showed when it came up.
struct Proposal {
  std::string name;
  int filter_index = -1;
  int filter_count = -1;
};

class QuellorWindow {
 public:
  QuellorWindow();
  // Null members mean the program or a control was not found.
  bool started() const;
  const MainControls& controls() const { return controls_; }
  HWND window() const { return program_->window(); }
  DWORD process_id() const { return program_->process_id(); }
  ProgramUnderTest& program() { return *program_; }

  std::string Log() const;
  // Waits until the log holds exactly this text; false after the deadline.
  bool WaitForLog(std::string_view text) const;
  bool PanelsEnabled() const;

  // Clicks "Выбрать директорию", selects the folder and confirms it. False when
  // a dialog did not come or did not take the folder.
  bool ChooseFolder(const std::string& folder);
  bool CancelFolderChoice();
  // ChooseFolder, then waits for the count line; the count found, or nullopt.
  std::optional<size_t> Search(const std::string& folder);
  // The count of the log's count line once it shows, or nullopt.
  std::optional<size_t> WaitForCountLine() const;

  // "Загрузить 1 файл" through both displays; replace answers the question
  // before replacing an existing file. False when a dialog did not show.
  bool LoadOneFile(const DialogAnswer& open, const DialogAnswer& save, bool replace = true);
  // "Сохранить список" through its display.
  bool SaveList(const DialogAnswer& save, bool replace = true);
  // What each display of the file dialog proposed, in order.
  const std::vector<Proposal>& proposals() const { return proposals_; }

  // "Обработать все", then waits for both panels to be enabled again.
  bool ProcessAllAndWait();
  // "Очистить сообщения" through the log's context menu.
  bool ClearLogThroughMenu();

 private:
  bool AnswerFileDialog(const DialogAnswer& answer, bool replace);

  std::unique_ptr<ProgramUnderTest> program_;
  MainControls controls_;
  std::vector<Proposal> proposals_;
};

}  // namespace quellor::gui
