// The driver's materials options: files written at the end from the last design, in the format
// their extension names; settings changed in the measure in force; refused values shown as error
// boxes that change nothing; and the JSON document otherwise as it would be without them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "cli/cli_session.h"
#include "cli/materials_actions.h"
#include "driver_run.h"
#include "platform/json_value.h"

namespace varnloft {
namespace {

using testing::DriverRun;
using testing::ReadAll;

// The "materials" object of a --materials JSON file.
JsonValue MaterialsOf(const std::string& text) {
  JsonParseResult parsed = ParseJson(text);
  EXPECT_TRUE(parsed.value) << parsed.error;
  if (!parsed.value) return JsonValue();
  return *parsed.value->Find("materials");
}

struct MaterialsOptions : ::testing::Test {
  std::string Path(const char* name) { return dir.filePath(name).toStdString(); }
  QTemporaryDir dir;
};

TEST_F(MaterialsOptions, WrongUsageIsRefusedBeforeTheRun) {
  const std::vector<std::vector<std::string>> bad = {
      {"--materials", "list.txt"}, {"--materials", ".json"}, {"--ops", "materials="}, {"--kerf"}};
  for (const auto& args : bad) {
    EXPECT_THROW({ DriverRun run(args); }, UsageError) << args[0];
  }
  EXPECT_NO_THROW(DriverRun({"--materials", Path("LIST.JSON")}));
  EXPECT_NE(CliHelpText().find("--materials FILE"), std::string::npos);
  EXPECT_NE(CliHelpText().find("--stock FILE"), std::string::npos);
}

TEST_F(MaterialsOptions, FilesComeFromTheLastDesignAndLeaveTheDocumentAsItWas) {
  const DriverRun plain({"--preset", "Baby Table"});
  // --materials before the preset: the file still lists the Baby Table, the last design.
  const DriverRun run({"--materials", Path("m.json"), "--materials", Path("m.csv"), "--ops",
                       "materials=" + Path("d.ops"), "--kerf", "0.0625", "--preset", "Baby Table"});
  ASSERT_TRUE(run.written) << run.error;
  EXPECT_EQ(run.report, plain.report);
  const JsonValue m = MaterialsOf(ReadAll(QString::fromStdString(Path("m.json"))));
  EXPECT_DOUBLE_EQ(m.Find("kerf")->AsNumber(), 0.0625 / 12);
  for (const JsonValue& board : m.Find("boards")->Items())
    EXPECT_EQ(board.Find("lumber")->AsString().rfind("3/4 ", 0), 0u);
  const std::string csv = ReadAll(QString::fromStdString(Path("m.csv")));
  EXPECT_EQ(csv.rfind("section,", 0), 0u);
  EXPECT_NE(csv.find("\nsetting,,,kerf,,,,,,,,,,,0.005208333333333333,\n"), std::string::npos);
  const std::string ops = ReadAll(QString::fromStdString(Path("d.ops")));
  EXPECT_NE(ops.find("Board 1 of "), std::string::npos);
  EXPECT_NE(ops.find("{\"op\":\"lineto\","), std::string::npos);
}

TEST_F(MaterialsOptions, EachMeasureKeepsItsOwnKerfAndTrim) {
  const DriverRun run({"--kerf", "0.25", "--metric", "--kerf", "2", "--trim", "5", "--materials",
                       Path("metric.json")});
  ASSERT_TRUE(run.written) << run.error;
  EXPECT_TRUE(run.Dialogs().empty());
  const JsonValue m = MaterialsOf(ReadAll(QString::fromStdString(Path("metric.json"))));
  EXPECT_DOUBLE_EQ(m.Find("kerf")->AsNumber(), 2 / 304.8);
  EXPECT_DOUBLE_EQ(m.Find("trim")->AsNumber(), 5 / 304.8);
}

TEST_F(MaterialsOptions, RefusedValuesAreShownAsErrorBoxesAndChangeNothing) {
  {
    QFile notJson(dir.filePath("bad.json"));
    ASSERT_TRUE(notJson.open(QIODevice::WriteOnly));
    notJson.write("{\"stock\": [{\"lumber\": \"2 X 4\", \"length\": \"8\"}]}");
  }
  const DriverRun run({"--kerf", "abc", "--kerf", "1", "--trim", "-1", "--stock", Path("bad.json"),
                       "--stock", Path("missing.json"), "--materials", Path("m.json")});
  ASSERT_TRUE(run.written) << run.error;
  const std::vector<std::string> dialogs = run.Dialogs();
  ASSERT_EQ(dialogs.size(), 5u);
  EXPECT_EQ(dialogs[0],
            "error: The kerf: 'abc' is not a valid floating point value. Nothing was changed.");
  EXPECT_EQ(dialogs[1], "error: A kerf of 1 in or more is not a saw's cut. Nothing was changed.");
  EXPECT_EQ(dialogs[2], "error: The end trim may not be negative. Nothing was changed.");
  EXPECT_EQ(dialogs[3],
            "error: stock[0].length: must be a number, not a string. Nothing was changed.");
  EXPECT_EQ(
      dialogs[4].rfind("error: The stock file " + Path("missing.json") + " cannot be read: ", 0),
      0u);
  EXPECT_NE(run.report.find("\"text\": \"The end trim may not be negative. Nothing was changed.\""),
            std::string::npos);
  const JsonValue m = MaterialsOf(ReadAll(QString::fromStdString(Path("m.json"))));
  EXPECT_DOUBLE_EQ(m.Find("kerf")->AsNumber(), 0.125 / 12);
  EXPECT_DOUBLE_EQ(m.Find("trim")->AsNumber(), 0);
  EXPECT_DOUBLE_EQ(m.Find("stock")->Items().at(0).Find("price")->AsNumber(), 6.48);
}

TEST_F(MaterialsOptions, AStockFileSetsPricesAndLengths) {
  {
    QFile stock(dir.filePath("stock.json"));
    ASSERT_TRUE(stock.open(QIODevice::WriteOnly));
    stock.write(R"({"currency": "CHF ", "stock": [
        {"lumber": "2 X 6", "length": 12, "price": 9},
        {"lumber": "2 X 4", "length": 16, "price": null}]})");
  }
  const DriverRun run({"--stock", Path("stock.json"), "--materials", Path("m.json")});
  ASSERT_TRUE(run.written) << run.error;
  EXPECT_TRUE(run.Dialogs().empty());
  const JsonValue m = MaterialsOf(ReadAll(QString::fromStdString(Path("m.json"))));
  EXPECT_EQ(m.Find("currency")->AsString(), "CHF ");
  for (const JsonValue& board : m.Find("boards")->Items()) {
    if (board.Find("lumber")->AsString() == "2 X 6") {
      EXPECT_EQ(board.Find("length")->AsNumber(), 12);
      EXPECT_EQ(board.Find("price")->AsNumber(), 9);
    } else if (board.Find("lumber")->AsString() == "2 X 4") {
      EXPECT_EQ(board.Find("length")->AsNumber(), 16);
      EXPECT_TRUE(board.Find("price")->IsNull());
    }
  }
}

