#pragma once
// Test texts are written as UTF-8 literals; the data layer works on the
// Shift-JIS bytes of the files.

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/text_codec.h"

namespace qpad::testing {

inline std::string Sjis(std::string_view utf8) {
  auto bytes = platform::Utf8ToCp932(utf8);
  if (!bytes) throw std::invalid_argument("no Shift-JIS form: " + std::string(utf8));
  return *bytes;
}

}  // namespace qpad::testing
