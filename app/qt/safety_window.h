#pragma once
// The Safety window (View > Safety Check…): not modal, it follows every design with the check of
// the table (each figure with its limit, margin, source and a plain pass or fail, in the
// design's measure), says when the check cannot be made, and lists the suggestions of the
// failed checks, each applied with one click. Its settings are the design's wood (an undoable
// change of the design) and the person's mass and the sag limit (kept between runs).
#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "app/main_window.h"
#include "app/safety_actions.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace varnloft {

inline constexpr char kSafetyDisclaimer[] =
    "This is an estimate from published reference values, not an engineer's approval.";

class SafetyWindow : public QDialog {
  Q_OBJECT

 public:
  explicit SafetyWindow(const MainWindow& state, QWidget* parent = nullptr);

  // Checks the last design again and shows it.
  void DesignChanged();
  void ShowAndRaise();

  // The person's mass and the sag limit; after they were set from outside (the kept settings),
  // SettingsChanged shows them and checks again.
  SafetySettings settings;
  void SettingsChanged();

  const WindowSafety& result() const { return result_; }

  // Calls out: a suggestion's button was pressed (with inputs), a species chosen (none: the
  // measure's default), the settings changed (to keep them).
  std::function<void(const SafetySuggestion&)> applySuggestion;
  std::function<void(std::optional<WoodSpecies>)> chooseSpecies;
  std::function<void()> settingsSaved;
  // After every check: whether it was made and passed, for the main window's View menu.
  std::function<void(const WindowSafety&)> checked;

  QComboBox* speciesBox = nullptr;
  QLineEdit* personBox = nullptr;
  QLineEdit* deflectionBox = nullptr;
  QLabel* problemLabel = nullptr;  // a refused setting
  QLabel* verdictLabel = nullptr;
  QTableWidget* table = nullptr;
  QLabel* pictureLabel = nullptr;  // the side and end views with the load points
  std::vector<QPushButton*> suggestionButtons;

 private:
  void Show();
  void ShowSettings();
  void PersonEdited();
  void DeflectionEdited();

  const MainWindow& state_;
  WindowSafety result_;
  QVBoxLayout* suggestionsLayout_ = nullptr;
  QLabel* suggestionsTitle_ = nullptr;
};

}  // namespace varnloft
