#pragma once
// The two questions a design file asks of a text: is it UTF-8, and how many characters long.
#include <cstddef>
#include <string_view>

namespace varnloft {

// True for well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
bool IsUtf8(std::string_view text);

// The number of characters (code points) of a UTF-8 text.
size_t CharacterCount(std::string_view text);

}  // namespace varnloft
