// "Обработать все" through the real window: the order, the counts in the log's
// first line, the check boxes, protected and unreadable files, and the window
// during and after a batch.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rewrite/link_case.h"
#include "tests/gui/driver/controls.h"
#include "tests/gui/driver/dialogs.h"
#include "tests/gui/driver/fixture_files.h"
#include "tests/gui/driver/wait.h"
#include "tests/gui/quellor_window.h"

namespace quellor::gui {
namespace {

constexpr UINT kConvertNext = WM_USER + 123;

std::string Page(int n) {
  return "<a href=\"Pages/P" + std::to_string(n) + ".HTM\"><img src='IMG/Logo.GIF'>\r\n" +
         "menu.addItem(\"Пункт\", \"Menu/Item" + std::to_string(n) + ".HTM\");\r\n";
}

// The files a search of a flat folder finds, in its order.
std::vector<std::string> FoundOrder(const std::string& folder) {
  std::vector<std::string> paths;
  WIN32_FIND_DATAA entry{};
  HANDLE find = FindFirstFileA((folder + "\\*.txt").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return paths;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      paths.push_back(folder + "\\" + entry.cFileName);
    }
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  return paths;
}

// The count of a log whose first line is a remaining-count line, or -1.
long FirstLineCount(const std::string& log) {
  const std::string prefix = "Осталось ";
  const size_t end = log.find(" файлов\r\n");
  if (log.compare(0, prefix.size(), prefix) != 0 || end == std::string::npos) return -1;
  return std::stol(log.substr(prefix.size(), end - prefix.size()));
}

class BatchTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app_.started()) << "no Quellor window with all controls"; }
  std::string Put(const std::string& name, const std::string& content) {
    return folder_.Put(name, content);
  }
  void Untick(HWND check) {
    SendClick(check);
    ASSERT_FALSE(IsChecked(check));
  }

  TempFolder folder_;
  QuellorWindow app_;
};

TEST_F(BatchTest, OnePathIsConvertedAndTheListEmptied) {
  const std::string page = Put("page.txt", "<A HREF=\"X.HTM\"> <a href=\"Pages/About.HTM\">");
  ASSERT_EQ(app_.Search(folder_.path()), 1u);
  ASSERT_TRUE(app_.ProcessAllAndWait());
  EXPECT_EQ(ReadBytes(page), "<A HREF=\"X.HTM\"> <a href=\"pages/about.htm\">");
  const std::string log = RemainingLine(0) + "Подождите!\r\n" + FoundLine(1);
  EXPECT_EQ(app_.Log(), log);
  EXPECT_EQ(Selection(app_.controls().message_log),
            std::make_pair(DWORD(RemainingLine(0).size()), DWORD(RemainingLine(0).size())))
      << "the caret stands right after the new first line";

  SendClick(app_.controls().show_found);
  EXPECT_EQ(app_.Log(), log) << "after a batch the list is empty";
  SendClick(app_.controls().process_all);
  EXPECT_TRUE(app_.PanelsEnabled()) << "a second batch has nothing to do";
  Settle(app_.window());
  EXPECT_EQ(app_.Log(), log);
  EXPECT_EQ(ReadBytes(page), "<A HREF=\"X.HTM\"> <a href=\"pages/about.htm\">");
}

TEST_F(BatchTest, FilesAreConvertedLastFoundFirst) {
  for (int i = 0; i < 3; ++i) Put("file" + std::to_string(i) + ".txt", Page(i));
  const std::vector<std::string> found = FoundOrder(folder_.path());
  ASSERT_EQ(found.size(), 3u);
  ASSERT_EQ(app_.Search(folder_.path()), 3u);
  ASSERT_TRUE(app_.ProcessAllAndWait());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(ReadBytes(folder_.Join("file" + std::to_string(i) + ".txt")),
              ApplyPasses(Page(i), {}));
  }
  // C, then B, then A: the last found file was written first.
  EXPECT_LT(LastWriteTime(found[2]), LastWriteTime(found[1]));
  EXPECT_LT(LastWriteTime(found[1]), LastWriteTime(found[0]));
  EXPECT_EQ(FirstLineCount(app_.Log()), 0);
}

