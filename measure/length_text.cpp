#include "measure/length_text.h"

#include <cmath>

#include "measure/number_text.h"
#include "measure/unit_conversions.h"

namespace varnloft {

namespace {

// The fraction of an inch for 0..15 sixteenths, blanks included; index 0 is the blank fraction.
constexpr const char* kFractionTexts[16] = {
    "      ",  " 1/16\"", " 1/8\" ", " 3/16\"",  " 1/4\" ", " 5/16\"",  " 3/8\" ", " 7/16\"",
    " 1/2\" ", " 9/16\"", " 5/8\" ", " 11/16\"", " 3/4\" ", " 13/16\"", " 7/8\" ", " 15/16\""};

bool HasFraction(float sixteenths) {
  return sixteenths >= 1 && sixteenths <= 15;
}

const char* FractionText(float sixteenths) {
  return HasFraction(sixteenths) ? kFractionTexts[static_cast<int>(sixteenths)] : kFractionTexts[0];
}

// Applies the carpenter's rules in order; each rule that applies replaces the text before it.
std::string ImperialText(float feet, float inches, float sixteenths) {
  const std::string q = PlainDecimal(feet);
  const std::string r = PlainDecimal(inches);
  const std::string f = FractionText(sixteenths);
  const bool blankFraction = !HasFraction(sixteenths);
  const std::string footHyphen = "' - ";
  const std::string inchMark = "\"  ";

  std::string text = q + footHyphen + r + "  " + f;
  if (feet == 0) text = r + "  " + f;
  if (feet == 0 && inches == 0) text = f;
  if (feet > 0 && inches == 0) text = q + footHyphen + f;
  if (feet == 0 && blankFraction) text = r + inchMark;
  if (inches == 0 && blankFraction) text = q + "' ";
  if (feet > 0 && inches > 0 && blankFraction) text = q + footHyphen + r + inchMark;
  return text;
}

// Millimetres of the length rounded to the nearest sixteenth. A count of 16 sixteenths has
// already been carried into the inches, so it must not be added a second time.
std::string MetricText(float feet, float inches, float sixteenths, const std::string& separator) {
  const double uncarried = sixteenths <= 15 ? sixteenths : 0.0;
  const double mm =
      (static_cast<double>(inches) / 12 + feet + uncarried / 12 / 16) * kMillimetresPerFoot;
  return GroupThousandsInText(FixedText(mm, 0, 15), separator) + " mm ";
}

}  // namespace

double VarFloor(double x) {
  double a = std::nearbyint(x + 0.5);
  if (a > x) a -= 1;
  return a;
}

double VarFrac(double x) {
  return x - VarFloor(x);
}

float WholeFeet(double feet) {
  return static_cast<float>(VarFloor(feet));
}

float WholeInches(double feet) {
  const double t = VarFrac(feet) * 12;
  return static_cast<float>(t - VarFrac(t));
}

float SixteenthsOf(double feet) {
  const double t = VarFrac(feet) * 12;
  return static_cast<float>(std::nearbyint((t - VarFloor(t)) * 16));
}

std::string FormatLength(float feet, const LengthSettings& settings) {
  float x = feet;
  // A zero factor cannot come from the scale dialog; dividing by it would only give infinity.
  if (settings.formatUnscaled && settings.scaleFactor != 0) {
    x = static_cast<float>(static_cast<double>(x) / settings.scaleFactor);
  }
  const double shown =
      settings.modelScale ? static_cast<double>(x) * settings.scaleFactor : static_cast<double>(x);
  const char* notALength = settings.imperialUnits ? "--' " : "-- mm ";
  if (!std::isfinite(shown)) return notALength;

  float q = WholeFeet(shown);
  // A finite double beyond the largest float has no whole feet a float can hold.
  if (!std::isfinite(q)) return notALength;
  float r = WholeInches(shown);
  const float s = SixteenthsOf(shown);
  if (s > 15) r += 1;
  if (r > 11) {
    q += 1;
    r = 0;
  }
  if (!settings.imperialUnits) return MetricText(q, r, s, settings.thousandsSeparator);
  return ImperialText(q, r, s);
}

float FeetToMetres(double feet) {
  return static_cast<float>(feet / kFeetPerMetre);
}

}  // namespace varnloft
