// The driver by role names: --set types a builder's text into one input's boxes and designs with
// Enter, the same design as typing into the boxes one by one and pressing Design; every length
// the plan sheet prints for a member reads back through --set; --roles and a design file given
// first; and the report's "inputs" member only where these are used.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "design/preset_table.h"
#include "design/table_members.h"
#include "tests/cli/driver_run.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

using testing::DriverRun;

// The report's "record" member alone.
std::string RecordOf(const std::string& report) {
  const auto start = report.find("\"record\"");
  return report.substr(start, report.find("\"controls\"") - start);
}

TEST(RoleOptions, SetIsTypingIntoTheBoxesAndPressingDesign) {
  const DriverRun set({"--set", "overallLength=8' 6 1/2\""});
  const DriverRun typed(
      {"--type", "Edit1=8", "--type", "Edit2=6", "--type", "Edit3=8", "--design"});
  EXPECT_EQ(RecordOf(set.report), RecordOf(typed.report));
  EXPECT_NE(set.report.find("\"OverallLength\": 8.54166698"), std::string::npos);
  EXPECT_NE(set.report.find("\"overallLength\": [\"8\", \"6\", \"8\"]"), std::string::npos);
  EXPECT_EQ(typed.report.find("\"inputs\""), std::string::npos);  // only with the role options

  // Metric, a lumber size and a count.
  const DriverRun metric({"--metric", "--set", "tableHeight=0.8 m", "--set", "seatSize=2 X 8",
                          "--set", "seatBoardCount=3"});
  // The sixteenths box, hidden in metric, keeps what the measure switch left in it.
  EXPECT_NE(metric.report.find("\"tableHeight\": [\"0\", \"800\", \"8\"]"), std::string::npos);
  EXPECT_NE(metric.report.find("\"seatSize\": [\"2 X 8\", \"184\"]"), std::string::npos);
  EXPECT_NE(metric.report.find("\"SeatBoardCount\": 3,"), std::string::npos);
}

TEST(RoleOptions, ABadTextGetsTheDesignButtonsErrorBoxAndAnUnknownRoleIsAUsageError) {
  const DriverRun bad({"--set", "overallLength=six feet"});
  ASSERT_FALSE(bad.Dialogs().empty());
  EXPECT_EQ(bad.Dialogs().back(), "error: 'six feet' is not a valid floating point value");
  EXPECT_TRUE(bad.written);
  EXPECT_THROW(DriverRun({"--set", "Edit1=6"}), UsageError);
  EXPECT_THROW(DriverRun({"--set", "overallLength"}), UsageError);
}

TEST(RoleOptions, EveryMemberLengthThePlanSheetPrintsReadsBackThroughSet) {
  int texts = 0;
  for (size_t preset = 0; preset < PresetDesigns().size(); ++preset) {
    for (const bool imperial : {true, false}) {
      const DesignRecord rec = testing::PresetDesign(preset, imperial, true);
      for (const TableMember& member : TableMembers(rec)) {
        if (!member.present || !(member.length > 0)) continue;
        const std::string text = rec.FormatLength(static_cast<float>(member.length));
        std::vector<std::string> args;
        if (!imperial) args.emplace_back("--metric");
        args.insert(args.end(), {"--set", "overallLength=" + text});
        const DriverRun run(args);
        DesignRecord shown = rec;
        const auto at = run.report.find("\"OverallLength\": ");
        ASSERT_NE(at, std::string::npos);
        shown.OverallLength = std::stof(run.report.substr(at + 17));
        EXPECT_EQ(shown.FormatLength(shown.OverallLength), text)
            << PresetDesigns()[preset].caption << " " << member.name;
        ++texts;
      }
    }
  }
  EXPECT_GT(texts, 100);
}

TEST(RoleOptions, RolesAndADesignFileGivenFirst) {
  const DriverRun roles({"--roles"});
  EXPECT_NE(roles.report.find("\"overallLength\": {\"unit\": \"length\", \"caption\": \"Overall "
                              "Length\", \"boxes\": [\"Edit1\", \"Edit2\", \"Edit3\"], "
                              "\"imperial\": [\"6\", \"0\", \"0\"], \"metric\": [\"1\", \"829\", "
                              "\"0\"]}"),
            std::string::npos);
  EXPECT_NE(roles.report.find("\"inputs\""), std::string::npos);

  QTemporaryDir folder;
  const std::string file = folder.filePath("t.varnloft").toStdString();
  const DriverRun saved({"--set", "overallLength=9'", "--save-design", file});
  ASSERT_TRUE(saved.written) << saved.error;
  const DriverRun opened({file});
  EXPECT_NE(opened.report.find("\"OverallLength\": 9,"), std::string::npos);
  EXPECT_NE(opened.report.find("\"overallLength\": [\"9\", \"0\", \"0\"]"), std::string::npos);
  EXPECT_NE(opened.report.find("\"name\": \"t.varnloft\""), std::string::npos);
}

}  // namespace
}  // namespace varnloft
