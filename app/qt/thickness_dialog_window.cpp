#include "app/qt/thickness_dialog_window.h"

#include <QFrame>

#include "app/main_window.h"
#include "app/option_dialogs.h"

namespace varnloft {

ThicknessDialogWindow::ThicknessDialogWindow(MainWindow& state)
    : OptionDialogWindow(state, kThicknessDialog) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setFixedSize(250, 150);
  QFont font("Arial", 9);
  font.setBold(true);
  setFont(font);

  auto* bevel = new QFrame(this);
  bevel->setFrameStyle(QFrame::Box | QFrame::Raised);
  bevel->setGeometry(8, 8, 234, 96);

  AddLabel("caption", 18, 14);
  AddLabel("inchesHeading", 30, 38);
  AddLabel("sixteenthsHeading", 90, 38);
  inchesBox_ = AddEdit("inches", 30, 56, 44);
  sixteenthsBox_ = AddEdit("sixteenths", 90, 56, 44);
  QLabel* mm = AddLabel("millimetresHeading", 170, 38);
  QFont underlined = font;
  underlined.setUnderline(true);
  mm->setFont(underlined);
  millimetresLabel_ = AddLabel("millimetres", 150, 58);
  millimetresLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  millimetresLabel_->setMinimumWidth(40);
  okButton_ = AddButton("ok", 38, 114, 75);
  okButton_->setDefault(true);  // Enter
  cancelButton_ = AddButton("cancel", 137, 114, 75);
  SyncFromState();

  connect(inchesBox_, &QLineEdit::textEdited, this, [this](const QString& text) {
    Run([&] { ThicknessDialog(state_).UserChange("inches", text.toStdString()); });
  });
  connect(sixteenthsBox_, &QLineEdit::textEdited, this, [this](const QString& text) {
    Run([&] { ThicknessDialog(state_).UserChange("sixteenths", text.toStdString()); });
  });
  connect(okButton_, &QPushButton::clicked, this,
          [this] { Run([&] { ThicknessDialog(state_).PressOk(); }); });
  connect(cancelButton_, &QPushButton::clicked, this,
          [this] { Run([&] { ThicknessDialog(state_).PressCancel(); }); });
}

void ThicknessDialogWindow::CloseRequested() {
  Run([&] { ThicknessDialog(state_).CloseRequest(); });
}

// Esc presses the Cancel button.
void ThicknessDialogWindow::reject() {
  cancelButton_->click();
}

}  // namespace varnloft
