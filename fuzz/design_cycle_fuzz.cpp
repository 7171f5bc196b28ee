// Whole design cycles on a design document: random texts in every input's slots, the measure
// (flipped, or switched as the Metric and Imperial buttons switch it), the support side, the
// lumber thickness, the model scale, the presets and the answer to the overlap question, designed
// through the document's design cycle any number of times, then the angle report, the design
// view, the plan sheet and the printed plans drawn on recording canvases, the materials of the
// last design (the cutting plan, the files and the cutting diagram), its 3D model and its safety
// check. Nothing may crash, hang or trip a sanitizer, no drawing, list or report may show a
// number that is not finite, and a failed design must say why. The input is a script, see
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

#include "design/angle_report.h"
#include "design/design_inputs.h"
#include "design/lumber_size_table.h"
#include "design/preset_table.h"
#include "design_script.h"
#include "document/design_cycle.h"
#include "drawing/design_view.h"
#include "fuzz_check.h"
#include "materials/cutting_diagram.h"
#include "materials/materials.h"
#include "materials/materials_csv.h"
#include "materials/materials_json.h"
#include "materials/materials_lists.h"
#include "measure/errors.h"
#include "model3d/build_table_model.h"
#include "plans/plan_sheet.h"
#include "plans/printed_plans.h"
#include "platform/recording_canvas.h"
#include "platform/recording_page_sink.h"
#include "platform/testing/fixed_clock.h"
#include "safety/safety_check.h"
#include "safety/safety_json.h"

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

// The document under design, the last outcome, and what is drawn from it.
struct Session {
  DesignDocument document = AdultStandardDocument(true);
  DesignRecord rec;  // the last design's record, as the window keeps it
  OverlapAnswer answer = OverlapAnswer::Yes;
  std::vector<std::string> errors;  // every failed design's message
  FixedClock clock{StartTime()};
  int windowWidth = 1024, windowHeight = 740;
  RecordingCanvas angleReport{518, 237};
  RecordingCanvas designView{1016, 440};
  RecordingCanvas planSheet{kPlanSheetWidth, kPlanSheetHeight};
  // A letter page at 300 dots per inch unless the script asks for another.
  int pageWidth = 2550;
  int pageHeight = 3300;
  std::unique_ptr<RecordingPageSink> printed;

  Session() { rec.ThousandsSeparator = ","; }

  void Resize(int width, int height) {
    windowWidth = width;
    windowHeight = height;
    designView =
        RecordingCanvas(std::max(1, width - kPanelWidth), std::max(1, height - kPanelHeight));
  }

  // One press of Design: the document is designed, tidied, and the record replaced; a design
  // that stops on an error says why and leaves a record marked as failed.
  void Design() {
    const DesignOutcome outcome = varnloft::Design(document, answer, rec);
    FUZZ_CHECK(outcome.result != DesignOutcome::Result::Question, "a question after its answer");
    document = outcome.document;
    rec = outcome.record;
    if (outcome.Designed()) {
      FUZZ_CHECK(!rec.LastCalculationFailed, "a design on a half-written record");
      return;
    }
    FUZZ_CHECK(!outcome.error.empty(), "a failed design without a message");
    FUZZ_CHECK(rec.LastCalculationFailed, "a failed design whose record counts as done");
    errors.push_back(outcome.error);
  }
};

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
}

// The input of a "ROLE.SLOT" word, and the slot; nullptr when there is none.
const DesignInput* InputSlot(const std::string& word, size_t& slot) {
  const auto dot = word.find('.');
  const DesignInput* input = FindInput(word.substr(0, dot));
  if (!input) return nullptr;
  slot = 0;
  if (dot != std::string::npos) {
    const std::string digits = word.substr(dot + 1);
    if (digits.size() != 1 || digits[0] < '0' || digits[0] > '9') return nullptr;
    slot = static_cast<size_t>(digits[0] - '0');
  }
  return slot < SlotCount(input->unit) ? input : nullptr;
}

// The Metric and Imperial buttons: every length box is written from the last record in the new
// measure, as the measure switch writes them, and the table is designed again.
void SwitchMeasure(Session& s, bool imperial) {
  if (s.document.imperial == imperial) return;
  s.document.imperial = imperial;
  for (const DesignInput& input : DesignInputs()) {
    const auto slots = ReadSlots(input.unit, imperial);
    const auto texts = ValueTexts(input.unit, s.rec.*(input.field), imperial);
    for (size_t i = 0; i < texts.size() && i < slots.size(); ++i)
      s.document.Texts(input.role)[slots[i]] = texts[i];
  }
  s.Design();
}

// A preset of the Pre-Settings menu in the document's measure (10 is Custom Design).
void ApplyPreset(Session& s, size_t index) {
  const auto& presets = PresetDesigns();
  if (index >= presets.size()) {
    s.document.customDesign = true;
    s.document.presetCaption = kCustomDesignCaption;
    return;
  }
  const PresetDesign& preset = presets[index];
  s.document.customDesign = false;
  s.document.presetCaption = preset.caption;
  s.document.statusText = preset.statusText;
  s.document.lumberThickness = preset.lumberThickness;
  s.document.thicknessInches = preset.thicknessInches;
  s.document.thicknessSixteenths = preset.thicknessSixteenths;
  for (const auto& [role, texts] : PresetTexts(index, s.document.imperial))
    s.document.Texts(role) = texts;
  s.Design();
}

