#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QString>

namespace varnloft {

QUrl QtShell::WebAddressUrl(const std::string& address) {
  // Built as a growing string, so an address of any length is passed on whole.
  const QString text = QStringLiteral("http://") + QString::fromStdString(address);
  return QUrl(text, QUrl::TolerantMode);
}

void QtShell::OpenWebAddress(const std::string& address) {
  QDesktopServices::openUrl(WebAddressUrl(address));
}

}  // namespace varnloft
