#include "materials/materials_lists.h"

#include <cmath>

#include "materials/example_prices.h"
#include "materials/material_texts.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

const char* const kDegree = "\xC2\xB0";      // "°"
const char* const kEnDash = "\xE2\x80\x93";  // "–"

struct PriceUse {
  bool example = false, unpriced = false;
};

std::string PriceText(const std::string& currency, const std::optional<double>& price,
                      bool example) {
  if (!price) return "no price";
  return MoneyText(currency, *price) + (example ? " (example)" : "");
}

std::string CostText(const std::string& currency, const std::optional<double>& cost) {
  return cost ? MoneyText(currency, *cost) : "no price";
}

double AngleOffSquare(const FlatPoint& lower, const FlatPoint& upper) {
  const double across = upper.y - lower.y;
  if (!(across > 0)) return 0;
  return std::atan(std::fabs(upper.x - lower.x) / across) * 180 / std::acos(-1.0);
}

std::string AngleText(double degrees) {
  return degrees < 0.05 ? "square" : FixedText(degrees, 1, 15) + kDegree;
}

std::string SectionText(const Piece& p, bool imperial) {
  if (!imperial)
    return PlainDecimal(std::round(p.thickness * kMillimetresPerFoot)) + kTimes +
           PlainDecimal(std::round(p.width * kMillimetresPerFoot)) + " mm";
  return InchesText(p.thickness * kInchesPerFoot) + kTimes + InchesText(p.width * kInchesPerFoot) +
         " in";
}

TextTable Shopping(const Materials& m, PriceUse& use) {
  TextTable t{"Shopping list: lumber", {"Lumber", "Length", "Boards", "Price each", "Cost"}, {}};
  for (const BoardsToBuy& line : ShoppingList(m)) {
    const bool example = IsExamplePrice(line.lumber, line.length, line.price, m.imperial);
    use.example = use.example || example;
    use.unpriced = use.unpriced || !line.price;
    t.rows.push_back({line.lumber, MaterialLengthText(line.length, m.imperial),
                      std::to_string(line.count), PriceText(m.currency, line.price, example),
                      CostText(m.currency, line.cost)});
  }
  return t;
}

std::string PacksText(const HardwareLine& h) {
  if (h.pack == 1) return std::to_string(h.packs) + " single";
  return std::to_string(h.packs) + (h.packs == 1 ? " pack of " : " packs of ") +
         std::to_string(h.pack);
}

TextTable Hardware(const Materials& m, PriceUse& use) {
  TextTable t{"Shopping list: hardware",
              {"Item", "Count", "Packs", "Price a pack", "Cost", "Why this many"},
              {}};
  for (const HardwareLine& h : m.hardware) {
    const bool example = IsExampleHardwarePrice(h.item, h.pack, h.price, m.imperial);
    use.example = use.example || example;
    use.unpriced = use.unpriced || !h.price;
    t.rows.push_back({h.item, std::to_string(h.count), PacksText(h),
                      PriceText(m.currency, h.price, example), CostText(m.currency, h.cost),
                      h.rule});
  }
  return t;
}

TextTable CutList(const Materials& m) {
  TextTable t{"Cut list", {"Member", "Count", "Lumber", "Section", "Length", "Ends", "Boards"}, {}};
  std::vector<std::vector<int>> boardsOf(m.pieces.size());
  for (size_t b = 0; b < m.boards.size(); ++b)
    for (const MaterialCut& c : m.boards[b].cuts) {
      std::vector<int>& of = boardsOf.at(c.piece);
      if (of.empty() || of.back() != static_cast<int>(b + 1)) of.push_back(static_cast<int>(b + 1));
    }
  for (size_t i = 0; i < m.pieces.size(); ++i) {
    const Piece& p = m.pieces[i];
    t.rows.push_back({p.member, std::to_string(p.count), p.lumber.name, SectionText(p, m.imperial),
                      MaterialLengthText(p.length, m.imperial), EndsText(p),
                      boardsOf[i].empty() ? "none" : NumbersText(boardsOf[i])});
  }
  return t;
}

