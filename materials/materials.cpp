#include "materials/materials.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "materials/board_patterns.h"
#include "materials/cutting_plan.h"
#include "materials/material_texts.h"
#include "materials/piece_layout.h"

namespace varnloft {

namespace {

constexpr double kCubicMetresPerCubicFoot = 0.3048 * 0.3048 * 0.3048;

// The pieces of one lumber as the search sees them: identical outlines are one type.
struct LumberInput {
  std::string lumber;
  double thickness = 0;
  PlanInput input;
  std::vector<std::vector<int>> typePieces;  // per type, the pieces it stands for
  std::vector<StockLength> stock;
};

LumberInput InputFor(const std::string& lumber, const std::vector<Piece>& pieces,
                     const MaterialsSettings& settings, bool imperial) {
  LumberInput li;
  li.lumber = lumber;
  for (const Piece& p : pieces) {
    if (p.lumber.name != lumber) continue;
    li.thickness = p.thickness;
    li.input.boardWidth = std::max(li.input.boardWidth, p.boardWidth);
  }
  for (int i = 0; i < static_cast<int>(pieces.size()); ++i) {
    const Piece& p = pieces[i];
    if (p.lumber.name != lumber) continue;
    size_t type = 0;
    while (type < li.typePieces.size() && pieces[li.typePieces[type][0]].outline != p.outline)
      ++type;
    if (type == li.typePieces.size()) {
      li.typePieces.emplace_back();
      li.input.types.push_back({WaysToLay(p.outline, li.input.boardWidth), 0});
    }
    li.typePieces[type].push_back(i);
    li.input.types[type].count += p.count;
  }
  li.stock = StockOf(settings.table, lumber, imperial);
  // The design record keeps its lengths in single floats, so stock lengths are compared at that
  // precision too: 3 600 mm table tops (11.811023712 ft as a float, a little over 3.6 m) fit
  // 3.6 m stock.
  for (const StockLength& s : li.stock)
    li.input.stock.push_back({static_cast<float>(s.length), s.price});
  li.input.kerf = settings.kerf;
  li.input.trim = settings.trim;
  return li;
}

// The plan's measure for comparing plans of one lumber: the cost, or the number of boards.
double Measure(const LumberPlan& plan) {
  return plan.priced ? plan.cost : static_cast<double>(plan.boards.size());
}

int Missing(const LumberPlan& plan) {
  int n = 0;
  for (int m : plan.missing) n += m;
  return n;
}

bool Parallel(const EndLine& a, const EndLine& b, double shift) {
  return std::fabs(a.atLower - (b.atLower + shift)) < kSameLength &&
         std::fabs(a.atUpper - (b.atUpper + shift)) < kSameLength;
}

bool Square(const EndLine& e) {
  return e.atLower == e.atUpper;
}

// Cuts across one board: each piece's ends, one cut where two neighbours share it, none where a
// square end lies on the board's own end.
int CrossCuts(const PlanBoard& board, const LumberInput& li, double stockLength) {
  int cuts = 0;
  const LaidPiece* previous = nullptr;
  double previousAt = 0;
  for (const PlacedPiece& placed : board.pieces) {
    const LaidPiece& laid = li.input.types[placed.type].ways[placed.way];
    if (!previous) {
      cuts += Square(laid.left) && std::fabs(placed.position) < kSameLength ? 0 : 1;
    } else {
      // The gap of one cut runs from the previous right end to this left end, parallel to both.
      const double cut = CutAlongBoard(laid.left, li.input.boardWidth, li.input.kerf);
      cuts += Parallel(laid.left, previous->right, previousAt - placed.position + cut) ? 1 : 2;
    }
    previous = &laid;
    previousAt = placed.position;
  }
  if (previous && !(Square(previous->right) &&
                    std::fabs(previousAt + previous->extent - stockLength) < kSameLength))
    ++cuts;
  return cuts;
}

double Area(const std::vector<FlatPoint>& outline) {
  double twice = 0;
  for (size_t i = 0; i < outline.size(); ++i) {
    const FlatPoint& a = outline[i];
    const FlatPoint& b = outline[(i + 1) % outline.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2;
}

std::string MissingText(const Piece& p, int count, bool imperial) {
  return "No stock length holds the " + MaterialLengthText(p.length, imperial) + " " +
         MemberWords(p.member, count) + ": add a longer length or splice " +
         (count == 1 ? "it" : "them");
}

// The board orders of a plan: longest first, the plan's own order among equal lengths.
std::vector<size_t> LongestFirst(const LumberPlan& plan, const LumberInput& li) {
  std::vector<size_t> order(plan.boards.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return li.stock[plan.boards[a].stock].length > li.stock[plan.boards[b].stock].length;
  });
  return order;
}

void AddBoards(Materials& out, const LumberInput& li, const LumberPlan& plan) {
  // Copies of each type go to its pieces in order.
  std::vector<size_t> nextPiece(li.typePieces.size(), 0);
  std::vector<int> usedOfPiece(li.typePieces.size(), 0);
  auto takePiece = [&](int type) {
    const std::vector<int>& of = li.typePieces[type];
    while (nextPiece[type] + 1 < of.size() &&
           usedOfPiece[type] >= out.pieces[of[nextPiece[type]]].count) {
      ++nextPiece[type];
      usedOfPiece[type] = 0;
    }
    ++usedOfPiece[type];
    return of[nextPiece[type]];
  };
  for (size_t index : LongestFirst(plan, li)) {
    const PlanBoard& planned = plan.boards[index];
    const StockLength& stock = li.stock[planned.stock];
    MaterialBoard board;
    board.lumber = li.lumber;
    board.length = stock.length;
    board.width = li.input.boardWidth;
    board.thickness = li.thickness;
    board.price = stock.price;
    board.offcut = planned.offcut;
    board.crossCuts = CrossCuts(planned, li, stock.length);
    for (const PlacedPiece& placed : planned.pieces) {
      const LaidPiece& laid = li.input.types[placed.type].ways[placed.way];
      MaterialCut cut;
      cut.piece = takePiece(placed.type);
      cut.turned = laid.turn != Turn::AsDrawn;
      cut.outline = laid.outline;
      for (FlatPoint& p : cut.outline) p.x += placed.position;
      cut.ripped = out.pieces[cut.piece].width < li.input.boardWidth - kSameLength;
      board.cuts.push_back(std::move(cut));
    }
    out.boards.push_back(std::move(board));
  }
  // What no stock length holds, piece by piece.
  for (size_t type = 0; type < plan.missing.size(); ++type) {
    if (plan.missing[type] == 0) continue;
    for (int i : li.typePieces[type]) {
      const Piece& p = out.pieces[i];
      out.missing.push_back({p.member, static_cast<double>(p.count), p.length,
                             MissingText(p, p.count, out.imperial)});
    }
  }
}

// The same pieces with one member's rectangle cut shorter at its right end.
std::vector<Piece> Shortened(std::vector<Piece> pieces, size_t index, double by) {
  Piece& p = pieces[index];
  p.length -= by;
  p.outline[1].x -= by;
  p.outline[2].x -= by;
  return pieces;
}

// The steps in which table tops and seats are tried shorter: 1/16 in up to 1/4 in, or 1 mm up to
// 6 mm.
int NearMissSteps(bool imperial) {
  return imperial ? 4 : 6;
}
double NearMissStep(bool imperial) {
  return imperial ? 1.0 / 16 / kInchesPerFoot : 1 / kMillimetresPerFoot;
}

// Cutting the table tops or the seats shorter, a step at a time: every shortening that saves more
// than any smaller one. The plan is only made again where the shortening lets some multiset of
// pieces fit a stock length it did not fit before; elsewhere the cost stays as it was.
void FindNearMisses(Materials& out, const MaterialsSettings& settings, size_t index,
                    const LumberInput& li, const LumberPlan& plan, long long& budgetLeft) {
  if (StopAsked(li.input)) return;
  const Piece& p = out.pieces[index];
  size_t type = 0;
  while (type < li.typePieces.size() &&
         std::find(li.typePieces[type].begin(), li.typePieces[type].end(),
                   static_cast<int>(index)) == li.typePieces[type].end())
    ++type;
  if (type >= plan.shorteningsThatMatter.size()) return;
  const std::vector<double>& matter = plan.shorteningsThatMatter[type];
  const bool imperial = out.imperial;
  const double step = NearMissStep(imperial), before = Measure(plan);
  double bestGain = 0;
  constexpr double kMargin = 1e-12;
  for (int k = 1; k <= NearMissSteps(imperial); ++k) {
    const double by = k * step;
    if (!(p.length - by > 0)) break;
    const auto changes = std::lower_bound(matter.begin(), matter.end(), (k - 1) * step - kMargin);
    if (changes == matter.end() || *changes >= by + kMargin) continue;  // fits as before
    LumberInput shorter =
        InputFor(p.lumber.name, Shortened(out.pieces, index, by), settings, imperial);
    shorter.input.stop = li.input.stop;
    // The near misses of the whole design share one budget: once it is spent, no more are
    // looked for, so their plans add a bounded time whatever the design and stock.
    if (budgetLeft <= 0) return;
    const LumberPlan replanned = PlanLumber(shorter.input, std::min(kPlanStepBudget, budgetLeft));
    if (StopAsked(li.input)) return;
    out.steps += replanned.steps;
    budgetLeft -= replanned.steps;
    if (!replanned.proven || Missing(replanned) > Missing(plan)) continue;
    const double gain = before - Measure(replanned);
    const size_t boards = replanned.boards.size();
    if (!(gain > 0 && CostsLess(bestGain, gain))) continue;
    bestGain = gain;
    NearMiss miss;
    miss.member = p.member;
    miss.shortenBy = by;
    miss.newLength = p.length - by;
    const std::string count = std::to_string(boards) + " boards of " + p.lumber.name +
                              " instead of " + std::to_string(plan.boards.size());
    std::string saves = count;
    if (plan.priced) {
      miss.saving = gain;
      saves = MoneyText(out.currency, gain) + " (" + count + ")";
    }
    miss.text = "Cutting the " + MaterialLengthText(p.length, imperial) + " " +
                MemberWords(p.member, p.count) + " " + MaterialLengthText(by, imperial) +
                " shorter, to " + MaterialLengthText(miss.newLength, imperial) + ", saves " +
                saves + ".";
    out.nearMisses.push_back(std::move(miss));
  }
}

void AddStockInForce(Materials& out, const std::vector<std::string>& lumbers,
                     const MaterialsSettings& settings) {
  std::set<std::string> listed;
  for (const std::string& lumber : lumbers) {
    for (const StockLength& s : StockOf(settings.table, lumber, out.imperial))
      out.stock.push_back(s);
    listed.insert(lumber);
  }
  for (const StockLength& s : settings.table.stock)
    if (!listed.count(s.lumber)) out.stock.push_back(s);
}

void AddTotals(Materials& out) {
  MaterialsTotals& t = out.totals;
  double bought = 0, used = 0, boardFeet = 0;
  for (const MaterialBoard& b : out.boards) {
    ++t.boards;
    if (b.price) t.cost += *b.price;
    bought += b.length * b.width * b.thickness;
    t.crossCuts += b.crossCuts;
    for (const MaterialCut& c : b.cuts) {
      const Piece& p = out.pieces[c.piece];
      used += Area(p.outline) * p.thickness;
      if (c.ripped) ++t.rips;
    }
    if (!b.cuts.empty())
      boardFeet += BoardFeet(out.pieces[b.cuts[0].piece].lumber, b.thickness, b.width, b.length);
  }
  for (const HardwareLine& h : out.hardware)
    if (h.cost) t.cost += *h.cost;
  if (out.imperial) {
    t.boardFeet = boardFeet;
  } else {
    t.cubicMetres = bought * kCubicMetresPerCubicFoot;
  }
  t.wastePercent = bought > 0 ? (bought - used) / bought * 100 : 0;
}

}  // namespace

Materials BuildMaterialsAfresh(const DesignRecord& rec, const MaterialsSettings& settings,
                               const std::atomic<bool>* stop) {
  Materials out;
  out.imperial = rec.ImperialUnits;
  out.modelScale = rec.ModelScale;
  out.currency = settings.table.currency;
  out.kerf = settings.kerf;
  out.trim = settings.trim;
  if (rec.LastCalculationFailed) {
    // The same words as the plans' refusal: the user fixes both the same way.
    out.problem =
        "The materials cannot be listed: the last design calculation stopped on an error, so the "
        "design is incomplete. Correct the entry and press Design first.";
    return out;
  }
  if (std::string problem = SettingsProblem(settings, out.imperial); !problem.empty()) {
    out.problem = problem;
    return out;
  }

  PieceList list = ListPieces(rec);
  out.pieces = std::move(list.pieces);
  for (const PieceProblem& p : list.problems)
    out.missing.push_back({p.member, p.count, p.length, p.text});

  std::vector<std::string> lumbers;
  for (const Piece& p : out.pieces)
    if (std::find(lumbers.begin(), lumbers.end(), p.lumber.name) == lumbers.end())
      lumbers.push_back(p.lumber.name);
  AddStockInForce(out, lumbers, settings);

  out.optimal = true;
  long long nearMissBudget = kNearMissStepBudget;
  for (const std::string& lumber : lumbers) {
    if (stop && stop->load()) break;
    LumberInput li = InputFor(lumber, out.pieces, settings, out.imperial);
    li.input.shorteningReach = NearMissSteps(out.imperial) * NearMissStep(out.imperial);
    li.input.stop = stop;
    const LumberPlan plan = PlanLumber(li.input);
    out.steps += plan.steps;
    out.optimal = out.optimal && plan.proven;
    if (plan.priced) out.lowerBoundCost += plan.lowerBound;
    AddBoards(out, li, plan);
    if (!plan.proven) continue;
    for (size_t i = 0; i < out.pieces.size(); ++i) {
      const Piece& p = out.pieces[i];
      if (p.lumber.name != lumber || (p.kind != MemberKind::TableTop && p.kind != MemberKind::Seat))
        continue;
      bool missing = false;
      for (const MissingPiece& m : out.missing) missing = missing || m.member == p.member;
      if (!missing) FindNearMisses(out, settings, i, li, plan, nearMissBudget);
    }
  }
  if (stop && stop->load()) {
    Materials stopped;
    stopped.stopped = true;
    stopped.problem = "The list was stopped for a newer design.";
    stopped.steps = out.steps;
    return stopped;
  }
  out.hardware = HardwareOf(out.pieces, rec.LumberThickness, settings, out.imperial);
  AddTotals(out);
  return out;
}

std::vector<BoardsToBuy> ShoppingList(const Materials& materials) {
  std::vector<BoardsToBuy> list;
  for (const MaterialBoard& b : materials.boards) {
    if (list.empty() || list.back().lumber != b.lumber || list.back().length != b.length)
      list.push_back({b.lumber, b.length, 0, b.price, std::nullopt});
    ++list.back().count;
    if (b.price) list.back().cost = list.back().count * *b.price;
  }
  return list;
}

}  // namespace varnloft
