// The beam formulas against hand calculations: a Southern Pine 2 X 6 table-top board over a
// 31.75 in span and a 2 X 4 seat support held 6.616 in out, and the boards sharing the load.
#include "safety/beam_formulas.h"

#include <gtest/gtest.h>

#include "safety/si_units.h"
#include "tests/safety/si_lengths.h"

namespace varnloft {
namespace {

const double kPerson = 110 * kStandardGravity;  // 1,078.7315 N

BendingDesign SouthernPine(double allowablePsi) {
  return {allowablePsi * kPascalsPerPsi, 0.9 * 1'400'000 * kPascalsPerPsi, 1};
}

TEST(BeamFormulas, BoardsSharingThePersonFitIntoFourHundredMillimetres) {
  // (400 + 6.35) / (139.7 + 6.35) = 2.78: two 5.5 in boards with 1/4 in gaps.
  EXPECT_EQ(BoardsSharing(5, 5.5 * kIn, 0.25 * kIn), 2);
  // (400 + 0) / (89 + 0) = 4.49: four, but a row of three has only three.
  EXPECT_EQ(BoardsSharing(8, 0.089, 0), 4);
  EXPECT_EQ(BoardsSharing(3, 0.089, 0), 3);
  // A board wider than the seat still carries the person alone.
  EXPECT_EQ(BoardsSharing(4, 0.5, 0.006), 1);
  EXPECT_EQ(BoardsSharing(0, 0.1, 0.006), 1);
}

TEST(BeamFormulas, BoardLaidFlatAtMidSpanMatchesTheHandCalculation) {
  // b = 0.1397 m, t = 0.0381 m, L = 0.80645 m, two boards: P = 539.36575 N each.
  // I = 0.1397 × 0.0381³ / 12 = 6.4385799e-7 m⁴; S = 0.1397 × 0.0381² / 6 = 3.3798319e-5 m³;
  // E' = 1,260,000 psi = 8.6873942e9 Pa.
  // δ = 539.36575 × 0.80645³ / (48 × 8.6873942e9 × 6.4385799e-7) = 1.0536463e-3 m,
  // limit 0.80645 / 180 = 4.4802778e-3 m; σ = 539.36575 × 0.80645 / 4 / 3.3798319e-5
  // = 3.2174049e6 Pa, below Fb' = 1,150 psi = 7.9289709e6 Pa.
  const MemberStrength m = MidSpanBoard("Table Top", 31.75 * kIn, 2, kPerson, 5.5 * kIn, 1.5 * kIn,
                                        SouthernPine(1150), 180);
  EXPECT_FALSE(m.cantilever);
  EXPECT_NEAR(m.secondMomentM4, 6.4385799e-7, 1e-13);
  EXPECT_NEAR(m.sectionModulusM3, 3.3798319e-5, 1e-11);
  EXPECT_NEAR(m.deflectionM, 1.0536463e-3, 1e-9);
  EXPECT_NEAR(m.deflectionLimitM, 4.4802778e-3, 1e-9);
  EXPECT_NEAR(m.stressPa, 3.2174049e6, 1);
  EXPECT_NEAR(m.loadN, kPerson, 1e-9);
  EXPECT_TRUE(m.ok);
}

TEST(BeamFormulas, LimitStateComparesOneAndAHalfTimesTheLoadButSagsUnderTheLoad) {
  const BendingDesign c24{16.8e6, 11e9, 1.5};
  const MemberStrength m = MidSpanBoard("Seat", 1.6, 2, kPerson, 0.140, 0.038, c24, 180);
  // σ = 1.5 × 539.36575 × 1.6 / 4 / (0.140 × 0.038² / 6 = 3.3693333e-5) = 9.6048511e6 Pa.
  EXPECT_NEAR(m.stressPa, 9.6048511e6, 2);
  EXPECT_NEAR(m.loadN, 1.5 * kPerson, 1e-9);
  // δ = 539.36575 × 1.6³ / (48 × 11e9 × (0.140 × 0.038³ / 12 = 6.4017333e-7)) = 6.5359965e-3 m
  // over a limit of 8.8889e-3 m.
  EXPECT_NEAR(m.deflectionM, 6.5359965e-3, 1e-9);
  EXPECT_TRUE(m.ok);
}

TEST(BeamFormulas, CantileverOnEdgeMatchesTheHandCalculation) {
  // 2 X 4 on edge: t = 0.0381 m, d = 0.0889 m, arm 6.6158 in = 0.16804132 m, the whole person.
  // I = 0.0381 × 0.0889³ / 12 = 2.2307403e-6 m⁴; S = 0.0381 × 0.0889² / 6 = 5.0185383e-5 m³.
  // δ = 1,078.7315 × 0.16804132³ / (3 × 8.6873942e9 × 2.2307403e-6) = 8.8044416e-5 m;
  // σ = 1,078.7315 × 0.16804132 / 5.0185383e-5 = 3.6120371e6 Pa, below 1,100 psi = 7.584233e6.
  const MemberStrength m = CantileverOnEdge("Seat Support", 0.16804132, kPerson, 1.5 * kIn,
                                            3.5 * kIn, SouthernPine(1100), 180);
  EXPECT_TRUE(m.cantilever);
  EXPECT_NEAR(m.secondMomentM4, 2.2307403e-6, 1e-12);
  EXPECT_NEAR(m.sectionModulusM3, 5.0185383e-5, 1e-11);
  EXPECT_NEAR(m.deflectionM, 8.8044416e-5, 1e-11);
  EXPECT_NEAR(m.stressPa, 3.6120371e6, 1);
  EXPECT_TRUE(m.ok);
}

TEST(BeamFormulas, EitherLimitExceededFails) {
  // The same board over 2.5 m: σ = 539.36575 × 2.5 / 4 / 3.3798319e-5 = 9.97e6 Pa > 7.93e6 Pa.
  EXPECT_FALSE(
      MidSpanBoard("Seat", 2.5, 2, kPerson, 5.5 * kIn, 1.5 * kIn, SouthernPine(1150), 180).ok);
  // 1.6 m with a limit of L/400 = 4 mm: δ = 539.36575 × 1.6³ / (48 × 8.687e9 × 6.4386e-7)
  // = 8.23 mm.
  const MemberStrength sag =
      MidSpanBoard("Seat", 1.6, 2, kPerson, 5.5 * kIn, 1.5 * kIn, SouthernPine(1150), 400);
  EXPECT_LT(sag.stressPa, sag.allowablePa);
  EXPECT_FALSE(sag.ok);
}

}  // namespace
}  // namespace varnloft
