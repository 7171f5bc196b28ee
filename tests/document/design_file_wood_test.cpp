// The wood in the design file: written only when one was chosen (a file without it is as before
// and takes the measure's default), read back exactly, and a name the check does not know refused
// with the reader's usual message and nothing read.
#include <gtest/gtest.h>

#include "document/design_cycle.h"
#include "document/design_file.h"

namespace varnloft {
namespace {

DesignFileText Written(const DesignDocument& d) {
  return WriteDesignFile(d, Design(d, OverlapAnswer::NotAsked).record, {});
}

TEST(DesignFileSpecies, AChosenSpeciesGoesRoundTheFile) {
  for (WoodSpecies species : AllSpecies()) {
    DesignDocument d = AdultStandardDocument(false);
    d.species = species;
    const DesignFileText file = Written(d);
    ASSERT_TRUE(file.error.empty()) << file.error;
    EXPECT_NE(file.text.find(std::string("\"species\": \"") + PropertiesOf(species).name + "\""),
              std::string::npos);
    const DesignFileReading read = ReadDesignFile(file.text);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.contents.state, d);
    EXPECT_TRUE(read.contents.missingKeys.empty());
  }
}

TEST(DesignFileSpecies, NoSpeciesWritesNoKeyAndReadsNone) {
  const DesignDocument d = AdultStandardDocument(true);
  const DesignFileText file = Written(d);
  EXPECT_EQ(file.text.find("\"species\""), std::string::npos);
  const DesignFileReading read = ReadDesignFile(file.text);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_FALSE(read.contents.state.species);
  EXPECT_TRUE(read.contents.missingKeys.empty());  // its absence is not reported
}

TEST(DesignFileSpecies, AnUnknownOrMistypedSpeciesIsRefused) {
  DesignDocument d = AdultStandardDocument(true);
  d.species = WoodSpecies::C16;
  std::string text = Written(d).text;
  const std::string key = "\"species\": \"C16\"";
  const size_t at = text.find(key);
  ASSERT_NE(at, std::string::npos);

  std::string oak = text;
  oak.replace(at, key.size(), "\"species\": \"Oak\"");
  const DesignFileReading refused = ReadDesignFile(oak);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.error, "\"species\" names no wood the safety check knows: \"Oak\"");
  EXPECT_FALSE(refused.contents.state.species);

  std::string number = text;
  number.replace(at, key.size(), "\"species\": 24");
  const DesignFileReading wrongType = ReadDesignFile(number);
  EXPECT_FALSE(wrongType.ok);
  EXPECT_NE(wrongType.error.find("\"species\" should be"), std::string::npos) << wrongType.error;

  std::string lower = text;
  lower.replace(at, key.size(), "\"species\": \"c16\"");
  const DesignFileReading caseAside = ReadDesignFile(lower);
  ASSERT_TRUE(caseAside.ok) << caseAside.error;
  EXPECT_EQ(caseAside.contents.state.species, WoodSpecies::C16);
}

}  // namespace
}  // namespace varnloft
