#include "platform/json_text.h"

#include <cstdio>

namespace varnloft {

namespace {

constexpr char kReplacementCharacter[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// The length of the well-formed UTF-8 sequence at text[at], or 0 when it is ill-formed; then
// `subpart` is the length of its maximal subpart (at least 1), which one U+FFFD replaces.
size_t WellFormedLength(const std::string& text, size_t at, size_t& subpart) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  size_t length = 0;
  // The second byte's range is narrower after some leads: this excludes overlong forms (E0,
  // F0), surrogates (ED) and code points beyond U+10FFFF (F4).
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    subpart = 1;  // a continuation byte without a lead, C0, C1 or F5..FF
    return 0;
  }
  for (size_t i = 1; i < length; ++i) {
    const bool inRange = at + i < text.size() && byte(at + i) >= low && byte(at + i) <= high;
    if (!inRange) {
      subpart = i;
      return 0;
    }
    low = 0x80, high = 0xBF;
  }
  return length;
}

}  // namespace

std::string JsonQuote(const std::string& text) {
  std::string out = "\"";
  size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      size_t subpart = 0;
      const size_t length = WellFormedLength(text, i, subpart);
      if (length > 0) {
        out.append(text, i, length);
        i += length;
      } else {
        out += kReplacementCharacter;
        i += subpart;
      }
      continue;
    }
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
    ++i;
  }
  return out + "\"";
}

}  // namespace varnloft
