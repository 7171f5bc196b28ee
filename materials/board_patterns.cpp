#include "materials/board_patterns.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace varnloft {

namespace {

constexpr double kNone = std::numeric_limits<double>::infinity();

std::string Key(const std::vector<int>& counts) {
  return std::string(reinterpret_cast<const char*>(counts.data()), counts.size() * sizeof(int));
}

}  // namespace

PatternFinder::PatternFinder(const PlanInput& input, const std::vector<int>& counts, bool priced)
    : input_(input), counts_(counts), priced_(priced) {
  std::vector<const LaidPiece*> laid;
  for (int t = 0; t < static_cast<int>(input.types.size()); ++t) {
    const std::vector<LaidPiece>& ways = input.types[t].ways;
    for (int w = 0; w < static_cast<int>(ways.size()); ++w) {
      ways_.push_back(
          {t, w, ways[w].extent, CutAlongBoard(ways[w].right, input.boardWidth, input.kerf)});
      laid.push_back(&ways[w]);
    }
  }
  next_.assign(ways_.size(), std::vector<double>(ways_.size()));
  for (size_t a = 0; a < ways_.size(); ++a)
    for (size_t b = 0; b < ways_.size(); ++b)
      next_[a][b] = NextStart(*laid[a], *laid[b], input.boardWidth, input.kerf);
  for (const PlanStock& s : input.stock) longest_ = std::max(longest_, s.length);
}

int PatternFinder::NodeOf(const std::vector<int>& counts) {
  const auto [it, added] = index_.try_emplace(Key(counts), static_cast<int>(nodes_.size()));
  if (added) {
    Node node;
    node.counts = counts;
    node.start.assign(ways_.size(), kNone);
    node.previous.assign(ways_.size(), -1);
    nodes_.push_back(std::move(node));
  }
  return it->second;
}

void PatternFinder::Grow(int node, long long& steps) {
  const bool first = node == 0;
  for (int t = 0; t < static_cast<int>(counts_.size()); ++t) {
    if (nodes_[node].counts[t] >= counts_[t]) continue;
    std::vector<int> grown = nodes_[node].counts;
    ++grown[t];
    const int child = NodeOf(grown);  // may move the nodes: index them afresh below
    for (size_t b = 0; b < ways_.size(); ++b) {
      if (ways_[b].type != t) continue;
      double best = first ? 0 : kNone;
      int previous = -1;
      if (!first) {
        const std::vector<double>& start = nodes_[node].start;
        for (size_t a = 0; a < ways_.size(); ++a) {
          if (start[a] == kNone) continue;
          ++steps;
          const double s = start[a] + next_[a][b];
          if (s < best) {
            best = s;
            previous = static_cast<int>(a);
          }
        }
      }
      Node& c = nodes_[child];
      if (best < c.start[b]) {
        c.start[b] = best;
        c.previous[b] = previous;
      }
    }
  }
}

bool PatternFinder::Evaluate(int node, long long& steps) {
  const Node& n = nodes_[node];
  steps += static_cast<long long>(ways_.size()) * static_cast<long long>(input_.stock.size());
  const double trim = input_.trim;
  bool found = false;
  BoardPattern best;
  for (size_t b = 0; b < ways_.size(); ++b) {
    if (n.start[b] == kNone) continue;
    const double used = n.start[b] + ways_[b].extent;
    for (int k = 0; k < static_cast<int>(input_.stock.size()); ++k) {
      const PlanStock& stock = input_.stock[k];
      if (!(trim + used - (stock.length - trim) < kSameLength)) continue;
      BoardPattern p;
      p.primary = priced_ ? *stock.price : 1;
      p.secondary = priced_ ? 1 : stock.length;
      p.offcut = std::max(0.0, stock.length - trim - used - ways_[b].endCut);
      if (found && !(CostsLess(p.primary, best.primary) ||
                     (!CostsLess(best.primary, p.primary) &&
                      (CostsLess(p.secondary, best.secondary) ||
                       (!CostsLess(best.secondary, p.secondary) && p.offcut > best.offcut)))))
        continue;
      p.node = node;
      p.last = static_cast<int>(b);
      p.stock = k;
      best = p;
      found = true;
    }
  }
  if (found) {
    best.counts = n.counts;
    patterns_.push_back(std::move(best));
  }
  return found;
}

bool PatternFinder::Run(long long& steps, long long budget) {
  if (nodes_.empty()) {
    level_ = {NodeOf(std::vector<int>(counts_.size(), 0))};
  }
  bool firstLevel = level_.size() == 1 && level_[0] == 0;
  while (!level_.empty()) {
    const size_t before = nodes_.size();
    for (int node : level_) {
      Grow(node, steps);
      if (!firstLevel && (steps > budget || nodes_.size() > kMaxPatternNodes || StopAsked(input_)))
        return false;
    }
    const bool singles = firstLevel;  // the single pieces are all evaluated, whatever the budget
    firstLevel = false;
    std::vector<int> grown;
    for (size_t node = before; node < nodes_.size(); ++node) {
      if (Evaluate(static_cast<int>(node), steps)) grown.push_back(static_cast<int>(node));
      // Past the budget the patterns found so far are kept; the rest of the level is not.
      if (!singles && (steps > budget || StopAsked(input_))) {
        evaluated_ = node + 1;
        return false;
      }
    }
    evaluated_ = nodes_.size();
    level_ = std::move(grown);
  }
  return true;
}

std::vector<std::vector<double>> PatternFinder::ShorteningsThatMatter(double reach) const {
  // Cutting pieces shorter by `by` at a square end shortens every arrangement by `by` for each
  // shortened piece in it. A multiset that does not fit a stock length now and
  // fits it after has a least such multiset, whose smaller multisets all fit: one met here.
  std::vector<std::vector<double>> lengths(counts_.size());
  for (size_t node = 1; node < evaluated_; ++node) {
    const Node& n = nodes_[node];
    double used = kNone;
    for (size_t b = 0; b < ways_.size(); ++b) used = std::min(used, n.start[b] + ways_[b].extent);
    if (used == kNone) continue;
    for (const PlanStock& stock : input_.stock) {
      const double over = 2 * input_.trim + used - stock.length;
      if (over < kSameLength) continue;
      // A type may stand for several members' pieces, of which only one is shortened: any
      // number of the multiset's pieces of the type may be the shortened ones.
      for (size_t t = 0; t < counts_.size(); ++t) {
        for (int shortened = 1; shortened <= n.counts[t]; ++shortened) {
          const double by = (over - kSameLength) / shortened;
          if (by <= reach) lengths[t].push_back(by);
        }
      }
    }
  }
  for (std::vector<double>& l : lengths) {
    std::sort(l.begin(), l.end());
    l.erase(std::unique(l.begin(), l.end()), l.end());
  }
  return lengths;
}

std::vector<PlacedPiece> PatternFinder::Arrangement(const BoardPattern& pattern) const {
  std::vector<int> order;
  int node = pattern.node;
  for (int way = pattern.last; way >= 0;) {
    order.push_back(way);
    const int previous = nodes_[node].previous[way];
    std::vector<int> rest = nodes_[node].counts;
    --rest[ways_[way].type];
    if (previous >= 0) node = index_.at(Key(rest));
    way = previous;
  }
  std::reverse(order.begin(), order.end());
  std::vector<PlacedPiece> pieces;
  double position = input_.trim;
  for (size_t i = 0; i < order.size(); ++i) {
    if (i > 0) position += next_[order[i - 1]][order[i]];
    pieces.push_back({ways_[order[i]].type, ways_[order[i]].way, position});
  }
  return pieces;
}

}  // namespace varnloft
