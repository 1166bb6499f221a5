// The window's facts and the arithmetic both shells lay it out with.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "reconcile/marques.h"
#include "window/compteurs.h"
#include "window/controles.h"
#include "window/indications.h"
#include "window/fenetres_annexes.h"
#include "window/geometrie.h"

namespace corrinom::fenetre {
namespace {

std::map<std::string, Rectangle> Places(Taille client, int dpi, int barre, Separations s) {
  std::map<std::string, Rectangle> r;
  for (const PlaceControle& p : Dispose(client, dpi, barre, s)) r[std::string(p.nom)] = p.place;
  return r;
}

TEST(Controles, TableCoherente) {
  // Parents come first and exist; names are unique.
  std::map<std::string_view, int> vus;
  for (const Controle& c : Controles()) {
    EXPECT_EQ(vus.count(c.nom), 0u) << c.nom;
    if (!c.parent.empty()) {
      EXPECT_EQ(vus.count(c.parent), 1u) << c.nom;
    }
    vus[c.nom] = 1;
  }
  // The focus order is the ten controls that have a focus hint, in the hints' order.
  const std::vector<const Controle*> ordre = OrdreTabulation();
  ASSERT_EQ(ordre.size(), kIndicationsFocus.size());
  for (std::size_t i = 0; i < ordre.size(); ++i) {
    EXPECT_EQ(ordre[i]->nom, kIndicationsFocus[i].controle);
    EXPECT_FALSE(IndicationFocus(ordre[i]->nom).empty());
  }
  for (std::string_view c : kCompteurs) EXPECT_TRUE(TrouveControle(c)) << c;
  EXPECT_EQ(ColonnesListe("ListViewUsers").size(), 7u);
  EXPECT_EQ(ColonnesListe("ListViewRebus").size(), 3u);
}

// AfficheResume counts the rows of each mark; the window words the counts.
TEST(Compteurs, TextesApresAfficheResume) {
  auto ligne = [](std::string nom, std::string prenoms, std::string nouveauNom,
                  std::string nouveauxPrenoms) {
    LigneCompte l = LigneCompte::Libre("x", std::move(nom), std::move(prenoms), "");
    AttachePersonne(l, std::move(nouveauNom), std::move(nouveauxPrenoms), "");
    MarqueLigne(l);
    return l;
  };
  EtatRapprochement e;
  const auto textes = [&] { return TextesCompteurs(e.compteurs); };
  using Textes = std::array<std::string, 4>;
  EXPECT_FALSE(e.compteurs.has_value());
  EXPECT_EQ(textes(), (Textes{"0", "0", "0", "0"}));

  AfficheResume(e);
  EXPECT_EQ(e.compteurs, (Compteurs{0, 0, 0, 0}));
  EXPECT_EQ(textes(), (Textes{"0 compte \xE0 ne pas changer", "0 compte d\xE9j\xE0 bon",
                              "0 modification mineure", "0 modification importante"}));

  e.comptes = {LigneCompte::Libre("a", "A", "B", ""), LigneCompte::Libre("b", "A", "B", ""),
               ligne("A", "B", "A", "B"), ligne("A", "B", "A", "b"), ligne("A", "B", "a", "B"),
               ligne("A", "B", "X", "B")};
  AfficheResume(e);
  EXPECT_EQ(e.compteurs, (Compteurs{2, 1, 2, 1}));
  EXPECT_EQ(textes(), (Textes{"2 comptes \xE0 ne pas changer", "1 compte d\xE9j\xE0 bon",
                              "2 modifications mineures", "1 modification importante"}));

  // A mark outside 0..3 is counted nowhere.
  e.comptes.assign(3, ligne("A", "B", "A", "B"));
  e.comptes[2].marque = static_cast<Marque>(7);
  AfficheResume(e);
  EXPECT_EQ(e.compteurs, (Compteurs{0, 2, 0, 0}));
  EXPECT_EQ(textes()[1], "2 comptes d\xE9j\xE0 bons");
  EXPECT_EQ(textes()[0], "0 compte \xE0 ne pas changer");
}

// At the design size the docking rules give every control the place the table
// says; so the table and the rules cannot drift apart.
TEST(Dispose, TailleDeDessinDonneLaTable) {
  const auto places = Places(kTailleClient, 96, 19, SeparationsInitiales(96));
  for (const Controle& c : Controles()) {
    if (c.genre == Genre::Fenetre) continue;
    SCOPED_TRACE(c.nom);
    ASSERT_EQ(places.count(std::string(c.nom)), 1u);
    const Rectangle p = places.at(std::string(c.nom));
    if (c.style & kTailleDuTexte) {
      EXPECT_EQ((Point{p.x, p.y}), (Point{c.place.x, c.place.y}));
    } else {
      EXPECT_EQ(p, c.place);
    }
  }
}

TEST(Dispose, FenetreRedimensionnee) {
  // Larger at 120 dpi: the bands keep their scaled thickness, the account list takes the rest.
  auto p = Places({1200, 800}, 120, 24, SeparationsInitiales(120));
  EXPECT_EQ(p["Panel1"], (Rectangle{0, 0, 1200, 36}));
  EXPECT_EQ(p["StatusBar1"], (Rectangle{0, 776, 1200, 24}));
  EXPECT_EQ(p["Panel3"], (Rectangle{0, 776 - 46, 1200, 46}));
  EXPECT_EQ(p["GroupBox3"].largeur, 576);
  EXPECT_EQ(p["GroupBox1"].y + p["GroupBox1"].hauteur, 776 - 46);
  EXPECT_EQ(p["Button1"], (Rectangle{110, 10, 346, 26}));

  // Splitters dragged too far keep a minimum of each list; nothing is ever negative.
  p = Places(kTailleClient, 96, 19, {5000, 5000});
  EXPECT_GE(p["GroupBox4"].largeur, 40);
  EXPECT_GE(p["GroupBox1"].hauteur, 40);
  for (Taille t : {Taille{0, 0}, Taille{1, 1}, Taille{100, 60}}) {
    for (const PlaceControle& c : Dispose(t, 144, 22, SeparationsInitiales(144))) {
      EXPECT_GE(c.place.largeur, 0) << c.nom;
      EXPECT_GE(c.place.hauteur, 0) << c.nom;
    }
  }
}

TEST(Geometrie, AjustementALaResolution) {
  const Marges cadre{4, 23, 4, 4};
  const GeometrieFenetre principale{{200, 150}, {863, 497}, cadre};
  struct Cas { GeometrieFenetre avant; int dpi; Rectangle ecran; GeometrieFenetre apres; };
  const Cas cas[] = {
      {principale, 96, {0, 0, 1280, 1024}, principale},
      {principale, 120, {0, 0, 1920, 1200}, {{200, 150}, {1078, 621}, cadre}},
      {principale, 120, {0, 0, 1280, 800}, {{(1280 - 1086) / 2, (800 - 648) / 2}, {1078, 621}, cadre}},
      {principale, 120, {0, 0, 1024, 600}, {{0, 0}, {1016, 573}, cadre}},
      {{{0, 0}, {101, 51}, {}}, 144, {0, 0, 4000, 4000}, {{0, 0}, {151, 76}, {}}},  // the quotient truncated
      // On a second screen to the right, centred on that one.
      {{{1500, 100}, {863, 497}, cadre}, 120, {1280, 0, 1280, 800}, {{1280 + 97, 76}, {1078, 621}, cadre}},
  };
  for (const Cas& c : cas) EXPECT_EQ(CalculeAjustement(c.avant, c.dpi, c.ecran), c.apres) << c.dpi;
}

// The chooser answers only Ok with an entry selected; a preselection outside the
// names selects nothing.
TEST(ChercheChamp, ChoixEtPreselection) {
  EXPECT_EQ(ChoixChercheChamp(true, 2), 2);
  EXPECT_EQ(ChoixChercheChamp(true, std::nullopt), std::nullopt);
  EXPECT_EQ(ChoixChercheChamp(false, 2), std::nullopt);
  EXPECT_EQ(PreselectionChercheChamp(1, 2), 1);
  EXPECT_EQ(PreselectionChercheChamp(2, 2), std::nullopt);
  EXPECT_EQ(PreselectionChercheChamp(-1, 2), std::nullopt);
}

}  // namespace
}  // namespace corrinom::fenetre
