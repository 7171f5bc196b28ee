#include "app/qt/scale_dialog_window.h"

#include "app/main_window.h"
#include "app/option_dialogs.h"

namespace varnloft {

ScaleDialogWindow::ScaleDialogWindow(MainWindow& state) : OptionDialogWindow(state, kScaleDialog) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(330, 200);
  QFont font("Arial", 9);
  font.setBold(true);
  setFont(font);

  QLabel* prompt = AddLabel("caption", 16, 12);
  QFont underlined = font;
  underlined.setUnderline(true);
  prompt->setFont(underlined);
  AddLabel("example1", 16, 44);
  AddLabel("example2", 16, 66);
  percentageBox_ = AddEdit("percentage", 16, 100, 64);
  AddLabel("percentSign", 86, 102);
  helpButton_ = AddButton("help", 16, 152, 90);
  cancelButton_ = AddButton("cancel", 120, 152, 90);
  okButton_ = AddButton("ok", 224, 152, 90);
  okButton_->setDefault(true);  // Enter
  SyncFromState();

  connect(percentageBox_, &QLineEdit::textEdited, this, [this](const QString& text) {
    Run([&] { ScaleDialog(state_).UserChange(text.toStdString()); });
  });
  connect(helpButton_, &QPushButton::clicked, this,
          [this] { Run([&] { ScaleDialog(state_).PressHelp(); }); });
  connect(cancelButton_, &QPushButton::clicked, this,
          [this] { Run([&] { ScaleDialog(state_).PressCancel(); }); });
  connect(okButton_, &QPushButton::clicked, this,
          [this] { Run([&] { ScaleDialog(state_).PressOk(); }); });
}

void ScaleDialogWindow::CloseRequested() {
  Run([&] { ScaleDialog(state_).CloseRequest(); });
}

// Esc presses the Cancel button.
void ScaleDialogWindow::reject() {
  cancelButton_->click();
}

}  // namespace varnloft
