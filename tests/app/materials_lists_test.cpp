// The Materials window's plain part: the settings the user edits (a refused edit changes
// nothing), the lists as the window, Copy and Print show them, the printed pages, and the lists
// following every design, whether it succeeds or stops on an error.
#include "app/materials_lists.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/materials_pages.h"
#include "app/materials_setup.h"
#include "materials/stock_file.h"
#include "platform/recording_page_sink.h"
#include "started_window.h"

namespace varnloft {
namespace {

// Everything of one measure's settings, as text, to see that a refusal changed nothing.
std::string Snapshot(const MaterialsSetup& setup, bool imperial) {
  const MaterialsSettings& s = setup.Of(imperial);
  return StockFileJson(s.table) + SawLengthText(s.kerf, imperial) + "/" +
         SawLengthText(s.trim, imperial) + "/" + SawLengthText(s.boltDiameter, imperial);
}

const std::vector<std::string>* Row(const TextTable& table, const std::string& first) {
  for (const auto& row : table.rows)
    if (!row.empty() && row[0] == first) return &row;
  return nullptr;
}

TEST(MaterialsSetup, RefusedEditsSayWhyAndChangeNothing) {
  MaterialsSetup setup;
  const std::string before = Snapshot(setup, true), metric = Snapshot(setup, false);
  const std::pair<std::string, std::string> refused[] = {
      {"abc", "The kerf: 'abc' is not a valid floating point value."},
      {"-0.1", "The kerf may not be negative."},
      {"1", "A kerf of 1 in or more is not a saw's cut."},
      {"", "The kerf: '' is not a valid floating point value."}};
  for (const auto& [text, message] : refused) {
    EXPECT_EQ(setup.SetKerf(text, true), message) << text;
    EXPECT_EQ(Snapshot(setup, true), before) << text;
  }
  // A quarter of the shortest stock, 8 ft, is 24 in.
  EXPECT_EQ(setup.SetTrim("24.5", true),
            "The end trim may not be more than a quarter of the shortest stock length (8').");
  EXPECT_EQ(setup.SetCurrency("$\t", true),
            "The currency symbol may not hold tabs or line breaks.");
  EXPECT_EQ(setup.SetBoltDiameter("0", true), "The bolt diameter must be a number above 0.");
  EXPECT_NE(setup.ReadStockText("{\"stock\": [{\"lumber\": \"2 X 4\", \"length\": \"8\"}]}", true),
            "");
  EXPECT_EQ(setup.ReadStockText("{\"stock\": [{\"lumber\": \"2 X 4\", \"length\": -8}]}", true),
            "stock[0].length: a stock length must be more than 0.");
  EXPECT_EQ(Snapshot(setup, true), before);

  // Kept edits change only their own measure.
  EXPECT_EQ(setup.SetKerf("0.0625", true), "");
  EXPECT_EQ(setup.SetTrim("24", true), "");
  EXPECT_EQ(setup.SetCurrency("\xE2\x82\xAC", true), "");
  EXPECT_DOUBLE_EQ(setup.Of(true).kerf, 0.0625 / 12);
  EXPECT_DOUBLE_EQ(setup.Of(true).trim, 2);
  EXPECT_EQ(Snapshot(setup, false), metric);
  EXPECT_EQ(setup.SetKerf("2.5", false), "");
  EXPECT_DOUBLE_EQ(setup.Of(false).kerf, 2.5 / 304.8);

  setup.RestoreExamples(true);
  EXPECT_EQ(Snapshot(setup, true), before);
  EXPECT_EQ(setup.Of(true).table.currency, "$");
}

TEST(MaterialsLists, TheBuiltInTableWithExamplesLabelledAndEveryPieceListed) {
  StartedWindow started;
  const Materials m = BuildMaterials(started.w.rec, MaterialsSetup().Of(true));
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
  StartedWindow started;
  MaterialsSetup setup;
  StockTable table = setup.Of(true).table;
  std::erase_if(table.stock, [](const StockLength& s) { return s.lumber == "2 X 6"; });
  ASSERT_EQ(setup.SetTable(table, true), "");
  started.w.rec.ModelScale = true;  // as shown at a model scale; the pieces stay full size
  const MaterialsLists lists = ListsOf(BuildMaterials(started.w.rec, setup.Of(true)));
  const auto* tops = Row(lists.shopping, "2 X 6");
  ASSERT_TRUE(tops);
  EXPECT_EQ((*tops)[3], "no price");
  EXPECT_EQ((*tops)[4], "no price");
  EXPECT_EQ(lists.notes.front(),
            "The list is for the full-size table: the design is shown at a model scale, but every "
            "piece is listed and cut full size.");
  EXPECT_NE((*Row(lists.totals, "Cost in all"))[1].find(", without the items of no price"),
            std::string::npos);

  started.w.rec.LastCalculationFailed = true;
  const MaterialsLists failed = ListsOf(BuildMaterials(started.w.rec, setup.Of(true)));
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

TEST(MaterialsPages, EveryListAndEveryBoardIsPrintedOnThePage) {
  StartedWindow started;
  const Materials m = BuildMaterials(started.w.rec, MaterialsSetup().Of(true));
  for (int pageHeight : {6300, 2400}) {
    RecordingPageSink sink(4800, pageHeight);  // letter at 600 dots per inch; then a short page
    const int pages = PrintMaterials(m, "Materials", sink, 600);
    EXPECT_TRUE(sink.Ended());
    EXPECT_EQ(pages, sink.Pages());
    const std::vector<std::string> texts = sink.Recording().Texts();
    for (const char* title : {"Shopping list: lumber", "Shopping list: hardware", "Totals",
                              "Cut list", "Cutting diagram"})
      EXPECT_EQ(std::count(texts.begin(), texts.end(), title), 1) << title;
    for (size_t i = 0; i < m.boards.size(); ++i) {
      const std::string board = "Board " + std::to_string(i + 1) + " of ";
      EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                              [&](const std::string& t) { return t.rfind(board, 0) == 0; }),
                1)
          << board;
    }
    for (const CanvasOp& op : sink.Recording().Ops())
      if (op.kind == CanvasOp::Kind::Text || op.kind == CanvasOp::Kind::LineTo) {
        EXPECT_GE(op.y1, 0);
        EXPECT_LT(op.y1, pageHeight);
      }
    if (pageHeight == 2400) {
      EXPECT_GT(pages, 2);
    }
  }
}

TEST(MaterialsHook, FollowsEveryDesignWhetherItSucceedsOrStops) {
  StartedWindow started;
  std::vector<bool> failed;
  started.w.hooks.designChanged = [&] { failed.push_back(started.w.rec.LastCalculationFailed); };
  EXPECT_TRUE(started.Run([&] { started.w.PressDesign(); }));
  started.w.TypeIntoBox("Edit4", "abc");
  EXPECT_FALSE(started.Run([&] { started.w.PressDesign(); }));
  started.Run([&] { started.w.ApplyPreset("BabyTable1"); });
  EXPECT_EQ(failed, (std::vector<bool>{false, true, false}));
  int shown = 0;
  started.w.hooks.showMaterials = [&] { ++shown; };
  started.Run([&] { started.w.ShowMaterials(); });
  EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace varnloft
