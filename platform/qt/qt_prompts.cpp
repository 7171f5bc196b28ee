#include "platform/qt/qt_prompts.h"

#include <QApplication>
#include <QMessageBox>

namespace varnloft {

namespace {
QString Title() {
  return QApplication::applicationDisplayName();
}
}  // namespace

void QtPrompts::ShowError(const std::string& text) {
  QMessageBox::critical(parent_, Title(), QString::fromStdString(text));
}

void QtPrompts::ShowInfo(const std::string& text) {
  QMessageBox::information(parent_, Title(), QString::fromStdString(text));
}

Answer QtPrompts::AskYesNoCancel(const std::string& text) {
  auto button = QMessageBox::question(parent_, Title(), QString::fromStdString(text),
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                      QMessageBox::Yes);
  if (button == QMessageBox::Yes) return Answer::Yes;
  if (button == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

void QtPrompts::Beep() {
  QApplication::beep();
}

}  // namespace varnloft
