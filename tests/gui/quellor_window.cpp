#include "tests/gui/quellor_window.h"

#include "tests/gui/driver/controls.h"
#include "tests/gui/driver/dialogs.h"
#include "tests/gui/driver/wait.h"

namespace quellor::gui {
namespace {

HWND ChildOf(HWND parent, std::string_view class_name, std::string_view caption) {
  return parent == nullptr ? nullptr : FindControl(parent, class_name, caption);
}

// The log is the one multi-line edit box on its panel.
HWND MultiLineEditOf(HWND panel) {
  if (panel == nullptr) return nullptr;
  for (HWND child : Descendants(panel)) {
    if (ClassOf(child) == "Edit" && (StyleOf(child) & ES_MULTILINE)) return child;
  }
  return nullptr;
}

HWND SingleLineEditOf(HWND panel) {
  if (panel == nullptr) return nullptr;
  for (HWND child : Descendants(panel)) {
    if (ClassOf(child) == "Edit" && !(StyleOf(child) & ES_MULTILINE)) return child;
  }
  return nullptr;
}

bool IsGone(HWND window) { return !IsWindow(window) || !IsWindowVisible(window); }

// The dialog window goes before the command behind it has done its work: wait
// for the window to take input again and for its thread to come back to the
// message loop, which it does only once the command has returned.
bool CommandEnded(HWND window, DWORD process_id) {
  if (!WaitForNoDialog(process_id, kPatience)) return false;
  if (!WaitUntil([&] { return IsWindowEnabled(window) != FALSE; })) return false;
  Settle(window);
  return true;
}

}  // namespace

std::string FoundLine(size_t count) {
  return std::string(kFoundPrefix) + std::to_string(count) + "\r\n";
}

std::string RemainingLine(size_t count) {
  return "Осталось " + std::to_string(count) + " файлов\r\n";
}

QuellorWindow::QuellorWindow() : program_(std::make_unique<ProgramUnderTest>(QUELLOR_EXE)) {
  HWND top = program_->window();
  if (top == nullptr) return;
  MainControls& c = controls_;
  c.operations_panel = FindControl(top, "Static", "Операции");
  c.conditions_panel = FindControl(top, "Static", "Условия");
  c.messages_panel = FindControl(top, "Static", "Сообщения");
  c.choose_folder = ChildOf(c.operations_panel, "Button", "Выбрать директорию");
  c.load_one_file = ChildOf(c.operations_panel, "Button", "Загрузить 1 файл");
  c.process_all = ChildOf(c.operations_panel, "Button", "Обработать все");
  c.show_found = ChildOf(c.operations_panel, "Button", "Показать найденое");
  c.save_list = ChildOf(c.operations_panel, "Button", "Сохранить список");
  c.href_check = ChildOf(c.conditions_panel, "Button", "Тег href");
  c.src_check = ChildOf(c.conditions_panel, "Button", "Тег src");
  c.add_item_check = ChildOf(c.conditions_panel, "Button", "Тег addItem");
  c.all_folders_check = ChildOf(c.conditions_panel, "Button", "Все папки");
  c.mask_label = ChildOf(c.conditions_panel, "Static", "Маска");
  c.mask_edit = SingleLineEditOf(c.conditions_panel);
  c.message_log = MultiLineEditOf(c.messages_panel);
}

bool QuellorWindow::started() const {
  const MainControls& c = controls_;
  for (HWND control :
       {c.operations_panel, c.choose_folder, c.load_one_file, c.process_all, c.show_found,
        c.save_list, c.conditions_panel, c.href_check, c.src_check, c.add_item_check,
        c.all_folders_check, c.mask_edit, c.mask_label, c.messages_panel, c.message_log}) {
    if (control == nullptr) return false;
  }
  return program_->window() != nullptr;
}

std::string QuellorWindow::Log() const { return TextOf(controls_.message_log); }

bool QuellorWindow::WaitForLog(std::string_view text) const {
  return WaitUntil([&] { return Log() == text; });
}

bool QuellorWindow::PanelsEnabled() const {
  return IsEnabled(controls_.operations_panel) && IsEnabled(controls_.conditions_panel);
}

bool QuellorWindow::ChooseFolder(const std::string& folder) {
  PostClick(controls_.choose_folder);
  HWND dialog = WaitForFolderDialog(process_id(), kPatience);
  if (dialog == nullptr) return false;
  if (!SelectFolder(dialog, process_id(), folder)) {
    PressButton(dialog, IDCANCEL);
    return false;
  }
  PressButton(dialog, IDOK);
  return WaitUntil([&] { return !IsWindow(dialog); }) && CommandEnded(window(), process_id());
}

bool QuellorWindow::CancelFolderChoice() {
  PostClick(controls_.choose_folder);
  HWND dialog = WaitForFolderDialog(process_id(), kPatience);
  if (dialog == nullptr) return false;
  PressButton(dialog, IDCANCEL);
  return WaitUntil([&] { return !IsWindow(dialog); }) && CommandEnded(window(), process_id());
}

std::optional<size_t> QuellorWindow::WaitForCountLine() const {
  std::optional<size_t> count;
  WaitUntil([&] {
    const std::string log = Log();
    const size_t at = log.find(kFoundPrefix);
    if (at == std::string::npos) return false;
    const size_t end = log.find("\r\n", at);
    if (end == std::string::npos) return false;
    count = std::stoul(log.substr(at + kFoundPrefix.size(), end - at - kFoundPrefix.size()));
    return true;
  });
  return count;
}

std::optional<size_t> QuellorWindow::Search(const std::string& folder) {
  if (!ChooseFolder(folder)) return std::nullopt;
  return WaitForCountLine();
}

bool QuellorWindow::AnswerFileDialog(const DialogAnswer& answer, bool replace) {
  HWND dialog = WaitForFileDialog(process_id(), kPatience);
  if (dialog == nullptr) return false;
  proposals_.push_back(Proposal{ProposedName(dialog), FilterIndex(dialog), FilterCount(dialog)});
  if (answer.filter >= 0) ChooseFilter(dialog, answer.filter);
  if (!answer.confirm) {
    PressButton(dialog, IDCANCEL);
    return WaitUntil([&] { return !IsWindow(dialog); });
  }
  if (!answer.name.empty()) SetName(dialog, answer.name);
  PressButton(dialog, IDOK);
  HWND question = nullptr;
  WaitUntil([&] {
    if (IsGone(dialog)) return true;
    question = WaitForQuestion(process_id(), 0);
    return question != nullptr;
  });
  if (question != nullptr) {
    PressButton(question, replace ? IDYES : IDNO);
    if (!replace) {
      WaitUntil([&] { return IsGone(question); });
      PressButton(dialog, IDCANCEL);
    }
  }
  return WaitUntil([&] { return !IsWindow(dialog); });
}

bool QuellorWindow::LoadOneFile(const DialogAnswer& open, const DialogAnswer& save, bool replace) {
  PostClick(controls_.load_one_file);
  return AnswerFileDialog(open, replace) && AnswerFileDialog(save, replace) &&
         CommandEnded(window(), process_id());
}

bool QuellorWindow::SaveList(const DialogAnswer& save, bool replace) {
  PostClick(controls_.save_list);
  return AnswerFileDialog(save, replace) && CommandEnded(window(), process_id());
}

bool QuellorWindow::ProcessAllAndWait() {
  SendClick(controls_.process_all);
  return WaitUntil([&] { return PanelsEnabled(); }, 120000);
}

bool QuellorWindow::ClearLogThroughMenu() {
  // A position of -1, -1 is how the keyboard's menu key asks for the menu.
  PostMessageA(controls_.message_log, WM_CONTEXTMENU,
               reinterpret_cast<WPARAM>(controls_.message_log), static_cast<LPARAM>(-1));
  HWND menu = WaitForPopupMenu(process_id(), kPatience);
  if (menu == nullptr) return false;
  ChooseFirstMenuItem(menu);
  return WaitUntil([&] { return IsGone(menu); });
}

}  // namespace quellor::gui
