#pragma once
// The design file, ".varnloft": UTF-8 JSON that a person can read, bringing a design back exactly
// as the user left it. Written with two-space indentation, one member a line:
//
//   {
//     "format": "varnloft-design",
//     "version": 1,
//     "measure": "imperial",                  "imperial" or "metric"
//     "inputs": {                             each input's box texts by role name, one per slot,
//       "overallLength": ["6", "0", "0"],     exactly as typed (hidden slots too)
//       ...
//       "deckBoardCount": ["6"]
//     },
//     "supportSide": "exterior",              "exterior" or "interior"
//     "lumberThickness": {"inches": 1.5, "dialogInches": "1", "dialogSixteenths": "8"},
//     "modelScale": {"on": false, "factor": 0, "menuCaption": "..."},   the item's caption
//     "preset": "Adult Standard",             the checked Pre-Settings item's caption
//     "customDesign": false,
//     "statusBar": ["Adult Standard Size Table", "Complimentary Software ..."],
//     "species": "C24",                       the wood, only when one was chosen; without it
//                                             the safety check takes the measure's default
//     "record": {...}                         the computed design, for a reader only
//   }
//
// Reading never trusts "record". A missing key takes the Adult Standard value in the file's
// measure and is reported; keys this version does not know, at the top level and inside
// "inputs", "lumberThickness" and "modelScale", are kept and written back.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "design/design_record.h"
#include "document/design_document.h"
#include "platform/json_value.h"

namespace varnloft {

inline constexpr char kDesignFileFormat[] = "varnloft-design";
inline constexpr int kDesignFileVersion = 1;
inline constexpr size_t kDesignFileMaxBytes = 1 << 20;  // 1 MB
inline constexpr size_t kDesignTextMaxCharacters = 1000;

// The members of a file's objects that this version does not know, by object: "" for the top
// level, "inputs", "lumberThickness", "modelScale". In the file's order.
using KeptKeys = std::map<std::string, std::vector<JsonMember>>;

struct DesignFileText {
  std::string text;  // the whole file, ending in a newline
  std::string
      error;  // why the design cannot be written ("the text of ... is longer ..."), or empty
};

// The file for a design. Refused (error set) when a text is longer than 1,000 characters or is
// not UTF-8, or the file would be larger than 1 MB, since no file could bring it back.
DesignFileText WriteDesignFile(const DesignDocument& state, const DesignRecord& record,
                               const KeptKeys& kept);

struct DesignFileContents {
  DesignDocument state;
  KeptKeys kept;
  std::vector<std::string> missingKeys;  // "inputs.deckGap", "supportSide", ...
};

struct DesignFileReading {
  bool ok = false;
  DesignFileContents contents;
  std::string error;  // why the text was refused: "it is not JSON (line 2, column 5: ...)"
};

// Reads a design file's text; refuses anything but a design of this version or an older one.
DesignFileReading ReadDesignFile(std::string_view text);

}  // namespace varnloft
