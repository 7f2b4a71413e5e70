// The main window right after the start, its log's context menu, resizing and
// closing, all observed from outside as a user's tools would see them.

#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <string>
#include <vector>

#include "tests/gui/driver/controls.h"
#include "tests/gui/driver/dialogs.h"
#include "tests/gui/driver/wait.h"
#include "tests/gui/quellor_window.h"

namespace quellor::gui {
namespace {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app_.started()) << "no Quellor window with all controls"; }
  QuellorWindow app_;
};

// One row of the layout; a width of 0 means "sized to its caption".
struct Placement {
  const char* name;
  HWND MainControls::*control;
  HWND MainControls::*parent;  // nullptr: the window itself
  const char* class_name;
  const char* caption;
  int left, top, width, height;
};

const Placement kLayout[] = {
    {"ConditionsPanel", &MainControls::conditions_panel, nullptr, "Static", "Условия", 216, 8, 164,
     161},
    {"MaskLabel", &MainControls::mask_label, &MainControls::conditions_panel, "Static", "Маска", 13,
     125, 0, 0},
    {"AllFoldersCheck", &MainControls::all_folders_check, &MainControls::conditions_panel, "Button",
     "Все папки", 21, 85, 0, 0},
    {"MaskEdit", &MainControls::mask_edit, &MainControls::conditions_panel, "Edit", "*.txt", 61,
     125, 89, 22},
    {"HrefCheck", &MainControls::href_check, &MainControls::conditions_panel, "Button", "Тег href",
     21, 21, 0, 0},
    {"SrcCheck", &MainControls::src_check, &MainControls::conditions_panel, "Button", "Тег src", 21,
     42, 0, 0},
    {"AddItemCheck", &MainControls::add_item_check, &MainControls::conditions_panel, "Button",
     "Тег addItem", 21, 63, 0, 0},
    {"MessagesPanel", &MainControls::messages_panel, nullptr, "Static", "Сообщения", 8, 176, 377,
     217},
    {"MessageLog", &MainControls::message_log, &MainControls::messages_panel, "Edit", "", 13, 21,
     345, 177},
    {"OperationsPanel", &MainControls::operations_panel, nullptr, "Static", "Операции", 8, 8, 209,
     161},
    {"ChooseFolderButton", &MainControls::choose_folder, &MainControls::operations_panel, "Button",
     "Выбрать директорию", 21, 49, 153, 22},
    {"ShowFoundButton", &MainControls::show_found, &MainControls::operations_panel, "Button",
     "Показать найденое", 21, 93, 153, 22},
    {"SaveListButton", &MainControls::save_list, &MainControls::operations_panel, "Button",
     "Сохранить список", 21, 115, 153, 22},
    {"ProcessAllButton", &MainControls::process_all, &MainControls::operations_panel, "Button",
     "Обработать все", 21, 71, 153, 22},
    {"LoadOneFileButton", &MainControls::load_one_file, &MainControls::operations_panel, "Button",
     "Загрузить 1 файл", 21, 29, 153, 20},
};

