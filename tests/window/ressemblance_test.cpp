// The similarity aid's review window without a toolkit: its list, ticks, sort and
// count, and Button7 placing the ticked lines as one undo step.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "operator/dialogues_script.h"
#include "reconcile/etat.h"
#include "window/logique_fenetre.h"
#include "window/magasin_vide.h"
#include "window/revue_ressemblance.h"

namespace corrinom::fenetre {
namespace {

using Genre = DialoguesScript::Genre;

TEST(RevueRessemblance, TexteDuCompte) {
  struct Cas {
    std::size_t cochees, propositions;
    const char* texte;
  } cas[] = {
      {0, 1, "0 rapprochement coch\xE9 sur 1 proposition"},
      {1, 1, "1 rapprochement coch\xE9 sur 1 proposition"},
      {2, 5, "2 rapprochements coch\xE9s sur 5 propositions"},
  };
  for (const Cas& c : cas) EXPECT_EQ(TexteCompteRessemblance(c.cochees, c.propositions), c.texte);
}

struct Vue : VueFenetre {
  std::function<bool(RevueRessemblance&)> revue;
  int revues = 0;
  std::optional<std::size_t> LigneSelectionnee(ListeSource) const override { return std::nullopt; }
  void Redessine(Redessin, const Selections&) override {}
  void MontreTexte(std::string_view, std::string_view) override {}
  void ActiveControle(std::string_view, bool) override {}
  void MontreAide() override {}
  void MontreChangements(const std::vector<LigneChangement>&, std::string_view) override {}
  bool MontreRessemblance(RevueRessemblance& r) override {
    ++revues;
    return revue(r);
  }
};

struct Banc {
  EtatRapprochement etat;
  MagasinVide magasin;
  DialoguesScript dialogues;
  Vue vue;
  LogiqueFenetre logique{etat, magasin, dialogues, vue};

