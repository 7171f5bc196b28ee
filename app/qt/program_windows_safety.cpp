// The Safety window's part of the program: View > Safety Check… after the 3D View, the check of
// every design (the menu item says when a check fails, and the status bar in red, so the main
// window shows it without the window open; the check is cheap and stays at every design, while
// the window is made only when first opened; the 3D View colours its pieces by the same check), the
// wood chosen as an undoable change of the design, a suggestion typed into the main window's boxes
// as one undo step and designed, and the settings kept between runs.
#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>

#include "app/qt/clickable_label.h"
#include "app/qt/program_windows.h"
#include "app/qt/safety_settings_store.h"

namespace varnloft {

namespace {

constexpr char kSafetyCaption[] = "&Safety Check\u2026";
constexpr char kSafetyFailsCaption[] = "&Safety Check\u2026  (a check fails)";
constexpr char kSafetyWarning[] = "A safety check fails: View > Safety Check\u2026";

}  // namespace

void ProgramWindows::ConnectSafety() {
  safetyItem_ = mainWidget_->viewMenu()->addAction(kSafetyCaption);
  safetyItem_->setObjectName("ViewSafety");
  QObject::connect(safetyItem_, &QAction::triggered, mainWidget_.get(),
                   [this] { safetyWindow().ShowAndRaise(); });

  // While a check fails the status bar says so in red, and a click on it opens the window.
  auto* warning = new ClickableLabel(kSafetyWarning, mainWidget_.get());
  warning->setObjectName("SafetyWarning");
  warning->setStyleSheet("color: #a00000; font-weight: bold; padding: 0 6px");
  warning->setCursor(Qt::PointingHandCursor);
  warning->hide();
  mainWidget_->statusBar()->addPermanentWidget(warning);
  QObject::connect(warning, &ClickableLabel::clicked, mainWidget_.get(),
                   [this] { safetyWindow().ShowAndRaise(); });
  safetyWarning_ = warning;
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
  safetyWarning_->setVisible(fails);
  lastSafetyCheck_ = result.check;
  if (table3dWindow_) table3dWindow_->SafetyChecked(result.check);
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
