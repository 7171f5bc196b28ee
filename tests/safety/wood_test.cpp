// The allowable bending stress and stiffness of each wood method against the published reference
// values worked through by hand.
#include "safety/wood.h"

#include <gtest/gtest.h>

#include "safety/si_units.h"
#include "tests/safety/si_lengths.h"

namespace varnloft {
namespace {

double Psi(double pascals) {
  return pascals / kPascalsPerPsi;
}

TEST(Wood, SouthernPineNo2TwoBySixLaidFlatHasTheDefaultAllowableValues) {
  // Fb = 1,000 psi (5"-6" wide), CF = 1 (the table is size-specific), Fb × CF = 1,000 <= 1,150 so
  // CM = 1, Cfu = 1.15: Fb' = 1,000 × 1.15 = 1,150 psi. E' = 0.9 × 1,400,000 = 1,260,000 psi.
  const BendingDesign d = BendingDesignOf(WoodSpecies::SouthernPineNo2, 5.5 * kIn, 1.5 * kIn, true);
  EXPECT_NEAR(Psi(d.allowablePa), 1150, 1e-9);
  EXPECT_NEAR(Psi(d.elasticPa), 1'260'000, 1e-6);
  EXPECT_EQ(d.loadFactor, 1);
}

TEST(Wood, WetServiceFactorAppliesOnlyAboveElevenFiftyPsi) {
  // Douglas Fir-Larch No. 2 2 X 6 flat: 900 × CF 1.3 = 1,170 > 1,150, so CM = 0.85:
  // Fb' = 900 × 0.85 × 1.3 × 1.15 = 1,143.675 psi.
  EXPECT_NEAR(
      Psi(BendingDesignOf(WoodSpecies::DouglasFirLarchNo2, 5.5 * kIn, 1.5 * kIn, true).allowablePa),
      1143.675, 1e-9);
  // Hem-Fir No. 2 2 X 8 on edge: 850 × CF 1.2 = 1,020 <= 1,150, no flat use: 1,020 psi.
  EXPECT_NEAR(
      Psi(BendingDesignOf(WoodSpecies::HemFirNo2, 7.25 * kIn, 1.5 * kIn, false).allowablePa), 1020,
      1e-9);
  // Southern Pine No. 2 2 X 4 on edge: Fb = 1,100 psi for 2"-4" wide, CM = 1: 1,100 psi.
  EXPECT_NEAR(
      Psi(BendingDesignOf(WoodSpecies::SouthernPineNo2, 3.5 * kIn, 1.5 * kIn, false).allowablePa),
      1100, 1e-9);
}

TEST(Wood, C24BoardThirtyEightMillimetresThickLaidFlatHasTheDefaultDesignStrength) {
  // kh = min((150 / 38)^0.2, 1.3) = min(1.316, 1.3) = 1.3; fm,d = 0.7 × 1.3 × 24 / 1.3 = 16.8 MPa.
  const BendingDesign d = BendingDesignOf(WoodSpecies::C24, 0.140, 0.038, true);
  EXPECT_NEAR(d.allowablePa, 16.8e6, 1e-6);
  EXPECT_NEAR(d.elasticPa, 11'000e6, 1e-3);
  EXPECT_EQ(d.loadFactor, 1.5);
}

TEST(Wood, DepthFactorFollowsTheDepthInBending) {
  // C16 140 mm deep on edge: kh = (150 / 140)^0.2 = 1.0138942; fm,d = 0.7 × 1.0138942 × 16 / 1.3
  // = 8.7350886 MPa.
  EXPECT_NEAR(BendingDesignOf(WoodSpecies::C16, 0.140, 0.038, false).allowablePa, 8.7350886e6, 1);
  // 184 mm deep: no increase, 0.7 × 24 / 1.3 = 12.923077 MPa.
  EXPECT_NEAR(BendingDesignOf(WoodSpecies::C24, 0.184, 0.038, false).allowablePa, 12.923077e6, 1);
}

TEST(Wood, DefaultsFollowTheMeasureAndEverySpeciesHasPositiveValues) {
  EXPECT_EQ(DefaultSpecies(true), WoodSpecies::SouthernPineNo2);
  EXPECT_EQ(DefaultSpecies(false), WoodSpecies::C24);
  for (WoodSpecies s :
       {WoodSpecies::SouthernPineNo2, WoodSpecies::DouglasFirLarchNo2, WoodSpecies::HemFirNo2,
        WoodSpecies::SprucePineFirNo1No2, WoodSpecies::C16, WoodSpecies::C24}) {
    const BendingDesign d = BendingDesignOf(s, 0.140, 0.038, true);
    EXPECT_GT(d.allowablePa, 1e6) << PropertiesOf(s).name;
    EXPECT_GT(d.elasticPa, 1e9) << PropertiesOf(s).name;
    EXPECT_GT(PropertiesOf(s).densityKgPerM3, 300) << PropertiesOf(s).name;
  }
}

}  // namespace
}  // namespace varnloft
