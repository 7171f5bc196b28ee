// The lumber thickness dialog, the model-building scale dialog and the 21.4 % toggle, driven as
// a user drives them: each event through the main window's error boundary, and the main
// window's activation when a dialog closes.
#include "app/option_dialogs.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/option_commands.h"
#include "app/preset_commands.h"
#include "tests/app/started_window.h"

namespace varnloft {
namespace {

struct DialogWindow : StartedWindow {
  ThicknessDialog thickness{w};
  ScaleDialog scale{w};

  void OpenThickness() {
    ASSERT_TRUE(Run([&] { w.options().ShowThicknessDialog(); }));
  }
  void OpenScale() {
    ASSERT_TRUE(Run([&] { w.options().ShowScaleDialog(); }));
  }
  void TypeThickness(const char* box, const std::string& text) {
    TypeIntoDialogBox(w, kThicknessDialog, box, text,
                      [&](const std::string& typed) { thickness.UserChange(box, typed); });
  }
  void TypeSelect(const std::string& text) {
    TypeIntoDialogBox(w, kScaleDialog, "percentage", text,
                      [&](const std::string& typed) { scale.UserChange(typed); });
  }
  // Returns true when the event closed the dialog (and so ran the main window's activation).
  bool Thickness(const std::function<void()>& handler) {
    return RunDialogEvent(w, kThicknessDialog, handler);
  }
  bool Scale(const std::function<void()>& handler) {
    return RunDialogEvent(w, kScaleDialog, handler);
  }
};

TEST(ThicknessDialog, ThreeQuarterInchLumber) {
  DialogWindow d;
  d.OpenThickness();
  EXPECT_TRUE(d.thickness.IsOpen());
  EXPECT_FALSE(d.w.form.mainWindowEnabled);
  d.TypeThickness("inches", "0");
  EXPECT_EQ(d.Text("thicknessDialog.millimetres"), "13");  // live: 0 and 8 sixteenths
  d.TypeThickness("sixteenths", "12");
  EXPECT_EQ(d.Text("thicknessDialog.millimetres"), "19");
  EXPECT_FLOAT_EQ(d.w.rec.LumberThickness, 0.125f);  // nothing changes before OK

  const int views = d.designViews;
  EXPECT_TRUE(d.Thickness([&] { d.thickness.PressOk(); }));
  EXPECT_FALSE(d.thickness.IsOpen());
  EXPECT_TRUE(d.w.form.mainWindowEnabled);
  EXPECT_FLOAT_EQ(d.w.rec.LumberThickness, 0.0625f);
  // The activation designed again with the new boards, as a custom design.
  EXPECT_EQ(d.designViews, views + 1);
  EXPECT_EQ(d.Text("thicknessLabel"), "(  3/4\"  )");
  EXPECT_EQ(d.w.form.statusPanel0, "Custom Design Table");
  EXPECT_TRUE(d.prompts.shown.empty());
}

TEST(ThicknessDialog, CancelRestoresTheDefault) {
  DialogWindow d;
  d.OpenThickness();
  d.TypeThickness("inches", "0");
  d.TypeThickness("sixteenths", "12");
  EXPECT_TRUE(d.Thickness([&] { d.thickness.PressOk(); }));
  ASSERT_FLOAT_EQ(d.w.rec.LumberThickness, 0.0625f);

  d.OpenThickness();
  d.TypeThickness("sixteenths", "4");
  EXPECT_TRUE(d.Thickness([&] { d.thickness.PressCancel(); }));
  EXPECT_FLOAT_EQ(d.w.rec.LumberThickness, 0.125f);
  EXPECT_EQ(d.Text("thicknessDialog.inches"), "1");
  EXPECT_EQ(d.Text("thicknessDialog.sixteenths"), "8");
  EXPECT_EQ(d.Text("thicknessDialog.millimetres"), "38");
  EXPECT_EQ(d.Text("thicknessLabel"), "( 1   1/2\"  )");
  EXPECT_TRUE(d.w.form.mainWindowEnabled);
}

TEST(ThicknessDialog, CancelRestoresEvenAfterATextThatIsNoNumber) {
  DialogWindow d;
  d.OpenThickness();
  d.TypeThickness("sixteenths", "x");
  ASSERT_EQ(d.prompts.shown.size(), 1u);  // the live millimetres cannot be worked out
  EXPECT_EQ(d.prompts.shown[0].text, "'x' is not a valid floating point value");
  d.TypeThickness("inches", "2");
  EXPECT_TRUE(d.Thickness([&] { d.thickness.PressCancel(); }));
  EXPECT_EQ(d.Text("thicknessDialog.inches"), "1");
  EXPECT_EQ(d.Text("thicknessDialog.sixteenths"), "8");
  EXPECT_EQ(d.Text("thicknessDialog.millimetres"), "38");
  EXPECT_TRUE(d.w.form.mainWindowEnabled);
}

TEST(ThicknessDialog, APresetResetsBoxesLeftWithoutANumber) {
  DialogWindow d;
  d.OpenThickness();
  d.TypeThickness("sixteenths", "x");
  d.TypeThickness("inches", "2");
  EXPECT_TRUE(d.Thickness([&] { d.thickness.CloseRequest(); }));
  d.prompts.shown.clear();
  EXPECT_TRUE(d.Run([&] { d.w.presets().ApplyPreset("TallBoy1"); }));
  EXPECT_TRUE(d.prompts.shown.empty());
  EXPECT_EQ(d.Text("thicknessDialog.inches"), "1");
  EXPECT_EQ(d.Text("thicknessDialog.sixteenths"), "8");
  EXPECT_EQ(d.Text("thicknessDialog.millimetres"), "38");
  EXPECT_EQ(d.w.CheckedPresetCaption(), "Tall Boy");
}

TEST(ThicknessDialog, EmptiedBoxBecomesZeroWithTheCursorAtItsEnd) {
  DialogWindow d;
  d.OpenThickness();
  d.TypeThickness("inches", "");
  const ControlState& inches = d.w.form.at("thicknessDialog.inches");
  EXPECT_EQ(inches.text, "0");
  EXPECT_EQ(inches.cursor, 1);
  EXPECT_EQ(d.Text("thicknessDialog.millimetres"), "13");
  // Typing on after the 0 (the cursor is at the end) appends.
  d.thickness.UserChange("inches", "01");
  EXPECT_EQ(d.Text("thicknessDialog.millimetres"), "38");
}

TEST(ThicknessDialog, OKWithATextThatIsNoNumberKeepsTheDialogOpen) {
  DialogWindow d;
  d.OpenThickness();
  d.w.form.Text("thicknessDialog.inches") = "one";  // pasted without a change event reaching us
  EXPECT_FALSE(d.Thickness([&] { d.thickness.PressOk(); }));
  ASSERT_EQ(d.prompts.shown.size(), 1u);
  EXPECT_EQ(d.prompts.shown[0].text, "'one' is not a valid floating point value");
  EXPECT_TRUE(d.thickness.IsOpen());
  EXPECT_FALSE(d.w.form.mainWindowEnabled);
  EXPECT_FLOAT_EQ(d.w.rec.LumberThickness, 0.125f);

  // Closed by a system command: the main window takes input again, the thickness is kept.
  const int views = d.designViews;
  EXPECT_TRUE(d.Thickness([&] { d.thickness.CloseRequest(); }));
  EXPECT_TRUE(d.w.form.mainWindowEnabled);
  EXPECT_FLOAT_EQ(d.w.rec.LumberThickness, 0.125f);
  EXPECT_EQ(d.designViews, views + 1);
}

TEST(ThicknessDialog, TooThickForASingleIsRefused) {
  DialogWindow d;
  d.OpenThickness();
  d.TypeThickness("inches", "1e300");
  EXPECT_FALSE(d.Thickness([&] { d.thickness.PressOk(); }));
  EXPECT_TRUE(d.thickness.IsOpen());
  EXPECT_FLOAT_EQ(d.w.rec.LumberThickness, 0.125f);
}

TEST(ThicknessDialog, ThicknessLabelOpensItToo) {
  DialogWindow d;
  ASSERT_TRUE(d.Run([&] { d.w.options().ClickThicknessLabel(); }));
  EXPECT_TRUE(d.thickness.IsOpen());
  EXPECT_FALSE(d.w.form.mainWindowEnabled);
  EXPECT_FALSE(d.w.rec.CustomDesignMode);  // opening alone is no change
}

TEST(ScaleDialog, HalfSize) {
  DialogWindow d;
  d.OpenScale();
  EXPECT_FALSE(d.w.form.mainWindowEnabled);
  EXPECT_EQ(d.Text("scaleDialog.example1"), "21.4 % reduces 3.5\" (2 X 4)  to 3/4\"");
  EXPECT_EQ(d.Text("scaleDialog.example2"), "13.6 % reduces 5.5\" (2 X 6)  to 3/4\"");
  EXPECT_EQ(d.Text("scaleDialog.percentage"), "21.4 ");
  d.TypeSelect("50");
  EXPECT_TRUE(d.Scale([&] { d.scale.PressOk(); }));
  EXPECT_TRUE(d.w.rec.ModelScale);
  EXPECT_FLOAT_EQ(d.w.rec.ScaleFactor, 0.5f);
  EXPECT_EQ(d.w.form.statusPanel0, "50.0% of size shown in design panel above. ");
  EXPECT_EQ(d.Text("tableTopSize.label"), "2   3/4\" ");  // a 5 1/2 inch board shown at half size
  EXPECT_EQ(d.Text("scaleDialog.percentage"), "21.4");
  EXPECT_TRUE(d.w.form.mainWindowEnabled);

  // A scale from the dialog counts as on for the 21.4 % toggle.
  ASSERT_TRUE(d.Run([&] { d.w.options().ToggleModelScale(); }));
  ASSERT_FALSE(d.prompts.shown.empty());
  EXPECT_EQ(d.prompts.shown.back().text, "Restore back to 100% Size?");
  EXPECT_FALSE(d.w.rec.ModelScale);
}

TEST(ScaleDialog, MetricExamples) {
  DialogWindow d;
  ASSERT_TRUE(d.Run([&] { d.w.presets().SwitchToMetric(); }));
  d.OpenScale();
  EXPECT_EQ(d.Text("scaleDialog.example1"), "21.4 % reduces 89 mm to 19 mm");
  EXPECT_EQ(d.Text("scaleDialog.example2"), "13.6 % reduces 140 mm to 19 mm");
}

TEST(ScaleDialog, PercentagesThatCannotScaleAreRefusedBeforeAnythingChanges) {
  for (const char* text : {"0", "-5", "abc", "", "1e-60", "1e60"}) {
    SCOPED_TRACE(text);
    DialogWindow d;
    d.OpenScale();
    d.TypeSelect("50");
    ASSERT_TRUE(d.Scale([&] { d.scale.PressOk(); }));
    const std::string status = d.w.form.statusPanel0;

    d.OpenScale();
    d.TypeSelect(text);
    EXPECT_FALSE(d.Scale([&] { d.scale.PressOk(); }));
    ASSERT_EQ(d.prompts.shown.size(), 1u);
    EXPECT_EQ(d.prompts.shown[0].kind, "error");
    EXPECT_TRUE(d.scale.IsOpen());
    EXPECT_FALSE(d.w.form.mainWindowEnabled);
    EXPECT_FLOAT_EQ(d.w.rec.ScaleFactor, 0.5f);
    EXPECT_EQ(d.w.form.statusPanel0, status);
    // The user gives up with the close box: the old scale stays and the main window is back.
    EXPECT_TRUE(d.Scale([&] { d.scale.CloseRequest(); }));
    EXPECT_TRUE(d.w.form.mainWindowEnabled);
    EXPECT_TRUE(d.w.rec.ModelScale);
    EXPECT_FLOAT_EQ(d.w.rec.ScaleFactor, 0.5f);
    EXPECT_EQ(d.Text("scaleDialog.percentage"), "21.4");
  }
  DialogWindow d;
  d.OpenScale();
  d.TypeSelect("0");
  EXPECT_FALSE(d.Scale([&] { d.scale.PressOk(); }));
  EXPECT_FALSE(d.w.rec.ModelScale);
  EXPECT_EQ(d.prompts.shown[0].text,
            "The resizing percentage must be greater than 0 ('0' is not). Enter a percentage "
            "such as 21.4.");
}

TEST(ScaleDialog, CancelCloseBoxBlankAndHelp) {
  DialogWindow d;
  d.OpenScale();
  d.TypeSelect(" ");  // a lone blank becomes 0, the cursor after it
  EXPECT_EQ(d.Text("scaleDialog.percentage"), "0");
  EXPECT_EQ(d.w.form.at("scaleDialog.percentage").cursor, 1);
  d.TypeSelect(" 5");
  EXPECT_EQ(d.Text("scaleDialog.percentage"), "05");

  ASSERT_TRUE(d.Run([&] { d.scale.PressHelp(); }));
  EXPECT_EQ(d.prompts.beeps, 1);
  ASSERT_EQ(d.prompts.shown.size(), 1u);
  EXPECT_EQ(d.prompts.shown[0].text,
            "This option allows resizing (generally used for model building). Input your "
            "selection choice in the edit box and click the OK button.");
  EXPECT_TRUE(d.scale.IsOpen());

  const int views = d.designViews;
  EXPECT_TRUE(d.Scale([&] { d.scale.PressCancel(); }));
  EXPECT_FALSE(d.w.rec.ModelScale);
  EXPECT_EQ(d.Text("scaleDialog.percentage"), "21.4");
  EXPECT_EQ(d.designViews, views + 1);  // the activation designs again

  d.OpenScale();
  EXPECT_TRUE(d.Scale([&] { d.scale.CloseRequest(); }));
  EXPECT_TRUE(d.w.form.mainWindowEnabled);
  EXPECT_FALSE(d.w.rec.ModelScale);
}

TEST(ModelScaleToggle, OnAndRestored) {
  DialogWindow d;
  const char* item = "modelScaleItem";
  ASSERT_TRUE(d.Run([&] { d.w.options().ToggleModelScale(); }));
  EXPECT_EQ(d.prompts.shown.back().text, "Design to a 21.4% Size Reduction Scale.");
  EXPECT_TRUE(d.w.rec.ModelScale);
  EXPECT_FLOAT_EQ(d.w.rec.ScaleFactor, 3.0f / 14.0f);
  EXPECT_EQ(d.Text(item), "Restore back to 100% Size");
  EXPECT_EQ(d.w.form.statusPanel0, "21.4% Size Reduction Scale.");
  EXPECT_EQ(d.Text("outerSupportSize.label"), " 3/4\" ");  // a 3 1/2 inch support as a model

  ASSERT_TRUE(d.Run([&] { d.w.options().ToggleModelScale(); }));
  EXPECT_EQ(d.prompts.shown.back().text, "Restore back to 100% Size?");
  EXPECT_FALSE(d.w.rec.ModelScale);
  EXPECT_FLOAT_EQ(d.w.rec.ScaleFactor, 1.0f);  // the calculation's full size
  EXPECT_EQ(d.Text(item), "21.4 % Size Reduction Scale (3.5\" to .75\" for models, crafts, etc.)");
  EXPECT_EQ(d.w.form.statusPanel0, "Tellwick Picnic Tables Varnloft");
  EXPECT_EQ(d.Text("outerSupportSize.label"), "3   1/2\" ");
}

TEST(ModelScaleToggle, DecliningChangesNothing) {
  for (Answer answer : {Answer::No, Answer::Cancel}) {
    DialogWindow d;
    const char* item = "modelScaleItem";
    const std::string caption = d.Text(item);
    const int views = d.designViews;
    d.prompts.answer = answer;
    ASSERT_TRUE(d.Run([&] { d.w.options().ToggleModelScale(); }));
    EXPECT_FALSE(d.w.rec.ModelScale);
    EXPECT_EQ(d.Text(item), caption);
    EXPECT_EQ(d.w.form.statusPanel0, "Adult Standard Size Table");
    EXPECT_EQ(d.designViews, views);

    d.prompts.answer = Answer::Yes;
    ASSERT_TRUE(d.Run([&] { d.w.options().ToggleModelScale(); }));
    d.prompts.answer = answer;
    ASSERT_TRUE(d.Run([&] { d.w.options().ToggleModelScale(); }));
    EXPECT_TRUE(d.w.rec.ModelScale);
    EXPECT_FLOAT_EQ(d.w.rec.ScaleFactor, 3.0f / 14.0f);
    EXPECT_EQ(d.Text(item), "Restore back to 100% Size");
    EXPECT_EQ(d.w.form.statusPanel0, "21.4% Size Reduction Scale.");
  }
}

}  // namespace
}  // namespace varnloft
