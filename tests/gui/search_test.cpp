// Searching through the real folder dialog and buttons, and the found-list
// commands: the count line, flat and recursive order, showing and saving the
// list, the mask box, and searches that overlap.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/gui/driver/controls.h"
#include "tests/gui/driver/dialogs.h"
#include "tests/gui/driver/fixture_files.h"
#include "tests/gui/driver/wait.h"
#include "tests/gui/quellor_window.h"

namespace quellor::gui {
namespace {

using Paths = std::vector<std::string>;

// The order the search must give, from the system's own enumeration of the
// same folders: each folder's matching files, then each subfolder in turn.
std::string WithBackslash(std::string folder) {
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder;
}

void ExpectedFlat(const std::string& folder, const std::string& mask, Paths& out) {
  const std::string base = WithBackslash(folder);
  WIN32_FIND_DATAA entry{};
  HANDLE find = FindFirstFileA((base + (mask.empty() ? "*.*" : mask)).c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) out.push_back(base + entry.cFileName);
  } while (FindNextFileA(find, &entry));
  FindClose(find);
}

void ExpectedRecursive(const std::string& folder, const std::string& mask, Paths& out) {
  const std::string base = WithBackslash(folder);
  Paths subfolders;
  WIN32_FIND_DATAA entry{};
  HANDLE find = FindFirstFileA((base + "*.*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..") {
        subfolders.push_back(name);
      }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  ExpectedFlat(base, mask, out);
  for (const std::string& name : subfolders) ExpectedRecursive(base + name, mask, out);
}

std::string Lines(const Paths& paths) {
  std::string text;
  for (const std::string& path : paths) text += path + "\r\n";
  return text;
}

class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(app_.started()) << "no Quellor window with all controls";
    tree_.Put("a.txt", "a");
    tree_.Put("b.txt", "b");
    tree_.Put("page.htm", "<a href=\"X\">");
    tree_.Put("S1\\c.txt", "c");
    tree_.Put("S2\\S3\\d.txt", "d");
    tree_.Put("x.txt\\e.txt", "e");  // a folder named like the mask
    tree_.Put("S2\\.hidden.txt", "h");
  }
  void Untick(HWND check) {
    SendClick(check);
    ASSERT_FALSE(IsChecked(check));
  }

  TempFolder tree_;
  QuellorWindow app_;
};

TEST_F(SearchTest, FlatSearchWritesTheWarningThenTheCount) {
  Untick(app_.controls().all_folders_check);
  SetText(app_.controls().message_log, "earlier text");
  ASSERT_EQ(app_.Search(tree_.path()), 2u);
  EXPECT_EQ(app_.Log(), std::string(kSearchWarning) + "НАЙДЕНО ФАЙЛОВ 2\r\n");
  EXPECT_EQ(FoundLine(2), "НАЙДЕНО ФАЙЛОВ 2\r\n");

  SendClick(app_.controls().show_found);
  EXPECT_EQ(app_.Log(), std::string(kSearchWarning) + FoundLine(2) + Lines([&] {
                          Paths p;
                          ExpectedFlat(tree_.path(), "*.txt", p);
                          return p;
                        }()));
}

TEST_F(SearchTest, RecursiveSearchListsDepthFirstEachFolderFilesFirst) {
  Paths expected;
  ExpectedRecursive(tree_.path(), "*.txt", expected);
  ASSERT_EQ(expected.size(), 6u) << "the fixture: a, b, c, d, e and the hidden file";
  ASSERT_EQ(app_.Search(tree_.path()), expected.size());
  SendClick(app_.controls().show_found);
  const std::string header = std::string(kSearchWarning) + FoundLine(expected.size());
  EXPECT_EQ(app_.Log(), header + Lines(expected));
  // A second click appends the same lines again.
  SendClick(app_.controls().show_found);
  EXPECT_EQ(app_.Log(), header + Lines(expected) + Lines(expected));
  // The log shows its first lines after the appends.
  EXPECT_EQ(FirstVisibleLine(app_.controls().message_log), 0);
  EXPECT_EQ(Selection(app_.controls().message_log), std::make_pair(DWORD{0}, DWORD{0}));
}

TEST_F(SearchTest, ShowAppendsAfterWhatTheUserTyped) {
  Untick(app_.controls().all_folders_check);
  ASSERT_EQ(app_.Search(tree_.path()), 2u);
  SetText(app_.controls().message_log, "typed");
  SendClick(app_.controls().show_found);
  Paths expected;
  ExpectedFlat(tree_.path(), "*.txt", expected);
  EXPECT_EQ(app_.Log(), "typed" + Lines(expected));
}

