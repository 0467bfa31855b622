#include "platform/portable/IniText.h"

namespace varkel {
namespace {

using Line = IniLines::Line;
using Kind = IniLines::Kind;

constexpr std::u16string_view kNewLine = u"\r\n";

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\v'; }

std::u16string_view TrimBlanks(std::u16string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Case folding for ASCII and Latin-1; the program's own names are ASCII. Two
// names are the same name when their folded forms are equal.
char16_t FoldCase(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
  return c;
}

std::u16string Folded(std::u16string_view name) {
  std::u16string folded(name);
  for (char16_t& c : folded) c = FoldCase(c);
  return folded;
}

Line ParseLine(std::u16string_view text, std::size_t begin, std::size_t end) {
  Line line;
  line.begin = begin;
  line.end = end;
  const std::u16string_view content = TrimBlanks(text.substr(begin, end - begin));
  if (content.empty()) return line;
  if (content.front() == u'[') {
    line.kind = Kind::kHeader;
    std::u16string_view name = content.substr(1);
    name = name.substr(0, name.find(u']'));
    line.name = TrimBlanks(name);
    return line;
  }
  if (content.front() == u';') {
    line.kind = Kind::kComment;
    return line;
  }
  line.kind = Kind::kEntry;
  const std::size_t equals = content.find(u'=');
  if (equals == std::u16string_view::npos) {
    line.name = content;
    return line;
  }
  line.name = TrimBlanks(content.substr(0, equals));
  line.hasValue = true;
  line.value = TrimBlanks(content.substr(equals + 1));
  return line;
}

bool IsLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

// Lines end in CRLF, CR or LF; the last one may be unterminated.
std::vector<Line> SplitLines(std::u16string_view text) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = begin;
    while (end < text.size() && !IsLineBreak(text[end])) ++end;
    std::size_t next = end;
    if (end < text.size()) {
      next = text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? end + 2
                                                                                    : end + 1;
    }
    Line line = ParseLine(text, begin, end);
    line.next = next;
    lines.push_back(line);
    begin = next;
  }
  return lines;
}

std::u16string_view Unquote(std::u16string_view value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::u16string EntryText(std::u16string_view key, std::u16string_view value) {
  std::u16string entry(key);
  entry += u'=';
  entry += value;
  return entry;
}

// text with insertion put at offset; an unterminated line before the offset
// gets its CRLF first.
std::u16string InsertAt(std::u16string_view text, std::size_t offset,
                        std::u16string_view insertion) {
  std::u16string result(text.substr(0, offset));
  if (!result.empty() && result.back() != u'\r' && result.back() != u'\n') result += kNewLine;
  result += insertion;
  result += text.substr(offset);
  return result;
}

}  // namespace

std::u16string_view StripNameSpaces(std::u16string_view name) {
  while (!name.empty() && name.front() == u' ') name.remove_prefix(1);
  while (!name.empty() && name.back() == u' ') name.remove_suffix(1);
  return name;
}

// Lines before the first header belong to no section; a later section of a
// name already seen is out of reach.
IniLines::IniLines(std::u16string_view text) : text_(text), lines_(SplitLines(text)) {
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t current = kNone;  // the section the lines belong to, when searchable
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::kHeader) {
      const bool first = sectionByName_.try_emplace(Folded(line.name), sections_.size()).second;
      current = first ? sections_.size() : kNone;
      if (first) sections_.push_back(Section{i, i + 1, {}});
      continue;
    }
    if (current == kNone) continue;
    Section& section = sections_[current];
    section.end = i + 1;
    if (line.kind == Kind::kEntry && line.hasValue) section.keys.try_emplace(Folded(line.name), i);
  }
}

const IniLines::Section* IniLines::FindSection(std::u16string_view section) const {
  const auto found = sectionByName_.find(Folded(StripNameSpaces(section)));
  return found == sectionByName_.end() ? nullptr : &sections_[found->second];
}

std::optional<std::u16string> IniLines::Find(std::u16string_view section,
                                             std::u16string_view key) const {
  const Section* span = FindSection(section);
  if (span == nullptr) return std::nullopt;
  const auto found = span->keys.find(Folded(StripNameSpaces(key)));
  if (found == span->keys.end()) return std::nullopt;
  return std::u16string(Unquote(lines_[found->second].value));
}

std::optional<std::u16string> IniLines::Write(std::u16string_view section, std::u16string_view key,
                                              std::u16string_view value) const {
  section = StripNameSpaces(section);
  key = StripNameSpaces(key);
  const Section* span = FindSection(section);
  if (span == nullptr) {
    std::u16string newSection = u"[";
    newSection += section;
    newSection += u"]";
    newSection += kNewLine;
    newSection += EntryText(key, value);
    newSection += kNewLine;
    return InsertAt(text_, text_.size(), newSection);
  }
  if (const auto found = span->keys.find(Folded(key)); found != span->keys.end()) {
    const Line& line = lines_[found->second];
    if (line.value == value) return std::nullopt;
    // The file's spelling of the key stays; its own line ending too. An
    // unterminated last line is ended, as Windows ends it.
    std::u16string result(text_.substr(0, line.begin));
    result += EntryText(line.name, value);
    if (line.end == line.next) result += kNewLine;
    result += text_.substr(line.end);
    return result;
  }
  // After the last entry, so that comments and blank lines closing the
  // section stay below the new key.
  std::size_t after = span->header;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    if (lines_[i].kind == Kind::kEntry) after = i;
  }
  return InsertAt(text_, lines_[after].next, EntryText(key, value) + std::u16string(kNewLine));
}

std::optional<std::u16string> FindIniValue(std::u16string_view text, std::u16string_view section,
                                           std::u16string_view key) {
  return IniLines(text).Find(section, key);
}

std::optional<std::u16string> WriteIniValue(std::u16string_view text, std::u16string_view section,
                                            std::u16string_view key, std::u16string_view value) {
  return IniLines(text).Write(section, key, value);
}

}  // namespace varkel
