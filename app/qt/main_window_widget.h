#pragma once
// The main window: mirrors the plain main-window state and forwards every event into it.
#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "app/main_window.h"
#include "app/qt/clickable_label.h"

namespace varnloft {

// The picture area Image1: shows the last drawing and reports its size.
class PictureArea : public QWidget {
  Q_OBJECT
 public:
  explicit PictureArea(QWidget* parent = nullptr);
  QImage image;

 protected:
  void paintEvent(QPaintEvent*) override;
};

class MainWindowWidget : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindowWidget(MainWindow& state, QWidget* parent = nullptr);

  // Runs one handler of the state as a user event, then shows the resulting state.
  void Run(const std::function<void()>& handler);
  // Copies every control's state into its widget.
  void SyncFromState();
  // The window becomes active through one of the program's own events (first show, a dialog or
  // a modal window closing): runs the activation handler.
  void ActivateFromProgram();
  // A focus change from the given window back to this one counts as an activation.
  void SetReturnActivates(QWidget* window) { returnActivates_ = window; }
  // Called after every refresh from the state (the end-to-end tests read the state this way).
  void SetAfterSync(std::function<void()> afterSync) { afterSync_ = std::move(afterSync); }

  PictureArea* designView() { return designView_; }
  // Where each visible control lies on the screen, as JSON {"Edit1": [x, y, w, h], ...}: the
  // end-to-end tests click and type there as a person would.
  QString WidgetGeometryJson() const;
  QLineEdit* edit(const QString& name) { return edits_.value(name); }
  QComboBox* combo(const QString& name) { return combos_.value(name); }
  QLabel* label(const QString& name) { return labels_.value(name); }
  QPushButton* button(const QString& name) { return buttons_.value(name); }
  QRadioButton* radio(const QString& name) { return radios_.value(name); }
  QAction* menuAction(const QString& name) { return actions_.value(name); }
  QMenu* menu(const QString& name) { return menus_.value(name); }
  // File > Export, filled by the windows that export (it mirrors no control of the state).
  QMenu* exportMenu() { return exportMenu_; }
  QLabel* statusPanel(int i) { return i == 0 ? status0_ : status1_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPanel();
  void BuildMenus();
  void BuildStatusBar();
  QLineEdit* AddEdit(QWidget* parent, const QString& name, int top);
  QComboBox* AddCombo(QWidget* parent, const QString& name, int left, int top, int width);
  ClickableLabel* AddLabel(QWidget* parent, const QString& name, int left, int top);
  QAction* AddMenuItem(QMenu* menu, const QString& name, const std::function<void()>& handler);
  void OnFocusWindowChanged(QWindow* window);

  MainWindow& state_;
  bool syncing_ = false;
  bool firstShowDone_ = false;
  QWidget* returnActivates_ = nullptr;
  std::function<void()> afterSync_;
  QWindow* lastFocusWindow_ = nullptr;
  QMap<QString, QLineEdit*> edits_;
  QMap<QString, QComboBox*> combos_;
  QMap<QString, QLabel*> labels_;
  QMap<QString, QPushButton*> buttons_;
  QMap<QString, QRadioButton*> radios_;
  QMap<QString, QAction*> actions_;
  QMap<QString, QMenu*> menus_;
  QLabel* status0_ = nullptr;
  QLabel* status1_ = nullptr;
  PictureArea* designView_ = nullptr;
  QMenu* exportMenu_ = nullptr;
};

}  // namespace varnloft
