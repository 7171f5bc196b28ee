// The Materials window's settings the user edits (a refused edit changes nothing), and the
// window's hook following every design, whether it succeeds or stops on an error.
#include "app/materials_setup.h"

#include <gtest/gtest.h>

#include "app/design_commands.h"
#include "app/option_commands.h"
#include "app/preset_commands.h"
#include "materials/stock_file.h"
#include "started_window.h"

namespace varnloft {
namespace {

// Everything of one measure's settings, as text, to see that a refusal changed nothing.
std::string Snapshot(const MaterialsSetup& setup, bool imperial) {
  const MaterialsSettings& s = setup.Of(imperial);
  return StockFileJson(s.table) + SawLengthText(s.kerf, imperial) + "/" +
         SawLengthText(s.trim, imperial) + "/" + SawLengthText(s.boltDiameter, imperial);
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

TEST(MaterialsHook, FollowsEveryDesignWhetherItSucceedsOrStops) {
  StartedWindow started;
  std::vector<bool> failed;
  started.calls.designChanged = [&] { failed.push_back(started.w.rec.LastCalculationFailed); };
  EXPECT_TRUE(started.Run([&] { started.w.design().PressDesign(); }));
  started.w.design().TypeIntoBox("tableHeight.0", "abc");
  EXPECT_FALSE(started.Run([&] { started.w.design().PressDesign(); }));
  started.Run([&] { started.w.presets().ApplyPreset("BabyTable1"); });
  EXPECT_EQ(failed, (std::vector<bool>{false, true, false}));
  int shown = 0;
  started.calls.showMaterials = [&] { ++shown; };
  started.Run([&] { started.w.options().ShowMaterials(); });
  EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace varnloft
