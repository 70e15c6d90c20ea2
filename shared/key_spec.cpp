#include "shared/key_spec.h"

#include "shared/decimal_text.h"

namespace qpad {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The decimal number between `marker` and the first `terminator` of the
// body. Absent (0) when either is missing; nullopt when the text between
// them is not a decimal integer.
std::optional<int> NumberBetween(std::string_view body, std::string_view marker, char terminator) {
  size_t at = body.find(marker);
  size_t end = body.find(terminator);
  if (at == std::string_view::npos || end == std::string_view::npos) return 0;
  size_t start = at + marker.size();
  if (end < start) return std::nullopt;
  return ParseDecimal(TrimBlanks(body.substr(start, end - start)));
}

bool Contains(std::string_view body, std::string_view word) {
  return body.find(word) != std::string_view::npos;
}

}  // namespace

std::optional<KeySpec> ReadKeySpec(std::string_view body) {
  std::optional<int> key1 = NumberBetween(body, "Key=", ':');
  std::optional<int> key2 = NumberBetween(body, "Key2=", '|');
  if (!key1 || !key2) return std::nullopt;
  KeySpec spec;
  spec.key1 = *key1;
  spec.key2 = *key2;
  spec.shift = Contains(body, "Shift");
  spec.alt = Contains(body, "Alt");
  spec.ctrl = Contains(body, "Ctr");
  return spec;
}

}  // namespace qpad
