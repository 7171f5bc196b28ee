// The Imperial and Metric buttons: every box is rewritten from the design record in the new
// measure, the columns are rearranged, and the table is designed again.
#include "app/measure_switch.h"

#include <cmath>

#include "app/main_window.h"
#include "measure/length_text.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

constexpr double kFeetPerMetre = 3.2808398;

struct ThreeBoxRow {
  float DesignRecord::*value;
  const char* first;
  const char* second;
  const char* third;
};
const ThreeBoxRow kThreeBoxRows[] = {{&DesignRecord::OverallLength, "Edit1", "Edit2", "Edit3"},
                                     {&DesignRecord::TableHeight, "Edit4", "Edit5", "Edit6"},
                                     {&DesignRecord::SeatHeight, "Edit28", "Edit7", "Edit8"}};

struct TwoBoxRow {
  float DesignRecord::*value;
  const char* first;
  const char* second;
};
const TwoBoxRow kTwoBoxRows[] = {{&DesignRecord::LeftDeckOverhang, "Edit9", "Edit10"},
                                 {&DesignRecord::RightDeckOverhang, "Edit11", "Edit12"},
                                 {&DesignRecord::LeftSeatOverhang, "Edit13", "Edit14"},
                                 {&DesignRecord::RightSeatOverhang, "Edit15", "Edit16"},
                                 {&DesignRecord::SeatToTableDistance, "Edit17", "Edit18"},
                                 {&DesignRecord::DeckGap, "Edit19", "Edit20"}};

struct WidthBox {
  float DesignRecord::*value;
  const char* box;
};
const WidthBox kWidthBoxes[] = {
    {&DesignRecord::DeckBoardWidth, "Edit21"},    {&DesignRecord::SeatBoardWidth, "Edit22"},
    {&DesignRecord::OuterSupportDepth, "Edit23"}, {&DesignRecord::CentreSupportDepth, "Edit24"},
    {&DesignRecord::SeatSupportDepth, "Edit25"},  {&DesignRecord::LegWidth, "Edit26"},
    {&DesignRecord::EndCapWidth, "Edit27"}};

// The whole millimetres of a length, all of it: a length of a metre or more keeps its metres.
std::string WholeMillimetres(float feet) {
  return FixedText(static_cast<double>(FeetToMetres(feet)) * 1000, 0, 15);
}

void FillImperialBoxes(FormState& form, const DesignRecord& rec) {
  for (const auto& row : kThreeBoxRows) {
    const double v = rec.*row.value;
    // No carry: a value a hair below a whole inch shows 16 sixteenths and reads back right.
    form.Text(row.first) = PlainDecimal(WholeFeet(v));
    form.Text(row.second) = PlainDecimal(WholeInches(v));
    form.Text(row.third) = PlainDecimal(SixteenthsOf(v));
  }
  for (const auto& row : kTwoBoxRows) {
    const float inches = static_cast<float>(static_cast<double>(rec.*row.value) * 12);
    const double whole = std::trunc(inches);
    form.Text(row.first) = FixedText(whole, 0, 15);
    form.Text(row.second) = FixedText((inches - whole) * 16, 0, 4);
  }
  for (const auto& width : kWidthBoxes)
    form.Text(width.box) = FixedText(static_cast<double>(rec.*width.value) * 12, 2, 8);
}

void FillMetricBoxes(FormState& form, const DesignRecord& rec) {
  for (const auto& row : kThreeBoxRows) {
    const double metres = FeetToMetres(rec.*row.value);
    const double whole = std::trunc(metres);
    form.Text(row.first) = PlainDecimal(whole);
    form.Text(row.second) = FixedText((metres - whole) * 1000, 0, 4);
  }
  for (const auto& row : kTwoBoxRows) form.Text(row.first) = WholeMillimetres(rec.*row.value);
  for (const auto& width : kWidthBoxes) form.Text(width.box) = WholeMillimetres(rec.*width.value);
}

}  // namespace

float FeetToMetres(double feet) {
  return static_cast<float>(feet / kFeetPerMetre);
}

void ApplyMeasureLayout(FormState& form, bool imperial) {
  auto heading = [&](const char* name, int left, const char* caption) {
    ControlState& c = form.at(name);
    c.left = left;
    c.text = caption;
  };
  heading("Label1", imperial ? 118 : 125, imperial ? "feet" : "metres");
  heading("Label2", imperial ? 160 : 200, imperial ? "inches" : "mm");
  heading("Label13", imperial ? 560 : 570, imperial ? "inches" : "mm");
  form.at("Label3").visible = imperial;

  const int boxWidth = imperial ? 40 : 60;
  const int secondColumn = imperial ? 160 : 180;
  for (const auto& row : kThreeBoxRows) {
    form.at(row.first).width = boxWidth;
    ControlState& second = form.at(row.second);
    second.left = secondColumn;
    second.width = boxWidth;
    form.at(row.third).visible = imperial;
  }
  for (const auto& row : kTwoBoxRows) {
    ControlState& first = form.at(row.first);
    first.left = secondColumn;
    first.width = boxWidth;
    form.at(row.second).visible = imperial;
  }
}

void MainWindow::ImperialClick() {
  form.at("Imperial").color = kMaroon;
  rec.ImperialUnits = true;
  form.statusPanel0 = rec.ModelScale ? "   Imperial Measure at 21.4% reduced (model scale)"
                                     : "   Imperial Measure Selected ";
  form.at("Imperial").enabled = false;
  form.at("Metric").enabled = true;
  ApplyMeasureLayout(form, true);
  FillImperialBoxes(form, rec);
  DesignCycle();
}

void MainWindow::MetricClick() {
  form.at("Metric").color = kMaroon;
  rec.ImperialUnits = false;
  form.statusPanel0 = rec.ModelScale ? "   Metric Measure at 21.4% reduced (model scale)"
                                     : "   Metric Measure Selected ";
  form.at("Metric").enabled = false;
  form.at("Imperial").enabled = true;
  ApplyMeasureLayout(form, false);
  FillMetricBoxes(form, rec);
  DesignCycle();
}

}  // namespace varnloft
