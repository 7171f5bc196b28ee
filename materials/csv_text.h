#pragma once
// Comma-separated values as RFC 4180 writes them: a field holding a comma, a double quote or a
// line break is put in double quotes, with its quotes doubled.
#include <string>
#include <vector>

namespace varnloft {

std::string CsvField(const std::string& text);

// A text field a spreadsheet would take for a formula (it starts with =, +, -, @, a tab or a
// carriage return) gets a leading apostrophe, so opening the file runs nothing.
std::string CsvTextField(const std::string& text);

// Fields joined with commas, ended by a line feed; each field is written as it is given.
std::string CsvLine(const std::vector<std::string>& fields);

struct CsvReadResult {
  std::vector<std::vector<std::string>> rows;
  std::string error;  // "line 3: a quoted field is not closed", or empty
};

// Reads what CsvLine writes, and any RFC 4180 text: quoted fields with doubled quotes and line
// breaks, CRLF or LF line ends.
CsvReadResult ReadCsv(const std::string& text);

}  // namespace varnloft
