// The facts and the little logic of the secondary windows, for both shells: the
// help window, the change list, the progress windows and the credentials window.
// Places are at 96 dpi in the client area; texts are CP1252. The rule of
// window/logique_fenetre.h holds here too.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "session/liste_changements.h"
#include "session/progression.h"
#include "window/geometrie.h"

namespace corrinom::fenetre {

// A control of a secondary window.
struct ControleAnnexe {
  std::string_view nom;    // the name in the code
  std::string_view texte;  // fixed caption, empty when the window fills it in
  Rectangle place;
};

// The resizable secondary windows (the change list, the similarity review) keep
// this margin around their controls and between their buttons, at 96 dpi.
inline constexpr int kMargeAnnexe = 8;

// Their row of buttons along the bottom of a client area `client`, `marge` from
// its edges and from each other: every button from the left but the last, which
// keeps to the right edge without covering the others. A width of 0 is a button
// the window lacks: it takes no room and gets an empty place.
std::vector<Rectangle> RangeeBoutons(Taille client, const std::vector<int>& largeurs, int hauteur, int marge);

// ---------------------------------------------------------------------------
// The open-file dialog of "Ouvrir": two filters, the first selected, each with its
// patterns separated by ';' (the last one takes every file); the edit box's text
// is proposed, the file need not exist and no extension is added.
struct FiltreFichiers {
  std::string_view libelle;
  std::string_view motifs;
};
inline constexpr std::array<FiltreFichiers, 2> kFiltresOuvrir{{
    {"Fichiers Sconet (*.xml;*.csv;*.txt)", "*.xml;*.csv;*.txt"},
    {"Tous les fichiers", "*.*"},
}};

// ---------------------------------------------------------------------------

// ---------------------------------------------------------------------------
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

// ---------------------------------------------------------------------------
// The change list ("Voir les changements"): every pending row, in the columns of
// TitresChangements (session/liste_changements.h), the mark's picture before its
// word; under it, the buttons, Fermer on the right (the default button; Escape
// and the close box too). Modal, resizable: the list takes what the buttons leave.
// Printing draws the rows under EnTetePageChangements on each page, the columns
// sharing the page's width as kPartsImpressionChangements says, on a landscape
// page so that 20-letter logins and long names fit whole; the column titles wrap
// on two lines. Saving writes CsvChangements.
inline constexpr std::string_view kTitreChangements = "Changements \xE0 effectuer dans le serveur";
inline constexpr Taille kTailleChangements{820, 460};
inline constexpr std::array<int, 6> kLargeursChangements{100, 180, 180, 110, 110, 100};
inline constexpr std::array<double, 6> kPartsImpressionChangements{0.15, 0.25, 0.25, 0.12, 0.12, 0.11};
inline constexpr bool kImpressionChangementsPaysage = true;
inline constexpr int kLignesTitresImpression = 2;
inline constexpr std::array<ControleAnnexe, 4> kBoutonsChangements{{
    {"ButtonImprimer", "Imprimer...", {0, 0, 80, 23}},
    {"ButtonEnregistrer", "Enregistrer...", {0, 0, 80, 23}},
    {"ButtonRestaurer", "Restaurer un journal...", {0, 0, 117, 23}},
    {"ButtonFermer", "Fermer", {0, 0, 80, 23}},
}};
inline constexpr std::string_view kTitreEnregistrerChangements = "Enregistrer la liste des changements";
inline constexpr std::string_view kNomFichierChangements = "changements.csv";
inline constexpr std::string_view kFiltreChangements = "Fichiers CSV (*.csv)";
// The printed pages of the change list, for a printable area `largeur` x `hauteur`
// whose top left corner is (`gauche`, `haut`), and lines `hauteurLigne` apart
// (device units).
struct PagesChangements {
  int enTete = 0;   // the page header, a blank line, the column titles
  int parPage = 1;  // rows under them
  int pages = 1;    // never none: an empty list prints its header
  std::array<int, kColonnesChangements + 1> bords{};  // each column's left edge, then the right edge
  int haut = 0;
  int hauteurLigne = 1;
  // The rows [first, second) that page `page` (from 0) prints of `n`.
  std::pair<std::size_t, std::size_t> Lignes(int page, std::size_t n) const;
  // A column title's area (the title wraps, on the area's bottom lines) and the
  // cell of the `rang`-th row of a page, each `ecart` short of the next column;
  // the height of the rule under the titles.
  Rectangle Titre(std::size_t colonne, int ecart) const;
  Rectangle Cellule(std::size_t rang, std::size_t colonne, int ecart) const;
  int Trait() const { return haut + enTete - 1; }
};
PagesChangements MetEnPageChangements(std::size_t lignes, int gauche, int largeur, int hauteur, int hauteurLigne,
                                      int haut = 0);

// A text of a printed page of the change list and where it goes: the page
// header (one line from the area's top left), a column title (bold, wrapped on
// the area's bottom lines) or a cell (one line, cut with an ellipsis).
struct TexteImprime {
  enum class Sorte { EnTete, Titre, Cellule };
  Sorte sorte;
  Rectangle place;
  std::string texte;  // CP1252
};

// What the change list does besides drawing: its rows, the restore that
// replaces them, the file it saves and the texts of its printed pages.
class ListeChangementsFenetre {
 public:
  // Restores the chosen journal file (its path as the journals' folder spells
  // it): the rows as they stand afterwards, or none when nothing was restored.
  using Restauration = std::function<std::optional<std::vector<LigneChangement>>(const std::string&)>;

