#include "app/qt/program_windows.h"

#include <QGuiApplication>
#include <QLocale>
#include <QSaveFile>
#include <QScreen>

#include "app/plan_context_of.h"
#include "app/state_report.h"
#include "design/angle_report.h"
#include "drawing/design_view.h"
#include "help/program_icon.h"
#include "platform/qt/qt_locale_texts.h"

namespace varnloft {

ProgramWindows::ProgramWindows() : image1_(1, 1), image5_(518, 237) {
  state_ = std::make_unique<MainWindow>(prompts_, clock_, shell_, LocaleTextsOf(QLocale()));
  byc_ = std::make_unique<MainWindowWidget>(*state_);
  prompts_.SetParent(byc_.get());
  state_->form.windowWidth = byc_->width();
  state_->FormCreate();
  byc_->SyncFromState();

  // The other windows, in their fixed order.
  okRightDlg_ = std::make_unique<ThicknessDialogWindow>(*state_);
  okBottomDlg_ = std::make_unique<ScaleDialogWindow>(*state_);
  aboutBox_ = std::make_unique<AboutWindow>(shell_, state_->rec);
  form4_ = std::make_unique<PlansWindow>(state_->rec, prompts_);
  form7_ = std::make_unique<IllustrationsWindow>();
  byc_->setWindowIcon(ProgramIcon());
  // Coming back from the Illustrations window is a real activation of the main window.
  byc_->SetReturnActivates(form7_.get());

  MainWindowHooks& hooks = state_->hooks;
  hooks.drawDesignView = [this] { DrawDesignViewIntoImage1(); };
  hooks.drawAngleReport = [this] {
    image5_.Draw([this](Canvas& canvas) { DrawAngleReport(state_->rec, canvas); });
    form7_->SetImage5(image5_.Image());
  };
  hooks.showAbout = [this] {
    aboutBox_->exec();
    byc_->ActivateFromProgram();
  };
  hooks.showIllustrations = [this] { form7_->ShowCentred(); };
  hooks.closeMainWindow = [this] { byc_->close(); };
  ConnectPlans();
  // For the end-to-end tests: VARNLOFT_STATE_DUMP names a file that receives the window's
  // state as JSON after every change.
  const QString dumpPath = qEnvironmentVariable("VARNLOFT_STATE_DUMP");
  if (!dumpPath.isEmpty()) {
    byc_->SetAfterSync([this, dumpPath] {
      QSaveFile file(dumpPath);
      if (file.open(QIODevice::WriteOnly)) {
        file.write(QByteArray::fromStdString(ReportJson(*state_, prompts_.shown)));
        file.commit();
      }
      QSaveFile geometry(dumpPath + ".geometry");
      if (geometry.open(QIODevice::WriteOnly)) {
        geometry.write(byc_->WidgetGeometryJson().toUtf8());
        geometry.commit();
      }
    });
  }
  ConnectOptionDialog(*okRightDlg_);
  ConnectOptionDialog(*okBottomDlg_);
  hooks.showThicknessDialog = [this] {
    prompts_.SetParent(okRightDlg_.get());
    okRightDlg_->ShowFromState();
  };
  hooks.showScaleDialog = [this] {
    prompts_.SetParent(okBottomDlg_.get());
    okBottomDlg_->ShowFromState();
  };
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::ShowMainWindow() {
  // Without a window manager a maximise request is not honoured: size the window first.
  if (QScreen* screen = QGuiApplication::primaryScreen())
    byc_->setGeometry(screen->availableGeometry());
  state_->form.windowWidth = byc_->width();
  state_->form.windowHeight = byc_->height();
  state_->form.statusPanel0Width = byc_->width() / 2;
  byc_->showMaximized();
}

void ProgramWindows::ConnectPlans() {
  MainWindowHooks& hooks = state_->hooks;
  hooks.showPlans = [this] {
    form4_->DrawPlanSheet(PlanContextOf(*state_));
    // Message boxes belong to the plans window while it is open.
    prompts_.SetParent(form4_.get());
    form4_->setWindowState(form4_->windowState() | Qt::WindowMaximized);
    form4_->exec();
    prompts_.SetParent(byc_.get());
    byc_->ActivateFromProgram();
  };
  hooks.printPlans = [this] {
    QWidget* over = form4_->isVisible() ? static_cast<QWidget*>(form4_.get()) : byc_.get();
    printer_.Print(over, state_->rec, PlanContextOf(*state_));
  };
  hooks.printerSetup = [this] { printer_.Setup(byc_.get()); };
  form4_->pressMainPrint = [this] { byc_->button("BitBtn5")->click(); };
}

void ProgramWindows::ConnectOptionDialog(OptionDialogWindow& dialog) {
  dialog.SetMainWindowCalls([this] { byc_->SyncFromState(); },
                            [this] {
                              prompts_.SetParent(byc_.get());
                              byc_->ActivateFromProgram();
                            });
}

void ProgramWindows::DrawDesignViewIntoImage1() {
  PictureArea* area = byc_->image1();
  const QRect frame = byc_->frameGeometry();
  state_->form.windowWidth = frame.width();
  state_->form.windowHeight = frame.height();
  image1_.SetSize(area->width(), area->height());
  image1_.Draw([this, frame](Canvas& canvas) {
    DrawDesignView(state_->rec, canvas, frame.width(), frame.height());
  });
  area->image = image1_.Image();
  area->update();
}

}  // namespace varnloft
