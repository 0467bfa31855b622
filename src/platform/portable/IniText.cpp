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

// Case folding for ASCII and Latin-1; the program's own names are ASCII.
char16_t FoldCase(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
  return c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
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

// Where the line starting at begin ends: its first CR or LF, or the text's
// end. A plain scan: this runs over every character of every file read.
std::size_t LineEnd(std::u16string_view text, std::size_t begin) {
  const char16_t* const first = text.data() + begin;
  const char16_t* const last = text.data() + text.size();
  const char16_t* c = first;
  while (c != last && *c != u'\r' && *c != u'\n') ++c;
  return begin + static_cast<std::size_t>(c - first);
}

// Lines end in CRLF, CR or LF; the last one may be unterminated.
std::vector<Line> SplitLines(std::u16string_view text) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t end = LineEnd(text, begin);
    std::size_t next = end + 1;
    if (end == text.size()) {
      next = end;
    } else if (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') {
      next = end + 2;
    }
    Line line = ParseLine(text, begin, end);
    line.next = next;
    lines.push_back(line);
    begin = next;
  }
  std::size_t sectionEnd = lines.size();
  for (std::size_t i = lines.size(); i-- > 0;) {
    if (lines[i].kind != Kind::kHeader) continue;
    lines[i].sectionEnd = sectionEnd;
    sectionEnd = i;
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

// Line indices of the first section with that name: its header and the line
// after its last one. Lines before the first header belong to no section.
struct SectionSpan {
  std::size_t header = 0;
  std::size_t end = 0;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines,
                                       std::u16string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind == Kind::kHeader && SameName(lines[i].name, section)) {
      return SectionSpan{i, lines[i].sectionEnd};
    }
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line>& lines, SectionSpan span,
                                   std::u16string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    if (lines[i].kind == Kind::kEntry && lines[i].hasValue && SameName(lines[i].name, key)) {
      return i;
    }
  }
  return std::nullopt;
}

std::u16string EntryText(std::u16string_view key, std::u16string_view value) {
  std::u16string entry(key);
  entry += u'=';
  entry += value;
  return entry;
}

// insertion put at offset; an unterminated line before the offset gets its
// CRLF first.
IniEdit InsertAt(std::u16string_view text, std::size_t offset, std::u16string_view insertion) {
  IniEdit edit{offset, 0, {}};
  if (offset > 0 && text[offset - 1] != u'\r' && text[offset - 1] != u'\n') {
    edit.inserted = kNewLine;
  }
  edit.inserted += insertion;
  return edit;
}

}  // namespace

std::u16string_view StripNameSpaces(std::u16string_view name) {
  while (!name.empty() && name.front() == u' ') name.remove_prefix(1);
  while (!name.empty() && name.back() == u' ') name.remove_suffix(1);
  return name;
}

IniLines::IniLines(std::u16string_view text) : text_(text), lines_(SplitLines(text)) {}

std::optional<std::u16string> IniLines::Find(std::u16string_view section,
                                             std::u16string_view key) const {
  const auto span = FindSection(lines_, StripNameSpaces(section));
  if (!span) return std::nullopt;
  const auto found = FindKey(lines_, *span, StripNameSpaces(key));
  if (!found) return std::nullopt;
  return std::u16string(Unquote(lines_[*found].value));
}

std::u16string IniEdit::AppliedTo(std::u16string_view text) const {
  std::u16string result;
  result.reserve(text.size() - removed + inserted.size());
  result += text.substr(0, offset);
  result += inserted;
  result += text.substr(offset + removed);
  return result;
}

std::optional<IniEdit> IniLines::Write(std::u16string_view section, std::u16string_view key,
                                       std::u16string_view value) const {
  section = StripNameSpaces(section);
  key = StripNameSpaces(key);
  const auto span = FindSection(lines_, section);
  if (!span) {
    std::u16string newSection = u"[";
    newSection += section;
    newSection += u"]";
    newSection += kNewLine;
    newSection += EntryText(key, value);
    newSection += kNewLine;
    return InsertAt(text_, text_.size(), newSection);
  }
  if (const auto found = FindKey(lines_, *span, key)) {
    const Line& line = lines_[*found];
    if (line.value == value) return std::nullopt;
    // The file's spelling of the key stays; its own line ending too. An
    // unterminated last line is ended, as Windows ends it.
    IniEdit edit{line.begin, line.end - line.begin, EntryText(line.name, value)};
    if (line.end == line.next) edit.inserted += kNewLine;
    return edit;
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
  const auto edit = IniLines(text).Write(section, key, value);
  if (!edit) return std::nullopt;
  return edit->AppliedTo(text);
}

}  // namespace varkel
