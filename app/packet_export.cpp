#include "app/packet_export.h"

#include "app/plan_context_of.h"

namespace varnloft {

PacketContents PacketContentsOf(const MainWindow& window, int dotsPerInch) {
  // drawAssembly stays empty until the 3D model draws its exploded assembly on a Canvas.
  return PacketContents{
      PlanContextOf(window), DefaultMaterialsSettings(window.rec.ImperialUnits), dotsPerInch, {}};
}

void PressBuildPacket(MainWindow& window, const std::function<void()>& writePacket) {
  window.PressDesign();
  RefusePacketIfDesignIncomplete(window.rec);
  if (writePacket) writePacket();
}

}  // namespace varnloft
