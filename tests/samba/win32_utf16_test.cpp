// The Windows store's UTF-16 <-> UTF-8 conversion: portable, so tested here.
#include <gtest/gtest.h>

#include <string>

#include "accounts/store/win32_utf16.h"

namespace corrinom {
namespace {

struct Cas {
  const char* nom;
  std::u16string utf16;
  std::string utf8;
};

class AllerRetourUtf16 : public testing::TestWithParam<Cas> {};

// Each store text comes back from UTF-8 exactly as Windows gave it.
TEST_P(AllerRetourUtf16, SansPerte) {
  const Cas& c = GetParam();
  EXPECT_EQ(Utf16VersUtf8(c.utf16), c.utf8);
  EXPECT_EQ(Utf8VersUtf16(c.utf8), c.utf16);
}

INSTANTIATE_TEST_SUITE_P(
    Textes, AllerRetourUtf16,
    testing::Values(Cas{"vide", u"", ""}, Cas{"ascii", u"TAVO;6B;7", "TAVO;6B;7"},
                    Cas{"latin", u"Zo\u00E9 \u0141ucja", "Zo\xC3\xA9 \xC5\x81ucja"},
                    Cas{"euro", u"\u20AC", "\xE2\x82\xAC"},
                    Cas{"paire", u"\U0001F600!", "\xF0\x9F\x98\x80!"},
                    Cas{"hautSeul", std::u16string{u'a', char16_t(0xD83D), u'b'}, "a\xED\xA0\xBD" "b"},
                    Cas{"basSeul", std::u16string{char16_t(0xDE00)}, "\xED\xB8\x80"},
                    Cas{"hautEnFin", std::u16string{u'x', char16_t(0xD800)}, "x\xED\xA0\x80"},
                    Cas{"basPuisHaut", std::u16string{char16_t(0xDC00), char16_t(0xD800)},
                        "\xED\xB0\x80\xED\xA0\x80"}),
    [](const testing::TestParamInfo<Cas>& i) { return std::string(i.param.nom); });

TEST(Utf8VersUtf16, OctetsMalFormesDeviennentUnCaractereDeRemplacementChacun) {
  const struct {
    std::string entree;
    std::u16string attendu;
  } cas[] = {
      {"a\xFF" "b", u"a\uFFFDb"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"},           // overlong '/'
      {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},  // overlong three bytes
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
      {"\xC3", u"\uFFFD"},                    // cut short
      {"\xE2\x82", u"\uFFFD\uFFFD"},
  };
  for (const auto& c : cas) EXPECT_EQ(Utf8VersUtf16(c.entree), c.attendu) << c.entree;
}

}  // namespace
}  // namespace corrinom
