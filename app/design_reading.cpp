#include "app/design_reading.h"

#include "app/input_boxes.h"
#include "design/calculate_design.h"
#include "design/lumber_size_table.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

std::vector<std::string> TextsOf(const FormState& form, const InputBoxes& entry) {
  std::vector<std::string> texts;
  for (const char* box : entry.boxes) texts.push_back(form.Text(box));
  return texts;
}

void ReadInto(const FormState& form, DesignRecord& rec, const InputBoxes& entry) {
  rec.*(entry.input->field) = ReadInputValue(*entry.input, TextsOf(form, entry), rec.ImperialUnits);
}

// An end cap wider than a 2 X 4 is cut back to one.
void LimitEndCap(FormState& form, bool imperial) {
  const InputBoxes& endCap = *BoxesOfRole("endCapSize");
  double width = 0;
  if (!TryReadNumber(form.Text(endCap.WidthBox()), width)) return;
  if (imperial && width > 3.5) {
    form.Text(endCap.SizeBox()) = "2 X 4";
    form.Text(endCap.WidthBox()) = "3.5";
  } else if (!imperial && width > 88) {
    form.Text(endCap.SizeBox()) = "2 X 4";
    form.Text(endCap.WidthBox()) = "89";
  }
}

// The deck's size box names the size whose imperial width the width box holds exactly.
void NameDeckSize(FormState& form) {
  const InputBoxes& deck = *BoxesOfRole("tableTopSize");
  for (const auto& size : *deck.input->knownSizes) {
    const char* width = WidthTextForSize(*deck.input->knownSizes, size, true);
    if (width && form.Text(deck.WidthBox()) == width) {
      form.Text(deck.SizeBox()) = size;
      break;
    }
  }
}

}  // namespace

void ReadDesignInputs(FormState& form, DesignRecord& rec) {
  rec.LastCalculationFailed = true;
  const bool imperial = rec.ImperialUnits;

  // The scale and the measuring-system button.
  if (!rec.ModelScale) rec.ScaleFactor = 1.0f;
  form.at("Metric").enabled = imperial;

  LimitEndCap(form, imperial);

  // Plans and Print become available.
  form.at("BitBtn4").enabled = true;
  form.at("BitBtn5").enabled = true;

  // The thickness label in the current measure.
  form.Text("Label47") =
      imperial
          ? "( " + rec.FormatLength(rec.LumberThickness) + " )"
          : "( " + FixedText(static_cast<double>(rec.LumberThickness) * 12 * 25.4, 0, 4) + " mm )";

  NameDeckSize(form);

  // Blank edit boxes read as 0.
  for (const auto& box : EditBoxNames()) {
    std::string& text = form.Text(box);
    if (text.empty()) text = "0";
  }

  // Every length and width, in reading order.
  for (const auto& entry : InputBoxTable())
    if (entry.input->unit != InputUnit::Count) ReadInto(form, rec, entry);

  // The green labels show the actual widths in place of the size boxes.
  for (const auto& entry : InputBoxTable()) {
    if (!entry.IsLumberRow()) continue;
    form.at(entry.SizeBox()).visible = false;
    ControlState& label = form.at(entry.greenLabel);
    label.text = rec.FormatLength(rec.*(entry.input->field));
    label.visible = true;
  }

  // The board counts.
  for (const auto& entry : InputBoxTable())
    if (entry.input->unit == InputUnit::Count) ReadInto(form, rec, entry);
}

void CalculateFromWindow(FormState& form, DesignRecord& rec, Prompts& prompts,
                         const std::function<void()>& angleReport) {
  ReadDesignInputs(form, rec);
  CalculateGeometry(rec, prompts, angleReport);
}

}  // namespace varnloft
