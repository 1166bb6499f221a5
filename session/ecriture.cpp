// Writing the new names of the confirmed rows back to their accounts.
#include "session/ecriture.h"

#include <ctime>

#include "accounts/usr_comment.h"
#include "reconcile/marques.h"
#include "session/ecriture_journalisee.h"
#include "text/encodage.h"
#include "text/noms.h"
#include "text/titres.h"

namespace corrinom {

const std::string_view kQuestionEffectuer =
    "Les modifications vont \xEAtre effecu\xE9" "es dans la base de comptes de votre serveur TAVO";
const std::string_view kQuestionFermeture =
    "Des modifications ont \xE9t\xE9 faites, voulez-vous effectuer ces modifications dans votre "
    "serveur TAVO ?";

namespace {

// A pending row is written only when a person with a last name is attached.
bool AEcrire(const LigneCompte& ligne) {
  return ligne.sousItems.size() == kSousItemsAttache && EstModification(ligne.marque) &&
         !ligne.sousItems[kNouveauNom].empty();
}

std::string EchecLecture(std::uint32_t statut, std::string_view login) {
  return "Erreur  " + std::to_string(statut) + " en obtenant le compte " + std::string(login);
}

}  // namespace

bool ModificationsEnAttente(const EtatRapprochement& etat) {
  for (const LigneCompte& ligne : etat.comptes)
    if (EstModification(ligne.marque)) return true;
  return false;
}

bool ModifieCompte(MagasinComptes& magasin, std::string_view login, std::string_view nom,
                   std::string_view prenoms, Dialogues& dialogues, JournalChangements& journal) {
  return ModifieCompte(magasin, LoginsMagasin{}, login, nom, prenoms, dialogues, journal);
}

bool ModifieCompte(MagasinComptes& magasin, const LoginsMagasin& logins, std::string_view login,
                   std::string_view nom, std::string_view prenoms, Dialogues& dialogues,
                   JournalChangements& journal, bool* arret) {
  // The row knows the login in CP1252 only; the store may spell it otherwise.
  const std::optional<std::string> loginMagasin = logins.loginMagasin(login);
  if (!loginMagasin) {
    dialogues.message(EchecLecture(kErrorNoneMapped, login));
    return false;
  }
  CompteStocke lu;
  const std::uint32_t e = magasin.lit(*loginMagasin, lu);
  if (e != kNerrSuccess) {
    dialogues.message(EchecLecture(e, login));
    return false;
  }
  CompteStocke compte = lu;
  // Only the full name and field 7 of the user comment change. The comment is
  // rebuilt on the store's own text: its ';' are the same bytes in UTF-8, so
  // every other character, even one CP1252 lacks, goes back as it came.
  compte.full_name = ChampTexte::de(Cp1252VersUtf8(AssembleNoms(nom, prenoms)));
  if (!compte.usr_comment.nul && !compte.usr_comment.texte.empty())
    compte.usr_comment.texte =
        RemplaceLongueurNom(compte.usr_comment.texte, static_cast<std::int64_t>(nom.size()));
  const EcritureJournalisee r = EcritCompteJournalise(magasin, *loginMagasin, lu, compte, journal);
  switch (r.issue) {
    case EcritureJournalisee::Issue::Ecrit:
      return true;
    case EcritureJournalisee::Issue::JournalAvant:
      if (arret) *arret = true;
      dialogues.erreur(r.erreurJournal + "\nLe compte " + std::string(login) +
                       " n'a pas \xE9t\xE9 modifi\xE9 et les changements s'arr\xEAtent l\xE0.");
      return false;
    case EcritureJournalisee::Issue::JournalApres:
      if (arret) *arret = true;
      dialogues.erreur(r.erreurJournal + "\nLe compte " + std::string(login) +
                       (r.statut == kNerrSuccess ? " a \xE9t\xE9 modifi\xE9" : " n'a pas \xE9t\xE9 modifi\xE9") +
                       " mais le journal n'en garde pas le r\xE9sultat ; les changements s'arr\xEAtent l\xE0.");
      return r.statut == kNerrSuccess;
    case EcritureJournalisee::Issue::EchecMagasin:
      break;
  }
  dialogues.message("Erreur " + std::to_string(r.statut) + " en modifiant le compte " +
                    std::string(login));
  return false;
}

std::string ResumeChangements(int suppressions, int changements) {
  std::string r = std::to_string(suppressions) + " suppression";
  r += Pluriel(suppressions);
  r += " effectu\xE9" "e";
  r += Pluriel(suppressions);
  r += '\n';
  r += std::to_string(changements);
  r += " changement";
  r += Pluriel(changements);
  r += " de nom effectu\xE9";
  r += Pluriel(changements);
  return r;
}

namespace {

// The run's journal, opened only when some row is to be written. Null when
// there is nothing to write, or after telling the operator why it cannot be.
std::unique_ptr<JournalChangements> OuvreJournalDuRun(const EtatRapprochement& etat,
                                                      Dialogues& dialogues,
                                                      DestinationJournal& destination) {
  bool aEcrire = false;
  for (const LigneCompte& ligne : etat.comptes) aEcrire = aEcrire || AEcrire(ligne);
  if (!aEcrire) return nullptr;
  std::string erreur;
  std::unique_ptr<JournalChangements> journal =
      OuvreJournal(destination.fichier, std::time(nullptr), destination.magasin, erreur);
  if (!journal) {
    dialogues.erreur(erreur + "\nAucun compte n'a \xE9t\xE9 modifi\xE9.");
    return nullptr;
  }
  destination.dernierChemin = journal->chemin();
  if (destination.surOuverture) destination.surOuverture(journal->chemin());
  return journal;
}

}  // namespace

int EffectueChangements(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues,
                        DestinationJournal& destination, Progression* progression) {
  const int suppressions = 0;  // nothing here ever deletes an account
  int changements = 0;
  std::unique_ptr<JournalChangements> journal;
  {
    CurseurAttente attente(dialogues);
    journal = OuvreJournalDuRun(etat, dialogues, destination);
    std::size_t total = 0;
    if (journal && progression) {
      for (const LigneCompte& ligne : etat.comptes) total += AEcrire(ligne) ? 1 : 0;
      progression->debut(total);
      progression->avance(0, total);
    }
    for (LigneCompte& ligne : etat.comptes) {
      if (!journal || !AEcrire(ligne)) continue;
      if (progression && progression->arretDemande()) break;
      bool arret = false;
      const bool ecrit =
          ModifieCompte(magasin, etat.loginsMagasin, ligne.login, ligne.sousItems[kNouveauNom],
                        ligne.sousItems[kNouveauxPrenoms], dialogues, *journal, &arret);
      if (ecrit) {
        ++changements;
        ligne.sousItems[kNomActuel] = ligne.sousItems[kNouveauNom];
        ligne.sousItems[kPrenomsActuels] = ligne.sousItems[kNouveauxPrenoms];
        ligne.marque = Marque::DejaBon;
        if (progression) progression->avance(static_cast<std::size_t>(changements), total);
      }
      if (!ecrit || arret) break;
    }
    std::string erreur;
    if (journal && !journal->termine(erreur))
      dialogues.erreur(erreur + "\nLe journal ne garde peut-\xEAtre pas le r\xE9sultat du dernier "
                                "compte modifi\xE9.");
    if (progression) progression->fin();
    AfficheNombres(etat);
    AfficheResume(etat);
  }
  dialogues.message(ResumeChangements(suppressions, changements));
  if (journal) dialogues.indication("Journal : " + Utf8VersCp1252Compte(journal->chemin()));
  return changements;
}

bool ConfirmeEtEffectueChangements(EtatRapprochement& etat, MagasinComptes& magasin,
                                   Dialogues& dialogues, DestinationJournal& journal,
                                   Progression* progression) {
  if (ModificationsEnAttente(etat) &&
      dialogues.question(kTitreConfirmation, kQuestionEffectuer, Icone::Aucune, Reponse::Oui) !=
          Reponse::Oui)
    return false;
  EffectueChangements(etat, magasin, dialogues, journal, progression);
  return true;
}

bool AutoriseFermeture(EtatRapprochement& etat, MagasinComptes& magasin, Dialogues& dialogues,
                       DestinationJournal& journal, Progression* progression) {
  while (ModificationsEnAttente(etat)) {
    switch (dialogues.question(kTitreConfirmation, kQuestionFermeture, Icone::Aucune,
                               Reponse::Oui)) {
      case Reponse::Oui:
        EffectueChangements(etat, magasin, dialogues, journal, progression);
        if (progression && progression->arretDemande()) return false;
        break;
      case Reponse::Non:
        return true;
      case Reponse::Annuler:
        return false;
    }
  }
  return true;
}

}  // namespace corrinom
