#pragma once
// The materials in the build packet: the shopping list with prices and totals, the hardware with
// the rule behind each count, the notes of the cutting plan, and the cut list; then the cutting
// diagrams, every board to scale, as many boards to a page as the page holds at a legible size.
#include "design/design_record.h"
#include "materials/materials.h"
#include "packet/packet_pages.h"

namespace varnloft {

// Starts on a new page; returns the number of pages written.
int DrawMaterialsPages(const DesignRecord& rec, const Materials& materials, PacketPages& pages);

// Starts on a new page; returns the number of pages written (none when there are no boards).
int DrawCuttingDiagramPages(const Materials& materials, PacketPages& pages);

}  // namespace varnloft
