#pragma once
// Message boxes and questions shown with QMessageBox.
#include <QWidget>
#include <vector>

#include "platform/prompts.h"

namespace varnloft {

class QtPrompts : public Prompts {
 public:
  explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  void ShowError(const std::string& text) override;
  void ShowInfo(const std::string& text) override;
  Answer AskYesNoCancel(const std::string& text) override;
  Answer AskSaveChanges(const std::string& text) override;
  void Beep() override;

  // Every box shown, with the answer given, in order.
  std::vector<ShownBox> shown;

 private:
  QWidget* parent_;
};

}  // namespace varnloft
