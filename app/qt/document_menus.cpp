// The main window's File menu items for design files, its Edit menu, its title, and the typing
// steps that end when a box loses the focus.
#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "app/file_commands.h"
#include "app/qt/design_file_dialogs.h"
#include "app/qt/main_window_widget.h"
#include "app/qt/recent_files.h"
#include "platform/qt/qt_conversions.h"

namespace varnloft {

namespace {

// A text shown as a menu item's caption: "&" is no mnemonic in it.
QString Literal(QString text) {
  return text.replace("&", "&&");
}

bool IsUndoOrRedoKey(QKeyEvent* key) {
  const QKeySequence pressed(key->keyCombination());
  return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
         pressed == QKeySequence("Ctrl+Z") || pressed == QKeySequence("Ctrl+Shift+Z") ||
         pressed == QKeySequence("Ctrl+Y");
}

}  // namespace

QAction* MainWindowWidget::AddDocumentItem(QMenu* menu, const QString& name, const QString& caption,
                                           const QList<QKeySequence>& keys,
                                           const std::function<void()>& handler) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name + "Design1");
  action->setShortcuts(keys);
  documentActions_[name] = action;
  connect(action, &QAction::triggered, this, [this, handler] { Run(handler); });
  return action;
}

void MainWindowWidget::BuildFileMenu(QMenu* file) {
  askOpenFileName = [this](const QString& folder) { return RunOpenDesignDialog(this, folder); };
  askSaveFileName = [this](const QString& folder, const QString& proposed) {
    return RunSaveDesignDialog(this, folder, proposed);
  };
  AddDocumentItem(file, "New", "&New", {QKeySequence("Ctrl+N")},
                  [this] { state_.files().NewDesign(); });
  AddDocumentItem(file, "Open", "&Open...", {QKeySequence("Ctrl+O")},
                  [this] { state_.files().OpenDesign(); });
  recentMenu_ = file->addMenu("Open &Recent");
  recentMenu_->setObjectName("OpenRecent1");
  connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindowWidget::FillRecentMenu);
  AddDocumentItem(file, "Save", "&Save", {QKeySequence("Ctrl+S")},
                  [this] { state_.files().SaveDesign(); });
  AddDocumentItem(file, "SaveAs", "Save &As...", {QKeySequence("Ctrl+Shift+S")},
                  [this] { state_.files().SaveDesignAs(); });
  AddDocumentItem(file, "Revert", "Re&vert", {}, [this] { state_.files().RevertDesign(); });
  file->addSeparator();
}

void MainWindowWidget::RememberRecentFile(const std::string& path) {
  if (recent_) recent_->Add(Q(path));
}

void MainWindowWidget::BuildEditMenu() {
  QMenu* edit = menuBar()->addMenu("&Edit");
  edit->setObjectName("EditMenu1");
  AddDocumentItem(edit, "Undo", "&Undo", {QKeySequence("Ctrl+Z")},
                  [this] { state_.files().Undo(); });
  AddDocumentItem(edit, "Redo", "&Redo", {QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")},
                  [this] { state_.files().Redo(); });
}

void MainWindowWidget::SetRecentFiles(RecentFiles* recent) {
  recent_ = recent;
  SyncDocument();
}

void MainWindowWidget::FillRecentMenu() {
  recentMenu_->clear();
  if (!recent_) return;
  int number = 1;
  for (const QString& path : recent_->Files()) {
    QAction* item = recentMenu_->addAction(
        QString("&%1 %2").arg(number++).arg(Literal(QFileInfo(path).fileName())));
    item->setToolTip(path);
    connect(item, &QAction::triggered, this, [this, path] {
      Run([&] { state_.files().OpenRecentDesign(path.toStdString()); });
      // A file that has gone leaves the list.
      if (recent_ && !QFileInfo::exists(path)) recent_->Remove(path);
      SyncDocument();
    });
  }
}

void MainWindowWidget::SyncDocument() {
  setWindowTitle(Q(state_.WindowTitle()));
  setWindowModified(state_.IsModified());
  const QString undo = Q(state_.UndoMenuText());
  const QString redo = Q(state_.RedoMenuText());
  documentActions_["Undo"]->setText(undo.isEmpty() ? "&Undo" : Literal(undo));
  documentActions_["Undo"]->setEnabled(!undo.isEmpty());
  documentActions_["Redo"]->setText(redo.isEmpty() ? "&Redo" : Literal(redo));
  documentActions_["Redo"]->setEnabled(!redo.isEmpty());
  documentActions_["Revert"]->setEnabled(!state_.DesignPath().empty());
  recentMenu_->setEnabled(recent_ && !recent_->Files().isEmpty());
}

QString MainWindowWidget::DialogFolder() const {
  return DesignFolder(Q(state_.DesignPath()));
}

QString MainWindowWidget::BoxOf(QWidget* widget) const {
  if (!widget) return QString();
  for (auto it = edits_.begin(); it != edits_.end(); ++it)
    if (it.value() == widget) return it.key();
  for (auto it = combos_.begin(); it != combos_.end(); ++it)
    if (it.value() == widget || it.value()->lineEdit() == widget) return it.key();
  return QString();
}

void MainWindowWidget::OnFocusChanged(QWidget* old, QWidget* now) {
  const QString box = BoxOf(old);
  if (box.isEmpty() || BoxOf(now) == box) return;
  // Hiding a box while copying the state moves the focus: the copy goes on by itself.
  if (syncing_)
    state_.files().BoxFocusLeft(box.toStdString());
  else
    Run([&] { state_.files().BoxFocusLeft(box.toStdString()); });
}

bool MainWindowWidget::eventFilter(QObject* watched, QEvent* event) {
  // The boxes' own undo would change a text behind the history's back: Undo and Redo are the
  // window's, whichever box has the focus.
  if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
    if (IsUndoOrRedoKey(static_cast<QKeyEvent*>(event))) return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace varnloft
