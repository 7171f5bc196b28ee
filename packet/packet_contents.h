#pragma once
// Everything of a design's build packet besides its record: the plans' context, the materials'
// settings, the assembly page's picture of the table's model and the Safety page's check (with
// the design's own wood). What the window, the driver and the benchmarks all write the packet
// with.
#include <optional>

#include "design/design_record.h"
#include "materials/stock.h"
#include "packet/build_packet.h"
#include "plans/plan_context.h"
#include "safety/wood.h"

namespace varnloft {

// The packet's contents for pages of `dotsPerInch`, its materials listed with `materials`. The
// one place where the packet learns the drawing of the assembly page.
PacketContents PacketContentsFor(const DesignRecord& rec, std::optional<WoodSpecies> species,
                                 const PlanContext& plans, const MaterialsSettings& materials,
                                 int dotsPerInch);

}  // namespace varnloft
