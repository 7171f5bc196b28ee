#include "materials/hardware_names.h"

#include "materials/material_texts.h"

namespace varnloft {

namespace {

double FeetInInches(double feet) {
  return feet * kInchesPerFoot;
}

std::string DiameterText(double diameterFeet, bool imperial) {
  if (imperial) return InchesText(FeetInInches(diameterFeet));
  const std::string millimetres = MaterialLengthText(diameterFeet, false);  // "10 mm"
  return "M" + millimetres.substr(0, millimetres.size() - 3);
}

}  // namespace

std::string HardwareSizeText(double feet, bool imperial) {
  return imperial ? InchesText(FeetInInches(feet)) + " in" : MaterialLengthText(feet, false);
}

std::string CarriageBoltName(double diameterFeet, double lengthFeet, bool imperial) {
  return "Carriage bolt " + DiameterText(diameterFeet, imperial) + kTimesSign +
         HardwareSizeText(lengthFeet, imperial);
}

std::string WasherName(double diameterFeet, bool imperial) {
  return "Washer " + DiameterText(diameterFeet, imperial) + (imperial ? " in" : "");
}

std::string NutName(double diameterFeet, bool imperial) {
  return "Nut " + DiameterText(diameterFeet, imperial) + (imperial ? " in" : "");
}

std::string ScrewName(double lengthFeet, bool imperial) {
  return "Deck screw " + HardwareSizeText(lengthFeet, imperial);
}

}  // namespace varnloft
