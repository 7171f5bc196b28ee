#include "materials/lumber.h"

#include <algorithm>
#include <cmath>

#include "materials/material_texts.h"

namespace varnloft {

namespace {

// Sides closer than this many inches are the same size (the record keeps single floats).
constexpr double kSameInches = 1e-3;

struct NominalSide {
  int nominal;
  double actualInches;
};

constexpr NominalSide kThicknesses[] = {{1, 0.75}, {2, 1.5}};
constexpr NominalSide kWidths[] = {{2, 1.5}, {3, 2.5},  {4, 3.5},   {5, 4.5},
                                   {6, 5.5}, {8, 7.25}, {10, 9.25}, {12, 11.25}};

const NominalSide* Match(const NominalSide* begin, const NominalSide* end, double inches) {
  for (const NominalSide* side = begin; side != end; ++side)
    if (std::fabs(side->actualInches - inches) < kSameInches) return side;
  return nullptr;
}

}  // namespace

Lumber LumberOfSection(double thicknessFeet, double widthFeet, bool imperial) {
  const double small = std::min(thicknessFeet, widthFeet),
               large = std::max(thicknessFeet, widthFeet);
  Lumber lumber;
  const NominalSide* t = Match(std::begin(kThicknesses), std::end(kThicknesses), small * 12);
  const NominalSide* w = Match(std::begin(kWidths), std::end(kWidths), large * 12);
  if (t && w) {
    lumber.nominalThickness = t->nominal;
    lumber.nominalWidth = w->nominal;
  }
  if (!imperial) {
    lumber.name = MaterialLengthText(small, false);
    lumber.name =
        lumber.name.substr(0, lumber.name.size() - 3) + kTimes + MaterialLengthText(large, false);
  } else if (t && w) {
    lumber.name = std::to_string(t->nominal) + " X " + std::to_string(w->nominal);
  } else {
    lumber.name = InchesText(small * 12) + kTimes + InchesText(large * 12) + " in";
  }
  return lumber;
}

double BoardFeet(const Lumber& lumber, double thicknessFeet, double widthFeet, double lengthFeet) {
  if (lumber.nominalThickness > 0)
    return lumber.nominalThickness * lumber.nominalWidth * lengthFeet / 12;
  return thicknessFeet * 12 * widthFeet * 12 * lengthFeet / 12;
}

}  // namespace varnloft
