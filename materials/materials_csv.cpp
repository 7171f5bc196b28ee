#include "materials/materials_csv.h"

#include <algorithm>

#include "materials/csv_text.h"
#include "materials/material_texts.h"
#include "platform/json_value.h"

namespace varnloft {

namespace {

std::string Number(double v) {
  const std::string text = JsonNumber(v);
  return text == "null" ? "" : text;
}

std::string Optional(const std::optional<double>& v) {
  return v ? Number(*v) : "";
}

// One row, filled by column name.
class Row {
 public:
  explicit Row(const char* section) : cells_(MaterialsCsvColumns().size()) { cells_[0] = section; }
  Row& Set(const std::string& column, const std::string& cell) {
    const auto& columns = MaterialsCsvColumns();
    cells_[std::find(columns.begin(), columns.end(), column) - columns.begin()] = cell;
    return *this;
  }
  Row& Text(const std::string& column, const std::string& text) {
    return Set(column, CsvTextField(text));
  }
  std::string Line() const { return CsvLine(cells_); }

 private:
  std::vector<std::string> cells_;
};

}  // namespace

const std::vector<std::string>& MaterialsCsvColumns() {
  static const std::vector<std::string> columns = {
      "section", "board", "lumber", "name",  "count", "length", "position", "turned",
      "offcut",  "pack",  "packs",  "price", "cost",  "saving", "value",    "text"};
  return columns;
}

std::string MaterialsCsv(const Materials& m) {
  std::string out = CsvLine(MaterialsCsvColumns());
  if (!m.problem.empty()) return out + Row("problem").Text("text", m.problem).Line();

  auto setting = [&](const char* name, const std::string& value, const std::string& text = "") {
    out += Row("setting").Set("name", name).Set("value", value).Text("text", text).Line();
  };
  setting("optimal", m.optimal ? "true" : "false");
  setting("lower_bound_cost", Number(m.lowerBoundCost));
  setting("currency", "", m.currency);
  setting("kerf", Number(m.kerf));
  setting("trim", Number(m.trim));
  setting("full_size", "true");

  for (const StockLength& s : m.stock) {
    out += Row("stock")
               .Text("lumber", s.lumber)
               .Set("length", Number(s.length))
               .Set("price", Optional(s.price))
               .Line();
  }
  for (const BoardsToBuy& buy : ShoppingList(m)) {
    out += Row("buy")
               .Text("lumber", buy.lumber)
               .Set("length", Number(buy.length))
               .Set("count", Number(buy.count))
               .Set("price", Optional(buy.price))
               .Set("cost", Optional(buy.cost))
               .Text("text", MaterialLengthText(buy.length, m.imperial))
               .Line();
  }
  for (const Piece& p : m.pieces) {
    out += Row("piece")
               .Text("lumber", p.lumber.name)
               .Text("name", p.member)
               .Set("count", Number(p.count))
               .Set("length", Number(p.length))
               .Text("text", MaterialLengthText(p.length, m.imperial))
               .Line();
  }
  for (size_t i = 0; i < m.boards.size(); ++i) {
    const MaterialBoard& b = m.boards[i];
    const std::string board = std::to_string(i + 1);
    out += Row("board")
               .Set("board", board)
               .Text("lumber", b.lumber)
               .Set("length", Number(b.length))
               .Set("offcut", Number(b.offcut))
               .Set("price", Optional(b.price))
               .Text("text", MaterialLengthText(b.length, m.imperial))
               .Line();
    for (const MaterialCut& c : b.cuts) {
      const Piece& p = m.pieces[c.piece];
      double left = c.outline.empty() ? 0 : c.outline[0].x;
      for (const FlatPoint& q : c.outline) left = std::min(left, q.x);
      out += Row("cut")
                 .Set("board", board)
                 .Text("lumber", b.lumber)
                 .Text("name", p.member)
                 .Set("length", Number(p.length))
                 .Set("position", Number(left))
                 .Set("turned", c.turned ? "true" : "false")
                 .Text("text", MaterialLengthText(p.length, m.imperial))
                 .Line();
    }
  }
  for (const HardwareLine& h : m.hardware) {
    out += Row("hardware")
               .Text("name", h.item)
               .Set("count", Number(h.count))
               .Set("pack", Number(h.pack))
               .Set("packs", Number(h.packs))
               .Set("price", Optional(h.price))
               .Set("cost", Optional(h.cost))
               .Text("text", h.rule)
               .Line();
  }
  for (const MissingPiece& p : m.missing) {
    out += Row("missing")
               .Text("name", p.member)
               .Set("count", Number(p.count))
               .Set("length", Number(p.length))
               .Text("text", p.text)
               .Line();
  }
  for (const NearMiss& n : m.nearMisses) {
    out += Row("near_miss")
               .Text("name", n.member)
               .Set("length", Number(n.newLength))
               .Set("value", Number(n.shortenBy))
               .Set("saving", Optional(n.saving))
               .Text("text", n.text)
               .Line();
  }
  const MaterialsTotals& t = m.totals;
  auto total = [&](const char* name, const std::string& value) {
    out += Row("total").Set("name", name).Set("value", value).Line();
  };
  total("boards", Number(t.boards));
  total("cost", Number(t.cost));
  total("board_feet", Optional(t.boardFeet));
  total("cubic_metres", Optional(t.cubicMetres));
  total("waste_percent", Number(t.wastePercent));
  total("cuts", Number(t.crossCuts + t.rips));
  return out;
}

}  // namespace varnloft
