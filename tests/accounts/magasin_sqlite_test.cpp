// The embedded account base on a real SQLite file.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <fstream>

#include "accounts/store/magasin_sqlite.h"
#include "outils_test.h"

namespace corrinom {
namespace {

using test::Compte;
using test::DossierTemporaire;
using test::Tavo;

class MagasinSqliteTest : public ::testing::Test {
 protected:
  std::unique_ptr<MagasinSqlite> creeBase(const std::vector<CompteBase>& comptes) {
    std::string erreur;
    auto base = MagasinSqlite::OuvreOuCree(chemin, erreur);
    EXPECT_TRUE(base) << erreur;
    EXPECT_TRUE(base->ajoute(comptes, erreur)) << erreur;
    return base;
  }
  // Every login the enumeration returns, page by page.
  std::vector<std::vector<std::string>> pages(MagasinSqlite& base, std::uint32_t& statut) {
    std::vector<std::vector<std::string>> r;
    std::uint32_t reprise = 0, total = 0;
    do {
      std::vector<CompteStocke> page;
      statut = base.enumere(kLongueurPageEnumeration, page, total, reprise);
      if (statut != 0 && statut != 234) break;
      r.emplace_back();
      for (const CompteStocke& c : page) r.back().push_back(c.name.texte);
    } while (statut == 234);
    return r;
  }

