// The driver's outputs when some of them cannot be written: every other output is still written,
// every failed one is named with the system's reason, links are written through, a full device
// says so, and a stock file that never ends is refused at once.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "cli/cli_session.h"
#include "driver_run.h"

namespace varnloft {
namespace {

using testing::DriverRun;
using testing::ReadAll;

class OutputFailures : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const {
    return dir.filePath(QString::fromStdString(name)).toStdString();
  }
  bool Exists(const std::string& name) const {
    return QFile::exists(dir.filePath(QString::fromStdString(name)));
  }
  QTemporaryDir dir;
};

TEST_F(OutputFailures, OneFailedOutputStopsNoneOfTheOthers) {
  const DriverRun run({"--design", "--export-packet", Path("missing/p.pdf"), "--materials",
                       Path("m.json"), "--fit", Path("f.json"), "--export-3d", Path("x.stl"),
                       "--ops", "view=" + Path("gone/v.ops")});
  EXPECT_FALSE(run.written);
  EXPECT_TRUE(Exists("m.json"));
  EXPECT_TRUE(Exists("f.json"));
  EXPECT_TRUE(Exists("x.stl"));
  EXPECT_EQ(run.error, "The file \"" + Path("missing/p.pdf") +
                           "\" could not be written: No such file or directory.\n"
                           "cannot write " +
                           Path("gone/v.ops") + ": No such file or directory");
}

TEST_F(OutputFailures, AFileSetIsPutInPlaceWholeOrNotAtAll) {
  QFile old(dir.filePath("x.mtl"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  ASSERT_TRUE(QDir(dir.path()).mkdir("x.obj"));
  const DriverRun run({"--design", "--export-3d", Path("x.obj")});
  EXPECT_FALSE(run.written);
  EXPECT_EQ(run.error, "The 3D model could not be written to '" + Path("x.obj") +
                           "': a folder has that name.");
  EXPECT_EQ(ReadAll(dir.filePath("x.mtl")), "old");
}

TEST_F(OutputFailures, ALinkIsWrittenThroughAndStays) {
  for (const char* name : {"x.stl", "f.json", "v.ops"}) {
    const std::string link = Path(std::string("link-") + name);
    ASSERT_EQ(symlink(name, link.c_str()), 0);
  }
  const DriverRun run({"--design", "--export-3d", Path("link-x.stl"), "--fit", Path("link-f.json"),
                       "--ops", "view=" + Path("link-v.ops")});
  ASSERT_TRUE(run.written) << run.error;
  for (const char* name : {"x.stl", "f.json", "v.ops"}) {
    EXPECT_TRUE(QFileInfo(dir.filePath(QString("link-") + name)).isSymLink()) << name;
    EXPECT_FALSE(ReadAll(dir.filePath(name)).empty()) << name;
  }
}

TEST_F(OutputFailures, AFullDeviceIsNamedWithItsReasonAndStaysADevice) {
  const DriverRun run({"--design", "--fit", "/dev/full", "--materials", Path("m.json")});
  EXPECT_FALSE(run.written);
  EXPECT_EQ(run.error, "cannot write /dev/full: No space left on device");
  EXPECT_TRUE(Exists("m.json"));
  struct stat info {};
  ASSERT_EQ(stat("/dev/full", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST_F(OutputFailures, AnExportRefusedForAFailedCalculationIsTheErrorBoxAlone) {
  for (const char* what : {"plan", "view", "materials"}) {
    const DriverRun run({"--type", "Edit4=abc", "--design", "--export-svg",
                         std::string(what) + "=" + Path("s.svg"), "--export-packet",
                         Path("p.pdf")});
    // The plan and the packet are refused in a box; the view and the diagram are drawn.
    EXPECT_TRUE(run.written) << what << ": " << run.error;
    EXPECT_EQ(Exists("s.svg"), std::string(what) != "plan") << what;
    EXPECT_FALSE(Exists("p.pdf")) << what;
    QFile::remove(dir.filePath("s.svg"));
  }
}

TEST_F(OutputFailures, AStockFileThatNeverEndsIsRefusedAtOnce) {
  const std::string fifo = Path("stock.json");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& stock : {fifo, std::string("/dev/zero")}) {
    const DriverRun run({"--stock", stock, "--design", "--materials", Path("m.json")});
    ASSERT_TRUE(run.written) << run.error;
    ASSERT_EQ(run.Dialogs().size(), 1u);
    EXPECT_EQ(run.Dialogs()[0], "error: The stock file " + stock +
                                    " cannot be read: it is not a regular file. Nothing was "
                                    "changed.");
  }
}

}  // namespace
}  // namespace varnloft
