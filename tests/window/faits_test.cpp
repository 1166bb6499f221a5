// The window's facts and the arithmetic both shells lay it out with.
#include <gtest/gtest.h>

#include <tuple>

#include <array>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "reconcile/marques.h"
#include "window/compteurs.h"
#include "window/dialogues_fenetre.h"
#include "window/controles.h"
#include "window/lancement.h"
#include "window/indications.h"
#include "window/aide.h"
#include "window/cherche_champ_fenetre.h"
#include "window/fenetres_annexes.h"
#include "window/liste_changements.h"
#include "tests/session/outils.h"
#include "window/progression_fenetre.h"
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
// A drag's data names its list and its window: a drop from another window, from
// no list or of data cut short comes from elsewhere.
TEST(Glisse, LaSourceVientDuContenu) {
  for (const ListeSource s : {ListeSource::Comptes, ListeSource::Rebus})
    EXPECT_EQ(SourceDuContenu(ContenuGlisse(s, "12-ab"), "12-ab"), s);
  const std::string etrangers[] = {ContenuGlisse(ListeSource::Rebus, "12-ab"),  // seen from another window below
                                   ContenuGlisse(ListeSource::Autre, "7-cd"), "7-cd", "7-cd\nListViewUsers\n", ""};
  for (const std::string& e : etrangers) EXPECT_EQ(SourceDuContenu(e, "7-cd"), ListeSource::Autre) << e;
}

// Before the toolkit takes its own options: --help and --version answer, a wrong
// line answers unless a single-dash word may be the toolkit's.
TEST(Lancement, ReponseAvantLaBoiteAOutils) {
  const struct {
    std::vector<std::string> mots;
    std::optional<int> code;
  } cas[] = {{{}, std::nullopt},          {{"--demo"}, std::nullopt},       {{"--help"}, 0},
             {{"--version"}, 0},          {{"--nimporte"}, 64},             {{"-platform", "xcb"}, std::nullopt},
             {{"--nimporte", "-x"}, std::nullopt}, {{"-"}, 64}};
  for (const auto& c : cas) {
    const std::optional<ReponseOptions> r = RepondAvantLaBoiteAOutils(c.mots);
    EXPECT_EQ(r ? std::optional<int>(r->code) : std::nullopt, c.code) << (c.mots.empty() ? "" : c.mots[0]);
  }
}

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

// The system's rounding (MulDiv) for fonts and splitters, and the centring of the
// dialogs, never partly off the desktop on the left or at the top.
TEST(Geometrie, EchellesEtCentrage) {
  EXPECT_EQ(Proportion(8, 96, 72), 11);
  EXPECT_EQ(Proportion(461, 144, 96), 692);  // a half rounds away from zero
  EXPECT_EQ(Proportion(-7, 1, 2), -4);
  EXPECT_EQ(Proportion(5, 1, 0), 0);
  EXPECT_EQ(HauteurPolice(8, 120), -13);
  EXPECT_EQ(HauteurPolice(8, 96, 150), -16);
  EXPECT_EQ(Reechelle(Separations{461, 196}, 96, 144), (Separations{692, 294}));
  EXPECT_EQ(Centre({100, 50}, {10, 20, 300, 200}), (Point{110, 95}));
  // A drag near a list's edges: the header ends at 20, the list at 300; 12 pixels at 96 dpi, 18 at 144.
  for (const auto& [y, dpi, sens] : {std::tuple{19, 96, 0}, {20, 96, -1}, {31, 96, -1}, {32, 96, 0}, {37, 144, -1},
                                     {288, 96, 0}, {289, 96, 1}, {300, 96, 1}, {301, 96, 0}, {283, 144, 1}})
    EXPECT_EQ(SensDefilementGlisse(y, 20, 300, dpi), sens) << y << " at " << dpi;
  const GeometrieFenetre choix{{}, {336, 309}, {3, 26, 3, 3}};
  const Rectangle bureau{0, 0, 1280, 1024};
  EXPECT_EQ(PlaceCentree(choix, {100, 100, 800, 600}, 96, bureau).position, (Point{329, 231}));
  EXPECT_EQ(PlaceCentree(choix, {-500, -300, 400, 300}, 96, bureau).position, (Point{0, 0}));
  // A printer at 600 dpi whose printable area starts 100 pixels in.
  const PageImprimee page = PageAvecMarges({4960, 7016}, {100, 100}, 600, 600);
  EXPECT_EQ(page.papier, (Rectangle{0, 0, 11904, 16838}));
  EXPECT_EQ(page.zone, (Rectangle{480, 480, 10464, 15398}));
  EXPECT_EQ(page.pixels, (Rectangle{200, 200, 4360, 6416}));
}

