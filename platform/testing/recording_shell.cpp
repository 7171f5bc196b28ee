#include "platform/testing/recording_shell.h"

namespace varnloft {

void RecordingShell::OpenWebAddress(const std::string& address) {
  opened.push_back(address);
}

}  // namespace varnloft