void RunLine(Session& s, const ScriptLine& line) {
  DesignDocument& d = s.document;
  const auto& words = line.words;
  const std::string first = words.empty() ? "" : words[0];
  double number = 0;
  size_t slot = 0;

  if (line.verb == "type" || line.verb == "set") {
    if (const DesignInput* input = InputSlot(first, slot)) d.Texts(input->role)[slot] = line.rest;
  } else if (line.verb == "choose") {
    // An item of a lumber row's list: its size and width, as choosing it does.
    const DesignInput* input = FindInput(first);
    if (!input || !input->knownSizes || input->knownSizes->empty() || !Number(words, 1, number) ||
        !(number >= 0 && number < 1e6))
      return;
    const std::string& size =
        (*input->knownSizes)[static_cast<size_t>(number) % input->knownSizes->size()];
    d.Texts(input->role)[0] = size;
    if (const char* width = WidthTextForSize(*input->knownSizes, size, d.imperial))
      d.Texts(input->role)[1] = width;
  } else if (line.verb == "units") {
    d.imperial = first != "metric";
  } else if (line.verb == "switch") {
    SwitchMeasure(s, first != "metric");
  } else if (line.verb == "design") {
    s.Design();
  } else if (line.verb == "preset") {
    if (Number(words, 0, number) && number >= 0 && number < 1e6)
      ApplyPreset(s, static_cast<size_t>(number) % (PresetDesigns().size() + 1));
  } else if (line.verb == "side") {
    d.supportsExterior = first != "interior";
  } else if (line.verb == "thickness") {
    // Any thickness the thickness dialog lets through: every value finite as a float, zero and
    // negative ones included.
    if (Number(words, 0, number) && std::isfinite(static_cast<float>(number)))
      d.lumberThickness = static_cast<float>(number);
  } else if (line.verb == "scale") {
    if (first == "off") {
      d.modelScale = false;
      d.scaleFactor = 0;
    } else if (Number(words, 0, number) && static_cast<float>(number) > 0 &&
               std::isfinite(static_cast<float>(number))) {
      // Any factor the scale dialog lets through: positive and finite as a float.
      d.modelScale = true;
      d.scaleFactor = static_cast<float>(number);
    }
  } else if (line.verb == "answer") {
    s.answer = first == "yes" ? OverlapAnswer::Yes : OverlapAnswer::No;
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
  }
}

// Everything drawn from the last design, as the windows draw it: the angle report and the design
// view after a design that succeeded, the plan sheet and the printed plans (refused, with the
// program's message, after one that failed).
void DrawAll(Session& s) {
  const PlanContext context{s.document.statusText, s.clock.Now(), LocaleTexts{}, &s.clock};
  // A drawing that cannot be made (a coordinate beyond the canvas's range) says so with the
  // program's message, which the window shows in its error box.
  if (!s.rec.LastCalculationFailed) {
    try {
      DrawAngleReport(s.rec, s.angleReport);
      DrawDesignView(s.rec, s.designView, s.windowWidth, s.windowHeight);
    } catch (const ProgramError& e) {
      FUZZ_CHECK(std::string(e.what()).find("nexpected") == std::string::npos, e.what());
    }
  }
  try {
    DrawPlanSheet(s.rec, s.planSheet, context);
    s.printed = std::make_unique<RecordingPageSink>(s.pageWidth, s.pageHeight);
    const PrintedPlansResult result = PrintPlans(s.rec, *s.printed, context);
    FUZZ_CHECK(s.printed->Ended() && result.pages >= 1 && result.pages <= 2,
               "the printed plans were not one or two finished pages");
  } catch (const ProgramError& e) {
    FUZZ_CHECK(std::string(e.what()).find("nexpected") == std::string::npos, e.what());
  }
}

// The 3D model and the safety check of the last design: no piece or figure that is not finite.
void CheckModelAndSafety(const Session& s) {
  const TableModel model = BuildTableModel(s.rec);
  const SafetyCheck check = CheckSafety(s.rec, model);
  const std::string json = SafetyJson(check);
  FUZZ_CHECK(!HasNonFiniteNumber(json), "the safety check holds a number that is not finite");
  FUZZ_CHECK(!s.rec.LastCalculationFailed || !check.cannotCheck.empty(),
             "a safety check of a failed design");
}

// The materials of the last design, as the Materials window lists them: every copy of every
// piece cut once or listed as missing, a proven plan's bound equal to its cost, the files
// written, and a diagram drawn without an error or a non-number. (The unit tests read the files
// back; here that would cost more than all the rest.)
void CheckMaterials(const Session& s) {
  const DesignRecord& rec = s.rec;
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
  const DesignRecord& rec = s.rec;
  std::fprintf(stderr, "imperial=%d model=%d scale=%g thickness=%g exterior=%d failed=%d\n",
               rec.ImperialUnits, rec.ModelScale, rec.ScaleFactor, rec.LumberThickness,
               rec.SupportsExterior, rec.LastCalculationFailed);
  std::fprintf(stderr, "LegAngle=%g BraceAngle=%g LegLength=%g repositioned=%d\n", rec.LegAngle,
               rec.BraceAngle, rec.LegLength, rec.LegsRepositioned);
  for (const std::string& error : s.errors) std::fprintf(stderr, "error: %s\n", error.c_str());
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
  s.Design();  // the program's start
  for (const ScriptLine& line : ParseScript(text, kMaxScriptLines)) RunLine(s, line);
  s.Design();
  DrawAll(s);
  CheckTexts(s);
  CheckMaterials(s);
  CheckModelAndSafety(s);
  if (std::getenv("VARNLOFT_FUZZ_VERBOSE")) Describe(s);
  return 0;
}
