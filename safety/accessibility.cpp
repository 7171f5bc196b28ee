#include "safety/accessibility.h"

#include <algorithm>
#include <cmath>

#include "model3d/convex_clip.h"
#include "safety/model_parts.h"
#include "safety/si_units.h"

namespace varnloft {

namespace {

constexpr double kIn = kMetresPerInch;
constexpr double kToeClearanceM = 9 * kIn;  // below this a footrest may reach into the space
constexpr double kClipTolerance = 1e-9;

const AccessRule kAdults{"ADA 2010 902.3", 28 * kIn, 34 * kIn, 27 * kIn};
const AccessRule kChildren{"ADA 2010 902.4 (children)", 26 * kIn, 30 * kIn, 24 * kIn};

const std::vector<std::string> kTopMembers = {"Table Top", "End Cap"};

bool IsTopPiece(const ModelPiece& p) {
  return std::find(kTopMembers.begin(), kTopMembers.end(), p.member) != kTopMembers.end();
}

// The lowest and highest x of any other piece's wood inside the knee space's cross-section:
// between 9 in and the knee height, within the width centred on the table.
void KneeSpaceObstacles(const TableModel& model, double centreY, double kneeHeight, double& lowX,
                        double& highX) {
  lowX = HUGE_VAL;
  highX = -HUGE_VAL;
  const double half = kKneeWidthM / 2;
  for (const ModelPiece& piece : model.pieces) {
    if (IsTopPiece(piece)) continue;
    for (ConvexSolid solid : PieceSolids(piece)) {
      solid = ClipByPlane(solid, {0, 1, 0}, centreY + half, kClipTolerance);
      solid = ClipByPlane(solid, {0, -1, 0}, -(centreY - half), kClipTolerance);
      solid = ClipByPlane(solid, {0, 0, 1}, kneeHeight, kClipTolerance);
      solid = ClipByPlane(solid, {0, 0, -1}, -kToeClearanceM, kClipTolerance);
      for (const Polygon3& face : solid) {
        for (const Vec3& v : face) {
          lowX = std::fmin(lowX, v.x);
          highX = std::fmax(highX, v.x);
        }
      }
    }
  }
}

}  // namespace

const AccessRule& AccessRuleFor(bool children) {
  return children ? kChildren : kAdults;
}

void JudgeEnd(EndAccess& end, bool children) {
  const AccessRule& rule = AccessRuleFor(children);
  end.rule = rule.name;
  end.failed.clear();
  const auto atLeast = [](double figure, double limit) { return !Below(figure, limit); };
  if (!(atLeast(end.tableHeightM, rule.lowestM) && !Below(rule.highestM, end.tableHeightM)))
    end.failed.emplace_back("table_height");
  if (!atLeast(end.kneeHeightM, rule.kneeHeightM)) end.failed.emplace_back("knee_height");
  if (!atLeast(end.kneeWidthM, kKneeWidthM)) end.failed.emplace_back("knee_width");
  if (!atLeast(end.kneeDepthM, kKneeDepthM)) end.failed.emplace_back("knee_depth");
  end.ok = end.failed.empty();
}

std::vector<EndAccess> CheckWheelchairEnds(const TableModel& model, bool children) {
  std::vector<EndAccess> ends;
  const Box3 top = BoxOf(model, kTopMembers);
  const Box3 frame = BoxOf(model, {"Leg", "Outer Support", "Seat Support"});
  if (top.Empty() || frame.Empty()) return ends;
  const double kneeHeightAsked = AccessRuleFor(children).kneeHeightM;
  double lowX = 0, highX = 0;
  bool obstaclesFound = false;  // clipping every piece is the check's dearest step: once, if asked
  for (bool left : {true, false}) {
    const double overhang = left ? frame.min.x - top.min.x : top.max.x - frame.max.x;
    if (!(overhang >= kWheelchairOverhangM - kFigureToleranceM)) continue;
    if (!obstaclesFound) {
      KneeSpaceObstacles(model, top.Centre().y, kneeHeightAsked, lowX, highX);
      obstaclesFound = true;
    }
    EndAccess end;
    end.end = left ? "left" : "right";
    // The underside of the table top or its end cap over this end's knee space.
    const double reach = left ? top.min.x + kKneeDepthM : top.max.x - kKneeDepthM;
    double underside = HUGE_VAL;
    for (const ModelPiece& piece : model.pieces) {
      if (!IsTopPiece(piece)) continue;
      const Box3 box = PieceBox(piece);
      if (left ? box.min.x <= reach : box.max.x >= reach)
        underside = std::fmin(underside, box.min.z);
    }
    end.tableHeightM = top.max.z;
    end.kneeHeightM = std::isfinite(underside) ? underside : top.min.z;
    end.kneeWidthM = top.max.y - top.min.y;
    const double obstacle = left ? lowX : highX;
    const double length = top.max.x - top.min.x;
    end.kneeDepthM =
        std::isfinite(obstacle)
            ? std::clamp(left ? obstacle - top.min.x : top.max.x - obstacle, 0.0, length)
            : length;
    JudgeEnd(end, children);
    ends.push_back(end);
  }
  return ends;
}

}  // namespace varnloft
