// Start-up as the window and corrinom-cli run it.
#include <gtest/gtest.h>

#include <filesystem>

#include "accounts/security/services_securite_double.h"
#include "accounts/store/base_demo.h"
#include "accounts/store/magasin_en_panne.h"
#include "accounts/store/magasin_sqlite.h"
#include "accounts/tsv_comptes.h"
#include "operator/dialogues_script.h"
#include "session/demarrage.h"
#include "session/ecriture.h"
#include "tests/accounts/outils_test.h"
#include "text/erreurs.h"

namespace corrinom {
namespace {

using Issue = Demarrage::Issue;
using Genre = DialoguesScript::Genre;

class DemarrageTest : public ::testing::Test {
 protected:
  Demarrage demarre(const ChoixMagasin& choix) {
    return Demarre(choix, etat, d, services, plateforme);
  }
  ChoixMagasin base(const std::string& chemin) {
    ChoixMagasin c;
    c.sorte = ChoixMagasin::Sorte::Base;
    c.fichier = chemin;
    return c;
  }
  std::string creeBase(const std::vector<CompteBase>& comptes) {
    const std::string chemin = dossier.fichier("comptes.sqlite");
    std::string erreur;
    auto b = MagasinSqlite::OuvreOuCree(chemin, erreur);
    EXPECT_TRUE(b && b->ajoute(comptes, erreur)) << erreur;
    return chemin;
  }

