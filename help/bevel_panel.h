#pragma once
// A panel with a lowered 3-D bevel of a given width, holding one child that fills its inside.
#include <QColor>
#include <QFrame>

namespace varnloft {

class BevelPanel : public QFrame {
 public:
  // bevelWidth 0 gives a flat panel. An invalid background keeps the page's colour.
  BevelPanel(int bevelWidth, QColor background, QWidget* parent = nullptr);

  // Places the child inside the bevel; centred at its fixed size when `centred` is true.
  void Hold(QWidget* child, bool centred = false);
};

}  // namespace varnloft
