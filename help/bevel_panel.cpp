#include "help/bevel_panel.h"

#include <QVBoxLayout>

namespace varnloft {

BevelPanel::BevelPanel(int bevelWidth, QColor background, QWidget* parent) : QFrame(parent) {
  if (bevelWidth > 0) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(bevelWidth);
  } else {
    setFrameStyle(QFrame::NoFrame);
  }
  if (background.isValid()) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
}

void BevelPanel::Hold(QWidget* child, bool centred) {
  static_cast<QVBoxLayout*>(layout())->addWidget(child, 0,
                                                 centred ? Qt::AlignCenter : Qt::Alignment());
}

}  // namespace varnloft
