#include "app/qt/materials_settings_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "materials/material_texts.h"
#include "measure/number_text.h"
#include "platform/qt/qt_conversions.h"

namespace varnloft {

namespace {

// "stock[2].price: a price ..." -> "Stock row 3, price: a price ...": the rows as the page
// numbers them.
std::string RowWords(const std::string& message) {
  for (const char* table : {"stock", "hardware"}) {
    const std::string open = std::string(table) + "[";
    if (message.rfind(open, 0) != 0) continue;
    size_t at = open.size(), row = 0;
    const size_t digits = at;
    while (at < message.size() && message[at] >= '0' && message[at] <= '9' && at - digits < 9)
      row = row * 10 + static_cast<size_t>(message[at++] - '0');
    if (at == digits || at >= message.size() || message[at] != ']') return message;
    const size_t colon = message.find(": ", at);
    if (colon == std::string::npos) return message;
    const std::string field = message[at + 1] == '.' ? message.substr(at + 2, colon - at - 2) : "";
    return std::string(table[0] == 's' ? "Stock" : "Hardware") + " row " + std::to_string(row + 1) +
           (field.empty() ? "" : ", " + field) + message.substr(colon);
  }
  return message;
}

std::string PriceText(const std::optional<double>& price) {
  return price ? FixedText(*price, 2, 17) : "";
}

// A price cell: empty or "no price" for none, else a number, a leading currency symbol allowed.
bool ReadPrice(std::string text, const std::string& currency, std::optional<double>& price) {
  while (!text.empty() && text.front() == ' ') text.erase(0, 1);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  if (text.empty() || text == "no price") {
    price.reset();
    return true;
  }
  if (!currency.empty() && text.rfind(currency, 0) == 0) text.erase(0, currency.size());
  double value = 0;
  if (!TryReadNumber(text, value)) return false;
  price = value;
  return true;
}

QTableWidget* MakeTable(const QStringList& headings, QWidget* parent) {
  auto* table = new QTableWidget(0, headings.size(), parent);
  table->setHorizontalHeaderLabels(headings);
  table->verticalHeader()->setVisible(false);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int c = 1; c < headings.size(); ++c)
    table->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
  return table;
}

void SetRow(QTableWidget* table, int row, const std::vector<std::string>& cells, bool extra) {
  for (size_t c = 0; c < cells.size(); ++c) {
    auto* item = new QTableWidgetItem(Q(cells[c]));
    if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (extra) {
      item->setForeground(Qt::darkGray);
      item->setToolTip("Not in your table yet: the default stock, with no price.");
    }
    table->setItem(row, static_cast<int>(c), item);
  }
}

}  // namespace

