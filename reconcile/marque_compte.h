// The mark of an account row with what its account holds: a row is green when
// a write would leave the account as it is, whatever its cleaned columns show.
#pragma once

#include <string_view>

#include "reconcile/etat.h"

namespace corrinom {

// What the account of a listed login holds, as the load read it (or as the last
// write or restore left it); null when the state does not know it.
const TextesCompte* TextesDetenus(const EtatRapprochement& etat, std::string_view login);

// True when writing these new names (CP1252) would leave the account as it is:
// its full name, read in CP1252 as the account list reads it, is already
// AssembleNoms(nom, prenoms), and field 7 of its comment already holds the
// length of nom as a write would put it there. A letter CP1252 lacks (Ł, read
// as L) is no change: such a row is green and its account keeps the letter.
bool EcritureSansEffet(const TextesCompte& detenus, std::string_view nom, std::string_view prenoms);

// The mark a row deserves, knowing what its account holds (`detenus`, null:
// unknown). Grey when free. Green when the account holds what a write would put
// there. Otherwise pink or red as CalculeMarque(ligne) says from the columns;
// and where the columns agree although the account would change, by comparing
// the full names: pink when they differ in ASCII case only or not at all (field
// 7 alone changes), red otherwise.
Marque CalculeMarque(const LigneCompte& ligne, const TextesCompte* detenus);

// Recomputes and sets the mark of one account row, with what its account holds.
void MarqueLigne(const EtatRapprochement& etat, LigneCompte& ligne);

}  // namespace corrinom
