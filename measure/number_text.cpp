#include "measure/number_text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string_view>
#include <system_error>

#include "measure/errors.h"

namespace varnloft {

namespace {

// More significant digits than any double's exact decimal expansion has (at most 767).
constexpr int kExactPrecision = 770;
// Enough decimals to write any double exactly; guards against absurd requests.
constexpr int kMaxDecimals = 1100;
// Plain decimal form is used for magnitudes in [1e-5, 1e15); exponent form outside.
constexpr int kLowestPlainExponent = -5;
constexpr int kHighestPlainExponent = 14;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The decimal digits of a magnitude; digits[i] stands for digits[i] * 10^(exponent - i).
struct DecimalDigits {
  std::string digits;
  int exponent = 0;
};

// Splits scientific text "d.ddde+XX" (no sign) into digits and exponent. The exact expansion
// has hundreds of digits, so they are copied in two pieces into storage reserved once.
DecimalDigits SplitScientific(std::string_view text) {
  DecimalDigits out;
  const size_t e = std::min(text.find('e'), text.size());
  const std::string_view mantissa = text.substr(0, e);
  const size_t point = mantissa.find('.');
  out.digits.reserve(mantissa.size());
  out.digits.append(mantissa.substr(0, point));
  if (point != std::string_view::npos) out.digits.append(mantissa.substr(point + 1));
  if (e < text.size()) {
    int exponent = 0;
    std::string_view rest = text.substr(e + 1);
    if (!rest.empty() && rest.front() == '+') rest.remove_prefix(1);
    std::from_chars(rest.data(), rest.data() + rest.size(), exponent);
    out.exponent = exponent;
  }
  return out;
}

// Non-zero finite magnitude only. precision < 0 gives the shortest round-trip digits,
// otherwise that many digits after the first (kExactPrecision gives the exact expansion).
DecimalDigits DigitsOf(double magnitude, int precision) {
  char buffer[kExactPrecision + 32];
  auto result = precision < 0 ? std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                              std::chars_format::scientific)
                              : std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                              std::chars_format::scientific, precision);
  return SplitScientific(std::string_view(buffer, result.ptr - buffer));
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

// Adds one unit in the last place of a digit string, growing it when all digits are nines.
void IncrementDigits(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

// Reads an exponent's digits, saturating instead of overflowing.
long long SaturatingExponent(std::string_view digits) {
  long long value = 0;
  for (char c : digits) {
    value = std::min<long long>(value * 10 + (c - '0'), LLONG_MAX / 20);
  }
  return value;
}

// For text the parser refused as out of range: true when it is too large (rather than too small).
// The mantissa holds at least one digit other than zero here.
bool IsBeyondLargestDouble(std::string_view mantissa, std::string_view exponentText) {
  long long exponent = 0;
  if (!exponentText.empty()) {
    bool negative = exponentText.front() == '-';
    if (exponentText.front() == '+' || negative) exponentText.remove_prefix(1);
    exponent = SaturatingExponent(exponentText);
    if (negative) exponent = -exponent;
  }
  size_t point = mantissa.find('.');
  if (point == std::string_view::npos) point = mantissa.size();
  size_t lead = mantissa.find_first_not_of("0.");
  // Power of ten of the leading significant digit.
  long long leadPower = lead < point ? static_cast<long long>(point - lead) - 1
                                     : -static_cast<long long>(lead - point);
  return leadPower + exponent >= 0;
}

}  // namespace

bool TryReadNumber(const std::string& text, double& value) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  std::string_view s(text.data() + first, last - first);

  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const size_t mantissaStart = i;
  int digitCount = 0;
  bool seenPoint = false;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      ++digitCount;
    } else if (s[i] == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }
  if (digitCount == 0) return false;
  std::string_view mantissa = s.substr(mantissaStart, i - mantissaStart);
  std::string_view exponentText;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t start = ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digitsStart = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    if (i == digitsStart) return false;
    exponentText = s.substr(start, i - start);
  }
  if (i != s.size()) return false;

  // The grammar is checked above, so the parser sees only unsigned plain decimals;
  // std::from_chars ignores the locale.
  double parsed = 0;
  const char* begin = s.data() + mantissaStart;
  const char* end = s.data() + s.size();
  auto result = std::from_chars(begin, end, parsed, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    if (mantissa.find_first_not_of("0.") != std::string_view::npos &&
        IsBeyondLargestDouble(mantissa, exponentText)) {
      return false;
    }
    parsed = 0;  // Too small to hold: the nearest double is zero.
  } else if (result.ec != std::errc() || result.ptr != end) {
    return false;
  }
  value = negative ? -parsed : parsed;
  return true;
}

