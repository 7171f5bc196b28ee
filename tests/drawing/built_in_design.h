#pragma once
// Designs for the drawing tests, computed by the real calculation from the main window's boxes.
#include <map>
#include <string>

#include "design/design_record.h"

namespace varnloft::testing {

// The box texts of the built-in 6 ft table; tests change single boxes.
std::map<std::string, std::string> BuiltInBoxes();

// Runs the calculation on these boxes (imperial, 1 1/2 in lumber), answering No to the overlap
// question.
DesignRecord CalculatedDesign(const std::map<std::string, std::string>& boxes,
                              bool supportsExterior = true);

inline DesignRecord BuiltInDesign(bool supportsExterior = true) {
  return CalculatedDesign(BuiltInBoxes(), supportsExterior);
}

}  // namespace varnloft::testing
