#include "materials/cutting_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "materials/board_patterns.h"

namespace varnloft {

namespace {

// The count vectors the exact search may index (a slot each; only those reached keep a value).
constexpr long long kMaxPlanStates = 1 << 22;

struct Value {
  double primary = 0, secondary = 0;
  double offcut = -1;  // the longest offcut; -1 while no board is bought
};

// The plan's order: lower cost, then lower second measure, then the longer offcut.
bool Better(const Value& a, const Value& b) {
  if (CostsLess(a.primary, b.primary)) return true;
  if (CostsLess(b.primary, a.primary)) return false;
  if (CostsLess(a.secondary, b.secondary)) return true;
  if (CostsLess(b.secondary, a.secondary)) return false;
  return a.offcut > b.offcut;
}

Value Plus(const BoardPattern& p, const Value& rest) {
  return {p.primary + rest.primary, p.secondary + rest.secondary, std::max(p.offcut, rest.offcut)};
}

// Count vectors of up to eight types packed four to a word, 15 bits a count, so that "q fits
// in r" is two word operations for every type at once.
struct Packed {
  std::uint64_t word[2] = {0, 0};
};

constexpr std::uint64_t kLaneTops = 0x8000800080008000ULL;

Packed Pack(const std::vector<int>& counts) {
  Packed p;
  for (size_t t = 0; t < counts.size(); ++t)
    p.word[t / 4] |= static_cast<std::uint64_t>(counts[t]) << (16 * (t % 4));
  return p;
}

// Every count of q at most r's: subtracting lane by lane from r with each lane's top bit set
// leaves that bit set exactly where r's count is at least q's.
bool FitsIn(const Packed& q, const Packed& r) {
  return (((r.word[0] | kLaneTops) - q.word[0]) & kLaneTops) == kLaneTops &&
         (((r.word[1] | kLaneTops) - q.word[1]) & kLaneTops) == kLaneTops;
}

class Search {
 public:
  Search(const std::vector<int>& counts, const std::vector<BoardPattern>& patterns)
      : counts_(counts), patterns_(patterns) {}

  // The exact programme, from the full count vector down through the states it reaches: in each
  // state some board holds a piece of each type left, so only patterns holding the first type
  // left (types ordered by how few patterns hold them) need be tried. False when it would need
  // more states than it may hold or more steps than the budget leaves.
  bool Exact(long long& steps, long long budget, const PlanInput& input, std::vector<int>& chosen) {
    const size_t m = counts_.size();
    if (m > 8) return false;
    std::vector<long long> stride(m);
    long long states = 1;
    for (size_t t = 0; t < m; ++t) {
      if (counts_[t] >= 0x8000) return false;
      stride[t] = states;
      states *= counts_[t] + 1;
      if (states > kMaxPlanStates) return false;
    }
    std::vector<std::vector<int>> holding(m);  // the patterns holding each type
    for (size_t i = 0; i < patterns_.size(); ++i)
      for (size_t t = 0; t < m; ++t)
        if (patterns_[i].counts[t] > 0) holding[t].push_back(static_cast<int>(i));
    std::vector<Packed> packed(patterns_.size());
    std::vector<long long> patternIndex(patterns_.size(), 0);
    std::vector<unsigned> support(patterns_.size(), 0);  // the types a pattern holds, as bits
    for (size_t i = 0; i < patterns_.size(); ++i) {
      packed[i] = Pack(patterns_[i].counts);
      for (size_t t = 0; t < m; ++t) {
        patternIndex[i] += patterns_[i].counts[t] * stride[t];
        if (patterns_[i].counts[t] > 0) support[i] |= 1u << t;
      }
    }
    // The candidates of a state: the patterns holding its branch type and no type it has none
    // of left, gathered the first time a state with those types left needs them.
    std::vector<std::vector<int>> candidates(m << m);
    std::vector<bool> gathered(m << m, false);
    auto candidatesOf = [&](size_t branch, unsigned left) -> const std::vector<int>* {
      const size_t key = (branch << m) | left;
      if (!gathered[key]) {
        gathered[key] = true;
        for (int i : holding[branch])
          if ((support[i] & ~left) == 0) candidates[key].push_back(i);
      }
      return &candidates[key];
    };

    // slot[state]: -1 not reached, -2 on the stack, else its entry.
    std::vector<int> slot(states, -1);
    std::vector<Value> value;
    std::vector<int> choice;
    slot[0] = 0;
    value.push_back(Value{});
    choice.push_back(-1);
    struct Frame {
      long long state;
      Packed counts;
      const std::vector<int>* candidates;
      size_t next;
      Value best;
      int pick;
    };
    // A state's frame, from its counts (a parent's less a pattern's, lane by lane).
    auto frameOf = [&](long long state, const Packed& counts) {
      Frame f{state, counts, nullptr, 0, Value{}, -1};
      unsigned left = 0;
      for (size_t t = 0; t < m; ++t)
        if ((counts.word[t / 4] >> (16 * (t % 4))) & 0x7FFF) left |= 1u << t;
      for (size_t t = 0; t < m; ++t) {
        if (!(left & (1u << t))) continue;
        const std::vector<int>* c = candidatesOf(t, left);
        if (!f.candidates || c->size() < f.candidates->size()) f.candidates = c;
      }
      return f;
    };
    const long long full = states - 1;
    if (full == 0) return true;  // nothing to cut
    std::vector<Frame> stack;
    slot[full] = -2;
    stack.push_back(frameOf(full, Pack(counts_)));
    while (!stack.empty()) {
      Frame& f = stack.back();
      bool descended = false;
      while (f.next < f.candidates->size()) {
        const int i = (*f.candidates)[f.next];
        if (++steps > budget) return false;
        if ((steps & 0xFFF) == 0 && StopAsked(input)) return false;
        if (!FitsIn(packed[i], f.counts)) {
          ++f.next;
          continue;
        }
        const long long rest = f.state - patternIndex[i];
        if (slot[rest] == -1) {
          slot[rest] = -2;
          Packed less = f.counts;
          less.word[0] -= packed[i].word[0];
          less.word[1] -= packed[i].word[1];
          stack.push_back(frameOf(rest, less));  // f is not used again before it is fetched afresh
          descended = true;
          break;
        }
        const Value v = Plus(patterns_[i], value[slot[rest]]);
        if (f.pick < 0 || Better(v, f.best)) {
          f.best = v;
          f.pick = i;
        }
        ++f.next;
      }
      if (descended) continue;
      slot[f.state] = static_cast<int>(value.size());
      value.push_back(f.best);
      choice.push_back(f.pick);
      stack.pop_back();
    }
    for (long long state = full; state > 0;) {
      const int i = choice[slot[state]];
      chosen.push_back(i);
      state -= patternIndex[i];
    }
    return true;
  }

