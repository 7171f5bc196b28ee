#pragma once
// A shell that opens nothing and keeps the web addresses it was asked to open. Used by the
// tests and by the headless driver.
#include <string>
#include <vector>

#include "platform/shell.h"

namespace varnloft {

class RecordingShell : public Shell {
 public:
  void OpenWebAddress(const std::string& address) override;
  std::vector<std::string> opened;
};

}  // namespace varnloft
