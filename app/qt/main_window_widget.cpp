#include "app/qt/main_window_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <string_view>

#include "app/control_names.h"
#include "app/design_commands.h"
#include "app/file_commands.h"
#include "app/input_boxes.h"
#include "app/option_commands.h"
#include "app/panel_layout.h"
#include "app/preset_commands.h"
#include "app/preset_menu.h"
#include "app/qt/design_button_picture.h"
#include "platform/qt/qt_conversions.h"

namespace varnloft {

namespace {

constexpr int kPanelHeight = 257;
constexpr int kRowTop = 22;
constexpr int kRowStep = 23;
constexpr int kBoxHeight = 21;
// The grid's positions are counted from here, leaving room for the longest row label.
constexpr int kGridLeft = 40;

void SetTextColor(QWidget* w, Rgb c) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, ToQColor(c));
  p.setColor(QPalette::ButtonText, ToQColor(c));
  p.setColor(QPalette::Text, ToQColor(c));
  w->setPalette(p);
}

// Menu captions mark their accelerator with "&", as Qt does.
QString MenuCaption(const std::string& s) {
  return Q(s);
}

// A control's widget is named by its control name, which the end-to-end tests find it by.
QString NameOf(const QString& role) {
  return Q(ControlNameOf(role.toStdString()));
}

}  // namespace

PictureArea::PictureArea(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void PictureArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!image.isNull()) painter.drawImage(0, 0, image);
}

MainWindowWidget::MainWindowWidget(MainWindow& state, QWidget* parent)
    : QMainWindow(parent), state_(state) {
  setObjectName("BYC");
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  setCentralWidget(central);

  BuildPanel();
  designView_ = new PictureArea(central);
  designView_->setObjectName(NameOf("designView"));
  column->addWidget(findChild<QWidget*>(NameOf("inputPanel")));
  column->addWidget(designView_, 1);

  BuildMenus();
  BuildStatusBar();
  SyncFromState();

  connect(qApp, &QGuiApplication::focusWindowChanged, this,
          &MainWindowWidget::OnFocusWindowChanged);
  connect(qApp, &QApplication::focusChanged, this, &MainWindowWidget::OnFocusChanged);
}

std::string MainWindowWidget::AskOpenDesignFile() {
  const QString path = askOpenFileName ? askOpenFileName(DialogFolder()) : QString();
  return path.toStdString();
}

std::string MainWindowWidget::AskSaveDesignFile(const std::string& proposed) {
  const QString path = askSaveFileName ? askSaveFileName(DialogFolder(), Q(proposed)) : QString();
  // The keyboard comes back here when the dialog closes, window manager or not.
  if (isVisible()) activateWindow();
  return path.toStdString();
}

MainWindowWidget::~MainWindowWidget() {
  disconnect(qApp, nullptr, this, nullptr);
}

QLineEdit* MainWindowWidget::AddEdit(QWidget* parent, const QString& name, int top) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(NameOf(name));
  const ControlState& c = state_.form.at(name.toStdString());
  e->setGeometry(kGridLeft + c.left, top, c.width, kBoxHeight);
  edits_[name] = e;
  connect(e, &QLineEdit::textEdited, this, [this, name](const QString& text) {
    if (syncing_) return;
    Run([&] { state_.files().BoxTextEdited(name.toStdString(), text.toStdString()); });
  });
  connect(e, &QLineEdit::returnPressed, this, [this, name] { PressEnter(name); });
  e->installEventFilter(this);
  return e;
}

QComboBox* MainWindowWidget::AddCombo(QWidget* parent, const QString& name, int top) {
  auto* box = new QComboBox(parent);
  box->setObjectName(NameOf(name));
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  const ControlState& c = state_.form.at(name.toStdString());
  box->setGeometry(kGridLeft + c.left, top, c.width, kBoxHeight + 1);
  for (const auto& item : c.items) box->addItem(Q(item));
  if (name == "deckBoardCount.0") box->setMaxVisibleItems(15);
  combos_[name] = box;
  // Typing changes the text letter by letter; choosing an item from the list is a click first.
  connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, name](const QString& text) {
    if (syncing_) return;
    Run([&] { state_.files().BoxTextEdited(name.toStdString(), text.toStdString()); });
  });
  connect(box, &QComboBox::textActivated, this, [this, name](const QString& text) {
    if (syncing_) return;
    Run([&] { state_.design().ChooseItem(name.toStdString(), text.toStdString()); });
  });
  connect(box->lineEdit(), &QLineEdit::returnPressed, this, [this, name] { PressEnter(name); });
  box->installEventFilter(this);
  box->lineEdit()->installEventFilter(this);
  return box;
}

