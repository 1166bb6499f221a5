// Loading the accounts of a base into the account list.
#include <gtest/gtest.h>

#include "accounts/store/magasin_en_panne.h"
#include "accounts/store/magasin_sqlite.h"
#include "operator/dialogues_script.h"
#include "session/enumeration.h"
#include "tests/accounts/outils_test.h"
#include "text/erreurs.h"

namespace corrinom {
namespace {

using test::Compte;
using test::DossierTemporaire;
using test::Tavo;

class ChargeTest : public ::testing::Test {
 protected:
  MagasinSqlite& base(const std::vector<CompteBase>& comptes) {
    std::string erreur;
    base_ = MagasinSqlite::OuvreOuCree(dossier_.fichier("base.sqlite"), erreur);
    EXPECT_TRUE(base_) << erreur;
    EXPECT_TRUE(base_->ajoute(comptes, erreur)) << erreur;
    return *base_;
  }
  static std::vector<CompteBase> Normaux(int n) {
    std::vector<CompteBase> r;
    for (int i = 0; i < n; ++i)
      r.push_back({Compte("l" + std::to_string(i), "NOM" + std::to_string(i) + " Jean", Tavo(0, "d")),
                   SorteCompte::Normal});
    return r;
  }
  static std::vector<std::string> Logins(const EtatRapprochement& etat) {
    std::vector<std::string> r;
    for (const LigneCompte& l : etat.comptes) r.push_back(l.login);
    return r;
  }

