// "Загрузить 1 файл" through the real open and save displays, and what the file
// dialog remembers from one display to the next.

#include <gtest/gtest.h>

#include <string>

#include "rewrite/link_case.h"
#include "tests/gui/driver/controls.h"
#include "tests/gui/driver/fixture_files.h"
#include "tests/gui/quellor_window.h"

namespace quellor::gui {
namespace {

// Links of all three kinds, Windows-1251 text, a NUL and high bytes.
const std::string kPage =
    std::string(
        "<html><a href=\"Pages/About.HTM\">О нас</a>\r\n<img src='IMG/Logo.GIF'>\r\n"
        "<script>menu.addItem(\"Главная\", \"Index.HTM\");</script>\r\n\xFF\xFE") +
    std::string(1, '\0') + "tail href='AFTER/NUL.htm'";

std::string SingleFileResult(const std::string& text) {
  return ApplyPasses(text, PassSelection{true, true, false});
}

std::string BaseName(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

class SingleFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app_.started()) << "no Quellor window with all controls"; }
  TempFolder folder_;
  QuellorWindow app_;
};

TEST_F(SingleFileTest, FixtureReallyHasLinksToLower) {
  EXPECT_NE(SingleFileResult(kPage), kPage);
  EXPECT_NE(SingleFileResult(kPage).find("href=\"pages/about.htm\""), std::string::npos);
  EXPECT_NE(SingleFileResult(kPage).find("\"Index.HTM\""), std::string::npos);
}

TEST_F(SingleFileTest, ConvertsInPlaceUnderTheProposedName) {
  const std::string page = folder_.Put("Page.txt", kPage);
  ASSERT_TRUE(app_.LoadOneFile(DialogAnswer::Confirm(page), DialogAnswer::Confirm()));
  EXPECT_EQ(ReadBytes(page), SingleFileResult(kPage));
  EXPECT_EQ(EntryCount(folder_.path()), 1u) << "no stray file beside it";

  ASSERT_EQ(app_.proposals().size(), 2u);
  EXPECT_EQ(app_.proposals()[0].name, "") << "the first display proposes nothing";
  EXPECT_EQ(app_.proposals()[0].filter_count, 2);
  EXPECT_EQ(app_.proposals()[0].filter_index, 0) << "the *.txt entry first";
  EXPECT_EQ(BaseName(app_.proposals()[1].name), "Page.txt") << "the save display proposes it";
  EXPECT_EQ(app_.Log(), "") << "the command writes nothing to the log";
}

TEST_F(SingleFileTest, WritesTheResultUnderANewName) {
  const std::string page = folder_.Put("Page.txt", kPage);
  const std::string target = folder_.Join("Converted.txt");
  ASSERT_TRUE(app_.LoadOneFile(DialogAnswer::Confirm(page), DialogAnswer::Confirm(target)));
  EXPECT_EQ(ReadBytes(target), SingleFileResult(kPage));
  EXPECT_EQ(ReadBytes(page), kPage) << "the source stays as it was";
}

TEST_F(SingleFileTest, IgnoresTheCheckBoxes) {
  const MainControls& c = app_.controls();
  SendClick(c.href_check);
  SendClick(c.src_check);
  ASSERT_FALSE(IsChecked(c.href_check));
  ASSERT_TRUE(IsChecked(c.add_item_check));
  const std::string page = folder_.Put("Page.txt", kPage);
  ASSERT_TRUE(app_.LoadOneFile(DialogAnswer::Confirm(page), DialogAnswer::Confirm()));
  EXPECT_EQ(ReadBytes(page), SingleFileResult(kPage));
}

TEST_F(SingleFileTest, FileWithoutLinksIsWrittenBackByteForByte) {
  const std::string plain =
      std::string("no links here: HREF without equals, Src") + std::string("\0\x80\xFF", 3);
  const std::string page = folder_.Put("Plain.txt", plain);
  const std::string target = folder_.Join("Copy.txt");
  ASSERT_TRUE(app_.LoadOneFile(DialogAnswer::Confirm(page), DialogAnswer::Confirm(target)));
  EXPECT_EQ(ReadBytes(target), plain);
}

TEST_F(SingleFileTest, CancelledOpenStillSavesAnEmptyText) {
  const std::string existing = folder_.Put("Existing.txt", kPage);
  const std::string fresh = folder_.Join("Fresh.txt");
  ASSERT_TRUE(app_.LoadOneFile(DialogAnswer::Cancel(), DialogAnswer::Confirm(fresh)));
  EXPECT_EQ(ReadBytes(fresh), "") << "a file of zero bytes is created";
  ASSERT_EQ(app_.proposals().size(), 2u);
  EXPECT_EQ(app_.proposals()[1].name, "") << "after a cancel the name is empty";

  ASSERT_TRUE(app_.LoadOneFile(DialogAnswer::Cancel(), DialogAnswer::Confirm(existing)));
  EXPECT_EQ(ReadBytes(existing), "") << "an existing file is emptied once replacing is confirmed";
}

