#include "help/illustration_texts.h"

namespace varnloft {

const std::vector<AdviceSection>& GeneralInfoSections() {
  static const std::vector<AdviceSection> sections = {
      {"GENERAL INFO",
       {
           "The program first tries to place the legs directly below the seat extension limit "
           "(the outer edge of the seats). A leg in line with the seat edge reduces the chance "
           "of tipping when the table is overbalanced, for example when someone sits on the "
           "very end of a seat. If the upper legs would then overlap, you are asked whether "
           "they should be repositioned.",
           "Drilled hole locations are marked along the top edge of a member, or measured from "
           "the point (end) of the member, and are always centred on the member's width. With "
           "the holes drilled first, the end frames can be built without a jig.",
           "The rafter square settings on the \"Two Angles Only\" page are for checking your "
           "angle cuts before you cut all the members (see \"Angle Checking\").",
           "Every table uses only two saw angles: one for the brace ends and one for all other "
           "cuts. Set the saw once for each angle and make all the cuts of that angle together.",
       }},
      {"PICNIC TABLE DESIGN OPTIONS",
       {
           "The preset designs are guides only. Check every dimension for your own use, and "
           "load test every design, preset or custom, before the table is put into service.",
           "Every input can be changed: length, table and seat heights, overhangs, the distance "
           "between seat and table, the gap between boards and the lumber sizes. Press Design "
           "after a change to see the new table.",
           "The supports can be placed on the exterior or the interior side of the legs; the "
           "plans, lengths and angles follow your choice.",
           "The wheelchair presets leave room at one or both ends of the table top for a "
           "wheelchair to pull up to the table.",
       }},
      {"CONSTRUCTION MATERIALS",
       {
           "Choose straight, dry lumber free of large knots, splits and twist, above all for "
           "the legs and supports, which carry the load.",
           "For an outdoor table use a decay resistant species such as cedar or redwood, or "
           "pressure treated lumber rated for ground contact. Softwood framing lumber with a "
           "good exterior finish serves well for a table kept under cover.",
           "All fasteners must be galvanized or plated (stainless steel is best), so that they "
           "neither rust nor stain the wood.",
           "Each table needs 8 carriage or machine bolts, 3/8 in thick and 3 1/4 in or 3 1/2 in "
           "long, each with a washer and a nut, plus exterior deck screws for the deck, seats "
           "and braces.",
       }},
      {"ASSEMBLY INSTRUCTIONS",
       {
           "Cut every member to the length and angle shown on the plans. Check the first cut of "
           "each angle with a rafter square before cutting the rest.",
           "Mark and drill the bolt holes where the plans show them, centred on each member.",
           "Bolt each end frame together: the legs, the table top support and the seat "
           "support. Square the frame by measuring both diagonals; when the two measurements "
           "are equal the frame is square. Then tighten the bolts.",
           "Stand the end frames up at the spacing given on the plans and fasten the seat "
           "boards to the seat supports to hold the frames upright.",
           "Lay out the deck from its centre line: mark the centre of each table top support, "
           "place the first boards either side of the centre line with the board gap between "
           "them, and work outwards to the edges.",
           "Fasten the deck and seat boards with two screws into each support, fit the braces, "
           "ease all sharp edges and apply an exterior finish.",
       }},
  };
  return sections;
}

// One long line of the formula page, named so that the list below stays one line per entry.
constexpr const char* kTwoAnglesNote =
    "This design uses only two angles: one for the braces and one for the rest of the "
    "table. Each support is cut back to the leg with the same angle that the leg needs to "
    "meet your input.";

const std::vector<std::string>& FormulaLines() {
  static const std::vector<std::string> lines = {
      "LEG ANGLE FORMULA",
      "",
      kTwoAnglesNote,
      "",
      "==================================================",
      "a = outer support depth (for example a 2 x 4 is 3.5)",
      "b = overall height - table deck thickness - outer support - seat height + seat thickness",
      "c = seat to table distance",
      "",
      "leg angle = Atan(c/(b - a))",
      "==================================================",
      "",
      "Changes typed on this page are not saved and do not change the design.",
  };
  return lines;
}

}  // namespace varnloft