  // Past the budget: the pattern that buys the most length per cost, as often as it can be cut,
  // again and again; what is left after `budget` steps, one piece a board.
  void Greedy(const std::vector<double>& meanLength, long long budget, std::vector<int>& chosen) {
    std::vector<int> left = counts_;
    long long spent = 0;
    for (;;) {
      int pick = -1;
      double pickScore = 0, pickLength = 0;
      for (size_t i = 0; i < patterns_.size() && spent < budget; ++i, ++spent) {
        const BoardPattern& p = patterns_[i];
        double length = 0;
        bool fits = true;
        for (size_t t = 0; t < left.size() && fits; ++t) {
          fits = p.counts[t] <= left[t];
          length += p.counts[t] * meanLength[t];
        }
        if (!fits) continue;
        const double score = p.primary / length;
        if (pick < 0 || score < pickScore || (score == pickScore && length > pickLength)) {
          pick = static_cast<int>(i);
          pickScore = score;
          pickLength = length;
        }
      }
      if (pick < 0 || spent >= budget) break;
      int times = std::numeric_limits<int>::max();
      for (size_t t = 0; t < left.size(); ++t)
        if (patterns_[pick].counts[t] > 0)
          times = std::min(times, left[t] / patterns_[pick].counts[t]);
      for (int k = 0; k < times; ++k) chosen.push_back(pick);
      for (size_t t = 0; t < left.size(); ++t) left[t] -= times * patterns_[pick].counts[t];
    }
    for (size_t t = 0; t < left.size(); ++t) {
      const int single = Single(static_cast<int>(t));
      for (int k = 0; k < left[t]; ++k) chosen.push_back(single);
    }
  }

