#pragma once
// Decimal numbers as the data files hold them.

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text_codec.h"

namespace qpad {

// An optional sign and at least one digit, nothing else, within the 32-bit
// range; nullopt otherwise.
inline std::optional<int32_t> ParseDecimal(std::string_view text) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') {
    ++first;
    if (first != last && *first == '-') return std::nullopt;
  }
  int32_t value = 0;
  auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

// The same, with blanks around the number allowed.
inline std::optional<int32_t> ParseTrimmedDecimal(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return ParseDecimal(text);
}

// The conversion error for a Shift-JIS text that is not a decimal integer.
inline std::string NotAnIntegerMessage(std::string_view cp932Text) {
  return "'" + platform::Cp932ToUtf8(cp932Text) + "' は整数ではありません";
}

// Decimal without leading zeros.
inline std::string DecimalText(int32_t value) { return std::to_string(value); }

}  // namespace qpad
