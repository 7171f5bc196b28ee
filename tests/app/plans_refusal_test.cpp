// While the last calculation has failed the record mixes two designs: Plans and Print refuse
// with a message and draw nothing.
#include <gtest/gtest.h>

#include "app/design_commands.h"
#include "planned_window.h"
#include "tests/support/op_find.h"

namespace varnloft {
namespace {

using testing::PlannedWindow;

bool Refused(const ShownBox& box, const std::string& action) {
  return box.kind == "error" &&
         box.text.rfind("The plans cannot be " + action + ": the last design calculation stopped",
                        0) == 0;
}

TEST(PlansRefusal, PlansAfterAFailedCalculationShowsTheReasonAndDrawsNothing) {
  PlannedWindow p;
  p.Run([&] { p.w.design().TypeIntoBox("tableHeight.0", "abc"); });
  EXPECT_FALSE(p.Run([&] { p.w.design().PressDesign(); }));
  ASSERT_TRUE(p.w.rec.LastCalculationFailed);
  const size_t boxes = p.prompts.shown.size();

  EXPECT_FALSE(p.PressPlans());
  ASSERT_EQ(p.prompts.shown.size(), boxes + 1);
  EXPECT_TRUE(Refused(p.prompts.shown.back(), "drawn"));
  EXPECT_TRUE(p.sheet.Ops().empty());
  EXPECT_EQ(p.w.rec.PlanName, "");

  // A good entry and Design make Plans work again.
  p.Run([&] { p.w.design().TypeIntoBox("tableHeight.0", "2"); });
  EXPECT_TRUE(p.Run([&] { p.w.design().PressDesign(); }));
  EXPECT_TRUE(p.PressPlans());
  EXPECT_FALSE(p.sheet.Ops().empty());
}

TEST(PlansRefusal, PrintAfterAFailedCalculationPrintsNothing) {
  PlannedWindow p;
  p.Run([&] { p.w.design().TypeIntoBox("tableHeight.0", "abc"); });
  // Print presses Design first, which fails again: its error is shown and nothing is printed.
  EXPECT_FALSE(p.PressPrint());
  EXPECT_EQ(p.printsStarted, 0);
  EXPECT_EQ(p.prompts.shown.back().text, "'abc' is not a valid floating point value");

  // Reached with a failed calculation in the record, printing refuses before the document.
  RecordingPageSink pages(testing::kLetterWidth, testing::kLetterHeight);
  ASSERT_TRUE(p.w.rec.LastCalculationFailed);
  EXPECT_FALSE(p.Run([&] { PrintPlans(p.w.rec, pages, PlanContextOf(p.w)); }));
  EXPECT_TRUE(Refused(p.prompts.shown.back(), "printed"));
  EXPECT_EQ(pages.Pages(), 0);
  EXPECT_TRUE(pages.Recording().Ops().empty());
}

}  // namespace
}  // namespace varnloft
