#include "materials/materials_csv.h"

#include <algorithm>

#include "materials/csv_text.h"
#include "materials/material_texts.h"
#include "platform/json_value.h"

namespace varnloft {

namespace {

std::string CsvNumber(double v) {
  const std::string text = JsonNumber(v);
  return text == "null" ? "" : text;
}

std::string CsvOptional(const std::optional<double>& v) {
  return v ? CsvNumber(*v) : "";
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
  setting("lower_bound_cost", CsvNumber(m.lowerBoundCost));
  setting("currency", "", m.currency);
  setting("kerf", CsvNumber(m.kerf));
  setting("trim", CsvNumber(m.trim));
  setting("full_size", "true");

  for (const StockLength& s : m.stock) {
    out += Row("stock")
               .Text("lumber", s.lumber)
               .Set("length", CsvNumber(s.length))
               .Set("price", CsvOptional(s.price))
               .Line();
  }
  for (const BoardsToBuy& buy : ShoppingList(m)) {
    out += Row("buy")
               .Text("lumber", buy.lumber)
               .Set("length", CsvNumber(buy.length))
               .Set("count", CsvNumber(buy.count))
               .Set("price", CsvOptional(buy.price))
               .Set("cost", CsvOptional(buy.cost))
               .Text("text", MaterialLengthText(buy.length, m.imperial))
               .Line();
  }
  for (const Piece& p : m.pieces) {
    out += Row("piece")
               .Text("lumber", p.lumber.name)
               .Text("name", p.member)
               .Set("count", CsvNumber(p.count))
               .Set("length", CsvNumber(p.length))
               .Text("text", MaterialLengthText(p.length, m.imperial))
               .Line();
  }
  for (size_t i = 0; i < m.boards.size(); ++i) {
    const MaterialBoard& b = m.boards[i];
    const std::string board = std::to_string(i + 1);
    out += Row("board")
               .Set("board", board)
               .Text("lumber", b.lumber)
               .Set("length", CsvNumber(b.length))
               .Set("offcut", CsvNumber(b.offcut))
               .Set("price", CsvOptional(b.price))
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
                 .Set("length", CsvNumber(p.length))
                 .Set("position", CsvNumber(left))
                 .Set("turned", c.turned ? "true" : "false")
                 .Text("text", MaterialLengthText(p.length, m.imperial))
                 .Line();
    }
  }
  for (const HardwareLine& h : m.hardware) {
    out += Row("hardware")
               .Text("name", h.item)
               .Set("count", CsvNumber(h.count))
               .Set("pack", CsvNumber(h.pack))
               .Set("packs", CsvNumber(h.packs))
               .Set("price", CsvOptional(h.price))
               .Set("cost", CsvOptional(h.cost))
               .Text("text", h.rule)
               .Line();
  }
  for (const MissingPiece& p : m.missing) {
    out += Row("missing")
               .Text("name", p.member)
               .Set("count", CsvNumber(p.count))
               .Set("length", CsvNumber(p.length))
               .Text("text", p.text)
               .Line();
  }
  for (const NearMiss& n : m.nearMisses) {
    out += Row("near_miss")
               .Text("name", n.member)
               .Set("length", CsvNumber(n.newLength))
               .Set("value", CsvNumber(n.shortenBy))
               .Set("saving", CsvOptional(n.saving))
               .Text("text", n.text)
               .Line();
  }
  const MaterialsTotals& t = m.totals;
  auto total = [&](const char* name, const std::string& value) {
    out += Row("total").Set("name", name).Set("value", value).Line();
  };
  total("boards", CsvNumber(t.boards));
  total("cost", CsvNumber(t.cost));
  total("board_feet", CsvOptional(t.boardFeet));
  total("cubic_metres", CsvOptional(t.cubicMetres));
  total("waste_percent", CsvNumber(t.wastePercent));
  total("cuts", CsvNumber(t.crossCuts + t.rips));
  return out;
}

}  // namespace varnloft