ClickableLabel* MainWindowWidget::AddLabel(QWidget* parent, const QString& name, int top) {
  auto* l = new ClickableLabel(parent);
  l->setObjectName(NameOf(name));
  const ControlState& c = state_.form.at(name.toStdString());
  l->move(kGridLeft + c.left, top);
  l->setText(Q(c.text));
  if (!c.hint.empty()) l->setToolTip(Q(c.hint));
  labels_[name] = l;
  return l;
}

void MainWindowWidget::BuildPanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName(NameOf("inputPanel"));
  panel->setFixedHeight(kPanelHeight);
  panel->setAutoFillBackground(true);
  QPalette pp = panel->palette();
  pp.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
  pp.setColor(QPalette::WindowText, ToQColor(kBlue));
  panel->setPalette(pp);
  QFont bold("Arial", 9);
  bold.setBold(true);
  panel->setFont(bold);

  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  auto* grid = new TrackingPanel(panel);
  grid->setObjectName(NameOf("inputGrid"));
  row->addWidget(grid, 1);
  connect(grid, &TrackingPanel::mouseMoved, this,
          [this] { Run([&] { state_.design().LeaveWebAddress(); }); });

  QFont plain = bold;
  plain.setBold(false);

  // Left half: lengths.
  AddLabel(grid, "feetHeading", 4);
  AddLabel(grid, "inchesHeading", 4);
  AddLabel(grid, "sixteenthsHeading", 4);
  // Boxes are made row by row down the grid, so that Tab follows the rows.
  std::vector<const InputBoxes*> lengths;
  for (const auto& entry : InputBoxTable())
    if (entry.input->unit == InputUnit::Length || entry.input->unit == InputUnit::ShortLength)
      lengths.push_back(&entry);
  std::stable_sort(lengths.begin(), lengths.end(), [](const InputBoxes* a, const InputBoxes* b) {
    return a->gridRow < b->gridRow;
  });
  for (const InputBoxes* row : lengths) {
    const InputBoxes& entry = *row;
    const int top = kRowTop + entry.gridRow * kRowStep;
    auto* rowLabel = new QLabel(entry.caption, grid);
    rowLabel->setGeometry(0, top, kGridLeft + 106, kBoxHeight);
    rowLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (const std::string& box : entry.boxes) AddEdit(grid, Q(box), top);
  }

  // Right half: lumber.
  AddLabel(grid, "lumberSizeHeading", 4);
  AddLabel(grid, "widthHeading", 4);
  ClickableLabel* thickness = AddLabel(grid, "thicknessLabel", 4);
  QFont underlined = bold;
  underlined.setUnderline(true);
  thickness->setFont(underlined);
  thickness->setCursor(Qt::PointingHandCursor);
  connect(thickness, &ClickableLabel::clicked, this,
          [this] { Run([&] { state_.options().ClickThicknessLabel(); }); });
  for (const auto& entry : InputBoxTable()) {
    if (!entry.IsLumberRow()) continue;
    const int top = kRowTop + entry.gridRow * kRowStep;
    if (std::string_view(entry.input->role) == "endCapSize") {
      // The end-cap row's caption explains end caps when clicked.
      ClickableLabel* endCap = AddLabel(grid, "endCapCaption", top);
      endCap->setFixedSize(174, kBoxHeight);
      endCap->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      endCap->setCursor(Qt::PointingHandCursor);
      connect(endCap, &ClickableLabel::clicked, this,
              [this] { Run([&] { state_.design().ExplainEndCaps(); }); });
    } else {
      auto* rowLabel = new QLabel(entry.caption, grid);
      rowLabel->setGeometry(kGridLeft + panel::kLumberCaption, top, 174, kBoxHeight);
      rowLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    ClickableLabel* green = AddLabel(grid, Q(entry.greenLabel), top);
    green->setFixedSize(76, kBoxHeight);
    green->setFont(underlined);
    green->setCursor(Qt::PointingHandCursor);
    const std::string greenName = entry.greenLabel;
    connect(green, &ClickableLabel::clicked, this,
            [this, greenName] { Run([&] { state_.design().ShowLumberSizeBox(greenName); }); });
    AddCombo(grid, Q(entry.SizeBox()), top);
    QLineEdit* width = AddEdit(grid, Q(entry.WidthBox()), top);
    width->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  }
  for (const auto& entry : InputBoxTable()) {
    if (entry.input->unit != InputUnit::Count) continue;
    const int top = kRowTop + entry.gridRow * kRowStep;
    auto* rowLabel = new QLabel(entry.caption, grid);
    rowLabel->setGeometry(kGridLeft + 280, top, 194, kBoxHeight);
    rowLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AddCombo(grid, Q(entry.boxes[0]), top);
  }
  ClickableLabel* note = AddLabel(grid, "greenTextNote", 30);
  note->setWordWrap(true);
  note->setFixedSize(220, 60);
  note->setFont(plain);

  // Support side.
  QFont italic("Arial", 9);
  italic.setItalic(true);
  italic.setBold(true);
  const int radioTop = kRowTop + 9 * kRowStep + 4;
  const char* radios[] = {"exteriorSupports", "interiorSupports"};
  for (int i = 0; i < 2; ++i) {
    auto* rb = new QRadioButton(Q(state_.form.Text(radios[i])), grid);
    rb->setObjectName(NameOf(radios[i]));
    rb->setFont(italic);
    rb->setAutoExclusive(false);  // the state decides which one is checked
    rb->setGeometry(8 + i * 300, radioTop, 295, 22);
    radios_[radios[i]] = rb;
    const QString name = radios[i];
    connect(rb, &QRadioButton::pressed, this, [this, name] {
      Run([&] { state_.design().SupportSideMouseDown(name.toStdString()); });
    });
    connect(rb, &QRadioButton::clicked, this,
            [this, name] { Run([&] { state_.design().ClickSupportSide(name.toStdString()); }); });
  }

  // The maker's web address.
  ClickableLabel* web = AddLabel(grid, "webAddress", radioTop + 2);
  QFont link = plain;
  link.setUnderline(true);
  web->setFont(link);
  web->setCursor(Qt::PointingHandCursor);
  web->setMouseTracking(true);
  connect(web, &ClickableLabel::mouseMoved, this,
          [this] { Run([&] { state_.design().HoverWebAddress(); }); });
  connect(web, &ClickableLabel::clicked, this,
          [this] { Run([&] { state_.design().OpenWebAddress(); }); });

  // Command buttons in their dark blue panel.
  auto* buttonPanel = new QWidget(panel);
  buttonPanel->setObjectName(NameOf("buttonPanel"));
  buttonPanel->setFixedWidth(112);
  buttonPanel->setAutoFillBackground(true);
  QPalette bp = buttonPanel->palette();
  bp.setColor(QPalette::Window, QColor(0x1D, 0x06, 0x99));
  buttonPanel->setPalette(bp);
  row->addWidget(buttonPanel);
  QFont buttonFont("Arial", 10);
  buttonFont.setBold(true);
  struct CommandButton {
    const char* name;
    int top, height;
    std::function<void()> click;
  };
  const CommandButton commandButtons[] = {
      {"imperialButton", 10, 30, [this] { state_.presets().SwitchToImperial(); }},
      {"metricButton", 46, 30, [this] { state_.presets().SwitchToMetric(); }},
      {"designButton", 82, 60, [this] { state_.design().PressDesign(); }},
      {"plansButton", 148, 30, [this] { state_.design().PressPlans(); }},
      {"printButton", 184, 30, [this] { state_.design().PressPrint(); }},
  };
  for (const auto& button : commandButtons) {
    auto* b = new QPushButton(Q(state_.form.Text(button.name)), buttonPanel);
    b->setObjectName(NameOf(button.name));
    b->setGeometry(8, button.top, 96, button.height);
    b->setFont(buttonFont);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);  // not a tab stop
    buttons_[button.name] = b;
    const QString name = button.name;
    connect(b, &QPushButton::pressed, this,
            [this, name] { Run([&] { state_.design().ButtonMouseDown(name.toStdString()); }); });
    auto click = button.click;
    connect(b, &QPushButton::clicked, this, [this, click] { Run(click); });
  }
  QPushButton* design = buttons_["designButton"];
  design->setIcon(DesignButtonPicture());
  design->setIconSize(QSize(40, 22));
  design->setStyleSheet("QPushButton { text-align: center; }");
}

