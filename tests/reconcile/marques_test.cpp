#include "reconcile/marques.h"

#include "reconcile/marque_compte.h"

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
    Marque attendue;
  } cas[] = {
      {"DUPONT", "JEAN", "DUPONT", "Jean", Marque::ModificationMineure},
      {"DUPONT", "Jean", "DUPONT", "Jean", Marque::DejaBon},
      {"DUPONT", "Jean", "DUPONTE", "Jean", Marque::ModificationImportante},
      {"Dupont", "Jean", "DUPONT", "Jean", Marque::ModificationMineure},
      {"Dupont", "Jean", "DUPONT", "JEAN", Marque::ModificationMineure},
      {"Dupont", "Jean", "DUPONT", "Jeanne", Marque::ModificationImportante},
      {"DUPONT", "Helene", "DUPONT", "H\xE9l\xE8ne", Marque::ModificationImportante},
      {"DUPONT", "H\xC9L\xC8NE", "DUPONT", "h\xE9l\xE8ne", Marque::ModificationImportante},
      {"DUPONT", "Jean Marc", "DUPONT", "Jean  Marc", Marque::ModificationImportante},
      {"DUPONT", "Jean Marc", "DUPONT", "Jean Marc ", Marque::ModificationImportante},
      {"", "", "", "", Marque::DejaBon},
  };
  for (const Cas& c : cas) {
    LigneCompte l = Attachee("x", c.nom, c.prenoms, "01/01/2000", c.nouveauNom,
                             c.nouveauxPrenoms, "02/02/2002");
    MarqueLigne(l);
    EXPECT_EQ(l.marque, c.attendue) << c.nom << " " << c.prenoms << " -> " << c.nouveauNom << " "
                                    << c.nouveauxPrenoms;
  }
}

// With what the account holds (UTF-8, as the store gives it), the mark says
// whether a write would change it; the cleaned columns no longer decide alone.
TEST(MarqueLigne, ByWhatTheAccountHolds) {
  struct Cas {
    const char* nomComplet;   // held by the account
    const char* commentaire;  // held by the account
    const char* nom;          // columns: current (cleaned)
    const char* nouveauNom;
    Marque attendue;
  } cas[] = {
      // The columns differ (the apostrophe is cleaned away), the account is right.
      {"N'DIAYE Aminata", "TAVO;E;;;;;7;;19/04/2012", "NDIAYE", "N'DIAYE", Marque::DejaBon},
      // The columns agree, but the write would change the account.
      {"NDIAYE Aminata", "TAVO;E;;;;;7;;19/04/2012", "NDIAYE", "NDIAYE", Marque::ModificationMineure},
      {"N'DIAYE Aminata", "TAVO;E;;;;;7;;19/04/2012", "NDIAYE", "NDIAYE", Marque::ModificationImportante},
      {"Ndiaye Aminata", "TAVO;E;;;;;6;;19/04/2012", "NDIAYE", "NDIAYE", Marque::ModificationMineure},
      {"N\xC3\xA9RON Aminata", "TAVO;E;;;;;5;;", "N\xE9RON", "N\xE9RON", Marque::DejaBon},
      // A letter CP1252 lacks is read as its base letter: no change, the account keeps it.
      {"\xC5\x81ODZ Aminata", "TAVO;E;;;;;4;;", "LODZ", "LODZ", Marque::DejaBon},
      // Pink and red keep their rules when something would change.
      {"N'DIAYE Aminata", "TAVO;E;;;;;7;;19/04/2012", "NDIAYE", "N'DIAYES", Marque::ModificationImportante},
      {"NDIAYE Aminata", "TAVO;E;;;;;6;;19/04/2012", "NDIAYE", "Ndiaye", Marque::ModificationMineure},
      // A comment without field 7 is written back unchanged.
      {"DUPONT Aminata", "", "DUPONT", "DUPONT", Marque::DejaBon},
  };
  for (const Cas& c : cas) {
    EtatRapprochement etat;
    etat.comptes.push_back(Attachee("x", c.nom, "Aminata", "", c.nouveauNom, "Aminata"));
    etat.loginsMagasin.retiens("x", "x");
    etat.textesLus["x"] = TextesCompte{c.nomComplet, c.commentaire};
    MarqueLigne(etat, etat.comptes[0]);
    EXPECT_EQ(etat.comptes[0].marque, c.attendue) << c.nomComplet << " -> " << c.nouveauNom;
  }
}

TEST(MarqueLigne, FreeRowIsGreyWhateverItHeldBefore) {
  LigneCompte l = Attachee("x", "A", "B", "", "C", "D");
  ASSERT_EQ(l.marque, Marque::ModificationImportante);
  DetachePersonne(l);
  MarqueLigne(l);
  EXPECT_EQ(l.marque, Marque::NePasChanger);
  EXPECT_EQ(l.sousItems.size(), kSousItemsLibre);
}

TEST(Pluriel, SingularUpToOne) {
  EXPECT_EQ(Pluriel(-1), "");
  EXPECT_EQ(Pluriel(0), "");
  EXPECT_EQ(Pluriel(1), "");
  EXPECT_EQ(Pluriel(2), "s");
  EXPECT_EQ(Pluriel(1000000), "s");
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
