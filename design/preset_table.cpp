#include "design/preset_table.h"

#include <array>
#include <stdexcept>
#include <string_view>

#include "design/design_inputs.h"

namespace varnloft {

namespace {

constexpr size_t kPresetCount = 10;

// One input's texts for each preset, written as the texts of its slots joined by " / " (the
// separator is not part of the texts). The metric values are measured separately, not
// converted, so several differ from the imperial ones.
struct PresetRow {
  const char* role;
  std::array<const char*, kPresetCount> imperial;
  std::array<const char*, kPresetCount> metric;
};

// clang-format off
const PresetRow kPresetRows[] = {
    {"overallLength",
     {"6 / 0 / 0", "8 / 0 / 0", "10 / 0 / 0", "6 / 0 / 0", "7 / 0 / 0", "4 / 6 / 0", "6 / 6 / 0", "8 / 0 / 0", "4 / 0 / 0", "3 / 0 / 0"},
     {"1 / 829 / 0", "2 / 438 / 0", "3 / 48 / 0", "1 / 829 / 0", "2 / 134 / 0", "1 / 372 / 0", "1 / 981 / 0", "2 / 438 / 0", "1 / 219 / 0", "0 / 914 / 0"}},
    {"tableHeight",
     {"2 / 5 / 8", "2 / 9 / 8", "2 / 9 / 8", "2 / 5 / 8", "2 / 9 / 8", "1 / 9 / 12", "2 / 1 / 0", "2 / 1 / 0", "1 / 9 / 12", "1 / 2 / 12"},
     {"0 / 749 / 0", "0 / 851 / 0", "0 / 851 / 0", "0 / 750 / 0", "0 / 851 / 0", "0 / 553 / 0", "0 / 635 / 0", "0 / 635 / 0", "0 / 553 / 0", "0 / 375 / 0"}},
    {"seatHeight",
     {"1 / 5 / 8", "1 / 8 / 8", "1 / 8 / 8", "1 / 5 / 8", "1 / 8 / 8", "1 / 0 / 12", "1 / 3 / 4", "1 / 3 / 4", "1 / 0 / 12", "0 / 8 / 12"},
     {"0 / 445 / 0", "0 / 521 / 0", "0 / 521 / 0", "0 / 445 / 0", "0 / 520 / 0", "0 / 324 / 0", "0 / 387 / 0", "0 / 387 / 0", "0 / 324 / 0", "0 / 222 / 0"}},
    {"leftDeckOverhang",
     {"3 / 8", "20 / 0", "20 / 0", "6 / 0", "5 / 8", "4 / 8", "16 / 8", "16 / 8", "4 / 8", "3 / 0"},
     {"152 / 0", "508 / 0", "508 / 0", "152 / 0", "139 / 0", "114 / 0", "419 / 0", "419 / 0", "114 / 0", "76 / 0"}},
    {"leftSeatOverhang",
     {"3 / 8", "6 / 0", "6 / 0", "6 / 0", "3 / 8", "4 / 8", "4 / 8", "4 / 8", "4 / 8", "3 / 0"},
     {"152 / 0", "152 / 0", "152 / 0", "152 / 0", "139 / 0", "114 / 0", "114 / 0", "114 / 0", "114 / 0", "76 / 0"}},
    {"rightDeckOverhang",
     {"3 / 8", "6 / 0", "20 / 0", "6 / 0", "5 / 8", "4 / 8", "4 / 8", "16 / 8", "4 / 8", "3 / 0"},
     {"152 / 0", "152 / 0", "508 / 0", "152 / 0", "139 / 0", "114 / 0", "114 / 0", "419 / 0", "114 / 0", "76 / 0"}},
    {"rightSeatOverhang",
     {"3 / 8", "6 / 0", "6 / 0", "6 / 0", "5 / 8", "4 / 8", "4 / 8", "4 / 8", "4 / 8", "3 / 0"},
     {"152 / 0", "152 / 0", "152 / 0", "152 / 0", "139 / 0", "114 / 0", "114 / 0", "114 / 0", "114 / 0", "76 / 0"}},
    {"seatToTableDistance",
     {"3 / 0", "3 / 8", "3 / 8", "3 / 0", "4 / 0", "3 / 0", "3 / 0", "3 / 0", "3 / 0", "2 / 8"},
     {"127 / 0", "127 / 0", "127 / 0", "127 / 0", "127 / 0", "76 / 0", "76 / 0", "76 / 0", "76 / 0", "71 / 0"}},
    {"deckGap",
     {"0 / 4", "0 / 4", "0 / 4", "0 / 4", "0 / 6", "0 / 4", "0 / 4", "0 / 4", "0 / 4", "0 / 6"},
     {"6 / 0", "6 / 0", "6 / 0", "6 / 0", "10 / 0", "6 / 0", "6 / 0", "6 / 0", "6 / 0", "10 / 0"}},
    {"tableTopSize",
     {"2 X 6 / 5.5", "2 X 8 / 7.25", "2 X 8 / 7.25", "2 X 4 / 3.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 4 / 3.5", "5 / 5"},
     {"140 / 140", "184 / 184", "184 / 184", "89 / 89", "140 / 140", "140 / 140", "140 / 140", "140 / 140", "89 / 89", "127 / 127"}},
    {"seatSize",
     {"2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 4 / 3.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 4 / 3.5", "5 / 5"},
     {"140 / 140", "140 / 140", "140 / 140", "89 / 89", "140 / 140", "140 / 140", "140 / 140", "140 / 140", "89 / 89", "127 / 127"}},
    {"outerSupportSize",
     {"2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 / 2"},
     {"89 / 89", "89 / 89", "89 / 89", "89 / 89", "89 / 89", "64 / 64", "64 / 64", "64 / 64", "64 / 64", "50 / 50"}},
    {"centreSupportSize",
     {"2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 / 2"},
     {"89 / 89", "89 / 89", "89 / 89", "89 / 89", "89 / 89", "64 / 64", "64 / 64", "64 / 64", "64 / 64", "50 / 50"}},
    {"seatSupportSize",
     {"2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 5 / 4.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 / 2"},
     {"89 / 89", "89 / 89", "89 / 89", "89 / 89", "114 / 114", "64 / 64", "64 / 64", "64 / 64", "64 / 64", "50 / 50"}},
    {"legSize",
     {"2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 5 / 4.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 / 2"},
     {"89 / 89", "89 / 89", "89 / 89", "89 / 89", "114 / 114", "64 / 64", "64 / 64", "64 / 64", "64 / 64", "50 / 50"}},
    {"endCapSize",
     {"NONE / 0", "2 X 2 / 1.5", "2 X 2 / 1.5", "NONE / 0", "NONE / 0", "NONE / 0", "1 X 2 / .75", "1 X 2 / .75", "NONE / 0", "NONE / 0"},
     {"NONE / 0", "38 / 38", "38 / 38", "NONE / 0", "NONE / 0", "NONE / 0", "19 / 19", "19 / 19", "NONE / 0", "NONE / 0"}},
    {"deckBoardCount",
     {"6", "5", "5", "9", "7", "4", "4", "4", "6", "3"},
     {"6", "5", "5", "9", "7", "4", "4", "4", "6", "3"}},
    {"seatBoardCount",
     {"2", "2", "2", "3", "2", "1", "1", "1", "2", "1"},
     {"2", "2", "2", "3", "2", "1", "1", "1", "2", "1"}},
};
// clang-format on

std::vector<std::string> SplitCell(const std::string& cell) {
  std::vector<std::string> texts;
  size_t from = 0;
  for (size_t at; (at = cell.find(" / ", from)) != std::string::npos; from = at + 3)
    texts.push_back(cell.substr(from, at - from));
  texts.push_back(cell.substr(from));
  return texts;
}

}  // namespace

const std::vector<PresetDesign>& PresetDesigns() {
  static const std::vector<PresetDesign> presets = {
      {"AdultStandard1", "Adult Standard", "Adult Standard Size Table", 0.125f, "1", "8"},
      {"AdultWheelchairOneEnd1", "Adult wheelchair one end", "Adult Wheelchair Accessible One End",
       0.125f, "1", "8"},
      {"Adultwheelchairbothends1", "Adult wheelchair both ends",
       "Adult Wheelchair Accessible Both Ends", 0.125f, "1", "8"},
      {"Adultecono1", "Adult econo", "Adult Econo Table", 0.125f, "1", "8"},
      {"TallBoy1", "Tall Boy", "Tall Boy Table (Persons over 6' tall)", 0.125f, "1", "8"},
      {"Childrensupto7yearsold1", "Childrens  Standard", "Childrens Table (3 To 9 Years Old)",
       0.125f, "1", "8"},
      {"Childrenswheelchaironeend1", "Childrens wheelchair one end",
       "Childrens Wheelchair Accessible One End", 0.125f, "1", "8"},
      {"Childrenswheelchairbothends1", "Childrens wheelchair both ends",
       "Childrens Wheelchair Accessible Both Ends", 0.125f, "1", "8"},
      {"Childrensecono1", "Childrens econo", "Childrens Econo Table", 0.125f, "1", "8"},
      {"BabyTable1", "Baby Table", "Baby Table (Up to 3 Years Old)", 0.0625f, "0", "12"},
  };
  return presets;
}

const PresetDesign* FindPreset(const std::string& menuItem) {
  for (const auto& preset : PresetDesigns())
    if (menuItem == preset.menuItem) return &preset;
  return nullptr;
}

std::vector<PresetInputTexts> PresetTexts(size_t index, bool imperial) {
  if (index >= kPresetCount) throw std::out_of_range("no preset " + std::to_string(index));
  std::vector<PresetInputTexts> texts;
  for (const auto& input : DesignInputs()) {
    const PresetRow* row = nullptr;
    for (const auto& r : kPresetRows)
      if (std::string_view(r.role) == input.role) row = &r;
    if (!row) throw std::logic_error(std::string("no preset row for ") + input.role);
    std::vector<std::string> slots =
        SplitCell(imperial ? row->imperial[index] : row->metric[index]);
    if (slots.size() != SlotCount(input.unit))
      throw std::logic_error(std::string("preset row of ") + input.role + " is malformed");
    texts.push_back({input.role, std::move(slots)});
  }
  return texts;
}

}  // namespace varnloft