QAction* MainWindowWidget::AddMenuItem(QMenu* menu, const QString& name,
                                       const std::function<void()>& handler) {
  auto* action = menu->addAction(MenuCaption(state_.form.Text(name.toStdString())));
  action->setObjectName(NameOf(name));
  actions_[name] = action;
  connect(action, &QAction::triggered, this, [this, handler] { Run(handler); });
  return action;
}

void MainWindowWidget::BuildMenus() {
  QMenuBar* bar = menuBar();
  auto addMenu = [&](const char* name) {
    QMenu* m = bar->addMenu(MenuCaption(state_.form.Text(name)));
    m->setObjectName(name);
    menus_[name] = m;
    return m;
  };
  QMenu* file = addMenu("File1");
  BuildFileMenu(file);
  // Export and View hold the commands of the windows added to the program; the program's
  // windows put their items there (they are not controls of the form state).
  exportMenu_ = file->addMenu("&Export");
  exportMenu_->setObjectName("Export");
  file->addSeparator();
  AddMenuItem(file, "PrinterSetup1", [this] { state_.options().PrinterSetup(); });
  AddMenuItem(file, "Exit1", [this] {
    state_.options().Exit();
  })->setShortcut(QKeySequence("Ctrl+Q"));
  BuildEditMenu();

  QMenu* presets = addMenu("PreSettings1");
  for (const auto& name : PresetMenuItems()) {
    QAction* a =
        AddMenuItem(presets, Q(name), [this, name] { state_.presets().ApplyPreset(name); });
    a->setCheckable(true);
    if (name == "Adultecono1" || name == "TallBoy1" || name == "Childrensecono1" ||
        name == "BabyTable1")
      presets->addSeparator();
  }

  QMenu* options = addMenu("Options1");
  AddMenuItem(options, "LumberThickness2", [this] { state_.options().ShowThicknessDialog(); });
  options->addSeparator();
  AddMenuItem(options, "UserDefinedPercentageSetting1",
              [this] { state_.options().ShowScaleDialog(); });
  AddMenuItem(options, "modelScaleItem", [this] { state_.options().ToggleModelScale(); });

  // The program's windows add their items to View (the 3D View) after the Materials item.
  viewMenu_ = addMenu("View1");
  QAction* materials =
      AddMenuItem(viewMenu_, "Materials1", [this] { state_.options().ShowMaterials(); });
  materials->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));

  QMenu* help = addMenu("Help1");
  AddMenuItem(help, "About2", [this] { state_.options().ShowAbout(); });
  help->addSeparator();
  AddMenuItem(help, "Illustrations1", [this] { state_.options().ShowIllustrations(); });
}

