#include "files/whole_file.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "files/write_gate.h"
#include "tests/files/scratch_folder.h"

#ifdef _WIN32
#include "tests/files/lock_holder_process.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quellor {
namespace {

using testing::AllByteValues;
using testing::Exists;
using testing::Protection;
using testing::RawRead;
using testing::RawWrite;
using testing::ScratchFolder;

using Names = std::vector<std::string>;

TEST(ReadWholeFile, MissingFileOrFolderIsAFailureNotAnEmptyFile) {
  ScratchFolder folder;
  for (const std::string& path :
       {folder.File("absent.txt"), folder.File("no-such-dir") + folder.path().back() + "a.txt"}) {
    EXPECT_EQ(TryReadWholeFile(path), std::nullopt) << path;
    EXPECT_EQ(ReadWholeFile(path), "") << path;
  }
}

TEST(ReadWholeFile, ZeroByteFileIsAnEmptyText) {
  ScratchFolder folder;
  RawWrite(folder.File("empty.txt"), "");
  EXPECT_EQ(TryReadWholeFile(folder.File("empty.txt")), std::string());
}

TEST(ReadWholeFile, FolderCannotBeRead) {
  ScratchFolder folder;
  std::string path = folder.path();
  path.pop_back();
  EXPECT_EQ(TryReadWholeFile(path), std::nullopt);
}

TEST(WholeFile, EveryByteValueRoundTripsWithItsExactLength) {
  ScratchFolder folder;
  const std::string bytes = AllByteValues(300);  // NULs and 0x80..0xFF, ~78 KB
  const std::string path = folder.File("bytes.bin");

  RawWrite(path, bytes);
  const std::optional<std::string> read = TryReadWholeFile(path);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->size(), bytes.size());
  EXPECT_TRUE(*read == bytes);

  const std::string reversed(bytes.rbegin(), bytes.rend());
  ASSERT_EQ(TryWriteWholeFile(path, reversed), WriteResult::kWritten);
  const std::string written = RawRead(path);
  EXPECT_EQ(written.size(), reversed.size());
  EXPECT_TRUE(written == reversed);
  EXPECT_EQ(folder.Names(), Names{"bytes.bin"});
}

TEST(WriteWholeFile, ReplacesContentExactlyWhateverTheOldLength) {
  ScratchFolder folder;
  const std::string path = folder.File("page.html");
  const struct {
    std::string old, text;
  } cases[] = {
      {"a much longer old content than the new one", "short"},
      {"short", std::string(100000, 'x')},
      {"old content", ""},  // an empty text leaves zero bytes
      {"", "into an empty file"},
      {"same", "same"},  // unchanged text is still written
  };
  for (const auto& c : cases) {
    RawWrite(path, c.old);
    EXPECT_EQ(TryWriteWholeFile(path, c.text), WriteResult::kWritten) << c.old;
    EXPECT_EQ(RawRead(path), c.text) << c.old;
  }
  EXPECT_EQ(folder.Names(), Names{"page.html"});
}

TEST(WriteWholeFile, CreatesAMissingFile) {
  ScratchFolder folder;
  EXPECT_EQ(TryWriteWholeFile(folder.File("new.txt"), "fresh"), WriteResult::kWritten);
  EXPECT_EQ(RawRead(folder.File("new.txt")), "fresh");
  EXPECT_EQ(folder.Names(), Names{"new.txt"});
}

TEST(WriteWholeFile, MissingFolderCreatesNothing) {
  ScratchFolder folder;
  const std::string path = folder.File("missing") + folder.path().back() + "new.txt";
  EXPECT_EQ(TryWriteWholeFile(path, "text"), WriteResult::kFailed);
  WriteWholeFile(path, "text");  // the silent form neither throws nor creates
  EXPECT_EQ(folder.Names(), Names{});
}

TEST(WriteWholeFile, PathsThatNameNoFileChangeNothing) {
  ScratchFolder folder;
  std::string self = folder.path();
  self.pop_back();
  const std::string sub = folder.File("sub");
  testing::RawWrite(folder.File("keep.txt"), "kept");
  for (const std::string& path : {self, folder.path(), std::string(), sub + folder.path().back()}) {
    EXPECT_EQ(TryWriteWholeFile(path, "text"), WriteResult::kFailed) << '"' << path << '"';
  }
  EXPECT_EQ(folder.Names(), Names{"keep.txt"});
}

TEST(WriteWholeFile, RepeatedWritesStayWritable) {
  // The temporary file's name starts with a dot, which Wine shows as hidden: the
  // replaced file must not inherit that and refuse the next write.
  ScratchFolder folder;
  const std::string path = folder.File("again.txt");
  for (const char* text : {"one", "two", "three"}) {
    ASSERT_EQ(TryWriteWholeFile(path, text), WriteResult::kWritten);
    EXPECT_EQ(ReadWholeFile(path), text);
  }
  EXPECT_EQ(folder.Names(), Names{"again.txt"});
}

struct ProtectedCase {
  const char* name;
  Protection protection;
};