TEST_F(BatchTest, FirstLineCountsDownToZero) {
  constexpr int kFiles = 300;
  for (int i = 0; i < kFiles; ++i) Put("f" + std::to_string(i) + ".txt", Page(i));
  ASSERT_EQ(app_.Search(folder_.path()), size_t{kFiles});
  const std::string rest = "Подождите!\r\n" + FoundLine(kFiles);
  SendClick(app_.controls().process_all);
  std::vector<long> seen;
  do {
    const std::string log = app_.Log();
    const long count = FirstLineCount(log);
    if (count >= 0 && (seen.empty() || seen.back() != count)) {
      seen.push_back(count);
      ASSERT_EQ(log.substr(log.find("\r\n") + 2), rest) << "the rest of the log stays";
    }
  } while (!app_.PanelsEnabled());
  ASSERT_FALSE(seen.empty());
  for (size_t i = 1; i < seen.size(); ++i) EXPECT_LT(seen[i], seen[i - 1]) << "at " << i;
  EXPECT_LT(seen.front(), kFiles);
  EXPECT_EQ(app_.Log(), RemainingLine(0) + rest);
}

TEST_F(BatchTest, CheckBoxesChooseThePasses) {
  struct Case {
    bool href, src, add_item;
  };
  for (const Case& c : {Case{false, false, false}, Case{false, false, true},
                        Case{true, false, true}, Case{true, true, true}}) {
    SCOPED_TRACE(std::to_string(c.href) + std::to_string(c.src) + std::to_string(c.add_item));
    const MainControls& controls = app_.controls();
    auto set = [](HWND check, bool ticked) {
      if (IsChecked(check) != ticked) SendClick(check);
    };
    set(controls.href_check, c.href);
    set(controls.src_check, c.src);
    set(controls.add_item_check, c.add_item);
    TempFolder folder;
    const std::string a = folder.Put("a.txt", Page(1));
    const std::string b = folder.Put("b.txt", Page(2));
    ASSERT_EQ(app_.Search(folder.path()), 2u);
    ASSERT_TRUE(app_.ProcessAllAndWait());
    const PassSelection passes{c.href, c.src, c.add_item};
    EXPECT_EQ(ReadBytes(a), ApplyPasses(Page(1), passes));
    EXPECT_EQ(ReadBytes(b), ApplyPasses(Page(2), passes));
    EXPECT_EQ(FirstLineCount(app_.Log()), 0);
  }
}

TEST_F(BatchTest, OnlyAddItemLowersOnlyTheMenuArguments) {
  Untick(app_.controls().href_check);
  Untick(app_.controls().src_check);
  const std::string text =
      "<a href=\"A.HTM\"><img src=\"B.GIF\">addItem(\"Меню\", \"Pages/A.HTM\", 1);";
  const std::string page = Put("menu.txt", text);
  ASSERT_EQ(app_.Search(folder_.path()), 1u);
  ASSERT_TRUE(app_.ProcessAllAndWait());
  EXPECT_EQ(ReadBytes(page),
            "<a href=\"A.HTM\"><img src=\"B.GIF\">addItem(\"Меню\", \"pages/a.htm\", 1);");
  EXPECT_EQ(ReadBytes(page), ApplyPasses(text, {false, false, true}));
}

