#include "tests/e2e/support/ini_text.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace qpad::e2e {
namespace {

std::string Trim(const std::string& text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return {};
  size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// "[name]" gives the name; other lines nothing.
std::optional<std::string> SectionOf(const std::string& line) {
  std::string trimmed = Trim(line);
  if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') return std::nullopt;
  return Trim(trimmed.substr(1, trimmed.size() - 2));
}

bool IsHeaderOf(const std::string& line, const std::string& section) {
  std::optional<std::string> name = SectionOf(line);
  return name && SameName(*name, section);
}

bool IsKey(const std::string& line, const std::string& key) {
  size_t equals = line.find('=');
  return equals != std::string::npos && SameName(Trim(line.substr(0, equals)), key);
}

}  // namespace

std::optional<std::string> IniValue(const std::string& text, const std::string& section,
                                    const std::string& key) {
  bool inSection = false;
  for (const std::string& line : Lines(text)) {
    if (auto name = SectionOf(line)) inSection = SameName(*name, section);
    else if (inSection && IsKey(line, key)) return Trim(line.substr(line.find('=') + 1));
  }
  return std::nullopt;
}

std::string WithIniValue(const std::string& text, const std::string& section,
                         const std::string& key, const std::string& value) {
  std::vector<std::string> lines = Lines(text);
  const std::string entry = key + "=" + value;
  size_t header = 0;
  while (header < lines.size() && !IsHeaderOf(lines[header], section)) ++header;
  if (header == lines.size()) {
    lines.push_back("[" + section + "]");
    lines.push_back(entry);
  } else {
    size_t insertAt = header + 1;  // after the section's last non-blank line
    size_t i = header + 1;
    for (; i < lines.size() && !SectionOf(lines[i]); ++i) {
      if (IsKey(lines[i], key)) break;
      if (!Trim(lines[i]).empty()) insertAt = i + 1;
    }
    if (i < lines.size() && !SectionOf(lines[i])) lines[i] = entry;
    else lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
  }
  std::string result;
  for (const std::string& line : lines) result += line + "\r\n";
  return result;
}

}  // namespace qpad::e2e
