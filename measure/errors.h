#pragma once
// The program's two kinds of failure. Both carry the exact text the user sees in the error box.
#include <stdexcept>
#include <string>

#include "measure/shown_text.h"

namespace varnloft {

// Raised where a user action cannot go on; caught once at the outermost entry of each user event.
class ProgramError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "'abc' is not a valid floating point value"
class ConversionError : public ProgramError {
 public:
  explicit ConversionError(const std::string& text)
      : ProgramError("'" + ShownText(text) + "' is not a valid floating point value") {}
};

// Zero divisors are tested explicitly where the program promises this error (C++ does not trap).
class DivisionByZeroError : public ProgramError {
 public:
  DivisionByZeroError() : ProgramError("Floating point division by zero") {}
};

}  // namespace varnloft