// Holds a file for writing, sharing writes and deletes only: the program cannot
// read it, but a replacement by rename would still go through.
class UnreadableHold {
 public:
  explicit UnreadableHold(const std::string& path)
      : handle_(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~UnreadableHold() {
    if (held()) CloseHandle(handle_);
  }
  UnreadableHold(const UnreadableHold&) = delete;
  UnreadableHold& operator=(const UnreadableHold&) = delete;
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

TEST_F(BatchTest, ProtectedLockedAndUnreadableFilesAreKeptAndCounted) {
  const std::string normal = Put("normal.txt", Page(0));
  const std::string read_only = Put("readonly.txt", Page(1));
  const std::string hidden = Put("hidden.txt", Page(2));
  const std::string system = Put("system.txt", Page(3));
  const std::string locked = Put("locked.txt", Page(4));
  const std::string unreadable = Put("unreadable.txt", Page(5));
  SetAttributes(read_only, FILE_ATTRIBUTE_READONLY);
  SetAttributes(hidden, FILE_ATTRIBUTE_HIDDEN);
  SetAttributes(system, FILE_ATTRIBUTE_SYSTEM);
  {
    FileLock lock(locked);
    UnreadableHold hold(unreadable);
    ASSERT_TRUE(lock.held());
    ASSERT_TRUE(hold.held());
    ASSERT_EQ(app_.Search(folder_.path()), 6u) << "protected files are found like any other";
    ASSERT_TRUE(app_.ProcessAllAndWait());
    EXPECT_EQ(FirstLineCount(app_.Log()), 0) << "every path was counted";
  }
  SetAttributes(read_only, FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadBytes(normal), ApplyPasses(Page(0), {}));
  EXPECT_EQ(ReadBytes(read_only), Page(1));
  EXPECT_EQ(ReadBytes(hidden), Page(2));
  EXPECT_EQ(ReadBytes(system), Page(3));
  EXPECT_EQ(ReadBytes(locked), Page(4));
  EXPECT_EQ(ReadBytes(unreadable), Page(5)) << "a file that could not be read is never written";
  EXPECT_EQ(GetFileAttributesA(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN,
            DWORD{FILE_ATTRIBUTE_HIDDEN});
  EXPECT_EQ(EntryCount(folder_.path()), 6u) << "no stray temporary file";
  SendClick(app_.controls().show_found);
  EXPECT_EQ(FirstLineCount(app_.Log()), 0);
  EXPECT_EQ(app_.Log().find(".txt"), std::string::npos) << "the list is empty";
}

TEST_F(BatchTest, LogFirstLineIsReplacedWhateverItHolds) {
  struct Case {
    const char* before;
    std::string after;
  };
  const Case cases[] = {
      {"", RemainingLine(0)},
      {"A", RemainingLine(0)},
      {"A\r\nB", RemainingLine(0) + "B"},
      {"A\r\nB\r\n", RemainingLine(0) + "B\r\n"},
      {"\r\n\r\n", RemainingLine(0) + "\r\n"},
  };
  const std::string page = Put("page.txt", Page(0));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    ASSERT_EQ(app_.Search(folder_.path()), 1u);
    SetText(app_.controls().message_log, c.before);
    ASSERT_TRUE(app_.ProcessAllAndWait());
    EXPECT_EQ(app_.Log(), c.after);
  }
}

TEST_F(BatchTest, EmptyListDoesNothing) {
  SendClick(app_.controls().process_all);
  EXPECT_TRUE(app_.PanelsEnabled());
  Settle(app_.window());
  EXPECT_EQ(app_.Log(), "");

  TempFolder empty;
  ASSERT_EQ(app_.Search(empty.path()), 0u);
  const std::string log = app_.Log();
  SendClick(app_.controls().process_all);
  EXPECT_TRUE(app_.PanelsEnabled());
  Settle(app_.window());
  EXPECT_EQ(app_.Log(), log);
}

TEST_F(BatchTest, StrayConvertNextWithAnEmptyListDoesNothing) {
  const std::string page = Put("page.txt", Page(0));
  PostMessageA(app_.window(), kConvertNext, 0, 0);
  Settle(app_.window());
  ASSERT_EQ(app_.Search(folder_.path()), 1u);
  ASSERT_TRUE(app_.ProcessAllAndWait());
  const std::string log = app_.Log();
  for (int i = 0; i < 5; ++i) PostMessageA(app_.window(), kConvertNext, 0, 0);
  Sleep(200);
  Settle(app_.window());
  EXPECT_TRUE(app_.program().running());
  EXPECT_TRUE(app_.PanelsEnabled());
  EXPECT_EQ(app_.Log(), log);
  EXPECT_EQ(ReadBytes(page), ApplyPasses(Page(0), {}));
}

// A batch long enough to work the window while it runs.
class LongBatchTest : public BatchTest {
 protected:
  static constexpr int kFiles = 1500;
  void SetUp() override {
    BatchTest::SetUp();
    for (int i = 0; i < kFiles; ++i) Put("f" + std::to_string(i) + ".txt", Page(i));
    ASSERT_EQ(app_.Search(folder_.path()), size_t{kFiles});
  }
};

TEST_F(LongBatchTest, PanelsAreDisabledAndTheirControlsTakeNoInput) {
  const MainControls& c = app_.controls();
  SendClick(c.process_all);
  EXPECT_FALSE(IsEnabled(c.operations_panel));
  EXPECT_FALSE(IsEnabled(c.conditions_panel));
  EXPECT_TRUE(IsEnabled(c.messages_panel));

  MouseClick(c.href_check);
  MouseClick(c.all_folders_check);
  MouseClick(c.choose_folder);
  MouseClick(c.show_found);
  Settle(app_.window());
  EXPECT_TRUE(IsChecked(c.href_check)) << "a check box on a disabled panel does not toggle";
  EXPECT_TRUE(IsChecked(c.all_folders_check));
  EXPECT_EQ(WaitForFolderDialog(app_.process_id(), 300), nullptr)
      << "a button on a disabled panel does not open its dialog";
  ASSERT_FALSE(app_.PanelsEnabled()) << "the batch ended too soon: enlarge it";
  EXPECT_EQ(app_.Log().find(".txt"), std::string::npos) << "no list was shown";

  // The log and its menu stay usable: cleared, it takes the next count line.
  ASSERT_TRUE(app_.ClearLogThroughMenu());
  ASSERT_TRUE(WaitUntil([&] { return app_.PanelsEnabled(); }, 120000))
      << "the log's start: " << app_.Log().substr(0, 60);
  EXPECT_EQ(app_.Log(), RemainingLine(0));
  for (int i : {0, kFiles / 2, kFiles - 1}) {
    EXPECT_EQ(ReadBytes(folder_.Join("f" + std::to_string(i) + ".txt")), ApplyPasses(Page(i), {}));
  }
}

// A click sent as a message (as automation tools do) reaches a button whose
// panel is disabled: the command behind it must still not run during a batch.
TEST_F(LongBatchTest, ClickMessagesToButtonsOnADisabledPanelDoNothing) {
  const MainControls& c = app_.controls();
  SendClick(c.process_all);
  ASSERT_FALSE(IsEnabled(c.operations_panel));
  SendClick(c.show_found);
  ASSERT_FALSE(app_.PanelsEnabled()) << "the batch ended too soon: enlarge it";
  EXPECT_EQ(app_.Log().find(".txt"), std::string::npos) << "BM_CLICK showed the list";
}

TEST_F(LongBatchTest, ClosingDuringABatchLosesNoFile) {
  SendClick(app_.controls().process_all);
  ASSERT_TRUE(WaitUntil([&] {
    const long count = FirstLineCount(app_.Log());
    return count >= 0 && count < kFiles - 20;
  }));
  EXPECT_EQ(app_.program().CloseAndWait(), 0u);
  int converted = 0;
  for (int i = 0; i < kFiles; ++i) {
    const std::optional<std::string> now =
        ReadBytes(folder_.Join("f" + std::to_string(i) + ".txt"));
    ASSERT_TRUE(now.has_value()) << i;
    if (*now == ApplyPasses(Page(i), {})) {
      ++converted;
    } else {
      ASSERT_EQ(*now, Page(i)) << "file " << i << " is neither converted nor untouched";
    }
  }
  EXPECT_GT(converted, 0);
  EXPECT_LT(converted, kFiles);
  EXPECT_EQ(EntryCount(folder_.path()), size_t{kFiles}) << "no stray temporary file";
}

}  // namespace
}  // namespace quellor::gui
