// Manual moves between and within the two lists (drag and drop, the Delete key).
//
// The window turns the drop point into a row index (the row found 10 pixels from the
// list's left edge at the drop's height) and passes the selected row of the source
// list. An empty index means "no selection" or "below the last row". Each function
// returns true when it changed a row; the hint panel is written through Dialogues.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "operator/dialogues.h"
#include "reconcile/etat.h"

namespace corrinom {

enum class ListeSource { Comptes, Rebus, Autre };

inline constexpr int kToucheSuppr = 46;

// The text with one blank appended, unless it is empty or already ends in a blank.
std::string AjouteEspace(std::string_view texte);

// Which drags each list accepts while the pointer is over it.
bool ListViewUsersDragOver(ListeSource source);
bool ListViewRebusDragOver(ListeSource source);

// A drop on the account list. selection: the selected row of the source list;
// cible: the account row under the drop.
bool ListViewUsersDragDrop(EtatRapprochement& etat, Dialogues& dialogues, ListeSource source,
                           std::optional<std::size_t> selection,
                           std::optional<std::size_t> cible);

// A drop on the not-found list. selection: the selected account row; cible: the
// not-found row under the drop (none: append at the end).
bool ListViewRebusDragDrop(EtatRapprochement& etat, Dialogues& dialogues, ListeSource source,
                           std::optional<std::size_t> selection,
                           std::optional<std::size_t> cible);

// The context menus' moves without the mouse.
inline constexpr std::string_view kMenuPlacer = "Placer sur le compte s\xE9lectionn\xE9";
inline constexpr std::string_view kMenuLiberer = "Lib\xE9rer ce compte";

// "Placer sur le compte sélectionné" (Ctrl+Entrée) on a not-found person: offered
// when one account row is selected.
bool PlacementPossible(std::optional<std::size_t> selectionRebus,
                       std::optional<std::size_t> selectionCompte);

// Exactly what dropping the selected not-found person on the selected account row
// does, with the same refusals and hints.
bool PlaceSurCompteSelectionne(EtatRapprochement& etat, Dialogues& dialogues,
                               std::optional<std::size_t> selectionRebus,
                               std::optional<std::size_t> selectionCompte);

// A key pressed in the account list; only Delete (46) sends the attached person of
// the selected row back to the not-found list.
bool ListViewUsersKeyDown(EtatRapprochement& etat, int touche,
                          std::optional<std::size_t> selection);

}  // namespace corrinom
