// Design files written and read back: every preset in both measures, typed designs with errors,
// overlap answers, thickness and scales bring back the same boxes, options and record; a
// hand-written file opens; each kind of file is refused with its reason and changes nothing;
// unknown keys survive a save; missing keys take the Adult Standard values.
#include "document/design_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/design_commands.h"
#include "app/file_commands.h"
#include "app/main_window.h"
#include "app/option_commands.h"
#include "app/option_dialogs.h"
#include "app/preset_commands.h"
#include "app/preset_menu.h"
#include "app/state_report.h"
#include "tests/app/scratch_folder.h"
#include "tests/app/started_window.h"

namespace varnloft {
namespace {

// The controls as the driver reports them, less the scale dialog's percentage box, which every
// closing of that dialog resets and no design keeps.
std::string ReportedControls(const MainWindow& w) {
  std::string controls = ControlsJson(w);
  const auto at = controls.find("\"OKBottomDlg.Select\"");
  if (at != std::string::npos) controls.erase(at, controls.find('\n', at) - at);
  return controls;
}

void SaveAs(StartedWindow& s, const std::string& path) {
  s.calls.askSaveDesignFile = [&](const std::string&) { return path; };
  ASSERT_TRUE(s.Run([&] { EXPECT_TRUE(s.w.files().SaveDesignAs()); }));
}

// The window after opening `path` and the activation that follows the file dialog.
void OpenAndActivate(StartedWindow& s, const std::string& path) {
  s.calls.askOpenDesignFile = [&] { return path; };
  s.Run([&] { s.w.files().OpenDesign(); });
}

void ChooseThickness(StartedWindow& s, const std::string& inches, const std::string& sixteenths) {
  s.Run([&] { s.w.options().ShowThicknessDialog(); });
  ThicknessDialog dialog(s.w);
  RunDialogEvent(s.w, kThicknessDialog, [&] { dialog.UserChange("inches", inches); });
  RunDialogEvent(s.w, kThicknessDialog, [&] { dialog.UserChange("sixteenths", sixteenths); });
  RunDialogEvent(s.w, kThicknessDialog, [&] { dialog.PressOk(); });
}

void ChooseScale(StartedWindow& s, const std::string& percentage) {
  s.Run([&] { s.w.options().ShowScaleDialog(); });
  ScaleDialog dialog(s.w);
  RunDialogEvent(s.w, kScaleDialog, [&] { dialog.UserChange(percentage); });
  RunDialogEvent(s.w, kScaleDialog, [&] { dialog.PressOk(); });
}

struct RoundTripCase {
  std::string name;
  Answer answer;
  std::function<void(StartedWindow&)> actions;
};

std::vector<RoundTripCase> RoundTripCases() {
  std::vector<RoundTripCase> cases;
  const auto& items = PresetMenuItems();
  for (size_t i = 0; i + 1 < items.size(); ++i) {
    const std::string& item = items[i];
    cases.push_back({item + " imperial", Answer::Yes, [item](StartedWindow& s) {
                       s.Run([&] { s.w.presets().ApplyPreset(item); });
                     }});
    cases.push_back({item + " metric", Answer::Yes, [item](StartedWindow& s) {
                       s.Run([&] { s.w.presets().SwitchToMetric(); });
                       s.Run([&] { s.w.presets().ApplyPreset(item); });
                     }});
  }
  cases.push_back({"typed text that is no number", Answer::Yes, [](StartedWindow& s) {
                     s.Run([&] { s.w.design().TypeIntoBox("tableHeight.0", "abc"); });
                     s.Run([&] { s.w.design().PressDesign(); });
                   }});
  cases.push_back({"typed, not yet designed, in metric", Answer::Yes, [](StartedWindow& s) {
                     s.Run([&] { s.w.presets().SwitchToMetric(); });
                     s.Run([&] { s.w.design().TypeIntoBox("seatToTableDistance.0", "101"); });
                     s.Run([&] { s.w.design().TypeIntoBox("overallLength.0", ""); });
                     s.Run([&] { s.w.design().TypeIntoBox("outerSupportSize.0", "2 X 8"); });
                   }});
  cases.push_back({"text beyond ASCII", Answer::Yes, [](StartedWindow& s) {
                     s.Run([&] { s.w.design().TypeIntoBox("tableHeight.1", "5\xC2\xBD"); });
                   }});
  for (Answer answer : {Answer::Yes, Answer::No}) {
    cases.push_back({answer == Answer::Yes ? "overlap repositioned" : "overlap kept", answer,
                     [](StartedWindow& s) {
                       s.Run([&] { s.w.design().ChooseItem("deckBoardCount.0", "2"); });
                       s.Run([&] { s.w.design().PressDesign(); });
                     }});
  }
  cases.push_back({"interior supports and end caps", Answer::Yes, [](StartedWindow& s) {
                     s.Run([&] { s.w.design().ClickSupportSide("interiorSupports"); });
                     s.Run([&] { s.w.design().ChooseItem("endCapSize.0", "2 X 4"); });
                     s.Run([&] { s.w.design().PressDesign(); });
                   }});
  cases.push_back({"three-sixteenths lumber thickness", Answer::Yes,
                   [](StartedWindow& s) { ChooseThickness(s, "1", "3"); }});
  cases.push_back({"half scale, then metric", Answer::Yes, [](StartedWindow& s) {
                     ChooseScale(s, "50");
                     s.Run([&] { s.w.presets().SwitchToMetric(); });
                   }});
  cases.push_back({"21.4 % model scale", Answer::Yes,
                   [](StartedWindow& s) { s.Run([&] { s.w.options().ToggleModelScale(); }); }});
  cases.push_back({"model scale restored", Answer::Yes, [](StartedWindow& s) {
                     s.Run([&] { s.w.options().ToggleModelScale(); });
                     s.Run([&] { s.w.options().ToggleModelScale(); });
                   }});
  return cases;
}

TEST(DesignFile, WrittenAndReadBackGivesTheSameDesign) {
  ScratchFolder folder;
  for (const auto& c : RoundTripCases()) {
    SCOPED_TRACE(c.name);
    StartedWindow saved;
    saved.prompts.answer = c.answer;
    c.actions(saved);
    const DesignDocument savedState = CaptureDesignState(saved.w.form, saved.w.rec);
    const std::string path = folder.File("design.varnloft");
    SaveAs(saved, path);
    EXPECT_FALSE(saved.w.IsModified());

    StartedWindow opened;
    opened.prompts.answer = c.answer;
    const FileOpening opening = opened.w.files().OpenDesignFile(path);
    ASSERT_TRUE(opening.opened) << opening.error;
    EXPECT_EQ(opening.notice, "");
    EXPECT_TRUE(CaptureDesignState(opened.w.form, opened.w.rec) == savedState);
    EXPECT_EQ(opened.w.DesignName(), "design.varnloft");

    // Both designed by an activation: the same record, the same controls, the same boxes shown.
    saved.prompts.shown.clear();
    opened.prompts.shown.clear();
    saved.Run([&] { saved.w.design().Activate(); });
    opened.Run([&] { opened.w.design().Activate(); });
    EXPECT_EQ(RecordJson(opened.w.rec), RecordJson(saved.w.rec));
    EXPECT_EQ(ReportedControls(opened.w), ReportedControls(saved.w));
    EXPECT_EQ(DialogsJson(opened.prompts.shown), DialogsJson(saved.prompts.shown));
    EXPECT_FALSE(opened.w.IsModified());
  }
}

TEST(DesignFile, OpeningDesignsOnceThroughTheActivation) {
  ScratchFolder folder;
  StartedWindow saved;
  saved.Run([&] { saved.w.design().ChooseItem("deckBoardCount.0", "2"); });
  SaveAs(saved, folder.File("overlap.varnloft"));

  StartedWindow opened;
  const int views = opened.designViews;
  OpenAndActivate(opened, folder.File("overlap.varnloft"));
  EXPECT_EQ(opened.designViews, views + 1);
  ASSERT_EQ(opened.prompts.shown.size(), 1u);  // one overlap question
  EXPECT_EQ(opened.prompts.shown[0].kind, "question");
  EXPECT_FALSE(opened.w.IsModified());
  EXPECT_EQ(opened.w.UndoMenuText(), "");
}

TEST(DesignFile, AHandWrittenFileOpens) {
  ScratchFolder folder;
  const std::string path = folder.Write("hand.varnloft", R"({
  "format": "varnloft-design",
  "version": 1,
  "measure": "metric",
  "inputs": {
    "overallLength": ["2", "400", "0"],
    "seatToTableDistance": ["120", "0"],
    "tableTopSize": ["184", "184"]
  },
  "supportSide": "interior",
  "lumberThickness": {"inches": 1.25, "dialogInches": "1", "dialogSixteenths": "4"},
  "modelScale": {"on": true, "factor": 0.5, "menuCaption": "Restore back to 100% Size"},
  "preset": "Adult econo",
  "customDesign": false,
  "statusBar": ["My garden table", "Complimentary Software and Plans Version 6.0.0.2."]
})");
  StartedWindow s;
  OpenAndActivate(s, path);
  EXPECT_EQ(s.Text("overallLength.0") + "/" + s.Text("overallLength.1"), "2/400");
  EXPECT_EQ(s.Text("seatToTableDistance.0"), "120");
  EXPECT_EQ(s.Text("tableTopSize.1"), "184");
  EXPECT_EQ(s.Text("tableHeight.0") + "/" + s.Text("tableHeight.1"),
            "0/749");                                    // missing: Adult Standard, metric
  EXPECT_FALSE(s.w.form.at("overallLength.2").visible);  // the metric columns
  EXPECT_FALSE(s.w.rec.ImperialUnits);
  EXPECT_TRUE(s.w.form.at("imperialButton").enabled);
  EXPECT_FALSE(s.w.rec.SupportsExterior);
  EXPECT_TRUE(s.w.form.at("interiorSupports").checked);
  EXPECT_FLOAT_EQ(s.w.rec.LumberThickness, 1.25f / 12);
  EXPECT_EQ(s.Text("thicknessDialog.millimetres"), "32");
  EXPECT_TRUE(s.w.rec.ModelScale);
  EXPECT_FLOAT_EQ(s.w.rec.ScaleFactor, 0.5f);
  EXPECT_EQ(s.w.CheckedPresetCaption(), "Adult econo");
  EXPECT_EQ(s.w.form.statusPanel0, "My garden table");
  EXPECT_FLOAT_EQ(s.w.rec.OverallLength, 2.4f * 3.2808398f);
  // The user is told which keys were missing, and nothing else was asked.
  ASSERT_EQ(s.prompts.shown.size(), 1u);
  EXPECT_EQ(s.prompts.shown[0].kind, "info");
  EXPECT_EQ(s.prompts.shown[0].text,
            "\"hand.varnloft\" has no value for inputs.tableHeight, inputs.seatHeight, "
            "inputs.leftDeckOverhang, inputs.rightDeckOverhang, inputs.leftSeatOverhang, "
            "inputs.rightSeatOverhang, inputs.deckGap, inputs.seatSize, inputs.outerSupportSize, "
            "inputs.centreSupportSize, inputs.seatSupportSize, inputs.legSize, inputs.endCapSize, "
            "inputs.deckBoardCount, inputs.seatBoardCount. These take the Adult Standard values "
            "in the file's measure.");
}

TEST(DesignFile, AFileOfOnlyItsNameTakesAdultStandard) {
  DesignFileReading r = ReadDesignFile(R"({"format": "varnloft-design", "version": 1})");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(r.contents.state == AdultStandardDocument(true));
  EXPECT_EQ(r.contents.missingKeys,
            (std::vector<std::string>{"measure", "inputs", "supportSide", "lumberThickness",
                                      "modelScale", "preset", "customDesign", "statusBar"}));
  // The Adult Standard state is the one the window is created with.
  ScriptedPrompts prompts;
  FixedClock clock(LocalDateTime{2026, 12, 7, 9, 5, 7, 1});
  RecordingShell shell;
  MainWindow created(prompts, clock, shell);
  created.StartUp();
  EXPECT_TRUE(CaptureDesignState(created.form, created.rec) == AdultStandardDocument(true));
}

std::string Refusal(const std::string& text) {
  DesignFileReading r = ReadDesignFile(text);
  EXPECT_FALSE(r.ok);
  return r.error;
}

const char kHead[] = R"({"format": "varnloft-design", "version": 1, )";

TEST(DesignFile, RefusalsSayWhy) {
  EXPECT_EQ(
      Refusal("{\"format\": \"varnloft-design\",\n  \"version\": 1,\n  \"measure\" \"metric\"}"),
      "it is not JSON (line 3, column 13: expected ':' after the key)");
  EXPECT_EQ(Refusal(""), "it is not JSON (line 1, column 1: the text holds no value)");
  EXPECT_EQ(Refusal("[1, 2]"), "it is not a Varnloft design (it holds a list, not an object)");
  EXPECT_EQ(Refusal(R"({"version": 1})"), "it is not a Varnloft design (it has no \"format\")");
  EXPECT_EQ(Refusal(R"({"format": "varnloft-plan", "version": 1})"),
            "it is not a Varnloft design (its \"format\" is \"varnloft-plan\", not "
            "\"varnloft-design\")");
  EXPECT_EQ(Refusal(R"({"format": "varnloft-design"})"), "it has no \"version\"");
  EXPECT_EQ(Refusal(R"({"format": "varnloft-design", "version": 2, "measure": 7})"),
            "it was made by a newer version of Varnloft (design file version 2; this version "
            "reads version 1)");
  EXPECT_EQ(Refusal(R"({"format": "varnloft-design", "version": 0.5})"),
            "\"version\" should be a whole number from 1, not 0.5");
  EXPECT_EQ(Refusal(R"({"format": "varnloft-design", "version": "1"})"),
            "\"version\" should be a number, not a string");
  // Fields of the wrong type are named.
  EXPECT_EQ(Refusal(std::string(kHead) + R"("measure": true})"),
            "\"measure\" should be a text, not true or false");
  EXPECT_EQ(Refusal(std::string(kHead) + R"("measure": "feet"})"),
            "\"measure\" should be \"imperial\" or \"metric\", not \"feet\"");
  EXPECT_EQ(Refusal(std::string(kHead) + R"("inputs": ["6"]})"),
            "\"inputs\" should be an object, not a list");
  EXPECT_EQ(Refusal(std::string(kHead) + R"("inputs": {"overallLength": ["6", "0"]}})"),
            "\"inputs.overallLength\" should be a list of 3 texts, not a list of 2");
  EXPECT_EQ(Refusal(std::string(kHead) + R"("inputs": {"deckGap": ["0", 4]}})"),
            "\"inputs.deckGap[1]\" should be a text, not a number");
  EXPECT_EQ(Refusal(std::string(kHead) + R"("lumberThickness": {"inches": "1.5"}})"),
            "\"lumberThickness.inches\" should be a number, not a string");
  EXPECT_EQ(Refusal(std::string(kHead) + R"("lumberThickness": {"inches": 1e300}})"),
            "\"lumberThickness.inches\" is too large for a table design");
  EXPECT_EQ(Refusal(std::string(kHead) + R"("modelScale": {"on": true, "factor": 0}})"),
            "the model scale is on, but \"modelScale.factor\" is not greater than 0");
  EXPECT_EQ(Refusal(std::string(kHead) + R"("preset": "Picnic"})"),
            "\"preset\" names no item of the Pre-Settings menu: \"Picnic\"");
  EXPECT_EQ(Refusal(std::string(kHead) + R"("customDesign": "yes"})"),
            "\"customDesign\" should be true or false, not a string");
  EXPECT_EQ(Refusal(std::string(kHead) + R"("statusBar": ["only one"]})"),
            "\"statusBar\" should be a list of 2 texts, not a list of 1");
  // Texts of more than 1,000 characters (not bytes).
  const std::string thousand(1000, 'x');
  EXPECT_TRUE(
      ReadDesignFile(std::string(kHead) + R"("inputs": {"seatBoardCount": [")" + thousand + "\"]}}")
          .ok);
  EXPECT_EQ(
      Refusal(std::string(kHead) + R"("inputs": {"seatBoardCount": [")" + thousand + "x\"]}}"),
      "the text of \"inputs.seatBoardCount[0]\" is longer than 1,000 characters");
  std::string accents;
  for (int i = 0; i < 1000; ++i) accents += "\xC3\xA9";  // 2,000 bytes, 1,000 characters
  EXPECT_TRUE(
      ReadDesignFile(std::string(kHead) + R"("statusBar": [")" + accents + R"(", ""]})").ok);
  // Larger than 1 MB, even when every byte is a blank.
  EXPECT_EQ(Refusal(std::string(kHead) + std::string(kDesignFileMaxBytes, ' ') + "}"),
            "it is larger than 1 MB");
}

