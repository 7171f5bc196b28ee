// Inputs the fuzzers (fuzz/) found faults with, kept as plain tests so that every build checks
// them; the raw inputs are in fuzz/regressions/ and scripts/test replays them too.
#include <gtest/gtest.h>

#include <cfloat>

#include "measure/length_text.h"

namespace varnloft {
namespace {

// A length times a model factor can be a finite double beyond the largest float: its whole feet
// overflow the float they are kept in, and the text read "INF' " or "INF mm ".
TEST(FuzzFindings, ScaledLengthBeyondFloatRangeIsWrittenAsDashes) {
  LengthSettings settings;
  settings.modelScale = true;
  settings.scaleFactor = 1e10f;
  EXPECT_EQ(FormatLength(1e30f, settings), "--' ");
  settings.scaleFactor = -15394509824.0f;  // the raw input in fuzz/regressions/
  EXPECT_EQ(FormatLength(-3.302339e31f, settings), "--' ");
  settings.imperialUnits = false;
  EXPECT_EQ(FormatLength(-3.302339e31f, settings), "-- mm ");

  // Just inside the range the feet are still written, in exponent form.
  settings.imperialUnits = true;
  settings.scaleFactor = 1.0f;
  EXPECT_EQ(FormatLength(FLT_MAX, settings), "3.4028234663852886E+38' ");
}

}  // namespace
}  // namespace varnloft
