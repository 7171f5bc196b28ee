#include "app/preset_menu.h"

#include "design/preset_table.h"

namespace varnloft {

const std::vector<std::string>& PresetMenuItems() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (const auto& preset : PresetDesigns()) n.emplace_back(preset.menuItem);
    n.emplace_back(kCustomDesignMenuItem);
    return n;
  }();
  return names;
}

void CheckOnlyPresetItem(FormState& form, const std::string& item) {
  for (const auto& name : PresetMenuItems()) form.at(name).checked = (name == item);
}

}  // namespace varnloft
