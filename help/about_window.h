#pragma once
// The About window: the maker's web address as a link, the product's eleven lines, and OK.
// Created once, when first opened, and shown modally (exec()); closing hides it.
#include <QDialog>

#include "design/design_record.h"
#include "platform/shell.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace varnloft {

class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  // The notice line is read from `record` each time the window is activated; `shell` opens the
  // web address. Both must outlive the window.
  AboutWindow(Shell& shell, const DesignRecord& record, QWidget* parent = nullptr);

  // Handlers, public so that the main window's tests and scripts can drive them.
  void FillText();         // refills aboutText with the eleven lines
  void HoverWebAddress();  // the link turns red
  void FormMouseMove();    // the link turns white again
  void OpenWebAddress();   // opens the web address
  void PressOk();          // closes with the result OK

  QLabel* webAddressLabel;
  QLabel* programIconLabel;
  QTextEdit* aboutText;
  QPushButton* okButton;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void SetLinkColour(const QColor& colour);

  Shell& shell_;
  const DesignRecord& record_;
};

}  // namespace varnloft
