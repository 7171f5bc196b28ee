#include "app/packet_export.h"

#include "app/plan_context_of.h"

namespace varnloft {

PacketContents PacketContentsOf(const MainWindow& window, int dotsPerInch) {
  PacketContents contents;
  contents.plans = PlanContextOf(window);
  contents.materials = DefaultMaterialsSettings(window.rec.ImperialUnits);
  contents.dotsPerInch = dotsPerInch;
  // contents.drawAssembly stays empty until the 3D model can draw its assembly on a Canvas.
  return contents;
}

void PressBuildPacket(MainWindow& window, const std::function<void()>& writePacket) {
  window.PressDesign();
  RefusePacketIfDesignIncomplete(window.rec);
  if (writePacket) writePacket();
}

}  // namespace varnloft
