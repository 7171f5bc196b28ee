#pragma once
// The one design record: options, the inputs as read at the last calculation, and every
// computed length (float feet) and angle (float degrees). Plain data, read and written by name.
#include <string>

#include "measure/length_text.h"

namespace varnloft {

struct DesignRecord {
  // Options and modes.
  bool ImperialUnits = false;
  bool ModelScale = false;
  float ScaleFactor = 0.0f;
  float LumberThickness = 0.0f;
  bool FormatUnscaled = false;
  bool SupportsExterior = true;
  bool CustomDesignMode = false;
  bool LegsRepositioned = false;

  // Inputs.
  float OverallLength = 0, TableHeight = 0, SeatHeight = 0;
  float LeftDeckOverhang = 0, RightDeckOverhang = 0, LeftSeatOverhang = 0, RightSeatOverhang = 0;
  float SeatToTableDistance = 0, DeckGap = 0;
  float DeckBoardWidth = 0, SeatBoardWidth = 0, OuterSupportDepth = 0, CentreSupportDepth = 0;
  float SeatSupportDepth = 0, LegWidth = 0, EndCapWidth = 0;
  float DeckBoardCount = 0, SeatBoardCount = 0;

  // Results.
  float TableTopWidth = 0, SeatWidth = 0, OverallWidth = 0, SeatLength = 0;
  float LegAngle = 0, LegLength = 0, LegCutWidth = 0, LegOverlap = 0;
  float TopLegHole = 0, LowerLegHole = 0, OuterSupportHole = 0;
  float SeatSupportExtension = 0, SeatHole = 0;
  float BraceRun = 0, BraceRise = 0, BraceAngle = 0, BraceLength = 0, BraceCutWidth = 0;

  // Plan values, written by the plan sheet and the printed plans.
  std::string PlanName;
  float TableTopLength = 0, FrameDiagonal = 0;

  // Texts.
  std::string TitleText;
  std::string NoticeText;

  // The locale's thousands separator for metric length texts (injected at start-up).
  std::string ThousandsSeparator = ",";

  // True while the last calculation stopped on an error, so the record mixes two designs.
  bool LastCalculationFailed = false;

  LengthSettings Lengths() const {
    return LengthSettings{ImperialUnits, ModelScale, ScaleFactor, FormatUnscaled,
                          ThousandsSeparator};
  }
  std::string FormatLength(float feet) const { return varnloft::FormatLength(feet, Lengths()); }
};

}  // namespace varnloft
