// Marks, counters and list hints of the account rows.
#pragma once

#include <cstdint>
#include <string_view>

#include "reconcile/etat.h"

namespace corrinom {

// 0 when a and b are identical byte for byte, 1 when they are equal once ASCII
// a-z are taken as A-Z but not identical, -1 otherwise.
int CompareNoms(std::string_view a, std::string_view b);

// The mark a row deserves: grey when free; otherwise green, pink or red by
// comparing the current names (sub-items 0, 1) with the new ones (3, 4).
Marque CalculeMarque(const LigneCompte& ligne);

// Recomputes and sets the mark of one account row.
void MarqueLigne(LigneCompte& ligne);

// Recounts the account rows by mark into the four counters (window/compteurs.h
// gives their texts).
void AfficheResume(EtatRapprochement& etat);

// Rewrites the hints of both lists with their row counts.
void AfficheNombres(EtatRapprochement& etat);

// "s" for a count of 2 or more, the empty text otherwise.
std::string_view Pluriel(std::int64_t nombre);

}  // namespace corrinom
