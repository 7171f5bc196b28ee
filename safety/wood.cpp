#include "safety/wood.h"

#include <algorithm>
#include <cmath>

#include "safety/si_units.h"

namespace varnloft {

namespace {

constexpr double kPascalsPerMegapascal = 1e6;
constexpr double kWaterDensity = 1000;  // kg/m³: the specific gravity's reference

// The reference values; docs/safety.md gives the table each comes from. Southern Pine's bending
// value here is the one for 5 in to 6 in wide boards: its table gives one value per width.
const WoodProperties kSpecies[] = {
    {"Southern Pine No. 2", DesignMethod::AllowableStress, 1000, 1'400'000, 0.55 * kWaterDensity},
    {"Douglas Fir-Larch No. 2", DesignMethod::AllowableStress, 900, 1'600'000,
     0.50 * kWaterDensity},
    {"Hem-Fir No. 2", DesignMethod::AllowableStress, 850, 1'300'000, 0.43 * kWaterDensity},
    {"Spruce-Pine-Fir No. 1/No. 2", DesignMethod::AllowableStress, 875, 1'400'000,
     0.42 * kWaterDensity},
    {"C16", DesignMethod::LimitState, 16, 8'000, 370},
    {"C24", DesignMethod::LimitState, 24, 11'000, 420},
};

// The width rows of the lumber tables, by the board's actual width: 2"–3" nominal, 4", 5",
// 6", 8", 10", 12", wider. A little slack lets a metric board that rounds to a size keep it.
int NominalWidthInches(double actualInches) {
  constexpr double kSlack = 1e-6;
  for (int nominal : {3, 4, 5, 6, 8, 10, 12})
    if (actualInches <= nominal + kSlack) return nominal;
  return 14;
}

// Southern Pine No. 2's bending value for each width (the table is adjusted for size already).
double SouthernPineBending(int nominalWidth) {
  switch (nominalWidth) {
    case 3:
    case 4:
      return 1100;
    case 5:
    case 6:
      return 1000;
    case 8:
      return 925;
    case 10:
      return 800;
    default:
      return 750;
  }
}

// The size factor CF for bending of the other North American grades; `fourInch` for 4 in
// nominal thickness.
double SizeFactor(int nominalWidth, bool fourInch) {
  switch (nominalWidth) {
    case 3:
    case 4:
      return 1.5;
    case 5:
      return 1.4;
    case 6:
      return 1.3;
    case 8:
      return fourInch ? 1.3 : 1.2;
    case 10:
      return fourInch ? 1.2 : 1.1;
    case 12:
      return fourInch ? 1.1 : 1.0;
    default:
      return fourInch ? 1.0 : 0.9;
  }
}

// The flat use factor Cfu of a board bent about its weak axis.
double FlatUseFactor(int nominalWidth, bool fourInch) {
  switch (nominalWidth) {
    case 3:
      return 1.0;
    case 4:
      return fourInch ? 1.0 : 1.1;
    case 5:
      return fourInch ? 1.05 : 1.1;
    case 6:
    case 8:
      return fourInch ? 1.05 : 1.15;
    default:
      return fourInch ? 1.1 : 1.2;
  }
}

BendingDesign AllowableStress(WoodSpecies species, double widthM, double thicknessM,
                              bool laidFlat) {
  const WoodProperties& wood = PropertiesOf(species);
  const double wide = std::max(widthM, thicknessM) / kMetresPerInch;
  const double thick = std::min(widthM, thicknessM) / kMetresPerInch;
  const int nominal = NominalWidthInches(wide);
  const bool fourInch = thick > 3.0;
  double fb = wood.bendingReference;
  double cf = SizeFactor(nominal, fourInch);
  if (species == WoodSpecies::SouthernPineNo2) {
    fb = SouthernPineBending(nominal);
    cf = nominal > 12 ? 0.9 : 1.0;
  }
  constexpr double kDuration = 1.0;  // CD: the person's load, as the tables' normal duration
  const double wetService = fb * cf > 1150 ? 0.85 : 1.0;
  const double flatUse = laidFlat ? FlatUseFactor(nominal, fourInch) : 1.0;
  BendingDesign design;
  design.allowablePa = fb * kDuration * wetService * cf * flatUse * kPascalsPerPsi;
  design.elasticPa = 0.9 * wood.elasticReference * kPascalsPerPsi;
  design.loadFactor = 1;
  return design;
}

BendingDesign LimitState(WoodSpecies species, double widthM, double thicknessM, bool laidFlat) {
  const WoodProperties& wood = PropertiesOf(species);
  constexpr double kModification = 0.7;    // kmod: short-term load, service class 3
  constexpr double kMaterialFactor = 1.3;  // γM for solid timber
  const double depthMm = (laidFlat ? thicknessM : widthM) * 1000;
  const double kh =
      depthMm < 150 && depthMm > 0 ? std::min(std::pow(150 / depthMm, 0.2), 1.3) : 1.0;
  BendingDesign design;
  design.allowablePa =
      kModification * kh * wood.bendingReference * kPascalsPerMegapascal / kMaterialFactor;
  design.elasticPa = wood.elasticReference * kPascalsPerMegapascal;
  design.loadFactor = 1.5;
  return design;
}

}  // namespace

const WoodProperties& PropertiesOf(WoodSpecies species) {
  return kSpecies[static_cast<int>(species)];
}

const std::vector<WoodSpecies>& AllSpecies() {
  static const std::vector<WoodSpecies> all = {
      WoodSpecies::SouthernPineNo2,
      WoodSpecies::DouglasFirLarchNo2,
      WoodSpecies::HemFirNo2,
      WoodSpecies::SprucePineFirNo1No2,
      WoodSpecies::C16,
      WoodSpecies::C24,
  };
  return all;
}

std::optional<WoodSpecies> SpeciesNamed(std::string_view name) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!name.empty() && blank(name.front())) name.remove_prefix(1);
  while (!name.empty() && blank(name.back())) name.remove_suffix(1);
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  for (WoodSpecies species : AllSpecies()) {
    const std::string_view known = PropertiesOf(species).name;
    if (known.size() == name.size() &&
        std::equal(known.begin(), known.end(), name.begin(),
                   [&](char a, char b) { return lower(a) == lower(b); }))
      return species;
  }
  return std::nullopt;
}

WoodSpecies DefaultSpecies(bool imperial) {
  return imperial ? WoodSpecies::SouthernPineNo2 : WoodSpecies::C24;
}

std::string MethodName(DesignMethod method) {
  return method == DesignMethod::AllowableStress ? "allowable stress design (NDS)"
                                                 : "limit state design (EN 1995-1-1)";
}

BendingDesign BendingDesignOf(WoodSpecies species, double widthM, double thicknessM,
                              bool laidFlat) {
  if (PropertiesOf(species).method == DesignMethod::AllowableStress)
    return AllowableStress(species, widthM, thicknessM, laidFlat);
  return LimitState(species, widthM, thicknessM, laidFlat);
}

}  // namespace varnloft
