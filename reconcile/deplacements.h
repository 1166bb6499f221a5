// Manual moves between and within the two lists (drag and drop, freeing a row).
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

// The text with one blank appended, unless it is empty or already ends in a blank.
std::string AjouteEspace(std::string_view texte);

// Which drags each list accepts while the pointer is over it: the account list
// takes rows of both lists, the not-found list only account rows.
bool AccepteGlisseVersComptes(ListeSource source);
bool AccepteGlisseVersRebus(ListeSource source);

// A drop on the account list: the person of the dragged row goes onto the free
// account row under the drop. selection: the selected row of the source list;
// cible: the account row under the drop.
bool DeposeSurCompte(EtatRapprochement& etat, Dialogues& dialogues, ListeSource source,
                     std::optional<std::size_t> selection, std::optional<std::size_t> cible);

// A drop on the not-found list: the person of the dragged account row goes back
// to it. selection: the selected account row; cible: the not-found row under the
// drop (none: append at the end).
bool DeposeSurNonTrouves(EtatRapprochement& etat, Dialogues& dialogues, ListeSource source,
                         std::optional<std::size_t> selection, std::optional<std::size_t> cible);

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

// What the Delete key and "Libérer ce compte" do: the person attached to the
// selected account row goes back to the end of the not-found list and the row
// turns grey.
bool LibereCompte(EtatRapprochement& etat, std::optional<std::size_t> selection);

}  // namespace corrinom