TEST_F(MaterialsOptions, TheExportedDiagramsUseTheSameSettings) {
  {
    QFile stock(dir.filePath("stock.json"));
    ASSERT_TRUE(stock.open(QIODevice::WriteOnly));
    stock.write(
        R"({"currency": "CHF ", "stock": [{"lumber": "2 X 6", "length": 12, "price": 9}]})");
  }
  const DriverRun run(
      {"--stock", Path("stock.json"), "--export-svg", "materials=" + Path("d.svg")});
  ASSERT_TRUE(run.written) << run.error;
  const std::string svg = ReadAll(QString::fromStdString(Path("d.svg")));
  EXPECT_NE(svg.find("(CHF 9.00)"), std::string::npos) << svg.substr(0, 2000);
}

TEST_F(MaterialsOptions, AFailedDesignAndAnUnwritableFile) {
  const DriverRun failed({"--type", "Edit4=abc", "--design", "--materials", Path("m.json")});
  ASSERT_TRUE(failed.written);
  const JsonValue m = MaterialsOf(ReadAll(QString::fromStdString(Path("m.json"))));
  EXPECT_EQ(m.Find("problem")->AsString().rfind("The materials cannot be listed", 0), 0u);

  const std::string target = Path("no such folder/m.csv");
  const DriverRun unwritable({"--materials", target});
  EXPECT_FALSE(unwritable.written);
  EXPECT_EQ(unwritable.error, "cannot write " + target + ": No such file or directory");
  // A file in the way of the target's name (here a folder) is left as it was.
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken.json"));
  const DriverRun taken({"--materials", Path("taken.json")});
  EXPECT_FALSE(taken.written);
  EXPECT_TRUE(QFileInfo(dir.filePath("taken.json")).isDir());
}

}  // namespace
}  // namespace varnloft
