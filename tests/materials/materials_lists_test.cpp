// The materials as lists of texts, as the Materials window, Copy and the build packet's pages
// show them: example prices labelled, every piece listed with its section, ends and boards, the
// notes of a price missing and of a model scale, a failed design, and board numbers in runs.
#include "materials/materials_lists.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "materials/stock.h"
#include "preset_designs.h"

namespace varnloft {
namespace {

const std::vector<std::string>* Row(const TextTable& table, const std::string& first) {
  for (const auto& row : table.rows)
    if (!row.empty() && row[0] == first) return &row;
  return nullptr;
}

TEST(MaterialsLists, TheBuiltInTableWithExamplesLabelledAndEveryPieceListed) {
  const Materials m =
      BuildMaterials(testing::PresetRecord(0, true), DefaultMaterialsSettings(true));
  const MaterialsLists lists = ListsOf(m);
  ASSERT_EQ(lists.problem, "");
  const auto* tops = Row(lists.shopping, "2 X 6");
  ASSERT_TRUE(tops);
  EXPECT_EQ(*tops, (std::vector<std::string>{"2 X 6", "8'", "10", "$6.48 (example)", "$64.80"}));
  EXPECT_NE(std::find(lists.notes.begin(), lists.notes.end(),
                      "Prices marked \"example\" are examples, not a lumber yard's: put in your "
                      "own under Settings."),
            lists.notes.end());
  EXPECT_EQ(lists.cutList.rows.size(), m.pieces.size());
  const auto* legs = Row(lists.cutList, "Leg");
  ASSERT_TRUE(legs);
  EXPECT_EQ((*legs)[1], "4");
  EXPECT_EQ((*legs)[3], "1 1/2 \xC3\x97 3 1/2 in");
  EXPECT_EQ((*legs)[5], "31.0\xC2\xB0 both");
  EXPECT_EQ((*Row(lists.cutList, "Table Top"))[5], "square");
  // Six table tops, one on each of the first six boards (8 ft, 2 X 6): "1–6".
  EXPECT_EQ((*Row(lists.cutList, "Table Top"))[1], "6");
  EXPECT_EQ((*Row(lists.cutList, "Table Top"))[6],
            "1\xE2\x80\x93"
            "6");
  const auto* bolts = Row(lists.hardware, m.hardware.at(0).item);
  ASSERT_TRUE(bolts);
  EXPECT_EQ((*bolts)[5], m.hardware.at(0).rule);
  EXPECT_EQ((*Row(lists.totals, "Boards"))[1], std::to_string(m.totals.boards));
  EXPECT_EQ((*Row(lists.totals, "Cutting plan"))[1], "proven cheapest");
  EXPECT_FALSE(lists.nearMisses.empty());

  // Copy's text: each list's title, its headings and rows, cells separated by tabs.
  const std::string text = ListsText(lists);
  EXPECT_NE(text.find("Shopping list: lumber\nLumber\tLength\tBoards\tPrice each\tCost\n2 X 6\t8'\t"
                      "10\t$6.48 (example)\t$64.80\n"),
            std::string::npos);
  EXPECT_NE(text.find("\nNear misses\n" + lists.nearMisses[0] + "\n"), std::string::npos);
  EXPECT_EQ(text.back(), '\n');
}

TEST(MaterialsLists, NoPriceFullSizeAndAFailedDesign) {
  MaterialsSettings settings = DefaultMaterialsSettings(true);
  std::erase_if(settings.table.stock, [](const StockLength& s) { return s.lumber == "2 X 6"; });
  DesignRecord rec = testing::PresetRecord(0, true);
  rec.ModelScale = true;  // as shown at a model scale; the pieces stay full size
  const MaterialsLists lists = ListsOf(BuildMaterials(rec, settings));
  const auto* tops = Row(lists.shopping, "2 X 6");
  ASSERT_TRUE(tops);
  EXPECT_EQ((*tops)[3], "no price");
  EXPECT_EQ((*tops)[4], "no price");
  EXPECT_EQ(lists.notes.front(),
            "The list is for the full-size table: the design is shown at a model scale, but every "
            "piece is listed and cut full size.");
  EXPECT_NE((*Row(lists.totals, "Cost in all"))[1].find(", without the items of no price"),
            std::string::npos);

  rec.LastCalculationFailed = true;
  const MaterialsLists failed = ListsOf(BuildMaterials(rec, settings));
  EXPECT_EQ(failed.problem.rfind("The materials cannot be listed:", 0), 0u);
  EXPECT_TRUE(failed.shopping.rows.empty());
  EXPECT_EQ(ListsText(failed), failed.problem + "\n");
}

TEST(MaterialsLists, BoardNumbersAreShortenedToRuns) {
  EXPECT_EQ(NumbersText({1, 2, 3, 5, 7, 8, 10}),
            "1\xE2\x80\x93"
            "3, 5, 7, 8, 10");
  EXPECT_EQ(NumbersText({}), "");
}

}  // namespace
}  // namespace varnloft
