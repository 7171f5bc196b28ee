// The main window's own events on plain state: one error ends the whole action, the support
// side survives an activation, and the web-address label.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"
#include "platform/web_address.h"

namespace varnloft {
namespace {

struct Started {
  Started() : clock(LocalDateTime{2026, 12, 7, 9, 5, 7, 1}), window(prompts, clock, shell) {
    window.hooks.drawDesignView = [this] { ++views; };
    window.hooks.printPlans = [this] { ++prints; };
    window.FormCreate();
    window.HandleUserEvent([&] { window.FormActivate(); });
  }
  ScriptedPrompts prompts;
  FixedClock clock;
  RecordingShell shell;
  MainWindow window;
  int views = 0;
  int prints = 0;
};

TEST(MainWindowEvents, PrintAfterAFailedDesignPrintsNothing) {
  Started s;
  s.window.HandleUserEvent([&] { s.window.PressPrint(); });
  EXPECT_EQ(s.prints, 1);

  s.window.TypeIntoBox("Edit5", "five");
  const int viewsBefore = s.views;
  EXPECT_FALSE(s.window.HandleUserEvent([&] { s.window.PressPrint(); }));
  EXPECT_EQ(s.prints, 1);
  EXPECT_EQ(s.views, viewsBefore);  // no redraw of a half-calculated design
  ASSERT_EQ(s.prompts.shown.size(), 1u);
  EXPECT_EQ(s.prompts.shown[0].text, "'five' is not a valid floating point value");
}

TEST(MainWindowEvents, SupportSideIsTakenAgainOnActivation) {
  Started s;
  s.window.ClickSupportSide("RadioButton2");
  EXPECT_FALSE(s.window.rec.SupportsExterior);
  EXPECT_EQ(s.window.form.at("RadioButton2").color, kRed);
  EXPECT_EQ(s.window.form.at("RadioButton1").color, kBlue);
  s.window.FormActivate();
  EXPECT_FALSE(s.window.rec.SupportsExterior);
  EXPECT_NEAR(s.window.rec.BraceRun * 12, 28.75, 1e-4);

  // Clicking the button that is already checked does nothing, not even a redesign.
  const int views = s.views;
  s.window.ClickSupportSide("RadioButton2");
  EXPECT_EQ(s.views, views);
}

TEST(MainWindowEvents, DesignIsCustomOnlyAfterTheUserTyped) {
  Started s;
  EXPECT_EQ(s.window.CheckedPresetCaption(), "Adult Standard");
  s.window.PressDesign();
  EXPECT_EQ(s.window.form.statusPanel0, "Adult Standard Size Table");
  s.window.TypeIntoBox("Edit1", "7");
  EXPECT_EQ(s.window.form.statusPanel0, "Adult Standard Size Table");  // not until Design
  s.window.PressDesign();
  EXPECT_EQ(s.window.form.statusPanel0, "Custom Design Table");
  EXPECT_EQ(s.window.CheckedPresetCaption(), "Custom Design");
  EXPECT_EQ(s.window.form.at("BitBtn3").color, kMaroon);
}

TEST(MainWindowEvents, WebAddressLabelTurnsRedAndOpensTheAddress) {
  Started s;
  s.window.HoverWebAddress();
  EXPECT_EQ(s.window.form.at("Label32").color, kRed);
  s.window.LeaveWebAddress();
  EXPECT_EQ(s.window.form.at("Label32").color, kMaroon);
  s.window.OpenWebAddress();
  ASSERT_EQ(s.shell.opened.size(), 1u);
  EXPECT_EQ(s.shell.opened[0], kMakerWebAddress);
  EXPECT_EQ(s.window.form.Text("Label32"), kMakerWebAddress);
}

}  // namespace
}  // namespace varnloft
