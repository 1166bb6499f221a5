#include "window/controles.h"

#include <algorithm>

#include "reconcile/etat.h"
#include "window/indications.h"
#include "text/version.h"

namespace corrinom::fenetre {

namespace {

using enum Genre;
using enum Ancrage;

constexpr int kLargeur = kTailleClient.largeur;
constexpr int kHautStatut = 19;  // the status bar's design height
constexpr int kBasPanel3 = kTailleClient.hauteur - kHautStatut;
// The upper band holds the three aid buttons above the counters, and the not-found
// list beside them; the account list takes what is left below.
constexpr int kHautHaut = 196;
constexpr int kHautGroupBox1 = kBasPanel3 - 37 - (29 + 72 + kHautHaut + 3);

// Parents before their children; within a parent, the order the docking rules read.
constexpr Controle kControles[] = {
    {kNomFenetre, Fenetre, "", kTitreFenetre, Aucun, {0, 0, kTailleClient.largeur, kTailleClient.hauteur}},
    {"Panel1", Bande, "FormCorrinom",
     "Programme \xE0 utiliser lorsque des noms ou pr\xE9noms ont \xE9t\xE9 chang\xE9s dans des fichiers "
     "\xE0 importer",
     Haut, {0, 0, kLargeur, 29}, -1, kTexteCentre},
    {"Panel2", Bande, "FormCorrinom", "", Haut, {0, 29, kLargeur, 72}},
    {"Label1", Libelle, "Panel2", "Nom du fichier contenant les utilisateurs modifi\xE9s", Aucun,
     {0, 8, 0, 0}, -1, kTailleDuTexte},
    // The edit box starts far enough right for Label1 to show whole in the wider
    // faces that stand in for "MS Sans Serif", with room to spare.
    {"EditNomFich", Edition, "Panel2", "", Aucun, {256, 4, 369, 21}, 0},
    {"ButtonOuvrir", Bouton, "Panel2", "Ouvrir", Aucun, {632, 4, 61, 21}, 1},
    {"Bevel1", Trait, "Panel2", "", Bas, {0, 72 - 27 - 12, kLargeur, 12}},
    {"Label3", Libelle, "Panel2",
     "Utilisez le bouton Aide pour obtenir des conseils sur l'utilisation de ce programme.", Bas,
     {0, 72 - 27, kLargeur, 27}, -1, kTexteALaLigne},
    {"PanelHaut", Bande, "FormCorrinom", "", Haut, {0, 101, kLargeur, kHautHaut}},
    {"GroupBox3", Cadre, "PanelHaut", "Aide au rapprochement", Gauche, {0, 0, 461, kHautHaut}},
    {"Button3", Bouton, "GroupBox3", "Rapprocher ceux qui ont le m\xEAme nom et le m\xEAme premier pr\xE9nom",
     Aucun, {12, 20, 337, 25}, 2},
    {"Button6", Bouton, "GroupBox3", "Rapprocher en fonction de la date de naissance", Aucun,
     {12, 48, 337, 25}, 3},
    {"Button7", Bouton, "GroupBox3", "Rapprocher les noms ressemblants", Aucun, {12, 76, 337, 25}, 4},
    {"GroupBoxResume", Cadre, "GroupBox3", "Travail \xE0 faire", Bas, {0, kHautHaut - 74, 461, 74}},
    // Each counter label follows its mark picture, 20 pixels to its left, a pixel higher.
    {"LabelRienAFaireImage", Image, "GroupBoxResume", "", Aucun, {12, 21, 16, 16}, -1, 0, Marque::NePasChanger},
    {"LabelRienAFaire", Libelle, "GroupBoxResume", "0", Aucun, {32, 22, 176, 16}},
    {"LabelDejaBonImage", Image, "GroupBoxResume", "", Aucun, {12, 41, 16, 16}, -1, 0, Marque::DejaBon},
    {"LabelDejaBon", Libelle, "GroupBoxResume", "0", Aucun, {32, 42, 176, 16}},
    {"LabelAFaireMineurImage", Image, "GroupBoxResume", "", Aucun, {208, 23, 16, 16}, -1, 0, Marque::ModificationMineure},
    {"LabelAFaireMineur", Libelle, "GroupBoxResume", "0", Aucun, {228, 24, 176, 16}},
    {"LabelAFaireImage", Image, "GroupBoxResume", "", Aucun, {208, 41, 16, 16}, -1, 0, Marque::ModificationImportante},
    {"LabelAFaire", Libelle, "GroupBoxResume", "0", Aucun, {228, 42, 176, 16}},
    {"Splitter2", Separateur, "PanelHaut", "", Gauche, {461, 0, 3, kHautHaut}},
    {"GroupBox4", Cadre, "PanelHaut", "Utilisateurs non trouv\xE9s", Reste, {464, 0, 399, kHautHaut}},
    {"ListViewRebus", Liste, "GroupBox4", "", Reste, {2, 15, 399 - 4, kHautHaut - 17}, 5},
    {"Splitter1", Separateur, "FormCorrinom", "", Haut, {0, 101 + kHautHaut, kLargeur, 3}},
    {"GroupBox1", Cadre, "FormCorrinom", "Liste des utilisateurs TAVO", Reste,
     {0, 101 + kHautHaut + 3, kLargeur, kHautGroupBox1}},
    {"ListViewUsers", Liste, "GroupBox1", "", Reste, {2, 23, kLargeur - 4, kHautGroupBox1 - 25}, 6},
    {"Panel3", Bande, "FormCorrinom", "", Bas, {0, kBasPanel3 - 37, kLargeur, 37}},
    {"Button1", Bouton, "Panel3", "Effectuer les changements dans le serveur", Aucun, {88, 8, 277, 21}, 7},
    {"Button2", Bouton, "Panel3", "Quitter", Aucun, {380, 8, 150, 21}, 8},
    {"Button4", Bouton, "Panel3", "Aide", Aucun, {540, 8, 150, 21}, 9},
    {"ButtonChangements", Bouton, "Panel3", "Voir les changements", Aucun, {700, 8, 150, 21}, 10},
    {"StatusBar1", BarreEtat, "FormCorrinom", "", Bas, {0, kBasPanel3, kLargeur, kHautStatut}},
};

// The least the operator can leave of each side of a splitter, at 96 dpi.
constexpr int kMinAides = 120;
constexpr int kMinListes = 40;

}  // namespace

std::span<const Controle> Controles() { return kControles; }

const Controle* TrouveControle(std::string_view nom) {
  for (const Controle& c : kControles)
    if (c.nom == nom) return &c;
  return nullptr;
}

std::vector<const Controle*> OrdreTabulation() {
  std::vector<const Controle*> ordre;
  for (const Controle& c : kControles)
    if (c.tabulation >= 0) ordre.push_back(&c);
  std::sort(ordre.begin(), ordre.end(),
            [](const Controle* a, const Controle* b) { return a->tabulation < b->tabulation; });
  return ordre;
}

std::string_view IndicationFocus(std::string_view nom) { return TexteIndicationFocus(nom); }

std::string_view NomListe(ListeSource liste) {
  if (liste == ListeSource::Comptes) return "ListViewUsers";
  if (liste == ListeSource::Rebus) return "ListViewRebus";
  return {};
}

std::string ContenuGlisse(ListeSource source, std::string_view jeton) {
  return std::string(jeton) + '\n' + std::string(NomListe(source));
}

ListeSource SourceDuContenu(std::string_view contenu, std::string_view jeton) {
  const std::size_t fin = contenu.find('\n');
  if (fin == std::string_view::npos || contenu.substr(0, fin) != jeton) return ListeSource::Autre;
  for (const ListeSource s : {ListeSource::Comptes, ListeSource::Rebus})
    if (contenu.substr(fin + 1) == NomListe(s)) return s;
  return ListeSource::Autre;
}

std::span<const Colonne> ColonnesListe(std::string_view nom) {
  if (nom == "ListViewUsers") return kColonnesComptes;
  if (nom == "ListViewRebus") return kColonnesRebus;
  return {};
}

std::string_view TexteCellule(const LigneCompte& ligne, std::size_t colonne) {
  return colonne == 0 ? ligne.login : ligne.sousItem(colonne - 1);
}

std::string_view TexteCellule(const LigneRebus& ligne, std::size_t colonne) {
  switch (colonne) {
    case 0: return ligne.nom;
    case 1: return ligne.prenoms;
    case 2: return ligne.dateNaiss;
    default: return {};
  }
}

Separations SeparationsInitiales(int dpi) { return {AEchelle(461, dpi), AEchelle(kHautHaut, dpi)}; }

Separations Reechelle(Separations s, int ancienDpi, int nouveauDpi) {
  return {Proportion(s.largeurAides, nouveauDpi, ancienDpi), Proportion(s.hauteurHaut, nouveauDpi, ancienDpi)};
}

namespace {

// What is still free of a parent's client area while its docked children take theirs.
struct Libre {
  int gauche, haut, droite, bas;
  int largeur() const { return std::max(0, droite - gauche); }
  int hauteur() const { return std::max(0, bas - haut); }
};

int Borne(int v, int bas, int haut) { return std::max(bas, std::min(v, haut)); }

}  // namespace

std::vector<PlaceControle> Dispose(Taille client, int dpi, int hauteurBarreEtat, Separations s) {
  std::vector<PlaceControle> places;
  places.reserve(std::size(kControles));
  auto placeDe = [&](std::string_view nom) -> Rectangle* {
    for (PlaceControle& p : places)
      if (p.nom == nom) return &p.place;
    return nullptr;
  };

  // The client area of each parent, in turn; the window first.
  auto disposeEnfants = [&](std::string_view parent, Taille taille) {
    Libre r{0, 0, std::max(0, taille.largeur), std::max(0, taille.hauteur)};
    const bool cadre = TrouveControle(parent) && TrouveControle(parent)->genre == Cadre;
    auto epaisseur = [&](const Controle& c, bool vertical) {
      if (c.genre == BarreEtat) return std::max(0, hauteurBarreEtat);
      if (c.nom == "PanelHaut") return s.hauteurHaut;
      if (c.nom == "GroupBox3") return s.largeurAides;
      return AEchelle(vertical ? c.place.hauteur : c.place.largeur, dpi);
    };
    std::vector<const Controle*> enfants;
    for (const Controle& c : kControles)
      if (c.parent == parent) enfants.push_back(&c);
    for (const Controle* c : enfants) {
      if (c->ancrage != Haut) continue;
      const int h = std::min(epaisseur(*c, true), r.hauteur());
      places.push_back({c->nom, {r.gauche, r.haut, r.largeur(), h}});
      r.haut += h;
    }
    for (auto it = enfants.rbegin(); it != enfants.rend(); ++it) {
      if ((*it)->ancrage != Bas) continue;
      const int h = std::min(epaisseur(**it, true), r.hauteur());
      r.bas -= h;
      places.push_back({(*it)->nom, {r.gauche, r.bas, r.largeur(), h}});
    }
    for (const Controle* c : enfants) {
      if (c->ancrage != Gauche) continue;
      const int l = std::min(epaisseur(*c, false), r.largeur());
      places.push_back({c->nom, {r.gauche, r.haut, l, r.hauteur()}});
      r.gauche += l;
    }
    for (const Controle* c : enfants) {
      if (c->ancrage == Reste) {
        // A list sits inside its frame's border and caption (and the search line).
        const Marges& b = parent == "GroupBox1" ? kMargesCadreRecherche : kMargesCadre;
        const Marges m = cadre ? Marges{AEchelle(b.gauche, dpi), AEchelle(b.haut, dpi), AEchelle(b.droite, dpi),
                                        AEchelle(b.bas, dpi)}
                               : Marges{};
        const Libre d{r.gauche + m.gauche, r.haut + m.haut, r.droite - m.droite, r.bas - m.bas};
        places.push_back({c->nom, {d.gauche, d.haut, d.largeur(), d.hauteur()}});
      } else if (c->ancrage == Aucun) {
        places.push_back({c->nom, AEchelle(c->place, dpi)});
      }
    }
  };

  // The splitters keep a minimum on each side, as far as the window allows.
  const int separateur = AEchelle(3, dpi);
  const int largeurMax = client.largeur - separateur - AEchelle(kMinListes, dpi);
  s.largeurAides = std::max(0, Borne(s.largeurAides, AEchelle(kMinAides, dpi), largeurMax));
  s.largeurAides = std::min(s.largeurAides, std::max(0, client.largeur));
  const int fixes = AEchelle(29 + 72 + 37, dpi) + std::max(0, hauteurBarreEtat) + separateur;
  const int hauteurMax = client.hauteur - fixes - AEchelle(kMinListes, dpi);
  s.hauteurHaut = std::max(0, Borne(s.hauteurHaut, AEchelle(kMinListes, dpi), hauteurMax));

  disposeEnfants(kNomFenetre, client);
  // Parents come before their children in the table, so each parent is placed
  // before its children need its size.
  for (const Controle& c : kControles) {
    if (c.genre == Fenetre) continue;
    bool parent = false;
    for (const Controle& e : kControles) parent = parent || e.parent == c.nom;
    if (!parent) continue;
    const Rectangle* p = placeDe(c.nom);
    disposeEnfants(c.nom, p ? Taille{p->largeur, p->hauteur} : Taille{});
  }
  return places;
}

std::vector<int> BordsPanneauxEtat(int largeurBarre, int dpi, int largeurBase) {
  const int version = AEchelle(kPanneauxEtat[0], dpi);
  const int fin = std::max(version, largeurBarre);
  if (largeurBase <= 0) return {version, fin};
  return {version, std::max(version, fin - largeurBase), fin};
}

std::string TextePanneauVersion() { return "Corrinom version " + std::string(kVersion) + ". Ostrel"; }

std::vector<PlaceControle> DisposeDansFenetre(Taille client, int dpi, int hauteurBarreEtat, Separations s) {
  std::vector<PlaceControle> places = Dispose(client, dpi, hauteurBarreEtat, s);
  // Parents come before their children: each is already in the window's area.
  for (PlaceControle& p : places) {
    const std::string_view parent = TrouveControle(p.nom)->parent;
    for (const PlaceControle& q : places) {
      if (&q == &p) break;
      if (q.nom == parent) {
        p.place.x += q.place.x;
        p.place.y += q.place.y;
        break;
      }
    }
  }
  return places;
}

std::string_view SeparateurSous(const std::vector<PlaceControle>& places, Point p) {
  for (const PlaceControle& c : places) {
    const Rectangle& r = c.place;
    if ((c.nom == "Splitter1" || c.nom == "Splitter2") && p.x >= r.x && p.x < r.x + r.largeur && p.y >= r.y &&
        p.y < r.y + r.hauteur)
      return c.nom;
  }
  return {};
}

Separations DeplaceSeparateur(const std::vector<PlaceControle>& places, std::string_view separateur, Point p,
                              Separations s) {
  for (const PlaceControle& c : places) {
    if (c.nom == "PanelHaut" && separateur == "Splitter1") s.hauteurHaut = p.y - c.place.y;
    if (c.nom == "GroupBox3" && separateur == "Splitter2") s.largeurAides = p.x - c.place.x;
  }
  return s;
}

Separations SeparationsDe(const std::vector<PlaceControle>& places, Separations s) {
  for (const PlaceControle& c : places) {
    if (c.nom == "PanelHaut") s.hauteurHaut = c.place.hauteur;
    if (c.nom == "GroupBox3") s.largeurAides = c.place.largeur;
  }
  return s;
}

const std::vector<PlaceControle>& SuiviSeparateurs::Dispose(Taille client, int dpi, int hauteurBarreEtat) {
  client_ = client;
  dpi_ = dpi;
  hauteurBarreEtat_ = hauteurBarreEtat;
  places_ = DisposeDansFenetre(client, dpi, hauteurBarreEtat, separations_);
  return places_;
}

void SuiviSeparateurs::ChangeResolution(int dpi) {
  separations_ = Reechelle(separations_, dpi_, dpi);
  dpi_ = dpi;
}

bool SuiviSeparateurs::Presse(Point p) {
  actif_ = Sous(p);
  return Actif();
}

bool SuiviSeparateurs::Suit(Point p) {
  if (!Actif()) return false;
  // The splitter stays where the places put it, each side kept at its minimum.
  separations_ = DeplaceSeparateur(places_, actif_, p, separations_);
  places_ = DisposeDansFenetre(client_, dpi_, hauteurBarreEtat_, separations_);
  separations_ = SeparationsDe(places_, separations_);
  return true;
}

bool SuiviSeparateurs::Relache() {
  const bool actif = Actif();
  actif_ = {};
  return actif;
}

}  // namespace corrinom::fenetre
