// The Safety window's part of the program: View > Safety Check… after the 3D View, the check of
// every design (the menu item says when a check fails, so the main window shows it without the
// window open, and the status bar shows it in red), the wood chosen as an undoable change of the
// design, a suggestion typed into the main window's boxes as one undo step and designed, and the
// settings kept between runs.
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
  safetyWindow_ = std::make_unique<SafetyWindow>(*state_);
  safetyWindow_->setWindowIcon(mainWidget_->windowIcon());
  QAction* item = mainWidget_->viewMenu()->addAction(kSafetyCaption);
  item->setObjectName("ViewSafety");
  QObject::connect(item, &QAction::triggered, safetyWindow_.get(),
                   [this] { safetyWindow_->ShowAndRaise(); });

  // While a check fails the status bar says so in red, and a click on it opens the window.
  auto* warning = new ClickableLabel(kSafetyWarning, mainWidget_.get());
  warning->setObjectName("SafetyWarning");
  warning->setStyleSheet("color: #a00000; font-weight: bold; padding: 0 6px");
  warning->setCursor(Qt::PointingHandCursor);
  warning->hide();
  mainWidget_->statusBar()->addPermanentWidget(warning);
  QObject::connect(warning, &ClickableLabel::clicked, safetyWindow_.get(),
                   [this] { safetyWindow_->ShowAndRaise(); });

  // The View menu and the status bar say when a check fails; the 3D View colours the pieces by
  // the same check.
  safetyWindow_->checked = [this, item, warning](const WindowSafety& result) {
    const bool fails = result.check.cannotCheck.empty() && !result.check.ok;
    item->setText(fails ? kSafetyFailsCaption : kSafetyCaption);
    warning->setVisible(fails);
    table3dWindow_->SafetyChecked(result.check);
  };
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
}

void ProgramWindows::KeepSafetySettings(std::unique_ptr<QSettings> settings) {
  safetySettings_ = std::move(settings);
  LoadSafetySettings(*safetySettings_, safetyWindow_->settings);
  safetyWindow_->SettingsChanged();
}

}  // namespace varnloft