TEST(DesignFile, ARefusedFileChangesNothing) {
  ScratchFolder folder;
  StartedWindow s;
  s.Run([&] { s.w.design().TypeIntoBox("seatToTableDistance.0", "4"); });
  SaveAs(s, folder.File("mine.varnloft"));
  s.Run([&] { s.w.presets().ApplyPreset("TallBoy1"); });
  const DesignDocument before = CaptureDesignState(s.w.form, s.w.rec);
  const std::string record = RecordJson(s.w.rec);
  const std::string undo = s.w.UndoMenuText();

  const std::string big = folder.Write("big.varnloft", std::string(kDesignFileMaxBytes + 1, ' '));
  const std::string bad = folder.Write("bad.varnloft", "{\"format\": \"varnloft-design\",");
  folder.Write("newer.varnloft", R"({"format": "varnloft-design", "version": 3})");
  for (const std::string name :
       {"big.varnloft", "bad.varnloft", "newer.varnloft", "none.varnloft"}) {
    SCOPED_TRACE(name);
    const FileOpening opening = s.w.files().OpenDesignFile(folder.File(name));
    EXPECT_FALSE(opening.opened);
    EXPECT_EQ(opening.error.rfind("Cannot open \"" + name + "\": ", 0), 0u) << opening.error;
    EXPECT_TRUE(CaptureDesignState(s.w.form, s.w.rec) == before);
    EXPECT_EQ(RecordJson(s.w.rec), record);
    EXPECT_EQ(s.w.DesignName(), "mine.varnloft");
    EXPECT_TRUE(s.w.IsModified());
    EXPECT_EQ(s.w.UndoMenuText(), undo);
  }
  EXPECT_EQ(s.w.files().OpenDesignFile(big).error,
            "Cannot open \"big.varnloft\": it is larger than 1 MB. Nothing was changed.");
  EXPECT_EQ(s.w.files().OpenDesignFile(bad).error,
            "Cannot open \"bad.varnloft\": it is not JSON (line 1, column 30: expected a key in "
            "double quotes). Nothing was changed.");
  EXPECT_EQ(s.w.files().OpenDesignFile(folder.File("newer.varnloft")).error,
            "Cannot open \"newer.varnloft\": it was made by a newer version of Varnloft (design "
            "file version 3; this version reads version 1). Nothing was changed.");
  EXPECT_EQ(s.w.files().OpenDesignFile(folder.path).error,
            "Cannot open \"" + folder.path.substr(folder.path.rfind('/') + 1) +
                "\": it is a folder. Nothing was changed.");
}

