// The number reader and the two number writers against the C library as an independent oracle:
// whatever the reader accepts reads as strtod reads it, PlainDecimal reads back to the same
// double, and FixedText rounds exactly as printf does (halves away from zero instead of to even).
//
// The input is read twice: as a box text for the reader, and (from 8 bytes on) as the raw bits
// of a double with a decimals and a significant-digits byte for the writers.
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "measure/errors.h"
#include "measure/number_text.h"
#include "measure/shown_text.h"

namespace varnloft::fuzz {
namespace {

// Longer texts skip the grammar oracle: std::regex recurses per character.
constexpr size_t kMaxRegexLength = 256;

// Sign, digits with at most one full stop, optional exponent, blanks around; the sign, mantissa
// and exponent are captured.
const std::regex& DecimalGrammar() {
  static const std::regex grammar(
      R"(^[ \t]*([+-]?)([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*$)");
  return grammar;
}

bool Finite(double v) {
  return std::isfinite(v);
}

// The same bits: tells -0 from 0.
bool SameDouble(double a, double b) {
  return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

std::string Printf(const char* format, int precision, double value) {
  std::vector<char> buffer(2600);
  int n = std::snprintf(buffer.data(), buffer.size(), format, precision, value);
  FUZZ_CHECK(n > 0 && static_cast<size_t>(n) < buffer.size(), "reference text does not fit");
  return std::string(buffer.data(), n);
}

void CheckReader(const std::string& text) {
  double value = 12345.0;
  const bool read = TryReadNumber(text, value);
  try {
    double thrown = ReadNumber(text);
    FUZZ_CHECK(read, "ReadNumber accepted what TryReadNumber refused: '" + text + "'");
    FUZZ_CHECK(SameDouble(thrown, value), "ReadNumber and TryReadNumber disagree");
  } catch (const ConversionError& e) {
    FUZZ_CHECK(!read, "ReadNumber refused what TryReadNumber accepted: '" + text + "'");
    // The message quotes the text with its control characters shown escaped, so a NUL byte in
    // it never cuts the message short.
    const std::string expected = "'" + ShownText(text) + "' is not a valid floating point value";
    FUZZ_CHECK(e.what() == expected, "wrong conversion message: " + std::string(e.what()));
  }
  if (!read) {
    FUZZ_CHECK(SameDouble(value, 12345.0), "a refused text changed the value");
    return;
  }
  FUZZ_CHECK(Finite(value), "the reader let a non-finite value through: '" + text + "'");

  if (text.size() > kMaxRegexLength) return;
  std::smatch m;
  FUZZ_CHECK(std::regex_match(text, m, DecimalGrammar()),
             "the reader accepted a text outside the decimal grammar: '" + text + "'");
  // strtod with the C locale (the fuzzer never sets one) is correctly rounded.
  const std::string bare = m[1].str() + m[2].str() + m[3].str();
  errno = 0;
  char* end = nullptr;
  const double reference = std::strtod(bare.c_str(), &end);
  FUZZ_CHECK(end == bare.c_str() + bare.size(), "strtod stopped early on '" + bare + "'");
  FUZZ_CHECK(Finite(reference), "the reader accepted a value beyond double range: '" + text + "'");
  FUZZ_CHECK(value == reference, "'" + text + "' read as " + Printf("%.*g", 17, value) +
                                     ", strtod gives " + Printf("%.*g", 17, reference));
}

// Every text in the grammar reads; only values beyond the largest double are refused.
void CheckGrammarIsAccepted(const std::string& text) {
  if (text.size() > kMaxRegexLength) return;
  if (!std::regex_match(text, DecimalGrammar())) return;
  double value = 0;
  if (TryReadNumber(text, value)) return;
  std::string trimmed = text;
  while (!trimmed.empty() && (trimmed[0] == ' ' || trimmed[0] == '\t')) trimmed.erase(0, 1);
  errno = 0;
  const double reference = std::strtod(trimmed.c_str(), nullptr);
  FUZZ_CHECK(!Finite(reference) && errno == ERANGE,
             "the reader refused the plain decimal '" + text + "'");
}

void CheckPlainDecimal(double value) {
  const std::string text = PlainDecimal(value);
  if (!Finite(value)) {
    const char* expected = std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
    FUZZ_CHECK(text == expected, "PlainDecimal of a non-finite value gave " + text);
    return;
  }
  double back = 0;
  FUZZ_CHECK(TryReadNumber(text, back), "PlainDecimal wrote unreadable '" + text + "'");
  FUZZ_CHECK(back == value, "PlainDecimal '" + text + "' reads back as another double than " +
                                Printf("%.*g", 17, value));
  const double magnitude = std::fabs(value);
  const bool plain = magnitude == 0 || (magnitude >= 1e-5 && magnitude < 1e15);
  FUZZ_CHECK(plain == (text.find('E') == std::string::npos),
             "PlainDecimal chose the wrong form: '" + text + "'");
}

// The digit of an exact decimal expansion at 10^power; `digits` starts at 10^exponent.
char DigitAt(const std::string& digits, int exponent, int power) {
  const long index = static_cast<long>(exponent) - power;
  return index >= 0 && index < static_cast<long>(digits.size()) ? digits[index] : '0';
}

// printf's text of a value rounded to `digits` significant digits, rewritten with `decimals`
// fixed decimals; the caller guarantees the rounding place is at or above the last decimal.
std::string ScientificToFixed(const std::string& scientific, int decimals) {
  std::string digits;
  size_t i = 0;
  bool negative = scientific[0] == '-';
  if (negative) ++i;
  for (; scientific[i] != 'e'; ++i)
    if (scientific[i] != '.') digits += scientific[i];
  const int exponent = std::atoi(scientific.c_str() + i + 1);
  // The value is digits * 10^(exponent - digits + 1); write it with the decimal point.
  const int lowest = exponent - static_cast<int>(digits.size()) + 1;
  std::string whole, fraction;
  if (lowest >= 0) {
    whole = digits + std::string(lowest, '0');
  } else {
    const int fractionDigits = -lowest;
    if (static_cast<int>(digits.size()) <= fractionDigits)
      digits.insert(0, fractionDigits + 1 - digits.size(), '0');
    whole = digits.substr(0, digits.size() - fractionDigits);
    fraction = digits.substr(digits.size() - fractionDigits);
  }
  fraction.resize(decimals, '0');
  std::string out = (negative ? "-" : "") + whole;
  if (decimals > 0) out += "." + fraction;
  return out;
}

// Rounded by printf, with halves away from zero: an exact half is rounded under the directed
// rounding mode that points away from zero, everything else to nearest.
std::string ReferenceFixed(double value, int decimals, int significant) {
  const std::string exact = Printf("%.*e", 800, std::fabs(value));
  std::string digits = exact.substr(0, 1) + exact.substr(2, exact.find('e') - 2);
  const int exponent = std::atoi(exact.c_str() + exact.find('e') + 1);
  const int roundPlace = std::max(exponent - significant + 1, -decimals);

  bool half = DigitAt(digits, exponent, roundPlace - 1) == '5';
  for (long index = static_cast<long>(exponent) - (roundPlace - 1) + 1;
       half && index < static_cast<long>(digits.size()); ++index) {
    if (index >= 0 && digits[index] != '0') half = false;
  }
  const int oldMode = std::fegetround();
  std::fesetround(half ? (value > 0 ? FE_UPWARD : FE_DOWNWARD) : FE_TONEAREST);
  std::string out = roundPlace == -decimals
                        ? Printf("%.*f", decimals, value)
                        : ScientificToFixed(Printf("%.*e", significant - 1, value), decimals);
  std::fesetround(oldMode);
  if (out[0] == '-' && out.find_first_of("123456789") == std::string::npos) out.erase(0, 1);
  return out;
}

void CheckFixedText(double value, int decimals, int significant) {
  const std::string text = FixedText(value, decimals, significant);
  if (!Finite(value)) {
    FUZZ_CHECK(text == PlainDecimal(value), "FixedText of a non-finite value gave " + text);
    return;
  }
  const int d = std::clamp(decimals, 0, 1100);
  const int p = std::clamp(significant, 1, 770);
  const std::string reference = value == 0 ? Printf("%.*f", d, 0.0) : ReferenceFixed(value, d, p);
  FUZZ_CHECK(text == reference, "FixedText(" + Printf("%.*g", 17, value) + ", " +
                                    std::to_string(decimals) + ", " + std::to_string(significant) +
                                    ") gave " + text.substr(0, 80) + ", expected " +
                                    reference.substr(0, 80));

  // Grouping only inserts separators between groups of three whole digits.
  for (const char* separator : {",", "\xC2\xA0", "'"}) {
    std::string grouped = GroupThousandsInText(text, separator);
    std::string ungrouped;
    size_t count = 0;
    for (size_t pos = 0; pos < grouped.size();) {
      if (grouped.compare(pos, std::strlen(separator), separator) == 0) {
        pos += std::strlen(separator);
        ++count;
      } else {
        ungrouped += grouped[pos++];
      }
    }
    FUZZ_CHECK(ungrouped == text, "grouping changed the digits of " + text.substr(0, 80));
    const size_t first = text.find_first_of("0123456789");
    const size_t wholeDigits = text.find_first_not_of("0123456789", first) == std::string::npos
                                   ? text.size() - first
                                   : text.find_first_not_of("0123456789", first) - first;
    FUZZ_CHECK(count == (wholeDigits - 1) / 3, "wrong number of separators in " + grouped);
  }
}

// A byte chooses mostly small counts, sometimes the far end of the range.
int SmallOrLarge(uint8_t byte, int smallSpan, int offset, int largeStep) {
  return byte < 200 ? byte % smallSpan + offset : (byte - 200) * largeStep;
}

}  // namespace
}  // namespace varnloft::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace varnloft::fuzz;
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckReader(text);
  CheckGrammarIsAccepted(text);

  int decimals = size > 8 ? SmallOrLarge(data[8], 40, -2, 20) : 2;
  int significant = size > 9 ? SmallOrLarge(data[9], 40, -1, 14) : 15;
  double read = 0;
  if (varnloft::TryReadNumber(text, read)) {
    CheckPlainDecimal(read);
    CheckFixedText(read, decimals, significant);
  }
  if (size >= 8) {
    double bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    CheckPlainDecimal(bits);
    CheckFixedText(bits, decimals, significant);
    // Whole numbers group like their plain text, the most negative one included.
    const auto whole = std::bit_cast<long long>(bits);
    FUZZ_CHECK(varnloft::GroupThousands(whole, ",") ==
                   varnloft::GroupThousandsInText(std::to_string(whole), ","),
               "GroupThousands(" + std::to_string(whole) + ") differs from its plain text");
  }
  return 0;
}
