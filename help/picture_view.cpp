#include "help/picture_view.h"

#include <QPainter>

namespace varnloft {

PictureView::PictureView(const QImage* source, Fit fit, QWidget* parent)
    : QWidget(parent), source_(source), fit_(fit) {}

void PictureView::SetMessage(const QString& message) {
  message_ = message;
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (fit_ == Fit::TopLeft) painter.fillRect(rect(), Qt::white);
  if (source_ == nullptr || source_->isNull()) {
    painter.setPen(QColor(128, 0, 0));
    painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, message_);
    return;
  }
  switch (fit_) {
    case Fit::Stretch:
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawImage(rect(), *source_);
      break;
    case Fit::Centre:
      painter.drawImage((width() - source_->width()) / 2, (height() - source_->height()) / 2,
                        *source_);
      break;
    case Fit::TopLeft:
      painter.drawImage(0, 0, *source_);
      break;
  }
}

}  // namespace varnloft
