#include "packet/text_wrap.h"

#include <sstream>
#include <utility>

namespace varnloft {

namespace {

// Average advance of mixed text in Arial, in ems, with room for capitals and digits.
constexpr double kAverageAdvance = 0.56;

size_t CodePoints(const std::string& text) {
  size_t n = 0;
  for (unsigned char ch : text)
    if ((ch & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace

double EstimatedTextWidth(const std::string& text, int points) {
  return static_cast<double>(CodePoints(text)) * kAverageAdvance * points;
}

std::vector<std::string> WrapText(const std::string& text, double widthPoints, int points) {
  std::vector<std::string> lines;
  std::istringstream words(text);
  std::string word, line;
  while (words >> word) {
    std::string longer = line;
    if (!longer.empty()) longer += ' ';
    longer += word;
    if (!line.empty() && EstimatedTextWidth(longer, points) > widthPoints) {
      lines.push_back(line);
      line = word;
    } else {
      line = std::move(longer);
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace varnloft
