#include "shared/ini_file.h"

namespace qpad {
namespace {

// Shift-JIS lead bytes: the byte after one belongs to the same character,
// and may look like "[", "]" or a letter.
bool IsLeadByte(char c) {
  auto b = static_cast<unsigned char>(c);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (IsLeadByte(a[i]) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
      return false;
    }
  }
  return true;
}

// The longest start of `text` of at most `limit` bytes that does not cut a
// double-byte character in two.
std::string_view CutAtCharacter(std::string_view text, size_t limit) {
  if (text.size() <= limit) return text;
  size_t end = 0;
  while (end < limit) {
    size_t width = (IsLeadByte(text[end]) && end + 1 < text.size()) ? 2 : 1;
    if (end + width > limit) break;
    end += width;
  }
  return text.substr(0, end);
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

enum class LineKind { Blank, Section, Comment, Key, Other };

// One line of the file: its place in the bytes and what it holds.
struct Line {
  size_t begin = 0;  // first byte of the line
  size_t end = 0;    // end of its content, before the line break
  size_t next = 0;   // first byte of the following line
  LineKind kind = LineKind::Other;
  std::string_view name;  // section or key name, trimmed
  size_t valueBegin = 0;  // for a key: first byte after "="

  bool EndsInBreak() const { return next > end; }
};

// Sorts a line's content into its kind and finds its name.
void Classify(std::string_view bytes, Line& line) {
  std::string_view content = bytes.substr(line.begin, line.end - line.begin);
  std::string_view text = Trim(content);
  if (text.empty()) {
    line.kind = LineKind::Blank;
  } else if (text.front() == '[') {
    size_t close = 1;
    while (close < text.size() && text[close] != ']')
      close += (IsLeadByte(text[close]) && close + 1 < text.size()) ? 2 : 1;
    line.kind = LineKind::Section;
    line.name = Trim(text.substr(1, close - 1));
  } else if (text.front() == ';') {
    line.kind = LineKind::Comment;
  } else if (size_t equals = content.find('='); equals != content.npos) {
    line.kind = LineKind::Key;
    line.name = Trim(content.substr(0, equals));
    line.valueBegin = line.begin + equals + 1;
  }
}

// Walks the lines of the file in order.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

  bool Next(Line& line) {
    if (pos_ >= bytes_.size()) return false;
    line = Line{};
    line.begin = pos_;
    size_t brk = bytes_.find_first_of("\r\n", pos_);
    if (brk == bytes_.npos) {
      line.end = line.next = bytes_.size();
    } else {
      line.end = brk;
      line.next = (bytes_[brk] == '\r' && brk + 1 < bytes_.size() && bytes_[brk + 1] == '\n')
                      ? brk + 2
                      : brk + 1;
    }
    pos_ = line.next;
    Classify(bytes_, line);
    return true;
  }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

// Where a key lies, or where it would go.
struct KeyPlace {
  bool found = false;
  Line keyLine;  // when found
  bool sectionSeen = false;
  Line lastLineOfSection;  // the last non-blank line of the first matching section
};

KeyPlace Locate(std::string_view bytes, std::string_view section, std::string_view key) {
  KeyPlace place;
  LineReader reader(bytes);
  Line line;
  bool inSection = false;
  bool inFirstSection = false;
  while (reader.Next(line)) {
    if (line.kind == LineKind::Section) {
      inSection = SameName(line.name, section);
      inFirstSection = inSection && !place.sectionSeen;
      if (inFirstSection) place.sectionSeen = true;
    }
    if (!inSection) continue;
    if (inFirstSection && line.kind != LineKind::Blank) place.lastLineOfSection = line;
    if (line.kind == LineKind::Key && SameName(line.name, key)) {
      place.found = true;
      place.keyLine = line;
      return place;
    }
  }
  return place;
}

bool IsWritableName(std::string_view name, std::string_view forbidden) {
  return !name.empty() && Trim(name) == name && !HasLineBreak(name) &&
         name.find_first_of(forbidden) == name.npos;
}

}  // namespace

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  KeyPlace place = Locate(bytes_, section, key);
  if (!place.found) return std::nullopt;
  const Line& line = place.keyLine;
  std::string_view value =
      Trim(std::string_view(bytes_).substr(line.valueBegin, line.end - line.valueBegin));
  return std::string(CutAtCharacter(value, kMaxValueBytes));
}

bool IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  if (!IsWritableName(section, "]") || !IsWritableName(key, "=") || key.front() == '[' ||
      key.front() == ';' || HasLineBreak(value))
    return false;

  KeyPlace place = Locate(bytes_, section, key);
  if (place.found) {
    const Line& line = place.keyLine;
    bytes_.replace(line.valueBegin, line.end - line.valueBegin, value);
    return true;
  }

  std::string keyLine;
  keyLine.append(key).append("=").append(value).append("\r\n");
  if (place.sectionSeen) {
    const Line& last = place.lastLineOfSection;
    if (!last.EndsInBreak()) keyLine.insert(0, "\r\n");
    bytes_.insert(last.next, keyLine);
    return true;
  }

  if (!bytes_.empty() && bytes_.back() != '\n' && bytes_.back() != '\r') bytes_.append("\r\n");
  bytes_.append("[").append(section).append("]\r\n").append(keyLine);
  return true;
}

}  // namespace qpad
