#include "safety/limit_shares.h"

#include <algorithm>
#include <cmath>

namespace varnloft {

namespace {

struct Stop {
  double share;
  Rgb colour;
};

constexpr Stop kStops[] = {{0.0, {64, 160, 76}}, {0.75, {236, 200, 56}}, {1.0, {236, 128, 40}}};

std::uint8_t Between(std::uint8_t a, std::uint8_t b, double t) {
  return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
}

}  // namespace

double ShareOfLimit(const MemberStrength& m) {
  double share = 0;
  if (m.deflectionLimitM > 0) share = std::max(share, m.deflectionM / m.deflectionLimitM);
  if (m.allowablePa > 0) share = std::max(share, m.stressPa / m.allowablePa);
  return share;
}

std::vector<std::optional<double>> PieceShares(const TableModel& model, const SafetyCheck& check) {
  std::vector<std::optional<double>> shares(model.pieces.size());
  if (!check.cannotCheck.empty()) return shares;
  for (size_t i = 0; i < model.pieces.size(); ++i)
    for (const MemberStrength& m : check.strength)
      if (m.member == model.pieces[i].member) shares[i] = ShareOfLimit(m);
  return shares;
}

Rgb ShareColour(std::optional<double> share) {
  if (!share || !std::isfinite(*share)) return kNoShareColour;
  if (*share > 1.0) return kOverLimitColour;
  const double s = std::max(*share, 0.0);
  for (size_t i = 1; i < std::size(kStops); ++i) {
    if (s > kStops[i].share) continue;
    const Stop& a = kStops[i - 1];
    const Stop& b = kStops[i];
    const double t = (s - a.share) / (b.share - a.share);
    return {Between(a.colour.r, b.colour.r, t), Between(a.colour.g, b.colour.g, t),
            Between(a.colour.b, b.colour.b, t)};
  }
  return kStops[std::size(kStops) - 1].colour;
}

}  // namespace varnloft
