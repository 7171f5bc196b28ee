#include "app/qt/option_dialog_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "app/control_names.h"
#include "app/main_window.h"
#include "app/option_dialogs.h"
#include "platform/qt/qt_conversions.h"

namespace varnloft {

OptionDialogWindow::OptionDialogWindow(MainWindow& state, const char* dialog)
    : QDialog(nullptr), state_(state), dialog_(dialog) {
  setObjectName(dialog);
  // Parentless, so that disabling the main window does not disable the dialog too.
  setWindowModality(Qt::ApplicationModal);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, ToQColor(state_.form.at(dialog_).color));
  setPalette(p);
  setWindowTitle(Q(state_.form.Text(dialog_)));
}

void OptionDialogWindow::SetMainWindowCalls(std::function<void()> syncMainWindow,
                                            std::function<void()> activate) {
  syncMainWindow_ = std::move(syncMainWindow);
  activate_ = std::move(activate);
}

std::string OptionDialogWindow::Control(const char* name) const {
  return DialogControl(dialog_, name);
}

QLabel* OptionDialogWindow::AddLabel(const char* name, int left, int top) {
  auto* label = new QLabel(this);
  label->setObjectName(Q(WidgetNameOf(Control(name))));
  label->move(left, top);
  const ControlState& c = state_.form.at(Control(name));
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, ToQColor(c.color));
  label->setPalette(p);
  if (!c.hint.empty()) label->setToolTip(Q(c.hint));
  labels_[name] = label;
  return label;
}

QLineEdit* OptionDialogWindow::AddEdit(const char* name, int left, int top, int width) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(Q(WidgetNameOf(Control(name))));
  edit->setGeometry(left, top, width, 21);
  const ControlState& c = state_.form.at(Control(name));
  if (!c.hint.empty()) edit->setToolTip(Q(c.hint));
  edits_[name] = edit;
  return edit;
}

QPushButton* OptionDialogWindow::AddButton(const char* name, int left, int top, int width) {
  auto* button = new QPushButton(this);
  button->setObjectName(Q(WidgetNameOf(Control(name))));
  button->setGeometry(left, top, width, 25);
  button->setAutoDefault(false);
  const ControlState& c = state_.form.at(Control(name));
  if (!c.hint.empty()) button->setToolTip(Q(c.hint));
  buttons_[name] = button;
  return button;
}

void OptionDialogWindow::SyncFromState() {
  syncing_ = true;
  for (auto it = labels_.begin(); it != labels_.end(); ++it) {
    it.value()->setText(Q(state_.form.Text(Control(it.key().toUtf8().constData()))));
    it.value()->adjustSize();
  }
  for (auto it = edits_.begin(); it != edits_.end(); ++it) {
    ControlState& c = state_.form.at(Control(it.key().toUtf8().constData()));
    if (it.value()->text() != Q(c.text)) it.value()->setText(Q(c.text));
    if (c.cursor >= 0) {
      it.value()->setCursorPosition(c.cursor);
      c.cursor = -1;  // a one-off move, not a place the cursor is held at
    }
  }
  for (auto it = buttons_.begin(); it != buttons_.end(); ++it)
    it.value()->setText(Q(state_.form.Text(Control(it.key().toUtf8().constData()))));
  syncing_ = false;
}

void OptionDialogWindow::ShowFromState() {
  SyncFromState();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  raise();
  activateWindow();
}

void OptionDialogWindow::Run(const std::function<void()>& handler) {
  if (syncing_) return;  // our own copying of texts is no user event
  const bool closed = RunDialogEvent(state_, dialog_, handler, [] {});
  SyncFromState();
  if (syncMainWindow_) syncMainWindow_();
  if (closed) {
    hide();
    // As when the user comes back to it, the main window's activation runs once this event is
    // over (so a question it asks does not open inside the dialog's event).
    if (activate_) QTimer::singleShot(0, this, activate_);
  }
}

void OptionDialogWindow::closeEvent(QCloseEvent* event) {
  // Every way of closing the dialog goes through its state, which enables the main window.
  if (state_.form.at(dialog_).visible) CloseRequested();
  event->accept();
}

}  // namespace varnloft
