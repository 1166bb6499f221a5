// The change list on Windows: every pending row in a report list, with buttons to
// print it (the system's print dialog, a header on each page), save it as CSV and
// restore a journal. Its facts and its logic are window/liste_changements.h's,
// like the Qt window's.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "window/liste_changements.h"

namespace corrinom::win32 {

// Restores the journal file the operator chose (its UTF-8 name, as the core
// opens files).
using RestaurationJournal = fenetre::ListeChangementsFenetre::Restauration;

// ButtonChangementsClick of the main window: shows the list modally over
// `proprietaire` and frees it when it closes. `magasin` (UTF-8) names the
// server or the base on the printed pages. `marques` holds the main window's
// four mark pictures, by mark; the list shows each row's picture before the
// mark's word, from a duplicate of its own.
void MontreChangements(HINSTANCE instance, HWND proprietaire, std::vector<LigneChangement> lignes,
                       std::string_view magasin, HIMAGELIST marques, RestaurationJournal restaurer);

// Control identifiers (Fermer is IDCANCEL, so that Escape is it too).
inline constexpr int kIdListeChangements = 2101;
inline constexpr int kIdButtonImprimer = 2102;
inline constexpr int kIdButtonEnregistrer = 2103;
inline constexpr int kIdButtonRestaurer = 2104;

}  // namespace corrinom::win32
