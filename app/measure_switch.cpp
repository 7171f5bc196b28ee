// The Imperial and Metric buttons: every box is rewritten from the design record in the new
// measure, the columns are rearranged, and the table is designed again.
#include "app/measure_switch.h"

#include "app/input_boxes.h"
#include "app/panel_layout.h"
#include "app/preset_commands.h"

namespace varnloft {

namespace {

// Writes every length and width box from the record in the given measure; the size boxes and
// the counts keep their texts.
void FillBoxes(FormState& form, const DesignRecord& rec, bool imperial) {
  for (const auto& entry : InputBoxTable()) {
    const auto boxes = ReadBoxes(entry, imperial);
    const auto texts = ValueTexts(entry.input->unit, rec.*(entry.input->field), imperial);
    for (size_t i = 0; i < texts.size(); ++i) form.Text(boxes[i]) = texts[i];
  }
}

}  // namespace

void ApplyMeasureLayout(FormState& form, bool imperial) {
  auto heading = [&](const char* name, int left, const char* caption) {
    ControlState& c = form.at(name);
    c.left = left;
    c.text = caption;
  };
  const panel::MeasureColumns& columns = imperial ? panel::kImperialColumns : panel::kMetricColumns;
  heading("feetHeading", columns.feetHeading, imperial ? "feet" : "metres");
  heading("inchesHeading", columns.inchesHeading, imperial ? "inches" : "mm");
  heading("widthHeading", columns.widthHeading, imperial ? "inches" : "mm");
  form.at("sixteenthsHeading").visible = imperial;

  const int boxWidth = columns.lengthBoxWidth;
  const int secondColumn = columns.secondLengthBox;
  for (const auto& entry : InputBoxTable()) {
    if (entry.input->unit == InputUnit::Length) {
      form.at(entry.boxes[0]).width = boxWidth;
      ControlState& second = form.at(entry.boxes[1]);
      second.left = secondColumn;
      second.width = boxWidth;
      form.at(entry.boxes[2]).visible = imperial;
    } else if (entry.input->unit == InputUnit::ShortLength) {
      ControlState& first = form.at(entry.boxes[0]);
      first.left = secondColumn;
      first.width = boxWidth;
      form.at(entry.boxes[1]).visible = imperial;
    }
  }
}

void PresetCommands::SwitchToImperial() {
  SwitchMeasure(true);
}

void PresetCommands::SwitchToMetric() {
  SwitchMeasure(false);
}

void PresetCommands::SwitchMeasure(bool imperial) {
  const char* pressed = imperial ? "imperialButton" : "metricButton";
  const char* other = imperial ? "metricButton" : "imperialButton";
  const std::string measure = imperial ? "Imperial Measure" : "Metric Measure";
  MainWindow::StepScope step(w_, measure);
  w_.form.at(pressed).color = kMaroon;
  w_.rec.ImperialUnits = imperial;
  w_.form.statusPanel0 = w_.rec.ModelScale ? "   " + measure + " at 21.4% reduced (model scale)"
                                           : "   " + measure + " Selected ";
  w_.form.at(pressed).enabled = false;
  w_.form.at(other).enabled = true;
  ApplyMeasureLayout(w_.form, imperial);
  FillBoxes(w_.form, w_.rec, imperial);
  w_.DesignCycle();
}

}  // namespace varnloft
