#include "app/main_form.h"

#include "app/control_ids.h"
#include "app/program_state.h"
#include "app/resources/resource_ids.h"
#include "app/window_messages.h"

namespace quellor {
namespace {

HICON LoadProgramIcon(int size) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                       MAKEINTRESOURCEA(QUELLOR_MAIN_ICON), IMAGE_ICON, size, size,
                                       LR_DEFAULTCOLOR | LR_SHARED));
}

}  // namespace

MainForm::MainForm() {
  theMainForm = this;

  MainWindow.Create("Quellor", 390, 151, 394, 405, LoadProgramIcon(GetSystemMetrics(SM_CXICON)),
                    LoadProgramIcon(GetSystemMetrics(SM_CXSMICON)));
  MainWindow.MakeMainWindow();
  // The form itself lives until the process ends (see EndProcess).
  MainWindow.AttachEmptyMenuBar();
  FileDialog.SetFilter("|*.txt||*.*");
  LogMenu.Create();
  LogMenu.AddItem("Очистить сообщения", [this] { ClearMessages(); });

  ConditionsPanel.Create(MainWindow, kConditionsPanelId, "Условия", {216, 8, 164, 161});
  const HWND conditions = ConditionsPanel.hwnd();
  MaskLabel.Create(MainWindow, conditions, kMaskLabelId, "Маска", 13, 125);
  AllFoldersCheck.Create(MainWindow, conditions, kAllFoldersCheckId, "Все папки", 21, 85);
  AllFoldersCheck.SetChecked(true);
  MaskEdit.Create(MainWindow, conditions, kMaskEditId, "*.txt", {61, 125, 89, 22});
  HrefCheck.Create(MainWindow, conditions, kHrefCheckId, "Тег href", 21, 21);
  HrefCheck.SetChecked(true);
  SrcCheck.Create(MainWindow, conditions, kSrcCheckId, "Тег src", 21, 42);
  SrcCheck.SetChecked(true);
  AddItemCheck.Create(MainWindow, conditions, kAddItemCheckId, "Тег addItem", 21, 63);
  AddItemCheck.SetChecked(true);

  MessagesPanel.Create(MainWindow, kMessagesPanelId, "Сообщения", {8, 176, 377, 217});
  MessageLog.Create(MainWindow, MessagesPanel.hwnd(), kMessageLogId, {13, 21, 345, 177});
  MessageLog.SetOnContextMenu([this](POINT where) { LogMenu.Show(MainWindow.hwnd(), where); });

  OperationsPanel.Create(MainWindow, kOperationsPanelId, "Операции", {8, 8, 209, 161});
  const HWND operations = OperationsPanel.hwnd();
  ChooseFolderButton.Create(MainWindow, operations, kChooseFolderButtonId, "Выбрать директорию",
                            {21, 49, 153, 22});
  ShowFoundButton.Create(MainWindow, operations, kShowFoundButtonId, "Показать найденое",
                         {21, 93, 153, 22});
  SaveListButton.Create(MainWindow, operations, kSaveListButtonId, "Сохранить список",
                        {21, 115, 153, 22});
  ProcessAllButton.Create(MainWindow, operations, kProcessAllButtonId, "Обработать все",
                          {21, 71, 153, 22});
  LoadOneFileButton.Create(MainWindow, operations, kLoadOneFileButtonId, "Загрузить 1 файл",
                           {21, 29, 153, 20});

  FileDialog.SetOwner(MainWindow.hwnd());
  FolderDialog.SetOwner(MainWindow.hwnd());

  LoadOneFileButton.SetOnClick([this] { LoadOneFile(); });
  ProcessAllButton.SetOnClick([this] { ProcessAll(); });
  ShowFoundButton.SetOnClick([this] { ShowFound(); });
  SaveListButton.SetOnClick([this] { SaveList(); });
  MaskEdit.UseWindowColour();
  // Connected only now, after the box got its first text: that is no change.
  MaskEdit.SetOnChange([this] { MaskChanged(); });
  MessageLog.UseWindowColour();
  ChooseFolderButton.SetOnClick([this] { ChooseFolder(); });

  WindowCreated();
}

void MainForm::WindowCreated() {
  FoundFiles.Clear();
  FileMask.Set(MaskEdit.Text());
  MainWindow.SetMessageHook([this](UINT message, WPARAM wParam, LPARAM lParam) {
    return BatchMessageHook(message, wParam, lParam);
  });
  MainWindow.SetFirstFocus(AllFoldersCheck.hwnd());
}

void MainForm::AppendToLog(std::string_view text) {
  MainWindow.RunOnWindowThread([this, text] {
    std::string whole = MessageLog.Text();
    whole.append(text);
    MessageLog.SetText(whole);
  });
}

void MainForm::ReplaceFirstLogLine(std::string_view text) {
  MainWindow.RunOnWindowThread(
      [this, text] { MessageLog.ReplaceRange(0, MessageLog.FirstLineEnd(), text); });
}

void MainForm::ClearLog() {
  MainWindow.RunOnWindowThread([this] { MessageLog.SetText({}); });
}

void MainForm::SetPanelsEnabled(bool enabled) {
  OperationsPanel.SetEnabled(enabled);
  ConditionsPanel.SetEnabled(enabled);
}

void MainForm::EndProcess() {
  // Taken for good: a conversion in the middle of its file finishes it first, and
  // none starts another before the process is gone.
  fileWorkMutex_.lock();
  ExitProcess(0);
}

}  // namespace quellor
