#pragma once
// Which side of the legs the outer support and the seat support are bolted to.
#include "design/design_record.h"

namespace varnloft {

enum class SupportSide { Interior, Exterior };

inline SupportSide SupportSideOf(const DesignRecord& rec) {
  return rec.SupportsExterior ? SupportSide::Exterior : SupportSide::Interior;
}

}  // namespace varnloft
