#pragma once
// How the materials write lengths, sizes and money: inches in sixteenths and whole millimetres,
// the way a lumber yard and a hardware shelf label them.
#include <string>

#include "measure/unit_conversions.h"

namespace varnloft {

// The sign between a board's thickness and width: "2 × 6".
inline constexpr char kTimes[] = " \xC3\x97 ";

// Inches to the nearest sixteenth, the fraction reduced: "3 1/4", "5/8", "12", "0".
std::string InchesText(double inches);

// A length in feet for a person: imperial "20'", "5' 11 15/16\"", "11 1/2\"" (to the nearest
// sixteenth of an inch); metric "1829 mm" (to the nearest millimetre). Not finite: "--".
std::string MaterialLengthText(double feet, bool imperial);

// "$7.48": the currency symbol, then the amount with two decimals.
std::string MoneyText(const std::string& currency, double amount);

}  // namespace varnloft
