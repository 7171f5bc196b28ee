// Writing to targets that are not plain files: a file set whose last member fails, links (to a
// file, to nowhere yet), a pipe with and without a reader, a character device, a full disk.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/atomic_write.h"
#include "tests/platform/scratch_files.h"

namespace varnloft {
namespace {

namespace fs = std::filesystem;

using testing::Contents;
using testing::Folder;

TEST(FileSet, NoMemberIsReplacedWhenOneFails) {
  Folder folder;
  const std::string mtl = folder / "x.mtl", obj = folder / "x.obj";
  ASSERT_EQ(WriteFileAtomically(mtl, "old mtl"), "");
  fs::create_directory(obj);  // the .obj cannot be written
  const WriteFailure failure = WriteFileSetAtomically({{mtl, "new mtl"}, {obj, "new obj"}});
  EXPECT_EQ(failure.path, obj);
  EXPECT_EQ(failure.reason, "a folder has that name");
  EXPECT_EQ(Contents(mtl), "old mtl");
  EXPECT_EQ(folder.Entries(), 2u);  // no temporary file is left

  fs::remove(obj);
  EXPECT_EQ(WriteFileSetAtomically({{mtl, "new mtl"}, {obj, "new obj"}}).reason, "");
  EXPECT_EQ(Contents(mtl), "new mtl");
  EXPECT_EQ(Contents(obj), "new obj");
}

TEST(FileSet, ALinkToNowhereYetCreatesTheFileItNamesAndStays) {
  Folder folder;
  const std::string link = folder / "link.json";
  ASSERT_EQ(symlink("made.json", link.c_str()), 0);
  EXPECT_EQ(WriteFileAtomically(link, "made"), "");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Contents(folder / "made.json"), "made");
}

TEST(StreamTargets, APipeIsWrittenToAndNeverReplaced) {
  Folder folder;
  const std::string fifo = folder / "pipe";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // Nobody reads: refused at once rather than waited on, and the pipe stays a pipe.
  EXPECT_EQ(WriteFileAtomically(fifo, "lost"), "no program is reading from the pipe");
  std::string got;
  std::thread reader([&] {
    const int fd = open(fifo.c_str(), O_RDONLY);
    char buffer[256];
    for (ssize_t n; fd >= 0 && (n = read(fd, buffer, sizeof buffer)) > 0;)
      got.append(buffer, static_cast<size_t>(n));
    if (fd >= 0) close(fd);
  });
  std::string reason;
  for (int attempt = 0; attempt < 200; ++attempt) {  // until the reader has opened its end
    reason = WriteFileAtomically(fifo, "through the pipe");
    if (reason.empty()) break;
    usleep(10000);
  }
  reader.join();
  EXPECT_EQ(reason, "");
  EXPECT_EQ(got, "through the pipe");
  struct stat info {};
  ASSERT_EQ(lstat(fifo.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(StreamTargets, ACharacterDeviceIsWrittenToAndAFullOneSaysSo) {
  EXPECT_EQ(WriteFileAtomically("/dev/null", "gone"), "");
  EXPECT_EQ(WriteFileAtomically("/dev/full", "no room"), "No space left on device");
  struct stat info {};
  ASSERT_EQ(stat("/dev/null", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST(StreamTargets, StdoutSentToAFileIsWrittenAtItsEndNotReplaced) {
  Folder folder;
  const std::string file = folder / "report.txt";
  const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, "report\n", 7), 7);
  struct stat before {};
  ASSERT_EQ(fstat(fd, &before), 0);
  EXPECT_EQ(WriteFileAtomically("/proc/self/fd/" + std::to_string(fd), "fit\n"), "");
  close(fd);
  EXPECT_EQ(Contents(file), "report\nfit\n");
  struct stat after {};
  ASSERT_EQ(stat(file.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);  // the same file, not a new one in its place
}

TEST(FullDisk, AFileSizeLimitKeepsTheOldFileAndSaysWhy) {
  Folder folder;
  const std::string file = folder / "out.json";
  ASSERT_EQ(WriteFileAtomically(file, "the old report"), "");
  // A child process with a 1 KB file size limit stands in for a full disk.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit {
      1024, 1024
    };
    setrlimit(RLIMIT_FSIZE, &limit);
    const std::string reason = WriteFileAtomically(file, std::string(1 << 16, 'x'));
    _exit(reason == "File too large" ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(Contents(file), "the old report");
  EXPECT_EQ(folder.Entries(), 1u);
}

}  // namespace
}  // namespace varnloft
