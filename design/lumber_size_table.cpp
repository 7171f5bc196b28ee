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

const std::vector<std::string>& BoardSizes() {
  static const std::vector<std::string> sizes = {"2 X 2", "2 X 3", "2 X 4",  "2 X 5",
                                                 "2 X 6", "2 X 8", "2 X 10", "2 X 12"};
  return sizes;
}

const std::vector<std::string>& FramingSizesToEight() {
  static const std::vector<std::string> sizes = {"2 X 2", "2 X 3", "2 X 4",
                                                 "2 X 5", "2 X 6", "2 X 8"};
  return sizes;
}

const std::vector<std::string>& FramingSizesToSix() {
  static const std::vector<std::string> sizes = {"2 X 2", "2 X 3", "2 X 4", "2 X 5", "2 X 6"};
  return sizes;
}

const std::vector<std::string>& EndCapSizes() {
  static const std::vector<std::string> sizes = {"NONE", "1 X 2", "2 X 2", "2 X 3", "2 X 4"};
  return sizes;
}

const char* WidthTextForSize(const std::vector<std::string>& knownSizes,
                             const std::string& sizeText, bool imperial) {
  if (std::find(knownSizes.begin(), knownSizes.end(), sizeText) == knownSizes.end()) return nullptr;
  for (const auto& size : LumberSizes())
    if (sizeText == size.size) return imperial ? size.imperialWidth : size.metricWidth;
  return nullptr;
}

}  // namespace varnloft