TEST_F(WindowTest, WindowHasItsCaptionPlaceSizeFrameMenuBarAndIcon) {
  HWND window = app_.window();
  EXPECT_EQ(TextOf(window), "Quellor");
  const RECT outer = RectInParent(window);
  EXPECT_EQ(outer.left, 390);
  EXPECT_EQ(outer.top, 151);
  const SIZE client = ClientSize(window);
  EXPECT_EQ(client.cx, 394);
  EXPECT_EQ(client.cy, 405);
  EXPECT_EQ(StyleOf(window) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_FALSE(IsIconic(window));
  EXPECT_FALSE(IsZoomed(window));

  HMENU menu_bar = GetMenu(window);
  ASSERT_NE(menu_bar, nullptr) << "the window carries a menu bar";
  EXPECT_EQ(RemoteMenuItemCount(menu_bar, app_.process_id()), 0) << "an empty one";

  EXPECT_GT(ExtractIconExA(WindowsPath(QUELLOR_EXE).c_str(), -1, nullptr, nullptr, 0), 0u)
      << "the program carries an icon";
}

TEST_F(WindowTest, EveryControlHasItsClassCaptionParentAndPlace) {
  const MainControls& c = app_.controls();
  for (const Placement& row : kLayout) {
    SCOPED_TRACE(row.name);
    HWND control = c.*row.control;
    HWND parent = row.parent != nullptr ? c.*row.parent : app_.window();
    EXPECT_EQ(ClassOf(control), row.class_name);
    EXPECT_EQ(TextOf(control), row.caption);
    EXPECT_EQ(ParentOf(control), parent);
    EXPECT_TRUE(IsWindowVisible(control));
    const RECT r = RectInParent(control);
    EXPECT_EQ(r.left, row.left);
    EXPECT_EQ(r.top, row.top);
    if (row.width != 0) {
      EXPECT_EQ(r.right - r.left, row.width);
      EXPECT_EQ(r.bottom - r.top, row.height);
    } else {
      // Sized to its caption: some text's size, inside its panel.
      EXPECT_GT(r.right - r.left, ClassOf(control) == "Button" ? 24 : 0);
      EXPECT_GT(r.bottom - r.top, 0);
      EXPECT_LE(r.right, ClientSize(parent).cx);
    }
  }
  // "Маска" and the mask box sit side by side; the label does not run into it.
  EXPECT_LE(RectInParent(c.mask_label).right, 61);
}

TEST_F(WindowTest, ControlsAreCreatedInTheirOrder) {
  const MainControls& c = app_.controls();
  EXPECT_EQ(Children(app_.window()),
            (std::vector<HWND>{c.conditions_panel, c.messages_panel, c.operations_panel}));
  EXPECT_EQ(Children(c.conditions_panel),
            (std::vector<HWND>{c.mask_label, c.all_folders_check, c.mask_edit, c.href_check,
                               c.src_check, c.add_item_check}));
  EXPECT_EQ(Children(c.messages_panel), (std::vector<HWND>{c.message_log}));
  EXPECT_EQ(Children(c.operations_panel),
            (std::vector<HWND>{c.choose_folder, c.show_found, c.save_list, c.process_all,
                               c.load_one_file}));
}

TEST_F(WindowTest, ControlsHaveTheirStylesAndStartUpState) {
  const MainControls& c = app_.controls();
  for (HWND panel : {c.operations_panel, c.conditions_panel, c.messages_panel}) {
    EXPECT_TRUE(StyleOf(panel) & WS_DLGFRAME) << TextOf(panel);
    EXPECT_TRUE(IsEnabled(panel)) << TextOf(panel);
  }
  EXPECT_FALSE(StyleOf(c.mask_label) & WS_DLGFRAME);
  for (HWND button : {c.choose_folder, c.load_one_file, c.process_all, c.show_found, c.save_list}) {
    const auto kind = StyleOf(button) & BS_TYPEMASK;
    EXPECT_TRUE(kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON) << TextOf(button);
  }
  for (HWND check : {c.href_check, c.src_check, c.add_item_check, c.all_folders_check}) {
    EXPECT_EQ(StyleOf(check) & BS_TYPEMASK, BS_AUTOCHECKBOX) << TextOf(check);
    EXPECT_TRUE(IsChecked(check)) << TextOf(check);
  }
  for (HWND edit : {c.mask_edit, c.message_log}) {
    EXPECT_TRUE(ExStyleOf(edit) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(StyleOf(edit) & WS_BORDER) << "a sunken edge in place of a plain border";
    EXPECT_FALSE(StyleOf(edit) & ES_READONLY);
  }
  EXPECT_FALSE(StyleOf(c.mask_edit) & ES_MULTILINE);
  EXPECT_TRUE(StyleOf(c.mask_edit) & ES_AUTOHSCROLL);
  const LONG_PTR log_style = StyleOf(c.message_log);
  for (LONG_PTR bit : {ES_MULTILINE, WS_HSCROLL, WS_VSCROLL, ES_AUTOHSCROLL, ES_AUTOVSCROLL}) {
    EXPECT_EQ(log_style & bit, bit) << "log style bit " << std::hex << bit;
  }
  EXPECT_EQ(TextOf(c.mask_edit), "*.txt");
  EXPECT_EQ(app_.Log(), "");
}

TEST_F(WindowTest, FocusStartsOnTheFirstControlThatTakesIt) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(app_.window(), nullptr);
  ASSERT_TRUE(WaitUntil(
      [&] {
        return GetGUIThreadInfo(thread, &info) &&
               info.hwndFocus == app_.controls().all_folders_check;
      },
      3000))
      << "focus is on " << ClassOf(info.hwndFocus) << " '" << TextOf(info.hwndFocus) << "'";
}

TEST_F(WindowTest, CheckBoxesToggleOnlyThemselves) {
  const MainControls& c = app_.controls();
  SendClick(c.src_check);
  EXPECT_FALSE(IsChecked(c.src_check));
  EXPECT_TRUE(IsChecked(c.href_check));
  EXPECT_TRUE(IsChecked(c.add_item_check));
  EXPECT_TRUE(IsChecked(c.all_folders_check));
  EXPECT_EQ(app_.Log(), "");
  SendClick(c.src_check);
  EXPECT_TRUE(IsChecked(c.src_check));
}

TEST_F(WindowTest, RightClickOnTheLogShowsOneItemThatClearsIt) {
  HWND log = app_.controls().message_log;
  SetText(log, "typed by the user\r\nsecond line");
  MouseRightClick(log);
  HWND menu = WaitForPopupMenu(app_.process_id(), kPatience);
  ASSERT_NE(menu, nullptr) << "a right click opens a menu";
  EXPECT_EQ(MenuItemCount(menu, app_.process_id()), 1);
  LeaveMenu(menu);
  ASSERT_TRUE(WaitUntil([&] { return TopLevelWindows(app_.process_id(), "#32768").empty(); }));
  EXPECT_EQ(app_.Log(), "typed by the user\r\nsecond line") << "leaving the menu does nothing";

  MouseRightClick(log);
  menu = WaitForPopupMenu(app_.process_id(), kPatience);
  ASSERT_NE(menu, nullptr);
  ChooseFirstMenuItem(menu);
  EXPECT_TRUE(app_.WaitForLog(""));
}

TEST_F(WindowTest, MenuKeyOpensTheSameMenu) {
  SetText(app_.controls().message_log, "x");
  ASSERT_TRUE(app_.ClearLogThroughMenu());
  EXPECT_TRUE(app_.WaitForLog(""));
}

TEST_F(WindowTest, ResizingOrMaximisingMovesNothing) {
  std::vector<HWND> controls = Descendants(app_.window());
  ASSERT_GE(controls.size(), 15u);
  std::vector<RECT> before;
  for (HWND control : controls) before.push_back(RectInParent(control));
  auto unchanged = [&] {
    for (size_t i = 0; i < controls.size(); ++i) {
      const RECT now = RectInParent(controls[i]);
      if (!EqualRect(&now, &before[i])) return false;
    }
    return true;
  };
  SetWindowPos(app_.window(), nullptr, 0, 0, 700, 650, SWP_NOMOVE | SWP_NOZORDER);
  Settle(app_.window());
  EXPECT_TRUE(unchanged()) << "grown";
  SetWindowPos(app_.window(), nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
  Settle(app_.window());
  EXPECT_TRUE(unchanged()) << "shrunk";
  ShowWindow(app_.window(), SW_MAXIMIZE);
  Settle(app_.window());
  EXPECT_TRUE(unchanged()) << "maximised";
}

TEST_F(WindowTest, ClosingEndsTheProcessWithCodeZero) {
  EXPECT_EQ(app_.program().CloseAndWait(), 0u);
}

}  // namespace
}  // namespace quellor::gui
