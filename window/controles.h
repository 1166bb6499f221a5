// The main window's facts, written once, from which both shells build it: every
// control with its name in the code, its kind, its parent, its text, how it is
// docked, its place and size at 96 dpi, its place in the keyboard focus order; the
// columns of the two lists; the status bar's panels; the window's caption, size and
// font. Texts are CP1252 bytes, like every text of the core.
//
// Places are those of the window at its design size (client area 863 x 497), each
// in its parent's client area. A docked control (Ancrage other than Aucun) keeps
// only its thickness when the window is resized: Dispose computes where every
// control goes for any client size.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reconcile/deplacements.h"
#include "reconcile/etat.h"
#include "window/geometrie.h"

namespace corrinom::fenetre {

enum class Genre {
  Fenetre,     // the main window itself
  Bande,       // borderless panel; its text, if any, centred on it
  Libelle,     // static text
  Edition,     // one-line edit box
  Bouton,      // push button
  Cadre,       // group box with its caption
  Liste,       // report-style list (columns, whole-row selection, read-only)
  Separateur,  // splitter the operator can drag
  Trait,       // a sunken horizontal line along its top edge
  Image,       // one of the four mark pictures, 16 x 16
  Choix,       // drop-down list of fixed choices
  BarreEtat,   // status bar; its panels are kPanneauxEtat
};

// How a control follows its parent's client area. Within one parent: the Haut
// controls are stacked from the top in table order, the Bas controls from the
// bottom in reverse table order (the last one is the lowest), the Gauche controls
// from the left in table order, and a Reste control takes what is left.
enum class Ancrage { Aucun, Haut, Bas, Gauche, Reste };

// Style bits of a control's text.
inline constexpr unsigned kTexteCentre = 1;     // centred horizontally (and vertically in a band)
inline constexpr unsigned kTexteALaLigne = 2;   // word-wrapped over several lines
inline constexpr unsigned kTailleDuTexte = 4;   // the label is as large as its text (place has x, y only)
inline constexpr unsigned kTexteADroite = 8;    // right-aligned on one line, centred vertically

struct Controle {
  std::string_view nom;     // the name in the code: "Button3", "ListViewUsers"...
  Genre genre;
  std::string_view parent;  // empty for the window itself
  std::string_view texte;   // caption or initial text, CP1252
  Ancrage ancrage;
  Rectangle place;          // at 96 dpi, in the parent's client area, at the design size
  int tabulation = -1;      // rank in the keyboard focus order, -1 when not in it
  unsigned style = 0;       // kTexte... bits
  std::optional<Marque> marque{};  // the mark picture an Image shows; none for other controls
};

// Every control of the main window, parents before their children.
std::span<const Controle> Controles();

// The control of that name, or null.
const Controle* TrouveControle(std::string_view nom);

// The controls of the keyboard focus order, in that order (ten of them).
std::vector<const Controle*> OrdreTabulation();

// The hint the hint panel shows while the control has the keyboard focus (empty
// for a control that has none).
std::string_view IndicationFocus(std::string_view nom);

// The window.
inline constexpr std::string_view kNomFenetre = "FormCorrinom";
inline constexpr std::string_view kTitreFenetre =
    "Correction des noms et pr\xE9noms des utilisateurs TAVO";
inline constexpr Taille kTailleClient{863, 497};  // outer size 871 x 524 with the usual frame

// The font of every window of the program: 8 points of the first face found.
// "MS Sans Serif" is narrow; where it is missing, faces of the same width come
// first so that the captions fit their controls.
inline constexpr int kTaillePolice = 8;
inline constexpr std::array<std::string_view, 7> kFamillesPolice{
    "MS Sans Serif", "Microsoft Sans Serif", "Tahoma", "Liberation Sans",
    "Arimo",         "Nimbus Sans",          "Arial"};

// The four counters of "Travail \xE0 faire", in the order of EtatRapprochement's
// LabelRienAFaire, LabelDejaBon, LabelAFaireMineur, LabelAFaire.
inline constexpr std::array<std::string_view, 4> kCompteurs{"LabelRienAFaire", "LabelDejaBon",
                                                            "LabelAFaireMineur", "LabelAFaire"};

// A column of a report list.
struct Colonne {
  std::string_view titre;  // CP1252
  int largeur;             // at 96 dpi
};

// ListViewUsers: the login (with the row's mark picture), then sub-items 0 to 5.
inline constexpr std::array<Colonne, 7> kColonnesComptes{{{"Login", 90},
                                                         {"Noms actuels", 120},
                                                         {"Pr\xE9noms actuels", 180},
                                                         {"Date naiss", 70},
                                                         {"Nouv. noms", 120},
                                                         {"Nouv. pr\xE9noms", 180},
                                                         {"Date naiss", 70}}};

// ListViewRebus: last name, first names, birth date.
inline constexpr std::array<Colonne, 3> kColonnesRebus{
    {{"Noms", 120}, {"Pr\xE9noms", 180}, {"Date naiss", 70}}};

// The columns of a list by its control's name (empty for any other name).
std::span<const Colonne> ColonnesListe(std::string_view nom);

// Both lists show their hint (EtatRapprochement's indicationComptes and
// indicationRebus) as the tooltip of the whole list, wherever the pointer rests
// on it, and no tooltip while the hint is empty. Text is black.

// The name of a list's control ("ListViewUsers", "ListViewRebus"; empty for Autre).
std::string_view NomListe(ListeSource liste);

// A row dragged from a list carries which list of which window it left:
// `jeton` tells this window from any other, of this program or not, so that a
// drop decides its source from the data itself. Its type for the toolkit:
inline constexpr std::string_view kTypeGlisse = "application/x-corrinom-ligne";
std::string ContenuGlisse(ListeSource source, std::string_view jeton);
// The source such data stands for, seen from the window `jeton`: Autre for data
// from anywhere else, or from no list.
ListeSource SourceDuContenu(std::string_view contenu, std::string_view jeton);

// The text of a cell of the two lists: ListViewUsers shows the login, then the
// sub-items; ListViewRebus the last name, the first names and the birth date.
std::string_view TexteCellule(const LigneCompte& ligne, std::size_t colonne);
std::string_view TexteCellule(const LigneRebus& ligne, std::size_t colonne);

// StatusBar1's panels: panel 0 shows the version text, panel 1 the hints. With an
// embedded base a third panel, as wide as its text, names it for good. The hint
// panel takes all the width the other two leave (kPanneauxEtat[1] is its width
// at the design size without a base); a hint still too long for it shows whole in
// its tooltip.
inline constexpr std::array<int, 2> kPanneauxEtat{220, 300};

// The right edges of the status bar's panels, in pixels from its left, for a bar
// `largeurBarre` pixels wide at `dpi` whose base panel is `largeurBase` pixels
// wide (0: no base panel): the version panel, then the hint panel up to the base
// panel, then the base panel up to the end. Never less than the version panel's
// edge; the last edge is the bar's width.
std::vector<int> BordsPanneauxEtat(int largeurBarre, int dpi, int largeurBase);

// "Corrinom version ..." as panel 0 shows it (--version prints TexteVersion of window/options.h).
std::string TextePanneauVersion();

// The frame a group box keeps around a list that fills it (its border and its
// caption), at 96 dpi.
inline constexpr Marges kMargesCadre{2, 15, 2, 2};
// GroupBox1 holds the search line on its caption's line (window/confort.h): its
// list starts below it.
inline constexpr Marges kMargesCadreRecherche{2, 23, 2, 2};

// Where the operator left the two splitters, in pixels at the window's resolution:
// the width of GroupBox3 (Splitter2) and the height of PanelHaut (Splitter1).
struct Separations {
  int largeurAides = 461;
  int hauteurHaut = 196;
  friend bool operator==(const Separations&, const Separations&) = default;
};

// The splitters at their design place for a resolution.
Separations SeparationsInitiales(int dpi);
// The splitters where the operator left them, in the same share of the window once
// its resolution changes from `ancienDpi` to `nouveauDpi`.
Separations Reechelle(Separations s, int ancienDpi, int nouveauDpi);

struct PlaceControle {
  std::string_view nom;
  Rectangle place;  // in the parent's client area, in pixels at the window's resolution
};

// The place of every control of Controles() but the window itself, for a client area
// of `client` pixels at `dpi`, a status bar `hauteurBarreEtat` pixels high and the
// splitters where `separations` says. Undocked controls keep their place scaled from
// 96 dpi; docked ones follow the rules of Ancrage; the splitters are kept within the
// window so that each side keeps at least a minimum size; no size is ever negative.
std::vector<PlaceControle> Dispose(Taille client, int dpi, int hauteurBarreEtat,
                                   Separations separations);
// The same places in the window's client area, for a shell whose controls are all
// children of the window itself.
std::vector<PlaceControle> DisposeDansFenetre(Taille client, int dpi, int hauteurBarreEtat,
                                              Separations separations);

// For a shell that draws the splitters itself, over the places of DisposeDansFenetre:
// the splitter under a point (empty when none), the splitters asked for when the
// operator drags `separateur` to `p` (Dispose then keeps each side at its minimum),
// and where the places put them.
std::string_view SeparateurSous(const std::vector<PlaceControle>& places, Point p);
Separations DeplaceSeparateur(const std::vector<PlaceControle>& places, std::string_view separateur, Point p,
                              Separations s);
Separations SeparationsDe(const std::vector<PlaceControle>& places, Separations s);

// The places of a window whose shell draws the splitters itself, and the
// operator's drag of a splitter: a press on one takes it, the pointer's moves
// lay the window out again, the release leaves it. Points are in the window's
// client area.
class SuiviSeparateurs {
 public:
  explicit SuiviSeparateurs(int dpi = 96) : separations_(SeparationsInitiales(dpi)), dpi_(dpi) {}

