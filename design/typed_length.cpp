#include "design/typed_length.h"

#include <cctype>

#include "measure/number_text.h"

namespace varnloft {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Walks a typed text; every reader leaves the position unchanged when it finds nothing.
class Scanner {
 public:
  Scanner(std::string_view text, const std::string& separator) : s_(text), sep_(separator) {}

  bool AtEnd() {
    SkipBlanks();
    return i_ == s_.size();
  }

  bool Eat(char c) {
    SkipBlanks();
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }

  // A unit word, either case, not followed by another letter.
  bool EatWord(std::string_view word) {
    SkipBlanks();
    if (s_.size() - i_ < word.size()) return false;
    for (size_t k = 0; k < word.size(); ++k)
      if (std::tolower(static_cast<unsigned char>(s_[i_ + k])) != word[k]) return false;
    const size_t after = i_ + word.size();
    if (after < s_.size() && std::isalpha(static_cast<unsigned char>(s_[after]))) return false;
    i_ = after;
    return true;
  }

  // Digits with at most one full stop and an optional exponent; whole digits grouped by the
  // separator when `grouped`.
  std::optional<double> Number(bool grouped) {
    SkipBlanks();
    const size_t start = i_;
    std::string digits = Digits();
    if (grouped && !sep_.empty() && !digits.empty() && digits.size() <= 3) {
      while (SeparatorGroupFollows()) {
        i_ += sep_.size();
        digits += Digits();
      }
    }
    if (i_ < s_.size() && s_[i_] == '.') {
      ++i_;
      digits += '.' + Digits();
    }
    if (digits.find_first_of("0123456789") == std::string::npos) {
      i_ = start;
      return std::nullopt;
    }
    if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
      size_t k = i_ + 1;
      if (k < s_.size() && (s_[k] == '+' || s_[k] == '-')) ++k;
      if (k < s_.size() && IsDigit(s_[k])) {
        const size_t exponentStart = i_;
        i_ = k;
        Digits();
        digits += s_.substr(exponentStart, i_ - exponentStart);
      }
    }
    double value = 0;
    if (!TryReadNumber(digits, value)) {
      i_ = start;
      return std::nullopt;
    }
    return value;
  }

  // n/d with whole n and d, d above 0.
  std::optional<double> Fraction() {
    SkipBlanks();
    const size_t start = i_;
    const std::string top = Digits();
    if (!top.empty() && Eat('/')) {
      SkipBlanks();
      const std::string bottom = Digits();
      double n = 0, d = 0;
      if (!bottom.empty() && TryReadNumber(top, n) && TryReadNumber(bottom, d) && d > 0)
        return n / d;
    }
    i_ = start;
    return std::nullopt;
  }

  // A fraction alone, or a number with an optional fraction after it ("2 1/2", "2-1/2").
  std::optional<double> Amount() {
    if (auto fraction = Fraction()) return fraction;
    auto whole = Number(false);
    if (!whole) return std::nullopt;
    const size_t afterWhole = i_;
    Eat('-');
    if (auto fraction = Fraction()) return *whole + *fraction;
    i_ = afterWhole;
    return whole;
  }

 private:
  void SkipBlanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
  }

  std::string Digits() {
    const size_t start = i_;
    while (i_ < s_.size() && IsDigit(s_[i_])) ++i_;
    return std::string(s_.substr(start, i_ - start));
  }

  bool SeparatorGroupFollows() const {
    if (s_.substr(i_, sep_.size()) != sep_) return false;
    const size_t k = i_ + sep_.size();
    if (s_.size() - k < 3) return false;
    for (size_t m = k; m < k + 3; ++m)
      if (!IsDigit(s_[m])) return false;
    return k + 3 == s_.size() || !IsDigit(s_[k + 3]);
  }

  std::string_view s_;
  const std::string& sep_;
  size_t i_ = 0;
};

std::optional<double> ReadImperial(Scanner& in, bool bareInFeet) {
  const auto first = in.Amount();
  if (!first) return std::nullopt;
  if (in.Eat('\'')) {
    const double feetInches = *first * 12;
    if (in.AtEnd()) return feetInches;
    in.Eat('-');
    const auto inches = in.Amount();
    if (!inches) return std::nullopt;
    in.Eat('"');
    if (!in.AtEnd()) return std::nullopt;
    return feetInches + *inches;
  }
  if (in.Eat('"')) return in.AtEnd() ? first : std::nullopt;
  if (!in.AtEnd()) return std::nullopt;
  return bareInFeet ? *first * 12 : *first;
}

std::optional<double> ReadMetric(Scanner& in) {
  const auto first = in.Number(true);
  if (!first) return std::nullopt;
  if (in.EatWord("mm")) return in.AtEnd() ? first : std::nullopt;
  if (in.EatWord("m")) {
    const double metresMillimetres = *first * 1000;
    if (in.AtEnd()) return metresMillimetres;
    const auto millimetres = in.Number(true);
    if (!millimetres) return std::nullopt;
    in.EatWord("mm");
    if (!in.AtEnd()) return std::nullopt;
    return metresMillimetres + *millimetres;
  }
  return in.AtEnd() ? first : std::nullopt;
}

}  // namespace

std::optional<double> ReadTypedLength(std::string_view text, bool imperial, bool bareInFeet,
                                      const std::string& thousandsSeparator) {
  Scanner in(text, thousandsSeparator);
  return imperial ? ReadImperial(in, bareInFeet) : ReadMetric(in);
}

}  // namespace varnloft
