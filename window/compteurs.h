// The texts of the four counters of "Travail à faire". The core counts the rows
// of each mark (reconcile/etat.h); the window words the counts, and both shells
// and the command line show these texts.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "reconcile/etat.h"

namespace corrinom::fenetre {

// One counter: the count in decimal, then its words, plural from 2 on, in CP1252:
// "1 compte à ne pas changer", "2 comptes déjà bons", "0 modification mineure",
// "3 modifications importantes".
std::string TexteCompteur(Marque marque, int nombre);

// The four texts in the order of kCompteurs (window/controles.h): grey, green,
// pink, red. Each reads "0" until the first count.
std::array<std::string, kMarques.size()> TextesCompteurs(const std::optional<Compteurs>& compteurs);

}  // namespace corrinom::fenetre