  // The places of every control for this client area, resolution and status bar
  // (DisposeDansFenetre); kept for the pointer.
  const std::vector<PlaceControle>& Dispose(Taille client, int dpi, int hauteurBarreEtat);
  const std::vector<PlaceControle>& Places() const { return places_; }
  // The resolution changes: the splitters keep their share (Reechelle).
  void ChangeResolution(int dpi);

  // The splitter under a point ("Splitter1", "Splitter2"; empty when none), and
  // whether the pointer over it moves up and down (Splitter1) or sideways.
  std::string_view Sous(Point p) const { return SeparateurSous(places_, p); }
  static bool Vertical(std::string_view separateur) { return separateur == "Splitter1"; }
  // A press of the button: true when it took a splitter, which then follows the
  // pointer until Relache.
  bool Presse(Point p);
  bool Actif() const { return !actif_.empty(); }
  // The pointer moved: true when a splitter follows it; Places() then holds the
  // new places, each side kept at its minimum.
  bool Suit(Point p);
  // The button released, or the pointer taken by another window: true when a
  // splitter was following it.
  bool Relache();

 private:
  Separations separations_;
  std::vector<PlaceControle> places_;
  std::string_view actif_;
  Taille client_;
  int dpi_;
  int hauteurBarreEtat_ = 0;
};

}  // namespace corrinom::fenetre
