#pragma once
// The web browser's answer to a request for its current page: values
// separated by commas, each possibly in double quotes, URL-encoded. Value 1
// is the page's address, value 2 its title. Bytes stay bytes (the
// browser's ANSI text); only the window side converts them for display.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qpad::editor {

// Why a capture of the browser's page failed.
enum class CaptureFailure {
  NoBrowser,      // no DDE server answered
  TimedOut,       // the browser did not answer the request in time
  NoData,         // the request came back without data
  TooFewValues,   // the answer held no address and title
  BadEscape,      // a "%" not followed by two hex digits or "%", or "%00"
};

// The message for the user (UTF-8) that names the problem.
std::string CaptureFailureMessage(CaptureFailure failure);

struct BrowserPage {
  std::string url;
  std::string title;
};

struct CaptureResult {
  std::optional<BrowserPage> page;  // set on success
  CaptureFailure failure = CaptureFailure::NoData;
};

// The reply cut into its values, before decoding:
// - commas separate values; CR or LF also ends a value, and CR and LF in
//   front of a value are skipped;
// - a value that begins with '"' runs to the next '"', without the quotes,
//   commas inside it included; anything between the closing quote and the
//   next separator is dropped;
// - elsewhere a '"' opens a stretch to the next '"' in which commas do not
//   separate; both quotes stay, the value ends at the closing quote and the
//   one character after it is dropped.
std::vector<std::string> SplitReplyValues(std::string_view reply);

// "+" becomes a blank, "%" and two hex digits the byte of that value, "%%"
// a "%". nullopt for any other "%", and for "%00": a NUL byte would cut
// the text short where it is stored.
std::optional<std::string> UrlDecode(std::string_view value);

// The whole reply: success with at least two values, all decoded.
CaptureResult ParseBrowserReply(std::string_view reply);

}  // namespace qpad::editor
