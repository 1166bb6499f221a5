// The hand-over of a file's persons to the reconciliation state.
#pragma once

#include <memory>

#include "import/personne.h"

namespace corrinom {

struct EtatRapprochement;
class RemiseFichier;

// Persons go to exact matching on the state's account rows; the not-found list is
// emptied, sorted and counted on the reader's request.
class RemiseEtat : public RemisePersonnes {
 public:
  explicit RemiseEtat(EtatRapprochement& etat);
  ~RemiseEtat() override;
  RemiseEtat(const RemiseEtat&) = delete;
  RemiseEtat& operator=(const RemiseEtat&) = delete;

  void videNonTrouves() override;
  void rapprocheExact(const Personne& personne) override;
  void trieNonTrouves() override;
  void afficheNombresEtResume() override;

 private:
  EtatRapprochement& etat_;
  // Indexes the account rows at the first person: nothing reorders them or
  // changes their current names until the reader returns.
  std::unique_ptr<RemiseFichier> remise_;
};

}  // namespace corrinom
