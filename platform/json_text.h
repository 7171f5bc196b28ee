#pragma once
// JSON string quoting for the driver's outputs. The result is always valid UTF-8: valid UTF-8
// passes through unchanged, and each invalid sequence becomes U+FFFD.
#include <string>

namespace varnloft {

// `text` as a JSON string with its quotes. Quotes, backslashes and control characters are
// escaped. Bytes that are not UTF-8 (a stray continuation byte, 0xC0, 0xC1, 0xF5..0xFF, an
// overlong form, a surrogate, a code point beyond U+10FFFF, a truncated sequence) are replaced
// by U+FFFD, one for each maximal subpart of an ill-formed sequence, as Unicode recommends: a
// valid start with some valid continuation bytes counts once, and the byte that breaks it is
// read again as the start of what follows.
std::string JsonQuote(const std::string& text);

}  // namespace varnloft
