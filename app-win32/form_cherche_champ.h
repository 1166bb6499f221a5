// The field chooser on Windows: which field of a delimited file holds a piece of
// information. The core decides what to ask (DemandeChamp); this dialog shows it,
// built from window/cherche_champ_fenetre.h, and returns the operator's choice.
#pragma once

#include <windows.h>

#include <optional>

#include "operator/dialogues.h"

namespace corrinom::win32 {

// Shows the request modally over `proprietaire`: the chosen entry after Ok with an
// entry selected, else none (Annuler, Escape, the close box).
std::optional<int> ChoisitChamp(HINSTANCE instance, HWND proprietaire, const DemandeChamp& demande);

}  // namespace corrinom::win32
