// What the materials write: the JSON file read back and checked against its promises, the CSV
// read back with its quoting, and the cutting diagram's drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "materials/csv_text.h"
#include "materials/cutting_diagram.h"
#include "materials/materials_csv.h"
#include "materials/materials_json.h"
#include "platform/json_value.h"
#include "platform/recording_canvas.h"
#include "preset_designs.h"

namespace varnloft {
namespace {

using testing::PresetRecord;

std::vector<std::string> Keys(const JsonValue& object) {
  std::vector<std::string> keys;
  for (const JsonMember& m : object.Members()) keys.push_back(m.key);
  return keys;
}

TEST(MaterialsJson, KeepsEveryPromiseOfTheFileFormat) {
  const Materials m = BuildMaterials(PresetRecord(7, true), DefaultMaterialsSettings(true));
  const std::string text = MaterialsJson(m);
  const JsonParseResult parsed = ParseJson(text);
  ASSERT_TRUE(parsed.value) << parsed.error;
  const JsonValue& top = *parsed.value->Find("materials");
  EXPECT_EQ(Keys(top), (std::vector<std::string>{"optimal", "lower_bound_cost", "currency", "kerf",
                                                 "trim", "full_size", "stock", "pieces", "boards",
                                                 "hardware", "missing", "near_misses", "totals"}));
  EXPECT_NE(text.find("\"kerf\": 0.010416666666666666,"), std::string::npos);
  EXPECT_TRUE(top.Find("full_size")->AsBool());

  const auto& pieces = top.Find("pieces")->Items();
  EXPECT_EQ(Keys(pieces.at(0)), (std::vector<std::string>{"member", "count", "lumber", "thickness",
                                                          "width", "length", "outline"}));
  std::vector<std::string> lumberOrder;
  for (const JsonValue& p : pieces) {
    const std::string lumber = p.Find("lumber")->AsString();
    if (std::find(lumberOrder.begin(), lumberOrder.end(), lumber) == lumberOrder.end())
      lumberOrder.push_back(lumber);
  }

  // Every board is a stock length with its price; by lumber in the pieces' order, then longest
  // first; cuts left to right, inside the board; every copy of every piece in exactly one cut.
  std::set<std::pair<std::string, double>> stock;
  for (const JsonValue& s : top.Find("stock")->Items())
    stock.insert({s.Find("lumber")->AsString(), s.Find("length")->AsNumber()});
  std::map<double, int> cuts;
  double boardCost = 0;
  size_t lastLumber = 0;
  double lastLength = 1e300;
  for (const JsonValue& b : top.Find("boards")->Items()) {
    const std::string lumber = b.Find("lumber")->AsString();
    const double length = b.Find("length")->AsNumber(), width = b.Find("width")->AsNumber();
    EXPECT_TRUE(stock.count({lumber, length}));
    boardCost += b.Find("price")->AsNumber();
    const size_t at =
        std::find(lumberOrder.begin(), lumberOrder.end(), lumber) - lumberOrder.begin();
    ASSERT_LT(at, lumberOrder.size());
    EXPECT_GE(at, lastLumber);
    if (at == lastLumber) {
      EXPECT_LE(length, lastLength);
    }
    lastLumber = at;
    lastLength = length;
    double previousLeft = -1, rightmost = 0;
    for (const JsonValue& c : b.Find("cuts")->Items()) {
      EXPECT_EQ(Keys(c), (std::vector<std::string>{"member", "piece", "turned", "outline"}));
      const double piece = c.Find("piece")->AsNumber();
      EXPECT_EQ(c.Find("member")->AsString(),
                pieces.at(static_cast<size_t>(piece)).Find("member")->AsString());
      ++cuts[piece];
      double left = 1e300;
      for (const JsonValue& point : c.Find("outline")->Items()) {
        const double x = point.Items()[0].AsNumber(), y = point.Items()[1].AsNumber();
        EXPECT_GE(x, -1e-9);
        EXPECT_LE(x, length + 1e-9);
        EXPECT_GE(y, -1e-9);
        EXPECT_LE(y, width + 1e-9);
        left = std::min(left, x);
        rightmost = std::max(rightmost, x);
      }
      EXPECT_GT(left, previousLeft);
      previousLeft = left;
    }
    EXPECT_LE(b.Find("offcut")->AsNumber(), length - rightmost + 1e-9);
  }
  for (size_t i = 0; i < pieces.size(); ++i)
    EXPECT_EQ(cuts[static_cast<double>(i)], pieces[i].Find("count")->AsNumber());
  EXPECT_TRUE(top.Find("optimal")->AsBool());
  EXPECT_NEAR(top.Find("lower_bound_cost")->AsNumber(), boardCost, 1e-9);

  const JsonValue& totals = *top.Find("totals");
  EXPECT_EQ(Keys(totals), (std::vector<std::string>{"boards", "cost", "board_feet", "cubic_metres",
                                                    "waste_percent", "cuts"}));
  EXPECT_EQ(totals.Find("boards")->AsNumber(), top.Find("boards")->Items().size());
  EXPECT_TRUE(totals.Find("cubic_metres")->IsNull());
  EXPECT_EQ(Keys(top.Find("hardware")->Items().at(0)),
            (std::vector<std::string>{"item", "count", "pack", "packs", "price", "rule"}));
  EXPECT_EQ(Keys(top.Find("near_misses")->Items().at(0)),
            (std::vector<std::string>{"member", "shorten_by", "new_length", "saving", "text"}));

  DesignRecord failed = PresetRecord(0, true);
  failed.LastCalculationFailed = true;
  EXPECT_EQ(MaterialsJson(BuildMaterials(failed, DefaultMaterialsSettings(true))),
            "{\"materials\": {\"problem\": \"The materials cannot be listed: the last design "
            "calculation stopped on an error, so the design is incomplete. Correct the entry and "
            "press Design first.\"}}\n");
}

TEST(MaterialsCsv, ReadsBackWithItsQuoting) {
  MaterialsSettings settings = DefaultMaterialsSettings(true);
  settings.table.currency = "\xE2\x82\xAC";
  settings.table.stock.push_back({"Oak, \"rough\" sawn\nkiln dried", 8, 3.5});
  settings.table.stock.push_back({"=HYPERLINK(\"x\")", 8, 1});
  const Materials m = BuildMaterials(PresetRecord(0, true), settings);
  const CsvReadResult read = ReadCsv(MaterialsCsv(m));
  ASSERT_TRUE(read.error.empty()) << read.error;
  ASSERT_FALSE(read.rows.empty());
  EXPECT_EQ(read.rows[0], MaterialsCsvColumns());
  std::map<std::string, int> sections;
  bool oak = false, formula = false, currency = false;
  for (const auto& row : read.rows) {
    ASSERT_EQ(row.size(), MaterialsCsvColumns().size());
    ++sections[row[0]];
    oak = oak || (row[0] == "stock" && row[2] == "Oak, \"rough\" sawn\nkiln dried");
    formula = formula || (row[0] == "stock" && row[2] == "'=HYPERLINK(\"x\")");
    currency = currency || (row[3] == "currency" && row[15] == "\xE2\x82\xAC");
  }
  EXPECT_TRUE(oak);
  EXPECT_TRUE(formula);  // a spreadsheet takes it as text, not a formula
  EXPECT_TRUE(currency);
  EXPECT_EQ(sections["board"], static_cast<int>(m.boards.size()));
  EXPECT_EQ(sections["buy"], static_cast<int>(ShoppingList(m).size()));
  EXPECT_EQ(sections["hardware"], static_cast<int>(m.hardware.size()));
  int cut = 0;
  for (const MaterialBoard& b : m.boards) cut += static_cast<int>(b.cuts.size());
  EXPECT_EQ(sections["cut"], cut);
  EXPECT_EQ(sections["total"], 6);

  EXPECT_EQ(ReadCsv("a,\"b\"\"c\",\"d\r\ne\"\r\nf,,\n").rows,
            (std::vector<std::vector<std::string>>{{"a", "b\"c", "d\r\ne"}, {"f", "", ""}}));
  EXPECT_EQ(ReadCsv("a,\"b").error, "line 1: a quoted field is not closed");
  EXPECT_EQ(ReadCsv("a,b\"c").error, "line 1: a quote inside an unquoted field");
}

TEST(CuttingDiagram, DrawsEveryBoardWithItsPiecesNamedAndItsOffcutMarked) {
  const Materials m = BuildMaterials(PresetRecord(0, true), DefaultMaterialsSettings(true));
  const int width = 800;
  const double height = CuttingDiagramHeight(m, width);
  RecordingCanvas canvas(width, static_cast<int>(std::ceil(height)));
  DrawCuttingDiagram(m, canvas);
  const std::vector<std::string> texts = canvas.Texts();
  std::map<std::string, int> count;
  for (const std::string& t : texts) ++count[t];
  EXPECT_EQ(count["Board 1 of 14:  2 X 6,  8'  ($6.48)"], 1);
  int cuts = 0, offcuts = 0;
  for (const MaterialBoard& b : m.boards) {
    cuts += static_cast<int>(b.cuts.size());
    offcuts += b.offcut > 0;
  }
  EXPECT_EQ(count["Table Top"], 6);
  EXPECT_EQ(count["Leg"] + count["Leg, turned"], 4);
  EXPECT_EQ(count["6'"], 10);  // the lengths under the table tops and seats
  int offcutTexts = 0, lines = 0;
  for (const std::string& t : texts) offcutTexts += t.rfind("offcut ", 0) == 0;
  for (const CanvasOp& op : canvas.Ops()) {
    lines += op.kind == CanvasOp::Kind::LineTo;
    if (op.kind == CanvasOp::Kind::Text || op.kind == CanvasOp::Kind::LineTo) {
      EXPECT_GE(op.x1, 0);
      EXPECT_LT(op.y1, canvas.Height());
    }
  }
  EXPECT_EQ(offcutTexts, offcuts);
  EXPECT_EQ(lines, 4 * cuts + 2 * offcuts);  // four edges a piece, a cross on each offcut

  DesignRecord failed = PresetRecord(0, true);
  failed.LastCalculationFailed = true;
  RecordingCanvas small(400, 100);
  DrawCuttingDiagram(BuildMaterials(failed, DefaultMaterialsSettings(true)), small);
  EXPECT_EQ(
      small.Texts(),
      std::vector<std::string>{
          "The materials cannot be listed: the last design calculation stopped on an error, so "
          "the design is incomplete. Correct the entry and press Design first."});
}

TEST(CuttingDiagram, APrintedPageTakesARunOfBoardsAtTheWholeDiagramsScaleAndNumbering) {
  Materials m = BuildMaterials(PresetRecord(0, true), DefaultMaterialsSettings(true));
  m.modelScale = true;  // the note above the first board
  const int width = 800;
  auto rects = [](const RecordingCanvas& c) {
    std::vector<int> widths;
    for (const CanvasOp& op : c.Ops())
      if (op.kind == CanvasOp::Kind::Rect && op.x1 > 0) widths.push_back(op.x2 - op.x1);
    return widths;
  };
  RecordingCanvas whole(width, static_cast<int>(std::ceil(CuttingDiagramHeight(m, width))));
  DrawCuttingDiagram(m, whole);

  DiagramStyle part;
  part.firstBoard = 10;
  part.boardCount = 3;
  const double height = CuttingDiagramHeight(m, width, part);
  EXPECT_LT(height, CuttingDiagramHeight(m, width) / 3);
  RecordingCanvas page(width, static_cast<int>(std::ceil(height)));
  DrawCuttingDiagram(m, page, part);
  std::vector<std::string> titles;
  for (const std::string& t : page.Texts())
    if (t.rfind("Board ", 0) == 0 || t.rfind("The list is", 0) == 0)
      titles.push_back(t.substr(0, 14));
  EXPECT_EQ(titles,
            (std::vector<std::string>{"Board 11 of 14", "Board 12 of 14", "Board 13 of 14"}));
  const std::vector<int> all = rects(whole), some = rects(page);
  ASSERT_EQ(some.size(), 3u);
  EXPECT_EQ(some, std::vector<int>(all.begin() + 10, all.begin() + 13));  // one scale
  for (const CanvasOp& op : page.Ops()) {
    if (op.kind == CanvasOp::Kind::Text) {
      EXPECT_LT(op.y1, page.Height());
    }
  }

  // A run past the last board draws what there is.
  part.firstBoard = 13;
  part.boardCount = 5;
  RecordingCanvas last(width, 400);
  DrawCuttingDiagram(m, last, part);
  EXPECT_EQ(rects(last).size(), 1u);
}

}  // namespace
}  // namespace varnloft
