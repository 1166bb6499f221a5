// The change list's facts and everything it does besides drawing, for both
// shells: its rows, the restore, the CSV it saves, the printed pages. Places are
// at 96 dpi in the client area; texts are CP1252 unless said otherwise.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "session/horodatage.h"
#include "session/liste_changements.h"
#include "window/fenetres_annexes.h"

namespace corrinom::fenetre {

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
inline constexpr std::string_view kExtensionChangements = "csv";  // added to a name typed without one
inline constexpr std::string_view kFiltreChangements = "Fichiers CSV (*.csv)";

// Where the list and the buttons go in a client area `client` at `dpi`: the
// buttons along the bottom (RangeeBoutons), the restore button's place empty
// unless `restaurable`, and the list over them, kMargeAnnexe from everything.
struct PlacesChangements {
  Rectangle liste;
  std::array<Rectangle, kBoutonsChangements.size()> boutons;
};
PlacesChangements PlaceChangements(Taille client, int dpi, bool restaurable);

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

// The date and time a printed page shows in its header: 31/12/2026 09:05.
std::string DateImpression(const InstantLocal& i);

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
  // Restores the chosen journal file (its UTF-8 name, as the file readers take
  // it): the rows as they stand afterwards, or none when nothing was restored.
  using Restauration = std::function<std::optional<std::vector<LigneChangement>>(const std::string&)>;

  // `magasin` (CP1252) names the server or the base in the printed header;
  // without `restaurer` the window has no restore button.
  ListeChangementsFenetre(std::vector<LigneChangement> lignes, std::string magasin, Restauration restaurer)
      : lignes_(std::move(lignes)), magasin_(std::move(magasin)), restaurer_(std::move(restaurer)) {}

  const std::vector<LigneChangement>& Lignes() const { return lignes_; }
  // Where the restore's file dialog opens: the per-user folder of the journals
  // as a UTF-8 name, empty when the environment names none.
  static std::string DossierJournal();
  bool Restaurable() const { return static_cast<bool>(restaurer_); }
  // "Restaurer un journal..." once the journal is chosen: true when the rows
  // changed and the list is to be filled again.
  bool Restaure(const std::string& journal);
  // What "Enregistrer..." writes.
  std::string Csv() const { return CsvChangements(lignes_); }
  // "Enregistrer..." once the file is chosen (its UTF-8 name; the dialog has
  // already asked before replacing one): writes Csv() in its place. Empty when
  // the file is written, else the message that says why not (CP1252).
  std::string Enregistre(const std::string& fichier) const;
  // The texts of page `page` (from 0) as `mise` lays them out, printed on `date`
  // (CP1252), each area `ecart` short of the next column. The shell draws them
  // and the rule under the titles (PagesChangements::Trait).
  std::vector<TexteImprime> Page(const PagesChangements& mise, int page, std::string_view date, int ecart) const;

 private:
  std::vector<LigneChangement> lignes_;
  std::string magasin_;
  Restauration restaurer_;
};

// The restore's file dialog opens in the per-user folder of the journals.
inline constexpr std::string_view kTitreChoixJournal = "Restaurer un journal";
inline constexpr std::string_view kFiltreJournaux = "Journaux (*.csv)";

}  // namespace corrinom::fenetre
