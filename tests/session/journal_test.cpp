// The journal's file: where it goes, what its lines hold, how it is read back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <map>
#include <filesystem>
#include <regex>

#include "session/conservation_journaux.h"
#include "session/csv.h"
#include "session/horodatage.h"
#include "session/journal.h"
#include "outils.h"

namespace corrinom {
namespace {

using test::Dossier;
using test::Lit;

const std::string kEntete = std::string(kBomUtf8) + std::string(kEnteteJournal) + "\r\n";

// 2026-07-14 10:05:03 UTC.
constexpr std::time_t kQuatorzeJuillet = 1784023503;

TEST(Horodatage, LocalTimeWithItsOffset) {
  const char* ancien = std::getenv("TZ");
  const std::string sauve = ancien ? ancien : "";
  const struct {
    const char* tz;
    const char* iso;
    const char* fichier;
  } cas[] = {
      {"UTC0", "2026-07-14T10:05:03+00:00", "2026-07-14_10-05-03.csv"},
      {"IST-5:30", "2026-07-14T15:35:03+05:30", "2026-07-14_15-35-03.csv"},
      {"NST3:30", "2026-07-14T06:35:03-03:30", "2026-07-14_06-35-03.csv"},
      {"XXX11", "2026-07-13T23:05:03-11:00", "2026-07-13_23-05-03.csv"},
  };
  for (const auto& c : cas) {
    setenv("TZ", c.tz, 1);
    tzset();
    const InstantLocal i = InstantLocalDe(kQuatorzeJuillet);
    EXPECT_EQ(HorodatageIso(i), c.iso) << c.tz;
    EXPECT_EQ(NomFichierJournal(i, 1), c.fichier) << c.tz;
  }
  EXPECT_EQ(NomFichierJournal(InstantLocalDe(kQuatorzeJuillet), 3), "2026-07-13_23-05-03-3.csv");
  if (ancien)
    setenv("TZ", sauve.c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
}

TEST(Journal, PerUserFolder) {
  const struct {
    std::map<std::string, std::string> env;
    const char* attendu;
  } cas[] = {
      {{{"XDG_DATA_HOME", "/x/data"}, {"HOME", "/home/p"}}, "/x/data/corrinom/journaux"},
      {{{"HOME", "/home/p"}}, "/home/p/.local/share/corrinom/journaux"},
      {{{"XDG_DATA_HOME", ""}, {"HOME", "/home/p"}}, "/home/p/.local/share/corrinom/journaux"},
      {{{"XDG_DATA_HOME", "relatif"}, {"HOME", "/home/p"}}, "/home/p/.local/share/corrinom/journaux"},
      {{}, nullptr},
  };
  for (const auto& c : cas) {
    std::string erreur;
    const auto dossier = DossierJournaux(erreur, [&](const char* nom) -> const char* {
      const auto it = c.env.find(nom);
      return it == c.env.end() ? nullptr : it->second.c_str();
    });
    EXPECT_EQ(dossier.value_or("-"), c.attendu ? c.attendu : "-");
    EXPECT_EQ(erreur.empty(), c.attendu != nullptr);
  }
}

const ChangementCompte kDupont{"dupont.j", "DUPONT Jean", "TAVO;E;;;;;6;;12/05/2011",
                               "DUPONT-MARTIN Jean", "TAVO;E;;;;;13;;12/05/2011"};
// Quotes, CR and LF travel quoted (a name may hold none of the two breaks).
const ChangementCompte kGuillemets{"l\xC3\xA9on", "dit \"Jo\"", "",
                                   "LEON Jo", "TAVO;\r\n;"};

TEST(Journal, LinesAsWrittenAreReadBack) {
  Dossier d;
  std::string erreur;
  const std::string dossier = d.nom("a/b");  // made when needed
  auto j = JournalChangements::CreeDansDossier(dossier, kQuatorzeJuillet, "/srv/comptes.db", erreur);
  ASSERT_TRUE(j) << erreur;
  ASSERT_TRUE(j->intention(kDupont, erreur));
  ASSERT_TRUE(j->resultat(kDupont, 0, erreur));
  ASSERT_TRUE(j->intention(kGuillemets, erreur));
  ASSERT_TRUE(j->resultat(kGuillemets, 2221, erreur));
  ASSERT_TRUE(j->termine(erreur));

  const std::string texte = Lit(j->chemin());
  ASSERT_TRUE(texte.starts_with(kEntete));
  const std::regex intention(
      "\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d;/srv/comptes.db;dupont.j;intention;"
      "DUPONT Jean;\"TAVO;E;;;;;6;;12/05/2011\";DUPONT-MARTIN Jean;\"TAVO;E;;;;;13;;12/05/2011\";\r\n");
  EXPECT_TRUE(std::regex_search(texte.substr(kEntete.size()), intention,
                                std::regex_constants::match_continuous));
  std::vector<LigneJournal> lignes;
  ASSERT_TRUE(LitJournal(texte, lignes, erreur)) << erreur;
  ASSERT_EQ(lignes.size(), 4u);
  EXPECT_EQ(lignes[0].changement, kDupont);
  EXPECT_FALSE(lignes[0].resultat);
  EXPECT_EQ(lignes[1].statut, 0u);
  EXPECT_EQ(lignes[3].changement, kGuillemets);
  EXPECT_EQ(lignes[3].statut, 2221u);
  EXPECT_EQ(lignes[3].magasin, "/srv/comptes.db");

  // A second run in the same second gets its own file.
  auto j2 = JournalChangements::CreeDansDossier(dossier, kQuatorzeJuillet, "x", erreur);
  ASSERT_TRUE(j2) << erreur;
  EXPECT_NE(j2->chemin(), j->chemin());
  EXPECT_TRUE(j2->chemin().ends_with("-2.csv")) << j2->chemin();
}

TEST(Journal, AChosenFileIsAppendedToWithOneHeader) {
  Dossier d;
  const std::string chemin = d.nom("choisi.csv");
  std::string erreur;
  for (int run = 0; run < 2; ++run) {
    auto j = JournalChangements::OuvreFichier(chemin, "m", erreur);
    ASSERT_TRUE(j) << erreur;
    ASSERT_TRUE(j->intention(kDupont, erreur));
  }
  std::vector<LigneJournal> lignes;
  ASSERT_TRUE(LitFichierJournal(chemin, lignes, erreur)) << erreur;
  EXPECT_EQ(lignes.size(), 2u);
  EXPECT_EQ(Lit(chemin).find(std::string(kEnteteJournal), kEntete.size()), std::string::npos);
}

TEST(Journal, WhatCannotBeAJournalIsRefusedBeforeAnything) {
  Dossier d;
  test::Ecrit(d.nom("autre.csv"), "nom;prenom\r\n");
  test::Ecrit(d.nom("coupe.csv"), kEntete + "2026;m;x;intention;a");
  test::Ecrit(d.nom("fichier"), "");
  std::string erreur;
  EXPECT_FALSE(JournalChangements::OuvreFichier(d.nom("autre.csv"), "m", erreur));
  EXPECT_NE(erreur.find("n'est pas un journal"), std::string::npos) << erreur;
  EXPECT_FALSE(JournalChangements::OuvreFichier(d.nom("coupe.csv"), "m", erreur));
  EXPECT_FALSE(JournalChangements::OuvreFichier(d.nom("absent/j.csv"), "m", erreur));
  EXPECT_NE(erreur.find("dossier introuvable"), std::string::npos) << erreur;
  EXPECT_FALSE(JournalChangements::CreeDansDossier(d.nom("fichier/sous"), 0, "m", erreur));
  EXPECT_NE(erreur.find("ne peut pas \xEAtre cr\xE9\xE9"), std::string::npos) << erreur;
  EXPECT_EQ(Lit(d.nom("autre.csv")), "nom;prenom\r\n");
}

TEST(Journal, ReadingRefusesDamageButNotALastLineCutShort) {
  const std::string bonne =
      "t;m;dupont.j;intention;DUPONT Jean;;DUPONT-MARTIN Jean;;\r\n";
  const struct {
    std::string texte;
    bool lu;
    std::size_t lignes;
  } cas[] = {
      {kEntete + bonne, true, 1},
      {kEntete + bonne + "t;m;dupont.j;r\xC3\xA9sultat;DUPONT", true, 1},
      {kEntete + bonne + "t;m;dupont.j;r\xC3\xA9sultat;a;b;c;d;\r\n", false, 0},   // no status
      {kEntete + "t;m;dupont.j;intention;a;b;c;d;0\r\n", false, 0},                // status on an intention
      {kEntete + "t;m;dupont.j;fait;a;b;c;d;\r\n", false, 0},
      {kEntete + "t;m;dupont.j;intention;a;b;c\r\n", false, 0},
      {std::string(kEnteteJournal) + "\r\n" + bonne, false, 0},                    // no byte-order mark
      {"", false, 0},
      {kEntete + "t;m;dupont.j;intention;a;b;c;d;;\r\n", false, 0},              // a tenth field
      {kEntete + "t;m;dupont.j;intention;DUPONT\x01;;c;d;\r\n", false, 0},       // a control character
      {kEntete + "t;m;dupont.j;intention;a;;DUPONT\x7F;d;\r\n", false, 0},
      {kEntete + "t;m;dupont.j;intention;\"A\nB\";;c;d;\r\n", false, 0},
      {kEntete + "t;m;dup\xC3.j;intention;a;;c;d;\r\n", false, 0},              // not UTF-8
      {kEntete + "t;m;d;intention;a;;" + std::string(257, 'x') + ";d;\r\n", false, 0},
      {kEntete + "t;m;d;intention;a;;" + std::string(256, 'x') + ";d;\r\n", true, 1},
      {kEntete + "t;m;d;intention;a;\"" + std::string(100000, ';') + "\";c;d;\r\n", true, 1},
  };
  for (const auto& c : cas) {
    std::vector<LigneJournal> lignes;
    std::string erreur;
    EXPECT_EQ(LitJournal(c.texte, lignes, erreur), c.lu) << c.texte;
    EXPECT_EQ(lignes.size(), c.lignes) << c.texte;
    EXPECT_EQ(erreur.empty(), c.lu) << c.texte;
    // The same bytes read from a file, as they come.
    Dossier d;
    test::Ecrit(d.nom("j.csv"), c.texte);
    EXPECT_EQ(LitFichierJournal(d.nom("j.csv"), lignes, erreur), c.lu) << c.texte;
    EXPECT_EQ(lignes.size(), c.lignes) << c.texte;
  }
}

}  // namespace
}  // namespace corrinom

namespace corrinom {
namespace {

TEST(ConservationJournaux, NamesDatesAndMonthsBack) {
  const std::optional<InstantLocal> d = DateNomJournal("2025-03-31_23-59-58-12.csv");
  ASSERT_TRUE(d);
  EXPECT_EQ(NomFichierJournal(*d, 12), "2025-03-31_23-59-58-12.csv");
  for (const char* autre : {"2025-02-30_10-00-00.csv", "2025-03-31_10-00-00.txt", "notes.csv",
                            "2025-03-31_10-00-00-.csv", "2025-03-31_10-00-00-0.csv", "2025-03-31_10-00-00x.csv"})
    EXPECT_FALSE(DateNomJournal(autre)) << autre;
  // Thirteen months before the end of March is the end of February, a leap one or not.
  EXPECT_EQ(NomFichierJournal(MoisAvant(*d, 13), 1), "2024-02-29_23-59-58.csv");
  EXPECT_EQ(NomFichierJournal(MoisAvant(*d, 1), 1), "2025-02-28_23-59-58.csv");
  EXPECT_EQ(NomFichierJournal(MoisAvant(*d, 0), 1), "2025-03-31_23-59-58.csv");
}

TEST(ConservationJournaux, PurgeTakesTheOldOnesButNeverOneBeingWritten) {
  Dossier d;
  const std::string dossier = d.nom("journaux");
  std::filesystem::create_directories(dossier);
  for (const char* nom : {"2025-01-10_08-00-00.csv", "2025-01-10_08-00-00-2.csv", "2025-01-11_08-00-00.csv",
                          "2024-12-01_08-00-00.csv", "notes.csv", "2024-11-01_08-00-00.csv"})
    test::Ecrit(dossier + "/" + nom, kEntete);
  int e = 0;
  auto enCours = FichierDurable::Ouvre(dossier + "/2024-11-01_08-00-00.csv", false, e);
  ASSERT_TRUE(enCours) << e;

  std::vector<std::string> noms;
  for (const JournalDuDossier& j : JournauxDuDossier(dossier)) noms.push_back(j.nom);
  EXPECT_EQ(noms, (std::vector<std::string>{"2024-11-01_08-00-00.csv", "2024-12-01_08-00-00.csv",
                                            "2025-01-10_08-00-00.csv", "2025-01-10_08-00-00-2.csv",
                                            "2025-01-11_08-00-00.csv"}));
  noms.clear();
  for (const JournalDuDossier& j : PurgeJournaux(dossier, *DateNomJournal("2025-01-11_08-00-00.csv")))
    noms.push_back(j.nom);
  EXPECT_EQ(noms, (std::vector<std::string>{"2024-12-01_08-00-00.csv", "2025-01-10_08-00-00.csv",
                                            "2025-01-10_08-00-00-2.csv"}));
  EXPECT_TRUE(std::filesystem::exists(dossier + "/2024-11-01_08-00-00.csv"));
  EXPECT_TRUE(std::filesystem::exists(dossier + "/notes.csv"));
  enCours.reset();
  EXPECT_EQ(PurgeJournaux(dossier, *DateNomJournal("2025-01-11_08-00-00.csv")).size(), 1u);
}

}  // namespace
}  // namespace corrinom
