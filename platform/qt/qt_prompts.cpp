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
  shown.push_back({"error", text, ""});
  QMessageBox::critical(parent_, Title(), QString::fromStdString(text));
}

void QtPrompts::ShowInfo(const std::string& text) {
  shown.push_back({"info", text, ""});
  QMessageBox::information(parent_, Title(), QString::fromStdString(text));
}

Answer QtPrompts::AskYesNoCancel(const std::string& text) {
  auto button = QMessageBox::question(parent_, Title(), QString::fromStdString(text),
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                      QMessageBox::Yes);
  const Answer answer = button == QMessageBox::Yes  ? Answer::Yes
                        : button == QMessageBox::No ? Answer::No
                                                    : Answer::Cancel;
  static const char* const names[] = {"Yes", "No", "Cancel"};
  shown.push_back({"question", text, names[static_cast<int>(answer)]});
  return answer;
}

Answer QtPrompts::AskSaveChanges(const std::string& text) {
  auto button = QMessageBox::question(
      parent_, Title(), QString::fromStdString(text),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  const Answer answer = button == QMessageBox::Save      ? Answer::Yes
                        : button == QMessageBox::Discard ? Answer::No
                                                         : Answer::Cancel;
  static const char* const names[] = {"Save", "Discard", "Cancel"};
  shown.push_back({"question", text, names[static_cast<int>(answer)]});
  return answer;
}

void QtPrompts::Beep() {
  QApplication::beep();
}

}  // namespace varnloft
