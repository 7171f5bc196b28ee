// Whole design cycles as a user drives them: random texts in every box, the measure, the support
// side, the lumber thickness, the model scale, the presets, the option dialogs and the answers to
// the questions, then Design, with the angle report, the design view, the plan sheet and the
// printed plans drawn on recording canvases, and the materials of the last design (the cutting
// plan, the files and the cutting diagram). Nothing may crash, hang or trip a sanitizer, and no
// error may escape as anything but one of the program's own messages. The input is a script, see
// design_script.h.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/option_dialogs.h"
#include "app/plan_context_of.h"
#include "app/preset_menu.h"
#include "design/angle_report.h"
#include "design_script.h"
#include "drawing/design_view.h"
#include "fuzz_check.h"
#include "materials/cutting_diagram.h"
#include "materials/materials.h"
#include "materials/materials_csv.h"
#include "materials/materials_json.h"
#include "materials/materials_lists.h"
#include "plans/plan_sheet.h"
#include "plans/printed_plans.h"
#include "platform/recording_canvas.h"
#include "platform/recording_page_sink.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"

namespace varnloft::fuzz {
namespace {

constexpr size_t kMaxScriptLines = 40;
// The part of the main window above and below its picture: the input panel and the status bar.
constexpr int kPanelWidth = 8;
constexpr int kPanelHeight = 300;

LocalDateTime StartTime() {
  LocalDateTime t;
  t.year = 2026;
  t.month = 12;
  t.day = 7;
  t.hour = 9;
  t.weekday = WeekdayOf(2026, 12, 7);
  return t;
}

// A number word of the script; strtod also takes "inf", "nan" and hexadecimal floats, so the
// record can be given any value a float holds.
bool Number(const std::vector<std::string>& words, size_t index, double& value) {
  if (index >= words.size()) return false;
  char* end = nullptr;
  value = std::strtod(words[index].c_str(), &end);
  return end != words[index].c_str() && *end == '\0';
}

// Everything the program under test draws into and asks through.
struct Session {
  ScriptedPrompts prompts;
  FixedClock clock{StartTime()};
  RecordingShell shell;
  MainWindow window{prompts, clock, shell};
  RecordingCanvas angleReport{518, 237};
  RecordingCanvas designView{1016, 440};
  RecordingCanvas planSheet{kPlanSheetWidth, kPlanSheetHeight};
  // A letter page at 300 dots per inch unless the script asks for another.
  int pageWidth = 2550;
  int pageHeight = 3300;
  std::unique_ptr<RecordingPageSink> printed;

  Session() {
    MainWindowHooks& hooks = window.hooks;
    hooks.drawAngleReport = [this] {
      angleReport.Clear();
      DrawAngleReport(window.rec, angleReport);
    };
    hooks.drawDesignView = [this] {
      designView.Clear();
      DrawDesignView(window.rec, designView, window.form.windowWidth, window.form.windowHeight);
    };
    // The Plans button: the sheet is drawn and shown; when its window closes, the main window
    // is active again and presses Design.
    hooks.showPlans = [this] {
      planSheet.Clear();
      DrawPlanSheet(window.rec, planSheet, PlanContextOf(window));
      window.HandleUserEvent([this] { window.FormActivate(); });
    };
    hooks.printPlans = [this] {
      printed = std::make_unique<RecordingPageSink>(pageWidth, pageHeight);
      const PrintedPlansResult result = PrintPlans(window.rec, *printed, PlanContextOf(window));
      FUZZ_CHECK(printed->Ended() && result.pages >= 1 && result.pages <= 2,
                 "the printed plans were not one or two finished pages");
    };
  }