TEST_F(SearchTest, CancelledFolderChoiceChangesNothing) {
  ASSERT_EQ(app_.Search(tree_.path()), 6u);
  const std::string log = app_.Log();
  ASSERT_TRUE(app_.CancelFolderChoice());
  Settle(app_.window());
  EXPECT_EQ(app_.Log(), log);
  SendClick(app_.controls().show_found);
  Paths expected;
  ExpectedRecursive(tree_.path(), "*.txt", expected);
  EXPECT_EQ(app_.Log(), log + Lines(expected)) << "the found list is still the last search's";
}

TEST_F(SearchTest, EmptyFolderCountsZeroAndShowsNothing) {
  TempFolder empty;
  ASSERT_EQ(app_.Search(empty.path()), 0u);
  const std::string log = app_.Log();
  EXPECT_EQ(log, std::string(kSearchWarning) + FoundLine(0));
  SendClick(app_.controls().show_found);
  EXPECT_EQ(app_.Log(), log);
}

TEST_F(SearchTest, SavedListHoldsEachPathAndCrLf) {
  Paths expected;
  ExpectedRecursive(tree_.path(), "*.txt", expected);
  ASSERT_EQ(app_.Search(tree_.path()), expected.size());
  TempFolder out;
  const std::string list = out.Join("list.lst");
  ASSERT_TRUE(app_.SaveList(DialogAnswer::Confirm(list)));
  EXPECT_EQ(ReadBytes(list), Lines(expected));
  EXPECT_EQ(EntryCount(out.path()), 1u);

  // Cancelling leaves an existing file alone.
  WriteBytes(list, "keep me");
  ASSERT_TRUE(app_.SaveList(DialogAnswer::Cancel()));
  EXPECT_EQ(ReadBytes(list), "keep me");

  // An empty list gives a file of zero bytes, replacing what was there.
  TempFolder empty;
  ASSERT_EQ(app_.Search(empty.path()), 0u);
  ASSERT_TRUE(app_.SaveList(DialogAnswer::Confirm(list)));
  EXPECT_EQ(ReadBytes(list), "");
}

TEST_F(SearchTest, MaskTypedCharByCharIsUsedByTheNextSearch) {
  const MainControls& c = app_.controls();
  Untick(c.all_folders_check);
  tree_.Put("menu.js", "m");
  SetText(c.mask_edit, "");
  TypeChars(c.mask_edit, "*");
  ASSERT_EQ(TextOf(c.mask_edit), "*");
  Paths all;
  ExpectedFlat(tree_.path(), "*", all);
  EXPECT_EQ(app_.Search(tree_.path()), all.size());
  TypeChars(c.mask_edit, ".js");
  EXPECT_EQ(app_.Search(tree_.path()), 1u);
  SendClick(c.show_found);
  EXPECT_EQ(app_.Log(),
            std::string(kSearchWarning) + FoundLine(1) + tree_.Join("menu.js") + "\r\n");

  // An emptied box means every file of the folder, and still no folder.
  SetText(c.mask_edit, "");
  ASSERT_EQ(app_.Search(tree_.path()), 4u) << "a.txt, b.txt, page.htm, menu.js";
  TypeChars(c.mask_edit, "*.htm");
  EXPECT_EQ(app_.Search(tree_.path()), 1u);
}

TEST_F(SearchTest, LogHoldsMoreThanAnEditBoxsDefaultLimit) {
  TempFolder many;
  const std::string long_name(150, 'n');
  Paths expected;
  for (int i = 0; i < 300; ++i) many.Put(long_name + std::to_string(i) + ".txt", "x");
  ExpectedRecursive(many.path(), "*.txt", expected);
  ASSERT_EQ(app_.Search(many.path()), 300u);
  SendClick(app_.controls().show_found);
  const std::string want = std::string(kSearchWarning) + FoundLine(300) + Lines(expected);
  ASSERT_GT(want.size(), 40000u);
  EXPECT_EQ(app_.Log().size(), want.size());
  EXPECT_TRUE(app_.Log() == want);

  // Scrolled to its end, the log shows its first lines again after an append.
  HWND log = app_.controls().message_log;
  SendMessageA(log, WM_VSCROLL, SB_BOTTOM, 0);
  ASSERT_GT(FirstVisibleLine(log), 0);
  SendClick(app_.controls().show_found);
  EXPECT_EQ(FirstVisibleLine(log), 0);
  EXPECT_EQ(app_.Log().size(), want.size() + Lines(expected).size());
}

