#pragma once
// Lengths held in feet, written as feet-inches-sixteenths or as whole millimetres.
#include <string>

namespace varnloft {

// The settings of the design that decide how a length is written.
struct LengthSettings {
  bool imperialUnits = true;
  bool modelScale = false;
  float scaleFactor = 1.0f;
  bool formatUnscaled = false;
  std::string thousandsSeparator = ",";
};

double VarFloor(double x);
double VarFrac(double x);
float WholeFeet(double feet);     // floor of x
float WholeInches(double feet);   // whole inches below one foot, 0..11
float SixteenthsOf(double feet);  // sixteenths below one inch, 0..16, ties to even

// "2' - 5   1/2\" ", "6' ", " 1/16\"", "749 mm " ... with every blank kept.
// Metric text is the millimetres of the length rounded to the nearest sixteenth of an inch.
// A length that is not finite after scaling, or whose whole feet no float can hold (a large
// length times a large factor), gives "--' " or "-- mm "; a scale factor of 0
// leaves the length undivided when formatUnscaled is set. Huge finite lengths write their feet
// with PlainDecimal, in exponent form.
std::string FormatLength(float feet, const LengthSettings& settings);

// Feet in one metre, as metric entries are converted to feet and back.
inline constexpr double kFeetPerMetre = 3.2808398;

// A length in feet as metres, held as a single.
float FeetToMetres(double feet);

}  // namespace varnloft
