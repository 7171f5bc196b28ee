#pragma once
// The printable areas of the pages the printing tests record on, at 600 dpi inside 10 pt margins.

namespace varnloft::testing {

inline constexpr int kLetterWidth = 4934, kLetterHeight = 6434;  // US Letter
inline constexpr int kA4Width = 4792, kA4Height = 6851;

}  // namespace varnloft::testing
