// Case folding and hex digits must stay ASCII-only: host names, header names
// and paths with bytes of the Windows code page must not be changed or
// mistaken for letters and digits.
#include "common/ascii.h"

#include <gtest/gtest.h>

namespace hush {
namespace {

TEST(Ascii, FoldsOnlyTheAsciiCapitals) {
  EXPECT_EQ(ToLower("Host: WWW.Example.COM:80"), "host: www.example.com:80");
  EXPECT_EQ(ToLower("@[`{"), "@[`{");                          // neighbours of the letters
  EXPECT_EQ(ToLower("\xC4\xD6\xDC\xC9"), "\xC4\xD6\xDC\xC9");  // code-page capitals stay
  EXPECT_EQ(ToLower(std::string_view("A\0B", 3)), std::string("a\0b", 3));
  EXPECT_TRUE(EqualsIgnoringCase("Proxy-Connection", "PROXY-connection"));
  EXPECT_FALSE(EqualsIgnoringCase("\xC4", "\xE4"));
  EXPECT_FALSE(EqualsIgnoringCase("cache", "cache2"));
}

TEST(Ascii, HexDigitValues) {
  const struct {
    char digit;
    int value;
  } cases[] = {{'0', 0},  {'9', 9},  {'a', 10}, {'f', 15},  {'A', 10},
               {'F', 15}, {'/', -1}, {':', -1}, {'@', -1},  {'G', -1},
               {'`', -1}, {'g', -1}, {' ', -1}, {'\0', -1}, {'\xB9', -1}};
  for (const auto& c : cases) EXPECT_EQ(HexDigitValue(c.digit), c.value) << int(c.digit);
}

}  // namespace
}  // namespace hush
