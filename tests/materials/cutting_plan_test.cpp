// The cutting plan of one lumber: angled ends shared between neighbours, the saw-cut rule at its
// exact boundary, the equality of lengths, pieces no stock holds, and the cheapest plan checked
// against a search of every way to share the pieces out among boards.
#include "materials/cutting_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <numeric>

#include "materials/pieces.h"
#include "preset_designs.h"
#include "tests/materials/inch_in_feet.h"

namespace varnloft {
namespace {

constexpr double kEighth = kInch / 8;

std::vector<FlatPoint> Rectangle(double length, double width) {
  return {{0, 0}, {length, 0}, {length, width}, {0, width}};
}
std::vector<FlatPoint> Parallelogram(double length, double width, double offset) {
  return {{offset, 0}, {length + offset, 0}, {length, width}, {0, width}};
}
std::vector<FlatPoint> Trapezoid(double length, double width, double offset) {
  return {{offset, 0}, {length - offset, 0}, {length, width}, {0, width}};
}

PlanInput Input(double boardWidth, double kerf, std::vector<PlanStock> stock) {
  PlanInput in;
  in.boardWidth = boardWidth;
  in.kerf = kerf;
  in.stock = std::move(stock);
  return in;
}

void Add(PlanInput& in, const std::vector<FlatPoint>& outline, int count) {
  in.types.push_back({WaysToLay(outline, in.boardWidth), count});
}

// The rightmost point of a board's last piece.
double Used(const PlanInput& in, const PlanBoard& board) {
  const PlacedPiece& last = board.pieces.back();
  return last.position + in.types[last.type].ways[last.way].extent;
}

// The saw-cut rule checked from the end lines themselves: at both edges of the board (the lines
// are straight, so everywhere between) the gap is at least kerf / cos(a), a the larger facing
// end's angle off square; and no piece is closer to a board end than the trim.
void ExpectCutRuleHolds(const PlanInput& in, const LumberPlan& plan) {
  const double d = in.boardWidth;
  for (const PlanBoard& board : plan.boards) {
    const double length = in.stock[board.stock].length;
    ASSERT_FALSE(board.pieces.empty());
    EXPECT_GE(board.pieces.front().position, in.trim - kSameLength);
    EXPECT_LE(Used(in, board), length - in.trim + kSameLength);
    for (size_t i = 1; i < board.pieces.size(); ++i) {
      const PlacedPiece& a = board.pieces[i - 1];
      const PlacedPiece& b = board.pieces[i];
      const LaidPiece& la = in.types[a.type].ways[a.way];
      const LaidPiece& lb = in.types[b.type].ways[b.way];
      const double slope = std::max(std::fabs(la.right.atUpper - la.right.atLower),
                                    std::fabs(lb.left.atUpper - lb.left.atLower)) /
                           d;
      const double cut = in.kerf / std::cos(std::atan(slope));
      const double atLower = b.position + lb.left.atLower - (a.position + la.right.atLower);
      const double atUpper = b.position + lb.left.atUpper - (a.position + la.right.atUpper);
      EXPECT_GE(std::min(atLower, atUpper), cut - 1e-12);
    }
  }
}

TEST(CuttingPlan, FourLegsOnOneBoardShareThreeAngledCuts) {
  const DesignRecord rec = testing::PresetRecord(0, true);
  const PieceList list = ListPieces(rec);
  const Piece& leg = *std::find_if(list.pieces.begin(), list.pieces.end(),
                                   [](const Piece& p) { return p.member == "Leg"; });
  PlanInput in = Input(leg.boardWidth, kEighth, {{12, 7.48}});
  Add(in, leg.outline, 4);
  const LumberPlan plan = PlanLumber(in);
  ASSERT_EQ(plan.boards.size(), 1u);
  EXPECT_TRUE(plan.proven);
  ExpectCutRuleHolds(in, plan);
  // 4 x the long edge + one offset + three cuts of kerf / cos 31 degrees, not 4 x (long edge +
  // offset) + three square cuts as four bounding rectangles would take.
  const double offset = leg.outline[0].x, slope = offset / leg.width;
  const double expected = 4 * leg.length + offset + 3 * kEighth * std::sqrt(1 + slope * slope);
  EXPECT_NEAR(Used(in, plan.boards[0]), expected, 1e-9);
  EXPECT_NEAR(Used(in, plan.boards[0]) * 12, 133.15, 0.005);
  EXPECT_NEAR((4 * (leg.length + offset) + 3 * kEighth) * 12, 139.4, 0.05);  // "about 139.4 in"
}

TEST(CuttingPlan, TrapezoidsNestLongSideUpThenDown) {
  const double d = 3.5 * kInch, o = 0.5;
  PlanInput in = Input(d, kEighth, {{12, 1}});
  Add(in, Trapezoid(3, d, o), 3);
  const LumberPlan plan = PlanLumber(in);
  ASSERT_EQ(plan.boards.size(), 1u);
  const auto& pieces = plan.boards[0].pieces;
  ASSERT_EQ(pieces.size(), 3u);
  // Each neighbour is turned, so the facing ends are parallel and share one cut.
  EXPECT_NE(pieces[0].way, pieces[1].way);
  EXPECT_NE(pieces[1].way, pieces[2].way);
  const double cut = kEighth * std::sqrt(1 + (o / d) * (o / d));
  EXPECT_NEAR(Used(in, plan.boards[0]), 3 * 3 - 2 * o + 2 * cut, 1e-9);
  ExpectCutRuleHolds(in, plan);
}

TEST(CuttingPlan, TheSawCutRuleHoldsExactlyAtItsBoundary) {
  const double d = 3.5 * kInch, length = 4, offset = 0.6 * d;  // ends 31 degrees off square
  const double shared = kEighth * std::sqrt(1 + 0.36);
  const double exact = 2 * length + offset + shared;
  for (double stock : {exact, exact + 0.9e-9}) {
    PlanInput in = Input(d, kEighth, {{stock, 1}});
    Add(in, Parallelogram(length, d, offset), 2);
    const LumberPlan plan = PlanLumber(in);
    EXPECT_EQ(plan.boards.size(), 1u) << "fits exactly";
    EXPECT_TRUE(plan.missing[0] == 0);
  }
  // 2e-9 ft too short: the two no longer fit one board, so each needs its own.
  PlanInput tight = Input(d, kEighth, {{exact - 2e-9, 1}});
  Add(tight, Parallelogram(length, d, offset), 2);
  EXPECT_EQ(PlanLumber(tight).boards.size(), 2u);

  // A square end facing an angled one: the gap is kerf / cos(a) of the angled end, measured at
  // the narrower of the board's two edges.
  PlanInput mixed = Input(d, kEighth, {{12, 1}});
  Add(mixed, Rectangle(3, d), 1);
  Add(mixed, Parallelogram(3, d, offset), 1);
  const LumberPlan plan = PlanLumber(mixed);
  ASSERT_EQ(plan.boards.size(), 1u);
  ExpectCutRuleHolds(mixed, plan);
  EXPECT_NEAR(Used(mixed, plan.boards[0]), 3 + shared + 3 + offset, 1e-9);
}

TEST(CuttingPlan, SixFootTableTopsNeedAFootAndAnEighthOfAnInchMoreThanTwelveFeet) {
  const double d = 5.5 * kInch;
  PlanInput in = Input(d, kEighth, {{8, 6.48}, {12, 10.28}});
  Add(in, Rectangle(6, d), 2);
  LumberPlan plan = PlanLumber(in);
  EXPECT_EQ(plan.boards.size(), 2u);  // 144 1/8 in do not fit 144 in
  EXPECT_NEAR(plan.cost, 2 * 6.48, 1e-9);

  PlanInput shorter = Input(d, kEighth, {{8, 6.48}, {12, 10.28}});
  Add(shorter, Rectangle(6 - kInch / 16, d), 2);
  plan = PlanLumber(shorter);
  ASSERT_EQ(plan.boards.size(), 1u);  // cut 1/16 in short, they fit exactly
  EXPECT_EQ(shorter.stock[plan.boards[0].stock].length, 12);
  EXPECT_NEAR(plan.boards[0].offcut, 0, 1e-12);

  // With no kerf, two pieces of exactly half a board fit it.
  PlanInput noKerf = Input(d, 0, {{12, 10.28}});
  Add(noKerf, Rectangle(6, d), 2);
  EXPECT_EQ(PlanLumber(noKerf).boards.size(), 1u);
}

TEST(CuttingPlan, APieceLongerThanEveryStockLengthIsMissingAndTheRestIsPlanned) {
  const double d = 3.5 * kInch;
  PlanInput in = Input(d, kEighth, {{8, 4.25}, {16, 10.48}});
  Add(in, Rectangle(20, d), 3);
  Add(in, Rectangle(5, d), 2);
  in.trim = 0.5 * kInch;
  Add(in, Rectangle(16, d), 1);  // would fit exactly without the trim
  const LumberPlan plan = PlanLumber(in);
  EXPECT_EQ(plan.missing, (std::vector<int>{3, 0, 1}));
  ASSERT_EQ(plan.boards.size(), 2u);  // two 8 ft boards cost less than one of 16 ft
  EXPECT_NEAR(plan.cost, 8.5, 1e-9);
  EXPECT_NEAR(plan.boards[0].pieces[0].position, 0.5 * kInch, 1e-12);
  EXPECT_TRUE(plan.proven);
}

TEST(CuttingPlan, WithoutPricesThePlanBuysTheFewestBoards) {
  const double d = 3.5 * kInch;
  PlanInput in = Input(d, kEighth, {{8, std::nullopt}, {16, std::nullopt}});
  Add(in, Rectangle(5, d), 3);
  const LumberPlan plan = PlanLumber(in);
  EXPECT_FALSE(plan.priced);
  ASSERT_EQ(plan.boards.size(), 1u);  // three on one 16 ft board
  EXPECT_EQ(in.stock[plan.boards[0].stock].length, 16);
  EXPECT_EQ(plan.lowerBound, 1);
}

TEST(CuttingPlan, PastItsBudgetThePlanIsCompleteButNotProvenWithABoundBelowIt) {
  const double d = 3.5 * kInch;
  PlanInput in = Input(d, kEighth, {{8, 4.25}, {10, 5.98}, {12, 7.48}, {16, 10.48}});
  Add(in, Rectangle(2.9, d), 9);
  Add(in, Parallelogram(2.7, d, 0.175), 4);
  Add(in, Trapezoid(5.2, d, 0.175), 2);
  const LumberPlan proven = PlanLumber(in);
  ASSERT_TRUE(proven.proven);
  EXPECT_EQ(proven.lowerBound, proven.cost);
  const LumberPlan cut = PlanLumber(in, 50);
  EXPECT_FALSE(cut.proven);
  int pieces = 0;
  for (const PlanBoard& b : cut.boards) pieces += static_cast<int>(b.pieces.size());
  EXPECT_EQ(pieces, 15);
  ExpectCutRuleHolds(in, cut);
  EXPECT_GE(cut.cost, proven.cost - 1e-9);
  EXPECT_LE(cut.lowerBound, proven.cost + 1e-9);
  EXPECT_GT(cut.lowerBound, 0);
}

// --- The cheapest plan against every way of sharing a few pieces out among boards. ---

// A small deterministic generator, the same on every platform.
class Lcg {
 public:
  explicit Lcg(std::uint64_t seed) : state_(seed) {}
  double Uniform(double low, double high) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return low + (high - low) * static_cast<double>(state_ >> 11) / 9007199254740992.0;
  }
  int Below(int n) { return std::min(n - 1, static_cast<int>(Uniform(0, n))); }

