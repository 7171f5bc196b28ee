#pragma once
// The Illustrations window: seven tabbed pages of pictures, the angle report of the latest
// design ("Two Angles Only"), building advice and the leg-angle formula. Created once, when
// first opened, and shown without blocking the main window; its close box hides it.
#include <QDialog>
#include <QImage>
#include <QStringList>

#include "help/picture_view.h"
#include "help/pictures.h"

class QTabWidget;
class QTextEdit;
class QLabel;

namespace varnloft {

class BevelPanel;

class IllustrationsWindow : public QDialog {
  Q_OBJECT

 public:
  explicit IllustrationsWindow(QWidget* parent = nullptr);

  // The angle report's picture, 518 x 237, white until the first report is drawn. Draw into it
  // (it stays owned by this window) and then call RefreshAngleReport().
  QImage& AngleReportImage() { return angleReport_; }
  // Replaces the angle report's picture with a copy of `report` and repaints the page.
  void SetAngleReport(const QImage& report);
  // Repaints the "Two Angles Only" page after the picture was drawn again.
  void RefreshAngleReport();

  // Shows the window without blocking, centred on the screen, in front and active. The page
  // last shown stays selected.
  void ShowCentred();

  // Messages of pictures that could not be decoded (empty when all four loaded).
  const QStringList& PictureErrors() const { return pictureErrors_; }

  QTabWidget* pages;
  QWidget *varnloftPage, *holeLocationsPage, *tipsyTablePage, *angleCheckingPage, *twoAnglesPage,
      *generalInfoPage, *formulaPage;
  PictureView *photographView, *holeLocationsView, *tipsyTableView, *angleCheckingView,
      *angleReportView;
  QLabel* angleCheckingBackdrop;
  QTextEdit* generalInfoPane;
  QTextEdit* formulaPane;

 signals:
  // The window stopped being the active window, e.g. the user went back to the main window.
  void Deactivated();

 protected:
  bool event(QEvent* event) override;

 private:
  QWidget* AddPage(const QString& caption, BevelPanel* panel);
  PictureView* MakeStoredPictureView(const StoredPicture& stored, QImage& target,
                                     PictureView::Fit fit);
  void BuildPicturePages();
  void BuildTextPages();

  QImage photograph_, holeLocations_, tipsyTable_, angleChecking_;
  QImage angleReport_;
  QStringList pictureErrors_;
};

}  // namespace varnloft