// Controls of the Win32 shell are all the window's children: nested places add up.
TEST(Dispose, DansLaFenetre) {
  std::map<std::string_view, Rectangle> absolues;
  for (const PlaceControle& p : DisposeDansFenetre({863, 497}, 96, 19, SeparationsInitiales(96)))
    absolues[p.nom] = p.place;
  for (const PlaceControle& p : Dispose({863, 497}, 96, 19, SeparationsInitiales(96))) {
    const auto parent = absolues.find(TrouveControle(p.nom)->parent);
    const Point o = parent == absolues.end() ? Point{} : Point{parent->second.x, parent->second.y};
    EXPECT_EQ(absolues[p.nom], (Rectangle{p.place.x + o.x, p.place.y + o.y, p.place.largeur, p.place.hauteur}))
        << p.nom;
  }
}

// The Win32 shell's splitters: found under the pointer, moved, read back.
TEST(Dispose, Separateurs) {
  const Separations depart = SeparationsInitiales(96);
  const std::vector<PlaceControle> places = DisposeDansFenetre({863, 497}, 96, 19, depart);
  EXPECT_EQ(SeparationsDe(places, {}), depart);
  std::map<std::string_view, Rectangle> p;
  for (const PlaceControle& c : places) p[c.nom] = c.place;
  const Rectangle s1 = p["Splitter1"], s2 = p["Splitter2"];
  EXPECT_EQ(SeparateurSous(places, {s1.x + 5, s1.y}), "Splitter1");
  EXPECT_EQ(SeparateurSous(places, {s2.x, s2.y + 5}), "Splitter2");
  EXPECT_EQ(SeparateurSous(places, {s1.x + 5, s1.y + s1.hauteur}), "");
  EXPECT_EQ(DeplaceSeparateur(places, "Splitter1", {0, p["PanelHaut"].y + 250}, depart),
            (Separations{depart.largeurAides, 250}));
  EXPECT_EQ(DeplaceSeparateur(places, "Splitter2", {p["GroupBox3"].x + 300, 0}, depart),
            (Separations{300, depart.hauteurHaut}));
}

// A splitter's drag: taken by a press on it only, followed, kept within its
// minimum, left on release.
TEST(Dispose, SuiviDesSeparateurs) {
  SuiviSeparateurs suivi;
  const auto place = [&](std::string_view nom) {
    for (const PlaceControle& c : suivi.Places())
      if (c.nom == nom) return c.place;
    return Rectangle{};
  };
  suivi.Dispose({863, 497}, 96, 19);
  const Rectangle s1 = place("Splitter1");
  EXPECT_FALSE(suivi.Suit({0, 300}));
  EXPECT_FALSE(suivi.Presse({s1.x + 5, s1.y - 1}));
  ASSERT_TRUE(suivi.Presse({s1.x + 5, s1.y}));
  EXPECT_TRUE(SuiviSeparateurs::Vertical(suivi.Sous({s1.x + 5, s1.y})));
  EXPECT_TRUE(suivi.Suit({0, place("PanelHaut").y + 150}));
  EXPECT_EQ(place("PanelHaut").hauteur, 150);
  EXPECT_TRUE(suivi.Suit({0, 0}));
  EXPECT_EQ(place("PanelHaut").hauteur, 40);
  EXPECT_TRUE(suivi.Relache());
  EXPECT_FALSE(suivi.Relache());
  // The share stays at another resolution.
  suivi.ChangeResolution(192);
  EXPECT_EQ(place("PanelHaut").hauteur, 40);
  suivi.Dispose({1726, 994}, 192, 38);
  EXPECT_EQ(place("PanelHaut").hauteur, 80);
}

// The guide printed as plain text: a paragraph that does not fit goes to the next
// page; one taller than a page is cut at its foot.
TEST(Aide, ParagraphesImprimes) {
  const std::vector<PlaceParagraphe> attendu{{0, 10, 30}, {0, 45, 50}, {1, 10, 100}, {2, 10, 10}};
  EXPECT_EQ(MetEnPageParagraphes({30, 50, 200, 10}, 10, 110, 5), attendu);
}

