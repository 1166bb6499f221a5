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
  const IssueModification issue =
      ModifieCompte(magasin, LoginsMagasin{}, nullptr, login, nom, prenoms, dialogues, journal).issue;
  return issue == IssueModification::Ecrit || issue == IssueModification::DejaJuste;
}

namespace {

TextesCompte TextesDe(const CompteStocke& compte) {
  return TextesCompte{compte.full_name.texte, compte.usr_comment.texte};
}

// The account as it will be written: only the full name and field 7 of the
// user comment change. The comment is rebuilt on the store's own text: its ';'
// are the same bytes in UTF-8, so every other character, even one CP1252
// lacks, goes back as it came.
CompteStocke Renomme(const CompteStocke& lu, std::string_view nom, std::string_view prenoms) {
  CompteStocke compte = lu;
  compte.full_name = ChampTexte::de(Cp1252VersUtf8(AssembleNoms(nom, prenoms)));
  if (!compte.usr_comment.nul && !compte.usr_comment.texte.empty())
    compte.usr_comment.texte =
        RemplaceLongueurNom(compte.usr_comment.texte, static_cast<std::int64_t>(nom.size()));
  return compte;
}

}  // namespace

ModificationCompte ModifieCompte(MagasinComptes& magasin, const LoginsMagasin& logins,
                                 const TextesCompte* lus, std::string_view login,
                                 std::string_view nom, std::string_view prenoms,
                                 Dialogues& dialogues, JournalChangements& journal) {
  ModificationCompte m;
  // The row knows the login in CP1252 only; the store may spell it otherwise.
  const std::optional<std::string> loginMagasin = logins.loginMagasin(login);
  if (!loginMagasin) {
    dialogues.message(EchecLecture(kErrorNoneMapped, login));
    return m;
  }
  CompteStocke lu;
  const std::uint32_t e = magasin.lit(*loginMagasin, lu);
  if (e != kNerrSuccess) {
    dialogues.message(EchecLecture(e, login));
    return m;
  }
  const CompteStocke compte = Renomme(lu, nom, prenoms);
  m.textes = TextesDe(compte);
  if (TextesDe(lu) == m.textes) {
    m.issue = IssueModification::DejaJuste;
    return m;
  }
  if (lus && TextesDe(lu) != *lus) {
    // Someone changed the account since the operator saw it: writing would
    // throw that change away.
    std::string erreur;
    m.textes = TextesDe(lu);
    if (journal.conflit(ChangementDe(*loginMagasin, lu, compte), erreur)) {
      m.issue = IssueModification::Conflit;
      return m;
    }
    m.arret = true;
    dialogues.erreur(erreur + "\nLe compte " + std::string(login) +
                     " n'a pas \xE9t\xE9 modifi\xE9 et les changements s'arr\xEAtent l\xE0.");
    return m;
  }
  const EcritureJournalisee r = EcritCompteJournalise(magasin, *loginMagasin, lu, compte, journal);
  switch (r.issue) {
    case EcritureJournalisee::Issue::Ecrit:
      m.issue = IssueModification::Ecrit;
      return m;
    case EcritureJournalisee::Issue::ModifieEntreTemps:
      // Changed by someone else while its intention line reached the disk.
      m.issue = IssueModification::Conflit;
      return m;
    case EcritureJournalisee::Issue::JournalAvant:
      m.arret = true;
      dialogues.erreur(r.erreurJournal + "\nLe compte " + std::string(login) +
                       " n'a pas \xE9t\xE9 modifi\xE9 et les changements s'arr\xEAtent l\xE0.");
      return m;
    case EcritureJournalisee::Issue::JournalApres:
      m.arret = true;
      dialogues.erreur(r.erreurJournal + "\nLe compte " + std::string(login) +
                       (r.statut == kNerrSuccess ? " a \xE9t\xE9 modifi\xE9" : " n'a pas \xE9t\xE9 modifi\xE9") +
                       " mais le journal n'en garde pas le r\xE9sultat ; les changements s'arr\xEAtent l\xE0.");
      if (r.statut == kNerrSuccess) m.issue = IssueModification::Ecrit;
      return m;
    case EcritureJournalisee::Issue::EchecMagasin:
      break;
  }
  dialogues.message("Erreur " + std::to_string(r.statut) + " en modifiant le compte " +
                    std::string(login));
  return m;
}

std::string ResumeChangements(int suppressions, int changements,
                              const std::vector<std::string>& conflits) {
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
  if (conflits.empty()) return r;
  r += "\nComptes modifi\xE9s dans le serveur depuis la lecture, laiss\xE9s tels quels (" +
       std::to_string(conflits.size()) + ") : ";
  constexpr std::size_t kNommes = 10;
  for (std::size_t i = 0; i < conflits.size() && i < kNommes; ++i) {
    if (i > 0) r += ", ";
    r += conflits[i];
  }
  if (conflits.size() > kNommes) r += ", \x85";
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

BilanChangements EffectueChangements(EtatRapprochement& etat, MagasinComptes& magasin,
                                     Dialogues& dialogues, DestinationJournal& destination,
                                     Progression* progression) {
  const int suppressions = 0;  // nothing here ever deletes an account
  BilanChangements bilan;
  std::unique_ptr<JournalChangements> journal;
  {
    CurseurAttente attente(dialogues);
    journal = OuvreJournalDuRun(etat, dialogues, destination);
    std::size_t total = 0, faits = 0;
    if (journal && progression) {
      for (const LigneCompte& ligne : etat.comptes) total += AEcrire(ligne) ? 1 : 0;
      progression->debut(total);
      progression->avance(0, total);
    }
    for (LigneCompte& ligne : etat.comptes) {
      if (!journal || !AEcrire(ligne)) continue;
      if (progression && progression->arretDemande()) break;
      const std::optional<std::string> loginMagasin = etat.loginsMagasin.loginMagasin(ligne.login);
      const auto lus = loginMagasin ? etat.textesLus.find(*loginMagasin) : etat.textesLus.end();
      const ModificationCompte m = ModifieCompte(
          magasin, etat.loginsMagasin, lus == etat.textesLus.end() ? nullptr : &lus->second,
          ligne.login, ligne.sousItems[kNouveauNom], ligne.sousItems[kNouveauxPrenoms], dialogues,
          *journal);
      switch (m.issue) {
        case IssueModification::Ecrit:
          ++bilan.changements;
          [[fallthrough]];
        case IssueModification::DejaJuste:
          ligne.sousItems[kNomActuel] = ligne.sousItems[kNouveauNom];
          ligne.sousItems[kPrenomsActuels] = ligne.sousItems[kNouveauxPrenoms];
          ligne.marque = Marque::DejaBon;
          // A second run in this window compares with what is there now.
          if (lus != etat.textesLus.end()) lus->second = m.textes;
          break;
        case IssueModification::Conflit:
          bilan.conflits.push_back(ligne.login);
          break;
        case IssueModification::Echec:
          break;
      }
      if (progression) progression->avance(++faits, total);
      if (m.issue == IssueModification::Echec || m.arret) break;
    }
    std::string erreur;
    if (journal && !journal->termine(erreur))
      dialogues.erreur(erreur + "\nLe journal ne garde peut-\xEAtre pas le r\xE9sultat du dernier "
                                "compte modifi\xE9.");
    if (progression) progression->fin();
    AfficheNombres(etat);
    AfficheResume(etat);
  }
  dialogues.message(ResumeChangements(suppressions, bilan.changements, bilan.conflits));
  if (journal) dialogues.indication("Journal : " + Utf8VersCp1252Compte(journal->chemin()));
  return bilan;
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
