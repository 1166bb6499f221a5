#include "text/echappement.h"

#include <gtest/gtest.h>

#include <string>

namespace corrinom {
namespace {

TEST(EchappeChamp, Forms) {
  struct {
    std::string brut;
    const char* echappe;
  } cas[] = {
      {"a\\b", "a\\\\b"},
      {"\t\r\n", "\\t\\r\\n"},
      {std::string("\0", 1), "\\x00"},
      {"\x01\x1B\x1F\x7F", "\\x01\\x1b\\x1f\\x7f"},
      {"\x80\xE9\xFF \"'", "\x80\xE9\xFF \"'"},
      {"", ""},
  };
  for (const auto& c : cas) EXPECT_EQ(EchappeChamp(c.brut), c.echappe);
}

TEST(EchappeChamp, AllBytesRoundTripAndNoControlByteSurvives) {
  std::string tous;
  for (int c = 0; c < 256; ++c) tous.push_back(static_cast<char>(c));
  tous += tous;  // every byte after every kind of predecessor, more or less
  const std::string echappe = EchappeChamp(tous);
  for (const char c : echappe) {
    const auto u = static_cast<unsigned char>(c);
    EXPECT_TRUE(u >= 0x20 && u != 0x7F) << int(u);
  }
  bool ok = false;
  EXPECT_EQ(DesechappeChamp(echappe, ok), tous);
  EXPECT_TRUE(ok);
  for (int c = 0; c < 256; ++c) {
    const std::string un(1, static_cast<char>(c));
    EXPECT_EQ(DesechappeChamp(EchappeChamp(un), ok), un) << c;
    EXPECT_TRUE(ok);
  }
}

TEST(DesechappeChamp, AcceptsEitherHexCaseAndRefusesUnknownSequences) {
  bool ok = false;
  EXPECT_EQ(DesechappeChamp("\\x1F\\x1f\\x41", ok), "\x1F\x1F" "A");
  EXPECT_TRUE(ok);
  EXPECT_EQ(DesechappeChamp("plain \xE9", ok), "plain \xE9");
  EXPECT_TRUE(ok);
  const char* mauvais[] = {"\\", "ab\\", "\\q", "\\T", "\\x", "\\x4", "\\xg0", "\\x0g", "\\0"};
  for (const char* m : mauvais) {
    ok = true;
    DesechappeChamp(m, ok);
    EXPECT_FALSE(ok) << m;
  }
}

}  // namespace
}  // namespace corrinom