TextTable Totals(const Materials& m, const PriceUse& use) {
  TextTable t{"Totals", {"Total", "Amount"}, {}};
  double lumber = 0, hardware = 0;
  for (const MaterialBoard& b : m.boards)
    if (b.price) lumber += *b.price;
  for (const HardwareLine& h : m.hardware)
    if (h.cost) hardware += *h.cost;
  const std::string unpriced = use.unpriced ? ", without the items of no price" : "";
  const std::string examples = use.example ? ", at example prices" : "";
  t.rows.push_back({"Boards", std::to_string(m.totals.boards)});
  t.rows.push_back({"Lumber", MoneyText(m.currency, lumber)});
  t.rows.push_back({"Hardware", MoneyText(m.currency, hardware)});
  t.rows.push_back({"Cost in all", MoneyText(m.currency, m.totals.cost) + unpriced + examples});
  if (m.totals.boardFeet) t.rows.push_back({"Board feet", FixedText(*m.totals.boardFeet, 1, 15)});
  if (m.totals.cubicMetres)
    t.rows.push_back({"Cubic metres", FixedText(*m.totals.cubicMetres, 3, 15)});
  t.rows.push_back({"Waste", FixedText(m.totals.wastePercent, 1, 15) + " %"});
  t.rows.push_back({"Saw cuts", std::to_string(m.totals.crossCuts) + " across, " +
                                    std::to_string(m.totals.rips) + " rips"});
  t.rows.push_back(
      {"Cutting plan", m.optimal ? "proven cheapest"
                                 : "the best found, not proven cheapest: no plan of the priced "
                                   "lumber costs less than " +
                                       MoneyText(m.currency, m.lowerBoundCost)});
  return t;
}

void AddTable(std::string& out, const TextTable& table) {
  auto line = [&out](const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) out += (i ? "\t" : "") + cells[i];
    out += "\n";
  };
  out += table.title + "\n";
  line(table.headings);
  for (const auto& row : table.rows) line(row);
  out += "\n";
}

}  // namespace

std::string EndsText(const Piece& p) {
  if (p.outline.size() != 4) return "";
  const double left = AngleOffSquare(p.outline[0], p.outline[3]);
  const double right = AngleOffSquare(p.outline[1], p.outline[2]);
  if (AngleText(left) == AngleText(right))
    return left < 0.05 ? "square" : AngleText(left) + " both";
  return AngleText(left) + " and " + AngleText(right);
}

std::string NumbersText(const std::vector<int>& numbers) {
  std::string out;
  for (size_t i = 0; i < numbers.size();) {
    size_t j = i;
    while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
    if (!out.empty()) out += ", ";
    out += std::to_string(numbers[i]);
    if (j > i) out += (j == i + 1 ? ", " : kEnDash) + std::to_string(numbers[j]);
    i = j + 1;
  }
  return out;
}

MaterialsLists ListsOf(const Materials& m) {
  MaterialsLists lists;
  if (!m.problem.empty()) {
    lists.problem = m.problem;
    return lists;
  }
  PriceUse use;
  lists.shopping = Shopping(m, use);
  lists.hardware = Hardware(m, use);
  lists.cutList = CutList(m);
  lists.totals = Totals(m, use);
  if (m.modelScale)
    lists.notes.emplace_back(
        "The list is for the full-size table: the design is shown at a model scale, but every "
        "piece is listed and cut full size.");
  if (use.example)
    lists.notes.emplace_back(
        "Prices marked \"example\" are examples, not a lumber yard's: put in your own under "
        "Settings.");
  if (use.unpriced)
    lists.notes.emplace_back(
        "\"No price\": the stock table has no price for it, so its boards are planned by the "
        "fewest bought and the cost leaves it out.");
  for (const NearMiss& n : m.nearMisses) lists.nearMisses.push_back(n.text);
  for (const MissingPiece& p : m.missing) lists.missing.push_back(p.text);
  return lists;
}

std::string ListsText(const MaterialsLists& lists) {
  if (!lists.problem.empty()) return lists.problem + "\n";
  std::string out;
  for (const std::string& note : lists.notes) out += note + "\n";
  if (!lists.notes.empty()) out += "\n";
  AddTable(out, lists.shopping);
  AddTable(out, lists.hardware);
  AddTable(out, lists.totals);
  AddTable(out, lists.cutList);
  auto sentences = [&out](const char* title, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    out += std::string(title) + "\n";
    for (const std::string& l : lines) out += l + "\n";
    out += "\n";
  };
  sentences("Near misses", lists.nearMisses);
  sentences("Not planned", lists.missing);
  out.pop_back();  // one line feed at the end
  return out;
}

}  // namespace varnloft
