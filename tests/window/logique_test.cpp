// The main window's logic without a toolkit: the re-entry guard, what is redrawn,
// the selection through a sort, the focus hints.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <stdexcept>

#include "operator/dialogues_script.h"
#include "reconcile/etat.h"
#include "reconcile/marques.h"
#include "window/accessibilite.h"
#include "window/logique_fenetre.h"
#include "window/magasin_vide.h"

namespace corrinom::fenetre {
namespace {

using Genre = DialoguesScript::Genre;

// The shell as the logic sees it: a selection per list, and a record of what it was asked.
struct VueTest : VueFenetre {
  const EtatRapprochement* etat = nullptr;
  Selections selection;
  std::vector<std::pair<Redessin, Selections>> dessins;
  std::vector<std::pair<std::string, bool>> activations;
  int aides = 0;
  std::vector<std::vector<LigneChangement>> listes;  // each change list shown
  std::string magasinListe;
  std::function<void()> pendantListe;

  std::optional<std::size_t> LigneSelectionnee(ListeSource l) const override {
    if (l == ListeSource::Comptes) return selection.comptes;
    if (l == ListeSource::Rebus) return selection.rebus;
    return std::nullopt;
  }
  void Redessine(Redessin quoi, const Selections& s) override {
    dessins.emplace_back(quoi, s);
    selection = s;
    if (selection.comptes >= etat->comptes.size()) selection.comptes.reset();
    if (selection.rebus >= etat->rebus.size()) selection.rebus.reset();
  }
  void MontreTexte(std::string_view, std::string_view) override {}
  void ActiveControle(std::string_view nom, bool actif) override { activations.emplace_back(nom, actif); }
  void MontreAide() override { ++aides; }
  void MontreChangements(const std::vector<LigneChangement>& lignes, std::string_view magasin) override {
    listes.push_back(lignes);
    magasinListe = magasin;
    if (pendantListe) pendantListe();
  }
};

// Whatever a question's answer, something else happens first; and after an error box.
struct DialoguesPiege : DialoguesScript {
  std::function<void()> pendantQuestion, pendantErreur;
  void erreur(std::string_view texte, std::string_view titre) override {
    DialoguesScript::erreur(texte, titre);
    if (pendantErreur) pendantErreur();
  }
  Reponse question(std::string_view titre, std::string_view texte, Icone icone, Reponse parDefaut) override {
    Reponse r = DialoguesScript::question(titre, texte, icone, parDefaut);
    if (pendantQuestion) pendantQuestion();
    return r;
  }
};

struct Banc {
  EtatRapprochement etat;
  MagasinVide magasin;
  DialoguesPiege dialogues;
  VueTest vue;
  LogiqueFenetre logique{etat, magasin, dialogues, vue};

