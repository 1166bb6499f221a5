#include "text/encodage.h"
#include "text/composition.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "latin1.h"

namespace corrinom {
namespace {

using test::Cp;

std::string TousLesOctets() {
  std::string s;
  for (int c = 0; c < 256; ++c) s.push_back(static_cast<char>(c));
  return s;
}

// The UTF-8 of a code point, written out by hand in the tables below.
std::string U(std::uint32_t cp) { return EncodeUtf8(cp); }

TEST(Cp1252VersUtf8, EveryByteRoundTripsThroughTheAccountConversion) {
  const std::string tous = TousLesOctets();
  const std::string utf8 = Cp1252VersUtf8(tous);
  EXPECT_EQ(Utf8VersCp1252Compte(utf8), tous);
  EXPECT_TRUE(EstUtf8MultiOctets(utf8));
}

TEST(Cp1252VersUtf8, CharactersOfTheHighBytes) {
  struct {
    const char* cp1252;
    const char* utf8;
  } cas[] = {
      {"\x80", "\xE2\x82\xAC"},  // €
      {"\x81", "\xC2\x81"},      // undefined: its C1 control
      {"\x8D\x8F\x90\x9D", "\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
      {"\x8C\x9C", "\xC5\x92\xC5\x93"},  // Œ œ
      {"\x92", "\xE2\x80\x99"},          // ’
      {"\x9F", "\xC5\xB8"},              // Ÿ
      {"\xE9", "\xC3\xA9"},
      {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
      {"abc", "abc"},
      {"", ""},
  };
  for (const auto& c : cas) EXPECT_EQ(Cp1252VersUtf8(c.cp1252), c.utf8) << c.cp1252;
}

// Letters outside CP1252 get their plain letter in both conversions.
TEST(Utf8VersCp1252, BestFitLatinLetters) {
  struct {
    std::uint32_t cp;
    const char* attendu;
  } cas[] = {
      {0x0141, "L"}, {0x0142, "l"}, {0x0151, "o"}, {0x0150, "O"}, {0x0131, "i"},
      {0x0111, "d"}, {0x0110, "D"}, {0x0107, "c"}, {0x010D, "c"}, {0x0159, "r"},
      {0x015F, "s"}, {0x0219, "s"}, {0x021B, "t"}, {0x0103, "a"}, {0x0105, "a"},
      {0x0119, "e"}, {0x011F, "g"}, {0x0130, "I"}, {0x0144, "n"}, {0x016F, "u"},
      {0x017C, "z"}, {0x01CE, "a"}, {0x01A1, "o"}, {0x01B0, "u"}, {0x0132, "IJ"},
      {0x01FE, "\xD8"}, {0x1EC7, "e"}, {0x1EA5, "a"}, {0x1EF9, "y"}, {0x1E9E, "\xDF"},
      {0x0127, "h"}, {0x0167, "t"}, {0x0193, "G"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(Utf8VersCp1252Compte(U(c.cp)), c.attendu) << std::hex << c.cp;
    EXPECT_EQ(Utf8VersCp1252Personne(U(c.cp)), c.attendu) << std::hex << c.cp;
  }
  EXPECT_EQ(Utf8VersCp1252Personne("Wa\xC5\x82\xC4\x99sa"), "Walesa");
}

TEST(Utf8VersCp1252, NonLatinCharactersBecomeQuestionMarks) {
  const std::uint32_t autres[] = {0x0259, 0x0292, 0x0391, 0x0416, 0x05D0, 0x4E2D,
                                  0x2603, 0xFEFF, 0xFFFD, 0x1F600, 0x10FFFF, 0x0300};
  for (const std::uint32_t cp : autres) {
    EXPECT_EQ(Utf8VersCp1252Compte(U(cp)), "?") << std::hex << cp;
    EXPECT_EQ(Utf8VersCp1252Personne("x" + U(cp)), "x?") << std::hex << cp;
  }
}

// What the two conversions do differently: the characters CP1252 keeps at
// 0x80-0x9F, U+0000 and the C1 controls.
TEST(Utf8VersCp1252, HighBlockCharactersAreBytesForAccountsAndAsciiForPersons) {
  struct {
    std::uint32_t cp;
    char octet;
    const char* ascii;
  } cas[] = {
      {0x20AC, '\x80', "EUR"}, {0x201A, '\x82', ","},   {0x0192, '\x83', "f"},
      {0x201E, '\x84', "\""},  {0x2026, '\x85', "..."}, {0x2020, '\x86', "+"},
      {0x2021, '\x87', "+"},   {0x02C6, '\x88', "^"},   {0x2030, '\x89', "%"},
      {0x0160, '\x8A', "S"},   {0x2039, '\x8B', "<"},   {0x0152, '\x8C', "OE"},
      {0x017D, '\x8E', "Z"},   {0x2018, '\x91', "'"},   {0x2019, '\x92', "'"},
      {0x201C, '\x93', "\""},  {0x201D, '\x94', "\""},  {0x2022, '\x95', "*"},
      {0x2013, '\x96', "-"},   {0x2014, '\x97', "-"},   {0x02DC, '\x98', "~"},
      {0x2122, '\x99', "TM"},  {0x0161, '\x9A', "s"},   {0x203A, '\x9B', ">"},
      {0x0153, '\x9C', "oe"},  {0x017E, '\x9E', "z"},   {0x0178, '\x9F', "Y"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(Utf8VersCp1252Compte(U(c.cp)), std::string(1, c.octet)) << std::hex << c.cp;
    EXPECT_EQ(Utf8VersCp1252Personne(U(c.cp)), c.ascii) << std::hex << c.cp;
    EXPECT_EQ(CaractereCompte(c.cp), std::string(1, c.octet));
    EXPECT_EQ(CaracterePersonne(c.cp), c.ascii);
  }
  for (std::uint32_t cp = 0x80; cp <= 0x9F; ++cp) {
    EXPECT_EQ(Utf8VersCp1252Compte(U(cp)), std::string(1, static_cast<char>(cp)));
    EXPECT_EQ(Utf8VersCp1252Personne(U(cp)), "?");
  }
  EXPECT_EQ(Utf8VersCp1252Personne(std::string("a\0b", 3)), "a?b");
  EXPECT_EQ(Utf8VersCp1252Compte(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Utf8VersCp1252Personne, KeepsLatin1LettersAndDropsOnlyALeadingMark) {
  EXPECT_EQ(Utf8VersCp1252Personne("Lef\xC3\xA8vre \xC3\x89lodie"), Cp("Lefèvre Élodie"));
  EXPECT_EQ(Utf8VersCp1252Personne("\xEF\xBB\xBFNo\xC3\xABl"), Cp("Noël"));
  EXPECT_EQ(Utf8VersCp1252Personne("\xEF\xBB\xBF"), "");
  EXPECT_EQ(Utf8VersCp1252Personne("a\xEF\xBB\xBF"), "a?");
  EXPECT_EQ(Utf8VersCp1252Personne("\xEF\xBB\xBF\xEF\xBB\xBF" "a"), "?a");
  EXPECT_EQ(Utf8VersCp1252Compte("\xEF\xBB\xBF" "a"), "?a");
  EXPECT_EQ(Utf8VersCp1252Personne("Jean\xE2\x80\x99s \xE2\x80\x9C" "x\xE2\x80\x9D"),
            "Jean's \"x\"");
}

// Bytes that are not a well-formed sequence stay as the CP1252 bytes they are,
// one by one; the decoding resumes right after them.
TEST(Utf8VersCp1252, MalformedSequencesKeepTheirBytes) {
  const char* malformes[] = {
      "\xC0\x80",          // overlong NUL
      "\xC1\xBF",          // overlong
      "\xE0\x80\x80",      // overlong three bytes
      "\xE0\x9F\xBF",      // overlong just below U+0800
      "\xF0\x80\x80\x80",  // overlong four bytes
      "\xF0\x8F\xBF\xBF",  // overlong just below U+10000
      "\xED\xA0\x80",      // surrogate D800
      "\xED\xBF\xBF",      // surrogate DFFF
      "\xF4\x90\x80\x80",  // beyond U+10FFFF
      "\xF5\x80\x80\x80", "\xF8\x88\x80\x80\x80", "\xFE", "\xFF",
      "\x80", "\xBF",      // stray continuation bytes
      "\xC3",              // cut short at the end
      "\xE2\x82",          // cut short at the end
      "\xF0\x9F\x98",      // cut short at the end
      "Lef\xE8vre",        // a CP1252 file taken for UTF-8
  };
  for (const char* m : malformes) {
    EXPECT_EQ(Utf8VersCp1252Compte(m), m);
    EXPECT_EQ(Utf8VersCp1252Personne(m), m);
    EXPECT_FALSE(EstUtf8MultiOctets(m));
  }
  // A sequence broken by an ASCII byte: the lead byte stays, the rest decodes.
  EXPECT_EQ(Utf8VersCp1252Compte("\xE2\x82" "A\xC3\xA9"), "\xE2\x82" "A\xE9");
  EXPECT_EQ(Utf8VersCp1252Compte("\xC3\xC3\xA9"), "\xC3\xE9");
}

// An independent check of the decoder on every two-byte pair and every
// three-byte sequence with a continuation byte at the end: well-formed means
// the right lead and continuation bytes, no overlong form, no surrogate.
// Decomposed letters (as some systems write file contents) are composed before
// the conversion; an accent that composes with nothing stays a '?'.
TEST(Utf8VersCp1252, CombiningAccentsAreComposedFirst) {
  struct {
    const char* utf8;
    const char* personne;
  } cas[] = {
      {"He\xCC\x81le\xCC\x80ne", "H\xE9l\xE8ne"},           // e + acute, e + grave
      {"C\xCC\xA7" "a", "\xC7" "a"},                      // C + cedilla
      {"Nguye\xCC\xA3\xCC\x82n", "Nguyen"},                // e + dot below + circumflex
      {"Nguy\xC3\xAA\xCC\xA3n", "Nguyen"},                 // ê + dot below
      {"Lo\xCC\x88we", "L\xF6we"},
      {"x\xCC\x81", "x?"},                                  // nothing to compose with
      {"\xCC\x81" "a", "?a"},                               // an accent on its own
      {"e\xCC\x81\xCC\x81", "\xE9?"},                      // the second one has no letter
      {"a\xCC", "a\xCC"},                                   // a cut sequence stays raw
  };
  for (const auto& c : cas) {
    EXPECT_EQ(Utf8VersCp1252Personne(c.utf8), c.personne) << c.utf8;
    EXPECT_EQ(Utf8VersCp1252Compte(c.utf8), c.personne) << c.utf8;
  }
}

TEST(ComposeLettre, PairsAcrossTheTable) {
  struct {
    std::uint32_t base, accent, lettre;
  } cas[] = {
      {'A', 0x0300, 0x00C0},    {'e', 0x0301, 0x00E9},    {'n', 0x0303, 0x00F1},
      {'L', 0x0301, 0x0139},    {'s', 0x0326, 0x0219},    {0x00EA, 0x0323, 0x1EC7},
      {0x1EE7, 0x031B, 0x1EED}, {'q', 0x0301, 0},         {'e', 0x0041, 0},
      {0x10041, 0x0301, 0},     {'e', 0x10301, 0},        {0x00E9, 0x0301, 0},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(ComposeLettre(c.base, c.accent), c.lettre) << std::hex << c.base << " " << c.accent;
  }
  EXPECT_TRUE(EstAccentCombinant(0x0300));
  EXPECT_TRUE(EstAccentCombinant(0x036F));
  EXPECT_FALSE(EstAccentCombinant(0x0370));
  EXPECT_FALSE(EstAccentCombinant(0x02FF));
}

TEST(EstUtf8MultiOctets, AgreesWithTheDefinitionOnShortSequences) {
  const auto suite = [](int c) { return c >= 0x80 && c <= 0xBF; };
  for (int a = 0x80; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      const std::string s{static_cast<char>(a), static_cast<char>(b)};
      const bool attendu = a >= 0xC2 && a <= 0xDF && suite(b);
      ASSERT_EQ(EstUtf8MultiOctets(s), attendu) << a << " " << b;
    }
  }
  for (int a = 0xE0; a <= 0xEF; ++a) {
    for (int b = 0; b < 256; ++b) {
      const std::string s{static_cast<char>(a), static_cast<char>(b), '\x80'};
      const std::uint32_t cp = ((a & 0x0F) << 12) | ((b & 0x3F) << 6);
      const bool attendu = suite(b) && cp >= 0x800 && !(cp >= 0xD800 && cp <= 0xDFFF);
      ASSERT_EQ(EstUtf8MultiOctets(s), attendu) << a << " " << b;
    }
  }
  for (int a = 0xF0; a <= 0xF7; ++a) {
    for (int b = 0x80; b <= 0xBF; ++b) {
      const std::string s{static_cast<char>(a), static_cast<char>(b), '\x80', '\x80'};
      const std::uint32_t cp = ((a & 0x07) << 18) | ((b & 0x3F) << 12);
      ASSERT_EQ(EstUtf8MultiOctets(s), cp >= 0x10000 && cp <= 0x10FFFF) << a << " " << b;
    }
  }
}

TEST(EstUtf8MultiOctets, NeedsOneMultiByteSequenceAndNothingMalformed) {
  EXPECT_FALSE(EstUtf8MultiOctets(""));
  EXPECT_FALSE(EstUtf8MultiOctets("NOM;PRENOM;DATE\r\nDUPONT;Jean;01/02/2010\r\n"));
  EXPECT_TRUE(EstUtf8MultiOctets("DUPONT;J\xC3\xA9r\xC3\xB4me"));
  EXPECT_TRUE(EstUtf8MultiOctets("\xEF\xBB\xBF" "abc"));
  EXPECT_FALSE(EstUtf8MultiOctets("J\xC3\xA9r\xF4me"));  // one CP1252 byte spoils it
  for (std::uint32_t cp = 0x80; cp <= 0x10FFFF; cp += (cp < 0x3000 ? 1 : 97)) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    ASSERT_TRUE(EstUtf8MultiOctets(EncodeUtf8(cp))) << std::hex << cp;
  }
}

TEST(EncodeUtf8, LengthsAndNonCharacters) {
  EXPECT_EQ(EncodeUtf8(0x41), "A");
  EXPECT_EQ(EncodeUtf8(0xE9), "\xC3\xA9");
  EXPECT_EQ(EncodeUtf8(0x20AC), "\xE2\x82\xAC");
  EXPECT_EQ(EncodeUtf8(0x1F600), "\xF0\x9F\x98\x80");
  EXPECT_EQ(EncodeUtf8(0x10FFFF), "\xF4\x8F\xBF\xBF");
  EXPECT_EQ(EncodeUtf8(0xD800), "");
  EXPECT_EQ(EncodeUtf8(0x110000), "");
}

TEST(Iso885915VersCp1252Personne, TheEightDifferencesAndC1Controls) {
  EXPECT_EQ(Iso885915VersCp1252Personne("\xA4\xA6\xA8\xB4\xB8\xBC\xBD\xBE"), "EURSsZzOEoeY");
  EXPECT_EQ(Iso885915VersCp1252Personne("Lef\xE8vre \xC9lodie"), Cp("Lefèvre Élodie"));
  std::string c1;
  for (int c = 0x80; c <= 0x9F; ++c) c1.push_back(static_cast<char>(c));
  EXPECT_EQ(Iso885915VersCp1252Personne(c1), std::string(32, '?'));
  EXPECT_EQ(Iso885915VersCp1252Personne(std::string("\0A", 2)), "?A");
  // Every other byte from 0xA0 up is the same Latin-1 letter in CP1252.
  for (int c = 0xA0; c < 256; ++c) {
    if (c == 0xA4 || c == 0xA6 || c == 0xA8 || c == 0xB4 || c == 0xB8 || c == 0xBC ||
        c == 0xBD || c == 0xBE) {
      continue;
    }
    const std::string un(1, static_cast<char>(c));
    EXPECT_EQ(Iso885915VersCp1252Personne(un), un) << c;
  }
}

TEST(CaracterePersonne, NumericReferences) {
  struct {
    std::uint32_t cp;
    const char* personne;
    const char* compte;
  } cas[] = {
      {233, "\xE9", "\xE9"},     {8217, "'", "\x92"},      {8364, "EUR", "\x80"},
      {0, "?", "?"},             {0xD800, "?", "?"},       {0xDFFF, "?", "?"},
      {0x110000, "?", "?"},      {0xFFFFFFFF, "?", "?"},   {0x80000000, "?", "?"},
      {0x41, "A", "A"},          {0x9D, "?", "\x9D"},      {0x0141, "L", "L"},
      {0x4E2D, "?", "?"},        {0x0A, "\n", "\n"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(CaracterePersonne(c.cp), c.personne) << c.cp;
    EXPECT_EQ(CaractereCompte(c.cp), c.compte) << c.cp;
  }
}

TEST(CommenceParBomUtf8, OnlyTheThreeLeadingBytes) {
  EXPECT_TRUE(CommenceParBomUtf8("\xEF\xBB\xBF"));
  EXPECT_TRUE(CommenceParBomUtf8("\xEF\xBB\xBF<?xml"));
  EXPECT_FALSE(CommenceParBomUtf8("\xEF\xBB"));
  EXPECT_FALSE(CommenceParBomUtf8(" \xEF\xBB\xBF"));
  EXPECT_FALSE(CommenceParBomUtf8(""));
}

}  // namespace
}  // namespace corrinom
