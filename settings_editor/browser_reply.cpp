#include "settings_editor/browser_reply.h"

namespace qpad::editor {
namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsSeparator(char c) { return c == ',' || IsLineEnd(c); }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A value that begins with a quote, at `i` on that quote. Leaves `i` on the
// separator that ends the value (or at the end).
std::string ReadQuotedValue(std::string_view reply, size_t& i) {
  size_t close = reply.find('"', i + 1);
  if (close == std::string_view::npos) close = reply.size();
  std::string value(reply.substr(i + 1, close - i - 1));
  i = close < reply.size() ? close + 1 : close;
  while (i < reply.size() && !IsSeparator(reply[i])) ++i;
  return value;
}

// A value that does not begin with a quote. Leaves `i` on the separator
// that ends it, or just past the character dropped after a quoted stretch.
std::string ReadPlainValue(std::string_view reply, size_t& i) {
  std::string value;
  while (i < reply.size() && !IsSeparator(reply[i])) {
    if (reply[i] != '"') {
      value += reply[i++];
      continue;
    }
    size_t close = reply.find('"', i + 1);
    if (close == std::string_view::npos) close = reply.size() - 1;
    value.append(reply.substr(i, close - i + 1));
    i = close + 1;
    if (i < reply.size()) ++i;  // the character after the closing quote
    break;
  }
  return value;
}

}  // namespace

std::string CaptureFailureMessage(CaptureFailure failure) {
  switch (failure) {
    case CaptureFailure::NoBrowser:
      return "ブラウザ（Internet Explorer）に接続できませんでした。"
             "ブラウザで登録したいページを表示してから、もう一度押してください。";
    case CaptureFailure::TimedOut:
      return "ブラウザが10秒以内に応答しませんでした。もう一度押してください。";
    case CaptureFailure::NoData:
      return "ブラウザからページの情報を受け取れませんでした。";
    case CaptureFailure::TooFewValues:
      return "ブラウザの応答にページのURLと名称がそろっていませんでした。";
    case CaptureFailure::BadEscape:
      return "ブラウザの応答に読めない「%」の表記がありました。";
  }
  return {};
}

std::vector<std::string> SplitReplyValues(std::string_view reply) {
  std::vector<std::string> values;
  size_t i = 0;
  bool afterComma = false;  // a comma always opens one more value
  for (;;) {
    while (i < reply.size() && IsLineEnd(reply[i])) ++i;
    if (i >= reply.size() && !afterComma) break;
    if (i < reply.size() && reply[i] == '"')
      values.push_back(ReadQuotedValue(reply, i));
    else
      values.push_back(ReadPlainValue(reply, i));
    afterComma = false;
    if (i >= reply.size()) break;
    if (IsSeparator(reply[i])) afterComma = reply[i++] == ',';
  }
  return values;
}

std::optional<std::string> UrlDecode(std::string_view value) {
  std::string decoded;
  for (size_t i = 0; i < value.size(); ++i) {
    char c = value[i];
    if (c == '+') {
      decoded += ' ';
    } else if (c != '%') {
      decoded += c;
    } else if (i + 1 < value.size() && value[i + 1] == '%') {
      decoded += '%';
      ++i;
    } else {
      int high = i + 1 < value.size() ? HexDigit(value[i + 1]) : -1;
      int low = i + 2 < value.size() ? HexDigit(value[i + 2]) : -1;
      if (high < 0 || low < 0 || (high == 0 && low == 0)) return std::nullopt;
      decoded += static_cast<char>(high * 16 + low);
      i += 2;
    }
  }
  return decoded;
}

CaptureResult ParseBrowserReply(std::string_view reply) {
  std::vector<std::string> values = SplitReplyValues(reply);
  if (values.size() < 2) return {std::nullopt, CaptureFailure::TooFewValues};
  std::vector<std::string> decoded;
  for (const std::string& value : values) {
    std::optional<std::string> text = UrlDecode(value);
    if (!text) return {std::nullopt, CaptureFailure::BadEscape};
    decoded.push_back(*text);
  }
  return {BrowserPage{decoded[0], decoded[1]}, CaptureFailure::NoData};
}

}  // namespace qpad::editor
