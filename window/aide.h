// The help window's facts and arithmetic, for both shells. Places are at 96 dpi;
// texts are CP1252.
#pragma once

#include <string_view>
#include <vector>

#include "window/fenetres_annexes.h"

namespace corrinom::fenetre {

// The help window: the guide over a bottom panel with the two buttons, and a status
// bar with one simple panel. Modal, created anew on each press of "Aide" and freed
// when it closes; Escape closes it; the keyboard goes to the page once it is shown.
inline constexpr std::string_view kTitreAide = "Aide Corrinom";
inline constexpr Taille kTailleAide{534, 634};  // where and how large is otherwise the system's choice
inline constexpr int kHauteurPanneauAide = 41;
inline constexpr int kHautBoutonsAide = 8;  // both buttons, from the panel's top
inline constexpr ControleAnnexe kButtonFermer{"ButtonFermer", "Fermer", {0, kHautBoutonsAide, 75, 25}};
inline constexpr ControleAnnexe kBitBtnImprimer{"BitBtnImprimer", "", {0, kHautBoutonsAide, 29, 25}};
inline constexpr std::string_view kInfoBulleImprimer = "Imprimer";  // the picture button's tooltip
inline constexpr std::string_view kTexteEtatAide = "Aide Corrinom.";

// Left edges of the two buttons of the bottom panel for a panel of the given client
// width: "Fermer" centred, the picture button right-aligned 8 pixels from the edge,
// neither ever at a negative position.
struct PositionsBoutonsAide {
  int fermer;
  int imprimer;
  friend bool operator==(const PositionsBoutonsAide&, const PositionsBoutonsAide&) = default;
};
PositionsBoutonsAide PlaceBoutonsAide(int largeurPanneau, int largeurFermer = 75, int largeurImprimer = 29);

// Where the page and the two buttons go in a client area `client` at `dpi`, over
// a status bar `hauteurBarre` high: the page on top, the buttons' panel under it.
struct PlacesAide {
  Rectangle page, fermer, imprimer;
};
PlacesAide PlaceAide(Taille client, int hauteurBarre, int dpi);

// The guide printed as plain text, where the printer cannot lay out the pages: the
// paragraphs of heights `hauteurs` stacked `ecart` apart from `haut` down to `bas`,
// a paragraph that does not fit below the others on the next page, one taller than
// a page at a page's top and cut at its foot. Pages count from 0.
struct PlaceParagraphe {
  int page = 0;
  int y = 0;
  int hauteur = 0;  // what of the paragraph is printed
  friend bool operator==(const PlaceParagraphe&, const PlaceParagraphe&) = default;
};
std::vector<PlaceParagraphe> MetEnPageParagraphes(const std::vector<int>& hauteurs, int haut, int bas, int ecart);

}  // namespace corrinom::fenetre
