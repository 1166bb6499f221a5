// Sorting the two lists by column, and the comparisons behind it.
//
// Every comparison returns a negative number when a comes first, 0 on a tie and a
// positive number when b comes first. Names are compared after EnleveAccents, logins
// unfolded, always with CompareOrdre. Sorts are stable: rows that tie on every key
// keep their previous order.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "operator/dialogues.h"
#include "reconcile/etat.h"

namespace corrinom {

// The ordering of two texts: byte by byte, ASCII a-z taken as A-Z, bytes unsigned,
// a prefix before the longer text.
int CompareOrdre(std::string_view a, std::string_view b);

int CompareMarques(const LigneCompte& a, const LigneCompte& b);
int CompareLogins(const LigneCompte& a, const LigneCompte& b);
int CompareNomsActuels(const LigneCompte& a, const LigneCompte& b);
int ComparePrenomsActuels(const LigneCompte& a, const LigneCompte& b);
int CompareNouveauxNoms(const LigneCompte& a, const LigneCompte& b);
int CompareNouveauxPrenoms(const LigneCompte& a, const LigneCompte& b);
int CompareNomsNonTrouves(const LigneRebus& a, const LigneRebus& b);
int ComparePrenomsNonTrouves(const LigneRebus& a, const LigneRebus& b);

using ComparaisonComptes = int (*)(const LigneCompte&, const LigneCompte&);
using ComparaisonRebus = int (*)(const LigneRebus&, const LigneRebus&);

// Stable ascending sorts of a whole list.
void TrieComptes(EtatRapprochement& etat, ComparaisonComptes compare);
void TrieRebus(EtatRapprochement& etat, ComparaisonRebus compare);

// A click on a column header (0 = the label column) of each list: sorts, or says
// why not, in the hint panel. Columns out of range do nothing. When `ordre` is
// given it receives the new order (position i holds the row that was at
// ordre[i]); it is left empty when nothing was sorted.
void TrieComptesParColonne(EtatRapprochement& etat, Dialogues& dialogues, int colonne,
                           std::vector<std::uint32_t>* ordre = nullptr);
void TrieRebusParColonne(EtatRapprochement& etat, Dialogues& dialogues, int colonne,
                         std::vector<std::uint32_t>* ordre = nullptr);

}  // namespace corrinom
