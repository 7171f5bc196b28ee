#pragma once
// The materials on printed pages: a title, the notes and the lists as tables, then the cutting
// diagram, as many boards to a page as fit and no board split across two pages.
#include <string>

#include "app/materials_lists.h"
#include "materials/materials.h"
#include "platform/page_sink.h"

namespace varnloft {

// Prints one complete document into `sink`, laid out for a device of `dotsPerInch`. Returns the
// number of pages. Passes on the sink's errors.
int PrintMaterials(const Materials& materials, const std::string& title, PageSink& sink,
                   int dotsPerInch);

}  // namespace varnloft
