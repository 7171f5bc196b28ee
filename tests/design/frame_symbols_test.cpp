// The end frame's symbols the drawings and the 3D model share: every length the formulas use is
// checked for a value beyond float range, and a brace angle of 0 stops as a zero divisor does.
#include "design/frame_symbols.h"

#include <gtest/gtest.h>

#include <iterator>
#include <limits>

#include "measure/errors.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

TEST(FrameSymbols, AnInfiniteLengthOrAngleAnywhereIsCaught) {
  const DesignRecord built = testing::BuiltInDesign();
  ASSERT_TRUE(FrameSymbolsOf(built).AllFinite());
  float DesignRecord::*const fields[] = {&DesignRecord::LumberThickness,
                                         &DesignRecord::TableHeight,
                                         &DesignRecord::SeatHeight,
                                         &DesignRecord::OverallLength,
                                         &DesignRecord::OverallWidth,
                                         &DesignRecord::TableTopWidth,
                                         &DesignRecord::SeatWidth,
                                         &DesignRecord::SeatToTableDistance,
                                         &DesignRecord::DeckBoardWidth,
                                         &DesignRecord::DeckBoardCount,
                                         &DesignRecord::SeatBoardWidth,
                                         &DesignRecord::SeatBoardCount,
                                         &DesignRecord::DeckGap,
                                         &DesignRecord::OuterSupportDepth,
                                         &DesignRecord::CentreSupportDepth,
                                         &DesignRecord::SeatSupportDepth,
                                         &DesignRecord::LegCutWidth,
                                         &DesignRecord::SeatSupportExtension,
                                         &DesignRecord::LeftDeckOverhang,
                                         &DesignRecord::RightDeckOverhang,
                                         &DesignRecord::LeftSeatOverhang,
                                         &DesignRecord::SeatLength,
                                         &DesignRecord::EndCapWidth,
                                         &DesignRecord::BraceRun,
                                         &DesignRecord::BraceRise,
                                         &DesignRecord::LegAngle,
                                         &DesignRecord::BraceAngle};
  for (size_t i = 0; i < std::size(fields); ++i) {
    DesignRecord rec = built;
    rec.*fields[i] = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(FrameSymbolsOf(rec).AllFinite()) << "field " << i;
    rec.*fields[i] = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(FrameSymbolsOf(rec).AllFinite()) << "field " << i;
  }
}

TEST(FrameSymbols, ABraceAngleOfZeroStopsAsADivisionByZero) {
  DesignRecord rec = testing::BuiltInDesign();
  EXPECT_GT(FrameSymbolsOf(rec).OverBraceTangent(1), 0);
  rec.BraceAngle = 0;
  EXPECT_THROW(FrameSymbolsOf(rec).OverBraceTangent(1), DivisionByZeroError);
}

}  // namespace
}  // namespace varnloft
