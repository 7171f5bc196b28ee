#include "document/design_cycle.h"

#include "design/design_inputs.h"
#include "design/lumber_size_table.h"
#include "measure/errors.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

// The slot of a lumber row's size box, and of its width box.
constexpr size_t kSizeSlot = 0;
constexpr size_t kWidthSlot = 1;

// An end cap wider than a 2 X 4 is cut back to one.
void LimitEndCap(DesignDocument& d) {
  std::vector<std::string>& endCap = d.Texts("endCapSize");
  double width = 0;
  if (!TryReadNumber(endCap[kWidthSlot], width)) return;
  if (d.imperial && width > 3.5) {
    endCap[kSizeSlot] = "2 X 4";
    endCap[kWidthSlot] = "3.5";
  } else if (!d.imperial && width > 88) {
    endCap[kSizeSlot] = "2 X 4";
    endCap[kWidthSlot] = "89";
  }
}

// The deck's size box names the size whose imperial width the width box holds exactly.
void NameDeckSize(DesignDocument& d) {
  const DesignInput& deck = *FindInput("tableTopSize");
  std::vector<std::string>& texts = d.Texts("tableTopSize");
  for (const auto& size : *deck.knownSizes) {
    const char* width = WidthTextForSize(*deck.knownSizes, size, true);
    if (width && texts[kWidthSlot] == width) {
      texts[kSizeSlot] = size;
      break;
    }
  }
}

// Blank typed boxes read as 0; the lists (a lumber size, a count) are left as they are.
void FillBlankBoxes(DesignDocument& d) {
  const auto& inputs = DesignInputs();
  for (size_t i = 0; i < inputs.size() && i < d.inputTexts.size(); ++i) {
    const InputUnit unit = inputs[i].unit;
    if (unit == InputUnit::Count) continue;
    auto& slots = d.inputTexts[i];
    for (size_t slot = unit == InputUnit::LumberWidth ? kWidthSlot : 0; slot < slots.size(); ++slot)
      if (slots[slot].empty()) slots[slot] = "0";
  }
}

void Tidy(DesignDocument& d) {
  if (!d.modelScale) d.scaleFactor = 1.0f;
  LimitEndCap(d);
  NameDeckSize(d);
  FillBlankBoxes(d);
}

void TakeOptions(const DesignDocument& d, DesignRecord& rec) {
  rec.ImperialUnits = d.imperial;
  rec.SupportsExterior = d.supportsExterior;
  rec.LumberThickness = d.lumberThickness;
  rec.ModelScale = d.modelScale;
  rec.ScaleFactor = d.scaleFactor;
  rec.CustomDesignMode = d.customDesign;
}

// Reads the inputs of one kind (the counts, or everything else) in reading order.
void ReadInputs(const DesignDocument& d, DesignRecord& rec, bool counts, std::string& role) {
  const auto& inputs = DesignInputs();
  for (size_t i = 0; i < inputs.size(); ++i) {
    if ((inputs[i].unit == InputUnit::Count) != counts) continue;
    role = inputs[i].role;
    rec.*(inputs[i].field) = ReadInputValue(inputs[i], d.inputTexts.at(i), d.imperial);
  }
  role.clear();
}

}  // namespace

DesignOutcome Design(const DesignDocument& document, OverlapAnswer answer,
                     const DesignRecord& previous) {
  DesignOutcome out;
  out.document = document;
  out.record = previous;
  DesignRecord& rec = out.record;
  rec.LastCalculationFailed = true;
  Tidy(out.document);
  TakeOptions(out.document, rec);
  std::string role;
  try {
    ReadInputs(out.document, rec, false, role);
    out.lengthsRead = true;
    ReadInputs(out.document, rec, true, role);
    GeometryOutcome geometry = CalculateGeometry(rec, answer);
    if (geometry.overlapQuestion) {
      out.result = DesignOutcome::Result::Question;
      out.question = std::move(*geometry.overlapQuestion);
      return out;
    }
    out.notices = std::move(geometry.notices);
    out.result = DesignOutcome::Result::Designed;
  } catch (const ProgramError& e) {
    out.result = DesignOutcome::Result::Failed;
    out.error = e.what();
    out.errorRole = role;
  }
  return out;
}

}  // namespace varnloft
