#include "app/qt/program_windows.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

namespace varnloft {

namespace {

// Day and month names and the thousands separator of the user's locale.
LocaleTexts SystemLocaleTexts() {
  LocaleTexts texts;
  QLocale locale;
  for (int d = 0; d < 7; ++d)  // Qt counts Monday = 1 .. Sunday = 7
    texts.dayNames[d] = locale.dayName(d == 0 ? 7 : d, QLocale::LongFormat).toStdString();
  for (int m = 0; m < 12; ++m)
    texts.monthNames[m] = locale.monthName(m + 1, QLocale::LongFormat).toStdString();
  texts.thousandsSeparator = locale.groupSeparator().toStdString();
  return texts;
}

}  // namespace

ProgramWindows::ProgramWindows() : image5_(518, 237, QImage::Format_RGB32) {
  image5_.fill(Qt::white);
  state_ = std::make_unique<MainWindow>(prompts_, clock_, shell_, SystemLocaleTexts());
  byc_ = std::make_unique<TBYC>(*state_);
  prompts_.SetParent(byc_.get());
  state_->form.windowWidth = byc_->width();
  state_->FormCreate();
  byc_->SyncFromState();

  // The other windows, in their fixed order.
  okRightDlg_ = std::make_unique<QWidget>();
  okBottomDlg_ = std::make_unique<QWidget>();
  aboutBox_ = std::make_unique<QWidget>();
  form4_ = std::make_unique<QWidget>();
  form7_ = std::make_unique<QWidget>();

  MainWindowHooks& hooks = state_->hooks;
  hooks.drawDesignView = [this] { DrawDesignViewIntoImage1(); };
  hooks.closeMainWindow = [this] { byc_->close(); };
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

void ProgramWindows::DrawDesignViewIntoImage1() {
  PictureArea* area = byc_->image1();
  QImage image(area->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image.fill(Qt::white);
  area->image = image;
  area->update();
}

}  // namespace varnloft
