#pragma once
// The main window's controls as plain data: texts, captions, colours, visibility, positions,
// checked and enabled flags. The calculation reads the boxes from here and writes the labels and
// buttons it owns; the Qt window only mirrors this state and forwards events into it.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "safety/wood.h"

namespace varnloft {

struct ControlState {
  std::string text;  // an edit or combo box's text, or a label's, button's or menu item's caption
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  int left = 0;
  int width = 0;
  Rgb color{};                     // caption colour
  std::string hint;                // tool tip
  std::vector<std::string> items;  // a combo box's list
  int cursor = -1;                 // an edit box's cursor position; -1 leaves it where it is
};

class FormState {
 public:
  // Adds a control; names keep the order in which they were added.
  ControlState& Add(const std::string& name, ControlState state = {});
  bool Has(const std::string& name) const { return index_.count(name) != 0; }
  // Throws std::out_of_range for a name that was never added.
  ControlState& at(const std::string& name);
  const ControlState& at(const std::string& name) const;
  std::string& Text(const std::string& name) { return at(name).text; }
  const std::string& Text(const std::string& name) const { return at(name).text; }
  const std::vector<std::string>& Names() const { return order_; }

  std::string statusPanel0;
  std::string statusPanel1;
  int statusPanel0Width = 0;
  std::string caption;  // the window caption
  bool mainWindowEnabled = true;
  int windowWidth = 1024;  // outer size of the main window
  int windowHeight = 740;
  // The wood of the design, as its file keeps it; none for the measure's default.
  std::optional<WoodSpecies> woodSpecies;

 private:
  std::map<std::string, ControlState> controls_;
  std::map<std::string, size_t> index_;
  std::vector<std::string> order_;
};

}  // namespace varnloft