TEST_F(SingleFileTest, DecliningToReplaceKeepsTheFile) {
  const std::string existing = folder_.Put("Existing.txt", kPage);
  ASSERT_TRUE(app_.LoadOneFile(DialogAnswer::Cancel(), DialogAnswer::Confirm(existing),
                               /*replace=*/false));
  EXPECT_EQ(ReadBytes(existing), kPage);
}

TEST_F(SingleFileTest, BothDisplaysCancelledTouchNothing) {
  const std::string existing = folder_.Put("Existing.txt", kPage);
  const ULONGLONG written = LastWriteTime(existing);
  ASSERT_TRUE(app_.LoadOneFile(DialogAnswer::Cancel(), DialogAnswer::Cancel()));
  EXPECT_EQ(ReadBytes(existing), kPage);
  EXPECT_EQ(LastWriteTime(existing), written);
  EXPECT_EQ(EntryCount(folder_.path()), 1u);
}

// The test process holds the file open for writing and shares it for writing
// and deleting only: the program cannot read it, but a replacement by rename
// would go through, so any write over it would show.
class UnreadableHold {
 public:
  explicit UnreadableHold(const std::string& path)
      : handle_(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~UnreadableHold() { Release(); }
  UnreadableHold(const UnreadableHold&) = delete;
  UnreadableHold& operator=(const UnreadableHold&) = delete;
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }
  void Release() {
    if (held()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

TEST_F(SingleFileTest, UnreadableSourceIsNotOverwrittenInPlace) {
  const std::string page = folder_.Put("Page.txt", kPage);
  UnreadableHold hold(page);
  ASSERT_TRUE(hold.held());
  ASSERT_FALSE(ReadBytes(page).has_value()) << "the hold must keep readers out";
  ASSERT_TRUE(app_.LoadOneFile(DialogAnswer::Confirm(page), DialogAnswer::Confirm()));
  hold.Release();
  EXPECT_EQ(ReadBytes(page), kPage) << "a file that could not be read is left untouched";
}

TEST_F(SingleFileTest, UnreadableSourceGivesAnEmptyNewFile) {
  const std::string page = folder_.Put("Page.txt", kPage);
  const std::string target = folder_.Join("Target.txt");
  UnreadableHold hold(page);
  ASSERT_TRUE(hold.held());
  ASSERT_TRUE(app_.LoadOneFile(DialogAnswer::Confirm(page), DialogAnswer::Confirm(target)));
  hold.Release();
  EXPECT_EQ(ReadBytes(target), "");
  EXPECT_EQ(ReadBytes(page), kPage);
}

TEST_F(SingleFileTest, SaveListProposesTheLastTargetAndReplacesIt) {
  const std::string page = folder_.Put("Page.txt", kPage);
  const std::string target = folder_.Join("Target.txt");
  ASSERT_TRUE(app_.LoadOneFile(DialogAnswer::Confirm(page), DialogAnswer::Confirm(target)));
  ASSERT_EQ(ReadBytes(target), SingleFileResult(kPage));

  // Confirming the proposal and the question replaces the target with the
  // (empty) found list.
  ASSERT_TRUE(app_.SaveList(DialogAnswer::Confirm()));
  ASSERT_EQ(app_.proposals().size(), 3u);
  EXPECT_EQ(BaseName(app_.proposals()[2].name), "Target.txt");
  EXPECT_EQ(ReadBytes(target), "");

  ASSERT_TRUE(app_.SaveList(DialogAnswer::Cancel()));
  ASSERT_TRUE(app_.SaveList(DialogAnswer::Cancel()));
  ASSERT_EQ(app_.proposals().size(), 5u);
  EXPECT_EQ(app_.proposals()[4].name, "") << "after a cancelled display the name is empty";
}

TEST_F(SingleFileTest, ChosenFilterEntryIsShownNextTime) {
  const std::string page = folder_.Put("Page.txt", kPage);
  ASSERT_TRUE(app_.LoadOneFile(DialogAnswer::Confirm(page, /*filter=*/1),
                               DialogAnswer::Confirm(folder_.Join("Out.txt"))));
  ASSERT_TRUE(app_.SaveList(DialogAnswer::Cancel()));
  ASSERT_EQ(app_.proposals().size(), 3u);
  EXPECT_EQ(app_.proposals()[1].filter_index, 1) << "the entry chosen in the confirmed display";
  EXPECT_EQ(app_.proposals()[2].filter_index, 1);
}

}  // namespace
}  // namespace quellor::gui
