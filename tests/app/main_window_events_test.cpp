// The main window's own events on plain state: one error ends the whole action, the support
// side survives an activation, and the web-address label.
#include <gtest/gtest.h>

#include "app/design_commands.h"
#include "platform/web_address.h"
#include "tests/app/started_window.h"

namespace varnloft {
namespace {

TEST(MainWindowEvents, PrintAfterAFailedDesignPrintsNothing) {
  StartedWindow s;
  s.w.HandleUserEvent([&] { s.w.design().PressPrint(); });
  EXPECT_EQ(s.prints, 1);

  s.w.design().TypeIntoBox("tableHeight.1", "five");
  const int viewsBefore = s.designViews;
  EXPECT_FALSE(s.w.HandleUserEvent([&] { s.w.design().PressPrint(); }));
  EXPECT_EQ(s.prints, 1);
  EXPECT_EQ(s.designViews, viewsBefore);  // no redraw of a half-calculated design
  ASSERT_EQ(s.prompts.shown.size(), 1u);
  EXPECT_EQ(s.prompts.shown[0].text, "'five' is not a valid floating point value");
}

TEST(MainWindowEvents, SupportSideIsTakenAgainOnActivation) {
  StartedWindow s;
  s.w.design().ClickSupportSide("interiorSupports");
  EXPECT_FALSE(s.w.rec.SupportsExterior);
  EXPECT_EQ(s.w.form.at("interiorSupports").color, kRed);
  EXPECT_EQ(s.w.form.at("exteriorSupports").color, kBlue);
  s.w.design().Activate();
  EXPECT_FALSE(s.w.rec.SupportsExterior);
  EXPECT_NEAR(s.w.rec.BraceRun * 12, 28.75, 1e-4);

  // Clicking the button that is already checked does nothing, not even a redesign.
  const int views = s.designViews;
  s.w.design().ClickSupportSide("interiorSupports");
  EXPECT_EQ(s.designViews, views);
}

TEST(MainWindowEvents, DesignIsCustomOnlyAfterTheUserTyped) {
  StartedWindow s;
  EXPECT_EQ(s.w.CheckedPresetCaption(), "Adult Standard");
  s.w.design().PressDesign();
  EXPECT_EQ(s.w.form.statusPanel0, "Adult Standard Size Table");
  s.w.design().TypeIntoBox("overallLength.0", "7");
  EXPECT_EQ(s.w.form.statusPanel0, "Adult Standard Size Table");  // not until Design
  s.w.design().PressDesign();
  EXPECT_EQ(s.w.form.statusPanel0, "Custom Design Table");
  EXPECT_EQ(s.w.CheckedPresetCaption(), "Custom Design");
  EXPECT_EQ(s.w.form.at("designButton").color, kMaroon);
}

TEST(MainWindowEvents, WebAddressLabelTurnsRedAndOpensTheAddress) {
  StartedWindow s;
  s.w.design().HoverWebAddress();
  EXPECT_EQ(s.w.form.at("webAddress").color, kRed);
  s.w.design().LeaveWebAddress();
  EXPECT_EQ(s.w.form.at("webAddress").color, kMaroon);
  s.w.design().OpenWebAddress();
  ASSERT_EQ(s.shell.opened.size(), 1u);
  EXPECT_EQ(s.shell.opened[0], kMakerWebAddress);
  EXPECT_EQ(s.w.form.Text("webAddress"), kMakerWebAddress);
}

}  // namespace
}  // namespace varnloft
