#include "platform/testing/scripted_prompts.h"

namespace varnloft {

void ScriptedPrompts::ShowError(const std::string& text) {
  shown.push_back({"error", text, ""});
}

void ScriptedPrompts::ShowInfo(const std::string& text) {
  shown.push_back({"info", text, ""});
}

Answer ScriptedPrompts::AskSaveChanges(const std::string& text) {
  static const char* const names[] = {"Save", "Discard", "Cancel"};
  shown.push_back({"question", text, names[static_cast<int>(answer)]});
  return answer;
}

Answer ScriptedPrompts::AskYesNoCancel(const std::string& text) {
  static const char* const names[] = {"Yes", "No", "Cancel"};
  shown.push_back({"question", text, names[static_cast<int>(answer)]});
  return answer;
}

void ScriptedPrompts::Beep() {
  ++beeps;
}

}  // namespace varnloft
