#include "help/about_window.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

#include "help/about_text.h"
#include "help/help_fonts.h"
#include "help/program_icon.h"
#include "platform/web_address.h"

namespace varnloft {
namespace {

const QColor kGreen(0, 128, 0);
const QColor kLinkWhite(255, 255, 255);
const QColor kLinkRed(255, 0, 0);
const QColor kCream(253, 248, 217);
constexpr int kAboutWidth = 393;
constexpr int kIconSize = 33;

}  // namespace

AboutWindow::AboutWindow(Shell& shell, const DesignRecord& record, QWidget* parent)
    : QDialog(parent), shell_(shell), record_(record) {
  setWindowTitle("About");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kAboutWidth, 285);
  setWindowIcon(varnloft::ProgramIcon());
  setFont(DialogFont(11));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kGreen);
  setPalette(colours);
  setAutoFillBackground(true);
  setMouseTracking(true);

  programIconLabel = new QLabel(this);
  programIconLabel->setGeometry(0, 0, kIconSize, kIconSize);
  programIconLabel->setPixmap(QPixmap::fromImage(DrawProgramIcon(64)));
  programIconLabel->setScaledContents(true);

  webAddressLabel = new QLabel(QString::fromUtf8(kMakerWebAddressCapitalised), this);
  QFont linkFont = ArialFont(24, true);
  linkFont.setUnderline(true);
  webAddressLabel->setFont(linkFont);
  webAddressLabel->setAlignment(Qt::AlignCenter);
  webAddressLabel->setCursor(Qt::PointingHandCursor);
  webAddressLabel->setMouseTracking(true);
  webAddressLabel->installEventFilter(this);
  // Centred over the window at its designed 217 pixels, widened symmetrically when the address
  // needs more room, but never over the icon.
  const int width =
      std::max(217, QFontMetrics(linkFont).horizontalAdvance(webAddressLabel->text()) + 6);
  const int left = std::max(kIconSize + 1, (kAboutWidth - width) / 2);
  webAddressLabel->setGeometry(left, 4, std::min(width, kAboutWidth - left), 29);
  SetLinkColour(kLinkWhite);

  aboutText = new QTextEdit(this);
  aboutText->setGeometry(0, 40, kAboutWidth, 209);
  aboutText->setReadOnly(true);
  aboutText->setFont(ArialFont(13));
  aboutText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  aboutText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  aboutText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  QPalette textColours = aboutText->palette();
  textColours.setColor(QPalette::Base, kCream);
  textColours.setColor(QPalette::Text, kGreen);
  aboutText->setPalette(textColours);

  okButton = new QPushButton("OK", this);
  okButton->setGeometry(152, 256, 75, 25);
  okButton->setFont(DialogFont(16, true));
  okButton->setCursor(Qt::PointingHandCursor);
  okButton->setDefault(true);
  okButton->setAutoDefault(true);
  connect(okButton, &QPushButton::clicked, this, [this] { PressOk(); });
}

void AboutWindow::FillText() {
  // Cleared first, so activating the window again never repeats the text.
  aboutText->clear();
  QTextCursor cursor(aboutText->document());
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  QTextCharFormat text;
  text.setForeground(kGreen);
  bool first = true;
  for (const std::string& line : AboutLines(record_.NoticeText)) {
    if (first)
      cursor.setBlockFormat(centred);
    else
      cursor.insertBlock(centred);
    cursor.insertText(QString::fromStdString(line), text);
    first = false;
  }
  aboutText->moveCursor(QTextCursor::Start);
}

void AboutWindow::HoverWebAddress() {
  SetLinkColour(kLinkRed);
}

void AboutWindow::FormMouseMove() {
  SetLinkColour(kLinkWhite);
}

void AboutWindow::OpenWebAddress() {
  shell_.OpenWebAddress(kMakerWebAddress);
}

void AboutWindow::PressOk() {
  accept();
}

void AboutWindow::SetLinkColour(const QColor& colour) {
  QPalette colours = webAddressLabel->palette();
  colours.setColor(QPalette::WindowText, colour);
  webAddressLabel->setPalette(colours);
}

bool AboutWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FillText();
  return QDialog::event(event);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
  // The label's mouse events stop here: passed on, they would reach the window's background
  // handler and turn the link white again at once.
  if (watched == webAddressLabel) {
    switch (event->type()) {
      case QEvent::MouseMove:
        HoverWebAddress();
        return true;
      case QEvent::MouseButtonPress:
        return true;
      case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            webAddressLabel->rect().contains(mouse->position().toPoint()))
          OpenWebAddress();
        return true;
      }
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void AboutWindow::mouseMoveEvent(QMouseEvent* event) {
  FormMouseMove();
  QDialog::mouseMoveEvent(event);
}

}  // namespace varnloft
