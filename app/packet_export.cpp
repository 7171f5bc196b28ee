#include "app/packet_export.h"

#include "app/design_commands.h"
#include "app/plan_context_of.h"
#include "model3d/assembly_picture.h"
#include "model3d/build_table_model.h"

namespace varnloft {

PacketContents PacketContentsOf(const MainWindow& window, const MaterialsSettings& materials,
                                int dotsPerInch) {
  // The assembly page: the exploded, labelled table of the last design, filling its canvas.
  const DesignRecord rec = window.rec;
  auto drawAssembly = [rec, dotsPerInch](Canvas& canvas) {
    AssemblyPictureOptions options;
    options.dotsPerInch = dotsPerInch;
    DrawAssemblyPicture(BuildTableModel(rec), canvas,
                        PictureFrame{0, 0, double(canvas.Width()), double(canvas.Height())},
                        options);
  };
  // The Safety page: the check of the last design with the design's own wood.
  SafetySettings settings;
  settings.species = window.form.woodSpecies;
  const SafetyCheck check = CheckSafety(rec, BuildTableModel(rec), settings);
  return PacketContents{PlanContextOf(window),
                        materials,
                        dotsPerInch,
                        drawAssembly,
                        SafetyVerdict(check, rec.ImperialUnits),
                        SafetyRows(check, rec.ImperialUnits)};
}

void PressBuildPacket(MainWindow& window, const std::function<void()>& writePacket) {
  window.design().PressDesign();
  RefusePacketIfDesignIncomplete(window.rec);
  if (writePacket) writePacket();
}

}  // namespace varnloft
