#include "shared/ini_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/sjis.h"

namespace qpad {
namespace {

using testing::Sjis;

struct ReadCase {
  const char* what;
  std::string file;
  std::string section;
  std::string key;
  std::optional<std::string> expected;
};
void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.what; }


class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FindsTheValue) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(IniFile(c.file).Find(c.section, c.key), c.expected) << c.what;
}

const std::string kSettings =
    "; Quillpad\r\n"
    "[SBTIMESET]\r\n"
    "Hook_ON=1\r\n"
    "  WaitTime = \t 12  \r\n"
    "Empty=\r\n"
    "; MenuNo=4\r\n"
    "\r\n"
    "[system]\r\n"
    "iunvis=7\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, IniRead,
    ::testing::Values(
        ReadCase{"exact names", kSettings, "SBTIMESET", "Hook_ON", "1"},
        ReadCase{"names in other case, value trimmed", kSettings, "sbtimeset", "WAITTIME", "12"},
        ReadCase{"lower-case names in the file", kSettings, "SYSTEM", "iUnVis", "7"},
        ReadCase{"empty value is present", kSettings, "SBTIMESET", "Empty", ""},
        ReadCase{"key of another section", kSettings, "SBTIMESET", "iUnVis", std::nullopt},
        ReadCase{"comment is no key", kSettings, "SBTIMESET", "MenuNo", std::nullopt},
        ReadCase{"missing section", kSettings, "MENU_LIST", "MenuItem_Count", std::nullopt},
        ReadCase{"key before any section", "k=1\r\n[A]\r\n", "A", "k", std::nullopt},
        ReadCase{"LF and CR line ends", "[A]\nx=1\ry=2", "A", "y", "2"},
        ReadCase{"first of two keys", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "1"},
        ReadCase{"second section of the same name", "[A]\r\n[B]\r\nk=0\r\n[a]\r\nk=3\r\n", "A", "k",
                 "3"},
        ReadCase{"value cut at 2047 bytes", "[A]\r\nk=" + std::string(3000, 'v') + "\r\n", "A",
                 "k", std::string(2047, 'v')},
        ReadCase{"cut never splits a double-byte character",
                 "[A]\r\nk=" + std::string(2046, 'v') + Sjis("あ") + "\r\n", "A", "k",
                 std::string(2046, 'v')},
        // ゾ is 83 5D: its second byte is "]", which must not end the name.
        ReadCase{"double-byte section name", Sjis("[ゾ]\r\nk=1\r\n"), Sjis("ゾ"), "k", "1"},
        // ア (83 41) and ヂ (83 61) differ only in what looks like a letter's case.
        ReadCase{"no case folding inside double-byte characters", Sjis("[ア]\r\nk=1\r\n"),
                 Sjis("ヂ"), "k", std::nullopt}));

struct WriteCase {
  const char* what;
  std::string before;
  std::string section;
  std::string key;
  std::string value;
  std::string after;
};
void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.what; }


class IniWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, ChangesOnlyThatValue) {
  const WriteCase& c = GetParam();
  IniFile ini(c.before);
  ASSERT_TRUE(ini.Write(c.section, c.key, c.value)) << c.what;
  EXPECT_EQ(ini.Bytes(), c.after) << c.what;
  EXPECT_EQ(ini.Find(c.section, c.key), c.value) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniWrite,
    ::testing::Values(
        WriteCase{"replaced in place", "; top\r\n[A]\r\n; why\r\n Key = old \r\nz=1\r\n", "a",
                  "KEY", "new", "; top\r\n[A]\r\n; why\r\n Key =new\r\nz=1\r\n"},
        WriteCase{"appended after the section's last line",
                  "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "k", "v",
                  "[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\ny=2\r\n"},
        WriteCase{"section created at the end", "[A]\r\nx=1\r\n", "B", "k", "v",
                  "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        WriteCase{"file created", "", "SBTIMESET", "Hook_ON", "1", "[SBTIMESET]\r\nHook_ON=1\r\n"},
        WriteCase{"last line without a line break", "[A]\r\nx=1", "A", "k", "v",
                  "[A]\r\nx=1\r\nk=v\r\n"},
        WriteCase{"new section after a last line without a break", "[A]\r\nx=1", "B", "k", "v",
                  "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        WriteCase{"other line ends kept", "[A]\nx=1\ny=2\n", "A", "x", "3", "[A]\nx=3\ny=2\n"},
        WriteCase{"empty value replaced", "[A]\r\nk=\r\n", "A", "k", "5", "[A]\r\nk=5\r\n"},
        WriteCase{"added to the first of two sections", "[A]\r\n[B]\r\n[a]\r\nk=1\r\n", "A", "n",
                  "3", "[A]\r\nn=3\r\n[B]\r\n[a]\r\nk=1\r\n"},
        WriteCase{"Shift-JIS value", "[MENU_LIST]\r\n", "MENU_LIST", "MenuItem_1",
                  Sjis("定型文"), "[MENU_LIST]\r\nMenuItem_1=" + Sjis("定型文") + "\r\n"}));

TEST(IniWrite, RefusesWhatOneLineCannotHold) {
  const std::string before = "[A]\r\nk=1\r\n";
  struct {
    const char* section;
    const char* key;
    const char* value;
  } refused[] = {
      {"A", "k", "two\r\nlines"}, {"A", "k=", "1"}, {"A", "", "1"},
      {"A]", "k", "1"},           {"", "k", "1"},   {"A", "[k", "1"},
  };
  for (const auto& r : refused) {
    IniFile ini(before);
    EXPECT_FALSE(ini.Write(r.section, r.key, r.value)) << r.section << " " << r.key;
    EXPECT_EQ(ini.Bytes(), before);
  }
}

}  // namespace
}  // namespace qpad
