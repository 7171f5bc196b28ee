// The check's rows as a person reads them: each figure in the design's measure with the margin
// it leaves, sag and stress apart, a load inside the footprint that cannot tip, and no rows
// for a check that could not be made.
#include "safety/safety_rows.h"

#include <gtest/gtest.h>

#include "model3d/build_table_model.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

const SafetyRow& Row(const std::vector<SafetyRow>& rows, const std::string& check) {
  for (const SafetyRow& r : rows)
    if (r.check == check) return r;
  throw std::runtime_error("no row " + check);
}

TEST(SafetyRows, TheFiguresInTheDesignsMeasureWithTheirMargins) {
  const DesignRecord rec = testing::PresetDesign(2, true, true);
  const SafetyCheck c = CheckSafety(rec, BuildTableModel(rec));
  const std::vector<SafetyRow> rows = SafetyRows(c, true);
  ASSERT_EQ(rows.size(), c.stability.size() + 2 * c.strength.size() + c.accessibility.size());
  const MemberStrength& seat = c.strength[1];
  ASSERT_EQ(seat.member, "Seat");
  const SafetyRow& sag = Row(rows, "Seat: sag");
  EXPECT_FALSE(sag.ok);
  char want[64];
  std::snprintf(want, sizeof want, "%.2f in", seat.deflectionM / 0.0254);
  EXPECT_EQ(sag.figure, want);
  std::snprintf(want, sizeof want, "at most %.2f in", seat.deflectionLimitM / 0.0254);
  EXPECT_EQ(sag.limit, want);
  EXPECT_EQ(sag.margin.front(), '-');  // over the limit
  EXPECT_EQ(sag.source, "span / 180");
  EXPECT_EQ(Row(rows, "Seat: stress").source, "NDS (allowable stress)");

  const std::vector<SafetyRow> metric = SafetyRows(c, false);
  EXPECT_EQ(Row(metric, "Seat: sag").figure.substr(Row(metric, "Seat: sag").figure.size() - 3),
            " mm");
  EXPECT_EQ(
      Row(metric, "Seat: stress").figure.substr(Row(metric, "Seat: stress").figure.size() - 4),
      " MPa");
  const SafetyRow& middle = Row(rows, "front seat, middle of the outer edge: tipping");
  EXPECT_EQ(middle.limit, "inside the footprint");
  EXPECT_TRUE(middle.ok);
  EXPECT_NE(SafetyVerdict(c, true).find("FAIL: a check fails; Southern Pine No. 2"),
            std::string::npos);
}

TEST(SafetyRows, AnUncheckedDesignHasNoRowsAndSaysWhy) {
  SafetyCheck c;
  c.cannotCheck = "The safety check cannot be made: the table has no seats.";
  EXPECT_TRUE(SafetyRows(c, true).empty());
  EXPECT_EQ(SafetyVerdict(c, false), c.cannotCheck);
}

}  // namespace
}  // namespace varnloft
