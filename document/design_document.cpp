#include "document/design_document.h"

#include <stdexcept>

#include "design/design_inputs.h"
#include "design/preset_table.h"

namespace varnloft {

namespace {

size_t IndexOfRole(std::string_view role) {
  const auto& inputs = DesignInputs();
  for (size_t i = 0; i < inputs.size(); ++i)
    if (role == inputs[i].role) return i;
  throw std::out_of_range("no design input named " + std::string(role));
}

}  // namespace

const std::vector<std::string>& DesignDocument::Texts(std::string_view role) const {
  return inputTexts.at(IndexOfRole(role));
}

std::vector<std::string>& DesignDocument::Texts(std::string_view role) {
  return inputTexts.at(IndexOfRole(role));
}

DesignDocument AdultStandardDocument(bool imperial) {
  DesignDocument d;
  d.imperial = imperial;
  for (const auto& input : DesignInputs()) d.inputTexts.push_back(DefaultTexts(input, imperial));
  d.modelMenuCaption = kModelScaleMenuCaption;
  d.presetCaption = PresetDesigns().front().caption;
  d.statusText = PresetDesigns().front().statusText;
  d.versionText = kVersionStatusText;
  return d;
}

const std::vector<std::string>& PresetMenuCaptions() {
  static const std::vector<std::string> captions = [] {
    std::vector<std::string> c;
    for (const auto& preset : PresetDesigns()) c.emplace_back(preset.caption);
    c.emplace_back(kCustomDesignCaption);
    return c;
  }();
  return captions;
}

}  // namespace varnloft
