// Reading the accounts of the store into the account list, one page at a time.
#include "session/enumeration.h"

#include "accounts/usr_comment.h"
#include "reconcile/marques.h"
#include "text/encodage.h"
#include "text/erreurs.h"
#include "text/noms.h"

namespace corrinom {
namespace {

ChampAnsi VueAnsi(const ChampTexte& champ) {
  if (champ.nul) return {};
  return ChampAnsi{false, Utf8VersCp1252Compte(champ.texte)};
}

bool SuccesEnumeration(std::uint32_t statut) {
  return statut == kNerrSuccess || statut == kErrorMoreData;
}

}  // namespace

TInfoUser InfoDepuisCompte(const CompteStocke& c) {
  TInfoUser i;
  i.usri3_name = VueAnsi(c.name);
  i.usri3_full_name = VueAnsi(c.full_name);
  i.usri3_full_name.texte = OemVersAnsi(i.usri3_full_name.texte);
  i.usri3_usr_comment = VueAnsi(c.usr_comment);
  return i;
}

bool TEnumUsers::pageLue() {
  if (!progression_) return true;
  lusEnTout_ += page_.size();
  // A store that counts fewer accounts than it returns leaves the total unknown.
  if (lusEnTout_ > totalAnnonce_) totalAnnonce_ = 0;
  progression_->avance(lusEnTout_, totalAnnonce_);
  return !progression_->arretDemande();
}

void TEnumUsers::appelle() {
  page_.clear();
  dernierStatut_ = magasin_.enumereNoms(kLongueurPreferee, page_, totalEntrees_, reprise_);
  if (dernierStatut_ == kErrorMoreData &&
      (reprise_ == 0 || !reprisesVues_.insert(reprise_).second)) {
    dernierStatut_ = kErrorFileCorrupt;
    page_.clear();
  }
  entreesLues_ = static_cast<std::uint32_t>(page_.size());
}

std::uint32_t TEnumUsers::Ouvre() {
  position_ = 0;
  reprise_ = 0;
  lusEnTout_ = 0;
  reprisesVues_.clear();
  appelle();
  totalAnnonce_ = totalEntrees_;  // counted from the start: the whole enumeration
  if (!SuccesEnumeration(dernierStatut_)) return dernierStatut_;
  if (!pageLue()) dernierStatut_ = kNerrSuccess;  // stop after this page
  return 0;
}

bool TEnumUsers::Suivant(TInfoUser& info, std::uint32_t& statut) {
  if (position_ == entreesLues_ && dernierStatut_ == kErrorMoreData) {
    appelle();
    if (!SuccesEnumeration(dernierStatut_)) {
      statut = dernierStatut_;
      return false;
    }
    if (!pageLue()) dernierStatut_ = kNerrSuccess;  // stop after this page
    position_ = 0;
  }
  statut = 0;
  if (position_ >= entreesLues_) return false;
  const CompteStocke& compte = page_[position_];
  info = InfoDepuisCompte(compte);
  loginMagasin_ = compte.name.texte;
  textesMagasin_ = TextesCompte{compte.full_name.texte, compte.usr_comment.texte};
  ++position_;
  return true;
}

std::string MessageEchecEnumeration(std::uint32_t statut) {
  return "Erreur " + std::to_string(statut) + " en lisant la liste des comptes du serveur.\n" +
         MessErreur(static_cast<std::int32_t>(statut));
}

std::uint32_t ChargeUtilisateurs(MagasinComptes& magasin, EtatRapprochement& etat,
                                 Dialogues& dialogues, Progression* progression) {
  std::uint32_t echec = 0;
  if (progression) progression->debut(0);
  {
    TEnumUsers enumeration(magasin, progression);
    echec = enumeration.Ouvre();
    TInfoUser info;
    std::uint32_t statut = 0;
    while (echec == 0 && enumeration.Suivant(info, statut)) {
      etat.loginsMagasin.retiens(info.usri3_name.texte, enumeration.loginMagasin());
      if (info.usri3_full_name.texte.empty()) continue;
      const TUsrComment record = LitUsrComment(info.usri3_usr_comment.texte);
      if (record.Marqueur != kMarqueurTavo) continue;
      const std::string& nomComplet = info.usri3_full_name.texte;
      etat.comptes.push_back(LigneCompte::Libre(info.usri3_name.texte,
                                                ExtraitNom(nomComplet, record.LongueurNom),
                                                ExtraitPrenoms(nomComplet, record.LongueurNom),
                                                record.DateNaiss));
      etat.textesLus[enumeration.loginMagasin()] = enumeration.textesMagasin();
    }
    if (echec == 0) echec = statut;
  }
  if (progression) progression->fin();
  AfficheResume(etat);
  if (echec != 0) dialogues.message(MessageEchecEnumeration(echec));
  return echec;
}

}  // namespace corrinom
