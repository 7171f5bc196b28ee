#include "design_script.h"

namespace varnloft::fuzz {

namespace {

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  size_t pos = 0;
  while (pos < line.size()) {
    const size_t end = line.find(' ', pos);
    const size_t stop = end == std::string::npos ? line.size() : end;
    if (stop > pos) words.push_back(line.substr(pos, stop - pos));
    pos = stop + 1;
  }
  return words;
}

}  // namespace

std::vector<ScriptLine> ParseScript(const std::string& text, size_t maxLines) {
  std::vector<ScriptLine> script;
  size_t pos = 0;
  while (pos <= text.size() && script.size() < maxLines) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(pos, end - pos);
    pos = end + 1;

    ScriptLine parsed;
    const size_t verbEnd = line.find(' ');
    parsed.verb = line.substr(0, verbEnd);
    if (parsed.verb.empty()) continue;
    if (verbEnd != std::string::npos) {
      const std::string after = line.substr(verbEnd + 1);
      parsed.words = SplitWords(after);
      // The text typed is everything after the box name, blanks and all.
      const size_t nameEnd = after.find(' ');
      if (nameEnd != std::string::npos) parsed.rest = after.substr(nameEnd + 1);
    }
    script.push_back(std::move(parsed));
  }
  return script;
}

}  // namespace varnloft::fuzz
