#pragma once
// Minimal JSON string quoting for the driver's outputs (UTF-8 passes through unchanged).
#include <string>

namespace varnloft {

std::string JsonQuote(const std::string& text);

}  // namespace varnloft