TEST(FenetresAnnexes, BarreEtIdentifiants) {
  EXPECT_EQ(FinBarre(0), std::nullopt);
  EXPECT_EQ(FinBarre(5), 5);
  EXPECT_EQ(FinBarre(std::size_t{1} << 40), std::nullopt);
  EXPECT_EQ(ExplicationIdentifiants("srv"),
            "Pour lire et modifier les comptes du serveur srv, Corrinom a besoin du nom et du mot de passe d'un "
            "administrateur.");
  EXPECT_NE(ExplicationIdentifiants("").find("comptes de ce serveur,"), std::string::npos);
}

// The reading's count over one load, page after page: the first count at once,
// then at most every 100 ms, the complete count whenever it comes.
TEST(FenetresAnnexes, CadenceDeLaLecture) {
  struct Page { int ms; std::size_t lus, total; bool dessine; };
  const Page pages[] = {
      {5000, 100, 0, true},     // the first count, however soon after the start
      {5030, 200, 0, false},    // 30 ms later
      {5099, 300, 0, false},    // 99 ms after the last drawn
      {5100, 400, 0, true},     // 100 ms after it
      {5150, 500, 900, false},  // a total now known, not reached
      {5160, 900, 900, true},   // all read: drawn at once
      {5170, 950, 900, true},   // more than announced is complete too
  };
  CadenceLecture cadence;
  for (const Page& p : pages)
    EXPECT_EQ(cadence.ADessiner(std::chrono::milliseconds(p.ms), p.lus, p.total), p.dessine) << p.ms;
  // A new load draws its first count again.
  cadence.Recommence();
  EXPECT_TRUE(cadence.ADessiner(std::chrono::milliseconds(5180), 100, 0));
  EXPECT_FALSE(cadence.ADessiner(std::chrono::milliseconds(5190), 200, 0));
}

// The bottom row of a secondary window: the last button keeps right but never
// covers the others when the window is narrow; a missing button takes no room.
TEST(FenetresAnnexes, RangeeBoutons) {
  using R = std::vector<Rectangle>;
  EXPECT_EQ(RangeeBoutons({300, 100}, {50, 0, 60}, 20, 8), (R{{8, 72, 50, 20}, {}, {232, 72, 60, 20}}));
  EXPECT_EQ(RangeeBoutons({100, 20}, {50, 40, 60}, 20, 8), (R{{8, 8, 50, 20}, {66, 8, 40, 20}, {114, 8, 60, 20}}));
}

// A printed page of the change list holds its header, the titles and its own
// rows only; a restore replaces the rows only when it restored something.
TEST(FenetresAnnexes, ListeChangements) {
  const LigneChangement l{"a", "X Y", "Z Y", "", "", Marque::ModificationImportante};
  std::optional<std::vector<LigneChangement>> reponse;
  ListeChangementsFenetre liste({l, l, l}, "BASE", [&](const std::string&) { return reponse; });
  const PagesChangements mise = MetEnPageChangements(3, 0, 600, 60, 10);  // two rows a page
  const std::vector<TexteImprime> page = liste.Page(mise, 1, "01/02/2026", 4);
  ASSERT_EQ(page.size(), 1 + 2 * kColonnesChangements);
  EXPECT_EQ(page[0].texte, EnTetePageChangements("01/02/2026", "BASE", 2, 2));
  EXPECT_EQ(page.back().place, mise.Cellule(0, kColonnesChangements - 1, 4));
  EXPECT_FALSE(liste.Restaure("j.csv"));
  reponse.emplace();
  EXPECT_TRUE(liste.Restaure("j.csv"));
  EXPECT_TRUE(liste.Lignes().empty());
  EXPECT_FALSE(ListeChangementsFenetre({}, "", nullptr).Restaure("j.csv"));
}

// "Enregistrer..." puts the CSV whole in place of the chosen file; a name that
// cannot be written (a folder) gives the operator's message instead.
TEST(FenetresAnnexes, EnregistreLaListe) {
  test::Dossier dossier;
  const ListeChangementsFenetre liste({{"a", "X Y", "Z Y", "", "", Marque::ModificationImportante}}, "", nullptr);
  const std::string nom = dossier.nom("changements.csv");
  std::ofstream(nom) << std::string(500, 'x');
  EXPECT_EQ(liste.Enregistre(nom), "");
  EXPECT_EQ(test::Lit(nom), liste.Csv());
  EXPECT_EQ(liste.Enregistre(dossier.nom("")).rfind("Le fichier ", 0), 0u);
}

