// Whole-file writes through a temporary file and a rename, and bounded reads that never wait on
// a pipe.
#include "platform/atomic_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/bounded_read.h"
#include "tests/platform/scratch_files.h"

namespace varnloft {
namespace {

namespace fs = std::filesystem;

using testing::Contents;
using testing::Folder;

TEST(AtomicWrite, ReplacesTheWholeFileAndLeavesNothingElse) {
  Folder folder;
  const std::string file = folder / "design.varnloft";
  EXPECT_EQ(WriteFileAtomically(file, "first, and longer"), "");
  EXPECT_EQ(WriteFileAtomically(file, "second"), "");
  EXPECT_EQ(Contents(file), "second");
  EXPECT_EQ(folder.Entries(), 1u);
  const std::string big(3 << 20, 'x');
  EXPECT_EQ(WriteFileAtomically(file, big), "");
  EXPECT_EQ(Contents(file), big);
}

TEST(AtomicWrite, FollowsALinkAndKeepsTheMode) {
  Folder folder;
  const std::string target = folder / "real.varnloft";
  const std::string link = folder / "link.varnloft";
  ASSERT_EQ(WriteFileAtomically(target, "old"), "");
  ASSERT_EQ(chmod(target.c_str(), 0604), 0);
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  EXPECT_EQ(WriteFileAtomically(link, "new"), "");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Contents(target), "new");
  struct stat info {};
  ASSERT_EQ(stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0604u);
}

TEST(AtomicWrite, FailuresSayWhyAndKeepTheTarget) {
  Folder folder;
  const std::string plain = folder / "plain";
  ASSERT_EQ(WriteFileAtomically(plain, "kept"), "");
  EXPECT_EQ(WriteFileAtomically(plain + "/a.varnloft", "x"), "Not a directory");
  EXPECT_EQ(WriteFileAtomically(folder / "none/a.varnloft", "x"), "No such file or directory");
  EXPECT_EQ(WriteFileAtomically(folder.path, "x"), "a folder has that name");
  EXPECT_EQ(WriteFileAtomically(folder.path + "/", "x"), "the name is that of a folder");
  EXPECT_EQ(WriteFileAtomically("", "x"), "no file name was given");
  EXPECT_EQ(Contents(plain), "kept");
  EXPECT_EQ(folder.Entries(), 1u);
}

TEST(BoundedRead, ReadsUpToTheLimitAndRefusesMore) {
  Folder folder;
  const std::string file = folder / "f";
  ASSERT_EQ(WriteFileAtomically(file, "12345"), "");
  std::string text, error;
  EXPECT_EQ(ReadBoundedFile(file, 5, text, error), ReadStatus::Ok);
  EXPECT_EQ(text, "12345");
  EXPECT_EQ(ReadBoundedFile(file, 4, text, error), ReadStatus::TooLarge);
  EXPECT_EQ(text, "");
  EXPECT_EQ(ReadBoundedFile(folder / "none", 5, text, error), ReadStatus::Failed);
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_EQ(ReadBoundedFile(folder.path, 5, text, error), ReadStatus::Failed);
  EXPECT_EQ(error, "it is a folder");
}

TEST(BoundedRead, NeverWaitsOnAPipeOrADevice) {
  Folder folder;
  const std::string fifo = folder / "pipe.varnloft";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string text, error;
  EXPECT_EQ(ReadBoundedFile(fifo, 100, text, error), ReadStatus::Failed);
  EXPECT_EQ(error, "it is not a regular file");
  EXPECT_EQ(ReadBoundedFile("/dev/zero", 100, text, error), ReadStatus::Failed);
}

}  // namespace
}  // namespace varnloft
