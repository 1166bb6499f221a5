// Undo history, the account list's filter, the emphasis of changed letters and
// the keyboard move.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "operator/dialogues_script.h"
#include "outils.h"
#include "reconcile/aides.h"
#include "reconcile/deplacements.h"
#include "reconcile/filtre.h"
#include "reconcile/historique.h"
#include "reconcile/tri.h"

namespace corrinom {
namespace {

using test::Attachee;
using test::Libre;

// Both lists as one comparable text: every row's texts and mark, in order.
std::string Listes(const EtatRapprochement& e) {
  std::string r;
  for (const LigneCompte& l : e.comptes) {
    r += l.login + "[" + std::to_string(IndexMarque(l.marque)) + "]";
    for (const std::string& s : l.sousItems) r += s + "|";
    r += "\n";
  }
  r += "--\n";
  for (const LigneRebus& l : e.rebus) r += l.nom + "|" + l.prenoms + "|" + l.dateNaiss + "\n";
  return r;
}

EtatRapprochement Depart() {
  EtatRapprochement e;
  e.comptes = {Attachee("a", "DUPONT", "Jean", "", "DUPOND", "Jean", "1"),
               Libre("b", "MARTIN", "Paul"),
               Libre("c", "PETIT", "L\xE9" "a"),
               Libre("d", "DURAND", "Eve"),
               Attachee("e", "ROUX", "Ana", "", "ROUX", "Ana")};
  e.rebus = {{"R1", "r", "1"}, {"PETIT", "Lea", "3"}, {"R3", "r", "3"}, {"DURAND", "Eve", ""}};
  return e;
}

TEST(Historique, UndoAndRedoOfEachKindOfStepRestoreBothListsExactly) {
  DialoguesScript d;
  const std::vector<std::pair<const char*, std::function<void(EtatRapprochement&)>>> pas = {
      {"person onto an account", [&](auto& e) { DeposeSurCompte(e, d, ListeSource::Rebus, 2, 1); }},
      {"account onto a person", [&](auto& e) { DeposeSurNonTrouves(e, d, ListeSource::Comptes, 0, 1); }},
      {"account onto account", [&](auto& e) { DeposeSurCompte(e, d, ListeSource::Comptes, 0, 3); }},
      {"delete", [&](auto& e) { LibereCompte(e, 4); }},
      {"aid", [&](auto& e) { RapprocheNomPrenom(e, d); }},
      {"new file", [&](auto& e) {
         e.rebus = {{"NEUF", "n", ""}};
         DetachePersonne(e.comptes[0]);
         MarqueLigne(e.comptes[0]);
       }},
  };
  for (const auto& [nom, operation] : pas) {
    SCOPED_TRACE(nom);
    EtatRapprochement e = Depart();
    Historique h;
    const std::string avant = Listes(e);
    EnregistrePas(h, e, nom, [&] { operation(e); });
    const std::string apres = Listes(e);
    ASSERT_NE(avant, apres);
    ASSERT_EQ(h.Annule(e)->nom, nom);
    EXPECT_EQ(Listes(e), avant);
    ASSERT_EQ(h.Retablit(e)->nom, nom);
    EXPECT_EQ(Listes(e), apres);
    EXPECT_FALSE(h.Retablit(e));
  }
}

TEST(Historique, SortsAfterAStepAreUndoneWithItAndRedoneAfterIt) {
  EtatRapprochement e = Depart();
  DialoguesScript d;
  Historique h;
  const std::string avant = Listes(e);
  EnregistrePas(h, e, "aide", [&] { RapprocheNomPrenom(e, d); });
  std::vector<std::uint32_t> ordre;
  for (int colonne : {1, 0, 4}) {
    TrieComptesParColonne(e, d, colonne, &ordre);
    h.Reordonne(ListeTriee::Comptes, ordre);
  }
  TrieRebusParColonne(e, d, 1, &ordre);
  h.Reordonne(ListeTriee::Rebus, ordre);
  const std::string trie = Listes(e);
  h.Annule(e);
  EXPECT_EQ(Listes(e), avant);
  h.Retablit(e);
  EXPECT_EQ(Listes(e), trie);

  // A sort after an undo ends what could be redone.
  h.Annule(e);
  TrieComptesParColonne(e, d, 1, &ordre);
  h.Reordonne(ListeTriee::Comptes, ordre);
  EXPECT_FALSE(h.PeutRetablir());
}

TEST(Historique, KeepsChangedStepsOnlyAtMostAHundredAndForgetsOnWrite) {
  EtatRapprochement e = Depart();
  DialoguesScript d;
  Historique h;
  EXPECT_FALSE(EnregistrePas(h, e, "rien", [&] { return LibereCompte(e, 1); }));
  EXPECT_FALSE(h.PeutAnnuler());

  for (int i = 0; i < 120; ++i) {
    EnregistrePas(h, e, "va", [&] { DeposeSurCompte(e, d, ListeSource::Rebus, 0, 1); });
    EnregistrePas(h, e, "vient", [&] { LibereCompte(e, 1); });
  }
  EXPECT_EQ(h.NombrePas(), Historique::kPasMaximum);
  h.Annule(e);
  EnregistrePas(h, e, "autre", [&] { LibereCompte(e, 0); });
  EXPECT_FALSE(h.PeutRetablir());  // a new step ends what could be redone
  h.Efface();
  EXPECT_FALSE(h.Annule(e));
  EXPECT_EQ(h.Octets(), 0u);
}

TEST(Historique, OpeningCarriesTheFileNameBoxBothWays) {
  EtatRapprochement e = Depart();
  Historique h;
  h.Commence(e);
  e.rebus.clear();
  ASSERT_TRUE(h.Termine(e, NomPasOuverture("/home/prof/eleves.xml"), "ancien.txt",
                        "/home/prof/eleves.xml"));
  const auto annule = h.Annule(e);
  EXPECT_EQ(annule->nom, "ouverture de eleves.xml");
  EXPECT_EQ(annule->fichier, "ancien.txt");
  EXPECT_EQ(h.Retablit(e)->fichier, "/home/prof/eleves.xml");
}

TEST(NomsDesPas, Texts) {
  EXPECT_EQ(NomPasOuverture("C:\\Eleves\\ExportXML.xml"), "ouverture de ExportXML.xml");
  EXPECT_EQ(NomPasDeplacement("DUPONT", "Jean Marc"), "d\xE9placement de DUPONT Jean Marc");
  EXPECT_EQ(NomPasLiberation("jdupont"), "lib\xE9ration du compte jdupont");
  EXPECT_EQ(TexteAnnule(kPasRapprochementRessemblance), "Annul\xE9 : rapprochement par ressemblance");
  EXPECT_EQ(TexteRetabli("x"), "R\xE9tabli : x");
}

TEST(Filtre, SearchFoldsCaseAndAccentsOverLoginAndNames) {
  const EtatRapprochement e = Depart();
  const struct {
    std::string recherche;
    ChoixMarques marques;
    std::vector<std::size_t> visibles;
  } cas[] = {
      {"", ChoixMarques::Tous, {0, 1, 2, 3, 4}},
      {"lea", ChoixMarques::Tous, {2}},        // current first names "Léa"
      {"DUPOND", ChoixMarques::Tous, {0}},     // new last name
      {"dupon", ChoixMarques::Tous, {0}},
      {"E", ChoixMarques::Tous, {0, 2, 3, 4}}, // login "e" and names
      {"\xC9VE", ChoixMarques::Tous, {3}},     // "ÉVE" folds to EVE
      {"tdu", ChoixMarques::Tous, {}},         // never across two fields
      {"", ChoixMarques::NePasChanger, {1, 2, 3}},
      {"", ChoixMarques::DejaBons, {4}},
      {"", ChoixMarques::Mineures, {}},
      {"", ChoixMarques::Importantes, {0}},
      {"", ChoixMarques::AFaire, {0}},
      {"u", ChoixMarques::NePasChanger, {1, 3}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.recherche + "/" + std::to_string(static_cast<int>(c.marques)));
    EXPECT_EQ(LignesVisibles(e, {c.recherche, c.marques}), c.visibles);
  }
  EXPECT_TRUE(MarqueRetenue(ChoixMarques::AFaire, Marque::ModificationMineure));
}

TEST(PlaceSurCompteSelectionne, IsExactlyADropOfThePersonOnTheRow) {
  for (const std::size_t cible : {std::size_t{1}, std::size_t{0}}) {  // free, attached
    SCOPED_TRACE(cible);
    EtatRapprochement parClavier = Depart(), parSouris = Depart();
    DialoguesScript d1, d2;
    EXPECT_EQ(PlaceSurCompteSelectionne(parClavier, d1, 1, cible),
              DeposeSurCompte(parSouris, d2, ListeSource::Rebus, 1, cible));
    EXPECT_EQ(Listes(parClavier), Listes(parSouris));
    EXPECT_EQ(d1.indicationCourante, d2.indicationCourante);
    EXPECT_FALSE(d1.indicationCourante.empty());
  }
  EXPECT_FALSE(PlacementPossible(0, std::nullopt));
  EXPECT_FALSE(PlacementPossible(std::nullopt, 0));
}

}  // namespace
}  // namespace corrinom
