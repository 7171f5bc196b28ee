#pragma once
// The Settings page of the Materials window: the currency symbol, kerf, end trim and bolt
// diameter, the stock lengths with the price of one board, and the hardware packs with their
// prices, for the measure in force. Every edit goes through MaterialsSetup: an edit it refuses is
// reported and undone on the page, and the settings stay as they were.
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/materials_setup.h"
#include "materials/materials.h"
#include "platform/prompts.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace varnloft {

class MaterialsSettingsPanel : public QWidget {
  Q_OBJECT

 public:
  // `setup` and `prompts` must outlive the panel.
  MaterialsSettingsPanel(MaterialsSetup& setup, Prompts& prompts, QWidget* parent = nullptr);

  // Shows the settings of one measure. The tables also list, with no price, the stock lengths
  // and hardware items `listed` uses that the settings have no row for, so that their prices can
  // be put in.
  void ShowSettings(bool imperial, const Materials* listed);
  bool imperial() const { return imperial_; }

  // Called after every change that was kept.
  std::function<void()> changed;

  // Handlers, public so that tests drive them as the widgets do.
  void EditFinished(QLineEdit* edit);
  void TableEdited(QTableWidget* table, int row, int column);
  void AddStockRow();
  void RemoveStockRow();
  void AddHardwareRow();
  void RemoveHardwareRow();
  void PressRestoreExamples();

  QLabel* heading;
  QLineEdit *currencyEdit, *kerfEdit, *trimEdit, *boltEdit;
  QLabel *kerfUnit, *trimUnit, *boltUnit;
  QTableWidget *stockTable, *hardwareTable;
  QPushButton *addStockButton, *removeStockButton, *addHardwareButton, *removeHardwareButton;
  QPushButton* restoreButton;

 private:
  // Shows the settings in force: the tables, and the boxes too unless `boxes` is false.
  void Refresh(bool boxes = true);
  // Keeps a change (the message is empty) or reports it and shows the settings in force again.
  void Settle(const std::string& message);
  // The tables as a stock table; empty with `error` set when a cell cannot be read.
  bool ReadTables(StockTable& table, std::string& error) const;
  void FillTables();

  MaterialsSetup& setup_;
  Prompts& prompts_;
  bool imperial_ = true;
  bool shown_ = false;  // the page has shown the settings at least once
  bool filling_ = false;
  std::vector<StockLength> extraStock_;     // in force for the listed design, not in the settings
  std::vector<std::string> extraHardware_;  // needed by the listed design, not in the settings
};

}  // namespace varnloft
