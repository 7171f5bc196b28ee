#include "app/input_boxes.h"

#include <algorithm>
#include <stdexcept>

#include "app/control_names.h"
#include "design/lumber_size_table.h"

namespace varnloft {

namespace {

std::vector<std::string> Numbers(int from, int to) {
  std::vector<std::string> items;
  for (int i = from; i <= to; ++i) items.push_back(std::to_string(i));
  return items;
}

const std::vector<std::string> kDeckCounts = Numbers(1, 15);
const std::vector<std::string> kSeatCounts = Numbers(1, 5);

struct WindowRow {
  const char* role;
  const char* caption;
  int gridRow;
  const std::vector<std::string>* listItems;
};

// The outer supports' list stops at "2 X 6" although a typed "2 X 8" fills in its width.
// clang-format off
const std::vector<WindowRow> kRows = {
    {"overallLength",       "Overall Length",         0, nullptr},
    {"tableHeight",         "Table Height",           1, nullptr},
    {"seatHeight",          "Seat Height",            2, nullptr},
    {"leftDeckOverhang",    "Left   Deck Overhang",   3, nullptr},
    {"rightDeckOverhang",   "Right Deck Overhang",    5, nullptr},
    {"leftSeatOverhang",    "Left   Seat Overhang",   4, nullptr},
    {"rightSeatOverhang",   "Right Seat Overhang",    6, nullptr},
    {"seatToTableDistance", "Seat to Table Distance", 7, nullptr},
    {"deckGap",             "Deck Gap Openings",      8, nullptr},
    {"tableTopSize",      "Table Top Size", 0, &BoardSizes()},
    {"seatSize",          "Seat Size",      1, &BoardSizes()},
    {"outerSupportSize",  "Outer Supports", 2, &FramingSizesToSix()},
    {"centreSupportSize", "Centre Support", 3, &FramingSizesToEight()},
    {"seatSupportSize",   "Seat Supports",  4, &FramingSizesToEight()},
    {"legSize",           "Leg Size",       5, &FramingSizesToSix()},
    {"endCapSize",        "End Cap Size",   6, &EndCapSizes()},
    {"deckBoardCount",    "Number of Deck Members",  7, &kDeckCounts},
    {"seatBoardCount",    "Number of  Seat Members", 8, &kSeatCounts},
};
// clang-format on

std::vector<InputBoxes> BuildTable() {
  std::vector<InputBoxes> table;
  for (const auto& input : DesignInputs()) {
    auto row = std::find_if(kRows.begin(), kRows.end(), [&](const WindowRow& r) {
      return std::string_view(r.role) == input.role;
    });
    if (row == kRows.end())
      throw std::logic_error(std::string("no row for the input ") + input.role);
    InputBoxes entry{&input, {}, row->caption, row->gridRow, "", row->listItems};
    for (size_t slot = 0; slot < SlotCount(input.unit); ++slot)
      entry.boxes.push_back(InputBoxRole(input.role, slot));
    if (input.unit == InputUnit::LumberWidth) entry.greenLabel = GreenLabelRole(input.role);
    table.push_back(std::move(entry));
  }
  return table;
}

// The boxes whose control names are of one kind ("Edit", "ComboBox"), in the order of the
// control names' numbers, as the control table lists them.
std::vector<std::string> BoxesOfKind(std::string_view kind) {
  std::vector<std::string> roles;
  for (const ControlName& name : ControlNames()) {
    const std::string_view control(name.control);
    if (control.substr(0, kind.size()) == kind && control.size() > kind.size() &&
        control[kind.size()] >= '0' && control[kind.size()] <= '9' && BoxesOfBox(name.role))
      roles.emplace_back(name.role);
  }
  return roles;
}

}  // namespace

const std::vector<InputBoxes>& InputBoxTable() {
  static const std::vector<InputBoxes> table = BuildTable();
  return table;
}

const InputBoxes* BoxesOfRole(std::string_view role) {
  for (const auto& entry : InputBoxTable())
    if (role == entry.input->role) return &entry;
  return nullptr;
}

const InputBoxes* BoxesOfBox(std::string_view box) {
  for (const auto& entry : InputBoxTable())
    for (const std::string& name : entry.boxes)
      if (box == name) return &entry;
  return nullptr;
}

const InputBoxes* BoxesOfGreenLabel(std::string_view label) {
  for (const auto& entry : InputBoxTable())
    if (!entry.greenLabel.empty() && label == entry.greenLabel) return &entry;
  return nullptr;
}

std::vector<std::string> ReadBoxes(const InputBoxes& entry, bool imperial) {
  std::vector<std::string> names;
  for (size_t slot : ReadSlots(entry.input->unit, imperial)) names.emplace_back(entry.boxes[slot]);
  return names;
}

const std::vector<std::string>& EditBoxNames() {
  static const std::vector<std::string> names = BoxesOfKind("Edit");
  return names;
}

const std::vector<std::string>& ComboBoxNames() {
  static const std::vector<std::string> names = BoxesOfKind("ComboBox");
  return names;
}

}  // namespace varnloft
