#include "import/remise_etat.h"

#include "import/ouvrir.h"
#include "reconcile/etat.h"
#include "reconcile/marques.h"
#include "reconcile/rapprochement_exact.h"
#include "reconcile/tri.h"

namespace corrinom {

RemiseEtat::RemiseEtat(EtatRapprochement& etat) : etat_(etat) {}
RemiseEtat::~RemiseEtat() = default;

void RemiseEtat::videNonTrouves() { etat_.rebus.clear(); }

void RemiseEtat::rapprocheExact(const Personne& p) {
  if (!remise_) remise_ = std::make_unique<RemiseFichier>(etat_);
  remise_->RapprocheExact(p.Nom, p.Prenoms, p.DateNaiss);
}

void RemiseEtat::trieNonTrouves() { TrieRebus(etat_, CompareNomsNonTrouves); }

void RemiseEtat::afficheNombresEtResume() {
  remise_.reset();
  AfficheNombres(etat_);
  AfficheResume(etat_);
}

ResultatOuverture LitFichierPersonnes(EtatRapprochement& etat, Dialogues& dialogues,
                                      const std::string& nomFichier) {
  RemiseEtat remise(etat);
  return LitFichierPersonnes(remise, dialogues, nomFichier);
}

}  // namespace corrinom
