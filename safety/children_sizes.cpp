#include "safety/children_sizes.h"

#include <cmath>

namespace varnloft {

namespace {

struct SizeMark {
  double seatM, tableM;
};

// Marks 1 to 6.
constexpr SizeMark kMarks[] = {{0.260, 0.460}, {0.310, 0.530}, {0.350, 0.590},
                               {0.380, 0.640}, {0.430, 0.710}, {0.460, 0.760}};

}  // namespace

SizeMarkFit NearestSizeMark(double seatHeightM, double tableHeightM) {
  SizeMarkFit best;
  double bestSum = HUGE_VAL;
  for (int i = 0; i < 6; ++i) {
    const double seat = seatHeightM - kMarks[i].seatM;
    const double table = tableHeightM - kMarks[i].tableM;
    const double sum = std::fabs(seat) + std::fabs(table);
    if (sum < bestSum) {  // on a tie the smaller mark stays
      bestSum = sum;
      best = {i + 1, seat, table};
    }
  }
  return best;
}

}  // namespace varnloft