MaterialsSettingsPanel::MaterialsSettingsPanel(MaterialsSetup& setup, Prompts& prompts,
                                               QWidget* parent)
    : QWidget(parent), setup_(setup), prompts_(prompts) {
  auto* layout = new QVBoxLayout(this);
  heading = new QLabel(this);
  heading->setWordWrap(true);
  layout->addWidget(heading);

  auto* grid = new QGridLayout;
  auto addEdit = [&](int row, const QString& caption, const QString& name, QLabel** unit) {
    grid->addWidget(new QLabel(caption, this), row, 0);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMaximumWidth(90);
    grid->addWidget(edit, row, 1);
    if (unit) {
      *unit = new QLabel(this);
      grid->addWidget(*unit, row, 2);
    }
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] { EditFinished(edit); });
    return edit;
  };
  currencyEdit = addEdit(0, "Currency symbol", "currency", nullptr);
  kerfEdit = addEdit(1, "Kerf (the saw's cut)", "kerf", &kerfUnit);
  trimEdit = addEdit(2, "End trim (off each end of a board)", "trim", &trimUnit);
  boltEdit = addEdit(3, "Bolt diameter", "boltDiameter", &boltUnit);
  grid->setColumnStretch(3, 1);
  layout->addLayout(grid);

  layout->addWidget(new QLabel("Stock lengths and the price of one board:", this));
  stockTable = MakeTable({"Lumber", "Length", "Price"}, this);
  stockTable->setObjectName("stockTable");
  layout->addWidget(stockTable, 3);
  auto* stockButtons = new QHBoxLayout;
  addStockButton = new QPushButton("Add a length", this);
  removeStockButton = new QPushButton("Remove the length", this);
  stockButtons->addWidget(addStockButton);
  stockButtons->addWidget(removeStockButton);
  stockButtons->addStretch();
  layout->addLayout(stockButtons);

  layout->addWidget(new QLabel("Hardware packs and the price of one pack:", this));
  hardwareTable = MakeTable({"Item", "Pack", "Price"}, this);
  hardwareTable->setObjectName("hardwareTable");
  layout->addWidget(hardwareTable, 2);
  auto* hardwareButtons = new QHBoxLayout;
  addHardwareButton = new QPushButton("Add an item", this);
  removeHardwareButton = new QPushButton("Remove the item", this);
  restoreButton = new QPushButton("Restore examples", this);
  restoreButton->setObjectName("restoreExamples");
  hardwareButtons->addWidget(addHardwareButton);
  hardwareButtons->addWidget(removeHardwareButton);
  hardwareButtons->addStretch();
  hardwareButtons->addWidget(restoreButton);
  layout->addLayout(hardwareButtons);

  // Queued: the table finishes its edit before the rows are filled afresh or a message shows.
  connect(
      stockTable, &QTableWidget::cellChanged, this,
      [this](int row, int column) { TableEdited(stockTable, row, column); }, Qt::QueuedConnection);
  connect(
      hardwareTable, &QTableWidget::cellChanged, this,
      [this](int row, int column) { TableEdited(hardwareTable, row, column); },
      Qt::QueuedConnection);
  connect(addStockButton, &QPushButton::clicked, this, [this] { AddStockRow(); });
  connect(removeStockButton, &QPushButton::clicked, this, [this] { RemoveStockRow(); });
  connect(addHardwareButton, &QPushButton::clicked, this, [this] { AddHardwareRow(); });
  connect(removeHardwareButton, &QPushButton::clicked, this, [this] { RemoveHardwareRow(); });
  connect(restoreButton, &QPushButton::clicked, this, [this] { PressRestoreExamples(); });
}

void MaterialsSettingsPanel::ShowSettings(bool imperial, const Materials* listed) {
  const StockTable& table = setup_.Of(imperial).table;
  std::vector<StockLength> extraStock;
  std::vector<std::string> extraHardware;
  if (listed && listed->problem.empty()) {
    for (const StockLength& s : listed->stock) {
      bool inTable = false;
      for (const StockLength& t : table.stock) inTable = inTable || t.lumber == s.lumber;
      if (!inTable) extraStock.push_back(s);
    }
    for (const HardwareLine& h : listed->hardware) {
      bool inTable = false;
      for (const HardwarePrice& t : table.hardware) inTable = inTable || t.item == h.item;
      if (!inTable) extraHardware.push_back(h.item);
    }
  }
  // A new list changes the boxes only with the measure, and the tables only when they gain or lose
  // rows, so that a list arriving while the user types in a box or a cell does not undo the typing.
  auto same = [](const std::vector<StockLength>& a, const std::vector<StockLength>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (a[i].lumber != b[i].lumber || a[i].length != b[i].length) return false;
    return true;
  };
  if (shown_ && imperial == imperial_ && same(extraStock, extraStock_) &&
      extraHardware == extraHardware_)
    return;
  const bool boxes = !shown_ || imperial != imperial_;
  shown_ = true;
  imperial_ = imperial;
  extraStock_ = std::move(extraStock);
  extraHardware_ = std::move(extraHardware);
  Refresh(boxes);
}

void MaterialsSettingsPanel::Refresh(bool boxes) {
  filling_ = true;
  const MaterialsSettings& s = setup_.Of(imperial_);
  const QString unit = imperial_ ? "in" : "mm";
  heading->setText(QString("Settings for %1 measure. Leave a price empty where you have none: "
                           "those boards are planned by the fewest bought.")
                       .arg(imperial_ ? "imperial" : "metric"));
  if (boxes) {
    currencyEdit->setText(Q(s.table.currency));
    kerfEdit->setText(Q(SawLengthText(s.kerf, imperial_)));
    trimEdit->setText(Q(SawLengthText(s.trim, imperial_)));
    boltEdit->setText(Q(SawLengthText(s.boltDiameter, imperial_)));
  }
  for (QLabel* l : {kerfUnit, trimUnit, boltUnit}) l->setText(unit);
  stockTable->setHorizontalHeaderLabels(
      {"Lumber", imperial_ ? "Length (ft)" : "Length (mm)", "Price (" + Q(s.table.currency) + ")"});
  hardwareTable->setHorizontalHeaderLabels({"Item", "Pack", "Price (" + Q(s.table.currency) + ")"});
  FillTables();
  filling_ = false;
}

