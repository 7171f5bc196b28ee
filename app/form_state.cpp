#include "app/form_state.h"

#include <stdexcept>

namespace varnloft {

ControlState& FormState::Add(const std::string& name, ControlState state) {
  if (!index_.count(name)) {
    index_[name] = order_.size();
    order_.push_back(name);
  }
  return controls_[name] = std::move(state);
}

ControlState& FormState::at(const std::string& name) {
  auto it = controls_.find(name);
  if (it == controls_.end()) throw std::out_of_range("no control named " + name);
  return it->second;
}

const ControlState& FormState::at(const std::string& name) const {
  auto it = controls_.find(name);
  if (it == controls_.end()) throw std::out_of_range("no control named " + name);
  return it->second;
}

}  // namespace varnloft