  Banc() {
    etat.comptes = {LigneCompte::Libre("garcia.h", "GARCIA", "Hugo", "07/08/2012"),
                    LigneCompte::Libre("martin.l", "MARTIN", "Lea", "05/06/2011"),
                    LigneCompte::Libre("durand.p", "DURAND", "Paul", "01/01/2010")};
    etat.rebus = {{"MARTIN", "L\xE9" "a", "06/05/2011"},      // day and month swapped
                  {"GARCIA-LOPEZ", "Hugo", "07/08/2012"},      // a second last name
                  {"DURANT", "Paul", "01/01/2010"}};           // one letter
  }
};

// Sorting moves lines with their ticks; ticking a line follows the exclusion
// rule; the count follows.
TEST(RevueRessemblance, ColonnesTriCochesEtCompte) {
  Banc b;
  RevueRessemblance r(b.etat, LignesRessemblance(b.etat), {1, 0, 1});
  ASSERT_EQ(r.NombreLignes(), 3u);
  EXPECT_EQ(r.TexteCompte(), "2 rapprochements coch\xE9s sur 3 propositions");
  const std::string login0 = r.Texte(0, 5);
  EXPECT_EQ(r.Texte(0, 9).rfind("nom : ", 0), 0u);
  EXPECT_EQ(r.Texte(0, kColonneCoche), "");

  std::map<std::string, bool> coches;
  for (std::size_t i = 0; i < 3; ++i) coches[r.Texte(i, 5)] = r.Cochee(i);
  r.TrieColonne(5);  // by login, ascending
  EXPECT_EQ(r.Texte(0, 5), "durand.p");
  EXPECT_EQ(r.Texte(1, 5), "garcia.h");
  EXPECT_EQ(r.Texte(2, 5), "martin.l");
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(r.Cochee(i), coches[r.Texte(i, 5)]) << i;
  EXPECT_EQ(r.Texte(r.PositionApresTri(0), 5), login0);

  r.TrieColonne(5);  // again: descending
  EXPECT_EQ(r.Texte(0, 5), "martin.l");
  r.TrieColonne(kColonneScore);
  EXPECT_GE(std::stoi(r.Texte(0, 1)), std::stoi(r.Texte(2, 1)));

  r.ToutDecocher();
  EXPECT_EQ(r.TexteCompte(), "0 rapprochement coch\xE9 sur 3 propositions");
  r.Bascule(1);
  EXPECT_TRUE(r.Cochee(1));
  r.Bascule(1);
  EXPECT_FALSE(r.Cochee(1));
  r.Bascule(7);  // past the end: nothing
  EXPECT_EQ(r.TexteCompte(), "0 rapprochement coch\xE9 sur 3 propositions");
}

// The list takes what the label, the count and the buttons leave, at any
// resolution; in a window too small for it nothing gets a size below zero.
TEST(RevueRessemblance, Disposition) {
  for (const int dpi : {96, 144}) {
    for (const Taille client : {kTailleRessemblance, Taille{700, 150}}) {
      const DispositionRessemblance d = DisposeRessemblance(client, dpi);
      ASSERT_EQ(d.boutons.size(), kBoutonsRessemblance.size());
      EXPECT_EQ(d.liste.y, d.consigne.y + d.consigne.hauteur + AEchelle(kMargeAnnexe, dpi));
      EXPECT_LE(d.liste.y + d.liste.hauteur, d.compte.y);
      EXPECT_EQ(d.compte.y + d.compte.hauteur + AEchelle(kMargeAnnexe, dpi), d.boutons[0].y);
      EXPECT_EQ(d.boutons.back().x + d.boutons.back().largeur + AEchelle(kMargeAnnexe, dpi), client.largeur);
    }
    const DispositionRessemblance d = DisposeRessemblance({10, 10}, dpi);
    EXPECT_GE(d.liste.hauteur, 0);
    EXPECT_GE(d.liste.largeur, 0);
  }
}

TEST(RevueRessemblance, PlacerEnUnPasAnnulable) {
  Banc b;
  b.vue.revue = [](RevueRessemblance& r) {
    EXPECT_EQ(r.TexteCompte(), "3 rapprochements coch\xE9s sur 3 propositions");
    r.TrieColonne(5);
    r.Bascule(0);  // durand.p unticked
    return true;
  };
  b.logique.Button7Click();
  EXPECT_EQ(b.vue.revues, 1);
  EXPECT_EQ(b.etat.comptes[0].sousItem(kNouveauNom), "GARCIA-LOPEZ");
  EXPECT_EQ(b.etat.comptes[1].sousItem(kNouvelleDateNaiss), "06/05/2011");
  EXPECT_FALSE(b.etat.comptes[2].attachee());
  EXPECT_EQ(b.etat.rebus.size(), 1u);
  EXPECT_EQ(b.dialogues.textes(Genre::Message).back().rfind(
                "Nombre d'utilisateurs rapproch\xE9s par ressemblance : 2\n", 0),
            0u);
  ASSERT_EQ(b.logique.historique().NombrePas(), 1u);
  b.logique.Annule();
  EXPECT_EQ(b.dialogues.textes(Genre::Indication).back(), "Annul\xE9 : rapprochement par ressemblance");
  EXPECT_EQ(b.etat.rebus.size(), 3u);
  EXPECT_FALSE(b.etat.comptes[0].attachee());
}

TEST(RevueRessemblance, AnnulerNeChangeRien) {
  Banc b;
  b.vue.revue = [](RevueRessemblance&) { return false; };
  b.logique.Button7Click();
  EXPECT_EQ(b.vue.revues, 1);
  EXPECT_EQ(b.etat.rebus.size(), 3u);
  EXPECT_TRUE(b.dialogues.appels.empty());
  EXPECT_EQ(b.logique.historique().NombrePas(), 0u);

  // Nobody to propose: no window, the count of 0.
  b.etat.rebus = {{"VIDAL", "Jade", "08/08/2011"}};
  b.logique.Button7Click();
  EXPECT_EQ(b.vue.revues, 1);
  EXPECT_EQ(b.dialogues.textes(Genre::Message).size(), 1u);
}

}  // namespace
}  // namespace corrinom::fenetre
