#include "design/design_inputs.h"

#include <cfloat>
#include <cmath>

#include "design/lumber_size_table.h"
#include "measure/errors.h"
#include "measure/length_text.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

using R = DesignRecord;

// clang-format off
std::vector<DesignInput> MakeInputs() {
  return {
    {"overallLength",       &R::OverallLength,       InputUnit::Length,      {"6", "0", "0"}, {"1", "829", "0"}},
    {"tableHeight",         &R::TableHeight,         InputUnit::Length,      {"2", "5", "8"}, {"0", "749", "0"}},
    {"seatHeight",          &R::SeatHeight,          InputUnit::Length,      {"1", "5", "8"}, {"0", "445", "0"}},
    {"leftDeckOverhang",    &R::LeftDeckOverhang,    InputUnit::ShortLength, {"3", "8"},      {"152", "0"}},
    {"rightDeckOverhang",   &R::RightDeckOverhang,   InputUnit::ShortLength, {"3", "8"},      {"152", "0"}},
    {"leftSeatOverhang",    &R::LeftSeatOverhang,    InputUnit::ShortLength, {"3", "8"},      {"152", "0"}},
    {"rightSeatOverhang",   &R::RightSeatOverhang,   InputUnit::ShortLength, {"3", "8"},      {"152", "0"}},
    {"seatToTableDistance", &R::SeatToTableDistance, InputUnit::ShortLength, {"3", "0"},      {"127", "0"}},
    {"deckGap",             &R::DeckGap,             InputUnit::ShortLength, {"0", "4"},      {"6", "0"}},
    {"tableTopSize",        &R::DeckBoardWidth,      InputUnit::LumberWidth, {"2 X 6", "5.5"}, {"140", "140"}, &BoardSizes()},
    {"seatSize",            &R::SeatBoardWidth,      InputUnit::LumberWidth, {"2 X 6", "5.5"}, {"140", "140"}, &BoardSizes()},
    {"outerSupportSize",    &R::OuterSupportDepth,   InputUnit::LumberWidth, {"2 X 4", "3.5"}, {"89", "89"},   &FramingSizesToEight()},
    {"centreSupportSize",   &R::CentreSupportDepth,  InputUnit::LumberWidth, {"2 X 4", "3.5"}, {"89", "89"},   &FramingSizesToEight()},
    {"seatSupportSize",     &R::SeatSupportDepth,    InputUnit::LumberWidth, {"2 X 4", "3.5"}, {"89", "89"},   &FramingSizesToEight()},
    {"legSize",             &R::LegWidth,            InputUnit::LumberWidth, {"2 X 4", "3.5"}, {"89", "89"},   &FramingSizesToSix()},
    {"endCapSize",          &R::EndCapWidth,         InputUnit::LumberWidth, {"NONE", "0"},   {"NONE", "0"},  &EndCapSizes()},
    {"deckBoardCount",      &R::DeckBoardCount,      InputUnit::Count,       {"6"},           {"6"}},
    {"seatBoardCount",      &R::SeatBoardCount,      InputUnit::Count,       {"2"},           {"2"}},
  };
}
// clang-format on

// Reads one text as a number; refuses values no float can hold, so no infinity enters the record.
double ReadText(const std::string& text) {
  double v = ReadNumber(text);
  if (std::fabs(v) > FLT_MAX) {
    throw ProgramError("'" + ShownText(text) + "' is too large a number for a table design.");
  }
  return v;
}

// Stores a converted value; a sum of large entries can still overflow the float it is kept in.
float Store(double value, const std::string& firstText) {
  float f = static_cast<float>(value);
  if (!std::isfinite(f)) {
    throw ProgramError("The entry beginning with '" + ShownText(firstText) +
                       "' gives a length too large for a table design.");
  }
  return f;
}

