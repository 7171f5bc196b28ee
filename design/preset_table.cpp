#include "design/preset_table.h"

#include <array>
#include <map>
#include <stdexcept>

namespace varnloft {

namespace {

constexpr size_t kPresetCount = 10;

// One row of boxes with its texts for each preset, written as the boxes' texts joined by " / "
// (the separator is not part of the texts). The metric values are measured separately, not
// converted, so several differ from the imperial ones.
struct PresetRow {
  std::vector<const char*> boxes;
  std::array<const char*, kPresetCount> imperial;
  std::array<const char*, kPresetCount> metric;
};

// clang-format off
const PresetRow kPresetRows[] = {
    {{"Edit1", "Edit2", "Edit3"},
     {"6 / 0 / 0", "8 / 0 / 0", "10 / 0 / 0", "6 / 0 / 0", "7 / 0 / 0", "4 / 6 / 0", "6 / 6 / 0", "8 / 0 / 0", "4 / 0 / 0", "3 / 0 / 0"},
     {"1 / 829 / 0", "2 / 438 / 0", "3 / 48 / 0", "1 / 829 / 0", "2 / 134 / 0", "1 / 372 / 0", "1 / 981 / 0", "2 / 438 / 0", "1 / 219 / 0", "0 / 914 / 0"}},
    {{"Edit4", "Edit5", "Edit6"},
     {"2 / 5 / 8", "2 / 9 / 8", "2 / 9 / 8", "2 / 5 / 8", "2 / 9 / 8", "1 / 9 / 12", "2 / 1 / 0", "2 / 1 / 0", "1 / 9 / 12", "1 / 2 / 12"},
     {"0 / 749 / 0", "0 / 851 / 0", "0 / 851 / 0", "0 / 750 / 0", "0 / 851 / 0", "0 / 553 / 0", "0 / 635 / 0", "0 / 635 / 0", "0 / 553 / 0", "0 / 375 / 0"}},
    {{"Edit28", "Edit7", "Edit8"},
     {"1 / 5 / 8", "1 / 8 / 8", "1 / 8 / 8", "1 / 5 / 8", "1 / 8 / 8", "1 / 0 / 12", "1 / 3 / 4", "1 / 3 / 4", "1 / 0 / 12", "0 / 8 / 12"},
     {"0 / 445 / 0", "0 / 521 / 0", "0 / 521 / 0", "0 / 445 / 0", "0 / 520 / 0", "0 / 324 / 0", "0 / 387 / 0", "0 / 387 / 0", "0 / 324 / 0", "0 / 222 / 0"}},
    {{"Edit9", "Edit10"},
     {"3 / 8", "20 / 0", "20 / 0", "6 / 0", "5 / 8", "4 / 8", "16 / 8", "16 / 8", "4 / 8", "3 / 0"},
     {"152 / 0", "508 / 0", "508 / 0", "152 / 0", "139 / 0", "114 / 0", "419 / 0", "419 / 0", "114 / 0", "76 / 0"}},
    {{"Edit13", "Edit14"},
     {"3 / 8", "6 / 0", "6 / 0", "6 / 0", "3 / 8", "4 / 8", "4 / 8", "4 / 8", "4 / 8", "3 / 0"},
     {"152 / 0", "152 / 0", "152 / 0", "152 / 0", "139 / 0", "114 / 0", "114 / 0", "114 / 0", "114 / 0", "76 / 0"}},
    {{"Edit11", "Edit12"},
     {"3 / 8", "6 / 0", "20 / 0", "6 / 0", "5 / 8", "4 / 8", "4 / 8", "16 / 8", "4 / 8", "3 / 0"},
     {"152 / 0", "152 / 0", "508 / 0", "152 / 0", "139 / 0", "114 / 0", "114 / 0", "419 / 0", "114 / 0", "76 / 0"}},
    {{"Edit15", "Edit16"},
     {"3 / 8", "6 / 0", "6 / 0", "6 / 0", "5 / 8", "4 / 8", "4 / 8", "4 / 8", "4 / 8", "3 / 0"},
     {"152 / 0", "152 / 0", "152 / 0", "152 / 0", "139 / 0", "114 / 0", "114 / 0", "114 / 0", "114 / 0", "76 / 0"}},
    {{"Edit17", "Edit18"},
     {"3 / 0", "3 / 8", "3 / 8", "3 / 0", "4 / 0", "3 / 0", "3 / 0", "3 / 0", "3 / 0", "2 / 8"},
     {"127 / 0", "127 / 0", "127 / 0", "127 / 0", "127 / 0", "76 / 0", "76 / 0", "76 / 0", "76 / 0", "71 / 0"}},
    {{"Edit19", "Edit20"},
     {"0 / 4", "0 / 4", "0 / 4", "0 / 4", "0 / 6", "0 / 4", "0 / 4", "0 / 4", "0 / 4", "0 / 6"},
     {"6 / 0", "6 / 0", "6 / 0", "6 / 0", "10 / 0", "6 / 0", "6 / 0", "6 / 0", "6 / 0", "10 / 0"}},
    {{"ComboBox1", "Edit21"},
     {"2 X 6 / 5.5", "2 X 8 / 7.25", "2 X 8 / 7.25", "2 X 4 / 3.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 4 / 3.5", "5 / 5"},
     {"140 / 140", "184 / 184", "184 / 184", "89 / 89", "140 / 140", "140 / 140", "140 / 140", "140 / 140", "89 / 89", "127 / 127"}},
    {{"ComboBox2", "Edit22"},
     {"2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 4 / 3.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 6 / 5.5", "2 X 4 / 3.5", "5 / 5"},
     {"140 / 140", "140 / 140", "140 / 140", "89 / 89", "140 / 140", "140 / 140", "140 / 140", "140 / 140", "89 / 89", "127 / 127"}},
    {{"ComboBox3", "Edit23"},
     {"2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 / 2"},
     {"89 / 89", "89 / 89", "89 / 89", "89 / 89", "89 / 89", "64 / 64", "64 / 64", "64 / 64", "64 / 64", "50 / 50"}},
    {{"ComboBox4", "Edit24"},
     {"2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 / 2"},
     {"89 / 89", "89 / 89", "89 / 89", "89 / 89", "89 / 89", "64 / 64", "64 / 64", "64 / 64", "64 / 64", "50 / 50"}},
    {{"ComboBox5", "Edit25"},
     {"2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 5 / 4.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 / 2"},
     {"89 / 89", "89 / 89", "89 / 89", "89 / 89", "114 / 114", "64 / 64", "64 / 64", "64 / 64", "64 / 64", "50 / 50"}},
    {{"ComboBox6", "Edit26"},
     {"2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 4 / 3.5", "2 X 5 / 4.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 X 3 / 2.5", "2 / 2"},
     {"89 / 89", "89 / 89", "89 / 89", "89 / 89", "114 / 114", "64 / 64", "64 / 64", "64 / 64", "64 / 64", "50 / 50"}},
    {{"ComboBox7", "Edit27"},
     {"NONE / 0", "2 X 2 / 1.5", "2 X 2 / 1.5", "NONE / 0", "NONE / 0", "NONE / 0", "1 X 2 / .75", "1 X 2 / .75", "NONE / 0", "NONE / 0"},
     {"NONE / 0", "38 / 38", "38 / 38", "NONE / 0", "NONE / 0", "NONE / 0", "19 / 19", "19 / 19", "NONE / 0", "NONE / 0"}},
    {{"ComboBox8"},
     {"6", "5", "5", "9", "7", "4", "4", "4", "6", "3"},
     {"6", "5", "5", "9", "7", "4", "4", "4", "6", "3"}},
    {{"ComboBox9"},
     {"2", "2", "2", "3", "2", "1", "1", "1", "2", "1"},
     {"2", "2", "2", "3", "2", "1", "1", "1", "2", "1"}},
};
// clang-format on

// The boxes are filled in this order: lengths row by row, then each width before its size box.
const char* const kFillOrder[] = {
    "Edit1",     "Edit2",  "Edit3",     "Edit4",     "Edit5",     "Edit6",  "Edit28",    "Edit7",
    "Edit8",     "Edit9",  "Edit10",    "Edit13",    "Edit14",    "Edit11", "Edit12",    "Edit15",
    "Edit16",    "Edit17", "Edit18",    "Edit19",    "Edit20",    "Edit21", "ComboBox1", "Edit22",
    "ComboBox2", "Edit23", "ComboBox3", "Edit24",    "ComboBox4", "Edit25", "ComboBox5", "Edit26",
    "ComboBox6", "Edit27", "ComboBox7", "ComboBox8", "ComboBox9"};

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
      {"AdultStandard1", "Adult Standard Size Table", 0.125f, "1", "8"},
      {"AdultWheelchairOneEnd1", "Adult Wheelchair Accessible One End", 0.125f, "1", "8"},
      {"Adultwheelchairbothends1", "Adult Wheelchair Accessible Both Ends", 0.125f, "1", "8"},
      {"Adultecono1", "Adult Econo Table", 0.125f, "1", "8"},
      {"TallBoy1", "Tall Boy Table (Persons over 6' tall)", 0.125f, "1", "8"},
      {"Childrensupto7yearsold1", "Childrens Table (3 To 9 Years Old)", 0.125f, "1", "8"},
      {"Childrenswheelchaironeend1", "Childrens Wheelchair Accessible One End", 0.125f, "1", "8"},
      {"Childrenswheelchairbothends1", "Childrens Wheelchair Accessible Both Ends", 0.125f, "1",
       "8"},
      {"Childrensecono1", "Childrens Econo Table", 0.125f, "1", "8"},
      {"BabyTable1", "Baby Table (Up to 3 Years Old)", 0.0625f, "0", "12"},
  };
  return presets;
}

const PresetDesign* FindPreset(const std::string& menuItem) {
  for (const auto& preset : PresetDesigns())
    if (menuItem == preset.menuItem) return &preset;
  return nullptr;
}

std::vector<std::pair<std::string, std::string>> PresetBoxTexts(size_t index, bool imperial) {
  if (index >= kPresetCount) throw std::out_of_range("no preset " + std::to_string(index));
  std::map<std::string, std::string> textOf;
  for (const auto& row : kPresetRows) {
    std::vector<std::string> texts = SplitCell(imperial ? row.imperial[index] : row.metric[index]);
    if (texts.size() != row.boxes.size())
      throw std::logic_error(std::string("preset row of ") + row.boxes[0] + " is malformed");
    for (size_t i = 0; i < texts.size(); ++i) textOf[row.boxes[i]] = texts[i];
  }
  std::vector<std::pair<std::string, std::string>> fill;
  for (const char* box : kFillOrder) fill.emplace_back(box, textOf.at(box));
  return fill;
}

}  // namespace varnloft
