// The two matching aids: by last name and first first-name, and by birth date.
// Both work on the not-found list in its current order and attach persons to free
// account rows only; both end by refreshing the hints and counters and showing a
// count message.
#pragma once

#include <string>
#include <string_view>

#include "operator/dialogues.h"
#include "reconcile/etat.h"

namespace corrinom {

// The first first-name of a first-names text: the first word when it has at least
// four characters, else the whole text; the text is trimmed of bytes up to 32.
std::string PremierPrenom(std::string_view prenoms);

// Attaches, without asking, each not-found person whose folded last name and folded
// first first-name are those of a free account row (the top-most such row wins).
// The first part of an aid's question: `debut`, the account's names and date,
// then the person of the files with theirs, without the closing line break.
std::string QuestionPaire(std::string_view debut, const LigneCompte& compte,
                          std::string_view dateCompte, const LigneRebus& personne,
                          std::string_view datePersonne);

void RapprocheNomPrenom(EtatRapprochement& etat, Dialogues& dialogues);

// Asks the operator, for each not-found person and each free account row with the
// same trimmed birth date, whether they are the same person. Yes attaches, No goes
// to the next candidate, Cancel stops the whole run.
void RapprocheDateNaissance(EtatRapprochement& etat, Dialogues& dialogues);

}  // namespace corrinom