void MaterialsSettingsPanel::FillTables() {
  const QSignalBlocker quietStock(stockTable), quietHardware(hardwareTable);
  const StockTable& table = setup_.Of(imperial_).table;
  const double lengthUnit = imperial_ ? 1 : kMillimetresPerFoot;
  auto lengthText = [&](double feet) {
    return PlainDecimal(std::round(feet * lengthUnit * 1e6) / 1e6);
  };
  stockTable->setRowCount(static_cast<int>(table.stock.size() + extraStock_.size()));
  int row = 0;
  for (const StockLength& s : table.stock)
    SetRow(stockTable, row++, {s.lumber, lengthText(s.length), PriceText(s.price)}, false);
  for (const StockLength& s : extraStock_)
    SetRow(stockTable, row++, {s.lumber, lengthText(s.length), PriceText(s.price)}, true);
  hardwareTable->setRowCount(static_cast<int>(table.hardware.size() + extraHardware_.size()));
  row = 0;
  for (const HardwarePrice& h : table.hardware)
    SetRow(hardwareTable, row++, {h.item, std::to_string(h.pack), PriceText(h.price)}, false);
  for (const std::string& item : extraHardware_)
    SetRow(hardwareTable, row++, {item, "1", ""}, true);
}

void MaterialsSettingsPanel::Settle(const std::string& message) {
  Refresh();
  if (!message.empty()) {
    prompts_.ShowError(RowWords(message) + " Nothing was changed.");
    return;
  }
  if (changed) changed();
}

void MaterialsSettingsPanel::EditFinished(QLineEdit* edit) {
  if (filling_) return;
  const MaterialsSettings& now = setup_.Of(imperial_);
  const std::string text = edit->text().toStdString();
  const std::string shown = edit == currencyEdit ? now.table.currency
                            : edit == kerfEdit   ? SawLengthText(now.kerf, imperial_)
                            : edit == trimEdit   ? SawLengthText(now.trim, imperial_)
                                                 : SawLengthText(now.boltDiameter, imperial_);
  if (text == shown) return;  // nothing typed, or the settings shown again after a refusal
  std::string message;
  if (edit == currencyEdit)
    message = setup_.SetCurrency(text, imperial_);
  else if (edit == kerfEdit)
    message = setup_.SetKerf(text, imperial_);
  else if (edit == trimEdit)
    message = setup_.SetTrim(text, imperial_);
  else
    message = setup_.SetBoltDiameter(text, imperial_);
  Settle(message);
}

void MaterialsSettingsPanel::TableEdited(QTableWidget* table, int row, int column) {
  if (filling_ || row < 0 || row >= table->rowCount() || !table->item(row, column)) return;
  StockTable changedTable = setup_.Of(imperial_).table;
  for (const StockLength& s : extraStock_) changedTable.stock.push_back(s);
  for (const std::string& item : extraHardware_) changedTable.hardware.push_back({item, 1, {}});
  const std::string text = table->item(row, column)->text().trimmed().toStdString();
  const std::string where =
      (table == stockTable ? "Stock row " : "Hardware row ") + std::to_string(row + 1) + ": ";
  std::string message;
  if (table == stockTable) {
    StockLength& s = changedTable.stock.at(row);
    if (column == 0) {
      s.lumber = text;
    } else if (column == 1) {
      double value = 0;
      if (TryReadNumber(text, value))
        s.length = imperial_ ? value : value / kMillimetresPerFoot;
      else
        message = where + "the length '" + text + "' is not a number.";
    } else if (!ReadPrice(text, changedTable.currency, s.price)) {
      message = where + "the price '" + text + "' is not a number.";
    }
  } else {
    HardwarePrice& h = changedTable.hardware.at(row);
    double value = 0;
    if (column == 0) {
      h.item = text;
    } else if (column == 1) {
      if (TryReadNumber(text, value) && value >= 1 && value <= 1e6 && value == std::floor(value))
        h.pack = static_cast<int>(value);
      else
        message = where + "a pack holds a whole number of items, 1 or more, not '" + text + "'.";
    } else if (!ReadPrice(text, changedTable.currency, h.price)) {
      message = where + "the price '" + text + "' is not a number.";
    }
  }
  if (message.empty()) message = setup_.SetTable(changedTable, imperial_);
  if (message.empty()) {  // the rows shown as defaults are in the table now
    extraStock_.clear();
    extraHardware_.clear();
  }
  Settle(message);
}

