#include "ScenarioScript.h"

namespace varkel::scenario {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::vector<std::string> Words(std::string_view s) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    const std::size_t start = i;
    while (i < s.size() && !IsBlank(s[i])) ++i;
    if (i > start) words.emplace_back(s.substr(start, i - start));
  }
  return words;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

ParsedScript ParseScript(std::string_view text) {
  ParsedScript script;
  const auto lines = Lines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = Trim(lines[i]);
    if (line.empty() || line.front() == '#') continue;
    ScriptCommand command;
    command.line = static_cast<int>(i + 1);
    auto words = Words(line);
    command.name = words.front();
    command.args.assign(words.begin() + 1, words.end());
    if (command.name == "file") {
      std::size_t j = i + 1;
      while (j < lines.size() && Trim(lines[j]) != "end") command.body.emplace_back(lines[j++]);
      if (j == lines.size()) {
        script.error = "line " + std::to_string(command.line) + ": \"file\" without \"end\"";
        return script;
      }
      i = j;
    }
    script.commands.push_back(std::move(command));
  }
  return script;
}

}  // namespace varkel::scenario
