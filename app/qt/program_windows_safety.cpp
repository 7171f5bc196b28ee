// The Safety window's part of the program: View > Safety Check… after the 3D View, the check of
// every design (the menu item says when a check fails, so the main window shows it without the
// window open; the check is cheap and stays at every design, while the window is made only when
// first opened), the wood chosen as an undoable change of the design, a suggestion typed into
// the main window's boxes as one undo step and designed, and the settings kept between runs.
#include <QAction>
#include <QMenu>
#include <QSettings>

#include "app/qt/program_windows.h"
#include "app/qt/safety_settings_store.h"

namespace varnloft {

namespace {

constexpr char kSafetyCaption[] = "&Safety Check\u2026";
constexpr char kSafetyFailsCaption[] = "&Safety Check\u2026  (a check fails)";

}  // namespace

void ProgramWindows::ConnectSafety() {
  safetyItem_ = mainWidget_->viewMenu()->addAction(kSafetyCaption);
  safetyItem_->setObjectName("ViewSafety");
  QObject::connect(safetyItem_, &QAction::triggered, mainWidget_.get(),
                   [this] { safetyWindow().ShowAndRaise(); });
}

SafetyWindow& ProgramWindows::safetyWindow() {
  if (!safetyWindow_) MakeSafetyWindow();
  return *safetyWindow_;
}

void ProgramWindows::MakeSafetyWindow() {
  safetyWindow_ = std::make_unique<SafetyWindow>(*state_);
  safetyWindow_->setWindowIcon(Icon());
  safetyWindow_->checked = [this](const WindowSafety& result) { ShowSafetyCheckResult(result); };
  safetyWindow_->applySuggestion = [this](const SafetySuggestion& s) {
    mainWidget_->Run([this, s] { ApplySafetySuggestion(*state_, s); });
  };
  safetyWindow_->chooseSpecies = [this](std::optional<WoodSpecies> species) {
    if (species == state_->form.woodSpecies) return;
    mainWidget_->Run([this, species] {
      MainWindow::StepScope step(*state_, "Choice: Wood");
      state_->form.woodSpecies = species;
    });
    safetyWindow_->DesignChanged();
  };
  safetyWindow_->settingsSaved = [this] {
    if (safetySettings_) SaveSafetySettings(*safetySettings_, safetyWindow_->settings);
  };
  // From now on the window keeps the settings and checks every design.
  safetyWindow_->settings = safetySettingsRead_;
  safetyWindow_->SettingsChanged();
}

void ProgramWindows::CheckSafety() {
  if (safetyWindow_)
    safetyWindow_->DesignChanged();
  else
    ShowSafetyCheckResult(CheckWindowDesign(*state_, safetySettingsRead_));
}

void ProgramWindows::ShowSafetyCheckResult(const WindowSafety& result) {
  const bool fails = result.check.cannotCheck.empty() && !result.check.ok;
  safetyItem_->setText(fails ? kSafetyFailsCaption : kSafetyCaption);
}

void ProgramWindows::KeepSafetySettings(std::unique_ptr<QSettings> settings) {
  safetySettings_ = std::move(settings);
  if (safetyWindow_) {
    LoadSafetySettings(*safetySettings_, safetyWindow_->settings);
    safetyWindow_->SettingsChanged();
  } else {
    LoadSafetySettings(*safetySettings_, safetySettingsRead_);
    CheckSafety();
  }
}

}  // namespace varnloft
