// The fault wrapper over the embedded base, and the faults' side file.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <fstream>

#include "accounts/store/magasin_en_panne.h"
#include "accounts/store/magasin_sqlite.h"
#include "accounts/store/ouverture.h"
#include "cas_pannes.h"
#include "outils_test.h"

namespace corrinom {
namespace {

using test::Compte;
using test::DossierTemporaire;

class MagasinEnPanneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string erreur;
    auto base = MagasinSqlite::OuvreOuCree(chemin, erreur);
    ASSERT_TRUE(base) << erreur;
    std::vector<CompteBase> comptes;
    for (const char* login : {"eleve1", "eleve2", "eleve3"})
      comptes.push_back({Compte(login, "NOM Prenom", "TAVO"), SorteCompte::Normal});
    ASSERT_TRUE(base->ajoute(comptes, erreur)) << erreur;
  }
  std::unique_ptr<MagasinSqlite> ouvre() {
    std::string erreur;
    auto base = MagasinSqlite::Ouvre(chemin, erreur);
    EXPECT_TRUE(base) << erreur;
    return base;
  }
  MagasinOuvert ouvreParLOption() {
    ChoixMagasin choix;
    choix.sorte = ChoixMagasin::Sorte::Base;
    choix.fichier = chemin;
    return OuvreMagasin(choix);
  }

  DossierTemporaire dossier;
  std::string chemin = dossier.fichier("base.sqlite");
};

TEST_F(MagasinEnPanneTest, FailsTheChosenCallsOverTheBase) {
  auto base = ouvre();
  MagasinEnPanne enPanne(*base, test::PannesTypes("eleve3"));
  test::VerifiePannes(enPanne, *base, "ELEVE3", "eleve2");
}

// The side file, as `corrinom-cli base panne` writes it, is what --base applies;
// the base itself keeps no fault.
TEST_F(MagasinEnPanneTest, TheSideFileIsWhatTheBaseOptionApplies) {
  std::string erreur;
  for (const Panne& p : test::PannesTypes("eleve3"))
    ASSERT_TRUE(AjoutePanne(FichierPannes(chemin), p, erreur)) << erreur;
  EXPECT_EQ(FichierPannes(chemin), chemin + ".pannes");
  std::vector<Panne> relues;
  ASSERT_TRUE(LitPannes(FichierPannes(chemin), relues, erreur)) << erreur;
  EXPECT_EQ(relues.size(), 3u);

  MagasinOuvert o = ouvreParLOption();
  ASSERT_TRUE(o.magasin) << o.erreur;
  auto base = ouvre();
  test::VerifiePannes(*o.magasin, *base, "ELEVE3", "eleve2");
  EXPECT_TRUE(base->pannesAnciennes().empty());

  std::ofstream(FichierPannes(chemin), std::ios::app) << "lire\t5\n";
  o = ouvreParLOption();
  EXPECT_FALSE(o.magasin);
  EXPECT_NE(o.erreur.find("Ligne 4"), std::string::npos) << o.erreur;
}

// A base made when faults were kept in its own `pannes` table still opens with
// them applied, and keeps user_version 1.
TEST_F(MagasinEnPanneTest, OlderBasesKeepTheirStoredFaults) {
  {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(chemin.c_str(), &db), SQLITE_OK);
    const char* sql =
        "CREATE TABLE pannes(id INTEGER PRIMARY KEY, operation TEXT NOT NULL, statut INTEGER NOT "
        "NULL, login TEXT COLLATE NOCASE, page INTEGER);"
        "INSERT INTO pannes(operation, statut, login, page) VALUES('get', 2221, 'eleve3', NULL);"
        "INSERT INTO pannes(operation, statut, login, page) VALUES('set', 5, NULL, NULL);"
        "INSERT INTO pannes(operation, statut, login, page) VALUES('enum', 53, NULL, 1);";
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
  }
  MagasinOuvert o = ouvreParLOption();
  ASSERT_TRUE(o.magasin) << o.erreur;
  auto base = ouvre();
  test::VerifiePannes(*o.magasin, *base, "ELEVE3", "eleve2");

  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(chemin.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* s = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &s, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
  EXPECT_EQ(sqlite3_column_int(s, 0), 1);
  sqlite3_finalize(s);
  sqlite3_close(db);
}

// A slow base fails nothing: its writes only wait. The side file keeps the
// wait; a "lent" line with anything after the milliseconds is no fault.
TEST_F(MagasinEnPanneTest, ASlowBaseStillWrites) {
  std::string erreur;
  ASSERT_TRUE(AjoutePanne(FichierPannes(chemin), {OperationPanne::Lenteur, 1, {}, {}}, erreur));
  MagasinOuvert o = ouvreParLOption();
  ASSERT_TRUE(o.magasin) << o.erreur;
  CompteStocke c;
  ASSERT_EQ(o.magasin->lit("eleve2", c), kNerrSuccess);
  c.full_name = ChampTexte::de("LENT Paul");
  EXPECT_EQ(o.magasin->ecrit("eleve2", c), kNerrSuccess);
  CompteStocke relu;
  ASSERT_EQ(ouvre()->lit("eleve2", relu), kNerrSuccess);
  EXPECT_EQ(relu.full_name.texte, "LENT Paul");

  std::ofstream(FichierPannes(chemin), std::ios::app) << "lent\t20\televe2\n";
  std::vector<Panne> relues;
  EXPECT_FALSE(LitPannes(FichierPannes(chemin), relues, erreur));
  EXPECT_NE(erreur.find("Ligne 2"), std::string::npos) << erreur;
}

}  // namespace
}  // namespace corrinom
