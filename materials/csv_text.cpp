#include "materials/csv_text.h"

namespace varnloft {

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string CsvTextField(const std::string& text) {
  if (!text.empty() && std::string("=+-@\t\r").find(text[0]) != std::string::npos)
    return CsvField("'" + text);
  return CsvField(text);
}

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
  return line + "\n";
}

CsvReadResult ReadCsv(const std::string& text) {
  CsvReadResult result;
  std::vector<std::string> row;
  std::string field;
  bool quoted = false, wasQuoted = false;
  size_t line = 1, quoteLine = 1;
  auto endField = [&] {
    row.push_back(std::move(field));
    field.clear();
    wasQuoted = false;
  };
  auto endRow = [&] {
    endField();
    result.rows.push_back(std::move(row));
    row.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"') {
        if (i + 1 < text.size() && text[i + 1] == '"') {
          field += '"';
          ++i;
        } else {
          quoted = false;
        }
      } else {
        if (c == '\n') ++line;
        field += c;
      }
      continue;
    }
    if (c == '"') {
      if (!field.empty() || wasQuoted) {
        result.error = "line " + std::to_string(line) + ": a quote inside an unquoted field";
        return result;
      }
      quoted = wasQuoted = true;
      quoteLine = line;
    } else if (c == ',') {
      endField();
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      endRow();
      ++line;
    } else {
      if (wasQuoted) {
        result.error = "line " + std::to_string(line) + ": text after a quoted field";
        return result;
      }
      field += c;
    }
  }
  if (quoted) {
    result.error = "line " + std::to_string(quoteLine) + ": a quoted field is not closed";
    return result;
  }
  if (!field.empty() || wasQuoted || !row.empty()) endRow();
  return result;
}

}  // namespace varnloft
