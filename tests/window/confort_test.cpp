// The review's helpers in the window logic: filter, undo and redo through the
// handlers, the keyboard move, the write's progress and its stop.
#include <gtest/gtest.h>

#include "accounts/store/magasin_comptes.h"
#include "operator/dialogues_script.h"
#include "reconcile/etat.h"
#include "reconcile/marques.h"
#include "window/compteurs.h"
#include "window/controles.h"
#include "window/logique_fenetre.h"
#include "window/surlignage.h"
#include "tests/window/vue_test.h"

namespace corrinom::fenetre {
namespace {

// Every account exists and takes every write.
struct MagasinOk : MagasinComptes {
  int ecritures = 0;
  std::uint32_t enumere(std::uint32_t, std::vector<CompteStocke>& page, std::uint32_t&,
                        std::uint32_t&) override {
    page.clear();
    return kNerrSuccess;
  }
  std::uint32_t lit(std::string_view, CompteStocke& c) override {
    c = {};
    return kNerrSuccess;
  }
  std::uint32_t ecrit(std::string_view, const CompteStocke&) override {
    ++ecritures;
    return kNerrSuccess;
  }
};

using test::Vue;

struct Banc {
  EtatRapprochement etat;
  MagasinOk magasin;
  DialoguesScript d;
  Vue vue;
  LogiqueFenetre logique{etat, magasin, d, vue};
  Banc() {
    vue.etat = &etat;
    etat.comptes = {LigneCompte::Libre("dupontj", "DUPONT", "Jean", ""),
                    LigneCompte::Libre("martinl", "MARTIN", "L\xE9" "a", ""),
                    LigneCompte::Libre("petitc", "PETIT", "Claire", "")};
    etat.rebus = {{"DUPONT", "jean", ""}, {"MARTINE", "Lea", ""}};
    logique.RedessineTout();
  }
};

TEST(Filtre, HidesRowsOnlyAndFollowsEveryOperation) {
  Banc b;
  b.vue.selection = {0, 0};
  b.logique.EditRechercheChange("LEA");  // "Léa"
  EXPECT_EQ(b.logique.LignesComptesVisibles(), std::vector<std::size_t>{1});
  EXPECT_EQ(b.vue.selection.comptes, std::nullopt);  // its row is hidden now
  b.logique.EditRechercheChange("");
  b.logique.ComboMarquesChange(static_cast<int>(ChoixMarques::NePasChanger));
  EXPECT_EQ(b.logique.LignesComptesVisibles(), (std::vector<std::size_t>{0, 1, 2}));
  b.vue.selection = {0, 0};
  b.logique.PlaceSurCompteSelectionne();  // DUPONT jean on dupontj: pink, so hidden
  EXPECT_EQ(b.etat.comptes[0].marque, Marque::ModificationMineure);
  EXPECT_EQ(b.logique.LignesComptesVisibles(), (std::vector<std::size_t>{1, 2}));
  EXPECT_EQ(TextesCompteurs(b.etat.compteurs)[2], "1 modification mineure");  // counts the whole list
  b.logique.ComboMarquesChange(0);
  EXPECT_EQ(b.logique.LignesComptesVisibles(), (std::vector<std::size_t>{0, 1, 2}));
}

// The search line stands on GroupBox1's caption line, inside the frame and above
// its list, whatever the resolution.
TEST(LigneRecherche, AuDessusDeLaListeDesComptes) {
  for (int dpi : {96, 120, 144}) {
    Rectangle cadre, liste;
    for (const PlaceControle& p : Dispose({AEchelle(863, dpi), AEchelle(497, dpi)}, dpi, AEchelle(19, dpi),
                                          SeparationsInitiales(dpi))) {
      if (p.nom == "GroupBox1") cadre = p.place;
      if (p.nom == "ListViewUsers") liste = p.place;
    }
    const PlacesRecherche r = PlaceRecherche(cadre.largeur, dpi);
    for (const Rectangle& c : {r.libelle, r.edition, r.choix}) {
      EXPECT_LE(c.y + c.hauteur, liste.y) << dpi;
      EXPECT_LE(c.x + c.largeur, cadre.largeur) << dpi;
    }
  }
}

// Both shells make the search line from its table and place it by name: the
// names and order agree with PlaceLigneRecherche, which follows GroupBox1's place.
TEST(LigneRecherche, TableEtPlacesSuiventLeCadre) {
  const Rectangle cadre{10, 200, 700, 150};
  const PlacesRecherche r = PlaceRecherche(cadre.largeur, 120);
  const auto places = PlaceLigneRecherche(cadre, 120);
  const Rectangle attendues[4] = {r.libelle, r.edition, r.choix, r.nombre};
  ASSERT_EQ(ControlesRecherche().size(), places.size());
  for (std::size_t i = 0; i < places.size(); ++i) {
    const Controle& c = ControlesRecherche()[i];
    EXPECT_EQ(c.nom, places[i].nom);
    EXPECT_EQ(c.parent, "GroupBox1");
    EXPECT_EQ(c.tabulation >= 0, c.nom == kNomEditRecherche || c.nom == kNomComboMarques) << c.nom;
    const Rectangle& a = attendues[i];
    EXPECT_EQ(places[i].place, (Rectangle{cadre.x + a.x, cadre.y + a.y, a.largeur, a.hauteur})) << c.nom;
  }
}

// A narrow GroupBox1 keeps its caption clear: the edit box gives up width first,
// then the combo; the count takes what is left. A wide box places the line as
// when the caption is not known.
TEST(LigneRecherche, LaLegendeResteDegagee) {
  struct Cas {
    int largeur, dpi, edition, choix;  // the widths expected at 96 dpi, -1: not checked
  };
  for (const Cas c : {Cas{855, 96, 150, 170}, {500, 96, 86, 170}, {440, 96, 60, 136}, {1000, 192, -1, -1},
                      {700, 144, -1, -1}}) {
    const auto e = [&c](int v) { return AEchelle(v, c.dpi); };
    const PlacesRecherche r = PlaceRecherche(c.largeur, c.dpi, e(150));
    if (c.edition >= 0) {
      EXPECT_EQ(std::pair(r.edition.largeur, r.choix.largeur), std::pair(c.edition, c.choix)) << c.largeur;
    }
    EXPECT_EQ(r.choix.x + r.choix.largeur, c.largeur - e(8)) << c.largeur;
    EXPECT_EQ(r.edition.x + r.edition.largeur + e(4), r.choix.x) << c.largeur;
    EXPECT_GE(r.libelle.x, e(158)) << c.largeur;
    EXPECT_TRUE(r.nombre.largeur == 0 || r.nombre.x >= e(158)) << c.largeur;
    EXPECT_EQ(r.nombre.x + r.nombre.largeur + e(8), r.libelle.x) << c.largeur;
  }
  const PlacesRecherche large = PlaceRecherche(855, 96, 150), sans = PlaceRecherche(855, 96);
  EXPECT_EQ(std::tuple(large.libelle, large.edition, large.choix, large.nombre),
            std::tuple(sans.libelle, sans.edition, sans.choix, sans.nombre));
}

// Only the new names of an attached row are emphasized, only where they differ.
TEST(Surlignage, NouveauxNomsDUneLigneAttachee) {
  LigneCompte l = LigneCompte::Libre("lefevre.h", "LEFEVRE", "Helene", "");
  const LigneCompte libre = l;
  AttachePersonne(l, "LEFEVRE", "H\xE9l\xE8ne", "");
  EXPECT_EQ(LettresSurlignees(l, 5), (std::vector<bool>{false, true, false, true, false, false}));
  for (int colonne : {0, 1, 2, 3, 4, 6}) EXPECT_TRUE(LettresSurlignees(l, colonne).empty()) << colonne;
  EXPECT_TRUE(LettresSurlignees(libre, 5).empty());
  EXPECT_EQ(Morceaux({false, true, true, false}), (std::vector<Morceau>{{0, 1, false}, {1, 3, true}, {3, 4, false}}));
  EXPECT_EQ(Morceaux({true}), (std::vector<Morceau>{{0, 1, true}}));
  EXPECT_TRUE(Morceaux({}).empty());
}

TEST(Historique, UndoAndRedoThroughTheHandlersNameTheStep) {
  Banc b;
  b.logique.Annule();
  EXPECT_EQ(b.d.indicationCourante, kRienAAnnuler);
  b.vue.selection = {1, 1};
  b.logique.ListViewUsersDragDrop(ListeSource::Rebus, 1);  // MARTINE Lea on martinl
  b.vue.selection = {1, std::nullopt};
  b.logique.Touche(kToucheSuppr, false, false, false);     // not a key of the window
  b.logique.ListViewUsersKeyDown(kToucheSuppr);
  b.logique.Button3Click();                                // DUPONT jean on dupontj

  const char* const attendus[] = {
      "Annul\xE9 : rapprochement par nom et premier pr\xE9nom",
      "Annul\xE9 : lib\xE9ration du compte martinl",
      "Annul\xE9 : d\xE9placement de MARTINE Lea",
  };
  for (const char* attendu : attendus) {
    EXPECT_TRUE(b.logique.Touche(kToucheZ, true, false, false));
    EXPECT_EQ(b.d.indicationCourante, attendu);
  }
  EXPECT_EQ(b.etat.rebus.size(), 2u);
  EXPECT_FALSE(b.etat.comptes[1].attachee());
  b.logique.Touche(kToucheZ, true, true, false);  // Ctrl+Shift+Z
  EXPECT_EQ(b.d.indicationCourante, "R\xE9tabli : d\xE9placement de MARTINE Lea");
  b.logique.Touche(kToucheY, true, false, false);
  b.logique.Touche(kToucheY, true, false, false);
  b.logique.Touche(kToucheY, true, false, false);
  b.logique.Retablit();
  EXPECT_EQ(b.d.indicationCourante, kRienARetablir);
  EXPECT_EQ(b.etat.comptes[0].marque, Marque::ModificationMineure);
}

TEST(Clavier, PlacerIsTheDropAndTheMenusSayWhenTheyApply) {
  Banc b;
  b.vue.selection = {std::nullopt, 1};
  EXPECT_FALSE(b.logique.MenuRebus().front().actif);  // no account row selected
  EXPECT_FALSE(b.logique.MenuComptes().front().actif);
  b.logique.ListViewUsersKeyDown(kToucheSuppr);  // nothing selected: nothing
  b.vue.selection = {2, 1};
  EXPECT_TRUE(b.logique.MenuRebus().front().actif);
  EXPECT_FALSE(b.logique.MenuComptes().front().actif);  // a free row has nobody to free
  EXPECT_TRUE(b.logique.Touche(kToucheEntree, true, false, false));
  EXPECT_EQ(b.d.indicationCourante, "MARTINE Lea vient d'\xEAtre d\xE9plac\xE9.");
  EXPECT_EQ(b.etat.comptes[2].sousItem(kNouveauNom), "MARTINE");
  EXPECT_TRUE(b.logique.MenuComptes().front().actif);
  b.vue.selection = {2, 0};  // onto an attached row: the drop's refusal
  b.logique.Execute(ActionClavier::Placer);
  EXPECT_EQ(b.d.indicationCourante, "Supprimez avant d'en placer un autre");
  EXPECT_EQ(b.etat.rebus.size(), 1u);
  b.logique.Execute(ActionClavier::Liberer);
  EXPECT_EQ(b.etat.rebus.size(), 2u);

  EXPECT_EQ(ActionTouche(kToucheEntree, true, false, false), ActionClavier::Placer);
  EXPECT_EQ(ActionTouche(kToucheZ, false, false, false), ActionClavier::Aucune);
  EXPECT_EQ(ActionTouche(kToucheY, true, false, true), ActionClavier::Aucune);
}

TEST(Ecriture, ProgressStopAndTheEndOfTheHistory) {
  Banc b;
  for (std::size_t i = 0; i < 3; ++i) {
    AttachePersonne(b.etat.comptes[i], "NOUVEAU", "Nom", "");
    MarqueLigne(b.etat.comptes[i]);
  }
  b.etat.rebus.clear();
  b.vue.selection = {0, std::nullopt};
  b.logique.ListViewUsersKeyDown(kToucheSuppr);
  ASSERT_TRUE(b.logique.historique().PeutAnnuler());
  b.vue.arretApres = 2;  // Arrêter while the first account is written
  b.d.reponses = {Reponse::Oui, Reponse::Oui};
  EXPECT_FALSE(b.logique.FormCloseQuery());  // a stopped write keeps the window open
  EXPECT_EQ(b.magasin.ecritures, 1);
  ASSERT_EQ(b.vue.progression.size(), 3u);
  EXPECT_EQ(b.vue.progression[0], "\xC9" "criture des changements : 0 / 2");
  EXPECT_EQ(b.vue.progression[1], "\xC9" "criture des changements : 1 / 2");
  EXPECT_EQ(b.vue.progression[2], std::nullopt);
  EXPECT_FALSE(b.logique.historique().PeutAnnuler());
  EXPECT_NE(b.d.indicationCourante.find(kEcritureIrreversible), std::string::npos);
}

TEST(LettresChangees, LettersTheLongestCommonSubsequenceLeavesOut) {
  const auto montre = [](std::string_view nouveau, std::string_view actuel) {
    std::string r;
    const std::vector<bool> c = LettresChangees(nouveau, actuel);
    for (std::size_t i = 0; i < nouveau.size(); ++i) r += c[i] ? '^' : '.';
    return r;
  };
  EXPECT_EQ(montre("H\xE9l\xE8ne", "Helene"), ".^.^..");
  EXPECT_EQ(montre("Jean", "JEAN"), ".^^^");
  EXPECT_EQ(montre("DUPONT", "DUPONT"), "......");
  EXPECT_EQ(montre("DUPOND", "DUPONT"), ".....^");
  EXPECT_EQ(montre("MARTIN", ""), "^^^^^^");
  EXPECT_EQ(montre("", "MARTIN"), "");
  EXPECT_EQ(montre("ANNA", "ANNE"), "...^");
  EXPECT_EQ(montre("LE GALL", "LEGALL"), "..^....");
  EXPECT_EQ(montre("Jean Marc", "Marc"), "^^^^^....");
  const std::string longue(2000, 'a');
  EXPECT_EQ(LettresChangees(longue + "x" + longue, longue + "y" + longue)[2000], true);
}

}  // namespace
}  // namespace corrinom::fenetre
