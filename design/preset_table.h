#pragma once
// The ten preset designs of the Pre-Settings menu: their menu items, status texts, lumber
// thickness and the texts each gives the design inputs, imperial and metric apart.
#include <string>
#include <utility>
#include <vector>

namespace varnloft {

struct PresetDesign {
  const char* menuItem;             // "AdultStandard1"
  const char* caption;              // "Adult Standard", the Pre-Settings menu's text
  const char* statusText;           // shown in status panel 0 unless a model scale is on
  float lumberThickness;            // feet
  const char* thicknessInches;      // the thickness dialog's inches box
  const char* thicknessSixteenths;  // and its sixteenths box
};

// The presets in menu order.
const std::vector<PresetDesign>& PresetDesigns();

// The preset of a menu item name; nullptr for any other name (Custom Design included).
const PresetDesign* FindPreset(const std::string& menuItem);

// One input's texts in a preset: its role name and the text of each of its slots.
struct PresetInputTexts {
  std::string role;
  std::vector<std::string> texts;
};

// The texts of every input, in reading order, for the preset at `index` (menu order) in
// imperial or metric measure.
std::vector<PresetInputTexts> PresetTexts(size_t index, bool imperial);

}  // namespace varnloft
