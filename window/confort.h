// The review's helpers on the main window, without any toolkit: the search line
// on the caption of the account list, the context menus and their keys, undo and
// redo keys, and the write's progress window. Both shells draw these facts; the
// behaviour behind them is LogiqueFenetre's.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reconcile/etat.h"
#include "reconcile/filtre.h"
#include "window/controles.h"
#include "window/geometrie.h"

namespace corrinom::fenetre {

// The search line, at the right of the caption "Liste des utilisateurs TAVO",
// inside GroupBox1. Texts are CP1252.
inline constexpr std::string_view kNomLibelleRecherche = "LabelRecherche";
inline constexpr std::string_view kNomEditRecherche = "EditRecherche";
inline constexpr std::string_view kNomComboMarques = "ComboMarques";
// Before the label: how many rows the filter shows, while it hides some.
inline constexpr std::string_view kNomLabelNombreComptes = "LabelNombreComptes";
inline constexpr std::string_view kTexteLibelleRecherche = "Rechercher :";
inline constexpr std::string_view kIndicationEditRecherche =
    "Tapez une partie d'un login, d'un nom ou d'un pr\xE9nom pour ne montrer que les comptes qui "
    "la contiennent";
inline constexpr std::string_view kIndicationComboMarques =
    "Choisissez les comptes \xE0 montrer suivant leur point de couleur";

// The hint of a control of the search line (empty for any other control).
std::string_view IndicationRecherche(std::string_view controle);

// The keyboard focus order with the search line: EditRecherche and ComboMarques
// come just before ListViewUsers.
std::vector<std::string_view> OrdreFocusAvecRecherche();

// Where the search line goes, in GroupBox1's client area of width `largeurCadre`
// pixels at `dpi`: the count of rows shown (its text right-aligned), label, edit
// box and combo from left to right, ending 8 pixels (at 96 dpi) from the right
// edge, at the caption's height. `finLegende` is where the box's caption ends (0:
// not known): nothing of the line starts within 8 pixels of it while the edit
// box and the combo can still give up width.
struct PlacesRecherche {
  Rectangle libelle, edition, choix, nombre;
};
PlacesRecherche PlaceRecherche(int largeurCadre, int dpi, int finLegende = 0);

// The search line's four controls, children of GroupBox1, in the order they are
// made: label, edit box, combo, count. Their places are PlaceLigneRecherche's: the
// table's are empty. The edit box and the combo are in the keyboard focus order
// (where OrdreFocusAvecRecherche puts them), the labels are not.
std::span<const Controle> ControlesRecherche();
// The places of ControlesRecherche for a GroupBox1 at `cadre` (in its parent's
// coordinates, or {0, 0, width, height} for places in the box itself), at `dpi`,
// its caption ending at `finLegende` in the box.
std::array<PlaceControle, 4> PlaceLigneRecherche(Rectangle cadre, int dpi, int finLegende = 0);

// LabelNombreComptes' text: "N comptes affichés sur M" while the filter hides
// rows (`affiches` of the `total` account rows), the empty text otherwise.
std::string TexteComptesAffiches(std::size_t affiches, std::size_t total);

// The hint after a move or an aid that attached persons to account rows the
// filter hides: `masquees` are those rows. One row: "NOM Prénoms vient d'être
// déplacé sur LOGIN, masqué par le filtre"; more: how many, and their first
// logins. Empty when there is none.
std::string TexteMasquesParFiltre(const EtatRapprochement& etat,
                                  const std::vector<std::size_t>& masquees);

// The changed letters of an account list cell, emphasized (bold, in the mark's
// colour): in "Nouv. noms" and "Nouv. prénoms" of an attached row, one flag per
// byte of the new text, true for the letters that differ from the current text
// (window/surlignage.h). Empty for any other cell and when no letter differs.
// `colonne` counts the login as column 0.
std::vector<bool> LettresSurlignees(const LigneCompte& ligne, int colonne);

// The runs of letters drawn alike, from such flags: bytes [debut, fin), changed or
// not, in order and covering every flag.
struct Morceau {
  std::size_t debut = 0;
  std::size_t fin = 0;
  bool change = false;
  friend bool operator==(const Morceau&, const Morceau&) = default;
};
std::vector<Morceau> Morceaux(const std::vector<bool>& change);

// The colour of a mark (Marque::NePasChanger...), as the mark pictures show it.
struct Couleur {
  unsigned char rouge = 0, vert = 0, bleu = 0;
  friend bool operator==(const Couleur&, const Couleur&) = default;
};
Couleur CouleurMarque(Marque marque);

// What a key does in the main window, whatever control has the focus, by its
// Windows virtual-key code and modifiers. The shells give the keys to an edit box
// first when it has the focus (there Ctrl+Z and Ctrl+Y keep their usual meaning).
enum class ActionClavier { Aucune, Annuler, Retablir, Placer, Liberer };
inline constexpr int kToucheSuppr = 46;  // Delete
inline constexpr int kToucheEntree = 0x0D;
inline constexpr int kToucheZ = 'Z';
inline constexpr int kToucheY = 'Y';
// The keys held with Ctrl (and never Alt), Shift or not, and what they do; the
// Qt window makes its shortcuts from this table.
struct Raccourci {
  int touche;
  bool majuscule;
  ActionClavier action;
};
inline constexpr std::array<Raccourci, 4> kRaccourcis{{{kToucheZ, false, ActionClavier::Annuler},
                                                      {kToucheZ, true, ActionClavier::Retablir},
                                                      {kToucheY, false, ActionClavier::Retablir},
                                                      {kToucheEntree, false, ActionClavier::Placer}}};
ActionClavier ActionTouche(int touche, bool ctrl, bool majuscule, bool alt);

// One entry of a context menu.
struct EntreeMenu {
  std::string_view texte;      // CP1252
  std::string_view raccourci;  // as the menu shows it
  bool actif = false;
  ActionClavier action = ActionClavier::Aucune;
  // The entry's line in a menu: the text, then the shortcut after a tab.
  std::string ligne() const { return std::string(texte) + '\t' + std::string(raccourci); }
  friend bool operator==(const EntreeMenu&, const EntreeMenu&) = default;
};

}  // namespace corrinom::fenetre
