// The restore of a journal: compare, then set.
#include "session/restauration.h"

#include <map>

#include "session/ecriture_journalisee.h"

namespace corrinom {

std::vector<HistoriqueCompte> HistoriquesDuJournal(const std::vector<LigneJournal>& lignes) {
  std::vector<HistoriqueCompte> r;
  std::map<std::string, std::size_t, std::less<>> rang;            // login -> index in r
  std::map<std::string, const ChangementCompte*, std::less<>> ouverte;  // intention awaiting its result
  auto historique = [&](const std::string& login) -> HistoriqueCompte& {
    const auto [it, nouveau] = rang.try_emplace(login, r.size());
    if (nouveau) r.push_back(HistoriqueCompte{login, {}});
    return r[it->second];
  };
  for (const LigneJournal& l : lignes) {
    if (l.conflit) continue;  // nothing was written
    const std::string& login = l.changement.login;
    HistoriqueCompte& h = historique(login);
    const auto o = ouverte.find(login);
    if (!l.resultat) {
      // Two intentions in a row: the first write may have happened.
      if (o != ouverte.end()) h.ecrits.push_back(*o->second);
      ouverte[login] = &l.changement;
      continue;
    }
    if (o != ouverte.end()) ouverte.erase(o);
    if (l.statut == kNerrSuccess) h.ecrits.push_back(l.changement);
  }
  // An intention still open is its account's last step in the journal.
  for (const auto& [login, changement] : ouverte) historique(login).ecrits.push_back(*changement);
  return r;
}

bool JournalDuMagasin(const std::vector<LigneJournal>& lignes, std::string_view magasin,
                      std::string& erreur) {
  for (const LigneJournal& l : lignes) {
    if (l.magasin == magasin) continue;
    erreur = "Ce journal concerne un autre serveur ou une autre base (ligne " +
             std::to_string(l.ligne) + ").";
    return false;
  }
  return true;
}

namespace {

// The texts a restore looks at; a null field reads as empty, as in the journal.
struct Noms {
  std::string nomComplet;
  std::string commentaire;
  friend bool operator==(const Noms&, const Noms&) = default;
};

// How far back the account's current texts follow its journal, from the last
// change: the texts to put back, or the current ones when the last change
// does not match.
Noms Cible(const HistoriqueCompte& h, const Noms& actuels) {
  Noms cible = actuels;
  for (auto it = h.ecrits.rbegin(); it != h.ecrits.rend(); ++it) {
    if (cible != Noms{it->nouveauNomComplet, it->nouveauCommentaire}) break;
    cible = Noms{it->ancienNomComplet, it->ancienCommentaire};
  }
  return cible;
}

void Pose(ChampTexte& champ, const std::string& texte) {
  if (champ.texte != texte) champ = ChampTexte::de(texte);  // an unchanged field keeps its null
}

}  // namespace

namespace {

Restauration RestaureComptes(const std::vector<HistoriqueCompte>& historiques,
                             MagasinComptes& magasin, JournalChangements* journal) {
  Restauration r;
  for (const HistoriqueCompte& h : historiques) {
    CompteRestaure c{h.login, IssueRestauration::Laisse, 0};
    if (h.ecrits.empty()) {  // never written
      r.comptes.push_back(c);
      continue;
    }
    CompteStocke lu;
    c.statut = magasin.lit(h.login, lu);
    if (c.statut != kNerrSuccess) {
      c.issue = IssueRestauration::Echec;
      r.comptes.push_back(c);
      continue;
    }
    const Noms actuels{lu.full_name.texte, lu.usr_comment.texte};
    const Noms cible = Cible(h, actuels);
    if (cible == actuels) {
      r.comptes.push_back(c);
      continue;
    }
    if (!journal) {
      c.issue = IssueRestauration::ARestaurer;
      r.comptes.push_back(c);
      continue;
    }
    CompteStocke nouveau = lu;
    Pose(nouveau.full_name, cible.nomComplet);
    Pose(nouveau.usr_comment, cible.commentaire);
    const EcritureJournalisee e = EcritCompteJournalise(magasin, h.login, lu, nouveau, *journal);
    c.statut = e.statut;
    switch (e.issue) {
      case EcritureJournalisee::Issue::Ecrit:
        c.issue = IssueRestauration::Restaure;
        break;
      case EcritureJournalisee::Issue::EchecMagasin:
        c.issue = IssueRestauration::Echec;
        break;
      case EcritureJournalisee::Issue::JournalAvant:
        r.erreurJournal = e.erreurJournal;
        return r;
      case EcritureJournalisee::Issue::JournalApres:
        c.issue = e.statut == kNerrSuccess ? IssueRestauration::Restaure : IssueRestauration::Echec;
        r.comptes.push_back(c);
        r.erreurJournal = e.erreurJournal;
        return r;
    }
    r.comptes.push_back(c);
  }
  return r;
}

}  // namespace

Restauration Restaure(const std::vector<HistoriqueCompte>& historiques, MagasinComptes& magasin,
                      JournalChangements* journal) {
  Restauration r = RestaureComptes(historiques, magasin, journal);
  if (journal && r.erreurJournal.empty()) journal->termine(r.erreurJournal);
  return r;
}

}  // namespace corrinom
