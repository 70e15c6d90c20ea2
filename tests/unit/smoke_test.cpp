#include <gtest/gtest.h>

#include "platform/text_codec.h"

TEST(TextCodec, RoundTripsShiftJis) {
  auto sjis = qpad::platform::Utf8ToCp932("ー#");
  ASSERT_TRUE(sjis.has_value());
  EXPECT_EQ(*sjis, "\x81\x5B#");
  EXPECT_EQ(qpad::platform::Cp932ToUtf8(*sjis), "ー#");
}