void MainWindowWidget::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setSizeGripEnabled(false);
  status0_ = new QLabel(bar);
  status0_->setObjectName("StatusPanel0");
  status0_->setAlignment(Qt::AlignCenter);
  status1_ = new QLabel(bar);
  status1_->setObjectName("StatusPanel1");
  status1_->setAlignment(Qt::AlignCenter);
  bar->addWidget(status0_);
  bar->addWidget(status1_, 1);
}

QString MainWindowWidget::RoleOf(const QString& name) {
  const std::string role = RoleOfControl(name.toStdString());
  return role.empty() ? name : Q(role);
}

void MainWindowWidget::PressEnter(const QString& box) {
  if (syncing_) return;
  // The box's typing is done: one step, as when the focus leaves it. Then Design, as a click on
  // it; the focus stays in the box.
  Run([&] { state_.files().BoxFocusLeft(box.toStdString()); });
  QPushButton* design = buttons_.value("designButton");
  if (!design || !design->isEnabled() || !isEnabled()) return;
  Run([&] { state_.design().ButtonMouseDown("designButton"); });
  Run([&] { state_.design().PressDesign(); });
}

void MainWindowWidget::Run(const std::function<void()>& handler) {
  state_.HandleUserEvent(handler);
  SyncFromState();
}