// A tree big enough that a recursive search of it is still running while the
// test works the window.
class LongSearchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    big_ = new TempFolder;
    for (int f = 0; f < kFolders; ++f) {
      const std::string folder = big_->MakeFolder("F" + std::to_string(f));
      for (int i = 0; i < kFilesPerFolder; ++i) {
        WriteBytes(folder + "\\file" + std::to_string(i) + ".txt", "");
      }
      // A few pages spread over the tree, for a batch that starts mid-search.
      if (f % (kFolders / kPages) == 0) WriteBytes(folder + "\\page.htm", kPage);
    }
  }
  static void TearDownTestSuite() {
    delete big_;
    big_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(app_.started()) << "no Quellor window with all controls"; }

  static constexpr int kFolders = 400;
  static constexpr int kFilesPerFolder = 100;
  static constexpr int kPages = 20;
  static constexpr const char* kPage = "<a href=\"Pages/Index.HTM\">";
  static TempFolder* big_;
  QuellorWindow app_;
};
TempFolder* LongSearchTest::big_ = nullptr;

TEST_F(LongSearchTest, ClearingTheLogDuringASearchLeavesOnlyTheCountLine) {
  ASSERT_TRUE(app_.ChooseFolder(big_->path()));
  ASSERT_TRUE(app_.ClearLogThroughMenu());
  const std::string after_clear = app_.Log();
  ASSERT_EQ(after_clear, "") << "the search ended before the log was cleared: enlarge the tree";
  ASSERT_TRUE(WaitUntil([&] { return !app_.Log().empty(); }, 120000));
  EXPECT_EQ(app_.Log(), FoundLine(kFolders * kFilesPerFolder));
}

TEST_F(LongSearchTest, SecondFolderChoiceSupersedesARunningSearch) {
  TempFolder small;
  small.Put("one.txt", "1");
  small.Put("two.txt", "2");
  ASSERT_TRUE(app_.ChooseFolder(big_->path()));
  const bool first_still_running = app_.Log().find(kFoundPrefix) == std::string::npos;
  ASSERT_TRUE(app_.ChooseFolder(small.path()));
  ASSERT_EQ(app_.WaitForCountLine(), 2u);
  EXPECT_TRUE(first_still_running)
      << "the first search ended too soon to overlap: enlarge the tree";
  // Give a search that was not stopped time to write into the list.
  Sleep(1500);
  Settle(app_.window());
  EXPECT_EQ(app_.Log(), std::string(kSearchWarning) + FoundLine(2));
  SendClick(app_.controls().show_found);
  Paths expected;
  ExpectedRecursive(small.path(), "*.txt", expected);
  EXPECT_EQ(app_.Log(), std::string(kSearchWarning) + FoundLine(2) + Lines(expected))
      << "the list never mixes two folders";
}

TEST_F(LongSearchTest, BatchStartedDuringASearchConvertsEveryPathItReports) {
  const MainControls& c = app_.controls();
  SetText(c.mask_edit, "*.htm");
  ASSERT_TRUE(app_.ChooseFolder(big_->path()));
  // With nothing found yet a click does nothing: click until the batch starts.
  bool search_was_running = false;
  ASSERT_TRUE(WaitUntil([&] {
    search_was_running = app_.Log().find(kFoundPrefix) == std::string::npos;
    SendClick(c.process_all);
    return !app_.PanelsEnabled();
  }));
  ASSERT_TRUE(WaitUntil([&] { return app_.PanelsEnabled(); }, 120000));
  ASSERT_TRUE(app_.WaitForCountLine().has_value()) << app_.Log();
  EXPECT_EQ(app_.Log().rfind(RemainingLine(0), 0), 0u) << app_.Log();
  Paths pages;
  ExpectedRecursive(big_->path(), "*.htm", pages);
  ASSERT_EQ(pages.size(), size_t{kPages});
  for (const std::string& page : pages) {
    EXPECT_EQ(ReadBytes(page), "<a href=\"pages/index.htm\">") << page;
    WriteBytes(page, kPage);  // as it was, for the other tests
  }
  EXPECT_TRUE(search_was_running) << "the search ended before the batch began: enlarge the tree";
}

TEST_F(LongSearchTest, ClosingDuringASearchEndsAtOnceWithCodeZero) {
  ASSERT_TRUE(app_.ChooseFolder(big_->path()));
  EXPECT_EQ(app_.program().CloseAndWait(), 0u);
}

}  // namespace
}  // namespace quellor::gui
