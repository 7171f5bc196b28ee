#include "materials/materials_json.h"

#include "platform/json_text.h"
#include "platform/json_value.h"

namespace varnloft {

namespace {

std::string Number(double v) {
  return JsonNumber(v);
}

std::string Optional(const std::optional<double>& v) {
  return v ? JsonNumber(*v) : "null";
}

std::string Flag(bool b) {
  return b ? "true" : "false";
}

std::string Outline(const std::vector<FlatPoint>& outline) {
  std::string out = "[";
  for (size_t i = 0; i < outline.size(); ++i)
    out += (i ? ", [" : "[") + Number(outline[i].x) + ", " + Number(outline[i].y) + "]";
  return out + "]";
}

// `"key": [` then one object per line, then `]`.
std::string List(const char* key, const std::vector<std::string>& objects) {
  std::string out = std::string("  ") + JsonQuote(key) + ": [";
  for (size_t i = 0; i < objects.size(); ++i) out += (i ? ",\n    " : "\n    ") + objects[i];
  return out + "]";
}

std::string Member(const char* key, const std::string& raw) {
  return JsonQuote(key) + ": " + raw;
}

}  // namespace

std::string MaterialsJson(const Materials& m) {
  if (!m.problem.empty())
    return "{\"materials\": {" + Member("problem", JsonQuote(m.problem)) + "}}\n";

  std::vector<std::string> stock, pieces, boards, hardware, missing, nearMisses;
  for (const StockLength& s : m.stock) {
    stock.push_back("{" + Member("lumber", JsonQuote(s.lumber)) + ", " +
                    Member("length", Number(s.length)) + ", " + Member("price", Optional(s.price)) +
                    "}");
  }
  for (const Piece& p : m.pieces) {
    pieces.push_back(
        "{" + Member("member", JsonQuote(p.member)) + ", " + Member("count", Number(p.count)) +
        ", " + Member("lumber", JsonQuote(p.lumber.name)) + ", " +
        Member("thickness", Number(p.thickness)) + ", " + Member("width", Number(p.width)) + ", " +
        Member("length", Number(p.length)) + ", " + Member("outline", Outline(p.outline)) + "}");
  }
  for (const MaterialBoard& b : m.boards) {
    std::string cuts;
    for (size_t i = 0; i < b.cuts.size(); ++i) {
      const MaterialCut& c = b.cuts[i];
      cuts += std::string(i ? ",\n      " : "\n      ") + "{" +
              Member("member", JsonQuote(m.pieces[c.piece].member)) + ", " +
              Member("piece", Number(c.piece)) + ", " + Member("turned", Flag(c.turned)) + ", " +
              Member("outline", Outline(c.outline)) + "}";
    }
    boards.push_back(
        "{" + Member("lumber", JsonQuote(b.lumber)) + ", " + Member("length", Number(b.length)) +
        ", " + Member("width", Number(b.width)) + ", " + Member("thickness", Number(b.thickness)) +
        ", " + Member("price", Optional(b.price)) + ",\n     " + Member("cuts", "[" + cuts + "]") +
        ", " + Member("offcut", Number(b.offcut)) + "}");
  }
  for (const HardwareLine& h : m.hardware) {
    hardware.push_back(
        "{" + Member("item", JsonQuote(h.item)) + ", " + Member("count", Number(h.count)) + ", " +
        Member("pack", Number(h.pack)) + ", " + Member("packs", Number(h.packs)) + ", " +
        Member("price", Optional(h.price)) + ", " + Member("rule", JsonQuote(h.rule)) + "}");
  }
  for (const MissingPiece& p : m.missing) {
    missing.push_back("{" + Member("member", JsonQuote(p.member)) + ", " +
                      Member("count", Number(p.count)) + ", " + Member("length", Number(p.length)) +
                      ", " + Member("text", JsonQuote(p.text)) + "}");
  }
  for (const NearMiss& n : m.nearMisses) {
    nearMisses.push_back("{" + Member("member", JsonQuote(n.member)) + ", " +
                         Member("shorten_by", Number(n.shortenBy)) + ", " +
                         Member("new_length", Number(n.newLength)) + ", " +
                         Member("saving", Optional(n.saving)) + ", " +
                         Member("text", JsonQuote(n.text)) + "}");
  }
  const MaterialsTotals& t = m.totals;
  const std::string totals = "{" + Member("boards", Number(t.boards)) + ", " +
                             Member("cost", Number(t.cost)) + ", " +
                             Member("board_feet", Optional(t.boardFeet)) + ", " +
                             Member("cubic_metres", Optional(t.cubicMetres)) + ", " +
                             Member("waste_percent", Number(t.wastePercent)) + ", " +
                             Member("cuts", Number(t.crossCuts + t.rips)) + "}";

  std::string out = "{\"materials\": {\n";
  out += "  " + Member("optimal", Flag(m.optimal)) + ", " +
         Member("lower_bound_cost", Number(m.lowerBoundCost)) + ",\n";
  out += "  " + Member("currency", JsonQuote(m.currency)) + ", " + Member("kerf", Number(m.kerf)) +
         ", " + Member("trim", Number(m.trim)) + ", " + Member("full_size", "true") + ",\n";
  out += List("stock", stock) + ",\n";
  out += List("pieces", pieces) + ",\n";
  out += List("boards", boards) + ",\n";
  out += List("hardware", hardware) + ",\n";
  out += List("missing", missing) + ",\n";
  out += List("near_misses", nearMisses) + ",\n";
  out += "  " + Member("totals", totals) + "\n";
  return out + "}}\n";
}

}  // namespace varnloft
