#pragma once
// The lumber thickness dialog: borderless and maroon, inches and sixteenths with a live
// millimetre figure. Esc presses Cancel and Enter presses OK.
#include "app/qt/option_dialog_window.h"

namespace varnloft {

class ThicknessDialogWindow : public OptionDialogWindow {
  Q_OBJECT
 public:
  explicit ThicknessDialogWindow(MainWindow& state);

  QLineEdit* inchesBox() const { return inchesBox_; }
  QLineEdit* sixteenthsBox() const { return sixteenthsBox_; }
  QLabel* millimetresLabel() const { return millimetresLabel_; }
  QPushButton* okButton() const { return okButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }

 protected:
  void CloseRequested() override;
  void reject() override;

 private:
  QLineEdit* inchesBox_;
  QLineEdit* sixteenthsBox_;
  QLabel* millimetresLabel_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
};

}  // namespace varnloft
