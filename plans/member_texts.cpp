#include "plans/member_texts.h"

#include "measure/angles.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

struct NominalSize {
  float inches;
  const char* label;
};

// Actual widths of dressed lumber and their nominal names.
constexpr NominalSize kNominalSizes[] = {
    {0.75f, "(1 X 2)"}, {1.5f, "(2 X 2)"},  {2.5f, "(2 X 3)"},   {3.5f, "(2 X 4)"},
    {5.5f, "(2 X 6)"},  {7.25f, "(2 X 8)"}, {9.25f, "(2 X 10)"}, {11.25f, "(2 X 12)"},
};

}  // namespace

std::string MemberSizeLabel(const DesignRecord& rec, float widthFeet) {
  const float inches = static_cast<float>(static_cast<double>(widthFeet) * 12);
  if (!rec.ModelScale) {
    for (const NominalSize& size : kNominalSizes)
      if (inches == size.inches) return size.label;
  }
  return rec.FormatLength(static_cast<float>(static_cast<double>(inches) / 12));
}

std::string AngleSquareText(const DesignRecord& rec, float degrees) {
  // The rise is shown at full size even while a model scale shrinks every other length.
  LengthSettings settings = rec.Lengths();
  settings.formatUnscaled = rec.ModelScale;
  const std::string rise = FormatLength(TanDeg(degrees), settings);
  const char* suffix =
      rec.ImperialUnits ? "   on 12 using a rafter square." : "  on  305 mm using a rafter square.";
  return AngleText(degrees) + "\xC2\xB0" + "  is  " + rise + suffix;
}

std::string AngleText(float degrees) {
  return FixedText(degrees, 1, 3);
}

std::string CountText(double count) {
  return FixedText(count, 0, 15);
}

}  // namespace varnloft
