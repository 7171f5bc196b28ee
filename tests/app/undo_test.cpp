// Undo and redo of each kind of step: the window comes back exactly (the record and the controls
// as the driver reports them), redrawn without a question; what is and is not a step; the
// unsaved mark follows the saved point through undo and redo.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/design_commands.h"
#include "app/file_commands.h"
#include "app/main_window.h"
#include "app/option_commands.h"
#include "app/option_dialogs.h"
#include "app/preset_commands.h"
#include "app/state_report.h"
#include "tests/app/scratch_folder.h"
#include "tests/app/started_window.h"

namespace varnloft {
namespace {

std::string Reported(const MainWindow& w) {
  return RecordJson(w.rec) + ControlsJson(w);
}

struct StepCase {
  std::string undoText;
  std::function<void(StartedWindow&)> step;
  std::function<void(StartedWindow&)> prepare = [](StartedWindow&) {};
};

void Thickness(StartedWindow& s, bool cancel) {
  s.Run([&] { s.w.options().ShowThicknessDialog(); });
  ThicknessDialog dialog(s.w);
  if (cancel) {
    RunDialogEvent(s.w, kThicknessDialog, [&] { dialog.PressCancel(); });
    return;
  }
  RunDialogEvent(s.w, kThicknessDialog, [&] { dialog.UserChange("inches", "2"); });
  RunDialogEvent(s.w, kThicknessDialog, [&] { dialog.PressOk(); });
}

std::vector<StepCase> StepCases() {
  return {
      {"Undo Typing: Seat to Table Distance",
       [](StartedWindow& s) {
         s.Run([&] { s.w.design().TypeIntoBox("seatToTableDistance.0", "4"); });
       }},
      {"Undo Typing: Table Top Size",
       [](StartedWindow& s) {
         s.Run([&] { s.w.design().TypeIntoBox("tableTopSize.0", "2 X 8"); });
       },
       // The size box comes up over its green label first; that is no step.
       [](StartedWindow& s) {
         s.Run([&] { s.w.design().ShowLumberSizeBox("tableTopSize.label"); });
       }},
      {"Undo Choice: Number of Deck Members",
       [](StartedWindow& s) { s.Run([&] { s.w.design().ChooseItem("deckBoardCount.0", "9"); }); }},
      {"Undo Preset: Tall Boy",
       [](StartedWindow& s) { s.Run([&] { s.w.presets().ApplyPreset("TallBoy1"); }); }},
      {"Undo Preset: Custom Design",
       [](StartedWindow& s) { s.Run([&] { s.w.presets().ApplyPreset("CustomDesign1"); }); }},
      {"Undo Metric Measure",
       [](StartedWindow& s) { s.Run([&] { s.w.presets().SwitchToMetric(); }); }},
      {"Undo Support Side: Interior",
       [](StartedWindow& s) { s.Run([&] { s.w.design().ClickSupportSide("interiorSupports"); }); }},
      {"Undo Lumber Thickness", [](StartedWindow& s) { Thickness(s, false); }},
      {"Undo Model Scale Percentage",
       [](StartedWindow& s) {
         s.Run([&] { s.w.options().ShowScaleDialog(); });
         ScaleDialog dialog(s.w);
         RunDialogEvent(s.w, kScaleDialog, [&] { dialog.UserChange("50"); });
         RunDialogEvent(s.w, kScaleDialog, [&] { dialog.PressOk(); });
       }},
      {"Undo 21.4% Model Scale",
       [](StartedWindow& s) { s.Run([&] { s.w.options().ToggleModelScale(); }); }},
      {"Undo Typing: Overall Length",
       [](StartedWindow& s) {
         // Typed key by key in the window: one step until the focus leaves the box.
         for (const char* text : {"", "1", "12"})
           s.Run([&] { s.w.files().BoxTextEdited("overallLength.0", text); });
         s.Run([&] { s.w.files().BoxFocusLeft("overallLength.0"); });
       }},
  };
}

TEST(Undo, EachKindOfStepComesBackExactly) {
  for (const auto& c : StepCases()) {
    SCOPED_TRACE(c.undoText);
    StartedWindow s;
    // Something to come back to that is not the start-up window.
    s.Run([&] { s.w.presets().ApplyPreset("Adultecono1"); });
    c.prepare(s);
    const std::string before = Reported(s.w);
    c.step(s);
    const std::string after = Reported(s.w);
    ASSERT_NE(after, before);
    EXPECT_EQ(s.w.UndoMenuText(), c.undoText);

    s.prompts.shown.clear();
    const int views = s.designViews;
    ASSERT_TRUE(s.Run([&] { s.w.files().Undo(); }));
    EXPECT_EQ(Reported(s.w), before);
    EXPECT_EQ(s.designViews, views + 1);   // redrawn
    EXPECT_TRUE(s.prompts.shown.empty());  // and nothing asked
    EXPECT_EQ(s.w.RedoMenuText(), "Redo" + c.undoText.substr(4));
    EXPECT_EQ(s.w.UndoMenuText(), "Undo Preset: Adult econo");

    ASSERT_TRUE(s.Run([&] { s.w.files().Redo(); }));
    EXPECT_EQ(Reported(s.w), after);
    EXPECT_EQ(s.w.UndoMenuText(), c.undoText);
    EXPECT_EQ(s.w.RedoMenuText(), "");
  }
}

TEST(Undo, WhatChangesNoDesignIsNoStep) {
  StartedWindow s;
  s.prompts.answer = Answer::No;
  s.Run([&] { s.w.options().ToggleModelScale(); });  // declined
  s.prompts.answer = Answer::Cancel;
  s.Run([&] { s.w.options().ToggleModelScale(); });
  s.Run([&] { s.w.design().ClickSupportSide("exteriorSupports"); });  // already checked
  s.Run([&] { s.w.presets().ApplyPreset("AdultStandard1"); });  // the preset that is in the boxes
  Thickness(s, true);                                           // Cancel at the default thickness
  s.Run([&] { s.w.design().PressDesign(); });
  s.Run([&] { s.w.design().Activate(); });
  s.Run([&] { s.w.design().ShowLumberSizeBox("tableTopSize.label"); });
  EXPECT_EQ(s.w.UndoMenuText(), "");
  EXPECT_FALSE(s.w.IsModified());
}

TEST(Undo, TypingInAnotherBoxOrAnyOtherStepEndsATypingStep) {
  StartedWindow s;
  s.Run([&] { s.w.files().BoxTextEdited("overallLength.0", "7"); });
  // Undo offers the typing still under way.
  EXPECT_EQ(s.w.UndoMenuText(), "Undo Typing: Overall Length");
  EXPECT_TRUE(s.w.IsModified());
  s.Run([&] { s.w.files().BoxTextEdited("tableHeight.0", "3"); });
  s.Run([&] { s.w.presets().ApplyPreset("BabyTable1"); });
  s.Run([&] { s.w.files().Undo(); });
  EXPECT_EQ(s.Text("tableHeight.0"), "3");
  EXPECT_EQ(s.Text("overallLength.0"), "7");
  s.Run([&] { s.w.files().Undo(); });
  EXPECT_EQ(s.Text("tableHeight.0"), "2");
  EXPECT_EQ(s.Text("overallLength.0"), "7");
  s.Run([&] { s.w.files().Undo(); });
  EXPECT_EQ(s.Text("overallLength.0"), "6");
  EXPECT_EQ(s.w.UndoMenuText(), "");
  EXPECT_EQ(s.w.RedoMenuText(), "Redo Typing: Overall Length");
  // A new step drops what could be redone.
  s.Run([&] { s.w.presets().SwitchToMetric(); });
  EXPECT_EQ(s.w.RedoMenuText(), "");
  s.Run([&] { s.w.files().Redo(); });
  EXPECT_EQ(s.Text("overallLength.0"), "1");
}

TEST(Undo, NoButtonStaysRedAfterAPressInTheWindowIsUndone) {
  // The window's mouse-down turns a caption red before the click's step begins.
  StartedWindow s;
  const std::string before = Reported(s.w);
  s.Run([&] { s.w.design().SupportSideMouseDown("interiorSupports"); });
  s.Run([&] { s.w.design().ClickSupportSide("interiorSupports"); });
  s.Run([&] { s.w.design().ButtonMouseDown("metricButton"); });
  s.Run([&] { s.w.presets().SwitchToMetric(); });
  s.Run([&] { s.w.files().Undo(); });
  s.Run([&] { s.w.files().Undo(); });
  EXPECT_EQ(Reported(s.w), before);
}

TEST(Undo, TheHistoryHasNoFixedLimit) {
  StartedWindow s;
  const std::string start = Reported(s.w);
  for (int i = 0; i < 300; ++i)
    s.Run([&] { s.w.presets().ApplyPreset(i % 2 ? "AdultStandard1" : "TallBoy1"); });
  for (int i = 0; i < 300; ++i) s.Run([&] { s.w.files().Undo(); });
  EXPECT_EQ(s.w.UndoMenuText(), "");
  EXPECT_EQ(Reported(s.w), start);
  s.Run([&] { s.w.files().Undo(); });  // nothing left: nothing happens
  EXPECT_EQ(Reported(s.w), start);
}

TEST(Undo, TheUnsavedMarkFollowsTheSavedPoint) {
  ScratchFolder folder;
  StartedWindow s;
  s.calls.askSaveDesignFile = [&](const std::string&) { return folder.File("t.varnloft"); };
  s.Run([&] { s.w.presets().ApplyPreset("TallBoy1"); });
  EXPECT_TRUE(s.w.IsModified());
  s.Run([&] { s.w.files().SaveDesignAs(); });
  EXPECT_FALSE(s.w.IsModified());
  s.Run([&] { s.w.files().Undo(); });
  EXPECT_TRUE(s.w.IsModified());
  s.Run([&] { s.w.files().Redo(); });
  EXPECT_FALSE(s.w.IsModified());
  // Once the saved point has been undone and another step taken, it cannot come back.
  s.Run([&] { s.w.files().Undo(); });
  s.Run([&] { s.w.presets().SwitchToMetric(); });
  s.Run([&] { s.w.files().Undo(); });
  EXPECT_TRUE(s.w.IsModified());
}

TEST(Undo, NewAndOpenClearTheHistoryRevertIsAStep) {
  ScratchFolder folder;
  StartedWindow s;
  s.calls.askSaveDesignFile = [&](const std::string&) { return folder.File("r.varnloft"); };
  s.Run([&] { s.w.presets().ApplyPreset("BabyTable1"); });
  s.Run([&] { s.w.files().SaveDesignAs(); });
  s.Run([&] { s.w.presets().SwitchToMetric(); });
  const std::string changed = Reported(s.w);

  s.Run([&] { s.w.files().RevertDesign(); });
  EXPECT_TRUE(s.w.rec.ImperialUnits);
  EXPECT_FALSE(s.w.IsModified());
  EXPECT_EQ(s.w.UndoMenuText(), "Undo Revert");
  s.Run([&] { s.w.files().Undo(); });
  EXPECT_EQ(Reported(s.w), changed);
  EXPECT_TRUE(s.w.IsModified());

  s.prompts.answer = Answer::No;  // discard
  s.Run([&] { s.w.files().NewDesign(); });
  EXPECT_EQ(s.w.UndoMenuText(), "");
  EXPECT_EQ(s.w.RedoMenuText(), "");
  EXPECT_EQ(s.w.DesignName(), "Untitled");
  s.Run([&] { s.w.presets().ApplyPreset("TallBoy1"); });
  s.calls.askOpenDesignFile = [&] { return folder.File("r.varnloft"); };
  s.Run([&] { s.w.files().OpenDesign(); });
  EXPECT_EQ(s.w.UndoMenuText(), "");
  EXPECT_EQ(s.w.CheckedPresetCaption(), "Baby Table");
}

}  // namespace
}  // namespace varnloft
