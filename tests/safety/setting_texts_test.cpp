// The typed safety settings: masses in kilograms or pounds, the deflection ratio with or without
// "L/", and every other text refused rather than read as part of it.
#include "safety/setting_texts.h"

#include <gtest/gtest.h>

#include "safety/wood.h"

namespace varnloft {
namespace {

TEST(SettingTexts, PersonMassesInKilogramsOrPounds) {
  EXPECT_DOUBLE_EQ(*ReadPersonMassKg("110"), 110);
  EXPECT_DOUBLE_EQ(*ReadPersonMassKg(" 72.5 kg "), 72.5);
  EXPECT_DOUBLE_EQ(*ReadPersonMassKg("243lb"), 243 * 0.45359237);
  EXPECT_DOUBLE_EQ(*ReadPersonMassKg("243 LB"), 243 * 0.45359237);
  for (const char* bad :
       {"", "kg", "0", "-5", "12x", "1e400", "nan", "inf", "1001", "+3", "110 kg kg", "lb243"})
    EXPECT_FALSE(ReadPersonMassKg(bad)) << bad;
}

TEST(SettingTexts, DeflectionRatios) {
  EXPECT_DOUBLE_EQ(*ReadDeflectionRatio("180"), 180);
  EXPECT_DOUBLE_EQ(*ReadDeflectionRatio("L/360"), 360);
  EXPECT_DOUBLE_EQ(*ReadDeflectionRatio(" l/240 "), 240);
  for (const char* bad : {"", "L/", "0", "0.5", "-180", "180mm", "L/L/180", "1e9"})
    EXPECT_FALSE(ReadDeflectionRatio(bad)) << bad;
}

TEST(SettingTexts, SpeciesByNameCaseAside) {
  for (WoodSpecies species : AllSpecies())
    EXPECT_EQ(SpeciesNamed(PropertiesOf(species).name), species);
  EXPECT_EQ(SpeciesNamed("  southern pine no. 2 "), WoodSpecies::SouthernPineNo2);
  EXPECT_EQ(SpeciesNamed("c24"), WoodSpecies::C24);
  EXPECT_FALSE(SpeciesNamed("Oak"));
  EXPECT_FALSE(SpeciesNamed("C2"));
  EXPECT_FALSE(SpeciesNamed(""));
}

}  // namespace
}  // namespace varnloft
