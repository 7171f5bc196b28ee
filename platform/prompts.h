#pragma once
// Message boxes and questions. The Qt back end shows real boxes; ScriptedPrompts
// (platform/testing/) answers from a fixed choice and records what was shown.
#include <string>

namespace varnloft {

enum class Answer { Yes, No, Cancel };

class Prompts {
 public:
  virtual ~Prompts() = default;
  virtual void ShowError(const std::string& text) = 0;         // the general error box
  virtual void ShowInfo(const std::string& text) = 0;          // an information box, OK only
  virtual Answer AskYesNoCancel(const std::string& text) = 0;  // question icon, Yes/No/Cancel
  // The unsaved-changes question, with Save (Yes), Discard (No) and Cancel.
  virtual Answer AskSaveChanges(const std::string& text) = 0;
  virtual void Beep() {}
};

struct ShownBox {
  std::string kind;  // "error", "info", "question"
  std::string text;
  std::string answer;  // "Yes", "No", "Cancel", "Save", "Discard" or empty
};

}  // namespace varnloft