  Banc() {
    vue.etat = &etat;
    etat.comptes = {LigneCompte::Libre("dupontj", "DUPONT", "Jean", "01/02/2003"),
                    LigneCompte::Libre("martinl", "MARTIN", "L\xE9" "a", "03/04/2004"),
                    LigneCompte::Libre("bernardp", "BERNARD", "Paul", "05/06/2005"),
                    LigneCompte::Libre("petitc", "PETIT", "Claire", "07/08/2006")};
  }
  // Row i red (pending), and a not-found person the birth-date aid asks about.
  void AvecQuestions() {
    AttachePersonne(etat.comptes[0], "DUPOND", "Jean", "01/02/2003");
    MarqueLigne(etat.comptes[0]);
    etat.rebus.push_back({"MARTIN", "L\xE9" "a Marie", "03/04/2004"});
  }
};

TEST(LogiqueFenetre, SelectionSuitSaLigneAuTri) {
  Banc b;
  b.etat.rebus = {{"ZOLA", "Emile", ""}, {"ADAM", "Eve", ""}};
  b.vue.selection = {1, 0};  // martinl, ZOLA
  b.logique.ListViewUsersColumnClick(1);  // by current last name
  EXPECT_EQ(b.etat.comptes[2].login, "martinl");
  ASSERT_EQ(b.vue.dessins.size(), 1u);
  EXPECT_EQ(b.vue.dessins[0], (std::pair{Redessin::LignesComptes, Selections{2, 0}}));
  b.logique.ListViewRebusColumnClick(0);
  EXPECT_EQ(b.vue.dessins.back(), (std::pair{Redessin::LignesRebus, Selections{2, 1}}));
  // Nothing selected stays so.
  b.vue.selection = {};
  b.logique.ListViewUsersColumnClick(0);
  EXPECT_EQ(b.vue.dessins.back().second, Selections{});
}

// Both lists by kind, as the shells ask: shown rows, cells (the hidden marks'
// column after the last), drops their list refuses, and buttons by name.
TEST(LogiqueFenetre, ListesParSorteEtBoutonsParNom) {
  Banc b;
  b.etat.rebus = {{"ZOLA", "Emile", ""}};
  b.logique.RedessineTout();
  b.logique.EditRechercheChange("MARTIN");
  EXPECT_EQ(b.logique.NombreLignes(ListeSource::Comptes), 1u);
  EXPECT_EQ(b.logique.NombreLignes(ListeSource::Rebus), 1u);
  EXPECT_EQ(b.logique.NombreLignes(ListeSource::Autre), 0u);
  EXPECT_EQ(b.logique.LigneEtat(ListeSource::Comptes, 0), 1u);
  EXPECT_EQ(b.logique.LigneEtat(ListeSource::Rebus, 0), 0u);
  for (const int hors : {-1, 1}) {
    EXPECT_EQ(b.logique.LigneEtat(ListeSource::Rebus, hors), std::nullopt);
    EXPECT_EQ(b.logique.LigneEtat(ListeSource::Comptes, hors), std::nullopt);
  }
  EXPECT_EQ(b.logique.LigneVue(ListeSource::Comptes, 1u), 0);
  EXPECT_EQ(b.logique.LigneVue(ListeSource::Comptes, 0u), std::nullopt);  // hidden by the filter
  EXPECT_EQ(b.logique.LigneVue(ListeSource::Rebus, 1u), std::nullopt);
  EXPECT_EQ(b.logique.TexteCellule(ListeSource::Comptes, 0, 0), "martinl");
  EXPECT_EQ(b.logique.TexteCellule(ListeSource::Comptes, 0, 7), MotMarque(b.etat.comptes[1].marque));
  EXPECT_EQ(b.logique.TexteCellule(ListeSource::Rebus, 0, 0), "ZOLA");
  EXPECT_EQ(b.logique.TexteCellule(ListeSource::Rebus, 3, 0), "");

  const std::size_t dessins = b.vue.dessins.size();
  b.vue.selection = {1, 0};
  b.logique.Depose(ListeSource::Rebus, ListeSource::Autre, 0);
  b.logique.Depose(ListeSource::Autre, ListeSource::Rebus, 0);
  EXPECT_EQ(b.vue.dessins.size(), dessins);
  EXPECT_EQ(b.etat.rebus.size(), 1u);
  EXPECT_FALSE(b.logique.Clic("Button2"));
  EXPECT_FALSE(b.logique.Clic("ButtonOuvrir"));
  EXPECT_TRUE(b.logique.Clic("Button4"));
  EXPECT_EQ(b.vue.aides, 1);
}

TEST(LogiqueFenetre, LaSelectionRevientEnVueQuandLeFiltreChangeLesLignes) {
  Banc b;
  b.logique.RedessineTout();
  EXPECT_FALSE(Contient(b.vue.dessins.back().first, Redessin::SelectionEnVue));  // the first drawing
  b.logique.EditRechercheChange("MARTIN");
  EXPECT_TRUE(Contient(b.vue.dessins.back().first, Redessin::SelectionEnVue));
  b.logique.EditRechercheChange("MARTI");  // the same rows
  EXPECT_FALSE(Contient(b.vue.dessins.back().first, Redessin::SelectionEnVue));
}

TEST(LogiqueFenetre, RedessinApresChaqueGeste) {
  Banc b;
  b.etat.rebus.push_back({"DURAND", "Marc", "09/09/2009"});
  b.vue.selection = {1, 0};
  b.logique.ListViewUsersDragDrop(ListeSource::Autre, 1);  // a foreign drag: nothing
  b.logique.ListViewUsersKeyDown(46);                      // a free row: nothing
  EXPECT_TRUE(b.vue.dessins.empty());
  b.logique.ListViewUsersDragDrop(ListeSource::Rebus, 1);
  ASSERT_EQ(b.vue.dessins.size(), 1u);
  EXPECT_EQ(b.vue.dessins[0].first, Redessin::Tout);
  EXPECT_EQ(b.etat.comptes[1].sousItem(kNouveauNom), "DURAND");
  b.logique.ListViewUsersKeyDown(8);  // Backspace does nothing
  EXPECT_EQ(b.vue.dessins.size(), 1u);
  EXPECT_TRUE(b.etat.comptes[1].attachee());
  b.logique.ListViewUsersKeyDown(46);
  EXPECT_EQ(b.vue.dessins.size(), 2u);
  EXPECT_EQ(b.etat.rebus.size(), 1u);
  b.logique.Button4Click();
  EXPECT_EQ(b.vue.aides, 1);
  EXPECT_EQ(b.vue.dessins.size(), 2u);  // the help window changes nothing
  EXPECT_TRUE(b.logique.FormCloseQuery());  // nothing pending: no question
  EXPECT_EQ(b.vue.dessins.back().first, Redessin::Tout);
}

// A box raising an exception must leave neither the window locked nor an aid's
// button disabled.
TEST(LogiqueFenetre, UnGestionnaireQuiLeveNeVerrouillePas) {
  const std::pair<const char*, std::function<void(LogiqueFenetre&)>> gestionnaires[] = {
      {"Button1Click", [](LogiqueFenetre& l) { l.Button1Click(); }},
      {"Button6Click", [](LogiqueFenetre& l) { l.Button6Click(); }},
      {"FormCloseQuery", [](LogiqueFenetre& l) { l.FormCloseQuery(); }},
  };
  for (const auto& [nom, gestionnaire] : gestionnaires) {
    SCOPED_TRACE(nom);
    Banc b;
    b.AvecQuestions();
    b.dialogues.pendantQuestion = [] { throw std::runtime_error("boite"); };
    EXPECT_THROW(gestionnaire(b.logique), std::runtime_error);
    EXPECT_FALSE(b.logique.Occupee());
    if (!b.vue.activations.empty()) {
      EXPECT_EQ(b.vue.activations.back(), (std::pair<std::string, bool>{"Button6", true}));
    }
    b.dialogues.pendantQuestion = nullptr;
    b.logique.Button4Click();
    EXPECT_EQ(b.vue.aides, 1);
  }
}

// While a handler's box is open, every other gesture is refused.
TEST(LogiqueFenetre, RienPendantUneQuestion) {
  Banc b;
  b.AvecQuestions();
  bool fermeture = true;
  b.dialogues.pendantQuestion = [&] {
    b.dialogues.pendantQuestion = nullptr;
    EXPECT_TRUE(b.logique.Occupee());
    fermeture = b.logique.FormCloseQuery();
    b.logique.Button1Click();
    b.logique.Button3Click();
    b.logique.Button4Click();
    b.vue.selection.comptes = 0;
    b.logique.ListViewUsersKeyDown(46);
    b.logique.OuvreFichier(u"/nonexistent.csv");
  };
  b.dialogues.reponses = {Reponse::Non};
  b.logique.Button6Click();
  EXPECT_FALSE(fermeture);
  EXPECT_EQ(b.dialogues.nombre(Genre::Question), 1u);
  EXPECT_EQ(b.dialogues.nombre(Genre::Message), 1u);  // the aid's own result, nothing else
  EXPECT_EQ(b.vue.aides, 0);
  EXPECT_TRUE(b.etat.comptes[0].attachee());
  EXPECT_EQ(b.vue.activations, (std::vector<std::pair<std::string, bool>>{{"Button6", false}, {"Button6", true}}));
  EXPECT_FALSE(b.logique.Occupee());
}

TEST(LogiqueFenetre, IndicationsDeFocus) {
  Banc b;
  b.logique.FocusEntre("Button2");
  EXPECT_EQ(b.dialogues.indicationCourante, "Quitte ce programme");
  b.dialogues.indication("DURAND Marc vient d'\xEAtre d\xE9plac\xE9.");
  b.logique.FocusSort(true);   // a box opened over the window
  b.logique.FocusEntre("Button2");  // and closed: the result stays
  EXPECT_EQ(b.dialogues.indicationCourante, "DURAND Marc vient d'\xEAtre d\xE9plac\xE9.");
  b.logique.FocusSort(false);
  EXPECT_EQ(b.dialogues.indicationCourante, "");
  b.logique.FocusEntre("Button2");
  EXPECT_EQ(b.dialogues.indicationCourante, "Quitte ce programme");
  b.logique.FocusEntre("Panel1");  // a control without a hint leaves the panel alone
  EXPECT_EQ(b.dialogues.indicationCourante, "Quitte ce programme");
}

// "Voir les changements" shows the pending rows and the store's name, holds the
// window while the list is open, and redraws after it (a restore may have
// changed rows). Write runs journal where the window was told.
TEST(LogiqueFenetre, ListeDesChangementsEtJournal) {
  Banc b;
  b.AvecQuestions();
  const std::string journal =
      (std::filesystem::temp_directory_path() / ("corrinom-logique-" + std::to_string(std::random_device{}()) + ".csv"))
          .string();
  b.logique.ChoisitJournal(DestinationJournal{"SERVEUR", journal, nullptr, {}});
  b.vue.pendantListe = [&] {
    EXPECT_TRUE(b.logique.Occupee());
    b.logique.Button1Click();  // refused while the list is open
    // A journal of another store: told, nothing restored. A second restore asked
    // while the first one's box is open does nothing.
    int erreurs = 0;
    b.dialogues.pendantErreur = [&] {
      if (erreurs++ == 0) {
        EXPECT_FALSE(b.logique.RestaureJournal("/nonexistent/journal.csv"));
      }
    };
    EXPECT_FALSE(b.logique.RestaureJournal("/nonexistent/journal.csv"));
    b.dialogues.pendantErreur = nullptr;
  };
  b.logique.ButtonChangementsClick();
  ASSERT_EQ(b.vue.listes.size(), 1u);
  ASSERT_EQ(b.vue.listes[0].size(), 1u);
  EXPECT_EQ(b.vue.listes[0][0].login, "dupontj");
  EXPECT_EQ(b.vue.magasinListe, "SERVEUR");
  EXPECT_EQ(b.dialogues.nombre(Genre::Question), 0u);
  EXPECT_EQ(b.dialogues.nombre(Genre::Erreur), 1u);
  EXPECT_EQ(b.vue.dessins.back().first, Redessin::Tout);

  b.vue.pendantListe = nullptr;
  b.dialogues.reponses = {Reponse::Oui};
  b.logique.Button1Click();  // the empty store cannot read the account, but the run has its journal
  EXPECT_EQ(b.logique.Journal().dernierChemin, journal);
  EXPECT_TRUE(std::filesystem::exists(journal));
  std::filesystem::remove(journal);
}

TEST(LogiqueFenetre, NomDeFichierSansOrthographe) {
  Banc b;
  const char16_t nom[] = {u'/', u't', u'm', u'p', u'/', 0xD800, u'.', u'c', u's', u'v', 0};
  b.logique.OuvreFichier(nom);
  ASSERT_EQ(b.dialogues.nombre(Genre::Message), 1u);
  EXPECT_EQ(b.dialogues.appels.back().texte,
            "Le nom de ce fichier contient des caract\xE8res que Corrinom ne sait pas lire :\n/tmp/?.csv\n"
            "Renommez le fichier ou son dossier, puis ouvrez-le \xE0 nouveau.");
  EXPECT_TRUE(b.vue.dessins.empty());
  b.logique.OuvreFichier(u"");
  EXPECT_EQ(b.dialogues.appels.size(), 1u);
}

}  // namespace
}  // namespace corrinom::fenetre
