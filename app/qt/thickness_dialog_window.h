#pragma once
// The lumber thickness dialog: borderless and maroon, inches and sixteenths with a live
// millimetre figure. Esc presses Cancel and Enter presses OK.
#include "app/qt/option_dialog_window.h"

namespace varnloft {

class ThicknessDialogWindow : public OptionDialogWindow {
  Q_OBJECT
 public:
  explicit ThicknessDialogWindow(MainWindow& state);

  QLineEdit* edit1() const { return edit1_; }
  QLineEdit* edit2() const { return edit2_; }
  QLabel* label5() const { return label5_; }
  QPushButton* okButton() const { return okBtn_; }
  QPushButton* cancelButton() const { return cancelBtn_; }

 protected:
  void CloseRequested() override;
  void reject() override;

 private:
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QLabel* label5_;
  QPushButton* okBtn_;
  QPushButton* cancelBtn_;
};

}  // namespace varnloft
