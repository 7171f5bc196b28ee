// The Safety window's widgets: the settings row, the verdict, the table of checks and the
// suggestion buttons; every design and every setting change checks the table again.
#include "app/qt/safety_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/qt/picture.h"
#include "platform/qt/qt_conversions.h"
#include "safety/safety_picture.h"
#include "safety/setting_texts.h"
#include "safety/si_units.h"

namespace varnloft {

SafetyWindow::SafetyWindow(const MainWindow& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setWindowTitle("Safety Check");
  setModal(false);
  resize(900, 640);
  auto* layout = new QVBoxLayout(this);

  auto* disclaimer = new QLabel(kSafetyDisclaimer, this);
  disclaimer->setObjectName("disclaimer");
  disclaimer->setStyleSheet("font-weight: bold");
  layout->addWidget(disclaimer);

  auto* form = new QFormLayout;
  speciesBox = new QComboBox(this);
  speciesBox->addItem("The measure's default");
  for (WoodSpecies s : AllSpecies()) speciesBox->addItem(PropertiesOf(s).name);
  form->addRow("Wood:", speciesBox);
  personBox = new QLineEdit(this);
  form->addRow("Person (kg, or lb with lb):", personBox);
  deflectionBox = new QLineEdit(this);
  form->addRow("Sag limit (L/N):", deflectionBox);
  layout->addLayout(form);
  problemLabel = new QLabel(this);
  problemLabel->setStyleSheet("color: #a00000");
  problemLabel->setWordWrap(true);
  layout->addWidget(problemLabel);

  verdictLabel = new QLabel(this);
  verdictLabel->setWordWrap(true);
  layout->addWidget(verdictLabel);

  table = new QTableWidget(0, 6, this);
  table->setHorizontalHeaderLabels({"Check", "Figure", "Limit", "Margin", "Source", "Result"});
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layout->addWidget(table, 1);

  // The picture and the suggestions scroll together, so that a long list of suggestions never
  // makes the window taller than the screen.
  auto* lower = new QWidget;
  auto* lowerLayout = new QVBoxLayout(lower);
  lowerLayout->setContentsMargins(0, 0, 0, 0);
  pictureLabel = new QLabel(lower);
  pictureLabel->setObjectName("safetyPicture");
  lowerLayout->addWidget(pictureLabel);
  suggestionsTitle_ = new QLabel(lower);
  lowerLayout->addWidget(suggestionsTitle_);
  suggestionsLayout_ = new QVBoxLayout;
  lowerLayout->addLayout(suggestionsLayout_);
  lowerLayout->addStretch();
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("pictureAndSuggestions");
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(lower);
  layout->addWidget(scroll, 2);

  connect(speciesBox, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    if (!chooseSpecies) return;
    chooseSpecies(index <= 0 ? std::nullopt
                             : std::optional<WoodSpecies>(AllSpecies().at(index - 1)));
  });
  connect(personBox, &QLineEdit::editingFinished, this, [this] { PersonEdited(); });
  connect(deflectionBox, &QLineEdit::editingFinished, this, [this] { DeflectionEdited(); });
  ShowSettings();
}

void SafetyWindow::ShowAndRaise() {
  if (!isVisible()) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect free = screen->availableGeometry();
      resize(std::min(width(), free.width()), std::min(height(), free.height()));
      move(free.center() - rect().center());
    }
  }
  DesignChanged();
  show();
  raise();
  activateWindow();
}

void SafetyWindow::SettingsChanged() {
  ShowSettings();
  DesignChanged();
}

void SafetyWindow::ShowSettings() {
  const bool imperial = state_.rec.ImperialUnits;
  if (settings.personMassKg) {
    const double shown =
        imperial ? *settings.personMassKg / kKilogramsPerPound : *settings.personMassKg;
    personBox->setText(QString::number(shown, 'g', 6) + (imperial ? " lb" : " kg"));
  } else {
    personBox->clear();
  }
  deflectionBox->setText("L/" + QString::number(settings.deflectionRatio, 'g', 6));
}

