#pragma once
// Our plain types as Qt's: text (UTF-8 in std::string) and colours.
#include <QColor>
#include <QString>
#include <string>

#include "platform/canvas.h"

namespace varnloft {

inline QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

inline QColor ToQColor(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

}  // namespace varnloft
