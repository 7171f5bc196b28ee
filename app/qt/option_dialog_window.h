#pragma once
// What the two option dialogs share: they mirror their part of the main window's state, run
// their events through it, and when an event closes the dialog they hide and hand the focus
// back to the main window, whose activation then runs. Shown without blocking the program's
// code, but application-modal, so the main window takes no input while one is open.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <string>

#include "app/main_window.h"

namespace varnloft {

class OptionDialogWindow : public QDialog {
  Q_OBJECT
 public:
  OptionDialogWindow(MainWindow& state, const char* dialog);

  // The main window's own calls: copying its state into its widgets, and its activation.
  void SetMainWindowCalls(std::function<void()> syncMainWindow, std::function<void()> activate);
  // Shows the dialog, centred on the screen, once the state has opened it.
  void ShowFromState();
  // Copies the dialog's controls from the state.
  void SyncFromState();

 protected:
  // Runs one event of this dialog as the user's.
  void Run(const std::function<void()>& handler);
  // A close request (close box, system command, close()) that no button made.
  virtual void CloseRequested() = 0;

  void closeEvent(QCloseEvent* event) override;

  QLabel* AddLabel(const char* name, int left, int top);
  QLineEdit* AddEdit(const char* name, int left, int top, int width);
  QPushButton* AddButton(const char* name, int left, int top, int width);
  std::string Control(const char* name) const;

  MainWindow& state_;

 private:
  const std::string dialog_;
  bool syncing_ = false;
  std::function<void()> syncMainWindow_;
  std::function<void()> activate_;
  QMap<QString, QLabel*> labels_;
  QMap<QString, QLineEdit*> edits_;
  QMap<QString, QPushButton*> buttons_;
};

}  // namespace varnloft
