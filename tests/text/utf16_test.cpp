// The UTF-16 conversions: the Windows store's lossless UTF-8, the toolkits' file
// names and CP1252 text.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "text/encodage.h"

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

TEST(NomFichier, OrthographeSysteme) {
  EXPECT_EQ(NomFichierSysteme(u"C:\\\u0141\u00F3d\u017A \u00E9l\u00E8ves\\a.xml"),
            "C:\\\xC5\x81\xC3\xB3" "d\xC5\xBA \xC3\xA9l\xC3\xA8ves\\a.xml");
  EXPECT_EQ(NomFichierSysteme(u"\U0001F600"), "\xF0\x9F\x98\x80");
  const char16_t seul[] = {u'a', 0xDC00, u'b', 0xD800, 0};
  EXPECT_EQ(NomFichierSysteme(seul), std::nullopt);
  EXPECT_EQ(Utf16VersCp1252(seul), "a?b?");
  EXPECT_EQ(Utf16VersCp1252(u"\u0141\u00F3d\u017A \u00E9l\u00E8ves \u4E2D"), "L\xF3" "dz \xE9l\xE8ves ?");
  // Every CP1252 byte comes back from UTF-16, the five CP1252 leaves undefined too.
  std::string tous;
  for (int c = 1; c < 256; ++c) tous += static_cast<char>(c);
  EXPECT_EQ(Cp1252VersUtf16("\x80\x81\xE9")[0], u'\u20AC');
  EXPECT_EQ(Utf16VersCp1252(Cp1252VersUtf16(tous)), tous);
}

}  // namespace
}  // namespace corrinom
