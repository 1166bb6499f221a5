// The third matching aid: lists, best first, the pairs of a not-found person and a
// free account row that look alike, each with its score and the reasons for it;
// the sure ones are ticked, the operator reviews the list and the ticked pairs are
// placed in one action.
//
// Candidate pairs come from blocking keys, never from every pair: the same birth
// date, or a last name close to the account's (the same phonetic key, one letter
// apart, or a word in common) with a near birth date (day and month swapped, one
// digit or one unit off). Each candidate is then scored (ressemblance_niveaux.h) and
// kept when it reaches the threshold. A pair that no key brings together has neither
// its date nor, with a near date, its last name in common; it is left out even when
// its score would reach the threshold (two namesakes born on unrelated days).
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "operator/dialogues.h"
#include "reconcile/etat.h"
#include "reconcile/ressemblance_niveaux.h"

namespace corrinom {

struct PropositionRessemblance {
  std::size_t rebus = 0;   // index into etat.rebus
  std::size_t compte = 0;  // index into etat.comptes (a free row)
  Ressemblance ressemblance;
  // The two first first-names differ and each is in use in the school: borne by at
  // least kPorteursPrenomCourant rows of the account list (free or not) and the
  // not-found list together.
  bool premiersPrenomsCourants = false;
};

// Each person keeps at most this many candidates, so memory stays linear in the rows
// whatever the data.
inline constexpr std::size_t kCandidatsParPersonne = 16;

// The candidates of every not-found person, at or above `seuil`: persons in list order and, for each, its best candidates first (equal scores in account
// list order), at most `parPersonne` of them. A person without a last name has
// none: a drop refuses such a person, so no placement could take it either.
std::vector<PropositionRessemblance> CandidatsRessemblance(
    const EtatRapprochement& etat, std::size_t parPersonne = kCandidatsParPersonne,
    int seuil = kSeuilRessemblance);

// Best first; equal scores in not-found list order, then account list order.
void TriePropositions(std::vector<PropositionRessemblance>& propositions);

// The lines of the review: every candidate, in the order above.
std::vector<PropositionRessemblance> LignesRessemblance(const EtatRapprochement& etat);

// One tick per line (0 or 1), in the lines' order.
using Coches = std::vector<char>;

// The ticks at opening. A line is ticked when all of these hold:
//  - it scores at least `seuilSur`;
//  - it scores kEcartRessemblanceSure more than every other line of its person and
//    of its account (so two lines sharing the top score tick neither);
//  - no other line of its person or of its account pairs a last name and a birth
//    date that are both identical (a twin, or a pupil of the same family born the
//    same day, could be the one), unless the line's own first first-names and
//    birth dates are identical, which tells twins apart;
//  - when the last names differ, the first names are two or more (a lone first
//    name and a birth date are shared by chance too often);
//  - when the first first-names are close but differ, they are not both in use
//    (premiersPrenomsCourants);
//  - when one side bears a lone first name and the other several, the birth dates
//    are identical.
Coches CochesOuverture(const std::vector<PropositionRessemblance>& lignes,
                       int seuilSur = kSeuilRessemblanceSure);

// What answering yes to each proposal in turn placed before the review existed:
// going down the lines (best first) that score at least `seuil`, every line whose
// person and account are still free.
Coches CochesToutes(const std::vector<PropositionRessemblance>& lignes,
                    int seuil = kSeuilToutAccepter);

// Ticks line `i` and unticks every other line sharing its person or its account,
// so that a person and an account are each held by one ticked line at most.
void CocheLigne(const std::vector<PropositionRessemblance>& lignes, Coches& coches, std::size_t i);

// Places the ticked pairs as drops of the person on the account would: the row
// takes the person and its mark, the person leaves the not-found list, then the
// hints and counters are refreshed. A line whose person or account is already
// taken by an earlier one is skipped. Returns the number placed.
std::size_t PlaceRessemblances(EtatRapprochement& etat,
                               const std::vector<PropositionRessemblance>& lignes,
                               const Coches& coches);

// "Nombre d'utilisateurs rapprochés par ressemblance : N" and the advice after it.
std::string MessageFinRessemblance(std::size_t nombre);

// Who reviews the lines: given them and the ticks at opening, returns the ticks to
// place, or none when the review was cancelled.
using RevueLignes = std::function<std::optional<Coches>(
    const std::vector<PropositionRessemblance>& lignes, const Coches& ouverture)>;

// The aid itself: an empty not-found list only gets the "Aucun changement" message;
// no line gets the end message with 0; else `revue` decides. A cancelled review
// changes nothing and shows nothing; otherwise the ticked pairs are placed and the
// end message shows how many.
void RapprocheRessemblance(EtatRapprochement& etat, Dialogues& dialogues, const RevueLignes& revue);

}  // namespace corrinom
