#pragma once
// The sag and strength of the members a person loads, measured off the table model: the table
// top's boards between the centre lines of the outer and centre supports (the longer span
// counts), the seats' boards between the seat supports' centre lines, and each seat support as a
// cantilever from the leg's bolt out to the seat's centre line.
#include <string>
#include <vector>

#include "design/design_record.h"
#include "model3d/table_model.h"
#include "safety/beam_formulas.h"
#include "safety/wood.h"

namespace varnloft {

struct StrengthChecks {
  std::vector<MemberStrength> members;  // table top, seat, seat support
  std::string missing;                  // why they could not be measured; empty when they could
};

// `rec` gives the seat supports' bolt holes; `personForceN` the person's weight.
StrengthChecks CheckStrength(const TableModel& model, const DesignRecord& rec, WoodSpecies species,
                             double personForceN, double deflectionRatio);

}  // namespace varnloft
