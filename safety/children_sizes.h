#pragma once
// The school furniture size marks of EN 1729-1 (seat and table heights for growing children):
// for a low table, the mark it comes nearest, by the smallest sum of the seat height's and the
// table height's differences from the mark's.
namespace varnloft {

// Tables lower than this are compared with the size marks.
inline constexpr double kSizeMarksBelowM = 30 * 0.0254;

struct SizeMarkFit {
  int mark = 0;                // 1 to 6
  double seatDifferenceM = 0;  // the design's seat height minus the mark's
  double tableDifferenceM = 0;
};

SizeMarkFit NearestSizeMark(double seatHeightM, double tableHeightM);

}  // namespace varnloft
