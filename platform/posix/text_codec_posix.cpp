// Code page 932 conversions through iconv, for the native builds.

#include "platform/text_codec.h"

#include <iconv.h>

#include <cerrno>

namespace qpad::platform {
namespace {

// Converts with iconv; a sequence that does not convert is replaced by
// `replacement` when one is given, and fails the conversion otherwise.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in,
                                   const char* replacement) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  char buffer[4096];
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  bool failed = false;
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    if (replacement == nullptr) {
      failed = true;
      break;
    }
    out += replacement;  // EILSEQ or a truncated sequence at the end
    ++inPtr;
    --inLeft;
  }
  iconv_close(cd);
  if (failed) return std::nullopt;
  return out;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  return Convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD").value_or(std::string());
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  return Convert("CP932", "UTF-8", utf8, nullptr);
}

}  // namespace qpad::platform
