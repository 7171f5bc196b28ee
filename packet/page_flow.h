#pragma once
// Text running down the packet's pages of one section: headings, wrapped paragraphs and tables
// of texts, a new page (its header saying "continued") when the next block does not fit.
#include <string>
#include <vector>

#include "materials/materials_lists.h"
#include "packet/packet_pages.h"

namespace varnloft {

class PageFlow {
 public:
  // Starts the section on a new page.
  PageFlow(PacketPages& pages, std::string section);

  // A heading that stays on the page of the lines under it.
  void Heading(const std::string& text);
  // A paragraph at `points`, wrapped to the width less `indent` inches.
  void Paragraph(const std::string& text, int points = kPacketTextPoints, double indent = 0);
  // A table under its title: each column as wide as its widest text, the last one taking the
  // rest of the width and wrapping there; a grey rule under the headings. Nothing at all when
  // the table has no rows.
  void Table(const TextTable& table);
  int Pages() const { return count_; }

 private:
  // Makes room for `height` pixels: a new page when the rest of this one is too short.
  void Need(double height);
  void Rule();

  PacketPages& pages_;
  std::string section_;
  double y_ = 0;
  int count_ = 0;
};

}  // namespace varnloft