// The whole millimetres of a length, all of it: a length of a metre or more keeps its metres.
std::string WholeMillimetres(float feet) {
  return FixedText(static_cast<double>(FeetToMetres(feet)) * 1000, 0, 15);
}

}  // namespace

const std::vector<DesignInput>& DesignInputs() {
  static const std::vector<DesignInput> inputs = MakeInputs();
  return inputs;
}

const DesignInput* FindInput(std::string_view role) {
  for (const auto& input : DesignInputs())
    if (role == input.role) return &input;
  return nullptr;
}

size_t SlotCount(InputUnit unit) {
  switch (unit) {
    case InputUnit::Length:
      return 3;
    case InputUnit::ShortLength:
    case InputUnit::LumberWidth:
      return 2;
    case InputUnit::Count:
      break;
  }
  return 1;
}

std::vector<size_t> ReadSlots(InputUnit unit, bool imperial) {
  switch (unit) {
    case InputUnit::Length:
      return imperial ? std::vector<size_t>{0, 1, 2} : std::vector<size_t>{0, 1};
    case InputUnit::ShortLength:
      return imperial ? std::vector<size_t>{0, 1} : std::vector<size_t>{0};
    case InputUnit::LumberWidth:
      return {1};
    case InputUnit::Count:
      break;
  }
  return {0};
}

std::vector<std::string> DefaultTexts(const DesignInput& input, bool imperial) {
  const auto& texts = imperial ? input.imperialTexts : input.metricTexts;
  return {texts.begin(), texts.end()};
}

float ReadInputValue(const DesignInput& input, const std::vector<std::string>& texts,
                     bool imperial) {
  switch (input.unit) {
    case InputUnit::Length:
      if (imperial) {
        double feet = ReadText(texts.at(0));
        double inches = ReadText(texts.at(1));
        double sixteenths = ReadText(texts.at(2));
        return Store(feet + inches / 12 + sixteenths / 12 / 16, texts[0]);
      } else {
        double metres = ReadText(texts.at(0));
        double millimetres = ReadText(texts.at(1));
        return Store((metres + millimetres / 1000) * kFeetPerMetre, texts[0]);
      }
    case InputUnit::ShortLength:
      if (imperial) {
        double inches = ReadText(texts.at(0));
        double sixteenths = ReadText(texts.at(1));
        return Store(inches / 12 + sixteenths / 12 / 16, texts[0]);
      }
      return Store(ReadText(texts.at(0)) / 1000 * kFeetPerMetre, texts[0]);
    case InputUnit::LumberWidth: {
      double v = ReadText(texts.at(1));
      return Store(imperial ? v / 12 : v / 1000 * kFeetPerMetre, texts[1]);
    }
    case InputUnit::Count:
      break;
  }
  return Store(ReadText(texts.at(0)), texts[0]);
}

std::vector<std::string> ValueTexts(InputUnit unit, float value, bool imperial) {
  switch (unit) {
    case InputUnit::Length:
      if (imperial) {
        // No carry: a value a hair below a whole inch shows 16 sixteenths and reads back right.
        const double v = value;
        return {PlainDecimal(WholeFeet(v)), PlainDecimal(WholeInches(v)),
                PlainDecimal(SixteenthsOf(v))};
      } else {
        const double metres = FeetToMetres(value);
        const double whole = std::trunc(metres);
        return {PlainDecimal(whole), FixedText((metres - whole) * 1000, 0, 4)};
      }
    case InputUnit::ShortLength:
      if (imperial) {
        const float inches = static_cast<float>(static_cast<double>(value) * 12);
        const double whole = std::trunc(inches);
        return {FixedText(whole, 0, 15), FixedText((inches - whole) * 16, 0, 4)};
      }
      return {WholeMillimetres(value)};
    case InputUnit::LumberWidth:
      if (imperial) return {FixedText(static_cast<double>(value) * 12, 2, 8)};
      return {WholeMillimetres(value)};
    case InputUnit::Count:
      break;
  }
  return {};
}

}  // namespace varnloft
