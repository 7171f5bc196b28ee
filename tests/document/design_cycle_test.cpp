// The design cycle on a document: it asks nothing and changes nothing it is given; the overlap
// question is an outcome answered by designing again; a failure names its text and the input it
// came from and keeps the earlier fields; the tidied document comes back with the outcome.
#include "document/design_cycle.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

TEST(DesignCycle, TheBuiltInDocumentDesignsAsTheTestsDesignIt) {
  const DesignDocument document = AdultStandardDocument(true);
  const DesignOutcome outcome = Design(document, OverlapAnswer::NotAsked);
  ASSERT_TRUE(outcome.Designed()) << outcome.error;
  const DesignRecord expected = testing::CalculatedDesign(testing::BuiltInTexts());
  EXPECT_EQ(outcome.record.LegAngle, expected.LegAngle);
  EXPECT_EQ(outcome.record.BraceLength, expected.BraceLength);
  EXPECT_EQ(outcome.record.SeatLength, expected.SeatLength);
  EXPECT_FALSE(outcome.record.LastCalculationFailed);
  EXPECT_TRUE(outcome.record.ImperialUnits);
  EXPECT_EQ(outcome.record.ScaleFactor, 1.0f);  // tidied: no model scale
  EXPECT_EQ(outcome.document.scaleFactor, 1.0f);
  EXPECT_TRUE(outcome.notices.empty());
}

TEST(DesignCycle, OverlappingLegsAreAQuestionUntilAnswered) {
  DesignDocument document = AdultStandardDocument(true);
  document.Texts("deckBoardCount") = {"2"};
  const DesignOutcome asked = Design(document, OverlapAnswer::NotAsked);
  ASSERT_EQ(asked.result, DesignOutcome::Result::Question);
  EXPECT_EQ(asked.question,
            "The upper legs will overlap  2   11/16\"  under the normal design settings. Do you "
            "want to try Repositioning the legs?");

  const DesignOutcome yes = Design(document, OverlapAnswer::Yes);
  const DesignOutcome no = Design(document, OverlapAnswer::No);
  ASSERT_TRUE(yes.Designed());
  ASSERT_TRUE(no.Designed());
  EXPECT_TRUE(yes.record.LegsRepositioned);
  EXPECT_FALSE(no.record.LegsRepositioned);
  EXPECT_LT(yes.record.LegAngle, no.record.LegAngle);

  // Answering through the helper gives what designing with the answer gives.
  int questions = 0;
  const DesignOutcome answered = DesignAnswering(document, {}, [&](const std::string& text) {
    ++questions;
    EXPECT_EQ(text, asked.question);
    return OverlapAnswer::Yes;
  });
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(answered.record.LegAngle, yes.record.LegAngle);
}

TEST(DesignCycle, AFailureNamesItsInputAndKeepsWhatWasReadBeforeIt) {
  const DesignOutcome good = Design(AdultStandardDocument(true), OverlapAnswer::NotAsked);
  DesignDocument document = AdultStandardDocument(true);
  document.Texts("overallLength")[0] = "9";
  document.Texts("leftSeatOverhang")[0] = "abc";
  const DesignOutcome bad = Design(document, OverlapAnswer::NotAsked, good.record);
  ASSERT_EQ(bad.result, DesignOutcome::Result::Failed);
  EXPECT_EQ(bad.error, "'abc' is not a valid floating point value");
  EXPECT_EQ(bad.errorRole, "leftSeatOverhang");
  EXPECT_FALSE(bad.lengthsRead);
  EXPECT_TRUE(bad.record.LastCalculationFailed);
  EXPECT_FLOAT_EQ(bad.record.OverallLength, 9.0f);       // read before the bad box
  EXPECT_EQ(bad.record.LegAngle, good.record.LegAngle);  // not reached: as before

  // A division by zero comes from no input.
  DesignDocument noRun = AdultStandardDocument(true);
  noRun.Texts("overallLength") = {"0", "11", "8"};
  const DesignOutcome zero = Design(noRun, OverlapAnswer::NotAsked);
  EXPECT_EQ(zero.error, "Floating point division by zero");
  EXPECT_EQ(zero.errorRole, "");
  EXPECT_TRUE(zero.lengthsRead);
}

TEST(DesignCycle, AValueNoFloatCanHoldEndsTheCalculation) {
  // Each box reads as a float, but the lower leg hole, worked from the seat height, is past
  // the float range: the calculation fails as a number too large in a box would.
  DesignDocument document = AdultStandardDocument(true);
  document.Texts("seatHeight") = {"3.4e38", "0", "0"};
  const DesignOutcome outcome = Design(document, OverlapAnswer::Yes);
  ASSERT_EQ(outcome.result, DesignOutcome::Result::Failed);
  EXPECT_EQ(outcome.error, "The design's lower leg hole is too large a number for a table design.");
  EXPECT_TRUE(outcome.record.LastCalculationFailed);
  EXPECT_TRUE(std::isfinite(outcome.record.LegLength));

  // Every design that counts as done holds finite values only.
  for (const char* text : {"3e38", "1e30", "-3e38", "1e-30"}) {
    DesignDocument d = AdultStandardDocument(true);
    d.Texts("seatHeight") = {text, "0", "0"};
    const DesignOutcome o = Design(d, OverlapAnswer::Yes);
    if (o.result != DesignOutcome::Result::Designed) continue;
    const DesignRecord& r = o.record;
    for (float v : {r.LegLength, r.LowerLegHole, r.SeatHole, r.SeatSupportExtension, r.BraceLength,
                    r.BraceAngle, r.OverallWidth, r.LegOverlap})
      EXPECT_TRUE(std::isfinite(v)) << text;
  }
}

TEST(DesignCycle, AControlCharacterInABoxIsShownEscapedNeverCut) {
  DesignDocument document = AdultStandardDocument(true);
  document.Texts("leftSeatOverhang")[0] = std::string("6\0x\t", 4);
  const DesignOutcome outcome = Design(document, OverlapAnswer::NotAsked);
  ASSERT_EQ(outcome.result, DesignOutcome::Result::Failed);
  EXPECT_EQ(outcome.error, "'6\\x00x\\x09' is not a valid floating point value");
  EXPECT_EQ(outcome.error.find('\0'), std::string::npos);
}

TEST(DesignCycle, TheOutcomeCarriesTheTidiedDocumentAndLeavesTheGivenOneAlone) {
  DesignDocument document = AdultStandardDocument(true);
  document.Texts("deckGap") = {"", ""};
  document.Texts("endCapSize") = {"2 X 6", "5.5"};
  document.Texts("tableTopSize") = {"odd", "7.25"};
  const DesignDocument given = document;
  const DesignOutcome outcome = Design(document, OverlapAnswer::NotAsked);
  EXPECT_TRUE(document == given);
  EXPECT_EQ(outcome.document.Texts("deckGap"), (std::vector<std::string>{"0", "0"}));
  EXPECT_EQ(outcome.document.Texts("endCapSize"), (std::vector<std::string>{"2 X 4", "3.5"}));
  EXPECT_EQ(outcome.document.Texts("tableTopSize"), (std::vector<std::string>{"2 X 8", "7.25"}));
  EXPECT_FLOAT_EQ(outcome.record.DeckGap, 0.0f);
}

}  // namespace
}  // namespace varnloft
