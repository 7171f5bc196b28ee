#pragma once
// Opening a web address in the user's default browser.
#include <string>

namespace varnloft {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens "http://" + address. Failures are ignored: the browser is a convenience.
  virtual void OpenWebAddress(const std::string& address) = 0;
};

}  // namespace varnloft
