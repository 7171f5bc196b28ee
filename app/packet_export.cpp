#include "app/packet_export.h"

#include "app/design_commands.h"
#include "app/plan_context_of.h"
#include "packet/packet_contents.h"

namespace varnloft {

PacketContents PacketContentsOf(const MainWindow& window, const MaterialsSettings& materials,
                                int dotsPerInch) {
  return PacketContentsFor(window.rec, window.form.woodSpecies, PlanContextOf(window), materials,
                           dotsPerInch);
}

void PressBuildPacket(MainWindow& window, const std::function<void()>& writePacket) {
  window.design().PressDesign();
  RefusePacketIfDesignIncomplete(window.rec);
  if (writePacket) writePacket();
}

}  // namespace varnloft