  DossierTemporaire dossier_;
  std::unique_ptr<MagasinSqlite> base_;
  EtatRapprochement etat;
  DialoguesScript d;
};

TEST_F(ChargeTest, KeepsOnlyTavoAccountsWithAFullName) {
  CompteStocke sansCommentaire = Compte("sans", "SANS Commentaire", "");
  sansCommentaire.usr_comment = ChampTexte{};
  CompteStocke nomNul = Compte("nomnul", "", Tavo(6, ""));
  nomNul.full_name = ChampTexte{};
  auto& b = base({
      {Compte("dupont", "DUPONT Jean", Tavo(6, "12/05/2011")), SorteCompte::Normal},
      {Compte("minuscule", "MIN Paul", "tavo;E;2026"), SorteCompte::Normal},
      {Compte("blanc", "BLANC Eva", " TAVO;E;2026"), SorteCompte::Normal},
      {Compte("suivi", "SUIVI Eva", "TAVOX;E"), SorteCompte::Normal},
      {sansCommentaire, SorteCompte::Normal},
      {Compte("vide", "", Tavo(6, "")), SorteCompte::Normal},
      {nomNul, SorteCompte::Normal},
      {Compte("POSTE$", "POSTE", Tavo(5, "")), SorteCompte::Workstation},
      {Compte("seul", "DE LA TOUR Jean Paul", "TAVO"), SorteCompte::Normal},
      {Compte("\xC5\x82ukasz", "NOWAK \xC5\x81ukasz", Tavo(5, "16/08/2011")), SorteCompte::Normal},
      {Compte("renee", "GIRARD Ren\xE2\x80\x9A" "e", Tavo(6, "02/10/2010;x")), SorteCompte::Normal},
  });
  EXPECT_EQ(ChargeUtilisateurs(b, etat, d), 0u);
  EXPECT_TRUE(d.appels.empty());
  ASSERT_EQ(Logins(etat), (std::vector<std::string>{"dupont", "seul", "lukasz", "renee"}));
  const std::vector<std::vector<std::string>> sousItems = {
      {"DUPONT", "Jean", "12/05/2011"},
      {"DE LA", "TOUR Jean Paul", ""},
      {"NOWAK", "Lukasz", "16/08/2011"},
      {"GIRARD", "Ren\xE9" "e", "02/10/2010"},  // OEM byte repaired
  };
  for (std::size_t i = 0; i < etat.comptes.size(); ++i) {
    EXPECT_EQ(etat.comptes[i].sousItems, sousItems[i]) << i;
    EXPECT_EQ(etat.comptes[i].marque, Marque::NePasChanger);
  }
  EXPECT_EQ(etat.compteurs.value().nePasChanger, 4);
  EXPECT_EQ(etat.compteurs.value().dejaBon, 0);
}

TEST_F(ChargeTest, EveryAccountOfEveryPageGetsOneRow) {
  auto& b = base(Normaux(500));
  EXPECT_EQ(ChargeUtilisateurs(b, etat, d), 0u);
  ASSERT_EQ(etat.comptes.size(), 500u);
  for (int i = 0; i < 500; ++i) EXPECT_EQ(etat.comptes[static_cast<std::size_t>(i)].login, "l" + std::to_string(i));
  EXPECT_EQ(etat.compteurs.value().nePasChanger, 500);
}

TEST_F(ChargeTest, ProgressHearsEachPageAndMayStopAfterOne) {
  auto& b = base(Normaux(500));
  test::ProgressionNotee p;
  ASSERT_EQ(ChargeUtilisateurs(b, etat, d, &p), 0u);
  ASSERT_GT(p.avances.size(), 2u);  // several pages
  EXPECT_EQ(p.avances.back(), std::make_pair(std::size_t{500}, std::size_t{500}));
  EXPECT_EQ(p.debuts + p.fins, 2);

  EtatRapprochement arrete;
  test::ProgressionNotee stop;
  stop.arretApres = 1;
  EXPECT_EQ(ChargeUtilisateurs(b, arrete, d, &stop), 0u);
  EXPECT_EQ(arrete.comptes.size(), p.avances.front().first);
}

TEST_F(ChargeTest, EmptyBaseGivesEmptyListAndNoMessage) {
  auto& b = base({});
  EXPECT_EQ(ChargeUtilisateurs(b, etat, d), 0u);
  EXPECT_TRUE(etat.comptes.empty());
  EXPECT_TRUE(d.appels.empty());
  EXPECT_EQ(etat.compteurs.value().nePasChanger, 0);
  EXPECT_EQ(etat.compteurs.value().modificationsImportantes, 0);
}

TEST_F(ChargeTest, EnumerationFailureIsToldAndEarlierRowsStay) {
  for (const std::uint32_t page : {1u, 2u, 4u}) {
    SCOPED_TRACE(page);
    DossierTemporaire dossier;
    std::string erreur;
    auto b = MagasinSqlite::OuvreOuCree(dossier.fichier("b.sqlite"), erreur);
    ASSERT_TRUE(b->ajoute(Normaux(200), erreur));
    MagasinEnPanne enPanne(*b, {{OperationPanne::Enumeration, 53, {}, page}});

    // How many accounts the pages before the failing one hold.
    std::size_t avant = 0;
    std::uint32_t reprise = 0, total = 0;
    for (std::uint32_t p = 1; p < page; ++p) {
      std::vector<CompteStocke> lus;
      b->enumere(kLongueurPreferee, lus, total, reprise);
      avant += lus.size();
    }

    EtatRapprochement e;
    DialoguesScript dd;
    EXPECT_EQ(ChargeUtilisateurs(enPanne, e, dd), 53u);
    EXPECT_EQ(e.comptes.size(), avant);
    ASSERT_EQ(dd.appels.size(), 1u);
    EXPECT_EQ(dd.appels[0].genre, DialoguesScript::Genre::Message);
    EXPECT_EQ(dd.appels[0].texte,
              "Erreur 53 en lisant la liste des comptes du serveur.\n" + MessErreur(53));
    EXPECT_EQ(e.compteurs.value().nePasChanger, static_cast<int>(avant));
  }
}

// A store that hands out pages as told, to follow TEnumUsers call by call.
class MagasinPages : public MagasinComptes {
 public:
  std::vector<std::pair<std::uint32_t, std::vector<std::string>>> reponses;
  std::size_t appels = 0;
  std::vector<std::uint32_t> reprises;