TEST(DesignFile, UnknownKeysSurviveASave) {
  ScratchFolder folder;
  const std::string path = folder.Write("future.varnloft", R"({
  "format": "varnloft-design",
  "version": 1,
  "comment": "for the garden",
  "inputs": {"overallLength": ["7", "0", "0"], "benchLength": ["5", "0", "0"]},
  "lumberThickness": {"inches": 1.5, "species": "larch"},
  "modelScale": {"on": false, "factor": 0, "colour": [1, 2, 3]},
  "record": {"LegAngle": 99},
  "extras": {"nested": {"deep": [true, null]}}
})");
  StartedWindow s;
  OpenAndActivate(s, path);
  EXPECT_FLOAT_EQ(s.w.rec.OverallLength, 7.0f);
  EXPECT_NEAR(s.w.rec.LegAngle, 30.96, 0.01);  // the file's record is never trusted
  s.Run([&] { s.w.design().TypeIntoBox("overallLength.0", "8"); });
  SaveAs(s, folder.File("saved.varnloft"));

  const auto parsed = ParseJson(ScratchFolder::Read(folder.File("saved.varnloft")));
  ASSERT_TRUE(parsed.value) << parsed.error;
  const JsonValue& top = *parsed.value;
  ASSERT_NE(top.Find("comment"), nullptr);
  EXPECT_EQ(top.Find("comment")->AsString(), "for the garden");
  EXPECT_EQ(WriteJson(*top.Find("extras")), R"({"nested": {"deep": [true, null]}})");
  EXPECT_EQ(WriteJson(*top.Find("inputs")->Find("benchLength")), R"(["5", "0", "0"])");
  EXPECT_EQ(WriteJson(*top.Find("inputs")->Find("overallLength")), R"(["8", "0", "0"])");
  EXPECT_EQ(top.Find("lumberThickness")->Find("species")->AsString(), "larch");
  EXPECT_EQ(WriteJson(*top.Find("modelScale")->Find("colour")), "[1, 2, 3]");
  // The record is the last design's: the typed 8 is not designed yet.
  EXPECT_EQ(WriteJson(*top.Find("record")->Find("OverallLength")), "7");
  EXPECT_EQ(top.Find("version")->AsNumber(), 1);
}

