#include "text/noms.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "latin1.h"

namespace corrinom {
namespace {

using test::Cp;

struct Cas {
  const char* entree;  // UTF-8 (Latin-1 letters only) unless written with \x escapes
  const char* attendu;
};

// Table A, its mixed-case row and its upper-case row, position for position.
constexpr const char* kTableA = "ÇüéâäàåçêëèïîìÄÉôöòûùÈÀ";
constexpr const char* kTableAMixte = "CueaaaaceeeiiiAEooouuEA";
constexpr const char* kTableAMajuscule = "CUEAAAACEEEIIIAEOOOUUEA";

// Every byte from 0x80 to 0x97, the DOS letters.
std::string OctetsOem() {
  std::string s;
  for (int c = 0x80; c <= 0x97; ++c) s.push_back(static_cast<char>(c));
  return s;
}

TEST(EnleveAccents, FoldsExactlyTheTwentyThreeLettersOfTableA) {
  EXPECT_EQ(EnleveAccents(Cp(kTableA)), kTableAMixte);
  // Every other byte, of every value, is left alone and the length never changes.
  const std::string tableA = Cp(kTableA);
  for (int c = 0; c < 256; ++c) {
    const std::string un(1, static_cast<char>(c));
    if (tableA.find(un) != std::string::npos) continue;
    EXPECT_EQ(EnleveAccents(un), un) << "byte " << c;
  }
}

TEST(EnleveAccents, Samples) {
  const Cas cas[] = {
      {"Élodie", "Elodie"}, {"Ève", "Eve"}, {"Hélène", "Helene"}, {"", ""},
      {"ÊËÎÏÔÖÛÜÙñÿÂ", "ÊËÎÏÔÖÛÜÙñÿÂ"}, {"  de  la , x ", "  de  la , x "},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(EnleveAccents(Cp(c.entree)), Cp(c.attendu)) << c.entree;
  }
  // The caller compares folded texts without regard to ASCII case.
  EXPECT_TRUE(EgalSansCasse(EnleveAccents(Cp("Hélène")), EnleveAccents("HELENE")));
  EXPECT_TRUE(EgalSansCasse(EnleveAccents(Cp("Hélène")), EnleveAccents(Cp("Hèlene"))));
}

TEST(MajusculeNom, Samples) {
  const Cas cas[] = {
      {"  de la Fontaine ", "DE LA FONTAINE"},
      {"Lefèvre-Dupont", "LEFEVRE-DUPONT"},
      {"N'Diaye", "N'DIAYE"},
      {"Müller", "MULLER"},
      {"O'Neil (dit) ", "O'NEIL DIT"},
      // A blank already passed stays when the character after it is removed.
      {"DE ; LA", "DE  LA"},
      {"DUPONT ;", "DUPONT "},
      {"Ñuñez", "UEZ"},
      {"", ""},
      {"     ", ""},
      {"\t\r\n", ""},
      {"A\tB", "AB"},
      {"jean_paul.2", "JEAN_PAUL.2"},
      {"a,b;c/d(e)f\"g|h", "ABCDEFGH"},
      {"x\x7Fy", "XY"},
      {"ÂÊÎÔÛËÏÜÙÿ", ""},
      {"\xC3\x87\xC3\xA0", "CA"},
      {"   a    b   ", "A B"},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(MajusculeNom(Cp(c.entree)), Cp(c.attendu)) << c.entree;
  }
}

TEST(MajusculeNom, ReadsBytes80To97AsDosLettersAndFoldsTableA) {
  EXPECT_EQ(MajusculeNom(OctetsOem()), "CUEAAAACEEEIIIAAEEEOOOUU");
  EXPECT_EQ(MajusculeNom(Cp(kTableA)), kTableAMajuscule);
  // A CP1252 OE ligature is byte 0x8C, a DOS i with circumflex.
  EXPECT_EQ(MajusculeNom("\x8C"), "I");
  // 0x98 to 0xFF outside Table A are removed.
  EXPECT_EQ(MajusculeNom("A\x98\x9C\x9F\xA0\xD1\xFF" "B"), "AB");
}

TEST(MajusculeNom, ResultOnlyHoldsKeyCharacters) {
  std::string tous;
  for (int c = 0; c < 256; ++c) tous.push_back(static_cast<char>(c));
  for (const char c : MajusculeNom(tous)) {
    const auto u = static_cast<unsigned char>(c);
    EXPECT_TRUE(u == ' ' || u == '\'' || u == '-' || u == '.' || u == '_' ||
                (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z'))
        << "byte " << int(u);
  }
}

TEST(MajusculeNom, LongTextsStayCorrect) {
  const std::string blancs(200000, ' ');
  EXPECT_EQ(MajusculeNom(blancs), "");
  EXPECT_EQ(MajusculeNom("a" + blancs + "b" + blancs), "A B");
  std::string long_(300000, 'e');
  EXPECT_EQ(MajusculeNom(long_), std::string(300000, 'E'));
  EXPECT_EQ(NettoieTexte(blancs + "x" + blancs + "y"), "x y");
}

// Both cleaning passes are built without erasing in place. Compare them with the
// pass that does erase in place, on many short random texts full of blanks and
// removable bytes: the blank rule must see the text as it stands at each step.
// The fate of one non-blank character does not depend on its neighbours, so the
// function under test gives it; the blank rule and the counter are written out.
std::string PasseEnPlace(std::string texte, std::string (*operation)(std::string_view)) {
  std::size_t position = 1;
  while (position <= texte.size()) {
    const char c = texte[position - 1];
    bool retire = false;
    if (c == ' ') {
      retire = position == 1 || position == texte.size() || texte[position] == ' ';
    } else {
      const std::string seul = operation(std::string(1, c));
      retire = seul.empty();
      if (!retire) texte[position - 1] = seul[0];
    }
    if (retire) texte.erase(position - 1, 1);
    else ++position;
  }
  return texte;
}

TEST(MajusculeNomEtNettoieTexte, SameAsThePassThatErasesInPlace) {
  const std::string frequents = Cp(" \x01;,(aZ'-é\x82\xFF");
  std::uint32_t graine = 12345;
  const auto hasard = [&graine] {
    graine = graine * 1664525u + 1013904223u;
    return graine >> 8;
  };
  for (int essai = 0; essai < 50000; ++essai) {
    std::string texte;
    const std::uint32_t longueur = hasard() % 10;
    for (std::uint32_t k = 0; k < longueur; ++k) {
      texte.push_back(hasard() % 3 == 0 ? static_cast<char>(hasard() % 256)
                                        : frequents[hasard() % frequents.size()]);
    }
    ASSERT_EQ(MajusculeNom(texte), PasseEnPlace(texte, &MajusculeNom)) << test::Utf(texte);
    ASSERT_EQ(NettoieTexte(texte), PasseEnPlace(texte, &NettoieTexte)) << test::Utf(texte);
  }
}

TEST(NettoieTexte, Samples) {
  const Cas cas[] = {
      {"  Jean   Pierre ", "Jean Pierre"},
      {"Élodie", "Élodie"},
      {"\x82", "é"},
      {"\x8C", "î"},
      {"Marie-Ève (dite), l'aînée", "Marie-Ève (dite), l'aînée"},
      {"a\x01\x1F" "b", "ab"},
      {"", ""},
      {"   ", ""},
      {" \t x", "x"},
      {"\x98\xFF\x7F", "\x98\xFF\x7F"},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(NettoieTexte(Cp(c.entree)), Cp(c.attendu)) << c.entree;
  }
  EXPECT_EQ(NettoieTexte(OctetsOem()), Cp("ÇüéâäàåçêëèïîìÄÅÉæÆôöòûù"));
}

TEST(AssemblePrenoms, LaterNamesNeedTheEarlierOnes) {
  struct {
    const char *a, *b, *c, *attendu;
  } cas[] = {
      {"", "Marie", "", ""},        {"", "Marie", "Paul", ""},
      {"Jean", "", "Paul", "Jean"}, {"Jean", "Marie", "Paul", "Jean Marie Paul"},
      {"Jean", "Marie", "", "Jean Marie"}, {"Jean", "", "", "Jean"},
  };
  for (const auto& c : cas) EXPECT_EQ(AssemblePrenoms(c.a, c.b, c.c), c.attendu);
}

TEST(AssembleNoms, EachWordNeedsTheOneBefore) {
  struct {
    const char *a, *b, *c, *d, *attendu;
  } cas[] = {
      {"", "Jean", "", "", " Jean"},
      {"DUPONT", "Jean", "", "", "DUPONT Jean"},
      {"DUPONT", "", "Paul", "X", "DUPONT"},
      {"DUPONT", "Jean", "", "X", "DUPONT Jean"},
      {"A", "B", "C", "D", "A B C D"},
      {"", "", "", "", ""},
  };
  for (const auto& c : cas) EXPECT_EQ(AssembleNoms(c.a, c.b, c.c, c.d), c.attendu);
  EXPECT_EQ(AssembleNoms("DUPONT", "Jean"), "DUPONT Jean");
}

TEST(NettoieNom, TrimsThenRemovesSeparatorsThenDoubleBlanks) {
  const Cas cas[] = {
      {" DUPONT, Jean ", "DUPONT Jean"},
      {"\t\x01 D'ARTAGNAN\r\n", "DARTAGNAN"},
      {"A ;", "A "},            // the trim came first
      {", B", " B"},
      {"A;|\\/,'B", "AB"},
      {"SAINT-JEAN. M", "SAINT-JEAN. M"},
      {"A     B", "A B"},
      {"A , , B", "A B"},
      {"", ""},
      {"   ", ""},
      {"\xE9\xFF\x80", "\xE9\xFF\x80"},
  };
  for (const Cas& c : cas) EXPECT_EQ(NettoieNom(c.entree), c.attendu) << c.entree;
}

TEST(MajusculeSimple, FoldsNineteenLettersAndKeepsAsciiPunctuation) {
  const Cas cas[] = {
      {"dupont-durand", "DUPONT-DURAND"},
      {"Ìlot", "LOT"},
      {"ÇçüûùéêëèÉÈâäàÄïîôö", "CCUUUEEEEEEAAAAIIOO"},
      {"åìòÀÂÊÑÿ", ""},
      {"l'a (b), c;d", "L'A (B), C;D"},
      {"a\tb\x7F", "AB\x7F"},
      {"  x  ", "  X  "},
      {"", ""},
  };
  for (const Cas& c : cas) EXPECT_EQ(MajusculeSimple(Cp(c.entree)), Cp(c.attendu)) << c.entree;
  std::string c1;
  for (int c = 0x80; c <= 0x9F; ++c) c1.push_back(static_cast<char>(c));
  EXPECT_EQ(MajusculeSimple(c1), "");
}

TEST(LongueurPremierMot, SearchesFromTheFourthPosition) {
  const std::string sansBlanc(300, 'A');
  struct {
    std::string texte;
    int attendu;
  } cas[] = {
      {"LE GRAND", 8},
      {"MARTIN DUPONT", 6},
      {"DE LA FONTAINE", 5},
      {"ABC DEF", 3},
      {"AB", 2},
      {"", 0},
      {"DUPONT", 6},
      {"DUPONT  JEAN", 6},
      // Only 256 characters from position 4 on are searched.
      {sansBlanc + " B", 302},
      {std::string(258, 'A') + " B", 258},
      {std::string(259, 'A') + " B", 261},
  };
  for (const auto& c : cas) EXPECT_EQ(LongueurPremierMot(c.texte), c.attendu) << c.texte;
}

TEST(CompareSansCasse, AsciiOnlyAndUnsigned) {
  EXPECT_EQ(CompareSansCasse("dupont", "DUPONT"), 0);
  EXPECT_TRUE(EgalSansCasse("Jean-Paul", "JEAN-PAUL"));
  EXPECT_FALSE(EgalSansCasse(Cp("é"), Cp("É")));
  EXPECT_GT(CompareSansCasse("\xE9", "z"), 0);  // bytes compare as unsigned values
  EXPECT_LT(CompareSansCasse("abc", "ABCD"), 0);
  EXPECT_GT(CompareSansCasse("b", "A"), 0);
  // '_' (0x5F) lies between 'Z' and 'a': letters fold to upper case before comparing.
  EXPECT_GT(CompareSansCasse("_", "a"), 0);
  EXPECT_EQ(CompareSansCasse("", ""), 0);
}

}  // namespace
}  // namespace corrinom
