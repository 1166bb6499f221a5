// The similarity aid's review window on Windows: the proposals in an owner-data
// report list with check boxes, the count under it, and the buttons to place the
// ticked ones, untick all or cancel. A shell over fenetre::RevueRessemblance,
// like the Qt window.
#pragma once

#include <windows.h>

#include "window/revue_ressemblance.h"

namespace corrinom::win32 {

// Button7Click of the main window: shows the review modally over `proprietaire`;
// true when closed by "Placer les rapprochements cochés" (Entrée), false by
// Annuler, Échap or the close box.
bool MontreRessemblance(HINSTANCE instance, HWND proprietaire, fenetre::RevueRessemblance& revue);

}  // namespace corrinom::win32