TEST(DesignFile, ATextNoFileCouldHoldIsNotSaved) {
  ScratchFolder folder;
  StartedWindow s;
  s.Run([&] { s.w.design().TypeIntoBox("tableHeight.0", std::string(1001, '7')); });
  s.calls.askSaveDesignFile = [&](const std::string&) { return folder.File("long.varnloft"); };
  EXPECT_FALSE(s.w.files().SaveDesignAs());
  ASSERT_FALSE(s.prompts.shown.empty());
  EXPECT_EQ(s.prompts.shown.back().text,
            "Cannot save \"long.varnloft\": the text of \"inputs.tableHeight[0]\" is longer "
            "than 1,000 characters. The design is not saved.");
  EXPECT_TRUE(s.w.IsModified());
  EXPECT_FALSE(std::filesystem::exists(folder.File("long.varnloft")));
}

TEST(DesignFile, FloatsAreWrittenShortAndReadBackExactly) {
  DesignDocument s = AdultStandardDocument(true);
  for (float thickness : {0.125f, 0.0625f, 1.1875f / 12, 0.1f, 3.0e38f, 1e-40f}) {
    s.lumberThickness = thickness;
    s.scaleFactor = thickness;
    s.modelScale = true;
    const DesignFileText file = WriteDesignFile(s, DesignRecord{}, {});
    const DesignFileReading r = ReadDesignFile(file.text);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.contents.state.lumberThickness, thickness);
    EXPECT_EQ(r.contents.state.scaleFactor, thickness);
  }
  s.lumberThickness = 0.125f;
  EXPECT_NE(WriteDesignFile(s, DesignRecord{}, {}).text.find("\"inches\": 1.5,"),
            std::string::npos);
}

}  // namespace
}  // namespace varnloft
