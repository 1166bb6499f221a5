#include "reconcile/marques.h"

#include <gtest/gtest.h>

#include <string>

#include "outils.h"

namespace corrinom {
namespace {

using test::Attachee;
using test::Libre;

TEST(CompareNoms, Table) {
  struct Cas {
    const char* a;
    const char* b;
    int attendu;
  } cas[] = {
      {"", "", 0},
      {"", "A", -1},
      {"A", "", -1},
      {"DUPONT", "DUPONT", 0},
      {"Dupont", "DUPONT", 1},
      {"dUpOnT", "DuPoNt", 1},
      {"DUPONT", "DUPONTE", -1},
      {"\xC9lodie", "\xE9lodie", -1},  // É and é are different bytes
      {"Jean-Marc", "JEAN-MARC", 1},
      {"Jean Marc", "Jean  Marc", -1},
  };
  for (const Cas& c : cas) EXPECT_EQ(CompareNoms(c.a, c.b), c.attendu) << c.a << " / " << c.b;
}

TEST(MarqueLigne, Table) {
  struct Cas {
    const char* nom;
    const char* prenoms;
    const char* nouveauNom;
    const char* nouveauxPrenoms;
    int attendue;
  } cas[] = {
      {"DUPONT", "JEAN", "DUPONT", "Jean", kMarqueRose},
      {"DUPONT", "Jean", "DUPONT", "Jean", kMarqueVert},
      {"DUPONT", "Jean", "DUPONTE", "Jean", kMarqueRouge},
      {"Dupont", "Jean", "DUPONT", "Jean", kMarqueRose},
      {"Dupont", "Jean", "DUPONT", "JEAN", kMarqueRose},
      {"Dupont", "Jean", "DUPONT", "Jeanne", kMarqueRouge},
      {"DUPONT", "Helene", "DUPONT", "H\xE9l\xE8ne", kMarqueRouge},
      {"DUPONT", "H\xC9L\xC8NE", "DUPONT", "h\xE9l\xE8ne", kMarqueRouge},
      {"DUPONT", "Jean Marc", "DUPONT", "Jean  Marc", kMarqueRouge},
      {"DUPONT", "Jean Marc", "DUPONT", "Jean Marc ", kMarqueRouge},
      {"", "", "", "", kMarqueVert},
  };
  for (const Cas& c : cas) {
    LigneCompte l = Attachee("x", c.nom, c.prenoms, "01/01/2000", c.nouveauNom,
                             c.nouveauxPrenoms, "02/02/2002");
    MarqueLigne(l);
    EXPECT_EQ(l.marque, c.attendue) << c.nom << " " << c.prenoms << " -> " << c.nouveauNom << " "
                                    << c.nouveauxPrenoms;
  }
}

TEST(MarqueLigne, FreeRowIsGreyWhateverItHeldBefore) {
  LigneCompte l = Attachee("x", "A", "B", "", "C", "D");
  ASSERT_EQ(l.marque, kMarqueRouge);
  DetachePersonne(l);
  MarqueLigne(l);
  EXPECT_EQ(l.marque, kMarqueGris);
  EXPECT_EQ(l.sousItems.size(), kSousItemsLibre);
}

TEST(Pluriel, SingularUpToOne) {
  EXPECT_EQ(Pluriel(-1), "");
  EXPECT_EQ(Pluriel(0), "");
  EXPECT_EQ(Pluriel(1), "");
  EXPECT_EQ(Pluriel(2), "s");
  EXPECT_EQ(Pluriel(1000000), "s");
}

TEST(AfficheResume, CounterTexts) {
  EtatRapprochement e;
  EXPECT_EQ(e.LabelRienAFaire, "0");
  EXPECT_EQ(e.LabelDejaBon, "0");
  EXPECT_EQ(e.LabelAFaireMineur, "0");
  EXPECT_EQ(e.LabelAFaire, "0");

  AfficheResume(e);
  EXPECT_EQ(e.LabelRienAFaire, "0 compte \xE0 ne pas changer");
  EXPECT_EQ(e.LabelDejaBon, "0 compte d\xE9j\xE0 bon");
  EXPECT_EQ(e.LabelAFaireMineur, "0 modification mineure");
  EXPECT_EQ(e.LabelAFaire, "0 modification importante");

  e.comptes = {Libre("a", "A", "B"), Libre("b", "A", "B"),
               Attachee("c", "A", "B", "", "A", "B"),
               Attachee("d", "A", "B", "", "A", "b"), Attachee("e", "A", "B", "", "a", "B"),
               Attachee("f", "A", "B", "", "X", "B")};
  AfficheResume(e);
  EXPECT_EQ(e.LabelRienAFaire, "2 comptes \xE0 ne pas changer");
  EXPECT_EQ(e.LabelDejaBon, "1 compte d\xE9j\xE0 bon");
  EXPECT_EQ(e.LabelAFaireMineur, "2 modifications mineures");
  EXPECT_EQ(e.LabelAFaire, "1 modification importante");

  // A mark outside 0..3 is counted nowhere.
  e.comptes.assign(3, Attachee("g", "A", "B", "", "A", "B"));
  e.comptes[2].marque = 7;
  AfficheResume(e);
  EXPECT_EQ(e.LabelDejaBon, "2 comptes d\xE9j\xE0 bons");
  EXPECT_EQ(e.LabelRienAFaire, "0 compte \xE0 ne pas changer");
}

TEST(AfficheNombres, ListHints) {
  EtatRapprochement e;
  EXPECT_EQ(e.indicationComptes, "Aucun nom");
  EXPECT_EQ(e.indicationRebus, "");
  AfficheNombres(e);
  EXPECT_EQ(e.indicationComptes, "Nombre de personnes : 0");
  EXPECT_EQ(e.indicationRebus, "Nombre de personnes : 0");
  e.comptes.assign(12, Libre("a", "A", "B"));
  e.rebus.assign(3, LigneRebus{"A", "B", ""});
  AfficheNombres(e);
  EXPECT_EQ(e.indicationComptes, "Nombre de personnes : 12");
  EXPECT_EQ(e.indicationRebus, "Nombre de personnes : 3");
}

}  // namespace
}  // namespace corrinom
