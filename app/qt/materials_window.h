#pragma once
// The Materials window: what to buy for the last design and where each piece is cut from. The
// shopping list with the hardware and totals, the cut list, the cutting diagram of every board
// to scale, and the settings (stock, prices, kerf, trim, bolts) that the lists follow. Created
// once, when first opened, shown without blocking the main window, and listed again after every
// design while it is open.
//
// The cheapest plan of an odd design can take longer than a frame (a short table of 2 X 4 only,
// some tens of milliseconds), so the lists are worked out on a worker thread with a busy
// indicator; a newer design or setting stops the work in hand and starts again.
#include <QDialog>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>

#include "app/materials_setup.h"
#include "design/design_record.h"
#include "materials/materials.h"
#include "platform/prompts.h"
#include "platform/qt/picture.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTableWidget;
class QTextBrowser;
class QTimer;

namespace varnloft {

class MaterialsSettingsPanel;
struct TextTable;

class MaterialsWindow : public QDialog {
  Q_OBJECT

 public:
  // `record`, `setup` and `prompts` must outlive the window.
  MaterialsWindow(const DesignRecord& record, MaterialsSetup& setup, Prompts& prompts,
                  QWidget* parent = nullptr);
  ~MaterialsWindow() override;

  // After every design: lists the record's materials now if the window is open, else when it is
  // next shown.
  void DesignChanged();
  // Shows the window without blocking, in front and active, listing the last design.
  void ShowFromMenu();
  // Lists again after a change of the settings made elsewhere (e.g. read back at start-up).
  void SettingsChanged();

  // Handlers, public so that tests and the program can drive them.
  void PressCopy();
  void PressSaveCsv();
  void PressSaveSvg();  // the cutting diagrams as an SVG picture
  void PressPrint();

  // Asks where to save the CSV or SVG file, proposing `proposed`; an empty result means the user
  // cancelled. The default runs the save dialog; tests replace it.
  std::function<QString(const QString& title, const QString& proposed, const QString& filter)>
      askSaveFileName;
  // Prints the materials: set by the program (the print dialog on the program's printer).
  std::function<void(const Materials&)> printMaterials;
  // Called after every kept change of the settings: the program keeps them for the next run.
  std::function<void()> settingsSaved;

  // The materials shown, and whether newer ones are being worked out.
  const Materials& materials() const { return *materials_; }
  bool Busy() const { return job_ != nullptr; }
  // Runs the event loop until the lists are up to date or `milliseconds` pass; true when done.
  bool WaitUntilListed(int milliseconds = 10000);
  const Picture& diagramPicture() const { return diagram_; }
  // The lists as Copy puts them on the clipboard.
  std::string ListsText() const;

  QLabel* notesLabel;
  QProgressBar* busyBar;
  QTabWidget* pages;
  QTextBrowser* shoppingView;  // the lumber, the hardware with the rule behind each count, totals
  QTableWidget* cutListTable;
  MaterialsSettingsPanel* settingsPanel;
  QScrollArea* diagramScroll;
  QLabel* diagramLabel;
  QPushButton *copyButton, *saveCsvButton, *saveSvgButton, *printButton, *closeButton;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Job;
  void List();
  void Show(std::shared_ptr<const Materials> materials);
  void ShowCutList(const TextTable& text);
  void DrawDiagram();
  void SetBusy(bool busy);
  void BuildLayout();
  // The path to save to, proposed in the documents folder as `name`, with `suffix` added when the
  // user typed none; empty when cancelled.
  QString AskSavePath(const QString& title, const QString& name, const QString& filter,
                      const QString& suffix);
  void EnableButtons(bool enabled);
  QWidget* BuildShoppingPage();
  QWidget* BuildDiagramSide();

  const DesignRecord& record_;
  MaterialsSetup& setup_;
  Prompts& prompts_;
  std::shared_ptr<const Materials> materials_;
  std::shared_ptr<Job> job_;  // the work in hand, if any
  bool stale_ = true;         // a design came while the window was closed
  QThreadPool pool_;
  QTimer* busyDelay_;  // the busy indicator shows only when the work takes a while
  Picture diagram_;
  int diagramWidth_ = 0;
};

}  // namespace varnloft
