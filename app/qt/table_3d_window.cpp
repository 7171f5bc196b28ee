#include "app/qt/table_3d_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <cmath>
#include <exception>

#include "platform/qt/qt_conversions.h"
#include "safety/limit_shares.h"

namespace varnloft {

namespace {

constexpr double kFullExplode = 1.0;  // the slider's right end

QString Swatch(Rgb c, const QString& text) {
  return QString(
             "<span style=\"background-color: rgb(%1,%2,%3)\">&nbsp;&nbsp;&nbsp;</span>&nbsp;%4")
      .arg(c.r)
      .arg(c.g)
      .arg(c.b)
      .arg(text);
}

QString ShareLegend() {
  return "Share of its limit (sag or stress, the larger): " + Swatch(ShareColour(0.0), "none") +
         " &nbsp;" + Swatch(ShareColour(0.75), "75 %") + " &nbsp;" +
         Swatch(ShareColour(1.0), "100 %") + " &nbsp;" + Swatch(kOverLimitColour, "over") +
         " &nbsp;" + Swatch(kNoShareColour, "not a member the check loads");
}

}  // namespace

Table3dWindow::Table3dWindow(const DesignRecord& record, QWidget* parent)
    : QWidget(parent, Qt::Window), record_(record) {
  setObjectName("Table3dWindow");
  setWindowTitle("3D View");
  resize(900, 640);

  message = new QLabel(this);
  message->setObjectName("Message");
  message->setWordWrap(true);
  message->setTextInteractionFlags(Qt::TextSelectableByMouse);

  view = new Table3dView(this);
  view->setObjectName("View");
  view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  view->hoverChanged = [this](int piece) { ShowHovered(piece); };

  pieceLabel = new QLabel(this);
  pieceLabel->setObjectName("Piece");
  pieceLabel->setMinimumWidth(260);

  auto* explodeCaption = new QLabel("&Explode", this);
  explodeSlider = new QSlider(Qt::Horizontal, this);
  explodeSlider->setObjectName("Explode");
  explodeSlider->setRange(0, 100);
  explodeSlider->setFixedWidth(180);
  explodeCaption->setBuddy(explodeSlider);
  connect(explodeSlider, &QSlider::valueChanged, this,
          [this](int value) { view->SetExplode(kFullExplode * value / 100.0); });

  resetButton = new QPushButton("&Reset view", this);
  resetButton->setObjectName("ResetView");
  connect(resetButton, &QPushButton::clicked, this, [this] { view->ResetView(); });

  shareColours = new QCheckBox("Colour by &share of limit", this);
  shareColours->setObjectName("ShareColours");
  connect(shareColours, &QCheckBox::toggled, this, [this] { ShowShares(); });
  shareLegend = new QLabel(this);
  shareLegend->setObjectName("ShareLegend");
  shareLegend->setWordWrap(true);
  shareLegend->hide();

  auto* controls = new QHBoxLayout;
  controls->addWidget(pieceLabel, 1);
  controls->addWidget(explodeCaption);
  controls->addWidget(explodeSlider);
  controls->addSpacing(12);
  controls->addWidget(shareColours);
  controls->addSpacing(12);
  controls->addWidget(resetButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(message);
  layout->addWidget(view, 1);
  layout->addWidget(shareLegend);
  layout->addLayout(controls);
}

void Table3dWindow::DesignChanged() {
  stale_ = true;
  if (isVisible()) Refresh();
}

void Table3dWindow::SafetyChecked(const SafetyCheck& check) {
  safety_ = check;
  if (isVisible()) ShowShares();
}

void Table3dWindow::ShowShares() {
  shares_.clear();
  if (!shareColours->isChecked()) {
    shareLegend->hide();
    view->SetPieceColours({});
    ShowHovered(view->hoveredPiece());
    return;
  }
  std::vector<Rgb> colours;
  if (scene_.HasTable()) {
    shares_ = PieceShares(scene_.model, safety_);
    for (const std::optional<double>& share : shares_) colours.push_back(ShareColour(share));
  }
  shareLegend->setText(safety_.cannotCheck.empty() ? ShareLegend() : Q(safety_.cannotCheck));
  shareLegend->show();
  view->SetPieceColours(std::move(colours));
  ShowHovered(view->hoveredPiece());
}

void Table3dWindow::ShowAndRaise() {
  if (!isVisible()) {
    // Centred on the screen the first time (without a window manager nothing else places it).
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect free = screen->availableGeometry();
      resize(std::min(width(), free.width()), std::min(height(), free.height()));
      move(free.center() - rect().center());
    }
  }
  show();
  raise();
  activateWindow();
}

void Table3dWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) Refresh();
}

void Table3dWindow::Refresh() {
  stale_ = false;
  // The view holds a pointer to the scene: it is detached while the scene is replaced.
  view->SetScene(nullptr);
  try {
    scene_ = SceneOf(record_);
  } catch (const std::exception& e) {
    // Never expected; the window says so rather than ending the user's action.
    scene_ = Table3dScene{};
    scene_.message = std::string("The table cannot be shown: ") + e.what();
  }
  view->SetScene(&scene_);
  message->setText(Q(scene_.message));
  message->setToolTip(Q(scene_.details));
  QPalette palette = message->palette();
  const bool problem = !scene_.HasTable() || !scene_.fit.ok;
  palette.setColor(QPalette::WindowText, problem ? QColor(160, 20, 10) : QColor(20, 90, 30));
  message->setPalette(palette);
  ShowShares();
  ShowHovered(-1);
}

void Table3dWindow::ShowHovered(int piece) {
  if (piece >= 0 && static_cast<size_t>(piece) < scene_.descriptions.size()) {
    QString text = Q(scene_.descriptions[piece]);
    if (static_cast<size_t>(piece) < shares_.size() && shares_[piece])
      text += QString(" \u2014 %1 % of its limit").arg(std::lround(*shares_[piece] * 100));
    pieceLabel->setText(text);
  } else
    pieceLabel->setText(scene_.HasTable() ? "Point at a piece to name it; drag to turn, "
                                            "wheel to zoom."
                                          : "");
}

}  // namespace varnloft
