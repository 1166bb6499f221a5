// The restore as the window runs it.
#include "window/restauration_fenetre.h"

#include <ctime>

#include "accounts/usr_comment.h"
#include "session/enumeration.h"
#include "reconcile/marque_compte.h"
#include "reconcile/marques.h"
#include "text/encodage.h"

namespace corrinom {
namespace {

// "a, b, c" for the accounts with this outcome, with "..." past the maximum.
std::string Logins(const Restauration& r, IssueRestauration issue, std::size_t max,
                   std::size_t& nombre) {
  std::string t;
  nombre = 0;
  for (const CompteRestaure& c : r.comptes) {
    if (c.issue != issue) continue;
    if (++nombre > max) continue;
    if (!t.empty()) t += ", ";
    t += Utf8VersCp1252Compte(c.login);
    if (issue == IssueRestauration::Echec) t += " (erreur " + std::to_string(c.statut) + ")";
    if (!c.raison.empty()) t += " (" + std::string(c.raison) + ")";
  }
  if (nombre > max) t += ", ...";
  return t;
}

void Partie(std::string& texte, const Restauration& r, IssueRestauration issue,
            std::string_view titre, std::size_t max) {
  std::size_t n = 0;
  const std::string logins = Logins(r, issue, max, n);
  if (n == 0) return;
  texte += "\n" + std::string(titre) + " (" + std::to_string(n) + ") : " + logins;
}

// The row of a restored account shows the names the store holds again, and is
// marked anew against the person still attached to it; a later write compares
// the account with these texts, which the operator now sees.
void RemetLigne(EtatRapprochement& etat, MagasinComptes& magasin, const std::string& login) {
  CompteStocke compte;
  if (magasin.lit(login, compte) != kNerrSuccess) return;
  if (const auto lus = etat.textesLus.find(login); lus != etat.textesLus.end())
    lus->second = TextesCompte{compte.full_name.texte, compte.usr_comment.texte};
  const TInfoUser info = InfoDepuisCompte(compte);
  const TUsrComment record = LitUsrComment(info.usri3_usr_comment.texte);
  for (LigneCompte& ligne : etat.comptes) {
    if (ligne.login != info.usri3_name.texte || ligne.sousItems.size() < kSousItemsLibre) continue;
    ligne.sousItems[kNomActuel] = ExtraitNom(info.usri3_full_name.texte, record.LongueurNom);
    ligne.sousItems[kPrenomsActuels] = ExtraitPrenoms(info.usri3_full_name.texte, record.LongueurNom);
    MarqueLigne(etat, ligne);
  }
}

}  // namespace

std::string QuestionRestauration(const std::string& cheminJournal, const Restauration& essai,
                                 std::size_t maxLogins) {
  std::string t = "Restauration du journal " + Utf8VersCp1252Compte(cheminJournal) + "\n";
  Partie(t, essai, IssueRestauration::ARestaurer, "Comptes \xE0 restaurer", maxLogins);
  Partie(t, essai, IssueRestauration::Laisse,
         "Comptes laiss\xE9s tels quels (modifi\xE9s depuis, ou jamais \xE9" "crits)", maxLogins);
  Partie(t, essai, IssueRestauration::Echec, "Comptes illisibles", maxLogins);
  t += "\n\nVoulez-vous remettre l'ancien nom complet et l'ancienne longueur du nom des comptes "
       "\xE0 restaurer ?";
  return t;
}

std::string ResumeRestauration(const Restauration& r) {
  std::size_t restaures = 0;
  for (const CompteRestaure& c : r.comptes) restaures += c.issue == IssueRestauration::Restaure;
  std::string t = std::to_string(restaures) + " compte";
  t += Pluriel(static_cast<std::int64_t>(restaures));
  t += " restaur\xE9";
  t += Pluriel(static_cast<std::int64_t>(restaures));
  Partie(t, r, IssueRestauration::Laisse, "Comptes laiss\xE9s tels quels", 20);
  Partie(t, r, IssueRestauration::Echec, "Comptes en \xE9" "chec", 20);
  if (!r.erreurJournal.empty()) t += "\n" + r.erreurJournal + "\nLa restauration s'est arr\xEAt\xE9" "e l\xE0.";
  return t;
}

std::optional<std::string> RestaureJournal(const std::string& cheminJournal,
                                           MagasinComptes& magasin, const std::string& nomMagasin,
                                           EtatRapprochement& etat, Dialogues& dialogues,
                                           const std::optional<std::string>& journalChoisi) {
  std::vector<HistoriqueCompte> historiques;
  std::string erreur;
  if (!LitHistoriques(cheminJournal, nomMagasin, historiques, erreur)) {
    dialogues.erreur(erreur, kTitreRestauration);
    return std::nullopt;
  }
  Restauration essai;
  {
    CurseurAttente attente(dialogues);
    essai = Restaure(historiques, magasin, nullptr);
  }
  bool rienARestaurer = true;
  for (const CompteRestaure& c : essai.comptes)
    rienARestaurer = rienARestaurer && c.issue != IssueRestauration::ARestaurer;
  if (rienARestaurer) {
    std::string t = QuestionRestauration(cheminJournal, essai);
    t = t.substr(0, t.rfind("\n\n")) + "\n\nAucun compte n'est \xE0 restaurer.";
    dialogues.message(t, kTitreRestauration);
    return std::nullopt;
  }
  if (dialogues.question(kTitreRestauration, QuestionRestauration(cheminJournal, essai),
                         Icone::Question, Reponse::Non) != Reponse::Oui)
    return std::nullopt;

  std::unique_ptr<JournalChangements> journal =
      OuvreJournal(journalChoisi, std::time(nullptr), nomMagasin, erreur);
  if (!journal) {
    dialogues.erreur(erreur + "\nAucun compte n'a \xE9t\xE9 modifi\xE9.", kTitreRestauration);
    return std::nullopt;
  }
  Restauration r;
  {
    CurseurAttente attente(dialogues);
    r = Restaure(historiques, magasin, journal.get());
    for (const CompteRestaure& c : r.comptes)
      if (c.issue == IssueRestauration::Restaure) RemetLigne(etat, magasin, c.login);
    AfficheNombres(etat);
    AfficheResume(etat);
  }
  dialogues.message(ResumeRestauration(r), kTitreRestauration);
  dialogues.indication("Journal : " + Utf8VersCp1252Compte(journal->chemin()));
  return journal->chemin();
}

}  // namespace corrinom
