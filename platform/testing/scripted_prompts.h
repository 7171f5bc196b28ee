#pragma once
// Message boxes without a screen: every box is recorded, and every question gets the one
// answer set beforehand. Used by the tests and by the headless driver.
#include <string>
#include <vector>

#include "platform/prompts.h"

namespace varnloft {

class ScriptedPrompts : public Prompts {
 public:
  void ShowError(const std::string& text) override;
  void ShowInfo(const std::string& text) override;
  Answer AskYesNoCancel(const std::string& text) override;
  Answer AskSaveChanges(const std::string& text) override;
  void Beep() override;

  Answer answer = Answer::Yes;  // the answer to every question
  std::vector<ShownBox> shown;  // every box, in the order shown
  int beeps = 0;
};

}  // namespace varnloft
