// The design-input table: its reading order, the conversion of each kind of input in both
// measures with its errors, the texts the measure switch writes back, and the presets keyed by
// the table's role names.
#include "design/design_inputs.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "design/preset_table.h"
#include "measure/errors.h"
#include "measure/length_text.h"

namespace varnloft {
namespace {

const DesignInput& Input(const char* role) {
  const DesignInput* input = FindInput(role);
  if (!input) throw std::invalid_argument(role);
  return *input;
}

TEST(DesignInputs, ListsEveryFieldOnceInReadingOrder) {
  std::vector<std::string> roles;
  std::vector<float DesignRecord::*> fields;
  for (const auto& input : DesignInputs()) {
    roles.emplace_back(input.role);
    for (auto field : fields) EXPECT_NE(field, input.field) << input.role << " twice";
    fields.push_back(input.field);
    EXPECT_EQ(input.imperialTexts.size(), SlotCount(input.unit)) << input.role;
    EXPECT_EQ(input.metricTexts.size(), SlotCount(input.unit)) << input.role;
    EXPECT_EQ(input.knownSizes != nullptr, input.unit == InputUnit::LumberWidth) << input.role;
  }
  EXPECT_EQ(fields.size(), 18u);
  const std::vector<std::string> expected = {
      "overallLength",     "tableHeight",      "seatHeight",        "leftDeckOverhang",
      "rightDeckOverhang", "leftSeatOverhang", "rightSeatOverhang", "seatToTableDistance",
      "deckGap",           "tableTopSize",     "seatSize",          "outerSupportSize",
      "centreSupportSize", "seatSupportSize",  "legSize",           "endCapSize",
      "deckBoardCount",    "seatBoardCount"};
  EXPECT_EQ(roles, expected);
  EXPECT_EQ(FindInput("tableWidth"), nullptr);
}

TEST(DesignInputs, ReadsEachKindInBothMeasures) {
  EXPECT_FLOAT_EQ(ReadInputValue(Input("tableHeight"), {"2", "5", "8"}, true),
                  static_cast<float>(2 + 5 / 12.0 + 8 / 192.0));
  EXPECT_FLOAT_EQ(ReadInputValue(Input("tableHeight"), {"1", "830", "ignored"}, false), 6.0039368f);
  EXPECT_FLOAT_EQ(ReadInputValue(Input("deckGap"), {"0", "4"}, true), 4 / 192.0f);
  EXPECT_FLOAT_EQ(ReadInputValue(Input("deckGap"), {"6", "ignored"}, false),
                  static_cast<float>(0.006 * kFeetPerMetre));
  // A lumber row reads its width, never its size text.
  EXPECT_FLOAT_EQ(ReadInputValue(Input("legSize"), {"not read", "3.5"}, true), 3.5f / 12);
  EXPECT_FLOAT_EQ(ReadInputValue(Input("legSize"), {"89", "89"}, false),
                  static_cast<float>(0.089 * kFeetPerMetre));
  EXPECT_EQ(ReadInputValue(Input("seatBoardCount"), {"2.5"}, true), 2.5f);
}

TEST(DesignInputs, ErrorsNameTheTextThatFailed) {
  try {
    ReadInputValue(Input("overallLength"), {"6", "abc", "x"}, true);
    FAIL() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
  }
  try {
    ReadInputValue(Input("overallLength"), {"3.4e38", "1e38", "0"}, true);
    FAIL() << "no error";
  } catch (const ProgramError& e) {
    EXPECT_STREQ(e.what(),
                 "The entry beginning with '3.4e38' gives a length too large for a table design.");
  }
  EXPECT_THROW(ReadInputValue(Input("deckBoardCount"), {"1e39"}, true), ProgramError);
  EXPECT_THROW(ReadInputValue(Input("deckBoardCount"), {""}, true), ConversionError);
}

TEST(DesignInputs, ValueTextsReadBackToTheSameValue) {
  for (const auto& input : DesignInputs()) {
    if (input.unit == InputUnit::Count) {
      EXPECT_TRUE(ValueTexts(input.unit, 3, true).empty());
      continue;
    }
    for (bool imperial : {true, false}) {
      const float value = ReadInputValue(input, DefaultTexts(input, imperial), imperial);
      std::vector<std::string> texts = DefaultTexts(input, imperial);
      const auto written = ValueTexts(input.unit, value, imperial);
      const auto slots = ReadSlots(input.unit, imperial);
      ASSERT_EQ(written.size(), slots.size()) << input.role;
      for (size_t i = 0; i < slots.size(); ++i) texts[slots[i]] = written[i];
      EXPECT_NEAR(ReadInputValue(input, texts, imperial), value, 1e-6) << input.role;
    }
  }
  EXPECT_EQ(ValueTexts(InputUnit::Length, 6.0f, false), (std::vector<std::string>{"1", "829"}));
  EXPECT_EQ(ValueTexts(InputUnit::ShortLength, 3.5f / 12, true),
            (std::vector<std::string>{"3", "8"}));
  EXPECT_EQ(ValueTexts(InputUnit::LumberWidth, 5.5f / 12, true),
            (std::vector<std::string>{"5.50"}));
}

TEST(DesignInputs, PresetsGiveEveryInputAndTheFirstIsTheDefault) {
  for (size_t i = 0; i < PresetDesigns().size(); ++i) {
    for (bool imperial : {true, false}) {
      const auto texts = PresetTexts(i, imperial);
      ASSERT_EQ(texts.size(), DesignInputs().size());
      for (size_t k = 0; k < texts.size(); ++k) {
        const DesignInput& input = DesignInputs()[k];
        EXPECT_EQ(texts[k].role, input.role);
        if (i == 0) {
          EXPECT_EQ(texts[k].texts, DefaultTexts(input, imperial)) << input.role;
        }
      }
    }
  }
  EXPECT_THROW(PresetTexts(PresetDesigns().size(), true), std::out_of_range);
}

}  // namespace
}  // namespace varnloft
