#pragma once
// The build packet: one document to take to the lumber yard and the saw. The printed plans'
// pages exactly as Print draws them, then the materials (shopping list, hardware, totals, cut
// list), the cutting diagrams, the full-size templates of the angled cuts, and the assembly
// page when a drawing of it is given. Laid out on any page sink; every page after the plans
// carries its number in the whole document.
#include <functional>
#include <string>
#include <vector>

#include "design/design_record.h"
#include "materials/stock.h"
#include "packet/template_pages.h"
#include "plans/plan_context.h"
#include "plans/plan_values.h"
#include "platform/page_sink.h"
#include "safety/safety_rows.h"

namespace varnloft {

struct PacketContents {
  PlanContext plans;            // what Print takes from the main window
  MaterialsSettings materials;  // the stock, prices and saw of the materials
  int dotsPerInch = 600;        // of the sink's pages: the templates are drawn to true size
  // The assembly section: draws the table's assembly on a canvas the size of the page below its
  // header (origin at the canvas's top-left corner). Left empty, the packet has no such page.
  std::function<void(Canvas&)> drawAssembly;
  // The Safety page after the materials: the check in a sentence and its rows. Left empty, the
  // packet has no such page.
  std::string safetyVerdict;
  std::vector<SafetyRow> safetyRows;
};

struct PacketLayout {
  int pages = 0;  // in the whole document
  int planPages = 0, materialsPages = 0, diagramPages = 0, safetyPages = 0, templatePages = 0,
      assemblyPages = 0;
  std::vector<PlacedTemplate> templates;
  PlanValues plans;  // the plan's name, table top length and frame diagonal its plans show
};

// "Varnloft" and the program's version, for the document's creator.
std::string PacketCreator();

// The document's title: the plan's name as the plans print it at `now`.
std::string PacketTitle(const PlanContext& plans, const LocalDateTime& now);

// The message of the refusal after a failed calculation, as Print refuses.
void RefusePacketIfDesignIncomplete(const DesignRecord& rec);

// Writes the whole packet into `sink` as one document (begun and ended here). The plans are
// stamped with `now` on every page, so that their name is the title's. Refuses with
// ProgramError before the document is begun while the last calculation failed; passes on the
// sink's errors and those of the drawings. Writes PlanName, TableTopLength and FrameDiagonal as
// Print does.
PacketLayout WriteBuildPacket(const DesignRecord& rec, PageSink& sink,
                              const PacketContents& contents, const LocalDateTime& now);

}  // namespace varnloft
