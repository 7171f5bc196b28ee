#pragma once
// A label that reports clicks and mouse movement, for the green labels and the web address.
#include <QLabel>
#include <QMouseEvent>

namespace varnloft {

class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void clicked();
  void mouseMoved();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
      emit clicked();
    QLabel::mouseReleaseEvent(event);
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
  }
};

// A panel that reports the mouse moving over it.
class TrackingPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TrackingPanel(QWidget* parent = nullptr) : QWidget(parent) { setMouseTracking(true); }

 signals:
  void mouseMoved();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override {
    emit mouseMoved();
    QWidget::mouseMoveEvent(event);
  }
};

}  // namespace varnloft
