#pragma once
// The wheelchair ends: at each end whose table top overhangs the end frame by 12 in or more, the
// table top's height and the knee space under it are held to the accessible dining surface rules
// (28 in to 34 in high with 27 in × 30 in × 19 in of knee space; for children's tables 26 in to
// 30 in high with 24 in of knee height). Metres throughout.
#include <string>
#include <vector>

#include "model3d/table_model.h"

namespace varnloft {

inline constexpr double kWheelchairOverhangM = 12 * 0.0254;
// A table top lower than this makes a children's table (lighter person, children's rules).
inline constexpr double kChildrensTableBelowM = 28 * 0.0254;
// The design keeps its lengths as floats in feet: a table typed 28" high comes out a few tenths
// of a micrometre under 28". The limits take a figure within this of them as on them.
inline constexpr double kFigureToleranceM = 1e-6;

// Below `limitM` by more than the rounding of the design's lengths.
inline bool Below(double figureM, double limitM) {
  return figureM < limitM - kFigureToleranceM;
}

// The rule an end is held to: the table top's height range and the knee height asked.
struct AccessRule {
  const char* name;
  double lowestM, highestM, kneeHeightM;
};

// The children's rule for a table top under 28 in, else the adults'.
const AccessRule& AccessRuleFor(bool children);

// The figures an end is judged by, in the order the report lists them.
inline constexpr const char* kAccessFigures[] = {"table_height", "knee_height", "knee_width",
                                                 "knee_depth"};
inline constexpr double kKneeWidthM = 30 * 0.0254;
inline constexpr double kKneeDepthM = 19 * 0.0254;

struct EndAccess {
  std::string end;   // "left" or "right"
  std::string rule;  // which rule it is held to
  double tableHeightM = 0, kneeHeightM = 0, kneeWidthM = 0, kneeDepthM = 0;
  bool ok = false;
  std::vector<std::string> failed;  // "table_height", "knee_height", "knee_width", "knee_depth"
};

// The rule applied to one end's figures: fills in `rule`, `ok` and `failed`.
void JudgeEnd(EndAccess& end, bool children);

// The ends meant for a wheelchair (none when neither overhangs far enough), measured and judged.
// `children` when the table top is under 28 in.
std::vector<EndAccess> CheckWheelchairEnds(const TableModel& model, bool children);

}  // namespace varnloft
