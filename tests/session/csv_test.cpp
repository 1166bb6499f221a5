// The CSV of the journal and the change list, written then read back.
#include <gtest/gtest.h>

#include "session/csv.h"

namespace corrinom {
namespace {

TEST(Csv, FieldsAreQuotedOnlyWhenTheyMustBe) {
  const struct {
    const char* champ;
    const char* attendu;
  } cas[] = {
      {"DUPONT Jean", "DUPONT Jean"},
      {"", ""},
      {"TAVO;E;2026", "\"TAVO;E;2026\""},
      {"dit \"Jo\"", "\"dit \"\"Jo\"\"\""},
      {"a\r\nb", "\"a\r\nb\""},
      {"a\nb", "\"a\nb\""},
      {"\xC3\xA9l\xC3\xA8ve", "\xC3\xA9l\xC3\xA8ve"},
  };
  for (const auto& c : cas) EXPECT_EQ(ChampCsv(c.champ), c.attendu) << c.champ;
  EXPECT_EQ(LigneCsv({"a", "b;c", ""}), "a;\"b;c\";\r\n");
}

TEST(Csv, WhatIsWrittenReadsBack) {
  const std::vector<std::vector<std::string>> lignes{
      {"h", "TAVO;E;;6A", "dit \"Jo\"", ""},
      {"deux\r\nlignes", ";", "\"", "fin"},
      {""},
  };
  std::string texte(kBomUtf8);
  for (const auto& l : lignes) texte += LigneCsv(l);
  std::vector<EnregistrementCsv> lus;
  bool tronque = true;
  std::size_t erreur = 0;
  ASSERT_TRUE(LitCsv(texte, lus, tronque, erreur));
  EXPECT_FALSE(tronque);
  ASSERT_EQ(lus.size(), lignes.size());
  for (std::size_t i = 0; i < lus.size(); ++i) EXPECT_EQ(lus[i].champs, lignes[i]);
  EXPECT_EQ(lus[1].ligne, 2u);
  EXPECT_EQ(lus[2].ligne, 4u);  // the line break inside the quotes counts
}

TEST(Csv, ARecordCutShortIsLeftOut) {
  for (const char* fin : {"b;c", "b;\"c\r\nd", "b;\"c\"", "b\r"}) {
    std::vector<EnregistrementCsv> lus;
    bool tronque = false;
    std::size_t erreur = 0;
    ASSERT_TRUE(LitCsv(std::string("a\r\n") + fin, lus, tronque, erreur)) << fin;
    EXPECT_TRUE(tronque) << fin;
    ASSERT_EQ(lus.size(), 1u) << fin;
  }
}

TEST(Csv, TextAfterAClosingQuoteIsRefused) {
  std::vector<EnregistrementCsv> lus;
  bool tronque = false;
  std::size_t erreur = 0;
  EXPECT_FALSE(LitCsv("a\r\n\"b\"c;d\r\n", lus, tronque, erreur));
  EXPECT_EQ(erreur, 2u);
}

}  // namespace
}  // namespace corrinom
