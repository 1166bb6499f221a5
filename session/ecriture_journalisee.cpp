// One account written between its intention and result lines.
#include "session/ecriture_journalisee.h"

namespace corrinom {

ChangementCompte ChangementDe(std::string_view loginMagasin, const CompteStocke& lu,
                              const CompteStocke& nouveau) {
  return ChangementCompte{std::string(loginMagasin), lu.full_name.texte, lu.usr_comment.texte,
                          nouveau.full_name.texte, nouveau.usr_comment.texte};
}

EcritureJournalisee EcritCompteJournalise(MagasinComptes& magasin, std::string_view loginMagasin,
                                          const CompteStocke& lu, const CompteStocke& nouveau,
                                          JournalChangements& journal) {
  EcritureJournalisee r;
  const ChangementCompte c = ChangementDe(loginMagasin, lu, nouveau);
  if (!journal.intention(c, r.erreurJournal)) {
    r.issue = EcritureJournalisee::Issue::JournalAvant;
    return r;
  }
  CompteStocke frais;
  r.statut = magasin.lit(loginMagasin, frais);
  const bool change = r.statut == kNerrSuccess && (frais.full_name.texte != lu.full_name.texte ||
                                                   frais.usr_comment.texte != lu.usr_comment.texte);
  if (change) r.statut = kStatutModifieEntreTemps;
  if (r.statut == kNerrSuccess) r.statut = magasin.ecrit(loginMagasin, nouveau);
  if (!journal.resultat(c, r.statut, r.erreurJournal)) {
    r.issue = EcritureJournalisee::Issue::JournalApres;
    return r;
  }
  r.issue = change                     ? EcritureJournalisee::Issue::ModifieEntreTemps
            : r.statut == kNerrSuccess ? EcritureJournalisee::Issue::Ecrit
                                       : EcritureJournalisee::Issue::EchecMagasin;
  return r;
}

}  // namespace corrinom
