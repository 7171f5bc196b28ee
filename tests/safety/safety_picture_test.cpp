// The safety picture: a table that holds has no red mark, one that tips has a red square and
// cross for each failing load point, every drawn point lies on the canvas, and a check that
// could not be made draws its reason instead of the views.
#include "safety/safety_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "model3d/build_table_model.h"
#include "platform/recording_canvas.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

std::string Drawn(const TableModel& model, const SafetyCheck& check) {
  RecordingCanvas canvas(kSafetyPictureWidth, kSafetyPictureHeight);
  DrawSafetyPicture(model, check, canvas);
  return canvas.ToJsonLines();
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// Every coordinate of the trace ("x", "y1", ...) lies on the picture. Scanned by hand: GCC 12's
// <regex> trips -Wmaybe-uninitialized in the sanitizer build.
void ExpectOnCanvas(const std::string& ops) {
  int coordinates = 0;
  for (size_t at = ops.find('"'); at != std::string::npos; at = ops.find('"', at + 1)) {
    size_t key = at + 1;
    if (key >= ops.size() || (ops[key] != 'x' && ops[key] != 'y')) continue;
    const bool isX = ops[key] == 'x';
    size_t end = key + 1;
    if (end < ops.size() && (ops[end] == '1' || ops[end] == '2')) ++end;
    if (ops.compare(end, 2, "\":") != 0) continue;
    char* stop = nullptr;
    const long v = std::strtol(ops.c_str() + end + 2, &stop, 10);
    if (stop == ops.c_str() + end + 2) continue;
    ++coordinates;
    EXPECT_GE(v, 0);
    EXPECT_LE(v, (isX ? kSafetyPictureWidth : kSafetyPictureHeight) + 10);
  }
  EXPECT_GT(coordinates, 0);
}

TEST(SafetyPicture, MarksTheLoadPointsThatTipTheTableAndNoOthers) {
  const DesignRecord rec = testing::PresetDesign(2, true, true);
  const TableModel model = BuildTableModel(rec);
  const SafetyCheck holds = CheckSafety(rec, model);
  SafetySettings heavy;
  heavy.personMassKg = 400;
  const SafetyCheck tips = CheckSafety(rec, model, heavy);
  int failing = 0;
  for (const TippingCase& t : tips.stability) failing += !t.ok;
  ASSERT_GT(failing, 0);
  for (const TippingCase& t : holds.stability) ASSERT_TRUE(t.ok);

  const std::string calm = Drawn(model, holds), tipping = Drawn(model, tips);
  EXPECT_EQ(Count(calm, "#C80000"), 0);
  // Each failing point in both views: a red square, and the red pen for its cross.
  EXPECT_EQ(Count(tipping, "\"op\":\"polygon\",\"color\":\"#C80000\""), 2 * failing);
  EXPECT_EQ(Count(calm, "\"op\":\"ellipse\""), 2);  // the centre of mass in each view
  ExpectOnCanvas(calm);
  ExpectOnCanvas(tipping);
}

TEST(SafetyPicture, AnUncheckedDesignDrawsItsReason) {
  SafetyCheck unchecked;
  unchecked.cannotCheck = "The safety check cannot be made: the last calculation failed.";
  const std::string ops = Drawn(TableModel{}, unchecked);
  EXPECT_NE(ops.find(unchecked.cannotCheck), std::string::npos);
  EXPECT_EQ(Count(ops, "\"op\":\"lineto\""), 0);
}

}  // namespace
}  // namespace varnloft
