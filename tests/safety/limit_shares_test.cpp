// The 3D view's colouring by share of limit: the boards and seat supports take their member's
// larger share (sag or stress), the rest of the table none, the colours run green, yellow,
// orange to the limit and red beyond, and a check that could not be made colours nothing.
#include "safety/limit_shares.h"

#include <gtest/gtest.h>

#include "model3d/build_table_model.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

TEST(LimitShares, EachLoadedPieceTakesItsMembersLargerShare) {
  const DesignRecord rec = testing::BuiltInDesign(true);
  const TableModel model = BuildTableModel(rec);
  SafetySettings heavy;
  heavy.personMassKg = 300;  // some members beyond their limit, some within
  const SafetyCheck check = CheckSafety(rec, model, heavy);
  ASSERT_TRUE(check.cannotCheck.empty());
  const std::vector<std::optional<double>> shares = PieceShares(model, check);
  ASSERT_EQ(shares.size(), model.pieces.size());
  int loaded = 0;
  for (size_t i = 0; i < model.pieces.size(); ++i) {
    const std::string& member = model.pieces[i].member;
    SCOPED_TRACE(model.pieces[i].name);
    const auto m = std::find_if(check.strength.begin(), check.strength.end(),
                                [&](const MemberStrength& s) { return s.member == member; });
    if (m == check.strength.end()) {
      EXPECT_FALSE(shares[i].has_value());
      continue;
    }
    ++loaded;
    ASSERT_TRUE(shares[i].has_value());
    const double expected =
        std::max(m->deflectionM / m->deflectionLimitM, m->stressPa / m->allowablePa);
    EXPECT_DOUBLE_EQ(*shares[i], expected);
    EXPECT_EQ(*shares[i] > 1, !m->ok);  // over the limit exactly where the check fails
  }
  // Six table top boards, two seat boards a side, a seat support in each end frame.
  EXPECT_EQ(loaded, 6 + 2 * 2 + 2);

  SafetyCheck unchecked = check;
  unchecked.cannotCheck = "The safety check cannot be made: the last calculation failed.";
  for (const auto& share : PieceShares(model, unchecked)) EXPECT_FALSE(share.has_value());
}

TEST(LimitShares, ColoursRunFromGreenThroughYellowToRedBeyondTheLimit) {
  EXPECT_EQ(ShareColour(std::nullopt), kNoShareColour);
  EXPECT_EQ(ShareColour(0.0), (Rgb{64, 160, 76}));
  EXPECT_EQ(ShareColour(0.75), (Rgb{236, 200, 56}));
  EXPECT_EQ(ShareColour(1.0), (Rgb{236, 128, 40}));
  EXPECT_EQ(ShareColour(1.0001), kOverLimitColour);
  EXPECT_EQ(ShareColour(-0.5), ShareColour(0.0));
  EXPECT_EQ(ShareColour(std::nan("")), kNoShareColour);
  // Halfway between green and yellow, and more red the nearer the limit.
  EXPECT_EQ(ShareColour(0.375), (Rgb{150, 180, 66}));
  int red = 0;
  for (int percent = 0; percent <= 100; percent += 5) {
    EXPECT_GE(ShareColour(percent / 100.0).r, red) << percent;
    red = ShareColour(percent / 100.0).r;
  }
}

}  // namespace
}  // namespace varnloft
