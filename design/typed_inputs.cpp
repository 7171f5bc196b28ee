#include "design/typed_inputs.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

#include "design/lumber_size_table.h"
#include "design/typed_length.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

// Above this many of the smallest whole unit (sixteenths, millimetres) a length is not split
// into boxes: a double no longer holds every whole number of sixteenths much beyond it.
constexpr double kLargestSplit = 1e12;

// A whole number when the value is one but for the last bits a decimal sum leaves ("1.85 m").
double Snapped(double x) {
  const double whole = std::nearbyint(x);
  return std::fabs(x - whole) <= 1e-9 * std::max(1.0, std::fabs(x)) ? whole : x;
}

// Up to six decimals, trailing zeros dropped: "8", "8.5", "0.333333".
std::string DecimalText(double x) {
  std::string text = FixedText(x, 6, 15);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

// The text without blanks, in capitals: "2x8" and "2 X 8" compare equal.
std::string SizeKey(std::string_view text) {
  std::string key;
  for (char c : text)
    if (c != ' ' && c != '\t')
      key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Whole units of `size` in `amount` (non-negative), and what is left.
double TakeWhole(double& amount, double size) {
  const double whole = std::floor(amount / size);
  amount -= whole * size;
  return whole;
}

// The read slots' texts of a length, given in sixteenths (imperial) or millimetres (metric).
std::vector<std::string> LengthTexts(InputUnit unit, double small, bool imperial) {
  const double largest =
      unit == InputUnit::ShortLength ? (imperial ? 16 : 1) : (imperial ? 192 : 1000);
  if (small < 0 || small >= kLargestSplit) {
    std::vector<std::string> texts(ReadSlots(unit, imperial).size(), "0");
    texts[0] = PlainDecimal(small / largest);
    return texts;
  }
  double rest = Snapped(small);
  if (unit == InputUnit::Length && imperial) {
    const double feet = TakeWhole(rest, 192);
    const double inches = TakeWhole(rest, 16);
    return {PlainDecimal(feet), PlainDecimal(inches), DecimalText(rest)};
  }
  if (unit == InputUnit::Length) {
    const double metres = TakeWhole(rest, 1000);
    return {PlainDecimal(metres), DecimalText(rest)};
  }
  if (imperial) {
    const double inches = TakeWhole(rest, 16);
    return {PlainDecimal(inches), DecimalText(rest)};
  }
  return {DecimalText(rest)};
}

// Puts read-slot texts into a full row of slots, the hidden ones "0".
std::vector<std::string> Place(InputUnit unit, bool imperial,
                               const std::vector<std::string>& texts) {
  std::vector<std::string> slots(SlotCount(unit), "0");
  const auto read = ReadSlots(unit, imperial);
  for (size_t i = 0; i < read.size(); ++i) slots[read[i]] = texts[i];
  return slots;
}

std::optional<std::vector<std::string>> LumberTexts(const DesignInput& input, std::string_view text,
                                                    bool imperial, const std::string& separator) {
  for (const auto& size : *input.knownSizes) {
    if (SizeKey(size) == SizeKey(text)) {
      if (const char* width = WidthTextForSize(*input.knownSizes, size, imperial))
        return std::vector<std::string>{size, width};
    }
  }
  // A plain number the width box would read, signed or not, is the width as it stands.
  double number = 0;
  const auto width = TryReadNumber(std::string(text), number)
                         ? std::optional<double>(number)
                         : ReadTypedLength(text, imperial, false, separator);
  if (!width) return std::nullopt;
  const double value = Snapped(*width * (imperial ? 16 : 1)) / (imperial ? 16 : 1);
  for (const auto& size : *input.knownSizes) {
    const char* sizeWidth = WidthTextForSize(*input.knownSizes, size, imperial);
    double listed = 0;
    if (sizeWidth && TryReadNumber(sizeWidth, listed) && listed == value)
      return std::vector<std::string>{size, sizeWidth};
  }
  const std::string widthText =
      std::fabs(value) >= kLargestSplit ? PlainDecimal(value) : DecimalText(value);
  return std::vector<std::string>{widthText, widthText};
}

std::optional<std::vector<std::string>> Read(const DesignInput& input, std::string_view text,
                                             bool imperial, const std::string& separator) {
  if (input.unit == InputUnit::Count) return std::vector<std::string>{std::string(Trimmed(text))};
  if (input.unit == InputUnit::LumberWidth) return LumberTexts(input, text, imperial, separator);

  const bool bareInFeet = input.unit == InputUnit::Length;
  // A plain number the boxes would read, signed or with an exponent, is in the largest box.
  double number = 0;
  std::optional<double> length;
  if (TryReadNumber(std::string(text), number)) {
    length = bareInFeet && imperial ? number * 12 : number;
  } else {
    length = ReadTypedLength(text, imperial, bareInFeet, separator);
  }
  if (!length) return std::nullopt;
  const double small = imperial ? *length * 16 : *length;
  return Place(input.unit, imperial, LengthTexts(input.unit, small, imperial));
}

}  // namespace

std::vector<std::string> BoxTextsForTyped(const DesignInput& input, std::string_view text,
                                          bool imperial, const std::string& thousandsSeparator) {
  if (auto texts = Read(input, text, imperial, thousandsSeparator)) return *texts;
  std::vector<std::string> slots(SlotCount(input.unit), "0");
  slots[ReadSlots(input.unit, imperial).front()] = std::string(text);
  return slots;
}

}  // namespace varnloft