  std::uint32_t enumere(std::uint32_t longueur, std::vector<CompteStocke>& page, std::uint32_t& total,
                        std::uint32_t& reprise) override {
    EXPECT_EQ(longueur, 4096u);
    reprises.push_back(reprise);
    page.clear();
    const auto& [statut, logins] = reponses.at(appels++);
    for (const std::string& l : logins) page.push_back(test::Compte(l, "N P", "TAVO"));
    total = 99;
    reprise = static_cast<std::uint32_t>(appels);
    return statut;
  }
  std::uint32_t lit(std::string_view, CompteStocke&) override { return 2221; }
  std::uint32_t ecrit(std::string_view, const CompteStocke&) override { return 2221; }
};

TEST(TEnumUsers, FollowsTheStatusOfEachCall) {
  MagasinPages m;
  m.reponses = {{234, {"a", "b"}}, {234, {}}, {234, {"c"}}, {0, {"d"}}};
  TEnumUsers e(m);
  EXPECT_EQ(e.Ouvre(), 0u);
  std::vector<std::string> lus;
  TInfoUser info;
  std::uint32_t statut = 7;
  while (e.Suivant(info, statut)) lus.push_back(info.usri3_name.texte);
  // An empty page with 234 ends the enumeration as the loop reads it.
  EXPECT_EQ(lus, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(statut, 0u);
  EXPECT_EQ(m.reprises, (std::vector<std::uint32_t>{0, 1}));
}

TEST(TEnumUsers, FailuresGiveTheirStatus) {
  {
    MagasinPages m;
    m.reponses = {{5, {}}};
    TEnumUsers e(m);
    EXPECT_EQ(e.Ouvre(), 5u);
    TInfoUser info;
    std::uint32_t statut = 7;
    EXPECT_FALSE(e.Suivant(info, statut));
    EXPECT_EQ(m.appels, 1u);  // nothing more is asked after a failed start
  }
  {
    MagasinPages m;
    m.reponses = {{234, {"a"}}, {1722, {}}};
    TEnumUsers e(m);
    EXPECT_EQ(e.Ouvre(), 0u);
    TInfoUser info;
    std::uint32_t statut = 7;
    EXPECT_TRUE(e.Suivant(info, statut));
    EXPECT_EQ(statut, 0u);
    EXPECT_FALSE(e.Suivant(info, statut));
    EXPECT_EQ(statut, 1722u);
  }
}

// A store whose resume handle goes back to one already used would hand out the same
// pages for ever: the enumeration stops there with 1392, the rows before it stay.
TEST(TEnumUsers, AResumeHandleSeenBeforeStopsTheEnumeration) {
  struct Cas {
    std::vector<std::uint32_t> reprises;  // the handle each call answers with 234
    std::vector<std::string> lus;
  } cas[] = {
      {{0}, {}},                      // the first call does not move
      {{1, 1}, {"p1"}},               // the second call stays put
      {{1, 2, 1}, {"p1", "p2"}},      // a cycle
  };
  for (const Cas& c : cas) {
    struct Magasin : MagasinPages {
      std::vector<std::uint32_t> suite;
      std::uint32_t enumere(std::uint32_t l, std::vector<CompteStocke>& page, std::uint32_t& t,
                            std::uint32_t& reprise) override {
        const std::size_t k = appels;
        MagasinPages::enumere(l, page, t, reprise);
        reprise = suite.at(k);
        return 234;
      }
    } m;
    m.suite = c.reprises;
    for (std::size_t k = 0; k < c.reprises.size(); ++k)
      m.reponses.push_back({234, {"p" + std::to_string(k + 1)}});
    EtatRapprochement e;
    DialoguesScript dd;
    EXPECT_EQ(ChargeUtilisateurs(m, e, dd), 1392u);
    std::vector<std::string> lus;
    for (const LigneCompte& l : e.comptes) lus.push_back(l.login);
    EXPECT_EQ(lus, c.lus);
    EXPECT_EQ(m.appels, c.reprises.size());
    EXPECT_EQ(dd.textes(DialoguesScript::Genre::Message),
              std::vector<std::string>{MessageEchecEnumeration(1392)});
  }
}

TEST(InfoDepuisCompte, TheThreeFieldsOfTheLoadInCp1252) {
  CompteStocke c = test::Compte("\xC3\xA9l\xC3\xA8ve", "L\xC3\xA9vy \xE2\x80\x9A", "TAVO;\xE2\x98\x83");
  const TInfoUser i = InfoDepuisCompte(c);
  EXPECT_EQ(i.usri3_name, (ChampAnsi{false, "\xE9l\xE8ve"}));
  EXPECT_EQ(i.usri3_full_name, (ChampAnsi{false, "L\xE9vy \xE9"}));  // U+201A is the OEM é
  EXPECT_EQ(i.usri3_usr_comment, (ChampAnsi{false, "TAVO;?"}));
  c.full_name = ChampTexte{};
  EXPECT_EQ(InfoDepuisCompte(c).usri3_full_name, (ChampAnsi{true, ""}));
}

}  // namespace
}  // namespace corrinom