class ProtectedFile : public ::testing::TestWithParam<ProtectedCase> {};

TEST_P(ProtectedFile, IsLeftUnchangedAndStillReadable) {
  ScratchFolder folder;
  const std::string path = folder.File("kept.txt");
  RawWrite(path, "original");
  testing::Protect(path, GetParam().protection);

  EXPECT_EQ(TryWriteWholeFile(path, "replaced"), WriteResult::kProtected);
  EXPECT_EQ(TryWriteWholeFile(path, ""), WriteResult::kProtected);
  WriteWholeFile(path, "replaced silently");
  EXPECT_EQ(TryReadWholeFile(path), std::string("original"));
  EXPECT_EQ(folder.Names(), Names{"kept.txt"});
}

const ProtectedCase kProtectedCases[] = {
    {"ReadOnly", Protection::kReadOnly},
#ifdef _WIN32
    {"Hidden", Protection::kHidden},
    {"System", Protection::kSystem},
#endif
};
INSTANTIATE_TEST_SUITE_P(Attributes, ProtectedFile, ::testing::ValuesIn(kProtectedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteWholeFile, DifferentFilesFromSeveralThreadsAtOnce) {
  ScratchFolder folder;
  std::vector<std::thread> writers;
  writers.reserve(4);
  for (int t = 0; t < 4; ++t) {
    writers.emplace_back([&folder, t] {
      const std::string path = folder.File("thread" + std::to_string(t) + ".txt");
      for (int round = 0; round < 25; ++round) {
        const std::string text(1000 + round, static_cast<char>('a' + t));
        if (TryWriteWholeFile(path, text) != WriteResult::kWritten) return;
        if (ReadWholeFile(path) != text) return;
      }
    });
  }
  for (std::thread& writer : writers) writer.join();
  for (int t = 0; t < 4; ++t) {
    EXPECT_EQ(RawRead(folder.File("thread" + std::to_string(t) + ".txt")),
              std::string(1024, static_cast<char>('a' + t)));
  }
  EXPECT_EQ(folder.Names().size(), 4u);
}

TEST(WriteWholeFile, SameFileFromSeveralThreadsEndsWithOneWholeText) {
  ScratchFolder folder;
  const std::string path = folder.File("contended.txt");
  RawWrite(path, "start");
  std::vector<std::thread> writers;
  writers.reserve(4);
  for (int t = 0; t < 4; ++t) {
    writers.emplace_back([&path, t] {
      for (int round = 0; round < 25; ++round) {
        WriteWholeFile(path, std::string(5000, static_cast<char>('a' + t)));
      }
    });
  }
  for (std::thread& writer : writers) writer.join();
  const std::string last = RawRead(path);
  ASSERT_EQ(last.size(), 5000u);
  EXPECT_EQ(last, std::string(5000, last[0]));
  EXPECT_EQ(folder.Names(), Names{"contended.txt"});
}

TEST(StopWritingFiles, FinishesWritesUnderWayAndRefusesLaterOnes) {
  ScratchFolder folder;
  const std::string path = folder.File("big.txt");
  RawWrite(path, "old");
  std::atomic<int> written{0};
  std::thread writer([&] {
    for (char fill = 'a';; fill = fill == 'z' ? 'a' : static_cast<char>(fill + 1)) {
      if (TryWriteWholeFile(path, std::string(4 << 20, fill)) != WriteResult::kWritten) return;
      ++written;
    }
  });
  while (written == 0) std::this_thread::yield();
  StopWritingFiles();
  // Nothing is under way any more: no temporary file, the last text whole.
  EXPECT_EQ(folder.Names(), Names{"big.txt"});
  const std::string last = RawRead(path);
  ASSERT_EQ(last.size(), std::size_t{4} << 20);
  EXPECT_EQ(last.find_first_not_of(last[0]), std::string::npos);
  EXPECT_EQ(TryWriteWholeFile(folder.File("late.txt"), "late"), WriteResult::kFailed);
  writer.join();
  EXPECT_EQ(folder.Names(), Names{"big.txt"});
  EXPECT_EQ(RawRead(path), last);

  ResumeWritingFiles();
  EXPECT_EQ(TryWriteWholeFile(folder.File("late.txt"), "late"), WriteResult::kWritten);
}

TEST(DescribeWriteResult, NamesEveryFailure) {
  EXPECT_STREQ(DescribeWriteResult(WriteResult::kProtected), "read-only, hidden or system file");
  EXPECT_STREQ(DescribeWriteResult(WriteResult::kLocked), "in use by another program");
  EXPECT_STREQ(DescribeWriteResult(WriteResult::kFailed), "write failed");
}

#ifdef _WIN32

struct HolderCase {
  const char* mode;  // the holder's access, then what it shares
  bool readable;     // only a holder that writes keeps us from reading
};

class FileHeldByAnotherProgram : public ::testing::TestWithParam<HolderCase> {};

TEST_P(FileHeldByAnotherProgram, IsNeverWrittenAndReadOnlyWhenNobodyWrites) {
  ScratchFolder folder;
  const std::string path = folder.File("held.txt");
  RawWrite(path, "held content");
  {
    testing::LockHolderProcess holder(path, GetParam().mode);
    ASSERT_TRUE(holder.ready()) << holder.report();
    if (GetParam().readable) {
      EXPECT_EQ(TryReadWholeFile(path), std::string("held content"));
    } else {
      EXPECT_EQ(TryReadWholeFile(path), std::nullopt);
      EXPECT_EQ(ReadWholeFile(path), "");
    }
    EXPECT_EQ(TryWriteWholeFile(path, "new"), WriteResult::kLocked);
    EXPECT_EQ(TryWriteWholeFile(path, ""), WriteResult::kLocked);
    EXPECT_EQ(folder.Names(), Names{"held.txt"});
  }
  EXPECT_EQ(RawRead(path), "held content");
  EXPECT_EQ(TryWriteWholeFile(path, "after release"), WriteResult::kWritten);
  EXPECT_EQ(ReadWholeFile(path), "after release");
}

INSTANTIATE_TEST_SUITE_P(Holders, FileHeldByAnotherProgram,
                         ::testing::Values(HolderCase{"write none", false},
                                           HolderCase{"write read", false},
                                           HolderCase{"read read", true}),
                         [](const auto& info) {
                           std::string name = info.param.mode;
                           name[name.find(' ')] = '_';
                           return name;
                         });

TEST(WriteWholeFile, ReplacedFileCarriesNoProtectiveAttribute) {
  ScratchFolder folder;
  const std::string path = folder.File("plain.txt");
  RawWrite(path, "old");
  ASSERT_EQ(TryWriteWholeFile(path, "new"), WriteResult::kWritten);
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            0u);
}