// The list and the help page take what their buttons leave, at any resolution;
// a window without a restore gives its button no room.
TEST(FenetresAnnexes, PlacesDesFenetres) {
  for (const bool restaurable : {false, true}) {
    const PlacesChangements c = PlaceChangements({1600, 900}, 192, restaurable);
    EXPECT_EQ(c.boutons[2].largeur > 0, restaurable);
    EXPECT_EQ(c.liste.y + c.liste.hauteur + 16, c.boutons[0].y);
    EXPECT_EQ(c.boutons[3].x + c.boutons[3].largeur, 1600 - 16);
  }
  const PlacesAide a = PlaceAide({534, 634}, 20, 96);
  EXPECT_EQ(a.page.hauteur, 634 - 20 - kHauteurPanneauAide);
  EXPECT_EQ(a.fermer.y, a.page.hauteur + kHautBoutonsAide);
  EXPECT_EQ(a.imprimer.x, PlaceBoutonsAide(534).imprimer);
}

// The printed header's date; the restore's dialog opens in the journals' folder,
// given as UTF-8 whatever the system spells.
TEST(FenetresAnnexes, DateEtDossierDesJournaux) {
  EXPECT_EQ(DateImpression({2026, 1, 2, 9, 5, 7, 60}), "02/01/2026 09:05");
  const char* avant = std::getenv("XDG_DATA_HOME");
  const std::string ancien = avant ? avant : "";
  setenv("XDG_DATA_HOME", "/tmp/H\xC3\xA9l\xC3\xA8ne", 1);
  EXPECT_EQ(ListeChangementsFenetre::DossierJournal(), "/tmp/H\xC3\xA9l\xC3\xA8ne/corrinom/journaux");
  if (avant) setenv("XDG_DATA_HOME", ancien.c_str(), 1);
  else unsetenv("XDG_DATA_HOME");
}

// The chooser answers only Ok with an entry selected; a preselection outside the
// names selects nothing; examples need a selection and a request that has them.
// The chooser centred on its owner at every resolution, fitted to the desktop.
TEST(ChercheChamp, Placement) {
  const Marges cadre{3, 26, 3, 3};
  const Rectangle bureau{0, 0, 1280, 1024}, proprietaire{100, 100, 800, 600};
  struct Cas { Rectangle autour; int dpi; Rectangle bureau; GeometrieFenetre attendu; };
  const Cas cas[] = {
      {proprietaire, 96, bureau, {{329, 231}, {336, 309}, cadre}},
      {proprietaire, 192, bureau, {{161, 77}, {672, 618}, cadre}},  // 678 x 647 with its frame
      // Past the desktop's right edge: centred on the desktop.
      {{1000, 100, 800, 600}, 144, bureau, {{385, 266}, {504, 463}, cadre}},
      // Taller than the desktop: as tall as it, its caption on it.
      {{0, 0, 800, 600}, 192, {0, 0, 800, 600}, {{61, 0}, {672, 571}, cadre}},
      {{-500, -300, 400, 300}, 96, bureau, {{0, 0}, {336, 309}, cadre}},
  };
  for (const Cas& c : cas) EXPECT_EQ(PlaceChercheChamp(cadre, c.autour, c.dpi, c.bureau), c.attendu) << c.dpi;
}

TEST(ChercheChamp, ChoixEtPreselection) {
  EXPECT_EQ(ChoixChercheChamp(true, 2), 2);
  EXPECT_EQ(ChoixChercheChamp(true, std::nullopt), std::nullopt);
  EXPECT_EQ(ChoixChercheChamp(false, 2), std::nullopt);
  EXPECT_EQ(PreselectionChercheChamp(1, 2), 1);
  EXPECT_EQ(PreselectionChercheChamp(2, 2), std::nullopt);
  EXPECT_EQ(PreselectionChercheChamp(-1, 2), std::nullopt);
  DemandeChamp d;
  EXPECT_TRUE(ExemplesChercheChamp(d, 0).empty());  // a request without examples
  d.exemples = [](int n) { return std::vector<std::string>{std::to_string(n)}; };
  EXPECT_EQ(ExemplesChercheChamp(d, 1), std::vector<std::string>{"1"});
  EXPECT_TRUE(ExemplesChercheChamp(d, std::nullopt).empty());
}

// A question's default button gives the default answer; a box closed otherwise
// than by one of its buttons answers Annuler.
TEST(FenetresAnnexes, BoutonsQuestion) {
  for (const BoutonQuestion& b : kBoutonsQuestion) {
    EXPECT_EQ(kBoutonsQuestion[RangBouton(b.reponse)].reponse, b.reponse);
    EXPECT_EQ(ReponseDuBouton(b.nom), b.reponse);
  }
  EXPECT_EQ(ReponseDuBouton(""), Reponse::Annuler);
}

}  // namespace
}  // namespace corrinom::fenetre
