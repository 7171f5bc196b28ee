#pragma once
// One action of the driver's command line, and the error of a command line the driver cannot
// run: what every group of the driver's options reads and throws.
#include <stdexcept>
#include <string>

namespace varnloft {

// Wrong usage of the driver: reported on one line of stderr, exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Adds one failed output to `errors`, one line each, in the order they failed; the driver names
// every one of them on stderr.
inline void AddWriteError(std::string& errors, const std::string& error) {
  if (error.empty()) return;
  errors += (errors.empty() ? "" : "\n") + error;
}

struct CliAction {
  std::string option;    // "--type"
  std::string argument;  // "BOX=4", or empty for options without one
};

}  // namespace varnloft
