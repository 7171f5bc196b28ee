#include "design/lumber_size_table.h"

#include <algorithm>

namespace varnloft {

const std::vector<LumberSize>& LumberSizes() {
  static const std::vector<LumberSize> sizes = {
      {"NONE", "0", "0"},         {"1 X 2", ".75", "19"},   {"2 X 2", "1.5", "38"},
      {"2 X 3", "2.5", "63.5"},   {"2 X 4", "3.5", "89"},   {"2 X 5", "4.5", "114"},
      {"2 X 6", "5.5", "140"},    {"2 X 8", "7.25", "184"}, {"2 X 10", "9.25", "235"},
      {"2 X 12", "11.25", "286"},
  };
  return sizes;
}

const std::vector<LumberRow>& LumberRows() {
  // The outer supports know "2 X 8" although their list stops at "2 X 6": a typed "2 X 8" works.
  static const std::vector<std::string> boards = {"2 X 2", "2 X 3", "2 X 4",  "2 X 5",
                                                  "2 X 6", "2 X 8", "2 X 10", "2 X 12"};
  static const std::vector<std::string> toEight = {"2 X 2", "2 X 3", "2 X 4",
                                                   "2 X 5", "2 X 6", "2 X 8"};
  static const std::vector<std::string> toSix = {"2 X 2", "2 X 3", "2 X 4", "2 X 5", "2 X 6"};
  static const std::vector<std::string> endCaps = {"NONE", "1 X 2", "2 X 2", "2 X 3", "2 X 4"};
  static const std::vector<LumberRow> rows = {
      {"ComboBox1", "Edit21", "Label25", boards},  {"ComboBox2", "Edit22", "Label26", boards},
      {"ComboBox3", "Edit23", "Label27", toEight}, {"ComboBox4", "Edit24", "Label28", toEight},
      {"ComboBox5", "Edit25", "Label29", toEight}, {"ComboBox6", "Edit26", "Label30", toSix},
      {"ComboBox7", "Edit27", "Label31", endCaps},
  };
  return rows;
}

const LumberRow* LumberRowOfSizeBox(const std::string& sizeBox) {
  for (const auto& row : LumberRows())
    if (sizeBox == row.sizeBox) return &row;
  return nullptr;
}

const LumberRow* LumberRowOfGreenLabel(const std::string& greenLabel) {
  for (const auto& row : LumberRows())
    if (greenLabel == row.greenLabel) return &row;
  return nullptr;
}

const char* WidthTextForSize(const LumberRow& row, const std::string& sizeText, bool imperial) {
  if (std::find(row.knownSizes.begin(), row.knownSizes.end(), sizeText) == row.knownSizes.end())
    return nullptr;
  for (const auto& size : LumberSizes())
    if (sizeText == size.size) return imperial ? size.imperialWidth : size.metricWidth;
  return nullptr;
}

}  // namespace varnloft
