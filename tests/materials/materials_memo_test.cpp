// The kept materials list: the same design and settings asked for again get the list already
// planned; any change of the design or of a setting is planned afresh, never served stale.
#include "materials/materials_memo.h"

#include <gtest/gtest.h>

#include "preset_designs.h"

namespace varnloft {
namespace {

void ExpectSameList(const Materials& a, const Materials& b) {
  EXPECT_EQ(a.boards.size(), b.boards.size());
  EXPECT_EQ(a.totals.cost, b.totals.cost);
  EXPECT_EQ(a.kerf, b.kerf);
  EXPECT_EQ(a.currency, b.currency);
  EXPECT_EQ(a.steps, b.steps);
}

TEST(MaterialsMemo, AChangeOfDesignOrSettingIsPlannedAfresh) {
  const DesignRecord rec = testing::PresetRecord(0, true);
  MaterialsSettings settings = DefaultMaterialsSettings(true);
  const Materials first = BuildMaterials(rec, settings);
  ExpectSameList(BuildMaterials(rec, settings), first);
  EXPECT_EQ(KeptMaterials(MaterialsKey(rec, settings)).has_value(), true);

  MaterialsSettings wider = settings;
  wider.kerf *= 2;
  MaterialsSettings dearer = settings;
  dearer.table.stock.at(25).price = *dearer.table.stock.at(25).price + 1;  // a 2 X 4
  MaterialsSettings euro = settings;
  euro.table.currency = "EUR";
  const DesignRecord longer = testing::PresetRecord(0, true, {{"overallLength:0", "8"}});
  for (const auto& [r, s] : {std::pair{rec, wider}, std::pair{rec, dearer}, std::pair{rec, euro},
                             std::pair{longer, settings}}) {
    EXPECT_NE(MaterialsKey(r, s), MaterialsKey(rec, settings));
    ExpectSameList(BuildMaterials(r, s), BuildMaterialsAfresh(r, s));
  }
  ExpectSameList(BuildMaterials(rec, settings), first);
}

}  // namespace
}  // namespace varnloft
