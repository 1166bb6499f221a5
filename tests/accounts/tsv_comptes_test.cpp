// The TSV form of an account base.
#include <gtest/gtest.h>

#include "accounts/tsv_comptes.h"
#include "outils_test.h"

namespace corrinom {
namespace {

using test::Compte;

TEST(Tsv, ExportImportsBackUnchanged) {
  CompteStocke a = Compte("a\xC3\xA9", "NOM\tAVEC TAB", "ligne 1\nligne 2\\fin\r");
  a.comment = ChampTexte::de("\\N");  // the text \N, not a null field
  a.parms = ChampTexte::de("");
  a.logon_hours = std::array<std::uint8_t, 21>{0x01, 0xAB, 0xFF};
  a.acct_expires = 0xFFFFFFFFu;
  a.user_id = 0;
  CompteStocke b = Compte("b", "", "");
  b.usr_comment = ChampTexte{};  // null
  b.full_name = ChampTexte{};
  const std::vector<CompteBase> comptes = {{a, SorteCompte::Normal}, {b, SorteCompte::TempDuplicate}};

  const std::string tsv = ExporteTsv(comptes);
  EXPECT_EQ(tsv.substr(0, tsv.find('\n')),
            "login\tfull_name\tusr_comment\tpassword\tpassword_age\tpriv\thome_dir\tcomment\tflags\t"
            "script_path\tauth_flags\tparms\tworkstations\tlast_logon\tlast_logoff\tacct_expires\t"
            "max_storage\tunits_per_week\tlogon_hours\tbad_pw_count\tnum_logons\tlogon_server\t"
            "country_code\tcode_page\tuser_id\tprimary_group_id\tprofile\thome_dir_drive\t"
            "password_expired\tkind");
  EXPECT_NE(tsv.find("a\xC3\xA9\tNOM\\tAVEC TAB\tligne 1\\nligne 2\\\\fin\\r\t\\N\t"),
            std::string::npos);
  EXPECT_NE(tsv.find("01abff000000"), std::string::npos);
  EXPECT_NE(tsv.find("\ttemp_duplicate\n"), std::string::npos);

  std::vector<CompteBase> relus;
  std::string erreur;
  ASSERT_TRUE(ImporteTsv(tsv, relus, erreur)) << erreur;
  EXPECT_EQ(relus, comptes);
  EXPECT_EQ(ExporteTsv(relus), tsv);
}

TEST(Tsv, MinimalColumnsTakeTheDefaults) {
  std::vector<CompteBase> comptes;
  std::vector<std::size_t> lignes;
  std::string erreur;
  ASSERT_TRUE(ImporteTsv("\xEF\xBB\xBFusr_comment\tlogin\tfull_name\r\n"
                         "TAVO;x\tdupont\tDUPONT Jean\r\n"
                         "\n"
                         "\\N\tmartin\t\\N\n",
                         comptes, erreur, &lignes))
      << erreur;
  ASSERT_EQ(comptes.size(), 2u);
  EXPECT_EQ(lignes, (std::vector<std::size_t>{2, 4}));
  EXPECT_EQ(comptes[0].compte.name.texte, "dupont");
  EXPECT_EQ(comptes[0].compte.usr_comment.texte, "TAVO;x");
  EXPECT_EQ(comptes[0].sorte, SorteCompte::Normal);
  EXPECT_EQ(comptes[0].compte.flags, 0x0201u);
  EXPECT_FALSE(comptes[0].compte.logon_hours);
  EXPECT_TRUE(comptes[1].compte.usr_comment.nul);
  EXPECT_TRUE(comptes[1].compte.full_name.nul);
}

TEST(Tsv, MalformedInputNamesTheLineAndImportsNothing) {
  const std::string entete = "login\tfull_name\tusr_comment\tuser_id\tlogon_hours\tkind\n";
  const std::string bonne = "ok\tOK\t\t1\t\\N\tnormal\n";
  const struct {
    std::string texte;
    std::string debut;
  } cas[] = {
      {"", "Ligne 1 : "},
      {"login\tfull_name\n", "Ligne 1 : la colonne usr_comment manque"},
      {"login\tfull_name\tusr_comment\tcouleur\n", "Ligne 1 : colonne inconnue couleur"},
      {"login\tfull_name\tusr_comment\tname\n", "Ligne 1 : colonne inconnue name"},
      {"login\tfull_name\tusr_comment\tlogin\n", "Ligne 1 : la colonne login est nomm"},
      {entete + bonne + "x\tX\t\t1\t\\N\n", "Ligne 3 : 5 champs au lieu de 6"},
      {entete + bonne + "x\tX\t\t1\t\\N\tnormal\textra\n", "Ligne 3 : 7 champs au lieu de 6"},
      {entete + bonne + "x\tX\t\t-1\t\\N\tnormal\n", "Ligne 3 : la colonne user_id"},
      {entete + bonne + "x\tX\t\t4294967296\t\\N\tnormal\n", "Ligne 3 : la colonne user_id"},
      {entete + bonne + "x\tX\t\t\\N\t\\N\tnormal\n", "Ligne 3 : la colonne user_id"},
      {entete + bonne + "x\tX\t\t1\tff\tnormal\n", "Ligne 3 : la colonne logon_hours"},
      {entete + bonne + "x\tX\t\t1\t" + std::string(41, 'f') + "g\tnormal\n", "Ligne 3 : la colonne logon_hours"},
      {entete + bonne + "x\tX\t\t1\t\\N\tNormal\n", "Ligne 3 : sorte de compte inconnue Normal"},
      {entete + bonne + "\tX\t\t1\t\\N\tnormal\n", "Ligne 3 : le login est vide"},
      {entete + bonne + "\\N\tX\t\t1\t\\N\tnormal\n", "Ligne 3 : le login est vide"},
      {entete + bonne + "x\tX\\q\t\t1\t\\N\tnormal\n", "Ligne 3 : la colonne full_name"},
  };
  for (const auto& c : cas) {
    std::vector<CompteBase> comptes = {CompteBase{}};
    std::string erreur;
    EXPECT_FALSE(ImporteTsv(c.texte, comptes, erreur)) << c.texte;
    EXPECT_EQ(erreur.substr(0, c.debut.size()), c.debut) << erreur;
    EXPECT_TRUE(comptes.empty());
  }
}

}  // namespace
}  // namespace corrinom
