#pragma once
// The plan's name: what the main window's first status panel says, with a time stamp added for
// a custom design so that every saved custom plan gets a name of its own.
#include <string>

#include "platform/clock.h"

namespace varnloft {

inline constexpr char kCustomDesignStatus[] = "Custom Design Table";

// "mmdyyyy-hhmmss": two-digit month, day without a leading zero, four-digit year, then the
// time on the 24-hour clock, e.g. "0152007-090507" for 5 January 2007 at 09:05:07.
std::string PlanTimeStamp(const LocalDateTime& now);

// The status text itself, or for exactly "Custom Design Table" that text, a blank and the
// time stamp of `now`.
std::string PlanName(const std::string& statusText, const LocalDateTime& now);

// A file name the file system accepts, made from the plan's name and `extension` (".bmp"):
// characters that are not allowed in a file name ("/", "\", ":", "*", "?", "\"", "<", ">",
// "|" and control characters) become "-", the name is kept within the length a file name may
// have, and a name that is empty or only dots becomes "Picnic Table Plan". Blanks stay.
std::string PlanFileName(const std::string& planName, const std::string& extension);

}  // namespace varnloft