  void Resize(int width, int height) {
    window.form.windowWidth = width;
    window.form.windowHeight = height;
    designView =
        RecordingCanvas(std::max(1, width - kPanelWidth), std::max(1, height - kPanelHeight));
  }
};

// Every error box must carry one of the program's own messages: "Unexpected error" means an
// exception of ours that no handler expected (a fault, not bad input).
void CheckBoxes(const Session& s, size_t& seen) {
  for (; seen < s.prompts.shown.size(); ++seen) {
    const ShownBox& box = s.prompts.shown[seen];
    FUZZ_CHECK(box.text.rfind("Unexpected error", 0) != 0, "escaped exception: " + box.text);
  }
}

// A number the program writes for a person never reads "NAN" or "INF": lengths too large to
// compute are written as dashes, and the drawings say in words when they cannot draw.
bool HasNonFiniteNumber(const std::string& text) {
  for (const char* word : {"NAN", "INF", "nan", "inf"}) {
    for (size_t pos = text.find(word); pos != std::string::npos; pos = text.find(word, pos + 1)) {
      const bool letterBefore = pos > 0 && std::isalpha(static_cast<unsigned char>(text[pos - 1]));
      const size_t after = pos + 3;
      const bool letterAfter =
          after < text.size() && std::isalpha(static_cast<unsigned char>(text[after]));
      if (!letterBefore && !letterAfter) return true;
    }
  }
  return false;
}

void CheckTexts(const Session& s) {
  std::vector<const RecordingCanvas*> canvases = {&s.designView, &s.angleReport, &s.planSheet};
  if (s.printed) canvases.push_back(&s.printed->Recording());
  for (const RecordingCanvas* canvas : canvases) {
    for (const CanvasOp& op : canvas->Ops()) {
      if (op.kind == CanvasOp::Kind::Text)
        FUZZ_CHECK(!HasNonFiniteNumber(op.text), "drawn text with a non-number: " + op.text);
    }
  }
  // The labels only: the boxes hold whatever the user typed.
  for (const std::string& name : s.window.form.Names()) {
    if (name.find("Label") == std::string::npos) continue;
    const std::string& text = s.window.form.at(name).text;
    FUZZ_CHECK(!HasNonFiniteNumber(text), "a label shows a non-number: " + text);
  }
  FUZZ_CHECK(!HasNonFiniteNumber(s.window.form.statusPanel0),
             "status bar shows a non-number: " + s.window.form.statusPanel0);
}

bool CanUse(const MainWindow& w, const std::string& control) {
  return w.form.mainWindowEnabled && w.form.Has(control) && w.form.at(control).enabled &&
         w.form.at(control).visible;
}

void PressDesign(Session& s) {
  MainWindow& w = s.window;
  if (!w.form.mainWindowEnabled) return;
  w.ButtonMouseDown("BitBtn3");
  if (w.HandleUserEvent([&] { w.PressDesign(); })) {
    FUZZ_CHECK(!w.rec.LastCalculationFailed, "Design succeeded on a half-written record");
  }
}

void Click(Session& s, const std::string& name) {
  MainWindow& w = s.window;
  struct Handler {
    const char* name;
    const char* control;
    std::function<void()> run;
  };
  const Handler handlers[] = {
      {"Imperial", "Imperial", [&] { w.SwitchToImperial(); }},
      {"Metric", "Metric", [&] { w.SwitchToMetric(); }},
      {"Design", "BitBtn3", [&] { w.PressDesign(); }},
      {"Plans", "BitBtn4", [&] { w.PressPlans(); }},
      {"Print", "BitBtn5", [&] { w.PressPrint(); }},
      {"Custom", "CustomDesign1", [&] { w.ChooseCustomDesign(); }},
      {"Model214", "MinitureModelTables214reductionofactualsize1", [&] { w.ToggleModelScale(); }},
      {"Label47", "Label47", [&] { w.ClickThicknessLabel(); }},
      {"Label21", "Label21", [&] { w.ExplainEndCaps(); }},
      {"Activate", "BitBtn3", [&] { w.FormActivate(); }},
  };
  for (const Handler& h : handlers) {
    if (name != h.name) continue;
    if (CanUse(w, h.control)) w.HandleUserEvent(h.run);
    return;
  }
  // A click on one of the green labels over the lumber size boxes.
  if (name.rfind("Label", 0) == 0 && name.size() == 7 && name >= "Label25" && name <= "Label31" &&
      CanUse(w, name)) {
    w.HandleUserEvent([&] { w.ShowLumberSizeBox(name); });
  }
}

void ClickSide(Session& s, const std::string& side) {
  const std::string button = side == "interior" ? "RadioButton2" : "RadioButton1";
  if (!s.window.form.mainWindowEnabled) return;
  s.window.HandleUserEvent([&] { s.window.ClickSupportSide(button); });
}

// Opens a dialog from its menu item, types its boxes, and ends it with OK, Cancel or a close.
void RunThicknessDialog(Session& s, const std::vector<std::string>& words) {
  MainWindow& w = s.window;
  if (words.size() < 4 || !CanUse(w, "LumberThickness2")) return;
  w.HandleUserEvent([&] { w.ShowThicknessDialog(); });
  ThicknessDialog dialog(w);
  if (!dialog.IsOpen()) return;
  const std::string inches = words[1] == "_" ? "" : words[1];
  const std::string sixteenths = words[2] == "_" ? "" : words[2];
  TypeIntoDialogBox(w, kThicknessDialog, "Edit1", inches,
                    [&](const std::string& typed) { dialog.UserChange("Edit1", typed); });
  TypeIntoDialogBox(w, kThicknessDialog, "Edit2", sixteenths,
                    [&](const std::string& typed) { dialog.UserChange("Edit2", typed); });
  if (dialog.IsOpen()) {
    if (words[3] == "ok") RunDialogEvent(w, kThicknessDialog, [&] { dialog.PressOk(); });
    if (words[3] == "cancel") RunDialogEvent(w, kThicknessDialog, [&] { dialog.PressCancel(); });
  }
  if (dialog.IsOpen()) RunDialogEvent(w, kThicknessDialog, [&] { dialog.CloseRequest(); });
}

void RunScaleDialog(Session& s, const std::vector<std::string>& words) {
  MainWindow& w = s.window;
  if (words.size() < 3 || !CanUse(w, "UserDefinedPercentageSetting1")) return;
  w.HandleUserEvent([&] { w.ShowScaleDialog(); });
  ScaleDialog dialog(w);
  if (!dialog.IsOpen()) return;
  TypeIntoDialogBox(w, kScaleDialog, "Select", words[1] == "_" ? "" : words[1],
                    [&](const std::string& typed) { dialog.UserChange(typed); });
  if (dialog.IsOpen()) {
    if (words[2] == "ok") RunDialogEvent(w, kScaleDialog, [&] { dialog.PressOk(); });
    if (words[2] == "cancel") RunDialogEvent(w, kScaleDialog, [&] { dialog.PressCancel(); });
    if (words[2] == "help") RunDialogEvent(w, kScaleDialog, [&] { dialog.PressHelp(); });
  }
  if (dialog.IsOpen()) RunDialogEvent(w, kScaleDialog, [&] { dialog.CloseRequest(); });
}

void RunLine(Session& s, const ScriptLine& line) {
  MainWindow& w = s.window;
  const auto& words = line.words;
  const std::string first = words.empty() ? "" : words[0];
  double number = 0;

  if (line.verb == "type" || line.verb == "set") {
    if (!(IsEditBox(first) || IsComboBox(first)) || !w.form.Has(first)) return;
    if (line.verb == "set") {
      w.form.Text(first) = line.rest;
    } else if (w.form.mainWindowEnabled) {
      w.HandleUserEvent([&] { w.TypeIntoBox(first, line.rest); });
    }
  } else if (line.verb == "choose") {
    if (!IsComboBox(first) || !w.form.Has(first) || !Number(words, 1, number)) return;
    const auto& items = w.form.at(first).items;
    if (items.empty() || !(number >= 0 && number < 1e6)) return;
    const std::string item = items[static_cast<size_t>(number) % items.size()];
    if (w.form.mainWindowEnabled) w.HandleUserEvent([&] { w.ChooseItem(first, item); });
  } else if (line.verb == "units") {
    w.rec.ImperialUnits = first != "metric";
  } else if (line.verb == "click") {
    Click(s, first);
  } else if (line.verb == "preset") {
    const auto& items = PresetMenuItems();
    if (!Number(words, 0, number) || !(number >= 0 && number < 1e6)) return;
    const std::string item = items[static_cast<size_t>(number) % items.size()];
    if (CanUse(w, item)) w.HandleUserEvent([&] { w.ApplyPreset(item); });
  } else if (line.verb == "side") {
    ClickSide(s, first);
  } else if (line.verb == "thickness") {
    // Any thickness the thickness dialog lets through: every value finite as a float, zero and
    // negative ones included.
    if (Number(words, 0, number) && std::isfinite(static_cast<float>(number)))
      w.rec.LumberThickness = static_cast<float>(number);
  } else if (line.verb == "scale") {
    if (first == "off") {
      w.rec.ModelScale = false;
    } else if (Number(words, 0, number) && static_cast<float>(number) > 0 &&
               std::isfinite(static_cast<float>(number))) {
      // Any factor the scale dialog lets through: positive and finite as a float.
      w.rec.ModelScale = true;
      w.rec.ScaleFactor = static_cast<float>(number);
    }
  } else if (line.verb == "answer") {
    s.prompts.answer = first == "no"       ? Answer::No
                       : first == "cancel" ? Answer::Cancel
                                           : Answer::Yes;
  } else if (line.verb == "window") {
    double height = 0;
    if (Number(words, 0, number) && Number(words, 1, height) && number >= 1 && number <= 8000 &&
        height >= 1 && height <= 8000) {
      s.Resize(static_cast<int>(number), static_cast<int>(height));
    }
  } else if (line.verb == "page") {
    double height = 0;
    if (Number(words, 0, number) && Number(words, 1, height) && number >= 1 && number <= 20000 &&
        height >= 1 && height <= 20000) {
      s.pageWidth = static_cast<int>(number);
      s.pageHeight = static_cast<int>(height);
    }
  } else if (line.verb == "dialog") {
    if (first == "thickness") RunThicknessDialog(s, words);
    if (first == "scale") RunScaleDialog(s, words);
  }
}

// The materials of the last design, as the Materials window lists them: every copy of every
// piece cut once or listed as missing, a proven plan's bound equal to its cost, the files
// written, and a diagram drawn without an error or a non-number. (The unit tests read the files
// back; here that would cost more than all the rest.)
void CheckMaterials(const Session& s) {
  const DesignRecord& rec = s.window.rec;
  const Materials m = BuildMaterials(rec, DefaultMaterialsSettings(rec.ImperialUnits));
  FUZZ_CHECK(rec.LastCalculationFailed == !m.problem.empty(),
             "materials listed for a failed design, or refused for a good one: " + m.problem);
  if (!m.problem.empty()) return;
  std::vector<int> cut(m.pieces.size(), 0);
  double boards = 0;
  for (const MaterialBoard& b : m.boards) {
    if (b.price) boards += *b.price;
    for (const MaterialCut& c : b.cuts) ++cut.at(c.piece);
  }
  for (size_t i = 0; i < m.pieces.size(); ++i) {
    double missing = 0;
    for (const MissingPiece& p : m.missing)
      if (p.member == m.pieces[i].member) missing += p.count;
    FUZZ_CHECK(cut[i] + missing == m.pieces[i].count,
               "the " + m.pieces[i].member + " are neither all cut nor all missing");
  }
  if (m.optimal)
    FUZZ_CHECK(std::fabs(m.lowerBoundCost - boards) <= 1e-9 * std::max(1.0, boards),
               "a proven plan's bound is not its cost");

  FUZZ_CHECK(MaterialsJson(m).find("\"totals\"") != std::string::npos, "no totals in the JSON");
  FUZZ_CHECK(MaterialsCsv(m).find("\ntotal,") != std::string::npos, "no totals in the CSV");

  const int height = static_cast<int>(std::ceil(CuttingDiagramHeight(m, 800)));
  RecordingCanvas diagram(800, height);
  try {
    DrawCuttingDiagram(m, diagram);
  } catch (const std::exception& e) {
    FUZZ_CHECK(false, std::string("the cutting diagram failed: ") + e.what());
  }
  for (const CanvasOp& op : diagram.Ops()) {
    if (op.kind == CanvasOp::Kind::Text)
      FUZZ_CHECK(!HasNonFiniteNumber(op.text), "diagram text with a non-number: " + op.text);
  }

  // The window's lists: a row for every piece, every cell of every row filled in.
  const MaterialsLists lists = ListsOf(m);
  FUZZ_CHECK(lists.cutList.rows.size() == m.pieces.size(), "a piece missing from the cut list");
  for (const TextTable* table : {&lists.shopping, &lists.hardware, &lists.cutList, &lists.totals})
    for (const auto& row : table->rows) {
      FUZZ_CHECK(row.size() == table->headings.size(), "a row of " + table->title + " is short");
      for (const std::string& cell : row)
        FUZZ_CHECK(!HasNonFiniteNumber(cell), table->title + " shows a non-number: " + cell);
    }
  FUZZ_CHECK(!ListsText(lists).empty(), "no text for Copy");
}

// What a replayed input did, for looking into a kept regression by hand.
void Describe(const Session& s) {
  const DesignRecord& rec = s.window.rec;
  std::fprintf(stderr, "imperial=%d model=%d scale=%g thickness=%g exterior=%d failed=%d\n",
               rec.ImperialUnits, rec.ModelScale, rec.ScaleFactor, rec.LumberThickness,
               rec.SupportsExterior, rec.LastCalculationFailed);
  std::fprintf(stderr, "LegAngle=%g BraceAngle=%g LegLength=%g repositioned=%d\n", rec.LegAngle,
               rec.BraceAngle, rec.LegLength, rec.LegsRepositioned);
  for (const ShownBox& box : s.prompts.shown)
    std::fprintf(stderr, "%s: %s %s\n", box.kind.c_str(), box.text.c_str(), box.answer.c_str());
  std::fprintf(stderr, "design view: %zu ops, angle report: %zu ops, plan sheet: %zu ops\n",
               s.designView.Ops().size(), s.angleReport.Ops().size(), s.planSheet.Ops().size());
  if (s.printed)
    std::fprintf(stderr, "printed: %d pages, %zu ops\n", s.printed->Pages(),
                 s.printed->Recording().Ops().size());
}

}  // namespace
}  // namespace varnloft::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace varnloft::fuzz;
  const std::string text(reinterpret_cast<const char*>(data), size);
  Session s;
  size_t seenBoxes = 0;
  s.window.FormCreate();
  s.window.FormActivate();
  CheckBoxes(s, seenBoxes);
  for (const ScriptLine& line : ParseScript(text, kMaxScriptLines)) {
    RunLine(s, line);
    CheckBoxes(s, seenBoxes);
    CheckTexts(s);
  }
  PressDesign(s);
  CheckBoxes(s, seenBoxes);
  CheckTexts(s);
  CheckMaterials(s);
  if (std::getenv("VARNLOFT_FUZZ_VERBOSE")) Describe(s);
  return 0;
}
