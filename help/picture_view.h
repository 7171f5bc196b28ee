#pragma once
// A picture on a page of the help windows. It paints from an image it does not own, so the
// owner can redraw the image and ask for a repaint. An empty image shows its message instead.
#include <QImage>
#include <QString>
#include <QWidget>

namespace varnloft {

class PictureView : public QWidget {
 public:
  enum class Fit {
    Stretch,  // fills the whole view
    Centre,   // natural size, centred
    TopLeft,  // natural size at the top-left corner, on white
  };

  PictureView(const QImage* source, Fit fit, QWidget* parent = nullptr);

  // Shown in place of the picture when the image is empty (e.g. it could not be decoded).
  void SetMessage(const QString& message);
  const QString& Message() const { return message_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage* source_;
  Fit fit_;
  QString message_;
};

}  // namespace varnloft
