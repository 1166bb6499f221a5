#include "reconcile/deplacements.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "outils.h"
#include "operator/dialogues_script.h"

namespace corrinom {
namespace {

using Genre = DialoguesScript::Genre;
using test::Attachee;
using test::Libre;
using test::NomsRebus;

const std::string kDeplacePoint = " vient d'\xEAtre d\xE9plac\xE9.";
const std::string kSupprimez = "Supprimez avant d'en placer un autre";

EtatRapprochement Depart() {
  EtatRapprochement e;
  e.comptes = {Attachee("a", "DUPONT", "Jean", "", "DUPOND", "Jean", "1"),  // red
               Libre("b", "DUPOND", "Jean"),
               Libre("c", "MARTIN", "Paul"),
               Attachee("d", "X", "Y", "", "", "Z", "4")};  // attached, no new last name
  e.rebus = {{"R1", "r", "1"}, {"R2", "r", "2"}, {"R3", "r", "3"}, {"", "vide", "5"}};
  return e;
}

TEST(AjouteEspace, Table) {
  EXPECT_EQ(AjouteEspace(""), "");
  EXPECT_EQ(AjouteEspace("DUPONT"), "DUPONT ");
  EXPECT_EQ(AjouteEspace("DUPONT "), "DUPONT ");
  EXPECT_EQ(AjouteEspace(" "), " ");
}

TEST(DragOver, AcceptedSources) {
  EXPECT_TRUE(AccepteGlisseVersComptes(ListeSource::Comptes));
  EXPECT_TRUE(AccepteGlisseVersComptes(ListeSource::Rebus));
  EXPECT_FALSE(AccepteGlisseVersComptes(ListeSource::Autre));
  EXPECT_TRUE(AccepteGlisseVersRebus(ListeSource::Comptes));
  EXPECT_FALSE(AccepteGlisseVersRebus(ListeSource::Rebus));
  EXPECT_FALSE(AccepteGlisseVersRebus(ListeSource::Autre));
}

TEST(DeposeSurCompte, AccountRowOntoFreeRow) {
  EtatRapprochement e = Depart();
  DialoguesScript d;
  EXPECT_TRUE(DeposeSurCompte(e, d, ListeSource::Comptes, 0, 1));
  EXPECT_FALSE(e.comptes[0].attachee());
  EXPECT_EQ(e.comptes[0].marque, Marque::NePasChanger);
  EXPECT_EQ(e.comptes[1].sousItems,
            (std::vector<std::string>{"DUPOND", "Jean", "", "DUPOND", "Jean", "1"}));
  EXPECT_EQ(e.comptes[1].marque, Marque::DejaBon);
  EXPECT_EQ(d.indicationCourante, "DUPOND Jean" + kDeplacePoint);
  EXPECT_EQ(e.compteurs.value().dejaBon, 1);
  EXPECT_EQ(e.indicationComptes, "Nombre de personnes : 4");
}

TEST(DeposeSurCompte, NotFoundRowOntoFreeRow) {
  EtatRapprochement e = Depart();
  DialoguesScript d;
  EXPECT_TRUE(DeposeSurCompte(e, d, ListeSource::Rebus, 1, 2));
  EXPECT_EQ(e.comptes[2].sousItem(kNouveauNom), "R2");
  EXPECT_EQ(e.comptes[2].marque, Marque::ModificationImportante);
  EXPECT_EQ(NomsRebus(e), (std::vector<std::string>{"R1/r", "R3/r", "/vide"}));
  EXPECT_EQ(d.indicationCourante, "R2 r" + kDeplacePoint);
  EXPECT_EQ(e.indicationRebus, "Nombre de personnes : 3");
}

TEST(DeposeSurCompte, IgnoredOrRefused) {
  struct Cas {
    const char* quoi;
    ListeSource source;
    std::optional<std::size_t> selection, cible;
    bool refus;  // "Supprimez avant..." shown
  } cas[] = {
      {"onto itself", ListeSource::Comptes, 0, 0, true},
      {"onto another attached row", ListeSource::Rebus, 0, 3, true},
      {"free row onto free row", ListeSource::Comptes, 1, 2, false},
      {"attached row without new name", ListeSource::Comptes, 3, 1, false},
      {"below the last row", ListeSource::Rebus, 0, std::nullopt, false},
      {"target out of range", ListeSource::Rebus, 0, 99, false},
      {"no selection", ListeSource::Rebus, std::nullopt, 1, false},
      {"selection out of range", ListeSource::Comptes, 99, 1, false},
      {"not-found row without last name", ListeSource::Rebus, 3, 1, false},
      {"foreign source", ListeSource::Autre, 0, 1, false},
  };
  for (const Cas& c : cas) {
    EtatRapprochement e = Depart();
    const EtatRapprochement avant = e;
    DialoguesScript d;
    EXPECT_FALSE(DeposeSurCompte(e, d, c.source, c.selection, c.cible)) << c.quoi;
    EXPECT_EQ(test::Logins(e), test::Logins(avant)) << c.quoi;
    for (std::size_t i = 0; i < e.comptes.size(); ++i)
      EXPECT_EQ(e.comptes[i].sousItems, avant.comptes[i].sousItems) << c.quoi;
    EXPECT_EQ(e.rebus, avant.rebus) << c.quoi;
    EXPECT_EQ(e.indicationComptes, "Aucun nom") << c.quoi;
    EXPECT_EQ(d.textes(Genre::Indication),
              c.refus ? std::vector<std::string>{kSupprimez} : std::vector<std::string>{})
        << c.quoi;
  }
}

TEST(DeposeSurNonTrouves, InsertsBeforeTheRowUnderTheDrop) {
  EtatRapprochement e = Depart();
  DialoguesScript d;
  EXPECT_TRUE(DeposeSurNonTrouves(e, d, ListeSource::Comptes, 0, 2));
  EXPECT_EQ(NomsRebus(e),
            (std::vector<std::string>{"R1/r", "R2/r", "DUPOND/Jean", "R3/r", "/vide"}));
  EXPECT_EQ(e.rebus[2].dateNaiss, "1");
  EXPECT_FALSE(e.comptes[0].attachee());
  EXPECT_EQ(e.comptes[0].marque, Marque::NePasChanger);
  EXPECT_EQ(d.indicationCourante, "DUPOND Jean vient d'\xEAtre d\xE9plac\xE9");
  EXPECT_EQ(e.compteurs.value().modificationsImportantes, 1);  // row d

  // Below the last row: appended.
  EtatRapprochement f = Depart();
  EXPECT_TRUE(DeposeSurNonTrouves(f, d, ListeSource::Comptes, 0, std::nullopt));
  EXPECT_EQ(NomsRebus(f).back(), "DUPOND/Jean");
}

TEST(DeposeSurNonTrouves, FreesARowWithoutNewNameAndDropsItsPerson) {
  EtatRapprochement e = Depart();
  DialoguesScript d;
  EXPECT_TRUE(DeposeSurNonTrouves(e, d, ListeSource::Comptes, 3, 0));
  EXPECT_FALSE(e.comptes[3].attachee());
  EXPECT_EQ(e.rebus.size(), 4u);
  EXPECT_TRUE(d.appels.empty());
  EXPECT_EQ(e.indicationRebus, "Nombre de personnes : 4");
}

TEST(DeposeSurNonTrouves, Ignored) {
  struct Cas {
    const char* quoi;
    ListeSource source;
    std::optional<std::size_t> selection;
  } cas[] = {{"from the not-found list", ListeSource::Rebus, 0},
             {"free row", ListeSource::Comptes, 1},
             {"no selection", ListeSource::Comptes, std::nullopt},
             {"selection out of range", ListeSource::Comptes, 4}};
  for (const Cas& c : cas) {
    EtatRapprochement e = Depart();
    DialoguesScript d;
    EXPECT_FALSE(DeposeSurNonTrouves(e, d, c.source, c.selection, 0)) << c.quoi;
    EXPECT_EQ(e.rebus.size(), 4u) << c.quoi;
    EXPECT_TRUE(e.comptes[0].attachee()) << c.quoi;
    EXPECT_TRUE(d.appels.empty()) << c.quoi;
  }
}

TEST(LibereCompte, DeleteSendsThePersonBack) {
  EtatRapprochement e = Depart();
  EXPECT_TRUE(LibereCompte(e, 0));
  EXPECT_FALSE(e.comptes[0].attachee());
  EXPECT_EQ(e.comptes[0].marque, Marque::NePasChanger);
  EXPECT_EQ(NomsRebus(e).back(), "DUPOND/Jean");
  EXPECT_EQ(e.compteurs.value().nePasChanger, 3);

  // A row without a new last name is freed and nothing is appended.
  EXPECT_TRUE(LibereCompte(e, 3));
  EXPECT_EQ(e.rebus.size(), 5u);

  EXPECT_FALSE(LibereCompte(e, 1));             // free row
  EXPECT_FALSE(LibereCompte(e, std::nullopt));  // no selection
  EXPECT_FALSE(LibereCompte(e, 42));            // out of range
}

}  // namespace
}  // namespace corrinom
