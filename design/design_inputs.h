#pragma once
// The eighteen design inputs: each one's role name, the record field it fills, how it is typed
// and measured, and its default texts in each measure. The list is in the order a design reads
// the inputs; the window's half of the table (app/input_boxes.h) pairs each role with its boxes.
#include <string>
#include <string_view>
#include <vector>

#include "design/design_record.h"

namespace varnloft {

// How an input is typed. Its texts are kept in slots, the same slots in both measures:
enum class InputUnit {
  Length,       // feet, inches, sixteenths; or metres, millimetres (the third slot unused)
  ShortLength,  // inches, sixteenths; or millimetres (the second slot unused)
  LumberWidth,  // a nominal size and the actual width: decimal inches, or millimetres
  Count,        // a number of boards
};

struct DesignInput {
  const char* role;            // "overallLength"
  float DesignRecord::*field;  // &DesignRecord::OverallLength
  InputUnit unit;
  std::vector<const char*> imperialTexts;  // default texts, one per slot
  std::vector<const char*> metricTexts;
  // For a lumber row, the nominal sizes whose widths a typed or chosen size fills in.
  const std::vector<std::string>* knownSizes = nullptr;
};

// The inputs in reading order: lengths, the deck overhangs before the seat overhangs, left
// before right, then the seven lumber rows from tableTopSize to endCapSize, then the counts.
const std::vector<DesignInput>& DesignInputs();

// The input with the given role name; nullptr for any other name.
const DesignInput* FindInput(std::string_view role);

// How many slots an input of this unit has.
size_t SlotCount(InputUnit unit);

// The slots read as numbers in the given measure, in reading order.
std::vector<size_t> ReadSlots(InputUnit unit, bool imperial);

// The default texts of an input in a measure, one per slot.
std::vector<std::string> DefaultTexts(const DesignInput& input, bool imperial);

// Reads an input's slot texts (all slots) as the length in feet, or the count, that the record
// holds. Throws ConversionError for a text that is not a number and ProgramError for a value no
// float can hold; nothing is written.
float ReadInputValue(const DesignInput& input, const std::vector<std::string>& texts,
                     bool imperial);

// The texts that show `value` (a record field) in the read slots of the given measure, as the
// measure switch writes them; empty for a count, which no measure changes.
std::vector<std::string> ValueTexts(InputUnit unit, float value, bool imperial);

}  // namespace varnloft