void MaterialsSettingsPanel::AddStockRow() {
  StockTable changedTable = setup_.Of(imperial_).table;
  for (const StockLength& s : extraStock_) changedTable.stock.push_back(s);
  const int selected = stockTable->currentRow();
  std::string lumber = "2 X 4";
  if (selected >= 0 && selected < static_cast<int>(changedTable.stock.size()))
    lumber = changedTable.stock[selected].lumber;
  else if (!changedTable.stock.empty())
    lumber = changedTable.stock.back().lumber;
  // Two feet (600 mm) beyond the longest length of that lumber.
  double longest = 0;
  for (const StockLength& s : changedTable.stock)
    if (s.lumber == lumber) longest = std::max(longest, s.length);
  const double step = imperial_ ? 2 : 600 / kMillimetresPerFoot;
  changedTable.stock.push_back({lumber, longest + step, {}});
  const std::string message = setup_.SetTable(changedTable, imperial_);
  if (message.empty()) {
    extraStock_.clear();
    stockTable->setCurrentCell(-1, -1);
  }
  Settle(message);
  if (message.empty()) stockTable->setCurrentCell(stockTable->rowCount() - 1, 1);
}

void MaterialsSettingsPanel::RemoveStockRow() {
  const int row = stockTable->currentRow();
  const StockTable& table = setup_.Of(imperial_).table;
  if (row < 0 || row >= static_cast<int>(table.stock.size())) return;  // a default row
  StockTable changedTable = table;
  changedTable.stock.erase(changedTable.stock.begin() + row);
  Settle(setup_.SetTable(changedTable, imperial_));
}

void MaterialsSettingsPanel::AddHardwareRow() {
  StockTable changedTable = setup_.Of(imperial_).table;
  for (const std::string& item : extraHardware_) changedTable.hardware.push_back({item, 1, {}});
  std::string name = "New item";
  for (int n = 2;; ++n) {
    bool taken = false;
    for (const HardwarePrice& h : changedTable.hardware) taken = taken || h.item == name;
    if (!taken) break;
    name = "New item " + std::to_string(n);
  }
  changedTable.hardware.push_back({name, 1, {}});
  const std::string message = setup_.SetTable(changedTable, imperial_);
  if (message.empty()) extraHardware_.clear();
  Settle(message);
  if (message.empty()) hardwareTable->setCurrentCell(hardwareTable->rowCount() - 1, 0);
}

void MaterialsSettingsPanel::RemoveHardwareRow() {
  const int row = hardwareTable->currentRow();
  const StockTable& table = setup_.Of(imperial_).table;
  if (row < 0 || row >= static_cast<int>(table.hardware.size())) return;
  StockTable changedTable = table;
  changedTable.hardware.erase(changedTable.hardware.begin() + row);
  Settle(setup_.SetTable(changedTable, imperial_));
}

void MaterialsSettingsPanel::PressRestoreExamples() {
  const std::string question =
      std::string("Put back the example stock, prices and saw settings of ") +
      (imperial_ ? "imperial" : "metric") +
      " measure? Your own lengths and prices of that measure are replaced.";
  if (prompts_.AskYesNoCancel(question) != Answer::Yes) return;
  setup_.RestoreExamples(imperial_);
  extraStock_.clear();
  extraHardware_.clear();
  Settle("");
}

}  // namespace varnloft
