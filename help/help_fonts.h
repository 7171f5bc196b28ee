#pragma once
// Fonts of the help windows, sized in pixels. Arial falls back to the metric-compatible
// Liberation Sans, which also stands in for the dialog font.
#include <QFont>

namespace varnloft {

inline QFont ArialFont(int pixels, bool bold = false) {
  QFont font;
  font.setFamilies({"Arial", "Liberation Sans"});
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

inline QFont DialogFont(int pixels, bool bold = false) {
  QFont font;
  font.setFamilies({"Liberation Sans"});
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace varnloft
