#include "app/input_boxes.h"

#include <algorithm>
#include <stdexcept>

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
  std::vector<const char*> boxes;
  const char* caption;
  int gridRow;
  const char* greenLabel;
  const std::vector<std::string>* listItems;
};

// The outer supports' list stops at "2 X 6" although a typed "2 X 8" fills in its width.
// clang-format off
const std::vector<WindowRow> kRows = {
    {"overallLength",       {"Edit1", "Edit2", "Edit3"},  "Overall Length",         0, nullptr, nullptr},
    {"tableHeight",         {"Edit4", "Edit5", "Edit6"},  "Table Height",           1, nullptr, nullptr},
    {"seatHeight",          {"Edit28", "Edit7", "Edit8"}, "Seat Height",            2, nullptr, nullptr},
    {"leftDeckOverhang",    {"Edit9", "Edit10"},          "Left   Deck Overhang",   3, nullptr, nullptr},
    {"rightDeckOverhang",   {"Edit11", "Edit12"},         "Right Deck Overhang",    5, nullptr, nullptr},
    {"leftSeatOverhang",    {"Edit13", "Edit14"},         "Left   Seat Overhang",   4, nullptr, nullptr},
    {"rightSeatOverhang",   {"Edit15", "Edit16"},         "Right Seat Overhang",    6, nullptr, nullptr},
    {"seatToTableDistance", {"Edit17", "Edit18"},         "Seat to Table Distance", 7, nullptr, nullptr},
    {"deckGap",             {"Edit19", "Edit20"},         "Deck Gap Openings",      8, nullptr, nullptr},
    {"tableTopSize",      {"ComboBox1", "Edit21"}, "Table Top Size", 0, "Label25", &BoardSizes()},
    {"seatSize",          {"ComboBox2", "Edit22"}, "Seat Size",      1, "Label26", &BoardSizes()},
    {"outerSupportSize",  {"ComboBox3", "Edit23"}, "Outer Supports", 2, "Label27", &FramingSizesToSix()},
    {"centreSupportSize", {"ComboBox4", "Edit24"}, "Centre Support", 3, "Label28", &FramingSizesToEight()},
    {"seatSupportSize",   {"ComboBox5", "Edit25"}, "Seat Supports",  4, "Label29", &FramingSizesToEight()},
    {"legSize",           {"ComboBox6", "Edit26"}, "Leg Size",       5, "Label30", &FramingSizesToSix()},
    {"endCapSize",        {"ComboBox7", "Edit27"}, "End Cap Size",   6, "Label31", &EndCapSizes()},
    {"deckBoardCount",    {"ComboBox8"},           "Number of Deck Members",  7, nullptr, &kDeckCounts},
    {"seatBoardCount",    {"ComboBox9"},           "Number of  Seat Members", 8, nullptr, &kSeatCounts},
};
// clang-format on

std::vector<InputBoxes> BuildTable() {
  std::vector<InputBoxes> table;
  for (const auto& input : DesignInputs()) {
    auto row = std::find_if(kRows.begin(), kRows.end(), [&](const WindowRow& r) {
      return std::string_view(r.role) == input.role;
    });
    if (row == kRows.end() || row->boxes.size() != SlotCount(input.unit))
      throw std::logic_error(std::string("no boxes for the input ") + input.role);
    table.push_back(
        {&input, row->boxes, row->caption, row->gridRow, row->greenLabel, row->listItems});
  }
  return table;
}

// Box names of one kind ("Edit", "ComboBox") in the order of their numbers.
std::vector<std::string> NumberedBoxes(std::string_view kind) {
  std::vector<std::pair<int, std::string>> found;
  for (const auto& entry : InputBoxTable())
    for (const char* box : entry.boxes) {
      std::string_view name(box);
      if (name.substr(0, kind.size()) == kind && name.size() > kind.size() &&
          name[kind.size()] >= '0' && name[kind.size()] <= '9')
        found.emplace_back(std::stoi(std::string(name.substr(kind.size()))), box);
    }
  std::sort(found.begin(), found.end());
  std::vector<std::string> names;
  names.reserve(found.size());
  for (auto& [number, name] : found) names.push_back(name);
  return names;
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
    for (const char* name : entry.boxes)
      if (box == name) return &entry;
  return nullptr;
}

const InputBoxes* BoxesOfGreenLabel(std::string_view label) {
  for (const auto& entry : InputBoxTable())
    if (entry.greenLabel && label == entry.greenLabel) return &entry;
  return nullptr;
}

std::vector<std::string> ReadBoxes(const InputBoxes& entry, bool imperial) {
  std::vector<std::string> names;
  for (size_t slot : ReadSlots(entry.input->unit, imperial)) names.emplace_back(entry.boxes[slot]);
  return names;
}

const std::vector<std::string>& EditBoxNames() {
  static const std::vector<std::string> names = NumberedBoxes("Edit");
  return names;
}

const std::vector<std::string>& ComboBoxNames() {
  static const std::vector<std::string> names = NumberedBoxes("ComboBox");
  return names;
}

}  // namespace varnloft
