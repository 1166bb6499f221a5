// "Restaurer un journal..." of the windows: asked, restored, reported, and the
// rows follow the store.
#include <gtest/gtest.h>

#include "operator/dialogues_script.h"
#include "session/journal.h"
#include "tests/session/outils.h"
#include "window/restauration_fenetre.h"

namespace corrinom {
namespace {

using test::Compte;
using test::MagasinMemoire;

TEST(Restauration, FromTheWindowAskedThenReportedAndTheRowsFollow) {
  MagasinMemoire m;
  m.comptes["a"] = Compte("a", "DUPONT-MARTIN Jean", "TAVO;;;;;;13;;01/01/2011");
  m.comptes["b"] = Compte("b", "AUTRE Paul", "TAVO;;;;;;5");
  test::Dossier d;
  std::string erreur;
  auto ecrit = JournalChangements::OuvreFichier(d.nom("run.csv"), "m", erreur);
  ASSERT_TRUE(ecrit) << erreur;
  for (const ChangementCompte& c :
       {ChangementCompte{"a", "DUPONT Jean", "TAVO;;;;;;6;;01/01/2011", "DUPONT-MARTIN Jean",
                         "TAVO;;;;;;13;;01/01/2011"},
        ChangementCompte{"b", "B Paul", "TAVO;;;;;;1", "BB Paul", "TAVO;;;;;;2"}}) {
    ASSERT_TRUE(ecrit->intention(c, erreur));
    ASSERT_TRUE(ecrit->resultat(c, 0, erreur));
  }
  EtatRapprochement etat;
  LigneCompte ligne = LigneCompte::Libre("a", "DUPONT-MARTIN", "Jean", "01/01/2011");
  AttachePersonne(ligne, "DUPONT-MARTIN", "Jean", "01/01/2011");
  ligne.marque = Marque::DejaBon;
  etat.comptes.push_back(ligne);
  etat.textesLus["a"] = TextesCompte{"DUPONT-MARTIN Jean", "TAVO;;;;;;13;;01/01/2011"};

  for (const Reponse reponse : {Reponse::Non, Reponse::Oui}) {
    DialoguesScript dialogues;
    dialogues.reponses.push_back(reponse);
    const auto propre = RestaureJournal(ecrit->chemin(), m, "m", etat, dialogues, d.nom("sien.csv"));
    const auto questions = dialogues.textes(DialoguesScript::Genre::Question);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("Comptes \xE0 restaurer (1) : a"), std::string::npos) << questions[0];
    EXPECT_NE(questions[0].find("(1) : b"), std::string::npos) << questions[0];
    EXPECT_EQ(propre.has_value(), reponse == Reponse::Oui);
  }
  EXPECT_EQ(m.comptes["a"].full_name.texte, "DUPONT Jean");
  EXPECT_EQ(etat.comptes[0].sousItems[kNomActuel], "DUPONT");
  EXPECT_EQ(etat.comptes[0].marque, Marque::ModificationImportante);  // pending again, as the store holds the old names
  EXPECT_EQ(etat.compteurs.value().modificationsImportantes, 1);
  // Writing the row again is no conflict: the load's texts follow the restore.
  EXPECT_EQ(etat.textesLus["a"], (TextesCompte{"DUPONT Jean", "TAVO;;;;;;6;;01/01/2011"}));

  // A journal of another store is refused before anything is asked.
  DialoguesScript dialogues;
  EXPECT_FALSE(RestaureJournal(ecrit->chemin(), m, "autre", etat, dialogues));
  EXPECT_EQ(dialogues.nombre(DialoguesScript::Genre::Question), 0u);
  EXPECT_EQ(dialogues.nombre(DialoguesScript::Genre::Erreur), 1u);
}

}  // namespace
}  // namespace corrinom
