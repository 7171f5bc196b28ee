#pragma once
// The design document: everything about a design that the user chose or typed, as opposed to
// what a design computes. It is what a design file keeps, what an undo step must have changed to
// count, and what the design cycle (document/design_cycle.h) designs. The inputs' texts are kept
// exactly as typed, by the input table's role names, one text a slot.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "safety/wood.h"

namespace varnloft {

// The window's caption and the status bar's second text as the program starts.
inline constexpr char kVersionStatusText[] = "Complimentary Software and Plans Version 6.0.0.2.";
// The 21.4 % model-scale menu item's caption as the program starts.
inline constexpr char kModelScaleMenuCaption[] =
    "Miniture Model Tables   (21.4% reduction of actual size)   ";
// The last item of the Pre-Settings menu, which is no preset.
inline constexpr char kCustomDesignCaption[] = "Custom Design";

struct DesignDocument {
  bool imperial = true;
  // Each input's texts, one per slot, in the order of DesignInputs().
  std::vector<std::vector<std::string>> inputTexts;
  bool supportsExterior = true;
  float lumberThickness = 0.125f;     // feet
  std::string thicknessInches = "1";  // the lumber thickness dialog's two boxes
  std::string thicknessSixteenths = "8";
  bool modelScale = false;
  float scaleFactor = 0;
  std::string modelMenuCaption;  // the 21.4 % menu item's caption
  std::string presetCaption;     // the checked Pre-Settings item
  bool customDesign = false;
  std::string statusText;   // status panel 0; the plans take their name from it
  std::string versionText;  // status panel 1
  // The wood the safety check takes; none for the measure's default (an older file has none).
  std::optional<WoodSpecies> species;

  bool operator==(const DesignDocument&) const = default;

  // The texts of the input with this role name; throws std::out_of_range for another name.
  const std::vector<std::string>& Texts(std::string_view role) const;
  std::vector<std::string>& Texts(std::string_view role);
};

// The built-in Adult Standard design in the given measure, as the program starts (in imperial).
DesignDocument AdultStandardDocument(bool imperial);

// The Pre-Settings menu's captions in menu order: the ten presets, then Custom Design.
const std::vector<std::string>& PresetMenuCaptions();

}  // namespace varnloft
