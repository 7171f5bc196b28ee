#pragma once
// Reading the numbers typed into boxes, and the two ways numbers are written as text.
#include <string>

namespace varnloft {

// Reads a box text as a decimal number: optional blanks (spaces, tabs) around, optional sign,
// digits with at most one full stop (".5" and "5." are fine), optional exponent. Nothing else
// ("inf", "nan", "0x10", "1,5", "" are refused), whatever the locale. Throws ConversionError
// naming the original text. Values beyond double range are refused too; values too small for a
// double read as zero.
double ReadNumber(const std::string& text);

// Like ReadNumber, but returns false instead of throwing.
bool TryReadNumber(const std::string& text, double& value);

// The shortest plain decimal text that reads back to the same value: 6, 0.25, 5.5, -1.
// Magnitudes from 1e-5 up to below 1e15 are written without exponent; others use the shortest
// digits with an exponent ("1E+20", "1.5E-7") as ReadNumber accepts. Zero is "0" whatever its
// sign; non-finite values give "NAN", "INF" or "-INF".
std::string PlainDecimal(double value);

// Fixed-point text with exactly `decimals` decimals, rounded once (halves away from zero) at
// whichever place is coarser: the `maxSignificant`-th significant digit or the last decimal.
// FixedText(7.9999, 0, 15) == "8", FixedText(5.5, 2, 15) == "5.50", FixedText(7.449, 1, 3) ==
// "7.4", FixedText(12345, 0, 4) == "12350". The rounding works on the exact binary value, so
// 0.125 gives "0.13" and 1.005 (just below) gives "1.00" with two decimals. A result that rounds
// to zero has no minus sign. Non-finite values give "NAN", "INF" or "-INF".
std::string FixedText(double value, int decimals, int maxSignificant);

// Writes a whole number with a thousands separator between groups of three digits.
std::string GroupThousands(long long value, const std::string& separator);

// Puts the separator between groups of three in the whole-number digits of a number text such as
// "-1234567.50" (from FixedText); any size, no range limit.
std::string GroupThousandsInText(const std::string& numberText, const std::string& separator);

}  // namespace varnloft
