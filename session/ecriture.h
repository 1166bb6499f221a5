// The write-back of changed names: Button1Click (the "Effectuer les
// changements" button's click) and FormCloseQuery (the main window's close
// query) ask the operator, then EffectueChangements writes every pending row.
#pragma once

#include <string>
#include <string_view>

#include "accounts/store/magasin_comptes.h"
#include "operator/dialogues.h"
#include "reconcile/etat.h"
#include "session/progression.h"
#include "text/titres.h"

namespace corrinom {

extern const std::string_view kQuestionEffectuer;  // Button1Click's confirmation
extern const std::string_view kQuestionFermeture;  // the close question

// True when some row is pink or red.
bool ModificationsEnAttente(const EtatRapprochement& etat);

// Writes one account on the store the list was read from: its full name and
// field 7 of its user comment change, nothing else. `logins` gives the store's
// own login of a listed account (without it, the row's login in UTF-8). False
// after showing the failure.
bool ModifieCompte(MagasinComptes& magasin, const LoginsMagasin& logins, std::string_view login,
                   std::string_view nom, std::string_view prenoms, Dialogues& dialogues);
bool ModifieCompte(MagasinComptes& magasin, std::string_view login, std::string_view nom,
                   std::string_view prenoms, Dialogues& dialogues);

// Writes every pending row in list order, stopping at the first failure, then
// recounts and shows the summary. Returns the number of accounts written.
// `progression` counts the accounts to write; when it asks to stop, the run ends
// after the account being written and the summary counts what was written.
int EffectueChangements(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues,
                        Progression* progression = nullptr);

// The summary text of EffectueChangements.
std::string ResumeChangements(int suppressions, int changements);

// Button1: asks for confirmation when something is pending (only Yes goes on),
// then EffectueChangements. True when EffectueChangements ran.
bool Button1Click(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues,
                  Progression* progression = nullptr);

// The close question loop: returns canClose. A write stopped by the operator
// keeps the window open.
bool FormCloseQuery(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues,
                    Progression* progression = nullptr);

}  // namespace corrinom
