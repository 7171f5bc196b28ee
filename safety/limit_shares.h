#pragma once
// How close each piece of the table comes to its limit, for colouring the 3D view: the boards of
// the table top and the seats and the seat supports carry the person, and each takes its
// member's share (the larger of its sag over the sag allowed and its stress over the stress
// allowed: 1 is at the limit). The other pieces are checked as the whole table (tipping) or not
// at all, and have no share.
#include <optional>
#include <vector>

#include "model3d/table_model.h"
#include "platform/canvas.h"
#include "safety/safety_check.h"

namespace varnloft {

// The larger of the member's two shares of its limits.
double ShareOfLimit(const MemberStrength& member);

// One share a piece of `model`, in its order; none for a piece no member check covers, and none
// for any piece when the check could not be made.
std::vector<std::optional<double>> PieceShares(const TableModel& model, const SafetyCheck& check);

// The colour of a share: green at none of the limit, through yellow at three quarters and
// orange at the limit, red beyond it; grey for a piece without a share.
inline constexpr Rgb kNoShareColour{176, 176, 176};
inline constexpr Rgb kOverLimitColour{204, 40, 36};
Rgb ShareColour(std::optional<double> share);

}  // namespace varnloft
