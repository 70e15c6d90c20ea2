// The browser's reply cut into values and URL-decoded.
#include <gtest/gtest.h>

#include <set>

#include "settings_editor/browser_reply.h"

namespace qpad::editor {
namespace {

using Values = std::vector<std::string>;

TEST(BrowserReply, SplitTable) {
  struct Case {
    const char* what;
    std::string reply;
    Values values;
  };
  const Case cases[] = {
      {"quoted url and title", "\"http://a/\",\"Title\"", {"http://a/", "Title"}},
      {"comma inside quotes", "\"u\",\"a, b\"", {"u", "a, b"}},
      {"unquoted values", "u,t,x", {"u", "t", "x"}},
      {"empty quoted title", "\"u\",\"\"", {"u", ""}},
      {"comma at the end opens an empty value", "u,", {"u", ""}},
      {"CR LF ends a value, leading line ends skipped", "\r\nu\r\nt\r\n", {"u", "t"}},
      {"text after a closing quote is dropped", "\"u\"zz,t", {"u", "t"}},
      {"quoted stretch inside a plain value", "a\"b,c\"d,e", {"a\"b,c\"", "e"}},
      {"quoted stretch followed by the comma", "a\"b,c\",e", {"a\"b,c\"", "e"}},
      {"unclosed quote runs to the end", "\"u,t", {"u,t"}},
      {"empty reply", "", {}},
      {"single value", "\"u\"", {"u"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(SplitReplyValues(c.reply), c.values);
  }
}

TEST(BrowserReply, DecodeTable) {
  struct Case {
    const char* value;
    std::optional<std::string> decoded;
  };
  const Case cases[] = {
      {"a+b", "a b"},
      {"a%20b", "a b"},
      {"100%%", "100%"},
      {"%41%6a", "Aj"},
      {"%E3%81", "\xE3\x81"},
      {"bad%2", std::nullopt},
      {"bad%zz", std::nullopt},
      {"end%", std::nullopt},
      {"nul%00cut", std::nullopt},
      {"plain", "plain"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(UrlDecode(c.value), c.decoded);
  }
}

TEST(BrowserReply, ParseGivesDecodedUrlAndTitleOrTheFailure) {
  CaptureResult ok = ParseBrowserReply("\"http://x/?q=a+b%21\",\"Hello, world\"");
  ASSERT_TRUE(ok.page.has_value());
  EXPECT_EQ(ok.page->url, "http://x/?q=a b!");
  EXPECT_EQ(ok.page->title, "Hello, world");

  EXPECT_EQ(ParseBrowserReply("").failure, CaptureFailure::TooFewValues);
  EXPECT_FALSE(ParseBrowserReply("\"only\"").page.has_value());
  EXPECT_EQ(ParseBrowserReply("\"only\"").failure, CaptureFailure::TooFewValues);
  EXPECT_EQ(ParseBrowserReply("\"u%g1\",\"t\"").failure, CaptureFailure::BadEscape);
  EXPECT_EQ(ParseBrowserReply("\"u\",\"t%00\"").failure, CaptureFailure::BadEscape);
}

TEST(BrowserReply, EveryFailureHasItsOwnMessage) {
  const CaptureFailure failures[] = {CaptureFailure::NoBrowser, CaptureFailure::TimedOut,
                                     CaptureFailure::NoData, CaptureFailure::TooFewValues,
                                     CaptureFailure::BadEscape};
  std::set<std::string> messages;
  for (CaptureFailure failure : failures) messages.insert(CaptureFailureMessage(failure));
  EXPECT_EQ(messages.size(), std::size(failures));
  EXPECT_EQ(messages.count(""), 0u);
}

}  // namespace
}  // namespace qpad::editor
