// The materials of whole designs: the built-in table's shopping list and near misses, metric
// stock, pieces no stock holds, the hardware counted from the geometry, and the totals.
#include "materials/materials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "preset_designs.h"
#include "tests/materials/inch_in_feet.h"

namespace varnloft {
namespace {

using testing::PresetRecord;

Materials Of(const DesignRecord& rec) {
  return BuildMaterials(rec, DefaultMaterialsSettings(rec.ImperialUnits));
}

const HardwareLine* Item(const Materials& m, const std::string& item) {
  for (const HardwareLine& h : m.hardware)
    if (h.item == item) return &h;
  return nullptr;
}

TEST(Materials, TheBuiltInTableIsPlannedCheapestWithItsTableTopNearMiss) {
  const Materials m = Of(PresetRecord(0, true));
  ASSERT_TRUE(m.problem.empty());
  EXPECT_TRUE(m.optimal);
  double boards = 0;
  for (const MaterialBoard& b : m.boards) boards += *b.price;
  EXPECT_NEAR(m.lowerBoundCost, boards, 1e-9);
  // Ten 6 ft boards of 2 X 6 on 8 ft stock: two do not fit 12 ft (144 1/8 in) ...
  int twoBySix = 0;
  for (const MaterialBoard& b : m.boards)
    if (b.lumber == "2 X 6") {
      ++twoBySix;
      EXPECT_EQ(b.length, 8);
    }
  EXPECT_EQ(twoBySix, 10);
  const std::vector<BoardsToBuy> list = ShoppingList(m);
  ASSERT_FALSE(list.empty());
  EXPECT_EQ(list[0].lumber, "2 X 6");
  EXPECT_EQ(list[0].count, 10);
  EXPECT_NEAR(*list[0].cost, 64.8, 1e-9);
  int bought = 0;
  for (const BoardsToBuy& b : list) bought += b.count;
  EXPECT_EQ(bought, m.totals.boards);
  // ... unless the table tops are cut 1/16 in short: then 12 ft boards hold two.
  ASSERT_FALSE(m.nearMisses.empty());
  const NearMiss& first = m.nearMisses.front();
  EXPECT_EQ(first.member, "Table Top");
  EXPECT_DOUBLE_EQ(first.shortenBy, kInch / 16);
  EXPECT_DOUBLE_EQ(first.newLength, 6 - kInch / 16);
  ASSERT_TRUE(first.saving);
  EXPECT_NEAR(*first.saving, 6 * 6.48 - 3 * 10.28, 1e-9);
  EXPECT_EQ(first.text,
            "Cutting the 6' table tops 1/16\" shorter, to 5' 11 15/16\", saves $8.04 (7 boards of "
            "2 X 6 instead of 10).");
  // Each further entry shortens more and saves more.
  for (size_t i = 1; i < m.nearMisses.size(); ++i) {
    if (m.nearMisses[i].member != m.nearMisses[i - 1].member) continue;
    EXPECT_GT(m.nearMisses[i].shortenBy, m.nearMisses[i - 1].shortenBy);
    EXPECT_GT(*m.nearMisses[i].saving, *m.nearMisses[i - 1].saving);
  }
}

TEST(Materials, MetricDesignsBuyMetricStock) {
  const Materials m = Of(PresetRecord(0, false));
  ASSERT_TRUE(m.problem.empty());
  EXPECT_TRUE(m.optimal);
  for (const MaterialBoard& b : m.boards) {
    const double mm = b.length * 304.8;
    EXPECT_NEAR(mm, std::round(mm / 600) * 600, 1e-6) << b.lumber;  // 2.4, 3.0 ... 4.8 m
    EXPECT_NE(b.lumber.find(" mm"), std::string::npos);
  }
  EXPECT_FALSE(m.totals.boardFeet.has_value());
  ASSERT_TRUE(m.totals.cubicMetres.has_value());
  EXPECT_NE(Item(m, "Carriage bolt M10 \xC3\x97 100 mm"), nullptr);
  EXPECT_DOUBLE_EQ(m.kerf, 3 / 304.8);
}

TEST(Materials, MetricPiecesAsLongAsAStockLengthFitIt) {
  // 3.6 m is no whole number of feet, and the record keeps single floats (its 3.6 m is a little
  // over the double): the 3.6 m table tops and seats must still fit 3.6 m boards exactly.
  const Materials m =
      Of(PresetRecord(0, false, {{"overallLength:0", "3"}, {"overallLength:1", "600"}}));
  EXPECT_TRUE(m.missing.empty());
  int exact = 0;
  for (const MaterialBoard& b : m.boards) exact += std::fabs(b.length * 304.8 - 3600) < 1e-6;
  EXPECT_EQ(exact, 10);
}

TEST(Materials, TableTopsLongerThanAnyStockAreMissingAndTheRestIsBought) {
  DesignRecord rec = PresetRecord(0, true);
  rec.OverallLength = 20;
  const Materials m = Of(rec);
  ASSERT_EQ(m.missing.size(), 1u);
  EXPECT_EQ(m.missing[0].member, "Table Top");
  EXPECT_EQ(m.missing[0].count, 6);
  EXPECT_EQ(m.missing[0].length, 20);
  EXPECT_EQ(m.missing[0].text,
            "No stock length holds the 20' table tops: add a longer length or splice them");
  int seats = 0;
  for (const MaterialBoard& b : m.boards)
    for (const MaterialCut& c : b.cuts) seats += m.pieces[c.piece].member == "Seat";
  EXPECT_EQ(seats, 4);
}

TEST(Materials, HardwareIsCountedFromTheGeometry) {
  const Materials m = Of(PresetRecord(0, true));
  const HardwareLine* bolts = Item(m, "Carriage bolt 3/8 \xC3\x97 4 in");
  ASSERT_NE(bolts, nullptr);
  EXPECT_EQ(bolts->count, 8);  // two holes in each of four legs
  EXPECT_EQ(bolts->packs, 8);
  EXPECT_NEAR(*bolts->cost, 8 * 0.98, 1e-9);
  EXPECT_EQ(Item(m, "Washer 3/8 in")->count, 8);
  EXPECT_EQ(Item(m, "Nut 3/8 in")->count, 8);
  const HardwareLine* screws = Item(m, "Deck screw 3 in");
  ASSERT_NE(screws, nullptr);
  // 6 table tops over 3 supports, 4 seats over 2 seat supports, 2 braces: two screws each time.
  EXPECT_EQ(screws->count, 6 * 3 * 2 + 4 * 2 * 2 + 2 * 2 * 2);
  EXPECT_EQ(screws->pack, 100);
  EXPECT_EQ(screws->packs, 1);
  EXPECT_NE(screws->rule.find("two where each table top crosses a support"), std::string::npos);
  // The bolt: two 1 1/2 in members, a washer, a nut and some thread, up to a length sold.
  EXPECT_DOUBLE_EQ(CarriageBoltLength(0.125, 0.375 * kInch, true), 4 * kInch);
  EXPECT_DOUBLE_EQ(CarriageBoltLength(0.0625, 0.375 * kInch, true), 2.5 * kInch);
  EXPECT_NEAR(CarriageBoltLength(0.125, 10 / 304.8, false) * 304.8, 100, 1e-9);
  EXPECT_DOUBLE_EQ(ScrewLength(0.0625, true), 1.625 * kInch);

  // End caps add a screw into the end of each table top.
  const Materials capped = Of(PresetRecord(7, true));
  EXPECT_EQ(Item(capped, "Deck screw 3 in")->count, 4 * 3 * 2 + 2 * 2 * 2 + 2 * 2 * 2 + 2 * 4);
  // An item the table has no row for: a pack of one, no price.
  MaterialsSettings settings = DefaultMaterialsSettings(true);
  settings.table.hardware.clear();
  const Materials unpriced = BuildMaterials(PresetRecord(0, true), settings);
  EXPECT_EQ(Item(unpriced, "Nut 3/8 in")->pack, 1);
  EXPECT_FALSE(Item(unpriced, "Nut 3/8 in")->cost.has_value());
}

TEST(Materials, TotalsAddUpTheBoardsAndHardware) {
  const Materials m = Of(PresetRecord(7, true));
  double cost = 0, bought = 0, used = 0, boardFeet = 0;
  std::map<int, int> cut;
  for (const MaterialBoard& b : m.boards) {
    cost += *b.price;
    bought += b.length * b.width * b.thickness;
    const Lumber lumber = m.pieces[b.cuts[0].piece].lumber;
    boardFeet += lumber.nominalThickness * lumber.nominalWidth * b.length / 12;
    for (const MaterialCut& c : b.cuts) {
      ++cut[c.piece];
      const Piece& p = m.pieces[c.piece];
      double twiceArea = 0;  // the shoelace formula
      for (size_t i = 0; i < c.outline.size(); ++i) {
        const FlatPoint& a = c.outline[i];
        const FlatPoint& z = c.outline[(i + 1) % c.outline.size()];
        twiceArea += a.x * z.y - z.x * a.y;
      }
      used += twiceArea / 2 * p.thickness;
    }
  }
  for (const HardwareLine& h : m.hardware) cost += *h.cost;
  EXPECT_EQ(m.totals.boards, static_cast<int>(m.boards.size()));
  EXPECT_NEAR(m.totals.cost, cost, 1e-9);
  EXPECT_NEAR(*m.totals.boardFeet, boardFeet, 1e-9);
  EXPECT_NEAR(m.totals.wastePercent, (bought - used) / bought * 100, 1e-9);
  // Every copy of every piece is cut exactly once.
  for (size_t i = 0; i < m.pieces.size(); ++i)
    EXPECT_EQ(cut[static_cast<int>(i)], m.pieces[i].count);
  EXPECT_EQ(m.totals.rips, 2);  // the braces' waste strips
  EXPECT_GT(m.totals.crossCuts, 0);
}

TEST(Materials, AFailedDesignOrUnusableSettingsListNothing) {
  DesignRecord rec = PresetRecord(0, true);
  rec.LastCalculationFailed = true;
  EXPECT_EQ(Of(rec).problem,
            "The materials cannot be listed: the last design calculation stopped on an error, so "
            "the design is incomplete. Correct the entry and press Design first.");
  MaterialsSettings settings = DefaultMaterialsSettings(true);
  settings.kerf = -1;
  const Materials m = BuildMaterials(PresetRecord(0, true), settings);
  EXPECT_EQ(m.problem, "The kerf may not be negative.");
  EXPECT_TRUE(m.boards.empty());
}

// A short Adult Econo table of 2 X 4 only, metric, five seats a side: millions of search steps.
TEST(Materials, AStopEndsTheWorkEarlyAndAnUnsetOneChangesNothing) {
  const DesignRecord rec = PresetRecord(
      3, false, {{"overallLength:0", "0"}, {"overallLength:1", "600"}, {"seatBoardCount:0", "5"}});
  const MaterialsSettings settings = DefaultMaterialsSettings(false);
  std::atomic<bool> stop{false};
  const Materials full = BuildMaterials(rec, settings, &stop);
  EXPECT_FALSE(full.stopped);
  EXPECT_TRUE(full.optimal);
  EXPECT_EQ(full.steps, BuildMaterials(rec, settings).steps);
  EXPECT_GT(full.steps, 1'000'000);

  stop = true;
  const Materials stopped = BuildMaterials(rec, settings, &stop);
  EXPECT_TRUE(stopped.stopped);
  EXPECT_FALSE(stopped.problem.empty());
  EXPECT_TRUE(stopped.boards.empty());
  EXPECT_LT(stopped.steps, full.steps / 100);
}

TEST(Materials, EveryPresetInBothMeasuresIsProvenCheapest) {
  for (size_t preset = 0; preset < PresetDesigns().size(); ++preset) {
    for (bool imperial : {true, false}) {
      const Materials m = Of(PresetRecord(preset, imperial));
      EXPECT_TRUE(m.problem.empty());
      EXPECT_TRUE(m.optimal) << preset << " " << imperial;
      EXPECT_TRUE(m.missing.empty()) << preset << " " << imperial;
    }
  }
}

}  // namespace
}  // namespace varnloft
