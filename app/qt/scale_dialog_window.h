#pragma once
// The model-building scale dialog: a percentage of full size, with two worked examples in the
// current measure and a help button. Esc presses Cancel and Enter presses OK.
#include "app/qt/option_dialog_window.h"

namespace varnloft {

class ScaleDialogWindow : public OptionDialogWindow {
  Q_OBJECT
 public:
  explicit ScaleDialogWindow(MainWindow& state);

  QLineEdit* percentageBox() const { return percentageBox_; }
  QPushButton* helpButton() const { return helpButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }
  QPushButton* okButton() const { return okButton_; }

 protected:
  void CloseRequested() override;
  void reject() override;

 private:
  QLineEdit* percentageBox_;
  QPushButton* helpButton_;
  QPushButton* cancelButton_;
  QPushButton* okButton_;
};

}  // namespace varnloft
