#pragma once
// The wood species and grades the safety check knows, their published reference values, and the
// bending strength and stiffness a board may be designed for outdoors. The North American grades
// follow allowable stress design (the reference value times its adjustment factors, compared
// with the unfactored load); the European strength classes follow limit state design (the
// characteristic value times kmod and kh over the material factor, compared with 1.5 times the
// load). Sizes come in metres; the values go out in pascals.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnloft {

enum class WoodSpecies {
  SouthernPineNo2,
  DouglasFirLarchNo2,
  HemFirNo2,
  SprucePineFirNo1No2,
  C16,
  C24,
};

enum class DesignMethod { AllowableStress, LimitState };

struct WoodProperties {
  const char* name;  // "Southern Pine No. 2"
  DesignMethod method;
  double bendingReference;  // Fb (psi) or fm,k (MPa), as the tables give it
  double elasticReference;  // E (psi) or E0,mean (MPa)
  double densityKgPerM3;    // for the table's weight
};

const WoodProperties& PropertiesOf(WoodSpecies species);

// Every species, in the order of the enumeration.
const std::vector<WoodSpecies>& AllSpecies();

// The species whose name is `name`, case and blanks around it aside; none for any other text.
std::optional<WoodSpecies> SpeciesNamed(std::string_view name);

// Southern Pine No. 2 for a design in imperial measure, C24 for a metric one.
WoodSpecies DefaultSpecies(bool imperial);

// "allowable stress design (NDS)" or "limit state design (EN 1995-1-1)".
std::string MethodName(DesignMethod method);

// What one member may carry: the bending stress allowed, the modulus of elasticity its
// deflection is computed with, and the factor the person's load is multiplied by before its
// stress is compared with `allowablePa` (1 for allowable stress design, 1.5 for limit state).
struct BendingDesign {
  double allowablePa = 0;
  double elasticPa = 0;
  double loadFactor = 1;
};

// A member `widthM` wide and `thicknessM` thick (actual sizes), bent flatwise when `laidFlat`
// (a board lying on its face: the depth in bending is its thickness) or on edge otherwise (the
// depth is its width). Outdoors: wet service, service class 3, loads of short duration.
BendingDesign BendingDesignOf(WoodSpecies species, double widthM, double thicknessM, bool laidFlat);

}  // namespace varnloft
