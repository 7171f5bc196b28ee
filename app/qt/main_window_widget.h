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

class RecentFiles;

// The picture area under the input panel: shows the last drawing and reports its size.
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
  // Stops listening to the application first: closing the window while it is destroyed moves the
  // focus, and the focus handler must not run on a half-destroyed window.
  ~MainWindowWidget() override;

  // Runs one handler of the state as a user event, then shows the resulting state.
  void Run(const std::function<void()>& handler);
  // Return or the keypad's Enter in an input box: presses Design.
  void PressEnter(const QString& box);
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
  // Where each visible control lies on the screen, as JSON {CONTROL NAME: [x, y, w, h], ...}: the
  // end-to-end tests click and type there as a person would.
  QString WidgetGeometryJson() const;
  // Each control's widget by its role, or by its control name (as the end-to-end tests know it).
  QLineEdit* edit(const QString& name) { return edits_.value(RoleOf(name)); }
  QComboBox* combo(const QString& name) { return combos_.value(RoleOf(name)); }
  QLabel* label(const QString& name) { return labels_.value(RoleOf(name)); }
  QPushButton* button(const QString& name) { return buttons_.value(RoleOf(name)); }
  QRadioButton* radio(const QString& name) { return radios_.value(RoleOf(name)); }
  QAction* menuAction(const QString& name) { return actions_.value(RoleOf(name)); }
  QMenu* menu(const QString& name) { return menus_.value(name); }  // by its object name
  // The File and Edit menus' items ("New", "Open", "Save", "SaveAs", "Revert", "Undo", "Redo"),
  // which mirror the design's file and history rather than a control of the state.
  QAction* documentAction(const QString& name) { return documentActions_.value(name); }
  QMenu* recentMenu() { return recentMenu_; }

  // The file dialogs: the chosen file, or an empty text when cancelled. The defaults run Qt's
  // file dialogs; tests replace them.
  std::function<QString(const QString& folder)> askOpenFileName;
  std::function<QString(const QString& folder, const QString& proposedName)> askSaveFileName;
  // The file dialogs as the main window's state asks for them: the chosen file, or "".
  std::string AskOpenDesignFile();
  std::string AskSaveDesignFile(const std::string& proposedName);
  // An opened or saved design file goes to the top of Open Recent.
  void RememberRecentFile(const std::string& path);
  // The list behind Open Recent; none (nullptr) keeps no list.
  void SetRecentFiles(RecentFiles* recent);
  QLabel* statusPanel(int i) { return i == 0 ? status0_ : status1_; }
  QMenu* exportMenu() { return exportMenu_; }  // File > Export
  QMenu* viewMenu() { return viewMenu_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static QString RoleOf(const QString& name);
  void BuildPanel();
  void BuildMenus();
  void BuildStatusBar();
  QLineEdit* AddEdit(QWidget* parent, const QString& name, int top);
  QComboBox* AddCombo(QWidget* parent, const QString& name, int top);
  // At the left the form state gives the control.
  ClickableLabel* AddLabel(QWidget* parent, const QString& name, int top);
  QAction* AddMenuItem(QMenu* menu, const QString& name, const std::function<void()>& handler);
  void OnFocusWindowChanged(QWindow* window);
  // document_menus.cpp: the File menu's design items, the Edit menu, the title.
  void BuildFileMenu(QMenu* file);
  void BuildEditMenu();
  QAction* AddDocumentItem(QMenu* menu, const QString& name, const QString& caption,
                           const QList<QKeySequence>& keys, const std::function<void()>& handler);
  void FillRecentMenu();
  void SyncDocument();
  QString DialogFolder() const;
  // A box loses the focus: its typing is one step.
  void OnFocusChanged(QWidget* old, QWidget* now);
  QString BoxOf(QWidget* widget) const;

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
  QMap<QString, QAction*> documentActions_;
  QMenu* recentMenu_ = nullptr;
  RecentFiles* recent_ = nullptr;
  QLabel* status0_ = nullptr;
  QLabel* status1_ = nullptr;
  PictureArea* designView_ = nullptr;
  QMenu* exportMenu_ = nullptr;
  QMenu* viewMenu_ = nullptr;
};

}  // namespace varnloft