void MainWindowWidget::SyncFromState() {
  syncing_ = true;
  const FormState& form = state_.form;
  setEnabled(form.mainWindowEnabled);
  for (auto it = edits_.begin(); it != edits_.end(); ++it) {
    const ControlState& c = form.at(it.key().toStdString());
    QLineEdit* e = it.value();
    if (e->text() != Q(c.text)) e->setText(Q(c.text));
    if (c.cursor >= 0) e->setCursorPosition(c.cursor);
    e->setGeometry(kGridLeft + c.left, e->y(), c.width, e->height());
    e->setVisible(c.visible);
    e->setEnabled(c.enabled);
  }
  for (auto it = combos_.begin(); it != combos_.end(); ++it) {
    const ControlState& c = form.at(it.key().toStdString());
    QComboBox* box = it.value();
    if (box->currentText() != Q(c.text)) box->setEditText(Q(c.text));
    box->setVisible(c.visible);
    box->setEnabled(c.enabled);
  }
  for (auto it = labels_.begin(); it != labels_.end(); ++it) {
    const ControlState& c = form.at(it.key().toStdString());
    QLabel* l = it.value();
    l->setText(Q(c.text));
    if (!l->wordWrap() && l->minimumWidth() == 0) l->adjustSize();
    if (it.key() == "feetHeading" || it.key() == "inchesHeading" ||
        it.key() == "sixteenthsHeading" || it.key() == "widthHeading")
      l->move(kGridLeft + c.left, l->y());
    l->setVisible(c.visible);
    SetTextColor(l, c.color);
  }
  for (auto it = radios_.begin(); it != radios_.end(); ++it) {
    const ControlState& c = form.at(it.key().toStdString());
    it.value()->setChecked(c.checked);
    it.value()->setEnabled(c.enabled);
    SetTextColor(it.value(), c.color);
  }
  for (auto it = buttons_.begin(); it != buttons_.end(); ++it) {
    const ControlState& c = form.at(it.key().toStdString());
    it.value()->setEnabled(c.enabled);
    it.value()->setText(Q(c.text));
    SetTextColor(it.value(), c.color);
  }
  for (auto it = actions_.begin(); it != actions_.end(); ++it) {
    const ControlState& c = form.at(it.key().toStdString());
    it.value()->setText(MenuCaption(c.text));
    it.value()->setEnabled(c.enabled);
    if (it.value()->isCheckable()) it.value()->setChecked(c.checked);
  }
  for (auto it = menus_.begin(); it != menus_.end(); ++it)
    it.value()->setEnabled(form.at(it.key().toStdString()).enabled);
  status0_->setText(Q(form.statusPanel0));
  status0_->setFixedWidth(form.statusPanel0Width);
  status1_->setText(Q(form.statusPanel1));
  SyncDocument();
  syncing_ = false;
  if (afterSync_) afterSync_();
}

QString MainWindowWidget::WidgetGeometryJson() const {
  QStringList entries;
  auto add = [&](const QString& name, const QWidget* w) {
    if (!w->isVisibleTo(this) || !isVisible()) return;
    const QPoint p = w->mapToGlobal(QPoint(0, 0));
    entries << QString("\"%1\": [%2, %3, %4, %5]")
                   .arg(NameOf(name))
                   .arg(p.x())
                   .arg(p.y())
                   .arg(w->width())
                   .arg(w->height());
  };
  for (auto it = edits_.begin(); it != edits_.end(); ++it) add(it.key(), it.value());
  for (auto it = combos_.begin(); it != combos_.end(); ++it) add(it.key(), it.value());
  for (auto it = labels_.begin(); it != labels_.end(); ++it) add(it.key(), it.value());
  for (auto it = buttons_.begin(); it != buttons_.end(); ++it) add(it.key(), it.value());
  for (auto it = radios_.begin(); it != radios_.end(); ++it) add(it.key(), it.value());
  return "{" + entries.join(", ") + "}\n";
}

void MainWindowWidget::ActivateFromProgram() {
  // Give the keyboard back to the main window: with no window manager nobody else does.
  if (isVisible()) {
    raise();
    activateWindow();
  }
  Run([&] { state_.design().Activate(); });
}

void MainWindowWidget::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!firstShowDone_) {
    firstShowDone_ = true;
    // The first activation designs the built-in table once the window has its size.
    QTimer::singleShot(0, this, [this] { ActivateFromProgram(); });
  }
}

void MainWindowWidget::closeEvent(QCloseEvent* event) {
  // Unsaved changes are kept unless the user saves them or lets them go.
  bool mayClose = false;
  Run([&] { mayClose = state_.files().ConfirmCloseDesign(); });
  if (!mayClose) {
    event->ignore();
    // The keyboard comes back from the question, window manager or not.
    activateWindow();
    return;
  }
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) QApplication::quit();
}

void MainWindowWidget::OnFocusWindowChanged(QWindow* window) {
  // Only a return from the Illustrations window is a real activation; dialogs and the modal
  // windows activate the main window through the program's own events.
  if (window && window == windowHandle() && returnActivates_ && lastFocusWindow_ &&
      lastFocusWindow_ == returnActivates_->windowHandle()) {
    ActivateFromProgram();
  }
  if (window) lastFocusWindow_ = window;
}

}  // namespace varnloft
