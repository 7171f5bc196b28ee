#pragma once
// A text the user typed, as a message quotes it: a NUL, a tab, a line break or any other control
// character is shown as \xNN, so the message is never cut at a NUL nor broken across lines.
#include <string>

namespace varnloft {

std::string ShownText(const std::string& text);

}  // namespace varnloft