double ReadNumber(const std::string& text) {
  double value = 0;
  if (!TryReadNumber(text, value)) throw ConversionError(text);
  return value;
}

std::string PlainDecimal(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (value == 0) return "0";
  DecimalDigits d = DigitsOf(std::fabs(value), -1);
  std::string out = value < 0 ? "-" : "";
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent >= kLowestPlainExponent && d.exponent <= kHighestPlainExponent) {
    if (d.exponent < 0) {
      out += "0." + std::string(-d.exponent - 1, '0') + d.digits;
    } else if (n <= d.exponent + 1) {
      out += d.digits + std::string(d.exponent + 1 - n, '0');
    } else {
      out += d.digits.substr(0, d.exponent + 1) + "." + d.digits.substr(d.exponent + 1);
    }
    return out;
  }
  out += d.digits.substr(0, 1);
  if (n > 1) out += "." + d.digits.substr(1);
  out += d.exponent < 0 ? "E-" : "E+";
  out += std::to_string(std::abs(d.exponent));
  return out;
}

std::string FixedText(double value, int decimals, int maxSignificant) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const int places = std::clamp(decimals, 0, kMaxDecimals);
  const int significant = std::clamp(maxSignificant, 1, kExactPrecision);

  std::string kept;  // digits of the rounded magnitude, the last at 10^roundPlace
  int roundPlace = -places;
  if (value != 0) {
    DecimalDigits d = DigitsOf(std::fabs(value), kExactPrecision);
    roundPlace = std::max(d.exponent - significant + 1, -places);
    const int keep = d.exponent - roundPlace + 1;
    const int n = static_cast<int>(d.digits.size());
    bool roundUp = false;
    if (keep > 0) {
      kept = d.digits.substr(0, std::min(keep, n));
      kept.resize(keep, '0');
      roundUp = keep < n && d.digits[keep] >= '5';
    } else {
      roundUp = keep == 0 && d.digits[0] >= '5';
    }
    // The digits are exact, so the first dropped digit alone tells whether at least half remains.
    if (roundUp) IncrementDigits(kept);
  }
  const bool isZero = kept.find_first_not_of('0') == std::string::npos;

  // The rounded magnitude times 10^places, as a whole number.
  std::string scaled = isZero ? "0" : kept + std::string(roundPlace + places, '0');
  if (static_cast<int>(scaled.size()) <= places) {
    scaled.insert(0, places + 1 - scaled.size(), '0');
  }
  std::string whole = scaled.substr(0, scaled.size() - places);
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
  std::string out = (value < 0 && !isZero) ? "-" + whole : whole;
  if (places > 0) out += "." + scaled.substr(scaled.size() - places);
  return out;
}

std::string GroupThousands(long long value, const std::string& separator) {
  // The magnitude is taken unsigned so that the most negative value has one too.
  unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                           : static_cast<unsigned long long>(value);
  std::string text = std::to_string(magnitude);
  if (value < 0) text.insert(0, "-");
  return GroupThousandsInText(text, separator);
}

std::string GroupThousandsInText(const std::string& numberText, const std::string& separator) {
  size_t start = numberText.find_first_of("0123456789");
  if (start == std::string::npos) return numberText;
  size_t end = start;
  while (end < numberText.size() && IsDigit(numberText[end])) ++end;
  std::string out = numberText;
  for (size_t pos = end; pos > start + 3;) {
    pos -= 3;
    out.insert(pos, separator);
  }
  return out;
}

}  // namespace varnloft
