#pragma once
// The safety check of the design just made: the table's weight and whether one person tips it,
// the sag and strength of the members a person loads, the wheelchair ends and, for low tables,
// the children's size marks. Every figure comes from the pieces of the 3D model and the record
// (nothing is looked up per preset); SI units throughout, points in the model's frame (x along
// the table, y across, z up from the floor) in metres. A design whose model cannot carry the
// check (a failed calculation, no boards, no legs on the floor) gives a report that says why
// instead of figures.
#include <optional>
#include <string>
#include <vector>

#include "design/design_record.h"
#include "model3d/table_model.h"
#include "safety/accessibility.h"
#include "safety/beam_formulas.h"
#include "safety/children_sizes.h"
#include "safety/tipping.h"
#include "safety/wood.h"

namespace varnloft {

inline constexpr double kAdultMassKg = 110;
inline constexpr double kChildMassKg = 55;

struct SafetySettings {
  std::optional<WoodSpecies> species;  // default by the design's measure
  std::optional<double> personMassKg;  // default by the table's height
  double deflectionRatio = 180;        // the deflection limit is the span over this
};

struct SafetyCheck {
  std::string cannotCheck;  // why the check cannot be made; empty when it was made
  bool ok = false;          // made, and every case passes
  WoodSpecies species = WoodSpecies::C24;
  double personMassKg = 0, personForceN = 0;
  double tableMassKg = 0;
  Vec3 centreOfMass;
  std::vector<Vec2> footprint;
  std::vector<TippingCase> stability;
  std::vector<MemberStrength> strength;
  std::vector<EndAccess> accessibility;
  std::optional<SizeMarkFit> children;
  double seatHeightM = 0, tableHeightM = 0;  // the heights the size marks are compared with
};

// The person's mass: the setting's, else 110 kg, or 55 kg at a table top under 28 in.
double PersonMassKg(const SafetySettings& settings, double tableHeightM);

SafetyCheck CheckSafety(const DesignRecord& rec, const TableModel& model,
                        const SafetySettings& settings = {});

}  // namespace varnloft
