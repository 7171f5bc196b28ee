#include "design/record_fields.h"

namespace varnloft {

#define VARNLOFT_FLOAT(f) \
  FloatField {            \
#f, &DesignRecord::f  \
  }

const std::vector<FloatField>& LengthAndAngleFields() {
  static const std::vector<FloatField> fields = {
      VARNLOFT_FLOAT(OverallLength),
      VARNLOFT_FLOAT(TableHeight),
      VARNLOFT_FLOAT(SeatHeight),
      VARNLOFT_FLOAT(LeftDeckOverhang),
      VARNLOFT_FLOAT(RightDeckOverhang),
      VARNLOFT_FLOAT(LeftSeatOverhang),
      VARNLOFT_FLOAT(RightSeatOverhang),
      VARNLOFT_FLOAT(SeatToTableDistance),
      VARNLOFT_FLOAT(DeckGap),
      VARNLOFT_FLOAT(DeckBoardWidth),
      VARNLOFT_FLOAT(SeatBoardWidth),
      VARNLOFT_FLOAT(OuterSupportDepth),
      VARNLOFT_FLOAT(CentreSupportDepth),
      VARNLOFT_FLOAT(SeatSupportDepth),
      VARNLOFT_FLOAT(LegWidth),
      VARNLOFT_FLOAT(EndCapWidth),
      VARNLOFT_FLOAT(DeckBoardCount),
      VARNLOFT_FLOAT(SeatBoardCount),
      VARNLOFT_FLOAT(TableTopWidth),
      VARNLOFT_FLOAT(SeatWidth),
      VARNLOFT_FLOAT(OverallWidth),
      VARNLOFT_FLOAT(SeatLength),
      VARNLOFT_FLOAT(LegAngle),
      VARNLOFT_FLOAT(LegLength),
      VARNLOFT_FLOAT(LegCutWidth),
      VARNLOFT_FLOAT(LegOverlap),
      VARNLOFT_FLOAT(TopLegHole),
      VARNLOFT_FLOAT(LowerLegHole),
      VARNLOFT_FLOAT(OuterSupportHole),
      VARNLOFT_FLOAT(SeatSupportExtension),
      VARNLOFT_FLOAT(SeatHole),
      VARNLOFT_FLOAT(BraceRun),
      VARNLOFT_FLOAT(BraceRise),
      VARNLOFT_FLOAT(BraceAngle),
      VARNLOFT_FLOAT(BraceLength),
      VARNLOFT_FLOAT(BraceCutWidth),
  };
  return fields;
}

#undef VARNLOFT_FLOAT

const std::vector<FlagField>& FlagFields() {
  static const std::vector<FlagField> fields = {
      {"ImperialUnits", &DesignRecord::ImperialUnits},
      {"ModelScale", &DesignRecord::ModelScale},
      {"FormatUnscaled", &DesignRecord::FormatUnscaled},
      {"SupportsExterior", &DesignRecord::SupportsExterior},
      {"CustomDesignMode", &DesignRecord::CustomDesignMode},
      {"LegsRepositioned", &DesignRecord::LegsRepositioned},
  };
  return fields;
}

}  // namespace varnloft