TEST(WholeFile, DeviceNamesAreNeitherReadNorReplaced) {
  ScratchFolder folder;
  for (const char* device : {"NUL", "CON"}) {
    const std::string path = folder.File(device);
    EXPECT_EQ(TryWriteWholeFile(path, "text"), WriteResult::kFailed) << device;
    EXPECT_EQ(ReadWholeFile(path), "") << device;
  }
  EXPECT_EQ(folder.Names(), Names{});
}

#else

TEST(WriteWholeFile, NoWriteBitIsReadOnlyEvenForRoot) {
  ScratchFolder folder;
  const std::string path = folder.File("r.txt");
  for (mode_t mode : {0400, 0440, 0555, 0000}) {
    RawWrite(path, "kept");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    EXPECT_EQ(TryWriteWholeFile(path, "lost"), WriteResult::kProtected) << std::oct << mode;
    ::chmod(path.c_str(), 0644);
    EXPECT_EQ(RawRead(path), "kept");
  }
  EXPECT_EQ(folder.Names(), Names{"r.txt"});
}

TEST(WriteWholeFile, KeepsTheTargetsPermissions) {
  ScratchFolder folder;
  const std::string path = folder.File("mode.txt");
  RawWrite(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
  ASSERT_EQ(TryWriteWholeFile(path, "new"), WriteResult::kWritten);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0604u);
}

TEST(WriteWholeFile, NewFileFollowsTheUmask) {
  ScratchFolder folder;
  const mode_t previous = ::umask(027);
  const WriteResult result = TryWriteWholeFile(folder.File("new.txt"), "x");
  ::umask(previous);
  ASSERT_EQ(result, WriteResult::kWritten);
  struct stat info {};
  ASSERT_EQ(::stat(folder.File("new.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(WriteWholeFile, WritesThroughASymbolicLink) {
  ScratchFolder folder;
  RawWrite(folder.File("real.txt"), "old");
  ASSERT_EQ(::symlink("real.txt", folder.File("link.txt").c_str()), 0);
  ASSERT_EQ(TryWriteWholeFile(folder.File("link.txt"), "new"), WriteResult::kWritten);
  EXPECT_EQ(RawRead(folder.File("real.txt")), "new");
  struct stat info {};
  ASSERT_EQ(::lstat(folder.File("link.txt").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(folder.Names(), (Names{"link.txt", "real.txt"}));
}

TEST(WriteWholeFile, DanglingLinkIsLeftAlone) {
  ScratchFolder folder;
  ASSERT_EQ(::symlink("nowhere.txt", folder.File("link.txt").c_str()), 0);
  EXPECT_EQ(TryWriteWholeFile(folder.File("link.txt"), "new"), WriteResult::kFailed);
  EXPECT_EQ(folder.Names(), Names{"link.txt"});
}

TEST(WholeFile, NamedPipeIsNeitherReadNorReplaced) {
  ScratchFolder folder;
  const std::string path = folder.File("pipe");
  ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
  EXPECT_EQ(TryReadWholeFile(path), std::nullopt);  // and does not wait for a writer
  EXPECT_EQ(TryWriteWholeFile(path, "text"), WriteResult::kFailed);
  struct stat info {};
  ASSERT_EQ(::lstat(path.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
  EXPECT_EQ(folder.Names(), Names{"pipe"});
}

#endif

}  // namespace
}  // namespace quellor
