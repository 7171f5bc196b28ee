// The one rounding point of every drawing: coordinates become whole pixels, ties to even, and a
// coordinate that is not finite or beyond the device range stops the drawing with an error.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "measure/errors.h"
#include "platform/canvas.h"
#include "platform/recording_canvas.h"

namespace varnloft {
namespace {

TEST(RoundToPixel, TiesGoToTheEvenPixel) {
  const struct {
    double value;
    int pixel;
  } cases[] = {
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {3.5, 4},
      {-0.5, 0},
      {-1.5, -2},
      {-2.5, -2},
      {1000.5, 1000},
      {1001.5, 1002},
      {0.49999999999999994, 0},
      {2.5000000000000004, 3},
      {-2.5000000000000004, -3},
      {1.4, 1},
      {1.6, 2},
      {-1.4, -1},
      {-1.6, -2},
      {-0.0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundToPixel(c.value), c.pixel) << c.value;
}

TEST(RoundToPixel, TheRangeEndsAtTenMillionEitherWay) {
  EXPECT_EQ(RoundToPixel(kMaxPixelCoordinate), 10000000);
  EXPECT_EQ(RoundToPixel(-kMaxPixelCoordinate), -10000000);
  const double beyond = std::nextafter(kMaxPixelCoordinate, 2 * kMaxPixelCoordinate);
  const double inf = std::numeric_limits<double>::infinity();
  for (double bad : {beyond, -beyond, 1e300, inf, -inf, std::nan("")}) {
    try {
      RoundToPixel(bad);
      ADD_FAILURE() << bad << " was rounded";
    } catch (const ProgramError& e) {
      EXPECT_STREQ(e.what(), "The drawing does not fit on the page: a coordinate is out of range.");
    }
  }
}

TEST(RoundToPixel, EveryCanvasCallRoundsAndAnErrorDrawsNothing) {
  RecordingCanvas canvas(100, 100);
  canvas.MoveTo(2.5, 3.5);
  canvas.LineTo(-0.5, 10.5);
  canvas.Rectangle(0.5, 1.5, 2.5, 3.5);
  canvas.Ellipse(4.5, 5.5, 6.5, 7.5);
  canvas.TextOut(8.5, 9.5, "x");
  EXPECT_EQ(canvas.ToJsonLines(),
            "{\"op\":\"moveto\",\"x\":2,\"y\":4}\n"
            "{\"op\":\"lineto\",\"x\":0,\"y\":10}\n"
            "{\"op\":\"rect\",\"x1\":0,\"y1\":2,\"x2\":2,\"y2\":4}\n"
            "{\"op\":\"ellipse\",\"x1\":4,\"y1\":6,\"x2\":6,\"y2\":8}\n"
            "{\"op\":\"text\",\"x\":8,\"y\":10,\"text\":\"x\"}\n");
  // A bad second coordinate stops the call before the back end sees any of it.
  EXPECT_THROW(canvas.Rectangle(1, 1, 2, std::nan("")), ProgramError);
  EXPECT_THROW(canvas.LineTo(1, 2e7), ProgramError);
  EXPECT_EQ(canvas.Ops().size(), 5u);
}

}  // namespace
}  // namespace varnloft
