#include "packet/packet_pages.h"

#include <algorithm>

namespace varnloft {

namespace {

constexpr double kMarginInches = 0.1;  // inside the printable area the sink already keeps
constexpr Rgb kRuleGrey{128, 128, 128};

}  // namespace

PacketPages::PacketPages(PageSink& sink, int dotsPerInch, std::string planName, int documentPages,
                         int totalPages)
    : sink_(sink),
      dpi_(std::max(dotsPerInch, 1)),
      planName_(std::move(planName)),
      documentPages_(documentPages),
      totalPages_(totalPages),
      margin_(kMarginInches * dpi_) {}

double PacketPages::Top() const {
  return margin_ + LineStep(kPacketTitlePoints) + Points(6);
}

double PacketPages::Bottom() const {
  return sink_.PageHeight() - margin_ - LineStep(kPacketSmallPoints);
}

void PacketPages::UseText(int points, int penWidth) {
  Canvas& c = canvas();
  c.SetFontName("Arial");
  c.SetFontSize(points);
  c.SetFontColor(kBlack);
  c.SetPenColor(kBlack);
  c.SetPenWidth(penWidth);
}

void PacketPages::StartPage(const std::string& section) {
  if (documentPages_ > 0) sink_.NewPage();
  ++documentPages_;
  Canvas& c = canvas();
  UseText(kPacketTitlePoints);
  c.TextOut(Left(), margin_, section);
  UseText(kPacketTextPoints);
  // The plan's name on the title's line, in the right half, its baseline near the title's.
  c.TextOut(Left() + 0.5 * Width(), margin_ + Points(kPacketTitlePoints - kPacketTextPoints),
            planName_);
  const double rule = Top() - Points(3);
  c.SetPenColor(kRuleGrey);
  c.SetPenWidth(std::max(1, static_cast<int>(Points(0.5))));
  c.MoveTo(Left(), rule);
  c.LineTo(Right(), rule);

  UseText(kPacketSmallPoints);
  std::string footer = "Build packet: " + planName_ + "    Page " + std::to_string(documentPages_);
  if (totalPages_ > 0) footer += " of " + std::to_string(totalPages_);
  c.TextOut(Left(), Bottom() + Points(2), footer);
  UseText(kPacketTextPoints);
}

}  // namespace varnloft
