// The TAVO record of a user comment and the name fields of an account.
#include <gtest/gtest.h>

#include "accounts/usr_comment.h"
#include "text/noms.h"

namespace corrinom {
namespace {

TEST(ChampSuivant, TakesFieldsOffTheFront) {
  std::string reste = "A;;B";
  EXPECT_EQ(ChampSuivant(reste), "A");
  EXPECT_EQ(reste, ";B");
  EXPECT_EQ(ChampSuivant(reste), "");
  EXPECT_EQ(reste, "B");
  EXPECT_EQ(ChampSuivant(reste), "B");
  EXPECT_EQ(reste, "");
  EXPECT_EQ(ChampSuivant(reste), "");
  EXPECT_EQ(reste, "");
}

TEST(EntierChamp, SignAndDigitsWithin32BitsElseZero) {
  const struct {
    const char* texte;
    std::int32_t attendu;
  } cas[] = {
      {"12", 12},           {"+5", 5},           {"-3", -3},          {"007", 7},
      {"", 0},              {"abc", 0},          {"12a", 0},          {" 5", 0},
      {"5 ", 0},            {"+", 0},            {"-", 0},            {"+-5", 0},
      {"--5", 0},           {"2147483647", 2147483647},               {"2147483648", 0},
      {"-2147483648", -2147483647 - 1},          {"-2147483649", 0},
      {"99999999999999999999999", 0},            {"0x10", 0},         {"1e3", 0},
  };
  for (const auto& c : cas) EXPECT_EQ(EntierChamp(c.texte), c.attendu) << '"' << c.texte << '"';
}

TEST(LitUsrComment, ReadsThirteenFields) {
  const TUsrComment r = LitUsrComment("TAVO;a;b;c;d;e;12;f;01/02/2003;g;h;-4;x;extra;more");
  EXPECT_EQ(r.Marqueur, "TAVO");
  EXPECT_EQ(r.Champ2, "a");
  EXPECT_EQ(r.Champ6, "e");
  EXPECT_EQ(r.LongueurNom, 12);
  EXPECT_EQ(r.Champ8, "f");
  EXPECT_EQ(r.DateNaiss, "01/02/2003");
  EXPECT_EQ(r.Champ11, "h");
  EXPECT_EQ(r.Champ12, -4);
  EXPECT_EQ(r.Champ13, 0);  // "x" is not a number
}

TEST(LitUsrComment, MarkerAloneLeavesEverythingEmpty) {
  const TUsrComment r = LitUsrComment("TAVO");
  EXPECT_EQ(r.Marqueur, "TAVO");
  EXPECT_EQ(r.Champ2, "");
  EXPECT_EQ(r.LongueurNom, 0);
  EXPECT_EQ(r.DateNaiss, "");
  EXPECT_EQ(r.Champ13, 0);
}

TEST(LitUsrComment, MarkerIsExactBytes) {
  EXPECT_EQ(LitUsrComment("TAVO;x").Marqueur, kMarqueurTavo);
  EXPECT_NE(LitUsrComment("tavo;x").Marqueur, kMarqueurTavo);
  EXPECT_NE(LitUsrComment(" TAVO;x").Marqueur, kMarqueurTavo);
  EXPECT_NE(LitUsrComment("TAVO ;x").Marqueur, kMarqueurTavo);
  EXPECT_NE(LitUsrComment("").Marqueur, kMarqueurTavo);
}

TEST(LitUsrComment, HundredsOfFields) {
  std::string texte = "TAVO;2;3;4;5;6;7;8;9;10;11;12;13";
  for (int i = 14; i < 500; ++i) texte += ";" + std::to_string(i);
  const TUsrComment r = LitUsrComment(texte);
  EXPECT_EQ(r.LongueurNom, 7);
  EXPECT_EQ(r.DateNaiss, "9");
  EXPECT_EQ(r.Champ13, 13);
}

TEST(ExtraitNoms, SplitsTheFullName) {
  const struct {
    const char* complet;
    std::int64_t n;
    const char* nom;
    const char* prenoms;
  } cas[] = {
      {"DE LA TOUR Jean Paul", 10, "DE LA TOUR", "Jean Paul"},
      {"DE LA TOUR Jean Paul", 0, "DE LA", "TOUR Jean Paul"},
      {"LE GALL Ma\xEBlle", 0, "LE GALL", "Ma\xEBlle"},
      {"MARTIN Lucas", 6, "MARTIN", "Lucas"},
      {"Martin lucas", 6, "MARTIN", "lucas"},          // only the last name is upper-cased
      {"MARTIN Lucas", 40, "MARTIN LUCAS", ""},         // longer than the full name
      {"MARTIN Lucas", 12, "MARTIN LUCAS", ""},         // exactly the full name
      {"MARTIN Lucas", 11, "MARTIN LUCA", ""},          // the separator would be past the end
      {"MARTIN Lucas", -6, "MARTIN", "Lucas"},          // negative counts as 0
      {"DUPONT", 0, "DUPONT", ""},
      {"", 0, "", ""},
      {"", 5, "", ""},
      {"AB", 0, "AB", ""},
      {"  DUPONT,  Jean ", 0, "DUPONT", "Jean"},        // cleaned before splitting
      {"L\xC9VY \xC9lodie", 4, "LEVY", "\xC9lodie"},   // accents folded in the last name only
      {"DUPONTXJean", 6, "DUPONT", "Jean"},             // the character after n is skipped whatever it is
  };
  for (const auto& c : cas) {
    EXPECT_EQ(ExtraitNom(c.complet, c.n), c.nom) << c.complet << " / " << c.n;
    EXPECT_EQ(ExtraitPrenoms(c.complet, c.n), c.prenoms) << c.complet << " / " << c.n;
  }
}

TEST(ExtraitPrenoms, KeepsAtMost256CharactersWithoutLength) {
  const std::string complet = "DUPONT " + std::string(400, 'a');
  EXPECT_EQ(ExtraitPrenoms(complet, 0).size(), 256u);
  EXPECT_EQ(ExtraitPrenoms(complet, 6).size(), 400u);
}

TEST(OemVersAnsi, RepairsOemLettersOnly) {
  EXPECT_EQ(OemVersAnsi("Ren\x82" "e"), "Ren\xE9" "e");
  EXPECT_EQ(OemVersAnsi("\x80\x81\x8F\x90\x97"), "\xC7\xFC\xC5\xC9\xF9");
  EXPECT_EQ(OemVersAnsi("\x7F\x98\xE9\xFF"), "\x7F\x98\xE9\xFF");
  std::string tout;
  for (int b = 0x80; b <= 0x97; ++b) tout += static_cast<char>(b);
  EXPECT_EQ(OemVersAnsi(tout),
            "\xC7\xFC\xE9\xE2\xE4\xE0\xE5\xE7\xEA\xEB\xE8\xEF\xEE\xEC\xC4\xC5\xC9\xE6\xC6\xF4\xF6"
            "\xF2\xFB\xF9");
}

TEST(RemplaceLongueurNom, ReplacesFieldSevenOnly) {
  const struct {
    const char* avant;
    std::int64_t n;
    const char* apres;
  } cas[] = {
      {"A;B;C;D;E;F;12;G;H", 5, "A;B;C;D;E;F;5;G;H"},
      {"A;B;C;D;E;F;", 5, "A;B;C;D;E;F;5"},
      {"A;B;C;D;E;F;12", 5, "A;B;C;D;E;F;5"},
      {"A;B;C", 5, "A;B;C"},
      {"A;B;C;D;E;F", 5, "A;B;C;D;E;F"},
      {"", 5, ""},
      {"A;B;C;D;E;F;;;", 6, "A;B;C;D;E;F;6;;"},
      {"A;B;C;D;E;F;abc;x;y;z;1;2;3;4;5", 10, "A;B;C;D;E;F;10;x;y;z;1;2;3;4;5"},
      {"TAVO;E;2026;;;;12;;01/02/2003;;;0;0", 6, "TAVO;E;2026;;;;6;;01/02/2003;;;0;0"},
  };
  for (const auto& c : cas) EXPECT_EQ(RemplaceLongueurNom(c.avant, c.n), c.apres) << c.avant;
}

}  // namespace
}  // namespace corrinom
