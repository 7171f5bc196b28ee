#pragma once
// The window's half of the design-input table: for each input of design/design_inputs.h, the
// boxes that hold its slots, its caption and its place in the grid, and for a lumber row its
// green label and the list its size box offers. The only place that pairs boxes with inputs.
#include <string>
#include <string_view>
#include <vector>

#include "design/design_inputs.h"

namespace varnloft {

struct InputBoxes {
  const DesignInput* input;
  // One per slot, by role: {"overallLength.0", "overallLength.1", "overallLength.2"}.
  std::vector<std::string> boxes;
  const char* caption;     // the grid's row caption, "Overall Length"
  int gridRow;             // the row in its half of the grid (lengths left, lumber right)
  std::string greenLabel;  // lumber rows: "tableTopSize.label"; empty for the others
  const std::vector<std::string>* listItems = nullptr;  // a combo box's list

  const std::string& SizeBox() const { return boxes.front(); }  // lumber rows: the size box
  const std::string& WidthBox() const { return boxes.back(); }  // lumber rows: the width box
  bool IsLumberRow() const { return input->unit == InputUnit::LumberWidth; }
};

// Every input's boxes, in the order of DesignInputs().
const std::vector<InputBoxes>& InputBoxTable();

// The entry of an input's role name, or of any of its boxes or its green label; nullptr when
// no input has that name.
const InputBoxes* BoxesOfRole(std::string_view role);
const InputBoxes* BoxesOfBox(std::string_view box);
const InputBoxes* BoxesOfGreenLabel(std::string_view label);

// The boxes read in a measure, in reading order.
std::vector<std::string> ReadBoxes(const InputBoxes& entry, bool imperial);

// Every typed box of the table, in the order of their control names' numbers.
const std::vector<std::string>& EditBoxNames();
// Every box with a list (a lumber size, a count), in the order of their control names' numbers.
const std::vector<std::string>& ComboBoxNames();

}  // namespace varnloft
