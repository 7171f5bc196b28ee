#pragma once
// The safety settings as a person types them: the person's mass ("110", "110 kg", "243lb") and
// the deflection limit's ratio ("180" for L/180, "L/180" too). Each text read gives a positive,
// finite number; any other text gives none, so a caller can refuse it and keep what it had.
#include <optional>
#include <string_view>

namespace varnloft {

// The mass in kilograms: a number with "kg" or "lb" after it (blanks allowed, either case), a
// bare number in kilograms. At most 1000 kg.
std::optional<double> ReadPersonMassKg(std::string_view text);

// The ratio N of the limit L/N: a number, or "L/" and a number; from 1 to 100000.
std::optional<double> ReadDeflectionRatio(std::string_view text);

}  // namespace varnloft
