// Reads the typed safety settings with from_chars, which ignores the locale, so "110.5" reads the
// same everywhere; a text with anything left over is refused.
#include "safety/setting_texts.h"

#include <charconv>
#include <cmath>

#include "safety/si_units.h"

namespace varnloft {

namespace {

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool EndsWithNoCase(std::string_view s, std::string_view suffix) {
  if (s.size() < suffix.size()) return false;
  for (size_t i = 0; i < suffix.size(); ++i) {
    char c = s[s.size() - suffix.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != suffix[i]) return false;
  }
  return true;
}

// The whole text as a finite number; none when anything else is in it.
std::optional<double> Number(std::string_view s) {
  s = Trimmed(s);
  if (s.empty() || s.front() == '+') return std::nullopt;
  double v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace

std::optional<double> ReadPersonMassKg(std::string_view text) {
  text = Trimmed(text);
  double factor = 1;
  if (EndsWithNoCase(text, "kg")) {
    text.remove_suffix(2);
  } else if (EndsWithNoCase(text, "lb")) {
    text.remove_suffix(2);
    factor = kKilogramsPerPound;
  }
  const std::optional<double> v = Number(text);
  if (!v || *v <= 0 || *v * factor > 1000) return std::nullopt;
  return *v * factor;
}

std::optional<double> ReadDeflectionRatio(std::string_view text) {
  text = Trimmed(text);
  if (text.size() > 2 && (text[0] == 'L' || text[0] == 'l') && text[1] == '/')
    text.remove_prefix(2);
  const std::optional<double> v = Number(text);
  if (!v || *v < 1 || *v > 100000) return std::nullopt;
  return v;
}

}  // namespace varnloft
