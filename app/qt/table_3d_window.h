#pragma once
// The 3D View window (View > 3D View…, Ctrl+3): the table of the last design turned around by
// the mouse, with a Reset view button, an Explode slider, the piece under the mouse named with
// its length and lumber, and the fit check's verdict. "Colour by share of limit" paints each
// piece by how close the safety check finds it to its limit (off at first: the wood). Created
// once, when first opened, and shown without blocking the main window; it follows every design,
// doing the work only while shown.
#include <QWidget>
#include <optional>
#include <vector>

#include "app/qt/table_3d_view.h"
#include "app/table_3d_scene.h"
#include "design/design_record.h"
#include "safety/safety_check.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

namespace varnloft {

class Table3dWindow : public QWidget {
  Q_OBJECT

 public:
  // `record` must outlive the window.
  explicit Table3dWindow(const DesignRecord& record, QWidget* parent = nullptr);

  // A design was made (or failed): the window shows it now if open, otherwise when next shown.
  void DesignChanged();
  // The safety check of the last design (with the Safety window's settings), for the colouring.
  void SafetyChecked(const SafetyCheck& check);
  // Shows the window without blocking, in front and active.
  void ShowAndRaise();

  const Table3dScene& scene() const { return scene_; }

  Table3dView* view;
  QLabel* message;         // the fit check's verdict, or why nothing is shown
  QLabel* pieceLabel;      // the piece under the mouse
  QSlider* explodeSlider;  // 0..100: assembled to fully exploded
  QPushButton* resetButton;
  QCheckBox* shareColours;  // colour each piece by its share of its limit
  QLabel* shareLegend;      // what the colours mean, or why there are none

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Refresh();
  void ShowHovered(int piece);
  void ShowShares();  // the colours of the pieces and the legend, as the box asks

  const DesignRecord& record_;
  Table3dScene scene_;
  bool stale_ = true;
  SafetyCheck safety_;
  std::vector<std::optional<double>> shares_;  // one a piece of the scene, when colouring
};

}  // namespace varnloft
