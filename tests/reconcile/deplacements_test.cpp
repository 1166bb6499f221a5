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
  EXPECT_TRUE(ListViewUsersDragOver(ListeSource::Comptes));
  EXPECT_TRUE(ListViewUsersDragOver(ListeSource::Rebus));
  EXPECT_FALSE(ListViewUsersDragOver(ListeSource::Autre));
  EXPECT_TRUE(ListViewRebusDragOver(ListeSource::Comptes));
  EXPECT_FALSE(ListViewRebusDragOver(ListeSource::Rebus));
  EXPECT_FALSE(ListViewRebusDragOver(ListeSource::Autre));
}

TEST(ListViewUsersDragDrop, AccountRowOntoFreeRow) {
  EtatRapprochement e = Depart();
  DialoguesScript d;
  EXPECT_TRUE(ListViewUsersDragDrop(e, d, ListeSource::Comptes, 0, 1));
  EXPECT_FALSE(e.comptes[0].attachee());
  EXPECT_EQ(e.comptes[0].marque, kMarqueGris);
  EXPECT_EQ(e.comptes[1].sousItems,
            (std::vector<std::string>{"DUPOND", "Jean", "", "DUPOND", "Jean", "1"}));
  EXPECT_EQ(e.comptes[1].marque, kMarqueVert);
  EXPECT_EQ(d.indicationCourante, "DUPOND Jean" + kDeplacePoint);
  EXPECT_EQ(e.LabelDejaBon, "1 compte d\xE9j\xE0 bon");
  EXPECT_EQ(e.indicationComptes, "Nombre de personnes : 4");
}

TEST(ListViewUsersDragDrop, NotFoundRowOntoFreeRow) {
  EtatRapprochement e = Depart();
  DialoguesScript d;
  EXPECT_TRUE(ListViewUsersDragDrop(e, d, ListeSource::Rebus, 1, 2));
  EXPECT_EQ(e.comptes[2].sousItem(kNouveauNom), "R2");
  EXPECT_EQ(e.comptes[2].marque, kMarqueRouge);
  EXPECT_EQ(NomsRebus(e), (std::vector<std::string>{"R1/r", "R3/r", "/vide"}));
  EXPECT_EQ(d.indicationCourante, "R2 r" + kDeplacePoint);
  EXPECT_EQ(e.indicationRebus, "Nombre de personnes : 3");
}

TEST(ListViewUsersDragDrop, IgnoredOrRefused) {
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
    EXPECT_FALSE(ListViewUsersDragDrop(e, d, c.source, c.selection, c.cible)) << c.quoi;
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

TEST(ListViewRebusDragDrop, InsertsBeforeTheRowUnderTheDrop) {
  EtatRapprochement e = Depart();
  DialoguesScript d;
  EXPECT_TRUE(ListViewRebusDragDrop(e, d, ListeSource::Comptes, 0, 2));
  EXPECT_EQ(NomsRebus(e),
            (std::vector<std::string>{"R1/r", "R2/r", "DUPOND/Jean", "R3/r", "/vide"}));
  EXPECT_EQ(e.rebus[2].dateNaiss, "1");
  EXPECT_FALSE(e.comptes[0].attachee());
  EXPECT_EQ(e.comptes[0].marque, kMarqueGris);
  EXPECT_EQ(d.indicationCourante, "DUPOND Jean vient d'\xEAtre d\xE9plac\xE9");
  EXPECT_EQ(e.LabelAFaire, "1 modification importante");  // row d

  // Below the last row: appended.
  EtatRapprochement f = Depart();
  EXPECT_TRUE(ListViewRebusDragDrop(f, d, ListeSource::Comptes, 0, std::nullopt));
  EXPECT_EQ(NomsRebus(f).back(), "DUPOND/Jean");
}

TEST(ListViewRebusDragDrop, FreesARowWithoutNewNameAndDropsItsPerson) {
  EtatRapprochement e = Depart();
  DialoguesScript d;
  EXPECT_TRUE(ListViewRebusDragDrop(e, d, ListeSource::Comptes, 3, 0));
  EXPECT_FALSE(e.comptes[3].attachee());
  EXPECT_EQ(e.rebus.size(), 4u);
  EXPECT_TRUE(d.appels.empty());
  EXPECT_EQ(e.indicationRebus, "Nombre de personnes : 4");
}

TEST(ListViewRebusDragDrop, Ignored) {
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
    EXPECT_FALSE(ListViewRebusDragDrop(e, d, c.source, c.selection, 0)) << c.quoi;
    EXPECT_EQ(e.rebus.size(), 4u) << c.quoi;
    EXPECT_TRUE(e.comptes[0].attachee()) << c.quoi;
    EXPECT_TRUE(d.appels.empty()) << c.quoi;
  }
}

TEST(ListViewUsersKeyDown, DeleteSendsThePersonBack) {
  EtatRapprochement e = Depart();
  EXPECT_TRUE(ListViewUsersKeyDown(e, kToucheSuppr, 0));
  EXPECT_FALSE(e.comptes[0].attachee());
  EXPECT_EQ(e.comptes[0].marque, kMarqueGris);
  EXPECT_EQ(NomsRebus(e).back(), "DUPOND/Jean");
  EXPECT_EQ(e.LabelRienAFaire, "3 comptes \xE0 ne pas changer");

  // A row without a new last name is freed and nothing is appended.
  EXPECT_TRUE(ListViewUsersKeyDown(e, kToucheSuppr, 3));
  EXPECT_EQ(e.rebus.size(), 5u);

  EXPECT_FALSE(ListViewUsersKeyDown(e, kToucheSuppr, 1));             // free row
  EXPECT_FALSE(ListViewUsersKeyDown(e, kToucheSuppr, std::nullopt));  // no selection
  EXPECT_FALSE(ListViewUsersKeyDown(e, kToucheSuppr, 42));            // out of range
  EtatRapprochement f = Depart();
  EXPECT_FALSE(ListViewUsersKeyDown(f, 8, 0));  // Backspace does nothing
  EXPECT_TRUE(f.comptes[0].attachee());
}

}  // namespace
}  // namespace corrinom