  // `magasin` (CP1252) names the server or the base in the printed header;
  // without `restaurer` the window has no restore button.
  ListeChangementsFenetre(std::vector<LigneChangement> lignes, std::string magasin, Restauration restaurer)
      : lignes_(std::move(lignes)), magasin_(std::move(magasin)), restaurer_(std::move(restaurer)) {}

  const std::vector<LigneChangement>& Lignes() const { return lignes_; }
  bool Restaurable() const { return static_cast<bool>(restaurer_); }
  // "Restaurer un journal..." once the journal is chosen: true when the rows
  // changed and the list is to be filled again.
  bool Restaure(const std::string& journal);
  // What "Enregistrer..." writes.
  std::string Csv() const { return CsvChangements(lignes_); }
  // The texts of page `page` (from 0) as `mise` lays them out, printed on `date`
  // (CP1252), each area `ecart` short of the next column. The shell draws them
  // and the rule under the titles (PagesChangements::Trait).
  std::vector<TexteImprime> Page(const PagesChangements& mise, int page, std::string_view date, int ecart) const;

 private:
  std::vector<LigneChangement> lignes_;
  std::string magasin_;
  Restauration restaurer_;
};

// ---------------------------------------------------------------------------
// The progress windows: the write's, with its button "Arrêter" (kBoutonArreter of
// session/progression.h), and the reading's at start-up, without it. Their caption
// and their text both say where the work is. Fixed size, centred on the owner or on
// the desktop; the client area is as tall as the button's bottom plus a margin.
inline constexpr std::array<ControleAnnexe, 3> kControlesProgression{{
    {"LabelTexte", "", {12, 12, 316, 16}},
    {"ProgressBar1", "", {12, 34, 316, 16}},
    {"ButtonArreter", kBoutonArreter, {130, 62, 80, 23}},
}};
inline constexpr Taille kTailleProgression{340, 96};
inline constexpr Taille kTailleProgressionSansBouton{340, 62};
// The count of the reading is drawn at most this often (milliseconds): pages come
// much faster than a person reads.
inline constexpr int kIntervalleLecture = 100;
// The bar's end for a work of `total` steps; none when the total is unknown (0) or
// beyond what a bar counts: the bar then only moves.
std::optional<int> FinBarre(std::size_t total);

// ---------------------------------------------------------------------------
// The credentials window, asked before the accounts are read when the system's
// store needs them: an explanation, the administrator's name (kUtilisateurParDefaut
// proposed) and password (hidden), Ok (the default button) and Annuler.
inline constexpr std::string_view kTitreIdentifiants = "Identifiants de l'administrateur";
inline constexpr std::string_view kLibelleUtilisateur = "Nom de l'administrateur :";
inline constexpr std::string_view kLibelleMotDePasse = "Mot de passe :";
inline constexpr std::string_view kUtilisateurParDefaut = "root";
inline constexpr int kLargeurIdentifiants = 360;  // at least
// The explanation for the server named by --serveur (UTF-8, as it is given; empty:
// this machine), in UTF-8.
std::string ExplicationIdentifiants(std::string_view serveur);

// The restore's file dialog opens in the per-user folder of the journals.
inline constexpr std::string_view kTitreChoixJournal = "Restaurer un journal";
inline constexpr std::string_view kFiltreJournaux = "Journaux (*.csv)";

}  // namespace corrinom::fenetre
