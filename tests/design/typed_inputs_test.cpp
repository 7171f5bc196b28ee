// Typing one text into a design input: builders' lengths and the program's own length texts in
// both measures, lumber sizes and widths, counts, and the texts that must end in the error box.
#include "design/typed_inputs.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "design/preset_table.h"
#include "design/table_members.h"
#include "measure/errors.h"
#include "measure/length_text.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

using Texts = std::vector<std::string>;

const DesignInput& InputOfRole(const char* role) {
  const DesignInput* input = FindInput(role);
  if (!input) throw std::invalid_argument(role);
  return *input;
}

LengthSettings Settings(bool imperial, const std::string& separator = ",") {
  LengthSettings settings;
  settings.imperialUnits = imperial;
  settings.thousandsSeparator = separator;
  return settings;
}

// The text the program prints for the length the boxes of `text` hold.
std::string ReadBack(const char* role, const std::string& text, bool imperial,
                     const std::string& separator = ",") {
  const DesignInput& input = InputOfRole(role);
  const float value =
      ReadInputValue(input, BoxTextsForTyped(input, text, imperial, separator), imperial);
  return FormatLength(value, Settings(imperial, separator));
}

TEST(TypedInputs, ImperialLengthsAsBuildersAndThePlanSheetWriteThem) {
  const auto& overall = InputOfRole("overallLength");
  EXPECT_EQ(BoxTextsForTyped(overall, "6'", true), (Texts{"6", "0", "0"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "6' 2 1/2\"", true), (Texts{"6", "2", "8"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "74 1/2\"", true), (Texts{"6", "2", "8"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "4' - 11   7/16\"", true), (Texts{"4", "11", "7"}));
  EXPECT_EQ(BoxTextsForTyped(overall, " 1/4\"", true), (Texts{"0", "0", "4"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "6' -  1/2\" ", true), (Texts{"6", "0", "8"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "6'2", true), (Texts{"6", "2", "0"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "5 ' 14 \"", true), (Texts{"6", "2", "0"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "6.5'", true), (Texts{"6", "6", "0"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "1 3/4'", true), (Texts{"1", "9", "0"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "2 1/3\"", true), (Texts{"0", "2", "5.333333"}));

  const auto& gap = InputOfRole("deckGap");
  EXPECT_EQ(BoxTextsForTyped(gap, "1/4\"", true), (Texts{"0", "4"}));
  EXPECT_EQ(BoxTextsForTyped(gap, "1' 3 1/8\"", true), (Texts{"15", "2"}));
  EXPECT_EQ(BoxTextsForTyped(gap, "0.3\"", true), (Texts{"0", "4.8"}));
}

TEST(TypedInputs, BareNumbersFillTheLargestBoxOfTheInput) {
  EXPECT_EQ(BoxTextsForTyped(InputOfRole("overallLength"), "6", true), (Texts{"6", "0", "0"}));
  EXPECT_EQ(BoxTextsForTyped(InputOfRole("overallLength"), "6 1/2", true), (Texts{"6", "6", "0"}));
  EXPECT_EQ(BoxTextsForTyped(InputOfRole("leftDeckOverhang"), "3.5", true), (Texts{"3", "8"}));
  EXPECT_EQ(BoxTextsForTyped(InputOfRole("overallLength"), "1850", false),
            (Texts{"1", "850", "0"}));
  EXPECT_EQ(BoxTextsForTyped(InputOfRole("leftDeckOverhang"), "152", false), (Texts{"152", "0"}));
  // A number below zero is not split; the design refuses it as it refuses it typed in a box.
  EXPECT_EQ(BoxTextsForTyped(InputOfRole("overallLength"), "-6.5", true),
            (Texts{"-6.5", "0", "0"}));
  EXPECT_EQ(BoxTextsForTyped(InputOfRole("overallLength"), "-1850", false),
            (Texts{"-1.85", "0", "0"}));
}

TEST(TypedInputs, MetricLengthsWithUnitsAndThousandsSeparators) {
  const auto& overall = InputOfRole("overallLength");
  EXPECT_EQ(BoxTextsForTyped(overall, "1.85 m", false), (Texts{"1", "850", "0"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "1850 mm", false), (Texts{"1", "850", "0"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "1,829 mm ", false), (Texts{"1", "829", "0"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "1 m 829 MM", false), (Texts{"1", "829", "0"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "1850.5", false), (Texts{"1", "850.5", "0"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "12,345,678 mm", false), (Texts{"12345", "678", "0"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "1.829 mm", false, "."), (Texts{"1", "829", "0"}));
  EXPECT_EQ(BoxTextsForTyped(overall, "1 829 mm", false, " "), (Texts{"1", "829", "0"}));
  EXPECT_EQ(BoxTextsForTyped(InputOfRole("deckGap"), "0.006 m", false), (Texts{"6", "0"}));
}

// Every length the program prints, a sixteenth at a time up to twelve feet, reads back to the
// same text in both measures, through a long and a short input.
TEST(TypedInputs, EveryPrintedLengthReadsBackToTheSameText) {
  for (bool imperial : {true, false}) {
    for (const char* separator : {",", ".", " "}) {
      if (imperial && std::string(separator) != ",") continue;
      for (int k = 0; k <= 12 * 192; ++k) {
        const std::string text = FormatLength(k / 192.0f, Settings(imperial, separator));
        ASSERT_EQ(ReadBack("overallLength", text, imperial, separator), text) << k;
        if (k < 2 * 192) {
          ASSERT_EQ(ReadBack("seatToTableDistance", text, imperial, separator), text) << k;
        }
      }
      // Huge lengths, their feet written with an exponent, are not split into boxes.
      for (float feet : {1e6f, 123456789.0f, 1e13f, 1e20f, 3e38f}) {
        const std::string text = FormatLength(feet, Settings(imperial, separator));
        EXPECT_EQ(ReadBack("overallLength", text, imperial, separator), text);
      }
    }
  }
}

// The plan sheet's lengths for each member of every preset: length, width, cut offset, holes.
TEST(TypedInputs, PresetMemberLengthsReadBackToTheSameText) {
  size_t checked = 0;
  for (size_t i = 0; i < PresetDesigns().size(); ++i) {
    for (bool imperial : {true, false}) {
      const DesignRecord rec = testing::PresetDesign(i, imperial);
      for (const TableMember& m : TableMembers(rec)) {
        std::vector<double> lengths = {m.length, m.width, m.cutOffset};
        lengths.insert(lengths.end(), m.holes.begin(), m.holes.end());
        for (double length : lengths) {
          const std::string text = rec.FormatLength(static_cast<float>(length));
          EXPECT_EQ(ReadBack("overallLength", text, imperial), text)
              << PresetDesigns()[i].menuItem << " " << m.name;
          ++checked;
        }
      }
    }
  }
  EXPECT_GT(checked, 200u);
}

TEST(TypedInputs, LumberTakesAListedSizeOrAnActualWidth) {
  const auto& legs = InputOfRole("legSize");
  EXPECT_EQ(BoxTextsForTyped(legs, "2 X 6", true), (Texts{"2 X 6", "5.5"}));
  EXPECT_EQ(BoxTextsForTyped(legs, " 2x6 ", false), (Texts{"2 X 6", "140"}));
  // Listed in the table but not for legs: read as a width, and that is no number.
  EXPECT_EQ(BoxTextsForTyped(legs, "2 X 8", true), (Texts{"0", "2 X 8"}));
  EXPECT_EQ(BoxTextsForTyped(InputOfRole("tableTopSize"), "2 X 8", true), (Texts{"2 X 8", "7.25"}));

  EXPECT_EQ(BoxTextsForTyped(legs, "3 1/2\"", true), (Texts{"2 X 4", "3.5"}));
  EXPECT_EQ(BoxTextsForTyped(legs, "89 mm", false), (Texts{"2 X 4", "89"}));
  EXPECT_EQ(BoxTextsForTyped(legs, "3.25", true), (Texts{"3.25", "3.25"}));
  EXPECT_EQ(BoxTextsForTyped(InputOfRole("endCapSize"), "3/4\"", true), (Texts{"1 X 2", ".75"}));
  EXPECT_EQ(BoxTextsForTyped(InputOfRole("endCapSize"), "none", true), (Texts{"NONE", "0"}));

  // Every way of naming a 2 X 4 reads as the default legs do.
  struct Named {
    const char* text;
    bool imperial;
  };
  for (const Named& n : {Named{"2 X 4", true}, Named{"3 1/2\"", true}, Named{"3.5", true},
                         Named{"2 x 4", false}, Named{"89 mm", false}, Named{"89", false}}) {
    const LengthSettings settings = Settings(n.imperial);
    EXPECT_EQ(
        FormatLength(ReadInputValue(legs, BoxTextsForTyped(legs, n.text, n.imperial), n.imperial),
                     settings),
        FormatLength(ReadInputValue(legs, DefaultTexts(legs, n.imperial), n.imperial), settings))
        << n.text;
  }
}

// Texts no input reads give the program's own error when the design reads them.
TEST(TypedInputs, UnreadableTextsGiveTheDesignsErrorBox) {
  struct Case {
    const char* role;
    const char* text;
    bool imperial;
  };
  const Case cases[] = {
      {"overallLength", "abc", true},        {"overallLength", "6' 2\" 3", true},
      {"overallLength", "2\" 6'", true},     {"overallLength", "6'-", true},
      {"overallLength", "1/0\"", true},      {"overallLength", "6'", false},
      {"overallLength", "1850 mm", true},    {"overallLength", "1,5 m", false},
      {"overallLength", "1,8290 mm", false}, {"overallLength", "-6'", true},
      {"overallLength", "--' ", true},       {"deckGap", "1/4\" 1/4\"", true},
      {"deckGap", "6 mmm", false},           {"legSize", "2 X 9", true},
      {"legSize", "3 1/2 in", true},         {"overallLength", "   ", true},
  };
  for (const Case& c : cases) {
    const DesignInput& input = InputOfRole(c.role);
    const auto boxes = BoxTextsForTyped(input, c.text, c.imperial);
    ASSERT_EQ(boxes.size(), SlotCount(input.unit));
    try {
      ReadInputValue(input, boxes, c.imperial);
      ADD_FAILURE() << c.text << " was read";
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(c.text) + "' is not a valid floating point value");
    }
  }
  // An empty text leaves the box blank, which the design reads as 0 as it does any blank box;
  // a count keeps its text, trimmed, for the design to read.
  EXPECT_EQ(BoxTextsForTyped(InputOfRole("overallLength"), "", false), (Texts{"", "0", "0"}));
  EXPECT_EQ(BoxTextsForTyped(InputOfRole("deckBoardCount"), " 7x ", true), (Texts{"7x"}));
}

}  // namespace
}  // namespace varnloft
