#pragma once
// File > Export on the main window's plain state: what the build packet takes from the window,
// and the packet's handler, which presses Design first and refuses after a failed calculation
// as Print does.
#include <functional>

#include "app/main_window.h"
#include "packet/build_packet.h"

namespace varnloft {

// The packet's contents for the window's last design, for pages of `dotsPerInch`, its materials
// listed with `materials` (the settings of the window's measure, as the Materials window lists
// them).
PacketContents PacketContentsOf(const MainWindow& window, const MaterialsSettings& materials,
                                int dotsPerInch);

// File > Export > Build packet (PDF): presses Design, then refuses (ProgramError) while the last
// calculation failed, and only then runs `writePacket` (which asks for the file and writes it).
void PressBuildPacket(MainWindow& window, const std::function<void()>& writePacket);

}  // namespace varnloft
