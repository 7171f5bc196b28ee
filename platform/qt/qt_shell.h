#pragma once
// Opens a web address in the user's default browser through Qt's desktop services.
#include <QUrl>
#include <string>

#include "platform/shell.h"

namespace varnloft {

class QtShell : public Shell {
 public:
  // "http://" followed by the address, whatever its length. The browser's answer is ignored:
  // a link that does not open is no reason to interrupt the user.
  void OpenWebAddress(const std::string& address) override;

  // The web address as handed to the browser.
  static QUrl WebAddressUrl(const std::string& address);
};

}  // namespace varnloft
