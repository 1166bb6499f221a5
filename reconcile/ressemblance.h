// The third matching aid: proposes, best first, the not-found persons that look like
// a free account row, each with its score and the reasons for it, and asks the
// operator about each one.
//
// Candidate pairs come from blocking keys, never from every pair: the same birth
// date, or a last name close to the account's (the same phonetic key, one letter
// apart, or a word in common) with a near birth date (day and month swapped, one
// digit or one unit off). Each candidate is then scored (ressemblance_niveaux.h) and
// kept when it reaches the threshold. A pair that no key brings together has neither
// its date nor, with a near date, its last name in common, and scores below the
// threshold anyway.
#pragma once

#include <cstddef>
#include <vector>

#include "operator/dialogues.h"
#include "reconcile/etat.h"
#include "reconcile/ressemblance_niveaux.h"

namespace corrinom {

struct PropositionRessemblance {
  std::size_t rebus = 0;   // index into etat.rebus
  std::size_t compte = 0;  // index into etat.comptes (a free row)
  Ressemblance ressemblance;
};

// Each person keeps at most this many candidates, so memory stays linear in the rows
// whatever the data.
inline constexpr std::size_t kCandidatsParPersonne = 16;

// The candidates of every not-found person, at or above the threshold: persons in
// list order and, for each, its best candidates first (equal scores in account list
// order), at most `parPersonne` of them.
std::vector<PropositionRessemblance> CandidatsRessemblance(
    const EtatRapprochement& etat, std::size_t parPersonne = kCandidatsParPersonne);

// The order in which the aid proposes them: best first; equal scores in not-found
// list order, then account list order.
void TriePropositions(std::vector<PropositionRessemblance>& propositions);

// The aid itself. One question per proposal: Yes attaches the person to the account
// and drops every other proposal holding either of them, No drops that proposal
// only, Cancel stops and keeps what was attached. Ends by refreshing the hints and
// counters and showing the number attached.
void RapprocheRessemblance(EtatRapprochement& etat, Dialogues& dialogues);

}  // namespace corrinom
