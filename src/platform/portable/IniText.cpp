#include "platform/portable/IniText.h"

#include <vector>

namespace varkel {
namespace {

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

enum class LineKind { kBlank, kHeader, kComment, kEntry };

struct Line {
  std::size_t begin = 0;       // first character of the line
  std::size_t end = 0;         // its terminator (or the end of the text)
  std::size_t next = 0;        // first character after the terminator
  LineKind kind = LineKind::kBlank;
  std::u16string_view name;    // section of a header, key of an entry
  bool hasValue = false;       // an entry with '='
  std::u16string_view value;   // trimmed, quotes still on
};

Line ParseLine(std::u16string_view text, std::size_t begin, std::size_t end) {
  Line line;
  line.begin = begin;
  line.end = end;
  const std::u16string_view content = TrimBlanks(text.substr(begin, end - begin));
  if (content.empty()) return line;
  if (content.front() == u'[') {
    line.kind = LineKind::kHeader;
    std::u16string_view name = content.substr(1);
    name = name.substr(0, name.find(u']'));
    line.name = TrimBlanks(name);
    return line;
  }
  if (content.front() == u';') {
    line.kind = LineKind::kComment;
    return line;
  }
  line.kind = LineKind::kEntry;
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

// Lines end in CRLF, CR or LF; the last one may be unterminated.
std::vector<Line> SplitLines(std::u16string_view text) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find_first_of(u"\r\n", begin);
    std::size_t next;
    if (end == std::u16string_view::npos) {
      end = next = text.size();
    } else if (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') {
      next = end + 2;
    } else {
      next = end + 1;
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

// Line indices of the first section with that name: its header and the line
// after its last one. Lines before the first header belong to no section.
struct SectionSpan {
  std::size_t header = 0;
  std::size_t end = 0;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines,
                                       std::u16string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != LineKind::kHeader || !SameName(lines[i].name, section)) continue;
    SectionSpan span{i, i + 1};
    while (span.end < lines.size() && lines[span.end].kind != LineKind::kHeader) ++span.end;
    return span;
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line>& lines, SectionSpan span,
                                   std::u16string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    if (lines[i].kind == LineKind::kEntry && lines[i].hasValue && SameName(lines[i].name, key)) {
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

std::optional<std::u16string> FindIniValue(std::u16string_view text, std::u16string_view section,
                                           std::u16string_view key) {
  section = StripNameSpaces(section);
  key = StripNameSpaces(key);
  const std::vector<Line> lines = SplitLines(text);
  const auto span = FindSection(lines, section);
  if (!span) return std::nullopt;
  const auto found = FindKey(lines, *span, key);
  if (!found) return std::nullopt;
  return std::u16string(Unquote(lines[*found].value));
}

std::optional<std::u16string> WriteIniValue(std::u16string_view text, std::u16string_view section,
                                            std::u16string_view key, std::u16string_view value) {
  section = StripNameSpaces(section);
  key = StripNameSpaces(key);
  const std::vector<Line> lines = SplitLines(text);
  const auto span = FindSection(lines, section);
  if (!span) {
    std::u16string newSection = u"[";
    newSection += section;
    newSection += u"]";
    newSection += kNewLine;
    newSection += EntryText(key, value);
    newSection += kNewLine;
    return InsertAt(text, text.size(), newSection);
  }
  if (const auto found = FindKey(lines, *span, key)) {
    const Line& line = lines[*found];
    if (line.value == value) return std::nullopt;
    // The file's spelling of the key stays; its own line ending too. An
    // unterminated last line is ended, as Windows ends it.
    std::u16string result(text.substr(0, line.begin));
    result += EntryText(line.name, value);
    if (line.end == line.next) result += kNewLine;
    result += text.substr(line.end);
    return result;
  }
  // After the last entry, so that comments and blank lines closing the
  // section stay below the new key.
  std::size_t after = span->header;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    if (lines[i].kind == LineKind::kEntry) after = i;
  }
  return InsertAt(text, lines[after].next, EntryText(key, value) + std::u16string(kNewLine));
}

}  // namespace varkel
