// The lumber rows: a chosen or typed nominal size puts its actual width into the width box; the
// green labels bring their size boxes back; the end-cap row label explains end caps.
#include "app/design_commands.h"
#include "app/input_boxes.h"
#include "design/lumber_size_table.h"

namespace varnloft {

void DesignCommands::ComboBoxChange(const std::string& box) {
  // The member-count boxes have no change handler; their texts are read by the calculation.
  const InputBoxes* row = BoxesOfBox(box);
  if (!row || !row->IsLumberRow() || box != row->SizeBox()) return;
  // A partly typed or unknown size leaves the width as it is; it takes effect at the next design.
  if (const char* width =
          WidthTextForSize(*row->input->knownSizes, w_.form.Text(box), w_.rec.ImperialUnits))
    w_.form.Text(row->WidthBox()) = width;
}

void DesignCommands::ShowLumberSizeBox(const std::string& label) {
  // The label stays where it is; the size box comes up over it until the next design.
  if (const InputBoxes* row = BoxesOfGreenLabel(label)) w_.form.at(row->SizeBox()).visible = true;
}

void DesignCommands::ExplainEndCaps() {
  w_.prompts().ShowInfo(
      "The End Cap applies to the table top decking, not the seats. Capping should be used when "
      "the overhang exceeds 6\"  (150mm)  to prevent lumber ends from warping. Also capping "
      "should be used for tables designed for wheelchairs to prevent slivers.");
}

}  // namespace varnloft
