#include "packet/packet_contents.h"

#include "model3d/assembly_picture.h"
#include "model3d/build_table_model.h"
#include "safety/safety_check.h"
#include "safety/safety_rows.h"

namespace varnloft {

PacketContents PacketContentsFor(const DesignRecord& rec, std::optional<WoodSpecies> species,
                                 const PlanContext& plans, const MaterialsSettings& materials,
                                 int dotsPerInch) {
  // The assembly page: the exploded, labelled table of the design, filling its canvas.
  auto drawAssembly = [rec, dotsPerInch](Canvas& canvas) {
    AssemblyPictureOptions options;
    options.dotsPerInch = dotsPerInch;
    DrawAssemblyPicture(BuildTableModel(rec), canvas,
                        PictureFrame{0, 0, double(canvas.Width()), double(canvas.Height())},
                        options);
  };
  // The Safety page: the check of the design with its own wood.
  SafetySettings settings;
  settings.species = species;
  const SafetyCheck check = CheckSafety(rec, BuildTableModel(rec), settings);
  return PacketContents{plans,
                        materials,
                        dotsPerInch,
                        drawAssembly,
                        SafetyVerdict(check, rec.ImperialUnits),
                        SafetyRows(check, rec.ImperialUnits)};
}

}  // namespace varnloft