 private:
  std::uint64_t state_;
};

struct Measure {
  double primary = 0, secondary = 0, offcut = -1;
};

// The best board for one group of pieces: every order and every way of laying each, placed as
// close as the cut rule allows, on the stock length that is cheapest (then longest offcut).
bool BestBoard(const PlanInput& in, std::vector<int> group, bool priced, Measure& best) {
  std::sort(group.begin(), group.end());
  bool found = false;
  do {
    std::vector<int> ways(group.size(), 0);
    for (;;) {
      double position = in.trim;
      for (size_t i = 1; i < group.size(); ++i)
        position += NextStart(in.types[group[i - 1]].ways[ways[i - 1]],
                              in.types[group[i]].ways[ways[i]], in.boardWidth, in.kerf);
      const LaidPiece& last = in.types[group.back()].ways[ways.back()];
      const double used = position + last.extent;
      for (const PlanStock& s : in.stock) {
        if (!(used - (s.length - in.trim) < kSameLength)) continue;
        Measure m{
            priced ? *s.price : 1, priced ? 1 : s.length,
            std::max(0.0, s.length - used - CutAlongBoard(last.right, in.boardWidth, in.kerf))};
        const bool better = !found || m.primary < best.primary - 1e-9 ||
                            (m.primary < best.primary + 1e-9 &&
                             (m.secondary < best.secondary - 1e-9 ||
                              (m.secondary < best.secondary + 1e-9 && m.offcut > best.offcut)));
        if (better) best = m;
        found = true;
      }
      size_t k = 0;
      while (k < group.size() && ++ways[k] == static_cast<int>(in.types[group[k]].ways.size()))
        ways[k++] = 0;
      if (k == group.size()) break;
    }
  } while (std::next_permutation(group.begin(), group.end()));
  return found;
}

// Every partition of the pieces into boards (restricted growth strings).
Measure BruteForce(const PlanInput& in, bool priced) {
  std::vector<int> pieces;
  for (int t = 0; t < static_cast<int>(in.types.size()); ++t)
    for (int k = 0; k < in.types[t].count; ++k) pieces.push_back(t);
  const size_t n = pieces.size();
  std::vector<int> block(n, 0);
  std::map<std::vector<int>, std::pair<bool, Measure>> memo;
  Measure best;
  bool any = false;
  for (;;) {
    const int blocks = *std::max_element(block.begin(), block.end()) + 1;
    Measure total{0, 0, -1};
    bool feasible = true;
    for (int b = 0; b < blocks && feasible; ++b) {
      std::vector<int> group;
      for (size_t i = 0; i < n; ++i)
        if (block[i] == b) group.push_back(pieces[i]);
      std::sort(group.begin(), group.end());
      auto it = memo.find(group);
      if (it == memo.end()) {
        Measure m;
        const bool ok = BestBoard(in, group, priced, m);
        it = memo.emplace(group, std::make_pair(ok, m)).first;
      }
      feasible = it->second.first;
      total.primary += it->second.second.primary;
      total.secondary += it->second.second.secondary;
      total.offcut = std::max(total.offcut, it->second.second.offcut);
    }
    if (feasible) {
      const bool better =
          !any || total.primary < best.primary - 1e-9 ||
          (total.primary < best.primary + 1e-9 &&
           (total.secondary < best.secondary - 1e-9 ||
            (total.secondary < best.secondary + 1e-9 && total.offcut > best.offcut + 1e-12)));
      if (better) best = total;
      any = true;
    }
    // The next restricted growth string.
    size_t i = n;
    while (i-- > 1) {
      int highest = 0;
      for (size_t j = 0; j < i; ++j) highest = std::max(highest, block[j]);
      if (block[i] <= highest) {
        ++block[i];
        std::fill(block.begin() + i + 1, block.end(), 0);
        break;
      }
    }
    if (i == 0 || n <= 1) break;
  }
  return best;
}

TEST(CuttingPlan, TheCheapestPlanMatchesASearchOfEveryPartition) {
  Lcg random(20261207);
  int compared = 0;
  for (int round = 0; round < 160; ++round) {
    const double d = random.Uniform(2, 6) * kInch;
    PlanInput in = Input(d, random.Below(3) * kEighth / 2, {});
    in.trim = random.Below(3) == 0 ? kInch / 2 : 0;
    const bool priced = random.Below(4) != 0;
    const double lengths[] = {6, 8, 10, 12};
    for (double length : lengths) {
      if (random.Below(3) == 0) continue;
      in.stock.push_back({length, priced ? std::optional<double>(length * random.Uniform(0.4, 0.8))
                                         : std::nullopt});
    }
    if (in.stock.empty()) in.stock.push_back({8, priced ? std::optional<double>(5) : std::nullopt});
    int pieces = 0;
    const int types = 1 + random.Below(3);
    for (int t = 0; t < types && pieces < 6; ++t) {
      const int count = std::min(6 - pieces, 1 + random.Below(3));
      const double length = random.Uniform(1.2, 5.5), offset = random.Uniform(0, 0.8) * d;
      switch (random.Below(3)) {
        case 0:
          Add(in, Rectangle(length, d), count);
          break;
        case 1:
          Add(in, Parallelogram(length, d, offset), count);
          break;
        default:
          Add(in, Trapezoid(length, d, offset), count);
      }
      pieces += count;
    }
    const LumberPlan plan = PlanLumber(in);
    ASSERT_TRUE(plan.proven);
    if (std::accumulate(plan.missing.begin(), plan.missing.end(), 0) > 0) continue;
    ExpectCutRuleHolds(in, plan);
    const Measure expected = BruteForce(in, priced);
    Measure got{0, 0, -1};
    for (const PlanBoard& b : plan.boards) {
      got.primary += priced ? *in.stock[b.stock].price : 1;
      got.secondary += priced ? 1 : in.stock[b.stock].length;
      got.offcut = std::max(got.offcut, b.offcut);
    }
    EXPECT_NEAR(got.primary, expected.primary, 1e-9) << "round " << round;
    EXPECT_NEAR(got.secondary, expected.secondary, 1e-9) << "round " << round;
    EXPECT_NEAR(got.offcut, expected.offcut, 1e-9) << "round " << round;
    ++compared;
  }
  EXPECT_GT(compared, 100);
}

}  // namespace
}  // namespace varnloft