  DossierTemporaire dossier;
  std::string chemin = dossier.fichier("base.sqlite");
};

std::vector<CompteBase> Eleves(int n) {
  std::vector<CompteBase> r;
  for (int i = 0; i < n; ++i)
    r.push_back({Compte("eleve" + std::to_string(i), "NOM" + std::to_string(i) + " Prenom",
                        Tavo(3 + (i > 9), "01/01/2010")),
                 SorteCompte::Normal});
  return r;
}

TEST_F(MagasinSqliteTest, EnumeratesNormalAccountsInInsertionOrderByPages) {
  std::vector<CompteBase> comptes = Eleves(60);
  // Other kinds in between are kept but never enumerated.
  comptes.insert(comptes.begin() + 5, {Compte("POSTE$", "POSTE", Tavo(5, "")), SorteCompte::Workstation});
  comptes.insert(comptes.begin() + 20, {Compte("SRV$", "SRV", ""), SorteCompte::Server});
  comptes.push_back({Compte("DOM$", "DOM", ""), SorteCompte::Interdomain});
  comptes.push_back({Compte("tmp", "TMP", ""), SorteCompte::TempDuplicate});
  // "zeta" before "alpha": the order of addition, not of names.
  comptes.insert(comptes.begin(), {Compte("zeta", "ZETA Z", ""), SorteCompte::Normal});
  comptes.push_back({Compte("alpha", "ALPHA A", ""), SorteCompte::Normal});
  auto base = creeBase(comptes);

  std::uint32_t statut = 1;
  const auto lues = pages(*base, statut);
  EXPECT_EQ(statut, 0u);
  ASSERT_GT(lues.size(), 2u);
  std::vector<std::string> tout;
  for (const auto& p : lues) tout.insert(tout.end(), p.begin(), p.end());
  std::vector<std::string> attendu = {"zeta"};
  for (int i = 0; i < 60; ++i) attendu.push_back("eleve" + std::to_string(i));
  attendu.push_back("alpha");
  EXPECT_EQ(tout, attendu);
}

TEST_F(MagasinSqliteTest, PagesHoldAboutTheAskedLength) {
  auto base = creeBase(Eleves(100));
  std::uint32_t reprise = 0, total = 0, statut = 0;
  std::size_t vus = 0;
  do {
    std::vector<CompteStocke> page;
    statut = base->enumere(4096, page, total, reprise);
    EXPECT_EQ(total, 100u);
    std::uint32_t taille = 0;
    for (const CompteStocke& c : page) taille += TailleEntreeEnumeration(c);
    EXPECT_LE(taille, 4096u);
    if (statut == 234) {
      EXPECT_GT(taille + 400, 4096u);  // full: the next entry did not fit
    }
    vus += page.size();
  } while (statut == 234);
  EXPECT_EQ(statut, 0u);
  EXPECT_EQ(vus, 100u);
  EXPECT_EQ(reprise, 0u);
}

TEST_F(MagasinSqliteTest, AnEntryLargerThanAPageStillComesAlone) {
  auto base = creeBase({{Compte("long", std::string(5000, 'x'), ""), SorteCompte::Normal},
                        {Compte("court", "COURT C", ""), SorteCompte::Normal}});
  std::uint32_t statut = 1;
  const auto lues = pages(*base, statut);
  EXPECT_EQ(statut, 0u);
  EXPECT_EQ(lues, (std::vector<std::vector<std::string>>{{"long"}, {"court"}}));
}

TEST_F(MagasinSqliteTest, EmptyBaseEnumeratesNothing) {
  auto base = creeBase({});
  std::uint32_t statut = 1;
  const auto lues = pages(*base, statut);
  EXPECT_EQ(statut, 0u);
  EXPECT_EQ(lues, (std::vector<std::vector<std::string>>{{}}));
}

TEST_F(MagasinSqliteTest, ReadsAndWritesWholeRecords) {
  CompteStocke c = Compte("dupont.j", "DUPONT Jean", Tavo(6, "12/05/2011"));
  c.home_dir = ChampTexte::de("\\\\SRV\\eleves$\\dupont.j");
  c.comment = ChampTexte::de("");  // empty, not null
  c.logon_hours = std::array<std::uint8_t, 21>{0xFF, 0x00, 0x7E};
  c.user_id = 1234;
  c.acct_expires = 0xFFFFFFFFu;
  auto base = creeBase({{c, SorteCompte::Normal}});

  CompteStocke lu;
  ASSERT_EQ(base->lit("DUPONT.J", lu), 0u);  // logins compare without regard to case
  EXPECT_EQ(lu, c);
  EXPECT_TRUE(lu.password.nul);
  EXPECT_FALSE(lu.comment.nul);

  lu.full_name = ChampTexte::de("DUPONT Jean-Marc");
  lu.parms = ChampTexte::de("p\xC3\xA9");
  ASSERT_EQ(base->ecrit("dupont.j", lu), 0u);
  CompteStocke relu;
  ASSERT_EQ(base->lit("dupont.j", relu), 0u);
  EXPECT_EQ(relu, lu);

  EXPECT_EQ(base->lit("absent", relu), kNerrUserNotFound);
  EXPECT_EQ(base->ecrit("absent", lu), kNerrUserNotFound);
}

TEST_F(MagasinSqliteTest, WritingNeverRenamesTheAccount) {
  auto base = creeBase({{Compte("a", "A A", ""), SorteCompte::Normal}});
  CompteStocke c;
  ASSERT_EQ(base->lit("a", c), 0u);
  c.name = ChampTexte::de("b");
  ASSERT_EQ(base->ecrit("a", c), 0u);
  EXPECT_EQ(base->tous().at(0).compte.name.texte, "a");
}

TEST_F(MagasinSqliteTest, AddingIsAllOrNothing) {
  auto base = creeBase({{Compte("a", "A A", ""), SorteCompte::Normal}});
  std::string erreur;
  std::size_t echec = 99;
  EXPECT_FALSE(base->ajoute({{Compte("b", "B B", ""), SorteCompte::Normal},
                             {Compte("c", "C C", ""), SorteCompte::Normal},
                             {Compte("A", "A bis", ""), SorteCompte::Normal}},
                            erreur, &echec));
  EXPECT_EQ(echec, 2u);
  EXPECT_NE(erreur.find("existe d\xE9j\xE0"), std::string::npos) << erreur;
  ASSERT_EQ(base->tous().size(), 1u);
  // A duplicate inside the same batch is refused the same way.
  EXPECT_FALSE(base->ajoute({{Compte("d", "D", ""), SorteCompte::Normal},
                             {Compte("d", "D", ""), SorteCompte::Normal}},
                            erreur, &echec));
  EXPECT_EQ(echec, 1u);
  EXPECT_EQ(base->tous().size(), 1u);
}

TEST_F(MagasinSqliteTest, OpeningRefusesWhatIsNotABase) {
  std::string erreur;
  EXPECT_FALSE(MagasinSqlite::Ouvre(dossier.fichier("absente.sqlite"), erreur));
  EXPECT_NE(erreur.find("n'existe pas"), std::string::npos) << erreur;

  const std::string texte = dossier.fichier("texte.sqlite");
  std::ofstream(texte) << "ceci n'est pas une base de comptes, loin de l\xE0\n";
  erreur.clear();
  EXPECT_FALSE(MagasinSqlite::Ouvre(texte, erreur));
  EXPECT_NE(erreur.find("n'est pas une base de comptes"), std::string::npos) << erreur;
  erreur.clear();
  EXPECT_FALSE(MagasinSqlite::OuvreOuCree(texte, erreur));
  EXPECT_FALSE(erreur.empty());

  erreur.clear();
  EXPECT_FALSE(MagasinSqlite::Ouvre(dossier.fichier(""), erreur));  // a folder
  EXPECT_FALSE(erreur.empty());
}

// A base whose accounts table lacks a column our statements need does not open
// (no statement is left unprepared for a later call to trip on).
TEST_F(MagasinSqliteTest, OpeningRefusesABaseWhoseStatementsCannotBePrepared) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(chemin.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, "CREATE TABLE comptes(rang INTEGER PRIMARY KEY, name TEXT)", nullptr,
                         nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);
  std::string erreur;
  EXPECT_FALSE(MagasinSqlite::Ouvre(chemin, erreur));
  EXPECT_NE(erreur.find("n'est pas une base de comptes"), std::string::npos) << erreur;
}

TEST(TailleEntreeEnumeration, CountsUtf16AndTheBitmap) {
  CompteStocke c;  // every text null
  EXPECT_EQ(TailleEntreeEnumeration(c), 184u);
  c.name = ChampTexte::de("ab");          // 3 units
  c.full_name = ChampTexte::de("\xC3\xA9");  // é: 2 units
  c.parms = ChampTexte::de("\xF0\x9F\x98\x80");  // a surrogate pair and the terminator
  c.logon_hours = std::array<std::uint8_t, 21>{};
  EXPECT_EQ(TailleEntreeEnumeration(c), 184u + 6 + 4 + 6 + 21);
}

}  // namespace
}  // namespace corrinom
