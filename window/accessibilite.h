// What both shells give screen readers and what keeps every label whole: the
// accessible name of each control that takes the focus and has no caption of its
// own, the words of each mark for an account row's spoken text, and the room each
// label of the main window has up to the next control on its line. Texts are
// CP1252.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reconcile/etat.h"

namespace corrinom::fenetre {

// A control that takes the focus without a caption of its own (edit boxes, lists,
// combo boxes, the help page, a picture button), in any of the program's windows,
// by its name in the code. Its name is the text of the label in front of it when
// there is one (`libelle` names that label: a shell ties them, so that the label
// names it), else the caption of its group or of its window. Buttons with a
// caption are named by it and are not listed.
struct NomAccessible {
  std::string_view controle;
  std::string_view libelle;  // the label in front of it, empty when there is none
  std::string_view nom;
};
std::span<const NomAccessible> NomsAccessibles();

// The accessible name of a control by its name in the code, empty when it is not
// in NomsAccessibles().
std::string_view NomAccessibleDe(std::string_view controle);

// The words of each mark, in the order of Marque: "compte à ne pas changer",
// "déjà bon", "modification mineure", "modification importante".
inline constexpr std::array<std::string_view, 4> kMotsMarques{
    "compte \xE0 ne pas changer", "d\xE9j\xE0 bon", "modification mineure", "modification importante"};
std::string_view MotMarque(Marque marque);

// The Windows account list's last column, zero wide: each row's mark's words,
// which a screen reader reads with the row's other columns (a Windows list gives
// oleacc its columns' texts; its pictures say nothing).
inline constexpr std::string_view kTitreColonneMarque = "Marque";

// What a screen reader says of an account row: its login, then its mark's words
// ("dupont, modification importante").
std::string TexteAccessibleCompte(const LigneCompte& ligne);

// A label of the main window that shares its line with other controls, and the
// room its text has, at a resolution: from the label's left edge up to the next
// control on its line (or its parent's inner right edge), less a gap so that the
// text never touches that control.
struct PlaceLibelle {
  std::string_view libelle;  // the label's name in the code
  std::string_view parent;
  std::string_view suivant;  // the next control on its line; empty: the parent's edge
  std::string texte;         // the longest text it shows (counts of 99999 rows)
  int x = 0;                 // its left edge in its parent's client area, in pixels at dpi
  int place = 0;             // the room for its text, in pixels at dpi
};
inline constexpr int kEcartLibelle = 4;  // at 96 dpi
std::vector<PlaceLibelle> PlacesLibelles(int dpi);

}  // namespace corrinom::fenetre