void SafetyWindow::PersonEdited() {
  const std::string text = personBox->text().toStdString();
  std::optional<double> mass;
  if (!text.empty()) {
    mass = ReadPersonMassKg(text);
    if (!mass) {
      problemLabel->setText(Q("'" + text +
                              "' is not a person's mass (above 0 and up to 1000 kg; 110, 110 "
                              "kg or 243 lb). Nothing was changed."));
      ShowSettings();
      return;
    }
  }
  problemLabel->clear();
  if (mass == settings.personMassKg) return;
  settings.personMassKg = mass;
  if (settingsSaved) settingsSaved();
  SettingsChanged();
}

void SafetyWindow::DeflectionEdited() {
  const std::string text = deflectionBox->text().toStdString();
  const std::optional<double> ratio = ReadDeflectionRatio(text);
  if (!ratio) {
    problemLabel->setText(Q("'" + text +
                            "' is not a sag limit (N of L/N, from 1 to 100000). Nothing was "
                            "changed."));
    ShowSettings();
    return;
  }
  problemLabel->clear();
  if (*ratio == settings.deflectionRatio) return;
  settings.deflectionRatio = *ratio;
  if (settingsSaved) settingsSaved();
  SettingsChanged();
}

void SafetyWindow::DesignChanged() {
  result_ = CheckWindowDesign(state_, settings);
  Show();
  if (checked) checked(result_);
}

void SafetyWindow::Show() {
  const SafetyCheck& c = result_.check;
  const bool imperial = state_.rec.ImperialUnits;
  const std::optional<WoodSpecies>& chosen = state_.form.woodSpecies;
  speciesBox->setCurrentIndex(chosen ? static_cast<int>(*chosen) + 1 : 0);
  speciesBox->setItemText(0, Q("The measure's default (" +
                               std::string(PropertiesOf(DefaultSpecies(imperial)).name) + ")"));

  // The default person in the design's measure: 110 kg is 243 lb, 55 kg 121 lb.
  personBox->setPlaceholderText(imperial ? "243 lb (121 lb at a children's table)"
                                         : "110 kg (55 kg at a children's table)");
  verdictLabel->setText(Q(SafetyVerdict(c, imperial)));
  verdictLabel->setStyleSheet(c.ok ? "color: #006000; font-weight: bold"
                                   : "color: #a00000; font-weight: bold");

  Picture picture(kSafetyPictureWidth, kSafetyPictureHeight);
  picture.Draw([&](Canvas& canvas) { DrawSafetyPicture(result_.model, c, canvas); });
  pictureLabel->setPixmap(QPixmap::fromImage(picture.Image()));

  const std::vector<SafetyRow> rows = SafetyRows(c, imperial);
  table->setRowCount(static_cast<int>(rows.size()));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const SafetyRow& r = rows[i];
    const std::string cells[] = {r.check,  r.figure, r.limit,
                                 r.margin, r.source, r.ok ? "PASS" : "FAIL"};
    for (int col = 0; col < 6; ++col) {
      auto* item = new QTableWidgetItem(Q(cells[col]));
      if (col == 5) item->setForeground(r.ok ? QColor(0, 96, 0) : QColor(160, 0, 0));
      table->setItem(i, col, item);
    }
  }
  // The first failing check in view, so that the reason for FAIL shows without scrolling.
  const auto failing =
      std::find_if(rows.begin(), rows.end(), [](const SafetyRow& r) { return !r.ok; });
  if (failing != rows.end())
    table->scrollToItem(table->item(static_cast<int>(failing - rows.begin()), 0),
                        QAbstractItemView::PositionAtCenter);

  for (QPushButton* b : suggestionButtons) b->deleteLater();
  suggestionButtons.clear();
  suggestionsTitle_->setText(result_.suggestions.empty()
                                 ? QString()
                                 : "What to change (each passes the check it names; click to "
                                   "apply, Edit ▸ Undo takes it back):");
  for (const SafetySuggestion& s : result_.suggestions) {
    auto* button = new QPushButton(Q(s.check + ": " + s.change), this);
    suggestionsLayout_->addWidget(button);
    suggestionButtons.push_back(button);
    connect(button, &QPushButton::clicked, this, [this, s] {
      if (s.inputs.empty()) {
        // The heaviest person the design holds: a setting, not a change of the design.
        settings.personMassKg = s.personMassKg;
        if (settingsSaved) settingsSaved();
        SettingsChanged();
      } else if (applySuggestion) {
        applySuggestion(s);
      }
    });
  }
}

}  // namespace varnloft