  test::DossierTemporaire dossier;
  EtatRapprochement etat;
  DialoguesScript d;
  ServicesSecuriteDouble services;
  PlateformeSysteme plateforme;
};

TEST_F(DemarrageTest, DemoListsItsTavoAccountsInAFreshCopy) {
  ChoixMagasin demo;
  demo.sorte = ChoixMagasin::Sorte::Demo;
  std::string chemin;
  {
    Demarrage r = demarre(demo);
    EXPECT_EQ(r.issue, Issue::Ok);
    EXPECT_EQ(r.magasin.nomAffiche, "Base de d\xE9monstration");
    EXPECT_TRUE(d.appels.empty());
    ASSERT_EQ(etat.comptes.size(), 43u);
    EXPECT_EQ(etat.comptes.front().login, "dupont.j");
    EXPECT_EQ(etat.compteurs.value().nePasChanger, 43);
    // The copy is a base of its own: writing to it leaves the built-in data alone.
    DialoguesScript dd;
    std::string erreur;
    auto journal = JournalChangements::OuvreFichier(dossier.fichier("journal.csv"), "demo", erreur);
    ASSERT_TRUE(journal) << erreur;
    ASSERT_TRUE(ModifieCompte(*r.magasin.magasin, "dupont.j", "DUPONTEL", "Jean", dd, *journal));
  }
  EtatRapprochement encore;
  DialoguesScript d2;
  Demarrage r2 = Demarre(demo, encore, d2, services, plateforme);
  EXPECT_EQ(encore.comptes.front().sousItem(kNomActuel), "DUPONT");

  std::vector<CompteBase> donnees;
  std::string erreur;
  ASSERT_TRUE(ImporteTsv(DonneesDemo(), donnees, erreur)) << erreur;
  EXPECT_EQ(donnees.size(), 54u);
}

TEST_F(DemarrageTest, BaseShowsItsFileName) {
  const std::string chemin = creeBase({{test::Compte("a", "A Anne", test::Tavo(1, "")), SorteCompte::Normal}});
  Demarrage r = demarre(base(chemin));
  EXPECT_EQ(r.issue, Issue::Ok);
  EXPECT_EQ(r.magasin.nomAffiche, "comptes.sqlite");
  EXPECT_EQ(etat.comptes.size(), 1u);
}

TEST_F(DemarrageTest, StoreNotOpenedIsToldAndTheListStaysEmpty) {
  Demarrage r = demarre(base(dossier.fichier("absente.sqlite")));
  EXPECT_EQ(r.issue, Issue::MagasinNonOuvert);
  EXPECT_FALSE(r.magasin.magasin);
  ASSERT_EQ(d.appels.size(), 1u);
  EXPECT_EQ(d.appels[0].genre, Genre::Message);
  EXPECT_EQ(d.appels[0].texte, r.magasin.erreur);
  EXPECT_NE(r.magasin.erreur.find("absente.sqlite"), std::string::npos);
  EXPECT_TRUE(etat.comptes.empty());
  EXPECT_EQ(etat.compteurs.value().nePasChanger, 0);
}

TEST_F(DemarrageTest, MissingGroupStopsBeforeTheStore) {
  services.echecsNom = {{"Tout le monde", 1332}};
  const std::string chemin = creeBase({{test::Compte("a", "A Anne", "TAVO"), SorteCompte::Normal}});
  Demarrage r = demarre(base(chemin));
  EXPECT_EQ(r.issue, Issue::ArretSecurite);
  EXPECT_FALSE(r.magasin.magasin);
  ASSERT_EQ(d.appels.size(), 1u);
  EXPECT_EQ(d.appels[0].titre, "ERREUR");
  EXPECT_EQ(d.appels[0].texte, "Impossible de trouver les groupes.\nSid non trouv\xE9 pour\n"
                               "le groupe Tout le monde" + MessErreur(1332));
  EXPECT_TRUE(etat.comptes.empty());
}

TEST_F(DemarrageTest, EnumerationFailureKeepsTheStoreOpen) {
  const std::string chemin = creeBase({{test::Compte("a", "A Anne", "TAVO"), SorteCompte::Normal}});
  {
    std::string erreur;
    ASSERT_TRUE(AjoutePanne(FichierPannes(chemin), {OperationPanne::Enumeration, 1722, {}, {}}, erreur));
  }
  Demarrage r = demarre(base(chemin));
  EXPECT_EQ(r.issue, Issue::EchecEnumeration);
  EXPECT_EQ(r.statutEnumeration, 1722u);
  EXPECT_TRUE(r.magasin.magasin);
  ASSERT_EQ(d.appels.size(), 1u);
  EXPECT_EQ(d.appels[0].texte.substr(0, 11), "Erreur 1722");
}

TEST_F(DemarrageTest, Nt4WithoutControllerWarnsThenGoesOn) {
  plateforme.version = {true, 4, 0};
  const std::string chemin = creeBase({{test::Compte("a", "A Anne", "TAVO"), SorteCompte::Normal}});
  Demarrage r = demarre(base(chemin));
  EXPECT_EQ(r.issue, Issue::Ok);
  EXPECT_EQ(r.serveurComptes, "");
  ASSERT_EQ(d.appels.size(), 1u);
  EXPECT_EQ(d.appels[0].titre, "Information");
  EXPECT_EQ(etat.comptes.size(), 1u);
}

TEST_F(DemarrageTest, Nt4ControllerIsWhereTheSystemStoreReads) {
  plateforme.version = {true, 4, 0};
  plateforme.netGetDCName = [] { return std::optional<std::string>("\\\\PDC"); };
  const std::string chemin = creeBase({{test::Compte("a", "A Anne", "TAVO"), SorteCompte::Normal}});
  Demarrage r = demarre(base(chemin));
  EXPECT_EQ(r.serveurComptes, "\\\\PDC");
  EXPECT_TRUE(d.appels.empty());
  EXPECT_EQ(etat.comptes.size(), 1u);

  const struct {
    ChoixMagasin::Sorte sorte;
    const char* serveur;      // named by the operator
    const char* controleur;   // found at start-up
    const char* attendu;
  } cas[] = {
      {ChoixMagasin::Sorte::Systeme, "", "\\\\PDC", "\\\\PDC"},
      {ChoixMagasin::Sorte::Systeme, "autre", "\\\\PDC", "autre"},
      {ChoixMagasin::Sorte::Systeme, "", "", ""},
      {ChoixMagasin::Sorte::Base, "", "\\\\PDC", ""},
      {ChoixMagasin::Sorte::Demo, "", "\\\\PDC", ""},
  };
  for (const auto& c : cas) {
    ChoixMagasin choix;
    choix.sorte = c.sorte;
    choix.serveur = c.serveur;
    choix.fichier = "f.sqlite";
    const ChoixMagasin effectif = ChoixAvecServeurComptes(choix, c.controleur);
    EXPECT_EQ(effectif.serveur, c.attendu) << c.serveur << " / " << c.controleur;
    EXPECT_EQ(effectif.fichier, "f.sqlite");
    EXPECT_EQ(effectif.sorte, c.sorte);
  }
}

}  // namespace
}  // namespace corrinom
