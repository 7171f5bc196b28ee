#pragma once
// File names as the driver and the plans window read them: the extension that picks a file's
// format, compared without regard to the case of ASCII letters.
#include <string>

namespace varnloft {

// 'A'..'Z' become 'a'..'z'; every other byte, the parts of a UTF-8 character included, stays as
// it is (unlike std::tolower, which is undefined for a negative char).
char AsciiLower(char c);

// The extension of the last component of `path`, from its last dot, in lower-case ASCII:
// "Plan.PNG" -> ".png", "a.b/plan" -> "". As on a desktop, a name whose only dot comes first
// is a hidden file with no extension (".png" -> ""), and so is a name ending in a dot ("plan.").
std::string FileExtension(const std::string& path);

// Whether `s` is longer than `tail` and ends with it, ASCII letters compared without case:
// ("Plan.PDF", ".pdf") is true, (".pdf", ".pdf") is false.
bool EndsWithNoCase(const std::string& s, const std::string& tail);

}  // namespace varnloft
