#include "materials/material_texts.h"

#include <cmath>

#include "measure/number_text.h"

namespace varnloft {

namespace {

// Counts of sixteenths or millimetres beyond this are written in the plain decimal form.
constexpr double kLargestWhole = 1e15;

// A whole number below kLargestWhole (callers see to it).
std::string WholeText(double whole) {
  return std::to_string(static_cast<long long>(whole));
}

}  // namespace

std::string InchesText(double inches) {
  if (!std::isfinite(inches)) return "--";
  const bool negative = inches < 0;
  const double sixteenths = std::round(std::fabs(inches) * 16);
  if (sixteenths > kLargestWhole) return PlainDecimal(inches);
  const double whole = std::floor(sixteenths / 16);
  int numerator = static_cast<int>(sixteenths - whole * 16), denominator = 16;
  while (numerator != 0 && numerator % 2 == 0) {
    numerator /= 2;
    denominator /= 2;
  }
  std::string text = negative && sixteenths != 0 ? "-" : "";
  if (whole != 0 || numerator == 0) text += WholeText(whole);
  if (numerator != 0) {
    if (whole != 0) text += " ";
    text += std::to_string(numerator) + "/" + std::to_string(denominator);
  }
  return text;
}

std::string MaterialLengthText(double feet, bool imperial) {
  if (!std::isfinite(feet)) return "--";
  if (!imperial) {
    const double mm = std::round(feet * kMillimetresPerFoot);
    if (std::fabs(mm) > kLargestWhole) return PlainDecimal(mm) + " mm";
    return WholeText(mm) + " mm";
  }
  const double sixteenths = std::round(std::fabs(feet) * kInchesPerFoot * 16);
  if (sixteenths > kLargestWhole) return PlainDecimal(feet) + "'";
  const std::string sign = feet < 0 && sixteenths != 0 ? "-" : "";
  const double wholeFeet = std::floor(sixteenths / (16 * kInchesPerFoot));
  const double inches = (sixteenths - wholeFeet * 16 * kInchesPerFoot) / 16;
  if (wholeFeet == 0) return sign + InchesText(inches) + "\"";
  if (inches == 0) return sign + WholeText(wholeFeet) + "'";
  return sign + WholeText(wholeFeet) + "' " + InchesText(inches) + "\"";
}

std::string MoneyText(const std::string& currency, double amount) {
  return currency + FixedText(amount, 2, 17);
}

}  // namespace varnloft