  // The pattern of one piece of this type (every type to plan has one).
  int Single(int type) const {
    for (size_t i = 0; i < patterns_.size(); ++i) {
      int pieces = 0;
      for (int c : patterns_[i].counts) pieces += c;
      if (pieces == 1 && patterns_[i].counts[type] == 1) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  const std::vector<int>& counts_;
  const std::vector<BoardPattern>& patterns_;
};

// A bound no plan can beat: the pieces cover at least their mean lengths of usable board, at
// the lowest price per usable foot; and each piece needs at least the cheapest board holding it.
double LowerBound(const PlanInput& input, const std::vector<int>& counts,
                  const std::vector<double>& meanLength, const Search& search,
                  const std::vector<BoardPattern>& patterns, bool priced) {
  double covered = 0;
  for (size_t t = 0; t < counts.size(); ++t) covered += counts[t] * meanLength[t];
  if (covered == 0) return 0;
  double single = 0;
  for (size_t t = 0; t < counts.size(); ++t)
    if (counts[t] > 0)
      single = std::max(single, patterns[search.Single(static_cast<int>(t))].primary);
  double rate = std::numeric_limits<double>::infinity();
  for (const PlanStock& s : input.stock) {
    const double usable = s.length - 2 * input.trim;
    if (usable > 0) rate = std::min(rate, (priced ? *s.price : 1.0) / usable);
  }
  const double area = covered * rate;
  return std::max(single, priced ? area : std::ceil(area - 1e-9));
}

// Stock lengths equal to within kSameLength cut the same boards, so only one of them is searched:
// the cheapest (the first of equals), as the search itself would choose. `original` maps each
// row kept back to its row in `input`.
PlanInput MergeEqualLengths(const PlanInput& input, std::vector<int>& original) {
  bool priced = !input.stock.empty();
  for (const PlanStock& s : input.stock) priced = priced && s.price.has_value();
  PlanInput merged = input;
  merged.stock.clear();
  original.clear();
  for (size_t k = 0; k < input.stock.size(); ++k) {
    const PlanStock& s = input.stock[k];
    bool same = false;
    for (size_t j = 0; j < merged.stock.size() && !same; ++j) {
      if (std::fabs(merged.stock[j].length - s.length) >= kSameLength) continue;
      same = true;
      if (priced && CostsLess(*s.price, *merged.stock[j].price)) {
        merged.stock[j] = s;
        original[j] = static_cast<int>(k);
      }
    }
    if (!same) {
      merged.stock.push_back(s);
      original.push_back(static_cast<int>(k));
    }
  }
  return merged;
}

LumberPlan PlanDistinctLengths(const PlanInput& input, long long stepBudget) {
  LumberPlan plan;
  const size_t m = input.types.size();
  plan.missing.assign(m, 0);
  plan.priced = !input.stock.empty();
  double longest = 0;
  for (const PlanStock& s : input.stock) {
    plan.priced = plan.priced && s.price.has_value();
    longest = std::max(longest, s.length);
  }
  std::vector<int> counts(m);
  std::vector<double> meanLength(m);
  for (size_t t = 0; t < m; ++t) {
    const LaidPiece& drawn = input.types[t].ways.front();
    meanLength[t] = drawn.meanLength;
    counts[t] = input.types[t].count;
    const bool fits =
        !input.stock.empty() && input.trim + drawn.extent - (longest - input.trim) < kSameLength;
    if (!fits) {
      plan.missing[t] = counts[t];
      counts[t] = 0;
    }
  }

  PatternFinder finder(input, counts, plan.priced);
  const bool allPatterns = finder.Run(plan.steps, stepBudget);
  if (allPatterns && input.shorteningReach > 0)
    plan.shorteningsThatMatter = finder.ShorteningsThatMatter(input.shorteningReach);
  const std::vector<BoardPattern>& patterns = finder.Patterns();
  Search search(counts, patterns);
  std::vector<int> chosen;
  plan.proven = allPatterns && search.Exact(plan.steps, stepBudget, input, chosen);
  if (StopAsked(input)) {
    plan.proven = false;
    return plan;
  }
  if (!plan.proven) {
    chosen.clear();
    search.Greedy(meanLength, stepBudget, chosen);
  }

  double primary = 0;
  for (int i : chosen) {
    const BoardPattern& p = patterns[i];
    PlanBoard board;
    board.stock = p.stock;
    board.pieces = finder.Arrangement(p);
    board.offcut = p.offcut;
    plan.boards.push_back(std::move(board));
    primary += p.primary;
    if (plan.priced) plan.cost += *input.stock[p.stock].price;
  }
  plan.lowerBound = plan.proven
                        ? (plan.priced ? plan.cost : primary)
                        : LowerBound(input, counts, meanLength, search, patterns, plan.priced);
  return plan;
}

}  // namespace

LumberPlan PlanLumber(const PlanInput& input, long long stepBudget) {
  std::vector<int> original;
  const PlanInput merged = MergeEqualLengths(input, original);
  LumberPlan plan = PlanDistinctLengths(merged, stepBudget);
  for (PlanBoard& board : plan.boards) board.stock = original[board.stock];
  return plan;
}

}  // namespace varnloft
