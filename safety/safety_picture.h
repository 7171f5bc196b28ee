#pragma once
// The safety check as a picture: the table seen from its side and from its end, each piece as
// its outline box, the footprint on the floor, the centre of mass, and every load point of the
// tipping cases, the failing ones marked in red with a cross.
#include "model3d/table_model.h"
#include "platform/canvas.h"
#include "safety/safety_check.h"

namespace varnloft {

inline constexpr int kSafetyPictureWidth = 900;
inline constexpr int kSafetyPictureHeight = 420;

// Draws on the whole canvas. A check that could not be made draws its reason instead.
void DrawSafetyPicture(const TableModel& model, const SafetyCheck& check, Canvas& canvas);

}  // namespace varnloft
