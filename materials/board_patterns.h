#pragma once
// The board patterns of one lumber: every multiset of pieces whose shortest arrangement fits on
// the longest stock length, with that arrangement and the stock length it is best cut from.
//
// The shortest arrangement of a multiset is found Held-Karp style: for every sub-multiset and
// every way the last piece lies (type and turn), the least start of that last piece over all
// orders and turns of the others. Only neighbours constrain each other (every piece spans the
// board's width), so the last piece's start is all the rest depends on. Sub-multisets are grown
// one piece at a time, and one that does not fit is not grown: removing a piece from an
// arrangement never makes it longer, so every fitting multiset is reached.
#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

#include "materials/plan_input.h"

namespace varnloft {

struct BoardPattern {
  std::vector<int> counts;  // pieces of each type
  int node = 0;             // its arrangement
  int last = 0;             // the way its last piece lies, in the best arrangement for `stock`
  int stock = 0;
  double primary = 0, secondary = 0;  // the board's cost: (price, 1), or (1, length) unpriced
  double offcut = 0;
};

// a < b by more than the rounding of sums of prices or lengths.
inline bool CostsLess(double a, double b) {
  const double scale = std::fabs(a) > std::fabs(b) ? std::fabs(a) : std::fabs(b);
  return a < b - 1e-9 * (scale > 1 ? scale : 1);
}

class PatternFinder {
 public:
  // `counts`: the pieces of each type to plan; `priced`: compare stock by price, else by length.
  PatternFinder(const PlanInput& input, const std::vector<int>& counts, bool priced);

  // Grows the multisets one piece at a time until all are found (true) or the steps run out
  // (false: the patterns of every size completed so far are kept). Single pieces that fit are
  // always found, whatever the budget.
  bool Run(long long& steps, long long budget);

  const std::vector<BoardPattern>& Patterns() const { return patterns_; }

  // See LumberPlan::shorteningsThatMatter: from every multiset met, found to fit or not.
  std::vector<std::vector<double>> ShorteningsThatMatter(double reach) const;

  // The pieces of a pattern left to right, the first starting at the trim.
  std::vector<PlacedPiece> Arrangement(const BoardPattern& pattern) const;

 private:
  struct Way {
    int type, way;
    double extent, endCut;
  };
  struct Node {
    std::vector<int> counts;
    std::vector<double> start;  // per way of the last piece; infinity when none ends so
    std::vector<int> previous;  // the way of the piece before it; -1 for the first
  };

  int NodeOf(const std::vector<int>& counts);
  void Grow(int node, long long& steps);
  // False when the multiset fits no stock length. Each way its last piece may lie is checked
  // against each stock length: that many steps.
  bool Evaluate(int node, long long& steps);

  const PlanInput& input_;
  std::vector<int> counts_;
  bool priced_;
  std::vector<Way> ways_;
  std::vector<std::vector<double>> next_;  // NextStart between ways
  std::vector<Node> nodes_;
  std::unordered_map<std::string, int> index_;
  std::vector<int> level_;  // the nodes of the size being grown
  size_t evaluated_ = 0;    // the nodes whose fit is known
  std::vector<BoardPattern> patterns_;
  double longest_ = 0;
};

// Beyond this many arrangement nodes the search stops as if out of steps (each holds a start per
// way of the last piece).
inline constexpr size_t kMaxPatternNodes = 60000;

}  // namespace varnloft
