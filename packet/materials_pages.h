#pragma once
// The materials in the build packet: the notes, the shopping list with prices, the hardware with
// the rule behind each count, the totals and the cut list, worded as the Materials window lists
// them; then the cutting diagrams, every board to scale, as many boards to a page as the page
// holds at a legible size. The Materials window's Print prints these same pages on their own.
#include <string>

#include "materials/materials.h"
#include "packet/packet_pages.h"
#include "platform/page_sink.h"

namespace varnloft {

// Starts on a new page; returns the number of pages written.
int DrawMaterialsPages(const Materials& materials, PacketPages& pages);

// Starts on a new page; returns the number of pages written (none when there are no boards).
int DrawCuttingDiagramPages(const Materials& materials, PacketPages& pages);

// The materials and cutting-diagram pages as one document of their own (begun and ended here),
// `name` in every page's header, the pages numbered "Page N of M", laid out for a device of
// `dotsPerInch`. Returns the number of pages. Passes on the sink's errors.
int PrintMaterialsPages(const Materials& materials, const std::string& name, PageSink& sink,
                        int dotsPerInch);

}  // namespace varnloft
