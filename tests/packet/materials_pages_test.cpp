// The materials and cutting-diagram pages, in the packet and printed on their own by the
// Materials window: every list's rows worded as the lists word them, every board once, nothing
// past a page's foot, the pages numbered through, and a design that cannot be listed.
#include "packet/materials_pages.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "materials/materials_lists.h"
#include "packet_designs.h"

namespace varnloft {
namespace {

using testing::CountTexts;
using testing::kLetterHeight;
using testing::kLetterWidth;
using testing::Ops;
using testing::Text;

Materials BuiltInMaterials() {
  return BuildMaterials(testing::BuiltInDesign(), DefaultMaterialsSettings(true));
}

// Every text drawn, one after another, a blank between two: a cell wrapped over several lines
// reads as one again.
std::string JoinedTexts(const RecordingPageSink& sink) {
  std::string joined;
  for (const std::string& t : sink.Recording().Texts()) joined += t + " ";
  return joined;
}

TEST(MaterialsPages, EveryRowOfEveryListIsPrintedAsTheListsWordIt) {
  const Materials m = BuiltInMaterials();
  const MaterialsLists lists = ListsOf(m);
  RecordingPageSink sink(kLetterWidth, kLetterHeight);
  PrintMaterialsPages(m, "Adult Standard table", sink, 600);
  const Ops& ops = sink.Recording().Ops();
  const std::string joined = JoinedTexts(sink);
  for (const TextTable* table : {&lists.shopping, &lists.hardware, &lists.totals, &lists.cutList}) {
    ASSERT_FALSE(table->rows.empty()) << table->title;
    EXPECT_EQ(CountTexts(ops, table->title), 1) << table->title;
    for (const auto& row : table->rows) {
      for (size_t c = 0; c + 1 < row.size(); ++c)
        EXPECT_NE(Text(ops, row[c]), nullptr) << table->title << ": " << row[c];
      EXPECT_NE(joined.find(" " + row.back() + " "), std::string::npos)
          << table->title << ": " << row.back();
    }
  }
  for (const std::string& line : lists.nearMisses)
    EXPECT_NE(joined.find(" " + line + " "), std::string::npos) << line;
  for (const std::string& note : lists.notes)
    EXPECT_NE(joined.find(" " + note + " "), std::string::npos) << note;
  // The lists come in the order Copy puts them on the clipboard.
  EXPECT_LT(testing::TextIndex(ops, "Shopping list: lumber"), testing::TextIndex(ops, "Totals"));
  EXPECT_LT(testing::TextIndex(ops, "Totals"), testing::TextIndex(ops, "Cut list"));
  EXPECT_LT(testing::TextIndex(ops, "Cut list"), testing::TextIndex(ops, "Near misses"));
}

TEST(MaterialsPages, PrintedAloneEveryBoardOnceAndThePagesNumberedThrough) {
  const Materials m = BuiltInMaterials();
  for (int pageHeight : {kLetterHeight, 2400}) {  // letter at 600 dots per inch; a short page
    RecordingPageSink sink(kLetterWidth, pageHeight);
    const int pages = PrintMaterialsPages(m, "Adult Standard table", sink, 600);
    EXPECT_TRUE(sink.Ended());
    EXPECT_EQ(pages, sink.Pages());
    const Ops& ops = sink.Recording().Ops();
    const std::vector<std::string> texts = sink.Recording().Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Materials"), 1);
    EXPECT_EQ(CountTexts(ops, "Cutting diagrams"),
              CountTexts(ops, "Cutting diagrams (continued)") + 1);
    for (size_t i = 0; i < m.boards.size(); ++i)
      EXPECT_EQ(CountTexts(ops, "Board " + std::to_string(i + 1) + " of "), 1) << i + 1;
    for (int page = 1; page <= pages; ++page)
      EXPECT_EQ(CountTexts(ops, "Build packet: Adult Standard table    Page " +
                                    std::to_string(page) + " of " + std::to_string(pages)),
                1)
          << page;
    for (const CanvasOp& op : ops)
      if (op.kind == CanvasOp::Kind::Text || op.kind == CanvasOp::Kind::LineTo) {
        EXPECT_GE(op.y1, 0);
        EXPECT_LT(op.y1, pageHeight);
      }
    if (pageHeight == 2400) {
      EXPECT_GT(CountTexts(ops, "Materials (continued)"), 0);
      EXPECT_GT(pages, 3);
    }
  }
}

TEST(MaterialsPages, ADesignThatCannotBeListedGetsOnePageSayingSo) {
  DesignRecord rec = testing::BuiltInDesign();
  rec.LastCalculationFailed = true;
  const Materials m = BuildMaterials(rec, DefaultMaterialsSettings(true));
  ASSERT_NE(m.problem, "");
  RecordingPageSink sink(kLetterWidth, kLetterHeight);
  EXPECT_EQ(PrintMaterialsPages(m, "Adult Standard table", sink, 600), 1);
  EXPECT_TRUE(sink.Ended());
  EXPECT_NE(JoinedTexts(sink).find(m.problem), std::string::npos);
  EXPECT_EQ(CountTexts(sink.Recording().Ops(), "Cutting diagrams"), 0);
}

}  // namespace
}  // namespace varnloft
