#pragma once
// The materials as lists of texts: the shopping list, the hardware with the rule behind each
// count, the cut list and the totals as tables, with the notes that go with them (full size,
// proven cheapest, example prices, no price). The Materials window shows these tables, Copy puts
// them on the clipboard as text, and the build packet's materials pages (which the window's
// Print prints too) print them, so that every one of them words a row the same way.
#include <string>
#include <vector>

#include "materials/materials.h"

namespace varnloft {

struct TextTable {
  std::string title;
  std::vector<std::string> headings;
  std::vector<std::vector<std::string>> rows;  // each as many cells as headings
};

struct MaterialsLists {
  std::string problem;             // set when nothing could be listed
  std::vector<std::string> notes;  // the sentences above the lists
  TextTable shopping, hardware, cutList, totals;
  std::vector<std::string> nearMisses;  // "Cutting the 6' table tops 1/16" shorter ..."
  std::vector<std::string> missing;     // pieces no stock holds, and pieces left out
};

MaterialsLists ListsOf(const Materials& materials);

// Every list as plain text: a title line, then one line a row with its cells separated by tabs
// (a spreadsheet takes it as a table, an editor shows it in columns), a blank line between lists.
std::string ListsText(const MaterialsLists& lists);

// "square", "31.0°", the angles of a piece's two ends off square, from its outline.
std::string EndsText(const Piece& piece);

// "1, 2, 5-7": board numbers (counted from 1) with runs shortened.
std::string NumbersText(const std::vector<int>& numbers);

}  // namespace varnloft
