#pragma once
// Reading a length as a builder types it, or as the program prints it, in one measure.
#include <optional>
#include <string>
#include <string_view>

namespace varnloft {

// Reads a typed length as inches (imperial) or millimetres (metric); nullopt when the text is
// not a length of that measure. Blanks (spaces, tabs) may stand between any two parts.
//
// Imperial: feet marked with ', inches marked with ", in that order, either one alone:
//   6'   6' 2"   6' 2 1/2"   6' - 2   1/2"   6' -  1/2"   74 1/2"   74-1/2"   1/4"   6.5'
// A number of feet or inches is digits with at most one full stop, and may carry an exponent
// ("1E+20'", as huge lengths are printed). Inches may have a fraction n/d (any whole n, any d
// above 0) after the whole inches or alone. After feet, an optional "-" may come before the
// inches, and their " may be left off ("6' 2"). A text with no mark at all is in feet when
// `bareInFeet` is set, otherwise in inches, fraction included ("6 1/2" is six and a half).
//
// Metric: metres marked m, millimetres marked mm (either case), in that order, either alone:
//   1.85 m   1850 mm   1,829 mm   1 m 850 mm   1850
// The whole digits may be grouped by threes with `thousandsSeparator` (a separator followed by
// exactly three digits and no fourth is a separator, so with a "." separator "1.850" is 1850).
// A number with no mark is millimetres, also right after metres ("1 m 850").
//
// Feet and inches in metric measure, metres and millimetres in imperial measure, signs and
// anything else are refused.
std::optional<double> ReadTypedLength(std::string_view text, bool imperial, bool bareInFeet,
                                      const std::string& thousandsSeparator = ",");

}  // namespace varnloft
