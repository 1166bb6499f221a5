// The restore of a journal: compare, then set.
#include "session/restauration.h"

#include <map>

#include "accounts/usr_comment.h"
#include "session/ecriture_journalisee.h"
#include "text/longueur_nom.h"

namespace corrinom {

namespace {

// The stores compare logins without regard to ASCII case: so do the histories.
std::string CleLogin(std::string_view login) {
  std::string cle(login);
  for (char& c : cle) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return cle;
}

}  // namespace

namespace {

// The histories as the lines come, in the order of each account's first line.
class Historiques {
 public:
  void ajoute(LigneJournal&& l) {
    if (l.conflit) return;  // nothing was written
    const std::string cle = CleLogin(l.changement.login);
    HistoriqueCompte& h = historique(cle, l.changement.login);
    const auto o = ouverte_.find(cle);
    if (!l.resultat) {
      // Two intentions in a row: the first write may have happened.
      if (o == ouverte_.end()) {
        ouverte_.emplace(cle, std::move(l.changement));
      } else {
        h.ecrits.push_back(std::move(o->second));
        o->second = std::move(l.changement);
      }
      return;
    }
    if (o != ouverte_.end()) ouverte_.erase(o);
    if (l.statut == kNerrSuccess) h.ecrits.push_back(std::move(l.changement));
  }

  std::vector<HistoriqueCompte> termine() {
    // An intention still open is its account's last step in the journal.
    for (auto& [cle, changement] : ouverte_) {
      historique(cle, changement.login).ecrits.push_back(std::move(changement));
    }
    ouverte_.clear();
    rang_.clear();
    return std::move(r_);
  }

 private:
  HistoriqueCompte& historique(const std::string& cle, const std::string& login) {
    const auto [it, nouveau] = rang_.try_emplace(cle, r_.size());
    if (nouveau) r_.push_back(HistoriqueCompte{login, {}});
    return r_[it->second];
  }

  std::vector<HistoriqueCompte> r_;
  std::map<std::string, std::size_t, std::less<>> rang_;            // login's key -> index in r_
  std::map<std::string, ChangementCompte, std::less<>> ouverte_;    // intention awaiting its result
};

}  // namespace

std::vector<HistoriqueCompte> HistoriquesDuJournal(const std::vector<LigneJournal>& lignes) {
  Historiques h;
  for (LigneJournal l : lignes) h.ajoute(std::move(l));
  return h.termine();
}

bool LitHistoriques(const std::string& chemin, std::string_view magasin,
                    std::vector<HistoriqueCompte>& historiques, std::string& erreur) {
  Historiques h;
  std::string autre;
  const bool lu = LitFichierJournal(
      chemin,
      [&](LigneJournal&& l) {
        if (autre.empty() && LigneDuMagasin(l, magasin, autre)) h.ajoute(std::move(l));
      },
      erreur);
  if (lu && !autre.empty()) erreur = autre;
  historiques = lu && autre.empty() ? h.termine() : std::vector<HistoriqueCompte>{};
  return lu && autre.empty();
}

namespace {

// The texts a restore looks at; a null field reads as empty, as in the journal.
struct Noms {
  std::string nomComplet;
  std::string commentaire;
  friend bool operator==(const Noms&, const Noms&) = default;
};

// The comment with its field 7 (the length of the last name) set apart: the
// only field of it a write changes.
std::string HorsLongueurNom(std::string_view commentaire) {
  return RemplaceLongueurNom(commentaire, 0);
}

// How far back the account's current texts follow its journal, from the last
// change: the texts to put back, or the current ones when the last change
// does not match. A restore puts back the full name and field 7 of the
// comment, taken on the current comment, and nothing else: a step whose old
// and new comments differ elsewhere (which no write makes) stops the account
// with `autreChamp`.
Noms Cible(const HistoriqueCompte& h, const Noms& actuels, bool& autreChamp) {
  autreChamp = false;
  Noms cible = actuels;
  for (auto it = h.ecrits.rbegin(); it != h.ecrits.rend(); ++it) {
    if (cible != Noms{it->nouveauNomComplet, it->nouveauCommentaire}) break;
    if (HorsLongueurNom(it->ancienCommentaire) != HorsLongueurNom(it->nouveauCommentaire)) {
      autreChamp = true;
      return actuels;
    }
    cible = Noms{it->ancienNomComplet,
                 RemplaceChampLongueurNom(cible.commentaire, ChampLongueurNom(it->ancienCommentaire))};
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
    CompteRestaure c{h.login, IssueRestauration::Laisse, 0, {}};
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
    if (LitUsrComment(actuels.commentaire).Marqueur != kMarqueurTavo) {
      c.raison = kRaisonPasTavo;
      r.comptes.push_back(c);
      continue;
    }
    bool autreChamp = false;
    const Noms cible = Cible(h, actuels, autreChamp);
    if (autreChamp) c.raison = kRaisonAutreChamp;
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
      case EcritureJournalisee::Issue::ModifieEntreTemps:
        c.raison = kRaisonModifieEntreTemps;
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
